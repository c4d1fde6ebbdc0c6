// Painting the field with the mouse: presses and drags with each button,
// clamping at the edges, ties on cell boundaries, the read-out and the one
// solved message.
#include "play/Painting.h"
#include "support/Game.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

int PaintedCells(const Game& game)
{
    return int(std::count_if(game.state.PlayerGrid.cells.begin(), game.state.PlayerGrid.cells.end(),
                             [](std::uint8_t cell) { return cell != 0; }));
}

}  // namespace

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    // With cells of 12 points a pointer on a boundary goes to the even
    // neighbour: the index is nearest(X / 12 - 0.5), ties to even.
    void cellUnderPointer_data()
    {
        QTest::addColumn<float>("position");
        QTest::addColumn<int>("cell");
        QTest::newRow("12 ties to 0") << 12.0f << 0;
        QTest::newRow("12.1") << 12.1f << 1;
        QTest::newRow("24 ties to 2") << 24.0f << 2;
        QTest::newRow("36 ties to 2") << 36.0f << 2;
        QTest::newRow("36.1") << 36.1f << 3;
    }

    void cellUnderPointer()
    {
        QFETCH(float, position);
        QFETCH(int, cell);
        Game game;
        game.LoadDiagonal(6, 6);
        QVERIFY(game.LayoutWithCellSize(12));
        game.form->HetVeld_MouseDown({1, 0, position, position});
        QCOMPARE(int(game.state.PlayerGrid(cell, cell)), 1);
        QCOMPARE(PaintedCells(game), 1);
    }

    // Dragging along row 1 paints with exactly one button held; both or the
    // middle one paint nothing, but the read-out follows.
    void drag_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("value");  // 0: nothing painted
        QTest::newRow("left") << int(Qt::LeftButton) << 1;
        QTest::newRow("right") << int(Qt::RightButton) << 2;
        QTest::newRow("both") << int(Qt::LeftButton | Qt::RightButton) << 0;
        QTest::newRow("middle") << int(Qt::MiddleButton) << 0;
    }

    void drag()
    {
        QFETCH(int, buttons);
        QFETCH(int, value);
        Game game;
        game.LoadDiagonal(10, 8);
        for (int x = 0; x < 6; ++x) {
            MoveWithButtons(game.form->HetVeld, game.CellPixel(x, 1), Qt::MouseButtons(buttons));
            QCOMPARE(game.form->Positie->text(), QStringLiteral(" %1, 2").arg(x + 1));
        }
        for (int x = 0; x < 10; ++x)
            QCOMPARE(int(game.state.PlayerGrid(x, 1)), x < 6 ? value : 0);
        QCOMPARE(PaintedCells(game), value ? 6 : 0);
        QCOMPARE(game.CellMiddle(3, 1), value == 1 ? Rgb(0, 0, 0) : value == 2 ? WhiteRgb : game.EmptyColour());
    }

    // Beyond an edge the nearest edge cell is painted and read out.
    void dragPastEdges_data()
    {
        QTest::addColumn<QPointF>("where");  // in cells from the field's corner
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("left") << QPointF(-3, 2.5) << 0 << 2;
        QTest::newRow("above") << QPointF(4.5, -2) << 4 << 0;
        QTest::newRow("right and above") << QPointF(11, -0.2) << 9 << 0;
        QTest::newRow("just below and right") << QPointF(10.2, 8.2) << 9 << 7;
    }

    void dragPastEdges()
    {
        QFETCH(QPointF, where);
        QFETCH(int, column);
        QFETCH(int, row);
        Game game;
        game.LoadDiagonal(10, 8);
        const float c = game.state.CellSize;
        // A press without moving paints the cell under the pointer.
        QTest::mousePress(game.form->HetVeld, Qt::RightButton, {}, game.CellPixel(4, 2));
        QCOMPARE(int(game.state.PlayerGrid(4, 2)), 2);
        QCOMPARE(game.form->Positie->text(), QStringLiteral(" 5, 3"));
        MoveWithButtons(game.form->HetVeld, PixelOf(where.x() * c, where.y() * c), Qt::RightButton);
        QCOMPARE(int(game.state.PlayerGrid(column, row)), 2);
        QCOMPARE(game.CellMiddle(column, row), WhiteRgb);
        QCOMPARE(game.form->Positie->text(), QStringLiteral(" %1, %2").arg(column + 1).arg(row + 1));
        QTest::mouseRelease(game.form->HetVeld, Qt::RightButton, {}, game.CellPixel(4, 2));
    }

    // Swatch 0 erases: the cell holds nothing again and shows the empty colour.
    void swatchZeroErases()
    {
        Game game;
        game.LoadDiagonal(10, 8);
        game.ClickCell(5, 5);
        QCOMPARE(int(game.state.PlayerGrid(5, 5)), 1);
        QTest::mouseClick(game.form->KiezerL, Qt::LeftButton, {}, {10, 10});
        game.ClickCell(5, 5);
        QCOMPARE(int(game.state.PlayerGrid(5, 5)), 0);
        QCOMPARE(game.CellMiddle(5, 5), game.EmptyColour());
    }

    // A painted cell redraws its own edges: heavy left of every fifth column
    // and above every fifth row, thin elsewhere.
    void paintedCellKeepsItsEdges()
    {
        Game game;
        game.LoadDiagonal(12, 12);
        const Surface& field = *game.form->HetVeld;
        const int c = game.state.CellSize;
        QTest::mouseClick(game.form->KiezerL, Qt::LeftButton, {}, {10, 80});  // red
        for (int x : {4, 5, 6})
            for (int y : {4, 5, 6})
                game.ClickCell(x, y);
        const QPoint left5 = PixelOf(5 * c, 5.5 * c), left6 = PixelOf(6 * c, 5.5 * c);
        QCOMPARE(field.GetPixel(left5.x() + 1, left5.y()), GridGrey);
        QCOMPARE(field.GetPixel(left6.x(), left6.y()), GridGrey);
        QCOMPARE(field.GetPixel(left6.x() + 1, left6.y()), Rgb(255, 0, 0));
        const QPoint top5 = PixelOf(5.5 * c, 5 * c), top6 = PixelOf(5.5 * c, 6 * c);
        QCOMPARE(field.GetPixel(top5.x(), top5.y() + 1), GridGrey);
        QCOMPARE(field.GetPixel(top6.x(), top6.y() + 1), Rgb(255, 0, 0));
    }

    // The read-out follows a move without buttons and keeps its right edge
    // when its text grows.
    void readOutStaysRightAligned()
    {
        Game game;
        game.LoadDiagonal(15, 15);
        QLabel* readOut = game.form->Positie;
        MoveWithButtons(game.form->HetVeld, game.CellPixel(2, 11), Qt::NoButton);
        QCOMPARE(readOut->text(), QStringLiteral(" 3, 12"));
        const QRect before = readOut->geometry();
        MoveWithButtons(game.form->HetVeld, game.CellPixel(13, 14), Qt::NoButton);
        QCOMPARE(readOut->text(), QStringLiteral(" 14, 15"));
        QCOMPARE(readOut->geometry().right(), before.right());
        QVERIFY(readOut->width() > before.width());
    }

    // Every cell counts, background included: the last white cell brings the
    // message, once, until a reset.
    void solvedOnce_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << 0 << "Puzzle solved" << "You have solved the puzzle.";
        QTest::newRow("Dutch") << 1 << "Puzzel opgelost" << "U heeft de puzzel opgelost.";
        QTest::newRow("Italian") << 2 << "Puzzle risolto" << "Hai risolto il puzzle.";
    }

    void solvedOnce()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Game game;
        game.state.Language = std::uint8_t(language);
        game.Load({"k.k", ".k."});
        const auto solve = [&game] {
            for (QPoint cell : {QPoint(0, 0), QPoint(2, 0), QPoint(1, 1)})
                game.ClickCell(cell.x(), cell.y(), Qt::LeftButton);
            for (QPoint cell : {QPoint(1, 0), QPoint(0, 1)})
                game.ClickCell(cell.x(), cell.y(), Qt::RightButton);
            QVERIFY(game.state.PuzzleSolved == 0);
            game.ClickCell(2, 1, Qt::RightButton);
        };
        solve();
        QCOMPARE(int(game.boxes.size()), 1);
        QCOMPARE(game.boxes[0].icon, MsgIcon::Information);
        QCOMPARE(game.boxes[0].title, title);
        QCOMPARE(game.boxes[0].text, text);

        // Spoiling and mending again says nothing more.
        game.ClickCell(2, 1, Qt::LeftButton);
        game.ClickCell(2, 1, Qt::RightButton);
        MoveWithButtons(game.form->HetVeld, game.CellPixel(1, 0), Qt::RightButton);
        QCOMPARE(int(game.boxes.size()), 1);

        // After a reset, solving again says it again.
        game.form->cmdClear->click();
        solve();
        QCOMPARE(int(game.boxes.size()), 2);
    }

    // Moving without a button never runs the solved test, even on a correct field.
    void moveWithoutButtonDoesNotTest()
    {
        Game game;
        game.Load({"k.", ".k"});
        SetCell(*game.form, 0, 0, 1);
        SetCell(*game.form, 1, 1, 1);
        SetCell(*game.form, 1, 0, 2);
        SetCell(*game.form, 0, 1, 2);
        MoveWithButtons(game.form->HetVeld, game.CellPixel(1, 1), Qt::NoButton);
        MoveWithButtons(game.form->HetVeld, game.CellPixel(0, 1), Qt::MiddleButton);
        QVERIFY(game.boxes.empty());
        game.ClickCell(1, 1);
        QCOMPARE(int(game.boxes.size()), 1);
    }
};

QTEST_MAIN(TestPainting)
#include "tst_painting.moc"
