// Reset: every cell empty again, clue ticks gone, the default buttons back,
// the puzzle not solved; nothing else on the board changes.
#include "play/Painting.h"
#include "support/Game.h"

#include <QPushButton>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

class TestReset : public QObject {
    Q_OBJECT

private slots:
    // After painting, ticking clues and choosing other colours, a reset
    // gives back the very pictures of a fresh layout.
    void resetRestoresFreshBoard()
    {
        Game game;
        game.Load({"kr.yy.c", "k...bbg", "mmm....", "..c.c.c", "y.y.yky", "......."});
        const QImage freshBoard = game.form->Picture1->Image().copy();
        const QImage freshField = game.form->HetVeld->Image().copy();
        const int c = game.state.CellSize;
        const float left = game.FieldLeft(), top = game.FieldTop();

        QTest::mouseClick(game.form->KiezerL, Qt::LeftButton, {}, {10, 130});  // yellow
        QTest::mouseClick(game.form->KiezerL, Qt::RightButton, {}, {10, 10});  // nothing
        for (int x = 0; x < 7; ++x)
            SetCell(*game.form, x, x % 6, std::uint8_t(x + 1));
        game.form->cmdErrors->click();
        game.form->Picture1_MouseDown({1, 0, left - 0.5f * c, top + 0.5f * c});    // last clue of row 0
        game.form->Picture1_MouseDown({2, 0, left - 2.5f * c, top + 4.5f * c});    // row 4, third from the field
        game.form->Picture1_MouseDown({1, 0, left + 6.5f * c, top - 0.5f * c});    // last clue of column 6
        game.form->Picture1_MouseDown({1, 0, left + 0.5f * c, top - 1.5f * c});    // column 0
        QVERIFY(game.form->Picture1->Image() != freshBoard);

        game.form->cmdClear->click();
        QCOMPARE(game.form->Picture1->Image(), freshBoard);
        QCOMPARE(game.form->HetVeld->Image(), freshField);
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 6; ++y)
                QCOMPARE(int(game.state.PlayerGrid(x, y)), 0);
        QCOMPARE(int(game.state.ButtonColour[0]), 1);
        QCOMPARE(int(game.state.ButtonColour[1]), 2);
        QCOMPARE(game.form->LijnL->Y1(), 802.5f);
        QCOMPARE(game.form->LijnR->Y1(), 1177.5f);
        QVERIFY(game.boxes.empty());
    }

    // Exactly the tick grey inside the two clue bands turns white; other
    // colours, and the grey outside the bands, stay.
    void whatTheResetWhitens_data()
    {
        QTest::addColumn<QPointF>("where");   // in cells from the field's top-left corner
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<bool>("whitened");
        QTest::newRow("row band") << QPointF(-1.5, 2.5) << TickGrey << true;
        QTest::newRow("column band") << QPointF(2.5, -0.5) << TickGrey << true;
        QTest::newRow("near grey") << QPointF(-1.5, 2.5) << Rgb(128, 128, 129) << false;
        QTest::newRow("corner") << QPointF(-0.5, -0.5) << TickGrey << false;
        QTest::newRow("right of the column band") << QPointF(5.5, -0.5) << TickGrey << false;
        QTest::newRow("below the row band") << QPointF(-0.5, 5) << TickGrey << false;
    }

    void whatTheResetWhitens()
    {
        QFETCH(QPointF, where);
        QFETCH(QRgb, colour);
        QFETCH(bool, whitened);
        Game game(1600, 1600);   // room on the board right of and below the field
        game.Load({"k.k.k", "kk.kk", "k.k.k", ".k.k."});
        QCOMPARE(int(game.state.MaxRowClues), 3);
        const float c = game.state.CellSize;
        const QPoint p = PixelOf(game.FieldLeft() + float(where.x()) * c, game.FieldTop() + float(where.y()) * c);
        game.form->Picture1->SetPixel(p.x(), p.y(), colour);
        game.form->cmdClear->click();
        QCOMPARE(game.form->Picture1->GetPixel(p.x(), p.y()), whitened ? WhiteRgb : colour);
    }

    // Cells beyond the puzzle are neither cleared nor drawn.
    void cellsBeyondThePuzzleUntouched()
    {
        Game game;
        game.LoadDiagonal(20, 20);
        SetCell(*game.form, 15, 15, 3);
        game.LoadDiagonal(5, 5);
        SetCell(*game.form, 2, 2, 4);
        game.form->cmdClear->click();
        QCOMPARE(int(game.state.PlayerGrid(2, 2)), 0);
        QCOMPARE(int(game.state.PlayerGrid(15, 15)), 3);
    }
};

QTEST_MAIN(TestReset)
#include "tst_reset.moc"
