#include "model/Equation.h"

#include <gtest/gtest.h>

namespace {

TEST(Presets, SevenEquationsNumberedInOrder) {
    const auto& catalogue = model::presetCatalogue();
    for (int i = 0; i < model::presetCount; ++i) {
        EXPECT_EQ(catalogue[std::size_t(i)].number, i + 1);
        EXPECT_EQ(&model::preset(i + 1), &catalogue[std::size_t(i)]);
    }
    EXPECT_THROW(model::preset(0), std::out_of_range);
    EXPECT_THROW(model::preset(8), std::out_of_range);
}

TEST(Presets, DefaultQuantitiesEqualTheReactantCoefficients) {
    for (const model::Preset& p : model::presetCatalogue()) {
        EXPECT_EQ(p.defaultQuantity1, p.equation.slots[0].coefficient) << p.number;
        EXPECT_EQ(p.defaultQuantity2, p.equation.slots[1].coefficient) << p.number;
    }
}

TEST(Presets, SlotFourIsAbsentExactlyWhereTheCatalogueSaysSo) {
    const bool present[] = {false, true, false, true, false, false, true};
    for (const model::Preset& p : model::presetCatalogue()) {
        const model::SpeciesSlot& s4 = p.equation.slots[3];
        EXPECT_EQ(p.equation.slot4Present(), present[p.number - 1]) << p.number;
        if (!s4.present()) {
            EXPECT_TRUE(s4.coefficient.empty());
            EXPECT_TRUE(s4.markup.empty());
            EXPECT_TRUE(s4.zoomMarkup.empty());
        }
    }
}

TEST(Presets, TextsAreQuotedExactly) {
    const model::Equation& cuo = model::preset(2).equation;
    EXPECT_EQ(cuo.reactantsSide, "     2  CuO(s)  +    C(s)");
    EXPECT_EQ(cuo.productsSide, "   2  Cu(s)   +   CO<sub>2</sub>(g)");
    EXPECT_EQ(cuo.slots[3].name, "Dioxyde de carbone");
    const model::Equation& h2s = model::preset(4).equation;
    EXPECT_EQ(h2s.reactantsSide, "     2  H<sub>2</sub>S (s) +  SO<sub>2</sub> (g)");
    EXPECT_EQ(h2s.slots[0].formula, "H2S(g)");
    EXPECT_EQ(h2s.slots[3].name, "eau");
    EXPECT_EQ(model::preset(1).equation.reactantsSide, "      C(s)     +      O<sub>2</sub>(g)");
    EXPECT_EQ(model::preset(6).equation.slots[2].markup, "Fe<sub>3</sub>O<sub>4</sub>(s)");
    EXPECT_EQ(model::preset(3).title, "<FONT color=\"#004080\">Al + S</font>");
}

TEST(Presets, ZoomMarkupsDifferOnlyForTheSeventhEquation) {
    for (const model::Preset& p : model::presetCatalogue()) {
        for (int s = 0; s < 4; ++s) {
            const model::SpeciesSlot& slot = p.equation.slots[std::size_t(s)];
            if (p.number == 7 && (s == 0 || s == 3)) {
                continue;
            }
            EXPECT_EQ(slot.zoomMarkup, slot.markup) << p.number << " slot " << s + 1;
        }
    }
    EXPECT_EQ(model::preset(5).equation.slots[2].zoomMarkup, "H<sub>2</sub>O(l)");
    const model::Equation& seventh = model::preset(7).equation;
    EXPECT_EQ(seventh.slots[0].formula, "HCO3-(s)");
    EXPECT_EQ(seventh.slots[0].markup, "HCO<sub>3</sub>-(aq)");
    EXPECT_EQ(seventh.slots[0].zoomMarkup, "HCO<sub>3</sub><sup>-</sup>(aq)");
    EXPECT_EQ(seventh.slots[3].zoomMarkup, "CH<sub>3</sub>COO<sup>-</sup>(aq)+H<sub>2</sub>O(l)");
}

} // namespace
