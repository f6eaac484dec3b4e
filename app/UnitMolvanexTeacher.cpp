#include "app/UnitMolvanex.h"

#include "app/TeacherPage.h"
#include "controls/BevelCheck.h"
#include "controls/FloatSpinEdit.h"
#include "controls/MarkupImageList.h" // complete before the label header, whose QPointer needs it
#include "controls/markuplabel.h"
#include "framework/ErrorGuard.h"
#include "framework/FileOpening.h"
#include "framework/FileSaving.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
#include "framework/StaticText.h"
#include "framework/TrackBar.h"
#include "model/Advancement.h"
#include "windows/EquationList.h"
#include "windows/TeacherFiles.h"

#include <QIODevice>
#include <QMenu>
#include <QTabWidget>

// The teacher's own equations and the situation files: the page "Mes équations", loading a teacher's
// equation, and opening and saving situations.

namespace app {

namespace {

using framework::fromQ;
using framework::toQ;

} // namespace

void TFiche_molvanex::buildTeacherPage() {
    teachersList_ = std::make_unique<windows::EquationList>();
    TabEquations = new TeacherPage(*teachersList_, PageControl1);
    PageControl1->addTab(TabEquations, QStringLiteral("Mes équations"));
    TabEquations->OnUse = [this](const windows::KeptEquation& kept) {
        useTeachersEquation(windows::chooseEquation(kept.text, kept.names));
    };
    TabEquations->OnNewEquation = [this] { GlyphButton3Click(); };
    TabEquations->OnOpenSituation = [this] { OuvrirSituationClick(); };
    TabEquations->OnSaveSituation = [this] { EnregistrerSituationClick(); };
    // "Etat initial (mol)" belongs to the window and is drawn over the first page: it goes with it.
    connect(PageControl1, &QTabWidget::currentChanged, this, framework::guard([this] {
                StaticText4->setVisible(PageControl1->currentWidget() == TabSheet1);
            }));
}

// After the items every chart menu ends with.
void TFiche_molvanex::addSituationItems(QMenu* menu) {
    windows::addSituationItems(
        *menu, [this] { OuvrirSituationClick(); }, [this] { EnregistrerSituationClick(); });
}

void TFiche_molvanex::useTeachersEquation(const windows::EquationChoice& choice) {
    loadTeachersEquation(choice);
    PageControl1->setCurrentWidget(TabSheet1);
}

void TFiche_molvanex::loadTeachersEquation(const windows::EquationChoice& choice) {
    for (controls::TBevelCheck* box : presetBoxes_) {
        box->setChecked(false);
    }
    equationLine_ = choice.text;
    teachersEquation_ = true;
    loadEquation(choice.record, MaskEdit11i->text(), MaskEdit22i->text());
}

double TFiche_molvanex::openSituation(const QString& path) {
    const windows::Situation situation = windows::readSituation(windows::readWholeFile(path), path);
    const windows::EquationChoice choice = windows::chooseEquation(situation.equation, situation.names);
    const QString quantity1 = framework::textG15(situation.quantities[0]);
    const QString quantity2 = framework::textG15(situation.quantities[1]);
    if (choice.preset == 0) {
        useTeachersEquation(choice);
    } else {
        choosePreset(choice.preset);
    }
    MaskEdit11i->setText(quantity1);
    MaskEdit22i->setText(quantity2);
    PageControl1->setCurrentWidget(TabSheet1);
    reactiflimitant();
    // X goes to the nearest position the slider can take.
    BarEvolution->setPosition(model::positionNearest(situation.advancement, xmax_));
    return situation.advancement;
}

std::optional<double> TFiche_molvanex::chooseAndOpenSituation(QWidget* parent) {
    const QString path =
        framework::openFileName(parent, QStringLiteral("Ouvrir une situation"), {windows::situationFilter()});
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return openSituation(path);
}

void TFiche_molvanex::OuvrirSituationClick() {
    chooseAndOpenSituation(this);
}

void TFiche_molvanex::EnregistrerSituationClick() {
    saveSituation(this, MaskEdit11i->text(), MaskEdit22i->text(),
                  model::advancementAt(BarEvolution->position(), xmax_));
}

void TFiche_molvanex::saveSituation(QWidget* parent, const QString& quantity1, const QString& quantity2,
                                    double advancement) {
    windows::Situation situation;
    situation.equation = equationLine_;
    situation.quantities = {framework::strictReal(quantity1), framework::strictReal(quantity2)};
    situation.advancement = advancement;
    if (teachersEquation_) {
        for (int slot = 1; slot <= 4; ++slot) {
            if (!plainFormula(slot).isEmpty()) {
                situation.names[std::size_t(slot - 1)] = slotColumn(slot).head->hint();
            }
        }
    }
    const QByteArray json = windows::situationJson(situation);
    framework::saveFileAs(
        parent, QStringLiteral("Enregistrer la situation"),
        QStringLiteral("situation-%1.%2").arg(fileStem(), QString::fromLatin1(windows::situationSuffix)),
        {windows::situationFilter()}, [&](QIODevice& file, const QString&) { file.write(json); });
}

// The seventh equation's fourth curve would cover its third; so would that of a teacher's equation whose
// two products have equal coefficients.
bool TFiche_molvanex::fourthCurveLifted() const {
    if (BevelCheck7->isChecked()) {
        return true;
    }
    return teachersEquation_ && slot4Present() && coefficientText(3) == coefficientText(4);
}

} // namespace app
