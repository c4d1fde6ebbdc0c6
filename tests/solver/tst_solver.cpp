// Classifying whole puzzles from their clues: unique by line logic alone,
// unique only through search, several solutions, none, or out of budget.
#include "solver_helpers.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>
#include <vector>

using namespace grizzet;
using namespace grizzet::test;

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    void classify_data();
    void classify();
    void noSolution_data();
    void noSolution();
    void budgetRunsOut_data();
    void budgetRunsOut();
    void readsOnlyTheClueTables();
    void agreesWithBruteForce_data();
    void agreesWithBruteForce();
    void largeRandomPicturesEnd_data();
    void largeRandomPicturesEnd();
};

namespace {

// A picture that line logic cannot finish but that has one solution.
const QStringList NeedsSearch = {
    QStringLiteral("k.k.."),
    QStringLiteral(".k.kk"),
    QStringLiteral("..k.k"),
    QStringLiteral("k..k."),
};

// Counts the solutions of the clues, up to three, by trying every filling of
// every row that fits the row's own clue.
int CountByBruteForce(const PuzzleClues& clues, const QString& palette)
{
    const int w = clues.width;
    const int h = clues.height;
    const int colours = static_cast<int>(palette.size());
    int combinations = 1;
    for (int i = 0; i < w; ++i)
        combinations *= colours;
    std::vector<std::vector<std::vector<int>>> options(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        for (int code = 0; code < combinations; ++code) {
            std::vector<int> row(static_cast<std::size_t>(w));
            for (int x = 0, rest = code; x < w; ++x, rest /= colours)
                row[static_cast<std::size_t>(x)] = ColourOfLetter(palette[rest % colours]);
            const bool same = SameRuns(RunsOfLine(row.data(), w), clues.rows[static_cast<std::size_t>(y)]);
            if (same)
                options[static_cast<std::size_t>(y)].push_back(row);
        }
    }
    int found = 0;
    std::vector<std::size_t> pick(static_cast<std::size_t>(h), 0);
    Grid grid;
    grid.Fill(White);
    std::function<void(int)> place = [&](int y) {
        if (found >= 3)
            return;
        if (y == h) {
            if (Fits(clues, grid))
                ++found;
            return;
        }
        for (const std::vector<int>& row : options[static_cast<std::size_t>(y)]) {
            for (int x = 0; x < w; ++x)
                grid(x, y) = static_cast<std::uint8_t>(row[static_cast<std::size_t>(x)]);
            place(y + 1);
        }
    };
    place(0);
    return found;
}

Grid RandomGrid(QRandomGenerator& random, int w, int h, const QString& palette)
{
    Grid grid;
    grid.Fill(White);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            grid(x, y) = static_cast<std::uint8_t>(
                ColourOfLetter(palette[static_cast<int>(random.bounded(static_cast<int>(palette.size())))]));
    return grid;
}

}  // namespace

void TestSolver::classify_data()
{
    QTest::addColumn<QStringList>("art");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("one black pixel") << QStringList{"k"} << "unique-by-lines";
    QTest::newRow("all white") << QStringList{"...", "..."} << "unique-by-lines";
    QTest::newRow("full picture") << QStringList{"kk", "kk"} << "unique-by-lines";
    QTest::newRow("touching colours") << QStringList{"rrb.", ".ybb", "gg.k"} << "unique-by-lines";
    QTest::newRow("colours break the checkerboard's tie") << QStringList{"r.", ".b"} << "unique-by-lines";
    QTest::newRow("checkerboard") << QStringList{"k.", ".k"} << "multiple";
    QTest::newRow("coloured checkerboard") << QStringList{"r.", ".r"} << "multiple";
    QTest::newRow("two checkerboards apart") << QStringList{"k.....", ".k....", "....k.", ".....k"} << "multiple";
    QTest::newRow("needs search") << NeedsSearch << "unique";
}

