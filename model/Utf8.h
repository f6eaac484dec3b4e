#pragma once
// Walking UTF-8 text one character at a time, and mapping a byte offset into it to the index a
// UTF-16 string (the editor's field) gives the same place.

#include <cstddef>
#include <string_view>

namespace model {

struct CodePoint {
    char32_t value = 0;
    std::size_t length = 1; // bytes taken; 1 for a byte that starts no valid sequence
    bool valid = false;
};

// The character starting at byte offset (< text.size()). Overlong forms, surrogates and values beyond
// U+10FFFF are not valid: each such byte is taken alone.
CodePoint decodeAt(std::string_view text, std::size_t offset);

// How many UTF-16 units, and how many characters, the first byteOffset bytes of text make (byteOffset
// is clamped to text.size()). Exact for valid UTF-8 cut at a character boundary; an invalid byte counts
// as one.
std::size_t utf16Offset(std::string_view text, std::size_t byteOffset);
std::size_t characterOffset(std::string_view text, std::size_t byteOffset);

} // namespace model
