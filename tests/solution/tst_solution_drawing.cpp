// The solution picture: cell colours, dot sizes, which cells are marked for
// each setting of the check boxes, and that it stays as drawn.
#include "solution/solution_helpers.h"

#include <QCheckBox>
#include <QTest>

using namespace grizzet;

class SolutionDrawing : public QObject {
    Q_OBJECT
private slots:
    void dotSizes_data();
    void dotSizes();
    void marks_data();
    void marks();
    void gridLines();
    void staysAsDrawn();
};

void SolutionDrawing::dotSizes_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::newRow("8: raised to the least size") << 8 << 5 << 3;
    QTest::newRow("9: 4.5 to even, raised") << 9 << 5 << 3;
    QTest::newRow("11: 5.5 to even, up") << 11 << 6 << 4;
    QTest::newRow("13: 6.5 to even, down") << 13 << 6 << 4;
    QTest::newRow("14") << 14 << 7 << 5;
    QTest::newRow("20") << 20 << 10 << 8;
}

void SolutionDrawing::dotSizes()
{
    QFETCH(int, cellSize);
    QFETCH(int, outer);
    QFETCH(int, inner);

    SolutionRig rig;
    rig.SetPuzzle(2, 1, cellSize);
    rig.state.Solution(0, 0) = Black;
    rig.state.PlayerGrid(0, 0) = White + 1;  // wrong
    rig.state.PlayerGrid(1, 0) = 0;          // unpainted white cell
    rig.Open();

    const QImage& image = rig.Window().Picture1->Image();
    const QRect wrong = CellInterior(0, 0, cellSize);
    const QRect missing = CellInterior(1, 0, cellSize);
    QCOMPARE(WidestRow(image, wrong, {Rim, Orange}), outer);
    QCOMPARE(WidestRow(image, wrong, {Orange}), inner);
    QCOMPARE(WidestRow(image, missing, {Rim, LightGrey}), outer);
    QCOMPARE(WidestRow(image, missing, {LightGrey}), inner);
    // Centred on the cell.
    QCOMPARE(PixelAt(rig.Window(), CellCentre(0, 0, cellSize).x(), CellCentre(0, 0, cellSize).y()), Orange);
    QCOMPARE(PixelAt(rig.Window(), CellCentre(1, 0, cellSize).x(), CellCentre(1, 0, cellSize).y()), LightGrey);
    QCOMPARE(rig.Window().Picture1->DrawWidth(), 1);
}

// One cell of each kind, the coloured and the background ones apart.
struct MarkCase {
    std::uint8_t solution;
    std::uint8_t painted;
    enum { Correct, Wrong, Missing } kind;
};
constexpr MarkCase Cases[] = {
    {Red, Red + 1, MarkCase::Correct},      {White, White + 1, MarkCase::Correct},
    {Blue, White + 1, MarkCase::Wrong},     {White, Black + 1, MarkCase::Wrong},
    {Green, 0, MarkCase::Missing},          {White, 0, MarkCase::Missing},
    {Black, Cyan + 1, MarkCase::Wrong},
};
constexpr int CaseCount = static_cast<int>(std::size(Cases));

void SolutionDrawing::marks_data()
{
    QTest::addColumn<bool>("errors");
    QTest::addColumn<bool>("missing");
    QTest::newRow("both ticked") << true << true;
    QTest::newRow("errors only") << true << false;
    QTest::newRow("unfilled only") << false << true;
    QTest::newRow("neither: the plain solution") << false << false;
}

void SolutionDrawing::marks()
{
    QFETCH(bool, errors);
    QFETCH(bool, missing);
    constexpr int cellSize = 16;

    SolutionRig rig;
    rig.SetPuzzle(CaseCount, 1, cellSize);
    for (int x = 0; x < CaseCount; ++x) {
        rig.state.Solution(x, 0) = Cases[x].solution;
        rig.state.PlayerGrid(x, 0) = Cases[x].painted;
    }
    rig.Window().chkFouten->setChecked(errors);
    rig.Window().chkOntbreken->setChecked(missing);
    rig.Open();

    const QImage& image = rig.Window().Picture1->Image();
    for (int x = 0; x < CaseCount; ++x) {
        const QRect cell = CellInterior(x, 0, cellSize);
        const QPoint centre = CellCentre(x, 0, cellSize);
        const QRgb fill = DisplayColour[Cases[x].solution];
        const bool marked = (Cases[x].kind == MarkCase::Wrong && errors) ||
                            (Cases[x].kind == MarkCase::Missing && missing);
        const QRgb core = !marked ? fill : Cases[x].kind == MarkCase::Wrong ? Orange : LightGrey;
        const QByteArray where = QByteArray("cell ") + QByteArray::number(x);
        QVERIFY2(PixelAt(rig.Window(), centre.x(), centre.y()) == core, where);
        QVERIFY2((CountOf(image, cell, Rim) > 0) == marked, where);
        // The fill stays around the dot: the cell's corner inside its edges.
        QVERIFY2(PixelAt(rig.Window(), cell.left(), cell.top()) == fill, where);
    }
}

