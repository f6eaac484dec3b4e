#pragma once
// A main window reduced to what the secondary windows read from it: the current equation as texts, the
// two initial quantities and xmax, loaded from a preset as the main window loads it.

#include "framework/LocaleText.h"
#include "model/Advancement.h"
#include "model/Equation.h"
#include "windows/MainFormData.h"

#include <array>
#include <optional>
#include <vector>

namespace windows_tests {

class FakeMainForm : public windows::MainFormData {
public:
    explicit FakeMainForm(int presetNumber = 1) { load(presetNumber); }

    // The preset's texts, its default quantities and the xmax they give.
    void load(int presetNumber) {
        const model::Preset& preset = model::preset(presetNumber);
        for (std::size_t i = 0; i < 4; ++i) {
            const model::SpeciesSlot& slot = preset.equation.slots[i];
            formulas[i] = framework::toQ(slot.formula);
            coefficients[i] = framework::toQ(slot.coefficient);
            zoomMarkups[i] = framework::toQ(slot.zoomMarkup);
            markups[i] = framework::toQ(slot.markup);
        }
        sides = {framework::toQ(preset.equation.reactantsSide), framework::toQ(preset.equation.productsSide)};
        quantities = {framework::toQ(preset.defaultQuantity1), framework::toQ(preset.defaultQuantity2)};
        seventh = presetNumber == 7;
        recompute();
    }
    // Typed quantities, and the xmax the main window computes from them.
    void setQuantities(const QString& first, const QString& second) {
        quantities = {first, second};
        recompute();
    }
    void recompute() {
        const model::Limit limit = model::limitOf(initialQuantityValue(1), coefficients[0].toInt(),
                                                  initialQuantityValue(2), coefficients[1].toInt());
        xmaxValue = limit.xmax;
    }

    QString plainFormula(int slot) const override { return formulas[std::size_t(slot - 1)]; }
    QString coefficientText(int slot) const override { return coefficients[std::size_t(slot - 1)]; }
    void setCoefficientText(int slot, const QString& text) override {
        coefficients[std::size_t(slot - 1)] = text;
        ++coefficientWrites;
    }
    QString zoomMarkupFirstLine(int slot) const override { return zoomMarkups[std::size_t(slot - 1)]; }
    QString formulaMarkup(int slot) const override { return markups[std::size_t(slot - 1)]; }
    QString reactantsSide() const override { return sides[0]; }
    QString productsSide() const override { return sides[1]; }
    QString initialQuantityText(int reactant) const override { return quantities[std::size_t(reactant - 1)]; }
    double initialQuantityValue(int reactant) const override {
        return framework::lenientReal(initialQuantityText(reactant), 0);
    }
    bool seventhEquationChecked() const override { return seventh; }
    double xmax() const override { return xmaxValue; }
    QRect workArea() const override { return area; }
    // A situation saved, or the one the user opens: its two quantities and X.
    struct Situation {
        QString quantity1;
        QString quantity2;
        double advancement = 0;
    };
    void saveSituation(QWidget*, const QString& quantity1, const QString& quantity2,
                       double advancement) override {
        savedSituations.push_back({quantity1, quantity2, advancement});
    }
    std::optional<double> chooseAndOpenSituation(QWidget*) override {
        if (!situationToOpen) {
            return std::nullopt; // the user cancelled
        }
        setQuantities(situationToOpen->quantity1, situationToOpen->quantity2);
        return situationToOpen->advancement;
    }

    std::array<QString, 4> formulas;
    std::array<QString, 4> coefficients;
    std::array<QString, 4> zoomMarkups;
    std::array<QString, 4> markups;
    std::array<QString, 2> sides;
    std::array<QString, 2> quantities;
    bool seventh = false;
    double xmaxValue = 0;
    int coefficientWrites = 0;
    QRect area{0, 0, 1200, 800};
    std::vector<Situation> savedSituations;
    std::optional<Situation> situationToOpen;
};

} // namespace windows_tests
