// Show errors: an orange dot with a grey rim on every wrongly painted cell.
#include "board/Board.h"
#include "board/Rounding.h"
#include "model/PickText.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"

namespace grizzet {

namespace {

// Something was put in the cell, and it is not the picture's colour.
bool IsWrong(const PuzzleState& state, int x, int y)
{
    const int put = state.PlayerGrid(x, y);
    return put > 0 && put != state.Solution(x, y) + 1;
}

// The dot's diameter in pixels is numerically half the cell's edge in points.
int MarkWidth(int cellSize)
{
    const int m = Nearest(cellSize / 2.0);
    return m < 5 ? 5 : m;
}

void DrawMark(Surface& field, int x, int y, int cellSize, int m)
{
    const float cx = static_cast<float>((x + 0.5) * cellSize);
    const float cy = static_cast<float>((y + 0.5) * cellSize);
    field.SetDrawWidth(m);
    field.DrawDot(cx, cy, qRgb(128, 128, 128));
    field.SetDrawWidth(m - 2);
    field.DrawDot(cx, cy, qRgb(255, 128, 64));
    field.SetDrawWidth(1);
}

}  // namespace

void Form1::cmdErrors_Click()
{
    const int c = state.CellSize;
    const int m = MarkWidth(c);
    int errors = 0;
    for (int x = 0; x < state.PuzzleWidth; ++x) {
        for (int y = 0; y < state.PuzzleHeight; ++y) {
            if (IsWrong(state, x, y)) {
                ++errors;
                DrawMark(*HetVeld, x, y, c, m);
            }
            DrawCellEdges(*HetVeld, x, y, c, qRgb(32, 32, 32));
        }
    }
    HetVeld->Refresh();
    if (errors == 0) {
        const std::uint8_t language = state.Language;
        MsgBox(this, MsgIcon::Information,
               QString::fromStdString(PickText(language, "No errors", "Geen fouten", "Nessun errore")),
               QString::fromStdString(PickText(language, "No errors have been made yet.",
                                               "Er zijn nog geen fouten gemaakt.", "Nessun errore commesso finora.")));
    }
}

}  // namespace grizzet
