// Where a surface is and how big, in twips, points and the screen's device
// pixels: the units, the surface's place in its container, and the pixels a
// shape's corners fall on.
#include "platform/Surface.h"

#include "model/Rounding.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace grizzet {

double LogicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

double PixelsPerUnit(ScaleUnit unit, double dpi)
{
    switch (unit) {
    case ScaleUnit::Twip: return dpi / 1440.0;
    case ScaleUnit::Point: return dpi / 72.0;
    case ScaleUnit::Pixel: break;
    }
    return 1.0;
}

double PixelsPerUnit(ScaleUnit unit) { return PixelsPerUnit(unit, LogicalDpi()); }

int TwipsToPixels(double twips) { return Nearest(twips * PixelsPerUnit(ScaleUnit::Twip)); }

double PixelsToTwips(double pixels) { return pixels / PixelsPerUnit(ScaleUnit::Twip); }

namespace {

// The device pixels Qt shows a rectangle of a window on: a corner at half a
// pixel (at 150 %) goes to the next pixel.
QRect ShownPixels(const QRect& logical, double ratio)
{
    const auto shown = [ratio](int value) { return static_cast<int>(std::floor(value * ratio + 0.5)); };
    return QRect(QPoint(shown(logical.left()), shown(logical.top())),
                 QPoint(shown(logical.left() + logical.width()) - 1, shown(logical.top() + logical.height()) - 1));
}

}  // namespace

QRect Surface::ShownIn(double ratio) const { return ShownPixels(QRect(mapTo(window(), QPoint(0, 0)), size()), ratio); }

QSize Surface::PixelSize() const { return ShownIn(ratio_).size(); }

float Surface::ScaleWidth() const { return static_cast<float>(PixelSize().width() / PixelsPerScaleUnit()); }
float Surface::ScaleHeight() const { return static_cast<float>(PixelSize().height() / PixelsPerScaleUnit()); }

double Surface::ContainerPixelsPer(ScaleUnit unit) const
{
    if (unit != ScaleUnit::Pixel)
        return PixelsPerUnit(unit);
    const auto* container = qobject_cast<const Surface*>(parentWidget());
    return 1.0 / (container ? container->ratio_ : ratio_);
}

void Surface::Move(float left, float top, ScaleUnit containerUnit)
{
    const double ppu = ContainerPixelsPer(containerUnit);
    move(Nearest(left * ppu), Nearest(top * ppu));
}

void Surface::Resize(float width, float height, ScaleUnit containerUnit)
{
    const double ppu = ContainerPixelsPer(containerUnit);
    resize(std::max(0, Nearest(width * ppu)), std::max(0, Nearest(height * ppu)));
}

QRect Surface::PixelsInContainer() const
{
    const QWidget* container = parentWidget();
    if (!container)
        return QRect(QPoint(0, 0), PixelSize());
    const auto* surface = qobject_cast<const Surface*>(container);
    const double ratio = surface ? surface->ratio_ : ratio_;
    const QPoint origin = ShownPixels(QRect(container->mapTo(window(), QPoint(0, 0)), QSize()), ratio).topLeft();
    return ShownIn(ratio).translated(-origin);
}

float Surface::Left(ScaleUnit unit) const
{
    return static_cast<float>(unit == ScaleUnit::Pixel ? PixelsInContainer().left() : x() / PixelsPerUnit(unit));
}

float Surface::Top(ScaleUnit unit) const
{
    return static_cast<float>(unit == ScaleUnit::Pixel ? PixelsInContainer().top() : y() / PixelsPerUnit(unit));
}

float Surface::Width(ScaleUnit unit) const
{
    return static_cast<float>(unit == ScaleUnit::Pixel ? PixelsInContainer().width() : width() / PixelsPerUnit(unit));
}

float Surface::Height(ScaleUnit unit) const
{
    return static_cast<float>(unit == ScaleUnit::Pixel ? PixelsInContainer().height() : height() / PixelsPerUnit(unit));
}

int Surface::ToPixelX(float x) const { return Nearest(x * PixelsPerScaleUnit()); }
int Surface::ToPixelY(float y) const { return Nearest(y * PixelsPerScaleUnit()); }

QRect Surface::PixelBox(float x1, float y1, float x2, float y2) const
{
    const double ppu = PixelsPerScaleUnit();
    return QRect(QPoint(Nearest(x1 * ppu), Nearest(y1 * ppu)), QPoint(Nearest(x2 * ppu), Nearest(y2 * ppu))).normalized();
}

QSize Surface::ImageSize() const
{
    // Shown from a whole device pixel, the surface covers at most its size
    // times the ratio, rounded up.
    return QSize(static_cast<int>(std::ceil(width() * ratio_)), static_cast<int>(std::ceil(height() * ratio_)));
}

}  // namespace grizzet
