// DeriveClues: the runs of every line, the counts, the maxima and the
// clearing of the lines the picture does not use.
#include "model_helpers.h"

#include "model/Clues.h"
#include "model/LoadPuzzle.h"

#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// The picture from rows of colour digits.
void SetPicture(PuzzleState& state, const QStringList& rows)
{
    state.Solution.Fill(White);
    state.PuzzleHeight = std::int16_t(rows.size());
    state.PuzzleWidth = std::int16_t(rows.isEmpty() ? 0 : rows[0].size());
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            state.Solution(x, y) = std::uint8_t(rows[y][x].digitValue());
}

// A line's clues as "length:colour" words; free slots must hold length 0 and
// colour 1, and an empty line shows one black 0 in slot 0.
QString Line(int line, std::uint8_t count, const ClueTable& length, const ClueTable& colour)
{
    QStringList clues;
    for (int k = 0; k < count; ++k)
        clues << QString("%1:%2").arg(length(line, k)).arg(colour(line, k));
    for (int k = count; k < ClueSlots; ++k) {
        const int wantColour = (count == 0 && k == 0) ? Black : White;
        if (length(line, k) != 0 || colour(line, k) != wantColour)
            clues << QString("bad slot %1: %2:%3").arg(k).arg(length(line, k)).arg(colour(line, k));
    }
    return clues.join(' ');
}

QStringList RowLines(const PuzzleState& state)
{
    QStringList lines;
    for (int y = 0; y < state.PuzzleHeight; ++y)
        lines << Line(y, state.RowClueCount[y], state.RowClueLength, state.RowClueColour);
    return lines;
}

QStringList ColumnLines(const PuzzleState& state)
{
    QStringList lines;
    for (int x = 0; x < state.PuzzleWidth; ++x)
        lines << Line(x, state.ColClueCount[x], state.ColClueLength, state.ColClueColour);
    return lines;
}

// Lines from `from` to 49 of both directions hold count 0, length 0, colour 1.
bool ClearedFrom(const PuzzleState& state, int fromRow, int fromColumn)
{
    for (int line = 0; line < MaxSide; ++line) {
        for (int k = 0; k < ClueSlots; ++k) {
            if (line >= fromRow
                && (state.RowClueLength(line, k) != 0 || state.RowClueColour(line, k) != White))
                return false;
            if (line >= fromColumn
                && (state.ColClueLength(line, k) != 0 || state.ColClueColour(line, k) != White))
                return false;
        }
        if ((line >= fromRow && state.RowClueCount[line] != 0)
            || (line >= fromColumn && state.ColClueCount[line] != 0))
            return false;
    }
    return true;
}

QString Alternating(int length, QChar a, QChar b)
{
    QString line;
    for (int i = 0; i < length; ++i)
        line += i % 2 ? b : a;
    return line;
}

}  // namespace

class TestClues : public QObject {
    Q_OBJECT
private slots:
    void clues_data();
    void clues();
    void unusedLinesAreCleared();
    void emptyPictureFails_data();
    void emptyPictureFails();
};

