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

ClueHit HitClue(const PuzzleState& state, const FieldBox& field, float x, float y)
{
    const int c = state.CellSize;
    ClueHit hit;
    if (x < field.left && y >= field.top && y < field.top + field.height) {
        if (const auto box = BoxAt(y - field.top, field.left - x, state.PuzzleHeight, state.RowClueCount, c))
            hit = {ClueHit::Area::Row, box->line, box->clue};
    }
    if (y < field.top && x >= field.left && x < field.left + field.width) {
        if (const auto box = BoxAt(x - field.left, field.top - y, state.PuzzleWidth, state.ColClueCount, c))
            hit = {ClueHit::Area::Column, box->line, box->clue};
    }
    return hit;
}

}  // namespace grizzet
