#include "platform/Surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace grizzet {

namespace {

// Floating values become integers by rounding to nearest, ties to even.
int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

constexpr double MetresPerInch = 0.0254;

}  // namespace

double LogicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

double PixelsPerUnit(ScaleUnit unit)
{
    switch (unit) {
    case ScaleUnit::Twip: return LogicalDpi() / 1440.0;
    case ScaleUnit::Point: return LogicalDpi() / 72.0;
    case ScaleUnit::Pixel: break;
    }
    return 1.0;
}

Surface::Surface(QWidget* parent) : QWidget(parent), image_(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMetre = Nearest(LogicalDpi() / MetresPerInch);
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(back_);
    // Exact colours matter more than smooth digits: the clue ticks and the
    // solution read pixels back by their RGB value.
    font_.setStyleStrategy(QFont::NoAntialias);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

float Surface::ScaleWidth() const { return static_cast<float>(width() / PixelsPerScaleUnit()); }
float Surface::ScaleHeight() const { return static_cast<float>(height() / PixelsPerScaleUnit()); }

void Surface::Move(float left, float top, ScaleUnit containerUnit)
{
    const double ppu = PixelsPerUnit(containerUnit);
    move(Nearest(left * ppu), Nearest(top * ppu));
}

void Surface::Resize(float width, float height, ScaleUnit containerUnit)
{
    const double ppu = PixelsPerUnit(containerUnit);
    resize(std::max(0, Nearest(width * ppu)), std::max(0, Nearest(height * ppu)));
}

float Surface::Left(ScaleUnit unit) const { return static_cast<float>(x() / PixelsPerUnit(unit)); }
float Surface::Top(ScaleUnit unit) const { return static_cast<float>(y() / PixelsPerUnit(unit)); }
float Surface::Width(ScaleUnit unit) const { return static_cast<float>(width() / PixelsPerUnit(unit)); }
float Surface::Height(ScaleUnit unit) const { return static_cast<float>(height() / PixelsPerUnit(unit)); }

void Surface::Cls()
{
    Grow();
    image_.fill(back_);
    currentX_ = 0;
    currentY_ = 0;
    update();
}

void Surface::SetFontName(const QString& family) { font_.setFamily(family); }
void Surface::SetFontSize(float points) { font_.setPointSizeF(points); }
float Surface::FontSize() const { return static_cast<float>(font_.pointSizeF()); }

float Surface::TextWidth(const QString& text) const
{
    // Measured for the image's own resolution, so what is measured is what is drawn.
    return static_cast<float>(QFontMetricsF(font_, &image_).horizontalAdvance(text) / PixelsPerScaleUnit());
}

float Surface::TextHeight(const QString&) const
{
    return static_cast<float>(QFontMetricsF(font_, &image_).height() / PixelsPerScaleUnit());
}

void Surface::Print(const QString& text)
{
    Grow();
    const QFontMetricsF metrics(font_, &image_);
    const double ppu = PixelsPerScaleUnit();
    const QPointF topLeft(Nearest(currentX_ * ppu), Nearest(currentY_ * ppu));
    const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    {
        QPainter painter(&image_);
        painter.setFont(font_);
        if (!transparentText_)
            painter.fillRect(box, QColor::fromRgb(back_));
        painter.setPen(QColor::fromRgb(fore_));
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    }
    Changed(box.toAlignedRect());
    currentX_ = 0;
    currentY_ += static_cast<float>(metrics.height() / ppu);
}

int Surface::ToPixelX(float x) const { return Nearest(x * PixelsPerScaleUnit()); }
int Surface::ToPixelY(float y) const { return Nearest(y * PixelsPerScaleUnit()); }

void Surface::DrawLine(float x1, float y1, float x2, float y2, QRgb colour)
{
    Grow();
    const QPoint from(ToPixelX(x1), ToPixelY(y1));
    const QPoint to(ToPixelX(x2), ToPixelY(y2));
    {
        QPainter painter(&image_);
        painter.setPen(QPen(QColor::fromRgb(colour), 0));
        painter.drawLine(from, to);
        painter.drawPoint(to);
    }
    Changed(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
}

void Surface::DrawBox(float x1, float y1, float x2, float y2, QRgb colour)
{
    Grow();
    const QRect box = QRect(QPoint(ToPixelX(x1), ToPixelY(y1)), QPoint(ToPixelX(x2), ToPixelY(y2))).normalized();
    {
        QPainter painter(&image_);
        const QColor pen = QColor::fromRgb(colour);
        painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), pen);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), pen);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), pen);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), pen);
    }
    Changed(box);
}

