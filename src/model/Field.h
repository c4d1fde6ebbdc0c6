// The player's field against the picture: the cell under the pointer, the
// position read-out, wrong cells, the size of their dots and the solved test.
#pragma once

#include "model/PuzzleState.h"

#include <string>

namespace grizzet {

// The cell index under a pointer position: nearest(position / cellSize - 0.5)
// in double precision, ties to even, so a cell's right or bottom edge belongs
// to whichever neighbour is even. Not clamped.
int CellUnderPointer(float position, int cellSize);

// The read-out of a cell, counted from 1, each number with its blank for the sign.
std::string PositionText(int column, int row);

// Something was put in the cell, and it is not the picture's colour.
bool IsWrong(const PuzzleState& state, int column, int row);

// The diameter in pixels of an error or missing dot: numerically half the
// cell's edge in points, and never below 5.
int DotWidth(int cellSize);

// Every cell of the picture holds its colour's swatch, background included.
bool FieldMatchesPicture(const PuzzleState& state);

}  // namespace grizzet
