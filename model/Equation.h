#pragma once
// The current equation's record and the seven built-in equations. Slots 1 and 2 are the reactants,
// 3 and 4 the products; slot 4 may be absent, which is told by its plain formula being empty.

#include <array>
#include <string>

namespace model {

struct SpeciesSlot {
    std::string coefficient; // text of a whole number; empty for an absent slot 4
    std::string formula;     // plain formula with its state, "CuO(s)"
    std::string markup;      // formula markup, drawn at the head of the state table's column
    std::string zoomMarkup;  // one line, drawn by the zoom window's formula labels
    std::string name;        // French species name, the tooltip of the column head

    bool present() const { return !formula.empty(); }
};

struct Equation {
    std::array<SpeciesSlot, 4> slots;
    std::string reactantsSide; // markup; leading and inner spaces are part of the text
    std::string productsSide;

    bool slot4Present() const { return slots[3].present(); }
};

struct Preset {
    int number = 0;    // 1..7
    std::string title; // markup of the title label beside the preset's check box
    Equation equation;
    std::string defaultQuantity1; // texts written into the two initial-quantity fields
    std::string defaultQuantity2;
};

constexpr int presetCount = 7;

const std::array<Preset, presetCount>& presetCatalogue();
// number 1..7; anything else is a programming error.
const Preset& preset(int number);

} // namespace model
