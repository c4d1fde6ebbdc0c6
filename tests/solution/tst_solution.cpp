// The solution window as the player uses it: the picture with dots on wrong
// and on unpainted cells as its check boxes ask, and the ways it is hidden.
#include "support/Game.h"

#include <QCheckBox>
#include <QScreen>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

class TestSolution : public QObject {
    Q_OBJECT

private slots:
    // On the diagonal one cell of each kind, in a colour and in the background:
    // right, wrong, unpainted. Each check box shows its round dots (half the
    // cell's points across in pixels, 6.5 to even 6; the board's errors hold
    // the other sizes of the same dots) while ticked; every cell keeps its
    // colour around a dot.
    void marks()
    {
        const QRgb dots[] = {0, 0, Orange, Orange, LightGrey, LightGrey, Orange};
        const int c = 13;
        Game game;
        game.Start();
        game.Load({"r......", ".", "..b", ".", "....g", ".", "......k"});
        QVERIFY(game.LayoutWithCellSize(c));
        // Swatch numbers: 0 nothing, 1 black (so is every '.'), 2 white, 3 red.
        game.state.PlayerGrid = GridOf({"3", ".2", "..2", "...1", "....0", ".....0", "......3"});
        game.OpenSolution();
        Form2& window = game.Solution();
        const Surface& picture = *window.Picture1;
        for (int click = 0; click < 4; ++click) {
            for (int i = 0; i < 7; ++i) {
                const QCheckBox* box = dots[i] == Orange ? window.chkFouten : window.chkOntbreken;
                QCOMPARE(IsRoundDot(picture.Image(), CellRect(i, i, c), dots[i], 6), dots[i] && box->isChecked());
                QCOMPARE(picture.Point(i * c + 2.f, i * c + 2.f), DisplayColour[game.state.Solution(i, i)]);
            }
            QTest::mouseClick(click % 2 ? window.chkOntbreken : window.chkFouten, Qt::LeftButton);
        }
        const QSize pixels = picture.PixelSize();
        QCOMPARE(picture.GetPixel(pixels.width() - 1, pixels.height() - 1), GridLineGrey);  // beyond the cells
    }

    // Centred at first (its caption is the shell's paths story's). OK and the
    // close box only hide it, keeping its boxes and its place; a load hides
    // it too, and it comes back at the new size.
    void window()
    {
        Game game;
        const Controls& ui = game.Start().ui;
        const QByteArray hond = PictureFile(QStringList(9, QStringLiteral("rb.g").repeated(3)));
        game.LoadFile("hond.ppm", hond);
        game.OpenSolution();
        Form2& window = game.Solution();
        QVERIFY((window.geometry().center() - window.screen()->availableGeometry().center()).manhattanLength() <= 2);
        window.move(40, 60);
        ui.MMnederlands->trigger();
        QTest::mouseClick(window.chkFouten, Qt::LeftButton);
        QTest::mouseClick(window.cmdOK, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        game.OpenSolution();
        QVERIFY(!window.close());
        QVERIFY(!window.isVisible() && !window.chkFouten->isChecked() && window.chkOntbreken->isChecked());
        game.OpenSolution();
        game.LoadFile("cat.pbm", PictureFile({"k...k", ".kkk.", "k...k"}));
        QVERIFY(!window.isVisible());
        game.OpenSolution();
        QVERIFY(window.isVisible() && window.pos() == QPoint(40, 60) && !window.chkFouten->isChecked());
        // The picture is the field plus two points each way, with margins of
        // 120 twips around it and below it the two legend rows of 18 pixels.
        const QPoint picture = PixelOf(ui.HetVeld->width() * 0.75 + 2, ui.HetVeld->height() * 0.75 + 2);
        QCOMPARE(window.size(), QSize(picture.x() + 16, picture.y() + 68));
        // Lefts as designed (120 and 480 twips), the legend rows below the
        // picture after the margin above it, OK flush with its right edge.
        const QRect p = window.Picture1->geometry(), one = window.Image1->geometry(), two = window.Image2->geometry();
        QCOMPARE(QList<QPoint>({one.topLeft(), two.topLeft(), window.chkFouten->pos(), window.chkOntbreken->pos(),
                                window.cmdOK->geometry().topRight()}),
                 QList<QPoint>({{8, 2 * p.top() + p.height()}, {8, one.bottom() + 1 + p.top()}, {32, one.top()},
                                {32, two.top()}, {p.right(), one.top()}}));
        // The legends at the screen's pixels, in the marks' own colours.
        const QImage error = window.Image1->pixmap().toImage(), missing = window.Image2->pixmap().toImage();
        QVERIFY(error.devicePixelRatio() == Ratio() && (error.pixel(error.rect().center()) & 0xFFFFFF) == Orange
                && missing.devicePixelRatio() == Ratio() && (missing.pixel(missing.rect().center()) & 0xFFFFFF) == LightGrey);
        // The chooser, three swatches tall for the black-and-white picture,
        // shows all nine colours again for the next colour one.
        game.LoadFile("hond.ppm", hond);
        QCOMPARE(SwatchColour(*ui.KiezerL, 8), Rgb(0, 255, 255));
    }
};

QTEST_MAIN(TestSolution)
#include "tst_solution.moc"
