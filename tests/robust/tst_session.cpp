// One whole game, as a player goes through it: start, open, paint, show
// errors, the solution, a clue tick, reset, another language, close. Small
// and quick, so that it also runs under a memory checker (scripts/memcheck.sh).
#include "robust/robust_helpers.h"

#include "solution/Form2.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace grizzet;
using namespace grizzet::robust;

namespace {

QPoint PixelOf(float x, float y)
{
    const double ppp = PixelsPerUnit(ScaleUnit::Point);
    return {static_cast<int>(std::nearbyint(x * ppp)), static_cast<int>(std::nearbyint(y * ppp))};
}

}  // namespace

class tst_Session : public QObject {
    Q_OBJECT
private slots:
    void wholeGame()
    {
        Game game;
        QVERIFY(QDir(game.Folder()).mkdir(QStringLiteral("Puzzles")));
        // Row 0 is black, white, black: its last clue box lies left of cell (0, 0).
        const std::string picture = game.Picture("Puzzles/heart.pbm");
        OpenDialogHook = [&](const OpenDialogCall& call) {
            return call.initialFolder + QStringLiteral("/heart.pbm");
        };
        Form1& form = game.Start();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.MMopen->trigger();
        QCOMPARE(form.windowTitle(), QStringLiteral("heart - Vindro Grizzet"));

        // Cell (1, 0) is white in the picture: painting it black is an error.
        QVERIFY(game.Playable(0, 0));
        QVERIFY(game.Playable(1, 0));
        const QImage painted = form.HetVeld->grab().toImage();
        QTest::mouseClick(form.cmdErrors, Qt::LeftButton);
        QVERIFY(form.HetVeld->grab().toImage() != painted);

        QTest::mouseClick(form.cmdOplossing, Qt::LeftButton);
        QVERIFY(form.form2->isVisible());
        QTest::mouseClick(form.form2->chkFouten, Qt::LeftButton);
        QTest::mouseClick(form.form2->cmdOK, Qt::LeftButton);
        QVERIFY(!form.form2->isVisible());

        const float c = game.state.CellSize;
        const float left = form.HetVeld->Left(ScaleUnit::Point);
        const float top = form.HetVeld->Top(ScaleUnit::Point);
        const QImage board = form.Picture1->grab().toImage();
        QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, PixelOf(left - 0.5f * c, top + 0.5f * c));
        QVERIFY(form.Picture1->grab().toImage() != board);

        QTest::mouseClick(form.cmdClear, Qt::LeftButton);
        QCOMPARE(int(game.state.PlayerGrid(0, 0)), 0);
        QCOMPARE(int(game.state.PlayerGrid(1, 0)), 0);

        form.MMnederlands->trigger();
        QCOMPARE(form.cmdOplossing->text(), QStringLiteral("&Oplossing geven"));
        QVERIFY(game.Playable(2, 1));

        game.Close();
        QCOMPARE(ReadBytes(game.FileIn("lang.ini")), QByteArray(1, '\1'));
        QVERIFY(game.messages.empty());
    }
};

QTEST_MAIN(tst_Session)
#include "tst_session.moc"
