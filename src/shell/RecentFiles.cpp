// The recent-files list. Paths are kept as the file system's bytes, so any
// name the Open dialog can give is stored and found again unchanged.
#include "shell/RecentFiles.h"

#include "model/FileSource.h"
#include "model/LoadPuzzle.h"
#include "model/SettingsFiles.h"
#include "model/Utf8.h"
#include "platform/Files.h"
#include "shell/Form1.h"

#include <QAction>
#include <QFile>

#include <algorithm>
#include <optional>
#include <vector>

namespace grizzet {

namespace {

std::string RecentIni(const Form1& form) { return form.state.AppFolder + "recent.ini"; }

// The path upper-cased one character for one, so that two entries meet only
// when they differ in letter case alone; a byte that is no UTF-8 stays
// itself, beyond every character.
std::u32string CaseKey(const std::string& path)
{
    std::u32string key;
    for (std::string_view rest = path; !rest.empty();) {
        const Utf8Char c = FirstUtf8Char(rest);
        if (c.length == 0) {
            key += static_cast<char32_t>(0x110000 + static_cast<unsigned char>(rest[0]));
            rest.remove_prefix(1);
        } else {
            key += QChar::toUpper(c.code);
            rest.remove_prefix(c.length);
        }
    }
    return key;
}

// Keeps, in their order, the entries that name an existing file, each at its
// first appearance regardless of case; the free places follow them.
void CleanRecent(std::array<std::string, RecentCount>& entries)
{
    std::array<std::string, RecentCount> kept{};
    std::vector<std::u32string> seen;
    std::size_t count = 0;
    for (const std::string& entry : entries) {
        if (entry.empty() || entry.size() > MaxStoredPath || !IsOrdinaryFile(entry))
            continue;
        std::u32string key = CaseKey(entry);
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            continue;
        seen.push_back(std::move(key));
        kept[count++] = entry;
    }
    entries = kept;
}

// The file's name without its folder, cut before its last dot.
QString DisplayName(const std::string& entry)
{
    return QFile::decodeName(QByteArray::fromStdString(PuzzleNameOf(entry)));
}

}  // namespace

void ReadRecent(Form1& form)
{
    const std::optional<std::string> bytes = ReadSmallFile(RecentIni(form), RecentFileMax);
    if (!bytes)
        return;
    form.state.RecentFiles = RecentEntriesOf(*bytes);
}

void RefreshRecent(Form1& form)
{
    auto& entries = form.state.RecentFiles;
    CleanRecent(entries);

    for (int i = 0; i < RecentCount; ++i) {
        form.MMrecent[i]->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1), DisplayName(entries[i])));
        form.MMrecent[i]->setVisible(!entries[i].empty());
    }
    form.MMlijn2->setVisible(form.MMrecent[0]->isVisible());

    // Rewritten every time; where the folder cannot be written the list
    // simply lives on in memory for this run.
    ReplaceFile(RecentIni(form), RecentIniOf(entries));
}

void AddRecent(Form1& form, const std::string& path)
{
    auto& entries = form.state.RecentFiles;
    const std::string pushedOut = entries[RecentCount - 1];
    for (int i = RecentCount - 1; i > 0; --i)
        entries[i] = entries[i - 1];
    entries[0] = path;
    // The clean-up made room (an older copy of the path went): the entry
    // pushed out comes back at the end. Cleaning before the refresh saves the
    // file once, not twice: each save waits for the disk.
    CleanRecent(entries);
    if (entries[RecentCount - 1].empty())
        entries[RecentCount - 1] = pushedOut;
    RefreshRecent(form);
}

void Form1::MMrecent_Click(int index)
{
    LoadPuzzle(state.RecentFiles[index]);
}

}  // namespace grizzet
