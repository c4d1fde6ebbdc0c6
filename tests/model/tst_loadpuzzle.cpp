// LoadPuzzle: every magic and raster form, the checks and their messages,
// the order of the steps and the state a load leaves behind.
#include "model_helpers.h"

#include "model/LoadPuzzle.h"

#include <QtTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

const std::string Path = "/p/pic.x";

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

QByteArray Repeat(const QByteArray& piece, int times)
{
    QByteArray bytes;
    for (int i = 0; i < times; ++i)
        bytes += piece;
    return bytes;
}

QStringList CaseNames(const std::vector<LoadMessage>& messages)
{
    QStringList names;
    for (const LoadMessage& message : messages)
        names << CaseName(message.kind);
    return names;
}

// Cells outside the given corner that are not white.
int ColouredOutside(const PuzzleState& state, int width, int height)
{
    int count = 0;
    for (int y = 0; y < MaxSide; ++y)
        for (int x = 0; x < MaxSide; ++x)
            if ((x >= width || y >= height) && state.Solution(x, y) != White)
                ++count;
    return count;
}

}  // namespace

class TestLoadPuzzle : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void failures_data();
    void failures();
    void messages_data();
    void messages();
    void callOrder_data();
    void callOrder();
    void names_data();
    void names();
    void missingFileChangesNothing();
    void pathOutlivesRecentList();
    void largestPicture();
    void commentsPaddingAPicture();
};

