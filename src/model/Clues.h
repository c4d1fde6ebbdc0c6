// Clue derivation: the runs of every column and row of the picture.
#pragma once

#include "model/PuzzleState.h"

namespace grizzet {

// Fills the clue tables, counts and maxima from Solution. Throws
// RunTimeFailure for a picture of width or height 0.
void DeriveClues(PuzzleState& state);

}  // namespace grizzet
