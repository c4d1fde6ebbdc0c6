// What the windows' tests cannot see of the platform layer: the artwork at a
// screen's scale, and a drawing surface's image outliving a smaller size.
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

    // What was drawn beyond a smaller size shows again when the surface grows
    // back: the chooser shrinks to three swatches for a black-and-white
    // picture and needs all nine again for the next colour one.
    void imageOutlivesASmallerSize()
    {
        Surface surface;
        surface.resize(25, 225);
        surface.FillBox(0, 200, 25, 225, qRgb(0, 255, 255));
        surface.resize(25, 75);
        surface.FillBox(0, 0, 25, 25, qRgb(255, 0, 0));
        surface.resize(25, 225);
        QCOMPARE(surface.GetPixel(1, 201), 0x00FFFFu);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
