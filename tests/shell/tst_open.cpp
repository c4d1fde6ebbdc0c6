// File, Open, and what a load does to the main window.
#include "shell/shell_helpers.h"

#include "solution/Form2.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace grizzet;
using namespace grizzet::test;

class tst_Open : public QObject {
    Q_OBJECT
private slots:
    void dialog_data();
    void dialog();
    void cancel();
    void chooserHeight_data();
    void chooserHeight();
    void busyWhileLoading();
    void failedLoad_data();
    void failedLoad();
    void exitCloses();
};

void tst_Open::dialog_data()
{
    QTest::addColumn<char>("language");
    QTest::addColumn<QString>("filter");
    QTest::newRow("English")
        << '\0'
        << "All Known Bitmaps (*.pbm *.ppm);;Black And White Bitmaps (*.pbm);;Color Bitmaps (*.ppm);;All Files (*)";
    QTest::newRow("Dutch")
        << '\1'
        << "Alle Bekende Bitmaps (*.pbm *.ppm);;Zwartwitte Bitmaps (*.pbm);;Gekleurde Bitmaps (*.ppm);;"
           "Alle Bestanden (*)";
    QTest::newRow("Italian")
        << '\2'
        << "Tutti i files bitmaps riconosciuti (*.pbm *.ppm);;Bitmaps in bianco e nero (*.pbm);;"
           "Bitmaps a colori (*.ppm);;Tutti i files (*)";
}

void tst_Open::dialog()
{
    QFETCH(char, language);
    QFETCH(QString, filter);

    Game game;
    WriteBytes(game.FileIn("lang.ini"), QByteArray(1, language));
    const std::string picture = game.Picture("tulip.ppm", SmallPpm());
    std::vector<OpenDialogCall> calls;
    OpenDialogHook = [&](const OpenDialogCall& call) {
        calls.push_back(call);
        return QString::fromStdString(picture);
    };
    Form1& form = game.Start();
    form.MMopen->trigger();

    QCOMPARE(calls.size(), std::size_t(1));
    QCOMPARE(calls[0].initialFolder, game.Folder() + "Puzzles");
    QCOMPARE(calls[0].filter, filter);
    QCOMPARE(form.windowTitle(), QStringLiteral("tulip - Vindro Grizzet"));
    QCOMPARE(game.state.PuzzleName, std::string("tulip"));
    QCOMPARE(form.MMrecent[0]->text(), QStringLiteral("&1 tulip"));
    QVERIFY(form.MMrecent[0]->isVisible());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    // The board is laid out and shown, and its commands are on.
    QVERIFY(form.Picture1->isVisibleTo(&form));
    QVERIFY(form.cmdClear->isEnabled());
    QVERIFY(form.cmdOplossing->isEnabled());
    QVERIFY(game.state.CellSize > 0);
    // A colour picture of maximum 255 is announced in the language in force.
    QCOMPARE(game.messages.size(), std::size_t(1));
    QCOMPARE(game.messages[0].icon, MsgIcon::Information);
}

void tst_Open::cancel()
{
    Game game;
    Form1& form = game.Start();
    form.LoadPuzzle(game.Picture("heart.pbm"));
    const QByteArray recent = ReadBytes(game.FileIn("recent.ini"));
    QVERIFY(form.Picture1->isVisibleTo(&form));
    QVERIFY(form.cmdClear->isEnabled());
    const auto solution = game.state.Solution;
    form.form2->show();

    int asked = 0;
    OpenDialogHook = [&](const OpenDialogCall&) {
        ++asked;
        return QString();
    };
    form.MMopen->trigger();

    QCOMPARE(asked, 1);
    QVERIFY(game.messages.empty());
    QCOMPARE(form.windowTitle(), QStringLiteral("heart - Vindro Grizzet"));
    QCOMPARE(ReadBytes(game.FileIn("recent.ini")), recent);
    QVERIFY(form.Picture1->isVisibleTo(&form));
    QVERIFY(form.cmdClear->isEnabled());
    QVERIFY(form.cmdOplossing->isEnabled());
    QVERIFY(form.form2->isVisible());
    QVERIFY(game.state.Solution.cells == solution.cells);
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // Only the mouse buttons go back to black and white.
    game.state.ButtonColour = {5, 6};
    form.MMopen->trigger();
    QCOMPARE(game.state.ButtonColour[0], std::uint8_t(1));
    QCOMPARE(game.state.ButtonColour[1], std::uint8_t(2));
    QVERIFY(form.Picture1->isVisibleTo(&form));
    QVERIFY(form.cmdClear->isEnabled());
}

