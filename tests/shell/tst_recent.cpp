// The recent-files list: the menu items and "recent.ini".
#include "shell/shell_helpers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

QByteArray Bytes(const std::string& path) { return QByteArray::fromStdString(path); }

}  // namespace

class tst_Recent : public QObject {
    Q_OBJECT
private slots:
    void sixFilesOpened();
    void reopenFromTheList_data();
    void reopenFromTheList();
    void storedList_data();
    void storedList();
    void displayName_data();
    void displayName();
    void failedLoadKeepsList();
    void vanishedBeforeClick();
    void longPath_data();
    void longPath();
};

void tst_Recent::sixFilesOpened()
{
    Game game;
    std::vector<std::string> paths;
    for (int i = 1; i <= 6; ++i)
        paths.push_back(game.Picture(QStringLiteral("p%1.pbm").arg(i)));
    Form1& form = game.Start();

    for (const std::string& path : paths)
        form.LoadPuzzle(path);

    QCOMPARE(RecentCaptions(form), QStringList({"&1 p6", "&2 p5", "&3 p4", "&4 p3", "&5 p2"}));
    QVERIFY(form.MMlijn2->isVisible());
    QCOMPARE(ReadBytes(game.FileIn("recent.ini")),
             RecentIniOf({Bytes(paths[5]), Bytes(paths[4]), Bytes(paths[3]), Bytes(paths[2]), Bytes(paths[1])}));

    // Kept between runs.
    game.Close();
    PuzzleState again;
    Form1 next(again, QFile::encodeName(game.Folder()).toStdString());
    QCOMPARE(RecentCaptions(next), QStringList({"&1 p6", "&2 p5", "&3 p4", "&4 p3", "&5 p2"}));
}

void tst_Recent::reopenFromTheList_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("item 1") << 0 << QStringList({"&1 e", "&2 d", "&3 c", "&4 b", "&5 a"});
    QTest::newRow("item 3") << 2 << QStringList({"&1 c", "&2 e", "&3 d", "&4 b", "&5 a"});
    QTest::newRow("item 5") << 4 << QStringList({"&1 a", "&2 e", "&3 d", "&4 c", "&5 b"});
}

void tst_Recent::reopenFromTheList()
{
    QFETCH(int, item);
    QFETCH(QStringList, after);

    Game game;
    Form1& form = game.Start();
    for (const char* name : {"a", "b", "c", "d", "e"})
        form.LoadPuzzle(game.Picture(QString::fromLatin1(name) + ".pbm"));

    form.MMrecent[item]->trigger();
    QCOMPARE(RecentCaptions(form), after);
    QCOMPARE(form.windowTitle(), after[0].mid(3) + " - Vindro Grizzet");
    QCOMPARE(ReadBytes(game.FileIn("recent.ini")).count('\0'), 0);
    QVERIFY(game.messages.empty());
}

void tst_Recent::storedList_data()
{
    // Names in the program folder; "" is a free place. Fewer than five
    // entries, or cut bytes, make a file that ends early.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("cut");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("empty file") << QStringList() << 0 << QByteArray() << QStringList();
    QTest::newRow("case-insensitive duplicates")
        << QStringList({"Heart.pbm", "b.pbm", "HEART.PBM", "heart.pbm", "b.pbm"}) << 0 << QByteArray()
        << QStringList({"Heart.pbm", "b.pbm"});
    QTest::newRow("vanished files close up")
        << QStringList({"gone.pbm", "a.pbm", "gone2.pbm", "b.pbm", ""}) << 0 << QByteArray()
        << QStringList({"a.pbm", "b.pbm"});
    QTest::newRow("free places close up") << QStringList({"", "", "b.pbm", "", "a.pbm"}) << 0 << QByteArray()
                                          << QStringList({"b.pbm", "a.pbm"});
    QTest::newRow("a folder is no file") << QStringList({"sub", "a.pbm", "", "", ""}) << 0 << QByteArray()
                                         << QStringList({"a.pbm"});
    QTest::newRow("ends after the second entry") << QStringList({"a.pbm", "b.pbm"}) << 0 << QByteArray()
                                                 << QStringList({"a.pbm", "b.pbm"});
    QTest::newRow("ends inside an entry") << QStringList({"a.pbm", "b.pbm"}) << 2 << QByteArray()
                                          << QStringList({"a.pbm"});
    QTest::newRow("a length byte only") << QStringList() << 0 << QByteArray(1, '\x10') << QStringList();
    QTest::newRow("bytes after the fifth entry") << QStringList({"a.pbm", "", "", "", ""}) << 0
                                                 << QByteArray("b.pbm") << QStringList({"a.pbm"});
}

void tst_Recent::storedList()
{
    QFETCH(QStringList, stored);
    QFETCH(int, cut);
    QFETCH(QByteArray, tail);
    QFETCH(QStringList, kept);

    Game game;
    for (const char* name : {"Heart.pbm", "HEART.PBM", "heart.pbm", "a.pbm", "b.pbm"})
        game.Picture(QString::fromLatin1(name));
    QVERIFY(QDir(game.Folder()).mkdir("sub"));
    auto pathsOf = [&](const QStringList& names) {
        std::vector<QByteArray> paths;
        for (const QString& name : names)
            paths.push_back(name.isEmpty() ? QByteArray() : QFile::encodeName(game.FileIn(name)));
        return paths;
    };
    WriteBytes(game.FileIn("recent.ini"), RecentIniOf(pathsOf(stored)).chopped(cut) + tail);

    Form1& form = game.Start();
    QStringList captions;
    for (int i = 0; i < kept.size(); ++i)
        captions << QStringLiteral("&%1 %2").arg(i + 1).arg(kept[i].chopped(4));
    QCOMPARE(RecentCaptions(form), captions);
    QCOMPARE(form.MMlijn2->isVisible(), !kept.isEmpty());
    while (kept.size() < RecentCount)
        kept << QString();
    QCOMPARE(ReadBytes(game.FileIn("recent.ini")), RecentIniOf(pathsOf(kept)));
}

