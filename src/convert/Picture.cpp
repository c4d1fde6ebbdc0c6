#include "convert/Picture.h"

#include "checker/AuthorNumbers.h"
#include "model/FileSource.h"
#include "model/Raster.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace grizzet {
namespace {

constexpr std::size_t MostBytesRead = 64 * 1024 * 1024;

int NumberOf(const std::optional<std::string>& digits)
{
    return digits && digits->size() <= 6 ? std::stoi(*digits) : -1;
}

// "P1" to "P6", read leniently: a plain PBM's digits one by one, blanks or
// not; samples of two bytes when the maximum is above 255.
std::optional<Picture> ReadNetpbm(const std::string& bytes)
{
    const char kind = bytes.size() > 2 && bytes[0] == 'P' ? bytes[1] : '\0';
    if (kind < '1' || kind > '6')
        return std::nullopt;
    const bool bitmap = kind == '1' || kind == '4', grey = kind == '2' || kind == '5';
    const bool plain = kind <= '3';
    AuthorNumbers numbers(bytes, 2);
    Picture picture;
    picture.width = NumberOf(numbers.Next());
    picture.height = NumberOf(numbers.Next());
    picture.maximum = bitmap ? 1 : NumberOf(numbers.Next());
    if (picture.width <= 0 || picture.height <= 0 || picture.maximum <= 0 || picture.maximum > 65535)
        return std::nullopt;
    const std::size_t pixels = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    const std::size_t channels = bitmap || grey ? 1 : 3;
    std::vector<int> read;
    if (kind == '1') {
        for (std::size_t at = numbers.Position(); at < bytes.size() && read.size() < pixels; ++at) {
            if (bytes[at] == '#')
                at = bytes.find_first_of("\r\n", at);
            else if (bytes[at] == '0' || bytes[at] == '1')
                read.push_back(bytes[at] == '0');   // 1 is black
            if (at == std::string::npos)
                break;
        }
    } else if (kind == '4') {
        const std::size_t rowBytes = (static_cast<std::size_t>(picture.width) + 7) / 8;
        const std::size_t start = numbers.Position() + 1;
        for (std::size_t y = 0; y < static_cast<std::size_t>(picture.height); ++y)
            for (std::size_t x = 0; x < static_cast<std::size_t>(picture.width); ++x) {
                const std::size_t at = start + y * rowBytes + x / 8;
                if (at < bytes.size())
                    read.push_back(((static_cast<unsigned char>(bytes[at]) >> (7 - x % 8)) & 1) == 0);
            }
    } else if (plain) {
        for (std::optional<std::string> sample; read.size() < pixels * channels && (sample = numbers.Next());)
            read.push_back(NumberOf(sample));
    } else {
        const std::size_t size = picture.maximum > 255 ? 2 : 1;
        for (std::size_t at = numbers.Position() + 1; at + size <= bytes.size() && read.size() < pixels * channels;
             at += size) {
            const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
            read.push_back(size == 2 ? byte(at) * 256 + byte(at + 1) : byte(at));
        }
    }
    if (read.size() < pixels * channels)
        return std::nullopt;
    for (std::size_t i = 0; i < pixels; ++i)
        for (std::size_t c = 0; c < 3; ++c)
            picture.samples.push_back(read[i * channels + (channels == 3 ? c : 0)]);
    return picture;
}

// Any picture Qt reads; a see-through pixel counts as the white background.
std::optional<Picture> ReadWithQt(const std::string& bytes)
{
    QImage image = QImage::fromData(QByteArray::fromStdString(bytes));
    if (image.isNull())
        return std::nullopt;
    image = image.convertToFormat(QImage::Format_ARGB32);
    Picture picture{image.width(), image.height(), 255, {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int alpha = qAlpha(pixel);
            for (const int sample : {qRed(pixel), qGreen(pixel), qBlue(pixel)})
                picture.samples.push_back((sample * alpha + 255 * (255 - alpha) + 127) / 255);
        }
    return picture;
}

}  // namespace

std::optional<Picture> ReadAnyPicture(const std::string& path)
{
    const std::string bytes = FirstBytesOf(path, MostBytesRead);
    if (std::optional<Picture> picture = ReadNetpbm(bytes))
        return picture;
    return ReadWithQt(bytes);
}

std::vector<std::uint8_t> ReduceColours(const Picture& picture)
{
    std::vector<std::uint8_t> colours;
    const float threshold = static_cast<float>(picture.maximum) / 2;
    for (std::size_t i = 0; i + 2 < picture.samples.size(); i += 3)
        colours.push_back(ColourOfSamples(picture.samples[i], picture.samples[i + 1], picture.samples[i + 2], threshold));
    return colours;
}

Picture ScaledToFit(const Picture& picture)
{
    const double scale = std::min(1.0, static_cast<double>(MaxSide) / std::max(picture.width, picture.height));
    Picture scaled{std::max(1, static_cast<int>(picture.width * scale)),
                   std::max(1, static_cast<int>(picture.height * scale)), picture.maximum, {}};
    for (int y = 0; y < scaled.height; ++y)
        for (int x = 0; x < scaled.width; ++x) {
            const std::size_t from = static_cast<std::size_t>((y * picture.height / scaled.height) * picture.width +
                                                              x * picture.width / scaled.width) * 3;
            scaled.samples.insert(scaled.samples.end(), picture.samples.begin() + static_cast<long>(from),
                                  picture.samples.begin() + static_cast<long>(from) + 3);
        }
    return scaled;
}

std::string PuzzleFile(int width, int height, const std::vector<std::uint8_t>& colours)
{
    const bool blackAndWhite = std::all_of(colours.begin(), colours.end(), [](std::uint8_t c) { return c <= White; });
    std::string file = std::string(blackAndWhite ? "P4\n" : "P6\n") + std::to_string(width) + " " +
                       std::to_string(height) + (blackAndWhite ? "\n" : "\n1\n");
    for (int y = 0; y < height; ++y) {
        if (blackAndWhite) {
            for (int x = 0; x < width; x += 8) {
                int byte = 0;
                for (int bit = 0; bit < 8; ++bit)
                    byte = byte * 2 + (x + bit < width && colours[y * width + x + bit] == Black ? 1 : 0);
                file += static_cast<char>(byte);
            }
        } else {
            for (int x = 0; x < width; ++x)
                for (const int shift : {16, 8, 0})
                    file += static_cast<char>((DisplayColour[colours[y * width + x]] >> shift) & 1);
        }
    }
    return file;
}

}  // namespace grizzet
