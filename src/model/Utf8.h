// Reading UTF-8 one character at a time, telling valid sequences from bytes
// that are no UTF-8 (file names may hold any bytes).
#pragma once

#include <cstddef>
#include <string_view>

namespace grizzet {

struct Utf8Char {
    std::size_t length = 0;  // bytes of the sequence; 0 when the first byte starts none
    char32_t code = 0;
};

// The character at the start of the bytes. Overlong forms, surrogates and
// code points past U+10FFFF are not valid sequences.
Utf8Char FirstUtf8Char(std::string_view bytes);

}  // namespace grizzet
