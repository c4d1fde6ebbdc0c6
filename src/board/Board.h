// Board display: layout with the clues, the field's cells, error marks.
#pragma once

#include <QRgb>

#include <cstdint>

namespace grizzet {

class Form1;
class Surface;

// Fits the board to the free area, draws clues and grid, places the field,
// resets it, then shows the board and enables Reset and Solution.
void LayoutBoard(Form1& form);
// Empties PlayerGrid, draws every cell empty, removes clue ticks.
void ResetField(Form1& form);
// The edges of one cell: its outline, then a heavy edge on its left in every
// fifth column and on its top in every fifth row.
void DrawCellEdges(Surface& field, int column, int row, int cellSize, QRgb edge);
// The four drawing steps of one cell: the fill, then its edges.
void DrawCell(Surface& field, int column, int row, int cellSize, QRgb fill, QRgb edge);
// The colour of swatch k, read from the chooser's pixels.
QRgb SwatchColour(const Surface& chooser, int swatch);

}  // namespace grizzet
