// Pictures as authors draw them, turned into puzzles: read from any file Qt
// reads or from Netpbm by the author's reading (16-bit samples and
// unseparated plain digits too), reduced to the eight colours by the game's
// own rule, and written as the game reads them without a notice.
#pragma once

#include "model/PuzzleState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grizzet {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> colours;  // colour numbers, row by row
    std::string problem;                // why it cannot be read; empty when it was
};

// The picture in a file, each pixel reduced: each channel lit from half the
// maximum, a see-through pixel counting as the white background.
Picture ReadAnyPicture(const std::string& path);

// A smaller picture of at most MaxSide by MaxSide, by nearest neighbours.
Picture ScaledToFit(const Picture& picture);

}  // namespace grizzet
