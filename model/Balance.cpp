#include "model/Balance.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace model {

namespace {

struct Tally {
    std::string symbol;
    long long left = 0;
    long long right = 0;
};

void add(Tally& tally, bool left, long long amount) {
    (left ? tally.left : tally.right) += amount;
}

std::string signedText(long long value) {
    return (value > 0 ? "+" : "") + std::to_string(value);
}

} // namespace

BalanceReport checkBalance(const ChemicalEquation& equation) {
    std::vector<Tally> elements;
    Tally charge;
    int factor = 0;
    const auto count = [&](const Species& species, bool left) {
        if (species.coefficient < 1 || species.coefficient > maxCoefficient || species.charge < -maxCharge ||
            species.charge > maxCharge) {
            throw std::invalid_argument("species beyond the parser's limits");
        }
        const std::optional<std::vector<ElementCount>> atoms = atomCounts(species.formula);
        if (!atoms) {
            throw std::invalid_argument("formula beyond the parser's limits");
        }
        for (const ElementCount& atom : *atoms) {
            auto tally = std::find_if(elements.begin(), elements.end(),
                                      [&](const Tally& t) { return t.symbol == atom.symbol; });
            if (tally == elements.end()) {
                tally = elements.insert(elements.end(), {atom.symbol, 0, 0});
            }
            add(*tally, left, species.coefficient * atom.count);
        }
        add(charge, left, species.coefficient * species.charge);
        factor = std::gcd(factor, species.coefficient);
    };
    for (const Species& s : equation.reactants) {
        count(s, true);
    }
    for (const Species& s : equation.products) {
        count(s, false);
    }

    BalanceReport report;
    for (const Tally& t : elements) {
        if (t.left != t.right) {
            report.imbalances.push_back({t.symbol, t.left, t.right});
        }
    }
    if (charge.left != charge.right) {
        report.imbalances.push_back({{}, charge.left, charge.right});
    }
    report.commonFactor = factor;
    report.verdict = !report.imbalances.empty() ? Verdict::Unbalanced
                     : factor > 1               ? Verdict::BalancedNotSimplified
                                                : Verdict::Balanced;
    return report;
}

std::string verdictText(const BalanceReport& report) {
    switch (report.verdict) {
    case Verdict::Balanced:
        return "équilibrée";
    case Verdict::BalancedNotSimplified:
        return "équilibrée mais non simplifiée";
    case Verdict::Unbalanced:
        break;
    }
    std::string text = "non équilibrée : ";
    for (std::size_t i = 0; i < report.imbalances.size(); ++i) {
        text += (i == 0 ? "" : " ; ") + imbalanceText(report.imbalances[i]);
    }
    return text;
}

std::string imbalanceText(const Imbalance& imbalance) {
    if (imbalance.isCharge()) {
        return "charge : " + signedText(imbalance.left) + " à gauche, " + signedText(imbalance.right) +
               " à droite";
    }
    return imbalance.symbol + " : " + std::to_string(imbalance.left) + " à gauche, " +
           std::to_string(imbalance.right) + " à droite";
}

} // namespace model
