// The board: font and cell size fitted to the free area, clues in their
// colours at their places, grid lines, the field's place.
#include "board/Fitting.h"
#include "support/Game.h"

#include <QPushButton>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// The pixels of the clue's digits on the board that are not in its colour:
// the digits are drawn alone on a scratch surface in the board's font and
// laid over the board with their right edge at `right`.
int MisplacedInk(const Surface& board, int length, QRgb colour, float right, float top)
{
    const QString text = QString::number(length);
    Surface scratch;
    scratch.resize(400, 200);
    scratch.SetScaleUnit(ScaleUnit::Point);
    scratch.SetFontName(QStringLiteral("Arial"));
    scratch.SetFontSize(board.FontSize());
    scratch.Cls();
    scratch.Print(text);
    const QPoint corner = PixelOf(right - board.TextWidth(text), top);
    int ink = 0, wrong = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (scratch.GetPixel(x, y) != WhiteRgb) {
                ++ink;
                wrong += board.GetPixel(corner.x() + x, corner.y() + y) != colour;
            }
        }
    }
    return ink > 0 ? wrong : -1;
}

// Width in pixels of the run of grid pixels from p onwards along one axis.
int GridRun(const Surface& board, QPoint p, QPoint step)
{
    int run = 0;
    for (; board.GetPixel(p.x(), p.y()) == GridGrey; p += step)
        ++run;
    return run;
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // The font search on measured widths: strict tests, 3 points to spare
    // below, stopping at the first size that does not fit.
    void clueFontSize_data()
    {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<float>("maxWidth");
        QTest::addColumn<float>("maxHeight");
        QTest::addColumn<int>("bump");  // a size whose width is huge, or 0
        QTest::addColumn<int>("expected");
        // Widths are one point per point of font size, unless bumped.
        QTest::newRow("6 does not fit") << 20 << 1 << 120.0f << 1000.0f << 0 << 5;
        QTest::newRow("width equal is too wide") << 10 << 1 << 100.0f << 1000.0f << 0 << 9;
        QTest::newRow("height keeps 3 spare") << 1 << 10 << 1000.0f << 83.0f << 0 << 7;
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
        const int across = game.state.MaxRowClues + 50, down = game.state.MaxColClues + 50;
        QCOMPARE(game.form->Picture1->size(), QSize(PixelOf(across * 3 + 2, 0).x(), PixelOf(0, down * 3).y()));
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
    // row's top line, in its run's colour with yellow and cyan darkened; an
    // empty line shows one black "0" next to the field.
    void cluesAtTheirPlacesInTheirColours()
    {
        Game game(900, 700);
        game.Load({"kk.rry.", ".......", "c.bbgm.", "kyyyc.."});
        const PuzzleState& s = game.state;
        QCOMPARE(int(s.MaxRowClues), 4);
        QCOMPARE(int(s.MaxColClues), 3);
        const Surface& board = *game.form->Picture1;
        const QRgb ink[] = {Rgb(0, 0, 0),     WhiteRgb,        Rgb(255, 0, 0),   Rgb(0, 0, 255),
                            Rgb(192, 192, 0), Rgb(0, 255, 0), Rgb(255, 0, 255), Rgb(0, 192, 192)};
        const int c = s.CellSize;
        const float band = float(s.MaxRowClues * c), top = float(s.MaxColClues * c);
        for (int r = 0; r < s.PuzzleHeight; ++r) {
            const int n = std::max(1, int(s.RowClueCount[r]));
            for (int j = 0; j < n; ++j)
                QCOMPARE(MisplacedInk(board, s.RowClueLength(r, j), ink[s.RowClueColour(r, j)],
                                      band - float((n - 1 - j) * c) - 1, top + float(r * c) + 1), 0);
        }
        for (int q = 0; q < s.PuzzleWidth; ++q) {
            const int n = std::max(1, int(s.ColClueCount[q]));
            for (int j = 0; j < n; ++j)
                QCOMPARE(MisplacedInk(board, s.ColClueLength(q, j), ink[s.ColClueColour(q, j)],
                                      band + float((q + 1) * c) - 1, top - float((n - j) * c)), 0);
        }
        // The other boxes of the empty row stay white inside their lines.
        const QRect emptyRow(PixelOf(2, top + c + 2), PixelOf(band - c - 2, top + 2 * c - 2));
        QCOMPARE(CountOf(board.Image(), emptyRow, {WhiteRgb}), emptyRow.width() * emptyRow.height());
        QCOMPARE(CountOf(board.Image(), board.rect(), {Rgb(255, 255, 0), Rgb(0, 255, 255)}), 0);
    }

    // The field lies over the cell area, R×C from the left and K×C from the
    // top, W×C+1 by H×C+1; heavy lines at the first, every fifth and the last
    // line, thin ones elsewhere, across the clue bands. Loading larger and
    // smaller pictures in turn leaves nothing of the earlier ones outside the
    // new board.
    void repeatedLayouts()
    {
        Game game(900, 700);
        for (const QSize& size : {QSize(20, 20), QSize(5, 5), QSize(12, 7)}) {
            game.LoadDiagonal(size.width(), size.height());
            const PuzzleState& s = game.state;
            const int c = s.CellSize;
            const QPoint corner = PixelOf(s.MaxRowClues * c, s.MaxColClues * c);
            const QPoint extent = PixelOf(size.width() * c + 1, size.height() * c + 1);
            QCOMPARE(game.form->HetVeld->geometry(), QRect(corner, QSize(extent.x(), extent.y())));
            QCOMPARE(game.CellMiddle(size.width() - 1, size.height() - 1), game.EmptyColour());

            const Surface& board = *game.form->Picture1;
            const float band = float(s.MaxRowClues * c), top = float(s.MaxColClues * c);
            for (int i = 0; i <= size.width(); ++i) {
                const QPoint p = PixelOf(band + float(i * c), top / 2);
                QVERIFY(board.GetPixel(p.x() - 1, p.y()) != GridGrey);
                QCOMPARE(GridRun(board, p, {1, 0}) >= 2, i % 5 == 0 || i == size.width());
            }
            for (int i = 0; i <= size.height(); ++i) {
                const QPoint p = PixelOf(band / 2, top + float(i * c));
                QVERIFY(board.GetPixel(p.x(), p.y() - 1) != GridGrey);
                QCOMPARE(GridRun(board, p, {0, 1}) >= 2, i % 5 == 0 || i == size.height());
            }
            // The corner above the row band and left of the column band stays white.
            QCOMPARE(board.Point(band / 2, top / 2) & 0xFFFFFF, WhiteRgb);

            const QImage& image = board.Image();
            const QPoint end = PixelOf((s.MaxRowClues + size.width()) * c + 1, (s.MaxColClues + size.height()) * c + 1);
            const QRect right(end.x() + 1, 0, image.width() - end.x() - 1, image.height());
            const QRect below(0, end.y() + 1, end.x() + 1, image.height() - end.y() - 1);
            QCOMPARE(CountOf(image, right, {WhiteRgb}) + CountOf(image, below, {WhiteRgb}),
                     right.width() * right.height() + below.width() * below.height());
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
