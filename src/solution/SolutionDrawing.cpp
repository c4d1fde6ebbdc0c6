// The solution picture: every cell in its colour, with a dot on each wrongly
// painted cell and on each unpainted one as the check boxes ask.
#include "solution/Form2.h"

#include "board/Board.h"
#include "model/Field.h"

#include <QCheckBox>

namespace grizzet {

namespace {

constexpr QRgb MissingDot = qRgb(192, 192, 192);

}  // namespace

void Form2::TekenOplossingHokjes()
{
    const int c = state_.CellSize;
    const bool showErrors = chkFouten->isChecked();
    const bool showMissing = chkOntbreken->isChecked();

    Surface& picture = *Picture1;
    picture.Cls();
    for (int x = 0; x < state_.PuzzleWidth; ++x) {
        for (int y = 0; y < state_.PuzzleHeight; ++y) {
            const float x0 = static_cast<float>(x * c);
            const float y0 = static_cast<float>(y * c);
            picture.FillBox(x0, y0, x0 + c, y0 + c, SwatchColour(chooser_, state_.Solution(x, y) + 1));

            // An unpainted cell is never right, and never wrong either.
            if (IsWrong(state_, x, y)) {
                if (showErrors)
                    DrawCellDot(picture, x, y, c, ErrorDotColour);
            } else if (state_.PlayerGrid(x, y) == 0 && showMissing) {
                DrawCellDot(picture, x, y, c, MissingDot);
            }

            DrawCellEdges(picture, x, y, c, DotEdgeGrey);
        }
    }
    picture.Refresh();
}

}  // namespace grizzet
