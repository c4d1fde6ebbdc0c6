// Clues and colour sets written as text for the solver's tests; pictures as
// in support/Art.h.
#pragma once

#include "solver/Solver.h"
#include "support/Art.h"

#include <functional>
#include <vector>

namespace grizzet::test {

// The runs of a line of colour numbers.
LineClues RunsOfLine(const std::vector<int>& colours);
// Runs written as "2k 1r 3k"; an empty text is a line without runs.
LineClues RunsOfText(const QString& text);
PuzzleClues CluesOfGrid(const Grid& grid, int width, int height);
PuzzleClues CluesOfArt(const QStringList& rows);

bool SameRuns(const LineClues& a, const LineClues& b);
// Does the picture give exactly these clues?
bool Fits(const PuzzleClues& clues, const Grid& grid);

// A colour set as letters in colour-number order ("k." = black or white),
// and back; "?" is every colour, "-" none.
QString TextOfSet(ColourSet set);
ColourSet SetOfText(const QString& text);

// Every line of the length whose cells take the palette's colours (letters).
void ForEachLine(const QString& palette, int length, const std::function<void(const std::vector<int>&)>& visit);

}  // namespace grizzet::test
