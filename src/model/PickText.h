// The pick among the English, Dutch and Italian versions of a text.
#pragma once

#include <cstdint>
#include <string>

namespace grizzet {

enum LanguageCode : std::uint8_t { English = 0, Dutch = 1, Italian = 2 };

// A foreign language value (only a stray "lang.ini" can give one) picks nothing.
inline std::string PickText(std::uint8_t language, std::string english, std::string dutch,
                            std::string italian)
{
    switch (language) {
    case English: return english;
    case Dutch: return dutch;
    case Italian: return italian;
    default: return {};
    }
}

}  // namespace grizzet
