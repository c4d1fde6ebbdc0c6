// The bundled puzzles: each loads as the game loads it, without even the
// colours notice, and solves by line logic alone; the collection keeps its
// promised spread.
#include "solver/Solver.h"
#include "support/Art.h"
#include "support/LoadRecorder.h"

#include <QDir>
#include <QtTest>

#include <set>

using namespace grizzet;
using namespace grizzet::test;

class TestPuzzles : public QObject {
    Q_OBJECT

private slots:
    // At least 15 black-and-white pictures and 25 colour ones, in all four
    // forms, three of them 40 by 40 or more, from two to all seven colours,
    // and touching runs of different colours.
    void collection()
    {
        const QDir folder(qEnvironmentVariable("GRIZZET_SOURCE_DIR") + "/puzzles");
        int pbm = 0, ppm = 0, large = 0;
        std::set<QByteArray> magics;
        std::set<std::size_t> colourCounts;
        bool touching = false;
        for (const QString& name : folder.entryList({"*.pbm", "*.ppm"}, QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            PuzzleState s;
            RecordingSteps steps(s);
            steps.files["puzzle"] = file.readAll().toStdString();
            const QByteArray magic = QByteArray::fromStdString(steps.files["puzzle"].substr(0, 2));
            QVERIFY2(LoadPuzzle(s, "puzzle", steps) && steps.messages.empty(), qPrintable(name));
            QVERIFY2(name.endsWith(".pbm") ? magic == "P1" || magic == "P4" : magic == "P3" || magic == "P6",
                     qPrintable(name));
            QVERIFY2(s.PuzzleWidth >= 5 && s.PuzzleHeight >= 5, qPrintable(name));
            const SolveReport report = SolvePuzzle(CluesOf(s));
            QVERIFY2(report.verdict == Verdict::UniqueByLines, qPrintable(name));
            QCOMPARE(ArtOf(report.first, s.PuzzleWidth, s.PuzzleHeight),
                     ArtOf(s.Solution, s.PuzzleWidth, s.PuzzleHeight));

            large += s.PuzzleWidth >= 40 && s.PuzzleHeight >= 40;
            magics.insert(magic);
            (name.endsWith(".pbm") ? pbm : ppm) += 1;
            if (name.endsWith(".pbm"))
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
            QVERIFY2(colours.size() >= 2, qPrintable(name));
            colourCounts.insert(colours.size());
        }
        QVERIFY2(pbm >= 15 && ppm >= 25 && large >= 3,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(pbm).arg(ppm).arg(large)));
        QCOMPARE(magics, (std::set<QByteArray>{"P1", "P3", "P4", "P6"}));
        QVERIFY(colourCounts.count(7) == 1);
        QVERIFY(touching);
    }
};

QTEST_APPLESS_MAIN(TestPuzzles)
#include "tst_puzzles.moc"