void TestLoadPuzzle::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("swatches");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList colours{"colours"};

    // Plain PBM: 1 is black (colour 0), anything else white (1).
    QTest::newRow("P1 3x2") << QByteArray("P1\n3 2\n1 0 1\n0 1 0\n") << 3 << 2
                            << QStringList{"010", "101"} << 3 << none;
    QTest::newRow("P1 2x1 without a final line end")
        << QByteArray("P1 2 1 1 0") << 2 << 1 << QStringList{"01"} << 3 << none;
    QTest::newRow("P1 digits together are one pixel")
        << QByteArray("P1 2 1\n10 1\n") << 2 << 1 << QStringList{"10"} << 3 << none;
    QTest::newRow("P1 other values are white")
        << QByteArray("P1 4 1 2 1 7 01") << 4 << 1 << QStringList{"1010"} << 3 << none;
    QTest::newRow("P1 bytes after the last pixel are ignored")
        << QByteArray("P1 1 1 1 garbage 99999999") << 1 << 1 << QStringList{"0"} << 3 << none;
    QTest::newRow("P1 1x1 white") << QByteArray("P1 1 1 0") << 1 << 1 << QStringList{"1"} << 3
                                  << none;

    // Raw PBM: a set bit is black, rows start on a byte.
    QTest::newRow("P4 3x2 A0 40") << (QByteArray("P4\n3 2\n") + Bytes({0xA0, 0x40})) << 3 << 2
                                  << QStringList{"010", "101"} << 3 << none;
    QTest::newRow("P4 10 wide takes two bytes a row")
        << (QByteArray("P4 10 2\n") + Bytes({0x80, 0x3F, 0x40, 0xFF})) << 10 << 2
        << QStringList{"0111111111", "1011111100"} << 3 << none;
    QTest::newRow("P4 raster starts after one separator")
        << QByteArray("P4 8 1\n\n") << 8 << 1 << QStringList{"11110101"} << 3 << none;
    QTest::newRow("P4 raster may start with a digit")
        << QByteArray("P4 8 1 1") << 8 << 1 << QStringList{"11001110"} << 3 << none;

    // Plain PPM.
    QTest::newRow("P3 the eight colours at maximum 1")
        << QByteArray("P3 8 1 1  0 0 0  1 1 1  1 0 0  0 0 1  1 1 0  0 1 0  1 0 1  0 1 1")
        << 8 << 1 << QStringList{"01234567"} << 9 << none;
    QTest::newRow("P3 maximum 255, 127 and 128")
        << QByteArray("P3 2 1 255 127 128 128  128 127 127") << 2 << 1 << QStringList{"72"}
        << 9 << colours;
    QTest::newRow("P3 maximum 2 shows the notice")
        << QByteArray("P3 2 1 2 1 1 1 0 0 0") << 2 << 1 << QStringList{"10"} << 9 << colours;
    QTest::newRow("P3 maximum 0 makes every pixel white")
        << QByteArray("P3 2 1 0 0 0 0 0 0 0") << 2 << 1 << QStringList{"11"} << 9 << none;
    QTest::newRow("P3 maximum 3, threshold 1.5")
        << QByteArray("P3 2 1 3 1 2 1 2 2 2") << 2 << 1 << QStringList{"51"} << 9 << colours;
    QTest::newRow("P3 comment after the magic")
        << QByteArray("P3 # a comment 9 9\n3 2\n1\n1 1 1 1 1 1 1 1 1\n0 0 0 0 0 0 1 0 0\n")
        << 3 << 2 << QStringList{"111", "002"} << 9 << none;
    QTest::newRow("P3 comment between samples")
        << QByteArray("P3 1 1 1 1#c\n 0 # c\n1") << 1 << 1 << QStringList{"6"} << 9 << none;

    // Raw PPM: one byte a sample whatever the maximum.
    QTest::newRow("P6 maximum 255")
        << (QByteArray("P6 3 1 255\n") + Bytes({200, 100, 30, 200, 200, 30, 127, 127, 127}))
        << 3 << 1 << QStringList{"240"} << 9 << colours;
    QTest::newRow("P6 pure black and white still shows the notice")
        << (QByteArray("P6 2 1 255\n") + Bytes({0, 0, 0, 255, 255, 255})) << 2 << 1
        << QStringList{"01"} << 9 << colours;
    QTest::newRow("P6 maximum 1000, one byte a sample")
        << (QByteArray("P6 2 1 1000\n") + Bytes({255, 255, 255, 0, 0, 0})) << 2 << 1
        << QStringList{"00"} << 9 << colours;
    QTest::newRow("P6 maximum 1")
        << (QByteArray("P6 2 1 1\n") + Bytes({1, 1, 0, 0, 1, 1})) << 2 << 1
        << QStringList{"47"} << 9 << none;
    QTest::newRow("P6 raster starts after one separator")
        << (QByteArray("P6 1 1 255\n") + Bytes({'\n', 200, 200})) << 1 << 1
        << QStringList{"7"} << 9 << colours;

    // Header forms.
    QTest::newRow("comment inside the width")
        << QByteArray("P1 1#c\n2 1\n1 1 1 1 1 1 0 0 0 0 0 0") << 12 << 1
        << QStringList{"000000111111"} << 3 << none;
    QTest::newRow("stray separators and minus signs")
        << QByteArray("P1\t-3,,-2x1 1 1 0 0 0") << 3 << 2 << QStringList{"000", "111"} << 3
        << none;
    QTest::newRow("width and height 50") << (QByteArray("P4 50 50\n") + QByteArray(350, '\0'))
                                         << 50 << 50 << QStringList(50, QString(50, '1')) << 3
                                         << none;
}

void TestLoadPuzzle::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, rows);
    QFETCH(int, swatches);
    QFETCH(QStringList, messages);

    PuzzleState state;
    MarkOldPuzzle(state);
    RecordingSteps steps(state);
    steps.files[Path] = bytes.toStdString();

    QVERIFY(LoadPuzzle(state, Path, steps));
    QCOMPARE(int(state.PuzzleWidth), width);
    QCOMPARE(int(state.PuzzleHeight), height);
    QCOMPARE(Rows(state, width, height), rows);
    QCOMPARE(ColouredOutside(state, width, height), 0);
    QVERIFY(steps.calls.contains(QString("SetChooserSwatches %1").arg(swatches)));
    QCOMPARE(CaseNames(steps.messages), messages);
    QCOMPARE(state.PuzzleSolved, std::int16_t(0));
    QCOMPARE(state.PuzzleName, std::string("pic"));
    QVERIFY(!OldCluesIntact(state));
}

