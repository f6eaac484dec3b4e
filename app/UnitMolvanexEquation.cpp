#include "app/UnitMolvanex.h"

#include "app/MainLayout.h"
#include "app/MainWindowSupport.h"
#include "chart/ChartView.h"
#include "controls/BevelCheck.h"
#include "controls/FloatSpinEdit.h"
#include "controls/MarkupImageList.h" // complete before the label header, whose QPointer needs it
#include "controls/markuplabel.h"
#include "framework/AccessibleTable.h"
#include "framework/Edit.h"
#include "framework/FormulaBreak.h"
#include "framework/LocaleText.h"
#include "framework/StaticText.h"
#include "framework/TrackBar.h"
#include "model/Advancement.h"
#include "model/Equation.h"
#include "model/Failure.h"
#include "model/StateExpressions.h"
#include "windows/TeacherFiles.h"

#include <QFontMetrics>

#include <algorithm>

// Choosing and loading an equation, and the state table's initial row, expressions and final row.

namespace app {

using namespace support;

namespace {

using framework::fromQ;
using framework::toQ;

// Room kept between a text and its cell's border, and around a field's text.
constexpr int cellPadding = 3;
constexpr int fieldTextMargin = 6;

// A value or an expression of a column shows its whole text: its field grows past the designed width up
// to the cell's right border, then its font shrinks (an auto-sized label only needs the font).
void fitInCell(QWidget* widget, const QString& text, const layout::FontSpec& design, int designWidth,
               int slot) {
    const int room = layout::slotCellRight.at(std::size_t(slot - 1)) - widget->x() - cellPadding;
    const QFont font = fittedFont(design, text, room - fieldTextMargin);
    if (widget->font() != font) {
        widget->setFont(font);
    }
    if (designWidth > 0) {
        const int needed = QFontMetrics(font).horizontalAdvance(text) + fieldTextMargin;
        const int width = std::clamp(needed, designWidth, std::max(designWidth, room));
        if (widget->width() != width) {
            widget->resize(width, widget->height());
        }
    }
}

using Handler = void (TFiche_molvanex::*)();
constexpr std::array<Handler, 7> presetLoaders{
    &TFiche_molvanex::BtnInitialClick, &TFiche_molvanex::BtnCuOClick, &TFiche_molvanex::BtnAlSClick,
    &TFiche_molvanex::BtnH2SClick,     &TFiche_molvanex::BtnH2Click,  &TFiche_molvanex::BtnFeClick,
    &TFiche_molvanex::BtnHAClick,
};

} // namespace

void TFiche_molvanex::BevelCheck1Click() {
    presetBoxClicked(1);
}
void TFiche_molvanex::BevelCheck2Click() {
    presetBoxClicked(2);
}
void TFiche_molvanex::BevelCheck3Click() {
    presetBoxClicked(3);
}
void TFiche_molvanex::BevelCheck4Click() {
    presetBoxClicked(4);
}
void TFiche_molvanex::BevelCheck5Click() {
    presetBoxClicked(5);
}
void TFiche_molvanex::BevelCheck6Click() {
    presetBoxClicked(6);
}
void TFiche_molvanex::BevelCheck7Click() {
    presetBoxClicked(7);
}

// The boxes make a radio group: the box that is checked loads its preset and unchecks the others, whose
// own clicks then find them unchecked and do nothing.
void TFiche_molvanex::presetBoxClicked(int number) {
    if (!presetBoxes_.at(std::size_t(number - 1))->isChecked()) {
        return;
    }
    (this->*presetLoaders.at(std::size_t(number - 1)))();
    for (std::size_t i = 0; i < presetBoxes_.size(); ++i) {
        if (int(i) != number - 1) {
            presetBoxes_[i]->setChecked(false);
        }
    }
    // The box itself only says it is checked: what it loaded is told.
    announce(loadedEquation());
}

void TFiche_molvanex::choosePreset(int number) {
    controls::TBevelCheck* box = presetBoxes_.at(std::size_t(number - 1));
    if (box->isChecked()) {
        loadPreset(number);
    } else {
        // Checking the box loads its equation and unchecks the others, as a click does.
        box->setChecked(true);
    }
}

void TFiche_molvanex::BtnInitialClick() {
    loadPreset(1);
}
void TFiche_molvanex::BtnCuOClick() {
    loadPreset(2);
}
void TFiche_molvanex::BtnAlSClick() {
    loadPreset(3);
}
void TFiche_molvanex::BtnH2SClick() {
    loadPreset(4);
}
void TFiche_molvanex::BtnH2Click() {
    loadPreset(5);
}
void TFiche_molvanex::BtnFeClick() {
    loadPreset(6);
}
void TFiche_molvanex::BtnHAClick() {
    loadPreset(7);
}

void TFiche_molvanex::loadPreset(int number) {
    const model::Preset& preset = model::preset(number);
    equationLine_ = windows::presetText(number);
    teachersEquation_ = false;
    loadEquation(preset.equation, toQ(preset.defaultQuantity1), toQ(preset.defaultQuantity2));
}

// Writing a quantity into an initial-quantity field runs its change handler at once, with the slots not
// yet written still holding the previous equation; the order of the writes below is the one those nested
// runs see.
void TFiche_molvanex::loadEquation(const model::Equation& equation, const QString& quantity1,
                                   const QString& quantity2) {
    maskFinalStateAgain();
    Series1->clear();
    clearLines();
    // Moving the slider back runs its handler for the equation being replaced. A quantity field that
    // holds no number (a lone "," or "-" being typed) makes that handler fail, but the load writes the
    // new quantity over it: the pupil is told nothing, and the load goes on exactly as from a number.
    try {
        BarEvolution->setPosition(0);
    } catch (const model::ConversionError&) {
    }

    for (SpeciesColumn& species : columns_) {
        setMarkup(species.zoomMarkup, QString());
    }
    const std::array<QString, 2> quantities{quantity1, quantity2};
    for (int slot = 1; slot <= 2; ++slot) {
        writeSpecies(slot, equation.slots[std::size_t(slot - 1)]);
        const QString& quantity = quantities[std::size_t(slot - 1)];
        showQuantity(slot, quantity);
        slotColumn(slot).initialField->setText(quantity);
    }
    setMarkup(Reactifs, toQ(equation.reactantsSide));

    writeSpecies(3, equation.slots[2]);
    showQuantity(3, QStringLiteral("0"));
    const bool fourthSpecies = equation.slot4Present();
    if (fourthSpecies) {
        writeSpecies(4, equation.slots[3]);
        showQuantity(4, QStringLiteral("0"));
    } else {
        // An absent fourth species keeps its column head's hint: it is never shown.
        ST4->setCaption(QString());
        setMarkup(ST44, QString());
        keepHeadInCell(4);
        MaskEdit4->setText(QString());
        showQuantity(4, QString());
    }
    setMarkup(Produits, toQ(equation.productsSide));
    placeEquationSides();

    showValue(MaskEditX, QStringLiteral("0"));
    setMarkup(STX, QString());
    Initial4->setVisible(fourthSpecies);

    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (equation.slots[i].present()) {
            columns_[i].zoomMarkup->HTMLText().add(toQ(equation.slots[i].zoomMarkup));
        }
    }

