#include "model/Advancement.h"
#include "model/Conversion.h"
#include "model/Equation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <set>
#include <string>
#include <utility>

namespace {

using model::Coefficients;

TEST(Limit, StoichiometricProportionsOfPresetTwo) {
    const model::Limit limit = model::limitOf(2, 2, 1, 1);
    EXPECT_DOUBLE_EQ(limit.xmax, 1.0);
    EXPECT_EQ(limit.limiting, model::LimitingReactant::Both);
    const model::AxisScaling axes =
        model::axisScalingOf(limit.xmax, model::largestQuantity(2, 1, 2, limit.xmax));
    EXPECT_DOUBLE_EQ(axes.bottomMaximum, 1.2);
    EXPECT_DOUBLE_EQ(axes.bottomIncrement, 0.1);
    EXPECT_DOUBLE_EQ(axes.leftMaximum, 3.0);
}

TEST(Limit, SecondReactantLimits) {
    const model::Limit limit = model::limitOf(5, 1, 1, 1);
    EXPECT_DOUBLE_EQ(limit.xmax, 1.0);
    EXPECT_EQ(limit.limiting, model::LimitingReactant::Second);
    const double x = model::advancementAt(50, limit.xmax);
    EXPECT_DOUBLE_EQ(x, 0.5);
    const model::Quantities q = model::quantitiesAt(5, 1, Coefficients{1, 1, 1, 0}, x);
    EXPECT_DOUBLE_EQ(q.q1, 4.5);
    EXPECT_DOUBLE_EQ(q.q2, 0.5);
    EXPECT_DOUBLE_EQ(q.q3, 0.5);
    EXPECT_DOUBLE_EQ(q.q4, 0.0);
}

TEST(Limit, FirstReactantLimitsAndTiesTakeTheFirstRatio) {
    EXPECT_EQ(model::limitOf(1, 1, 5, 1).limiting, model::LimitingReactant::First);
    EXPECT_DOUBLE_EQ(model::limitOf(3, 3, 1, 1).xmax, 1.0);
    EXPECT_EQ(model::limitOf(3, 3, 1, 1).limiting, model::LimitingReactant::Both);
}

TEST(Limit, NoFirstReactantMeansNoAdvancement) {
    const model::Limit limit = model::limitOf(0, 1, 1, 1);
    EXPECT_EQ(limit.xmax, 0.0);
    const model::AxisScaling axes =
        model::axisScalingOf(limit.xmax, model::largestQuantity(0, 1, 1, limit.xmax));
    EXPECT_EQ(axes.bottomMaximum, 0.0);
    EXPECT_EQ(axes.bottomIncrement, 0.0);
    EXPECT_EQ(axes.leftMaximum, 2.0);
    for (int p = 0; p <= 100; ++p) {
        EXPECT_TRUE(model::isFinalState(model::advancementAt(p, limit.xmax), limit.xmax)) << p;
    }
    for (const model::Sample& s : model::curveSamples(100, limit.xmax, 0, 1, Coefficients{})) {
        EXPECT_EQ(s.x, 0.0);
    }
}

TEST(Limit, NegativeQuantityGivesNegativeAdvancement) {
    EXPECT_LT(model::limitOf(-1, 1, 1, 1).xmax, 0.0);
}

TEST(LargestQuantity, TakesTheBiggestOfBothReactantsAndTheFirstProduct) {
    EXPECT_DOUBLE_EQ(model::largestQuantity(1, 3, 1, 1), 3.0);
    EXPECT_DOUBLE_EQ(model::largestQuantity(5, 5, 2, 5), 10.0); // 2 × xmax beats both reactants
    EXPECT_DOUBLE_EQ(model::largestQuantity(5, 1, 1, 1), 5.0);
}

TEST(CurveSamples, RunFromZeroToTheSliderPosition) {
    const auto samples = model::curveSamples(37, 2.0, 2, 1, Coefficients{2, 1, 2, 1});
    ASSERT_EQ(samples.size(), 38u);
    EXPECT_EQ(samples.front().x, 0.0);
    EXPECT_DOUBLE_EQ(samples.back().x, 0.74);
    for (std::size_t k = 1; k < samples.size(); ++k) {
        EXPECT_LT(samples[k - 1].x, samples[k].x);
    }
    EXPECT_TRUE(model::curveSamples(-1, 1.0, 1, 1, Coefficients{}).empty());
}

// The grid of initial quantities the field allows: 0 to 50 by 0.1, as the pupil types them.
std::vector<std::pair<int, double>> quantityGrid() {
    const model::NumberLocale french{",", "\u202F"};
    std::vector<std::pair<int, double>> grid;
    for (int tenths = 0; tenths <= 500; ++tenths) {
        const std::string text = std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
        grid.emplace_back(tenths, model::toReal(text, french));
    }
    return grid;
}

TEST(Advancement, FullSliderGivesXmaxBitForBit) {
    std::set<double> ratios;
    for (const auto& [tenths, n] : quantityGrid()) {
        for (int a = 1; a <= 3; ++a) {
            const double xmax = n / a;
            ASSERT_EQ(model::advancementAt(100, xmax), xmax) << n << " / " << a;
            ratios.insert(xmax);
        }
    }
    // The exact product matters: plain double arithmetic misses many of these ratios.
    const auto naiveMisses =
        std::count_if(ratios.begin(), ratios.end(), [](double x) { return (100 * x) / 100 != x; });
    EXPECT_EQ(ratios.size(), 1153u);
    EXPECT_EQ(naiveMisses, 98);
}

// p × xmax / 100 and the quantities at X computed exactly, on fractions of 64-bit integers.
struct Fraction {
    std::int64_t num;
    std::int64_t den;
    Fraction(std::int64_t n, std::int64_t d)
        : num(n)
        , den(d) {
        const std::int64_t g = std::gcd(num < 0 ? -num : num, den);
        if (g > 1) {
            num /= g;
            den /= g;
        }
    }
    friend Fraction operator-(Fraction a, Fraction b) {
        return {a.num * b.den - b.num * a.den, a.den * b.den};
    }
    friend Fraction operator*(Fraction a, Fraction b) { return {a.num * b.num, a.den * b.den}; }
    friend bool operator<(Fraction a, Fraction b) { return a.num * b.den < b.num * a.den; }
    long double value() const { return static_cast<long double>(num) / den; }
};

TEST(Advancement, QuantitiesMatchAnExactComputation) {
    const auto grid = quantityGrid();
    for (const model::Preset& preset : model::presetCatalogue()) {
        const auto& slots = preset.equation.slots;
        const int a1 = std::stoi(slots[0].coefficient);
        const int a2 = std::stoi(slots[1].coefficient);
        const int a3 = std::stoi(slots[2].coefficient);
        const int a4 = slots[3].coefficient.empty() ? 0 : std::stoi(slots[3].coefficient);
        const Coefficients a{double(a1), double(a2), double(a3), double(a4)};
        for (const auto& [t1, n1] : grid) {
            for (std::size_t j = 0; j < grid.size(); j += 25) {
                const auto& [t2, n2] = grid[j];
                const model::Limit limit = model::limitOf(n1, a1, n2, a2);
                const Fraction r1(t1, 10LL * a1);
                const Fraction r2(t2, 10LL * a2);
                const Fraction exactXmax = r2 < r1 ? r2 : r1;
                ASSERT_NEAR(double(limit.xmax), double(exactXmax.value()), 1e-12);
                const auto samples = model::curveSamples(100, limit.xmax, n1, n2, a);
                for (int k = 0; k <= 100; ++k) {
                    const Fraction x = Fraction(k, 100) * exactXmax;
                    const model::Quantities& q = samples[std::size_t(k)].quantities;
                    ASSERT_NEAR(q.q1, double((Fraction(t1, 10) - Fraction(a1, 1) * x).value()), 1e-12);
                    ASSERT_NEAR(q.q2, double((Fraction(t2, 10) - Fraction(a2, 1) * x).value()), 1e-12);
                    ASSERT_NEAR(q.q3, double((Fraction(a3, 1) * x).value()), 1e-12);
                    ASSERT_NEAR(q.q4, double((Fraction(a4, 1) * x).value()), 1e-12);
                }
                ASSERT_TRUE(model::isFinalState(samples.back().x, limit.xmax));
            }
        }
    }
}

TEST(ScaledAdvancement, MeasurementRowsEndExactlyAtXmax) {
    for (double xmax : {2.5, 0.1, 1.0 / 3.0, 16.6, 0.0, 1e308}) {
        for (long long last : {1LL, 9LL, 99LL, 999LL, 999999LL}) {
            EXPECT_EQ(model::scaledAdvancement(last, last, xmax), xmax) << xmax << " " << last;
            EXPECT_EQ(model::scaledAdvancement(0, last, xmax), 0.0);
        }
    }
}

} // namespace
