// The one puzzle held in memory, with the shared settings of the game.
// Every grid has room for 50 by 50 cells and every line for 51 clues,
// whatever the size of the loaded picture: a load allocates nothing.
#pragma once

#include "model/RecentList.h"

#include <array>
#include <cstdint>
#include <string>

namespace grizzet {

constexpr int MaxSide = 50;     // cells a line, at most
constexpr int ClueSlots = 51;   // clue slots a line

// Colour numbers of the picture; swatch numbers are these plus one.
enum Colour : std::uint8_t {
    Black = 0, White = 1, Red = 2, Blue = 3, Yellow = 4, Green = 5, Magenta = 6, Cyan = 7
};
constexpr int ColourCount = 8;

// Display colour of a colour number, as 0xRRGGBB.
constexpr std::array<std::uint32_t, ColourCount> DisplayColour = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x00FFFF};

// A table of bytes indexed (first, second); element (a, b) lies at a + 50 * b,
// the first index running fastest, as the picture file's pixels do.
template <int Second>
struct ByteTable {
    std::array<std::uint8_t, MaxSide * Second> cells{};

    std::uint8_t& operator()(int a, int b) { return cells[a + MaxSide * b]; }
    std::uint8_t operator()(int a, int b) const { return cells[a + MaxSide * b]; }
    void Fill(std::uint8_t value) { cells.fill(value); }
};

using Grid = ByteTable<MaxSide>;        // indexed (column, row)
using ClueTable = ByteTable<ClueSlots>; // indexed (line, slot)

struct PuzzleState {
    // The picture, written only by the reader.
    std::int16_t PuzzleWidth = 0;
    std::int16_t PuzzleHeight = 0;
    Grid Solution{};          // colour number of every cell
    std::string PuzzleName;

    // The player's work: swatch number of every cell, 0 = nothing put.
    Grid PlayerGrid{};

    // The clues, written only by DeriveClues.
    ClueTable RowClueLength{};
    ClueTable ColClueLength{};
    ClueTable RowClueColour{};
    ClueTable ColClueColour{};
    std::array<std::uint8_t, MaxSide> RowClueCount{};
    std::array<std::uint8_t, MaxSide> ColClueCount{};

    std::int16_t PuzzleSolved = 0;  // -1 once the solved message was given
    std::int16_t CellSize = 0;      // cell edge in points; 0 until the first layout
    std::uint8_t MaxRowClues = 0;
    std::uint8_t MaxColClues = 0;

    // Settings and the shell's shared values.
    std::string AppFolder;          // the program's folder, ending in "/"
    std::uint8_t Language = 0;      // 0 English, 1 Dutch, 2 Italian
    RecentList RecentFiles;
    std::array<std::uint8_t, 2> ButtonColour{};  // swatch of the left and the right button
    float MaxSizerLeft = 0;         // free area of the maximised window, in points
    float MaxSizerBottomTop = 0;
    float BoardMaxWidth = 0;        // limits the board layout fits into, in points
    float BoardMaxHeight = 0;
};

}  // namespace grizzet
