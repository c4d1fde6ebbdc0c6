// Start-up and shutdown: the settings files beside the program.
#include "shell/shell_helpers.h"

#include "solution/Form2.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace grizzet;
using namespace grizzet::test;

namespace {

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Sample(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

}  // namespace

class tst_Startup : public QObject {
    Q_OBJECT
private slots:
    void firstStart();
    void programFolder_data();
    void programFolder();
    void storedLanguage_data();
    void storedLanguage();
    void mousePictures_data();
    void mousePictures();
    void settingsFileIsFolder_data();
    void settingsFileIsFolder();
    void readOnlyFolder();
};

void tst_Startup::firstStart()
{
    Game game;
    Form1& form = game.Start();

    QCOMPARE(game.state.Language, std::uint8_t(0));
    QCOMPARE(form.MMbestand->title(), QStringLiteral("&File"));
    QCOMPARE(form.MMopen->text(), QStringLiteral("&Open"));
    QCOMPARE(form.cmdOplossing->text(), QStringLiteral("Give &Solution"));
    QVERIFY(form.MMenglish->isChecked());
    QVERIFY(!form.MMnederlands->isChecked());
    QVERIFY(!form.MMitaliano->isChecked());

    for (QAction* item : form.MMrecent)
        QVERIFY(!item->isVisible());
    QVERIFY(!form.MMlijn2->isVisible());
    QVERIFY(form.MMlijn1->isVisible());
    QCOMPARE(ReadBytes(game.FileIn("recent.ini")), QByteArray(5, '\0'));

    QVERIFY(form.MuisL->pixmap().isNull());
    QVERIFY(form.MuisR->pixmap().isNull());

    // Without "hamworst.dat" swatch 0 is the chooser's white background,
    // above the eight painted swatches; the buttons paint black and white.
    const int side = form.KiezerL->width();
    QCOMPARE(side, 25);
    const QRgb swatches[] = {qRgb(255, 255, 255), qRgb(0, 0, 0),     qRgb(255, 255, 255),
                             qRgb(255, 0, 0),     qRgb(0, 0, 255),   qRgb(255, 255, 0),
                             qRgb(0, 255, 0),     qRgb(255, 0, 255), qRgb(0, 255, 255)};
    for (int k = 0; k < 9; ++k)
        QCOMPARE(form.KiezerL->GetPixel(side / 2, k * side + side / 2) & 0xFFFFFF, swatches[k] & 0xFFFFFF);
    QCOMPARE(game.state.ButtonColour[0], std::uint8_t(1));
    QCOMPARE(game.state.ButtonColour[1], std::uint8_t(2));

    // No puzzle yet; the solution window exists, hidden.
    QVERIFY(!form.Picture1->isVisible());
    QVERIFY(!form.cmdClear->isEnabled());
    QVERIFY(!form.cmdOplossing->isEnabled());
    QVERIFY(form.form2 != nullptr);
    QVERIFY(!form.form2->isVisible());
    QCOMPARE(form.form2->chkFouten->text(), QStringLiteral("Show &errors"));
    QCOMPARE(form.Tag, QStringLiteral("in gebruik"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Vindro Grizzet"));
    QVERIFY(!QFile::exists(game.FileIn("lang.ini")));

    game.Close();
    QCOMPARE(ReadBytes(game.FileIn("lang.ini")), QByteArray(1, '\0'));
    QCOMPARE(form.Tag, QStringLiteral("CLOSE"));
    QVERIFY(form.form2 == nullptr);
}

void tst_Startup::programFolder_data()
{
    QTest::addColumn<bool>("finalSlash");
    QTest::newRow("ending in /") << true;
    QTest::newRow("without the final /") << false;
}

void tst_Startup::programFolder()
{
    QFETCH(bool, finalSlash);
    Game game;
    WriteBytes(game.FileIn("lang.ini"), QByteArray(1, '\2'));
    std::string folder = QFile::encodeName(game.Folder()).toStdString();
    if (!finalSlash)
        folder.pop_back();
    game.Start(folder);

    QCOMPARE(QString::fromStdString(game.state.AppFolder), game.Folder());
    QVERIFY(game.form().MMitaliano->isChecked());
}

void tst_Startup::storedLanguage_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("switchTo");   // -1: no switch
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("exitItem");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("English") << QByteArray(1, '\0') << -1 << "&File" << "E&xit" << QByteArray(1, '\0');
    QTest::newRow("Dutch") << QByteArray(1, '\1') << -1 << "&Bestand" << "Af&sluiten" << QByteArray(1, '\1');
    QTest::newRow("Italian") << QByteArray(1, '\2') << -1 << "&File" << "&Esci" << QByteArray(1, '\2');
    QTest::newRow("foreign value starts in English") << QByteArray(1, '\3') << -1 << "&File" << "E&xit"
                                                     << QByteArray(1, '\0');
    QTest::newRow("byte 255") << QByteArray(1, '\xff') << -1 << "&File" << "E&xit" << QByteArray(1, '\0');
    QTest::newRow("digit 1 is no language") << QByteArray("1") << -1 << "&File" << "E&xit" << QByteArray(1, '\0');
    QTest::newRow("empty file") << QByteArray() << -1 << "&File" << "E&xit" << QByteArray(1, '\0');
    QTest::newRow("bytes after the first are kept") << QByteArray("\1tail\0end", 9) << 2 << "&Bestand"
                                                    << "Af&sluiten" << QByteArray("\2tail\0end", 9);
    QTest::newRow("Dutch, then English chosen") << QByteArray(1, '\1') << 0 << "&Bestand" << "Af&sluiten"
                                                << QByteArray(1, '\0');
    QTest::newRow("foreign value, then Dutch chosen") << QByteArray("\x09xy") << 1 << "&File" << "E&xit"
                                                      << QByteArray("\1xy");
}

void tst_Startup::storedLanguage()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, switchTo);
    QFETCH(QString, fileMenu);
    QFETCH(QString, exitItem);
    QFETCH(QByteArray, written);

