#pragma once
// Whether an equation is balanced: the atoms of each element and the total charge on each side, and
// whether its coefficients could be divided by a common factor.

#include "model/ChemicalEquation.h"

#include <string>
#include <vector>

namespace model {

// One element, or the charge, whose totals differ between the sides.
struct Imbalance {
    std::string symbol; // the element's symbol; empty for the charge
    long long left = 0;
    long long right = 0;

    bool isCharge() const { return symbol.empty(); }
    bool operator==(const Imbalance&) const = default;
};

enum class Verdict { Balanced, BalancedNotSimplified, Unbalanced };

struct BalanceReport {
    Verdict verdict = Verdict::Balanced;
    std::vector<Imbalance> imbalances; // elements in order of first appearance, then the charge
    int commonFactor = 1;              // the greatest common divisor of the coefficients
};

// For an equation within the parser's limits (as parseEquation gives it); std::invalid_argument
// otherwise.
BalanceReport checkBalance(const ChemicalEquation& equation);

// "équilibrée", "équilibrée mais non simplifiée", or "non équilibrée : " followed by each imbalance,
// separated by " ; ".
std::string verdictText(const BalanceReport& report);

// "O : 2 à gauche, 3 à droite"; the charge with its sign: "charge : +1 à gauche, 0 à droite".
std::string imbalanceText(const Imbalance& imbalance);

} // namespace model
