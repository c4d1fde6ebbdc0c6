// The three language operations of the Language menu. Texts shown through
// PickText need nothing here: they are picked each time they are shown.
#include "shell/Form1.h"

#include "model/PickText.h"
#include "platform/Dialogs.h"
#include "solution/Form2.h"

#include <QAction>
#include <QCheckBox>
#include <QFont>
#include <QFontInfo>
#include <QFrame>
#include <QMenu>
#include <QPushButton>

#include <initializer_list>

namespace grizzet {

namespace {

// The fixed captions, English, Dutch, Italian.
struct Captions {
    const char* english;
    const char* dutch;
    const char* italian;
};

constexpr Captions FileMenu{"&File", "&Bestand", "&File"};
constexpr Captions OpenItem{"&Open", "&Open", "&Apri"};
constexpr Captions ExitItem{"E&xit", "Af&sluiten", "&Esci"};
constexpr Captions LanguageMenu{"&Language", "&Taal", "&Lingua"};
constexpr Captions ResetButton{"&Reset", "&Reset", "&Reset"};
constexpr Captions ErrorsButton{"Show &errors", "Toon &fouten", "Mostra gli &errori"};
constexpr Captions SolutionButton{"Give &Solution", "&Oplossing geven", "Mostra la &soluzione"};
constexpr Captions ErrorsBox{"Show &errors", "Toon &fouten", "Mostra gli &errori"};
constexpr Captions MissingBox{"Show &uncompleted", "Toon &niet ingevuld", "Mostra celle &non completate"};

QString CaptionOf(std::uint8_t language, const Captions& captions)
{
    return QString::fromStdString(PickText(language, captions.english, captions.dutch, captions.italian));
}

// The side panel is narrow, and the platform's font may be wider than the
// captions were made for: the three buttons then share the largest smaller
// size at which each shows its whole caption.
void FitButtonCaptions(const QFont& panelFont, std::initializer_list<QPushButton*> buttons)
{
    constexpr double SmallestPoints = 6.0;
    constexpr double Step = 0.25;
    QFont font = panelFont;
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(QFontInfo(panelFont).pointSizeF());
    const auto allFit = [&] {
        for (QPushButton* button : buttons)
            button->setFont(font);
        for (QPushButton* button : buttons) {
            if (button->sizeHint().width() > button->width())
                return false;
        }
        return true;
    };
    while (!allFit() && font.pointSizeF() - Step >= SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - Step);
}

}  // namespace

void Form1::SwitchLanguage(std::uint8_t language)
{
    state.Language = language;
    UseQtTexts(QString::fromLatin1(PickText(language, "en", "nl", "it").c_str()));

    MMnederlands->setChecked(language == Dutch);
    MMitaliano->setChecked(language == Italian);
    MMenglish->setChecked(language == English);

    MMbestand->setTitle(CaptionOf(language, FileMenu));
    MMopen->setText(CaptionOf(language, OpenItem));
    MMclose->setText(CaptionOf(language, ExitItem));
    MMtaal->setTitle(CaptionOf(language, LanguageMenu));
    cmdClear->setText(CaptionOf(language, ResetButton));
    cmdErrors->setText(CaptionOf(language, ErrorsButton));
    cmdOplossing->setText(CaptionOf(language, SolutionButton));
    FitButtonCaptions(Sizer->font(), {cmdClear, cmdErrors, cmdOplossing});

    // The solution window exists, hidden, from the first switch on.
    Form2& solution = SolutionWindow();
    solution.chkFouten->setText(CaptionOf(language, ErrorsBox));
    solution.chkOntbreken->setText(CaptionOf(language, MissingBox));
}

void Form1::MMenglish_Click() { SwitchLanguage(English); }
void Form1::MMnederlands_Click() { SwitchLanguage(Dutch); }
void Form1::MMitaliano_Click() { SwitchLanguage(Italian); }

}  // namespace grizzet
