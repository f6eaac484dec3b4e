#include "model/Exercise.h"
#include "model/SeriesSession.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

const model::Field onePointTwo = numberField(1'200'000'000);
const model::Field reactant = expressionField(2'400'000'000, -2'000'000'000); // 2,4 - 2 X

struct FieldCases {
    const char* name;
    model::Field field;
    std::vector<const char*> right, wrong, noAnswer;
};

void PrintTo(const FieldCases& c, std::ostream* os) {
    *os << c.name;
}

class AnswerCheck : public ::testing::TestWithParam<FieldCases> {};
TEST_P(AnswerCheck, Marks) {
    for (const auto& [answers, mark] :
         {std::pair(GetParam().right, Mark::Right), std::pair(GetParam().wrong, Mark::Wrong),
          std::pair(GetParam().noAnswer, Mark::NoAnswer)}) {
        for (const char* answer : answers) {
            const model::Verdict v = model::checkAnswer(GetParam().field, answer);
            EXPECT_EQ(v.mark, mark) << "«" << answer << "»";
            // Only a right answer goes without a word beside its field.
            EXPECT_EQ(v.message.empty(), v.mark == Mark::Right) << v.message;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(
    Boundaries, AnswerCheck,
    ::testing::Values(
        FieldCases{"Number",
                   onePointTwo,
                   {"1,2", "1,200", "1,20", "1.2", " +1,2\u00A0MOL ", "1,2mol"},
                   {"1,2004", "\u22121,2", "12"},
                   {"abc", "", "1,2.0", "1,2 g", "12e-1"}},
        FieldCases{"Thousands",
                   numberField(1'234'500'000'000),
                   {"1 234,5", "1\u202F234,500", "1234.5"},
                   {},
                   {"12 34,5"}},
        FieldCases{
            "Reactant",
            reactant,
            {"2,4-2X", "2,4 - 2 X", "-2x + 2.4", "2,4 \u2212 2\u00D7X", "+2,4 - 2*x", "2,4 - X - X mol"},
            {"2,4 - X", "2,4 + 2 X", "2,4"},
            {"2,4 -- 2X", "2,4 - 2 Y", "2 X X", "2,4 * 2", "2,4 - 2,0000000001 X"}},
        FieldCases{"Product", expressionField(0, 1'000'000'000), {"X", "1x", "X + 0"}, {"2X"}, {"abc"}},
        FieldCases{"Choice", choice, {"C(s)"}, {"O2(g)"}, {"", "mélange"}}),
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
    EXPECT_EQ(session.check(answers(session.exercise(), false)).verdict.rfind("Juste", 0), 0u);

    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.check(answers(session.exercise(), true)).outcome, model::Outcome::TryAgain);
    EXPECT_EQ(session.check(answers(session.exercise(), true)).verdict.rfind("Faux", 0), 0u);
    EXPECT_EQ(session.check(answers(session.exercise(), false)).outcome, model::Outcome::Closed);

    ASSERT_TRUE(session.next());
    session.showSolution(); // gives up: nothing scored
    EXPECT_EQ(session.triesLeft(), 0);
    ASSERT_TRUE(session.next());
    EXPECT_FALSE(session.complete());
    EXPECT_FALSE(session.next()); // leaves the last one unanswered
    EXPECT_TRUE(session.complete());
    std::string points;
    for (const model::ExerciseResult& r : session.results()) {
        points += std::to_string(r.points) + (r.solutionShown ? "s " : " ");
    }
    EXPECT_EQ(points, "2 1 0 0s 0 ");
    EXPECT_EQ(session.total(), 3);
    session.restart();
    EXPECT_EQ(session.total() + session.index(), 0);
    EXPECT_EQ(session.triesLeft(), 2);
}

} // namespace
