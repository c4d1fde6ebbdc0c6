// The board: font and cell size fitted to the free area, clues in their
// colours at their places, grid lines, the field's place.
#include "board/Fitting.h"
#include "board/GameFixture.h"

#include <QPushButton>
#include <QtTest>

#include <cmath>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// How clue digits of each colour number must look on the white board.
QRgb ClueInk(int colour)
{
    static const QRgb ink[] = {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(255, 0, 0), Rgb(0, 0, 255),
                               Rgb(192, 192, 0), Rgb(0, 255, 0), Rgb(255, 0, 255), Rgb(0, 192, 192)};
    return ink[colour];
}

// The digits drawn alone at the origin of a scratch surface in the board's
// font: the pixels they must cover on the board, relative to their corner.
QVector<QPoint> InkOf(const Surface& board, const QString& text)
{
    Surface scratch;
    scratch.resize(400, 200);
    scratch.SetScaleUnit(ScaleUnit::Point);
    scratch.SetFontName(QStringLiteral("Arial"));
    scratch.SetFontSize(board.FontSize());
    scratch.SetBackColor(WhiteRgb);
    scratch.Cls();
    scratch.SetForeColor(Rgb(0, 0, 0));
    scratch.Print(text);
    QVector<QPoint> ink;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            if (scratch.GetPixel(x, y) != WhiteRgb)
                ink << QPoint(x, y);
    return ink;
}

// Pixels of the clue that are not in the clue's colour where they should be.
int MisplacedInk(const Surface& board, int length, QRgb colour, float right, float top)
{
    const QString text = QString::number(length);
    const QPoint corner = PixelOf(right - board.TextWidth(text), top);
    const QVector<QPoint> ink = InkOf(board, text);
    if (ink.isEmpty())
        return -1;
    int wrong = 0;
    for (const QPoint& p : ink)
        wrong += board.GetPixel(corner.x() + p.x(), corner.y() + p.y()) != colour;
    return wrong;
}

