// Painting the field with the mouse: presses and drags with each button,
// clamping at the edges, ties on cell boundaries, the read-out and the one
// solved message.
#include "board/GameFixture.h"
#include "play/Painting.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// The middle of a cell in the field's pixels.
QPoint CellPixel(const Game& game, int x, int y)
{
    const float c = game.state.CellSize;
    return PixelOf((x + 0.5f) * c, (y + 0.5f) * c);
}

const QRgb Ink = Rgb(0, 0, 0);

}  // namespace

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    // Boundaries go to the even neighbour: the cell index is
    // nearest(X / C - 0.5), ties to even.
    void cellUnderPointer_data()
    {
        QTest::addColumn<float>("position");
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("cell");
        QTest::newRow("0") << 0.0f << 12 << 0;
        QTest::newRow("11.9") << 11.9f << 12 << 0;
        QTest::newRow("12 ties to 0") << 12.0f << 12 << 0;
        QTest::newRow("12.1") << 12.1f << 12 << 1;
        QTest::newRow("24 ties to 2") << 24.0f << 12 << 2;
        QTest::newRow("36 ties to 2") << 36.0f << 12 << 2;
        QTest::newRow("36.1") << 36.1f << 12 << 3;
        QTest::newRow("left of the field") << -20.0f << 12 << -2;
        QTest::newRow("cell 3 of 9 on its boundary") << 27.0f << 9 << 2;
        QTest::newRow("cell 4 of 9 on its boundary") << 36.0f << 9 << 4;
    }

    void cellUnderPointer()
    {
        QFETCH(float, position);
        QFETCH(int, cellSize);
        QFETCH(int, cell);
        QCOMPARE(CellUnderPointer(position, cellSize), cell);
    }

    void positionText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("3, 12") << 2 << 11 << " 3, 12";
        QTest::newRow("first") << 0 << 0 << " 1, 1";
        QTest::newRow("last") << 49 << 49 << " 50, 50";
    }

    void positionText()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, text);
        QCOMPARE(PositionText(column, row), text);
    }

    // A press without moving paints the cell under the pointer.
    void pressPaints_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("value");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("left black") << int(Qt::LeftButton) << 1 << Ink;
        QTest::newRow("right white") << int(Qt::RightButton) << 2 << WhiteRgb;
    }

    void pressPaints()
    {
        QFETCH(int, button);
        QFETCH(int, value);
        QFETCH(QRgb, colour);
        Game game;
        game.LoadDiagonal(10, 8);
        QTest::mousePress(game.form->HetVeld, Qt::MouseButton(button), {}, CellPixel(game, 2, 3));
        QCOMPARE(int(game.state.PlayerGrid(2, 3)), value);
        QCOMPARE(game.CellMiddle(2, 3), colour);
        QCOMPARE(game.form->Positie->text(), QStringLiteral(" 3, 4"));
        // Nothing else changed.
        int painted = 0;
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 8; ++y)
                painted += game.state.PlayerGrid(x, y) != 0;
        QCOMPARE(painted, 1);
        QTest::mouseRelease(game.form->HetVeld, Qt::MouseButton(button), {}, CellPixel(game, 2, 3));
    }

    // Dragging along row 1 paints with exactly one button held; both, the
    // middle one or none paint nothing, but the read-out follows.
    void drag_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("value");   // -1: nothing painted
        QTest::newRow("left") << int(Qt::LeftButton) << 1;
        QTest::newRow("right") << int(Qt::RightButton) << 2;
        QTest::newRow("both") << int(Qt::LeftButton | Qt::RightButton) << -1;
        QTest::newRow("middle") << int(Qt::MiddleButton) << -1;
        QTest::newRow("left and middle") << int(Qt::LeftButton | Qt::MiddleButton) << -1;
        QTest::newRow("none") << 0 << -1;
    }

    void drag()
    {
        QFETCH(int, buttons);
        QFETCH(int, value);
        Game game;
        game.LoadDiagonal(10, 8);
        for (int x = 0; x < 6; ++x) {
            MoveWithButtons(game.form->HetVeld, CellPixel(game, x, 1), Qt::MouseButtons(buttons));
            QCOMPARE(game.form->Positie->text(), QStringLiteral(" %1, 2").arg(x + 1));
        }
        for (int x = 0; x < 10; ++x)
            QCOMPARE(int(game.state.PlayerGrid(x, 1)), x < 6 && value >= 0 ? value : 0);
        QCOMPARE(game.CellMiddle(3, 1), value == 1 ? Ink : value == 2 ? WhiteRgb : game.EmptyColour());
        QVERIFY(game.boxes.empty());
    }

    // Beyond an edge the nearest edge cell is painted and read out.
    void dragPastEdges_data()
    {
        QTest::addColumn<QPointF>("where");   // in cells from the field's corner
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("left") << QPointF(-3, 2.5) << 0 << 2;
        QTest::newRow("right") << QPointF(14, 2.5) << 9 << 2;
        QTest::newRow("above") << QPointF(4.5, -2) << 4 << 0;
        QTest::newRow("below") << QPointF(4.5, 30) << 4 << 7;
        QTest::newRow("above left") << QPointF(-1, -1) << 0 << 0;
        QTest::newRow("below right") << QPointF(20, 20) << 9 << 7;
        QTest::newRow("right and above") << QPointF(11, -0.2) << 9 << 0;
    }

    void dragPastEdges()
    {
        QFETCH(QPointF, where);
        QFETCH(int, column);
        QFETCH(int, row);
        Game game;
        game.LoadDiagonal(10, 8);
        QWidget* field = game.form->HetVeld;
        const float c = game.state.CellSize;
        QTest::mousePress(field, Qt::RightButton, {}, CellPixel(game, 4, 2));
        MoveWithButtons(field, PixelOf(float(where.x()) * c, float(where.y()) * c), Qt::RightButton);
        QCOMPARE(int(game.state.PlayerGrid(column, row)), 2);
        QCOMPARE(game.CellMiddle(column, row), WhiteRgb);
        QCOMPARE(game.form->Positie->text(), QStringLiteral(" %1, %2").arg(column + 1).arg(row + 1));
        QTest::mouseRelease(field, Qt::RightButton, {}, CellPixel(game, 4, 2));
    }

    // On the field's own boundaries the tie goes to the even cell.
    void boundariesOnTheField()
    {
        Game game;
        game.LoadDiagonal(10, 8);
        const float c = game.state.CellSize;
        game.form->HetVeld_MouseDown({1, 0, c, 0.5f * c});
        QCOMPARE(int(game.state.PlayerGrid(0, 0)), 1);
        game.form->HetVeld_MouseDown({1, 0, 2 * c, 1.5f * c});
        QCOMPARE(int(game.state.PlayerGrid(2, 1)), 1);
        game.form->HetVeld_MouseDown({1, 0, 3 * c, 2.5f * c});
        QCOMPARE(int(game.state.PlayerGrid(2, 2)), 1);
        game.form->HetVeld_MouseDown({1, 0, 3 * c + 0.1f, 3 * c});
        QCOMPARE(int(game.state.PlayerGrid(3, 2)), 1);
        QCOMPARE(int(game.state.PlayerGrid(1, 0)), 0);
        QCOMPARE(int(game.state.PlayerGrid(3, 3)), 0);
    }

    // Swatch 0 erases: the cell holds nothing again and shows the empty colour.
    void swatchZeroErases()
    {
        Game game;
        game.LoadDiagonal(10, 8);
        QTest::mouseClick(game.form->HetVeld, Qt::LeftButton, {}, CellPixel(game, 5, 5));
        QCOMPARE(int(game.state.PlayerGrid(5, 5)), 1);
        QTest::mouseClick(game.form->KiezerL, Qt::LeftButton, {}, {10, 10});
        QCOMPARE(int(game.state.ButtonColour[0]), 0);
        QTest::mouseClick(game.form->HetVeld, Qt::LeftButton, {}, CellPixel(game, 5, 5));
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
        QTest::mouseClick(game.form->KiezerL, Qt::LeftButton, {}, {10, 80});   // red
        for (int x : {4, 5, 6})
            for (int y : {4, 5, 6})
                QTest::mouseClick(game.form->HetVeld, Qt::LeftButton, {}, CellPixel(game, x, y));
        const int mid = PixelOf(0, 5.5f * c).y();
        const int left5 = PixelOf(float(5 * c), 0).x();
        const int left6 = PixelOf(float(6 * c), 0).x();
        QCOMPARE(field.GetPixel(left5, mid), GridGrey);
        QCOMPARE(field.GetPixel(left5 + 1, mid), GridGrey);
        QCOMPARE(field.GetPixel(left6, mid), GridGrey);
        QCOMPARE(field.GetPixel(left6 + 1, mid), Rgb(255, 0, 0));
        const int centre = PixelOf(5.5f * c, 0).x();
        const int top5 = PixelOf(0, float(5 * c)).y();
        const int top6 = PixelOf(0, float(6 * c)).y();
        QCOMPARE(field.GetPixel(centre, top5 + 1), GridGrey);
        QCOMPARE(field.GetPixel(centre, top6 + 1), Rgb(255, 0, 0));
        QCOMPARE(game.CellMiddle(5, 5), Rgb(255, 0, 0));
    }

    // The read-out keeps its right edge when its text grows.
    void readOutStaysRightAligned()
    {
        Game game;
        game.LoadDiagonal(15, 15);
        QLabel* readOut = game.form->Positie;
        MoveWithButtons(game.form->HetVeld, CellPixel(game, 2, 11), Qt::NoButton);
        QCOMPARE(readOut->text(), QStringLiteral(" 3, 12"));
        const int right = readOut->geometry().right();
        const int width = readOut->width();
        MoveWithButtons(game.form->HetVeld, CellPixel(game, 13, 14), Qt::NoButton);
        QCOMPARE(readOut->text(), QStringLiteral(" 14, 15"));
        QCOMPARE(readOut->geometry().right(), right);
        QVERIFY(readOut->width() > width);
        MoveWithButtons(game.form->HetVeld, CellPixel(game, 0, 0), Qt::NoButton);
        QCOMPARE(readOut->text(), QStringLiteral(" 1, 1"));
        QCOMPARE(readOut->geometry().right(), right);
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
        game.Load({"k.k",
                   ".k."});
        QWidget* field = game.form->HetVeld;
        for (QPoint cell : {QPoint(0, 0), QPoint(2, 0), QPoint(1, 1)})
            QTest::mouseClick(field, Qt::LeftButton, {}, CellPixel(game, cell.x(), cell.y()));
        QTest::mouseClick(field, Qt::RightButton, {}, CellPixel(game, 1, 0));
        QTest::mouseClick(field, Qt::RightButton, {}, CellPixel(game, 0, 1));
        QVERIFY(game.boxes.empty());
        QCOMPARE(int(game.state.PuzzleSolved), 0);
        QTest::mouseClick(field, Qt::RightButton, {}, CellPixel(game, 2, 1));
        QCOMPARE(int(game.boxes.size()), 1);
        QCOMPARE(game.boxes[0].icon, MsgIcon::Information);
        QCOMPARE(game.boxes[0].title, title);
        QCOMPARE(game.boxes[0].text, text);
        QCOMPARE(int(game.state.PuzzleSolved), -1);

        // Spoiling and mending again says nothing more.
        QTest::mouseClick(field, Qt::LeftButton, {}, CellPixel(game, 2, 1));
        QTest::mouseClick(field, Qt::RightButton, {}, CellPixel(game, 2, 1));
        MoveWithButtons(field, CellPixel(game, 1, 0), Qt::RightButton);
        QCOMPARE(int(game.boxes.size()), 1);

        // After a reset, solving again says it again.
        game.form->cmdClear->click();
        QCOMPARE(int(game.state.PuzzleSolved), 0);
        for (QPoint cell : {QPoint(0, 0), QPoint(2, 0), QPoint(1, 1)})
            QTest::mouseClick(field, Qt::LeftButton, {}, CellPixel(game, cell.x(), cell.y()));
        for (QPoint cell : {QPoint(1, 0), QPoint(0, 1), QPoint(2, 1)})
            QTest::mouseClick(field, Qt::RightButton, {}, CellPixel(game, cell.x(), cell.y()));
        QCOMPARE(int(game.boxes.size()), 2);
        QCOMPARE(game.boxes[1].text, text);
    }

    // Black painted but the background still empty is not solved.
    void emptyBackgroundIsNotSolved()
    {
        Game game;
        game.Load({"k.", ".k"});
        QTest::mouseClick(game.form->HetVeld, Qt::LeftButton, {}, CellPixel(game, 0, 0));
        QTest::mouseClick(game.form->HetVeld, Qt::LeftButton, {}, CellPixel(game, 1, 1));
        QVERIFY(game.boxes.empty());
        QCOMPARE(int(game.state.PuzzleSolved), 0);
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
        MoveWithButtons(game.form->HetVeld, CellPixel(game, 1, 1), Qt::NoButton);
        MoveWithButtons(game.form->HetVeld, CellPixel(game, 0, 1), Qt::MiddleButton);
        QVERIFY(game.boxes.empty());
        QTest::mouseClick(game.form->HetVeld, Qt::LeftButton, {}, CellPixel(game, 1, 1));
        QCOMPARE(int(game.boxes.size()), 1);
    }
};

QTEST_MAIN(TestPainting)
#include "tst_painting.moc"
