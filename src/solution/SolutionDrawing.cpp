// The solution picture: every cell in its colour, with a dot on each wrongly
// painted cell and on each unpainted one as the check boxes ask.
#include "board/Board.h"
#include "shell/Form1.h"
#include "solution/Form2.h"

#include <QCheckBox>

#include <algorithm>
#include <cmath>

namespace grizzet {

namespace {

constexpr QRgb DotRim = qRgb(128, 128, 128);
constexpr QRgb ErrorDot = qRgb(255, 128, 64);
constexpr QRgb MissingDot = qRgb(192, 192, 192);
constexpr QRgb Edge = qRgb(32, 32, 32);

}  // namespace

void Form2::TekenOplossingHokjes()
{
    const int c = state_.CellSize;
    // Dot diameters are in pixels: numerically half the cell's edge in points.
    const int dot = std::max(5, static_cast<int>(std::nearbyint(c / 2.0)));
    const bool showErrors = chkFouten->isChecked();
    const bool showMissing = chkOntbreken->isChecked();

    Surface& picture = *Picture1;
    picture.Cls();
    for (int x = 0; x < state_.PuzzleWidth; ++x) {
        for (int y = 0; y < state_.PuzzleHeight; ++y) {
            const int colour = state_.Solution(x, y);
            const int painted = state_.PlayerGrid(x, y);
            const float x0 = static_cast<float>(x * c);
            const float y0 = static_cast<float>(y * c);
            picture.FillBox(x0, y0, x0 + c, y0 + c, SwatchColour(*owner_.KiezerL, colour + 1));

            if (painted != colour + 1) {
                const bool wrong = painted != 0;
                if ((wrong && showErrors) || (!wrong && showMissing)) {
                    const float cx = static_cast<float>((x + 0.5) * c);
                    const float cy = static_cast<float>((y + 0.5) * c);
                    picture.SetDrawWidth(dot);
                    picture.DrawDot(cx, cy, DotRim);
                    picture.SetDrawWidth(dot - 2);
                    picture.DrawDot(cx, cy, wrong ? ErrorDot : MissingDot);
                    picture.SetDrawWidth(1);
                }
            }

            DrawCellEdges(picture, x, y, c, Edge);
        }
    }
    picture.Refresh();
}

}  // namespace grizzet
