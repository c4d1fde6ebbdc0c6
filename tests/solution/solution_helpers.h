// A main window on a temporary program folder with a hand-made puzzle, and
// pixel read-back for the solution window.
#pragma once

#include "model/PuzzleState.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"
#include "solution/Form2.h"

#include <QImage>
#include <QRect>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace grizzet {

constexpr QRgb Rim = 0x808080;
constexpr QRgb Orange = 0xFF8040;
constexpr QRgb LightGrey = 0xC0C0C0;
constexpr QRgb EdgeGrey = 0x202020;
constexpr QRgb Backdrop = 0x404040;

struct SolutionRig {
    SolutionRig();
    ~SolutionRig();

    // Puzzle of width x height cells, all white, nothing painted, laid out
    // at the given cell size with the field sized as the board does it.
    void SetPuzzle(int width, int height, int cellSize);
    Form2& Window();
    // Give Solution, clicked.
    void Open();
    // Writes the file into the program folder and loads it as the player would.
    void Load(const QString& name, const QByteArray& content);
    // A press and release of the button at the middle of a field cell.
    void PaintCell(int x, int y, Qt::MouseButton button);

    QTemporaryDir folder;
    PuzzleState state;
    std::unique_ptr<Form1> form;
    std::vector<MsgBoxCall> boxes;
};

// The solution picture's pixel as 0xRRGGBB.
QRgb PixelAt(const Form2& window, int x, int y);
// The device pixels of cell (x, y) inside its edges.
QRect CellInterior(int x, int y, int cellSize);
QPoint CellCentre(int x, int y, int cellSize);
// Every cell of the picture shows its colour beside any dot.
bool ShowsPicture(const Form2& window, const PuzzleState& state);
// The most pixels in one row of the area whose colour is among the given ones.
int WidestRow(const QImage& image, const QRect& area, std::initializer_list<QRgb> colours);
// How many pixels of the area have the colour.
int CountOf(const QImage& image, const QRect& area, QRgb colour);

}  // namespace grizzet
