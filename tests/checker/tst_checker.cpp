// grizzet-check as a user runs it: exit codes, the JSON it prints, the
// languages, and paths that no JSON string holds as they are.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include <sys/stat.h>

namespace {

struct Run {
    int code = -1;
    QList<QByteArray> lines;  // stdout, one entry a line
    QByteArray errors;
};

QJsonObject Parse(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning() << "not a JSON object:" << line << error.errorString();
    return document.object();
}

}  // namespace

class TestChecker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void exitCodes_data();
    void exitCodes();
    void blackAndWhitePicture();
    void colourPicture();
    void failuresCarryNoPicture_data();
    void failuresCarryNoPicture();
    void strangePaths();

private:
    Run Check(const QStringList& arguments, const QString& shellCommand = {});
    QString In(const QString& name) const { return dir_.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir_;
    QString checker_;
};

void TestChecker::initTestCase()
{
    QVERIFY(dir_.isValid());
    checker_ = qEnvironmentVariable("GRIZZET_APP_DIR") + "/grizzet-check";
    QVERIFY2(QFileInfo(checker_).isExecutable(), qPrintable(checker_));
    Write("cat.pbm", "P1\n3 2\n1 0 1\n0 1 0\n");
    Write("my.red.ppm", QByteArray("P6 2 1 255\n") + QByteArray("\xff\x00\x00\xff\xff\xff", 6));
    Write("bad.pbm", "P5 1 1 1 1");
    Write("wide.ppm", "P3 51 60 1\n");
    Write("short.pbm", "P1 3 2 1 0");
    Write("-dash.pbm", "P1 1 1 1");
    QVERIFY(QDir(dir_.path()).mkdir("folder"));
    QCOMPARE(::mkfifo(QFile::encodeName(In("fifo.pbm")).constData(), 0600), 0);
}

void TestChecker::Write(const QString& name, const QByteArray& bytes)
{
    QFile file(In(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

Run TestChecker::Check(const QStringList& arguments, const QString& shellCommand)
{
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    if (shellCommand.isEmpty())
        process.start(checker_, arguments);
    else  // the shell hands over file names byte for byte
        process.start("/bin/sh", {"-c", shellCommand, checker_});
    Run run;
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.code = process.exitCode();
    run.lines = process.readAllStandardOutput().split('\n');
    if (!run.lines.isEmpty() && run.lines.last().isEmpty())
        run.lines.removeLast();
    run.errors = process.readAllStandardError();
    return run;
}

void TestChecker::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("lines");

    QTest::newRow("one good file") << QStringList{"cat.pbm"} << 0 << 1;
    QTest::newRow("two good files") << QStringList{"cat.pbm", "my.red.ppm"} << 0 << 2;
    QTest::newRow("a good and a missing file") << QStringList{"cat.pbm", "gone.pbm"} << 1 << 2;
    QTest::newRow("an invalid file") << QStringList{"bad.pbm", "cat.pbm"} << 1 << 2;
    QTest::newRow("a folder") << QStringList{"folder"} << 1 << 1;
    QTest::newRow("a device") << QStringList{"/dev/zero"} << 1 << 1;
    QTest::newRow("a FIFO") << QStringList{"fifo.pbm"} << 1 << 1;
    QTest::newRow("Dutch") << QStringList{"--lang", "nl", "cat.pbm"} << 0 << 1;
    QTest::newRow("Italian, joined") << QStringList{"--lang=it", "cat.pbm"} << 0 << 1;
    QTest::newRow("a file after --") << QStringList{"--", "-dash.pbm"} << 0 << 1;

    QTest::newRow("no files") << QStringList{} << 2 << 0;
    QTest::newRow("only a language") << QStringList{"--lang", "en"} << 2 << 0;
    QTest::newRow("unknown language") << QStringList{"--lang", "fr", "cat.pbm"} << 2 << 0;
    QTest::newRow("language missing") << QStringList{"cat.pbm", "--lang"} << 2 << 0;
    QTest::newRow("unknown option") << QStringList{"--bogus", "cat.pbm"} << 2 << 0;
    QTest::newRow("a dash file without --") << QStringList{"-dash.pbm"} << 2 << 0;
}

void TestChecker::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(int, lines);
    const Run run = Check(arguments);
    QCOMPARE(run.code, code);
    QCOMPARE(run.lines.size(), lines);
    for (const QByteArray& line : run.lines)
        QVERIFY(Parse(line).contains("loaded"));
    if (code == 2)
        QVERIFY(run.errors.startsWith("usage: grizzet-check [--lang en|nl|it] [--solve] FILE..."));
    else
        QVERIFY(run.errors.isEmpty());
}

void TestChecker::blackAndWhitePicture()
{
    const Run run = Check({"cat.pbm"});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.lines.size(), 1);
    // The whole line, fields in their documented order.
    QCOMPARE(run.lines[0],
             QByteArray("{\"file\":\"cat.pbm\",\"loaded\":true,\"messages\":[],\"width\":3,"
                        "\"height\":2,\"colours\":2,\"name\":\"cat\",\"solution\":[\"010\","
                        "\"101\"],\"rowClues\":[[[1,0],[1,0]],[[1,0]]],\"columnClues\":[[[1,0]],"
                        "[[1,0]],[[1,0]]],\"maxRowClues\":2,\"maxColClues\":1}"));
}