void tst_Recent::displayName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("one dot") << "heart.pbm" << "&1 heart";
    QTest::newRow("several dots") << "x.y.pbm" << "&1 x.y";
    QTest::newRow("no dot") << "cat" << "&1 cat";
    QTest::newRow("only a leading dot") << ".pbm" << "&1 ";
    QTest::newRow("trailing dot") << "cat." << "&1 cat";
    QTest::newRow("spaces and accents") << "zeeën en meer.ppm" << "&1 zeeën en meer";
}

void tst_Recent::displayName()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    Game game;
    QVERIFY(QDir(game.Folder()).mkpath("in.a.folder"));
    Form1& form = game.Start();
    form.LoadPuzzle(game.Picture("in.a.folder/" + name));
    QCOMPARE(RecentCaptions(form), QStringList({caption}));
    QVERIFY(form.MMlijn2->isVisible());
}

void tst_Recent::failedLoadKeepsList()
{
    Game game;
    Form1& form = game.Start();
    form.LoadPuzzle(game.Picture("good.pbm"));
    const std::string bad = game.Picture("bad.pbm", "P5 1 1 255 x");
    form.LoadPuzzle(bad);

    QCOMPARE(RecentCaptions(form), QStringList({"&1 good"}));
    QCOMPARE(form.windowTitle(), QStringLiteral("good - Vindro Grizzet"));
    QCOMPARE(game.messages.size(), std::size_t(1));
    QCOMPARE(game.messages[0].title, QString::fromStdString(bad));
}

// A file deleted after the list was built: its item reads nothing and says nothing.
void tst_Recent::vanishedBeforeClick()
{
    Game game;
    Form1& form = game.Start();
    const std::string gone = game.Picture("gone.pbm");
    form.LoadPuzzle(game.Picture("stays.pbm"));
    form.LoadPuzzle(gone);
    QVERIFY(QFile::remove(QString::fromStdString(gone)));

    game.state.ButtonColour = {5, 6};
    form.MMrecent[0]->trigger();
    QVERIFY(game.messages.empty());
    QCOMPARE(form.windowTitle(), QStringLiteral("gone - Vindro Grizzet"));
    QCOMPARE(RecentCaptions(form), QStringList({"&1 gone", "&2 stays"}));

    // The next successful open drops it.
    form.MMrecent[1]->trigger();
    QCOMPARE(RecentCaptions(form), QStringList({"&1 stays"}));
}

void tst_Recent::longPath_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("listed");
    QTest::newRow("255 bytes") << 255 << true;
    QTest::newRow("256 bytes") << 256 << false;
    QTest::newRow("300 bytes") << 300 << false;
}

// The length byte of "recent.ini" holds up to 255: a longer path is opened
// but stays out of the list, which loses nothing by it.
void tst_Recent::longPath()
{
    QFETCH(int, length);
    QFETCH(bool, listed);

    Game game;
    Form1& form = game.Start();
    std::vector<std::string> older;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        older.push_back(game.Picture(QString::fromLatin1(name) + ".pbm"));
        form.LoadPuzzle(older.back());
    }

    // Folders of at most 100 bytes each, then a file name filling up to the length.
    QString path = game.Folder();
    while (path.size() + 110 < length) {
        path += QString(100, QLatin1Char('d')) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(path));
    }
    const int nameLength = length - static_cast<int>(path.size()) - 4;
    QVERIFY(nameLength > 0);
    path += QString(nameLength, QLatin1Char('n')) + ".pbm";
    QCOMPARE(QFile::encodeName(path).size(), length);
    const std::string picture = game.Picture(path.mid(game.Folder().size()));

    form.LoadPuzzle(picture);
    QVERIFY(game.messages.empty());
    QCOMPARE(form.windowTitle(), QString(nameLength, QLatin1Char('n')) + " - Vindro Grizzet");
    const QByteArray ini = ReadBytes(game.FileIn("recent.ini"));
    if (listed) {
        QCOMPARE(RecentCaptions(form)[0], "&1 " + QString(nameLength, QLatin1Char('n')));
        QCOMPARE(RecentCaptions(form)[4], QStringLiteral("&5 b"));
        QCOMPARE(ini, RecentIniOf({Bytes(picture), Bytes(older[4]), Bytes(older[3]), Bytes(older[2]),
                                   Bytes(older[1])}));
    } else {
        QCOMPARE(RecentCaptions(form), QStringList({"&1 e", "&2 d", "&3 c", "&4 b", "&5 a"}));
        QCOMPARE(ini, RecentIniOf({Bytes(older[4]), Bytes(older[3]), Bytes(older[2]), Bytes(older[1]),
                                   Bytes(older[0])}));
    }
}

QTEST_MAIN(tst_Recent)
#include "tst_recent.moc"
