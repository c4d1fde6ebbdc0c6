#include "solution/solution_helpers.h"

#include "board/Board.h"
#include "platform/Surface.h"

#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace grizzet {

namespace {

int ToPixels(double points) { return static_cast<int>(std::nearbyint(points * PixelsPerUnit(ScaleUnit::Point))); }

// The chooser is the palette the solution reads its colours from; until its
// painting is in place, put the display colours into its swatches.
void EnsureSwatches(Surface& chooser)
{
    const int side = chooser.width();
    for (int colour = 0; colour < ColourCount; ++colour) {
        const int swatch = colour + 1;
        if (SwatchColour(chooser, swatch) != DisplayColour[colour])
            chooser.FillBox(0, static_cast<float>(swatch * side), static_cast<float>(side - 1),
                            static_cast<float>(swatch * side + side - 1), 0xFF000000u | DisplayColour[colour]);
    }
}

}  // namespace

SolutionRig::SolutionRig()
{
    form = std::make_unique<Form1>(state, folder.path().toStdString() + "/");
    if (!form->form2)
        form->form2 = new Form2(*form, state);
    EnsureSwatches(*form->KiezerL);
    form->show();
}

SolutionRig::~SolutionRig() = default;

void SolutionRig::SetPuzzle(int width, int height, int cellSize)
{
    state.PuzzleWidth = static_cast<std::int16_t>(width);
    state.PuzzleHeight = static_cast<std::int16_t>(height);
    state.Solution.Fill(White);
    state.PlayerGrid.Fill(0);
    state.CellSize = static_cast<std::int16_t>(cellSize);
    state.PuzzleName = "test";
    form->HetVeld->Resize(static_cast<float>(width * cellSize + 1), static_cast<float>(height * cellSize + 1),
                          ScaleUnit::Point);
}

Form2& SolutionRig::Window() { return *form->form2; }

void SolutionRig::Open()
{
    form->cmdOplossing->setEnabled(true);
    QTest::mouseClick(form->cmdOplossing, Qt::LeftButton);
}

QRgb PixelAt(const Form2& window, int x, int y) { return window.Picture1->Image().pixel(x, y) & 0xFFFFFFu; }

QRect CellInterior(int x, int y, int cellSize)
{
    // A heavy edge is one point wide on top of the outline: up to three pixels.
    const int left = ToPixels(x * cellSize), top = ToPixels(y * cellSize);
    const int right = ToPixels((x + 1) * cellSize), bottom = ToPixels((y + 1) * cellSize);
    return QRect(QPoint(left + 3, top + 3), QPoint(right - 1, bottom - 1));
}

QPoint CellCentre(int x, int y, int cellSize)
{
    return QPoint(static_cast<int>((x + 0.5) * cellSize * PixelsPerUnit(ScaleUnit::Point)),
                  static_cast<int>((y + 0.5) * cellSize * PixelsPerUnit(ScaleUnit::Point)));
}

int WidestRow(const QImage& image, const QRect& area, std::initializer_list<QRgb> colours)
{
    int widest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int count = 0;
        for (int x = area.left(); x <= area.right(); ++x)
            if (std::find(colours.begin(), colours.end(), image.pixel(x, y) & 0xFFFFFFu) != colours.end())
                ++count;
        widest = std::max(widest, count);
    }
    return widest;
}

int CountOf(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) == colour)
                ++count;
    return count;
}

}  // namespace grizzet
