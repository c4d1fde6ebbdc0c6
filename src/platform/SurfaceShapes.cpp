// Shapes on a surface: lines, boxes and dots straight into the image's
// rows, and pictures drawn in through a painter.
#include "platform/Surface.h"

#include "model/Rounding.h"

#include <QPainter>

#include <algorithm>

namespace grizzet {

void Surface::DrawLine(float x1, float y1, float x2, float y2, QRgb colour)
{
    Grow();
    const QPoint from(ToPixelX(x1), ToPixelY(y1));
    const QPoint to(ToPixelX(x2), ToPixelY(y2));
    if (from.x() == to.x() || from.y() == to.y()) {
        // Straight across or down: the pixels from one end to the other.
        FillPixels(QRect(from, to).normalized(), colour);
    } else {
        QPainter painter(&image_);
        painter.setPen(QPen(QColor::fromRgb(colour), 0));
        painter.drawLine(from, to);
        painter.drawPoint(to);
        Used(colour);
    }
    Changed(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
}

void Surface::DrawBox(float x1, float y1, float x2, float y2, QRgb colour)
{
    Grow();
    const QRect box = PixelBox(x1, y1, x2, y2);
    FillPixels(QRect(box.left(), box.top(), box.width(), 1), colour);
    FillPixels(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    FillPixels(QRect(box.left(), box.top(), 1, box.height()), colour);
    FillPixels(QRect(box.right(), box.top(), 1, box.height()), colour);
    Changed(box);
}

void Surface::FillBox(float x1, float y1, float x2, float y2, QRgb colour)
{
    Grow();
    const QRect box = PixelBox(x1, y1, x2, y2);
    FillPixels(box, colour);
    Changed(box);
}

void Surface::FillBoxes(const std::vector<Corners>& boxes, QRgb colour)
{
    Grow();
    std::vector<QRect> pixels;
    QRect all;
    for (const Corners& box : boxes) {
        pixels.push_back(PixelBox(box.x1, box.y1, box.x2, box.y2) & image_.rect());
        all |= pixels.back();
    }
    if (all.isEmpty())
        return;
    Used(colour);
    // Row by row through every box: a long vertical line drawn on its own
    // would touch one pixel in each of thousands of rows, far apart in memory.
    const QRgb pixel = colour | 0xFF000000u;
    for (int y = all.top(); y <= all.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (const QRect& box : pixels)
            if (y >= box.top() && y <= box.bottom())
                std::fill_n(row + box.left(), box.width(), pixel);
    }
    Changed(all);
}

void Surface::FillPixels(const QRect& box, QRgb colour)
{
    // Straight into the image's rows: the pixels an opaque QPainter::fillRect
    // covers, without setting up a painter for each of thousands of cells.
    const QRect clipped = box & image_.rect();
    if (clipped.isEmpty())
        return;
    Used(colour);
    const QRgb pixel = colour | 0xFF000000u;
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + clipped.left(), clipped.width(), pixel);
}

void Surface::DrawDot(float x, float y, QRgb colour)
{
    Grow();
    const double d = drawWidth_;
    const double ppu = PixelsPerScaleUnit();
    // Dots of any width share their centre pixel, so a narrower dot drawn
    // over a wider one leaves an even rim on every side.
    const int left = Nearest(x * ppu) - drawWidth_ / 2;
    const int top = Nearest(y * ppu) - drawWidth_ / 2;
    const double radiusSquared = d * d / 4;
    const QRgb pixel = colour | 0xFF000000u;
    Used(colour);
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int j = 0; j < drawWidth_; ++j) {
        if (top + j < 0 || top + j >= image_.height())
            continue;
        QRgb* row = reinterpret_cast<QRgb*>(bits + (top + j) * stride);
        for (int i = 0; i < drawWidth_; ++i) {
            const double dx = i + 0.5 - d / 2, dy = j + 0.5 - d / 2;
            if (dx * dx + dy * dy <= radiusSquared && left + i >= 0 && left + i < image_.width())
                row[left + i] = pixel;
        }
    }
    Changed(QRect(left, top, drawWidth_, drawWidth_));
}

void Surface::DrawPicture(const QImage& picture)
{
    Grow();
    QImage shown = picture;
    if (ratio_ != 1.0 && !picture.isNull())
        shown = picture.scaled(Nearest(picture.width() * ratio_), Nearest(picture.height() * ratio_),
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    {
        QPainter painter(&image_);
        painter.drawImage(0, 0, shown);
    }
    anyColour_ = true;
    Changed(shown.rect());
}

}  // namespace grizzet
