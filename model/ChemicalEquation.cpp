#include "model/ChemicalEquation.h"

#include "model/Elements.h"

#include <algorithm>
#include <cstdlib>

namespace model {

namespace {

// The three written forms differ only in how they raise a count and a charge.
struct Writing {
    std::string countOpen, countClose;
    std::string chargeOpen, chargeClose;
};

const Writing plain{"", "", "", ""};
const Writing markup{"<sub>", "</sub>", "<sup>", "</sup>"};
const Writing canonical{"", "", "^", ""};

std::string written(const Species& species, const Writing& w) {
    std::string text;
    const auto count = [&](int n) {
        if (n != 1) {
            text += w.countOpen + std::to_string(n) + w.countClose;
        }
    };
    for (const FormulaPart& part : species.formula) {
        switch (part.kind) {
        case FormulaPart::Kind::Element:
            text += part.symbol;
            count(part.count);
            break;
        case FormulaPart::Kind::Open:
            text += part.bracket;
            break;
        case FormulaPart::Kind::Close:
            text += closingBracket(part.bracket);
            count(part.count);
            break;
        }
    }
    if (species.charge != 0) {
        const int size = std::abs(species.charge);
        text += w.chargeOpen + (size > 1 ? std::to_string(size) : "") + (species.charge > 0 ? "+" : "-") +
                w.chargeClose;
    }
    return text + "(" + std::string(stateLetters(species.state)) + ")";
}

template <typename Range> std::string side(const Range& species, const Writing& w) {
    std::string text;
    for (const Species& s : species) {
        if (!text.empty()) {
            text += " + ";
        }
        if (s.coefficient != 1) {
            text += std::to_string(s.coefficient) + " ";
        }
        text += written(s, w);
    }
    return text;
}

SpeciesSlot slotOf(const Species& species) {
    std::string m = formulaMarkup(species);
    return {std::to_string(species.coefficient), plainFormula(species), m, m, {}};
}

} // namespace

std::string_view stateLetters(PhysicalState state) {
    switch (state) {
    case PhysicalState::Solid:
        return "s";
    case PhysicalState::Liquid:
        return "l";
    case PhysicalState::Gas:
        return "g";
    case PhysicalState::Aqueous:
        return "aq";
    }
    return {};
}

std::optional<std::vector<ElementCount>> atomCounts(const std::vector<FormulaPart>& formula) {
    // Read backwards, every multiplier is known before the atoms it multiplies.
    std::vector<long long> multipliers{1};
    std::array<long long, elementCount + 1> atoms{};
    std::array<std::size_t, elementCount + 1> firstSeen{};
    for (std::size_t i = formula.size(); i-- > 0;) {
        const FormulaPart& part = formula[i];
        switch (part.kind) {
        case FormulaPart::Kind::Close: {
            long long product = 0;
            if (__builtin_mul_overflow(multipliers.back(), part.count, &product) || product > maxAtoms) {
                return std::nullopt;
            }
            multipliers.push_back(product);
            break;
        }
        case FormulaPart::Kind::Open:
            if (multipliers.size() > 1) {
                multipliers.pop_back();
            }
            break;
        case FormulaPart::Kind::Element: {
            const int z = atomicNumber(part.symbol);
            long long added = 0;
            if (z == 0 || __builtin_mul_overflow(multipliers.back(), part.count, &added) ||
                __builtin_add_overflow(atoms[std::size_t(z)], added, &atoms[std::size_t(z)]) ||
                atoms[std::size_t(z)] > maxAtoms) {
                return std::nullopt;
            }
            firstSeen[std::size_t(z)] = i + 1;
            break;
        }
        }
    }
    std::vector<int> present;
    for (int z = 1; z <= elementCount; ++z) {
        if (firstSeen[std::size_t(z)] != 0) {
            present.push_back(z);
        }
    }
    std::sort(present.begin(), present.end(),
              [&](int a, int b) { return firstSeen[std::size_t(a)] < firstSeen[std::size_t(b)]; });
    std::vector<ElementCount> counts;
    for (const int z : present) {
        counts.push_back({std::string(elementSymbol(z)), atoms[std::size_t(z)]});
    }
    return counts;
}

std::string plainFormula(const Species& species) {
    return written(species, plain);
}

std::string formulaMarkup(const Species& species) {
    return written(species, markup);
}

std::string canonicalText(const ChemicalEquation& equation) {
    return side(equation.reactants, canonical) + " -> " + side(equation.products, canonical);
}

Equation toRecord(const ChemicalEquation& equation) {
    Equation record;
    record.slots[0] = slotOf(equation.reactants[0]);
    record.slots[1] = slotOf(equation.reactants[1]);
    for (std::size_t i = 0; i < equation.products.size() && i < 2; ++i) {
        record.slots[2 + i] = slotOf(equation.products[i]);
    }
    record.reactantsSide = side(equation.reactants, markup);
    record.productsSide = side(equation.products, markup);
    return record;
}

} // namespace model
