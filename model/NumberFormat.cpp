#include "model/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace model {

namespace {

// A finite non-zero value as decimal digits: value = 0.digits × 10^pointPos. Zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int pointPos = 0;

    bool isZero() const { return digits.empty(); }
};

Decimal decimalOf(double value) {
    Decimal d;
    if (value == 0.0) {
        return d;
    }
    d.negative = std::signbit(value);
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string text(buffer, ec == std::errc() ? end : buffer);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            d.digits.push_back(text[i]);
        }
    }
    d.pointPos = std::stoi(text.substr(e + 1)) + 1;
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the first dropped one.
void roundToDigits(Decimal& d, int keep) {
    if (d.isZero() || keep >= int(d.digits.size())) {
        return;
    }
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9') {
            d.digits[std::size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[std::size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

void roundToDecimals(Decimal& d, int decimals) {
    roundToDigits(d, d.pointPos + decimals);
}

char digitAt(const Decimal& d, int index) {
    return index >= 0 && index < int(d.digits.size()) ? d.digits[std::size_t(index)] : '0';
}

std::string grouped(const std::string& integerDigits, const std::string& group) {
    std::string out;
    const std::size_t n = integerDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += group;
        }
        out.push_back(integerDigits[i]);
    }
    return out;
}

// Fixed text of an already rounded decimal: integer digits (grouped when a separator is given), then
// at least minDecimals and at most maxDecimals fraction digits.
std::string fixedText(const Decimal& d, int minDecimals, int maxDecimals, const NumberLocale& locale,
                      bool group) {
    std::string integer;
    for (int i = 0; i < d.pointPos; ++i) {
        integer.push_back(digitAt(d, i));
    }
    if (integer.empty()) {
        integer = "0";
    }
    std::string fraction;
    for (int i = 0; i < maxDecimals; ++i) {
        fraction.push_back(digitAt(d, d.pointPos + i));
    }
    while (int(fraction.size()) > minDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string out = (d.negative && !d.isZero()) ? "-" : "";
    out += group ? grouped(integer, locale.group) : integer;
    if (!fraction.empty()) {
        out += locale.decimal + fraction;
    }
    return out;
}

// d.ddd…E±x from an already rounded decimal; trailing zeros of the mantissa kept up to minDigits.
std::string scientificText(const Decimal& d, int minDigits, bool plusSign, const NumberLocale& locale) {
    std::string mantissa(1, digitAt(d, 0));
    std::string rest;
    for (int i = 1; i < std::max(int(d.digits.size()), minDigits); ++i) {
        rest.push_back(digitAt(d, i));
    }
    std::string out = d.negative ? "-" : "";
    out += mantissa;
    if (!rest.empty()) {
        out += locale.decimal + rest;
    }
    const int exponent = d.pointPos - 1;
    out += "E";
    if (exponent < 0) {
        out += "-";
    } else if (plusSign) {
        out += "+";
    }
    out += std::to_string(std::abs(exponent));
    return out;
}

const char* nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

} // namespace

std::string formatF3(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    Decimal d = decimalOf(value);
    roundToDecimals(d, 3);
    if (d.pointPos > 7) {
        d = decimalOf(value);
        roundToDigits(d, 7);
        return scientificText(d, 7, true, locale);
    }
    return fixedText(d, 3, 3, locale, true);
}

std::string formatGeneral(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    Decimal d = decimalOf(value);
    roundToDigits(d, 15);
    if (d.isZero()) {
        return "0";
    }
    if (d.pointPos < -3 || d.pointPos > 15) {
        return scientificText(d, 0, false, locale);
    }
    return fixedText(d, 0, std::max(0, int(d.digits.size()) - d.pointPos), locale, false);
}

std::string formatMark(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    Decimal d = decimalOf(value);
    roundToDecimals(d, 3);
    if (d.pointPos > 15) {
        return formatGeneral(value, locale);
    }
    return fixedText(d, 0, 3, locale, true);
}

std::string formatGroupedInteger(long long value, const NumberLocale& locale) {
    const std::string digits =
        std::to_string(value < 0 ? -(value + 1) + 1ULL : static_cast<unsigned long long>(value));
    return (value < 0 ? "-" : "") + grouped(digits, locale.group);
}

} // namespace model
