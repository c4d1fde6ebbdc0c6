// Pictures written as text, one character a cell: a colour number 0 to 7, or
// a letter: k (or #) black, . white, r red, b blue, y yellow, g green,
// m magenta, c cyan.
#pragma once

#include "model/PuzzleState.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <algorithm>

namespace grizzet::test {

// The colour number of a character, -1 for any other.
inline int ColourOf(QChar cell)
{
    if (cell >= '0' && cell <= '7')
        return cell.digitValue();
    return cell == '#' ? Black : static_cast<int>(QStringLiteral("k.rbygmc").indexOf(cell));
}

// A picture into a grid, white outside it.
inline Grid GridOf(const QStringList& rows)
{
    Grid grid;
    grid.Fill(White);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            grid(x, y) = static_cast<std::uint8_t>(ColourOf(rows[y][x]));
    return grid;
}

// A grid's corner as rows of letters.
inline QStringList ArtOf(const Grid& grid, int width, int height)
{
    QStringList rows;
    for (int y = 0; y < height; ++y) {
        QString row;
        for (int x = 0; x < width; ++x)
            row += grid(x, y) < ColourCount ? QStringLiteral("k.rbygmc")[grid(x, y)] : QChar('?');
        rows << row;
    }
    return rows;
}

// The picture and its size into the state, as a load leaves them.
inline void SetPicture(PuzzleState& state, const QStringList& rows)
{
    state.Solution = GridOf(rows);
    state.PuzzleHeight = static_cast<std::int16_t>(rows.size());
    state.PuzzleWidth = static_cast<std::int16_t>(rows.isEmpty() ? 0 : rows[0].size());
}

// The picture as a plain Netpbm file: "P1" when it is black and white only,
// otherwise "P3" with maximum 1.
inline QByteArray PictureFile(const QStringList& rows)
{
    const QString art = rows.join(QString());
    const bool pbm = std::all_of(art.begin(), art.end(), [](QChar cell) { return ColourOf(cell) <= White; });
    QString bytes = QString(pbm ? "P1 %1 %2\n" : "P3 %1 %2 1\n").arg(rows[0].size()).arg(rows.size());
    for (QChar cell : art) {
        const std::uint32_t rgb = DisplayColour[ColourOf(cell)];
        bytes += pbm ? QString(rgb == 0 ? "1 " : "0 ") : QString("%1 %2 %3  ").arg(rgb >> 16 & 1).arg(rgb >> 8 & 1).arg(rgb & 1);
    }
    return bytes.toLatin1();
}

}  // namespace grizzet::test
