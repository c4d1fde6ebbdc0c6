#include "convert/Picture.h"

#include "model/AuthorNetpbm.h"
#include "model/FileSource.h"
#include "model/Raster.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace grizzet {
namespace {

// Any picture Qt reads; a see-through pixel counts as the white background.
Picture ReadWithQt(const std::string& path)
{
    QImageReader reader(QFile::decodeName(path.c_str()));
    QImage image = reader.read();
    if (image.isNull())
        return {0, 0, {}, reader.errorString().toStdString()};
    image = image.convertToFormat(QImage::Format_ARGB32);
    Picture picture{image.width(), image.height(), {}, {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int alpha = qAlpha(pixel);
            int rgb[3];
            for (int c = 0; c < 3; ++c) {
                const int sample = c == 0 ? qRed(pixel) : c == 1 ? qGreen(pixel) : qBlue(pixel);
                rgb[c] = (sample * alpha + 255 * (255 - alpha) + 127) / 255;
            }
            picture.colours.push_back(ColourOfSamples(rgb[0], rgb[1], rgb[2], 255.0f / 2));
        }
    return picture;
}

}  // namespace

Picture ReadAnyPicture(const std::string& path)
{
    std::unique_ptr<ByteSource> file;
    try {
        file = OpenOrdinaryFile(path);
    } catch (const RunTimeFailure&) {
        return {0, 0, {}, "it is no file that can be opened"};
    }
    AuthorPicture netpbm = ReadAuthorPicture(*file, true);
    if (netpbm.kind == 0)
        return ReadWithQt(path);
    if (!netpbm.problem.empty())
        return {0, 0, {}, netpbm.problem};
    return {static_cast<int>(*netpbm.width), static_cast<int>(*netpbm.height), std::move(netpbm.colours), {}};
}

Picture ScaledToFit(const Picture& picture)
{
    const double scale = std::min(1.0, static_cast<double>(MaxSide) / std::max(picture.width, picture.height));
    Picture scaled{std::max(1, static_cast<int>(picture.width * scale)),
                   std::max(1, static_cast<int>(picture.height * scale)), {}, {}};
    for (int y = 0; y < scaled.height; ++y)
        for (int x = 0; x < scaled.width; ++x) {
            const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.height) /
                                    static_cast<std::size_t>(scaled.height);
            const std::size_t column = static_cast<std::size_t>(x) * static_cast<std::size_t>(picture.width) /
                                       static_cast<std::size_t>(scaled.width);
            scaled.colours.push_back(picture.colours[row * static_cast<std::size_t>(picture.width) + column]);
        }
    return scaled;
}

}  // namespace grizzet
