#include "solver_helpers.h"

namespace grizzet::test {

LineClues RunsOfLine(const std::vector<int>& colours)
{
    LineClues line;
    const int length = static_cast<int>(colours.size());
    for (int i = 0, end = 0; i < length; i = end) {
        for (end = i + 1; end < length && colours[end] == colours[i];)
            ++end;
        if (colours[i] != White)
            line.runs[line.count++] = Run{static_cast<std::uint8_t>(colours[i]), static_cast<std::uint8_t>(end - i)};
    }
    return line;
}

LineClues RunsOfText(const QString& text)
{
    LineClues line;
    for (const QString& token : text.split(' ', Qt::SkipEmptyParts))
        line.runs[line.count++] =
            Run{static_cast<std::uint8_t>(ColourOf(token.back())), static_cast<std::uint8_t>(token.chopped(1).toInt())};
    return line;
}

PuzzleClues CluesOfGrid(const Grid& grid, int width, int height)
{
    PuzzleClues clues;
    clues.width = width;
    clues.height = height;
    for (int y = 0; y < height; ++y) {
        std::vector<int> row;
        for (int x = 0; x < width; ++x)
            row.push_back(grid(x, y));
        clues.rows[y] = RunsOfLine(row);
    }
    for (int x = 0; x < width; ++x) {
        std::vector<int> column;
        for (int y = 0; y < height; ++y)
            column.push_back(grid(x, y));
        clues.cols[x] = RunsOfLine(column);
    }
    return clues;
}

PuzzleClues CluesOfArt(const QStringList& rows)
{
    return CluesOfGrid(GridOf(rows), static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
}

bool SameRuns(const LineClues& a, const LineClues& b)
{
    for (int k = 0; k < a.count; ++k)
        if (a.runs[k].colour != b.runs[k].colour || a.runs[k].length != b.runs[k].length)
            return false;
    return a.count == b.count;
}

bool Fits(const PuzzleClues& clues, const Grid& grid)
{
    const PuzzleClues own = CluesOfGrid(grid, clues.width, clues.height);
    for (int y = 0; y < clues.height; ++y)
        if (!SameRuns(clues.rows[y], own.rows[y]))
            return false;
    for (int x = 0; x < clues.width; ++x)
        if (!SameRuns(clues.cols[x], own.cols[x]))
            return false;
    return true;
}

QString TextOfSet(ColourSet set)
{
    QString text;
    for (int c = 0; c < ColourCount; ++c)
        if ((set >> c) & 1)
            text += QStringLiteral("k.rbygmc")[c];
    return text;
}

ColourSet SetOfText(const QString& text)
{
    if (text == "?")
        return AllColours;
    ColourSet set = 0;
    for (QChar letter : text)
        if (letter != '-')
            set = static_cast<ColourSet>(set | OneColour(ColourOf(letter)));
    return set;
}

void ForEachLine(const QString& palette, int length, const std::function<void(const std::vector<int>&)>& visit)
{
    std::vector<int> line(static_cast<std::size_t>(length));
    int combinations = 1;
    for (int i = 0; i < length; ++i)
        combinations *= static_cast<int>(palette.size());
    for (int code = 0; code < combinations; ++code) {
        for (int i = 0, rest = code; i < length; ++i, rest /= static_cast<int>(palette.size()))
            line[i] = ColourOf(palette[rest % palette.size()]);
        visit(line);
    }
}

}  // namespace grizzet::test
