// The Netpbm reader as one table of files and what each load leaves in every
// language, and clue derivation against runs counted the plain way.
#include "model/Clues.h"
#include "model/Fitting.h"
#include "model/LoadPuzzle.h"
#include "model/SettingsFiles.h"
#include "support/Art.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <map>

using namespace grizzet;
using namespace grizzet::test;

namespace {

const std::string Path = "/p/my.pic.x";
const char* const CaseNames[] = {"invalid-file", "too-wide", "too-high", "colours", "open-error"};

// Title and text of each message in English, Dutch and Italian; an empty title is the path.
const std::map<QString, QStringList> Texts = {
    {"invalid-file", {"", "", "", "This is not a valid PBM- or PPM-file.", "Dit is geen geldig PBM- of PPM-bestand.",
                      "File PBM o PPM non valido."}},
    {"too-wide", {"Bitmap too wide", "Bitmap te breed", "Bitmap troppo larga",
                  "The bitmap's width cannot be more than 50 pixels. This bitmap's width is 51 pixels.",
                  "De bitmap mag niet breder zijn dan 50 pixels. Deze bitmap is 51 pixels breed.",
                  "La larghezza della bitmap non può superare I 50 pixel. La larghezza di questa bitmap è di 51 pixels."}},
    {"too-high", {"Bitmap too high", "Bitmap te hoog", "Bitmap troppo alta",
                  "The bitmap's height cannot be more than 50 pixels. This bitmap's height is 51 pixels.",
                  "De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is 51 pixels hoog.",
                  "L’altezza della bitmap non può superare I 50 pixel. L’altezza di questa bitmap è di 51 pixels."}},
    {"colours", {"Bitmap too many colors", "Bitmap te veel kleuren", "Bitmap con troppi colori",
                 "This bitmap contains more than 8 colors. The colors will be compressed. If you save the bitmap, "
                 "only 8 colors will be saved.",
                 "Deze bitmap bevat meer dan 8 kleuren. De kleuren zullen worden gecompresseerd. Als u de bitmap "
                 "bewaart, zullen slechts 8 kleuren worden bewaard.",
                 "Questa bitmap contiene più di 8 colori. I colori saranno compressi. Durante il salvataggio della "
                 "bitmap solo 8 colori saranno salvati."}},
    {"open-error", {"", "", "", "An error has occured while opening this file.",
                    "Er is een fout opgetreden bij het openen van dit bestand.", "Errore all'apertura del file."}}};

// A load of one file held in memory that notes the steps it asks of the window, each message by its case
// and the chooser by its swatches; fail names a step that throws: "find" or "layout".
struct Steps : LoadSteps {
    Steps(PuzzleState& state, std::string file, std::string fail) : state(state), file(file), fail(fail) {}
    PuzzleState& state;
    std::string file, fail, entry;
    QStringList calls;

    bool FindFile(const std::string& path) override { return fail == "find" ? throw RunTimeFailure("") : path != "/p/gone"; }
    std::unique_ptr<ByteSource> OpenFile(const std::string&) override { return std::make_unique<MemorySource>(file); }
    void BeginLoad() override { calls << "BeginLoad"; }
    void ShowMessage(const LoadMessage& m) override
    {
        const QStringList& texts = Texts.at(calls.emplaceBack(CaseNames[int(m.kind)]));
        QCOMPARE(QString::fromStdString(m.title), texts[state.Language].isEmpty() ? Path.c_str() : texts[state.Language]);
        QCOMPARE(QString::fromStdString(m.text), texts[state.Language + 3]);
        QCOMPARE(m.critical, m.kind != LoadCase::Colours);
    }
    void SetChooserSwatches(int count) override { calls << QString::number(count); }
    // A recent item hands over its own entry, which AddRecent rewrites.
    void AddRecent(const std::string&) override { entry = "x"; }
    void LayoutBoard() override { calls << "LayoutBoard", fail == "layout" ? throw std::logic_error("") : void(); }
};

// An older puzzle, marked where no load writes a value of its own.
PuzzleState Old(std::uint8_t language)
{
    PuzzleState s;
    s.Language = language, s.PuzzleWidth = 7, s.PuzzleHeight = 9, s.PuzzleName = "old", s.PuzzleSolved = -1;
    s.Solution.Fill(9), s.RowClueCount.fill(33), s.ColClueCount.fill(33), s.MaxRowClues = s.MaxColClues = 77;
    for (ClueTable* table : {&s.RowClueLength, &s.ColClueLength, &s.RowClueColour, &s.ColClueColour})
        table->Fill(44);
    return s;
}

auto Clues(const PuzzleState& s)
{
    return std::tie(s.RowClueLength.cells, s.ColClueLength.cells, s.RowClueColour.cells, s.ColClueColour.cells,
                    s.RowClueCount, s.ColClueCount, s.MaxRowClues, s.MaxColClues);
}

// The clues of lines of letters, the plain way: each run of one letter other than white, in order. Free
// slots hold length 0 and white, an empty line one black 0, lines not given nothing.
void CountRuns(const QStringList& lines, ClueTable& length, ClueTable& colour, std::array<std::uint8_t, MaxSide>& count,
               std::uint8_t& most)
{
    colour.Fill(White), most = 1;
    for (int line = 0; line < lines.size(); ++line) {
        for (auto runs = QRegularExpression("([^.])\\1*").globalMatch(lines[line]); runs.hasNext();) {
            const QString run = runs.next().captured();
            length(line, count[line]) = std::uint8_t(run.size()), colour(line, count[line]++) = std::uint8_t(ColourOf(run[0]));
        }
        most = std::max(most, count[line]);
        colour(line, 0) = count[line] == 0 ? std::uint8_t(Black) : colour(line, 0);
    }
}

}  // namespace

