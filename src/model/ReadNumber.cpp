// The header numbers and the plain samples of a Netpbm file.
#include "model/LoadPuzzle.h"

namespace grizzet {

std::int16_t ReadNumber(ByteSource& source)
{
    constexpr int Largest = 32767;  // what a 16-bit number holds
    bool begun = false;
    int value = 0;
    for (;;) {
        int byte = source.Next();
        if (byte == '#') {
            // A comment runs to the line end and leaves a number open: digits
            // right after the line end continue it.
            do {
                byte = source.Next();
            } while (byte != '\r' && byte != '\n' && byte != ByteSource::End);
            if (byte != ByteSource::End)
                continue;
        }
        if (byte == ByteSource::End) {
            if (begun)
                return static_cast<std::int16_t>(value);
            throw RunTimeFailure("the file ends before a number");
        }
        if (byte >= '0' && byte <= '9') {
            value = value * 10 + (byte - '0');
            // Fail at once, so a run of a million digits costs nothing more.
            if (value > Largest)
                throw RunTimeFailure("a number above 32767");
            begun = true;
            continue;
        }
        // Any other byte: skipped before the digits, ends the number after them.
        if (begun)
            return static_cast<std::int16_t>(value);
    }
}

}  // namespace grizzet
