// Decoding the pixels of a Netpbm picture into Solution.
//
// The counters behave as the 16-bit integers of the original reader: a cell
// outside the 50 by 50 grid and a counter past 32767 are run-time failures.
// That is what stops a picture of width or height 0, whose counters never
// meet the size.
#include "model/Raster.h"

#include <array>
#include <initializer_list>

namespace grizzet {
namespace {

bool Store(PuzzleState& state, int column, int row, std::uint8_t colour)
{
    if (column < 0 || column >= MaxSide || row < 0 || row >= MaxSide)
        return false;
    state.Solution(column, row) = colour;
    return true;
}

bool Advance(std::int16_t& counter)
{
    if (counter == INT16_MAX)
        return false;
    ++counter;
    return true;
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

bool DecodePpm(PuzzleState& state, NetpbmTokens& tokens, bool plain, float threshold)
{
    std::int16_t column = 0;
    std::int16_t row = 0;
    for (;;) {
        std::optional<int> samples[3];
        for (std::optional<int>& sample : samples)
            if (!(sample = ReadGameSample(tokens, plain)))
                return false;
        if (!Store(state, column, row, ColourOfSamples(*samples[0], *samples[1], *samples[2], threshold)) ||
            !Advance(column))
            return false;
        if (column == state.PuzzleWidth) {
            column = 0;
            if (!Advance(row))
                return false;
            if (row == state.PuzzleHeight)
                return true;
        }
    }
}

bool DecodePbm(PuzzleState& state, NetpbmTokens& tokens, bool plain)
{
    std::int16_t column = 0;
    std::int16_t row = 0;
    while (row < state.PuzzleHeight) {
        if (plain) {
            const std::optional<std::int16_t> pixel = ReadNumber(tokens);
            if (!pixel || (*pixel == 1 && !Store(state, column, row, Black)) || !Advance(column))
                return false;
        } else {
            const int byte = tokens.NextByte();
            if (byte == ByteSource::End)
                return false;
            for (int bit = 7; bit >= 0; --bit) {
                if (!Store(state, column, row, (byte >> bit) & 1 ? Black : White) || !Advance(column))
                    return false;
                if (column == state.PuzzleWidth)
                    break;  // the rest of the byte pads the row
            }
        }
        if (column == state.PuzzleWidth) {
            column = 0;
            if (!Advance(row))
                return false;
        }
    }
    return true;
}

}  // namespace grizzet
