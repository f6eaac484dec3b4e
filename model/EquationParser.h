#pragma once
// Reading the one-line equation a teacher types: "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)",
// "Ag^+(aq) + Cl^-(aq) -> AgCl(s)", "Ca(OH)2(aq) + CO2(g) = CaCO3(s) + H2O(l)".
//
// What is accepted:
// - reactants, an arrow ("->", "→" or "="), products; the species of a side are separated by "+".
//   Exactly two reactants and one or two products: the state table has two columns of each.
// - a species is: an optional coefficient, the formula, an optional charge, the state. Blanks (space, tab,
//   U+00A0, U+202F) are free around each of these and around "+" and the arrow, but not inside them.
// - coefficient: 1 to 99, 1 when absent, written without a leading zero.
// - formula: element symbols, a capital and at most one small letter, each one of the 118 elements and
//   followed by an optional count from 1 to 999; groups in "( )" or "[ ]" followed by an optional
//   multiplier from 1 to 999, nested at most maxNesting deep; no count starts with the digit zero.
// - charge: "^", an optional digit from 1 to 9, a sign: "^+", "^2+", "^-", "^3-". A sign written
//   without "^" is refused with a message showing the "^" forms: in "Ca2+" the 2 could be a count as
//   well as the charge's size.
// - state: required and last, "(s)", "(l)", "(g)" or "(aq)" in small letters. It is what tells a
//   charge's sign from the "+" between species, and the state table's formulas always carry one.
//
// Where: positions are byte offsets into the UTF-8 text, on character boundaries ("→" takes three
// bytes), with begin <= end <= text.size(). The span covers the character or characters at fault; it is
// empty at text.size() when something is missing at the end. An editor holding the text in a UTF-16
// string selects the span with utf16Offset (Utf8.h):
//   from = utf16Offset(text, error.begin); length = utf16Offset(text, error.end) - from.
//
// The message is French, says what was expected or is wrong, and where: "Caractère 5 : état (s), (l),
// (g) ou (aq) attendu après « CuO », pas « + »", characters counted from 1; "En fin d'équation : …" when

#include "model/ChemicalEquation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace model {

struct SyntaxError {
    std::string message;
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct ParseResult {
    std::optional<ChemicalEquation> equation; // set when the text is an equation
    SyntaxError error;                        // otherwise: why not, and where
};

// Linear in the text's length, whatever it holds.
ParseResult parseEquation(std::string_view text);

} // namespace model
