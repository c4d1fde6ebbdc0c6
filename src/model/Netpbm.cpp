// The Netpbm tokenizer, the game's numbers and samples, and the puzzle files
// the converter writes.
#include "model/Netpbm.h"

#include "model/PuzzleState.h"

#include <algorithm>

namespace grizzet {
namespace {

// Appends a digit, keeping at most NetpbmNumber::Huge.
std::uint64_t Append(std::uint64_t value, int digit)
{
    constexpr std::uint64_t Huge = NetpbmNumber::Huge;
    return value > (Huge - static_cast<std::uint64_t>(digit)) / 10 ? Huge : value * 10 + static_cast<std::uint64_t>(digit);
}

}  // namespace

int NetpbmTokens::Read()
{
    if (unreadable_)
        return ByteSource::End;
    try {
        return source_.Next();
    } catch (...) {
        // A file that cannot be read any further ends here; the caller asks.
        unreadable_ = true;
        return ByteSource::End;
    }
}

bool NetpbmTokens::SkipComment()
{
    for (int byte = Read();; byte = Read()) {
        if (byte == ByteSource::End)
            return false;
        if (byte == '\r' || byte == '\n')
            return true;
    }
}

std::optional<NetpbmNumber> NetpbmTokens::NextNumber()
{
    NetpbmNumber number;
    number.joined = NextJoins();
    number.chained = number.joined && chainedAhead_;
    int byte = number.joined ? pending_ : Read();
    pending_ = ByteSource::End;
    while (!IsDigit(byte)) {
        if (byte == ByteSource::End || (byte == '#' && !SkipComment()))
            return std::nullopt;
        byte = Read();
    }
    number.gameValue = number.joined ? lastGameValue_ : 0;
    for (; IsDigit(byte); byte = Read()) {
        number.value = Append(number.value, byte - '0');
        number.gameValue = Append(number.gameValue, byte - '0');
        number.length = std::min(number.length + 1, NetpbmNumber::Huge);
        number.binary = number.binary && byte <= '1';
    }
    // A comment does not end the number for the game: digits right after its
    // line end, or after more comment lines, continue it.
    int comments = 0;
    while (byte == '#' && SkipComment()) {
        ++comments;
        byte = Read();
    }
    if (comments > 0 && IsDigit(byte))
        pending_ = byte;
    chainedAhead_ = comments > 1;
    lastGameValue_ = number.gameValue;
    return number;
}

int NetpbmTokens::NextDigit()
{
    int byte = NextByte();
    while (!IsDigit(byte)) {
        if (byte == ByteSource::End || (byte == '#' && !SkipComment()))
            return ByteSource::End;
        byte = Read();
    }
    return byte - '0';
}

int NetpbmTokens::NextByte()
{
    const int byte = pending_ != ByteSource::End ? pending_ : Read();
    pending_ = ByteSource::End;
    return byte;
}

std::optional<std::int16_t> ReadNumber(NetpbmTokens& tokens)
{
    constexpr std::uint64_t Largest = 32767;  // what a 16-bit number holds
    std::optional<NetpbmNumber> number = tokens.NextNumber();
    while (number && tokens.NextJoins())
        number = tokens.NextNumber();
    if (!number || number->gameValue > Largest || tokens.Unreadable())
        return std::nullopt;
    return static_cast<std::int16_t>(number->gameValue);
}

std::optional<int> ReadGameSample(NetpbmTokens& tokens, bool plain)
{
    if (plain)
        return ReadNumber(tokens);
    const int byte = tokens.NextByte();
    return byte == ByteSource::End ? std::nullopt : std::optional<int>(byte);
}

std::string PuzzleFileOf(int width, int height, const std::vector<std::uint8_t>& colours)
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
