#include "model/Exercise.h"
#include "model/SeriesSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using model::Mark;

model::Field numberField(std::int64_t billionths) {
    return {
        model::FieldRole::FinalQuantity, 1, 2, "Quantité finale de CuO(s) (mol)", {}, "", {billionths, 0}};
}
model::Field expressionField(std::int64_t constant, std::int64_t slope) {
    return {model::FieldRole::Expression, 1, 2, "Expression de CuO(s)", {}, "", {constant, slope}};
}
const model::Field choice{model::FieldRole::LimitingReactant,           0,      0, "Réactif limitant",
                          {"C(s)", "O2(g)", "mélange stœchiométrique"}, "C(s)", {}};

struct AnswerCase {
    const char* name;
    model::Field field;
    const char* answer;
    Mark mark;
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << c.name << " «" << c.answer << "»";
}

const model::Field onePointTwo = numberField(1'200'000'000);
const model::Field thousands = numberField(1'234'500'000'000);
const model::Field reactant = expressionField(2'400'000'000, -2'000'000'000); // 2,4 - 2 X
const model::Field product = expressionField(0, 1'000'000'000);               // X

class AnswerCheck : public ::testing::TestWithParam<AnswerCase> {};
TEST_P(AnswerCheck, Marks) {
    const model::Verdict v = model::checkAnswer(GetParam().field, GetParam().answer);
    EXPECT_EQ(v.mark, GetParam().mark);
    // Only a right answer goes without a word beside its field.
    EXPECT_EQ(v.message.empty(), v.mark == Mark::Right) << v.message;
}
INSTANTIATE_TEST_SUITE_P(
    Boundaries, AnswerCheck,
    ::testing::Values(AnswerCase{"Short", onePointTwo, "1,2", Mark::Right},
                      AnswerCase{"AsShown", onePointTwo, "1,200", Mark::Right},
                      AnswerCase{"TwoDecimals", onePointTwo, "1,20", Mark::Right},
                      AnswerCase{"FourthDecimal", onePointTwo, "1,2004", Mark::Wrong},
                      AnswerCase{"Point", onePointTwo, "1.2", Mark::Right},
                      AnswerCase{"UnitAndBlanks", onePointTwo, " +1,2\u00A0MOL ", Mark::Right},
                      AnswerCase{"Unit", onePointTwo, "1,2mol", Mark::Right},
                      AnswerCase{"Negative", onePointTwo, "\u22121,2", Mark::Wrong},
                      AnswerCase{"Tenfold", onePointTwo, "12", Mark::Wrong},
                      AnswerCase{"Letters", onePointTwo, "abc", Mark::NoAnswer},
                      AnswerCase{"Empty", onePointTwo, "", Mark::NoAnswer},
                      AnswerCase{"TwoSeparators", onePointTwo, "1,2.0", Mark::NoAnswer},
                      AnswerCase{"OtherUnit", onePointTwo, "1,2 g", Mark::NoAnswer},
                      AnswerCase{"Exponent", onePointTwo, "12e-1", Mark::NoAnswer},
                      AnswerCase{"Grouped", thousands, "1 234,5", Mark::Right},
                      AnswerCase{"GroupedNarrow", thousands, "1\u202F234,500", Mark::Right},
                      AnswerCase{"Ungrouped", thousands, "1234.5", Mark::Right},
                      AnswerCase{"BadGroup", thousands, "12 34,5", Mark::NoAnswer},
                      AnswerCase{"Tight", reactant, "2,4-2X", Mark::Right},
                      AnswerCase{"Spaced", reactant, "2,4 - 2 X", Mark::Right},
                      AnswerCase{"Reordered", reactant, "-2x + 2.4", Mark::Right},
                      AnswerCase{"TrueMinusAndTimes", reactant, "2,4 \u2212 2\u00D7X", Mark::Right},
                      AnswerCase{"Star", reactant, "+2,4 - 2*x", Mark::Right},
                      AnswerCase{"LikeTerms", reactant, "2,4 - X - X mol", Mark::Right},
                      AnswerCase{"OneX", reactant, "2,4 - X", Mark::Wrong},
                      AnswerCase{"Plus", reactant, "2,4 + 2 X", Mark::Wrong},
                      AnswerCase{"NoX", reactant, "2,4", Mark::Wrong},
                      AnswerCase{"DoubleSign", reactant, "2,4 -- 2X", Mark::NoAnswer},
                      AnswerCase{"OtherLetter", reactant, "2,4 - 2 Y", Mark::NoAnswer},
                      AnswerCase{"TwoX", reactant, "2 X X", Mark::NoAnswer},
                      AnswerCase{"ProductWithoutX", reactant, "2,4 * 2", Mark::NoAnswer},
                      AnswerCase{"BeyondBillionths", reactant, "2,4 - 2,0000000001 X", Mark::NoAnswer},
                      AnswerCase{"XAlone", product, "X", Mark::Right},
                      AnswerCase{"OneTimesX", product, "1x", Mark::Right},
                      AnswerCase{"PlusZero", product, "X + 0", Mark::Right},
                      AnswerCase{"TwiceX", product, "2X", Mark::Wrong},
                      AnswerCase{"ExpressionLetters", product, "abc", Mark::NoAnswer},
                      AnswerCase{"RightItem", choice, "C(s)", Mark::Right},
                      AnswerCase{"OtherItem", choice, "O2(g)", Mark::Wrong},
                      AnswerCase{"NoItem", choice, "", Mark::NoAnswer}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerCheck, MessagesTellWhatToWriteAndHintsHowToThink) {
    EXPECT_EQ(model::checkAnswer(onePointTwo, "abc").message, "Écrivez un nombre, par exemple 1,25");
    EXPECT_EQ(model::checkAnswer(reactant, "abc").message,
              "Écrivez une expression en X, par exemple 2,4 - 2 X");
    EXPECT_EQ(model::checkAnswer(onePointTwo, "1").message,
              "Pour un réactif, n finale = n initiale - a × xmax (ici a = 2).");
    EXPECT_EQ(model::checkAnswer(reactant, "X").message,
              "Pour un réactif, écrivez «\u00A0n - a X\u00A0»\u00A0: la quantité initiale moins a fois X "
              "(ici a = 2).");
}

// Answers for every field: right ones, or one wrong number.
std::vector<std::string> answers(const model::Exercise& e, bool wrong) {
    std::vector<std::string> texts;
    for (const model::Field& f : e.fields) {
        texts.push_back(f.expected);
    }
    if (wrong) {
        texts.back() = "999";
    }
    return texts;
}

TEST(SeriesSession, TwoTriesScoreTwoThenOneThenNothing) {
    const model::NumberLocale french{",", "\u202F"};
    model::SeriesSession session(model::catalogueSeries(1, model::Level::FinalState, french));
    // An empty field: nothing judged, no try used.
    std::vector<std::string> incomplete = answers(session.exercise(), true);
    incomplete.front().clear();
    const model::CheckResult pending = session.check(incomplete);
    EXPECT_EQ(pending.outcome, model::Outcome::Incomplete);
    EXPECT_EQ(pending.fields.front().mark, Mark::NoAnswer);
    EXPECT_EQ(pending.fields.back().mark, Mark::NotMarked);
    EXPECT_EQ(session.triesLeft(), 2);
    EXPECT_EQ(session.check(answers(session.exercise(), false)).verdict, "Juste\u00A0: 2 points.");

    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.check(answers(session.exercise(), true)).outcome, model::Outcome::TryAgain);
    const model::CheckResult second = session.check(answers(session.exercise(), false));
    EXPECT_EQ(second.outcome, model::Outcome::Right);
    EXPECT_EQ(second.verdict.rfind("Juste", 0), 0u);

    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.check(answers(session.exercise(), true)).outcome, model::Outcome::TryAgain);
    const model::CheckResult last = session.check(answers(session.exercise(), true));
    EXPECT_EQ(last.outcome, model::Outcome::Wrong);
    EXPECT_EQ(last.verdict.rfind("Faux", 0), 0u);
    EXPECT_EQ(session.check(answers(session.exercise(), false)).outcome, model::Outcome::Closed);

    ASSERT_TRUE(session.next());
    session.showSolution(); // gives up: nothing scored
    EXPECT_EQ(session.triesLeft(), 0);
    ASSERT_TRUE(session.next());
    EXPECT_FALSE(session.complete());
    EXPECT_FALSE(session.next()); // leaves the last one unanswered
    EXPECT_TRUE(session.complete());

    const int points[] = {2, 1, 0, 0, 0};
    for (std::size_t i = 0; i < std::size(points); ++i) {
        EXPECT_EQ(session.results()[i].points, points[i]) << i;
    }
    EXPECT_TRUE(session.results()[3].solutionShown);
    EXPECT_EQ(session.total(), 3);
    session.restart();
    EXPECT_EQ(session.total(), 0);
    EXPECT_EQ(session.index(), 0);
    EXPECT_EQ(session.triesLeft(), 2);
}

} // namespace
