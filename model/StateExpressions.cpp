#include "model/StateExpressions.h"

namespace model {

std::string reactantExpression(const std::string& quantity, const std::string& coefficient) {
    return coefficient == "1" ? quantity + " - X" : quantity + " - " + coefficient + " X";
}

std::string productExpression(const std::string& coefficient) {
    return coefficient == "1" ? std::string("X") : coefficient + " X";
}

} // namespace model
