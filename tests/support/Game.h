// The main window on an empty program folder of its own, message boxes
// recorded instead of shown, and the puzzle read back in points and pixels.
// Shared by the board, play and solution tests.
#pragma once

#include "platform/Dialogs.h"
#include "shell/Form1.h"
#include "solution/Form2.h"
#include "support/Art.h"
#include "support/Pixels.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace grizzet::test {

class Game {
    QTemporaryDir folder_;  // first, so that it outlives the window

public:
    // The free area in points, as the maximised window would have noted it;
    // optionally a picture put beside the program as "hamworst.dat".
    explicit Game(float freeWidth = 900, float freeHeight = 700, const QString& chooserPicture = {});
    ~Game();

    QString FilePath(const QString& name) const { return folder_.filePath(name); }

    // The picture straight into the state, its clues, then the board.
    void Load(const QStringList& rows);
    // A puzzle of the given size with a diagonal of black cells.
    void LoadDiagonal(int width, int height);
    // Writes the file beside the program and opens it as the player does.
    void LoadFile(const QString& name, const QByteArray& bytes);
    // Lays the puzzle out again in a free area that gives cells of this size.
    bool LayoutWithCellSize(int cellSize);

    // The field: a cell's middle in device pixels and its colour there.
    QPoint CellPixel(int x, int y) const;
    QRgb CellMiddle(int x, int y) const;
    QRgb EmptyColour() const;
    // A press and release in the middle of a cell.
    void ClickCell(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    // The field's corner on the board, in points.
    float FieldLeft() const;
    float FieldTop() const;

    Form2& Solution() const { return *form->form2; }
    void OpenSolution();

    PuzzleState state;
    std::unique_ptr<Form1> form;
    std::vector<MsgBoxCall> boxes;
};

// Mouse events with any set of buttons held, which QTest cannot send.
void PressWithButtons(QWidget* widget, QPoint pos, Qt::MouseButtons buttons);
void MoveWithButtons(QWidget* widget, QPoint pos, Qt::MouseButtons buttons);

}  // namespace grizzet::test