void TestChecker::colourPicture()
{
    const Run run = Check({"--lang", "nl", "my.red.ppm", "cat.pbm"});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.lines.size(), 2);
    const QJsonObject red = Parse(run.lines[0]);
    QCOMPARE(red["file"].toString(), "my.red.ppm");
    QCOMPARE(red["loaded"].toBool(), true);
    QCOMPARE(red["colours"].toInt(), 8);
    QCOMPARE(red["name"].toString(), "my.red");
    QCOMPARE(red["solution"].toArray(), QJsonArray{"21"});
    QCOMPARE(red["rowClues"].toArray(), (QJsonArray{QJsonArray{QJsonArray{1, 2}}}));
    QCOMPARE(red["columnClues"].toArray(), (QJsonArray{QJsonArray{QJsonArray{1, 2}}, QJsonArray{}}));
    QCOMPARE(red["maxRowClues"].toInt(), 1);
    QCOMPARE(red["maxColClues"].toInt(), 1);
    const QJsonArray messages = red["messages"].toArray();
    QCOMPARE(messages.size(), 1);
    const QJsonObject notice = messages[0].toObject();
    QCOMPARE(notice["case"].toString(), "colours");
    QCOMPARE(notice["icon"].toString(), "information");
    QCOMPARE(notice["title"].toString(), "Bitmap te veel kleuren");
    QCOMPARE(notice["text"].toString(),
             "Deze bitmap bevat meer dan 8 kleuren. De kleuren zullen worden gecompresseerd. Als "
             "u de bitmap bewaart, zullen slechts 8 kleuren worden bewaard.");
    QCOMPARE(Parse(run.lines[1])["file"].toString(), "cat.pbm");
}

void TestChecker::failuresCarryNoPicture_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("kind");   // empty: no message
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("missing") << QStringList{"gone.pbm"} << "" << "" << "";
    QTest::newRow("folder") << QStringList{"folder"} << "" << "" << "";
    QTest::newRow("invalid, English") << QStringList{"bad.pbm"} << "invalid-file" << "bad.pbm"
                                      << "This is not a valid PBM- or PPM-file.";
    QTest::newRow("too wide, Dutch")
        << QStringList{"--lang", "nl", "wide.ppm"} << "too-wide" << "Bitmap te breed"
        << "De bitmap mag niet breder zijn dan 50 pixels. Deze bitmap is 51 pixels breed.";
    QTest::newRow("open error, Dutch")
        << QStringList{"--lang", "nl", "short.pbm"} << "open-error" << "short.pbm"
        << "Er is een fout opgetreden bij het openen van dit bestand.";
    QTest::newRow("open error, Italian")
        << QStringList{"--lang", "it", "short.pbm"} << "open-error" << "short.pbm"
        << "Errore all'apertura del file.";
}

void TestChecker::failuresCarryNoPicture()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const Run run = Check(arguments);
    QCOMPARE(run.code, 1);
    QCOMPARE(run.lines.size(), 1);
    const QJsonObject result = Parse(run.lines[0]);
    QCOMPARE(result.keys(), (QStringList{"file", "loaded", "messages"}));
    QCOMPARE(result["loaded"].toBool(true), false);
    const QJsonArray messages = result["messages"].toArray();
    QCOMPARE(messages.size(), kind.isEmpty() ? 0 : 1);
    if (kind.isEmpty())
        return;
    const QJsonObject message = messages[0].toObject();
    QCOMPARE(message["case"].toString(), kind);
    QCOMPARE(message["icon"].toString(), "critical");
    QCOMPARE(message["title"].toString(), title);
    QCOMPARE(message["text"].toString(), text);
}

void TestChecker::strangePaths()
{
    // Quote, backslash, newline, tab, an accent in UTF-8 and a byte that is
    // not UTF-8 at all.
    const std::string name = "q\"b\\n\nt\t\xc3\xa9x\xff.pbm";
    std::ofstream(QFile::encodeName(dir_.path()).toStdString() + "/" + name) << "P1 1 1 1";
    const Run run = Check({}, "exec \"$0\" q*");
    QCOMPARE(run.code, 0);
    QCOMPARE(run.lines.size(), 1);
    QVERIFY(run.lines[0].contains("\xc3\xa9"));  // UTF-8 passes as it is
    const QJsonObject result = Parse(run.lines[0]);
    QCOMPARE(result["file"].toString(), QString::fromUtf8("q\"b\\n\nt\t\u00e9x\u00ff.pbm"));
    QCOMPARE(result["name"].toString(), QString::fromUtf8("q\"b\\n\nt\t\u00e9x\u00ff"));
    QCOMPARE(result["loaded"].toBool(), true);
}

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
