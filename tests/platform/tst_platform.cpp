// What the windows' tests cannot see of the platform layer: the artwork at a
// screen's scale.
#include "platform/Artwork.h"
#include "platform/Surface.h"

#include <QtTest>

using namespace grizzet;

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // On a 2x screen a mouse picture keeps its size in pixels, smoothed to
    // twice as many device pixels (some 2 x 2 block holds two colours). The
    // pointers are drawn at 64 x 64 with the tip under the hot spot, and the
    // icon has a drawing for 2x title bars.
    void artworkAtScale()
    {
        const QImage mouse(qEnvironmentVariable("GRIZZET_APP_DIR") + "/mouse1.dat");
        const QImage sharp = PictureAtScale(mouse, 2).toImage();
        QVERIFY(sharp.size() == QSize(74, 72) && sharp.deviceIndependentSize() == QSizeF(37, 36));
        bool smoothed = false;
        for (int y = 0; y < 72; y += 2)
            for (int x = 0; x < 74; x += 2)
                smoothed = smoothed || sharp.pixel(x, y) != sharp.pixel(x + 1, y + 1);
        QVERIFY(smoothed);

        const QCursor pencil = PointerOf(":/pencil.png", {11, 20}, 2);
        QVERIFY(pencil.pixmap().size() == QSize(64, 64) && pencil.hotSpot() == QPoint(11, 20));
        QCOMPARE(qAlpha(pencil.pixmap().toImage().pixel(22, 40)), 255);
        QCOMPARE(PointerOf(":/hand.png", {7, 13}, 1).pixmap().size(), QSize(32, 32));

        QCOMPARE(WindowIcon().availableSizes(), QList<QSize>({{32, 32}, {48, 48}, {64, 64}}));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