class TestModel : public QObject {
    Q_OBJECT

private slots:
    // Each file as a load leaves it, in every language: its messages and the chooser's swatches as they
    // came, the size, the name when it changed and the picture, each row up to its last colour. A fail
    // names a step that throws, or "missing" and "empty" pass a path that names no file or an empty one.
    void files_data()
    {
        QTest::addColumn<QString>("fail");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome");
        const QString k50(50, 'k');
        const auto row = [](const char* name, const QByteArray& bytes, const QString& outcome, QString fail = "") {
            QTest::newRow(name) << fail << bytes << outcome;
        };
        row("P1 3x2, 10 is one white pixel, bytes after the last pixel never read", "P1\n3 2\n1 0 1\n10 1 0 x 99999999",
            "3 3x2 my.pic k.k/.k");
        row("P1 50x50", "P1 50 50 " + QByteArray("1 ").repeated(2500), "3 50x50 my.pic " + QStringList(50, k50).join('/'));
        // A comment does not end a number; CR ends a comment and LF the number; stray bytes and minus signs
        // are skipped; a comment may end the file.
        row("P1 numbers", "P1 1#c\n2#c\r\n1\xff-0 " + QByteArray("0 ").repeated(10) + "1#end", "3 12x1 my.pic ...........k");
        row("P4 3x2 A0 40", "P4\n3 2\n\xa0\x40", "3 3x2 my.pic k.k/.k");
        row("P4 raster after one separator, 10 wide in two bytes a row", "P4 10 2\n\n\x3f\x40\xff",
            "3 10x2 my.pic ....k.k/.k......kk");
        row("P3 eight colours at maximum 1 after a comment", "P3 # 9\n8 1 1 0 0 0 1 1 1 1 0 0 0 0 1 1 1 0 0 1 0 1 0 1 0 1 1",
            "9 8x1 my.pic k.rbygmc");
        row("P3 maximum 255: 127 is off, 128 on", "P3 2 1 255 127 128 128  128 127 127", "colours 9 2x1 my.pic cr");
        row("P3 maximum 2 shows the notice", "P3 2 1 2 1 1 1 0 0 0", "colours 9 2x1 my.pic .k");
        row("P3 maximum 0: every pixel white", "P3 2 1 0 0 0 0 0 0 0", "9 2x1 my.pic");
        row("P3 maximum 32767", "P3 2 1 0032767 16383 0 0 16384 0 0", "colours 9 2x1 my.pic kr");
        row("P6 maximum 255, raster after one separator", "P6 4 1 255\n\n\xc8\xc8\xc8\x64\x1e\xc8\xc8\x1e\x7f\x7f\x7f",
            "colours 9 4x1 my.pic cryk");
        row("P6 maximum 1000, one byte a sample", QByteArrayLiteral("P6 2 1 1000\n\xff\xff\xff\0\0\0"), "colours 9 2x1 my.pic kk");
        row("P5", "P5 1 1 255\n\x01", "invalid-file 7x9");
        row("lower-case p3", "p3 1 1 1 1 1 1", "invalid-file 7x9");
        row("width 51 comes before height 60", "P3 51 60 255\n", "too-wide 7x9");
        row("height 51", "P1 50 51\n", "too-high 7x9");
        row("32768 across a comment", "P1 327#c\n68 1", "open-error 7x9");
        row("maximum above 32767", "P6 2 2 40000\n", "open-error 2x2");
        row("P1 raster ends early", "P1 3 2 1 0 1 0", "3 open-error 3x2 k.k");
        row("P6 raster ends early", QByteArrayLiteral("P6 2 1 255\n\xc8\0\0\0\0"), "colours 9 open-error 2x1 r");
        // A side of 0: the counters never meet it, and a store past the grid ends the load.
        row("P6 width 0", "P6 0 1 1\n" + QByteArray(180, '\0'), "9 open-error 0x1 " + k50);
        // Failures after the caption still end in the open-error message.
        row("P1 height 0: no clues", "P1 3 0\n", "3 open-error 3x0 my.pic");
        row("layout fails", "P1 1 1 1", "3 open-error 1x1 my.pic k", "layout");
        row("lookup fails", "P1 1 1 1", "open-error 7x9", "find");
        row("missing file", "P1 1 1 1", "7x9", "missing");
        row("empty path", "P1 1 1 1", "7x9", "empty");
    }

