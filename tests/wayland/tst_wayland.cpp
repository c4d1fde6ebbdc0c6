// The game on a real Wayland compositor, as test_wayland.sh starts one:
// weston at scale 2. Not run on its own: the other platforms' stories are the
// other tests'.
#include "support/Game.h"

#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

class TestWayland : public QObject {
    Q_OBJECT

private slots:
    // Started as the program starts itself, the window is maximised by the
    // compositor, at its scale; the picture opened last time is in the
    // recent list and opens from it, with nothing to report.
    void startsMaximisedAndOpensRecent()
    {
        QCOMPARE(QGuiApplication::platformName(), "wayland");
        Game game;
        const std::string heart = game.Write("heart.pbm", Heart);
        game.Write("recent.ini", RecentIniOf({QByteArray::fromStdString(heart), {}, {}, {}, {}}));
        game.form = std::make_unique<Form1>(game.state, QFile::encodeName(game.Folder()).toStdString());
        Form1& form = *game.form;
        const Controls ui(form);
        form.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&form, 30000));   // a compositor on a busy machine
        QTRY_VERIFY_WITH_TIMEOUT(form.isMaximized() && form.width() > 648, 30000);
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        QCOMPARE(game.state.MaxSizerLeft, float(ui.Sizer->x() * 0.75));

        QAction* recent = ui.MMrecent[0];
        QVERIFY(recent->isVisible() && recent->text().contains("heart"));
        recent->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(form.windowTitle(), "heart - Vindro Grizzet", 30000);
        QVERIFY(ui.Picture1->isVisible() && game.state.PuzzleWidth == 3 && game.boxes.empty());
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
