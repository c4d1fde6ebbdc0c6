// The colour chooser: its swatches are the palette, a press or drag with the
// left or the right button gives that button a swatch, and the mouse picture
// and its line follow.
#include "support/Game.h"

#include <QLabel>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

constexpr int Side = 25;  // the chooser's width in pixels: 375 twips

QRgb ChooserPixel(const Game& game, int x, int y) { return game.form->KiezerL->GetPixel(x, y); }

// Left on black and right on white, each picture centred on its line.
void CheckDefaultChoice(const Game& game)
{
    QCOMPARE(int(game.state.ButtonColour[0]), 1);
    QCOMPARE(int(game.state.ButtonColour[1]), 2);
    QCOMPARE(game.form->LijnL->Y1(), 802.5f);
    QCOMPARE(game.form->LijnR->Y2(), 1177.5f);
    QCOMPARE(game.form->MuisL->y(), 36);
    QCOMPARE(game.form->MuisR->y(), 60);
}

}  // namespace

class TestChooser : public QObject {
    Q_OBJECT

private slots:
    // Swatches 1 to 8 are the palette; with no picture beside the program
    // swatch 0 is the white background.
    void swatchesPainted()
    {
        Game game;
        const QImage& chooser = game.form->KiezerL->Image();
        QCOMPARE(chooser.width(), Side);
        for (int k = 0; k <= 8; ++k)
            QCOMPARE(CountOf(chooser, QRect(0, k * Side, Side, Side), {k == 0 ? WhiteRgb : DisplayColour[k - 1]}),
                     Side * Side);
        CheckDefaultChoice(game);
    }

    // The background picture shows in swatch 0, and an empty cell takes its colour.
    void backgroundPicture()
    {
        Game game(900, 700, qEnvironmentVariable("GRIZZET_SOURCE_DIR") + "/assets/hamworst.png");
        QCOMPARE(ChooserPixel(game, 1, 1), Rgb(232, 232, 232));
        QCOMPARE(ChooserPixel(game, 1, Side + 1), Rgb(0, 0, 0));
        game.LoadDiagonal(3, 3);
        QCOMPARE(game.CellMiddle(1, 2), Rgb(232, 232, 232));
    }

    // A file that does not decode is no picture at all.
    void undecodablePictureIsAbsent()
    {
        QTemporaryDir scratch;
        WriteFile(scratch.filePath("garbage"), "GIF89a this is not a picture");
        Game game(900, 700, scratch.filePath("garbage"));
        QCOMPARE(ChooserPixel(game, 1, 1), WhiteRgb);
        QCOMPARE(ChooserPixel(game, 1, 3 * Side + 1), Rgb(255, 0, 0));
    }

