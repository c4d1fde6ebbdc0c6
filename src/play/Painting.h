// Painting cells with the left and the right button, the read-out that
// follows the pointer, the solved test and Reset.
#pragma once

#include "board/Board.h"
#include "play/Chooser.h"

#include <cstdint>

class QLabel;

namespace grizzet {

// A press or a move over the field: the read-out shows the cell under the
// pointer, and a held button paints it and may solve the puzzle.
void PaintField(PuzzleState& state, const BoardSurfaces& surfaces, QLabel& readOut, const MouseArgs& args);

// Stores the value in PlayerGrid and redraws that one cell.
void SetCell(PuzzleState& state, const BoardSurfaces& surfaces, int column, int row, std::uint8_t value);

// The read-out sizes itself to its text and keeps its right edge, half its
// height free above the side panel's bottom edge.
void PlaceReadOut(QLabel& readOut);

// Reset: the default colours, then an empty field without ticks.
void ResetField(PuzzleState& state, const BoardSurfaces& surfaces, const ChooserParts& chooser);

}  // namespace grizzet
