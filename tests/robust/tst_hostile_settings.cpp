// Settings files beside the program that are damaged, are no files, or
// cannot be written: the game starts, plays and closes, and never leaves a
// settings file half written.
#include "robust/robust_helpers.h"

#include "platform/Files.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace grizzet;
using namespace grizzet::robust;

namespace {

// While it lives, no file of this process can grow beyond the limit: a
// write past it fails (the signal it would raise is ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
    bool ok_ = false;
};

}  // namespace

class tst_HostileSettings : public QObject {
    Q_OBJECT
private slots:
    void damagedRecentList_data()
    {
        // "recent.ini" as raw bytes, or as entries in which "$" stands for the
        // program folder.
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QList<QByteArray>>("entries");
        for (quint32 seed = 1; seed <= 4; ++seed)
            QTest::addRow("random %u", seed) << RandomBytes(seed, int(seed * 300)) << QList<QByteArray>();
        QTest::newRow("random, lengths past the end")
            << QByteArray("\xff") + RandomBytes(5, 100) << QList<QByteArray>();
        QTest::newRow("a FIFO's path") << QByteArray() << QList<QByteArray>({"$fifo.pbm", "$good.pbm"});
        QTest::newRow("a device's path") << QByteArray() << QList<QByteArray>({"/dev/zero", "$good.pbm"});
        QTest::newRow("a link to a FIFO") << QByteArray() << QList<QByteArray>({"$fifolink.pbm", "$good.pbm"});
        QTest::newRow("a symlink loop") << QByteArray() << QList<QByteArray>({"$loop.pbm", "$good.pbm"});
        QTest::newRow("a path through a file") << QByteArray() << QList<QByteArray>({"$good.pbm/x.pbm", "$good.pbm"});
        QTest::newRow("a folder's path") << QByteArray() << QList<QByteArray>({"$", "$good.pbm"});
        QTest::newRow("a NUL inside a path")
            << QByteArray() << QList<QByteArray>({QByteArray("$good.pbm\0x", 11), "$good.pbm"});
    }

    // Only entries naming an ordinary file survive start-up; the game plays

    // and the list it writes back is clean.

