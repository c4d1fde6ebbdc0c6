// Play as the player meets it: painting, the read-out and the solved message,
// the colour chooser with its pointer lines, and clue ticks, all read back
// from what the screen shows.
#include "play/Painting.h"
#include "support/Game.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

// Swatches 0 to 8 as the tests write them; 0 shows the grey picture put beside the program.
static constexpr QRgb Swatch[] = {Rgb(99, 99, 99), Rgb(0, 0, 0), WhiteRgb, Rgb(255, 0, 0), Rgb(0, 0, 255),
                                  Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(255, 0, 255), Rgb(0, 255, 255)};
static const QString Letters = QStringLiteral("-k.rbygmc?");

// A grey swatch 0 sets an empty cell apart from a white one: the chooser's
// picture, two swatches tall, shows only where no swatch is painted. The board
// fits the window as it opens, so that the screen shows all of it.
static Game::Started StartGame(Game& game)
{
    game.Write("hamworst.dat", "P3 25 50 255" + QByteArray(" 99 99 99").repeated(1250));
    return game.Start(360, 420);
}

// The field as the screen shows it, one letter a cell.
static QStringList Screen(Game& game)
{
    QStringList rows(game.state.PuzzleHeight);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < game.state.PuzzleWidth; ++x)
            rows[y] += Letters[std::find(Swatch, Swatch + 9, ScreenPixel(game.ui->HetVeld, game.CellPixel(x, y)))
                               - Swatch];
    return rows;
}

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    // One game: presses on cell edges, a drag past both corners, moves that
    // paint nothing, the last cell by a drag, the message once, and again
    // after each reset in the language of the moment.
    void paintingStory()
    {
        Game game;
        auto [form, ui] = StartGame(game);
        const QStringList art = {"k.k..k......", ".k.........k"};
        game.Load(art);

        // On a cell's edge the even neighbour takes the press: 1 cell is column 0, 2 and 3 cells column 2.
        const float c = game.state.CellSize;
        for (float x : {c, 2 * c, 3 * c, 3 * c + 0.1f})
            form.HetVeld_MouseDown({1, x, c / 2});
        QCOMPARE(Screen(game), QStringList({"k-kk--------", "------------"}));
        // The paint fills every device pixel of the cell inside its edges:
        // one pixel of outline each side, a heavy one-point top in row 0.
        const QRect three = CellRect(3, 0, int(c));
        const int heavy = DevicePixelOf(0, 1).y() + 1;
        const QRect inside = three.adjusted(1, heavy, -1, -1);
        QCOMPARE(BoundsOf(ui.HetVeld->Image(), three, {0}), inside);
        QCOMPARE(CountOf(ui.HetVeld->Image(), three, {0}), inside.width() * inside.height());
        // A painted cell's outline covers the pixels of both its corners, and none beyond.
        const QRect first = CellRect(0, 0, int(c));
        const auto at = [&](int x, int y) { return ui.HetVeld->GetPixel(x, y) & 0xFFFFFF; };
        QVERIFY(at(first.right(), first.center().y()) == GridLineGrey && at(first.center().x(), first.bottom()) == GridLineGrey);
        QVERIFY(at(first.right() + 1, first.center().y()) == Swatch[0] && at(first.center().x(), first.bottom() + 1) == Swatch[0]);

        // A right drag from (1, 1) beyond the top-left corner, then just past
        // the bottom-right one, paints the corners and nothing on the way; the
        // read-out grows to the left.
        const QRect readOut = ui.Positie->geometry();
        SendMouse(ui.HetVeld, QEvent::MouseButtonPress, game.CellPixel(1, 1), Qt::RightButton);
        SendMouse(ui.HetVeld, QEvent::MouseMove, PixelOf(-c, -c), Qt::RightButton);
        QCOMPARE(ui.Positie->text(), " 1, 1");
        SendMouse(ui.HetVeld, QEvent::MouseMove, PixelOf(12.2 * c, 2.2 * c), Qt::RightButton);
        QCOMPARE(Screen(game), QStringList({".-kk--------", "-.---------."}));
        QCOMPARE(ui.Positie->text(), " 12, 2");
        QVERIFY(ui.Positie->geometry().right() == readOut.right() && ui.Positie->width() > readOut.width());

        // Every black cell, which solves nothing while white cells are empty;
        // the last one taken back. Then all but the last cell by clicks, white
        // ones too. With the last one put right without the mouse, no button,
        // both or the middle one neither paint nor run the solved test.
        for (int i = 0; i < 24; ++i)
            if (art[i / 12][i % 12] == 'k')
                game.ClickCell(i % 12, i / 12);
        SetCell(game.state, ui.Board(), 11, 1, 0);
        for (int i = 0; i < 23; ++i)
            game.ClickCell(i % 12, i / 12, art[i / 12][i % 12] == 'k' ? Qt::LeftButton : Qt::RightButton);
        SetCell(game.state, ui.Board(), 11, 1, 1);
        const Qt::MouseButtons idle[] = {Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::MiddleButton};
        for (int x = 0; x < 6; ++x)
            SendMouse(ui.HetVeld, QEvent::MouseMove, game.CellPixel(x, 0), idle[x / 2]);
        QCOMPARE(ui.Positie->text(), " 6, 1");
        QCOMPARE(Screen(game), art);
        QVERIFY(game.boxes.empty());

        // A left drag from (1, 1) straight to the last cell solves; spoilt
        // and mended says nothing more.
        SetCell(game.state, ui.Board(), 11, 1, 0);
        SendMouse(ui.HetVeld, QEvent::MouseButtonPress, game.CellPixel(1, 1), Qt::LeftButton);
        SendMouse(ui.HetVeld, QEvent::MouseMove, game.CellPixel(11, 1), Qt::LeftButton);
        QCOMPARE(int(game.boxes.size()), 1);
        game.ClickCell(11, 1, Qt::RightButton);
        game.ClickCell(11, 1, Qt::LeftButton);
        for (int language = 1; language < 3; ++language) {
            ui.cmdClear->click();
            game.state.Language = std::uint8_t(language);
            for (int i = 0; i < 24; ++i)
                game.ClickCell(i % 12, i / 12, art[i / 12][i % 12] == 'k' ? Qt::LeftButton : Qt::RightButton);
        }
        QStringList said;
        for (const MsgBoxCall& box : game.boxes)
            said << box.title << box.text << (box.icon == MsgIcon::Information ? "i" : "?");
        QCOMPARE(said, QStringList({"Puzzle solved", "You have solved the puzzle.", "i",  // English, Dutch, Italian
                                    "Puzzel opgelost", "U heeft de puzzel opgelost.", "i",
                                    "Puzzle risolto", "Hai risolto il puzzle.", "i"}));
    }

    // Chooser presses (then a move with the buttons held) in pixels from its
    // top, and what the left and the right button paint after; each button's
    // line crosses its swatch's middle, with its picture centred on the line.
    // A real press where the left line crosses the chooser reaches the
    // chooser; a reset gives back black and white.
    // The chooser's pixels are device pixels: at 200 % its swatches are 50
    // of them high, and the ties of rounding lie elsewhere.
    void chooser()
    {
        const struct { int buttons; float from, to; const char* picture; QString paint; bool tie = false; } rows[] = {
            {1, 140, 140, "kr", "y."}, {1, 0, 0, "kr", "-."}, {1, 224, 224, "kr", "c."},  // any row of a swatch
            {1, 24.5, 24.5, "kr", "-.", true}, {2, 24.6f, 24.6f, "kr", "kk", true},  // ties to even
            {1, 49.5, 49.5, "kr", "..", true}, {2, 30, 110, "kr", "kb"}, {3, 110, 110, "kr", "k."},  // a drag; both
            {4, 110, 110, "kr", "k."}, {1, 225, 225, "kr", "k."}, {1, -0.5, -0.5, "kr", "k."},        // middle
            {1, 74, 74, "k.", ".."}, {1, 75, 75, "k.", "k."}};
        const float r = float(Ratio());
        for (const auto& row : rows) {
            if (row.tie && r != 1)
                continue;
            Game game;
            auto [form, ui] = StartGame(game);
            game.LoadFile("two", PictureFile({row.picture}));  // three swatches, or nine
            form.KiezerL_MouseDown({row.buttons, 24 * r, row.from * r});
            form.KiezerL_MouseMove({row.buttons, 24 * r, row.to * r});
            game.ClickCell(0, 0, Qt::LeftButton);
            game.ClickCell(1, 0, Qt::RightButton);
            QCOMPARE(Screen(game)[0], row.paint);
            for (int button = 0; button < 2; ++button) {
                QList<int> line;  // black rows left of the chooser, or right of it
                for (int y = -16; y < 241; ++y)
                    if (ScreenPixel(ui.KiezerL, {button ? 28 : -6, y}) == 0)
                        line << y;
                QVERIFY(line.size() == 1 && qAbs(line[0] - 25 * Letters.indexOf(row.paint[button]) - 12.5) < 1);
                const QLabel* picture = button ? ui.MuisR : ui.MuisL;
                QVERIFY(qAbs(picture->y() + picture->height() / 2 - ui.KiezerL->y() - line[0]) <= 1);
            }
            const QPoint at(ui.KiezerL->x() + 2, ui.LijnL->geometry().center().y());
            QVERIFY(ui.LijnL->geometry().contains(at) && ui.KiezerL->geometry().contains(at));
            const QPoint press = ui.KiezerL->parentWidget()->mapTo(&form, at);
            QTest::mousePress(form.windowHandle(), Qt::RightButton, {}, press);
            QTest::mouseRelease(form.windowHandle(), Qt::RightButton, {}, press);
            QCOMPARE(int(game.state.ButtonColour[1]), Letters.indexOf(row.paint[0]));
            ui.cmdClear->click();
            QVERIFY(game.state.ButtonColour[0] == 1 && game.state.ButtonColour[1] == 2);
        }
    }

    // Clues, farthest to nearest the field: rows 1 2 1, "0", 3 2, 1; columns
    // 1 1 1, 1, 1 1, 1, 1, 1 1. A press at a place (in cells from the field's
    // corner) ticks a box (in cells; (0, 0) for none): its white, and only
    // that, turns grey on the screen; moving on with the button held ticks
    // nothing more; a second press gives the board back. The hand shows over
    // clues whatever the buttons. Clues of rows and columns first, then the
    // field's left and top edges, then places without a clue.
    void clueTicks()
    {
        const Qt::MouseButtons L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton;
        const struct { QPointF press; Qt::MouseButtons buttons; QPoint box; bool hand; } rows[] = {
            {{-0.5, 0.5}, L, {-1, 0}, true}, {{-2.9, 0.1}, R, {-3, 0}, true}, {{-0.2, 3.8}, L, {-1, 3}, true},
            {{0.5, -2.5}, R, {0, -3}, true}, {{5.5, -0.5}, L, {5, -1}, true}, {{-0.5, 0.5}, L | R, {}, true},
            {{-1.5, 2.5}, M, {}, true}, {{0, -0.5}, L, {0, -1}, true}, {{-0.5, 0}, R, {-1, 0}, true},
            {{-2.5, 2.5}, L, {}, false}, {{-0.5, 1.5}, L, {}, false}, {{-0.5, 4.5}, L, {}, false},
            {{6.5, -0.5}, L, {}, false}, {{-0.5, -0.5}, L, {}, false}, {{0.5, 0}, L, {}, false}};
        for (const auto& row : rows) {
            Game game;
            StartGame(game);
            Surface* board = game.ui->Picture1;
            game.Load({"k.kk.k", "......", "rrr.bb", "k....."});
            const float c = game.state.CellSize, left = game.FieldLeft(), top = game.FieldTop();
            const auto at = [&](QPointF p) { return PixelOf(left + p.x() * c, top + p.y() * c); };
            const auto pixel = [&](QPointF p) { return DevicePixelOf(left + p.x() * c, top + p.y() * c); };
            const QImage before = board->Image().copy();
            QImage ticked = before.copy();
            QPoint probe;
            for (int y = pixel(row.box).y(); y < pixel(row.box + QPointF(1, 1)).y() && row.box != QPoint(); ++y)
                for (int x = pixel(row.box).x(); x < pixel(row.box + QPointF(1, 1)).x(); ++x)
                    if ((before.pixel(x, y) & 0xFFFFFF) == WhiteRgb)
                        ticked.setPixel(probe = QPoint(x, y), TickGrey);

            SendMouse(board, QEvent::MouseMove, at(row.press), row.buttons);
            QCOMPARE(board->cursor().shape(), row.hand ? Qt::BitmapCursor : Qt::ArrowCursor);
            SendMouse(board, QEvent::MouseButtonPress, at(row.press), row.buttons);
            SendMouse(board, QEvent::MouseMove, at({-1.5, 0.5}), row.buttons);
            QCOMPARE(board->Image(), ticked);
            QCOMPARE(ScreenDevicePixel(board, probe), ticked.pixel(probe) & 0xFFFFFF);
            SendMouse(board, QEvent::MouseButtonPress, at(row.press), row.buttons);
            QCOMPARE(board->Image(), before);
            QCOMPARE(ScreenDevicePixel(board, probe), before.pixel(probe) & 0xFFFFFF);
            SendMouse(board, QEvent::MouseMove, at({-0.5, -0.5}), Qt::NoButton);
            QCOMPARE(board->cursor().shape(), Qt::ArrowCursor);
        }
    }

    // A tick greys the box's pixels above 240 in red, green and blue, and
    // whitens those less than 14 from the tick grey in each; others stay.
    void tickThresholds()
    {
        const QRgb planted[] = {Rgb(241, 241, 241), Rgb(240, 255, 255), Rgb(255, 240, 255), Rgb(255, 255, 240),
                                Rgb(141, 115, 141), Rgb(142, 128, 128), Rgb(128, 114, 128), Rgb(128, 128, 142)};
        Game game;
        StartGame(game);
        game.Load({"k"});
        Surface* board = game.ui->Picture1;
        const float c = game.state.CellSize, left = game.FieldLeft(), top = game.FieldTop();
        const QPoint at = DevicePixelOf(left - c, top) + QPoint(2, 2);
        for (int i = 0; i < 8; ++i)
            board->SetPixel(at.x() + i, at.y(), planted[i]);
        SendMouse(board, QEvent::MouseButtonPress, PixelOf(left - c / 2, top + c / 2), Qt::LeftButton);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(board->GetPixel(at.x() + i, at.y()) & 0xFFFFFF, i == 0 ? TickGrey : i == 4 ? WhiteRgb : planted[i]);
    }

    // The window moves to a second screen at twice the first one's pixel
    // ratio: the cells, the tick and the error dots stay as they were, while
    // the left mouse picture and the pointers of the field and the clues take
    // the new pixels; painting and ticking go on, Reset removes the ticks, and
    // the next puzzle is drawn at the new ratio.
    void screenChange()
    {
        QVERIFY(QGuiApplication::screens().size() > 1);  // as both test set-ups give
        Game game;
        game.Write("mouse1.dat", PictureFile({"k."}));
        auto [form, ui] = StartGame(game);
        game.Load({"k.k", "rk.", "..b"});
        Surface& board = *ui.Picture1;
        Surface& field = *ui.HetVeld;
        const auto clue = [&](int row) { return PixelOf(game.FieldLeft() - 0.5 * game.state.CellSize,
                                                        game.FieldTop() + (row + 0.5) * game.state.CellSize); };
        game.ClickCell(0, 0);
        game.ClickCell(1, 0);  // wrong
        QTest::mouseClick(&board, Qt::LeftButton, {}, clue(0));
        ui.cmdErrors->click();
        const Grid work = game.state.PlayerGrid;
        const QImage boardBefore = board.Image().copy(), fieldBefore = field.Image().copy();

        form.windowHandle()->setScreen(QGuiApplication::screens().at(1));
        QApplication::processEvents();
        QVERIFY(field.devicePixelRatioF() == 2 * Ratio() && field.PixelRatio() == Ratio());
        QVERIFY(game.state.PlayerGrid.cells == work.cells && board.Image() == boardBefore && field.Image() == fieldBefore);
        SendMouse(&board, QEvent::MouseMove, clue(1), Qt::NoButton);
        QVERIFY(ui.MuisL->pixmap().devicePixelRatio() == 2 * Ratio() && field.cursor().pixmap().devicePixelRatio() == 2
                && board.cursor().pixmap().devicePixelRatio() == 2);
        game.ClickCell(2, 0);
        QTest::mouseClick(&board, Qt::LeftButton, {}, clue(1));
        QVERIFY(game.state.PlayerGrid(2, 0) == 1 && game.CellMiddle(2, 0) == 0);
        const QPoint boxCorner = DevicePixelOf(game.FieldLeft() - 0.8 * game.state.CellSize,
                                               game.FieldTop() + 1.2 * game.state.CellSize);
        QCOMPARE(board.GetPixel(boxCorner.x(), boxCorner.y()), TickGrey);
        ui.cmdClear->click();
        QCOMPARE(CountOf(board.Image(), board.Image().rect(), {TickGrey}), 0);

        game.Load({"kk", ".r"});
        QVERIFY(board.PixelRatio() == 2 * Ratio() && field.PixelRatio() == 2 * Ratio());
        // Seen in its height, which every board fills: a narrower one keeps the image beyond it.
        QCOMPARE(board.Image().height(), board.PixelSize().height());
        QVERIFY(game.Playable());
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
