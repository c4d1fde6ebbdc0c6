// The Language menu: captions, ticks, and the language of picked texts.
#include "shell/shell_helpers.h"

#include "solution/Form2.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace grizzet;
using namespace grizzet::test;

class tst_Languages : public QObject {
    Q_OBJECT
private slots:
    void switchLanguage_data();
    void switchLanguage();
    void sameLanguageAgain();
    void whileSolutionWindowShows();
    void messagesFollowTheSwitch_data();
    void messagesFollowTheSwitch();
    void captionsFitTheirButtons_data();
    void captionsFitTheirButtons();
};

void tst_Languages::switchLanguage_data()
{
    QTest::addColumn<char>("stored");
    QTest::addColumn<int>("item");   // 0 English, 1 Nederlands, 2 Italiano
    // MMbestand, MMopen, MMclose, MMtaal, cmdClear, cmdErrors, cmdOplossing, chkFouten, chkOntbreken
    QTest::addColumn<QStringList>("captions");

    const QStringList english = {"&File", "&Open", "E&xit", "&Language", "&Reset", "Show &errors",
                                 "Give &Solution", "Show &errors", "Show &uncompleted"};
    const QStringList dutch = {"&Bestand", "&Open", "Af&sluiten", "&Taal", "&Reset", "Toon &fouten",
                               "&Oplossing geven", "Toon &fouten", "Toon &niet ingevuld"};
    const QStringList italian = {"&File", "&Apri", "&Esci", "&Lingua", "&Reset", "Mostra gli &errori",
                                 "Mostra la &soluzione", "Mostra gli &errori", "Mostra celle &non completate"};
    QTest::newRow("English to Dutch") << '\0' << 1 << dutch;
    QTest::newRow("English to Italian") << '\0' << 2 << italian;
    QTest::newRow("Italian to English") << '\2' << 0 << english;
    QTest::newRow("Dutch to Italian") << '\1' << 2 << italian;
    QTest::newRow("Italian to Dutch") << '\2' << 1 << dutch;
    QTest::newRow("foreign value to Dutch") << '\5' << 1 << dutch;
}

void tst_Languages::switchLanguage()
{
    QFETCH(char, stored);
    QFETCH(int, item);
    QFETCH(QStringList, captions);

    Game game;
    WriteBytes(game.FileIn("lang.ini"), QByteArray(1, stored));
    const std::string picture = game.Picture("heart.pbm");
    Form1& form = game.Start();
    form.LoadPuzzle(picture);
    const QString title = form.windowTitle();

    QAction* items[] = {form.MMenglish, form.MMnederlands, form.MMitaliano};
    items[item]->trigger();

    QCOMPARE(game.state.Language, static_cast<std::uint8_t>(item));
    const QStringList shown = {form.MMbestand->title(), form.MMopen->text(), form.MMclose->text(),
                               form.MMtaal->title(), form.cmdClear->text(), form.cmdErrors->text(),
                               form.cmdOplossing->text(), form.form2->chkFouten->text(),
                               form.form2->chkOntbreken->text()};
    QCOMPARE(shown, captions);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(items[i]->isChecked(), i == item);

    // The language items, the title, the recent items and the read-out keep what they show.
    QCOMPARE(form.MMenglish->text(), QStringLiteral("&English"));
    QCOMPARE(form.MMnederlands->text(), QStringLiteral("&Nederlands"));
    QCOMPARE(form.MMitaliano->text(), QStringLiteral("&Italiano"));
    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(form.MMrecent[0]->text(), QStringLiteral("&1 heart"));
    QCOMPARE(form.Positie->text(), QStringLiteral("0,0"));
    QCOMPARE(form.form2->cmdOK->text(), QStringLiteral("&OK"));
}

// Choosing the ticked item again must not untick it.
void tst_Languages::sameLanguageAgain()
{
    Game game;
    WriteBytes(game.FileIn("lang.ini"), QByteArray(1, '\1'));
    Form1& form = game.Start();
    form.MMnederlands->trigger();
    form.MMnederlands->trigger();
    QVERIFY(form.MMnederlands->isChecked());
    QVERIFY(!form.MMenglish->isChecked());
    QVERIFY(!form.MMitaliano->isChecked());
    QCOMPARE(form.MMbestand->title(), QStringLiteral("&Bestand"));
    QCOMPARE(game.state.Language, std::uint8_t(1));
}

void tst_Languages::whileSolutionWindowShows()
{
    Game game;
    Form1& form = game.Start();
    Form2* solution = form.form2;
    solution->setWindowTitle(QStringLiteral("Solution"));
    solution->show();
    form.MMitaliano->trigger();
    QCOMPARE(form.form2, solution);
    QVERIFY(solution->isVisible());
    QCOMPARE(solution->chkFouten->text(), QStringLiteral("Mostra gli &errori"));
    QCOMPARE(solution->chkOntbreken->text(), QStringLiteral("Mostra celle &non completate"));
    QCOMPARE(solution->windowTitle(), QStringLiteral("Solution"));
    // The check boxes show their whole caption.
    QTRY_VERIFY(solution->chkOntbreken->width() >= solution->chkOntbreken->sizeHint().width());
}

void tst_Languages::messagesFollowTheSwitch_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << 0 << "This is not a valid PBM- or PPM-file.";
    QTest::newRow("Dutch") << 1 << "Dit is geen geldig PBM- of PPM-bestand.";
    QTest::newRow("Italian") << 2 << "File PBM o PPM non valido.";
}

void tst_Languages::messagesFollowTheSwitch()
{
    QFETCH(int, item);
    QFETCH(QString, text);

    Game game;
    const std::string bad = game.Picture("bad.pgm", "P2 1 1 1 0");
    Form1& form = game.Start();
    QAction* items[] = {form.MMenglish, form.MMnederlands, form.MMitaliano};
    items[(item + 1) % 3]->trigger();
    items[item]->trigger();
    form.LoadPuzzle(bad);

    QCOMPARE(game.messages.size(), std::size_t(1));
    QCOMPARE(game.messages[0].icon, MsgIcon::Critical);
    QCOMPARE(game.messages[0].title, QString::fromStdString(bad));
    QCOMPARE(game.messages[0].text, text);
}

void tst_Languages::captionsFitTheirButtons_data()
{
    QTest::addColumn<int>("item");
    QTest::newRow("English") << 0;
    QTest::newRow("Dutch") << 1;
    QTest::newRow("Italian") << 2;
}

// "Mostra la soluzione" is the longest caption of the side panel: every
// caption shows whole, in one size shared by the three buttons.
void tst_Languages::captionsFitTheirButtons()
{
    QFETCH(int, item);

    Game game;
    Form1& form = game.Start();
    const QFont englishFont = form.cmdOplossing->font();
    QAction* items[] = {form.MMenglish, form.MMnederlands, form.MMitaliano};
    items[item]->trigger();

    const QFont font = form.cmdOplossing->font();
    for (QPushButton* button : {form.cmdClear, form.cmdErrors, form.cmdOplossing}) {
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
        QCOMPARE(button->font(), font);
    }
    QVERIFY(QFontInfo(font).pointSizeF() <= QFontInfo(form.Sizer->font()).pointSizeF());

    // Back in English the captions take the size they had at start.
    items[(item + 1) % 3]->trigger();
    form.MMenglish->trigger();
    QCOMPARE(form.cmdOplossing->font(), englishFont);
}

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
