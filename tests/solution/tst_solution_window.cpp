// The solution window itself: its layout, its caption, and that every way of
// dismissing it only hides it.
#include "support/Game.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// The picture is the field plus two points each way; the rest follows it.
void CheckLayout(const Game& game)
{
    const Form2& window = game.Solution();
    const Surface& picture = *window.Picture1;
    const QWidget& field = *game.form->HetVeld;
    const double ppp = PixelsPerUnit(ScaleUnit::Point);
    const QPoint size = PixelOf(field.width() / ppp + 2, field.height() / ppp + 2);
    QCOMPARE(picture.size(), QSize(size.x(), size.y()));
    QCOMPARE(picture.pos(), QPoint(8, 8));  // 120 twips

    const int image1Top = 2 * picture.y() + picture.height();
    const int image2Top = image1Top + window.Image1->height() + picture.y();
    QCOMPARE(window.Image1->geometry(), QRect(8, image1Top, 16, 18));
    QCOMPARE(window.Image2->geometry(), QRect(8, image2Top, 17, 18));
    QCOMPARE(window.chkFouten->pos(), QPoint(32, image1Top));  // 480 twips
    QCOMPARE(window.chkOntbreken->pos(), QPoint(32, image2Top));
    QCOMPARE(window.cmdOK->y(), image1Top);
    QCOMPARE(window.cmdOK->geometry().right(), picture.geometry().right());

    const QSize inner(2 * picture.x() + picture.width(), image2Top + window.Image2->height() + picture.y());
    QCOMPARE(window.size(), inner);
    QCOMPARE(window.minimumSize(), inner);
    QCOMPARE(window.maximumSize(), inner);
}

}  // namespace

enum class Route { OkClick, Escape, EnterOnBox, CloseBox };
Q_DECLARE_METATYPE(Route)

