// The one game fixture: the main window on a temporary program folder of its
// own, message boxes recorded instead of shown, the puzzle read back in points
// and pixels, and what the screen really shows.
#pragma once

#include "board/Board.h"
#include "model/Clues.h"
#include "platform/Dialogs.h"
#include "shell/Form1.h"
#include "solution/Form2.h"
#include "support/Art.h"
#include "support/Controls.h"
#include "support/Pixels.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace grizzet::test {

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// "recent.ini" as the game writes it: a length byte and the bytes of each path.
inline QByteArray RecentIniOf(const std::vector<QByteArray>& paths)
{
    QByteArray bytes;
    for (const QByteArray& path : paths)
        bytes += static_cast<char>(path.size()) + path;
    return bytes;
}

// What the screen shows at a device pixel of a widget: the window's backing
// store once pending paints are done, read directly, since Qt's offscreen
// screen grabs only the window's logical size from its device pixels.
inline QRgb ScreenDevicePixel(QWidget* widget, QPoint pixel)
{
    QApplication::processEvents();
    QWidget* window = widget->window();
    const auto* store = dynamic_cast<const QImage*>(window->backingStore()->paintDevice());
    const QPoint at = widget->mapTo(window, QPoint(0, 0)) * Ratio() + pixel;
    return store && store->valid(at) ? store->pixel(at) & 0xFFFFFF : 0xFFFFFFFFu;
}
// The same at a logical pixel: its top-left device pixel.
inline QRgb ScreenPixel(QWidget* widget, QPoint pixel) { return ScreenDevicePixel(widget, pixel * Ratio()); }

// Any small picture, for the stories that need one.
inline const QByteArray Heart = PictureFile({"k.k", ".k."});

class Game {
    QTemporaryDir folder_;  // first, so that it outlives the window

public:
    Game() { MsgBoxHook = [this](const MsgBoxCall& call) { boxes.push_back(call); }; }
    ~Game()
    {
        ui.reset();
        form.reset();
        MsgBoxHook = nullptr;
        OpenDialogHook = nullptr;
    }

    // The program folder, ending in "/", and a file in it.
    QString Folder() const { return folder_.path() + QLatin1Char('/'); }
    QString FileIn(const QString& name) const { return Folder() + name; }
    // Writes a file into the program folder and gives its path as the game takes it.
    std::string Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(FileIn(name));
        [&] { QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), qPrintable(name)); }();
        return QFile::encodeName(FileIn(name)).toStdString();
    }

    struct Started {
        Form1& form;
        const Controls& ui;
    };
    // Builds the main window on the folder (start-up runs) and shows it; the
    // free area in points is as the maximised window would have noted it.
    Started Start(float freeWidth = 900, float freeHeight = 700, const std::string& folder = {})
    {
        state.MaxSizerLeft = freeWidth;
        state.MaxSizerBottomTop = freeHeight;
        form = std::make_unique<Form1>(state, folder.empty() ? QFile::encodeName(Folder()).toStdString() : folder);
        ui = std::make_unique<Controls>(*form);
        form->show();
        [this] { QVERIFY(QTest::qWaitForWindowExposed(form.get())); }();
        return {*form, *ui};
    }

    // The picture straight into the state, its clues, then the board.
    void Load(const QStringList& rows)
    {
        SetPicture(state, rows);
        DeriveClues(state);
        form->LayoutBoard();
    }
    // Writes the file beside the program and opens it as the player does.
    void LoadFile(const QString& name, const QByteArray& bytes) { form->LoadPuzzle(Write(name, bytes)); }
    // Lays the puzzle out again in the smallest square free area that gives
    // cells of at least this size; false when that size is skipped.
    bool LayoutWithCellSize(int cellSize)
    {
        const auto layout = [this](float side) {
            state.MaxSizerLeft = state.MaxSizerBottomTop = side;
            form->LayoutBoard();
            return int(state.CellSize);
        };
        float low = 10, high = 3000;
        while (high - low > 0.25f) {
            const float middle = (low + high) / 2;
            (layout(middle) >= cellSize ? high : low) = middle;
        }
        return layout(high) == cellSize;
    }

    // A cell's middle on the field in logical pixels, and its colour there.
    QPoint CellPixel(int x, int y) const { return PixelOf((x + 0.5) * state.CellSize, (y + 0.5) * state.CellSize); }
    QRgb CellMiddle(int x, int y) const
    {
        const QPoint middle = DevicePixelOf((x + 0.5) * state.CellSize, (y + 0.5) * state.CellSize);
        return ui->HetVeld->GetPixel(middle.x(), middle.y());
    }
    void ClickCell(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(ui->HetVeld, button, {}, CellPixel(x, y));
    }
    // The field's corner on the board, in points.
    float FieldLeft() const { return ui->HetVeld->Left(ScaleUnit::Point); }
    float FieldTop() const { return ui->HetVeld->Top(ScaleUnit::Point); }

    Form2& Solution() const { return *ui->Solution(); }
    void OpenSolution() { QTest::mouseClick(ui->cmdOplossing, Qt::LeftButton); }

    // The captions of the recent items that are shown, top to bottom.
    QStringList RecentCaptions() const
    {
        QStringList captions;
        for (QAction* item : ui->MMrecent)
            if (item->isVisible())
                captions << item->text();
        return captions;
    }

    // True when the board is shown with its commands on, and a press on cell
    // (0, 0) paints it black in the player's grid and on the screen.
    bool Playable()
    {
        if (!ui->Picture1->isVisible() || !ui->cmdClear->isEnabled() || state.CellSize <= 0)
            return false;
        state.PlayerGrid(0, 0) = 0;
        ClickCell(0, 0);
        return state.PlayerGrid(0, 0) == 1 && ScreenPixel(ui->HetVeld, CellPixel(0, 0)) == 0;
    }

    PuzzleState state;
    std::unique_ptr<Form1> form;
    std::unique_ptr<Controls> ui;  // the window's controls, once it is started
    std::vector<MsgBoxCall> boxes;
};

// Mouse events with any set of buttons held, which QTest cannot send.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace grizzet::test
