// The board as the player sees it: fitted to the free area, the clues in
// their colours in their boxes, heavy lines every fifth cell, Show errors and
// Reset.
#include "support/Game.h"

#include <QPushButton>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

// The clue's ink in its colour inside its box (points) is the ink of the
// number printed right-aligned one point inside the box, `down` points below
// its top. At 96 dpi a point is 4/3 pixels, at 192 dpi 8/3 device pixels.
static void CheckClue(const Surface& board, const QRectF& box, const QString& number, QRgb colour, float down)
{
    Surface text;  // measures in pixels, prints in black
    text.SetFontName(QStringLiteral("Arial"));
    text.SetFontSize(board.FontSize());
    text.Print(number);
    const double ppp = 4.0 / 3 * Ratio();
    const QRect ink = BoundsOf(board.Image(), QRectF(box.topLeft() * ppp, box.size() * ppp).toRect(), {colour});
    const QRect ref = BoundsOf(text.Image(), {0, 0, 200, 100}, {0});
    const QPointF at = (box.topRight() + QPointF(-1, down)) * ppp - QPointF(text.TextWidth(number), 0);
    QVERIFY2(ink.size() == ref.size() && QLineF(at, ink.topLeft() - ref.topLeft()).length() < 0.71, qPrintable(number));
}

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    // The clue font and the cell size for the free area, and the board's size,
    // all in points; each puzzle's first column is black, one clue a line.
    // "10 " in Arial is 16.66 points wide at 12 points, 17.72 at 13, 99.03 at
    // 71 and 100.09 at 72.
    void fitting()
    {
        const struct { QSizeF area; QSize puzzle; int font, cell; QSizeF board; } rows[] = {
            {{60, 60}, {50, 50}, 5, 3, {155, 153}},     // the smallest font and cells, overflowing
            {{300, 300}, {1, 1}, 72, 100, {300, 300}},  // never above 72
            {{300, 203}, {1, 1}, 71, 99, {300, 203}},   // 3 points to spare below
            {{860, 700}, {50, 5}, 12, 16, {860, 700}},  // cells narrowed to fit across
            {{700, 860}, {5, 50}, 12, 16, {700, 860}}}; // cells lowered to fit down
        for (const auto& r : rows) {
            Game game;
            const Controls& ui = game.Start(float(r.area.width()), float(r.area.height())).ui;
            game.Load(QStringList(r.puzzle.height(), "k" + QString(r.puzzle.width() - 1, '.')));
            QCOMPARE(QSize(int(ui.Picture1->FontSize()), game.state.CellSize), QSize(r.font, r.cell));
            QCOMPARE(ui.Picture1->rect().bottomRight(), PixelOf(r.board.width(), r.board.height()) - QPoint(1, 1));
        }
    }

    // A 12 by 7 picture in cells of 15 points, 20 pixels.
    void cluesAndLines()
    {
        Game game;
        game.Start();
        game.Load({"kkkkkkkkkk..", ".rbygmc", "", "yy.cc......k", "k", "m......rrr.r", "bb.b"});
        QVERIFY(game.LayoutWithCellSize(15));
        const PuzzleState& s = game.state;
        const Surface& board = *game.ui->Picture1;
        const float c = 15, left = s.MaxRowClues * c, top = s.MaxColClues * c;
        QCOMPARE(game.ui->HetVeld->geometry(), QRect(PixelOf(left, top), PixelOf(left + 12 * c, top + 7 * c)));
        // Yellow and cyan are darkened on the white board; an empty line shows a black "0".
        const auto ink = [](int k) { return k == Yellow ? 0xC0C000u : k == Cyan ? 0x00C0C0u : DisplayColour[k]; };
        for (int r = 0; r < 7; ++r)
            for (int j = 0, n = std::max(1, int(s.RowClueCount[r])); j < n; ++j)
                CheckClue(board, {left - (n - j) * c, top + r * c, c, c}, QString::number(s.RowClueLength(r, j)),
                          ink(s.RowClueColour(r, j)), 1);
        for (int q = 0; q < 12; ++q)
            for (int j = 0, n = std::max(1, int(s.ColClueCount[q])); j < n; ++j)
                CheckClue(board, {left + q * c, top - (n - j) * c, c, c}, QString::number(s.ColClueLength(q, j)),
                          ink(s.ColClueColour(q, j)), 0);
        // Grid lines one point wide (both its edges' pixels: 2 at 96 dpi, 4 at
        // 192) at the first, every fifth and the last line, one pixel
        // elsewhere; on the field, the cells' edges alike.
        const auto grey = [](const QImage& image, QPoint p, QSize run) { return CountOf(image, {p, run}, {GridLineGrey}); };
        const int heavy = DevicePixelOf(1, 0).x() + 1, r = int(Ratio());
        const auto width = [heavy](int i, int last) { return i % 5 && i != last ? 1 : heavy; };
        for (int i = 0; i <= 12; ++i) {
            QCOMPARE(grey(board.Image(), DevicePixelOf(left + i * c, top / 2), {3 * r, 1}), width(i, 12));
            QCOMPARE(grey(board.Image(), DevicePixelOf(left / 2, top + i % 8 * c), {1, 3 * r}), width(i % 8, 7));
            QCOMPARE(grey(game.ui->HetVeld->Image(), DevicePixelOf(i % 12 * c, c / 2), {3 * r, 1}), width(i % 12, 12));
            QCOMPARE(grey(game.ui->HetVeld->Image(), DevicePixelOf(c / 2, i % 7 * c), {1, 3 * r}), width(i % 7, 7));
        }

        // As the window shows it, with the field on whole logical pixels
        // wherever its points fall: thin lines one device pixel wide, the
        // heavy ones, the field's edges among them, within one of each other;
        // at 150 % and 200 % the band's lines meet the field's without a step.
        for (const float side : {307.f, 331.f, 347.f, 389.f}) {
            game.state.MaxSizerLeft = game.state.MaxSizerBottomTop = side;
            game.form->LayoutBoard();
            const QImage shot = game.form->grab().toImage();
            const Surface& shown = *game.ui->HetVeld;
            const QRect field(shown.mapTo(game.form.get(), QPoint(0, 0)) * Ratio(), shown.PixelSize());
            const int inCell = DevicePixelOf(s.CellSize / 2.0, 0).x();
            const auto lines = [&](QPoint from, QPoint step) {
                std::vector<QPoint> found;  // start and width of each run of grey
                for (QPoint p = from; shot.valid(p); p += step)
                    if ((shot.pixel(p) & 0xFFFFFF) != GridLineGrey)
                        continue;
                    else if (!found.empty() && found.back().x() + found.back().y() == QPoint::dotProduct(p, step))
                        found.back().ry()++;
                    else
                        found.push_back({QPoint::dotProduct(p, step), 1});
                return found;
            };
            const auto across = lines({field.left() - 9, field.top() + inCell}, {1, 0});
            const auto down = lines({field.left() + inCell, field.top() - 9}, {0, 1});
            QVERIFY(across.size() == 13 && down.size() == 8);
            std::vector<int> heavy;
            for (int i = 0; i < 21; ++i) {
                const int at = i < 13 ? across[i].y() : down[i - 13].y(), last = i < 13 ? 12 : 7;
                if (width(i % 13, last) == 1)
                    QCOMPARE(at, 1);
                else
                    heavy.push_back(at);
            }
            QVERIFY(*std::max_element(heavy.begin(), heavy.end()) - *std::min_element(heavy.begin(), heavy.end()) <= 1);
            QVERIFY(Ratio() == 1 || lines({field.left() - inCell, field.top() - 9}, {0, 1}) == down);
        }
    }

    // A game in each language. Two wrong cells get round dots and every edge
    // turns dark, without a word; once mended the dots go, and with only right
    // cells left the next press says that no errors have been made yet. Then,
    // with the clues next to the field ticked, Reset gives the very board and
    // field of the fresh layout, on the screen too; grey outside the clue
    // bands stays, and so do cells beyond the puzzle. At 200 % the dots keep
    // their sizes in device pixels.
    void errorsAndReset()
    {
        const struct { int cell, dot; QString title, text; } languages[] = {
            {8, 5, "No errors", "No errors have been made yet."},        // 4, raised to 5
            {13, 6, "Geen fouten", "Er zijn nog geen fouten gemaakt."},  // 6.5 to even 6
            {14, 7, "Nessun errore", "Nessun errore commesso finora."}};
        for (int language = 0; language < 3; ++language) {
            const auto& [c, dot, title, text] = languages[language];
            Game game;
            const Controls& ui = game.Start().ui;
            game.state.Language = std::uint8_t(language);
            game.Load({"k.r.y", "kk.bb", "r.k.k", ".....", "yy.y."});
            QVERIFY(game.LayoutWithCellSize(c));
            Surface& board = *ui.Picture1;
            const QRect field = ui.HetVeld->geometry();
            const QRect pixels(field.topLeft() * Ratio(), field.size() * Ratio());
            for (const QPoint p : {pixels.topLeft(), pixels.topRight() + QPoint(2, 0), pixels.bottomLeft() + QPoint(0, 2)})
                board.SetPixel(p.x() - 1, p.y() - 1, TickGrey);
            const QImage freshBoard = board.Image().copy(), freshField = ui.HetVeld->Image().copy();

            game.ClickCell(0, 0);
            game.ClickCell(1, 1, Qt::RightButton);  // white where black belongs
            game.ClickCell(1, 0);                   // black on the background
            ui.cmdErrors->click();
            const QImage& image = ui.HetVeld->Image();
            const QRect all(QPoint(0, 0), DevicePixelOf(5 * c, 5 * c));
            QVERIFY(game.boxes.empty() && IsRoundDot(image, CellRect(1, 1, c), Orange, dot));
            QCOMPARE(BoundsOf(image, all, {Orange}), BoundsOf(image, CellRect(1, 0, c) | CellRect(1, 1, c), {Orange}));
            QVERIFY(CountOf(image, all, {GridLineGrey}) == 0 && CountOf(image, all, {EdgeDark}) > 0);
            game.ClickCell(1, 1);
            QCOMPARE(game.CellMiddle(1, 0), Orange);
            game.ClickCell(1, 0, Qt::RightButton);
            game.state.PlayerGrid(5, 0) = game.state.PlayerGrid(0, 5) = 3;  // beyond the puzzle: not counted
            ui.cmdErrors->click();
            QVERIFY(game.boxes.size() == 1 && game.boxes[0].icon == MsgIcon::Information);
            QCOMPARE(game.boxes[0].title + '|' + game.boxes[0].text, title + '|' + text);

            const QPoint middle = field.topLeft() + game.CellPixel(4, 1);
            const QPoint rowEnd(field.left() - 1, middle.y()), columnEnd(middle.x(), field.top() - 1);
            QTest::mouseClick(&board, Qt::LeftButton, {}, rowEnd - QPoint(4, 0));     // the last clue of row 1
            QTest::mouseClick(&board, Qt::LeftButton, {}, columnEnd - QPoint(0, 4));  // the last of column 4
            QVERIFY(ScreenPixel(&board, rowEnd) == TickGrey && ScreenPixel(&board, columnEnd) == TickGrey);
            ui.cmdClear->click();
            QCOMPARE(board.Image(), freshBoard);
            QVERIFY(ScreenPixel(&board, rowEnd) == WhiteRgb && ScreenPixel(&board, columnEnd) == WhiteRgb);
            QCOMPARE(ui.HetVeld->Image(), freshField);
            QCOMPARE(ArtOf(game.state.PlayerGrid, 6, 6).join(""), "kkkkkb" + QString(24, 'k') + "bkkkkk");
        }
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
