#pragma once
// The random part of a series, before any text: which case each exercise is, which equations of the
// catalogue it uses, and the two initial quantities. The draws are taken in a fixed order from one
// SeriesRandom, so the series depends on the seed alone.

#include "model/Advancement.h"
#include "model/Exercise.h"
#include "model/SeriesRandom.h"

#include <array>
#include <cstdint>

namespace model {

// Two initial quantities in hundredths of a mole, 10 to 2000.
struct DrawnQuantities {
    std::int64_t hundredths1 = 0;
    std::int64_t hundredths2 = 0;
};

// One stoichiometric mixture, one case where the first reactant limits and one where the second does,
// and two more cases of any kind, in a shuffled order.
std::array<LimitingReactant, exercisesPerSeries> drawCases(SeriesRandom& random);

// Five different preset numbers.
std::array<int, exercisesPerSeries> drawPresets(SeriesRandom& random);

// Quantities of the wanted case for coefficients 1 to 99, such that xmax and every final quantity have
// at most three decimals, and that the advancement engine finds the wanted limiting reactant.
DrawnQuantities drawQuantities(SeriesRandom& random, int a1, int a2, LimitingReactant wanted);

} // namespace model
