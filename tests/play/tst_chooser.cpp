// The colour chooser: its swatches are the palette, a press or drag with the
// left or the right button gives that button a swatch, and the mouse picture
// and its line follow.
#include "board/GameFixture.h"

#include <QLabel>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

constexpr int Side = 25;  // the chooser's width in pixels: 375 twips

QString Asset(const char* name)
{
    return qEnvironmentVariable("GRIZZET_SOURCE_DIR") + QStringLiteral("/assets/") + QLatin1String(name);
}

QRgb ChooserPixel(const Game& game, int x, int y) { return game.form->KiezerL->GetPixel(x, y); }

void Press(QWidget* widget, Qt::MouseButtons buttons, QPoint pos)
{
    QMouseEvent event(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

class TestChooser : public QObject {
    Q_OBJECT

private slots:
    void swatchesPainted()
    {
        Game game;
        const QRgb palette[] = {Rgb(0, 0, 0),     Rgb(255, 255, 255), Rgb(255, 0, 0),   Rgb(0, 0, 255),
                                Rgb(255, 255, 0), Rgb(0, 255, 0),     Rgb(255, 0, 255), Rgb(0, 255, 255)};
        QCOMPARE(game.form->KiezerL->width(), Side);
        for (int k = 1; k <= 8; ++k) {
            for (int y = k * Side; y < (k + 1) * Side; ++y) {
                QCOMPARE(ChooserPixel(game, 0, y), palette[k - 1]);
                QCOMPARE(ChooserPixel(game, Side - 1, y), palette[k - 1]);
            }
        }
        // No picture beside the program: swatch 0 is the white background.
        QCOMPARE(ChooserPixel(game, 1, 1), WhiteRgb);
        QCOMPARE(ChooserPixel(game, 12, 12), WhiteRgb);
    }

    // The background picture shows in swatch 0, and an empty cell takes its colour.
    void backgroundPicture()
    {
        Game game(900, 700, Asset("hamworst.png"));
        QCOMPARE(ChooserPixel(game, 1, 1), Rgb(232, 232, 232));
        QCOMPARE(ChooserPixel(game, 1, Side + 1), Rgb(0, 0, 0));
        game.LoadDiagonal(3, 3);
        QCOMPARE(game.CellMiddle(1, 2), Rgb(232, 232, 232));
    }

    // A file that does not decode is no picture at all.
    void undecodablePictureIsAbsent()
    {
        QTemporaryDir scratch;
        const QString garbage = scratch.filePath(QStringLiteral("garbage"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("GIF89a this is not a picture");
        file.close();
        Game game(900, 700, garbage);
        QCOMPARE(ChooserPixel(game, 1, 1), WhiteRgb);
        QCOMPARE(ChooserPixel(game, 1, 2 * Side + 1), WhiteRgb);
        QCOMPARE(ChooserPixel(game, 1, 3 * Side + 1), Rgb(255, 0, 0));
    }

    // Start-up: left on black, right on white, pictures centred on their lines.
    void startingChoice()
    {
        Game game;
        QCOMPARE(int(game.state.ButtonColour[0]), 1);
        QCOMPARE(int(game.state.ButtonColour[1]), 2);
        QCOMPARE(game.form->LijnL->Y1(), 802.5f);
        QCOMPARE(game.form->LijnL->Y2(), 802.5f);
        QCOMPARE(game.form->LijnR->Y1(), 1177.5f);
        QCOMPARE(game.form->MuisL->y(), 36);
        QCOMPARE(game.form->MuisR->y(), 60);
    }

    // Any press in a swatch's row picks it, whatever its X; the line goes to
    // the swatch's middle, (n + 0.5) × 25 pixels of 15 twips below the
    // chooser's top at 240 twips, and the picture's 36 pixels centre on it.
    void pressPicksSwatch_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<float>("line");
        QTest::addColumn<int>("pictureTop");
        QTest::newRow("left 0") << 1 << QPoint(3, 0) << 0 << 427.5f << 10;
        QTest::newRow("left 0 last row") << 1 << QPoint(20, 24) << 0 << 427.5f << 10;
        QTest::newRow("left 1 first row") << 1 << QPoint(0, 25) << 1 << 802.5f << 36;
        QTest::newRow("left 5") << 1 << QPoint(12, 140) << 5 << 2302.5f << 136;
        QTest::newRow("left 8") << 1 << QPoint(24, 224) << 8 << 3427.5f << 210;
        QTest::newRow("right 0") << 2 << QPoint(5, 5) << 0 << 427.5f << 10;
        QTest::newRow("right 4") << 2 << QPoint(5, 110) << 4 << 1927.5f << 110;
        QTest::newRow("right 7") << 2 << QPoint(1, 199) << 7 << 3052.5f << 186;
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
        LineControl* chosenLine = button == 1 ? game.form->LijnL : game.form->LijnR;
        QLabel* picture = button == 1 ? game.form->MuisL : game.form->MuisR;
        QCOMPARE(int(game.state.ButtonColour[button - 1]), swatch);
        QCOMPARE(chosenLine->Y1(), line);
        QCOMPARE(chosenLine->Y2(), line);
        QCOMPARE(picture->y(), pictureTop);
        // The other button keeps its colour, picture and line.
        const int other = 2 - button;
        QCOMPARE(int(game.state.ButtonColour[other]), other + 1);
        QCOMPARE((button == 1 ? game.form->LijnR : game.form->LijnL)->Y1(), other == 0 ? 802.5f : 1177.5f);
        QCOMPARE((button == 1 ? game.form->MuisR : game.form->MuisL)->y(), other == 0 ? 36 : 60);
        QCOMPARE(picture->x(), button == 1 ? 8 : 88);
    }

    // The swatch is the rounded Y divided by the rounded side, dropping the fraction.
    void swatchOfFractionalY_data()
    {
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("swatch");
        QTest::newRow("24.4") << 24.4f << 0;
        QTest::newRow("24.5 ties to 24") << 24.5f << 0;
        QTest::newRow("24.6") << 24.6f << 1;
        QTest::newRow("49.5 ties to 50") << 49.5f << 2;
        QTest::newRow("224.4") << 224.4f << 8;
        // Still inside the chooser, but rounded onto the swatch beyond the last.
        QTest::newRow("224.9") << 224.9f << 9;
    }

    void swatchOfFractionalY()
    {
        QFETCH(float, y);
        QFETCH(int, swatch);
        Game game;
        game.form->KiezerL_MouseDown({1, 0, 7, y});
        QCOMPARE(int(game.state.ButtonColour[0]), swatch);
    }

    // Both buttons, the middle one, no button, or a place outside the
    // chooser's height change nothing.
    void ignoredPresses_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<float>("y");
        QTest::newRow("both buttons") << 3 << 110.0f;
        QTest::newRow("middle") << 4 << 110.0f;
        QTest::newRow("left and middle") << 5 << 110.0f;
        QTest::newRow("no button") << 0 << 110.0f;
        QTest::newRow("above") << 1 << -0.5f;
        QTest::newRow("at the height") << 1 << 225.0f;
        QTest::newRow("below") << 2 << 300.0f;
    }

    void ignoredPresses()
    {
        QFETCH(int, button);
        QFETCH(float, y);
        Game game;
        game.form->KiezerL_MouseDown({button, 0, 5, y});
        game.form->KiezerL_MouseMove({button, 0, 5, y});
        QCOMPARE(int(game.state.ButtonColour[0]), 1);
        QCOMPARE(int(game.state.ButtonColour[1]), 2);
        QCOMPARE(game.form->LijnL->Y1(), 802.5f);
        QCOMPARE(game.form->LijnR->Y1(), 1177.5f);
    }

    void bothButtonsByMouse()
    {
        Game game;
        Press(game.form->KiezerL, Qt::LeftButton | Qt::RightButton, {5, 110});
        Press(game.form->KiezerL, Qt::MiddleButton, {5, 110});
        QCOMPARE(int(game.state.ButtonColour[0]), 1);
        QCOMPARE(int(game.state.ButtonColour[1]), 2);
    }

    // A shortened chooser (three swatches for black and white) ignores presses
    // below its new height.
    void shortenedChooser()
    {
        Game game;
        game.form->KiezerL->resize(Side, 3 * Side);
        game.form->KiezerL_MouseDown({1, 0, 5, 80});
        QCOMPARE(int(game.state.ButtonColour[0]), 1);
        game.form->KiezerL_MouseDown({1, 0, 5, 74});
        QCOMPARE(int(game.state.ButtonColour[0]), 2);
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

    void kiezerSetRestores()
    {
        Game game;
        game.form->KiezerL_MouseDown({1, 0, 0, 200});
        game.form->KiezerL_MouseDown({2, 0, 0, 10});
        game.form->KiezerSet();
        QCOMPARE(int(game.state.ButtonColour[0]), 1);
        QCOMPARE(int(game.state.ButtonColour[1]), 2);
        QCOMPARE(game.form->LijnL->Y1(), 802.5f);
        QCOMPARE(game.form->LijnR->Y2(), 1177.5f);
        QCOMPARE(game.form->MuisL->y(), 36);
        QCOMPARE(game.form->MuisR->y(), 60);
    }
};

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
