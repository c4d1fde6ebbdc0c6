// Show errors: orange dots with a grey rim on wrongly painted cells, darker
// edges on every cell, and a message when nothing is wrong.
#include "board/GameFixture.h"
#include "play/Painting.h"

#include <QPushButton>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

constexpr QRgb Orange = Rgb(255, 128, 64);
constexpr QRgb EdgeDark = Rgb(32, 32, 32);

// Pixels of one colour in the row of device pixels through a cell's middle,
// within that cell, and where the first of them lies.
struct Run {
    int first = -1;
    int count = 0;
};

Run RunThroughMiddle(const Game& game, int x, int y, QRgb colour)
{
    const int c = game.state.CellSize;
    const QPoint middle = PixelOf((x + 0.5f) * c, (y + 0.5f) * c);
    const int from = PixelOf(float(x * c), 0).x(), to = PixelOf(float((x + 1) * c), 0).x();
    Run run;
    for (int px = from; px <= to; ++px) {
        if (game.form->HetVeld->GetPixel(px, middle.y()) == colour) {
            if (run.first < 0)
                run.first = px;
            ++run.count;
        }
    }
    return run;
}

}  // namespace

class TestErrors : public QObject {
    Q_OBJECT

private slots:
    void noErrorsMessage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << 0 << "No errors" << "No errors have been made yet.";
        QTest::newRow("Dutch") << 1 << "Geen fouten" << "Er zijn nog geen fouten gemaakt.";
        QTest::newRow("Italian") << 2 << "Nessun errore" << "Nessun errore commesso finora.";
    }

    // An untouched field, a field with only right cells, and no picture at
    // all: each says there is no error.
    void noErrorsMessage()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Game game;
        game.state.Language = std::uint8_t(language);
        game.form->cmdErrors->click();   // before any picture
        game.Load({"k.k", ".r."});
        game.form->cmdErrors->click();
        SetCell(*game.form, 0, 0, 1);
        SetCell(*game.form, 1, 0, 2);
        SetCell(*game.form, 1, 1, 3);
        game.form->cmdErrors->click();
        QCOMPARE(int(game.boxes.size()), 3);
        for (const MsgBoxCall& box : game.boxes) {
            QCOMPARE(box.icon, MsgIcon::Information);
            QCOMPARE(box.title, title);
            QCOMPARE(box.text, text);
        }
        QCOMPARE(RunThroughMiddle(game, 1, 1, Orange).count, 0);
    }

    // The dot is half the cell's points across in pixels, at least 5, with
    // a one-pixel grey rim on each side of its orange core.
    void markSizes_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("dot");
        QTest::newRow("9: 4.5 rounds to 4, raised to 5") << 9 << 5;
        QTest::newRow("14") << 14 << 7;
        QTest::newRow("11: 5.5 rounds to 6") << 11 << 6;
    }

    void markSizes()
    {
        QFETCH(int, cellSize);
        QFETCH(int, dot);
        Game game;
        game.LoadDiagonal(6, 6);
        QVERIFY(game.LayoutWithCellSize(cellSize));
        SetCell(*game.form, 1, 1, 2);    // white on black
        SetCell(*game.form, 2, 1, 1);    // black on white
        SetCell(*game.form, 3, 3, 1);    // right
        game.form->cmdErrors->click();
        QVERIFY(game.boxes.empty());
        for (QPoint wrong : {QPoint(1, 1), QPoint(2, 1)}) {
            const Run core = RunThroughMiddle(game, wrong.x(), wrong.y(), Orange);
            const Run rim = RunThroughMiddle(game, wrong.x(), wrong.y(), TickGrey);
            QCOMPARE(core.count, dot - 2);
            QCOMPARE(rim.count, 2);
            QCOMPARE(rim.first, core.first - 1);
            const QPoint middle = PixelOf((wrong.x() + 0.5f) * cellSize, 0);
            QCOMPARE(core.first, middle.x() - (dot - 2) / 2);
        }
        QCOMPARE(RunThroughMiddle(game, 3, 3, Orange).count, 0);
        QCOMPARE(game.form->HetVeld->GetPixel(PixelOf(3.5f * cellSize, 0).x(), PixelOf(0, 3.5f * cellSize).y()),
                 Rgb(0, 0, 0));
    }

    // White where the picture is black is wrong, white on the background is
    // not, nothing put is never wrong.
    void whatIsWrong()
    {
        Game game;
        game.Load({"kk.", "...", "r.r"});
        SetCell(*game.form, 0, 0, 2);   // white on black: wrong
        SetCell(*game.form, 2, 0, 2);   // white on white: right
        SetCell(*game.form, 0, 2, 1);   // black on red: wrong
        SetCell(*game.form, 1, 1, 4);   // blue on white: wrong
        game.form->cmdErrors->click();
        QVERIFY(game.boxes.empty());
        for (int x = 0; x < 3; ++x) {
            for (int y = 0; y < 3; ++y) {
                const bool wrong = (x == 0 && y == 0) || (x == 0 && y == 2) || (x == 1 && y == 1);
                QVERIFY2((RunThroughMiddle(game, x, y, Orange).count > 0) == wrong,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        QCOMPARE(int(game.state.PlayerGrid(0, 0)), 2);
        QCOMPARE(int(game.state.PuzzleSolved), 0);
    }

    // Every cell's edges turn darker; painting a cell again removes its mark
    // and draws its edges in the usual grey, the other marks stay.
    void edgesAndRepaint()
    {
        Game game;
        game.LoadDiagonal(7, 7);
        const int c = game.state.CellSize;
        SetCell(*game.form, 1, 0, 1);
        SetCell(*game.form, 2, 0, 1);
        game.form->cmdErrors->click();
        const Surface& field = *game.form->HetVeld;
        for (int x = 0; x < 7; ++x) {
            const QPoint edge = PixelOf(x * c + 0.5f * c, float(4 * c));
            QCOMPARE(field.GetPixel(edge.x(), edge.y()), EdgeDark);
        }
        const QPoint heavy = PixelOf(float(5 * c), 3.5f * c);
        QCOMPARE(field.GetPixel(heavy.x() + 1, heavy.y()), EdgeDark);

        SetCell(*game.form, 1, 0, 2);
        QCOMPARE(RunThroughMiddle(game, 1, 0, Orange).count, 0);
        QCOMPARE(game.CellMiddle(1, 0), WhiteRgb);
        QVERIFY(RunThroughMiddle(game, 2, 0, Orange).count > 0);
        const QPoint bottom = PixelOf(1.5f * c, float(c));
        QCOMPARE(field.GetPixel(bottom.x(), bottom.y()), GridGrey);

        // Pressing again draws over the marks for the grid as it is now.
        game.form->cmdErrors->click();
        QCOMPARE(RunThroughMiddle(game, 1, 0, Orange).count, 0);
        QVERIFY(game.boxes.empty());
    }
};

QTEST_MAIN(TestErrors)
#include "tst_errors.moc"