class SolutionWindow : public QObject {
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("cellSize");
        QTest::newRow("10 by 10 at 8") << 10 << 10 << 8;
        QTest::newRow("3 by 7 at 13, narrower than its controls") << 3 << 7 << 13;
    }

    // A fixed-size tool window without minimise and maximise boxes, modeless.
    void layout()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, cellSize);
        Game game;
        game.LoadDiagonal(width, height);
        QVERIFY(game.LayoutWithCellSize(cellSize));
        game.OpenSolution();
        QVERIFY(game.Solution().isVisible());
        QVERIFY(!game.Solution().isModal());
        CheckLayout(game);
        const Qt::WindowFlags flags = game.Solution().windowFlags();
        QVERIFY(flags.testFlag(Qt::Tool) && flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint) && !flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    // Any load hides the window; opening it again shows the new picture at its
    // size, with nothing of the larger one left; a failed load leaves the
    // command disabled.
    void loadHidesItAndReopensAtNewSize()
    {
        Game game;
        game.form->MMnederlands->trigger();
        game.LoadFile("hond.ppm", PictureFile(QStringList(9, QStringLiteral("rb.g").repeated(3))));
        game.OpenSolution();
        Form2& window = game.Solution();
        QCOMPARE(window.windowTitle(), QStringLiteral("hond - de oplossing"));
        const QSize large = window.size();

        game.LoadFile("cat.pbm", PictureFile({"k...k", ".kkk.", "k...k"}));
        QVERIFY(game.boxes.empty());
        QVERIFY(!window.isVisible());
        game.OpenSolution();
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("cat - de oplossing"));
        CheckLayout(game);
        QVERIFY(window.width() < large.width());
        const QImage& picture = window.Picture1->Image();
        const QRect margin(picture.width() - 2, 0, 2, picture.height());
        QCOMPARE(CountOf(picture, margin, {GridGrey}), margin.width() * margin.height());
        const QPoint centre = game.CellPixel(1, 1);
        QCOMPARE(window.Picture1->GetPixel(centre.x(), centre.y()), LightGrey);

        game.LoadFile("kapot.pbm", "P7\n");
        QCOMPARE(game.boxes.size(), std::size_t{1});
        QVERIFY(!window.isVisible());
        QVERIFY(!game.form->cmdOplossing->isEnabled());
    }

    void centredOnceThenKeptWhereMoved()
    {
        Game game;
        game.LoadDiagonal(10, 10);
        game.OpenSolution();
        Form2& window = game.Solution();
        const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));

        // The player moves it; the next showing, even of another size, stays there.
        window.move(40, 60);
        const QPoint moved = window.pos();
        QTest::mouseClick(window.cmdOK, Qt::LeftButton);
        game.LoadDiagonal(30, 20);
        game.OpenSolution();
        QCOMPARE(window.pos(), moved);
    }

    void hiding_data()
    {
        QTest::addColumn<Route>("route");
        QTest::newRow("OK clicked") << Route::OkClick;
        QTest::newRow("Escape") << Route::Escape;
        QTest::newRow("Enter on a check box") << Route::EnterOnBox;
        QTest::newRow("close box") << Route::CloseBox;
    }

    // Enter and Escape press OK, the close box only hides; the check boxes keep
    // their state for the next opening.
    void hiding()
    {
        QFETCH(Route, route);
        Game game;
        game.LoadDiagonal(5, 5);
        QPointer<Form2> window = &game.Solution();
        game.OpenSolution();
        QTest::mouseClick(window->chkFouten, Qt::LeftButton);
        QVERIFY(!window->chkFouten->isChecked());
        QSignalSpy pressed(window->cmdOK, &QPushButton::clicked);

        switch (route) {
        case Route::OkClick: QTest::mouseClick(window->cmdOK, Qt::LeftButton); break;
        case Route::Escape: QTest::keyClick(window->chkOntbreken, Qt::Key_Escape); break;
        case Route::EnterOnBox: QTest::keyClick(window->chkOntbreken, Qt::Key_Return); break;
        case Route::CloseBox: QVERIFY(!window->close()); break;
        }

        QCOMPARE(pressed.count(), route == Route::CloseBox ? 0 : 1);
        QCOMPARE(game.form->form2, window.data());
        QVERIFY(!window->isVisible());
        game.OpenSolution();
        QVERIFY(window->isVisible());
        QVERIFY(!window->chkFouten->isChecked());
        QVERIFY(window->chkOntbreken->isChecked());
    }

    void closesAtShutdown()
    {
        Game game;
        game.LoadDiagonal(5, 5);
        game.OpenSolution();
        game.form->Tag = QStringLiteral("CLOSE");
        QVERIFY(game.Solution().close());
        QVERIFY(!game.Solution().isVisible());
    }

    void legendsMatchTheDots()
    {
        Game game;
        const QImage error = game.Solution().Image1->pixmap().toImage();
        const QImage missing = game.Solution().Image2->pixmap().toImage();
        QCOMPARE(error.size(), QSize(16, 18));
        QCOMPARE(missing.size(), QSize(17, 18));
        QCOMPARE(error.pixel(8, 9) & 0xFFFFFFu, Orange);
        QCOMPARE(missing.pixel(8, 9) & 0xFFFFFFu, LightGrey);
    }

    // The caption in English and Italian (Dutch above): picked at each
    // opening, so a switch shows at the next one.
    void captionsAfterSwitch()
    {
        Game game;
        game.LoadDiagonal(10, 6);
        game.state.PuzzleName = "cat";
        game.OpenSolution();
        QCOMPARE(game.Solution().windowTitle(), QStringLiteral("cat - the solution"));
        game.form->MMitaliano->trigger();
        QCOMPARE(game.Solution().windowTitle(), QStringLiteral("cat - the solution"));
        game.OpenSolution();
        QCOMPARE(game.Solution().windowTitle(), QStringLiteral("cat - la soluzione"));
    }
};

QTEST_MAIN(SolutionWindow)
#include "tst_solution_window.moc"
