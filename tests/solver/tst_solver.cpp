// Classifying whole puzzles from their clues: unique by line logic alone,
// unique only through search, several solutions, none, or out of budget.
#include "solver_helpers.h"

#include "model/Clues.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// A picture that line logic cannot finish but that has one solution.
const QStringList NeedsSearch = {"k.k..", ".k.kk", "..k.k", "k..k."};

QString VerdictOf(const SolveReport& report) { return QString::fromLatin1(VerdictName(report.verdict)); }

// The solutions of the clues, up to three, by trying every filling of every
// row that fits the row's own clue.
int CountByBruteForce(const PuzzleClues& clues, const QString& palette)
{
    std::vector<std::vector<std::vector<int>>> options(static_cast<std::size_t>(clues.height));
    for (int y = 0; y < clues.height; ++y)
        ForEachLine(palette, clues.width, [&](const std::vector<int>& row) {
            if (SameRuns(RunsOfLine(row), clues.rows[y]))
                options[y].push_back(row);
        });
    int found = 0;
    Grid grid;
    grid.Fill(White);
    std::function<void(int)> place = [&](int y) {
        if (found >= 3)
            return;
        if (y == clues.height) {
            found += Fits(clues, grid);
            return;
        }
        for (const std::vector<int>& row : options[y]) {
            for (int x = 0; x < clues.width; ++x)
                grid(x, y) = static_cast<std::uint8_t>(row[x]);
            place(y + 1);
        }
    };
    place(0);
    return found;
}

