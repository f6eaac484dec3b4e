#include "app/UnitMolvanex.h"

#include "app/ExercisePage.h"
#include "app/MainLayout.h"
#include "app/TeacherPage.h"

#include "chart/ChartView.h"
#include "controls/BevelCheck.h"
#include "controls/CheckRow.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "controls/MarkupImageList.h" // complete before the label header, whose QPointer needs it
#include "controls/markuplabel.h"
#include "framework/AccessibleTable.h"
#include "framework/Announcement.h"
#include "framework/Edit.h"
#include "framework/FocusMark.h"
#include "framework/LocaleText.h"
#include "framework/Shape.h"
#include "framework/StaticText.h"
#include "framework/TrackBar.h"
#include "windows/StateTable.h"

#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <vector>

namespace app {

// Everything the mouse does, the keyboard does too, in the order the window reads: the row of
// equations, the two initial quantities, the state table, the button column with the slider, then the
// two charts.
void TFiche_molvanex::buildKeyboardAccess() {
    // The page tabs are reached after the page's controls; the arrows, Ctrl+Tab and Ctrl+Page Down change
    // the page.
    // The page control itself is no stop: without it as their proxy, the tabs alone say they have the focus.
    PageControl1->setFocusPolicy(Qt::NoFocus);
    PageControl1->setFocusProxy(nullptr);
    PageControl1->tabBar()->setFocusPolicy(Qt::TabFocus);
    presetRow_ = new controls::CheckRow({presetBoxes_.begin(), presetBoxes_.end()}, this);

    focusMark_ = new framework::FocusMark(TabSheet1);
    for (std::size_t i = 0; i < presetBoxes_.size(); ++i) {
        focusMark_->watch(presetBoxes_[i], presetTitles_[i]);
    }
    for (controls::TFlatButton* button : {FlatButton3, btnpropos, FlatButton2, FlatButton1}) {
        button->setTabStop(true);
        focusMark_->watch(button);
    }
    // On the state table the mark frames the current cell.
    focusMark_->watch(Shape1, nullptr, [this] { return stateTable_->currentCellBounds(); });
    for (chart::TChartView* view : {Chart1, Chart2}) {
        focusMark_->watch(view);
    }

    std::vector<QWidget*> order{BevelCheck1,
                                BevelCheck2,
                                BevelCheck3,
                                BevelCheck4,
                                BevelCheck5,
                                BevelCheck6,
                                BevelCheck7,
                                MaskEdit11i,
                                MaskEdit22i,
                                Shape1,
                                BtnReveler,
                                BtnInitialisation,
                                GlyphButton1,
                                GlyphButton4,
                                GlyphButton2,
                                BarEvolution,
                                FlatButton3,
                                btnpropos,
                                FlatButton2,
                                FlatButton1,
                                Chart1,
                                Chart2,
                                PageControl1->tabBar()};
    // The pages after the first, in their order.
    for (const std::vector<QWidget*>& page :
         std::initializer_list<std::vector<QWidget*>>{TabExercices->tabOrder(), TabEquations->tabOrder()}) {
        order.insert(order.end(), page.begin(), page.end());
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    // The lesson starts on the row of equations, not on the page tabs above it.
    presetRow_->tabStop()->setFocus(Qt::OtherFocusReason);
}

// What the eye takes in at a glance, told to a screen reader: the state table as a table reached by
// Tab, read cell by cell with its row and column, the controls drawn under it left out; the loaded
// equation on every box of the row; the window's announcements.
void TFiche_molvanex::buildScreenReaderAccess() {
    framework::TableReading reading;
    reading.rowCount = 3;
    reading.columnCount = [this] { return slot4Present() ? 5 : 4; };
    reading.rowName = [](int row) {
        const std::array<QString, 3> names{QStringLiteral("Etat initial"),
                                           QStringLiteral("Etat au cours de la transformation"),
                                           QStringLiteral("Etat final")};
        return names.at(std::size_t(row));
    };
    reading.columnName = [this](int column) {
        return column == 0 ? QStringLiteral("X") : plainFormula(column);
    };
    reading.columnDescription = [this](int column) {
        return column == 0 ? QStringLiteral("X")
                           : plainFormula(column) + QStringLiteral(", ") + slotColumn(column).head->hint();
    };
    reading.cell = [this](int row, int column) {
        // The class is asked to predict the final state: a screen reader hears no more than the screen shows.
        if (row == windows::StateTable::rowCount - 1 && finalStateHidden()) {
            return QStringLiteral("masqué");
        }
        return windows::heardCell(row, !STX->isHidden(), stateTableCell(row, column));
    };
    reading.cellBounds = [](int row, int column) {
        const layout::Span across = layout::stateColumns.at(std::size_t(column));
        const layout::Span down = layout::stateRows.at(std::size_t(row));
        return QRect(across.start - layout::tableBackground.left, down.start - layout::tableBackground.top,
                     across.length, down.length);
    };
    // Everything drawn on the table but the two fields the pupil types into.
    std::vector<QWidget*> covered{Shape2,       Shape5,      Shape6,      Shape7,    Shape8,      Shape9,
                                  Shape10,      Shape11,     Shape12,     Shape13,   Shape14,     Shape15,
                                  Shape16,      Shape17,     Shape18,     Shape19,   StaticText4, StaticText1,
                                  StaticText15, StaticText2, StaticText6, MaskEditX, STX};
    for (const SpeciesColumn& species : columns_) {
        for (QWidget* control : std::initializer_list<QWidget*>{
                 species.head, species.initialText, species.expression, species.quantity, species.final}) {
            if (control) {
                covered.push_back(control);
            }
        }
    }
    stateTable_ =
        framework::readAsTable(Shape1, QStringLiteral("Tableau d'avancement"), std::move(reading), covered);
    announcement_ = framework::TAnnouncement::of(this);
}

// A cell shows the initial quantities, the expression and its value during the transformation, and in
// the final row the values once X has reached xmax, X itself as Xmax.
QString TFiche_molvanex::stateTableCell(int row, int column) const {
    if (column == 0) {
        switch (row) {
        case 0:
            return StaticText6->caption();
        case 1:
            return MaskEditX->text();
        default:
            return STX->isHidden() ? QString() : QStringLiteral("Xmax = %1").arg(framework::textG15(xmax_));
        }
    }
    const SpeciesColumn& species = slotColumn(column);
    switch (row) {
    case 0:
        return species.initialField ? species.initialField->text() : species.initialText->caption();
    case 1:
        return species.expression->caption() + QStringLiteral(" = ") + species.quantity->text();
    default:
        return STX->isHidden() ? QString() : species.final->caption();
    }
}

QString TFiche_molvanex::loadedEquation() const {
    return QStringLiteral("Équation chargée : %1 donnent %2")
        .arg(Reactifs->accessibleName(), Produits->accessibleName());
}

// Every box of the row tells which equation is loaded, and the fields are named after their species.
void TFiche_molvanex::describeLoadedEquation() {
    const QString equation = loadedEquation();
    for (controls::TBevelCheck* box : presetBoxes_) {
        box->setAccessibleDescription(equation);
    }
    for (int slot = 1; slot <= 4; ++slot) {
        const QString formula = plainFormula(slot);
        SpeciesColumn& species = slotColumn(slot);
        if (species.initialField) {
            species.initialField->setAccessibleName(
                QStringLiteral("Quantité initiale de %1 (mol)").arg(formula));
        }
        species.quantity->setAccessibleName(
            formula.isEmpty()
                ? QStringLiteral("Pas de quatrième espèce")
                : QStringLiteral("Quantité de %1 au cours de la transformation (mol)").arg(formula));
    }
}

void TFiche_molvanex::announce(const QString& text) {
    announcement_->announce(text);
}

} // namespace app
