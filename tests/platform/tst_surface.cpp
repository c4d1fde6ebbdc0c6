// The drawing surface: text measured as drawn, the image kept, mouse arguments.
#include "platform/Surface.h"

#include <QMouseEvent>
#include <QtTest>

using namespace grizzet;

class TestSurface : public QObject {
    Q_OBJECT

private slots:
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
