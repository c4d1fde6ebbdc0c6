#include "model/Field.h"

#include "model/Rounding.h"

namespace grizzet {

namespace {

// A number as the read-out writes it: one blank where a sign would go.
std::string Signed(int number) { return number < 0 ? std::to_string(number) : ' ' + std::to_string(number); }

}  // namespace

int CellUnderPointer(float position, int cellSize)
{
    const double c = static_cast<float>(cellSize);
    return Nearest(static_cast<double>(position) / c - 0.5);
}

std::string PositionText(int column, int row) { return Signed(column + 1) + ',' + Signed(row + 1); }

bool IsWrong(const PuzzleState& state, int column, int row)
{
    const int put = state.PlayerGrid(column, row);
    return put > 0 && put != state.Solution(column, row) + 1;
}

int DotWidth(int cellSize)
{
    const int m = Nearest(cellSize / 2.0);
    return m < 5 ? 5 : m;
}

bool FieldMatchesPicture(const PuzzleState& state)
{
    // Every cell is visited; the test keeps no running count.
    bool mismatch = false;
    for (int x = 0; x < state.PuzzleWidth; ++x)
        for (int y = 0; y < state.PuzzleHeight; ++y)
            if (state.Solution(x, y) + 1 != state.PlayerGrid(x, y))
                mismatch = true;
    return !mismatch;
}

}  // namespace grizzet
