// What the windows' tests cannot see of the platform layer: a drawing
// surface's image outliving a smaller size.
#include "platform/Surface.h"

#include <QtTest>

using namespace grizzet;

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
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
