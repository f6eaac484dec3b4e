#include "app/UnitMolvanex.h"

#include "app/ExercisePage.h"
#include "app/MainLayout.h"
#include "app/MainWindowSupport.h"
#include "chart/ChartView.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "framework/TrackBar.h"
#include "model/Exercise.h"
#include "windows/TeacherFiles.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>

// The page "Exercices": its series, the solution it loads into the first page, and the final state it
// masks there for the class.

namespace app {

using namespace support;

void TFiche_molvanex::buildExercisePage() {
    TabExercices = new ExercisePage(*teachersList_, PageControl1);
    // Right after the page the program was made with.
    PageControl1->insertTab(PageControl1->indexOf(TabSheet1) + 1, TabExercices, QStringLiteral("Exercices"));
    TabExercices->OnShowSolution = [this](const model::Exercise& exercise, const QString& line) {
        showExerciseSolution(exercise, line);
    };
    TabExercices->OnMaskFinalState = [this](bool on) { setFinalStateMasked(on); };
    TabExercices->OnAnnounce = [this](const QString& text) { announce(text); };
    TabExercices->OnShowReaction = [this] { PageControl1->setCurrentWidget(TabSheet1); };
    // The teacher may have kept, renamed or deleted equations on the page "Mes équations".
    connect(PageControl1, &QTabWidget::currentChanged, this, framework::guard([this] {
                if (PageControl1->currentWidget() == TabExercices) {
                    TabExercices->refreshEquations();
                }
            }));

    BtnReveler = new controls::TGlyphButton(TabSheet1);
    BtnReveler->setObjectName(QStringLiteral("BtnReveler"));
    BtnReveler->setCaption(QStringLiteral("Révéler"));
    BtnReveler->setAccessibleName(QStringLiteral("Révéler"));
    BtnReveler->setAccessibleDescription(QStringLiteral("Montre l'état final et l'avancement maximal"));
    BtnReveler->setColor(layout::windowColor);
    place(BtnReveler, layout::revealButton);
    BtnReveler->hide();
    BtnReveler->OnClick = [this](QObject*) { BtnRevelerClick(); };
}

void TFiche_molvanex::setFinalStateMasked(bool on) {
    if (finalStateMask_.on == on) {
        return;
    }
    finalStateMask_ = {on, false};
    showFinalStateMask();
    BarEvolutionChange();
}

// What the class was asked to predict: the state at xmax.
void TFiche_molvanex::BtnRevelerClick() {
    finalStateMask_.revealed = true;
    showFinalStateMask();
    BarEvolution->setPosition(sliderMaximum);
}

// A new question for the class: what was revealed of the previous one is masked again. The caller goes
// on to show the new state.
void TFiche_molvanex::maskFinalStateAgain() {
    if (finalStateMask_.on && finalStateMask_.revealed) {
        finalStateMask_.revealed = false;
        showFinalStateMask();
    }
}

// The controls that hold back the final state by being set, rather than at each new X: the rows and
// the chart's values read finalStateHidden() whenever they are written.
void TFiche_molvanex::showFinalStateMask() {
    const bool hidden = finalStateHidden();
    if (hidden) {
        hideFinalRow();
    }
    BtnReveler->setVisible(hidden);
    GlyphButton2->setEnabled(!hidden);
    FlatButton3->setEnabled(!hidden);
    for (QMenu* menu : {PopupMenuGraduations, MenuGraphe}) {
        for (QAction* item : menu->findChildren<QAction*>(QStringLiteral("ImprimerFicheCorrigee"))) {
            item->setEnabled(!hidden);
        }
    }
    Chart2->bottomAxis().setGraduationVisible(!hidden);
    // The far end stands for xmax itself. The slider's handler runs once the caller has set everything.
    const QSignalBlocker quiet(BarEvolution);
    BarEvolution->setMaximum(hidden ? sliderMaximum - 1 : sliderMaximum);
}

void TFiche_molvanex::showExerciseSolution(const model::Exercise& exercise, const QString& equationLine) {
    if (exercise.presetNumber > 0) {
        choosePreset(exercise.presetNumber);
    } else {
        loadTeachersEquation({0, exercise.equation, equationLine});
    }
    MaskEdit11i->setText(framework::toQ(exercise.quantity1));
    MaskEdit22i->setText(framework::toQ(exercise.quantity2));
    // The solution is the final state: shown even to a class it was masked for.
    finalStateMask_.revealed = true;
    showFinalStateMask();
    BarEvolution->setPosition(sliderMaximum);
}

} // namespace app