void TestLoadPuzzle::failures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("width");   // as left in the state
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("corner");  // Solution's top-left corner; white elsewhere
    QTest::addColumn<QString>("name");

    const QStringList invalid{"invalid-file"};
    const QStringList openError{"open-error"};
    const QStringList noCorner;

    QTest::newRow("empty file") << QByteArray() << invalid << 7 << 9 << noCorner << "old";
    QTest::newRow("one byte") << QByteArray("P") << invalid << 7 << 9 << noCorner << "old";
    QTest::newRow("P5") << QByteArray("P5 1 1 255\n\0", 12) << invalid << 7 << 9 << noCorner
                        << "old";
    QTest::newRow("P2") << QByteArray("P2 1 1 1 1") << invalid << 7 << 9 << noCorner << "old";
    QTest::newRow("lower-case p3") << QByteArray("p3 1 1 1 1 1 1") << invalid << 7 << 9
                                   << noCorner << "old";
    QTest::newRow("space before the magic") << QByteArray(" P1 1 1 1") << invalid << 7 << 9
                                            << noCorner << "old";
    QTest::newRow("P7") << QByteArray("P7\n") << invalid << 7 << 9 << noCorner << "old";

    QTest::newRow("width 51, height 60") << QByteArray("P3 51 60 255\n") << QStringList{"too-wide"}
                                         << 7 << 9 << noCorner << "old";
    QTest::newRow("P4 width 51") << QByteArray("P4 51 1\n") << QStringList{"too-wide"} << 7 << 9
                                 << noCorner << "old";
    QTest::newRow("P1 height 51") << QByteArray("P1 50 51\n") << QStringList{"too-high"} << 7
                                  << 9 << noCorner << "old";
    QTest::newRow("P6 width 32767") << QByteArray("P6 32767 1 255\n")
                                    << QStringList{"too-wide"} << 7 << 9 << noCorner << "old";

    QTest::newRow("width above 32767") << QByteArray("P3 32768 1 1\n") << openError << 7 << 9
                                       << noCorner << "old";
    QTest::newRow("height above 32767") << QByteArray("P1 3 99999\n") << openError << 7 << 9
                                        << noCorner << "old";
    QTest::newRow("header ends after the width") << QByteArray("P1 3") << openError << 7 << 9
                                                 << noCorner << "old";
    QTest::newRow("maximum missing") << QByteArray("P3 2 2 ") << openError << 2 << 2 << noCorner
                                     << "old";
    QTest::newRow("maximum above 32767") << QByteArray("P6 2 2 40000\n") << openError << 2 << 2
                                         << noCorner << "old";

    QTest::newRow("P1 raster ends early") << QByteArray("P1 3 2 1 0 1 0") << openError << 3 << 2
                                          << QStringList{"010", "111"} << "old";
    QTest::newRow("P4 raster ends early") << (QByteArray("P4 3 2\n") + Bytes({0xA0}))
                                          << openError << 3 << 2
                                          << QStringList{"010", "111"} << "old";
    QTest::newRow("P3 raster ends early") << QByteArray("P3 2 1 1 1 0 0 0 0") << openError << 2
                                          << 1 << QStringList{"21"} << "old";
    QTest::newRow("P6 raster ends early")
        << (QByteArray("P6 2 1 255\n") + Bytes({200, 0, 0, 0, 0})) << QStringList{"colours", "open-error"}
        << 2 << 1 << QStringList{"21"} << "old";
    QTest::newRow("P3 sample above 32767") << QByteArray("P3 1 1 1 1 40000 1") << openError << 1
                                           << 1 << QStringList{"1"} << "old";

    // A side of 0: the counters never meet it, and a store past the grid ends the load.
    const QString black50(50, '0');
    const QString white50(50, '1');
    QTest::newRow("P6 width 0") << (QByteArray("P6 0 1 1\n") + QByteArray(180, '\0'))
                                << openError << 0 << 1 << QStringList{black50} << "old";
    QTest::newRow("P6 width 0, short file") << (QByteArray("P6 0 1 1\n") + QByteArray(3, '\0'))
                                            << openError << 0 << 1 << QStringList{"0"} << "old";
    QTest::newRow("P3 height 0") << (QByteArray("P3 2 0 1\n") + Repeat("0 0 0\n", 120))
                                 << openError << 2 << 0 << QStringList(50, "00") << "old";
    QTest::newRow("P4 width 0") << (QByteArray("P4 0 1\n") + QByteArray(8, '\xff')) << openError
                                << 0 << 1 << QStringList{black50} << "old";
    QTest::newRow("P1 width 0") << (QByteArray("P1 0 3\n") + Repeat("1 ", 60)) << openError << 0
                                << 3 << QStringList{black50, white50} << "old";
    QTest::newRow("P1 width 0, all white") << (QByteArray("P1 0 1\n") + Repeat("0 ", 100))
                                           << openError << 0 << 1 << noCorner << "old";
    // No pixel to decode, so the caption changes before the clues fail.
    QTest::newRow("P1 height 0") << QByteArray("P1 3 0\n") << openError << 3 << 0 << noCorner
                                 << "pic";
    QTest::newRow("P4 height 0") << QByteArray("P4 3 0\n") << openError << 3 << 0 << noCorner
                                 << "pic";
}

