// The board: clues and grid laid out for the free area, the field's cells,
// the dots on cells, and Show errors.
#pragma once

#include "model/ClueHit.h"
#include "model/PuzzleState.h"
#include "platform/Surface.h"

#include <QRgb>

namespace grizzet {

// The grid lines of the board and the field's cell edges.
constexpr QRgb GridGrey = qRgb(64, 64, 64);
// The dot on a wrongly painted cell, and the darker edges drawn with dots.
constexpr QRgb ErrorDotColour = qRgb(255, 128, 64);
constexpr QRgb DotEdgeGrey = qRgb(32, 32, 32);

// What the board works on: the board picture, the field over its cell area,
// and the chooser, whose pixels are the palette.
struct BoardSurfaces {
    Surface& board;
    Surface& field;
    const Surface& chooser;
};

// Fits the board to the free area (in points), draws clues and grid, places
// the field and notes the cell size. The field is drawn by EmptyField.
void LayoutBoard(PuzzleState& state, const BoardSurfaces& surfaces, float freeWidth, float freeHeight);
// Empties PlayerGrid, draws every cell empty, removes clue ticks.
void EmptyField(PuzzleState& state, const BoardSurfaces& surfaces);
// Show errors: marks every wrongly painted cell, or says there are none.
void ShowErrors(const PuzzleState& state, Surface& field);

// The edges of one cell: its outline, then a heavy edge on its left in every
// fifth column and on its top in every fifth row.
void DrawCellEdges(Surface& field, int column, int row, int cellSize, QRgb edge);
// The four drawing steps of one cell: the fill, then its edges.
void DrawCell(Surface& field, int column, int row, int cellSize, QRgb fill, QRgb edge);
// A dot of DotWidth in the middle of a cell, with a grey rim.
void DrawCellDot(Surface& field, int column, int row, int cellSize, QRgb colour);
// The colour of swatch k, read from the chooser's pixels.
QRgb SwatchColour(const Surface& chooser, int swatch);
// The field's place on the board in a unit of the board, with a cell's edge
// in that unit: what the clue boxes are measured from.
ClueFrame ClueFrameOf(const Surface& field, ScaleUnit unit, float cell);

}  // namespace grizzet
