#include "model/Equation.h"

#include <stdexcept>

namespace model {

namespace {

SpeciesSlot slot(std::string coefficient, std::string formula, std::string markup, std::string name) {
    std::string zoom = markup;
    return {std::move(coefficient), std::move(formula), std::move(markup), std::move(zoom), std::move(name)};
}

// An absent slot 4 keeps its species name out of the record: loading a preset leaves the label's
// previous hint as it was.
SpeciesSlot absent() {
    return {};
}

std::array<Preset, presetCount> buildCatalogue() {
    std::array<Preset, presetCount> c;
    c[0] = {1,
            R"(<FONT color="#004080">C + O<sub>2</sub></font>)",
            {{slot("1", "C(s)", "C(s)", "Carbone"), slot("1", "O2(g)", "O<sub>2</sub>(g)", "Dioxygène"),
              slot("1", "CO2(g)", "CO<sub>2</sub>(g)", "Dioxyde de carbone"), absent()},
             "      C(s)     +      O<sub>2</sub>(g)",
             "     CO<sub>2</sub>(g)"},
            "1",
            "1"};
    c[1] = {2,
            R"(<FONT color="#004080">CuO + C</font>)",
            {{slot("2", "CuO(s)", "CuO(s)", "Oxyde de cuivre"), slot("1", "C(s)", "C(s)", "Carbone"),
              slot("2", "Cu(s)", "Cu(s)", "Cuivre"),
              slot("1", "CO2(g)", "CO<sub>2</sub>(g)", "Dioxyde de carbone")},
             "     2  CuO(s)  +    C(s)",
             "   2  Cu(s)   +   CO<sub>2</sub>(g)"},
            "2",
            "1"};
    c[2] = {3,
            R"(<FONT color="#004080">Al + S</font>)",
            {{slot("2", "Al(s)", "Al(s)", "Aluminium"), slot("3", "S(s)", "S(s)", "Soufre"),
              slot("1", "Al2S3(s)", "Al<sub>2</sub>S<sub>3</sub>(s)", "Sulfure d'aluminium"), absent()},
             "     2  Al(s) +  3  S(s)",
             "   Al<sub>2</sub>S<sub>3</sub>(s)"},
            "2",
            "3"};
    c[3] = {4,
            R"(<FONT color="#004080">H<sub>2</sub>S + SO<sub>2</sub></font>)",
            {{slot("2", "H2S(g)", "H<sub>2</sub>S(g)", "Sulfure de dihydrogène"),
              slot("1", "SO2(g)", "SO<sub>2</sub>(g)", "Dioxyde de soufre"),
              slot("3", "S(s)", "S(s)", "Soufre"), slot("2", "H2O(l)", "H<sub>2</sub>O(l)", "eau")},
             "     2  H<sub>2</sub>S (s) +  SO<sub>2</sub> (g)",
             "  3 S (s)  +  2  H<sub>2</sub>O (l)"},
            "2",
            "1"};
    c[4] = {5,
            R"(<FONT color="#004080">H<sub>2</sub> + O<sub>2</sub></font>)",
            {{slot("2", "H2(g)", "H<sub>2</sub>(g)", "Dihydrogène"),
              slot("1", "O2(g)", "O<sub>2</sub>(g)", "Dioxygène"),
              slot("2", "H2O(l)", "H<sub>2</sub>O(l)", "eau"), absent()},
             "   2 H<sub>2</sub>(g)  +   O<sub>2</sub>(g)",
             " 2  H<sub>2</sub>O(l)"},
            "2",
            "1"};
    c[5] = {6,
            R"(<FONT color="#004080">Fe + O<sub>2</sub></font>)",
            {{slot("3", "Fe(s)", "Fe(s)", "Fer"), slot("2", "O2(g)", "O<sub>2</sub>(g)", "Dioxygène"),
              slot("1", "Fe3O4(s)", "Fe<sub>3</sub>O<sub>4</sub>(s)", "Oxyde magnétique"), absent()},
             "    3  Fe(s)  + 2  O<sub>2</sub>(g)",
             "     Fe<sub>3</sub>O<sub>4</sub>(s)"},
            "3",
            "2"};
    c[6] = {7,
            R"(<FONT color="#004080">HCO<sub>3</sub><sup>-</sup>(s) + CH<sub>3</sub>COOH (aq)</font>)",
            {{slot("1", "HCO3-(s)", "HCO<sub>3</sub>-(aq)", "ion hydrogénocarbonate"),
              slot("1", "CH3COOH(aq)", "CH<sub>3</sub>COOH(aq)", "acide éthanoïque"),
              slot("1", "CO2(g)", "CO<sub>2</sub>(g)", "Dioxyde de carbone"),
              slot("1", "CH3COO-(aq)", "CH<sub>3</sub>COO<sup>-</sup>(aq)", "ion éthanoate")},
             "HCO<sub>3</sub><sup>-</sup>(aq) + CH<sub>3</sub>COOH(aq)",
             "CO<sub>2</sub>(g) + CH<sub>3</sub>COO<sup>-</sup>(aq)+H<sub>2</sub>O(l)"},
            "1",
            "1"};
    // The zoom window draws the hydrogencarbonate ion with a raised minus, and carries the water of the
    // products side in slot 4.
    c[6].equation.slots[0].zoomMarkup = "HCO<sub>3</sub><sup>-</sup>(aq)";
    c[6].equation.slots[3].zoomMarkup = "CH<sub>3</sub>COO<sup>-</sup>(aq)+H<sub>2</sub>O(l)";
    return c;
}

} // namespace

const std::array<Preset, presetCount>& presetCatalogue() {
    static const std::array<Preset, presetCount> catalogue = buildCatalogue();
    return catalogue;
}

const Preset& preset(int number) {
    if (number < 1 || number > presetCount) {
        throw std::out_of_range("preset number out of range");
    }
    return presetCatalogue()[std::size_t(number - 1)];
}

} // namespace model
