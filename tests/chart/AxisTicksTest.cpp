// Label and tick placement: every increment when there is room, multiples of it when there is not, and
// a bounded amount of work whatever the range.

#include "chart/AxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using chart::axisFraction;
using chart::layoutTicks;
using chart::niceMultiple;
using chart::TickRequest;

// Every label 10 px along the axis.
TickRequest request(double minimum, double maximum, double increment, double lengthPx) {
    return TickRequest{minimum, maximum, increment, lengthPx, [](double) { return 10.0; }, 4};
}

void expectValues(const std::vector<double>& got, const std::vector<double>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i], want[i], 1e-12) << "at " << i;
    }
}

TEST(AxisTicks, EveryIncrementFromTheMinimumWhenThereIsRoom) {
    const auto layout = layoutTicks(request(0, 5, 0.5, 200));
    expectValues(layout.labels, {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5});
    EXPECT_TRUE(layout.ticks.empty());
}

TEST(AxisTicks, RoundingDoesNotLoseTheLastLabel) {
    // 1.2 / 0.1 is 11.999999999999998 in doubles.
    const auto layout = layoutTicks(request(0, 1.2, 0.1, 400));
    ASSERT_EQ(layout.labels.size(), 13u);
    EXPECT_NEAR(layout.labels.back(), 1.2, 1e-12);
    EXPECT_EQ(layout.labels[3], 0.30000000000000004); // min + 3 × step, not accumulated
}

TEST(AxisTicks, LabelsStartAtTheMinimumNotAtZero) {
    const auto layout = layoutTicks(request(0.25, 2, 0.5, 200));
    expectValues(layout.labels, {0.25, 0.75, 1.25, 1.75});
}

TEST(AxisTicks, CrowdedLabelsKeepMultiplesOfTheIncrementAndTicksShowTheIncrement) {
    // 50 increments on 100 px: 14 px a label allows one label every 10 px at best.
    const auto layout = layoutTicks(request(0, 5, 0.1, 100));
    EXPECT_NEAR(layout.labelStep, 1, 1e-12); // 0.1 × 10: 0.5 (10 px) would leave no gap
    expectValues(layout.labels, {0, 1, 2, 3, 4, 5});
    // Ticks every 0.1 are 2 px apart: all kept, the labelled ones left out.
    EXPECT_EQ(layout.ticks.size(), 45u);
}

TEST(AxisTicks, TicksCloserThanTwoPixelsAreThinnedToMultiples) {
    const auto layout = layoutTicks(request(0, 10, 0.01, 100)); // 0.1 px per increment
    for (std::size_t i = 1; i < layout.ticks.size(); ++i) {
        EXPECT_GE((layout.ticks[i] - layout.ticks[i - 1]) * 10, 2 - 1e-9);
    }
    // Every tick and label stays a multiple of the increment.
    for (double v : layout.ticks) {
        EXPECT_NEAR(std::round(v / 0.01) * 0.01, v, 1e-9);
    }
}

TEST(AxisTicks, BillionsOfIncrementsGiveAFewLabels) {
    const auto layout = layoutTicks(request(0, 1e9, 0.1, 300));
    EXPECT_LE(layout.labels.size(), 300u / 14 + 1);
    EXPECT_GE(layout.labels.size(), 2u);
    EXPECT_LE(layout.ticks.size(), 151u);
    for (double v : layout.labels) {
        EXPECT_NEAR(std::round(v / 0.1) * 0.1, v, 1e-3);
    }
}

TEST(AxisTicks, WideLabelsSpreadTheStep) {
    TickRequest r = request(0, 1e9, 0.1, 300);
    r.labelExtent = [](double v) { return 8.0 * double(std::to_string(static_cast<long long>(v)).size()); };
    const auto layout = layoutTicks(r);
    ASSERT_GE(layout.labels.size(), 2u);
    const double stepPx = layout.labelStep / 1e9 * 300;
    EXPECT_GE(stepPx, 8.0 * 10 + 4); // "1000000000" is ten digits wide
}

TEST(AxisTicks, ZeroIncrementChoosesAReadableStep) {
    const auto layout = layoutTicks(request(0, 1, 0, 100));
    // 14 px needed of 100 px: at least 0.14 → 0.2.
    EXPECT_NEAR(layout.labelStep, 0.2, 1e-12);
    expectValues(layout.labels, {0, 0.2, 0.4, 0.6, 0.8, 1});
}

TEST(AxisTicks, EmptyOrAbsurdRangesGiveOneLabel) {
    EXPECT_EQ(layoutTicks(request(0, 0, 0, 200)).labels, std::vector<double>{0});
    EXPECT_EQ(layoutTicks(request(3, 3, 0.5, 200)).labels, std::vector<double>{3});
    EXPECT_EQ(layoutTicks(request(0, 5, 0.5, 0)).labels, std::vector<double>{0});
}

TEST(AxisTicks, TheWidestFiniteRangeStaysBounded) {
    const double big = std::numeric_limits<double>::max();
    const auto layout = layoutTicks(request(-big, big, 1e-300, 500));
    EXPECT_GE(layout.labels.size(), 1u);
    EXPECT_LE(layout.labels.size(), 500u / 14 + 1);
    EXPECT_LE(layout.ticks.size(), 251u);
    for (double v : layout.labels) {
        EXPECT_TRUE(std::isfinite(v));
    }
}

TEST(AxisTicks, TinyIncrementOnAHugeRange) {
    const auto layout = layoutTicks(request(0, 1e300, 1e-300, 500));
    EXPECT_GE(layout.labels.size(), 2u);
    EXPECT_LE(layout.labels.size(), 500u / 14 + 1);
}

TEST(AxisTicks, NiceMultiples) {
    EXPECT_EQ(niceMultiple(0.3), 1);
    EXPECT_EQ(niceMultiple(1), 1);
    EXPECT_EQ(niceMultiple(1.5), 2);
    EXPECT_EQ(niceMultiple(2.0000000001), 2);
    EXPECT_EQ(niceMultiple(3), 5);
    EXPECT_EQ(niceMultiple(7), 10);
    EXPECT_EQ(niceMultiple(11), 20);
    EXPECT_DOUBLE_EQ(niceMultiple(4e8), 5e8);
}

TEST(AxisFraction, MapsTheRangeAndStaysFinite) {
    EXPECT_DOUBLE_EQ(axisFraction(2.5, 0, 5), 0.5);
    EXPECT_DOUBLE_EQ(axisFraction(0, 0, 5), 0);
    EXPECT_DOUBLE_EQ(axisFraction(5, 0, 5), 1);
    EXPECT_EQ(axisFraction(3, 0, 0), 0); // an empty range
    const double big = std::numeric_limits<double>::max();
    EXPECT_DOUBLE_EQ(axisFraction(0, -big, big), 0.5);
    EXPECT_TRUE(std::isfinite(axisFraction(big, 0, 1e-300)));
    EXPECT_LE(axisFraction(1e300, 0, 1), 1e6);
    EXPECT_GE(axisFraction(-1e300, 0, 1), -1e6);
    EXPECT_TRUE(std::isnan(axisFraction(std::nan(""), 0, 1)));
    EXPECT_TRUE(std::isfinite(axisFraction(std::numeric_limits<double>::infinity(), 0, 1)));
}

} // namespace