    void damagedRecentList()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QList<QByteArray>, entries);

        Game game;
        const QByteArray folder = QFile::encodeName(game.Folder());
        const std::string good = game.Picture("good.pbm");
        QCOMPARE(::mkfifo(game.Local("fifo.pbm").c_str(), 0600), 0);
        QVERIFY(QFile::link(game.FileIn("fifo.pbm"), game.FileIn("fifolink.pbm")));
        QVERIFY(QFile::link(game.FileIn("loop.pbm"), game.FileIn("loop.pbm")));
        QByteArray bytes = raw;
        for (QByteArray entry : entries)
            bytes += RecentIniOf({entry.replace("$", folder)});
        WriteBytes(game.FileIn("recent.ini"), bytes);

        Form1& form = game.Start();
        const QStringList captions = RecentCaptions(form);
        QVERIFY(captions.size() <= 1);
        QCOMPARE(captions.isEmpty(), !bytes.contains("good.pbm"));
        QVERIFY(game.messages.empty());

        form.LoadPuzzle(game.Picture("cat.pbm"));
        QVERIFY(game.Playable());
        game.Close();
        const QByteArray cat = folder + "cat.pbm";
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")),
                 captions.isEmpty() ? RecentIniOf({cat, {}, {}, {}, {}})
                                    : RecentIniOf({cat, QByteArray::fromStdString(good), {}, {}, {}}));
        QCOMPARE(KindOf(game.FileIn("fifo.pbm")), QStringLiteral("fifo"));
        QVERIFY(game.messages.empty());
    }

    void settingsNamesNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");   // what is made at the name
        QTest::newRow("lang.ini a FIFO") << "lang.ini" << "fifo";
        QTest::newRow("recent.ini a FIFO") << "recent.ini" << "fifo";
        QTest::newRow("lang.ini a link to a FIFO") << "lang.ini" << "link to fifo";
        QTest::newRow("recent.ini a link to a FIFO") << "recent.ini" << "link to fifo";
        QTest::newRow("recent.ini a link to a folder") << "recent.ini" << "link to folder";
        QTest::newRow("lang.ini a symlink loop") << "lang.ini" << "loop";
        QTest::newRow("recent.ini a symlink loop") << "recent.ini" << "loop";
        QTest::newRow("lang.ini a dangling link") << "lang.ini" << "dangling";
        QTest::newRow("recent.ini a dangling link") << "recent.ini" << "dangling";
        QTest::newRow("mouse1.dat a FIFO") << "mouse1.dat" << "fifo";
        QTest::newRow("hamworst.dat a FIFO") << "hamworst.dat" << "fifo";
        QTest::newRow("hamworst.dat a link to a device") << "hamworst.dat" << "link to device";
    }

    // A settings name taken by something that is not an ordinary file: the game

    // neither waits on it nor writes through it, and leaves it as it found it.

    void settingsNamesNoFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);

        Game game;
        QVERIFY(QDir(game.Folder()).mkdir("elsewhere"));
        const std::string at = game.Local(name);
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(at.c_str(), 0600), 0);
        } else if (kind == "link to fifo") {
            QCOMPARE(::mkfifo(game.Local("elsewhere/fifo").c_str(), 0600), 0);
            QVERIFY(QFile::link(game.FileIn("elsewhere/fifo"), game.FileIn(name)));
        } else if (kind == "link to folder") {
            QVERIFY(QFile::link(game.FileIn("elsewhere"), game.FileIn(name)));
        } else if (kind == "loop") {
            QVERIFY(QFile::link(game.FileIn(name), game.FileIn(name)));
        } else if (kind == "dangling") {
            QVERIFY(QFile::link(game.FileIn("elsewhere/target"), game.FileIn(name)));
        } else if (kind == "link to device") {
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), game.FileIn(name)));
        }
        const QStringList before = NamesIn(game.Folder() + "elsewhere");

        Form1& form = game.Start();
        QCOMPARE(game.state.Language, std::uint8_t(0));
        form.LoadPuzzle(game.Picture("heart.pbm"));
        QVERIFY(game.Playable(1, 1));
        QCOMPARE(RecentCaptions(form), QStringList({"&1 heart"}));
        form.MMnederlands->trigger();
        game.Close();

        QCOMPARE(KindOf(game.FileIn(name)), kind == "fifo" ? QStringLiteral("fifo") : QStringLiteral("link"));
        QCOMPARE(NamesIn(game.Folder() + "elsewhere"), before);
        if (kind == "link to fifo")
            QCOMPARE(KindOf(game.FileIn("elsewhere/fifo")), QStringLiteral("fifo"));
        if (name != "lang.ini")
            QCOMPARE(ReadBytes(game.FileIn("lang.ini")), QByteArray(1, '\1'));
        // No temporary file was left behind.
        for (const QString& entry : NamesIn(game.Folder()))
            QVERIFY2(!entry.contains(QLatin1Char('.')) || entry.count(QLatin1Char('.')) == 1, qPrintable(entry));
        QVERIFY(game.messages.empty());
    }

    // A write that fails part-way leaves the old file whole: a file-size limit

    // makes every write past its first byte fail, as a full disk would, and it

    // binds root as much as anyone.

    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("recent.ini");
        const QByteArray old = RecentIniOf({"/a/b.pbm", "/c/d.pbm", {}, {}, {}});
        WriteBytes(name, old);
        const std::string path = QFile::encodeName(name).toStdString();
        {
            FileSizeLimit limit(1);
            QVERIFY(limit.ok());
            // The limit bites: a file written in place would be cut to one byte.
            QFile probe(dir.filePath("probe"));
            QVERIFY(probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            QVERIFY(probe.write("ab", 2) != 2);
            probe.close();
            QVERIFY(probe.remove());

            QVERIFY(!ReplaceFile(path, std::string(old.size() + 10, 'z')));
            QVERIFY(!ReplaceFile(path, "zz"));
        }
        QCOMPARE(ReadBytes(name), old);
        QCOMPARE(NamesIn(dir.path()), QStringList({"recent.ini"}));
        QVERIFY(ReplaceFile(path, "zz"));
        QCOMPARE(ReadBytes(name), QByteArray("zz"));
    }

    // A whole game in a folder where nothing can be written: it starts, plays,

    // keeps its list in memory, closes, and both settings files are as before.

    void failedWritesInPlay()
    {
        Game game;
        const std::string older = game.Picture("older.pbm");
        const QByteArray recent = RecentIniOf({QByteArray::fromStdString(older), "/gone/x.pbm", {}, {}, {}});
        WriteBytes(game.FileIn("recent.ini"), recent);
        WriteBytes(game.FileIn("lang.ini"), QByteArray("\2and more"));
        const std::string heart = game.Picture("heart.pbm");
        const QStringList names = NamesIn(game.Folder());
        {
            FileSizeLimit limit(1);
            QVERIFY(limit.ok());
            Form1& form = game.Start();
            QCOMPARE(game.state.Language, std::uint8_t(2));
            form.LoadPuzzle(heart);
            QVERIFY(game.Playable(2, 0));
            QCOMPARE(RecentCaptions(form), QStringList({"&1 heart", "&2 older"}));
            form.MMenglish->trigger();
            game.Close();
        }
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")), recent);
        QCOMPARE(ReadBytes(game.FileIn("lang.ini")), QByteArray("\2and more"));
        QCOMPARE(NamesIn(game.Folder()), names);
        QVERIFY(game.messages.empty());
    }
};

QTEST_MAIN(tst_HostileSettings)
#include "tst_hostile_settings.moc"
