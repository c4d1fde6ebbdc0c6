// Text on a surface: the font, measuring at the image's own resolution, and
// printing, with the pixels of each text kept once it has been drawn.
#include "platform/Surface.h"

#include "model/Rounding.h"

#include <QPainter>

#include <cmath>

namespace grizzet {

void Surface::SetFontName(const QString& family)
{
    if (family == font_.family())
        return;
    font_.setFamily(family);
    FontChanged();
}

void Surface::SetFontSize(float points)
{
    if (points == font_.pointSizeF())
        return;
    font_.setPointSizeF(points);
    FontChanged();
}

float Surface::FontSize() const { return static_cast<float>(font_.pointSizeF()); }

void Surface::FontChanged()
{
    measures_.reset();
    advances_.clear();
    stamps_.clear();
}

const Surface::FontMeasures& Surface::Measures() const
{
    // Measured for the image's own resolution, so what is measured is what is drawn.
    if (!measures_) {
        const QFontMetricsF metrics(font_, &image_);
        measures_.emplace(FontMeasures{metrics, metrics.ascent(), metrics.height()});
    }
    return *measures_;
}

qreal Surface::Advance(const QString& text) const
{
    const auto known = advances_.constFind(text);
    if (known != advances_.constEnd())
        return *known;
    if (advances_.size() > 1024)
        advances_.clear();
    const qreal advance = Measures().metrics.horizontalAdvance(text);
    advances_.insert(text, advance);
    return advance;
}

float Surface::TextWidth(const QString& text) const
{
    return static_cast<float>(Advance(text) / PixelsPerScaleUnit());
}

void Surface::Print(const QString& text)
{
    Grow();
    const FontMeasures& measures = Measures();
    const double ppu = PixelsPerScaleUnit();
    const QPoint origin(Nearest(currentX_ * ppu), Nearest(currentY_ * ppu));
    const QRectF box(origin, QSizeF(Advance(text), measures.height));
    const Stamp& stamp = StampOf(text);
    if (stamp.exact) {
        // The text's pixels are known: no painter, no shaping.
        const QRgb pixel = fore_ | 0xFF000000u;
        uchar* const bits = image_.bits();
        const qsizetype stride = image_.bytesPerLine();
        const bool inside = image_.rect().contains(stamp.bounds.translated(origin));
        for (const QPoint& offset : stamp.pixels) {
            const QPoint at = origin + offset;
            if (inside || image_.valid(at))
                reinterpret_cast<QRgb*>(bits + at.y() * stride)[at.x()] = pixel;
        }
        Used(fore_);
        Changed(box.toAlignedRect() | stamp.bounds.translated(origin));
    } else {
        QPainter painter(&image_);
        painter.setFont(font_);
        painter.setPen(QColor::fromRgb(fore_));
        painter.drawText(QPointF(origin.x(), origin.y() + measures.ascent), text);
        anyColour_ = true;
        // Strokes may reach beyond the text's box.
        const int margin = static_cast<int>(std::ceil(measures.height));
        Changed(box.toAlignedRect().adjusted(-margin, -margin, margin, margin));
    }
    currentX_ = 0;
    currentY_ += static_cast<float>(measures.height / ppu);
}

const Surface::Stamp& Surface::StampOf(const QString& text)
{
    const auto known = stamps_.constFind(text);
    if (known != stamps_.constEnd())
        return *known;
    if (stamps_.size() > 1024)
        stamps_.clear();
    // Drawn once as Print would draw it, on a transparent sheet at the same
    // fraction of a pixel, with room for strokes beyond the text's box.
    const FontMeasures& measures = Measures();
    const int margin = static_cast<int>(std::ceil(measures.height));
    QImage sheet(static_cast<int>(std::ceil(Advance(text))) + 2 * margin,
                 static_cast<int>(std::ceil(measures.height)) + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    sheet.setDotsPerMeterX(image_.dotsPerMeterX());
    sheet.setDotsPerMeterY(image_.dotsPerMeterY());
    sheet.fill(Qt::transparent);
    {
        QPainter painter(&sheet);
        painter.setFont(font_);
        painter.setPen(QColor::fromRgb(fore_));
        painter.drawText(QPointF(margin, margin + measures.ascent), text);
    }
    Stamp stamp;
    stamp.exact = true;
    for (int y = 0; y < sheet.height() && stamp.exact; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha == 255) {
                stamp.pixels.emplace_back(x - margin, y - margin);
                stamp.bounds |= QRect(stamp.pixels.back(), QSize(1, 1));
            }
            else if (alpha != 0)
                stamp.exact = false;  // smoothed edges blend with what lies beneath
        }
    }
    if (!stamp.exact)
        stamp.pixels.clear();
    return *stamps_.insert(text, stamp);
}

}  // namespace grizzet
