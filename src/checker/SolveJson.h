// The "solve" object of grizzet-check --solve: what the solver makes of a
// loaded picture's clues.
#pragma once

#include "model/PuzzleState.h"

#include <string>

namespace grizzet {

// {"result":..., "ms":...} and, for "multiple", "other": a second solution
// that differs from the picture, as rows of colour digits like "solution".
std::string DescribeSolve(const PuzzleState& state);

}  // namespace grizzet
