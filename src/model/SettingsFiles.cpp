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

}  // namespace grizzet
