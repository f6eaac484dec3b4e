#pragma once
// Where a chemical formula too long for its room may go on a second line: before the element or the
// group nearest its middle, never inside a markup tag or a subscript; after a count or a group
// ("CH3|CH2") rather than between two letters ("C|H") when the formula allows.

#include <QString>

namespace framework {

// The index of the character that starts the second line, in a plain formula ("CH3CH2CH3(l)") or its
// markup ("CH<sub>3</sub>CH<sub>2</sub>..."); -1 when there is no such place.
qsizetype formulaBreak(const QString& formula);

// A formula's markup in two lines at that place
// ("CH<sub>3</sub>CH<sub>2</sub><BR>CH<sub>2</sub>CH<sub>3</sub>(l)"); as it was when it has none.
QString brokenFormula(const QString& markup);

} // namespace framework
