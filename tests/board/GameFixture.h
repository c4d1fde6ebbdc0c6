// A main window on an empty program folder with a puzzle laid out from rows
// of letters, and helpers that read the board and the field back in points.
// Shared by the board and the play tests.
#pragma once

#include "board/Board.h"
#include "model/Clues.h"
#include "play/Chooser.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace grizzet::test {

// Picture letters: k black, . white, r red, b blue, y yellow, g green,
// m magenta, c cyan.
inline std::uint8_t ColourOfLetter(char letter)
{
    switch (letter) {
    case 'k': return Black;
    case 'r': return Red;
    case 'b': return Blue;
    case 'y': return Yellow;
    case 'g': return Green;
    case 'm': return Magenta;
    case 'c': return Cyan;
    default: return White;
    }
}

constexpr QRgb Rgb(int r, int g, int b) { return static_cast<QRgb>((r << 16) | (g << 8) | b); }
constexpr QRgb GridGrey = Rgb(64, 64, 64);
constexpr QRgb TickGrey = Rgb(128, 128, 128);
constexpr QRgb WhiteRgb = Rgb(255, 255, 255);

class Game {
    QTemporaryDir folder_;  // first, so that it outlives the window

public:
    // The free area in points, as the maximised window would have noted it;
    // optionally a chooser picture put beside the program as "hamworst.dat".
    explicit Game(float freeWidth = 900, float freeHeight = 700, const QString& chooserPicture = {})
    {
        if (!chooserPicture.isEmpty())
            QVERIFY(QFile::copy(chooserPicture, folder_.filePath(QStringLiteral("hamworst.dat"))));
        MsgBoxHook = [this](const MsgBoxCall& call) { boxes.push_back(call); };
        state.MaxSizerLeft = freeWidth;
        state.MaxSizerBottomTop = freeHeight;
        form = std::make_unique<Form1>(state, Folder());
        if (state.AppFolder.empty()) {
            // A start-up that does not paint the chooser yet.
            state.AppFolder = Folder();
            PaintChooser(*form);
            form->KiezerSet();
        }
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    ~Game() { MsgBoxHook = nullptr; }

    std::string Folder() const { return folder_.path().toStdString() + "/"; }

    void Load(const std::vector<std::string>& rows)
    {
        state.Solution.Fill(White);
        state.PuzzleHeight = static_cast<std::int16_t>(rows.size());
        state.PuzzleWidth = static_cast<std::int16_t>(rows.front().size());
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (std::size_t x = 0; x < rows[y].size(); ++x)
                state.Solution(static_cast<int>(x), static_cast<int>(y)) = ColourOfLetter(rows[y][x]);
        DeriveClues(state);
        LayoutBoard(*form);
    }

    // A puzzle of the given size with a diagonal of black cells.
    void LoadDiagonal(int width, int height)
    {
        std::vector<std::string> rows(height, std::string(width, '.'));
        for (int i = 0; i < std::min(width, height); ++i)
            rows[i][i] = 'k';
        Load(rows);
    }

    // Lays the puzzle out again in free areas of growing size until the
    // cells come out at the given size.
    bool LayoutWithCellSize(int cellSize)
    {
        for (float side = 10; side < 2000; side += 0.5f) {
            state.MaxSizerLeft = side;
            state.MaxSizerBottomTop = side;
            LayoutBoard(*form);
            if (state.CellSize == cellSize)
                return true;
        }
        return false;
    }

    // Colours of the images, read by points of the surface's own unit.
    QRgb Board(float x, float y) const { return form->Picture1->Point(x, y) & 0xFFFFFF; }
    QRgb Field(float x, float y) const { return form->HetVeld->Point(x, y) & 0xFFFFFF; }
    // The middle of a cell on the field.
    QRgb CellMiddle(int x, int y) const
    {
        const float c = state.CellSize;
        return Field((x + 0.5f) * c, (y + 0.5f) * c);
    }
    QRgb EmptyColour() const { return SwatchColour(*form->KiezerL, 0) & 0xFFFFFF; }

    float FieldLeft() const { return form->HetVeld->Left(ScaleUnit::Point); }
    float FieldTop() const { return form->HetVeld->Top(ScaleUnit::Point); }

    PuzzleState state;
    std::unique_ptr<Form1> form;
    std::vector<MsgBoxCall> boxes;
};

// Device pixel of a point on a surface measuring in points.
inline QPoint PixelOf(float x, float y)
{
    const double ppp = PixelsPerUnit(ScaleUnit::Point);
    return {static_cast<int>(std::nearbyint(x * ppp)), static_cast<int>(std::nearbyint(y * ppp))};
}

// A drag step: a move with buttons held, which QTest::mouseMove cannot send.
inline void MoveWithButtons(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace grizzet::test