void SolutionDrawing::gridLines()
{
    constexpr int cellSize = 12;
    SolutionRig rig;
    rig.SetPuzzle(7, 7, cellSize);
    rig.Window().chkFouten->setChecked(false);
    rig.Window().chkOntbreken->setChecked(false);
    rig.Open();
    const Form2& window = rig.Window();
    const double ppp = PixelsPerUnit(ScaleUnit::Point);
    auto px = [ppp](double points) { return static_cast<int>(std::nearbyint(points * ppp)); };

    // Outlines in the dark edge colour, a heavy edge left of columns 0 and 5
    // and above rows 0 and 5 only.
    const int mid = px(2.5 * cellSize);
    for (int column : {0, 1, 4, 5, 6}) {
        const int left = px(column * cellSize);
        QCOMPARE(PixelAt(window, left, mid), EdgeGrey);
        QCOMPARE(PixelAt(window, left + 1, mid), column % 5 == 0 ? EdgeGrey : DisplayColour[White]);
        QCOMPARE(PixelAt(window, mid, left + 1), column % 5 == 0 ? EdgeGrey : DisplayColour[White]);
    }
    // The right and bottom edges of the last cells, then the picture's backdrop.
    const int end = px(7 * cellSize);
    QCOMPARE(PixelAt(window, end, mid), EdgeGrey);
    QCOMPARE(PixelAt(window, mid, end), EdgeGrey);
    QCOMPARE(PixelAt(window, window.Picture1->width() - 1, mid), Backdrop);
    QCOMPARE(PixelAt(window, mid, window.Picture1->height() - 1), Backdrop);
}

void SolutionDrawing::staysAsDrawn()
{
    SolutionRig rig;
    rig.Load(QStringLiteral("dot.pbm"), "P1\n4 3\n0 0 0 0\n0 1 0 0\n0 0 0 0\n");
    QVERIFY(rig.boxes.empty());
    rig.Open();
    const int c = rig.state.CellSize;
    const Form2& window = rig.Window();
    QVERIFY(ShowsPicture(window, rig.state));
    auto centreOf = [&](int x, int y) {
        const QPoint centre = CellCentre(x, y, c);
        return PixelAt(window, centre.x(), centre.y());
    };
    QCOMPARE(centreOf(1, 1), LightGrey);
    const QImage before = window.Picture1->Image().copy();

    // The player paints on while the window is open: the picture keeps its marks.
    rig.PaintCell(1, 1, Qt::LeftButton);  // black where black belongs
    rig.PaintCell(2, 0, Qt::LeftButton);  // black on the background
    QCOMPARE(rig.state.PlayerGrid(1, 1), Black + 1);
    QCOMPARE(rig.state.PlayerGrid(2, 0), Black + 1);
    QCOMPARE(window.Picture1->Image(), before);

    // Clicking a check box redraws from the present field.
    QTest::mouseClick(window.chkOntbreken, Qt::LeftButton);
    QVERIFY(!window.chkOntbreken->isChecked());
    QCOMPARE(centreOf(1, 1), DisplayColour[Black]);
    QCOMPARE(centreOf(2, 0), Orange);
    QCOMPARE(centreOf(0, 0), DisplayColour[White]);

    // So does opening it again.
    rig.PaintCell(1, 1, Qt::RightButton);  // white where black belongs
    QCOMPARE(centreOf(1, 1), DisplayColour[Black]);
    rig.Open();
    QCOMPARE(centreOf(1, 1), Orange);

    // And the other check box.
    QTest::mouseClick(window.chkFouten, Qt::LeftButton);
    QVERIFY(!window.chkFouten->isChecked());
    QCOMPARE(centreOf(1, 1), DisplayColour[Black]);
    QCOMPARE(centreOf(2, 0), DisplayColour[White]);
    QTest::mouseClick(window.chkFouten, Qt::LeftButton);
    QCOMPARE(centreOf(1, 1), Orange);
    QVERIFY(ShowsPicture(window, rig.state));
}

QTEST_MAIN(SolutionDrawing)
#include "tst_solution_drawing.moc"
