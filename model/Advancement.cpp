#include "model/Advancement.h"

#include <algorithm>
#include <cmath>

namespace model {

Limit limitOf(double n1, int a1, double n2, int a2) {
    const double r1 = n1 / a1;
    const double r2 = n2 / a2;
    if (r1 > r2) {
        return {r2, LimitingReactant::Second};
    }
    return {r1, r1 == r2 ? LimitingReactant::Both : LimitingReactant::First};
}

double largestQuantity(double n1, double n2, int a3, double xmax) {
    double largest = n1;
    if (n2 > largest) {
        largest = n2;
    }
    const double product = a3 * xmax;
    if (product > largest) {
        largest = product;
    }
    return largest;
}

AxisScaling axisScalingOf(double xmax, double largest) {
    return {1.2 * xmax, xmax / 10, largest + 1};
}

Extent extentOf(double n1, int a1, double n2, int a2, int a3) {
    const double xmax = limitOf(n1, a1, n2, a2).xmax;
    return {xmax, axisScalingOf(xmax, largestQuantity(n1, n2, a3, xmax))};
}

double scaledAdvancement(long long k, long long divisor, double x) {
    const double kd = double(k);
    const double d = double(divisor);
    const double hi = kd * x;
    if (!std::isfinite(hi) || hi == 0) {
        return std::isfinite(hi) ? hi / d : x * (kd / d);
    }
    // k × x = hi + lo exactly; hi = q × d + r exactly; the quotient is then q + (r + lo) / d.
    const double lo = std::fma(kd, x, -hi);
    const double q = hi / d;
    const double r = std::fma(-q, d, hi);
    return q + (r + lo) / d;
}

int positionNearest(double x, double xmax) {
    const double share = xmax > 0 ? x / xmax : 0;
    return std::isfinite(share) ? int(std::lround(std::clamp(share, 0.0, 1.0) * 100)) : 0;
}

Quantities quantitiesAt(double n1, double n2, const Coefficients& a, double x) {
    return {n1 - a.a1 * x, n2 - a.a2 * x, a.a3 * x, a.a4 * x};
}

std::vector<Sample> curveSamples(int p, double xmax, double n1, double n2, const Coefficients& a) {
    std::vector<Sample> samples;
    if (p < 0) {
        return samples;
    }
    samples.reserve(std::size_t(p) + 1);
    for (int k = 0; k <= p; ++k) {
        const double x = advancementAt(k, xmax);
        samples.push_back({x, quantitiesAt(n1, n2, a, x)});
    }
    return samples;
}

std::string productExpression(std::string_view coefficient) {
    return coefficient == "1" ? std::string("X") : std::string(coefficient) + " X";
}

std::string reactantExpression(std::string_view quantity, std::string_view coefficient) {
    return std::string(quantity) + " - " + productExpression(coefficient);
}

} // namespace model
