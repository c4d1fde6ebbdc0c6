// Ticking clues off on the board: a press turns a clue box's white grey, a
// second press white again; the board's own pointer shows over clues.
#include "play/ClueTicks.h"
#include "support/Game.h"

#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// Clues, from the farthest to the nearest the field: rows 3, "0", 2 1, 1;
// columns 3, 1, 2, 1, 1, 2.
const QStringList Picture = {"k.kk.k", "......", "rrr.bb", "k....."};

// A point on the board, in cells from the field's top-left corner, as device pixels.
QPoint BoardPixel(const Game& game, QPointF cells)
{
    const float c = game.state.CellSize;
    return PixelOf(game.FieldLeft() + cells.x() * c, game.FieldTop() + cells.y() * c);
}

void PressOnBoard(Game& game, QPointF cells, Qt::MouseButtons buttons)
{
    PressWithButtons(game.form->Picture1, BoardPixel(game, cells), buttons);
    QTest::mouseRelease(game.form->Picture1, Qt::LeftButton, {}, BoardPixel(game, cells));
}

}  // namespace

class TestClueTicks : public QObject {
    Q_OBJECT

private slots:
    // A tick turns every white pixel of the box, and only those, grey; a
    // second press gives the board back as it was.
    void tickAndUntick_data()
    {
        QTest::addColumn<QPointF>("press");  // in cells from the field's corner
        QTest::addColumn<QPoint>("box");
        QTest::addColumn<int>("button");
        QTest::newRow("row 0, last clue") << QPointF(-0.5, 0.5) << QPoint(-1, 0) << int(Qt::LeftButton);
        QTest::newRow("row 0, first clue") << QPointF(-2.9, 0.1) << QPoint(-3, 0) << int(Qt::RightButton);
        QTest::newRow("row 3, only clue") << QPointF(-0.2, 3.8) << QPoint(-1, 3) << int(Qt::LeftButton);
        QTest::newRow("column 0, first clue") << QPointF(0.5, -2.5) << QPoint(0, -3) << int(Qt::RightButton);
        QTest::newRow("column 5, blue") << QPointF(5.5, -0.5) << QPoint(5, -1) << int(Qt::LeftButton);
    }

    void tickAndUntick()
    {
        QFETCH(QPointF, press);
        QFETCH(QPoint, box);
        QFETCH(int, button);
        Game game;
        game.Load(Picture);
        const QImage before = game.form->Picture1->Image().copy();
        const QRect pixels(BoardPixel(game, box), BoardPixel(game, box + QPoint(1, 1)) - QPoint(1, 1));

        PressOnBoard(game, press, Qt::MouseButtons(button));
        const QImage& ticked = game.form->Picture1->Image();
        int greyed = 0, inked = 0;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                const QRgb was = before.pixel(x, y) & 0xFFFFFF, now = ticked.pixel(x, y) & 0xFFFFFF;
                const bool whitened = pixels.contains(x, y) && was == WhiteRgb;
                QCOMPARE(now, whitened ? TickGrey : was);  // digits and grid lines keep their colours
                greyed += whitened;
                inked += pixels.contains(x, y) && was != WhiteRgb && was != GridGrey;
            }
        }
        QVERIFY(greyed > pixels.width() * pixels.height() / 2);
        QVERIFY(inked > 0);

        PressOnBoard(game, press, Qt::MouseButtons(button));
        QCOMPARE(game.form->Picture1->Image(), before);
    }

    // Presses that hit no clue, or come with the wrong buttons, change
    // nothing; the board's hand shows only over a clue, whatever the buttons.
    void nothingToTick_data()
    {
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("hand");
        QTest::newRow("beyond the first clue of row 2") << QPointF(-2.5, 2.5) << int(Qt::LeftButton) << false;
        QTest::newRow("the 0 of the empty row") << QPointF(-0.5, 1.5) << int(Qt::LeftButton) << false;
        QTest::newRow("below the last row") << QPointF(-0.5, 4.5) << int(Qt::LeftButton) << false;
        QTest::newRow("right of the last column") << QPointF(6.5, -0.5) << int(Qt::LeftButton) << false;
        QTest::newRow("the corner") << QPointF(-0.5, -0.5) << int(Qt::LeftButton) << false;
        QTest::newRow("both buttons") << QPointF(-0.5, 0.5) << int(Qt::LeftButton | Qt::RightButton) << true;
        QTest::newRow("middle button") << QPointF(-1.5, 2.5) << int(Qt::MiddleButton) << true;
    }

    void nothingToTick()
    {
        QFETCH(QPointF, press);
        QFETCH(int, buttons);
        QFETCH(bool, hand);
        Game game(1200, 900);
        game.Load(Picture);
        Surface* board = game.form->Picture1;
        const QImage before = board->Image().copy();
        MoveWithButtons(board, BoardPixel(game, press), Qt::MouseButtons(buttons));
        QCOMPARE(board->UsesCustomPointer(), hand);
        QCOMPARE(board->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        PressOnBoard(game, press, Qt::MouseButtons(buttons));
        QCOMPARE(board->Image(), before);
        // And back to the arrow off the clues.
        MoveWithButtons(board, BoardPixel(game, {-0.5, -0.5}), Qt::NoButton);
        QVERIFY(!board->UsesCustomPointer());
    }

    // Holding the button and moving over other clues ticks nothing more.
    void dragTicksOnlyOnce()
    {
        Game game;
        game.Load(Picture);
        Surface* board = game.form->Picture1;
        PressWithButtons(board, BoardPixel(game, {-0.5, 0.5}), Qt::LeftButton);
        const QImage ticked = board->Image().copy();
        for (double x = -1; x > -3; x -= 0.5)
            MoveWithButtons(board, BoardPixel(game, {x, 0.5}), Qt::LeftButton);
        QCOMPARE(board->Image(), ticked);
    }

    // The hit test on exact boundaries, with cells of 10 points and the field
    // at (30, 20), 60 by 40 points.
    void hitTest_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("clue");
        const int none = int(ClueHit::Area::None), row = int(ClueHit::Area::Row), col = int(ClueHit::Area::Column);
        QTest::newRow("row 0, next to the field") << 29.9f << 20.0f << row << 0 << 2;
        QTest::newRow("29.5 rounds to 30: row 1, no clues") << 25.0f << 29.5f << none << 0 << 0;
        QTest::newRow("at the field's bottom") << 25.0f << 60.0f << none << 0 << 0;
        QTest::newRow("column 5") << 89.0f << 15.0f << col << 5 << 1;
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
        QCOMPARE(int(hit.area), area);
        if (hit.area != ClueHit::Area::None) {
            QCOMPARE(hit.line, line);
            QCOMPARE(hit.clue, clue);
        }
    }
};

QTEST_MAIN(TestClueTicks)
#include "tst_clueticks.moc"
