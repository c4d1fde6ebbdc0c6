// Paths a player can hand the game that are no picture file, or stop being
// one while it reads: each ends silently or in the open-error message, the
// game stays whole and a good picture plays afterwards.
#include "robust/robust_helpers.h"

#include "solution/Form2.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace grizzet;
using namespace grizzet::robust;

namespace {

const QString OpenError = QStringLiteral("An error has occured while opening this file.");
const QString InvalidFile = QStringLiteral("This is not a valid PBM- or PPM-file.");

// Runs the action once, at the moment a load disables Reset: after the
// lookup found the file and before the file is opened.
class BetweenLookupAndRead : public QObject {
public:
    BetweenLookupAndRead(QWidget* reset, std::function<void()> action) : action_(std::move(action))
    {
        reset->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange && !static_cast<QWidget*>(watched)->isEnabled() && action_) {
            action_();
            action_ = nullptr;
        }
        return false;
    }

private:
    std::function<void()> action_;
};

// The peak resident memory of this process so far, in kB.
long PeakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace

class tst_HostilePaths : public QObject {
    Q_OBJECT
private slots:
    void notAFile_data()
    {
        // What the name in the program folder is made into; the path handed to
        // the load may go on below it.
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("path");
        QTest::newRow("FIFO") << "fifo" << "x.pbm";
        QTest::newRow("device") << "none" << "/dev/zero";
        QTest::newRow("folder") << "folder" << "x.pbm";
        QTest::newRow("link to a FIFO") << "link to fifo" << "x.pbm";
        QTest::newRow("link to a device") << "link to device" << "x.pbm";
        QTest::newRow("symlink loop") << "loop" << "x.pbm";
        QTest::newRow("path through a file") << "file" << "x.pbm/y.pbm";
        QTest::newRow("path through a FIFO") << "fifo" << "x.pbm/y.pbm";
    }

    // The lookup finds no file: nothing is read, nothing said, and the puzzle

    // on the board stays as it was, painted cells included.

