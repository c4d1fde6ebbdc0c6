// The line solver: which colours each cell of one line can still take, given
// the line's runs.
#pragma once

#include <cstdint>

namespace grizzet {

// Bit c set: colour number c is still possible for the cell.
using ColourSet = std::uint8_t;
constexpr ColourSet AllColours = 0xFF;
constexpr ColourSet OneColour(int colour) { return static_cast<ColourSet>(1u << colour); }

struct Run {
    std::uint8_t colour;  // never 1, the background
    std::uint8_t length;  // at least 1
};

constexpr int MaxLine = 50;

// Narrows cells[0 .. length-1] to the colours that some placement of the runs
// allows: runs in order, each of its own colour, two neighbouring runs of one
// colour at least one background cell apart, every other cell background.
// Returns false, leaving cells untouched, when no placement fits at all.
// Work: O(length * runs + length * colours).
bool SolveLine(const Run* runs, int runCount, int length, ColourSet* cells);

}  // namespace grizzet
