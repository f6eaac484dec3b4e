#include "model/Exercise.h"

#include "model/Conversion.h"
#include "model/ExerciseDraw.h"
#include "model/Failure.h"
#include "model/NumberFormat.h"
#include "model/SeriesRandom.h"

#include <algorithm>
#include <optional>

namespace model {

namespace {

// Exact values are read back from texts written with this locale, so that they never depend on the
// user's separators.
const NumberLocale plainLocale{".", ""};

constexpr int leastCoefficient = 1;
constexpr int mostCoefficient = 99;

// French typography: a no-break space before ":", ";" and "?", and inside guillemets.
const std::string colon = "\u00A0: ";
const std::string question = "\u00A0?";

std::optional<int> coefficientOf(const SpeciesSlot& slot) {
    const std::optional<int> a = parseInteger(slot.coefficient);
    if (!a || *a < leastCoefficient || *a > mostCoefficient) {
        return std::nullopt;
    }
    return a;
}

// The coefficients of a suitable equation, slots 1 to 4, 0 for an absent slot 4.
std::array<int, 4> coefficientsOf(const Equation& equation) {
    const auto& s = equation.slots;
    return {*coefficientOf(s[0]), *coefficientOf(s[1]), *coefficientOf(s[2]),
            equation.slot4Present() ? *coefficientOf(s[3]) : 0};
}

int slotCount(const Equation& equation) {
    return equation.slot4Present() ? 4 : 3;
}

double quantity(const Quantities& q, int slot) {
    const double all[] = {q.q1, q.q2, q.q3, q.q4};
    return all[slot - 1];
}

const std::string& formulaOf(const Exercise& e, int slot) {
    return e.equation.slots[std::size_t(slot - 1)].formula;
}

// "a", "a et b", "a, b et c".
std::string listed(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : i + 1 == items.size() ? " et " : ", ") + items[i];
    }
    return out;
}

Field numberField(FieldRole role, int slot, int coefficient, std::string name, double value,
                  const NumberLocale& locale) {
    Field f{role, slot, coefficient, std::move(name), {}, formatF3(value, locale), {}};
    f.value.constant = readNumber(formatF3(value, plainLocale)).value().billionths().value();
    return f;
}

// The quantity of one slot in the row during the transformation, as the state table writes it.
Field expressionField(const Exercise& e, int slot, int coefficient, const NumberLocale& locale) {
    const std::string coefficientText = std::to_string(coefficient);
    const auto written = [&](const NumberLocale& l) {
        return slot <= 2 ? reactantExpression(formatGeneral(slot == 1 ? e.n1 : e.n2, l), coefficientText)
                         : productExpression(coefficientText);
    };
    Field f{FieldRole::Expression, slot, coefficient, "Expression de " + formulaOf(e, slot), {},
            written(locale),       {}};
    f.value = readExpression(written(plainLocale)).value.value();
    return f;
}

Field limitingReactantField(const Exercise& e) {
    std::vector<std::string> choices{formulaOf(e, 1), formulaOf(e, 2), std::string(stoichiometricMixture)};
    const std::size_t right = e.limit.limiting == LimitingReactant::First    ? 0
                              : e.limit.limiting == LimitingReactant::Second ? 1
                                                                             : 2;
    std::string expected = choices[right];
    return {FieldRole::LimitingReactant, 0, 0, "Réactif limitant", std::move(choices),
            std::move(expected),         {}};
}

std::string statementOf(const Exercise& e, Level level, const Quantities& final, const NumberLocale& locale) {
    if (level == Level::Backwards) {
        std::vector<std::string> formed;
        for (int slot = 3; slot <= slotCount(e.equation); ++slot) {
            formed.push_back(formatF3(quantity(final, slot), locale) + " mol de " + formulaOf(e, slot));
        }
        return "À l'état final de la réaction " + e.equationText + ", il reste " +
               formatF3(final.q1, locale) + " mol de " + formulaOf(e, 1) + " et " +
               formatF3(final.q2, locale) + " mol de " + formulaOf(e, 2) + "\u00A0; il s'est formé " +
               listed(formed) + ". Quelles étaient les quantités initiales des deux réactifs" + question;
    }
    const std::string given = "On fait réagir " + e.quantity1 + " mol de " + formulaOf(e, 1) + " et " +
                              e.quantity2 + " mol de " + formulaOf(e, 2) + " selon la réaction " +
                              e.equationText + ". ";
    switch (level) {
    case Level::LimitingReactant:
        return given + "Quel est le réactif limitant" + question + " Quel est l'avancement maximal" +
               question;
    case Level::FinalState:
        return given + "Calculez l'avancement maximal et la quantité de chaque espèce à l'état final.";
    default:
        return given + "Complétez le tableau d'avancement" + colon +
               "l'état en cours de transformation, en fonction de X, puis l'état final.";
    }
}

