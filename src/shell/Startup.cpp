// Start-up and shutdown of the main window: the program folder, the stored
// language, the mouse pictures, the recent list and the chooser.
#include "shell/Form1.h"

#include "model/FileSource.h"
#include "model/PickText.h"
#include "model/SettingsFiles.h"
#include "platform/Artwork.h"
#include "platform/Files.h"
#include "play/Chooser.h"
#include "solution/Form2.h"

#include <QLabel>

#include <filesystem>
#include <system_error>

namespace grizzet {

namespace {

// What a link's "lang.ini" keeps after its first byte, at most.
constexpr std::size_t MaxLangBytes = 1024 * 1024;

std::string LangIni(const std::string& appFolder) { return appFolder + "lang.ini"; }

void ShowPicture(QLabel& mouse, const std::string& path)
{
    const QImage picture = ReadPicture(path);
    if (!picture.isNull())
        mouse.setPixmap(PictureAtScale(picture, mouse.devicePixelRatioF()));
}

// Writes the language as the first byte of "lang.ini". An ordinary file gets
// it in place, so what follows stays whatever its size. A missing file is
// created, and a link is replaced by a file, never written through, so the
// file it names stays as it was. Anything else at the name is left alone, and
// a failed write is silent.
void StoreLanguage(const std::string& path, std::uint8_t language)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    if (std::filesystem::is_regular_file(status))
        WriteFirstByte(path, static_cast<char>(language));
    else if (!std::filesystem::exists(status) || std::filesystem::is_symlink(status))
        ReplaceFile(path, LangIniOf(ReadSmallFile(path, MaxLangBytes).value_or(""), language));
}

}  // namespace

void Form1::Form_Load()
{
    std::string folder = programFolder_.empty() ? ProgramFolder() : programFolder_;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    state.AppFolder = folder;
    // The Open dialog's initial folder is AppFolder + "Puzzles", formed when it opens.

    switch (LanguageOf(ReadSmallFile(LangIni(state.AppFolder), 1))) {
    case Dutch: MMnederlands_Click(); break;
    case Italian: MMitaliano_Click(); break;
    default: MMenglish_Click(); break;
    }

    ShowArtwork();

    state.RecentFiles = RecentList();
    ReadRecent();
    RefreshRecent();

    PaintChooser(*KiezerL, state.AppFolder);
    KiezerSet();
}

void Form1::ShowArtwork()
{
    ShowPicture(*MuisL, state.AppFolder + "mouse1.dat");
    ShowPicture(*MuisR, state.AppFolder + "mouse2.dat");
    Picture1->SetCustomPointer(PointerOf(QStringLiteral(":/hand.png"), {7, 13}, Picture1->devicePixelRatioF()));
    HetVeld->SetCustomPointer(PointerOf(QStringLiteral(":/pencil.png"), {11, 20}, HetVeld->devicePixelRatioF()));
}

void Form1::Form_Unload()
{
    StoreLanguage(LangIni(state.AppFolder), state.Language);
    Tag = FormTag::Closing;
    if (form2 != nullptr) {
        // With the window closing, the solution window lets itself be closed for good.
        form2->close();
        delete form2;
        form2 = nullptr;
    }
}

}  // namespace grizzet
