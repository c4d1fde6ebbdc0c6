// Fuzz target: the "recent.ini" reader and writer.
#include "shell/SettingsFiles.h"

#include <cstdlib>

using namespace grizzet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const RecentEntries entries = RecentEntriesOf(bytes);
    std::size_t stored = 0;
    for (const std::string& entry : entries) {
        if (entry.size() > MaxStoredPath)
            std::abort();
        stored += 1 + entry.size();
    }
    if (stored > size + RecentCount)
        std::abort();
    // Writing the list and reading it back gives the same list, every time.
    const std::string written = RecentIniOf(entries);
    if (RecentEntriesOf(written) != entries || RecentEntriesOf(bytes) != entries)
        std::abort();
    if (written.size() != stored)
        std::abort();
    return 0;
}
