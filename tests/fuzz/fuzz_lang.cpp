// Fuzz target: the "lang.ini" reader and writer.
#include "model/SettingsFiles.h"

#include <cstdlib>

using namespace grizzet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // A first byte that names no language, or none at all, means English.
    bool good = LanguageOf(bytes) == (size > 0 && data[0] <= 2 ? data[0] : 0);
    // The language goes into the first byte; whatever followed it stays.
    for (std::uint8_t chosen = 0; chosen <= 2; ++chosen)
        good = good && LangIniOf(bytes, chosen) == std::string(1, char(chosen)) + bytes.substr(std::min<std::size_t>(1, size));
    if (!good)
        std::abort();
    return 0;
}
