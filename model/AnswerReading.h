#pragma once
// What a pupil types into an exercise's answer fields, read exactly: digits stay digits and sums are
// formed in whole billionths, never in floating point, so that "1,2" equals 1,200 and "1,2004" does not,
// on every machine. Pupils write a decimal comma or a point whatever the locale, and put spaces where
// they like.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace model {

// A decimal number as its digits, normalised so that equal values are equal records: no leading zero in
// the whole part, no trailing zero in the fraction, and zero is never negative.
struct WrittenNumber {
    bool negative = false;
    std::string whole;    // "" for 0
    std::string fraction; // "" when there is none

    bool operator==(const WrittenNumber&) const = default;
    // The value in billionths, when it has at most nine digits on each side of the point.
    std::optional<std::int64_t> billionths() const;
};

// A number answer: blanks around it and after its sign (space, tab, U+00A0, U+202F, U+2009); a sign "+",
// "-", "−" (U+2212) or "–" (U+2013); digits, which may be grouped by threes with one blank ("1 234,5");
// a decimal comma or point followed by digits (",5" too); an optional unit "mol" in any case. Anything
// else is no number.
std::optional<WrittenNumber> readNumber(std::string_view text);

// An affine function of X, constant + slope × X, its coefficients in billionths.
struct Affine {
    std::int64_t constant = 0;
    std::int64_t slope = 0;

    bool operator==(const Affine&) const = default;
};

struct ExpressionReading {
    std::optional<Affine> value;
    // No value although the text is an expression: a number has more than nine digits on a side of its
    // point, or a sum leaves the range of billionths, so it cannot be compared exactly.
    bool beyondPrecision = false;
};

// An expression answer: a sum of terms, each a number, X, or a number times X, with a sign between two
// terms and optionally one before the first. The product is "2X", "2 X", "2*X", "2×X" or "2·X"; X is "X"
// or "x"; the signs and blanks are those of readNumber, blanks anywhere between the pieces; numbers
// are written as for readNumber but ungrouped; an optional unit "mol" may close the text. The order of
// the terms does not matter and like terms add up: "X + 2,4 - 3x" reads as 2,4 - 2 X.
ExpressionReading readExpression(std::string_view text);

} // namespace model
