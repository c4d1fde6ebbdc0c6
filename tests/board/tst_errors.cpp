// Show errors: orange dots with a grey rim on wrongly painted cells, darker
// edges on every cell, and a message when nothing is wrong.
#include "play/Painting.h"
#include "support/Game.h"

#include <QPushButton>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

bool Marked(const Game& game, int x, int y)
{
    return CountOf(game.form->HetVeld->Image(), CellRect(x, y, game.state.CellSize), {Orange}) > 0;
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

    // No picture at all, an untouched field, and a field with only right
    // cells: each says there is no error.
    void noErrorsMessage()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Game game;
        game.state.Language = std::uint8_t(language);
        game.form->cmdErrors->click();
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
        QVERIFY(!Marked(game, 1, 1));
    }

    // The dot is half the cell's points across in pixels, ties to even, at
    // least 5, with a one-pixel grey rim around its orange core.
    void markSizes_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("dot");
        QTest::newRow("9: 4.5 rounds to 4, raised to 5") << 9 << 5;
        QTest::newRow("13: 6.5 rounds to even 6") << 13 << 6;
        QTest::newRow("14") << 14 << 7;
    }

    void markSizes()
    {
        QFETCH(int, cellSize);
        QFETCH(int, dot);
        Game game;
        game.LoadDiagonal(6, 6);
        QVERIFY(game.LayoutWithCellSize(cellSize));
        SetCell(*game.form, 1, 1, 2);  // white on black
        game.form->cmdErrors->click();
        QVERIFY(game.boxes.empty());
        const QImage& field = game.form->HetVeld->Image();
        const QRect cell = CellRect(1, 1, cellSize);
        QCOMPARE(WidestRow(field, cell, {Orange}), dot - 2);
        QCOMPARE(WidestRow(field, cell, {Orange, TickGrey}), dot);
        QCOMPARE(game.CellMiddle(1, 1), Orange);
    }

    // White where the picture is black is wrong, white on the background is
    // not, nothing put is never wrong. Every cell's edges turn darker;
    // painting a marked cell again removes its mark and draws its edges in
    // the usual grey, the other marks stay.
    void marksAndEdges()
    {
        Game game;
        game.Load({"kk.....", ".......", "r.r...."});
        SetCell(*game.form, 0, 0, 2);  // white on black: wrong
        SetCell(*game.form, 2, 0, 2);  // white on white: right
        SetCell(*game.form, 0, 2, 1);  // black on red: wrong
        SetCell(*game.form, 1, 1, 4);  // blue on white: wrong
        SetCell(*game.form, 2, 2, 3);  // red on red: right
        game.form->cmdErrors->click();
        QVERIFY(game.boxes.empty());
        const QList<QPoint> wrong{{0, 0}, {0, 2}, {1, 1}};
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 3; ++y)
                QVERIFY2(Marked(game, x, y) == wrong.contains({x, y}), qPrintable(QString("%1,%2").arg(x).arg(y)));
        const Surface& field = *game.form->HetVeld;
        const int c = game.state.CellSize;
        for (int x = 0; x < 7; ++x)
            QCOMPARE(field.GetPixel(PixelOf((x + 0.5) * c, 2 * c).x(), PixelOf(0, 2 * c).y()), EdgeDark);
        QCOMPARE(field.GetPixel(PixelOf(5 * c, 0).x() + 1, PixelOf(0, 1.5 * c).y()), EdgeDark);

        SetCell(*game.form, 0, 0, 1);
        QVERIFY(!Marked(game, 0, 0));
        QCOMPARE(game.CellMiddle(0, 0), Rgb(0, 0, 0));
        QCOMPARE(field.GetPixel(PixelOf(0.5 * c, 0).x(), PixelOf(0, c).y()), GridGrey);
        QVERIFY(Marked(game, 0, 2) && Marked(game, 1, 1));
    }
};

QTEST_MAIN(TestErrors)
#include "tst_errors.moc"