Grid RandomGrid(QRandomGenerator& random, int side, const QString& palette)
{
    Grid grid;
    grid.Fill(White);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            grid(x, y) = static_cast<std::uint8_t>(ColourOf(palette[random.bounded(int(palette.size()))]));
    return grid;
}

}  // namespace

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QStringList>("art");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("all white") << QStringList{"...", "..."} << "unique-by-lines";
        QTest::newRow("touching colours") << QStringList{"rrb.", ".ybb", "gg.k"} << "unique-by-lines";
        QTest::newRow("colours break the checkerboard's tie") << QStringList{"r.", ".b"} << "unique-by-lines";
        QTest::newRow("checkerboard") << QStringList{"k.", ".k"} << "multiple";
        QTest::newRow("needs search") << NeedsSearch << "unique";
    }

    void classify()
    {
        QFETCH(QStringList, art);
        QFETCH(QString, verdict);
        const PuzzleClues clues = CluesOfArt(art);
        const SolveReport report = SolvePuzzle(clues);
        QCOMPARE(VerdictOf(report), verdict);
        QVERIFY(!report.contradictedByLines);
        QVERIFY(Fits(clues, report.first));
        QCOMPARE(report.undecidedByLines == 0, verdict == "unique-by-lines");
        if (verdict == "multiple") {
            QCOMPARE(report.solutionsFound, 2);
            QVERIFY(Fits(clues, report.second));
            QVERIFY(ArtOf(report.first, clues.width, clues.height) != ArtOf(report.second, clues.width, clues.height));
        } else {
            QCOMPARE(report.solutionsFound, 1);
            QCOMPARE(ArtOf(report.first, clues.width, clues.height), art);
        }
    }

    void noSolution_data()
    {
        // Rows from one picture, columns from another.
        QTest::addColumn<QStringList>("rowsArt");
        QTest::addColumn<QStringList>("colsArt");
        QTest::addColumn<bool>("byLines");
        QTest::newRow("row red where the column is blue") << QStringList{"r"} << QStringList{"b"} << true;
        QTest::newRow("more black in rows than in columns") << QStringList{"kk", "k."} << QStringList{"k.", "k."} << true;
        QTest::newRow("only search sees it") << QStringList{"..kk", ".k.k", "k.k.", "..k."}
                                             << QStringList{"..kk", "k.kk", ".k..", ".k.."} << false;
    }

    void noSolution()
    {
        QFETCH(QStringList, rowsArt);
        QFETCH(QStringList, colsArt);
        QFETCH(bool, byLines);
        PuzzleClues clues = CluesOfArt(rowsArt);
        clues.cols = CluesOfArt(colsArt).cols;
        const SolveReport report = SolvePuzzle(clues);
        QCOMPARE(VerdictOf(report), "none");
        QCOMPARE(report.contradictedByLines, byLines);
        QCOMPARE(report.solutionsFound, 0);
    }

    // Without budget for the search the answer must not pretend to be sure.
    void budgetRunsOut()
    {
        SolveLimits none;
        none.maxLineSolves = 0;
        const SolveReport report = SolvePuzzle(CluesOfArt(NeedsSearch), none);
        QCOMPARE(VerdictOf(report), "unknown");
        QVERIFY(report.undecidedByLines > 0);
    }

    // The clue tables as the loader leaves them: a line without runs has count 0
    // but a black clue of length 0 in slot 0, free slots hold what they held,
    // and the picture itself is never looked at.
    void readsOnlyTheClueTables()
    {
        const QStringList art = {"r.r", "...", "bbk"};
        PuzzleState state;
        SetPicture(state, art);
        DeriveClues(state);
        for (int line = 0; line < 3; ++line) {
            const int rowFree = std::max(1, int(state.RowClueCount[line]));
            const int columnFree = std::max(1, int(state.ColClueCount[line]));
            state.RowClueLength(line, rowFree) = state.ColClueLength(line, columnFree) = 9;
            state.RowClueColour(line, rowFree) = state.ColClueColour(line, columnFree) = Cyan;
        }
        state.Solution.Fill(Black);
        const SolveReport report = SolvePuzzle(CluesOf(state));
        QCOMPARE(VerdictOf(report), "unique-by-lines");
        QCOMPARE(ArtOf(report.first, 3, 3), art);
    }

    void agreesWithBruteForce_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("palette");
        QTest::newRow("4x4 black and white") << 21u << 4 << "k.";
        QTest::newRow("3x3 touching colours") << 24u << 3 << "rbg.";
    }

    // Random puzzles, half of them with rows and columns taken from two different
    // pictures: the verdict must match an exhaustive count of the solutions.
    void agreesWithBruteForce()
    {
        QFETCH(quint32, seed);
        QFETCH(int, side);
        QFETCH(QString, palette);
        QRandomGenerator random(seed);
        for (int round = 0; round < 40; ++round) {
            PuzzleClues clues = CluesOfGrid(RandomGrid(random, side, palette), side, side);
            if (round % 2 == 1)
                clues.cols = CluesOfGrid(RandomGrid(random, side, palette), side, side).cols;
            const int count = CountByBruteForce(clues, palette);
            const SolveReport report = SolvePuzzle(clues);
            const QByteArray where = QByteArray::number(round) + ": " + VerdictOf(report).toLatin1();
            switch (report.verdict) {
            case Verdict::None: QVERIFY2(count == 0, where); break;
            case Verdict::UniqueByLines:
            case Verdict::Unique: QVERIFY2(count == 1 && Fits(clues, report.first), where); break;
            case Verdict::Multiple:
                QVERIFY2(count >= 2 && Fits(clues, report.first) && Fits(clues, report.second), where);
                break;
            case Verdict::Unknown: QFAIL(where);
            }
        }
    }

    // A 50x50 picture of noise in eight colours never gets a false answer.
    void noisePictureGetsNoFalseAnswer()
    {
        QRandomGenerator random(31);
        const Grid picture = RandomGrid(random, MaxSide, "k.rbygmc");
        const PuzzleClues clues = CluesOfGrid(picture, MaxSide, MaxSide);
        const SolveReport report = SolvePuzzle(clues);
        QVERIFY(report.verdict != Verdict::None);
        if (report.verdict == Verdict::UniqueByLines || report.verdict == Verdict::Unique)
            QCOMPARE(ArtOf(report.first, MaxSide, MaxSide), ArtOf(picture, MaxSide, MaxSide));
        if (report.verdict == Verdict::Multiple)
            QVERIFY(Fits(clues, report.first) && Fits(clues, report.second));
    }
};

QTEST_APPLESS_MAIN(TestSolver)
#include "tst_solver.moc"