void TestLoadPuzzle::failures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, messages);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, corner);
    QFETCH(QString, name);

    PuzzleState state;
    MarkOldPuzzle(state);
    RecordingSteps steps(state);
    steps.files[Path] = bytes.toStdString();

    QVERIFY(!LoadPuzzle(state, Path, steps));
    QCOMPARE(CaseNames(steps.messages), messages);
    QCOMPARE(int(state.PuzzleWidth), width);
    QCOMPARE(int(state.PuzzleHeight), height);
    const int cornerWidth = corner.isEmpty() ? 0 : int(corner[0].size());
    QCOMPARE(Rows(state, cornerWidth, int(corner.size())), corner);
    QCOMPARE(ColouredOutside(state, cornerWidth, int(corner.size())), 0);
    QCOMPARE(QString::fromStdString(state.PuzzleName), name);
    QVERIFY(OldCluesIntact(state));
    QCOMPARE(state.PuzzleSolved, std::int16_t(0));
    QVERIFY(std::all_of(state.PlayerGrid.cells.begin(), state.PlayerGrid.cells.end(),
                        [](std::uint8_t cell) { return cell == 3; }));
    QVERIFY(!steps.calls.contains("LayoutBoard"));
}

void TestLoadPuzzle::messages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    const QByteArray invalid("P5 1 1 1 1");
    const QByteArray wide("P3 51 60 1\n");
    const QByteArray high("P1 3 60\n");
    const QByteArray colours("P3 1 1 255 0 0 0");
    const QByteArray broken("P1 3");
    const QString path = QString::fromStdString(Path);

    QTest::newRow("en invalid") << 0 << invalid << true << path
                                << "This is not a valid PBM- or PPM-file.";
    QTest::newRow("nl invalid") << 1 << invalid << true << path
                                << "Dit is geen geldig PBM- of PPM-bestand.";
    QTest::newRow("it invalid") << 2 << invalid << true << path << "File PBM o PPM non valido.";

    QTest::newRow("en too wide") << 0 << wide << true << "Bitmap too wide"
                                 << "The bitmap's width cannot be more than 50 pixels. This "
                                    "bitmap's width is 51 pixels.";
    QTest::newRow("nl too wide") << 1 << wide << true << "Bitmap te breed"
                                 << "De bitmap mag niet breder zijn dan 50 pixels. Deze bitmap "
                                    "is 51 pixels breed.";
    QTest::newRow("it too wide") << 2 << wide << true << "Bitmap troppo larga"
                                 << QString::fromUtf8(
                                        "La larghezza della bitmap non pu\u00f2 superare I 50 "
                                        "pixel. La larghezza di questa bitmap \u00e8 di 51 "
                                        "pixels.");
    QTest::newRow("en too wide, five digits")
        << 0 << QByteArray("P6 32767 1 1\n") << true << "Bitmap too wide"
        << "The bitmap's width cannot be more than 50 pixels. This bitmap's width is 32767 "
           "pixels.";

    QTest::newRow("en too high") << 0 << high << true << "Bitmap too high"
                                 << "The bitmap's height cannot be more than 50 pixels. This "
                                    "bitmap's height is 60 pixels.";
    QTest::newRow("nl too high") << 1 << high << true << "Bitmap te hoog"
                                 << "De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is "
                                    "60 pixels hoog.";
    QTest::newRow("it too high") << 2 << high << true << "Bitmap troppo alta"
                                 << QString::fromUtf8(
                                        "L\u2019altezza della bitmap non pu\u00f2 superare I 50 "
                                        "pixel. L\u2019altezza di questa bitmap \u00e8 di 60 "
                                        "pixels.");

    QTest::newRow("en colours") << 0 << colours << false << "Bitmap too many colors"
                                << "This bitmap contains more than 8 colors. The colors will be "
                                   "compressed. If you save the bitmap, only 8 colors will be "
                                   "saved.";
    QTest::newRow("nl colours") << 1 << colours << false << "Bitmap te veel kleuren"
                                << "Deze bitmap bevat meer dan 8 kleuren. De kleuren zullen "
                                   "worden gecompresseerd. Als u de bitmap bewaart, zullen "
                                   "slechts 8 kleuren worden bewaard.";
    QTest::newRow("it colours") << 2 << colours << false << "Bitmap con troppi colori"
                                << QString::fromUtf8(
                                       "Questa bitmap contiene pi\u00f9 di 8 colori. I colori "
                                       "saranno compressi. Durante il salvataggio della bitmap "
                                       "solo 8 colori saranno salvati.");

    QTest::newRow("en open error") << 0 << broken << true << path
                                   << "An error has occured while opening this file.";
    QTest::newRow("nl open error") << 1 << broken << true << path
                                   << "Er is een fout opgetreden bij het openen van dit "
                                      "bestand.";
    QTest::newRow("it open error") << 2 << broken << true << path
                                   << "Errore all'apertura del file.";

    // A foreign language value picks empty texts; the path stays the title.
    QTest::newRow("language 3, too wide") << 3 << wide << true << "" << "";
    QTest::newRow("language 3, open error") << 3 << broken << true << path << "";
}

