#include "app/UnitMolvanex.h"

#include "app/MainWindowSupport.h"
#include "chart/ChartView.h"
#include "controls/BevelCheck.h"
#include "controls/FloatSpinEdit.h"
#include "framework/AccessibleTable.h"
#include "framework/Edit.h"
#include "framework/LocaleText.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"
#include "model/Advancement.h"
#include "windows/SimulationMessages.h"

#include <QAction>

// X from the slider and the simulation: the state table's row during the transformation, the bar chart,
// the line chart, and the charts' menus.

namespace app {

using namespace support;

namespace {

using framework::fromQ;

// Two lines that would lie on top of each other are drawn this far apart (mol).
constexpr double lineSeparation = 0.01;
constexpr int normalMarksPoints = 11;
constexpr int smallMarksPoints = 10; // the long formulas of the seventh equation
constexpr std::array<double, 6> graduations{0.1, 0.2, 0.3, 0.4, 0.5, 1.0};

} // namespace

void TFiche_molvanex::reactiflimitant() {
    for (controls::TFloatSpinEdit* field : {MaskEdit11i, MaskEdit22i}) {
        if (field->text().isEmpty()) {
            field->setValue(0);
        }
    }
    const double n1 = MaskEdit11i->value();
    const int a1 = framework::strictInteger(coefficientText(1));
    const double n2 = MaskEdit22i->value();
    const int a2 = framework::strictInteger(coefficientText(2));
    const int a3 = framework::strictInteger(coefficientText(3));
    const model::Extent extent = model::extentOf(n1, a1, n2, a2, a3);
    xmax_ = extent.xmax;
    Chart2->bottomAxis().setMaximum(extent.axes.bottomMaximum);
    Chart2->bottomAxis().setIncrement(extent.axes.bottomIncrement);
    Chart1->leftAxis().setMaximum(extent.axes.leftMaximum);
    Chart2->leftAxis().setMaximum(extent.axes.leftMaximum);
}

void TFiche_molvanex::BarEvolutionChange() {
    reactiflimitant();
    showStateAtSlider(StateWriter::Slider);
}

void TFiche_molvanex::showStateAtSlider(StateWriter writer) {
    const int p = BarEvolution->position();
    const double x = model::advancementAt(p, xmax_);
    const double n1 = framework::strictReal(MaskEdit11i->text());
    const double n2 = framework::strictReal(MaskEdit22i->text());
    const model::Coefficients a = coefficients();
    const model::Quantities q = model::quantitiesAt(n1, n2, a, x);
    const bool simulation = writer == StateWriter::Simulation;
    const QString fourthQuantity = coefficientText(4).isEmpty() ? QString() : framework::textF3(q.q4);

    showQuantity(1, framework::textF3(q.q1));
    showQuantity(2, framework::textF3(q.q2));
    showQuantity(3, framework::textF3(q.q3));
    if (!simulation) {
        showQuantity(4, fourthQuantity);
    }
    showValue(MaskEditX, simulation ? framework::textF3(x) : framework::textG15(x));

    showFinalRow(x, q, writer);
    if (simulation) {
        showQuantity(4, fourthQuantity);
    }

    fillBars(q);

    // Two reactant lines with the same expression, and the two product lines of the seventh equation,
    // would lie on top of each other: the first of each pair is raised a little.
    const std::array<double, 4> offsets{STEquation1->caption() == STEquation2->caption() ? lineSeparation
                                                                                         : 0.0,
                                        0.0, 0.0, BevelCheck7->isChecked() ? lineSeparation : 0.0};
    clearLines();
    for (const model::Sample& sample : model::curveSamples(p, xmax_, n1, n2, a)) {
        const std::array<double, 4> at = sample.quantities.bySlot();
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            columns_[i].line->addXY(sample.x, at[i] + offsets[i], {}, columns_[i].color);
        }
    }
    stateTable_->changed();
}

