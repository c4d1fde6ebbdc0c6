// Fuzz target: the "lang.ini" reader and writer.
#include "shell/SettingsFiles.h"

#include <cstdlib>

using namespace grizzet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint8_t language = LanguageOf(bytes);
    if (language > 2 || LanguageOf(bytes) != language)
        std::abort();
    if (size > 0 && data[0] <= 2 && language != data[0])
        std::abort();
    for (std::uint8_t chosen = 0; chosen <= 2; ++chosen) {
        const std::string written = LangIniOf(bytes, chosen);
        // The language goes into the first byte; whatever followed it stays.
        if (LanguageOf(written) != chosen || written.size() != std::max<std::size_t>(size, 1) ||
            written.compare(1, std::string::npos, bytes, std::min<std::size_t>(1, size), std::string::npos) != 0)
            std::abort();
    }
    return 0;
}
