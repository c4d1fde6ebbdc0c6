// The reader's messages, picked in the puzzle's language when they are shown.
#pragma once

#include "model/LoadPuzzle.h"

#include <cstdint>
#include <string>

namespace grizzet {

LoadMessage InvalidFileMessage(std::uint8_t language, const std::string& path);
LoadMessage TooWideMessage(std::uint8_t language, int width);
LoadMessage TooHighMessage(std::uint8_t language, int height);
LoadMessage ColoursMessage(std::uint8_t language);
LoadMessage OpenErrorMessage(std::uint8_t language, const std::string& path);

}  // namespace grizzet
