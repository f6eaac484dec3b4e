#include "model/Exercise.h"
#include "model/EquationParser.h"
#include "model/Failure.h"
#include "model/SeriesRandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>

namespace {

using model::Level;
using model::LimitingReactant;

const model::NumberLocale french{",", "\u202F"};

std::int64_t hundredthsOf(double n) {
    const double h = std::round(n * 100);
    EXPECT_EQ(h / 100, n) << "more than two decimals";
    return std::int64_t(h);
}

// Every expected value against the exact arithmetic of whole thousandths, and the series' three cases.
void expectExactSeries(const model::Series& series, std::size_t equations) {
    std::set<LimitingReactant> cases;
    std::set<int> presets;
    for (const model::Exercise& e : series.exercises) {
        const std::int64_t h[] = {hundredthsOf(e.n1), hundredthsOf(e.n2)};
        const auto& s = e.equation.slots;
        const std::int64_t a[] = {std::stoi(s[0].coefficient), std::stoi(s[1].coefficient),
                                  std::stoi(s[2].coefficient),
                                  s[3].present() ? std::stoi(s[3].coefficient) : 0};
        ASSERT_TRUE(h[0] >= 10 && h[0] <= 2000 && h[1] >= 10 && h[1] <= 2000) << e.statement;
        const int limiting = h[0] * a[1] <= h[1] * a[0] ? 0 : 1;
        ASSERT_EQ(10 * h[limiting] % a[limiting], 0) << e.statement;
        const std::int64_t xmax = 10 * h[limiting] / a[limiting];
        cases.insert(e.limit.limiting);
        presets.insert(e.presetNumber);
        for (const model::Field& f : e.fields) {
            // The answer shown is accepted, and its value is the exact one.
            EXPECT_EQ(model::checkAnswer(f, f.expected).mark, model::Mark::Right) << f.expected;
            const int i = f.slot - 1;
            std::int64_t exact = 0; // thousandths
            switch (f.role) {
            case model::FieldRole::LimitingReactant:
                EXPECT_EQ(f.expected, h[0] * a[1] == h[1] * a[0] ? std::string(model::stoichiometricMixture)
                                                                 : s[std::size_t(limiting)].formula);
                continue;
            case model::FieldRole::Expression:
                EXPECT_EQ(f.value, (model::Affine{i < 2 ? h[i] * 10'000'000 : 0,
                                                  (i < 2 ? -1 : 1) * a[i] * 1'000'000'000}));
                continue;
            case model::FieldRole::MaximalAdvancement:
                exact = xmax;
                break;
            case model::FieldRole::FinalQuantity:
                exact = i < 2 ? 10 * h[i] - a[i] * xmax : a[i] * xmax;
                break;
            case model::FieldRole::InitialQuantity:
                exact = 10 * h[i];
                break;
            }
            EXPECT_EQ(f.value.constant, exact * 1'000'000) << e.statement;
        }
    }
    EXPECT_EQ(cases.size(), 3u) << "series " << series.number;
    EXPECT_EQ(presets.size(), equations) << "series " << series.number;
}

TEST(ExerciseSeries, EverySeriesAtEveryLevelIsExactInRangeAndHoldsEachCase) {
    for (int level = 1; level <= model::levelCount; ++level) {
        for (int number = model::firstSeriesNumber; number <= model::lastSeriesNumber; ++number) {
            expectExactSeries(model::catalogueSeries(number, Level(level), french), 5);
            if (::testing::Test::HasFailure()) {
                FAIL() << "series " << number << " at level " << level;
            }
        }
    }
}

// Preset number and the two quantities in hundredths of each exercise, written down once: another
// compiler or library that drew differently fails here.
std::string summary(const model::Series& series) {
    std::string out;
    for (const model::Exercise& e : series.exercises) {
        out += std::to_string(e.presetNumber) + ":" + std::to_string(hundredthsOf(e.n1)) + "/" +
               std::to_string(hundredthsOf(e.n2)) + " ";
    }
    return out;
}

struct Pinned {
    int number;
    Level level;
    const char* exercises;
};

class PinnedSeries : public ::testing::TestWithParam<Pinned> {};
TEST_P(PinnedSeries, DrawsTheKnownExercises) {
    EXPECT_EQ(summary(model::catalogueSeries(GetParam().number, GetParam().level, french)),
              GetParam().exercises);
}
INSTANTIATE_TEST_SUITE_P(
    Known, PinnedSeries,
    ::testing::Values(
        Pinned{1, Level::LimitingReactant, "2:1566/783 5:1353/1293 6:1206/1214 4:1062/531 7:1457/681 "},
        Pinned{1, Level::FinalState, "1:1171/725 4:760/334 6:1179/1353 7:1581/1719 5:256/128 "},
        Pinned{1, Level::FullTable, "1:1423/1467 3:192/288 7:70/1368 6:1962/1115 2:1776/346 "},
        Pinned{1, Level::Backwards, "6:1886/1185 2:1852/715 4:1961/1289 3:548/822 5:1658/919 "},
        Pinned{9999, Level::LimitingReactant, "2:691/357 5:892/446 6:1530/799 1:842/842 3:1703/621 "},
        Pinned{9999, Level::FinalState, "4:383/853 1:442/442 5:1633/319 6:1722/142 7:1436/1436 "},
        Pinned{9999, Level::FullTable, "3:652/978 7:92/1556 6:1985/999 5:1976/835 2:592/335 "},
        Pinned{9999, Level::Backwards, "2:1562/606 6:1935/1272 1:1897/1908 5:1878/1892 7:1774/1774 "}),
    [](const auto& info) {
        return "Series" + std::to_string(info.param.number) + "Level" + std::to_string(int(info.param.level));
    });

std::string expectedAnswers(const model::Exercise& e) {
    std::string answers;
    for (const model::Field& f : e.fields) {
        answers += f.name + " = " + f.expected + "; ";
    }
    return answers;
}

TEST(PinnedSeries, StatementsAndExpectedAnswers) {
    const model::Exercise e = model::catalogueSeries(1, Level::FinalState, french).exercises[0];
    EXPECT_EQ(e.statement,
              "On fait réagir 11,71 mol de C(s) et 7,25 mol de O2(g) selon la réaction C(s) + O2(g) "
              "\u2192 CO2(g). Calculez l'avancement maximal et la quantité de chaque espèce à l'état final.");
    EXPECT_EQ(expectedAnswers(e),
              "Avancement maximal (mol) = 7,250; Quantité finale de C(s) (mol) = 4,460; Quantité finale "
              "de O2(g) (mol) = 0,000; Quantité finale de CO2(g) (mol) = 7,250; ");
    // The row during the transformation as the state table writes it.
    EXPECT_EQ(
        expectedAnswers(model::catalogueSeries(1, Level::FullTable, french).exercises[1]).substr(0, 95),
        "Expression de Al(s) = 1,92 - 2 X; Expression de S(s) = 2,88 - 3 X; Expression de Al2S3(s) = X; ");
}

model::OwnEquation ownEquation(const char* a1, const char* a2, const char* a3, const char* text) {
    model::Equation eq = model::preset(2).equation;
    eq.slots[0].coefficient = a1;
    eq.slots[1].coefficient = a2;
    eq.slots[2].coefficient = a3;
    return {eq, text};
}

TEST(OwnEquationSeries, TheTextJoinsTheSeed) {
    const char* line = "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)";
    const auto series = [&](const char* text) {
        return summary(
            model::ownEquationSeries(1, Level::FinalState, ownEquation("2", "1", "2", text), french));
    };
    EXPECT_EQ(series(line), "0:1692/836 0:1228/1776 0:912/456 0:1712/1401 0:564/282 ");
    EXPECT_NE(series(line), series("2 CuO + C -> 2 Cu + CO2"));
}

TEST(OwnEquationSeries, ATypedEquationWithIonsMakesExactSeries) {
    const auto own = [](const char* line) {
        const model::ChemicalEquation e = model::parseEquation(line).equation.value();
        return model::OwnEquation{model::toRecord(e), model::canonicalText(e)};
    };
    const model::Series series =
        model::ownEquationSeries(7, Level::FullTable, own("Ag^+(aq)+Cl^-(aq)->AgCl(s)"), french);
    expectExactSeries(series, 1);
    EXPECT_EQ(summary(series), summary(model::ownEquationSeries(
                                   7, Level::FullTable, own("Ag^+(aq) + Cl^-(aq) → AgCl(s)"), french)));
}

TEST(OwnEquationSeries, EveryPairOfCoefficientsUpTo99MakesExactSeries) {
    for (int a1 = 1; a1 <= 99; ++a1) {
        for (int a2 = 1; a2 <= 99; ++a2) {
            const std::string t1 = std::to_string(a1), t2 = std::to_string(a2);
            const model::OwnEquation own = ownEquation(t1.c_str(), t2.c_str(), "99", "");
            expectExactSeries(model::ownEquationSeries(a1 * 100 + a2, Level::FinalState, own, french), 1);
            if (::testing::Test::HasFailure()) {
                FAIL() << a1 << " and " << a2;
            }
        }
    }
}

TEST(OwnEquationSeries, UnsuitableEquationsAndNumbersAreRefused) {
    for (const char* a : {"0", "100", "x", ""}) {
        const model::OwnEquation own = ownEquation(a, "1", "1", "équation");
        EXPECT_NE(model::unsuitableForExercises(own.equation), "") << a;
        EXPECT_THROW(model::ownEquationSeries(1, Level::FinalState, own, french), model::Failure) << a;
    }
    EXPECT_EQ(model::unsuitableForExercises(model::preset(4).equation), "");
    EXPECT_THROW(model::catalogueSeries(0, Level::FinalState, french), model::Failure);
    EXPECT_THROW(model::catalogueSeries(10000, Level::FinalState, french), model::Failure);
}

TEST(SeriesRandom, KnownVectors) {
    model::SeriesRandom random(0);
    EXPECT_EQ(random.next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(random.next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(model::fnv1a64(""), 0xCBF29CE484222325ULL);
    EXPECT_EQ(model::fnv1a64("a"), 0xAF63DC4C8601EC8CULL);
}

} // namespace
