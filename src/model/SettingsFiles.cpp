#include "model/SettingsFiles.h"

#include "model/PickText.h"

namespace grizzet {

std::string ProgramFolderOf(const std::string& executable)
{
    std::string folder = executable.substr(0, executable.rfind('/') + 1);
    while (folder.size() > 1 && folder[folder.size() - 2] == '/')
        folder.pop_back();
    return folder.empty() ? "/" : folder;
}

std::uint8_t LanguageOf(const std::optional<std::string>& langIni)
{
    if (!langIni || langIni->empty())
        return English;
    const auto value = static_cast<std::uint8_t>((*langIni)[0]);
    return value <= Italian ? value : static_cast<std::uint8_t>(English);
}

std::string LangIniOf(std::string oldLangIni, std::uint8_t language)
{
    if (oldLangIni.empty())
        oldLangIni.resize(1);
    oldLangIni[0] = static_cast<char>(language);
    return oldLangIni;
}

RecentEntries RecentEntriesOf(const std::string& recentIni)
{
    RecentEntries entries{};
    std::size_t at = 0;
    for (std::string& entry : entries) {
        if (at >= recentIni.size())
            break;
        const std::size_t length = static_cast<unsigned char>(recentIni[at++]);
        if (at + length > recentIni.size())
            break;
        entry = recentIni.substr(at, length);
        at += length;
    }
    return entries;
}

std::string RecentIniOf(const RecentEntries& entries)
{
    std::string bytes;
    for (const std::string& entry : entries) {
        bytes += static_cast<char>(static_cast<unsigned char>(entry.size()));
        bytes += entry;
    }
    return bytes;
}

}  // namespace grizzet
