// A drawing surface: a widget with a persistent image that every drawing goes
// into; paintEvent only shows the image. Coordinates are in the surface's
// scale unit (twip, point or pixel), counted from its top-left corner. The
// units and the surface's place are in SurfaceUnits.cpp, the shapes in
// SurfaceShapes.cpp, the text in SurfaceText.cpp.
//
// The image holds the screen's device pixels, and a pixel is a device pixel:
// on a screen at 200 % a point is 8/3 pixels instead of 4/3, texts are set at
// twice the resolution, and every pixel read and written is a device pixel.
// The widget itself is placed in Qt's logical coordinates.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace grizzet {

enum class ScaleUnit { Twip, Point, Pixel };

// A mouse event as the handlers see it: Button is the mask of buttons held
// (1 left, 2 right, 4 middle).
struct MouseArgs {
    int Button = 0;
    float X = 0;
    float Y = 0;
};

// Logical pixels per unit at the screen's logical dpi (96 dpi: 4/3 a point,
// 1/15 a twip): the unit widgets are placed in.
double PixelsPerUnit(ScaleUnit unit);
double PixelsPerUnit(ScaleUnit unit, double dpi);
double LogicalDpi();
// The windows are placed in twips; their controls sit on whole pixels.
int TwipsToPixels(double twips);
double PixelsToTwips(double pixels);

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);

    void SetScaleUnit(ScaleUnit unit) { unit_ = unit; }
    // Device pixels per unit of the image; a pixel is a device pixel.
    double PixelsPer(ScaleUnit unit) const
    {
        return unit == ScaleUnit::Pixel ? 1.0 : PixelsPerUnit(unit, dpi_) * ratio_;
    }
    double PixelsPerScaleUnit() const { return PixelsPer(unit_); }
    // Device pixels per logical pixel of the image; the screen's ratio when
    // the image was started.
    double PixelRatio() const { return ratio_; }
    // The inner area in device pixels, as many as the screen shows it on.
    QSize PixelSize() const;

    // Inner size in the surface's unit.
    float ScaleWidth() const;
    float ScaleHeight() const;

    // Position and size of this surface in a given unit of its container; a
    // pixel is the container's device pixel, whole as the screen shows it.
    void Move(float left, float top, ScaleUnit containerUnit);
    void Resize(float width, float height, ScaleUnit containerUnit);
    float Left(ScaleUnit containerUnit) const;
    float Top(ScaleUnit containerUnit) const;
    float Width(ScaleUnit containerUnit) const;
    float Height(ScaleUnit containerUnit) const;

    QRgb BackColor() const { return back_; }
    void SetBackColor(QRgb colour) { back_ = colour; }
    void SetForeColor(QRgb colour) { fore_ = colour; }

    // The whole image takes the background colour; the text position returns to (0, 0).
    // A cleared image starts at the screen's present pixel ratio.
    void Cls();
    // After a change of screen the image keeps the pixels it was drawn at,
    // shown scaled, until it is started anew: here, or by Cls.
    void FollowScreen();

    // Text, drawn without a background: the font, the position of the next text's line box.
    void SetFontName(const QString& family);
    void SetFontSize(float points);
    float FontSize() const;
    void SetCurrentX(float x) { currentX_ = x; }
    void SetCurrentY(float y) { currentY_ = y; }
    float TextWidth(const QString& text) const;
    // Draws text at the text position in the foreground colour and moves the
    // position to the start of the next line.
    void Print(const QString& text);

    // Shapes in the surface's unit. Boxes, outlines and lines cover the device
    // pixels of both their corners, so cells sharing an edge share its pixels
    // and a one-point strip is one pixel wider than a one-pixel line.
    void DrawLine(float x1, float y1, float x2, float y2, QRgb colour);
    void DrawBox(float x1, float y1, float x2, float y2, QRgb colour);
    void FillBox(float x1, float y1, float x2, float y2, QRgb colour);
    // Many filled boxes, or straight lines (a box whose corners share an x or
    // a y), in one colour: a grid's lines at once.
    struct Corners {
        float x1, y1, x2, y2;
    };
    void FillBoxes(const std::vector<Corners>& boxes, QRgb colour);
    // A round dot centred on (x, y) whose diameter is the pen width in pixels.
    void SetDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    int DrawWidth() const { return drawWidth_; }
    void DrawDot(float x, float y, QRgb colour);

    // A picture drawn into the image from its top-left corner, one picture
    // pixel a logical pixel, smoothed on a screen with a larger ratio.
    void DrawPicture(const QImage& picture);

    // The colour of the image at a point in the surface's unit.
    QRgb Point(float x, float y) const;
    // Device pixels of the image; a change shows after Refresh.
    QRgb GetPixel(int x, int y) const;
    void SetPixel(int x, int y, QRgb colour);
    // Every pixel of exactly one colour inside a box of device pixels (both
    // corners included) takes another; a change shows after Refresh.
    void ReplaceColour(const QRect& pixels, QRgb from, QRgb to);
    // Shows the pixels changed since the last Refresh; every other drawing
    // shows by itself.
    void Refresh();

    // The image, as drawn so far.
    const QImage& Image() const
    {
        Grow();
        return image_;
    }

    // The surface's own pointer, or the arrow; a new one shows at once where it is in use.
    void SetCustomPointer(const QCursor& cursor) { custom_ = cursor; if (customOn_) setCursor(custom_); }
    void UseCustomPointer(bool on);
    bool UsesCustomPointer() const { return customOn_; }

    // Mouse handlers; positions in the surface's unit.
    std::function<void(const MouseArgs&)> onMouseDown;
    std::function<void(const MouseArgs&)> onMouseMove;
    // The surface was moved to a screen with another pixel ratio.
    std::function<void()> onScreenChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    int ToPixelX(float x) const;
    int ToPixelY(float y) const;
    // A box between two corners in the surface's unit, as device pixels.
    QRect PixelBox(float x1, float y1, float x2, float y2) const;
    // Logical pixels of the container per unit; pixels are the container's
    // device pixels.
    double ContainerPixelsPer(ScaleUnit unit) const;
    // The device pixels of the window the surface is shown on, at a ratio.
    QRect ShownIn(double ratio) const;
    // The device pixels of the container's image the surface is shown over.
    QRect PixelsInContainer() const;
    void StartImage(double ratio);
    // Room for every device pixel the surface may be shown on, wherever it sits.
    QSize ImageSize() const;
    void Grow() const;
    void FillPixels(const QRect& box, QRgb colour);
    // What the image may hold since it was last cleared: its background, the
    // colours drawn in, and pixels set one by one (see ReplaceColour).
    void Cleared() const;
    void Used(QRgb colour) const;
    bool MayHold(QRgb colour) const;
    // Pixels drawn on: noted, and shown at the next paint.
    void Changed(const QRect& pixels);
    void Show(const QRect& pixels);
    void FontChanged();
    struct FontMeasures {
        QFontMetricsF metrics;
        qreal ascent;
        qreal height;
    };
    const FontMeasures& Measures() const;
    qreal Advance(const QString& text) const;
    // The pixels a text inks, relative to its top-left corner, as drawn
    // through a painter; empty when the font does not ink whole pixels.
    struct Stamp {
        bool exact = false;
        std::vector<QPoint> pixels;
        QRect bounds;
    };
    const Stamp& StampOf(const QString& text);
    MouseArgs ArgsOf(QMouseEvent* event) const;

    ScaleUnit unit_ = ScaleUnit::Pixel;
    double ratio_ = 1;
    double dpi_ = 96;  // the screen's logical dpi when the image was started
    mutable QImage image_;  // grows lazily: a hidden surface gets no resize event
    QRgb back_ = 0xFFFFFFFF;
    QRgb fore_ = 0xFF000000;
    QFont font_;
    // Measures and inked pixels of the texts of the current font: the clues
    // repeat the same few numbers thousands of times.
    mutable std::optional<FontMeasures> measures_;
    mutable QHash<QString, qreal> advances_;
    QHash<QString, Stamp> stamps_;
    QRect pending_;        // asked to repaint, not painted yet
    QRect pixelsChanged_;  // changed pixel by pixel since the last Refresh
    mutable QRgb clearedWith_ = 0;
    mutable std::vector<QRgb> colours_;
    mutable bool anyColour_ = false;
    mutable QRect pixelsSet_;  // set pixel by pixel since the image was cleared
    mutable QRect drawn_;      // every pixel drawn on since then
    float currentX_ = 0;
    float currentY_ = 0;
    int drawWidth_ = 1;
    QCursor custom_;
    bool customOn_ = false;
};

}  // namespace grizzet