    for (int slot = 1; slot <= 3; ++slot) {
        slotColumn(slot).line->setTitle(equation.slots[std::size_t(slot - 1)].formula);
    }
    if (fourthSpecies) {
        Series5->setTitle(equation.slots[3].formula);
    }
    Series5->setShowInLegend(fourthSpecies);

    describeLoadedEquation();
    initialise_graphe();
    TableauCreate();
    // xmax and the axes follow the equation just loaded, not the coefficients the nested change handlers
    // saw half-way through the load.
    reactiflimitant();
    // So does the final row, at X = 0: it never keeps the values of the equation it replaced.
    const double n1 = MaskEdit11i->value();
    const double n2 = MaskEdit22i->value();
    showFinalRow(0, model::quantitiesAt(n1, n2, coefficients(), 0), StateWriter::Slider);
    stateTable_->changed();
}

// A species' formula, its column head with the species name as its hint, and its coefficient.
void TFiche_molvanex::writeSpecies(int slot, const model::SpeciesSlot& species) {
    SpeciesColumn& column = slotColumn(slot);
    column.formula->setCaption(toQ(species.formula));
    setMarkup(column.head, toQ(species.markup));
    keepHeadInCell(slot);
    column.head->setHint(toQ(species.name));
    setCoefficientText(slot, toQ(species.coefficient));
}

