// The main window on an empty program folder of its own, message boxes
// recorded instead of shown, and the puzzle read back in points and pixels.
// Shared by the board, play and solution tests.
#pragma once

#include "board/Board.h"
#include "model/Clues.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"
#include "solution/Form2.h"
#include "support/Art.h"
#include "support/Pixels.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace grizzet::test {

class Game {
    QTemporaryDir folder_;  // first, so that it outlives the window

public:
    // The free area in points, as the maximised window would have noted it;
    // optionally a picture put beside the program as "hamworst.dat".
    explicit Game(float freeWidth = 900, float freeHeight = 700, const QString& chooserPicture = {})
    {
        if (!chooserPicture.isEmpty())
            QVERIFY(QFile::copy(chooserPicture, folder_.filePath("hamworst.dat")));
        MsgBoxHook = [this](const MsgBoxCall& call) { boxes.push_back(call); };
        state.MaxSizerLeft = freeWidth;
        state.MaxSizerBottomTop = freeHeight;
        form = std::make_unique<Form1>(state, folder_.path().toStdString() + "/");
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    ~Game()
    {
        form.reset();
        MsgBoxHook = nullptr;
    }

    // The picture straight into the state, its clues, then the board.
    void Load(const QStringList& rows)
    {
        SetPicture(state, rows);
        DeriveClues(state);
        LayoutBoard(*form);
    }
    // A puzzle of the given size with a diagonal of black cells.
    void LoadDiagonal(int width, int height)
    {
        QStringList rows(height, QString(width, '.'));
        for (int i = 0; i < std::min(width, height); ++i)
            rows[i][i] = 'k';
        Load(rows);
    }
    // Writes the file beside the program and opens it as the player does.
    void LoadFile(const QString& name, const QByteArray& bytes)
    {
        WriteFile(folder_.filePath(name), bytes);
        form->LoadPuzzle(QFile::encodeName(folder_.filePath(name)).toStdString());
    }
    // Lays the puzzle out again in the smallest square free area that gives
    // cells of at least this size; false when that size is skipped.
    bool LayoutWithCellSize(int cellSize)
    {
        const auto layout = [this](float side) {
            state.MaxSizerLeft = state.MaxSizerBottomTop = side;
            LayoutBoard(*form);
            return int(state.CellSize);
        };
        float low = 10, high = 3000;
        while (high - low > 0.25f) {
            const float middle = (low + high) / 2;
            (layout(middle) >= cellSize ? high : low) = middle;
        }
        return layout(high) == cellSize;
    }

    // A cell's middle on the field in device pixels, and its colour there.
    QPoint CellPixel(int x, int y) const { return PixelOf((x + 0.5) * state.CellSize, (y + 0.5) * state.CellSize); }
    QRgb CellMiddle(int x, int y) const { return form->HetVeld->GetPixel(CellPixel(x, y).x(), CellPixel(x, y).y()); }
    QRgb EmptyColour() const { return SwatchColour(*form->KiezerL, 0) & 0xFFFFFF; }
    void ClickCell(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(form->HetVeld, button, {}, CellPixel(x, y));
    }
    // The field's corner on the board, in points.
    float FieldLeft() const { return form->HetVeld->Left(ScaleUnit::Point); }
    float FieldTop() const { return form->HetVeld->Top(ScaleUnit::Point); }

    Form2& Solution() const { return *form->form2; }
    void OpenSolution() { QTest::mouseClick(form->cmdOplossing, Qt::LeftButton); }

    PuzzleState state;
    std::unique_ptr<Form1> form;
    std::vector<MsgBoxCall> boxes;
};

// Mouse events with any set of buttons held, which QTest cannot send.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
inline void PressWithButtons(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    SendMouse(widget, QEvent::MouseButtonPress, pos, buttons);
}
inline void MoveWithButtons(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    SendMouse(widget, QEvent::MouseMove, pos, buttons);
}

}  // namespace grizzet::test
