// Colours and device pixels read back from the drawing surfaces' images.
#pragma once

#include "platform/Surface.h"

#include <QImage>
#include <QRect>

#include <cmath>
#include <initializer_list>

namespace grizzet::test {

constexpr QRgb Rgb(int r, int g, int b) { return static_cast<QRgb>((r << 16) | (g << 8) | b); }
constexpr QRgb WhiteRgb = Rgb(255, 255, 255);
constexpr QRgb GridGrey = Rgb(64, 64, 64);    // grid lines, and the field's backdrop
constexpr QRgb EdgeDark = Rgb(32, 32, 32);    // edges after Show errors and in the solution
constexpr QRgb TickGrey = Rgb(128, 128, 128); // a ticked clue, and the rim of a dot
constexpr QRgb Orange = Rgb(255, 128, 64);
constexpr QRgb LightGrey = Rgb(192, 192, 192);

// The device pixel of a point on a surface measuring in points.
inline QPoint PixelOf(double x, double y)
{
    const double ppp = PixelsPerUnit(ScaleUnit::Point);
    return {static_cast<int>(std::nearbyint(x * ppp)), static_cast<int>(std::nearbyint(y * ppp))};
}

// The device pixels of cell (x, y) of a field or solution picture, both
// edges included.
inline QRect CellRect(int x, int y, int cellSize)
{
    return QRect(PixelOf(x * cellSize, y * cellSize), PixelOf((x + 1) * cellSize, (y + 1) * cellSize));
}

// How many pixels of the area have one of the colours.
inline int CountOf(const QImage& image, const QRect& area, std::initializer_list<QRgb> colours)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            for (QRgb colour : colours)
                count += (image.pixel(x, y) & 0xFFFFFF) == colour;
    return count;
}

// The most pixels in one row of the area that have one of the colours.
inline int WidestRow(const QImage& image, const QRect& area, std::initializer_list<QRgb> colours)
{
    int widest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        widest = std::max(widest, CountOf(image, QRect(area.left(), y, area.width(), 1), colours));
    return widest;
}

}  // namespace grizzet::test
