// grizzet-check as an author runs it from a shell: what it prints for each
// file, in each language, with --solve, and its exit status.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <fstream>
#include <map>

const std::string Odd = "d.x/x\xdf\xbf\x80\xff\xe0\x80\xaf\xed\xa0\x80";

class TestChecker : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(dir_.path()).mkdir("folder") && QDir(dir_.path()).mkdir("d.x"));
        const std::map<std::string, std::string> files = {
            {"cat.pbm", "P1\n3 2\n1 0 1\n0 1 0\n"}, {"my.red.ppm", std::string("P6 2 1 255\n\xff\0\0\xff\xff\xff", 17)},
            {"bad.pbm", "P5"}, {"short.pbm", "P1 3 2 1 0"}, {"-dash", "P1 1 1 1"}, {"café.pbm", "P1 1 1 1"},
            {Odd, "P1 1 1 1"}, {"checkers.pbm", "P1 2 2 1 0 0 1"}, {"search.pbm", "P1 5 4 1 0 1 0 0  0 1 0 1 1  0 0 1 0 1  1 0 0 1 0"}};
        for (const auto& [name, bytes] : files)
            std::ofstream(QFile::encodeName(dir_.path()).toStdString() + "/" + name) << bytes;
    }

    // Qt cannot remove a name that is not UTF-8.
    void cleanupTestCase() { std::remove((QFile::encodeName(dir_.path()).toStdString() + "/" + Odd).c_str()); }

    // Why each odd file failed or lost colours, from a second look at its bytes, as written by real
    // programs: GIMP's plain PBM, 16-bit samples, a comment after a number, PGM and PNG under a PBM's
    // name. A file that loads cleanly gets none.
    void hints_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("hints");   // codes, then what their texts must say
        QTest::newRow("digits joined") << QByteArray("P1\n# CREATOR: GIMP\n7 2\n0011100\n0100010\n") << "plain-digits-joined";
        QTest::newRow("16-bit") << QByteArray("P6 1 1 65535\n\xff\xff\0\0\0\0") << "sixteen-bit|65535";
        QTest::newRow("comment after a number") << QByteArray("P3 1 1 92# x\n255\n9 9 9") << "comment-joins-number|92255";
        QTest::newRow("chained comment lines") << QByteArray("P6 # c1\n220 92# c2\n# c3\n255 # c4\n") << "too-large,comment-joins-number|92255";
        QTest::newRow("too wide") << QByteArray("P4 60 40\n") << "too-large|60 by 40";
        QTest::newRow("too high, 16-bit") << QByteArray("P6 2 99 65535\n") << "too-large,sixteen-bit|2 by 99";
        QTest::newRow("PGM") << QByteArray("P5 1 1 255\n\0") << "not-netpbm|PGM";
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n") << "not-netpbm|PNG";
        QTest::newRow("colours") << QByteArray("P3 3 1 255 255 128 0  255 128 0  0 0 200") << "colours-reduced|"
                                    "(255,128,0) becomes yellow (2 pixels), (0,0,200) becomes blue (1 pixel)";
        QTest::newRow("clean, a comment joining digits") << QByteArray("P1 1#c\n1 1 " + QByteArray("0 ").repeated(11)) << "";
        QTest::newRow("no file") << QByteArray() << "";
    }
    void hints()
    {
        QFETCH(QByteArray, bytes);
        QFile file(dir_.filePath("odd.ppm"));
        QVERIFY(bytes.isNull() ? !file.exists() || file.remove() : file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QProcess checker;
        checker.start(qEnvironmentVariable("GRIZZET_APP_DIR") + "/grizzet-check", {file.fileName()});
        QVERIFY(checker.waitForFinished(60000));
        QStringList codes, texts;
        for (const QJsonValue hint : QJsonDocument::fromJson(checker.readAllStandardOutput())["hints"].toArray())
            codes << hint["code"].toString(), texts << hint["text"].toString();
        QFETCH(QString, hints);
        QCOMPARE(codes.join(','), hints.section('|', 0, 0));
        QVERIFY2(texts.join(' ').contains(hints.section('|', 1)), qPrintable(texts.join(' ')));
    }

    // Each line as the author reads it: a character beyond ASCII may come as it is or escaped. The
    // expected lines write ` for each quote.
    void runs_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        const QString cat = "{`file`:`cat.pbm`,`loaded`:true,`messages`:[],`width`:3,`height`:2,`colours`:2,`name`:`cat`,`solution`:[`010`,"
            "`101`],`rowClues`:[[[1,0],[1,0]],[[1,0]]],`columnClues`:[[[1,0]],[[1,0]],[[1,0]]],`maxRowClues`:2,`maxColClues`:1";
        const QString one = "`loaded`:true,`messages`:[],`width`:1,`height`:1,`colours`:2,%1,`solution`:[`0`],`rowClues`:[[[1,0]]],"
                            "`columnClues`:[[[1,0]]],`maxRowClues`:1,`maxColClues`:1}";
        const QString bad = "{`file`:`bad.pbm`,`loaded`:false,`messages`:[{`case`:`invalid-file`,`icon`:`critical`,`title`:`bad.pbm`,"
                            "`text`:`This is not a valid PBM- or PPM-file.`}]}";
        QTest::newRow("colours in Dutch") << "--lang nl my.red.ppm" << 0
            << "{`file`:`my.red.ppm`,`loaded`:true,`messages`:[{`case`:`colours`,`icon`:`information`,`title`:`Bitmap te veel "
               "kleuren`,`text`:`Deze bitmap bevat meer dan 8 kleuren. De kleuren zullen worden gecompresseerd. Als u de bitmap "
               "bewaart, zullen slechts 8 kleuren worden bewaard.`}],`width`:2,`height`:1,`colours`:8,`name`:`my.red`,"
               "`solution`:[`21`],`rowClues`:[[[1,2]]],`columnClues`:[[[1,2]],[]],`maxRowClues`:1,`maxColClues`:1}" "\n";
        QTest::newRow("open error in Italian, a folder, a missing file") << "--lang=it short.pbm folder gone.pbm" << 1
            << "{`file`:`short.pbm`,`loaded`:false,`messages`:[{`case`:`open-error`,`icon`:`critical`,`title`:`short.pbm`,"
               "`text`:`Errore all'apertura del file.`}]}" "\n"
               "{`file`:`folder`,`loaded`:false,`messages`:[]}" "\n" "{`file`:`gone.pbm`,`loaded`:false,`messages`:[]}" "\n";
        QTest::newRow("an invalid file, a name after --") << "-- bad.pbm -dash" << 1
                                                          << bad + "\n{`file`:`-dash`," + one.arg("`name`:`-dash`") + "\n";
        // The last two-byte character, then bytes that are no UTF-8: the first past ASCII, 0xFF, a
        // slash in three bytes instead of one, and a surrogate.
        const QString odd = QString("x") + QChar(0x7FF) + QChar(0x80) + QChar(0xFF) + "\u00e0\u0080\u00af\u00ed\u00a0\u0080";
        QTest::newRow("names in UTF-8 and not") << "café.pbm d.x/x*" << 0
            << "{`file`:`café.pbm`," + one.arg("`name`:`café`") + "\n" + "{`file`:`d.x/" + odd + "`," + one.arg("`name`:`" + odd + "`") + "\n";
        QTest::newRow("solve") << "--solve cat.pbm checkers.pbm search.pbm bad.pbm" << 1
            << cat + ",`solve`:{`result`:`unique-by-lines`,`ms`:0}}" "\n"
               "{`file`:`checkers.pbm`,`loaded`:true,`messages`:[],`width`:2,`height`:2,`colours`:2,`name`:`checkers`,"
               "`solution`:[`01`,`10`],`rowClues`:[[[1,0]],[[1,0]]],`columnClues`:[[[1,0]],[[1,0]]],`maxRowClues`:1,"
               "`maxColClues`:1,`solve`:{`result`:`multiple`,`ms`:0,`other`:[`10`,`01`]}}" "\n"
               "{`file`:`search.pbm`,`loaded`:true,`messages`:[],`width`:5,`height`:4,`colours`:2,`name`:`search`,"
               "`solution`:[`01011`,`10100`,`11010`,`01101`],`rowClues`:[[[1,0],[1,0]],[[1,0],[2,0]],[[1,0],[1,0]],[[1,0],[1,0]]],"
               "`columnClues`:[[[1,0],[1,0]],[[1,0]],[[1,0],[1,0]],[[1,0],[1,0]],[[2,0]]],`maxRowClues`:2,`maxColClues`:2,"
               "`solve`:{`result`:`unique`,`ms`:0}}" "\n" + bad + "\n";
        QTest::newRow("no files") << "" << 2 << "";
        QTest::newRow("unknown language") << "--lang fr cat.pbm" << 2 << "";
        QTest::newRow("language missing") << "cat.pbm --lang" << 2 << "";
        QTest::newRow("a name like an option") << "-dash" << 2 << "";
    }

    void runs()
    {
        QFETCH(QString, arguments);
        QProcess checker;
        checker.setWorkingDirectory(dir_.path());
        // The shell hands file names over byte for byte.
        checker.start("/bin/sh", {"-c", "exec \"$0\" " + arguments, qEnvironmentVariable("GRIZZET_APP_DIR") + "/grizzet-check"});
        QVERIFY(checker.waitForFinished(60000));
        QTEST(checker.exitCode(), "code");
        const QByteArray errors = checker.readAllStandardError();
        QVERIFY2(checker.exitCode() == 2 ? errors.startsWith("usage: grizzet-check [--lang en|nl|it] [--solve] FILE...") : errors.isEmpty(), errors);
        QString out = QString::fromUtf8(checker.readAllStandardOutput()).replace(QRegularExpression("\"ms\":[0-9.]+"), "\"ms\":0");
        // Loading stays as it was whatever hints follow its messages: they have their own test.
        out.remove(QRegularExpression(",\"hints\":\\[.*\\](?=(,\"width\".*)?\\}$)", QRegularExpression::MultilineOption));
        const QRegularExpression escape("\\\\u(00[89a-f]\\w|0[1-9a-f]\\w\\w|[1-9a-f]\\w{3})", QRegularExpression::CaseInsensitiveOption);
        for (QRegularExpressionMatch m; (m = escape.match(out)).hasMatch();)
            out.replace(m.capturedStart(), 6, QChar(m.captured(1).toUShort(nullptr, 16)));
        QFETCH(QString, output);
        QCOMPARE(out, output.replace('`', '"'));
    }
};

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
