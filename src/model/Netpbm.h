// Netpbm files, byte by byte: one tokenizer over a byte source, and two
// readings of what it finds. The game's reading is the reader's own
// (ReadNumber, and the raster of LoadPuzzle in Raster.h); the author's
// reading (AuthorNetpbm.h) takes the numbers as their author meant them.
// Every reading ends in a value or in nothing; none throws.
#pragma once

#include "model/ByteSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grizzet {

// One run of digits, with the bytes and comments before it skipped.
struct NetpbmNumber {
    // Numbers are kept up to this value; a larger one reads as this value.
    static constexpr std::uint64_t Huge = 999'999'999'999;

    std::uint64_t value = 0;      // as its author wrote it
    std::uint64_t gameValue = 0;  // as the game reads it: joined to the digits before when `joined`
    // A comment right after the number before, and only comments up to these
    // digits: the game reads both as one number.
    bool joined = false;
    bool chained = false;  // more than one comment line stood between the two
    std::uint64_t length = 0;  // how many digits
    bool binary = true;        // only the digits 0 and 1
};

// The bytes of a Netpbm file as numbers, single digits and raw bytes; a "#"
// comment runs to the next CR or LF. A source that fails to read counts as
// ended, and Unreadable() tells. Memory stays the same whatever the length
// of a comment or a number.
class NetpbmTokens {
public:
    explicit NetpbmTokens(ByteSource& source) : source_(source) {}

    // The next run of digits; nothing when the bytes end before one. The
    // byte that ends a run is used up, and so are comments right after it.
    std::optional<NetpbmNumber> NextNumber();
    // The number that follows continues the last one in the game's reading.
    bool NextJoins() const { return IsDigit(pending_); }
    // The next digit on its own, 0 to 9; ByteSource::End when the bytes end
    // before one.
    int NextDigit();
    // The next byte as it is, or ByteSource::End.
    int NextByte();

    bool Unreadable() const { return unreadable_; }

private:
    static bool IsDigit(int byte) { return byte >= '0' && byte <= '9'; }
    int Read();
    // Past the comment's CR or LF; false when the bytes end first.
    bool SkipComment();

    ByteSource& source_;
    int pending_ = ByteSource::End;  // a digit read ahead, after a comment
    std::uint64_t lastGameValue_ = 0;
    bool chainedAhead_ = false;  // the pending digit follows more than one comment line
    bool unreadable_ = false;
};

// The game's header numbers and plain samples: the number as the game reads
// it, or nothing (the open-error message) when it is above 32767 or the
// bytes end before any digit.
std::optional<std::int16_t> ReadNumber(NetpbmTokens& tokens);

// One sample as the game reads it: a number for "P3", one byte for "P6".
std::optional<int> ReadGameSample(NetpbmTokens& tokens, bool plain);

// A puzzle file the game reads without a notice, for colour numbers row by
// row: "P4" when only black and white are left, otherwise "P6" with maximum 1.
std::string PuzzleFileOf(int width, int height, const std::vector<std::uint8_t>& colours);

}  // namespace grizzet
