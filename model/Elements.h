#pragma once
// The 118 element symbols of the periodic table, for checking the formulas a teacher types.

#include <string_view>

namespace model {

constexpr int elementCount = 118;

// The atomic number of a symbol written exactly ("Cl", not "CL" or "cl"); 0 when no element has it.
int atomicNumber(std::string_view symbol);

// The symbol of atomic number 1..elementCount.
std::string_view elementSymbol(int atomicNumber);

} // namespace model