void TFiche_molvanex::initialise_graphe() {
    const double n1 = MaskEdit11i->value();
    const double n2 = MaskEdit22i->value();
    showQuantity(1, framework::textF3(n1));
    showQuantity(2, framework::textF3(n2));
    fillBars({n1, n2, 0, 0});
}

void TFiche_molvanex::TableauCreate() {
    const auto reactant = [&](int slot) {
        return toQ(model::reactantExpression(fromQ(initialQuantityText(slot)), fromQ(coefficientText(slot))));
    };
    const auto product = [&](int slot) {
        return toQ(model::productExpression(fromQ(coefficientText(slot))));
    };
    STEquation1->setCaption(reactant(1));
    STEquation2->setCaption(reactant(2));
    STEquation3->setCaption(product(3));
    if (slot4Present()) {
        STEquation4->setCaption(product(4));
        STEquation4->show();
    } else {
        STEquation4->hide();
    }
    // An expression is centred where it was designed: its font shrinks to keep it inside the cell.
    for (int slot = 1; slot <= 4; ++slot) {
        framework::TStaticText* expression = slotColumn(slot).expression;
        const int centre = expression->geometry().center().x();
        const int halfRoom = std::min(centre - layout::slotCellLeft.at(std::size_t(slot - 1)),
                                      layout::slotCellRight.at(std::size_t(slot - 1)) - centre) -
                             cellPadding;
        const QFont font = fittedFont(layout::valueFont, expression->caption(), 2 * halfRoom);
        if (expression->font() != font) {
            expression->setFont(font);
        }
    }
}

void TFiche_molvanex::showQuantity(int slot, const QString& text) {
    framework::TEdit* quantity = slotColumn(slot).quantity;
    showValue(quantity, text);
    fitInCell(quantity, text, layout::valueFont, layout::quantityWidth, slot);
}

void TFiche_molvanex::MaskEdit11iChange() {
    maskFinalStateAgain();
    reactiflimitant();
    initialise_graphe();
    TableauCreate();
    BarEvolution->setPosition(0);
    stateTable_->changed();
}

void TFiche_molvanex::BtnInitialisationClick() {
    // Both texts are converted before the bars are touched, so that a field that is no number leaves
    // the chart as it was.
    const double n1 = framework::strictReal(MaskEdit11i->text());
    const double n2 = framework::strictReal(MaskEdit22i->text());
    fillBars({n1, n2, 0, 0});
    BarEvolution->setPosition(0);
    clearLines();
    for (int slot = 1; slot <= 4; ++slot) {
        slotColumn(slot).line->setTitle(fromQ(plainFormula(slot)));
    }
    Series5->setShowInLegend(slot4Present());
}

// The row "Etat final" shows only when X has reached xmax and the final state is not masked for the
// class, and its fourth value only when the equation has a fourth species: the value another equation
// left there is never seen.
void TFiche_molvanex::showFinalRow(double x, const model::Quantities& q, StateWriter writer) {
    if (finalStateHidden() || !model::isFinalState(x, xmax_)) {
        hideFinalRow();
        return;
    }
    const bool fourthSpecies = slot4Present();
    setMarkup(STX, QString());
    STX->show();
    setMarkup(STX, QStringLiteral("Xmax"));
    for (int slot = 1; slot <= 3; ++slot) {
        slotColumn(slot).final->show();
    }
    STFinal4->setVisible(fourthSpecies);
    const std::array<double, 4> values = q.bySlot();
    for (int slot = 1; slot <= 3; ++slot) {
        slotColumn(slot).final->setCaption(framework::textF3(values[std::size_t(slot - 1)]));
    }
    if (fourthSpecies) {
        STFinal4->setCaption(writer == StateWriter::Simulation ? framework::textG15(q.q4)
                                                               : framework::textF3(q.q4));
    }
    for (int slot = 1; slot <= 4; ++slot) {
        framework::TStaticText* final = slotColumn(slot).final;
        fitInCell(final, final->caption(), layout::boldValueFont, 0, slot);
    }
}