// Width in pixels of the run of grid pixels from p onwards along one axis.
int GridRun(const Surface& board, QPoint p, QPoint step)
{
    int run = 0;
    while (board.GetPixel(p.x(), p.y()) == GridGrey) {
        ++run;
        p += step;
    }
    return run;
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // The font search on measured widths: strict tests, in single precision,
    // 3 points to spare below, stopping at the first size that does not fit.
    void clueFontSize_data()
    {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<float>("maxWidth");
        QTest::addColumn<float>("maxHeight");
        QTest::addColumn<int>("bump");       // a size whose width is huge, or 0
        QTest::addColumn<int>("expected");
        // Widths are one point per point of font size, unless bumped.
        QTest::newRow("6 does not fit") << 20 << 1 << 120.0f << 1000.0f << 0 << 5;
        QTest::newRow("width equal is too wide") << 10 << 1 << 100.0f << 1000.0f << 0 << 9;
        QTest::newRow("width just above") << 10 << 1 << 100.01f << 1000.0f << 0 << 10;
        QTest::newRow("height keeps 3 spare") << 1 << 10 << 1000.0f << 83.0f << 0 << 7;
        QTest::newRow("height just above") << 1 << 10 << 1000.0f << 83.01f << 0 << 8;
        QTest::newRow("never above 72") << 1 << 1 << 1e6f << 1e6f << 0 << 72;
        QTest::newRow("stops at the first misfit") << 10 << 10 << 500.0f << 500.0f << 8 << 7;
    }

    void clueFontSize()
    {
        QFETCH(int, across);
        QFETCH(int, down);
        QFETCH(float, maxWidth);
        QFETCH(float, maxHeight);
        QFETCH(int, bump);
        QFETCH(int, expected);
        const auto width = [bump](int points) { return points == bump ? 1e5f : static_cast<float>(points); };
        QCOMPARE(ClueFontSize(width, across, down, maxWidth, maxHeight), expected);
    }

    // 3 times the single-precision 100/3 is 100 exactly in single precision,
    // though just below 100 in double: size 6 must not fit.
    void clueFontSizeInSinglePrecision()
    {
        const float third = 100.0f / 3.0f;
        QVERIFY(3.0 * third < 100.0);
        const auto width = [third](int points) { return points == 6 ? third : 1e5f; };
        QCOMPARE(ClueFontSize(width, 3, 1, 100.0f, 1000.0f), 5);
    }

    void cellSize_data()
    {
        QTest::addColumn<float>("widthOfTen");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<float>("maxWidth");
        QTest::addColumn<float>("maxHeight");
        QTest::addColumn<int>("expected");
        QTest::newRow("tie to even down") << 12.5f << 1 << 1 << 1000.0f << 1000.0f << 12;
        QTest::newRow("tie to even up") << 13.5f << 1 << 1 << 1000.0f << 1000.0f << 14;
        QTest::newRow("equal width fits") << 10.0f << 10 << 1 << 100.0f << 1000.0f << 10;
        QTest::newRow("shrinks across") << 10.0f << 10 << 1 << 95.0f << 1000.0f << 9;
        QTest::newRow("equal height fits") << 10.0f << 1 << 20 << 1000.0f << 200.0f << 10;
        QTest::newRow("shrinks down") << 10.0f << 1 << 20 << 1000.0f << 150.0f << 7;
        QTest::newRow("never below 3") << 10.0f << 100 << 100 << 10.0f << 10.0f << 3;
    }

    void cellSize()
    {
        QFETCH(float, widthOfTen);
        QFETCH(int, across);
        QFETCH(int, down);
        QFETCH(float, maxWidth);
        QFETCH(float, maxHeight);
        QFETCH(int, expected);
        QCOMPARE(CellSizeFor(widthOfTen, across, down, maxWidth, maxHeight), expected);
    }

    // A 50 by 50 puzzle in a tiny area: font 5, cells of 3, and a board that
    // overflows the area instead of shrinking further.
    void tinyAreaOverflows()
    {
        Game game(60, 60);
        game.LoadDiagonal(50, 50);
        QCOMPARE(game.form->Picture1->FontSize(), 5.0f);
        QCOMPARE(int(game.state.CellSize), 3);
        const int across = game.state.MaxRowClues + 50;
        const int down = game.state.MaxColClues + 50;
        QCOMPARE(game.form->Picture1->size(), QSize(PixelOf(across * 3 + 2, down * 3).x(), PixelOf(0, down * 3).y()));
        QVERIFY(game.form->Picture1->Width(ScaleUnit::Point) > 60);
    }

    void largeAreaCapsAt72()
    {
        Game game(400, 400);
        game.Load({"k"});
        Surface& board = *game.form->Picture1;
        QCOMPARE(board.FontSize(), 72.0f);
        QCOMPARE(int(game.state.CellSize), static_cast<int>(std::nearbyint(board.TextWidth(QStringLiteral("10 ")))));
    }

    // A small puzzle leaves a white board up to the side panel and the bottom.
    void boardCoversFreeArea()
    {
        Game game(900, 700);
        game.LoadDiagonal(5, 5);
        Surface& board = *game.form->Picture1;
        QCOMPARE(board.size(), QSize(PixelOf(900, 700).x(), PixelOf(900, 700).y()));
        QCOMPARE(board.GetPixel(board.width() - 1, board.height() - 1), WhiteRgb);
        QVERIFY(board.isVisible());
        QVERIFY(game.form->cmdClear->isEnabled());
        QVERIFY(game.form->cmdOplossing->isEnabled());
    }

    // Every clue right-aligned 1 point inside its box, rows 1 point below the
    // row's top line, in its run's colour with yellow and cyan darkened.
    void cluesAtTheirPlacesInTheirColours()
    {
        Game game(900, 700);
        game.Load({"kk.rry.",
                   ".......",
                   "c.bbgm.",
                   "kyyyc.."});
        const PuzzleState& s = game.state;
        QCOMPARE(int(s.MaxRowClues), 4);
        QCOMPARE(int(s.MaxColClues), 3);
        const Surface& board = *game.form->Picture1;
        const int c = s.CellSize;
        const float band = float(s.MaxRowClues * c), top = float(s.MaxColClues * c);
        int checked = 0;
        for (int r = 0; r < s.PuzzleHeight; ++r) {
            const int n = std::max(1, int(s.RowClueCount[r]));
            for (int j = 0; j < n; ++j) {
                const float right = band - float((n - 1 - j) * c) - 1;
                QCOMPARE(MisplacedInk(board, s.RowClueLength(r, j), ClueInk(s.RowClueColour(r, j)), right,
                                      top + float(r * c) + 1), 0);
                ++checked;
            }
        }
        for (int q = 0; q < s.PuzzleWidth; ++q) {
            const int n = std::max(1, int(s.ColClueCount[q]));
            for (int j = 0; j < n; ++j) {
                const float right = band + float((q + 1) * c) - 1;
                QCOMPARE(MisplacedInk(board, s.ColClueLength(q, j), ClueInk(s.ColClueColour(q, j)), right,
                                      top - float((n - j) * c)), 0);
                ++checked;
            }
        }
        QCOMPARE(checked, 11 + 16);

        // Bright yellow and cyan never reach the board.
        int yellow = 0, darkYellow = 0, cyan = 0, darkCyan = 0;
        for (int y = 0; y < board.height(); ++y) {
            for (int x = 0; x < board.width(); ++x) {
                const QRgb p = board.GetPixel(x, y);
                yellow += p == Rgb(255, 255, 0);
                cyan += p == Rgb(0, 255, 255);
                darkYellow += p == Rgb(192, 192, 0);
                darkCyan += p == Rgb(0, 192, 192);
            }
        }
        QCOMPARE(yellow, 0);
        QCOMPARE(cyan, 0);
        QVERIFY(darkYellow > 0);
        QVERIFY(darkCyan > 0);
    }

    // An empty row and an empty column show one black "0" next to the field,
    // and nothing in the other boxes of their band.
    void emptyLinesShowOneZero()
    {
        Game game(900, 700);
        game.Load({"k.k.k.",
                   "......",
                   "kk.kk."});
        const PuzzleState& s = game.state;
        QCOMPARE(int(s.MaxRowClues), 3);
        const Surface& board = *game.form->Picture1;
        const int c = s.CellSize;
        const float band = float(s.MaxRowClues * c), top = float(s.MaxColClues * c);
        QCOMPARE(MisplacedInk(board, 0, Rgb(0, 0, 0), band - 1, top + float(c) + 1), 0);
        QCOMPARE(MisplacedInk(board, 0, Rgb(0, 0, 0), band + float(6 * c) - 1, top - float(c)), 0);
        // The other boxes of row 1 stay white inside their lines.
        for (int k = 1; k < 3; ++k)
            for (float x = band - float((k + 1) * c) + 2; x < band - float(k * c) - 1; x += 0.75f)
                for (float y = top + float(c) + 2; y < top + float(2 * c) - 1; y += 0.75f)
                    QCOMPARE(board.Point(x, y) & 0xFFFFFF, WhiteRgb);
    }

    // Heavy lines at the first, every fifth and the last line, thin ones
    // elsewhere, across the clue bands.
    void heavyLines()
    {
        Game game(900, 700);
        game.LoadDiagonal(12, 7);
        const Surface& board = *game.form->Picture1;
        const int c = game.state.CellSize;
        const float band = float(game.state.MaxRowClues * c), top = float(game.state.MaxColClues * c);
        for (int i = 0; i <= 12; ++i) {
            const QPoint p = PixelOf(band + float(i * c), top / 2);
            const bool heavy = i % 5 == 0 || i == 12;
            QVERIFY2(board.GetPixel(p.x() - 1, p.y()) != GridGrey, qPrintable(QString::number(i)));
            QVERIFY2(heavy ? GridRun(board, p, {1, 0}) >= 2 : GridRun(board, p, {1, 0}) == 1,
                     qPrintable(QString::number(i)));
        }
        for (int i = 0; i <= 7; ++i) {
            const QPoint p = PixelOf(band / 2, top + float(i * c));
            const bool heavy = i % 5 == 0 || i == 7;
            QVERIFY2(board.GetPixel(p.x(), p.y() - 1) != GridGrey, qPrintable(QString::number(i)));
            QVERIFY2(heavy ? GridRun(board, p, {0, 1}) >= 2 : GridRun(board, p, {0, 1}) == 1,
                     qPrintable(QString::number(i)));
        }
        // The corner above the row band and left of the column band stays white.
        QCOMPARE(board.Point(band / 2, top / 2) & 0xFFFFFF, WhiteRgb);
    }

    // The field lies over the cell area: left R×C, top K×C, W×C+1 by H×C+1.
    // Loading larger and smaller pictures in turn leaves nothing of the
    // earlier ones outside the new board.
    void repeatedLayouts()
    {
        Game game(900, 700);
        const QList<QSize> sizes = {{20, 20}, {5, 5}, {50, 50}, {30, 10}, {1, 1}, {10, 30}};
        for (const QSize& size : sizes) {
            game.LoadDiagonal(size.width(), size.height());
            const PuzzleState& s = game.state;
            const int c = s.CellSize;
            const QString what = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            const QPoint corner = PixelOf(float(s.MaxRowClues * c), float(s.MaxColClues * c));
            const QPoint extent = PixelOf(float(size.width() * c + 1), float(size.height() * c + 1));
            QCOMPARE(game.form->HetVeld->geometry(), QRect(corner, QSize(extent.x(), extent.y())));
            QVERIFY2(float((s.MaxRowClues + size.width()) * c) <= 900.0f, qPrintable(what));
            QVERIFY2(float((s.MaxColClues + size.height()) * c) <= 700.0f, qPrintable(what));

            const Surface& board = *game.form->Picture1;
            const QPoint end = PixelOf(float((s.MaxRowClues + size.width()) * c + 1),
                                       float((s.MaxColClues + size.height()) * c + 1));
            int stray = 0;
            for (int y = 0; y < board.height(); ++y)
                for (int x = 0; x < board.width(); ++x)
                    if ((x > end.x() || y > end.y()) && board.GetPixel(x, y) != WhiteRgb)
                        ++stray;
            QVERIFY2(stray == 0, qPrintable(what));
            for (int x = 0; x < size.width(); ++x)
                for (int y = 0; y < size.height(); ++y)
                    QCOMPARE(game.CellMiddle(x, y), game.EmptyColour());
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
