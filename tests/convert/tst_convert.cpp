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

    // A file of these bytes in the test's folder.
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        [&] { QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()); }();
        return file.fileName();
    }

    // What the program prints, once it ended with that status and said that on its error output.
    QByteArray Run(const QString& program, const QStringList& arguments, int code, const QString& error = {})
    {
        QProcess process;
        process.start(qEnvironmentVariable("GRIZZET_APP_DIR") + "/" + program, arguments);
        [&] {
            QVERIFY(process.waitForFinished(60000));   // neither hangs
            QCOMPARE(process.exitCode(), code);
            QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(error));
        }();
        return process.readAllStandardOutput();
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
        QFile out(dir_.filePath("out.ppm"));
        const QStringList arguments = options.split(' ', Qt::SkipEmptyParts) << Write("in", picture) << out.fileName();
        QJsonObject said = QJsonDocument::fromJson(Run("grizzet-convert", arguments, 0)).object();
        QJsonObject checked = QJsonDocument::fromJson(Run("grizzet-check", {"--solve", out.fileName()}, 0)).object();
        for (QJsonObject* verdict : {&said, &checked})   // the time the solver took aside
            verdict->insert("solve", QJsonObject(verdict->value("solve").toObject()).value("result"));
        QCOMPARE(said, checked);   // the checker's verdict, solution included
        QVERIFY(checked["loaded"].toBool() && checked["messages"].toArray().isEmpty() && !checked.contains("hints"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QStringList rows = checked["solution"].toVariant().toStringList();
        const QString written = rows.size() > 2 ? QString("%1x%2").arg(checked["width"].toInt()).arg(rows.size()) : rows.join(',');
        QCOMPARE(out.read(2) + "|" + written, puzzle);   // with no colours notice, P6's maximum is 1
    }

    // Small hostile files through both tools: the checker prints one line for the file and ends in 0 or 1,
    // the converter writes a puzzle or gives its reason and leaves nothing behind; neither aborts nor hangs.
    void hostile_data()
    {
        QTest::addColumn<QByteArray>("bytes");   // "fifo" and "folder" make one of those instead
        QTest::addColumn<int>("checked");        // the checker's exit status
        QTest::addColumn<QString>("refusal");    // what the converter says, or empty when it writes a puzzle
        QTest::newRow("P3 cut short") << QByteArray("P3 2 2 255\n255 0 0  0 255 0  0 0 2") << 1 << "ends before its last pixel";
        QTest::newRow("16-bit, cut short") << QByteArray("P6 2 1 65535\n\xff\xff\x80") << 1 << "ends before its last pixel";
        QTest::newRow("no picture after P3") << QByteArray("P3 \0\xff\x13garbage ## \r", 18) << 1 << "ends before its header";
        QTest::newRow("megabytes of comment lines") << "P3 1 1 255\n" + QByteArray("# a comment\n").repeated(400000) + "255 0 9"
                                                    << 0 << "";
        QTest::newRow("one comment of 8 MB, then nothing") << "P1 1 # " + QByteArray(8 << 20, 'x') << 1 << "ends before its header";
        QTest::newRow("maximum 0") << QByteArray("P6 1 1 0\n\0\0\0", 12) << 0 << "maximum value 0";
        QTest::newRow("a header of 60000 by 60000") << QByteArray("P4 60000 60000\n\xff") << 1 << "more than 16777216 pixels";
        QTest::newRow("width 0") << QByteArray("P1 0 3 1 1 1") << 1 << "no pixels";
        QTest::newRow("any bytes") << QByteArray("\x01\xfe\0P1\x89PNG", 9) << 1 << "cannot be read as a picture";
        QTest::newRow("a P6 body under X6") << QByteArray("X6 1 1 255\n\xff\0\0", 14) << 1 << "cannot be read as a picture";
        QTest::newRow("a FIFO") << QByteArray("fifo") << 1 << "cannot be read as a picture";
        QTest::newRow("a folder") << QByteArray("folder") << 1 << "cannot be read as a picture";
    }
    void hostile()
    {
        QFETCH(QByteArray, bytes);
        const QString in = dir_.filePath("hostile"), out = dir_.filePath("puzzle.pbm");
        QVERIFY(QProcess::execute("rm", {"-rf", in, out}) == 0);
        if (bytes == "fifo" || bytes == "folder")
            QVERIFY(QProcess::execute(bytes == "fifo" ? "mkfifo" : "mkdir", {in}) == 0);
        else
            Write("hostile", bytes);
        QFETCH(int, checked);
        const QList<QByteArray> lines = Run("grizzet-check", {in}, checked).split('\n');
        QVERIFY(lines.size() == 2 && QJsonDocument::fromJson(lines[0])["file"] == in && lines[1].isEmpty());
        QFETCH(QString, refusal);
        Run("grizzet-convert", {in, out}, refusal.isEmpty() ? 0 : 1, refusal);
        QCOMPARE(QFile::exists(out), refusal.isEmpty());
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files).filter("puzzle.pbm.").size(), 0);
    }

    // A picture too large without --scale, the picture itself as the puzzle, a folder to write to:
    // a reason, and nothing written. Files that are no picture are the hostile table's.
    void refusals()
    {
        const QByteArray png = Png(QStringList(40, QString(60, 'k')));
        const QString large = Write("large.png", png), puzzle = dir_.filePath("p.pbm");
        Run("grizzet-convert", {large, puzzle}, 1, "is 60 by 40 pixels, and the game takes at most 50 by 50");
        Run("grizzet-convert", {large, large}, 1, "is the picture itself");
        Run("grizzet-convert", {"--scale", large, dir_.path()}, 1, "cannot be written");
        Run("grizzet-convert", {large}, 2, "usage: grizzet-convert [--scale] IN OUT");
        QVERIFY(!QFile::exists(puzzle) && QFileInfo(large).size() == png.size());
    }
};

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
