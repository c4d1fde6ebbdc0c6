// The author's reading of a Netpbm file.
#include "model/AuthorNetpbm.h"

#include "model/PuzzleState.h"
#include "model/Raster.h"

#include <algorithm>

namespace grizzet {
namespace {

class AuthorReading {
public:
    AuthorReading(ByteSource& source, AuthorPicture& picture) : tokens(source), picture_(picture) {}

    // The next number, noting the first that the game joins to the one before.
    std::optional<std::uint64_t> Number()
    {
        const std::optional<NetpbmNumber> number = tokens.NextNumber();
        if (!number)
            return std::nullopt;
        if (number->joined && !picture_.join)
            picture_.join = NetpbmJoin{last_, number->value, number->gameValue, number->chained};
        last_ = number->value;
        picture_.digitsJoined = picture_.digitsJoined || (picture_.kind == '1' && number->binary && number->length > 1);
        return number->value;
    }

    // One sample of a raw raster, one or two bytes, most significant first.
    std::optional<std::uint64_t> RawSample(bool wide)
    {
        std::uint64_t sample = 0;
        for (int i = wide ? 2 : 1; i > 0; --i) {
            const int byte = tokens.NextByte();
            if (byte == ByteSource::End)
                return std::nullopt;
            sample = sample * 256 + static_cast<std::uint64_t>(byte);
        }
        return sample;
    }

    // One raw PBM row: a set bit is black, the row in whole bytes.
    bool RawBits(std::uint64_t width)
    {
        for (std::uint64_t x = 0; x < width; x += 8) {
            const int byte = tokens.NextByte();
            if (byte == ByteSource::End)
                return false;
            for (std::uint64_t bit = 0; bit < 8 && x + bit < width; ++bit)
                picture_.colours.push_back((byte << bit) & 0x80 ? Black : White);
        }
        return true;
    }

    NetpbmTokens tokens;

private:
    AuthorPicture& picture_;
    std::uint64_t last_ = 0;
};

// Every pixel's colour; false when the bytes end first.
bool ReadRaster(AuthorReading& reading, AuthorPicture& picture)
{
    const std::uint64_t width = *picture.width, pixels = width * *picture.height;
    const std::uint64_t maximum = *picture.maximum;
    const bool grey = picture.kind == '2' || picture.kind == '5';
    const bool plain = picture.kind <= '3';
    const float threshold = static_cast<float>(maximum) / 2;
    picture.colours.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(pixels, 1 << 16)));
    if (picture.kind == '4') {
        for (std::uint64_t y = 0; y < *picture.height; ++y)
            if (!reading.RawBits(width))
                return false;
        return true;
    }
    while (picture.colours.size() < pixels) {
        if (picture.kind == '1') {
            const int digit = reading.tokens.NextDigit();
            if (digit == ByteSource::End)
                return false;
            picture.colours.push_back(digit == 1 ? Black : White);
            continue;
        }
        int rgb[3] = {0, 0, 0};
        for (int channel = 0; channel < (grey ? 1 : 3); ++channel) {
            const std::optional<std::uint64_t> sample = plain ? reading.Number() : reading.RawSample(maximum > 255);
            if (!sample)
                return false;
            rgb[channel] = static_cast<int>(std::min(*sample, maximum));
        }
        if (grey)
            rgb[1] = rgb[2] = rgb[0];
        picture.colours.push_back(ColourOfSamples(rgb[0], rgb[1], rgb[2], threshold));
    }
    return true;
}

// Only the numbers of a plain raster, for what they tell of the author's intent.
void ScanNumbers(AuthorReading& reading, const AuthorPicture& picture)
{
    if (picture.kind == '1' || picture.kind == '3')
        while (reading.Number()) {
        }
}

}  // namespace

AuthorPicture ReadAuthorPicture(ByteSource& source, bool withColours)
{
    AuthorPicture picture;
    AuthorReading reading(source, picture);
    const int first = reading.tokens.NextByte();
    const int second = reading.tokens.NextByte();
    if (first != 'P' || second < '1' || second > '6')
        return picture;
    picture.kind = static_cast<char>(second);
    const bool bitmap = picture.kind == '1' || picture.kind == '4';
    picture.width = reading.Number();
    picture.height = picture.width ? reading.Number() : std::nullopt;
    if (picture.height)
        picture.maximum = bitmap ? 1 : reading.Number();

    if (!withColours) {
        if (picture.maximum)
            ScanNumbers(reading, picture);
    } else if (!picture.maximum) {
        picture.problem = "it ends before its header is complete";
    } else if (*picture.width == 0 || *picture.height == 0) {
        picture.problem = "it has no pixels";
    } else if (*picture.maximum == 0 || *picture.maximum > 65535) {
        picture.problem = "its maximum value " + std::to_string(*picture.maximum) + " is not from 1 to 65535";
    } else if (*picture.width > MostAuthorPixels || *picture.height > MostAuthorPixels ||
               *picture.width * *picture.height > MostAuthorPixels) {
        picture.problem = "it is " + std::to_string(*picture.width) + " by " + std::to_string(*picture.height) +
                          " pixels, more than " + std::to_string(MostAuthorPixels) + " pixels in all";
    } else if (!ReadRaster(reading, picture)) {
        picture.problem = "it ends before its last pixel";
    }
    if (reading.tokens.Unreadable())
        picture.problem = "it cannot be read";
    if (!picture.problem.empty())
        picture.colours.clear();
    return picture;
}

}  // namespace grizzet
