// The solution window itself: its layout, its caption, and that every way of
// dismissing it only hides it.
#include "solution/solution_helpers.h"

#include "model/PickText.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace grizzet;

class SolutionWindow : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void reopensAtNewSize();
    void centredOnceThenKeptWhereMoved();
    void hiding_data();
    void hiding();
    void closesAtShutdown();
    void caption_data();
    void caption();
    void captionFollowsLanguageAtNextOpening();
    void loadHidesIt();
    void legendsMatchTheDots();
    void checkBoxesFitCaptionsAfterSwitch();
};

namespace {

int PointsToPixels(double points) { return static_cast<int>(std::nearbyint(points * PixelsPerUnit(ScaleUnit::Point))); }

// The picture is the field plus two points each way; the rest follows it.
void CheckLayout(const SolutionRig& rig)
{
    const Form2& window = *rig.form->form2;
    const Surface& field = *rig.form->HetVeld;
    const Surface& picture = *window.Picture1;
    const double ppp = PixelsPerUnit(ScaleUnit::Point);
    QCOMPARE(picture.width(), PointsToPixels(field.width() / ppp + 2));
    QCOMPARE(picture.height(), PointsToPixels(field.height() / ppp + 2));
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

void SolutionWindow::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("cellSize");
    QTest::newRow("10 by 10 at 8") << 10 << 10 << 8;
    QTest::newRow("3 by 7 at 13, narrower than its controls") << 3 << 7 << 13;
    QTest::newRow("50 by 50 at 8") << 50 << 50 << 8;
    QTest::newRow("1 by 1 at 40") << 1 << 1 << 40;
    QTest::newRow("25 by 4 at 17") << 25 << 4 << 17;
}

void SolutionWindow::layout()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, cellSize);
    SolutionRig rig;
    rig.SetPuzzle(width, height, cellSize);
    rig.Open();
    QVERIFY(rig.Window().isVisible());
    CheckLayout(rig);

    const Qt::WindowFlags flags = rig.Window().windowFlags();
    QVERIFY(flags.testFlag(Qt::Tool));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!rig.Window().isModal());
}

void SolutionWindow::reopensAtNewSize()
{
    SolutionRig rig;
    rig.SetPuzzle(20, 15, 20);
    rig.Open();
    const QSize large = rig.Window().size();
    QTest::mouseClick(rig.Window().cmdOK, Qt::LeftButton);

    rig.SetPuzzle(4, 3, 9);
    rig.state.Solution(3, 2) = Magenta;
    rig.state.PlayerGrid(3, 2) = Magenta + 1;
    rig.Open();
    CheckLayout(rig);
    QVERIFY(rig.Window().width() < large.width());
    // Nothing of the larger picture is left beyond the new cells.
    const QRect leftover(rig.Window().Picture1->width() - 2, 0, 2, rig.Window().Picture1->height());
    QCOMPARE(CountOf(rig.Window().Picture1->Image(), leftover, Backdrop), leftover.width() * leftover.height());
    const QPoint centre = CellCentre(3, 2, 9);
    QCOMPARE(PixelAt(rig.Window(), centre.x(), centre.y()), DisplayColour[Magenta]);
}