    void notAFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, path);

        Game game;
        const std::string target = game.Local("x.pbm");
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(target.c_str(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir(game.Folder()).mkdir("x.pbm"));
        } else if (kind == "file") {
            game.Picture("x.pbm");
        } else if (kind == "link to fifo") {
            QCOMPARE(::mkfifo(game.Local("fifo").c_str(), 0600), 0);
            QVERIFY(QFile::link(game.FileIn("fifo"), game.FileIn("x.pbm")));
        } else if (kind == "link to device") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), game.FileIn("x.pbm")));
        } else if (kind == "loop") {
            QVERIFY(QFile::link(game.FileIn("y.pbm"), game.FileIn("x.pbm")));
            QVERIFY(QFile::link(game.FileIn("x.pbm"), game.FileIn("y.pbm")));
        }
        const std::string hostile = path.startsWith('/') ? path.toStdString() : game.Local(path);

        Form1& form = game.Start();
        const std::string heart = game.Picture("heart.pbm");
        form.LoadPuzzle(heart);
        QVERIFY(game.Playable(2, 1));
        const auto before = game.state.PlayerGrid;
        const QByteArray recent = ReadBytes(game.FileIn("recent.ini"));

        form.LoadPuzzle(hostile);
        OpenDialogHook = [&](const OpenDialogCall&) { return QFile::decodeName(QByteArray::fromStdString(hostile)); };
        form.MMopen->trigger();

        QVERIFY(game.messages.empty());
        QCOMPARE(form.windowTitle(), QStringLiteral("heart - Vindro Grizzet"));
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")), recent);
        QVERIFY(game.state.PlayerGrid.cells == before.cells);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(game.Playable(0, 0));
        QVERIFY(kind == "none" || KindOf(game.FileIn("x.pbm")) != "none");
    }

    void goneBeforeTheRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("text");
        QTest::newRow("removed") << "remove" << OpenError;
        QTest::newRow("replaced by a FIFO") << "fifo" << OpenError;
        QTest::newRow("replaced by a folder") << "folder" << OpenError;
        QTest::newRow("replaced by a link to a device") << "device" << OpenError;
        QTest::newRow("emptied") << "empty" << InvalidFile;
    }

    // The file found by the lookup is no longer a picture file when it is

    // opened: the open-error message (or the invalid-file one for an empty

    // file), the board gone, and the next good picture plays.

    void goneBeforeTheRead()
    {
        QFETCH(QString, change);
        QFETCH(QString, text);

        Game game;
        Form1& form = game.Start();
        form.LoadPuzzle(game.Picture("heart.pbm"));
        QVERIFY(game.Playable());
        const QByteArray recent = ReadBytes(game.FileIn("recent.ini"));
        const std::string path = game.Picture("bird.pbm");
        const QString name = game.FileIn("bird.pbm");

        BetweenLookupAndRead hook(form.cmdClear, [&] {
            if (change != "empty")
                QVERIFY(QFile::remove(name));
            if (change == "fifo")
                QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
            else if (change == "folder")
                QVERIFY(QDir(game.Folder()).mkdir("bird.pbm"));
            else if (change == "device")
                QVERIFY(QFile::link(QStringLiteral("/dev/zero"), name));
            else if (change == "empty")
                WriteBytes(name, {});
        });
        form.LoadPuzzle(path);

        QCOMPARE(game.messages.size(), std::size_t(1));
        QCOMPARE(game.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(game.messages[0].title, name);
        QCOMPARE(game.messages[0].text, text);
        QCOMPARE(form.windowTitle(), QStringLiteral("heart - Vindro Grizzet"));
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")), recent);
        QVERIFY(!form.Picture1->isVisible());
        QVERIFY(!form.cmdClear->isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        form.LoadPuzzle(game.Picture("cat.pbm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("cat - Vindro Grizzet"));
        QVERIFY(game.Playable(1, 1));
    }

    // A file cut short while the game reads it, beyond what it has read ahead.

    void cutDuringTheRead()
    {
        Game game;
        Form1& form = game.Start();
        form.LoadPuzzle(game.Picture("heart.pbm"));
        QVERIFY(game.Playable());

        // The colours notice comes between the header and the raster, which a
        // long comment pushes far beyond any read-ahead.
        QByteArray bytes = "P3 2 1 255\n#" + QByteArray(1 << 20, 'x') + "\n255 0 0  0 0 255\n";
        const std::string path = game.Picture("tulip.ppm", bytes);
        const QString name = game.FileIn("tulip.ppm");
        bool cut = false;
        MsgBoxHook = [&](const MsgBoxCall& call) {
            game.messages.push_back(call);
            if (call.icon == MsgIcon::Information && !cut)
                cut = QFile::resize(name, 200'000);
        };
        form.LoadPuzzle(path);

        QVERIFY(cut);
        QCOMPARE(game.messages.size(), std::size_t(2));
        QCOMPARE(game.messages[0].icon, MsgIcon::Information);
        QCOMPARE(game.messages[1].icon, MsgIcon::Critical);
        QCOMPARE(game.messages[1].title, name);
        QCOMPARE(game.messages[1].text, OpenError);
        QCOMPARE(form.windowTitle(), QStringLiteral("heart - Vindro Grizzet"));

        WriteBytes(name, bytes);
        form.LoadPuzzle(path);
        QCOMPARE(form.windowTitle(), QStringLiteral("tulip - Vindro Grizzet"));
        QVERIFY(game.Playable(1, 0));
    }

    // A 50 by 50 P3 picture of over 20 MB, mostly comments, is read through a

    // small window: it takes no more peak memory than the same picture without

    // the comments (whatever the drawing takes, as under a sanitizer's

    // allocator, counts for both).

    void commentsInBoundedMemory()
    {
        Game game;
        Form1& form = game.Start();
        const QByteArray comment = " #" + QByteArray(8200, 'x') + "\n";
        QByteArray square = "P3 50 50 1\n";
        for (int i = 0; i < 2500; ++i)
            square += i % 2 ? "0 1 0 " : "1 0 1 ";
        const std::string plain = game.Picture("square.ppm", square);
        // A first load brings in whatever drawing a board of this size takes.
        form.LoadPuzzle(plain);
        QVERIFY(game.Playable(49, 49));

        const QString name = game.FileIn("padded.ppm");
        {
            // Written in pieces, so that the test itself never holds the file.
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("P3 50" + comment + " 50" + comment + " 1" + comment);
            for (int i = 0; i < 2500; ++i)
                QVERIFY(file.write((i % 2 ? "0 1 0" : "1 0 1") + comment) > 0);
            QVERIFY(file.size() > 20'000'000);
        }
        const long start = PeakResidentKb();
        QVERIFY(start > 0);
        form.LoadPuzzle(plain);
        const long afterPlain = PeakResidentKb();
        form.LoadPuzzle(QFile::encodeName(name).toStdString());
        const long afterPadded = PeakResidentKb();
        const long plainGrowth = afterPlain - start;
        const long paddedGrowth = afterPadded - afterPlain;
        qInfo("peak memory: %ld kB more for the padded picture, %ld kB for the plain one", paddedGrowth, plainGrowth);

        QVERIFY(game.messages.empty());
        QCOMPARE(form.windowTitle(), QStringLiteral("padded - Vindro Grizzet"));
        QCOMPARE(int(game.state.Solution(0, 0)), int(Magenta));
        QCOMPARE(int(game.state.Solution(49, 49)), int(Green));
        QVERIFY2(paddedGrowth < plainGrowth + 10 * 1024,
                 qPrintable(QStringLiteral("peak memory grew by %1 kB, against %2 kB without the comments")
                                .arg(paddedGrowth)
                                .arg(plainGrowth)));
        QVERIFY(game.Playable(49, 0));
    }

    void randomBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (quint32 seed = 1; seed <= 6; ++seed)
            QTest::addRow("random %u", seed) << RandomBytes(seed, int(seed * seed * 997));
        QTest::newRow("P6 header, random raster") << "P6 50 50 255\n" + RandomBytes(7, 7500);
        QTest::newRow("P6 header, short random raster") << "P6 50 50 255\n" + RandomBytes(8, 3000);
        QTest::newRow("P4 header, random raster") << "P4 50 50\n" + RandomBytes(9, 400);
        QTest::newRow("P3, then random") << "P3" + RandomBytes(10, 20000);
        QTest::newRow("P1, then random") << "P1" + RandomBytes(11, 20000);
        QTest::newRow("P1, random digits") << [] {
            QByteArray digits = "P1 ";
            for (char byte : RandomBytes(12, 20000))
                digits += static_cast<char>('0' + static_cast<unsigned char>(byte) % 11);
            return digits;
        }();
    }

    // Whatever the bytes, one outcome: a picture that plays, or one critical

    // message with the board gone; either way the next picture plays.

    void randomBytes()
    {
        QFETCH(QByteArray, bytes);

        Game game;
        Form1& form = game.Start();
        form.LoadPuzzle(game.Picture("heart.pbm"));
        const std::string path = game.Picture("noise.ppm", bytes);
        form.LoadPuzzle(path);

        std::vector<MsgBoxCall> critical;
        for (const MsgBoxCall& call : game.messages)
            if (call.icon == MsgIcon::Critical)
                critical.push_back(call);
        QVERIFY(critical.size() <= 1);
        if (critical.empty()) {
            QCOMPARE(form.windowTitle(), QStringLiteral("noise - Vindro Grizzet"));
            QVERIFY(game.Playable(game.state.PuzzleWidth - 1, game.state.PuzzleHeight - 1));
        } else {
            QCOMPARE(form.windowTitle(), QStringLiteral("heart - Vindro Grizzet"));
            QVERIFY(!form.Picture1->isVisible());
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        form.LoadPuzzle(game.Picture("cat.pbm"));
        QVERIFY(game.Playable(2, 1));
    }
};

QTEST_MAIN(tst_HostilePaths)
#include "tst_hostile_paths.moc"
