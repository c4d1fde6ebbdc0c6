// Decoding the pixels of a Netpbm picture into Solution.
//
// The counters behave as the 16-bit integers of the original reader: a cell
// outside the 50 by 50 grid and a counter past 32767 are run-time failures.
// That is what stops a picture of width or height 0, whose counters never
// meet the size.
#include "model/Raster.h"

#include "model/LoadPuzzle.h"

#include <array>
#include <initializer_list>

namespace grizzet {
namespace {

void Store(PuzzleState& state, int column, int row, std::uint8_t colour)
{
    if (column < 0 || column >= MaxSide || row < 0 || row >= MaxSide)
        throw RunTimeFailure("a cell outside the grid");
    state.Solution(column, row) = colour;
}

void Advance(std::int16_t& counter)
{
    if (counter == INT16_MAX)
        throw RunTimeFailure("a counter past 32767");
    ++counter;
}

int RawByte(ByteSource& source)
{
    const int byte = source.Next();
    if (byte == ByteSource::End)
        throw RunTimeFailure("the raster ends early");
    return byte;
}

// Colour number by lit channels, red 4, green 2, blue 1.
constexpr std::array<std::uint8_t, 8> ColourByChannels = {
    Black, Blue, Green, Cyan, Red, Magenta, Yellow, White};

}  // namespace

std::uint8_t ColourOfSamples(int red, int green, int blue, float threshold)
{
    int channels = 0;
    for (const int sample : {red, green, blue})
        channels = channels * 2 + (static_cast<float>(sample) >= threshold ? 1 : 0);
    return ColourByChannels[channels];
}

void DecodePpm(PuzzleState& state, ByteSource& source, bool plain, float threshold)
{
    std::int16_t column = 0;
    std::int16_t row = 0;
    for (;;) {
        int samples[3];
        for (int& sample : samples)
            sample = plain ? ReadNumber(source) : RawByte(source);
        Store(state, column, row, ColourOfSamples(samples[0], samples[1], samples[2], threshold));
        Advance(column);
        if (column == state.PuzzleWidth) {
            column = 0;
            Advance(row);
            if (row == state.PuzzleHeight)
                return;
        }
    }
}

void DecodePbm(PuzzleState& state, ByteSource& source, bool plain)
{
    std::int16_t column = 0;
    std::int16_t row = 0;
    while (row < state.PuzzleHeight) {
        if (plain) {
            if (ReadNumber(source) == 1)
                Store(state, column, row, Black);
            Advance(column);
        } else {
            const int byte = RawByte(source);
            for (int bit = 7; bit >= 0; --bit) {
                Store(state, column, row, (byte >> bit) & 1 ? Black : White);
                Advance(column);
                if (column == state.PuzzleWidth)
                    break;  // the rest of the byte pads the row
            }
        }
        if (column == state.PuzzleWidth) {
            column = 0;
            Advance(row);
        }
    }
}

}  // namespace grizzet
