#include "model/ClueHit.h"

#include "model/Rounding.h"

#include <optional>

namespace grizzet {

namespace {

struct Box {
    int line;
    int clue;
};

// The clue box of a band at a point given along the lines from the field's
// corner and out from the field's edge, in points; nothing past a line's clues.
std::optional<Box> BoxAt(float along, float out, int lines, const std::array<std::uint8_t, MaxSide>& counts,
                         int cellSize)
{
    const int line = Nearest(along) / cellSize;
    if (line < 0 || line >= lines)
        return std::nullopt;
    const int clue = counts[line] - 1 - Nearest(out) / cellSize;
    if (clue < 0 || clue >= counts[line])
        return std::nullopt;
    return Box{line, clue};
}

}  // namespace

BoardBox ClueBand(const ClueFrame& frame, ClueHit::Area area)
{
    // The far edges are single-precision sums, as the hit test compares them.
    if (area == ClueHit::Area::Row)
        return {0, frame.top, frame.left, frame.top + frame.height};
    return {frame.left, 0, frame.left + frame.width, frame.top};
}

BoardBox ClueBox(const ClueFrame& frame, ClueHit::Area area, int line, int away)
{
    const BoardBox band = ClueBand(frame, area);
    const float c = frame.cell;
    const auto cells = [c](int n) { return static_cast<float>(n) * c; };
    if (area == ClueHit::Area::Row)
        return {band.right - cells(away + 1), cells(line) + band.top, band.right - cells(away), cells(line + 1) + band.top};
    return {cells(line) + band.left, band.bottom - cells(away + 1), cells(line + 1) + band.left, band.bottom - cells(away)};
}

ClueHit HitClue(const PuzzleState& state, const ClueFrame& frame, float x, float y)
{
    const int c = state.CellSize;
    ClueHit hit;
    const BoardBox rows = ClueBand(frame, ClueHit::Area::Row);
    if (x < rows.right && y >= rows.top && y < rows.bottom) {
        if (const auto box = BoxAt(y - rows.top, rows.right - x, state.PuzzleHeight, state.RowClueCount, c))
            hit = {ClueHit::Area::Row, box->line, box->clue};
    }
    const BoardBox columns = ClueBand(frame, ClueHit::Area::Column);
    if (y < columns.bottom && x >= columns.left && x < columns.right) {
        if (const auto box = BoxAt(x - columns.left, columns.bottom - y, state.PuzzleWidth, state.ColClueCount, c))
            hit = {ClueHit::Area::Column, box->line, box->clue};
    }
    return hit;
}

}  // namespace grizzet
