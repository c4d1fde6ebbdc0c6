// Fuzz target: the "recent.ini" reader and writer.
#include "model/RecentList.h"

#include <cstdlib>

using namespace grizzet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const RecentList list = RecentList::Read(std::string(reinterpret_cast<const char*>(data), size));
    std::size_t stored = 0;
    for (int i = 0; i < RecentCount; ++i)
        stored += list[i].size() <= MaxStoredPath ? 1 + list[i].size() : size + RecentCount + 1;
    // Nothing is made up, and writing the list and reading it back gives the same list.
    const std::string written = list.Ini();
    if (stored > size + RecentCount || written.size() != stored || !(RecentList::Read(written) == list))
        std::abort();
    return 0;
}