void TestSolver::classify()
{
    QFETCH(QStringList, art);
    QFETCH(QString, verdict);

    const PuzzleClues clues = CluesOfArt(art);
    const SolveReport report = SolvePuzzle(clues);
    QCOMPARE(QString::fromLatin1(VerdictName(report.verdict)), verdict);
    QVERIFY(!report.contradictedByLines);
    QVERIFY(Fits(clues, report.first));
    if (report.verdict == Verdict::Multiple) {
        QCOMPARE(report.solutionsFound, 2);
        QVERIFY(Fits(clues, report.second));
        QVERIFY(ArtOfGrid(report.first, clues.width, clues.height)
                != ArtOfGrid(report.second, clues.width, clues.height));
        QVERIFY(report.undecidedByLines > 0);
    } else {
        QCOMPARE(report.solutionsFound, 1);
        QCOMPARE(ArtOfGrid(report.first, clues.width, clues.height), art);
        QCOMPARE(report.undecidedByLines == 0, report.verdict == Verdict::UniqueByLines);
    }
}

void TestSolver::noSolution_data()
{
    QTest::addColumn<QStringList>("rowsArt");
    QTest::addColumn<QStringList>("colsArt");
    QTest::addColumn<bool>("byLines");

    // Rows from one picture, columns from another.
    QTest::newRow("black cell no column wants") << QStringList{"k.", ".."} << QStringList{"..", ".."} << true;
    QTest::newRow("row red where the column is blue") << QStringList{"r"} << QStringList{"b"} << true;
    QTest::newRow("more black in rows than in columns") << QStringList{"kk", "k."} << QStringList{"k.", "k."} << true;
    QTest::newRow("only search sees it")
        << QStringList{"..kk", ".k.k", "k.k.", "..k."}
        << QStringList{"..kk", "k.kk", ".k..", ".k.."} << false;
}

void TestSolver::noSolution()
{
    QFETCH(QStringList, rowsArt);
    QFETCH(QStringList, colsArt);
    QFETCH(bool, byLines);

    PuzzleClues clues = CluesOfArt(rowsArt);
    clues.cols = CluesOfArt(colsArt).cols;
    const SolveReport report = SolvePuzzle(clues);
    QCOMPARE(QString::fromLatin1(VerdictName(report.verdict)), QStringLiteral("none"));
    QCOMPARE(report.contradictedByLines, byLines);
    QCOMPARE(report.solutionsFound, 0);
}

void TestSolver::budgetRunsOut_data()
{
    QTest::addColumn<QStringList>("art");
    QTest::newRow("unique, but only by search") << NeedsSearch;
    QTest::newRow("checkerboard") << QStringList{"k.", ".k"};
}

// Without budget for the search the answer must not pretend to be sure.
void TestSolver::budgetRunsOut()
{
    QFETCH(QStringList, art);
    SolveLimits none;
    none.maxLineSolves = 0;
    const SolveReport report = SolvePuzzle(CluesOfArt(art), none);
    QCOMPARE(QString::fromLatin1(VerdictName(report.verdict)), QStringLiteral("unknown"));
    QVERIFY(report.undecidedByLines > 0);
}

