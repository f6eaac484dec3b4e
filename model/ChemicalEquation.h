#pragma once
// A chemical equation as a teacher writes it on one line: two reactants and one or two products, each
// with its coefficient, its formula kept as written (element order, groups), its charge and its state.
// It is read by parseEquation (EquationParser.h), checked by checkBalance (Balance.h), and turned here
// into the program's record and into its canonical one-line text.
//
// The three written forms of a species:
//   canonical text   "Ca^2+(aq)"              "Ca(OH)2(s)"               "CO3^2-(aq)"
//   plain formula    "Ca2+(aq)"               "Ca(OH)2(s)"               "CO32-(aq)"
//   formula markup   "Ca<sup>2+</sup>(aq)"    "Ca(OH)<sub>2</sub>(s)"    "CO<sub>3</sub><sup>2-</sup>(aq)"
// The plain formula is the catalogue's style ("HCO3-(s)", "CH3COO-(aq)"): the charge follows the formula,
// its size first and only when above 1, then its sign. It reads well but is ambiguous ("Ca2+" could be
// Ca2 with one charge), which is why the canonical text, the one a file keeps and that is read back,
// writes the charge after "^".

#include "model/Equation.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// Limits of what the one-line parser accepts.
constexpr int maxCoefficient = 99;      // coefficients run from 1 to 99
constexpr int maxCount = 999;           // atoms after a symbol, or the multiplier after a group
constexpr int maxCharge = 9;            // charges from -9 to +9
constexpr int maxNesting = 4;           // groups within groups, "K4[Fe(CN)6]" uses 2
constexpr long long maxAtoms = 999'999; // atoms of one element in one formula unit

enum class PhysicalState { Solid, Liquid, Gas, Aqueous };
constexpr PhysicalState physicalStates[] = {PhysicalState::Solid, PhysicalState::Liquid, PhysicalState::Gas,
                                            PhysicalState::Aqueous};

// What a state is written with between its brackets: "s", "l", "g", "aq".
std::string_view stateLetters(PhysicalState state);

// The bracket that closes a group opened with '(' or '['.
constexpr char closingBracket(char opening) {
    return opening == '[' ? ']' : ')';
}

// One piece of a formula in the order written: an element with its number of atoms, or the opening or
// closing bracket of a group, the closing one carrying the group's multiplier.
struct FormulaPart {
    enum class Kind { Element, Open, Close };
    Kind kind = Kind::Element;
    std::string symbol; // Element only: "Cu"
    int count = 1;      // Element: atoms; Close: the group's multiplier; 1 when none is written
    char bracket = '('; // Open and Close: the group's opening bracket, '(' or '['

    bool operator==(const FormulaPart&) const = default;
};

struct Species {
    int coefficient = 1; // 1..maxCoefficient
    std::vector<FormulaPart> formula;
    int charge = 0; // -maxCharge..maxCharge
    PhysicalState state = PhysicalState::Solid;

    bool operator==(const Species&) const = default;
};

struct ChemicalEquation {
    std::array<Species, 2> reactants; // slots 1 and 2
    std::vector<Species> products;    // slots 3 and 4: one or two

    bool operator==(const ChemicalEquation&) const = default;
};

struct ElementCount {
    std::string symbol;
    long long count = 0;

    bool operator==(const ElementCount&) const = default;
};

// The atoms of each element in one formula unit ("Ca(OH)2": Ca 1, O 2, H 2), in order of first
// appearance; nothing when a symbol is no element or one element would exceed maxAtoms (the arithmetic
// is checked, so a formula of any size gives an answer).
std::optional<std::vector<ElementCount>> atomCounts(const std::vector<FormulaPart>& formula);

std::string plainFormula(const Species& species);  // "SO42-(aq)"
std::string formulaMarkup(const Species& species); // "SO<sub>4</sub><sup>2-</sup>(aq)"

// "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)": a coefficient of 1 is not written, one space around "+" and the
// arrow "->", charges after "^". Two equations are the same when their canonical texts are equal, and
// parseEquation(canonicalText(e)) gives e back.
std::string canonicalText(const ChemicalEquation& equation);

// The program's record: per slot the coefficient ("1" included), the plain formula, the formula markup,
// the zoom markup equal to it, and an empty species name (the editor's name fields are the teacher's);
// slot 4 wholly empty with one product. The sides are the species' markups joined by " + ", each after
// its coefficient and a space when that is above 1: "2 CuO(s) + C(s)".
Equation toRecord(const ChemicalEquation& equation);

} // namespace model
