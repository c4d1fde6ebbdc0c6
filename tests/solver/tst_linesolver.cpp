// The line solver on hand-made lines, and against brute force on random ones.
#include "solver_helpers.h"

#include <QRandomGenerator>
#include <QtTest>

#include <vector>

using namespace grizzet;
using namespace grizzet::test;

class TestLineSolver : public QObject {
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
    void contradiction_data();
    void contradiction();
    void longestLines();
    void agreesWithBruteForce_data();
    void agreesWithBruteForce();
};

namespace {

// Cells written as space-separated sets, "?" for every colour; a length
// alone means that many open cells.
std::vector<ColourSet> CellsOf(const QString& text)
{
    bool isCount = false;
    const int count = text.toInt(&isCount);
    if (isCount)
        return std::vector<ColourSet>(static_cast<std::size_t>(count), AllColours);
    std::vector<ColourSet> cells;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        cells.push_back(SetOfText(token));
    return cells;
}

QString TextOfCells(const std::vector<ColourSet>& cells)
{
    QStringList tokens;
    for (ColourSet set : cells)
        tokens << TextOfSet(set);
    return tokens.join(QLatin1Char(' '));
}

}  // namespace

void TestLineSolver::solve_data()
{
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty line") << "" << "5" << ". . . . .";
    QTest::newRow("full line") << "5k" << "5" << "k k k k k";
    QTest::newRow("two runs fit exactly with their gap") << "2k 2k" << "5" << "k k . k k";
    QTest::newRow("overlap fixes the middle") << "3k" << "5" << "k. k. k k. k.";
    QTest::newRow("short run decides nothing") << "1k" << "3" << "k. k. k.";
    QTest::newRow("touching colours fill the line") << "2r 2b" << "4" << "r r b b";
    QTest::newRow("touching colours may slide") << "1r 1b" << "3" << ".r .rb .b";
    QTest::newRow("same colour needs a gap") << "1r 1r" << "3" << "r . r";
    QTest::newRow("gap then touch") << "1r 1r 1b" << "4" << "r . r b";
    QTest::newRow("three colours, no room to spare") << "1r 1b 1r" << "3" << "r b r";
    QTest::newRow("run slides behind a touching run") << "2k 1r" << "5" << "k. k. k.r k.r .r";
    QTest::newRow("known white cell blocks the left") << "3k" << "? ? . ? ? ?" << ". . . k k k";
    QTest::newRow("known black cell pins the second run") << "1k 1k" << "? ? ? k ?" << "k. k. . k .";
    QTest::newRow("cell restricted to the background") << "2g" << "? . ? ? ." << ". . g g .";
    QTest::newRow("colours outside the line vanish") << "1m" << "? ?" << ".m .m";
    QTest::newRow("decided line stays as it is") << "1k 2y" << "k . y y ." << "k . y y .";
}

void TestLineSolver::solve()
{
    QFETCH(QString, runs);
    QFETCH(QString, cells);
    QFETCH(QString, expected);

    const LineClues line = RunsOfText(runs);
    std::vector<ColourSet> state = CellsOf(cells);
    QVERIFY(SolveLine(line.runs.data(), line.count, static_cast<int>(state.size()), state.data()));
    QCOMPARE(TextOfCells(state), expected);
}

void TestLineSolver::contradiction_data()
{
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QString>("cells");

    QTest::newRow("run longer than the line") << "3k" << "2";
    QTest::newRow("two same-coloured runs without room for a gap") << "2r 2r" << "4";
    QTest::newRow("runs exceed the line by one") << "1k 1k 1k" << "4";
    QTest::newRow("coloured cell in an empty line") << "" << "? k ?";
    QTest::newRow("cell excludes the run's colour") << "1r" << "k";
    QTest::newRow("white cell splits the only run") << "3k" << "? . ?";
    QTest::newRow("decided cells give a different run") << "2k" << "k k k";
    QTest::newRow("runs in the wrong order") << "1r 1b" << "b r";
    QTest::newRow("cell with no colour at all") << "1k" << "k - ?";
}

void TestLineSolver::contradiction()
{
    QFETCH(QString, runs);
    QFETCH(QString, cells);

    const LineClues line = RunsOfText(runs);
    std::vector<ColourSet> state = CellsOf(cells);
    const std::vector<ColourSet> before = state;
    QVERIFY(!SolveLine(line.runs.data(), line.count, static_cast<int>(state.size()), state.data()));
    QCOMPARE(TextOfCells(state), TextOfCells(before));
}

