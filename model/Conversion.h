#pragma once
// Text to number, as the runtime's conversions do it: leading and trailing blanks, a sign and an
// exponent are accepted, and only the locale's decimal separator. A conversion never yields NaN or an
// infinity: "nan", "inf" and out-of-range texts such as "1e400" are not numbers.

#include "model/Failure.h"
#include "model/NumberLocale.h"

#include <optional>
#include <string>
#include <string_view>

namespace model {

std::optional<double> parseReal(std::string_view text, const NumberLocale& locale);
std::optional<int> parseInteger(std::string_view text);
// An integer as an up-down control writes it: digits, or digits in groups of three separated by the
// locale's grouping separator, a plain space, U+00A0 or U+202F ("1 000"). Never an exponent: "1e6" is no
// count.
std::optional<int> parseGroupedInteger(std::string_view text, const NumberLocale& locale);

// Strict conversions: raise ConversionError with the runtime's message and the text in place of %s.
double toReal(std::string_view text, const NumberLocale& locale);
int toInteger(std::string_view text);

// Lenient conversion: the fallback when the text is no number.
double toRealOr(std::string_view text, const NumberLocale& locale, double fallback);

std::string realConversionMessage(std::string_view text);    // "'%s' n'est pas une valeur en virgule ..."
std::string integerConversionMessage(std::string_view text); // "'%s' n'est pas une valeur entière correcte"

} // namespace model
