#include "support/Art.h"

#include <QFile>
#include <QTest>

namespace grizzet::test {
namespace {
const QString Letters = QStringLiteral("k.rbygmc");
}

int ColourOf(QChar cell)
{
    if (cell >= QLatin1Char('0') && cell <= QLatin1Char('7'))
        return cell.digitValue();
    return cell == QLatin1Char('#') ? Black : static_cast<int>(Letters.indexOf(cell));
}

Grid GridOf(const QStringList& rows)
{
    Grid grid;
    grid.Fill(White);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            grid(x, y) = static_cast<std::uint8_t>(ColourOf(rows[y][x]));
    return grid;
}

QStringList ArtOf(const Grid& grid, int width, int height)
{
    QStringList rows;
    for (int y = 0; y < height; ++y) {
        QString row;
        for (int x = 0; x < width; ++x)
            row += grid(x, y) < ColourCount ? Letters[grid(x, y)] : QLatin1Char('?');
        rows << row;
    }
    return rows;
}

void SetPicture(PuzzleState& state, const QStringList& rows)
{
    state.Solution = GridOf(rows);
    state.PuzzleHeight = static_cast<std::int16_t>(rows.size());
    state.PuzzleWidth = static_cast<std::int16_t>(rows.isEmpty() ? 0 : rows[0].size());
}

QByteArray PictureFile(const QStringList& rows)
{
    const QString art = rows.join(QString());
    const bool blackAndWhite = std::all_of(art.begin(), art.end(), [](QChar c) { return ColourOf(c) <= White; });
    QByteArray bytes = blackAndWhite ? "P1\n" : "P3\n";
    bytes += QByteArray::number(rows[0].size()) + ' ' + QByteArray::number(rows.size())
             + (blackAndWhite ? "\n" : "\n1\n");
    for (const QString& row : rows) {
        for (QChar cell : row) {
            const std::uint32_t rgb = DisplayColour[ColourOf(cell)];
            bytes += blackAndWhite ? (rgb == 0 ? "1 " : "0 ")
                                   : QByteArray::number((rgb >> 16) & 1) + ' ' + QByteArray::number((rgb >> 8) & 1)
                                         + ' ' + QByteArray::number(rgb & 1) + "  ";
        }
        bytes += '\n';
    }
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace grizzet::test