void TestLoadPuzzle::messages()
{
    QFETCH(int, language);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, critical);
    QFETCH(QString, title);
    QFETCH(QString, text);

    PuzzleState state;
    state.Language = std::uint8_t(language);
    RecordingSteps steps(state);
    steps.files[Path] = bytes.toStdString();
    LoadPuzzle(state, Path, steps);

    QCOMPARE(steps.messages.size(), std::size_t(1));
    QCOMPARE(steps.messages[0].critical, critical);
    QCOMPARE(QString::fromStdString(steps.messages[0].title), title);
    QCOMPARE(QString::fromStdString(steps.messages[0].text), text);
}

void TestLoadPuzzle::callOrder_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("loaded");

    const QByteArray pbm("P1 2 1 1 0");
    const QStringList found{"FindFile", "BeginLoad", "OpenFile"};
    // The file is closed before the caption changes and before the closing steps.
    const QStringList handOver{"CloseFile", "SetCaption pic - Vindro Grizzet",
                               "AddRecent /p/pic.x", "LayoutBoard"};
    const QStringList closing{"CloseFile", "EndLoad"};
    const QStringList failing{"CloseFile", "EndLoad", "ShowMessage open-error"};

    QTest::newRow("P1") << "" << pbm
                        << found + QStringList{"SetChooserSwatches 3"} + handOver
                               + QStringList{"EndLoad"}
                        << true;
    QTest::newRow("P6 with the notice")
        << "" << (QByteArray("P6 1 1 255\n") + Bytes({0, 0, 0}))
        << found + QStringList{"ShowMessage colours", "SetChooserSwatches 9"} + handOver
               + QStringList{"EndLoad"}
        << true;
    QTest::newRow("P3 without the notice")
        << "" << QByteArray("P3 1 1 1 0 0 0")
        << found + QStringList{"SetChooserSwatches 9"} + handOver + QStringList{"EndLoad"}
        << true;
    QTest::newRow("missing file") << "missing" << pbm << QStringList{"FindFile", "EndLoad"}
                                  << false;
    QTest::newRow("empty path") << "empty path" << pbm << QStringList{"EndLoad"} << false;
    QTest::newRow("lookup fails")
        << "find fails" << pbm << QStringList{"FindFile", "EndLoad", "ShowMessage open-error"}
        << false;
    QTest::newRow("open fails") << "open fails" << pbm
                                << found + QStringList{"EndLoad", "ShowMessage open-error"}
                                << false;
    QTest::newRow("invalid file") << "" << QByteArray("P5")
                                  << found + QStringList{"ShowMessage invalid-file"} + closing
                                  << false;
    QTest::newRow("too wide") << "" << QByteArray("P1 51 51 ")
                              << found + QStringList{"ShowMessage too-wide"} + closing << false;
    QTest::newRow("raster ends early")
        << "" << QByteArray("P1 2 1 1")
        << found + QStringList{"SetChooserSwatches 3"} + failing << false;
    QTest::newRow("clues fail after the caption")
        << "" << QByteArray("P1 2 0 ")
        << found
               + QStringList{"SetChooserSwatches 3", "CloseFile",
                             "SetCaption pic - Vindro Grizzet", "AddRecent /p/pic.x", "EndLoad",
                             "ShowMessage open-error"}
        << false;
    QTest::newRow("layout fails") << "layout fails" << pbm
                                  << found + QStringList{"SetChooserSwatches 3"} + handOver
                                         + QStringList{"EndLoad", "ShowMessage open-error"}
                                  << false;
}