    // Any press in a swatch's row picks it, whatever its X; the line goes to
    // the swatch's middle, (n + 0.5) × 25 pixels of 15 twips below the
    // chooser's top at 240 twips, and the picture's 36 pixels centre on it.
    // The other button keeps its colour, picture and line.
    void pressPicksSwatch_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<float>("line");
        QTest::addColumn<int>("pictureTop");
        QTest::newRow("left 0, its last row") << 1 << QPoint(20, 24) << 0 << 427.5f << 10;
        QTest::newRow("left 1, its first row") << 1 << QPoint(0, 25) << 1 << 802.5f << 36;
        QTest::newRow("left 5") << 1 << QPoint(12, 140) << 5 << 2302.5f << 136;
        QTest::newRow("left 8") << 1 << QPoint(24, 224) << 8 << 3427.5f << 210;
        QTest::newRow("right 4") << 2 << QPoint(5, 110) << 4 << 1927.5f << 110;
    }

    void pressPicksSwatch()
    {
        QFETCH(int, button);
        QFETCH(QPoint, pos);
        QFETCH(int, swatch);
        QFETCH(float, line);
        QFETCH(int, pictureTop);
        Game game;
        QTest::mousePress(game.form->KiezerL, button == 1 ? Qt::LeftButton : Qt::RightButton, {}, pos);
        const bool left = button == 1;
        QCOMPARE(int(game.state.ButtonColour[button - 1]), swatch);
        QCOMPARE((left ? game.form->LijnL : game.form->LijnR)->Y1(), line);
        QCOMPARE((left ? game.form->LijnL : game.form->LijnR)->Y2(), line);
        QCOMPARE((left ? game.form->MuisL : game.form->MuisR)->pos(), QPoint(left ? 8 : 88, pictureTop));
        QCOMPARE(int(game.state.ButtonColour[2 - button]), 3 - button);
        QCOMPARE((left ? game.form->LijnR : game.form->LijnL)->Y1(), left ? 1177.5f : 802.5f);
        QCOMPARE((left ? game.form->MuisR : game.form->MuisL)->y(), left ? 60 : 36);
    }

    // The swatch is the rounded Y divided by the rounded side, dropping the
    // fraction; both buttons, the middle one, or a place outside the
    // chooser's present height change nothing.
    void pressesAtTheEdges_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("swatches");  // the chooser's height
        QTest::addColumn<int>("left");      // the left button's swatch after
        QTest::newRow("24.5 ties to 24") << 1 << 24.5f << 9 << 0;
        QTest::newRow("24.6") << 1 << 24.6f << 9 << 1;
        QTest::newRow("49.5 ties to 50") << 1 << 49.5f << 9 << 2;
        QTest::newRow("224.9, inside, rounds beyond the last") << 1 << 224.9f << 9 << 9;
        QTest::newRow("at the height") << 1 << 225.0f << 9 << 1;
        QTest::newRow("above") << 1 << -0.5f << 9 << 1;
        QTest::newRow("three swatches, below them") << 1 << 80.0f << 3 << 1;
        QTest::newRow("three swatches, the last") << 1 << 74.0f << 3 << 2;
        QTest::newRow("both buttons") << 3 << 110.0f << 9 << 1;
        QTest::newRow("middle") << 4 << 110.0f << 9 << 1;
    }

    void pressesAtTheEdges()
    {
        QFETCH(int, buttons);
        QFETCH(float, y);
        QFETCH(int, swatches);
        QFETCH(int, left);
        Game game;
        game.form->KiezerL->resize(Side, swatches * Side);
        game.form->KiezerL_MouseDown({buttons, 0, 7, y});
        game.form->KiezerL_MouseMove({buttons, 0, 7, y});
        QCOMPARE(int(game.state.ButtonColour[0]), left);
        QCOMPARE(int(game.state.ButtonColour[1]), 2);
    }

    // Dragging with a button held keeps choosing; moving without one does not.
    void dragKeepsChoosing()
    {
        Game game;
        QWidget* chooser = game.form->KiezerL;
        QTest::mousePress(chooser, Qt::RightButton, {}, {10, 30});
        QCOMPARE(int(game.state.ButtonColour[1]), 1);
        for (int y = 40; y <= 110; y += 10)
            MoveWithButtons(chooser, {10, y}, Qt::RightButton);
        QCOMPARE(int(game.state.ButtonColour[1]), 4);
        QCOMPARE(game.form->LijnR->Y1(), 1927.5f);
        QTest::mouseRelease(chooser, Qt::RightButton, {}, {10, 110});
        MoveWithButtons(chooser, {10, 200}, Qt::NoButton);
        QCOMPARE(int(game.state.ButtonColour[1]), 4);
        QCOMPARE(int(game.state.ButtonColour[0]), 1);
    }

    // Left on black and right on white again, whatever was chosen.
    void kiezerSetRestores()
    {
        Game game;
        game.form->KiezerL_MouseDown({1, 0, 0, 200});
        game.form->KiezerL_MouseDown({2, 0, 0, 10});
        game.form->KiezerSet();
        CheckDefaultChoice(game);
    }
};

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
