// Fuzz target: the "recent.ini" reader and writer.
#include "model/SettingsFiles.h"

#include <cstdlib>

using namespace grizzet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const RecentEntries entries = RecentEntriesOf(std::string(reinterpret_cast<const char*>(data), size));
    std::size_t stored = 0;
    for (const std::string& entry : entries)
        stored += entry.size() <= MaxStoredPath ? 1 + entry.size() : size + RecentCount + 1;
    // Nothing is made up, and writing the list and reading it back gives the same list.
    const std::string written = RecentIniOf(entries);
    if (stored > size + RecentCount || written.size() != stored || RecentEntriesOf(written) != entries)
        std::abort();
    return 0;
}
