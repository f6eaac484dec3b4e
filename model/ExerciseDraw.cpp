#include "model/ExerciseDraw.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <utility>

namespace model {

namespace {

constexpr std::int64_t leastHundredths = 10;  // 0,1 mol
constexpr std::int64_t mostHundredths = 2000; // 20 mol

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    return (a + b - 1) / b;
}

// With xmax t in thousandths of a mole, a reactant of coefficient a consumes a·t/10 hundredths: a whole
// number when t is a multiple of 10 / gcd(10, a). Every final quantity N - a·xmax and a·xmax is then a
// whole number of thousandths, which F3 shows exactly.
std::int64_t exactStep(int a) {
    return 10 / std::gcd(10, a);
}

// The floating-point engine may find a tie where the ratios differ by less than a rounding, or miss one
// (0,3 / 3 is not 0,1 in binary); a draw is kept only when the engine sees the case it was drawn as, so
// that the expected answers and the main page agree.
bool engineFinds(const DrawnQuantities& q, int a1, int a2, LimitingReactant wanted) {
    return limitOf(double(q.hundredths1) / 100, a1, double(q.hundredths2) / 100, a2).limiting == wanted;
}

// xmax runs over the multiples of `step` in [low, high]: the walk starts at a random one and goes on
// cyclically until `build` makes quantities the engine agrees with.
template <class Build>
DrawnQuantities walk(SeriesRandom& random, std::int64_t step, std::int64_t low, std::int64_t high,
                     Build build) {
    const std::int64_t first = ceilDiv(low, step);
    const std::int64_t count = high / step - first + 1;
    if (count <= 0) {
        throw std::logic_error("no exact quantities for these coefficients");
    }
    const std::int64_t start = std::int64_t(random.below(std::uint64_t(count)));
    for (std::int64_t i = 0; i < count; ++i) {
        if (const std::optional<DrawnQuantities> q = build((first + (start + i) % count) * step)) {
            return *q;
        }
    }
    throw std::logic_error("the advancement engine never finds the case drawn");
}

} // namespace

std::array<LimitingReactant, exercisesPerSeries> drawCases(SeriesRandom& random) {
    constexpr LimitingReactant kinds[] = {LimitingReactant::Both, LimitingReactant::First,
                                          LimitingReactant::Second};
    std::array<LimitingReactant, exercisesPerSeries> cases{kinds[0], kinds[1], kinds[2]};
    for (std::size_t i = 3; i < cases.size(); ++i) {
        cases[i] = kinds[random.below(3)];
    }
    for (std::size_t i = cases.size() - 1; i > 0; --i) {
        std::swap(cases[i], cases[random.below(i + 1)]);
    }
    return cases;
}

std::array<int, exercisesPerSeries> drawPresets(SeriesRandom& random) {
    std::array<int, presetCount> numbers{};
    std::iota(numbers.begin(), numbers.end(), 1);
    std::array<int, exercisesPerSeries> chosen{};
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        std::swap(numbers[i], numbers[i + random.below(numbers.size() - i)]);
        chosen[i] = numbers[i];
    }
    return chosen;
}

DrawnQuantities drawQuantities(SeriesRandom& random, int a1, int a2, LimitingReactant wanted) {
    const auto kept = [&](DrawnQuantities q) {
        return engineFinds(q, a1, a2, wanted) ? std::optional(q) : std::nullopt;
    };
    if (wanted == LimitingReactant::Both) {
        return walk(random, std::lcm(exactStep(a1), exactStep(a2)),
                    std::max(ceilDiv(100, a1), ceilDiv(100, a2)), std::min(20000 / a1, 20000 / a2),
                    [&](std::int64_t t) {
                        return kept({a1 * t / 10, a2 * t / 10});
                    });
    }
    const bool firstLimits = wanted == LimitingReactant::First;
    const int limiting = firstLimits ? a1 : a2;
    const int excess = firstLimits ? a2 : a1;
    // Where the excess reactant lies between what the limiting one leaves room for and 20 mol, drawn once
    // (a 32-bit share, ranged by multiply and shift) so that the walk draws nothing more.
    const std::uint64_t share = random.next() >> 32;
    return walk(random, exactStep(limiting), ceilDiv(100, limiting),
                std::min(std::int64_t(20000 / limiting), std::int64_t(19999 / excess)), [&](std::int64_t t) {
                    const std::int64_t least = std::max(leastHundredths, excess * t / 10 + 1);
                    const std::int64_t more =
                        std::int64_t((share * std::uint64_t(mostHundredths - least + 1)) >> 32);
                    const std::int64_t used = limiting * t / 10;
                    return kept(firstLimits ? DrawnQuantities{used, least + more}
                                            : DrawnQuantities{least + more, used});
                });
}

} // namespace model
