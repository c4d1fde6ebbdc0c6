// Pictures and clues written as text for the solver's tests: one letter a
// cell, "." white, "k" (or "#") black, "r" red, "b" blue, "y" yellow,
// "g" green, "m" magenta, "c" cyan.
#pragma once

#include "solver/Solver.h"

#include <QString>
#include <QStringList>

namespace grizzet::test {

// Colour number of a letter, -1 for anything else.
int ColourOfLetter(QChar letter);
QChar LetterOfColour(int colour);

// A picture's rows as text into a grid (white outside it).
Grid GridOfArt(const QStringList& rows);
QStringList ArtOfGrid(const Grid& grid, int width, int height);

// The runs of a line of colour numbers.
LineClues RunsOfLine(const int* colours, int length);
// Runs written as "2k 1r 3k"; an empty text is a line without runs.
LineClues RunsOfText(const QString& text);

PuzzleClues CluesOfArt(const QStringList& rows);
PuzzleClues CluesOfGrid(const Grid& grid, int width, int height);

bool SameRuns(const LineClues& a, const LineClues& b);
// Does the picture give exactly these clues?
bool Fits(const PuzzleClues& clues, const Grid& grid);

// A colour set as letters in colour-number order ("k." = black or white),
// and back; "?" is every colour, "-" none.
QString TextOfSet(ColourSet set);
ColourSet SetOfText(const QString& text);

}  // namespace grizzet::test
