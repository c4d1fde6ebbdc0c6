// The game's own artwork at the screen's scale: the window icon, the two
// pointers, the solution window's legends and the mouse pictures beside the
// chooser.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QString>

class QImage;

namespace grizzet {

// The window icon drawn at 32, 48 and 64 pixels, so a 2x title bar takes a
// sharp one; larger ones would only slow the first window down (X11 gets
// every size at once), and menus take the installed desktop icons.
QIcon WindowIcon();

// A compiled-in picture (":/legend_error.png"), or its "@2x" version at a
// pixel ratio of 2 where the screen has more than one device pixel to a
// pixel: either way it covers the same pixels of a 96-dpi screen. Null if
// neither is there.
QPixmap ArtworkAt(const QString& picture, qreal devicePixelRatio);

// A pointer from its 32 x 32 picture (":/pencil.png") at the screen's scale;
// the hot spot in the 32 x 32 picture's pixels. The arrow if it is missing.
QCursor PointerOf(const QString& picture, QPoint hotSpot, qreal devicePixelRatio);

// A picture shown at its own size in pixels of a 96-dpi screen: on a screen
// with more device pixels it is smoothed to them, not doubled block by block;
// at a ratio of 1 it is the picture itself.
QPixmap PictureAtScale(const QImage& picture, qreal devicePixelRatio);

}  // namespace grizzet