    void files()
    {
        QFETCH(QString, fail);
        QFETCH(QByteArray, bytes);
        for (std::uint8_t language = 0; language < 3; ++language) {
            PuzzleState state = Old(language);
            Steps steps(state, bytes.toStdString(), fail.toStdString());
            steps.entry = fail == "empty" ? "" : fail == "missing" ? "/p/gone" : Path;
            const bool loaded = LoadPuzzle(state, steps.entry, steps);
            QStringList outcome = steps.calls.filter(QRegularExpression("^[a-z0-9-]+$"));
            outcome << QString("%1x%2").arg(state.PuzzleWidth).arg(state.PuzzleHeight)
                    << QString::fromStdString(state.PuzzleName == "old" ? "" : state.PuzzleName)
                    << ArtOf(state.Solution, MaxSide, MaxSide).join('/').remove(QRegularExpression("[.?]*(?=/|$)")).remove(QRegularExpression("/*$"));
            QTEST(outcome.join(' ').simplified(), "outcome");

            // Once the file is found the old puzzle is unsolved and its picture white; its clues go only with a layout.
            const bool began = steps.calls.contains("BeginLoad");
            QCOMPARE(began, fail == "" || fail == "layout");
            QCOMPARE(state.PuzzleSolved, std::int16_t(began ? 0 : -1));
            QCOMPARE(std::count(state.Solution.cells.begin(), state.Solution.cells.end(), 9), began ? 0 : 2500);
            QCOMPARE(Clues(state) == Clues(Old(language)), !steps.calls.contains("LayoutBoard"));
            QCOMPARE(loaded, steps.calls.contains("LayoutBoard") && !steps.calls.contains("open-error"));
        }
    }

    // Fitting on made-up widths of "10 ": three times 100/3 is 100 in single precision, which does not
    // fit below 100; the width ties round to even, and cells fit exactly.
    void fitting()
    {
        QCOMPARE(ClueFontSize([](int points) { return points == 6 ? 100.0f / 3 : 1e5f; }, 3, 1, 100, 1000), 5);
        QCOMPARE(QPoint(CellSizeFor(12.5f, 1, 1, 99, 99), CellSizeFor(13.5f, 8, 1, 112, 99)), QPoint(12, 14));
    }

    // The settings files' folder from the executable's path: one "/" at its end, the root folder included.
    void programFolder()
    {
        for (const auto& [executable, folder] : {std::pair{"/vindro-grizzet", "/"}, {"//g", "/"}, {"/a/b/g", "/a/b/"},
                                                 {"/a\xff//g", "/a\xff/"}})
            QCOMPARE(ProgramFolderOf(executable), std::string(folder));
    }

    // Random pictures of every size over an older puzzle's tables, each with a random palette (white alone
    // included), and a 50 by 50 checkerboard of touching black and red: 50 clues in every line.
    void cluesAgreeWithCounting()
    {
        QRandomGenerator random(5);
        for (int round = 0; round < 400; ++round) {
            PuzzleState state = Old(0), want;
            const QString palette = "." + QString("krbygmc").left(random.bounded(8));
            const int width = round == 0 ? MaxSide : 1 + random.bounded(round % 3 ? 50 : 4);
            const int height = round == 0 ? MaxSide : 1 + random.bounded(round % 3 ? 50 : 4);
            QStringList rows(height), columns(width);
            for (int i = 0; i < width * height; ++i) {
                const QChar cell = round == 0 ? "kr"[(i / width + i % width) % 2] : palette[random.bounded(palette.size())];
                rows[i / width] += cell, columns[i % width] += cell;
            }
            SetPicture(state, rows);
            DeriveClues(state);
            CountRuns(rows, want.RowClueLength, want.RowClueColour, want.RowClueCount, want.MaxRowClues);
            CountRuns(columns, want.ColClueLength, want.ColClueColour, want.ColClueCount, want.MaxColClues);
            QVERIFY2(Clues(state) == Clues(want), qPrintable(rows.join('/')));
        }
    }
};

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
