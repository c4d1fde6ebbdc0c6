// The field back to a freshly opened puzzle: every cell empty, clue ticks
// removed, default button colours, not solved.
#include "board/Board.h"
#include "board/Rounding.h"
#include "shell/Form1.h"

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

void ResetField(Form1& form)
{
    PuzzleState& state = form.state;
    form.KiezerSet();
    Surface& field = *form.HetVeld;
    field.Cls();
    for (int x = 0; x < state.PuzzleWidth; ++x) {
        for (int y = 0; y < state.PuzzleHeight; ++y) {
            state.PlayerGrid(x, y) = 0;
            DrawCell(field, x, y, state.CellSize, SwatchColour(*form.KiezerL, state.PlayerGrid(x, y)),
                     qRgb(64, 64, 64));
        }
    }
    RemoveClueTicks(*form.Picture1, field);
    form.Picture1->Refresh();
    state.PuzzleSolved = 0;
}

void Form1::cmdClear_Click() { ResetField(*this); }

}  // namespace grizzet
