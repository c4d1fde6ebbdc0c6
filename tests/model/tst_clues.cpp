// DeriveClues: the runs of every line, the counts, the maxima and the
// clearing of the lines the picture does not use.
#include "model/Clues.h"
#include "support/Art.h"
#include "support/LoadRecorder.h"

#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

// Every line's clues as "length:colour" words. Free slots hold length 0 and
// colour 1, but an empty line of the picture shows one black 0 in slot 0;
// lines the picture does not use hold no clues at all.
QStringList Lines(int used, const std::array<std::uint8_t, MaxSide>& count, const ClueTable& length,
                  const ClueTable& colour)
{
    QStringList lines;
    for (int line = 0; line < MaxSide; ++line) {
        QStringList clues;
        for (int k = 0; k < ClueSlots; ++k) {
            const int freeColour = line < used && count[line] == 0 && k == 0 ? Black : White;
            if (k < count[line])
                clues << QString("%1:%2").arg(length(line, k)).arg(colour(line, k));
            else if (length(line, k) != 0 || colour(line, k) != freeColour)
                clues << QString("bad slot %1").arg(k);
        }
        lines << clues.join(' ');
    }
    return lines;
}

QStringList Expected(QStringList lines)
{
    while (lines.size() < MaxSide)
        lines << "";
    return lines;
}

}  // namespace

class TestClues : public QObject {
    Q_OBJECT

private slots:
    void clues_data()
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
        QTest::newRow("all white") << QStringList(3, "1111") << QStringList(3, "") << QStringList(4, "") << 1 << 1;
        QTest::newRow("1x1 black") << QStringList{"0"} << QStringList{"1:0"} << QStringList{"1:0"} << 1 << 1;
        QTest::newRow("1x1 white") << QStringList{"1"} << QStringList{""} << QStringList{""} << 1
                                   << 1;
        // Columns: the clue that touches the bottom is counted once, a white
        // last cell adds nothing.
        QTest::newRow("last cell coloured or white")
            << QStringList{"11", "01", "00", "50"} << QStringList{"", "1:0", "2:0", "1:5 1:0"}
            << QStringList{"2:0 1:5", "2:0"} << 2 << 2;
        // 50 touching clues of alternating colours, in a row and in a column.
        const QString alternating = QString("02").repeated(25);
        QStringList single;
        for (int i = 0; i < 25; ++i)
            single << "1:0" << "1:2";
        const QString fifty = single.join(' ');
        QTest::newRow("50 clues in a row") << QStringList{alternating} << QStringList{fifty} << single << 50 << 1;
        QTest::newRow("50 clues in a column") << alternating.split("", Qt::SkipEmptyParts) << single
                                              << QStringList{fifty} << 1 << 50;
    }

    void clues()
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
        // The marks of an older, larger puzzle are gone from the unused lines.
        QCOMPARE(Lines(state.PuzzleHeight, state.RowClueCount, state.RowClueLength, state.RowClueColour),
                 Expected(rows));
        QCOMPARE(Lines(state.PuzzleWidth, state.ColClueCount, state.ColClueLength, state.ColClueColour),
                 Expected(columns));
        QCOMPARE(int(state.MaxRowClues), maxRow);
        QCOMPARE(int(state.MaxColClues), maxColumn);
    }
};

QTEST_APPLESS_MAIN(TestClues)
#include "tst_clues.moc"
