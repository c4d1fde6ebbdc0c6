// grizzet-check as a user runs it: exit codes, the JSON it prints, the
// languages, paths that no JSON string holds as they are, and --solve.
#include "support/Art.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include <sys/stat.h>

using namespace grizzet::test;

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

QStringList Strings(const QJsonValue& array)
{
    QStringList strings;
    for (const QJsonValue& value : array.toArray())
        strings << value.toString();
    return strings;
}

}  // namespace

class TestChecker : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        checker_ = qEnvironmentVariable("GRIZZET_APP_DIR") + "/grizzet-check";
        QVERIFY2(QFileInfo(checker_).isExecutable(), qPrintable(checker_));
        WriteFile(In("cat.pbm"), "P1\n3 2\n1 0 1\n0 1 0\n");
        WriteFile(In("my.red.ppm"), QByteArray("P6 2 1 255\n") + QByteArray("\xff\x00\x00\xff\xff\xff", 6));
        WriteFile(In("bad.pbm"), "P5 1 1 1 1");
        WriteFile(In("short.pbm"), "P1 3 2 1 0");
        WriteFile(In("-dash.pbm"), "P1 1 1 1");
        WriteFile(In("heart.pbm"), PictureFile({".k.k.", "kkkkk", "kkkkk", ".kkk.", "..k.."}));
        WriteFile(In("flags.ppm"), PictureFile({"rb", ".b", "br"}));
        WriteFile(In("checkerboard.pbm"), PictureFile({"k.", ".k"}));
        // Line logic stalls on this one; only the search proves it unique.
        WriteFile(In("search.pbm"), PictureFile({"k.k..", ".k.kk", "..k.k", "k..k."}));
        QVERIFY(QDir(dir_.path()).mkdir("folder"));
        QCOMPARE(::mkfifo(QFile::encodeName(In("fifo.pbm")).constData(), 0600), 0);
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("lines");

        QTest::newRow("one good file") << QStringList{"cat.pbm"} << 0 << 1;
        QTest::newRow("a good and a missing file") << QStringList{"cat.pbm", "gone.pbm"} << 1 << 2;
        QTest::newRow("an invalid file first") << QStringList{"bad.pbm", "cat.pbm"} << 1 << 2;
        QTest::newRow("a FIFO, never opened") << QStringList{"fifo.pbm"} << 1 << 1;
        QTest::newRow("Italian, joined") << QStringList{"--lang=it", "cat.pbm"} << 0 << 1;
        QTest::newRow("a file after --") << QStringList{"--", "-dash.pbm"} << 0 << 1;

        QTest::newRow("no files") << QStringList{} << 2 << 0;
        QTest::newRow("unknown language") << QStringList{"--lang", "fr", "cat.pbm"} << 2 << 0;
        QTest::newRow("language missing") << QStringList{"cat.pbm", "--lang"} << 2 << 0;
        QTest::newRow("a dash file without --") << QStringList{"-dash.pbm"} << 2 << 0;
    }

    void exitCodes()
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

    // Whole lines, fields in their documented order; a file that did not
    // load carries no picture.
    void wholeLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("black and white")
            << QStringList{"cat.pbm"} << 0
            << QByteArray("{\"file\":\"cat.pbm\",\"loaded\":true,\"messages\":[],\"width\":3,\"height\":2,"
                          "\"colours\":2,\"name\":\"cat\",\"solution\":[\"010\",\"101\"],\"rowClues\":[[[1,0],[1,0]],"
                          "[[1,0]]],\"columnClues\":[[[1,0]],[[1,0]],[[1,0]]],\"maxRowClues\":2,\"maxColClues\":1}");
        QTest::newRow("colours, Dutch")
            << QStringList{"--lang", "nl", "my.red.ppm"} << 0
            << QByteArray("{\"file\":\"my.red.ppm\",\"loaded\":true,\"messages\":[{\"case\":\"colours\",\"icon\":"
                          "\"information\",\"title\":\"Bitmap te veel kleuren\",\"text\":\"Deze bitmap bevat meer dan "
                          "8 kleuren. De kleuren zullen worden gecompresseerd. Als u de bitmap bewaart, zullen slechts "
                          "8 kleuren worden bewaard.\"}],\"width\":2,\"height\":1,\"colours\":8,\"name\":\"my.red\","
                          "\"solution\":[\"21\"],\"rowClues\":[[[1,2]]],\"columnClues\":[[[1,2]],[]],\"maxRowClues\":1,"
                          "\"maxColClues\":1}");
        QTest::newRow("a folder") << QStringList{"folder"} << 1
                                  << QByteArray("{\"file\":\"folder\",\"loaded\":false,\"messages\":[]}");
        QTest::newRow("open error, Italian")
            << QStringList{"--lang", "it", "short.pbm"} << 1
            << QByteArray("{\"file\":\"short.pbm\",\"loaded\":false,\"messages\":[{\"case\":\"open-error\",\"icon\":"
                          "\"critical\",\"title\":\"short.pbm\",\"text\":\"Errore all'apertura del file.\"}]}");
    }

    void wholeLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QByteArray, line);
        const Run run = Check(arguments);
        QCOMPARE(run.code, code);
        QCOMPARE(run.lines, QList<QByteArray>{line});
    }

    void strangePaths()
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

    void solve_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("result");
        QTest::newRow("lines alone") << "heart.pbm" << "unique-by-lines";
        QTest::newRow("touching colours") << "flags.ppm" << "unique-by-lines";
        QTest::newRow("needs the search") << "search.pbm" << "unique";
        QTest::newRow("checkerboard") << "checkerboard.pbm" << "multiple";
    }

    // For "multiple", the other solution differs from the picture and, checked
    // as a picture of its own, gives the same clues.
    void solve()
    {
        QFETCH(QString, file);
        QFETCH(QString, result);
        const Run run = Check({file, "--solve"});
        QCOMPARE(run.code, 0);
        const QJsonObject object = Parse(run.lines.value(0));
        const QJsonObject solve = object["solve"].toObject();
        QCOMPARE(solve["result"].toString(), result);
        QVERIFY(solve["ms"].isDouble() && solve["ms"].toDouble() >= 0);
        QCOMPARE(solve.contains("other"), result == "multiple");
        if (result != "multiple")
            return;
        const QStringList other = Strings(solve["other"]);
        QVERIFY(other != Strings(object["solution"]));
        WriteFile(In("other.pbm"), PictureFile(other));
        const QJsonObject again = Parse(Check({"other.pbm"}).lines.value(0));
        QCOMPARE(Strings(again["solution"]), other);
        QCOMPARE(again["rowClues"], object["rowClues"]);
        QCOMPARE(again["columnClues"], object["columnClues"]);
    }

    // --solve adds "solve" to every loaded file and changes nothing else.
    void solveLeavesTheRestAlone()
    {
        const QStringList files{"--lang", "nl", "heart.pbm", "bad.pbm", "gone.pbm", "flags.ppm"};
        const Run plain = Check(files);
        const Run solved = Check(QStringList{"--solve"} + files);
        QCOMPARE(solved.code, plain.code);
        QCOMPARE(solved.lines.size(), 4);
        for (int i = 0; i < plain.lines.size(); ++i) {
            QJsonObject stripped = Parse(solved.lines[i]);
            QCOMPARE(stripped.contains("solve"), stripped["loaded"].toBool());
            stripped.remove("solve");
            QCOMPARE(stripped, Parse(plain.lines[i]));
        }
    }

private:
    QString In(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QString checker_;

    Run Check(const QStringList& arguments, const QString& shellCommand = {})
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
};

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
