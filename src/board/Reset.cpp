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
    const float l = field.Left(ScaleUnit::Pixel);
    const float t = field.Top(ScaleUnit::Pixel);
    const float wf = field.Width(ScaleUnit::Pixel);
    const float hf = field.Height(ScaleUnit::Pixel);
    WhitenTicks(board, 0, Nearest(l - 1), Nearest(t), Nearest(t + hf - 1));
    WhitenTicks(board, Nearest(l), Nearest(l + wf - 1), 0, Nearest(t - 1));
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