    Game game;
    WriteBytes(game.FileIn("lang.ini"), stored);
    Form1& form = game.Start();
    QCOMPARE(form.MMbestand->title(), fileMenu);
    QCOMPARE(form.MMclose->text(), exitItem);
    const int ticked = (form.MMenglish->isChecked() ? 1 : 0) + (form.MMnederlands->isChecked() ? 1 : 0) +
                       (form.MMitaliano->isChecked() ? 1 : 0);
    QCOMPARE(ticked, 1);

    QAction* items[] = {form.MMenglish, form.MMnederlands, form.MMitaliano};
    if (switchTo >= 0)
        items[switchTo]->trigger();
    game.Close();
    QCOMPARE(ReadBytes(game.FileIn("lang.ini")), written);

    // The next start speaks the language written.
    Game next;
    WriteBytes(next.FileIn("lang.ini"), written);
    next.Start();
    QCOMPARE(next.state.Language, static_cast<std::uint8_t>(written[0]));
}

void tst_Startup::mousePictures_data()
{
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("right");
    QTest::addColumn<QSize>("leftSize");    // empty: no picture
    QTest::addColumn<QSize>("rightSize");

    QTest::newRow("PNG and BMP by content") << Encoded(Sample(37, 36), "PNG") << Encoded(Sample(20, 30), "BMP")
                                            << QSize(37, 36) << QSize(20, 30);
    QTest::newRow("not a picture") << QByteArray("P1 this is no picture") << Encoded(Sample(5, 6), "PNG")
                                   << QSize() << QSize(5, 6);
    QTest::newRow("empty file") << QByteArray() << QByteArray() << QSize() << QSize();
    QTest::newRow("truncated PNG") << Encoded(Sample(37, 36), "PNG").left(30) << Encoded(Sample(8, 8), "BMP")
                                   << QSize() << QSize(8, 8);
}

void tst_Startup::mousePictures()
{
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, right);
    QFETCH(QSize, leftSize);
    QFETCH(QSize, rightSize);

    Game game;
    WriteBytes(game.FileIn("mouse1.dat"), left);
    WriteBytes(game.FileIn("mouse2.dat"), right);
    Form1& form = game.Start();

    QCOMPARE(form.MuisL->pixmap().isNull(), leftSize.isEmpty());
    QCOMPARE(form.MuisR->pixmap().isNull(), rightSize.isEmpty());
    if (!leftSize.isEmpty()) {
        QCOMPARE(form.MuisL->pixmap().size(), leftSize);
        QCOMPARE(form.MuisL->pixmap().toImage().pixel(0, 0), qRgb(255, 0, 0));
    }
    if (!rightSize.isEmpty())
        QCOMPARE(form.MuisR->pixmap().size(), rightSize);
}

void tst_Startup::settingsFileIsFolder_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("otherFile");
    QTest::newRow("lang.ini") << "lang.ini" << "recent.ini";
    QTest::newRow("recent.ini") << "recent.ini" << "lang.ini";
    QTest::newRow("mouse1.dat") << "mouse1.dat" << "lang.ini";
}

// A settings name taken by a folder: the game starts and ends, the folder
// stays a folder and the other file is written as usual.
void tst_Startup::settingsFileIsFolder()
{
    QFETCH(QString, folderName);
    QFETCH(QString, otherFile);

    Game game;
    QVERIFY(QDir(game.Folder()).mkdir(folderName));
    WriteBytes(game.FileIn(folderName) + "/keep.txt", "kept");
    if (folderName != "lang.ini")
        WriteBytes(game.FileIn("lang.ini"), QByteArray(1, '\1'));
    const std::string picture = game.Picture("heart.pbm");

    Form1& form = game.Start();
    form.LoadPuzzle(picture);
    QCOMPARE(form.MMrecent[0]->text(), QStringLiteral("&1 heart"));
    form.MMitaliano->trigger();
    game.Close();

    QVERIFY(QFileInfo(game.FileIn(folderName)).isDir());
    QCOMPARE(ReadBytes(game.FileIn(folderName) + "/keep.txt"), QByteArray("kept"));
    if (otherFile == "lang.ini")
        QCOMPARE(ReadBytes(game.FileIn("lang.ini")), QByteArray(1, '\2'));
    else
        QCOMPARE(ReadBytes(game.FileIn("recent.ini")), RecentIniOf({QByteArray::fromStdString(picture), {}, {}, {}, {}}));
    QVERIFY(game.messages.empty());
}

// A folder that cannot be written: nothing is saved, nothing is lost.
void tst_Startup::readOnlyFolder()
{
    Game game;
    const QByteArray recent = RecentIniOf({QByteArray("/nowhere/gone.pbm"), {}, {}, {}, {}});
    WriteBytes(game.FileIn("lang.ini"), QByteArray("\1more"));
    WriteBytes(game.FileIn("recent.ini"), recent);
    QFile::setPermissions(game.Folder(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile(game.FileIn("probe")).open(QIODevice::WriteOnly)) {
        QFile::setPermissions(game.Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("permissions do not bind this user");
    }

    Form1& form = game.Start();
    QVERIFY(!form.MMrecent[0]->isVisible());
    form.MMitaliano->trigger();
    game.Close();
    QFile::setPermissions(game.Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(ReadBytes(game.FileIn("lang.ini")), QByteArray("\1more"));
    QCOMPARE(ReadBytes(game.FileIn("recent.ini")), recent);
    QVERIFY(game.messages.empty());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
