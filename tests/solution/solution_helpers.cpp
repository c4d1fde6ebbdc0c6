#include "solution/solution_helpers.h"

#include "board/Board.h"
#include "platform/Surface.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace grizzet {

namespace {

int ToPixels(double points) { return static_cast<int>(std::nearbyint(points * PixelsPerUnit(ScaleUnit::Point))); }

// The chooser is the palette the solution reads its colours from.
bool SwatchesPainted(const Surface& chooser)
{
    for (int colour = 0; colour < ColourCount; ++colour)
        if (SwatchColour(chooser, colour + 1) != DisplayColour[colour])
            return false;
    return true;
}

}  // namespace

SolutionRig::SolutionRig()
{
    MsgBoxHook = [this](const MsgBoxCall& call) { boxes.push_back(call); };
    form = std::make_unique<Form1>(state, folder.path().toStdString() + "/");
    // Start-up creates the hidden window and paints the palette.
    QVERIFY(form->form2 != nullptr);
    QVERIFY(!form->form2->isVisible());
    QVERIFY(SwatchesPainted(*form->KiezerL));
    form->show();
}

SolutionRig::~SolutionRig()
{
    form.reset();
    MsgBoxHook = nullptr;
}

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
    form->cmdOplossing->setEnabled(true);
}

Form2& SolutionRig::Window() { return *form->form2; }

void SolutionRig::Open()
{
    QTest::mouseClick(form->cmdOplossing, Qt::LeftButton);
}

void SolutionRig::Load(const QString& name, const QByteArray& content)
{
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    form->LoadPuzzle(file.fileName().toStdString());
}

void SolutionRig::PaintCell(int x, int y, Qt::MouseButton button)
{
    const QPoint middle = CellCentre(x, y, state.CellSize);
    QTest::mousePress(form->HetVeld, button, {}, middle);
    QTest::mouseRelease(form->HetVeld, button, {}, middle);
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

bool ShowsPicture(const Form2& window, const PuzzleState& state)
{
    for (int x = 0; x < state.PuzzleWidth; ++x) {
        for (int y = 0; y < state.PuzzleHeight; ++y) {
            const QPoint corner = CellInterior(x, y, state.CellSize).topLeft();
            if (PixelAt(window, corner.x(), corner.y()) != DisplayColour[state.Solution(x, y)])
                return false;
        }
    }
    return true;
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