void TestLoadPuzzle::callOrder()
{
    QFETCH(QString, setup);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, calls);
    QFETCH(bool, loaded);

    PuzzleState state;
    MarkOldPuzzle(state);
    RecordingSteps steps(state);
    if (setup != "missing")
        steps.files[Path] = bytes.toStdString();
    steps.failFind = setup == "find fails";
    steps.failOpen = setup == "open fails";
    steps.failLayout = setup == "layout fails";

    QCOMPARE(LoadPuzzle(state, setup == "empty path" ? std::string() : Path, steps), loaded);
    QCOMPARE(steps.calls, calls);
    // The clues are derived between AddRecent and LayoutBoard.
    if (steps.calls.contains("AddRecent /p/pic.x"))
        QCOMPARE(steps.maxRowCluesAtAddRecent, 77);
    if (steps.calls.contains("LayoutBoard"))
        QCOMPARE(steps.maxRowCluesAtLayout, 1);
}

void TestLoadPuzzle::names_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");

    QTest::newRow("extension") << "/home/ann/cat.pbm" << "cat";
    QTest::newRow("several dots") << "/home/ann/my.cat.pbm" << "my.cat";
    QTest::newRow("no extension") << "/home/ann/cat" << "cat";
    QTest::newRow("dot in a folder only") << "/home/ann.b/cat" << "cat";
    QTest::newRow("only an extension") << "/home/ann/.pbm" << "";
    QTest::newRow("trailing dot") << "/tmp/cat." << "cat";
    QTest::newRow("no folder") << "cat.ppm" << "cat";
    QTest::newRow("backslash is part of the name") << "/tmp/a\\b.pbm" << "a\\b";
    QTest::newRow("spaces and accents") << QString::fromUtf8("/tmp/h\u00e9 hat.ppm")
                                        << QString::fromUtf8("h\u00e9 hat");
}

