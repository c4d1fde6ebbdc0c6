// Hostile paths and settings files, and one whole game small enough for a
// memory checker (scripts/memcheck.sh runs wholeGame under valgrind).
#include "support/Game.h"

#include <QCheckBox>
#include <QDir>
#include <QScopeGuard>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace grizzet;
using namespace grizzet::test;

// Runs the action when a load first turns Reset off: after the lookup, before the file is opened.
struct BeforeTheRead : QObject {
    std::function<void()> action;
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::EnabledChange && action && (std::exchange(action, nullptr)(), false);
    }
};

class tst_Robust : public QObject {
    Q_OBJECT
private slots:
    // Something other than a picture file opened through File > Open, or in
    // place of a settings file: silence or the game's own message, the game
    // plays on, and what it cannot use is left as it was, with no
    // half-written file beside it.
    void hostile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray padded = "P3 1 1 1" + ("\n#" + QByteArray(8190, 'x')).repeated(2048) + "\n1 0 0";
        QTest::newRow("FIFO") << "x.pbm" << "fifo" << QByteArray();
        QTest::newRow("link to a device") << "x.pbm" << "/dev/zero" << QByteArray();
        QTest::newRow("unreadable") << "x.pbm" << "/proc/self/mem" << QByteArray();
        QTest::newRow("folder") << "x.pbm" << "folder" << QByteArray();
        QTest::newRow("through a file") << "x.pbm" << "enotdir" << Heart;
        QTest::newRow("a FIFO after the lookup") << "x.pbm" << "swapped" << Heart;
        QTest::newRow("16 MB of comments") << "x.pbm" << "file" << padded;
        QTest::newRow("recent.ini past its end") << "recent.ini" << "garbage" << QByteArray("\2ab\xff" "cd");
        QTest::newRow("lang.ini a symlink loop") << "lang.ini" << "loop" << QByteArray();
        QTest::newRow("lang.ini a folder") << "lang.ini" << "folder" << QByteArray();
        QTest::newRow("recent.ini a FIFO") << "recent.ini" << "fifo" << QByteArray();
        QTest::newRow("mouse1.dat a FIFO") << "mouse1.dat" << "fifo" << QByteArray();
        QTest::newRow("hamworst.dat a link to a device") << "hamworst.dat" << "/dev/zero" << QByteArray();
        QTest::newRow("recent.ini on a full disk") << "recent.ini" << "full disk" << RecentIniOf({"/gone/x.pbm"});
    }
    void hostile()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        Game game;
        const QString at = game.FileIn(name);
        const auto fifo = [&] { return ::mkfifo(QFile::encodeName(at).constData(), 0600) == 0; };
        QVERIFY(kind == "fifo" ? fifo()
                : kind == "folder" ? QDir().mkdir(at)
                : kind == "loop" || kind.startsWith('/') ? QFile::link(kind == "loop" ? at : kind, at)
                : !game.Write(name, bytes).empty());
        const std::string heart = game.Write("heart.pbm", Heart);
        const auto snapshot = [&] {   // what lies at the name, links not followed
            const QFileInfo info(at);
            return info.symLinkTarget().toUtf8() + char('0' + info.isDir() + 2 * info.exists())
                   + (info.isSymLink() || !info.isFile() ? QByteArray() : ReadBytes(at));
        };
        const QByteArray before = snapshot();
        rlimit limit{};   // on a full disk no file may grow past one byte
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const auto restore = qScopeGuard([limit] { ::setrlimit(RLIMIT_FSIZE, &limit); });
        const rlimit full{kind == "full disk" ? 1 : limit.rlim_cur, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &full);

        auto [form, ui] = game.Start();
        QCOMPARE(int(game.state.Language), 0);   // whatever lies at "lang.ini"
        form.LoadPuzzle(heart);
        QVERIFY(game.Playable());
        BeforeTheRead swap;
        swap.action = [&] { QVERIFY(QFile::remove(at) && fifo()); };
        if (kind == "swapped")
            ui.cmdClear->installEventFilter(&swap);
        OpenDialogHook = [&](const OpenDialogCall&) { return at + (kind == "enotdir" ? "/y.pbm" : ""); };
        if (name == "x.pbm")
            ui.MMopen->trigger();
        const bool loads = bytes.startsWith("P3"), refused = kind == "swapped" || kind.endsWith("mem");
        QCOMPARE(int(game.state.PlayerGrid(0, 0)), loads ? 0 : 1);   // the cell painted before stays
        QCOMPARE(game.boxes.size() == 1 && game.boxes[0].text.startsWith("An error has occured while"), refused);
        form.LoadPuzzle(refused ? heart : std::string());   // a refusal took the board away
        QVERIFY(game.Playable());
        QCOMPARE(game.RecentCaptions().join('|'), loads ? "&1 x|&2 heart" : "&1 heart");
        ui.MMnederlands->trigger();
        form.close();

        QCOMPARE(snapshot() == before, kind != "garbage" && kind != "swapped");
        for (const QString file : {"lang.ini", "recent.ini"})
            if ((file != name || kind == "garbage") && !loads)
                QCOMPARE(ReadBytes(game.FileIn(file)),
                         file == "lang.ini" ? QByteArray(1, 1) : RecentIniOf({heart.c_str(), {}, {}, {}, {}}));
        QVERIFY(QDir(game.Folder()).entryList({"*.*.*", "*~", "*.tmp"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // One whole game as a player goes through it. What each step shows is
    // for the board, play and solution stories to check; this one goes
    // through them all in one run, for the memory checker.
    void wholeGame()
    {
        Game game;
        auto [form, ui] = game.Start();
        game.LoadFile("heart.pbm", Heart);
        game.ClickCell(1, 0);   // white in the picture: an error
        QVERIFY(game.Playable());
        QTest::mouseClick(ui.cmdErrors, Qt::LeftButton);
        game.OpenSolution();
        QTest::mouseClick(game.Solution().chkFouten, Qt::LeftButton);
        QTest::mouseClick(game.Solution().cmdOK, Qt::LeftButton);
        const float half = game.state.CellSize / 2;   // the last clue of row 0 is left of cell (0, 0)
        QTest::mouseClick(ui.Picture1, Qt::LeftButton, {}, PixelOf(game.FieldLeft() - half, game.FieldTop() + half));
        QTest::mouseClick(ui.cmdClear, Qt::LeftButton);
        ui.MMitaliano->trigger();
        QVERIFY(game.Playable());
        form.close();
        QCOMPARE(ReadBytes(game.FileIn("lang.ini")) + QByteArray::number(game.boxes.size()), "\2" "0");
    }
};

QTEST_MAIN(tst_Robust)
#include "tst_robust.moc"
