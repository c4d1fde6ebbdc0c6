// The five most recently opened files, newest first, with the rules that keep
// the list and the bytes of "recent.ini". Paths are the file system's bytes.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace grizzet {

constexpr int RecentCount = 5;
// One length byte per entry in "recent.ini": longer paths cannot be stored.
constexpr std::size_t MaxStoredPath = 255;
constexpr std::size_t RecentFileMax = RecentCount * (1 + MaxStoredPath);

// What the list asks of the system it runs on.
struct PathLookup {
    // Does the path name an existing ordinary file?
    std::function<bool(const std::string&)> isFile;
    // The character in upper case, as the system's letter case has it.
    std::function<char32_t(char32_t)> upper;
};

class RecentList {
public:
    // The entries of "recent.ini"; a file that ends early leaves the entries
    // it no longer holds empty, and bytes after the fifth are ignored.
    static RecentList Read(const std::string& recentIni);
    // The file for the list: a length byte and the path's bytes, five times.
    std::string Ini() const;

    // Keeps, in their order, the entries that name an existing file and fit
    // their length byte, each at its first appearance whatever its letter
    // case; the free places follow them.
    void Clean(const PathLookup& lookup);
    // Puts the path on top and cleans the list; when that made room (an older
    // copy of the path went), the entry pushed out comes back at the end.
    void Add(const std::string& path, const PathLookup& lookup);

    const std::string& operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }
    bool operator==(const RecentList& other) const { return entries_ == other.entries_; }

private:
    std::array<std::string, RecentCount> entries_{};
};

}  // namespace grizzet
