// Arbitrary bytes as what a pupil types into a quantity field: read by every conversion the windows use,
// in the French and the C locale, and when the text is a number, carried through the advancement engine
// and every display format. A conversion never gives NaN or an infinity, the engine never leaves the
// range from zero to the quantities typed, and the general format reads back as the value it shows.

#include "model/Advancement.h"
#include "model/Conversion.h"
#include "model/Failure.h"
#include "model/NumberFormat.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const model::NumberLocale french{",", "\u202f"};
const model::NumberLocale c{".", ","};

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void formatsHold(double value, const model::NumberLocale& locale) {
    check(!model::formatF3(value, locale).empty());
    check(!model::formatMark(value, locale).empty());
    const std::string general = model::formatGeneral(value, locale);
    const std::optional<double> back = model::parseReal(general, locale);
    check(back.has_value());
    // Fifteen significant digits: the text is the value to within its last digit.
    check(*back == value || std::fabs(*back - value) <= 1e-14 * std::fabs(value));
}

void engineHolds(double n1, double n2) {
    for (const model::Coefficients a : {model::Coefficients{1, 1, 1, 0}, model::Coefficients{2, 3, 4, 5}}) {
        const model::Limit limit = model::limitOf(n1, int(a.a1), n2, int(a.a2));
        for (const int p : {0, 1, 37, 99, 100}) {
            const double x = model::advancementAt(p, limit.xmax);
            const model::Quantities q = model::quantitiesAt(n1, n2, a, x);
            // Beyond 1e300 a product may overflow, which the formats show as "INF".
            if (std::fabs(n1) < 1e300 && std::fabs(n2) < 1e300) {
                check(std::isfinite(q.q1) && std::isfinite(q.q2) && std::isfinite(q.q3) &&
                      std::isfinite(q.q4));
            }
            if (n1 >= 0 && n2 >= 0 && n1 < 1e300 && n2 < 1e300) {
                // What is consumed never exceeds what was there, to within the rounding of a product
                // (relative, or one step of the subnormal range, where a division by a coefficient
                // is not exact: 1,12E-322 mol and a coefficient of 2 leave -5E-324).
                const double slack1 = 1e-9 * n1 + 1e-300;
                const double slack2 = 1e-9 * n2 + 1e-300;
                check(q.q1 >= -slack1 && q.q1 <= n1);
                check(q.q2 >= -slack2 && q.q2 <= n2);
                check(q.q3 >= 0);
            }
            if (std::isfinite(q.q1) && std::isfinite(x)) {
                formatsHold(q.q1, french);
                formatsHold(x, french);
            }
        }
        if (std::fabs(limit.xmax) < 1e300) {
            const model::AxisScaling axes =
                model::axisScalingOf(limit.xmax, model::largestQuantity(n1, n2, int(a.a3), limit.xmax));
            check(!std::isnan(axes.bottomMaximum) && !std::isnan(axes.leftMaximum));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const model::NumberLocale* locale : {&french, &c}) {
        const std::optional<double> value = model::parseReal(text, *locale);
        if (value) {
            check(std::isfinite(*value));
            formatsHold(*value, *locale);
            engineHolds(*value, *value / 2 + 1);
        }
        check(model::toRealOr(text, *locale, 7.5) == (value ? *value : 7.5));
        try {
            const double strict = model::toReal(text, *locale);
            check(value && strict == *value);
        } catch (const model::ConversionError&) {
            check(!value);
        }
        (void)model::parseGroupedInteger(text, *locale);
    }
    const std::optional<int> integer = model::parseInteger(text);
    if (integer) {
        check(!model::formatGroupedInteger(*integer, french).empty());
    }
    return 0;
}
