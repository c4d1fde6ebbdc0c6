// The byte formats of "lang.ini" and "recent.ini", apart from any file.
#pragma once

#include "model/PuzzleState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace grizzet {

using RecentEntries = std::array<std::string, RecentCount>;

// One length byte per entry in "recent.ini": longer paths cannot be stored.
constexpr std::size_t MaxStoredPath = 255;
constexpr std::size_t RecentFileMax = RecentCount * (1 + MaxStoredPath);

// The folder the settings files lie in, from the executable's resolved path:
// its folder, ending in exactly one "/", so the root folder is "/".
std::string ProgramFolderOf(const std::string& executable);

// The stored language; no file, an empty file or a value that names no
// language starts the game in English.
std::uint8_t LanguageOf(const std::optional<std::string>& langIni);
// The file holding the language as its first byte; what followed it stays.
std::string LangIniOf(std::string oldLangIni, std::uint8_t language);

// The five entries of "recent.ini"; a file that ends early leaves the
// entries it no longer holds empty, and bytes after the fifth are ignored.
RecentEntries RecentEntriesOf(const std::string& recentIni);
// The file for the entries: a length byte and the path's bytes, five times.
// Entries must be at most MaxStoredPath bytes long.
std::string RecentIniOf(const RecentEntries& entries);

}  // namespace grizzet
