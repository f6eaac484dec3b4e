#include "model/Utf8.h"

#include <algorithm>
#include <iterator>

namespace model {

namespace {

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

template <typename Weight> std::size_t weigh(std::string_view text, std::size_t byteOffset, Weight weight) {
    const std::size_t end = std::min(byteOffset, text.size());
    std::size_t units = 0;
    for (std::size_t at = 0; at < end;) {
        const CodePoint c = decodeAt(text, at);
        units += weight(c);
        at += c.length;
    }
    return units;
}

} // namespace

CodePoint decodeAt(std::string_view text, std::size_t offset) {
    const auto lead = static_cast<unsigned char>(text[offset]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    // Lead byte pattern, sequence length, and the smallest value a sequence of that length may carry.
    struct Form {
        unsigned char mask, pattern;
        std::size_t length;
        char32_t smallest;
    };
    constexpr Form forms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
    const Form* form = std::find_if(std::begin(forms), std::end(forms),
                                    [lead](const Form& f) { return (lead & f.mask) == f.pattern; });
    if (form == std::end(forms)) {
        return {};
    }
    const std::size_t length = form->length;
    char32_t value = lead & static_cast<unsigned char>(~form->mask);
    if (offset + length > text.size()) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[offset + i]);
        if (!continuation(byte)) {
            return {};
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < form->smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {};
    }
    return {value, length, true};
}

std::size_t utf16Offset(std::string_view text, std::size_t byteOffset) {
    return weigh(text, byteOffset, [](const CodePoint& c) { return c.valid && c.value > 0xFFFF ? 2 : 1; });
}

std::size_t characterOffset(std::string_view text, std::size_t byteOffset) {
    return weigh(text, byteOffset, [](const CodePoint&) { return 1; });
}

} // namespace model
