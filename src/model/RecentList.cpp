#include "model/RecentList.h"

#include "model/Utf8.h"

#include <algorithm>
#include <vector>

namespace grizzet {

namespace {

// The path upper-cased one character for one, so that two entries meet only
// when they differ in letter case alone; a byte that is no UTF-8 stays
// itself, beyond every character.
std::u32string CaseKey(const std::string& path, const PathLookup& lookup)
{
    std::u32string key;
    for (std::string_view rest = path; !rest.empty();) {
        const Utf8Char c = FirstUtf8Char(rest);
        if (c.length == 0) {
            key += static_cast<char32_t>(0x110000 + static_cast<unsigned char>(rest[0]));
            rest.remove_prefix(1);
        } else {
            key += lookup.upper(c.code);
            rest.remove_prefix(c.length);
        }
    }
    return key;
}

}  // namespace

RecentList RecentList::Read(const std::string& recentIni)
{
    RecentList list;
    std::size_t at = 0;
    for (std::string& entry : list.entries_) {
        if (at >= recentIni.size())
            break;
        const std::size_t length = static_cast<unsigned char>(recentIni[at++]);
        if (at + length > recentIni.size())
            break;
        entry = recentIni.substr(at, length);
        at += length;
    }
    return list;
}

std::string RecentList::Ini() const
{
    std::string bytes;
    for (const std::string& entry : entries_) {
        bytes += static_cast<char>(static_cast<unsigned char>(entry.size()));
        bytes += entry;
    }
    return bytes;
}

void RecentList::Clean(const PathLookup& lookup)
{
    std::array<std::string, RecentCount> kept{};
    std::vector<std::u32string> seen;
    std::size_t count = 0;
    for (const std::string& entry : entries_) {
        if (entry.empty() || entry.size() > MaxStoredPath || !lookup.isFile(entry))
            continue;
        std::u32string key = CaseKey(entry, lookup);
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            continue;
        seen.push_back(std::move(key));
        kept[count++] = entry;
    }
    entries_ = kept;
}

void RecentList::Add(const std::string& path, const PathLookup& lookup)
{
    const std::string pushedOut = entries_.back();
    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_.front() = path;
    Clean(lookup);
    if (entries_.back().empty()) {
        entries_.back() = pushedOut;
        Clean(lookup);
    }
}

}  // namespace grizzet