void TFiche_molvanex::hideFinalRow() {
    STX->hide();
    for (SpeciesColumn& species : columns_) {
        species.final->hide();
    }
    setMarkup(STX, QString());
}

// A long formula ("CH3COOH(aq)") would run over its cell's right border from the designed position:
// it is moved left just enough to stay inside. A formula wider than the cell goes on two lines, and
// shrinks if it must.
void TFiche_molvanex::keepHeadInCell(int slot) {
    controls::TMarkupLabel* head = slotColumn(slot).head;
    const int right = layout::slotCellRight.at(std::size_t(slot - 1));
    const int room = right - layout::slotCellLeft.at(std::size_t(slot - 1)) - 2 * cellPadding;
    head->setSurfaceFont(surfaceFontOf(layout::valueFont, layout::tableTextColor));
    if (head->width() > room && head->htmlLines().size() == 1) {
        setMarkup(head, framework::brokenFormula(head->htmlLines().constFirst()));
    }
    fitMarkupLabel(head, layout::valueFont, layout::tableTextColor, room);
    const layout::Place designed = layout::slotColumns.at(std::size_t(slot - 1)).head;
    // Two lines start higher, to stay clear of the initial quantity below.
    const bool broken = head->htmlLines().join(QString()).contains(QLatin1String("<BR>"));
    head->move(std::min(designed.left, right - head->width()),
               broken ? layout::tableBackground.top + cellPadding : designed.top);
}

// The seven equations' sides are spaced out to sit in the band as drawn. A teacher's equation, whose
// sides are not, is centred on each side of the arrow, and shrinks when it would reach the arrow or the
// band's end.
void TFiche_molvanex::placeEquationSides() {
    const int reactantsRoom = layout::equationArrow.left - layout::reactantsSide.left;
    const int productsRoom =
        layout::equationBand.left + layout::equationBand.width - cellPadding - layout::productsSide.left;
    const auto place = [this](controls::TMarkupLabel* side, const layout::Place& designed, int room) {
        if (!teachersEquation_) {
            side->setSurfaceFont(surfaceFontOf(layout::equationFont, layout::tableTextColor));
            side->move(designed.left, designed.top);
            return;
        }
        fitMarkupLabel(side, layout::equationFont, layout::tableTextColor, room);
        side->move(designed.left + std::max(0, room - side->width()) / 2, designed.top);
    };
    place(Reactifs, layout::reactantsSide, reactantsRoom);
    place(Produits, layout::productsSide, productsRoom);
}

bool TFiche_molvanex::slot4Present() const {
    return !ST4->caption().isEmpty();
}

// ---------------------------------------------------------------------------------------------------
// What the secondary windows read

QString TFiche_molvanex::plainFormula(int slot) const {
    return slotColumn(slot).formula->caption();
}

QString TFiche_molvanex::coefficientText(int slot) const {
    const SpeciesColumn& species = slotColumn(slot);
    return species.coefficientCaption ? species.coefficientCaption->caption()
                                      : species.coefficientEdit->text();
}

void TFiche_molvanex::setCoefficientText(int slot, const QString& text) {
    const SpeciesColumn& species = slotColumn(slot);
    if (species.coefficientCaption) {
        species.coefficientCaption->setCaption(text);
    } else {
        species.coefficientEdit->setText(text);
    }
}

QString TFiche_molvanex::zoomMarkupFirstLine(int slot) const {
    return firstMarkupLine(slotColumn(slot).zoomMarkup);
}

QString TFiche_molvanex::formulaMarkup(int slot) const {
    return firstMarkupLine(slotColumn(slot).head);
}

QString TFiche_molvanex::reactantsSide() const {
    return firstMarkupLine(Reactifs);
}

QString TFiche_molvanex::productsSide() const {
    return firstMarkupLine(Produits);
}

QString TFiche_molvanex::initialQuantityText(int reactant) const {
    return slotColumn(reactant).initialField->text();
}

double TFiche_molvanex::initialQuantityValue(int reactant) const {
    return slotColumn(reactant).initialField->value();
}

bool TFiche_molvanex::seventhEquationChecked() const {
    return BevelCheck7->isChecked();
}

} // namespace app