// The expected values come from the advancement engine and the F3 format, as on the main page.
Exercise composeExercise(int presetNumber, const Equation& equation, const std::array<int, 4>& a,
                         const DrawnQuantities& drawn, Level level, const NumberLocale& locale) {
    Exercise e;
    e.presetNumber = presetNumber;
    e.equation = equation;
    e.equationText = equationLine(equation);
    e.n1 = double(drawn.hundredths1) / 100;
    e.n2 = double(drawn.hundredths2) / 100;
    e.quantity1 = formatGeneral(e.n1, locale);
    e.quantity2 = formatGeneral(e.n2, locale);
    e.limit = limitOf(e.n1, a[0], e.n2, a[1]);
    const Quantities final =
        quantitiesAt(e.n1, e.n2, {double(a[0]), double(a[1]), double(a[2]), double(a[3])}, e.limit.xmax);
    e.statement = statementOf(e, level, final, locale);
    const auto speciesField = [&](FieldRole role, const char* prefix, int slot, double value) {
        return numberField(role, slot, a[std::size_t(slot - 1)], prefix + formulaOf(e, slot) + " (mol)",
                           value, locale);
    };
    if (level == Level::Backwards) {
        e.fields.push_back(speciesField(FieldRole::InitialQuantity, "Quantité initiale de ", 1, e.n1));
        e.fields.push_back(speciesField(FieldRole::InitialQuantity, "Quantité initiale de ", 2, e.n2));
        return e;
    }
    if (level == Level::LimitingReactant) {
        e.fields.push_back(limitingReactantField(e));
    }
    for (int slot = 1; level == Level::FullTable && slot <= slotCount(equation); ++slot) {
        e.fields.push_back(expressionField(e, slot, a[std::size_t(slot - 1)], locale));
    }
    e.fields.push_back(
        numberField(FieldRole::MaximalAdvancement, 0, 0, "Avancement maximal (mol)", e.limit.xmax, locale));
    for (int slot = 1; level != Level::LimitingReactant && slot <= slotCount(equation); ++slot) {
        e.fields.push_back(
            speciesField(FieldRole::FinalQuantity, "Quantité finale de ", slot, quantity(final, slot)));
    }
    return e;
}

Exercise drawExercise(SeriesRandom& random, int presetNumber, const Equation& equation,
                      LimitingReactant wanted, Level level, const NumberLocale& locale) {
    const std::array<int, 4> a = coefficientsOf(equation);
    return composeExercise(presetNumber, equation, a, drawQuantities(random, a[0], a[1], wanted), level,
                           locale);
}

void requireSeriesNumber(int number) {
    if (number < firstSeriesNumber || number > lastSeriesNumber) {
        throw Failure("Le numéro de série va de " + std::to_string(firstSeriesNumber) + " à " +
                      std::to_string(lastSeriesNumber) + ".");
    }
}

} // namespace

std::string levelName(Level level) {
    switch (level) {
    case Level::LimitingReactant:
        return "Réactif limitant";
    case Level::FinalState:
        return "État final";
    case Level::FullTable:
        return "Tableau complet";
    case Level::Backwards:
        break;
    }
    return "À rebours";
}

AnswerKind Field::kind() const {
    switch (role) {
    case FieldRole::LimitingReactant:
        return AnswerKind::Choice;
    case FieldRole::Expression:
        return AnswerKind::Expression;
    default:
        return AnswerKind::Number;
    }
}

