// The field back to a freshly opened puzzle: every cell empty, clue ticks
// removed, not solved.
#include "board/Board.h"

#include "model/Rounding.h"
#include "platform/Surface.h"

namespace grizzet {

namespace {

constexpr QRgb TickGrey = 0x808080;  // RGB(128,128,128), without alpha

void WhitenTicks(Surface& board, int xFirst, int xLast, int yFirst, int yLast)
{
    board.ReplaceColour(QRect(QPoint(xFirst, yFirst), QPoint(xLast, yLast)), TickGrey, qRgb(255, 255, 255));
}

// A tick is no more than grey pixels in the two clue bands left of and above
// the field, bounded by the field's own pixel geometry.
void RemoveClueTicks(Surface& board, const Surface& field)
{
    const ClueFrame frame = ClueFrameOf(field, ScaleUnit::Pixel, 0);
    for (const ClueHit::Area area : {ClueHit::Area::Row, ClueHit::Area::Column}) {
        const BoardBox band = ClueBand(frame, area);
        WhitenTicks(board, Nearest(band.left), Nearest(band.right - 1), Nearest(band.top), Nearest(band.bottom - 1));
    }
}

}  // namespace

void EmptyField(PuzzleState& state, const BoardSurfaces& surfaces)
{
    Surface& field = surfaces.field;
    field.Cls();
    for (int x = 0; x < state.PuzzleWidth; ++x) {
        for (int y = 0; y < state.PuzzleHeight; ++y) {
            state.PlayerGrid(x, y) = 0;
            DrawCell(field, x, y, state.CellSize, SwatchColour(surfaces.chooser, state.PlayerGrid(x, y)), GridGrey);
        }
    }
    RemoveClueTicks(surfaces.board, field);
    surfaces.board.Refresh();
    state.PuzzleSolved = 0;
}

}  // namespace grizzet
