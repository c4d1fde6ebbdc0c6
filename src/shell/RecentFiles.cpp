// The recent-files list. Paths are kept as the file system's bytes, so any
// name the Open dialog can give is stored and found again unchanged.
#include "shell/Form1.h"

#include "model/FileSource.h"
#include "model/LoadPuzzle.h"
#include "model/SettingsFiles.h"
#include "model/Utf8.h"
#include "platform/Files.h"

#include <QAction>
#include <QFile>

#include <algorithm>
#include <optional>
#include <vector>

namespace grizzet {

namespace {

std::string RecentIni(const std::string& appFolder) { return appFolder + "recent.ini"; }

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

void Form1::ReadRecent()
{
    const std::optional<std::string> bytes = ReadSmallFile(RecentIni(state.AppFolder), RecentFileMax);
    if (!bytes)
        return;
    state.RecentFiles = RecentEntriesOf(*bytes);
}

void Form1::RefreshRecent()
{
    auto& entries = state.RecentFiles;
    CleanRecent(entries);

    for (int i = 0; i < RecentCount; ++i) {
        MMrecent[i]->setText(QStringLiteral("&%1 %2").arg(QString::number(i + 1), DisplayName(entries[i])));
        MMrecent[i]->setVisible(!entries[i].empty());
    }
    MMlijn2->setVisible(MMrecent[0]->isVisible());

    // Rewritten every time; where the folder cannot be written the list
    // simply lives on in memory for this run.
    ReplaceFile(RecentIni(state.AppFolder), RecentIniOf(entries));
}

void Form1::AddRecent(const std::string& path)
{
    auto& entries = state.RecentFiles;
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
    RefreshRecent();
}

void Form1::MMrecent_Click(int index)
{
    LoadPuzzle(state.RecentFiles[index]);
}

}  // namespace grizzet
