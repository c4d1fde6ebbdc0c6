// Where the clue boxes lie on the board, and which one a point falls on. The
// layout, the hit test, the ticks and the reset all take their geometry from
// here, in whatever unit they work in (points or device pixels).
#pragma once

#include "model/PuzzleState.h"

namespace grizzet {

// The field's place on the board and one cell's edge, in one unit.
struct ClueFrame {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float cell = 0;
};

// A box on the board: its edges, in the frame's unit.
struct BoardBox {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

struct ClueHit {
    enum class Area { None, Row, Column };
    Area area = Area::None;
    int line = 0;   // the row or the column
    int clue = 0;   // its clue number, 0 the farthest from the field
};

// A clue band as the field bounds it: the rows' band left of the field and
// down its height, the columns' band above it and across its width.
BoardBox ClueBand(const ClueFrame& frame, ClueHit::Area area);

// The box of a row's or a column's clue `away` boxes out from the field's
// edge, 0 touching it: a cell-sized square in the band.
BoardBox ClueBox(const ClueFrame& frame, ClueHit::Area area, int line, int away);

// The clue box under a point of the board, if any, with the frame in points:
// counted in whole cells along the field's edge and away from it.
ClueHit HitClue(const PuzzleState& state, const ClueFrame& frame, float x, float y);

}  // namespace grizzet
