// Which clue box a point of the board falls on, for ticking clues off.
#pragma once

#include "model/PuzzleState.h"

namespace grizzet {

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