void TestClues::clues_data()
{
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<int>("maxRow");
    QTest::addColumn<int>("maxColumn");

    QTest::newRow("white, black, black, white, red, red, black, white")
        << QStringList{"10012201"} << QStringList{"2:0 2:2 1:0"}
        << QStringList{"", "1:0", "1:0", "", "1:2", "1:2", "1:0", ""} << 3 << 1;
    QTest::newRow("touching colours") << QStringList{"223"} << QStringList{"2:2 1:3"}
                                      << QStringList{"1:2", "1:2", "1:3"} << 2 << 1;
    QTest::newRow("a gap between one colour") << QStringList{"212"} << QStringList{"1:2 1:2"}
                                              << QStringList{"1:2", "", "1:2"} << 2 << 1;
    QTest::newRow("a row of one colour") << QStringList{"44444"} << QStringList{"5:4"}
                                         << QStringList(5, "1:4") << 1 << 1;
    QTest::newRow("1x1 white") << QStringList{"1"} << QStringList{""} << QStringList{""} << 1
                               << 1;
    QTest::newRow("1x1 black") << QStringList{"0"} << QStringList{"1:0"} << QStringList{"1:0"}
                               << 1 << 1;
    QTest::newRow("all white") << QStringList(5, "11111") << QStringList(5, "")
                               << QStringList(5, "") << 1 << 1;
    // Columns: the clue that touches the bottom is counted once, a white
    // last cell adds nothing.
    QTest::newRow("last cell coloured or white")
        << QStringList{"11", "01", "00", "50"} << QStringList{"", "1:0", "2:0", "1:5 1:0"}
        << QStringList{"2:0 1:5", "2:0"} << 2 << 2;
    QTest::newRow("a colour change at the last cell")
        << QStringList{"0077"} << QStringList{"2:0 2:7"}
        << QStringList{"1:0", "1:0", "1:7", "1:7"} << 2 << 1;
    QTest::newRow("runs in a column")
        << QStringList{"2", "2", "1", "3", "6", "6", "1"} << QStringList{"1:2", "1:2", "", "1:3", "1:6", "1:6", ""}
        << QStringList{"2:2 1:3 2:6"} << 1 << 3;
    // 50 touching clues of alternating colours, in a row and in a column.
    QStringList single;
    QStringList words;
    for (int i = 0; i < 50; ++i) {
        single << (i % 2 ? "1:2" : "1:0");
        words << single.last();
    }
    const QString fifty = words.join(' ');
    QTest::newRow("50 clues in a row") << QStringList{Alternating(50, '0', '2')}
                                       << QStringList{fifty} << single << 50 << 1;
    QTest::newRow("50 clues in a column")
        << Alternating(50, '0', '2').split("", Qt::SkipEmptyParts) << single
        << QStringList{fifty} << 1 << 50;
}

void TestClues::clues()
{
    QFETCH(QStringList, picture);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, columns);
    QFETCH(int, maxRow);
    QFETCH(int, maxColumn);

    PuzzleState state;
    MarkOldPuzzle(state);
    SetPicture(state, picture);
    DeriveClues(state);
    QCOMPARE(RowLines(state), rows);
    QCOMPARE(ColumnLines(state), columns);
    QCOMPARE(int(state.MaxRowClues), maxRow);
    QCOMPARE(int(state.MaxColClues), maxColumn);
    QVERIFY(ClearedFrom(state, state.PuzzleHeight, state.PuzzleWidth));
}

void TestClues::unusedLinesAreCleared()
{
    PuzzleState state;
    SetPicture(state, QStringList(20, Alternating(20, '0', '3')));
    DeriveClues(state);
    QCOMPARE(int(state.RowClueCount[19]), 20);
    QCOMPARE(int(state.ColClueCount[19]), 1);

    SetPicture(state, QStringList(10, "1111111111"));
    DeriveClues(state);
    QVERIFY(ClearedFrom(state, 10, 10));
    QCOMPARE(RowLines(state), QStringList(10, ""));
    QCOMPARE(ColumnLines(state), QStringList(10, ""));
    QCOMPARE(int(state.MaxRowClues), 1);
    QCOMPARE(int(state.MaxColClues), 1);
}

void TestClues::emptyPictureFails_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("width 0") << 0 << 5;
    QTest::newRow("height 0") << 5 << 0;
    QTest::newRow("both 0") << 0 << 0;
}

void TestClues::emptyPictureFails()
{
    QFETCH(int, width);
    QFETCH(int, height);
    PuzzleState state;
    MarkOldPuzzle(state);
    state.Solution.Fill(Black);
    state.PuzzleWidth = std::int16_t(width);
    state.PuzzleHeight = std::int16_t(height);
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, DeriveClues(state));
    QVERIFY(OldCluesIntact(state));
}

QTEST_APPLESS_MAIN(TestClues)
#include "tst_clues.moc"