void TestLoadPuzzle::names()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    const std::string file = path.toStdString();
    QCOMPARE(QString::fromStdString(PuzzleNameOf(file)), name);

    PuzzleState state;
    RecordingSteps steps(state);
    steps.files[file] = "P1 1 1 1";
    QVERIFY(LoadPuzzle(state, file, steps));
    QCOMPARE(QString::fromStdString(state.PuzzleName), name);
    QVERIFY(steps.calls.contains("SetCaption " + name + " - Vindro Grizzet"));
}

void TestLoadPuzzle::missingFileChangesNothing()
{
    PuzzleState state;
    MarkOldPuzzle(state);
    RecordingSteps steps(state);
    QVERIFY(!LoadPuzzle(state, "/p/gone.pbm", steps));
    QVERIFY(steps.messages.empty());
    QCOMPARE(int(state.PuzzleWidth), 7);
    QCOMPARE(int(state.PuzzleHeight), 9);
    QCOMPARE(state.PuzzleSolved, std::int16_t(-1));
    QCOMPARE(state.PuzzleName, std::string("old"));
    QCOMPARE(int(state.Solution(49, 49)), 5);
    QVERIFY(OldCluesIntact(state));
}

void TestLoadPuzzle::pathOutlivesRecentList()
{
    // A recent item passes its own entry, which AddRecent rewrites before
    // the clues fail; the message must still name the file.
    PuzzleState state;
    state.RecentFiles[0] = "/p/flat.pbm";
    RecordingSteps steps(state);
    steps.files["/p/flat.pbm"] = "P1 4 0\n";
    steps.recentList = &state.RecentFiles[0];
    QVERIFY(!LoadPuzzle(state, state.RecentFiles[0], steps));
    QCOMPARE(state.RecentFiles[0], std::string("overwritten"));
    QCOMPARE(steps.messages.size(), std::size_t(1));
    QCOMPARE(steps.messages[0].title, std::string("/p/flat.pbm"));
}

void TestLoadPuzzle::largestPicture()
{
    // 50 by 50 P3: a diagonal of red on white, one pixel a line.
    QByteArray bytes("P3 50 50 255\n");
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x)
            bytes += x == y ? "255 0 0 " : "255 255 255 ";
        bytes += '\n';
    }
    PuzzleState state;
    RecordingSteps steps(state);
    steps.files[Path] = bytes.toStdString();
    QVERIFY(LoadPuzzle(state, Path, steps));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            QCOMPARE(int(state.Solution(x, y)), x == y ? int(Red) : int(White));
    QCOMPARE(int(state.RowClueCount[49]), 1);
    QCOMPARE(int(state.RowClueLength(49, 0)), 1);
}

void TestLoadPuzzle::commentsPaddingAPicture()
{
    // A 50 by 50 P3 whose samples are buried in megabytes of comments (each
    // after a space: a comment alone would not end a number).
    const QByteArray comment = " #" + QByteArray(4000, 'x') + "\n";
    QByteArray bytes = "P3 50 " + comment + "50 1" + comment;
    for (int i = 0; i < 2500; ++i)
        bytes += (i % 2 ? "0 1 0" : "1 0 1") + comment;
    QVERIFY(bytes.size() > 10'000'000);
    PuzzleState state;
    RecordingSteps steps(state);
    steps.files[Path] = bytes.toStdString();
    QVERIFY(LoadPuzzle(state, Path, steps));
    QCOMPARE(int(state.Solution(0, 0)), int(Magenta));
    QCOMPARE(int(state.Solution(49, 49)), int(Green));
    QCOMPARE(int(state.MaxRowClues), 50);
}

QTEST_APPLESS_MAIN(TestLoadPuzzle)
#include "tst_loadpuzzle.moc"
