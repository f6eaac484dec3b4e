#pragma once
// The state table's expressions of the quantities during the transformation, built from the texts as they
// stand, with no number formatting: "2,5 - 2 X" for a reactant, "2 X" for a product. A coefficient counts as
// 1, and is not written, when its text is exactly "1".

#include <string>

namespace model {

std::string reactantExpression(const std::string& quantity, const std::string& coefficient);
std::string productExpression(const std::string& coefficient);

} // namespace model
