// Ticking clues off on the board: a press turns a clue box's white grey, a
// second press white again; the board's own pointer shows over clues.
#include "board/GameFixture.h"
#include "play/ClueTicks.h"

#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// Row 1 and no column... every line's clues, left to right / top to bottom:
// rows: 3, "0", 2, 1; columns: 3, 1, 2, 1, 1, 2.
const std::vector<std::string> Picture = {"k.kk.k",
                                          "......",
                                          "rrr.bb",
                                          "k....."};

struct Box {
    QRect pixels;   // device pixels of the box, both edges included
};

// Where a press goes: the middle of a box, in cells from the field's corner.
QPointF BoardPoint(const Game& game, QPointF cells)
{
    const float c = game.state.CellSize;
    return {game.FieldLeft() + float(cells.x()) * c, game.FieldTop() + float(cells.y()) * c};
}

// The device pixels of the box of cells [x, x+1) × [y, y+1) from the field's corner.
QRect BoxPixels(const Game& game, int x, int y)
{
    const float c = game.state.CellSize;
    const QPoint from = PixelOf(game.FieldLeft() + float(x) * c, game.FieldTop() + float(y) * c);
    const QPoint to = PixelOf(game.FieldLeft() + float(x + 1) * c, game.FieldTop() + float(y + 1) * c);
    return QRect(from, to - QPoint(1, 1));
}

