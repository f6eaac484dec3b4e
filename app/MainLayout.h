#pragma once
// Where every control of the main window sits, in pixels relative to the tab page (the window's own
// label StaticText4 excepted), and the colours and fonts of the state table. The window is built from
// these tables so that the layout can be read, checked and changed in one place.

#include "framework/Color.h"

#include <array>

namespace app::layout {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Place {
    int left = 0;
    int top = 0;
};

struct FontSpec {
    const char* face = "MS Sans Serif";
    int pixelSize = 11;
    bool bold = false;
    bool underline = false;
};

// The window as designed; at run time it fills the desktop's work area.
inline constexpr Bounds designedWindow{146, 65, 796, 572};
inline constexpr FontSpec windowFont{};
inline constexpr framework::TColor windowColor = framework::clPaleYellow;

// The state table's fixed texts, its values, and the equation band.
inline constexpr FontSpec fixedTextFont{"System", 13, true};
inline constexpr FontSpec valueFont{};
inline constexpr FontSpec boldValueFont{"MS Sans Serif", 11, true};
inline constexpr FontSpec equationFont{"Times New Roman", 24};
// The arrow of the equation line: the serif face's arrow is narrower than the symbol font's, so it is
// drawn larger to read as clearly across a classroom.
inline constexpr FontSpec equationArrowFont{"Times New Roman", 32};
inline constexpr FontSpec presetTitleFont{"MS Sans Serif", 15, true};
inline constexpr FontSpec flatButtonFont{"Arial", 11};
inline constexpr FontSpec underlinedFlatButtonFont{"Arial", 11, false, true};
inline constexpr framework::TColor tableColor = framework::clTeal;
inline constexpr framework::TColor tableTextColor = framework::clWhite;

// Preset selector: seven check boxes, each with its title label 16 px to its right.
inline constexpr int presetTop = 16;
inline constexpr int presetCheckWidth = 15;
inline constexpr int presetCheckHeight = 17;
struct PresetPlace {
    int checkLeft;
    int titleLeft;
    int titleTop;
};
inline constexpr std::array<PresetPlace, 7> presetPlaces{{
    {20, 36, 16},
    {96, 112, 16},
    {180, 196, 16},
    {248, 264, 16},
    {350, 366, 16},
    {442, 458, 16},
    {530, 546, 12},
}};

// The teal bands: the equation line and the state table's background.
inline constexpr Bounds equationBand{24, 36, 657, 59};     // Shape3, black outline
inline constexpr Bounds tableBackground{24, 96, 657, 155}; // Shape1, teal outline
inline constexpr Place reactantsSide{32, 48};
inline constexpr Bounds equationArrow{324, 48, 27, 32};
inline constexpr Place productsSide{350, 48};

// The cells of the state table, teal with white borders, in the order they are stacked: the two wide
// bands first, then the rows from top to bottom, so that each row's top border lies over the row above.
struct Cell {
    const char* name;
    Bounds bounds;
};
inline constexpr std::array<Cell, 16> cells{{
    {"Shape2", {42, 156, 621, 51}},
    {"Shape5", {42, 206, 621, 35}},
    {"Shape19", {42, 96, 147, 61}},
    {"Shape6", {188, 96, 59, 65}},
    {"Shape9", {246, 96, 105, 61}},
    {"Shape10", {350, 96, 105, 61}},
    {"Shape11", {454, 96, 105, 61}},
    {"Shape12", {558, 96, 105, 61}},
    {"Shape7", {188, 156, 59, 51}},
    {"Shape13", {246, 156, 105, 51}},
    {"Shape14", {350, 156, 105, 51}},
    {"Shape15", {454, 156, 105, 51}},
    {"Shape8", {188, 206, 59, 35}},
    {"Shape16", {246, 206, 105, 35}},
    {"Shape17", {350, 206, 105, 35}},
    {"Shape18", {454, 206, 105, 35}},
}};

// The state table's rows (top, height) and its X and species columns (left, width), as the cells draw
// them.
struct Span {
    int start;
    int length;
};
inline constexpr std::array<Span, 3> stateRows{{{96, 61}, {156, 51}, {206, 35}}};
inline constexpr std::array<Span, 5> stateColumns{
    {{188, 59}, {246, 105}, {350, 105}, {454, 105}, {558, 105}}};

// Row titles. "Etat initial (mol)" belongs to the window, not to the page: it is placed over the page,
// at this position relative to the page's origin, vertically centred in its cell as the two others are.
inline constexpr Place initialStateTitleOnPage{48, 118};
inline constexpr Bounds duringTransformationTitle{44, 166, 137, 37}; // wrapped
inline constexpr Place finalStateTitle{48, 216};

// The X column.
inline constexpr Place xHead{210, 98};
inline constexpr Place xInitial{210, 132};
inline constexpr Bounds xDuring{210, 182, 35, 21};
inline constexpr Place xFinal{210, 217};

// One column per species slot.
struct SlotColumn {
    Place head;       // formula markup, species name as its hint; kept inside the column's cell
    Place initial;    // spin edit (slots 1 and 2) or the fixed "0" (slots 3 and 4)
    Place expression; // STEquation, 66 x 17, centred
    Place quantity;   // the quantity at X, 35 x 21
    Place final;      // the quantity in the final state
};
inline constexpr std::array<SlotColumn, 4> slotColumns{{
    {{272, 100}, {260, 131}, {280, 160}, {280, 182}, {280, 218}},
    {{380, 100}, {374, 131}, {386, 160}, {386, 182}, {386, 218}},
    {{494, 101}, {504, 132}, {504, 160}, {504, 182}, {504, 218}},
    {{588, 100}, {612, 132}, {612, 158}, {612, 182}, {612, 218}},
}};
// The left and right edges of each column's cells (the white borders are drawn on them).
inline constexpr std::array<int, 4> slotCellLeft{246, 350, 454, 558};
inline constexpr std::array<int, 4> slotCellRight{350, 454, 558, 662};
inline constexpr int initialQuantityWidth = 65;
inline constexpr int initialQuantityHeight = 22;
inline constexpr int expressionWidth = 66;
inline constexpr int expressionHeight = 17;
inline constexpr int quantityWidth = 35;
inline constexpr int quantityHeight = 21;

// Charts, as designed; every activation of the window sizes them to it.
inline constexpr Bounds barChart{0, 256, 335, 251};
inline constexpr Bounds lineChart{354, 256, 343, 251};

// The button column at the right edge, and the hidden editor button.
inline constexpr Bounds initialisationButton{686, 54, 93, 21};
inline constexpr Bounds simulationButton{686, 74, 93, 21};
inline constexpr Bounds stopButton{686, 94, 93, 21};
inline constexpr Bounds zoomButton{686, 116, 93, 21};
inline constexpr Bounds evolutionSlider{682, 138, 99, 23};
inline constexpr Bounds measurementTableButton{692, 170, 83, 22};
inline constexpr Bounds aboutButton{704, 190, 69, 22};
inline constexpr Bounds guideButton{704, 210, 69, 22};
inline constexpr Bounds quitButton{704, 232, 70, 22};
inline constexpr Bounds newEquationButton{480, 240, 117, 19};
// "Révéler", over the final row's species cells while the final state is masked for the class.
inline constexpr Bounds revealButton{399, 211, 110, 25};
inline constexpr framework::TColor flatButtonHighlight = framework::rgb(216, 190, 10);
inline constexpr framework::TColor quitButtonBorder = framework::rgb(153, 143, 130);

} // namespace app::layout
