// The application shell: the settings files beside the program, the recent
// files, File > Open, the three languages and the main window's side panel.
#include "support/Game.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

using namespace grizzet;
using namespace grizzet::test;

// The user's configuration in a folder of its own, set before Qt first looks for it.
static QTemporaryDir configHome;
[[maybe_unused]] static const bool configHomeSet = qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));

class tst_Shell : public QObject {
    Q_OBJECT
private slots:
    // "recent.ini" holds five paths, each after a byte with its length. At
    // start-up the list keeps, in order, the files that exist, each once
    // whatever its case, and is written back at once.
    void recentIni_data()
    {
        QTest::addColumn<QStringList>("stored");   // names in the program folder; "" a free place
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("no file") << QStringList() << "" << QStringList();
        QTest::newRow("gone, a free place, a folder, a name in two cases")
            << QStringList{"gone.pbm", "", "Ab.pbm", "a.b", "AB.PBM"} << "&1 Ab" << QStringList{"Ab.pbm"};
        const QStringList names{"x.y.pbm", "a.b/cat", ".pbm", "dog.", "zeeën en meer.ppm"};
        QTest::newRow("names") << names << "&1 x.y|&2 cat|&3 |&4 dog|&5 zeeën en meer" << names;
    }
    void recentIni()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, kept);
        Game game;
        QVERIFY(QDir(game.Folder()).mkdir("a.b"));
        std::vector<QByteArray> paths(RecentCount), keptPaths(RecentCount);
        for (int i = 0; i < stored.size(); ++i) {
            paths[i] = stored[i].isEmpty() ? QByteArray() : QFile::encodeName(game.FileIn(stored[i]));
            if (!QStringList{"", "a.b", "gone.pbm"}.contains(stored[i]))
                game.Write(stored[i], Heart);
        }
        if (!stored.isEmpty())
            game.Write("recent.ini", RecentIniOf(paths));
        game.Start();
        QTEST(game.RecentCaptions().join('|'), "captions");
        QCOMPARE(game.ui->MMlijn2->isVisible(), !kept.isEmpty());
        for (int i = 0; i < kept.size(); ++i)
            keptPaths[i] = QFile::encodeName(game.FileIn(kept[i]));
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")), RecentIniOf(keptPaths));
    }

    // Newest first: a sixth file pushes the oldest out, a reopened one moves
    // to the top and the fifth comes back; a path too long for its length
    // byte stays out, and a vanished file goes at the next open.
    void recentOrder()
    {
        Game game;
        auto [form, ui] = game.Start();
        const auto path = [&](const QString& name) { return QFile::encodeName(game.FileIn(name + ".pbm")); };
        for (QString name : {"a", "b", "c", "d", "e", "f"})
            game.LoadFile(name + ".pbm", Heart);
        QCOMPARE(game.RecentCaptions().join('|'), "&1 f|&2 e|&3 d|&4 c|&5 b");
        ui.MMrecent[2]->trigger();
        QCOMPARE(form.windowTitle(), "d - Vindro Grizzet");
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")),
                 RecentIniOf({path("d"), path("f"), path("e"), path("c"), path("b")}));

        // The length byte holds up to 255: a path of 256 bytes opens but is not listed.
        const QString n = QString(200, 'd') + '/' + QString(50 - int(game.Folder().size()), 'n');
        QVERIFY(QDir(game.Folder()).mkdir(QString(200, 'd')));
        game.LoadFile(n + "n.pbm", Heart);
        QCOMPARE(form.windowTitle(), n.mid(201) + "n - Vindro Grizzet");
        game.LoadFile(n + ".pbm", Heart);
        QCOMPARE(game.RecentCaptions().join('|'), "&1 " + n.mid(201) + "|&2 d|&3 f|&4 e|&5 c");

        // A listed file deleted since: its item reads nothing; the next open drops it.
        QVERIFY(QFile::remove(game.FileIn("d.pbm")));
        ui.MMrecent[1]->trigger();
        QCOMPARE(form.windowTitle(), n.mid(201) + " - Vindro Grizzet");
        ui.MMrecent[2]->trigger();
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")), RecentIniOf({path("f"), path(n), path("e"), path("c"), {}}));
    }

    // Each language, chosen while a picture and the solution window are open:
    // its captions, the Open dialog's filter and a message; the title and the
    // file names stay. A cancelled Open changes nothing but the buttons'
    // colours. "lang.ini" holds the language in its first byte: read at
    // start-up, written back when the window closes.
    void languages_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("started");
        QTest::addColumn<int>("language");
        // File Open Exit Language Reset errors solution, the solution window's two boxes; filter; a message's title
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("English, from Italian") << QByteArray(1, 2) << 2 << 0
            << "&File|&Open|E&xit|&Language|&Reset|Show &errors|Give &Solution|Show &errors|Show &uncompleted|"
               "All Known Bitmaps (*.pbm *.ppm);;Black And White Bitmaps (*.pbm);;Color Bitmaps (*.ppm);;All Files (*)|"
               "Bitmap too high" << QByteArray(1, 0);
        QTest::newRow("Dutch, from a value 3") << QByteArray(1, 3) << 0 << 1
            << "&Bestand|&Open|Af&sluiten|&Taal|&Reset|Toon &fouten|&Oplossing geven|Toon &fouten|Toon &niet ingevuld|"
               "Alle Bekende Bitmaps (*.pbm *.ppm);;Zwartwitte Bitmaps (*.pbm);;Gekleurde Bitmaps (*.ppm);;"
               "Alle Bestanden (*)|Bitmap te hoog" << QByteArray(1, 1);
        QTest::newRow("Italian, from Dutch with more bytes") << QByteArray("\1a\0b", 4) << 1 << 2
            << "&File|&Apri|&Esci|&Lingua|&Reset|Mostra gli &errori|Mostra la &soluzione|Mostra gli &errori|"
               "Mostra celle &non completate|Tutti i files bitmaps riconosciuti (*.pbm *.ppm);;"
               "Bitmaps in bianco e nero (*.pbm);;Bitmaps a colori (*.ppm);;Tutti i files (*)|Bitmap troppo alta"
            << QByteArray("\2a\0b", 4);
    }
    void languages()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, started);
        QFETCH(int, language);
        Game game;
        game.Write("lang.ini", stored);
        game.Write("tulip.ppm", PictureFile({"rb"}));
        game.Write("tall.pbm", "P1 1 51 ");
        QStringList answers{game.FileIn("tulip.ppm"), QString(), game.FileIn("tall.pbm")};
        OpenDialogCall asked;
        OpenDialogHook = [&](const OpenDialogCall& call) { asked = call; return answers.takeFirst(); };
        auto [form, ui] = game.Start();
        ui.MMopen->trigger();
        game.OpenSolution();
        QVERIFY(ui.MMtaal->actions()[started]->isChecked());
        ui.MMtaal->actions()[language]->trigger();
        ui.MMtaal->actions()[language]->trigger();   // chosen again, it stays ticked
        QStringList texts{ui.MMbestand->title(), ui.MMopen->text(), ui.MMclose->text(), ui.MMtaal->title(),
                          ui.cmdClear->text(), ui.cmdErrors->text(), ui.cmdOplossing->text(),
                          game.Solution().chkFouten->text(), game.Solution().chkOntbreken->text()};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ui.MMtaal->actions()[i]->isChecked(), i == language);
        for (QPushButton* button : {ui.cmdClear, ui.cmdErrors, ui.cmdOplossing})
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));

        // Cancelled: only the buttons' colours go back to black and white.
        game.state.ButtonColour = {5, 6};
        ui.MMopen->trigger();
        QVERIFY(game.Solution().isVisible() && ui.Picture1->isVisible() && ui.cmdClear->isEnabled());
        QCOMPARE(game.state.ButtonColour, (std::array<std::uint8_t, 2>{1, 2}));

        // Refused, in the new language, while the busy pointer shows and the board is hidden.
        bool busy = false;
        MsgBoxHook = [&](const MsgBoxCall& call) {
            game.boxes.push_back(call);
            busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor
                   && !ui.Picture1->isVisible() && !ui.cmdOplossing->isEnabled() && !game.Solution().isVisible();
        };
        ui.MMopen->trigger();
        QCOMPARE(game.boxes.size(), std::size_t(1));
        QTEST((texts << asked.filter << game.boxes[0].title).join('|'), "texts");
        QVERIFY(busy && QApplication::overrideCursor() == nullptr);
        QCOMPARE(form.windowTitle() + game.RecentCaptions().join('|'), "tulip - Vindro Grizzet&1 tulip");
        ui.MMclose->trigger();   // Exit closes the window
        QVERIFY(!form.isVisible() && form.Closing() && ui.Solution() == nullptr);
        QTEST(ReadBytes(game.FileIn("lang.ini")), "written");
    }

    // What the player sees first: the side panel on the right at its fixed
    // width, the board hidden, the chooser's swatches, the mouse pictures.
    // Maximised, the free area is noted; restored, it is kept, and the board
    // laid out for it runs under the panel, whose controls stay in reach.
    void mainWindow()
    {
        Game game;
        game.Write("mouse1.dat", "P1 no picture");
        QVERIFY(QFile::copy(qEnvironmentVariable("GRIZZET_APP_DIR") + "/mouse2.dat", game.FileIn("mouse2.dat")));
        const std::string wide = game.Write("wide.pbm", PictureFile({QString(50, 'k')}));
        auto [form, ui] = game.Start(0, 0, wide.substr(0, wide.rfind('/')));
        QVERIFY(!ui.Picture1->isVisible() && !ui.cmdClear->isEnabled() && !ui.cmdOplossing->isEnabled());
        QVERIFY(ui.cmdErrors->isEnabled() && ui.MuisL->pixmap().isNull() && !ui.MuisR->pixmap().isNull());
        const int side = ui.KiezerL->width();   // swatch 0 is the chooser's white, then the eight colours
        const QRgb swatches[] = {WhiteRgb, 0, WhiteRgb, 0xFF0000, 0x0000FF, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x00FFFF};
        for (int k = 0; k < 9; ++k)   // off the pointer lines
            QCOMPARE(ScreenPixel(ui.KiezerL, QPoint(side / 2, k * side + side / 4)), swatches[k]);

        QWidget* client = form.centralWidget();
        const auto panel = [&] {   // 2055 twips wide; the read-out half its height above the bottom
            QCOMPARE(ui.Sizer->geometry(), QRect(client->width() - 137, 0, 137, client->height()));
            QVERIFY(qAbs(ui.Sizer->contentsRect().height() - ui.Positie->geometry().bottom() - 1
                         - ui.Positie->height() / 2.0) <= 0.5);
        };
        QCOMPARE(client->size(), QSize(648, 624));   // 9720 by 9360 twips
        panel();
        // Inside the panel's sunken frame, by their places in twips: 840,240 and 240,3960.
        const QPoint inside = ui.Sizer->contentsRect().topLeft();
        QCOMPARE(ui.KiezerL->mapTo(ui.Sizer, QPoint()) - inside, QPoint(56, 16));
        QCOMPARE(ui.cmdClear->mapTo(ui.Sizer, QPoint()) - inside, QPoint(16, 264));
        form.showMaximized();
        QTRY_COMPARE(form.width(), 1280);
        panel();
        QCOMPARE(game.state.MaxSizerLeft, float((1280 - 137) * 0.75));   // in points
        QCOMPARE(game.state.MaxSizerBottomTop, float(client->height() * 0.75));
        form.LoadPuzzle(wide);
        form.showNormal();
        QTRY_COMPARE(client->size(), QSize(648, 624));
        panel();
        game.Solution().show();   // back from the solution window
        QApplication::setActiveWindow(&game.Solution());
        QApplication::setActiveWindow(&form);
        QCOMPARE(game.state.MaxSizerLeft, float((1280 - 137) * 0.75));
        for (QWidget* control : std::initializer_list<QWidget*>{ui.cmdClear, ui.cmdErrors, ui.KiezerL})
            QCOMPARE(client->childAt(control->mapTo(client, control->rect().center())), control);
    }

    // Names as the file system holds them, through the real window: a program
    // folder whose name is no UTF-8 keeps its settings, names show exactly as
    // written ("[*]" is no placeholder here), two names meet in the recent
    // list only when they differ in letter case alone, the Open dialog starts
    // in "Puzzles" and hands a typed name that does not exist to the reader,
    // and a long "lang.ini" gets its first byte.
    void pathsAsWritten_data()
    {
        QTest::addColumn<QByteArray>("folder");      // the program folder's name
        QTest::addColumn<QByteArray>("langIni");
        QTest::addColumn<QByteArrayList>("opened");  // "bad" ones are no picture; "?" typed into the dialog
        QTest::addColumn<QString>("shown");          // start language|caption|solution title|boxes|dialog buttons
        QTest::addColumn<QByteArrayList>("recent");
        QTest::newRow("folder no UTF-8") << QByteArray("app\xff") << QByteArray(1, 2) << QByteArrayList{"heart.pbm"}
            << "2|heart - Vindro Grizzet|heart - de oplossing||" << QByteArrayList{"heart.pbm"};
        QTest::newRow("[*] in names") << QByteArray("[*]") << QByteArray() << QByteArrayList{"bad[*].pbm", "a[*].pbm"}
            << "0|a[*] - Vindro Grizzet|a[*] - de oplossing|bad[*].pbm|" << QByteArrayList{"a[*].pbm"};
        QTest::newRow("case alone") << QByteArray("app") << QByteArray()
            << QByteArrayList{"straße.pbm", "STRASSE.pbm", "a\xfe.pbm", "a\xff.pbm", "A\xff.pbm"}
            << "0|A\ufffd - Vindro Grizzet|A\ufffd - de oplossing||"
            << QByteArrayList{"A\xff.pbm", "a\xfe.pbm", "STRASSE.pbm", "straße.pbm"};
        QTest::newRow("typed, missing") << QByteArray("app") << QByteArray() << QByteArrayList{"?nope.pbm"}
            << "0|Vindro Grizzet|||Puzzles|Openen|Annuleren" << QByteArrayList{};
        QTest::newRow("long lang.ini") << QByteArray("app") << QByteArray((1 << 20) + 1, 'x') << QByteArrayList{"heart.pbm"}
            << "0|heart - Vindro Grizzet|heart - de oplossing||" << QByteArrayList{"heart.pbm"};
    }
    void pathsAsWritten()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, langIni);
        Game game;
        const std::string app = QFile::encodeName(game.Folder()).toStdString() + folder.toStdString() + "/";
        const auto write = [&](const QByteArray& name, const QByteArray& bytes) {
            std::ofstream(app + name.toStdString(), std::ios::binary) << bytes.toStdString();
        };
        const auto read = [&](const char* name) {
            std::ifstream in(app + name, std::ios::binary);
            return QByteArray::fromStdString({std::istreambuf_iterator<char>(in), {}});
        };
        QVERIFY(::mkdir(app.c_str(), 0700) == 0 && ::mkdir((app + "Puzzles").c_str(), 0700) == 0);
        if (!langIni.isEmpty())
            write("lang.ini", langIni);
        auto [form, ui] = game.Start(900, 700, app);
        QStringList shown{QString::number(game.state.Language)}, boxes, buttons;
        ui.MMnederlands->trigger();
        MsgBoxHook = nullptr;
        QFETCH(QByteArrayList, opened);
        for (const QByteArray& name : opened) {
            write(name, name.startsWith("bad") ? "P5" : "P1 2 2 1 0 0 1");
            QTimer::singleShot(0, [&] {   // the real box or dialog, as the player sees it
                QWidget* modal = QApplication::activeModalWidget();
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    boxes << box->windowHandle()->title().mid(int(app.size())), box->accept();
                if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                    buttons << dialog->directory().dirName();
                    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
                        buttons << button->text();
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name.mid(1));
                    QTimer::singleShot(0, [&] {   // a refusal of the dialog's own, answered
                        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                            boxes << box->text(), box->accept();
                    });
                    static_cast<QDialog*>(dialog)->accept();
                }
            });
            // The dialog speaks Qt's text form: names that are no UTF-8 come as recent items give them.
            name.startsWith('?') ? ui.MMopen->trigger() : form.LoadPuzzle(app + name.toStdString());
        }
        if (ui.cmdOplossing->isEnabled())
            game.OpenSolution();
        shown << form.windowHandle()->title() << (ui.Solution()->isVisible() ? ui.Solution()->windowHandle()->title() : "")
              << boxes.join(',') << buttons.join('|');
        QTEST(shown.join('|'), "shown");
        QFETCH(QByteArrayList, recent);
        std::vector<QByteArray> paths(RecentCount);
        for (int i = 0; i < recent.size(); ++i)
            paths[i] = QByteArray::fromStdString(app) + recent[i];
        form.close();
        QCOMPARE(read("recent.ini"), RecentIniOf(paths));
        QCOMPARE(read("lang.ini"), "\1" + langIni.mid(1));
        std::filesystem::remove_all(app);   // Qt cannot remove a name that is no UTF-8
        // The dialog's history and settings are not left in the user's configuration.
        QCOMPARE(QDir(configHome.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), {});
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
