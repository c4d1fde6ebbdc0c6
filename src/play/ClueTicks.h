// Ticking clues off: a press on a clue's box turns its white grey, a second
// press white again. Ticks are only pixels of the board.
#pragma once

namespace grizzet {

struct PuzzleState;

// The field's place on the board, in the board's points.
struct FieldBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct ClueHit {
    enum class Area { None, Row, Column };
    Area area = Area::None;
    int line = 0;   // the row or the column
    int clue = 0;   // its clue number, 0 the farthest from the field
};

// The clue box under a point of the board, if any: rows left of the field,
// columns above it, counted in boxes away from the field's edge.
ClueHit HitClue(const PuzzleState& state, const FieldBox& field, float x, float y);

}  // namespace grizzet
