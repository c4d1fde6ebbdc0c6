// Colours and device pixels read back from the drawing surfaces' images.
#pragma once

#include "platform/Surface.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QRect>

#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace grizzet::test {

constexpr QRgb Rgb(int r, int g, int b) { return static_cast<QRgb>((r << 16) | (g << 8) | b); }
constexpr QRgb WhiteRgb = Rgb(255, 255, 255);
constexpr QRgb GridLineGrey = Rgb(64, 64, 64);    // grid lines, and the field's backdrop
constexpr QRgb EdgeDark = Rgb(32, 32, 32);    // edges after Show errors and in the solution
constexpr QRgb TickGrey = Rgb(128, 128, 128); // a ticked clue, and the rim of a dot
constexpr QRgb Orange = Rgb(255, 128, 64);
constexpr QRgb LightGrey = Rgb(192, 192, 192);

// Device pixels per logical pixel of the screen the windows open on: 1, or 2
// where the tests run again at 200 %.
inline double Ratio() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }

// The logical pixel of a point on a surface measuring in points, where mouse
// events go and widgets sit.
inline QPoint PixelOf(double x, double y)
{
    const double ppp = PixelsPerUnit(ScaleUnit::Point);
    return {static_cast<int>(std::nearbyint(x * ppp)), static_cast<int>(std::nearbyint(y * ppp))};
}

// The device pixel of such a point: a pixel of the surface's image.
inline QPoint DevicePixelOf(double x, double y) { return PixelOf(x * Ratio(), y * Ratio()); }

// The device pixels of cell (x, y) of a field or solution picture, both
// edges included.
inline QRect CellRect(int x, int y, int cellSize)
{
    return QRect(DevicePixelOf(x * cellSize, y * cellSize), DevicePixelOf((x + 1) * cellSize, (y + 1) * cellSize));
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

// The smallest rectangle around the pixels of the area that have one of the colours.
inline QRect BoundsOf(const QImage& image, const QRect& area, std::initializer_list<QRgb> colours)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (CountOf(image, QRect(x, y, 1, 1), colours) > 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A dot of `across` pixels in a square cell: round (the corners of its square
// are not the dot's, its middle is the core), a one-pixel grey rim around the
// core, centred alike across and down.
inline bool IsRoundDot(const QImage& image, const QRect& cell, QRgb core, int across)
{
    const QRect dot = BoundsOf(image, cell, {TickGrey, core});
    const auto is = [&](QPoint p, std::initializer_list<QRgb> colours) { return CountOf(image, {p, p}, colours) > 0; };
    for (const QPoint corner : {dot.topLeft(), dot.topRight(), dot.bottomLeft(), dot.bottomRight()})
        if (is(corner, {TickGrey, core}))
            return false;
    return dot.size() == QSize(across, across) && is(dot.center(), {core})
           && BoundsOf(image, cell, {core}) == dot.adjusted(1, 1, -1, -1)
           && dot.left() - cell.left() == dot.top() - cell.top()
           && std::abs(2 * dot.left() + across - cell.left() - cell.right()) <= 2;
}

}  // namespace grizzet::test
