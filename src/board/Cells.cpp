#include "board/Board.h"

#include "model/Field.h"
#include "platform/Surface.h"

namespace grizzet {

void DrawCellEdges(Surface& field, int column, int row, int cellSize, QRgb edge)
{
    const float x0 = static_cast<float>(column * cellSize);
    const float y0 = static_cast<float>(row * cellSize);
    const float c = static_cast<float>(cellSize);
    field.DrawBox(x0, y0, x0 + c, y0 + c, edge);
    if (column % 5 == 0)
        field.FillBox(x0, y0, x0 + 1, y0 + c, edge);
    if (row % 5 == 0)
        field.FillBox(x0, y0, x0 + c, y0 + 1, edge);
}

void DrawCell(Surface& field, int column, int row, int cellSize, QRgb fill, QRgb edge)
{
    const float x0 = static_cast<float>(column * cellSize);
    const float y0 = static_cast<float>(row * cellSize);
    field.FillBox(x0, y0, x0 + cellSize, y0 + cellSize, fill);
    DrawCellEdges(field, column, row, cellSize, edge);
}

void DrawCellDot(Surface& field, int column, int row, int cellSize, QRgb colour)
{
    const int width = DotWidth(cellSize);
    const float cx = static_cast<float>((column + 0.5) * cellSize);
    const float cy = static_cast<float>((row + 0.5) * cellSize);
    field.SetDrawWidth(width);
    field.DrawDot(cx, cy, qRgb(128, 128, 128));
    field.SetDrawWidth(width - 2);
    field.DrawDot(cx, cy, colour);
    field.SetDrawWidth(1);
}

QRgb SwatchColour(const Surface& chooser, int swatch)
{
    // The chooser is the palette: one pixel in from the swatch's top-left
    // corner. Below the swatches it shows (a shortened chooser keeps the
    // hidden swatches in its image) there is only the chooser's background.
    const QSize inner = chooser.PixelSize();
    const int y = swatch * inner.width() + 1;
    if (y >= inner.height())
        return chooser.BackColor() & 0xFFFFFF;
    return chooser.GetPixel(1, y);
}

ClueFrame ClueFrameOf(const Surface& field, ScaleUnit unit, float cell)
{
    return {field.Left(unit), field.Top(unit), field.Width(unit), field.Height(unit), cell};
}

}  // namespace grizzet
