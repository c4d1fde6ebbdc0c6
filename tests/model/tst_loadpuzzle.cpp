// The Netpbm reader: ReadNumber, every magic and raster form, the checks and
// their messages, the order of the steps and the state a load leaves behind.
#include "support/Art.h"
#include "support/LoadRecorder.h"

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

// The whole 50 by 50 picture: the given corner, white elsewhere.
QStringList Padded(QStringList rows)
{
    for (QString& row : rows)
        row = row.leftJustified(MaxSide, '.');
    while (rows.size() < MaxSide)
        rows << QString(MaxSide, '.');
    return rows;
}

}  // namespace

class TestLoadPuzzle : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("next");  // the byte left after the number, -1 at the end

        QTest::newRow("digits, ended by a space") << QByteArray("42 x") << 42 << int('x');
        QTest::newRow("the ending byte is consumed") << QByteArray("7\n\n") << 7 << int('\n');
        QTest::newRow("stray bytes before") << QByteArray("x,;7y") << 7 << -1;
        QTest::newRow("a minus sign is skipped") << QByteArray("-5 ") << 5 << -1;
        QTest::newRow("end of file ends a number") << QByteArray("12") << 12 << -1;
        QTest::newRow("leading zeros") << QByteArray("0032767 ") << 32767 << -1;
        QTest::newRow("comment before") << QByteArray("#c 99\n42 ") << 42 << -1;
        QTest::newRow("comment inside a number") << QByteArray("1#c\n2 3") << 12 << int('3');
        QTest::newRow("CR LF after a comment ends the number")
            << QByteArray("4#c\r\n2") << 4 << int('2');
        QTest::newRow("comment up to the end of file") << QByteArray("12#no line end") << 12 << -1;
        QTest::newRow("high bytes are separators") << QByteArray("\xff\x80" "9\xfe" "1") << 9
                                                   << int('1');
    }

    void readNumber()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, value);
        QFETCH(int, next);
        const std::string text = bytes.toStdString();
        MemorySource source(text);
        QCOMPARE(int(ReadNumber(source)), value);
        QCOMPARE(source.Next(), next);
    }

    void readNumberFails_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("only a comment") << QByteArray("# 12\n");
        QTest::newRow("32768") << QByteArray("32768 ");
        QTest::newRow("65536 would wrap to 0") << QByteArray("65536 ");
        QTest::newRow("many digits") << QByteArray("123456789012345678901234567890");
        QTest::newRow("too large across a comment") << QByteArray("327#c\n68 ");
    }

    void readNumberFails()
    {
        QFETCH(QByteArray, bytes);
        const std::string text = bytes.toStdString();
        MemorySource source(text);
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, ReadNumber(source));
    }

    void longRunsStayCheap()
    {
        // Megabytes of zeros, of a comment, or of digits: one pass, no growth.
        const std::string zeros = std::string(8 << 20, '0') + "3 ";
        MemorySource zeroSource(zeros);
        QCOMPARE(int(ReadNumber(zeroSource)), 3);

        const std::string comment = "#" + std::string(8 << 20, 'c') + "\n5 ";
        MemorySource commentSource(comment);
        QCOMPARE(int(ReadNumber(commentSource)), 5);

        const std::string nines(8 << 20, '9');
        MemorySource nineSource(nines);
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, ReadNumber(nineSource));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("swatches");
        QTest::addColumn<bool>("notice");  // the colours message

        QTest::newRow("P1 3x2") << QByteArray("P1\n3 2\n1 0 1\n0 1 0\n") << QStringList{"k.k", ".k."} << 3 << false;
        QTest::newRow("P1 digits together are one pixel, 10 is white")
            << QByteArray("P1 2 1\n10 1\n") << QStringList{".k"} << 3 << false;
        QTest::newRow("P1 bytes after the last pixel are never read")
            << QByteArray("P1 1 1 1 garbage 99999999") << QStringList{"k"} << 3 << false;
        QTest::newRow("P4 3x2 A0 40") << (QByteArray("P4\n3 2\n") + Bytes({0xA0, 0x40})) << QStringList{"k.k", ".k."}
                                      << 3 << false;
        QTest::newRow("P4 10 wide takes two bytes a row") << (QByteArray("P4 10 2\n") + Bytes({0x80, 0x3F, 0x40, 0xFF}))
                                                          << QStringList{"k.........", ".k......kk"} << 3 << false;
        // The raster begins right after the one separator: a line end and a digit are pixels.
        QTest::newRow("P4 raster after one separator") << QByteArray("P4 8 2\n\n1")
                                                       << QStringList{"....k.k.", "..kk...k"} << 3 << false;
        QTest::newRow("P3 the eight colours at maximum 1")
            << QByteArray("P3 8 1 1  0 0 0  1 1 1  1 0 0  0 0 1  1 1 0  0 1 0  1 0 1  0 1 1")
            << QStringList{"k.rbygmc"} << 9 << false;
        QTest::newRow("P3 maximum 255: 127 is off, 128 on") << QByteArray("P3 2 1 255 127 128 128  128 127 127")
                                                            << QStringList{"cr"} << 9 << true;
        QTest::newRow("P3 maximum 2 shows the notice") << QByteArray("P3 2 1 2 1 1 1 0 0 0") << QStringList{".k"} << 9
                                                       << true;
        QTest::newRow("P3 maximum 0: every pixel white") << QByteArray("P3 2 1 0 0 0 0 0 0 0") << QStringList{".."} << 9
                                                         << false;
        QTest::newRow("P3 comment after the magic")
            << QByteArray("P3 # a comment 9 9\n3 2\n1\n1 1 1 1 1 1 1 1 1\n0 0 0 0 0 0 1 0 0\n")
            << QStringList{"...", "kkr"} << 9 << false;
        QTest::newRow("P3 50x50") << ("P3 50 50 1\n" + QByteArray("1 0 0 ").repeated(2500))
                                  << QStringList(50, QString(50, 'r')) << 9 << false;
        QTest::newRow("P6 maximum 255")
            << (QByteArray("P6 3 1 255\n") + Bytes({200, 100, 30, 200, 200, 30, 127, 127, 127})) << QStringList{"ryk"}
            << 9 << true;
        QTest::newRow("P6 black and white still shows the notice")
            << (QByteArray("P6 2 1 255\n") + Bytes({0, 0, 0, 255, 255, 255})) << QStringList{"k."} << 9 << true;
        QTest::newRow("P6 maximum 1000, still one byte a sample")
            << (QByteArray("P6 2 1 1000\n") + Bytes({255, 255, 255, 0, 0, 0})) << QStringList{"kk"} << 9 << true;
        QTest::newRow("P6 raster after one separator") << (QByteArray("P6 1 1 255\n") + Bytes({'\n', 200, 200}))
                                                       << QStringList{"c"} << 9 << true;
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        QFETCH(int, swatches);
        QFETCH(bool, notice);

        PuzzleState state;
        MarkOldPuzzle(state);
        RecordingSteps steps(state);
        steps.files[Path] = bytes.toStdString();

        QVERIFY(LoadPuzzle(state, Path, steps));
        QCOMPARE(int(state.PuzzleWidth), int(rows[0].size()));
        QCOMPARE(int(state.PuzzleHeight), int(rows.size()));
        QCOMPARE(ArtOf(state.Solution, MaxSide, MaxSide), Padded(rows));
        QVERIFY(steps.calls.contains(QString("SetChooserSwatches %1").arg(swatches)));
        QCOMPARE(CaseNames(steps.messages), notice ? QStringList{"colours"} : QStringList{});
        QCOMPARE(state.PuzzleSolved, std::int16_t(0));
        QCOMPARE(state.PuzzleName, std::string("pic"));
        QVERIFY(!OldCluesIntact(state));
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("width");  // as left in the state
        QTest::addColumn<int>("height");
        QTest::addColumn<QStringList>("corner");  // of Solution; white elsewhere
        QTest::addColumn<QString>("name");

        const QStringList invalid{"invalid-file"};
        const QStringList openError{"open-error"};
        const QStringList none;

        QTest::newRow("empty file") << QByteArray() << invalid << 7 << 9 << none << "old";
        QTest::newRow("P5") << QByteArray("P5 1 1 255\n\0", 12) << invalid << 7 << 9 << none << "old";
        QTest::newRow("lower-case p3") << QByteArray("p3 1 1 1 1 1 1") << invalid << 7 << 9 << none << "old";
        QTest::newRow("space before the magic") << QByteArray(" P1 1 1 1") << invalid << 7 << 9 << none << "old";
        QTest::newRow("width 51 comes before height 60") << QByteArray("P3 51 60 255\n") << QStringList{"too-wide"} << 7
                                                         << 9 << none << "old";
        QTest::newRow("P1 height 51") << QByteArray("P1 50 51\n") << QStringList{"too-high"} << 7 << 9 << none << "old";
        QTest::newRow("width above 32767") << QByteArray("P3 32768 1 1\n") << openError << 7 << 9 << none << "old";
        QTest::newRow("maximum above 32767") << QByteArray("P6 2 2 40000\n") << openError << 2 << 2 << none << "old";
        QTest::newRow("P1 raster ends early") << QByteArray("P1 3 2 1 0 1 0") << openError << 3 << 2
                                              << QStringList{"k.k", "..."} << "old";
        QTest::newRow("P4 raster ends early") << (QByteArray("P4 3 2\n") + Bytes({0xA0})) << openError << 3 << 2
                                              << QStringList{"k.k", "..."} << "old";
        QTest::newRow("P6 raster ends early") << (QByteArray("P6 2 1 255\n") + Bytes({200, 0, 0, 0, 0}))
                                              << QStringList{"colours", "open-error"} << 2 << 1 << QStringList{"r."}
                                              << "old";
        // A side of 0: the counters never meet it, and a store past the grid ends the load.
        const QString black50(50, 'k');
        QTest::newRow("P6 width 0") << (QByteArray("P6 0 1 1\n") + QByteArray(180, '\0')) << openError << 0 << 1
                                    << QStringList{black50} << "old";
        QTest::newRow("P4 width 0") << (QByteArray("P4 0 1\n") + QByteArray(8, '\xff')) << openError << 0 << 1
                                    << QStringList{black50} << "old";
        QTest::newRow("P1 width 0") << ("P1 0 3\n" + QByteArray("1 ").repeated(60)) << openError << 0 << 3
                                    << QStringList{black50} << "old";
        // No pixel to decode, so the caption changes before the clues fail.
        QTest::newRow("P1 height 0") << QByteArray("P1 3 0\n") << openError << 3 << 0 << none << "pic";
    }

    void failures()
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
        QCOMPARE(ArtOf(state.Solution, MaxSide, MaxSide), Padded(corner));
        QCOMPARE(QString::fromStdString(state.PuzzleName), name);
        QVERIFY(OldCluesIntact(state));
        QCOMPARE(state.PuzzleSolved, std::int16_t(0));
        QCOMPARE(int(state.PlayerGrid(49, 49)), 3);
        QVERIFY(!steps.calls.contains("LayoutBoard"));
    }

    void messages_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("critical");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        const QString path = QString::fromStdString(Path);
        struct Case {
            const char* name;
            QByteArray bytes;
            bool critical;
            QStringList titles;  // English, Dutch, Italian
            QStringList texts;
        };
        const Case cases[] = {
            {"invalid", "P5 1 1 1 1", true, {path, path, path},
             {"This is not a valid PBM- or PPM-file.", "Dit is geen geldig PBM- of PPM-bestand.",
              "File PBM o PPM non valido."}},
            {"too wide", "P3 51 60 1\n", true, {"Bitmap too wide", "Bitmap te breed", "Bitmap troppo larga"},
             {"The bitmap's width cannot be more than 50 pixels. This bitmap's width is 51 pixels.",
              "De bitmap mag niet breder zijn dan 50 pixels. Deze bitmap is 51 pixels breed.",
              QString::fromUtf8("La larghezza della bitmap non pu\u00f2 superare I 50 pixel. La larghezza di questa "
                                "bitmap \u00e8 di 51 pixels.")}},
            {"too high", "P1 3 60\n", true, {"Bitmap too high", "Bitmap te hoog", "Bitmap troppo alta"},
             {"The bitmap's height cannot be more than 50 pixels. This bitmap's height is 60 pixels.",
              "De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is 60 pixels hoog.",
              QString::fromUtf8("L\u2019altezza della bitmap non pu\u00f2 superare I 50 pixel. L\u2019altezza di "
                                "questa bitmap \u00e8 di 60 pixels.")}},
            {"colours", "P3 1 1 255 0 0 0", false,
             {"Bitmap too many colors", "Bitmap te veel kleuren", "Bitmap con troppi colori"},
             {"This bitmap contains more than 8 colors. The colors will be compressed. If you save the bitmap, only 8 "
              "colors will be saved.",
              "Deze bitmap bevat meer dan 8 kleuren. De kleuren zullen worden gecompresseerd. Als u de bitmap bewaart, "
              "zullen slechts 8 kleuren worden bewaard.",
              QString::fromUtf8("Questa bitmap contiene pi\u00f9 di 8 colori. I colori saranno compressi. Durante il "
                                "salvataggio della bitmap solo 8 colori saranno salvati.")}},
            {"open error", "P1 3", true, {path, path, path},
             {"An error has occured while opening this file.",
              "Er is een fout opgetreden bij het openen van dit bestand.", "Errore all'apertura del file."}},
        };
        for (const Case& c : cases)
            for (int language = 0; language < 3; ++language)
                QTest::addRow("%s, language %d", c.name, language)
                    << language << c.bytes << c.critical << c.titles[language] << c.texts[language];
        // A foreign language value picks empty texts; the path stays the title.
        QTest::newRow("open error, language 3") << 3 << QByteArray("P1 3") << true << path << "";
    }

    void messages()
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

    void callOrder_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("calls");

        const QByteArray pbm("P1 2 1 1 0");
        const QStringList found{"FindFile", "BeginLoad", "OpenFile"};
        // The file is closed before the caption changes and before the closing steps.
        const QStringList handOver{"CloseFile", "SetCaption pic - Vindro Grizzet", "AddRecent /p/pic.x"};
        const QStringList failed{"EndLoad", "ShowMessage open-error"};

        QTest::newRow("P1") << "" << pbm << found + QStringList{"SetChooserSwatches 3"} + handOver
                                                + QStringList{"LayoutBoard", "EndLoad"};
        QTest::newRow("P6 with the notice") << "" << (QByteArray("P6 1 1 255\n") + Bytes({0, 0, 0}))
                                            << found + QStringList{"ShowMessage colours", "SetChooserSwatches 9"}
                                                   + handOver + QStringList{"LayoutBoard", "EndLoad"};
        QTest::newRow("missing file") << "missing" << pbm << QStringList{"FindFile", "EndLoad"};
        QTest::newRow("empty path") << "empty path" << pbm << QStringList{"EndLoad"};
        QTest::newRow("lookup fails") << "find fails" << pbm << QStringList{"FindFile"} + failed;
        QTest::newRow("open fails") << "open fails" << pbm << found + failed;
        QTest::newRow("invalid file") << "" << QByteArray("P5")
                                      << found + QStringList{"ShowMessage invalid-file", "CloseFile", "EndLoad"};
        QTest::newRow("raster ends early") << "" << QByteArray("P1 2 1 1")
                                           << found + QStringList{"SetChooserSwatches 3", "CloseFile"} + failed;
        QTest::newRow("clues fail after the caption")
            << "" << QByteArray("P1 2 0 ") << found + QStringList{"SetChooserSwatches 3"} + handOver + failed;
        QTest::newRow("layout fails") << "layout fails" << pbm
                                      << found + QStringList{"SetChooserSwatches 3"} + handOver
                                             + QStringList{"LayoutBoard"} + failed;
    }

    void callOrder()
    {
        QFETCH(QString, setup);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, calls);

        PuzzleState state;
        MarkOldPuzzle(state);
        RecordingSteps steps(state);
        if (setup != "missing")
            steps.files[Path] = bytes.toStdString();
        steps.failFind = setup == "find fails";
        steps.failOpen = setup == "open fails";
        steps.failLayout = setup == "layout fails";

        const bool loaded = calls.contains("LayoutBoard") && !calls.contains("ShowMessage open-error");
        QCOMPARE(LoadPuzzle(state, setup == "empty path" ? std::string() : Path, steps), loaded);
        QCOMPARE(steps.calls, calls);
        // The clues are derived between AddRecent and LayoutBoard.
        if (steps.calls.contains("AddRecent /p/pic.x"))
            QCOMPARE(steps.maxRowCluesAtAddRecent, 77);
        if (steps.calls.contains("LayoutBoard"))
            QCOMPARE(steps.maxRowCluesAtLayout, 1);
        // Without a file found, nothing but the closing steps happens.
        if (!steps.calls.contains("BeginLoad"))
            QVERIFY(OldCluesIntact(state) && state.PuzzleName == "old" && state.PuzzleSolved == -1
                    && state.Solution(49, 49) == 5);
    }

    void names_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");

        QTest::newRow("several dots") << "/home/ann/my.cat.pbm" << "my.cat";
        QTest::newRow("no extension") << "/home/ann/cat" << "cat";
        QTest::newRow("dot in a folder only") << "/home/ann.b/cat" << "cat";
        QTest::newRow("backslash is part of the name") << "/tmp/a\\b.pbm" << "a\\b";
    }

    void names()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        const std::string file = path.toStdString();
        PuzzleState state;
        RecordingSteps steps(state);
        steps.files[file] = "P1 1 1 1";
        QVERIFY(LoadPuzzle(state, file, steps));
        QCOMPARE(QString::fromStdString(state.PuzzleName), name);
        QVERIFY(steps.calls.contains("SetCaption " + name + " - Vindro Grizzet"));
    }

    // A recent item passes its own entry, which AddRecent rewrites before the
    // clues fail; the message must still name the file.
    void pathOutlivesRecentList()
    {
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
};

QTEST_APPLESS_MAIN(TestLoadPuzzle)
#include "tst_loadpuzzle.moc"
