// The solver against enumeration: the line solver against every filling of a line, the verdicts on
// whole puzzles against every picture the clues allow, and the bundled puzzles by line logic alone.
#include "model/Clues.h"
#include "model/FileSource.h"
#include "solver/Solver.h"
#include "support/Art.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>
#include <functional>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// Clues compared byte for byte: they hold no padding, and CluesOf leaves free slots zero.
template <typename Clues> bool Same(const Clues& a, const Clues& b) { return std::memcmp(&a, &b, sizeof(Clues)) == 0; }

// The clues of a picture as the game derives them (its own test holds them to counted runs).
PuzzleClues CluesOfArt(const QStringList& art)
{
    PuzzleState state;
    SetPicture(state, art);
    DeriveClues(state);
    return CluesOf(state);
}

QStringList RandomArt(QRandomGenerator& random, int width, int height, const QString& palette)
{
    QStringList art(height);
    for (QString& row : art)
        while (row.size() < width)
            row += palette[random.bounded(palette.size())];
    return art;
}

// Every line of these letters that the cells allow and that has these runs.
QStringList Fillings(const LineClues& runs, const std::vector<ColourSet>& cells, const QString& letters, const QString& line = "")
{
    if (line.size() == int(cells.size()))
        return Same(CluesOfArt({line}).rows[0], runs) ? QStringList{line} : QStringList{};
    QStringList fillings;
    for (QChar c : letters)
        fillings << ((cells[line.size()] >> ColourOf(c)) & 1 ? Fillings(runs, cells, letters, line + c) : QStringList{});
    return fillings;
}

}  // namespace

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    // Random lines whose cells are already narrowed, some without their own picture's colour, so that
    // contradictions come too: each cell keeps the colours it has in some filling, and a line that
    // fits nowhere keeps its cells. Beyond enumeration, 50 touching runs fill 50 cells, and runs that
    // no picture gives (white, no colour, length 0, longer than the line) fit nowhere.
    void lineSolver()
    {
        const LineClues touching = CluesOfArt({QString("kr").repeated(25)}).rows[0];
        std::vector<ColourSet> full(MaxLine, AllColours);
        QVERIFY(SolveLine(touching.runs.data(), 50, MaxLine, full.data()) && full[49] == OneColour(Red));
        for (Run run : {Run{White, 1}, Run{8, 1}, Run{Black, 0}, Run{Black, 4}})
            QVERIFY(!SolveLine(&run, 1, 3, std::vector<ColourSet>(3, AllColours).data()));
        QRandomGenerator random(11);
        for (int round = 0; round < 600; ++round) {
            const QString line = RandomArt(random, 1 + random.bounded(8), 1, "k.kr.c")[0];
            const LineClues runs = CluesOfArt({line}).rows[0];
            std::vector<ColourSet> cells(line.size(), 0), expected(line.size(), 0);
            for (int i = 0; i < line.size(); ++i)
                for (QChar c : QString("k.rc"))
                    cells[i] |= random.bounded(3) != 0 || (round % 3 != 0 && c == line[i]) ? OneColour(ColourOf(c)) : 0;
            const QStringList fillings = Fillings(runs, cells, "k.rc");
            for (const QString& filling : fillings)
                for (int i = 0; i < line.size(); ++i)
                    expected[i] |= OneColour(ColourOf(filling[i]));
            std::vector<ColourSet> solved = cells;
            QCOMPARE(SolveLine(runs.runs.data(), runs.count, int(line.size()), solved.data()), !fillings.isEmpty());
            QVERIFY2(solved == (fillings.isEmpty() ? cells : expected), qPrintable(line));
        }
    }

    // Random square puzzles against every picture that fits, 5 by 5 with one black in three and 3 by 3
    // of touching colours; half of them take their columns from another picture. Line logic may strike
    // no colour of such a picture. With these seeds every verdict comes up, and "none" both from line
    // logic and from the search.
    void verdicts()
    {
        for (const std::pair<QString, int>& set : {std::pair<QString, int>{"k..", 5}, {"rbg.", 3}}) {
            const QString palette = set.first;
            const int side = set.second;  // a name of its own, for the lambda below
            QRandomGenerator random(21);
            for (int round = 0; round < 300; ++round) {
                const QStringList art = RandomArt(random, side, side, palette);
                PuzzleClues clues = CluesOfArt(art);
                clues.cols = CluesOfArt(round % 2 ? RandomArt(random, side, side, palette) : art).cols;

                // Up to two pictures that fit: the fillings of each row, tested against the columns.
                QList<QStringList> options, solutions;
                for (int y = 0; y < side; ++y)
                    options << Fillings(clues.rows[y], std::vector<ColourSet>(side, AllColours), QString(palette).remove('.') + '.');
                std::function<void(const QStringList&)> place = [&](const QStringList& top) {
                    if (top.size() == side && Same(CluesOfArt(top), clues))
                        solutions << top;
                    for (const QString& row : top.size() < side ? options[top.size()] : QStringList{})
                        solutions.size() < 2 ? place(top + QStringList{row}) : void();
                };
                place({});

                const SolveReport report = SolvePuzzle(clues, SolveLimits{100000, 0});  // no clock: the same every run
                const Verdict verdict = solutions.isEmpty() ? Verdict::None : solutions.size() > 1 ? Verdict::Multiple
                                      : report.undecidedByLines == 0 ? Verdict::UniqueByLines : Verdict::Unique;
                QVERIFY2(report.verdict == verdict && report.solutionsFound == solutions.size(), qPrintable(art.join('/')));
                for (int s = 0; s < report.solutionsFound; ++s) {
                    const QStringList found = ArtOf(s ? report.second : report.first, side, side);
                    QVERIFY2(Same(CluesOfArt(found), clues) && (s == 0 || found != ArtOf(report.first, side, side)), qPrintable(art.join('/')));
                    for (int i = 0; i < side * side; ++i)
                        QVERIFY2((report.byLines[i % side + MaxSide * (i / side)] >> ColourOf(found[i / side][i % side])) & 1, qPrintable(art.join('/')));
                }
            }
        }
    }

    // 50 by 50 cells of noise in eight colours have more than one picture, and both that the solver finds
    // fit the clues; without budget for the search no answer pretends to be sure.
    void noiseAndBudget()
    {
        QRandomGenerator random(31);
        const PuzzleClues clues = CluesOfArt(RandomArt(random, MaxSide, MaxSide, "k.rbygmc"));
        const SolveReport report = SolvePuzzle(clues, SolveLimits{100000, 0});
        QVERIFY(report.verdict == Verdict::Multiple && Same(CluesOfArt(ArtOf(report.first, MaxSide, MaxSide)), clues)
                && Same(CluesOfArt(ArtOf(report.second, MaxSide, MaxSide)), clues));
        const SolveReport unsure = SolvePuzzle(CluesOfArt({"k.k..", ".k.kk", "..k.k", "k..k."}), SolveLimits{0, 0});
        QVERIFY(unsure.verdict == Verdict::Unknown && unsure.undecidedByLines > 0);
    }

    // Every bundled puzzle loads, and line logic alone gives back its picture.
    void bundledPuzzles()
    {
        const QDir folder(qEnvironmentVariable("GRIZZET_SOURCE_DIR") + "/puzzles");
        const QStringList names = folder.entryList({"*.pbm", "*.ppm"});
        QVERIFY(names.size() >= 40);
        for (const QString& name : names) {
            PuzzleState s;
            FileLoadSteps steps;
            QVERIFY2(LoadPuzzle(s, QFile::encodeName(folder.filePath(name)).toStdString(), steps), qPrintable(name));
            const SolveReport report = SolvePuzzle(CluesOf(s));
            QVERIFY2(report.verdict == Verdict::UniqueByLines, qPrintable(name));
            QCOMPARE(ArtOf(report.first, s.PuzzleWidth, s.PuzzleHeight), ArtOf(s.Solution, s.PuzzleWidth, s.PuzzleHeight));
        }
    }
};

QTEST_APPLESS_MAIN(TestSolver)
#include "tst_solver.moc"
