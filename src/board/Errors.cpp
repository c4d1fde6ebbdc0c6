// Show errors: an orange dot with a grey rim on every wrongly painted cell.
#include "board/Board.h"

#include "model/Field.h"
#include "model/PickText.h"
#include "platform/Dialogs.h"
#include "platform/Surface.h"

namespace grizzet {

void ShowErrors(const PuzzleState& state, Surface& field)
{
    const int c = state.CellSize;
    int errors = 0;
    for (int x = 0; x < state.PuzzleWidth; ++x) {
        for (int y = 0; y < state.PuzzleHeight; ++y) {
            if (IsWrong(state, x, y)) {
                ++errors;
                DrawCellDot(field, x, y, c, ErrorDotColour);
            }
            DrawCellEdges(field, x, y, c, DotEdgeGrey);
        }
    }
    field.Refresh();
    if (errors == 0) {
        const std::uint8_t language = state.Language;
        MsgBox(field.window(), MsgIcon::Information,
               QString::fromStdString(PickText(language, "No errors", "Geen fouten", "Nessun errore")),
               QString::fromStdString(PickText(language, "No errors have been made yet.",
                                               "Er zijn nog geen fouten gemaakt.", "Nessun errore commesso finora.")));
    }
}

}  // namespace grizzet
