#pragma once
// The number formats of the program's displays. Every fixed format rounds half away from zero on the
// shortest decimal text of the value (1.0625 gives 1,063 and 1.0005 gives 1,001, as pupils round), and
// none ever shows "-0": a residue that rounds to zero is shown as zero.

#include "model/NumberLocale.h"

#include <string>

namespace model {

// Fixed notation, three decimals, thousands grouping ("1 234,500"); beyond seven integer digits,
// scientific notation with seven significant digits.
std::string formatF3(double value, const NumberLocale& locale);

// General notation with at most 15 significant digits, no grouping: fixed for 0 and magnitudes from
// 0.0001 to below 1e15, otherwise one digit, the decimal separator, the digits and "E" with the exponent
// ("1E-5", "1,5E20"). Used as G15 for X and by the float spin edit.
std::string formatGeneral(double value, const NumberLocale& locale);

// The chart's value format "#,##0.###": grouping, at least one integer digit, up to three decimals,
// trailing zeros dropped. Magnitudes of 1e15 and above fall back to the general format.
std::string formatMark(double value, const NumberLocale& locale);

// An integer in decimal with the locale's grouping ("1 000").
std::string formatGroupedInteger(long long value, const NumberLocale& locale);

// Non-finite values, which no conversion produces but arithmetic on huge ones can, read "NAN", "INF"
// and "-INF" in every format.

} // namespace model
