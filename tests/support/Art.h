// Pictures written as text, one character a cell: a colour number 0 to 7, or
// a letter: k (or #) black, . white, r red, b blue, y yellow, g green,
// m magenta, c cyan.
#pragma once

#include "model/PuzzleState.h"

#include <QByteArray>
#include <QStringList>

namespace grizzet::test {

// The colour number of a character, -1 for any other.
int ColourOf(QChar cell);
// A picture into a grid, white outside it.
Grid GridOf(const QStringList& rows);
// A grid's corner as rows of letters.
QStringList ArtOf(const Grid& grid, int width, int height);
// The picture and its size into the state, as a load leaves them.
void SetPicture(PuzzleState& state, const QStringList& rows);

// The picture as a plain Netpbm file: "P1" when it is black and white only,
// otherwise "P3" with maximum 1.
QByteArray PictureFile(const QStringList& rows);
void WriteFile(const QString& path, const QByteArray& bytes);

}  // namespace grizzet::test