void TestLineSolver::longestLines()
{
    // 50 touching runs of alternating colours, and one run of 50.
    LineClues alternating;
    for (int i = 0; i < MaxLine; ++i)
        alternating.runs[static_cast<std::size_t>(alternating.count++)] =
            Run{static_cast<std::uint8_t>(i % 2 == 0 ? Black : Red), 1};
    std::vector<ColourSet> cells(MaxLine, AllColours);
    QVERIFY(SolveLine(alternating.runs.data(), alternating.count, MaxLine, cells.data()));
    for (int i = 0; i < MaxLine; ++i)
        QCOMPARE(int(cells[static_cast<std::size_t>(i)]), int(OneColour(i % 2 == 0 ? Black : Red)));

    const LineClues whole = RunsOfText(QStringLiteral("50c"));
    cells.assign(MaxLine, AllColours);
    QVERIFY(SolveLine(whole.runs.data(), whole.count, MaxLine, cells.data()));
    QCOMPARE(TextOfCells(cells), QStringList(MaxLine, QStringLiteral("c")).join(QLatin1Char(' ')));

    // 51 runs never fit in 50 cells (they need a buffer of their own: the
    // clue table holds 50).
    std::vector<Run> tooMany(alternating.runs.begin(), alternating.runs.end());
    tooMany.push_back(Run{Black, 1});
    cells.assign(MaxLine, AllColours);
    QVERIFY(!SolveLine(tooMany.data(), static_cast<int>(tooMany.size()), MaxLine, cells.data()));
}

void TestLineSolver::agreesWithBruteForce_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QString>("palette");
    QTest::newRow("black and white") << 11u << "k.";
    QTest::newRow("black, white, red") << 12u << "k.r";
    QTest::newRow("red, white, blue") << 13u << "r.b";
    QTest::newRow("three colours and white") << 14u << "rg.c";
}

// Every colour a cell keeps must appear in some filling of the line that
// gives its runs, and every such filling's colours must be kept.
void TestLineSolver::agreesWithBruteForce()
{
    QFETCH(quint32, seed);
    QFETCH(QString, palette);
    QRandomGenerator random(seed);
    const int colours = static_cast<int>(palette.size());

    for (int round = 0; round < 300; ++round) {
        const int length = 1 + static_cast<int>(random.bounded(colours == 4 ? 6 : 8));
        std::vector<int> picture(static_cast<std::size_t>(length));
        for (int& c : picture)
            c = ColourOfLetter(palette[static_cast<int>(random.bounded(colours))]);
        const LineClues line = RunsOfLine(picture.data(), length);

        // Some cells open, some narrowed; every third line may lose its own
        // picture's colour, so contradictions occur too.
        std::vector<ColourSet> cells(static_cast<std::size_t>(length));
        for (int i = 0; i < length; ++i) {
            ColourSet set = 0;
            for (int c = 0; c < colours; ++c)
                if (random.bounded(3) != 0)
                    set = static_cast<ColourSet>(set | OneColour(ColourOfLetter(palette[c])));
            if (round % 3 != 0)
                set = static_cast<ColourSet>(set | OneColour(picture[static_cast<std::size_t>(i)]));
            cells[static_cast<std::size_t>(i)] = set;
        }

        std::vector<ColourSet> expected(static_cast<std::size_t>(length), 0);
        bool any = false;
        std::vector<int> trial(static_cast<std::size_t>(length));
        int combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= colours;
        for (int code = 0; code < combinations; ++code) {
            bool allowed = true;
            for (int i = 0, rest = code; i < length; ++i, rest /= colours) {
                trial[static_cast<std::size_t>(i)] = ColourOfLetter(palette[rest % colours]);
                allowed = allowed && (cells[static_cast<std::size_t>(i)] >> trial[static_cast<std::size_t>(i)]) & 1;
            }
            if (!allowed)
                continue;
            if (!SameRuns(RunsOfLine(trial.data(), length), line))
                continue;
            any = true;
            for (int i = 0; i < length; ++i)
                expected[static_cast<std::size_t>(i)] |= OneColour(trial[static_cast<std::size_t>(i)]);
        }

        std::vector<ColourSet> solved = cells;
        const bool fits = SolveLine(line.runs.data(), line.count, length, solved.data());
        const QByteArray where = QStringLiteral("round %1: cells %2").arg(round).arg(TextOfCells(cells)).toUtf8();
        QVERIFY2(fits == any, where.constData());
        if (any)
            QVERIFY2(TextOfCells(solved) == TextOfCells(expected), where.constData());
    }
}

QTEST_APPLESS_MAIN(TestLineSolver)
#include "tst_linesolver.moc"
