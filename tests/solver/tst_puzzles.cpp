// The bundled puzzles: each loads as the game loads it and solves by line
// logic alone, and the collection keeps its promised spread.
#include "solver/Solver.h"
#include "support/Art.h"
#include "support/LoadRecorder.h"

#include <QDir>
#include <QtTest>

#include <set>

using namespace grizzet;
using namespace grizzet::test;

namespace {

struct Loaded {
    bool ok = false;
    QByteArray magic;
    PuzzleState state;
    QStringList messages;
};

Loaded Load(const QString& path)
{
    QFile file(path);
    Loaded loaded;
    if (!file.open(QIODevice::ReadOnly))
        return loaded;
    RecordingSteps steps(loaded.state);
    steps.files["puzzle"] = file.readAll().toStdString();
    loaded.magic = QByteArray::fromStdString(steps.files["puzzle"].substr(0, 2));
    loaded.ok = LoadPuzzle(loaded.state, "puzzle", steps);
    loaded.messages = CaseNames(steps.messages);
    return loaded;
}

}  // namespace

class TestPuzzles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QDir folder(qEnvironmentVariable("GRIZZET_SOURCE_DIR") + "/puzzles");
        for (const QString& name : folder.entryList({"*.pbm", "*.ppm"}, QDir::Files, QDir::Name))
            files_ << folder.filePath(name);
        QVERIFY2(files_.size() >= 40, qPrintable(QString::number(files_.size())));
    }

    void eachSolvesByLines_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : files_)
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void eachSolvesByLines()
    {
        QFETCH(QString, path);
        const Loaded loaded = Load(path);
        QVERIFY(loaded.ok);
        const QList<QByteArray> magics = path.endsWith(".pbm") ? QList<QByteArray>{"P1", "P4"} : QList<QByteArray>{"P3", "P6"};
        QVERIFY2(magics.contains(loaded.magic), loaded.magic.constData());
        // Not even the colours notice: a bundled picture opens without a box.
        QCOMPARE(loaded.messages, QStringList{});
        const PuzzleState& s = loaded.state;
        QVERIFY(s.PuzzleWidth >= 5 && s.PuzzleHeight >= 5);

        const SolveReport report = SolvePuzzle(CluesOf(s));
        QCOMPARE(QString::fromLatin1(VerdictName(report.verdict)), "unique-by-lines");
        QCOMPARE(ArtOf(report.first, s.PuzzleWidth, s.PuzzleHeight), ArtOf(s.Solution, s.PuzzleWidth, s.PuzzleHeight));
    }

    // At least 15 black-and-white pictures and 25 colour ones, in all four forms,
    // three of them 40 by 40 or more, from two to all seven colours, and
    // touching runs of different colours.
    void collection()
    {
        int pbm = 0, ppm = 0, large = 0;
        std::set<QByteArray> magics;
        std::set<std::size_t> colourCounts;
        bool touching = false;
        for (const QString& path : files_) {
            const Loaded loaded = Load(path);
            const PuzzleState& s = loaded.state;
            large += s.PuzzleWidth >= 40 && s.PuzzleHeight >= 40;
            magics.insert(loaded.magic);
            (path.endsWith(".pbm") ? pbm : ppm) += 1;
            if (path.endsWith(".pbm"))
                continue;
            std::set<int> colours;
            for (int y = 0; y < s.PuzzleHeight; ++y) {
                for (int x = 0; x < s.PuzzleWidth; ++x) {
                    const int c = s.Solution(x, y), left = x > 0 ? int(s.Solution(x - 1, y)) : int(White);
                    if (c != White)
                        colours.insert(c);
                    touching = touching || (c != White && left != White && left != c);
                }
            }
            QVERIFY2(colours.size() >= 2, qPrintable(path));
            colourCounts.insert(colours.size());
        }
        QVERIFY2(pbm >= 15 && ppm >= 25 && large >= 3, qPrintable(QStringLiteral("%1 %2 %3").arg(pbm).arg(ppm).arg(large)));
        QCOMPARE(magics, (std::set<QByteArray>{"P1", "P3", "P4", "P6"}));
        QVERIFY(colourCounts.count(7) == 1);
        QVERIFY(touching);
    }

private:
    QStringList files_;
};

QTEST_APPLESS_MAIN(TestPuzzles)
#include "tst_puzzles.moc"
