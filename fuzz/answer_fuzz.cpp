// Arbitrary bytes as what a pupil types into an exercise's answer field, read as a number and as an
// expression and checked against fields of every kind. Beyond no crash and no slow input, the readings
// agree: a number's record is normalised; a number is right for a field that expects exactly its value
// and wrong for one a billionth away; a whole number of thousandths comes back from F3 as the same
// number; a text read both as a number and as an expression has the same value both ways; and an
// expression is right for a field that expects exactly its function.

#include "model/AnswerReading.h"
#include "model/Exercise.h"
#include "model/NumberFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const model::NumberLocale french{",", "\u202f"};

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

model::Field field(model::FieldRole role, model::Affine value) {
    return {role, 1, 2, "Champ", {"C(s)", "O2(g)", "mélange stœchiométrique"}, "C(s)", value};
}

void numberHolds(std::string_view text, const model::WrittenNumber& number) {
    check(number.whole.empty() || number.whole.front() != '0');
    check(number.fraction.empty() || number.fraction.back() != '0');
    check(!(number.negative && number.whole.empty() && number.fraction.empty()));
    const std::optional<std::int64_t> billionths = number.billionths();
    if (!billionths) {
        return;
    }
    model::Field expected = field(model::FieldRole::FinalQuantity, {*billionths, 0});
    check(model::checkAnswer(expected, text).mark == model::Mark::Right);
    expected.value.constant += *billionths > 0 ? -1 : 1;
    check(model::checkAnswer(expected, text).mark == model::Mark::Wrong);
    // F3 is fixed up to seven integer digits.
    constexpr std::int64_t perThousandth = 1'000'000;
    if (*billionths % perThousandth == 0 && std::llabs(*billionths) < 10'000'000'000'000'000) {
        const double value = double(*billionths / perThousandth) / 1000;
        check(model::readNumber(model::formatF3(value, french)) == number);
    }
    const model::ExpressionReading asExpression = model::readExpression(text);
    if (asExpression.value) {
        check(*asExpression.value == (model::Affine{*billionths, 0}));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const std::optional<model::WrittenNumber> number = model::readNumber(text)) {
        numberHolds(text, *number);
    }
    const model::ExpressionReading expression = model::readExpression(text);
    check(!(expression.value && expression.beyondPrecision));
    if (expression.value) {
        check(model::checkAnswer(field(model::FieldRole::Expression, *expression.value), text).mark ==
              model::Mark::Right);
    }
    const model::Verdict choice = model::checkAnswer(field(model::FieldRole::LimitingReactant, {}), text);
    check(choice.mark != model::Mark::NotMarked);
    return 0;
}
