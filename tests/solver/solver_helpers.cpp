#include "solver_helpers.h"

#include <QStringView>

namespace grizzet::test {

namespace {
const QString Letters = QStringLiteral("k.rbygmc");
}

int ColourOfLetter(QChar letter)
{
    if (letter == QLatin1Char('#'))
        return Black;
    return static_cast<int>(Letters.indexOf(letter));
}

QChar LetterOfColour(int colour)
{
    return colour >= 0 && colour < ColourCount ? Letters.at(colour) : QLatin1Char('?');
}

Grid GridOfArt(const QStringList& rows)
{
    Grid grid;
    grid.Fill(White);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            grid(x, y) = static_cast<std::uint8_t>(ColourOfLetter(rows[y][x]));
    return grid;
}

QStringList ArtOfGrid(const Grid& grid, int width, int height)
{
    QStringList rows;
    for (int y = 0; y < height; ++y) {
        QString row;
        for (int x = 0; x < width; ++x)
            row += LetterOfColour(grid(x, y));
        rows << row;
    }
    return rows;
}

LineClues RunsOfLine(const int* colours, int length)
{
    LineClues line;
    for (int i = 0; i < length;) {
        if (colours[i] == White) {
            ++i;
            continue;
        }
        int end = i;
        while (end < length && colours[end] == colours[i])
            ++end;
        line.runs[static_cast<std::size_t>(line.count++)] =
            Run{static_cast<std::uint8_t>(colours[i]), static_cast<std::uint8_t>(end - i)};
        i = end;
    }
    return line;
}

LineClues RunsOfText(const QString& text)
{
    LineClues line;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int colour = ColourOfLetter(token.back());
        const int length = token.chopped(1).toInt();
        line.runs[static_cast<std::size_t>(line.count++)] =
            Run{static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(length)};
    }
    return line;
}

PuzzleClues CluesOfGrid(const Grid& grid, int width, int height)
{
    PuzzleClues clues;
    clues.width = width;
    clues.height = height;
    int line[MaxSide];
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            line[x] = grid(x, y);
        clues.rows[static_cast<std::size_t>(y)] = RunsOfLine(line, width);
    }
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y)
            line[y] = grid(x, y);
        clues.cols[static_cast<std::size_t>(x)] = RunsOfLine(line, height);
    }
    return clues;
}

PuzzleClues CluesOfArt(const QStringList& rows)
{
    return CluesOfGrid(GridOfArt(rows), rows.isEmpty() ? 0 : static_cast<int>(rows[0].size()),
                       static_cast<int>(rows.size()));
}

bool SameRuns(const LineClues& a, const LineClues& b)
{
    if (a.count != b.count)
        return false;
    for (int k = 0; k < a.count; ++k) {
        const Run& p = a.runs[static_cast<std::size_t>(k)];
        const Run& q = b.runs[static_cast<std::size_t>(k)];
        if (p.colour != q.colour || p.length != q.length)
            return false;
    }
    return true;
}

bool Fits(const PuzzleClues& clues, const Grid& grid)
{
    const PuzzleClues own = CluesOfGrid(grid, clues.width, clues.height);
    for (int y = 0; y < clues.height; ++y)
        if (!SameRuns(clues.rows[static_cast<std::size_t>(y)], own.rows[static_cast<std::size_t>(y)]))
            return false;
    for (int x = 0; x < clues.width; ++x)
        if (!SameRuns(clues.cols[static_cast<std::size_t>(x)], own.cols[static_cast<std::size_t>(x)]))
            return false;
    return true;
}

QString TextOfSet(ColourSet set)
{
    QString text;
    for (int c = 0; c < ColourCount; ++c)
        if ((set >> c) & 1)
            text += LetterOfColour(c);
    return text;
}

ColourSet SetOfText(const QString& text)
{
    if (text == QLatin1String("?"))
        return AllColours;
    ColourSet set = 0;
    if (text == QLatin1String("-"))
        return set;
    for (QChar letter : text)
        set = static_cast<ColourSet>(set | OneColour(ColourOfLetter(letter)));
    return set;
}

}  // namespace grizzet::test
