// Pictures as authors draw them, turned into puzzles: read from any file Qt
// reads or from Netpbm (16-bit samples and unseparated plain digits too),
// reduced to the eight colours by the game's own rule, and written as the
// game reads them without a notice.
#pragma once

#include "model/PuzzleState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grizzet {

struct Picture {
    int width = 0;
    int height = 0;
    int maximum = 255;          // the largest sample value
    std::vector<int> samples;   // red, green, blue of each pixel, row by row
};

// The picture in a file, or nothing when neither reader takes it.
std::optional<Picture> ReadAnyPicture(const std::string& path);

// Colour numbers, row by row: each channel lit from half the maximum.
std::vector<std::uint8_t> ReduceColours(const Picture& picture);

// A smaller picture of at most MaxSide by MaxSide, by nearest neighbours.
Picture ScaledToFit(const Picture& picture);

// "P4" when only black and white are left, otherwise "P6" with maximum value 1.
std::string PuzzleFile(int width, int height, const std::vector<std::uint8_t>& colours);

}  // namespace grizzet