// The solver reads the clue tables as the loader leaves them: a line without
// runs has count 0 but a black clue of length 0 in slot 0, free slots may hold
// anything, and the picture itself is never looked at.
void TestSolver::readsOnlyTheClueTables()
{
    const QStringList art = {"r.r", "...", "bbk"};
    const PuzzleClues own = CluesOfArt(art);
    PuzzleState state;
    state.PuzzleWidth = 3;
    state.PuzzleHeight = 3;
    state.Solution.Fill(Black);
    state.RowClueLength.Fill(9);
    state.RowClueColour.Fill(Cyan);
    state.ColClueLength.Fill(9);
    state.ColClueColour.Fill(Cyan);
    auto fill = [](const std::array<LineClues, MaxSide>& lines, int count, ClueTable& length,
                   ClueTable& colour, std::array<std::uint8_t, MaxSide>& counts) {
        for (int line = 0; line < count; ++line) {
            const LineClues& lc = lines[static_cast<std::size_t>(line)];
            counts[static_cast<std::size_t>(line)] = static_cast<std::uint8_t>(lc.count);
            if (lc.count == 0) {
                length(line, 0) = 0;
                colour(line, 0) = Black;
            }
            for (int k = 0; k < lc.count; ++k) {
                length(line, k) = lc.runs[static_cast<std::size_t>(k)].length;
                colour(line, k) = lc.runs[static_cast<std::size_t>(k)].colour;
            }
        }
    };
    fill(own.rows, 3, state.RowClueLength, state.RowClueColour, state.RowClueCount);
    fill(own.cols, 3, state.ColClueLength, state.ColClueColour, state.ColClueCount);

    const SolveReport report = SolvePuzzle(CluesOf(state));
    QCOMPARE(QString::fromLatin1(VerdictName(report.verdict)), QStringLiteral("unique-by-lines"));
    QCOMPARE(ArtOfGrid(report.first, 3, 3), art);
}

void TestSolver::agreesWithBruteForce_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("palette");
    QTest::newRow("4x4 black and white") << 21u << 4 << "k.";
    QTest::newRow("5x4 black and white") << 22u << 5 << "k.";
    QTest::newRow("3x3 black, red, white") << 23u << 3 << "k.r";
    QTest::newRow("3x3 touching colours") << 24u << 3 << "rbg.";
}

// Random puzzles, half of them with rows and columns taken from two different
// pictures: the verdict must match an exhaustive count of the solutions.
void TestSolver::agreesWithBruteForce()
{
    QFETCH(quint32, seed);
    QFETCH(int, side);
    QFETCH(QString, palette);
    QRandomGenerator random(seed);

    for (int round = 0; round < 40; ++round) {
        const int w = side;
        const int h = side == 5 ? 4 : side;
        PuzzleClues clues = CluesOfGrid(RandomGrid(random, w, h, palette), w, h);
        if (round % 2 == 1)
            clues.cols = CluesOfGrid(RandomGrid(random, w, h, palette), w, h).cols;
        const int count = CountByBruteForce(clues, palette);
        const SolveReport report = SolvePuzzle(clues);
        const QByteArray where = QByteArray::number(round);
        switch (report.verdict) {
        case Verdict::None:
            QVERIFY2(count == 0, where.constData());
            break;
        case Verdict::UniqueByLines:
        case Verdict::Unique:
            QVERIFY2(count == 1, where.constData());
            QVERIFY2(Fits(clues, report.first), where.constData());
            break;
        case Verdict::Multiple:
            QVERIFY2(count >= 2, where.constData());
            QVERIFY2(Fits(clues, report.first) && Fits(clues, report.second), where.constData());
            break;
        case Verdict::Unknown:
            QFAIL(where.constData());
        }
    }
}

void TestSolver::largeRandomPicturesEnd_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QString>("palette");
    QTest::newRow("eight colours") << 31u << "k.rbygmc";
    QTest::newRow("black and white") << 32u << "k.";
}

// A 50x50 picture of noise always gets an answer, and never a false one.
void TestSolver::largeRandomPicturesEnd()
{
    QFETCH(quint32, seed);
    QFETCH(QString, palette);
    QRandomGenerator random(seed);
    const Grid picture = RandomGrid(random, MaxSide, MaxSide, palette);
    const PuzzleClues clues = CluesOfGrid(picture, MaxSide, MaxSide);
    const SolveReport report = SolvePuzzle(clues);
    QVERIFY(report.verdict != Verdict::None);
    if (report.verdict == Verdict::UniqueByLines || report.verdict == Verdict::Unique)
        QCOMPARE(ArtOfGrid(report.first, MaxSide, MaxSide), ArtOfGrid(picture, MaxSide, MaxSide));
    if (report.verdict == Verdict::Multiple)
        QVERIFY(Fits(clues, report.first) && Fits(clues, report.second));
}

QTEST_APPLESS_MAIN(TestSolver)
#include "tst_solver.moc"
