// The byte format of "lang.ini" and the program folder, apart from any file.
#pragma once

#include "model/PuzzleState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace grizzet {

// The folder the settings files lie in, from the executable's resolved path:
// its folder, ending in exactly one "/", so the root folder is "/".
std::string ProgramFolderOf(const std::string& executable);

// The stored language; no file, an empty file or a value that names no
// language starts the game in English.
std::uint8_t LanguageOf(const std::optional<std::string>& langIni);
// The file holding the language as its first byte; what followed it stays.
std::string LangIniOf(std::string oldLangIni, std::uint8_t language);

}  // namespace grizzet
