#include "platform/LineControl.h"

#include "platform/Surface.h"

#include <QPainter>

#include <algorithm>

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
    const int left = TwipsToPixels(std::min(x1, x2));
    const int right = TwipsToPixels(std::max(x1, x2));
    const int top = TwipsToPixels(std::min(y1, y2));
    const int bottom = TwipsToPixels(std::max(y1, y2));
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    // The ends on the pixels the geometry was rounded to: an end half a pixel
    // above the widget's top would put a flat line outside it, unseen.
    const QPoint origin = pos();
    painter.drawLine(QPoint(TwipsToPixels(x1_), TwipsToPixels(y1_)) - origin,
                     QPoint(TwipsToPixels(x2_), TwipsToPixels(y2_)) - origin);
}

}  // namespace grizzet
