// Cell painting, the position read-out and the solved test.
#pragma once

#include <QString>

#include <cstdint>

namespace grizzet {

class Form1;
struct PuzzleState;

// Stores the value in PlayerGrid and redraws that one cell.
void SetCell(Form1& form, int column, int row, std::uint8_t value);

// The cell index under a pointer position: nearest(position / cellSize - 0.5)
// in double precision, ties to even, so a cell's right or bottom edge belongs
// to whichever neighbour is even. Not clamped.
int CellUnderPointer(float position, int cellSize);

// The read-out of a cell, counted from 1, each number with its blank for the sign.
QString PositionText(int column, int row);

// Every cell of the picture holds its colour's swatch, background included.
bool FieldMatchesPicture(const PuzzleState& state);

}  // namespace grizzet
