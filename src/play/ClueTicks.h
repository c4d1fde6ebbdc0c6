// Ticking clues off: a press on a clue's box turns its white grey, a second
// press white again. Ticks are only pixels of the board.
#pragma once

#include "board/Board.h"
#include "platform/Surface.h"

namespace grizzet {

// A press on the board ticks or unticks the clue under the pointer.
void TickClueAt(const PuzzleState& state, const BoardSurfaces& surfaces, const MouseArgs& args);
// Over a clue the board shows its hand pointer, elsewhere the arrow.
void PointAtClue(const PuzzleState& state, const BoardSurfaces& surfaces, const MouseArgs& args);

void ToggleRowClue(const PuzzleState& state, const BoardSurfaces& surfaces, int row, int clue);
void ToggleColumnClue(const PuzzleState& state, const BoardSurfaces& surfaces, int column, int clue);

}  // namespace grizzet
