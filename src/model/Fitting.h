// Fitting the board into the free area: the clue font size and the cell size.
// "across" is the row clue band plus the field in cells (R + W), "down" the
// column clue band plus the field (K + H). The one width of "10 " serves both
// directions, since cells are square.
#pragma once

#include <functional>

namespace grizzet {

constexpr int SmallestClueFont = 5;
constexpr int LargestClueFont = 72;
constexpr int SmallestCellSize = 3;

// The largest size from 6 up, before the first that does not fit, whose
// width of "10 " leaves the board strictly inside the free area (with 3
// points to spare below); 5 when not even 6 fits.
int ClueFontSize(const std::function<float(int points)>& widthOfTen, int across, int down, float maxWidth,
                 float maxHeight);

// The cell edge from the width of "10 " at the chosen font, made smaller
// until the board fits, but never below 3.
int CellSizeFor(float widthOfTen, int across, int down, float maxWidth, float maxHeight);

}  // namespace grizzet
