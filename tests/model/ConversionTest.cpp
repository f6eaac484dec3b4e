#include "model/Conversion.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const model::NumberLocale french{",", "\u202F"};

struct RealCase {
    const char* name;
    const char* text;
    std::optional<double> expected;
};

class RealConversion : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealConversion, FrenchLocale) {
    const RealCase& c = GetParam();
    const auto value = model::parseReal(c.text, french);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << c.text;
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RealConversion,
    ::testing::Values(RealCase{"Integer", "5", 5.0}, RealCase{"DecimalComma", "2,5", 2.5},
                      RealCase{"Blanks", "  2,5 ", 2.5}, RealCase{"PlusSign", "+3", 3.0},
                      RealCase{"MinusSign", "-0,1", -0.1}, RealCase{"Exponent", "1,5E2", 150.0},
                      RealCase{"NegativeExponent", "5e-1", 0.5}, RealCase{"LeadingComma", ",5", 0.5},
                      RealCase{"TrailingComma", "5,", 5.0}, RealCase{"LeadingZeros", "05,50", 5.5},
                      RealCase{"HugeButFinite", "1e308", 1e308}, RealCase{"Empty", "", std::nullopt},
                      RealCase{"Blank", "   ", std::nullopt}, RealCase{"LoneMinus", "-", std::nullopt},
                      RealCase{"LonePlus", "+", std::nullopt}, RealCase{"LoneComma", ",", std::nullopt},
                      RealCase{"TwoSigns", "1-2", std::nullopt}, RealCase{"Point", "2.5", std::nullopt},
                      RealCase{"Letters", "abc", std::nullopt}, RealCase{"NaN", "nan", std::nullopt},
                      RealCase{"Infinity", "inf", std::nullopt}, RealCase{"Overflow", "1e400", std::nullopt},
                      RealCase{"ExponentWithoutDigits", "1e", std::nullopt},
                      RealCase{"InnerBlank", "1 000", std::nullopt}, RealCase{"Hex", "0x10", std::nullopt},
                      RealCase{"DoubleComma", "1,,5", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RealConversion, StrictConversionCarriesTheRuntimeMessage) {
    try {
        model::toReal("1-2", french);
        FAIL() << "no exception";
    } catch (const model::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1-2' n'est pas une valeur en virgule flottante correcte");
    }
    EXPECT_DOUBLE_EQ(model::toReal(" 0,5 ", french), 0.5);
}

TEST(RealConversion, LenientConversionFallsBack) {
    EXPECT_DOUBLE_EQ(model::toRealOr("", french, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(model::toRealOr("0.0", french, 7.0), 7.0);
    EXPECT_DOUBLE_EQ(model::toRealOr("nan", french, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(model::toRealOr("1,5", french, 1.0), 1.5);
}

TEST(RealConversion, OnlyTheLocaleDecimalSeparatorCounts) {
    const model::NumberLocale english{".", ","};
    EXPECT_EQ(model::parseReal("2.5", english), 2.5);
    EXPECT_EQ(model::parseReal("2,5", english), std::nullopt);
}

struct IntegerCase {
    const char* name;
    const char* text;
    std::optional<int> expected;
};

class IntegerConversion : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerConversion, Texts) {
    EXPECT_EQ(model::parseInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerConversion,
    ::testing::Values(IntegerCase{"Plain", "100", 100}, IntegerCase{"Blanks", " 10 ", 10},
                      IntegerCase{"Negative", "-5", -5}, IntegerCase{"Plus", "+7", 7},
                      IntegerCase{"Exponent", "1e3", 1000}, IntegerCase{"Largest", "2147483647", 2147483647},
                      IntegerCase{"Smallest", "-2147483648", -2147483647 - 1},
                      IntegerCase{"Overflow", "2147483648", std::nullopt},
                      IntegerCase{"ExponentOverflow", "1e10", std::nullopt},
                      IntegerCase{"NegativeExponent", "1e-1", std::nullopt},
                      IntegerCase{"Decimal", "2,5", std::nullopt}, IntegerCase{"Empty", "", std::nullopt},
                      IntegerCase{"Grouped", "1 000", std::nullopt},
                      IntegerCase{"Letters", "dix", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntegerConversion, StrictConversionCarriesTheRuntimeMessage) {
    try {
        model::toInteger("1,5");
        FAIL() << "no exception";
    } catch (const model::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' n'est pas une valeur entière correcte");
    }
}

TEST(GroupedIntegerConversion, AcceptsWhatAnUpDownWrites) {
    EXPECT_EQ(model::parseGroupedInteger("1\u202F000", french), 1000);
    EXPECT_EQ(model::parseGroupedInteger("1\u00A0000", french), 1000);
    EXPECT_EQ(model::parseGroupedInteger("1 000", french), 1000);
    EXPECT_EQ(model::parseGroupedInteger("1,000", model::NumberLocale{".", ","}), 1000);
    EXPECT_EQ(model::parseGroupedInteger("12\u202F345\u202F678", french), 12345678);
    EXPECT_EQ(model::parseGroupedInteger("250", french), 250);
    EXPECT_EQ(model::parseGroupedInteger("1 00", french), std::nullopt);
    EXPECT_EQ(model::parseGroupedInteger("1000 000", french), std::nullopt);
    EXPECT_EQ(model::parseGroupedInteger("1 000,5", french), std::nullopt);
    EXPECT_EQ(model::parseGroupedInteger(" ", french), std::nullopt);
    EXPECT_EQ(model::parseGroupedInteger("1e6", french), std::nullopt);
    EXPECT_EQ(model::parseGroupedInteger(" -25 ", french), -25);
}

} // namespace
