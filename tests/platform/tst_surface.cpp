// The drawing surface: units, shapes on device pixels, text, pixels, mouse.
#include "platform/Surface.h"

#include <QMouseEvent>
#include <QtTest>

using namespace grizzet;

class TestSurface : public QObject {
    Q_OBJECT

private slots:
    // Boxes cover both corners' pixels; a one-point strip is two pixels wide
    // where a one-pixel outline is one, so heavy grid lines stand out.
    void boxesCoverBothCorners()
    {
        Surface surface;
        surface.resize(40, 40);
        surface.SetScaleUnit(ScaleUnit::Point);
        surface.SetBackColor(qRgb(64, 64, 64));
        surface.Cls();
        surface.FillBox(0, 0, 12, 12, qRgb(255, 0, 0));
        surface.DrawBox(0, 0, 12, 12, qRgb(32, 32, 32));
        surface.FillBox(0, 0, 1, 12, qRgb(0, 0, 255));
        const QImage& image = surface.Image();
        QCOMPARE(image.pixel(1, 8) & 0xFFFFFF, 0x0000FFu);
        QCOMPARE(image.pixel(2, 8) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(image.pixel(15, 8) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(image.pixel(16, 8) & 0xFFFFFF, 0x202020u);
        QCOMPARE(image.pixel(8, 16) & 0xFFFFFF, 0x202020u);
        QCOMPARE(image.pixel(17, 8) & 0xFFFFFF, 0x404040u);
    }

    // The font's point size and the image's resolution agree: what is measured
    // is what is drawn.
    void textWidthMatchesDrawing()
    {
        Surface surface;
        surface.resize(400, 100);
        surface.SetScaleUnit(ScaleUnit::Point);
        surface.SetBackColor(qRgb(255, 255, 255));
        surface.Cls();
        surface.SetFontName(QStringLiteral("Arial"));
        surface.SetFontSize(24);
        const float width = surface.TextWidth(QStringLiteral("10 "));
        QVERIFY2(width > 32.5f && width < 34.5f, qPrintable(QString::number(width)));
        surface.SetCurrentX(30);
        surface.SetCurrentY(10);
        surface.SetForeColor(qRgb(255, 0, 0));
        surface.Print(QStringLiteral("10"));
        QRect inked;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 400; ++x)
                if ((surface.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    QCOMPARE(surface.Image().pixel(x, y) & 0xFFFFFF, 0xFF0000u);
                    inked |= QRect(x, y, 1, 1);
                }
        QVERIFY(inked.left() >= 40 && inked.left() < 46);
        QVERIFY(inked.top() > 13 && inked.top() < 24);
        QVERIFY(inked.right() < 40 + width * 4 / 3);
        QVERIFY(inked.height() > 18 && inked.height() < 26);
    }

    void pixelsReadAndWritten()
    {
        Surface surface;
        surface.resize(30, 30);
        surface.SetScaleUnit(ScaleUnit::Point);
        surface.Cls();
        surface.SetPixel(4, 4, qRgb(128, 128, 128));
        QCOMPARE(surface.GetPixel(4, 4), qRgb(128, 128, 128) & 0xFFFFFF);
        QCOMPARE(surface.Point(3, 3), qRgb(128, 128, 128) & 0xFFFFFF);
        QCOMPARE(surface.GetPixel(-1, 4), 0xFFFFFFFFu);
        surface.SetPixel(400, 4, qRgb(0, 0, 0));  // outside: ignored
    }

    void imageKeepsWhatWasDrawnWhenShrunk()
    {
        Surface surface;
        surface.resize(25, 225);
        surface.FillBox(0, 200, 25, 225, qRgb(0, 255, 255));
        surface.resize(25, 75);
        surface.resize(25, 225);
        QCOMPARE(surface.GetPixel(1, 201), qRgb(0, 255, 255) & 0xFFFFFF);
    }

    void mouseArguments_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("shift");
        QTest::newRow("right+shift") << int(Qt::RightButton) << int(Qt::ShiftModifier) << 2 << 1;
        QTest::newRow("middle+ctrl") << int(Qt::MiddleButton) << int(Qt::ControlModifier) << 4 << 2;
        QTest::newRow("both") << int(Qt::LeftButton | Qt::RightButton) << int(Qt::AltModifier) << 3 << 4;
    }

    void mouseArguments()
    {
        QFETCH(int, buttons);
        QFETCH(int, modifiers);
        QFETCH(int, mask);
        QFETCH(int, shift);
        Surface surface;
        surface.resize(100, 100);
        surface.SetScaleUnit(ScaleUnit::Point);
        MouseArgs seen;
        int moves = 0;
        surface.onMouseMove = [&](const MouseArgs& args) { seen = args; ++moves; };
        QMouseEvent move(QEvent::MouseMove, QPointF(48, 20), QPointF(48, 20), Qt::NoButton,
                         Qt::MouseButtons(buttons), Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(&surface, &move);
        QCOMPARE(moves, 1);
        QCOMPARE(seen.Button, mask);
        QCOMPARE(seen.Shift, shift);
        QCOMPARE(seen.X, 36.0f);
        QCOMPARE(seen.Y, 15.0f);
    }
};

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
