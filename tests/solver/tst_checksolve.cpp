// grizzet-check --solve: the "solve" object it adds to each loaded file's
// JSON, the second solution it shows for an ambiguous picture, and the rest
// of the JSON left as it was.
#include "solver_helpers.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

class TestCheckSolve : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void verdicts_data();
    void verdicts();
    void otherSolutionFitsTheClues();
    void restOfTheJsonUnchanged_data();
    void restOfTheJsonUnchanged();
    void failedLoadHasNoSolve();
    void bundledPuzzles();

private:
    QList<QJsonObject> Check(const QStringList& arguments, int expectedCode = 0);
    void Write(const QString& name, const QByteArray& bytes);
    QString In(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QString checker_;
};

namespace {

// A plain PBM file of the picture ("k" black, "." white).
QByteArray PlainPbm(const QStringList& art)
{
    QByteArray bytes = "P1\n" + QByteArray::number(art[0].size()) + ' ' + QByteArray::number(art.size()) + '\n';
    for (const QString& row : art) {
        for (QChar cell : row)
            bytes += cell == QLatin1Char('k') ? "1 " : "0 ";
        bytes += '\n';
    }
    return bytes;
}

// Rows of colour digits, as "solution" and "other" hold them, into a grid.
Grid GridOfRows(const QJsonArray& rows)
{
    Grid grid;
    grid.Fill(White);
    for (int y = 0; y < rows.size(); ++y) {
        const QString row = rows[y].toString();
        for (int x = 0; x < row.size(); ++x)
            grid(x, y) = static_cast<std::uint8_t>(row[x].digitValue());
    }
    return grid;
}

}  // namespace

void TestCheckSolve::initTestCase()
{
    QVERIFY(dir_.isValid());
    checker_ = qEnvironmentVariable("GRIZZET_APP_DIR") + "/grizzet-check";
    QVERIFY2(QFileInfo(checker_).isExecutable(), qPrintable(checker_));
    Write("heart.pbm", PlainPbm({".k.k.", "kkkkk", "kkkkk", ".kkk.", "..k.."}));
    Write("checkerboard.pbm", PlainPbm({"k.", ".k"}));
    Write("corners.pbm", PlainPbm({"k.....", ".k....", "....k.", ".....k"}));
    // Line logic stalls on this one; only the search proves it unique.
    Write("search.pbm", PlainPbm({"k.k..", ".k.kk", "..k.k", "k..k."}));
    // Red beside blue, white, blue beside red.
    Write("flags.ppm", QByteArray("P6\n2 2\n255\n")
                           + QByteArray("\xff\x00\x00\x00\x00\xff\x00\x00\xff\xff\x00\x00", 12));
    Write("bad.pbm", "P5 1 1 1 1");
}

void TestCheckSolve::Write(const QString& name, const QByteArray& bytes)
{
    QFile file(In(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QList<QJsonObject> TestCheckSolve::Check(const QStringList& arguments, int expectedCode)
{
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(checker_, arguments);
    QList<QJsonObject> objects;
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning() << "grizzet-check did not finish";
        return objects;
    }
    if (process.exitCode() != expectedCode)
        qWarning() << "exit code" << process.exitCode() << process.readAllStandardError();
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            qWarning() << "not a JSON object:" << line;
        objects << document.object();
    }
    return objects;
}

void TestCheckSolve::verdicts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("result");

    QTest::newRow("lines alone") << "heart.pbm" << "unique-by-lines";
    QTest::newRow("touching colours") << "flags.ppm" << "unique-by-lines";
    QTest::newRow("needs the search") << "search.pbm" << "unique";
    QTest::newRow("checkerboard") << "checkerboard.pbm" << "multiple";
    QTest::newRow("two checkerboards") << "corners.pbm" << "multiple";
}

void TestCheckSolve::verdicts()
{
    QFETCH(QString, file);
    QFETCH(QString, result);

    const QList<QJsonObject> out = Check({"--solve", file});
    QCOMPARE(out.size(), 1);
    const QJsonObject solve = out[0]["solve"].toObject();
    QCOMPARE(solve["result"].toString(), result);
    QVERIFY(solve["ms"].isDouble());
    QVERIFY(solve["ms"].toDouble() >= 0);
    QCOMPARE(solve.contains("other"), result == QLatin1String("multiple"));
    QCOMPARE(out[0].contains("other"), false);
}

// The second solution differs from the file's picture and gives the same clues.
void TestCheckSolve::otherSolutionFitsTheClues()
{
    for (const QString& file : {QStringLiteral("checkerboard.pbm"), QStringLiteral("corners.pbm")}) {
        const QList<QJsonObject> out = Check({file, "--solve"});
        QCOMPARE(out.size(), 1);
        const QJsonArray solution = out[0]["solution"].toArray();
        const QJsonArray other = out[0]["solve"].toObject()["other"].toArray();
        QCOMPARE(other.size(), solution.size());
        for (int y = 0; y < other.size(); ++y)
            QCOMPARE(other[y].toString().size(), solution[y].toString().size());
        QVERIFY(other != solution);
        const int w = static_cast<int>(solution[0].toString().size());
        const int h = static_cast<int>(solution.size());
        QVERIFY(Fits(CluesOfGrid(GridOfRows(solution), w, h), GridOfRows(other)));
    }
}

void TestCheckSolve::restOfTheJsonUnchanged_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("one file") << QStringList{"heart.pbm"};
    QTest::newRow("several files, one bad") << QStringList{"heart.pbm", "bad.pbm", "checkerboard.pbm"};
    QTest::newRow("Dutch") << QStringList{"--lang", "nl", "flags.ppm"};
}

void TestCheckSolve::restOfTheJsonUnchanged()
{
    QFETCH(QStringList, arguments);
    const int code = arguments.contains(QStringLiteral("bad.pbm")) ? 1 : 0;
    const QList<QJsonObject> plain = Check(arguments, code);
    const QList<QJsonObject> solved = Check(QStringList{"--solve"} + arguments, code);
    QCOMPARE(solved.size(), plain.size());
    for (int i = 0; i < plain.size(); ++i) {
        QJsonObject stripped = solved[i];
        stripped.remove(QStringLiteral("solve"));
        QCOMPARE(stripped, plain[i]);
        QCOMPARE(solved[i].contains("solve"), plain[i]["loaded"].toBool());
    }
}

void TestCheckSolve::failedLoadHasNoSolve()
{
    const QList<QJsonObject> out = Check({"--solve", "bad.pbm", "gone.pbm"}, 1);
    QCOMPARE(out.size(), 2);
    for (const QJsonObject& object : out) {
        QCOMPARE(object["loaded"].toBool(), false);
        QVERIFY(!object.contains("solve"));
    }
}

// All bundled puzzles, in one run, as a puzzle author would check them.
void TestCheckSolve::bundledPuzzles()
{
    const QDir folder(QDir(qEnvironmentVariable("GRIZZET_SOURCE_DIR")).filePath(QStringLiteral("puzzles")));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("*.pbm"), QStringLiteral("*.ppm")}, QDir::Files))
        files << folder.filePath(name);
    QVERIFY(!files.isEmpty());
    const QList<QJsonObject> out = Check(QStringList{"--solve"} + files);
    QCOMPARE(out.size(), files.size());
    for (const QJsonObject& object : out)
        QVERIFY2(object["solve"].toObject()["result"].toString() == QLatin1String("unique-by-lines"),
                 qPrintable(object["file"].toString()));
}

QTEST_APPLESS_MAIN(TestCheckSolve)
#include "tst_checksolve.moc"
