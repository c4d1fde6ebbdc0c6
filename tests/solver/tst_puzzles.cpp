// The bundled puzzles: each loads as the game loads it and solves by line
// logic alone, and the collection keeps its promised spread.
#include "model/LoadPuzzle.h"
#include "platform/Files.h"
#include "solver/Solver.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <set>

using namespace grizzet;

class TestPuzzles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eachSolvesByLines_data();
    void eachSolvesByLines();
    void collection();

private:
    QStringList files_;
};

namespace {

class FileSteps final : public LoadSteps {
public:
    bool FindFile(const std::string& path) override { return IsOrdinaryFile(path); }
    std::unique_ptr<ByteSource> OpenFile(const std::string& path) override { return OpenForReading(path); }
    void ShowMessage(const LoadMessage& message) override { messages.push_back(message); }
    std::vector<LoadMessage> messages;
};

QString PuzzleFolder()
{
    return QDir(qEnvironmentVariable("GRIZZET_SOURCE_DIR")).filePath(QStringLiteral("puzzles"));
}

QByteArray MagicOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(2) : QByteArray();
}

struct Loaded {
    bool ok = false;
    PuzzleState state;
    std::vector<LoadMessage> messages;
};

Loaded Load(const QString& path)
{
    Loaded loaded;
    FileSteps steps;
    loaded.ok = LoadPuzzle(loaded.state, QFile::encodeName(path).toStdString(), steps);
    loaded.messages = steps.messages;
    return loaded;
}

}  // namespace

void TestPuzzles::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("GRIZZET_SOURCE_DIR"), "GRIZZET_SOURCE_DIR is not set");
    const QDir folder(PuzzleFolder());
    QVERIFY2(folder.exists(), qPrintable(folder.path()));
    for (const QString& name : folder.entryList({QStringLiteral("*.pbm"), QStringLiteral("*.ppm")},
                                                QDir::Files, QDir::Name))
        files_ << folder.filePath(name);
}

void TestPuzzles::eachSolvesByLines_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : files_)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestPuzzles::eachSolvesByLines()
{
    QFETCH(QString, path);

    const QByteArray magic = MagicOf(path);
    if (path.endsWith(QLatin1String(".pbm")))
        QVERIFY2(magic == "P1" || magic == "P4", magic.constData());
    else
        QVERIFY2(magic == "P3" || magic == "P6", magic.constData());

    const Loaded loaded = Load(path);
    QVERIFY(loaded.ok);
    // Not even the colours notice: a bundled picture opens without a box.
    for (const LoadMessage& message : loaded.messages)
        QFAIL(message.text.c_str());

    const SolveReport report = SolvePuzzle(CluesOf(loaded.state));
    QCOMPARE(QString::fromLatin1(VerdictName(report.verdict)), QStringLiteral("unique-by-lines"));
    for (int y = 0; y < loaded.state.PuzzleHeight; ++y)
        for (int x = 0; x < loaded.state.PuzzleWidth; ++x)
            QCOMPARE(int(report.first(x, y)), int(loaded.state.Solution(x, y)));
}

void TestPuzzles::collection()
{
    int pbm = 0;
    int ppm = 0;
    int large = 0;
    bool allSevenColours = false;
    bool touchingColours = false;
    std::set<QByteArray> magics;
    for (const QString& path : files_) {
        const Loaded loaded = Load(path);
        QVERIFY2(loaded.ok, qPrintable(path));
        const PuzzleState& s = loaded.state;
        const QByteArray where = QFileInfo(path).fileName().toUtf8();
        QVERIFY2(s.PuzzleWidth >= 5 && s.PuzzleWidth <= 50, where.constData());
        QVERIFY2(s.PuzzleHeight >= 5 && s.PuzzleHeight <= 50, where.constData());
        if (s.PuzzleWidth >= 40 && s.PuzzleHeight >= 40)
            ++large;
        magics.insert(MagicOf(path));
        if (path.endsWith(QLatin1String(".pbm"))) {
            ++pbm;
            continue;
        }
        ++ppm;
        std::set<int> colours;
        for (int y = 0; y < s.PuzzleHeight; ++y) {
            for (int x = 0; x < s.PuzzleWidth; ++x) {
                const int c = s.Solution(x, y);
                if (c != White)
                    colours.insert(c);
                if (x > 0 && c != White && s.Solution(x - 1, y) != White && s.Solution(x - 1, y) != c)
                    touchingColours = true;
            }
        }
        QVERIFY2(colours.size() >= 2, where.constData());
        allSevenColours = allSevenColours || colours.size() == 7;
    }
    QVERIFY2(files_.size() >= 40, qPrintable(QString::number(files_.size())));
    QVERIFY2(pbm >= 15, qPrintable(QString::number(pbm)));
    QVERIFY2(ppm >= 25, qPrintable(QString::number(ppm)));
    QVERIFY2(large >= 3, qPrintable(QString::number(large)));
    for (const char* magic : {"P1", "P4", "P3", "P6"})
        QVERIFY2(magics.count(QByteArray(magic)) == 1, magic);
    QVERIFY(allSevenColours);
    QVERIFY(touchingColours);
}

QTEST_APPLESS_MAIN(TestPuzzles)
#include "tst_puzzles.moc"
