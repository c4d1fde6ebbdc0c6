// Loading one file as the game does, without a window, and describing the
// outcome as one JSON object.
#pragma once

#include "checker/Json.h"
#include "model/LoadPuzzle.h"
#include "model/PuzzleState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grizzet {

struct CheckedFile {
    std::string path;
    bool loaded = false;
    int colours = 0;  // 2 or 8, as the chooser was set: 3 or 9 swatches
    std::vector<LoadMessage> messages;
    PuzzleState state;
};

CheckedFile CheckFile(const std::string& path, std::uint8_t language);

// "file", "loaded", "messages", and after a successful load the picture:
// "width", "height", "colours", "name", "solution", "rowClues",
// "columnClues", "maxRowClues", "maxColClues". More fields may follow.
JsonObject DescribeFile(const CheckedFile& checked);

}  // namespace grizzet
