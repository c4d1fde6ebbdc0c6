// The author's reading of a Netpbm file, for the tools that explain and
// convert pictures: the numbers as their author meant them (a comment ends
// a number, however many comment lines follow), a plain PBM's digits one by
// one, 16-bit samples, and grey levels ("P2", "P5"). The game reads the same
// bytes with ReadNumber and the raster of Raster.h.
#pragma once

#include "model/Netpbm.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grizzet {

// Two numbers the game reads as one: a comment right after the first, and
// only comment lines up to the second.
struct NetpbmJoin {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    std::uint64_t read = 0;  // what the game reads
    bool chained = false;    // more than one comment line between them
};

struct AuthorPicture {
    char kind = 0;  // the digit after "P", '1' to '6'; 0 when the file is no Netpbm picture
    // As written; nothing where the file ends first. A bitmap's maximum is 1.
    std::optional<std::uint64_t> width, height, maximum;
    std::optional<NetpbmJoin> join;  // the first such pair in the file
    bool digitsJoined = false;       // a plain PBM's 0 and 1 written without blanks
    // With colours asked for: the colour number of each pixel by
    // ColourOfSamples, row by row; otherwise the raster is read only as far
    // as the numbers above need.
    std::vector<std::uint8_t> colours;
    // With colours asked for: why the picture cannot be converted, or empty.
    std::string problem;
};

// Pictures with more pixels than this are refused, so memory stays bounded.
constexpr std::uint64_t MostAuthorPixels = 16 * 1024 * 1024;

AuthorPicture ReadAuthorPicture(ByteSource& source, bool withColours);

}  // namespace grizzet