void tst_Open::chooserHeight_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<int>("swatches");
    QTest::newRow("black and white") << SmallPbm() << 3;
    QTest::newRow("colour") << SmallPpm() << 9;
}

void tst_Open::chooserHeight()
{
    QFETCH(QByteArray, picture);
    QFETCH(int, swatches);

    Game game;
    Form1& form = game.Start();
    form.show();
    form.LoadPuzzle(game.Picture("p", picture));
    QCOMPARE(form.KiezerL->width(), 25);
    QCOMPARE(form.KiezerL->height(), swatches * 25);
}

// From the moment the file is found until the closing steps the busy pointer
// shows, the board and the solution window are hidden and Reset and Solution
// are off.
void tst_Open::busyWhileLoading()
{
    Game game;
    Form1& form = game.Start();
    form.show();
    form.form2->show();
    form.cmdClear->setEnabled(true);
    form.cmdOplossing->setEnabled(true);
    form.Picture1->show();

    bool busy = false;
    bool hidden = false;
    bool disabled = false;
    MsgBoxHook = [&](const MsgBoxCall& call) {
        game.messages.push_back(call);
        busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        hidden = !form.Picture1->isVisible() && !form.form2->isVisible();
        disabled = !form.cmdClear->isEnabled() && !form.cmdOplossing->isEnabled();
    };
    form.LoadPuzzle(game.Picture("tulip.ppm", SmallPpm()));

    QCOMPARE(game.messages.size(), std::size_t(1));
    QVERIFY(busy);
    QVERIFY(hidden);
    QVERIFY(disabled);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void tst_Open::failedLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");    // empty: the path
    QTest::addColumn<QString>("text");
    QTest::newRow("not a picture") << QByteArray("GIF89a") << QString() << "This is not a valid PBM- or PPM-file.";
    QTest::newRow("too wide") << QByteArray("P1 51 2 ") << "Bitmap too wide"
                              << "The bitmap's width cannot be more than 50 pixels. This bitmap's width is 51 pixels.";
    QTest::newRow("ends early") << QByteArray("P1 4 4 1 0") << QString()
                                << "An error has occured while opening this file.";
}

// A refused file: one message, the previous caption and list, nothing busy.
void tst_Open::failedLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, text);

    Game game;
    Form1& form = game.Start();
    form.LoadPuzzle(game.Picture("heart.pbm"));
    const std::string bad = game.Picture("bad.pbm", bytes);
    OpenDialogHook = [&](const OpenDialogCall&) { return QString::fromStdString(bad); };
    form.MMopen->trigger();

    QCOMPARE(game.messages.size(), std::size_t(1));
    QCOMPARE(game.messages[0].icon, MsgIcon::Critical);
    QCOMPARE(game.messages[0].title, title.isEmpty() ? QString::fromStdString(bad) : title);
    QCOMPARE(game.messages[0].text, text);
    QCOMPARE(form.windowTitle(), QStringLiteral("heart - Vindro Grizzet"));
    QCOMPARE(form.MMrecent[0]->text(), QStringLiteral("&1 heart"));
    QVERIFY(!form.MMrecent[1]->isVisible());
    QVERIFY(!form.Picture1->isVisibleTo(&form));
    QVERIFY(!form.cmdClear->isEnabled());
    QVERIFY(!form.cmdOplossing->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void tst_Open::exitCloses()
{
    Game game;
    WriteBytes(game.FileIn("lang.ini"), QByteArray(1, '\1'));
    Form1& form = game.Start();
    form.show();
    form.MMitaliano->trigger();
    form.MMclose->trigger();
    QVERIFY(!form.isVisible());
    QCOMPARE(ReadBytes(game.FileIn("lang.ini")), QByteArray(1, '\2'));
}

QTEST_MAIN(tst_Open)
#include "tst_open.moc"
