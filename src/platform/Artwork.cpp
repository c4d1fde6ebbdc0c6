#include "platform/Artwork.h"

#include <QImage>

#include <cmath>

// The artwork sits in a static library, whose resources the linker leaves
// out unless something names them.
static void InitArtwork() { Q_INIT_RESOURCE(assets); }

namespace grizzet {

QIcon WindowIcon()
{
    ::InitArtwork();
    QIcon icon;
    for (const char* name : {":/icon.png", ":/icon_48.png", ":/icon_64.png"})
        icon.addFile(QLatin1String(name));
    return icon;
}

QPixmap ArtworkAt(const QString& picture, qreal devicePixelRatio)
{
    ::InitArtwork();
    QPixmap pixmap;
    if (devicePixelRatio > 1) {
        QString sharp = picture;
        sharp.insert(sharp.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        if (pixmap.load(sharp))
            pixmap.setDevicePixelRatio(2);
    }
    if (pixmap.isNull())
        pixmap.load(picture);
    return pixmap;
}

QCursor PointerOf(const QString& picture, QPoint hotSpot, qreal devicePixelRatio)
{
    // The hot spot stays in the 32 x 32 picture's pixels: Qt scales it by the ratio.
    const QPixmap pixmap = ArtworkAt(picture, devicePixelRatio);
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}

QPixmap PictureAtScale(const QImage& picture, qreal devicePixelRatio)
{
    if (picture.isNull() || devicePixelRatio == 1)
        return QPixmap::fromImage(picture);
    const QSize device(static_cast<int>(std::lround(picture.width() * devicePixelRatio)),
                       static_cast<int>(std::lround(picture.height() * devicePixelRatio)));
    QPixmap scaled = QPixmap::fromImage(picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

}  // namespace grizzet
