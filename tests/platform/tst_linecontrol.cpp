// The line control: a one-pixel line between two points in twips, seen on
// its container wherever its ends lie, whole pixels or half ones.
#include "platform/LineControl.h"

#include <QImage>
#include <QtTest>

#include <cmath>

using namespace grizzet;

class TestLineControl : public QObject {
    Q_OBJECT

private slots:
    void showsOnItsRow_data()
    {
        QTest::addColumn<float>("x1");
        QTest::addColumn<float>("x2");
        QTest::addColumn<float>("y");
        // The chooser's pointer lines: left to right, right to left, at the
        // middle of swatches 0 to 4, which fall on half pixels.
        QTest::newRow("left line, where it is first placed") << 360.0f << 1080.0f << 480.0f;
        QTest::newRow("left line, swatch 0") << 360.0f << 1080.0f << 427.5f;
        QTest::newRow("left line, swatch 1") << 360.0f << 1080.0f << 802.5f;
        QTest::newRow("left line, swatch 2") << 360.0f << 1080.0f << 1177.5f;
        QTest::newRow("left line, swatch 3") << 360.0f << 1080.0f << 1552.5f;
        QTest::newRow("right line, swatch 1") << 1680.0f << 960.0f << 802.5f;
        QTest::newRow("right line, swatch 2") << 1680.0f << 960.0f << 1177.5f;
        QTest::newRow("right line, swatch 4") << 1680.0f << 960.0f << 1927.5f;
    }

    void showsOnItsRow()
    {
        QFETCH(float, x1);
        QFETCH(float, x2);
        QFETCH(float, y);

        QWidget panel;
        panel.resize(140, 260);
        panel.setAutoFillBackground(true);
        QPalette palette = panel.palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        panel.setPalette(palette);
        auto* line = new LineControl(&panel);
        line->SetEnds(x1, y, x2, y);

        const QImage image = panel.grab().toImage();
        const int row = static_cast<int>(std::nearbyint(y / 15.0f));
        const int from = static_cast<int>(std::nearbyint(std::min(x1, x2) / 15.0f));
        const int to = static_cast<int>(std::nearbyint(std::max(x1, x2) / 15.0f));
        QCOMPARE(line->geometry().top(), row);
        int dark = 0;
        for (int x = 0; x < image.width(); ++x)
            dark += (image.pixel(x, row) & 0xFFFFFF) == 0;
        QCOMPARE(dark, to - from + 1);
        QCOMPARE(image.pixel(from, row) & 0xFFFFFF, 0u);
        QCOMPARE(image.pixel(to, row) & 0xFFFFFF, 0u);
        // Nothing above or below it.
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(image.pixel(x, row - 1) & 0xFFFFFF, 0xFFFFFFu);
            QCOMPARE(image.pixel(x, row + 1) & 0xFFFFFF, 0xFFFFFFu);
        }
    }
};

QTEST_MAIN(TestLineControl)
#include "tst_linecontrol.moc"