void Surface::FillBox(float x1, float y1, float x2, float y2, QRgb colour)
{
    Grow();
    const QRect box = QRect(QPoint(ToPixelX(x1), ToPixelY(y1)), QPoint(ToPixelX(x2), ToPixelY(y2))).normalized();
    {
        QPainter painter(&image_);
        painter.fillRect(box, QColor::fromRgb(colour));
    }
    Changed(box);
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
    for (int j = 0; j < drawWidth_; ++j) {
        for (int i = 0; i < drawWidth_; ++i) {
            const double dx = i + 0.5 - d / 2, dy = j + 0.5 - d / 2;
            if (dx * dx + dy * dy <= radiusSquared && image_.valid(left + i, top + j))
                image_.setPixel(left + i, top + j, colour);
        }
    }
    Changed(QRect(left, top, drawWidth_, drawWidth_));
}

void Surface::DrawPicture(const QImage& picture)
{
    Grow();
    {
        QPainter painter(&image_);
        painter.drawImage(0, 0, picture);
    }
    Changed(picture.rect());
}

QRgb Surface::Point(float x, float y) const { return GetPixel(ToPixelX(x), ToPixelY(y)); }

QRgb Surface::GetPixel(int x, int y) const
{
    Grow();
    return image_.valid(x, y) ? (image_.pixel(x, y) & 0xFFFFFF) : 0xFFFFFFFFu;
}

void Surface::SetPixel(int x, int y, QRgb colour)
{
    Grow();
    if (image_.valid(x, y))
        image_.setPixel(x, y, colour | 0xFF000000u);
}

void Surface::Refresh() { update(); }

void Surface::UseCustomPointer(bool on)
{
    if (on == customOn_)
        return;
    customOn_ = on;
    if (on)
        setCursor(custom_);
    else
        setCursor(Qt::ArrowCursor);
}

void Surface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), image_, event->rect());
}

void Surface::resizeEvent(QResizeEvent* event)
{
    Grow();
    QWidget::resizeEvent(event);
}

void Surface::Grow() const
{
    // The image grows with the surface and never shrinks, so what was drawn
    // beyond a smaller size shows again when the surface grows back. A hidden
    // surface gets no resize event, hence the check before every drawing.
    const QSize needed = image_.size().expandedTo(size());
    if (needed == image_.size())
        return;
    QImage grown(needed, QImage::Format_RGB32);
    grown.setDotsPerMeterX(image_.dotsPerMeterX());
    grown.setDotsPerMeterY(image_.dotsPerMeterY());
    grown.fill(back_);
    QPainter painter(&grown);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = grown;
}

MouseArgs Surface::ArgsOf(QMouseEvent* event) const
{
    MouseArgs args;
    args.Button = static_cast<int>(event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
    const Qt::KeyboardModifiers mods = event->modifiers();
    args.Shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                 (mods & Qt::AltModifier ? 4 : 0);
    const double ppu = PixelsPerScaleUnit();
    args.X = static_cast<float>(event->position().x() / ppu);
    args.Y = static_cast<float>(event->position().y() / ppu);
    return args;
}

void Surface::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown)
        onMouseDown(ArgsOf(event));
}

void Surface::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(ArgsOf(event));
}

void Surface::Changed(const QRect& pixels) { update(pixels); }

}  // namespace grizzet