std::string Field::hint() const {
    const std::string here = " (ici a = " + std::to_string(coefficient) + ").";
    const bool reactant = slot <= 2;
    switch (role) {
    case FieldRole::LimitingReactant:
        return "Comparez n/a pour chaque réactif" + colon +
               "le plus petit rapport désigne le réactif limitant, deux rapports égaux un mélange "
               "stœchiométrique.";
    case FieldRole::MaximalAdvancement:
        return "Comparez n/a pour chaque réactif" + colon + "xmax est le plus petit des deux rapports.";
    case FieldRole::Expression:
        return reactant ? "Pour un réactif, écrivez «\u00A0n - a X\u00A0»" + colon +
                              "la quantité initiale moins a fois X" + here
                        : "Pour un produit, écrivez «\u00A0a X\u00A0»" + colon + "il n'y en a pas au départ" +
                              here;
    case FieldRole::FinalQuantity:
        return reactant ? "Pour un réactif, n finale = n initiale - a × xmax" + here
                        : "Pour un produit, n finale = a × xmax" + here;
    case FieldRole::InitialQuantity:
        break;
    }
    return "Raisonnez à rebours depuis l'état final" + colon +
           "xmax = n / a pour un produit, puis n initiale = n finale + a × xmax" + here;
}

std::string unsuitableForExercises(const Equation& equation) {
    const auto& s = equation.slots;
    if (!s[0].present() || !s[1].present() || !s[2].present()) {
        return "Cette équation ne convient pas aux exercices" + colon +
               "il lui faut deux réactifs et un produit.";
    }
    const bool whole = coefficientOf(s[0]) && coefficientOf(s[1]) && coefficientOf(s[2]) &&
                       (!equation.slot4Present() || coefficientOf(s[3]));
    if (!whole) {
        return "Cette équation ne convient pas aux exercices" + colon +
               "chaque coefficient doit être un nombre entier de 1 à 99.";
    }
    return {};
}

Series catalogueSeries(int number, Level level, const NumberLocale& locale) {
    requireSeriesNumber(number);
    SeriesRandom random(seriesSeed(number, int(level), 0));
    const std::array<int, exercisesPerSeries> presets = drawPresets(random);
    const std::array<LimitingReactant, exercisesPerSeries> cases = drawCases(random);
    Series series{number, level, {}};
    for (std::size_t i = 0; i < presets.size(); ++i) {
        series.exercises[i] =
            drawExercise(random, presets[i], preset(presets[i]).equation, cases[i], level, locale);
    }
    return series;
}

Series ownEquationSeries(int number, Level level, const OwnEquation& own, const NumberLocale& locale) {
    requireSeriesNumber(number);
    if (const std::string why = unsuitableForExercises(own.equation); !why.empty()) {
        throw Failure(why);
    }
    SeriesRandom random(seriesSeed(number, int(level), fnv1a64(own.text)));
    const std::array<LimitingReactant, exercisesPerSeries> cases = drawCases(random);
    Series series{number, level, {}};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        series.exercises[i] = drawExercise(random, 0, own.equation, cases[i], level, locale);
    }
    return series;
}

Verdict checkAnswer(const Field& field, std::string_view answer) {
    const auto judged = [&](bool right) {
        return right ? Verdict{Mark::Right, {}} : Verdict{Mark::Wrong, field.hint()};
    };
    switch (field.kind()) {
    case AnswerKind::Choice:
        if (answer != field.expected &&
            std::find(field.choices.begin(), field.choices.end(), answer) == field.choices.end()) {
            return {Mark::NoAnswer, "Choisissez une réponse dans la liste"};
        }
        return judged(answer == field.expected);
    case AnswerKind::Number: {
        const std::optional<WrittenNumber> number = readNumber(answer);
        if (!number) {
            return {Mark::NoAnswer, "Écrivez un nombre, par exemple 1,25"};
        }
        return judged(number->billionths() == field.value.constant);
    }
    case AnswerKind::Expression:
        break;
    }
    const ExpressionReading reading = readExpression(answer);
    if (reading.beyondPrecision) {
        return {Mark::NoAnswer, "Écrivez des nombres d'au plus neuf chiffres avant et après la virgule"};
    }
    if (!reading.value) {
        return {Mark::NoAnswer, "Écrivez une expression en X, par exemple 2,4 - 2 X"};
    }
    return judged(*reading.value == field.value);
}

std::string equationLine(const Equation& equation) {
    std::string line;
    for (int slot = 1; slot <= slotCount(equation); ++slot) {
        const SpeciesSlot& s = equation.slots[std::size_t(slot - 1)];
        line += slot == 2 || slot == 4 ? " + " : slot == 3 ? " \u2192 " : "";
        line += (s.coefficient == "1" ? "" : s.coefficient + " ") + s.formula;
    }
    return line;
}

} // namespace model
