#include "chart/AxisTicks.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// Never more labels than this, whatever the extents claim: a safety net under the pixel rule.
constexpr double maxLabels = 1000;
constexpr double minTickSpacingPx = 2;
constexpr double farOutside = 1e6;

// Half the range: max / 2 - min / 2 cannot overflow where max - min can.
double halfSpan(double minimum, double maximum) {
    return maximum / 2 - minimum / 2;
}

// The values minimum + j × step that lie in the range (with a little slack for rounding, so that
// 0..1.2 by 0.1 ends on 1.2), at most `limit` of them.
std::vector<double> multiples(double minimum, double maximum, double step, double limit) {
    std::vector<double> values;
    const double count = std::floor(halfSpan(minimum, maximum) / step * 2 + 1e-9);
    if (!std::isfinite(count)) {
        return {minimum};
    }
    const auto n = static_cast<long long>(std::min(count, limit));
    values.reserve(std::size_t(n + 1));
    for (long long j = 0; j <= n; ++j) {
        double v = minimum + double(j) * step;
        if (std::abs(v) < step * 1e-9) {
            v = 0; // 0.1 × 3 - 0.3 and friends label as 0, not -0
        }
        values.push_back(v);
    }
    return values;
}

bool isWholeRatio(double big, double small) {
    const double r = big / small;
    return std::abs(r - std::round(r)) < 1e-6 * std::max(1.0, r);
}

} // namespace

double niceMultiple(double x) {
    if (!(x > 1)) {
        return 1;
    }
    const double decade = std::pow(10.0, std::floor(std::log10(x)));
    for (double d : {1.0, 2.0, 5.0, 10.0}) {
        // The tolerance keeps 2.0000000001 (rounding of 0.2 / 0.1) at 2 instead of 5.
        if (d * decade >= x * (1 - 1e-9)) {
            return d * decade;
        }
    }
    return 10 * decade;
}

double axisFraction(double value, double minimum, double maximum) {
    const double span = halfSpan(minimum, maximum);
    if (!(span > 0)) {
        return std::isnan(value) ? value : 0.0;
    }
    const double f = (value / 2 - minimum / 2) / span;
    return std::isnan(f) ? f : std::clamp(f, -farOutside, farOutside);
}

TickLayout layoutTicks(const TickRequest& request) {
    TickLayout layout;
    const double minimum = request.minimum;
    const double maximum = request.maximum;
    const double span = halfSpan(minimum, maximum);
    if (!(span > 0) || !(request.lengthPx >= 1) || !std::isfinite(span)) {
        layout.labels = {minimum};
        return layout;
    }
    const double pxPerUnitHalf = request.lengthPx / (2 * span); // may underflow to 0 for vast ranges
    const double base =
        request.increment > 0 ? request.increment : std::pow(10.0, std::floor(std::log10(span)) - 3);

    // Grow the step until the labels it gives fit, measuring the labels of each try: wider numbers
    // need more room, so two or three rounds settle it.
    double needed = std::max(1.0, request.labelExtent(minimum) + request.gapPx);
    double step = 0;
    for (int round = 0; round < 8; ++round) {
        const double stepMin = needed / request.lengthPx * span * 2;
        step = base * niceMultiple(stepMin / base);
        if (!std::isfinite(step) && std::isfinite(stepMin)) {
            // The multiple of a tiny increment does not fit in a double; at that scale any step is
            // one, so take a readable one.
            const double decade = std::pow(10.0, std::floor(std::log10(stepMin)));
            step = decade * niceMultiple(stepMin / decade);
        }
        if (!std::isfinite(step) || !(step > 0)) {
            layout.labels = {minimum};
            return layout;
        }
        layout.labels = multiples(minimum, maximum, step, maxLabels);
        double widest = 0;
        for (double v : layout.labels) {
            widest = std::max(widest, request.labelExtent(v));
        }
        const double stepPx = step * pxPerUnitHalf;
        if (widest + request.gapPx <= stepPx * (1 + 1e-9) || layout.labels.size() <= 1) {
            break;
        }
        needed = std::max(widest + request.gapPx, needed * 1.5);
    }
    layout.labelStep = step;

    // Unlabelled ticks at every increment (or a multiple of it that divides the label step), kept when
    // at least 2 pixels apart.
    if (request.increment > 0 && step > request.increment) {
        const double unitPx = request.increment * pxPerUnitHalf;
        double m = unitPx > 0 ? niceMultiple(minTickSpacingPx / unitPx) : step / request.increment;
        const double k = step / request.increment;
        while (m < k && !isWholeRatio(k, m)) {
            m = niceMultiple(m * 1.5);
        }
        if (m < k) {
            const double tickStep = request.increment * m;
            for (double v : multiples(minimum, maximum, tickStep, request.lengthPx / minTickSpacingPx)) {
                if (!isWholeRatio(v - minimum, step)) {
                    layout.ticks.push_back(v);
                }
            }
        }
    }
    return layout;
}

} // namespace chart
