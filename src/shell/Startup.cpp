// Start-up and shutdown of the main window: the program folder, the stored
// language, the mouse pictures, the recent list and the chooser.
#include "shell/Form1.h"

#include "model/FileSource.h"
#include "model/PickText.h"
#include "model/SettingsFiles.h"
#include "platform/Files.h"
#include "play/Chooser.h"
#include "shell/RecentFiles.h"
#include "solution/Form2.h"

#include <QLabel>
#include <QPixmap>

#include <filesystem>
#include <system_error>

namespace grizzet {

namespace {

// "lang.ini" is one byte; whatever follows it is kept, up to this much.
constexpr std::uintmax_t MaxLangBytes = 1024 * 1024;

std::string LangIni(const Form1& form) { return form.state.AppFolder + "lang.ini"; }

void ShowPicture(QLabel& mouse, const std::string& path)
{
    const QImage picture = ReadPicture(path);
    if (!picture.isNull())
        mouse.setPixmap(QPixmap::fromImage(picture));
}

// Writes the language as the first byte, keeping what follows it. A
// "lang.ini" that exists but cannot be read whole is left alone rather than
// replaced by a shorter file, and an unwritable folder skips the write.
void StoreLanguage(const std::string& path, std::uint8_t language)
{
    std::string bytes;
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        if (!IsOrdinaryFile(path))
            return;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error || size > MaxLangBytes)
            return;
        const std::optional<std::string> old = ReadSmallFile(path, static_cast<std::size_t>(size));
        if (!old || old->size() != size)
            return;
        bytes = *old;
    }
    ReplaceFile(path, LangIniOf(bytes, language));
}

}  // namespace

void Form1::Form_Load()
{
    std::string folder = programFolder_.empty() ? ProgramFolder() : programFolder_;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    state.AppFolder = folder;
    // The Open dialog's initial folder is AppFolder + "Puzzles", formed when it opens.

    switch (LanguageOf(ReadSmallFile(LangIni(*this), 1))) {
    case Dutch: MMnederlands_Click(); break;
    case Italian: MMitaliano_Click(); break;
    default: MMenglish_Click(); break;
    }

    ShowPicture(*MuisL, state.AppFolder + "mouse1.dat");
    ShowPicture(*MuisR, state.AppFolder + "mouse2.dat");

    state.RecentFiles.fill(std::string());
    ReadRecent(*this);
    RefreshRecent(*this);

    PaintChooser(*KiezerL, state.AppFolder);
    KiezerSet();
}

void Form1::Form_Unload()
{
    StoreLanguage(LangIni(*this), state.Language);
    Tag = QStringLiteral("CLOSE");
    if (form2 != nullptr) {
        // With the Tag set, the solution window lets itself be closed for good.
        form2->close();
        delete form2;
        form2 = nullptr;
    }
}

}  // namespace grizzet
