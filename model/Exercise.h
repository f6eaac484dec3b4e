#pragma once
// Exercises on the tableau d'avancement: a series of five exercises at one level, each a statement, the
// fields a pupil fills in with the answers expected there, and the checking of what he typed.
//
// How the "Exercices" page uses it:
//   1. "Niveau" and "Série n°" (1 to 9999) choose the series: catalogueSeries(number, level, locale), or
//      ownEquationSeries(...) for a teacher's equation (unsuitableForExercises says first whether it can
//      be used). The same number and level give the same series on every machine.
//   2. A SeriesSession (model/SeriesSession.h) runs it: for the current Exercise the page shows its
//      `statement` ("Énoncé") and one control per Field, in order, named by `name` ("Avancement maximal
//      (mol)"): a list of `choices` for a choice, an edit for a number or an expression. `role` and
//      `slot` place a field in a tableau (level 3: a row of expressions, then xmax and the final row).
//   3. "Vérifier" hands the texts to SeriesSession::check, which marks each field (checkAnswer below),
//      counts the try and gives the verdict; "Voir la solution" shows every field's `expected` and loads
//      `equation` (or preset `presetNumber`) with `quantity1` and `quantity2` into the main page.
//
// The two initial quantities lie between 0,1 and 20 mol with at most two decimals, and are chosen so that
// xmax and every final quantity are exact with three decimals: what the program shows in F3 is the
// exact answer. A series always holds a stoichiometric mixture and a case where each reactant limits.

#include "model/Advancement.h"
#include "model/AnswerReading.h"
#include "model/Equation.h"
#include "model/NumberLocale.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace model {

enum class Level {
    LimitingReactant = 1, // "Réactif limitant": the limiting reactant and xmax
    FinalState,           // "État final": xmax and the final quantity of every species
    FullTable,            // "Tableau complet": the row during the transformation, xmax and the final row
    Backwards,            // "À rebours": the two initial quantities from the final state
};
constexpr int levelCount = 4;
std::string levelName(Level level);

constexpr int firstSeriesNumber = 1;
constexpr int lastSeriesNumber = 9999;
constexpr int exercisesPerSeries = 5;

enum class FieldRole {
    LimitingReactant,   // a choice among the two reactants' plain formulas and stoichiometricMixture
    MaximalAdvancement, // a number, mol
    Expression,         // the quantity of slot `slot` during the transformation, an affine function of X
    FinalQuantity,      // a number, mol, for slot `slot`
    InitialQuantity,    // a number, mol, for reactant `slot`
};

enum class AnswerKind { Choice, Number, Expression };

struct Field {
    FieldRole role = FieldRole::MaximalAdvancement;
    int slot = 0;                     // 1 to 4 for a species' field, 0 otherwise
    int coefficient = 0;              // that species' coefficient, 0 otherwise
    std::string name;                 // label and accessible name: "Quantité finale de CuO(s) (mol)"
    std::vector<std::string> choices; // a choice's items, in the order of the list
    std::string expected;             // the answer as the program shows it: "1,200", "2,4 - 2 X", "C(s)"
    Affine value;                     // a number's (constant) or an expression's exact expected value

    AnswerKind kind() const;
    // What to think of when the answer is wrong, without giving it away: "Pour un réactif, n finale =
    // n initiale - a × xmax (ici a = 2)."
    std::string hint() const;
};

inline constexpr std::string_view stoichiometricMixture = "mélange stœchiométrique";

struct Exercise {
    int presetNumber = 0; // 1 to 7, or 0 for a teacher's equation
    Equation equation;
    std::string equationText; // one line with the coefficients: "2 CuO(s) + C(s) → 2 Cu(s) + CO2(g)"
    double n1 = 0;            // initial quantities of the two reactants, mol
    double n2 = 0;
    std::string quantity1; // the same as the initial-quantity fields show them: "2,4"
    std::string quantity2;
    Limit limit;           // what the advancement engine makes of them
    std::string statement; // "Énoncé": the equation and the quantities given, in mol, and the question
    std::vector<Field> fields;
};

struct Series {
    int number = firstSeriesNumber;
    Level level = Level::LimitingReactant;
    std::array<Exercise, exercisesPerSeries> exercises;
};

// A teacher's equation as the program keeps it: its record (toRecord in model/ChemicalEquation.h) and its
// one-line text, which joins the series number in the seed, so that two teachers' equations give two
// different series of one number. Pass the canonical text (canonicalText), and two spellings of one
// equation give the same series.
struct OwnEquation {
    Equation equation;
    std::string text;
};

// Empty when the equation can make exercises; otherwise why not, in French. It needs two reactants and a
// product, each coefficient a whole number from 1 to 99.
std::string unsuitableForExercises(const Equation& equation);

// Five exercises on five different equations of the catalogue. A number outside 1 to 9999 raises a
// Failure; `locale` gives the separators of every text shown.
Series catalogueSeries(int number, Level level, const NumberLocale& locale);
// Five exercises on the teacher's equation; a Failure when it is unsuitable or the number out of range.
Series ownEquationSeries(int number, Level level, const OwnEquation& own, const NumberLocale& locale);

enum class Mark {
    Right,
    Wrong,
    NoAnswer,  // the text is no answer of the field's kind: it uses up no try
    NotMarked, // not judged, because another field of the same check held no answer
};

struct Verdict {
    Mark mark = Mark::NotMarked;
    std::string message; // Wrong: the field's hint; NoAnswer: what to write; otherwise empty
};

// A number is right when it equals the expected value exactly ("1,2" and "1,20" for 1,200, not "1,2004");
// an expression when it is the same affine function of X; a choice when it is the expected item (an
// empty text or one that is not an item is no answer).
Verdict checkAnswer(const Field& field, std::string_view answer);

// One line of an equation with its coefficients, "1" left out: "2 CuO(s) + C(s) → 2 Cu(s) + CO2(g)".
std::string equationLine(const Equation& equation);

} // namespace model
