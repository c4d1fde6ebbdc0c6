// Why a file failed, or lost colours, and what its author can do about it:
// a second look at the file's bytes, which never changes how it was loaded.
#pragma once

#include "checker/CheckFile.h"

#include <string>
#include <vector>

namespace grizzet {

struct Hint {
    // One of plain-digits-joined, sixteen-bit, comment-joins-number,
    // too-large, not-netpbm, colours-reduced.
    std::string code;
    std::string text;     // in English: the likely cause and the fix
    std::string colours;  // colours-reduced: a JSON array of what became of each colour
};

// Nothing for a file that loaded without the colours notice, or that was not found.
std::vector<Hint> HintsFor(const CheckedFile& checked);

}  // namespace grizzet
