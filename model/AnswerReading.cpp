#include "model/AnswerReading.h"

#include <limits>

namespace model {

namespace {

constexpr std::string_view blanks[] = {" ", "\t", "\u00A0", "\u202F", "\u2009"};
constexpr std::string_view minuses[] = {"-", "\u2212", "\u2013"};
constexpr std::string_view products[] = {"*", "\u00D7", "\u00B7", "\u22C5"};
constexpr std::string_view separators[] = {",", "."};
constexpr int maxDigitsPerSide = 9;
constexpr std::int64_t billion = 1'000'000'000;

// Every step takes what it matches or nothing, so a reading is one pass over the text.
class Cursor {
public:
    explicit Cursor(std::string_view text)
        : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t position) { pos_ = position; }

    bool take(std::string_view token) {
        // The first byte decides most tries without a comparison of the whole token.
        if (atEnd() || text_[pos_] != token.front() || text_.substr(pos_, token.size()) != token) {
            return false;
        }
        pos_ += token.size();
        return true;
    }
    template <std::size_t N> bool takeAny(const std::string_view (&tokens)[N]) {
        for (const std::string_view token : tokens) {
            if (take(token)) {
                return true;
            }
        }
        return false;
    }
    void skipBlanks() {
        while (takeAny(blanks)) {
        }
    }
    std::string_view takeDigits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }
    // "mol" in any case.
    bool takeUnit() {
        constexpr std::string_view unit = "mol";
        if (text_.size() - pos_ < unit.size()) {
            return false;
        }
        for (std::size_t i = 0; i < unit.size(); ++i) {
            if ((text_[pos_ + i] | 0x20) != unit[i]) {
                return false;
            }
        }
        pos_ += unit.size();
        return true;
    }
    // -1 for a minus, +1 for a plus, 0 for no sign.
    int takeSign() {
        if (take("+")) {
            return 1;
        }
        return takeAny(minuses) ? -1 : 0;
    }
    // An optional unit, then nothing but blanks.
    bool closes() {
        skipBlanks();
        takeUnit();
        skipBlanks();
        return atEnd();
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

WrittenNumber normalised(bool negative, std::string whole, std::string fraction) {
    const std::size_t firstSignificant = whole.find_first_not_of('0');
    whole.erase(0, firstSignificant == std::string::npos ? whole.size() : firstSignificant);
    const std::size_t lastSignificant = fraction.find_last_not_of('0');
    fraction.erase(lastSignificant == std::string::npos ? 0 : lastSignificant + 1);
    const bool zero = whole.empty() && fraction.empty();
    return {negative && !zero, std::move(whole), std::move(fraction)};
}

// Digits, with an optional decimal comma or point followed by digits; with `grouping`, the whole part
// may be grouped by threes with one blank. Nothing is taken when the text there is no such number.
std::optional<WrittenNumber> takeUnsigned(Cursor& cursor, bool grouping) {
    const std::size_t start = cursor.position();
    const std::string_view lead = cursor.takeDigits();
    std::string whole(lead);
    bool grouped = false;
    while (grouping && !whole.empty()) {
        const std::size_t beforeBlank = cursor.position();
        if (!cursor.takeAny(blanks)) {
            break;
        }
        const std::string_view group = cursor.takeDigits();
        if (group.empty()) {
            cursor.rewind(beforeBlank); // a blank before the unit, or the end
            break;
        }
        if (group.size() != 3 || (!grouped && lead.size() > 3)) {
            cursor.rewind(start);
            return std::nullopt;
        }
        grouped = true;
        whole += group;
    }
    std::string fraction;
    if (cursor.takeAny(separators)) {
        fraction = cursor.takeDigits();
        if (fraction.empty()) {
            cursor.rewind(start);
            return std::nullopt;
        }
    }
    if (whole.empty() && fraction.empty()) {
        cursor.rewind(start);
        return std::nullopt;
    }
    return normalised(false, std::move(whole), std::move(fraction));
}

bool addWithin(std::int64_t& sum, std::int64_t term) {
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min();
    if ((term > 0 && sum > most - term) || (term < 0 && sum < least - term)) {
        return false;
    }
    sum += term;
    return true;
}

} // namespace

std::optional<std::int64_t> WrittenNumber::billionths() const {
    if (int(whole.size()) > maxDigitsPerSide || int(fraction.size()) > maxDigitsPerSide) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char digit : whole) {
        value = value * 10 + (digit - '0');
    }
    std::int64_t fractionValue = 0;
    for (int i = 0; i < maxDigitsPerSide; ++i) {
        fractionValue = fractionValue * 10 + (i < int(fraction.size()) ? fraction[std::size_t(i)] - '0' : 0);
    }
    value = value * billion + fractionValue;
    return negative ? -value : value;
}

std::optional<WrittenNumber> readNumber(std::string_view text) {
    Cursor cursor(text);
    cursor.skipBlanks();
    const bool negative = cursor.takeSign() < 0;
    cursor.skipBlanks();
    std::optional<WrittenNumber> number = takeUnsigned(cursor, true);
    if (!number || !cursor.closes()) {
        return std::nullopt;
    }
    return normalised(negative, std::move(number->whole), std::move(number->fraction));
}

ExpressionReading readExpression(std::string_view text) {
    Cursor cursor(text);
    Affine sum;
    bool beyond = false;
    cursor.skipBlanks();
    for (bool first = true;; first = false) {
        const std::size_t beforeSign = cursor.position();
        const int sign = cursor.takeSign();
        if (sign == 0 && !first) {
            cursor.rewind(beforeSign);
            break;
        }
        cursor.skipBlanks();
        const std::optional<WrittenNumber> number = takeUnsigned(cursor, false);
        cursor.skipBlanks();
        const bool product = number && cursor.takeAny(products);
        cursor.skipBlanks();
        const bool x = cursor.take("X") || cursor.take("x");
        if ((!number && !x) || (product && !x)) {
            return {};
        }
        cursor.skipBlanks();
        const std::optional<std::int64_t> magnitude = number ? number->billionths() : billion;
        if (!beyond) {
            // A magnitude has at most eighteen digits, so its negation never overflows.
            beyond =
                !magnitude || !addWithin(x ? sum.slope : sum.constant, sign < 0 ? -*magnitude : *magnitude);
        }
    }
    if (!cursor.closes()) {
        return {};
    }
    if (beyond) {
        return {std::nullopt, true};
    }
    return {sum, false};
}

} // namespace model
