// The line solver on hand-made lines, and against brute force on random ones.
#include "solver_helpers.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// Runs written as "2k 1r 3k"; an empty text is a line without runs.
LineClues RunsOfText(const QString& text)
{
    LineClues line;
    for (const QString& token : text.split(' ', Qt::SkipEmptyParts))
        line.runs[line.count++] =
            Run{static_cast<std::uint8_t>(ColourOf(token.back())), static_cast<std::uint8_t>(token.chopped(1).toInt())};
    return line;
}

// A colour set as letters in colour-number order ("k." = black or white),
// and back; "?" is every colour, "-" none.
QString TextOfSet(ColourSet set)
{
    QString text;
    for (int c = 0; c < ColourCount; ++c)
        if ((set >> c) & 1)
            text += QStringLiteral("k.rbygmc")[c];
    return text;
}

ColourSet SetOfText(const QString& text)
{
    ColourSet set = text == "?" ? AllColours : 0;
    for (QChar letter : text)
        if (letter != '-' && letter != '?')
            set = static_cast<ColourSet>(set | OneColour(ColourOf(letter)));
    return set;
}

// Cells written as space-separated sets, "?" for every colour.
std::vector<ColourSet> CellsOf(const QString& text)
{
    std::vector<ColourSet> cells;
    for (const QString& token : text.split(' ', Qt::SkipEmptyParts))
        cells.push_back(SetOfText(token));
    return cells;
}

QString TextOfCells(const std::vector<ColourSet>& cells)
{
    QStringList tokens;
    for (ColourSet set : cells)
        tokens << TextOfSet(set);
    return tokens.join(' ');
}

bool Solve(const LineClues& line, std::vector<ColourSet>& cells)
{
    return SolveLine(line.runs.data(), line.count, static_cast<int>(cells.size()), cells.data());
}

}  // namespace

class TestLineSolver : public QObject {
    Q_OBJECT

private slots:
    void solve_data()
    {
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty line") << "" << "? ? ? ? ?" << ". . . . .";
        QTest::newRow("full line") << "5k" << "? ? ? ? ?" << "k k k k k";
        QTest::newRow("two runs fit exactly with their gap") << "2k 2k" << "? ? ? ? ?" << "k k . k k";
        QTest::newRow("overlap fixes the middle") << "3k" << "? ? ? ? ?" << "k. k. k k. k.";
        QTest::newRow("touching colours fill the line") << "2r 2b" << "? ? ? ?" << "r r b b";
        QTest::newRow("touching colours may slide") << "1r 1b" << "? ? ?" << ".r .rb .b";
        QTest::newRow("run slides behind a touching run") << "2k 1r" << "? ? ? ? ?" << "k. k. k.r k.r .r";
        QTest::newRow("known white cell blocks the left") << "3k" << "? ? . ? ? ?" << ". . . k k k";
        QTest::newRow("known black cell pins the second run") << "1k 1k" << "? ? ? k ?" << "k. k. . k .";
        QTest::newRow("colours outside the line vanish") << "1m" << "? ?" << ".m .m";
    }

    void solve()
    {
        QFETCH(QString, runs);
        QFETCH(QString, cells);
        QFETCH(QString, expected);
        std::vector<ColourSet> state = CellsOf(cells);
        QVERIFY(Solve(RunsOfText(runs), state));
        QCOMPARE(TextOfCells(state), expected);
    }

    void contradiction_data()
    {
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("cells");

        QTest::newRow("run longer than the line") << "3k" << "? ?";
        QTest::newRow("two same-coloured runs without room for a gap") << "2r 2r" << "? ? ? ?";
        QTest::newRow("coloured cell in an empty line") << "" << "? k ?";
        QTest::newRow("white cell splits the only run") << "3k" << "? . ?";
        QTest::newRow("runs in the wrong order") << "1r 1b" << "b r";
        QTest::newRow("cell with no colour at all") << "1k" << "k - ?";
    }

    // No placement fits: the cells are left as they were.
    void contradiction()
    {
        QFETCH(QString, runs);
        QFETCH(QString, cells);
        std::vector<ColourSet> state = CellsOf(cells);
        QVERIFY(!Solve(RunsOfText(runs), state));
        QCOMPARE(TextOfCells(state), TextOfCells(CellsOf(cells)));
    }

    // 50 touching runs of alternating colours fill a line of 50; 51 never fit.
    void longestLines()
    {
        std::vector<Run> runs;
        for (int i = 0; i < 51; ++i)
            runs.push_back(Run{i % 2 ? Red : Black, 1});
        std::vector<ColourSet> cells(MaxLine, AllColours);
        QVERIFY(!SolveLine(runs.data(), 51, MaxLine, cells.data()));
        QVERIFY(SolveLine(runs.data(), 50, MaxLine, cells.data()));
        QCOMPARE(TextOfCells(cells), QStringLiteral("k r ").repeated(25).trimmed());
    }

    void agreesWithBruteForce_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QString>("palette");
        QTest::newRow("black and white") << 11u << "k.";
        QTest::newRow("three colours and white") << 14u << "rg.c";
    }

    // Random lines with random cells already narrowed, some of them without
    // their own picture's colour, so that contradictions occur too: every colour
    // a cell keeps must appear in some filling that gives the runs, and every
    // such filling's colours must be kept.
    void agreesWithBruteForce()
    {
        QFETCH(quint32, seed);
        QFETCH(QString, palette);
        QRandomGenerator random(seed);
        for (int round = 0; round < 300; ++round) {
            const int length = 1 + static_cast<int>(random.bounded(palette.size() == 2 ? 8 : 6));
            std::vector<int> picture(static_cast<std::size_t>(length));
            for (int& c : picture)
                c = ColourOf(palette[random.bounded(static_cast<int>(palette.size()))]);
            const LineClues line = RunsOfLine(picture);
            std::vector<ColourSet> cells(picture.size());
            for (int i = 0; i < length; ++i) {
                for (QChar letter : palette)
                    if (random.bounded(3) != 0)
                        cells[i] |= OneColour(ColourOf(letter));
                if (round % 3 != 0)
                    cells[i] |= OneColour(picture[i]);
            }

            std::vector<ColourSet> expected(picture.size(), 0);
            bool any = false;
            ForEachLine(palette, length, [&](const std::vector<int>& trial) {
                for (int i = 0; i < length; ++i)
                    if (!((cells[i] >> trial[i]) & 1))
                        return;
                if (!SameRuns(RunsOfLine(trial), line))
                    return;
                any = true;
                for (int i = 0; i < length; ++i)
                    expected[i] |= OneColour(trial[i]);
            });

            std::vector<ColourSet> solved = cells;
            const QByteArray where = QStringLiteral("round %1: cells %2").arg(round).arg(TextOfCells(cells)).toUtf8();
            QVERIFY2(Solve(line, solved) == any, where.constData());
            if (any)
                QVERIFY2(TextOfCells(solved) == TextOfCells(expected), where.constData());
        }
    }
};

QTEST_APPLESS_MAIN(TestLineSolver)
#include "tst_linesolver.moc"
