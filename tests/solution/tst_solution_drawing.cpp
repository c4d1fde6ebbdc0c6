// The solution picture: cell colours, dot sizes, which cells are marked for
// each setting of the check boxes, and that it stays as drawn.
#include "support/Game.h"

#include <QCheckBox>
#include <QTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

QRgb CentreOf(const Game& game, int x, int y)
{
    const QPoint centre = game.CellPixel(x, y);
    return game.Solution().Picture1->GetPixel(centre.x(), centre.y());
}

// Inside its edges: a heavy edge is one point wide on top of the outline.
QRect Interior(int x, int y, int cellSize) { return CellRect(x, y, cellSize).adjusted(3, 3, -1, -1); }

}  // namespace

class SolutionDrawing : public QObject {
    Q_OBJECT

private slots:
    void dotSizes_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("outer");
        QTest::newRow("8: raised to the least size") << 8 << 5;
        QTest::newRow("13: 6.5 to even, down") << 13 << 6;
        QTest::newRow("20") << 20 << 10;
    }

    // A wrong cell and an unpainted one: dots of the same size with a one-pixel
    // rim, centred on their cells.
    void dotSizes()
    {
        QFETCH(int, cellSize);
        QFETCH(int, outer);
        Game game;
        game.Load({"k."});
        QVERIFY(game.LayoutWithCellSize(cellSize));
        game.state.PlayerGrid(0, 0) = White + 1;
        game.OpenSolution();

        const QImage& image = game.Solution().Picture1->Image();
        QCOMPARE(WidestRow(image, CellRect(0, 0, cellSize), {TickGrey, Orange}), outer);
        QCOMPARE(WidestRow(image, CellRect(0, 0, cellSize), {Orange}), outer - 2);
        QCOMPARE(WidestRow(image, CellRect(1, 0, cellSize), {TickGrey, LightGrey}), outer);
        QCOMPARE(WidestRow(image, CellRect(1, 0, cellSize), {LightGrey}), outer - 2);
        QCOMPARE(CentreOf(game, 0, 0), Orange);
        QCOMPARE(CentreOf(game, 1, 0), LightGrey);
        QCOMPARE(game.Solution().Picture1->DrawWidth(), 1);
    }

    void marks_data()
    {
        QTest::addColumn<bool>("errors");
        QTest::addColumn<bool>("missing");
        QTest::newRow("both ticked") << true << true;
        QTest::newRow("errors only") << true << false;
        QTest::newRow("unfilled only") << false << true;
        QTest::newRow("neither: the plain solution") << false << false;
    }

    // One cell of each kind, the coloured and the background ones apart: right,
    // wrong, unpainted. Every cell keeps its colour around any dot.
    void marks()
    {
        QFETCH(bool, errors);
        QFETCH(bool, missing);
        enum Kind { Right, Wrong, Missing };
        struct Cell {
            char solution;
            int painted;  // swatch
            Kind kind;
        };
        const Cell cells[] = {{'r', Red + 1, Right},  {'.', White + 1, Right},  {'b', White + 1, Wrong},
                              {'.', Black + 1, Wrong}, {'g', 0, Missing}, {'.', 0, Missing}, {'k', Cyan + 1, Wrong}};
        QString row;
        for (const Cell& cell : cells)
            row += cell.solution;
        Game game;
        game.Load({row});
        QVERIFY(game.LayoutWithCellSize(16));
        for (int x = 0; x < row.size(); ++x)
            game.state.PlayerGrid(x, 0) = std::uint8_t(cells[x].painted);
        game.Solution().chkFouten->setChecked(errors);
        game.Solution().chkOntbreken->setChecked(missing);
        game.OpenSolution();

        const QImage& image = game.Solution().Picture1->Image();
        for (int x = 0; x < row.size(); ++x) {
            const QRgb fill = DisplayColour[ColourOf(row[x])];
            const bool marked = (cells[x].kind == Wrong && errors) || (cells[x].kind == Missing && missing);
            const QRgb core = !marked ? fill : cells[x].kind == Wrong ? Orange : LightGrey;
            const QRect inside = Interior(x, 0, 16);
            const QByteArray where = QByteArray("cell ") + QByteArray::number(x);
            QVERIFY2(CentreOf(game, x, 0) == core, where);
            QVERIFY2((CountOf(image, inside, {TickGrey}) > 0) == marked, where);
            QVERIFY2((image.pixel(inside.topLeft()) & 0xFFFFFF) == fill, where);
        }
    }

    // Outlines in the dark edge colour, a heavy edge left of columns 0 and 5 and
    // above rows 0 and 5 only, then the picture's backdrop beyond the last cells.
    void gridLines()
    {
        Game game;
        game.LoadDiagonal(7, 7);
        QVERIFY(game.LayoutWithCellSize(12));
        game.Solution().chkFouten->setChecked(false);
        game.Solution().chkOntbreken->setChecked(false);
        game.OpenSolution();
        const Surface& picture = *game.Solution().Picture1;
        const int mid = PixelOf(0, 2.5 * 12).y();
        for (int column : {0, 1, 4, 5, 6}) {
            const int left = PixelOf(column * 12, 0).x();
            QCOMPARE(picture.GetPixel(left, mid), EdgeDark);
            QCOMPARE(picture.GetPixel(left + 1, mid), column % 5 == 0 ? EdgeDark : WhiteRgb);
            QCOMPARE(picture.GetPixel(mid, left + 1), column % 5 == 0 ? EdgeDark : WhiteRgb);
        }
        const int end = PixelOf(7 * 12, 0).x();
        QCOMPARE(picture.GetPixel(end, mid), EdgeDark);
        QCOMPARE(picture.GetPixel(mid, end), EdgeDark);
        QCOMPARE(picture.GetPixel(picture.width() - 1, mid), GridGrey);
        QCOMPARE(picture.GetPixel(mid, picture.height() - 1), GridGrey);
    }

    // Painting while the window is open changes nothing in it until a check box
    // is clicked or the window is opened again.
    void staysAsDrawn()
    {
        Game game;
        game.LoadFile("dot.pbm", PictureFile({"....", ".k..", "...."}));
        QVERIFY(game.boxes.empty());
        game.OpenSolution();
        const Form2& window = game.Solution();
        QCOMPARE(CentreOf(game, 1, 1), LightGrey);
        const QImage before = window.Picture1->Image().copy();

        game.ClickCell(1, 1);  // black where black belongs
        game.ClickCell(2, 0);  // black on the background
        QCOMPARE(window.Picture1->Image(), before);

        QTest::mouseClick(window.chkOntbreken, Qt::LeftButton);
        QVERIFY(!window.chkOntbreken->isChecked());
        QCOMPARE(CentreOf(game, 1, 1), DisplayColour[Black]);
        QCOMPARE(CentreOf(game, 2, 0), Orange);
        QCOMPARE(CentreOf(game, 0, 0), WhiteRgb);

        game.ClickCell(1, 1, Qt::RightButton);  // white where black belongs
        QCOMPARE(CentreOf(game, 1, 1), DisplayColour[Black]);
        game.OpenSolution();
        QCOMPARE(CentreOf(game, 1, 1), Orange);

        QTest::mouseClick(window.chkFouten, Qt::LeftButton);
        QCOMPARE(CentreOf(game, 1, 1), DisplayColour[Black]);
        QCOMPARE(CentreOf(game, 2, 0), WhiteRgb);
    }
};

QTEST_MAIN(SolutionDrawing)
#include "tst_solution_drawing.moc"
