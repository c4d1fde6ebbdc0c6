#include "support/Game.h"

#include "board/Board.h"
#include "model/Clues.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace grizzet::test {

Game::Game(float freeWidth, float freeHeight, const QString& chooserPicture)
{
    if (!chooserPicture.isEmpty())
        QVERIFY(QFile::copy(chooserPicture, FilePath(QStringLiteral("hamworst.dat"))));
    MsgBoxHook = [this](const MsgBoxCall& call) { boxes.push_back(call); };
    state.MaxSizerLeft = freeWidth;
    state.MaxSizerBottomTop = freeHeight;
    form = std::make_unique<Form1>(state, folder_.path().toStdString() + "/");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

Game::~Game()
{
    form.reset();
    MsgBoxHook = nullptr;
}

void Game::Load(const QStringList& rows)
{
    SetPicture(state, rows);
    DeriveClues(state);
    LayoutBoard(*form);
}

void Game::LoadDiagonal(int width, int height)
{
    QStringList rows(height, QString(width, QLatin1Char('.')));
    for (int i = 0; i < std::min(width, height); ++i)
        rows[i][i] = QLatin1Char('k');
    Load(rows);
}

void Game::LoadFile(const QString& name, const QByteArray& bytes)
{
    WriteFile(FilePath(name), bytes);
    form->LoadPuzzle(QFile::encodeName(FilePath(name)).toStdString());
}

bool Game::LayoutWithCellSize(int cellSize)
{
    // The cell size grows with the free area: find the smallest square area
    // that gives at least this size.
    const auto layout = [this](float side) {
        state.MaxSizerLeft = side;
        state.MaxSizerBottomTop = side;
        LayoutBoard(*form);
        return static_cast<int>(state.CellSize);
    };
    float low = 10, high = 3000;
    while (high - low > 0.25f) {
        const float middle = (low + high) / 2;
        (layout(middle) >= cellSize ? high : low) = middle;
    }
    return layout(high) == cellSize;
}

QPoint Game::CellPixel(int x, int y) const
{
    const float c = state.CellSize;
    return PixelOf((x + 0.5f) * c, (y + 0.5f) * c);
}

QRgb Game::CellMiddle(int x, int y) const
{
    const QPoint p = CellPixel(x, y);
    return form->HetVeld->GetPixel(p.x(), p.y());
}

QRgb Game::EmptyColour() const { return SwatchColour(*form->KiezerL, 0) & 0xFFFFFF; }

void Game::ClickCell(int x, int y, Qt::MouseButton button)
{
    QTest::mouseClick(form->HetVeld, button, {}, CellPixel(x, y));
}

float Game::FieldLeft() const { return form->HetVeld->Left(ScaleUnit::Point); }
float Game::FieldTop() const { return form->HetVeld->Top(ScaleUnit::Point); }

void Game::OpenSolution() { QTest::mouseClick(form->cmdOplossing, Qt::LeftButton); }

void PressWithButtons(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void MoveWithButtons(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace grizzet::test
