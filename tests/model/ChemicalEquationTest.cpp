#include "model/Balance.h"
#include "model/EquationParser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

model::ChemicalEquation parsed(const std::string& text) {
    const model::ParseResult result = model::parseEquation(text);
    if (!result.equation) {
        throw std::invalid_argument(result.error.message);
    }
    return *result.equation;
}

struct Written {
    const char* name;
    const char* typed;
    const char* plain;
    const char* markup;
};

class WrittenSpecies : public ::testing::TestWithParam<Written> {};

TEST_P(WrittenSpecies, PlainFormulaAndMarkup) {
    const Written& c = GetParam();
    const model::Species species = parsed(std::string(c.typed) + " + C(s) -> C(s)").reactants[0];
    EXPECT_EQ(model::plainFormula(species), c.plain);
    EXPECT_EQ(model::formulaMarkup(species), c.markup);
}

INSTANTIATE_TEST_SUITE_P(
    Species, WrittenSpecies,
    ::testing::Values(
        Written{"Cation", "Ca^2+(aq)", "Ca2+(aq)", "Ca<sup>2+</sup>(aq)"},
        Written{"SingleCharge", "Ag^+(aq)", "Ag+(aq)", "Ag<sup>+</sup>(aq)"},
        Written{"AnionWithCount", "HCO3^-(aq)", "HCO3-(aq)", "HCO<sub>3</sub><sup>-</sup>(aq)"},
        Written{"CountThenCharge", "SO4^2-(aq)", "SO42-(aq)", "SO<sub>4</sub><sup>2-</sup>(aq)"},
        Written{"Group", "Ca(OH)2(aq)", "Ca(OH)2(aq)", "Ca(OH)<sub>2</sub>(aq)"},
        Written{"NestedGroups", "K4[Fe(CN)6](s)", "K4[Fe(CN)6](s)", "K<sub>4</sub>[Fe(CN)<sub>6</sub>](s)"},
        Written{"GroupWithCharge", "(NH4)^+(aq)", "(NH4)+(aq)", "(NH<sub>4</sub>)<sup>+</sup>(aq)"},
        Written{"Liquid", "H2O(l)", "H2O(l)", "H<sub>2</sub>O(l)"},
        Written{"Gas", "CO2(g)", "CO2(g)", "CO<sub>2</sub>(g)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtomCounts, MultiplyGroupsAndKeepTheOrderOfFirstAppearance) {
    EXPECT_EQ(model::atomCounts(parsed("Ca(OH)2(aq) + C(s) -> C(s)").reactants[0].formula),
              (std::vector<model::ElementCount>{{"Ca", 1}, {"O", 2}, {"H", 2}}));
    EXPECT_EQ(model::atomCounts(parsed("CH3COOH(aq) + C(s) -> C(s)").reactants[0].formula),
              (std::vector<model::ElementCount>{{"C", 2}, {"H", 4}, {"O", 2}}));
    const std::vector<model::FormulaPart> unknown{{model::FormulaPart::Kind::Element, "Xx", 1, '('}};
    EXPECT_FALSE(model::atomCounts(unknown));
}

TEST(Record, SlotsAndSidesComeFromTheLine) {
    const model::Equation record = model::toRecord(parsed("Ag^+(aq) + 2 Cl^-(aq) -> AgCl2^-(s)"));
    const model::SpeciesSlot& chloride = record.slots[1];
    EXPECT_EQ(chloride.coefficient, "2");
    EXPECT_EQ(chloride.formula, "Cl-(aq)");
    EXPECT_EQ(chloride.zoomMarkup, chloride.markup);
    EXPECT_EQ(chloride.name, "");
    EXPECT_EQ(record.slots[0].coefficient, "1");
    EXPECT_FALSE(record.slot4Present());
    EXPECT_TRUE(record.slots[3].coefficient.empty() && record.slots[3].markup.empty() &&
                record.slots[3].zoomMarkup.empty());
    EXPECT_EQ(record.reactantsSide, "Ag<sup>+</sup>(aq) + 2 Cl<sup>-</sup>(aq)");
    EXPECT_EQ(record.productsSide, "AgCl<sub>2</sub><sup>-</sup>(s)");
}

TEST(Record, PresetsWrittenOnOneLineGiveTheCataloguesFormulas) {
    const char* lines[model::presetCount] = {"C(s) + O2(g) -> CO2(g)",
                                             "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)",
                                             "2 Al(s) + 3 S(s) -> Al2S3(s)",
                                             "2 H2S(g) + SO2(g) -> 3 S(s) + 2 H2O(l)",
                                             "2 H2(g) + O2(g) -> 2 H2O(l)",
                                             "3 Fe(s) + 2 O2(g) -> Fe3O4(s)",
                                             "HCO3^-(s) + CH3COOH(aq) -> CO2(g) + CH3COO^-(aq)"};
    for (const model::Preset& preset : model::presetCatalogue()) {
        const model::ChemicalEquation equation = parsed(lines[preset.number - 1]);
        const model::Equation record = model::toRecord(equation);
        for (std::size_t s = 0; s < 4; ++s) {
            const model::SpeciesSlot& mine = record.slots[s];
            const model::SpeciesSlot& theirs = preset.equation.slots[s];
            EXPECT_EQ(mine.coefficient, theirs.coefficient) << preset.number << " slot " << s + 1;
            EXPECT_EQ(mine.formula, theirs.formula) << preset.number << " slot " << s + 1;
            // The seventh preset's first markup reads "(aq)" where its plain formula reads "(s)".
            if (preset.number != 7 || s != 0) {
                EXPECT_EQ(mine.markup, theirs.markup) << preset.number << " slot " << s + 1;
            }
        }
        // The seventh preset leaves the water of its products side out of its four slots.
        EXPECT_EQ(model::checkBalance(equation).verdict,
                  preset.number == 7 ? model::Verdict::Unbalanced : model::Verdict::Balanced);
    }
}

} // namespace
