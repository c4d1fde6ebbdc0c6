// grizzet-convert as an author runs it: pictures from real programs in, a
// puzzle out that grizzet-check loads without a message or a hint, and the
// refusals.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// A picture as PNG: one letter a pixel, "." for see-through.
static QByteArray Png(const QStringList& rows)
{
    const QMap<QChar, QRgb> colours = {{'o', qRgb(255, 128, 0)}, {'k', qRgb(0, 0, 0)}, {'.', qRgba(0, 0, 0, 0)},
                                       {'b', qRgb(0, 0, 200)}, {'m', qRgb(200, 0, 200)}, {'w', qRgb(255, 255, 255)}};
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours[rows[y][x]]);
    QByteArray png;
    QBuffer buffer(&png);
    image.save(&buffer, "PNG");
    return png;
}

class TestConvert : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QJsonObject Run(const QString& program, const QStringList& arguments, int code, const QString& error = {})
    {
        QProcess process;
        process.start(qEnvironmentVariable("GRIZZET_APP_DIR") + "/" + program, arguments);
        process.waitForFinished(60000);
        [&] {
            QCOMPARE(process.exitCode(), code);
            QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(error));
        }();
        return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    }

private slots:
    void convert_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("puzzle");   // the kind written, then its rows of colour numbers
        QTest::newRow("PNG, see-through as white") << Png({"ok.", "bmw"}) << "" << "P6|401,361";
        QTest::newRow("16-bit PPM, halves to the last sample")
            << QByteArray("P6 2 1 65535\n\xff\xff\x80\0\0\0\0\0\x7f\xff\xff\xff", 25) << "" << "P6|43";
        QTest::newRow("raw PBM, rows padded") << QByteArray("P4 9 2\n\x80\x80\x7f\x7f", 11) << "" << "P4|011111110,100000001";
        QTest::newRow("GIMP's plain PBM") << QByteArray("P1\n# CREATOR: GIMP\n5 2\n01101\n10010\n") << "" << "P4|10010,01101";
        QTest::newRow("60 by 40, scaled") << Png(QStringList(40, QString(60, 'k'))) << "--scale" << "P4|50x33";
    }
    void convert()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QString, options);
        QFETCH(QString, puzzle);
        QFile in(dir_.filePath("in")), out(dir_.filePath("out.ppm"));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(picture) == picture.size());
        in.close();
        QJsonObject said = Run("grizzet-convert", options.split(' ', Qt::SkipEmptyParts) << in.fileName() << out.fileName(), 0);
        QJsonObject checked = Run("grizzet-check", {"--solve", out.fileName()}, 0);
        for (QJsonObject* verdict : {&said, &checked})   // the time the solver took aside
            verdict->insert("solve", QJsonObject(verdict->value("solve").toObject()).value("result"));
        QCOMPARE(said, checked);   // the checker's verdict, solution included
        QVERIFY(checked["loaded"].toBool() && checked["messages"].toArray().isEmpty() && !checked.contains("hints"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QStringList rows = checked["solution"].toVariant().toStringList();
        const QString written = rows.size() > 2 ? QString("%1x%2").arg(checked["width"].toInt()).arg(rows.size()) : rows.join(',');
        QCOMPARE(out.read(2) + "|" + written, puzzle);   // with no colours notice, P6's maximum is 1
    }

    // A picture too large without --scale, one that is no picture, and the picture itself as the
    // puzzle: a reason, and nothing written.
    void refusals()
    {
        const QString large = dir_.filePath("large.png"), puzzle = dir_.filePath("p.pbm");
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Png(QStringList(40, QString(60, 'k')))) > 0);
        file.close();
        Run("grizzet-convert", {large, puzzle}, 1, "is 60 by 40 pixels, and the game takes at most 50 by 50");
        Run("grizzet-convert", {puzzle + ".none", puzzle}, 1, "cannot be read as a picture");
        Run("grizzet-convert", {large, large}, 1, "is the picture itself");
        Run("grizzet-convert", {large}, 2, "usage: grizzet-convert [--scale] IN OUT");
        QVERIFY(!QFile::exists(puzzle) && QFileInfo(large).size() == file.size());
    }
};

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
