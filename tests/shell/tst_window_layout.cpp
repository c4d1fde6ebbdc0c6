// The main window's resizing rule and the free area noted while maximised.
#include "shell/shell_helpers.h"

#include "solution/Form2.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// The side panel spans the client area's full height at 2055 twips (137 px)
// on its right edge; the read-out stands half its height above its bottom.
void CheckPanel(Form1& form)
{
    const QWidget* client = form.centralWidget();
    QCOMPARE(form.Sizer->width(), 137);
    QCOMPARE(form.Sizer->x() + form.Sizer->width(), client->width());
    QCOMPARE(form.Sizer->y(), 0);
    QCOMPARE(form.Sizer->height(), client->height());
    QCOMPARE(form.SizerBottom->y(), client->height());
    QCOMPARE(form.SizerBottom->height(), 0);

    const double gap = form.Sizer->contentsRect().height() - (form.Positie->y() + form.Positie->height());
    QVERIFY2(std::abs(gap - form.Positie->height() / 2.0) <= 0.5, qPrintable(QString::number(gap)));
    QVERIFY(form.Positie->x() >= 0);
    QVERIFY(form.Positie->x() + form.Positie->width() <= form.Sizer->width());
}

}  // namespace

class tst_WindowLayout : public QObject {
    Q_OBJECT
private slots:
    void restoredSize();
    void maximisedThenRestored();
    void minimisedThenRestored();
    void panelOverTheBoard();
};

void tst_WindowLayout::restoredSize()
{
    Game game;
    Form1& form = game.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->size(), QSize(648, 624));
    CheckPanel(form);
    // Nothing else follows the size: the controls stay at the top of the panel.
    QCOMPARE(form.KiezerL->pos(), QPoint(56, 16));
    QCOMPARE(form.cmdClear->pos(), QPoint(16, 264));
}

void tst_WindowLayout::maximisedThenRestored()
{
    Game game;
    Form1& form = game.Start();
    form.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.isMaximized());
    QTRY_COMPARE(form.width(), 1280);
    QApplication::setActiveWindow(&form);
    QTRY_VERIFY(form.isActiveWindow());
    CheckPanel(form);

    const float left = game.state.MaxSizerLeft;
    const float bottom = game.state.MaxSizerBottomTop;
    QCOMPARE(left, float((1280 - 137) * 0.75));
    QCOMPARE(bottom, float(form.centralWidget()->height() * 0.75));
    QVERIFY(bottom > 600);

    // Restored and activated again (say, back from the solution window).
    form.showNormal();
    QTRY_VERIFY(!form.isMaximized());
    QTRY_COMPARE(form.centralWidget()->width(), 648);
    CheckPanel(form);
    form.form2->show();
    QApplication::setActiveWindow(form.form2);
    QApplication::setActiveWindow(&form);
    QCOMPARE(game.state.MaxSizerLeft, left);
    QCOMPARE(game.state.MaxSizerBottomTop, bottom);
    QCOMPARE(form.FreeWidth(), left);
    QCOMPARE(form.FreeHeight(), bottom);
}

void tst_WindowLayout::minimisedThenRestored()
{
    Game game;
    Form1& form = game.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect panel = form.Sizer->geometry();
    const QPoint readout = form.Positie->pos();
    form.showMinimized();
    form.showNormal();
    QTRY_VERIFY(!form.isMinimized());
    QCOMPARE(form.Sizer->geometry(), panel);
    QCOMPARE(form.Positie->pos(), readout);
    QCOMPARE(game.state.MaxSizerLeft, 0.0f);
}

// A board laid out in the maximised window is wider than the restored one
// leaves free: the side panel stays on top, its commands and chooser in reach.
void tst_WindowLayout::panelOverTheBoard()
{
    Game game;
    QByteArray wide = "P1 50 4\n";
    for (int i = 0; i < 50 * 4; ++i)
        wide += (i % 3 == 0) ? "1 " : "0 ";
    const std::string picture = game.Picture("wide.pbm", wide);
    Form1& form = game.Start();
    form.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(form.width(), 1280);
    QApplication::setActiveWindow(&form);
    QTRY_VERIFY(form.isActiveWindow());
    form.LoadPuzzle(picture);
    QVERIFY(form.Picture1->isVisible());

    form.showNormal();
    QTRY_COMPARE(form.centralWidget()->width(), 648);
    QVERIFY(form.Picture1->geometry().intersects(form.Sizer->geometry()));
    QWidget* client = form.centralWidget();
    for (QWidget* control : {static_cast<QWidget*>(form.cmdClear), static_cast<QWidget*>(form.cmdErrors),
                             static_cast<QWidget*>(form.cmdOplossing), static_cast<QWidget*>(form.KiezerL)}) {
        const QPoint middle = control->mapTo(client, control->rect().center());
        QCOMPARE(client->childAt(middle), control);
    }
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_window_layout.moc"