void PressOnBoard(Game& game, QPointF cells, Qt::MouseButtons buttons)
{
    const QPointF point = BoardPoint(game, cells);
    const QPoint pos = PixelOf(float(point.x()), float(point.y()));
    QWidget* board = game.form->Picture1;
    QMouseEvent press(QEvent::MouseButtonPress, pos, board->mapToGlobal(pos), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(board, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, board->mapToGlobal(pos), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(board, &release);
}

}  // namespace

class TestClueTicks : public QObject {
    Q_OBJECT

private slots:
    // A tick turns every white pixel of the box, and only those, grey; a
    // second press gives the board back as it was.
    void tickAndUntick_data()
    {
        QTest::addColumn<QPointF>("press");   // in cells from the field's corner
        QTest::addColumn<QPoint>("box");
        QTest::addColumn<int>("button");
        QTest::newRow("row 0, last clue") << QPointF(-0.5, 0.5) << QPoint(-1, 0) << int(Qt::LeftButton);
        QTest::newRow("row 0, first clue") << QPointF(-2.9, 0.1) << QPoint(-3, 0) << int(Qt::RightButton);
        QTest::newRow("row 2, red, first") << QPointF(-1.5, 2.5) << QPoint(-2, 2) << int(Qt::LeftButton);
        QTest::newRow("row 3, only clue") << QPointF(-0.2, 3.8) << QPoint(-1, 3) << int(Qt::LeftButton);
        QTest::newRow("column 0, last clue") << QPointF(0.5, -0.5) << QPoint(0, -1) << int(Qt::LeftButton);
        QTest::newRow("column 0, first clue") << QPointF(0.5, -2.5) << QPoint(0, -3) << int(Qt::RightButton);
        QTest::newRow("column 5, blue") << QPointF(5.5, -0.5) << QPoint(5, -1) << int(Qt::LeftButton);
        QTest::newRow("column 2, first") << QPointF(2.9, -1.9) << QPoint(2, -2) << int(Qt::LeftButton);
    }

    void tickAndUntick()
    {
        QFETCH(QPointF, press);
        QFETCH(QPoint, box);
        QFETCH(int, button);
        Game game;
        game.Load(Picture);
        const Surface& board = *game.form->Picture1;
        const QImage before = board.Image().copy();
        const QRect pixels = BoxPixels(game, box.x(), box.y());

        PressOnBoard(game, press, Qt::MouseButtons(button));
        const QImage ticked = board.Image().copy();
        int greyed = 0, inked = 0;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                const QRgb was = before.pixel(x, y) & 0xFFFFFF, now = ticked.pixel(x, y) & 0xFFFFFF;
                if (!pixels.contains(x, y)) {
                    QCOMPARE(now, was);
                } else if (was == WhiteRgb) {
                    QCOMPARE(now, TickGrey);
                    ++greyed;
                } else {
                    QCOMPARE(now, was);   // digits and grid lines keep their colours
                    inked += was != GridGrey;
                }
            }
        }
        QVERIFY(greyed > pixels.width() * pixels.height() / 2);
        QVERIFY(inked > 0);

        PressOnBoard(game, press, Qt::MouseButtons(button));
        QCOMPARE(board.Image(), before);
    }

    // Presses that hit no clue, or come with the wrong buttons, change nothing.
    void nothingToTick_data()
    {
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<int>("buttons");
        QTest::newRow("beyond the only clue of row 3") << QPointF(-1.5, 3.5) << int(Qt::LeftButton);
        QTest::newRow("beyond the first clue of row 2") << QPointF(-2.5, 2.5) << int(Qt::LeftButton);
        QTest::newRow("the 0 of row 1") << QPointF(-0.5, 1.5) << int(Qt::LeftButton);
        QTest::newRow("below the last row") << QPointF(-0.5, 4.5) << int(Qt::LeftButton);
        QTest::newRow("beyond the only clue of column 1") << QPointF(1.5, -1.5) << int(Qt::LeftButton);
        QTest::newRow("right of the last column") << QPointF(6.5, -0.5) << int(Qt::LeftButton);
        QTest::newRow("the corner") << QPointF(-0.5, -0.5) << int(Qt::LeftButton);
        QTest::newRow("both buttons") << QPointF(-0.5, 0.5) << int(Qt::LeftButton | Qt::RightButton);
        QTest::newRow("middle button") << QPointF(-0.5, 0.5) << int(Qt::MiddleButton);
    }

    void nothingToTick()
    {
        QFETCH(QPointF, press);
        QFETCH(int, buttons);
        Game game(1200, 900);
        game.Load(Picture);
        const QImage before = game.form->Picture1->Image().copy();
        PressOnBoard(game, press, Qt::MouseButtons(buttons));
        QCOMPARE(game.form->Picture1->Image(), before);
    }

    // The board's hand shows over a clue whatever the buttons, the arrow elsewhere.
    void pointerOverClues_data()
    {
        QTest::addColumn<QPointF>("where");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("hand");
        QTest::newRow("row clue") << QPointF(-0.5, 0.5) << 0 << true;
        QTest::newRow("column clue") << QPointF(3.5, -0.5) << 0 << true;
        QTest::newRow("row clue, middle held") << QPointF(-2.5, 0.5) << int(Qt::MiddleButton) << true;
        QTest::newRow("row clue, both held") << QPointF(-1.5, 2.5) << int(Qt::LeftButton | Qt::RightButton) << true;
        QTest::newRow("beyond the clues") << QPointF(-1.5, 3.5) << 0 << false;
        QTest::newRow("the 0") << QPointF(-0.5, 1.5) << 0 << false;
        QTest::newRow("the corner") << QPointF(-0.5, -0.5) << 0 << false;
        QTest::newRow("below the field") << QPointF(2.5, 4.5) << 0 << false;
    }

    void pointerOverClues()
    {
        QFETCH(QPointF, where);
        QFETCH(int, buttons);
        QFETCH(bool, hand);
        Game game(1200, 900);
        game.Load(Picture);
        Surface* board = game.form->Picture1;
        const QPointF point = BoardPoint(game, where);
        MoveWithButtons(board, PixelOf(float(point.x()), float(point.y())), Qt::MouseButtons(buttons));
        QCOMPARE(board->UsesCustomPointer(), hand);
        QCOMPARE(board->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        // And back to the arrow off the clues.
        const QPointF off = BoardPoint(game, QPointF(-0.5, -0.5));
        MoveWithButtons(board, PixelOf(float(off.x()), float(off.y())), Qt::NoButton);
        QVERIFY(!board->UsesCustomPointer());
    }

    // Holding the button and moving over other clues ticks nothing more.
    void dragTicksOnlyOnce()
    {
        Game game;
        game.Load(Picture);
        Surface* board = game.form->Picture1;
        const QImage before = board->Image().copy();
        game.form->Picture1_MouseDown({1, 0, float(BoardPoint(game, {-0.5, 0.5}).x()),
                                       float(BoardPoint(game, {-0.5, 0.5}).y())});
        const QImage ticked = board->Image().copy();
        QVERIFY(ticked != before);
        for (double x = -0.5; x > -3; x -= 0.5) {
            const QPointF p = BoardPoint(game, {x, 0.5});
            MoveWithButtons(board, PixelOf(float(p.x()), float(p.y())), Qt::LeftButton);
        }
        QCOMPARE(board->Image(), ticked);
    }

    // The hit test on the design's numbers, with cells of 10 points and the
    // field at (30, 20), 60 by 40 points.
    void hitTest_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("clue");
        const int none = int(ClueHit::Area::None), row = int(ClueHit::Area::Row), col = int(ClueHit::Area::Column);
        QTest::newRow("row 0, next to the field") << 29.9f << 20.0f << row << 0 << 2;
        QTest::newRow("row 0, third box") << 1.0f << 29.4f << row << 0 << 0;
        QTest::newRow("row 0, 29.5 rounds to 30") << 25.0f << 29.5f << row << 1 << -1;
        QTest::newRow("row 2") << 15.0f << 45.0f << row << 2 << 0;
        QTest::newRow("at the field's bottom") << 25.0f << 60.0f << none << 0 << 0;
        QTest::newRow("column 0, next to the field") << 30.0f << 19.9f << col << 0 << 2;
        QTest::newRow("column 5") << 89.0f << 15.0f << col << 5 << 1;
        QTest::newRow("at the field's right") << 90.0f << 15.0f << none << 0 << 0;
        QTest::newRow("on the field") << 40.0f << 30.0f << none << 0 << 0;
    }

    void hitTest()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, area);
        QFETCH(int, line);
        QFETCH(int, clue);
        PuzzleState state;
        state.CellSize = 10;
        state.PuzzleWidth = 6;
        state.PuzzleHeight = 4;
        state.RowClueCount = {3, 0, 2, 1};
        state.ColClueCount = {3, 1, 2, 1, 1, 2};
        const ClueHit hit = HitClue(state, {30, 20, 60, 40}, x, y);
        if (clue < 0) {   // a row without clues: no hit
            QCOMPARE(int(hit.area), int(ClueHit::Area::None));
            return;
        }
        QCOMPARE(int(hit.area), area);
        if (hit.area != ClueHit::Area::None) {
            QCOMPARE(hit.line, line);
            QCOMPARE(hit.clue, clue);
        }
    }
};

QTEST_MAIN(TestClueTicks)
#include "tst_clueticks.moc"
