#include "model/NumberFormat.h"
#include "model/Conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const model::NumberLocale french{",", "\u202F"};
const model::NumberLocale english{".", ","};

struct FormatCase {
    const char* name;
    double value;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class F3Format : public ::testing::TestWithParam<FormatCase> {};
TEST_P(F3Format, FrenchLocale) {
    EXPECT_EQ(model::formatF3(GetParam().value, french), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, F3Format,
    ::testing::Values(
        FormatCase{"OneAndAHalf", 1.5, "1,500"}, FormatCase{"Zero", 0.0, "0,000"},
        FormatCase{"Two", 2.0, "2,000"}, FormatCase{"HalfAwayFromZero", 1.0625, "1,063"},
        FormatCase{"HalfAwayOnTypedDecimal", 1.0005, "1,001"}, FormatCase{"NegativeHalf", -1.0625, "-1,063"},
        FormatCase{"Grouped", 1234.5, "1\u202F234,500"},
        FormatCase{"Millions", 1234567.0, "1\u202F234\u202F567,000"},
        FormatCase{"ResidueShowsZero", -1e-17, "0,000"}, FormatCase{"NegativeRoundsToZero", -0.0004, "0,000"},
        FormatCase{"FloatingResidue", 0.30000000000000004, "0,300"},
        FormatCase{"RoundUpCarries", 9.9995, "10,000"}, FormatCase{"SmallRoundsUp", 0.0005, "0,001"},
        FormatCase{"BeyondSevenDigits", 1e9, "1,000000E+9"}, FormatCase{"NotANumber", std::nan(""), "NAN"},
        FormatCase{"Infinity", -std::numeric_limits<double>::infinity(), "-INF"}),
    [](const auto& info) { return std::string(info.param.name); });

class GeneralFormat : public ::testing::TestWithParam<FormatCase> {};
TEST_P(GeneralFormat, FrenchLocale) {
    EXPECT_EQ(model::formatGeneral(GetParam().value, french), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, GeneralFormat,
    ::testing::Values(FormatCase{"Decimal", 0.37, "0,37"}, FormatCase{"Integer", 1.0, "1"},
                      FormatCase{"OneThird", 1.0 / 3.0, "0,333333333333333"}, FormatCase{"Five", 5.0, "5"},
                      FormatCase{"FivePointOne", 5.1, "5,1"},
                      FormatCase{"Residue", 0.30000000000000004, "0,3"},
                      FormatCase{"SmallestFixed", 0.0001, "0,0001"},
                      FormatCase{"Scientific", 0.00001, "1E-5"},
                      FormatCase{"ScientificMantissa", 1.5e-7, "1,5E-7"}, FormatCase{"Zero", 0.0, "0"},
                      FormatCase{"NegativeZero", -0.0, "0"}, FormatCase{"Negative", -0.1, "-0,1"},
                      FormatCase{"FifteenDigits", 123456789012345.0, "123456789012345"},
                      FormatCase{"SixteenDigits", 1e15, "1E15"}, FormatCase{"NoGrouping", 1234.5, "1234,5"},
                      FormatCase{"StepResidue", 0.1 + 0.2, "0,3"}, FormatCase{"Advancement", 0.49, "0,49"}),
    [](const auto& info) { return std::string(info.param.name); });

class MarkFormat : public ::testing::TestWithParam<FormatCase> {};
TEST_P(MarkFormat, FrenchLocale) {
    EXPECT_EQ(model::formatMark(GetParam().value, french), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, MarkFormat,
    ::testing::Values(FormatCase{"Integer", 2.0, "2"}, FormatCase{"Half", 0.5, "0,5"},
                      FormatCase{"Rounded", 1.2346, "1,235"}, FormatCase{"Grouped", 1234.5, "1\u202F234,5"},
                      FormatCase{"Zero", 0.0, "0"}, FormatCase{"TinyNegative", -1e-9, "0"},
                      FormatCase{"Negative", -0.25, "-0,25"}, FormatCase{"Huge", 1e300, "1E300"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberFormat, UsesTheLocaleSeparators) {
    EXPECT_EQ(model::formatF3(1234.5, english), "1,234.500");
    EXPECT_EQ(model::formatGeneral(0.37, english), "0.37");
    EXPECT_EQ(model::formatMark(1234.5, english), "1,234.5");
    EXPECT_EQ(model::formatGroupedInteger(1000, french), "1\u202F000");
    EXPECT_EQ(model::formatGroupedInteger(999, french), "999");
}

TEST(NumberFormat, GeneralTextReadsBackToTheSameValueForFifteenDigits) {
    for (double v : {0.1, 2.5, 49.95 + 0.1, 1.0 / 7.0, 12345.6789, 1e-5, 3.0e20}) {
        const auto back = model::parseReal(model::formatGeneral(v, french), french);
        ASSERT_TRUE(back.has_value()) << v;
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14) << v;
    }
}

} // namespace
