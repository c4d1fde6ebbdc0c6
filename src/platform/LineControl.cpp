#include "platform/LineControl.h"

#include "platform/Surface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace grizzet {

LineControl::LineControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::SetEnds(float x1, float y1, float x2, float y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const double ppt = PixelsPerUnit(ScaleUnit::Twip);
    const int left = static_cast<int>(std::nearbyint(std::min(x1, x2) * ppt));
    const int right = static_cast<int>(std::nearbyint(std::max(x1, x2) * ppt));
    const int top = static_cast<int>(std::nearbyint(std::min(y1, y2) * ppt));
    const int bottom = static_cast<int>(std::nearbyint(std::max(y1, y2) * ppt));
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    // The ends on the pixels the geometry was rounded to: an end half a pixel
    // above the widget's top would put a flat line outside it, unseen.
    const double ppt = PixelsPerUnit(ScaleUnit::Twip);
    const auto pixel = [ppt](float twips) { return static_cast<int>(std::nearbyint(twips * ppt)); };
    const QPoint origin = pos();
    painter.drawLine(QPoint(pixel(x1_), pixel(y1_)) - origin, QPoint(pixel(x2_), pixel(y2_)) - origin);
}

}  // namespace grizzet