void SolutionWindow::centredOnceThenKeptWhereMoved()
{
    SolutionRig rig;
    rig.SetPuzzle(10, 10, 12);
    rig.Open();
    Form2& window = rig.Window();
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    QVERIFY2((window.frameGeometry().center() - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centre %1,%2").arg(window.frameGeometry().center().x()).arg(window.frameGeometry().center().y())));

    // The player moves it; the next showing, even of another size, stays there.
    window.move(40, 60);
    const QPoint moved = window.pos();
    QTest::mouseClick(window.cmdOK, Qt::LeftButton);
    rig.SetPuzzle(30, 20, 14);
    rig.Open();
    QCOMPARE(window.pos(), moved);
}

enum class Route { OkClick, EscapeOnBox, EscapeOnOk, EnterOnBox, EnterOnOk, CloseBox };
Q_DECLARE_METATYPE(Route)

void SolutionWindow::hiding_data()
{
    QTest::addColumn<Route>("route");
    QTest::newRow("OK clicked") << Route::OkClick;
    QTest::newRow("Escape on a check box") << Route::EscapeOnBox;
    QTest::newRow("Escape on OK") << Route::EscapeOnOk;
    QTest::newRow("Enter on a check box") << Route::EnterOnBox;
    QTest::newRow("Enter on OK") << Route::EnterOnOk;
    QTest::newRow("close box") << Route::CloseBox;
}

void SolutionWindow::hiding()
{
    QFETCH(Route, route);
    SolutionRig rig;
    rig.SetPuzzle(5, 5, 10);
    QPointer<Form2> window = &rig.Window();
    rig.Open();
    QTest::mouseClick(window->chkFouten, Qt::LeftButton);
    QVERIFY(!window->chkFouten->isChecked());
    QVERIFY(window->isVisible());
    QSignalSpy pressed(window->cmdOK, &QPushButton::clicked);

    switch (route) {
    case Route::OkClick: QTest::mouseClick(window->cmdOK, Qt::LeftButton); break;
    case Route::EscapeOnBox: QTest::keyClick(window->chkOntbreken, Qt::Key_Escape); break;
    case Route::EscapeOnOk: QTest::keyClick(window->cmdOK, Qt::Key_Escape); break;
    case Route::EnterOnBox: QTest::keyClick(window->chkOntbreken, Qt::Key_Return); break;
    case Route::EnterOnOk: QTest::keyClick(window->cmdOK, Qt::Key_Enter); break;
    case Route::CloseBox: QVERIFY(!window->close()); break;
    }

    // Enter and Escape press OK; the close box only hides.
    QCOMPARE(pressed.count(), route == Route::CloseBox ? 0 : 1);
    QVERIFY(!window.isNull());
    QCOMPARE(rig.form->form2, window.data());
    QVERIFY(!window->isVisible());
    QVERIFY(!window->chkFouten->isChecked());
    QVERIFY(window->chkOntbreken->isChecked());

    rig.Open();
    QVERIFY(window->isVisible());
    QVERIFY(!window->chkFouten->isChecked());
    QVERIFY(window->chkOntbreken->isChecked());
}

void SolutionWindow::closesAtShutdown()
{
    SolutionRig rig;
    rig.SetPuzzle(5, 5, 10);
    rig.Open();
    rig.form->Tag = QStringLiteral("CLOSE");
    QVERIFY(rig.Window().close());
    QVERIFY(!rig.Window().isVisible());
}

void SolutionWindow::caption_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << 0 << QStringLiteral("cat - the solution");
    QTest::newRow("Dutch") << 1 << QStringLiteral("cat - de oplossing");
    QTest::newRow("Italian") << 2 << QStringLiteral("cat - la soluzione");
}

void SolutionWindow::caption()
{
    QFETCH(int, language);
    QFETCH(QString, expected);
    SolutionRig rig;
    rig.SetPuzzle(4, 4, 10);
    rig.state.PuzzleName = "cat";
    rig.state.Language = static_cast<std::uint8_t>(language);
    rig.Open();
    QCOMPARE(rig.Window().windowTitle(), expected);
}

void SolutionWindow::captionFollowsLanguageAtNextOpening()
{
    SolutionRig rig;
    rig.SetPuzzle(4, 4, 10);
    rig.state.PuzzleName = "hond";
    rig.state.Language = English;
    rig.Open();
    rig.state.Language = Dutch;
    QCOMPARE(rig.Window().windowTitle(), QStringLiteral("hond - the solution"));
    rig.Open();
    QCOMPARE(rig.Window().windowTitle(), QStringLiteral("hond - de oplossing"));
}

void SolutionWindow::loadHidesIt()
{
    SolutionRig rig;
    rig.form->MMnederlands->trigger();
    rig.Load(QStringLiteral("cat.pbm"), "P1\n5 3\n1 0 0 0 1\n0 1 1 1 0\n1 0 0 0 1\n");
    QVERIFY(rig.boxes.empty());
    rig.Open();
    Form2& window = rig.Window();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("cat - de oplossing"));
    CheckLayout(rig);
    const QSize small = window.size();

    // A new picture hides the window; the next opening shows it at its size.
    rig.Load(QStringLiteral("hond.ppm"),
             "P3\n12 9\n1\n" + QByteArray("1 0 0  0 0 1  1 1 1  0 1 0 ").repeated(27) + "\n");
    QVERIFY(rig.boxes.empty());
    QVERIFY(!window.isVisible());
    QCOMPARE(rig.state.Solution(0, 0), Red);
    rig.Open();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("hond - de oplossing"));
    CheckLayout(rig);
    QVERIFY(window.size() != small);
    QVERIFY(ShowsPicture(window, rig.state));

    // A load that fails hides it as well, and the command stays disabled.
    rig.Load(QStringLiteral("kapot.pbm"), "P7\n");
    QCOMPARE(rig.boxes.size(), std::size_t{1});
    QVERIFY(!window.isVisible());
    QVERIFY(!rig.form->cmdOplossing->isEnabled());
}

void SolutionWindow::legendsMatchTheDots()
{
    SolutionRig rig;
    const QImage error = rig.Window().Image1->pixmap().toImage();
    const QImage missing = rig.Window().Image2->pixmap().toImage();
    QCOMPARE(error.size(), QSize(16, 18));
    QCOMPARE(missing.size(), QSize(17, 18));
    QCOMPARE(error.pixel(8, 9) & 0xFFFFFFu, Orange);
    QCOMPARE(missing.pixel(8, 9) & 0xFFFFFFu, LightGrey);
}

void SolutionWindow::checkBoxesFitCaptionsAfterSwitch()
{
    SolutionRig rig;
    rig.SetPuzzle(10, 6, 12);
    rig.form->MMenglish->trigger();
    rig.Open();
    const Form2& window = rig.Window();
    QCOMPARE(window.chkOntbreken->text(), QStringLiteral("Show &uncompleted"));
    QCOMPARE(window.chkOntbreken->size(), window.chkOntbreken->sizeHint());

    // A switch while the window is open: the longer captions show whole.
    rig.form->MMitaliano->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(window.chkOntbreken->text(), QStringLiteral("Mostra celle &non completate"));
    QCOMPARE(window.chkOntbreken->size(), window.chkOntbreken->sizeHint());
    QCOMPARE(window.chkFouten->size(), window.chkFouten->sizeHint());
    QCOMPARE(window.windowTitle(), QStringLiteral("test - the solution"));
}

QTEST_MAIN(SolutionWindow)
#include "tst_solution_window.moc"
