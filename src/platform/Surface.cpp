#include "platform/Surface.h"

#include "model/Rounding.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace grizzet {

namespace {

constexpr double MetresPerInch = 0.0254;

}  // namespace

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

Surface::Surface(QWidget* parent) : QWidget(parent)
{
    StartImage(devicePixelRatioF());
    // Exact colours matter more than smooth digits: the clue ticks and the
    // solution read pixels back by their RGB value.
    font_.setStyleStrategy(QFont::NoAntialias);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

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

QSize Surface::PixelSize() const { return ShownPixels(QRect(mapTo(window(), QPoint(0, 0)), size()), ratio_).size(); }

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
    return ShownPixels(QRect(mapTo(window(), QPoint(0, 0)), size()), ratio).translated(-origin);
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

int Surface::ToPixelX(float x) const { return Nearest(x * PixelsPerScaleUnit()); }
int Surface::ToPixelY(float y) const { return Nearest(y * PixelsPerScaleUnit()); }

QRect Surface::PixelBox(float x1, float y1, float x2, float y2) const
{
    const double ppu = PixelsPerScaleUnit();
    return QRect(QPoint(Nearest(x1 * ppu), Nearest(y1 * ppu)), QPoint(Nearest(x2 * ppu), Nearest(y2 * ppu))).normalized();
}

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

QSize Surface::ImageSize() const
{
    // Shown from a whole device pixel, the surface covers at most its size
    // times the ratio, rounded up.
    return QSize(static_cast<int>(std::ceil(width() * ratio_)), static_cast<int>(std::ceil(height() * ratio_)));
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