// One bar per species, the fourth only when the equation has a fourth species.
void TFiche_molvanex::fillBars(const model::Quantities& q) {
    Series1->clear();
    const std::array<double, 4> values = q.bySlot();
    const int count = slot4Present() ? 4 : 3;
    for (int slot = 1; slot <= count; ++slot) {
        Series1->addBar(values[std::size_t(slot - 1)], fromQ(plainFormula(slot)), slotColumn(slot).color);
    }
}

void TFiche_molvanex::clearLines() {
    for (SpeciesColumn& species : columns_) {
        species.line->clear();
    }
}

void TFiche_molvanex::Series1GetMarkText(int valueIndex, std::string& markText) {
    Series1->marks().setFontSize(BevelCheck7->isChecked() ? smallMarksPoints : normalMarksPoints);
    markText =
        Series1->pointLabel(valueIndex) + '\r' + Series1->formatValue(Series1->point(valueIndex).y) + " mol";
}

void TFiche_molvanex::N1Click() {
    setLineWidth(1);
}
void TFiche_molvanex::N2Click() {
    setLineWidth(2);
}
void TFiche_molvanex::N3Click() {
    setLineWidth(3);
}
void TFiche_molvanex::N4Click() {
    setLineWidth(4);
}
void TFiche_molvanex::N5Click() {
    setLineWidth(5);
}

void TFiche_molvanex::setLineWidth(int pixels) {
    for (SpeciesColumn& species : columns_) {
        species.line->setLineWidth(pixels);
    }
    for (std::size_t i = 0; i < lineWidthItems_.size(); ++i) {
        lineWidthItems_[i]->setChecked(int(i) + 1 == pixels);
    }
}

void TFiche_molvanex::N01Click() {
    setGraduation(0);
}
void TFiche_molvanex::N02Click() {
    setGraduation(1);
}
void TFiche_molvanex::N03Click() {
    setGraduation(2);
}
void TFiche_molvanex::N04Click() {
    setGraduation(3);
}
void TFiche_molvanex::N05Click() {
    setGraduation(4);
}
void TFiche_molvanex::N1gClick() {
    setGraduation(5);
}

// Both charts share the left-axis graduation, and both menus show the one in force.
void TFiche_molvanex::setGraduation(int index) {
    const double step = graduations.at(std::size_t(index));
    Chart1->leftAxis().setIncrement(step);
    Chart2->leftAxis().setIncrement(step);
    for (std::size_t i = 0; i < graduations.size(); ++i) {
        graduationItems_[i]->setChecked(int(i) == index);
        graduationItems2_[i]->setChecked(int(i) == index);
    }
}

// ---------------------------------------------------------------------------------------------------
// Simulation

void TFiche_molvanex::Timer1Timer() {
    GlyphButton1Click();
}

void TFiche_molvanex::GlyphButton1Click() {
    const framework::StopTimerOnFailure stopOnFailure(*Timer1);
    const bool wasRunning = Timer1->enabled();
    reactiflimitant();
    Timer1->setEnabled(true);
    // The slider's far end is xmax, or the last position before it while the final state is masked.
    if (BarEvolution->position() == BarEvolution->maximum()) {
        Timer1->setEnabled(false);
        announce(finalStateHidden()
                     ? QStringLiteral("Simulation arrêtée avant l'état final, qui reste masqué")
                     : windows::simulationFinished(framework::textG15(xmax_)));
        return;
    }
    BarEvolution->setPosition(BarEvolution->position() + 1);
    showStateAtSlider(StateWriter::Simulation);
    // The hundred steps are not each announced: only the start.
    if (!wasRunning) {
        announce(windows::simulationStarted(MaskEditX->text()));
    }
}

void TFiche_molvanex::GlyphButton4Click() {
    const bool wasRunning = Timer1->enabled();
    Timer1->setEnabled(false);
    if (wasRunning) {
        announce(windows::simulationStopped(MaskEditX->text()));
    }
}

} // namespace app
