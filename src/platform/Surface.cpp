#include "platform/Surface.h"

#include "model/Rounding.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace grizzet {

namespace {

constexpr double MetresPerInch = 0.0254;

}  // namespace

Surface::Surface(QWidget* parent) : QWidget(parent)
{
    StartImage(devicePixelRatioF());
    // Exact colours matter more than smooth digits: the clue ticks and the
    // solution read pixels back by their RGB value.
    font_.setStyleStrategy(QFont::NoAntialias);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void Surface::StartImage(double ratio)
{
    ratio_ = ratio;
    dpi_ = LogicalDpi();
    image_ = QImage(ImageSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    // Texts are measured and set at the image's own resolution: a point is
    // as many device pixels as the screen gives it.
    const int dotsPerMetre = Nearest(dpi_ * ratio_ / MetresPerInch);
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(back_);
    FontChanged();
    pixelsChanged_ = QRect();
    Cleared();
}

void Surface::FollowScreen()
{
    const double ratio = devicePixelRatioF();
    if (ratio == ratio_)
        return;
    StartImage(ratio);
    update();
}

void Surface::Cls()
{
    FollowScreen();
    Grow();
    // Pixels not drawn on since the last clear still hold its colour: on a
    // large board at 200 % most of the white margin needs no filling again.
    if (back_ == clearedWith_)
        FillPixels(drawn_, back_);
    else
        image_.fill(back_);
    Cleared();
    currentX_ = 0;
    currentY_ = 0;
    Show(QRect(QPoint(0, 0), PixelSize()));
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
    if (image_.valid(x, y)) {
        image_.setPixel(x, y, colour | 0xFF000000u);
        pixelsChanged_ |= QRect(x, y, 1, 1);
        pixelsSet_ |= QRect(x, y, 1, 1);
        drawn_ |= QRect(x, y, 1, 1);
    }
}

void Surface::ReplaceColour(const QRect& pixels, QRgb from, QRgb to)
{
    Grow();
    if (!pixels.isValid())
        return;
    QRect clipped = pixels & image_.rect();
    // A colour that no shape, text or picture has drawn since the image was
    // cleared can only be where pixels were set one by one: after a layout,
    // none at all.
    if (!MayHold(from))
        clipped &= pixelsSet_;
    const QRgb old = from | 0xFF000000u;
    const QRgb replacement = to | 0xFF000000u;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        // Most rows hold none: counted first, in a loop the compiler vectorises.
        int hits = 0;
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            hits += row[x] == old;
        if (hits == 0)
            continue;
        int first = -1, last = -1;
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (row[x] == old) {
                row[x] = replacement;
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0) {
            pixelsChanged_ |= QRect(first, y, last - first + 1, 1);
            drawn_ |= QRect(first, y, last - first + 1, 1);
            Used(to);
        }
    }
}

void Surface::Refresh()
{
    if (pixelsChanged_.isEmpty())
        return;
    Changed(pixelsChanged_);
    pixelsChanged_ = QRect();
}

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
    pending_ = QRect();
    QPainter painter(this);
    const QRect area = event->rect();
    const QRectF source(area.x() * ratio_, area.y() * ratio_, area.width() * ratio_, area.height() * ratio_);
    if (ratio_ == devicePixelRatioF()) {
        // One image pixel a device pixel: copied in device coordinates. What
        // was not drawn on since the last clear is filled with its colour
        // instead: a new board at 200 % is mostly margin, and filling only
        // writes where copying also reads.
        if (ratio_ != 1.0)
            painter.setWorldTransform(QTransform::fromScale(1 / ratio_, 1 / ratio_));
        const QRect pixels = source.toAlignedRect();
        const QRect drawn = pixels & drawn_;
        if (!drawn.isEmpty())
            painter.drawImage(drawn.topLeft(), image_, drawn);
        for (const QRect& rest : QRegion(pixels).subtracted(drawn))
            painter.fillRect(rest, QColor::fromRgb(clearedWith_));
        return;
    }
    // On a screen of another ratio than the image was started at: scaled, smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(area), image_, source);
}

bool Surface::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    bool screenChanged = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    screenChanged = screenChanged || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (screenChanged && devicePixelRatioF() != ratio_) {
        update();  // shown scaled until redrawn
        if (onScreenChange)
            onScreenChange();
    }
    return handled;
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
    const QSize needed = image_.size().expandedTo(ImageSize());
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
    Used(back_);
    if (back_ != clearedWith_)
        drawn_ = image_.rect();
}

void Surface::Cleared() const
{
    clearedWith_ = back_;
    colours_.clear();
    anyColour_ = false;
    pixelsSet_ = QRect();
    drawn_ = QRect();
}

void Surface::Used(QRgb colour) const
{
    colour |= 0xFF000000u;
    if (colour != clearedWith_ && std::find(colours_.begin(), colours_.end(), colour) == colours_.end())
        colours_.push_back(colour);
}

bool Surface::MayHold(QRgb colour) const
{
    colour |= 0xFF000000u;
    return anyColour_ || colour == clearedWith_
           || std::find(colours_.begin(), colours_.end(), colour) != colours_.end();
}

MouseArgs Surface::ArgsOf(QMouseEvent* event) const
{
    MouseArgs args;
    args.Button = static_cast<int>(event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
    // Logical positions as precise as the screen gives them, into the unit.
    const double ppu = unit_ == ScaleUnit::Pixel ? 1.0 / ratio_ : PixelsPerUnit(unit_);
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

void Surface::Changed(const QRect& pixels)
{
    drawn_ |= pixels;
    Show(pixels);
}

void Surface::Show(const QRect& pixels)
{
    // One growing rectangle until the next paint: thousands of small updates
    // (a reset, error marks) would each be merged into Qt's dirty region.
    const QRect logical = ratio_ == 1.0 ? pixels
                                        : QRectF(pixels.x() / ratio_, pixels.y() / ratio_, pixels.width() / ratio_,
                                                 pixels.height() / ratio_).toAlignedRect();
    const QRect united = pending_ | logical;
    if (united == pending_)
        return;
    pending_ = united;
    update(pending_);
}

}  // namespace grizzet
