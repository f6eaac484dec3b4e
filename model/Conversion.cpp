#include "model/Conversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace model {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::size_t takeDigits(std::string_view text, std::size_t pos, std::string& out) {
    while (pos < text.size() && isDigit(text[pos])) {
        out.push_back(text[pos++]);
    }
    return pos;
}

// The exponent part "e", an optional sign and digits, appended to `out`; false when malformed.
bool takeExponent(std::string_view text, std::size_t& pos, std::string& out, bool allowMinus) {
    if (pos == text.size() || (text[pos] != 'e' && text[pos] != 'E')) {
        return true;
    }
    out.push_back('e');
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-' && !allowMinus) {
            return false;
        }
        if (text[pos] == '-') {
            out.push_back('-');
        }
        ++pos;
    }
    const std::size_t before = out.size();
    pos = takeDigits(text, pos, out);
    return out.size() > before;
}

} // namespace

std::optional<double> parseReal(std::string_view text, const NumberLocale& locale) {
    text = trimmed(text);
    std::string plain;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            plain.push_back('-');
        }
        ++pos;
    }
    std::size_t mantissaDigits = plain.size();
    pos = takeDigits(text, pos, plain);
    if (!locale.decimal.empty() && text.substr(pos, locale.decimal.size()) == locale.decimal) {
        plain.push_back('.');
        ++mantissaDigits; // the point is no digit
        pos = takeDigits(text, pos + locale.decimal.size(), plain);
    }
    if (plain.size() == mantissaDigits) {
        return std::nullopt;
    }
    if (!takeExponent(text, pos, plain, true) || pos != text.size()) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseInteger(std::string_view text) {
    text = trimmed(text);
    std::string plain;
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    pos = takeDigits(text, pos, plain);
    if (plain.empty()) {
        return std::nullopt;
    }
    std::string exponentPart;
    if (!takeExponent(text, pos, exponentPart, false) || pos != text.size()) {
        return std::nullopt;
    }
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max() + 1LL;
    for (char c : plain) {
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    if (!exponentPart.empty()) {
        int exponent = 0;
        for (char c : exponentPart.substr(1)) {
            exponent = std::min(exponent * 10 + (c - '0'), 100);
        }
        for (int i = 0; i < exponent && value != 0; ++i) {
            value *= 10;
            if (value > limit) {
                return std::nullopt;
            }
        }
    }
    if (negative) {
        value = -value;
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return int(value);
}

std::optional<int> parseGroupedInteger(std::string_view text, const NumberLocale& locale) {
    static constexpr std::string_view spaces[] = {" ", "\xC2\xA0", "\xE2\x80\xAF"};
    text = trimmed(text);
    std::string digits;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        digits.push_back(text[pos++]);
    }
    const std::size_t firstDigit = digits.size();
    pos = takeDigits(text, pos, digits);
    const std::size_t leading = digits.size() - firstDigit;
    if (leading == 0) {
        return std::nullopt;
    }
    if (pos == text.size()) {
        return parseInteger(digits);
    }
    if (leading > 3) {
        return std::nullopt;
    }
    while (pos < text.size()) {
        std::size_t separator = 0;
        if (!locale.group.empty() && text.substr(pos, locale.group.size()) == locale.group) {
            separator = locale.group.size();
        }
        for (std::string_view space : spaces) {
            if (separator == 0 && text.substr(pos, space.size()) == space) {
                separator = space.size();
            }
        }
        if (separator == 0) {
            return std::nullopt;
        }
        pos += separator;
        const std::size_t before = digits.size();
        pos = takeDigits(text, pos, digits);
        if (digits.size() - before != 3) {
            return std::nullopt;
        }
    }
    return parseInteger(digits);
}

namespace {
// Appended piece by piece: g++ 12 at -O3 warns falsely about "'" + std::string.
std::string quotedMessage(std::string_view text, std::string_view rest) {
    std::string message(1, '\'');
    message.append(text);
    message.append(rest);
    return message;
}
} // namespace

std::string realConversionMessage(std::string_view text) {
    return quotedMessage(text, "' n'est pas une valeur en virgule flottante correcte");
}

std::string integerConversionMessage(std::string_view text) {
    return quotedMessage(text, "' n'est pas une valeur entière correcte");
}

double toReal(std::string_view text, const NumberLocale& locale) {
    if (auto value = parseReal(text, locale)) {
        return *value;
    }
    throw ConversionError(realConversionMessage(text));
}

int toInteger(std::string_view text) {
    if (auto value = parseInteger(text)) {
        return *value;
    }
    throw ConversionError(integerConversionMessage(text));
}

double toRealOr(std::string_view text, const NumberLocale& locale, double fallback) {
    return parseReal(text, locale).value_or(fallback);
}

} // namespace model
