// Clue derivation: the runs of every column and row of the picture.
#include "model/Clues.h"

#include "model/LoadPuzzle.h"

namespace grizzet {
namespace {

// One line's runs. cellAt(i) is the line's i-th cell; the clues go to slot k
// of the line in the two tables. Returns the number of clues.
template <typename CellAt>
std::uint8_t ScanLine(int line, int cells, CellAt cellAt, ClueTable& length, ClueTable& colour)
{
    int k = 0;
    for (int i = 0; i < cells; ++i) {
        const std::uint8_t c = cellAt(i);
        if (c != White) {
            // A change of colour starts a new clue even without a gap.
            if (colour(line, k) != c && colour(line, k) != White)
                ++k;
            colour(line, k) = c;
            ++length(line, k);
        } else if (length(line, k) != 0) {
            ++k;  // the background closes the clue
        }
    }
    if (cellAt(cells - 1) != White)
        ++k;  // the clue that runs to the end of the line
    if (k == 0)
        colour(line, 0) = Black;  // an empty line shows one black "0"
    return static_cast<std::uint8_t>(k);
}

}  // namespace

void DeriveClues(PuzzleState& state)
{
    const int width = state.PuzzleWidth;
    const int height = state.PuzzleHeight;
    // The end-of-line test would look before the first cell.
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide)
        throw RunTimeFailure("a picture without cells");

    state.RowClueCount.fill(0);
    state.ColClueCount.fill(0);
    state.RowClueLength.Fill(0);
    state.ColClueLength.Fill(0);
    state.RowClueColour.Fill(White);
    state.ColClueColour.Fill(White);
    state.MaxRowClues = 0;
    state.MaxColClues = 0;

    const Grid& solution = state.Solution;
    for (int x = 0; x < width; ++x) {
        const std::uint8_t k = ScanLine(
            x, height, [&](int y) { return solution(x, y); }, state.ColClueLength,
            state.ColClueColour);
        if (k > state.MaxColClues)
            state.MaxColClues = k;
        state.ColClueCount[x] = k;
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t k = ScanLine(
            y, width, [&](int x) { return solution(x, y); }, state.RowClueLength,
            state.RowClueColour);
        if (k > state.MaxRowClues)
            state.MaxRowClues = k;
        state.RowClueCount[y] = k;
    }

    if (state.MaxRowClues == 0)
        state.MaxRowClues = 1;
    if (state.MaxColClues == 0)
        state.MaxColClues = 1;
}

}  // namespace grizzet
