// A teacher's own equations: the editor checking a balanced and an unbalanced line, the page of kept
// equations, the main window with a teacher's equation of ions, and formulas too long for one line in
// the main and zoom windows.
#include "ScreenshotRegistry.h"

#include "app/TeacherPage.h"
#include "app/UnitMolvanex.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "framework/Edit.h"
#include "framework/TrackBar.h"
#include "windows/EquationList.h"
#include "windows/TeacherFiles.h"
#include "windows/UniteNewEquation.h"
#include "windows/UniteZoom.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QRect lessonWorkArea(0, 0, 1024, 738);

// As the main window opens it: with a list to keep the equation in, and a window to use it in.
QImage editorChecking(const QString& line) {
    const QTemporaryDir data;
    windows::EquationList list(data.filePath(QStringLiteral("equations.json")));
    windows::EquationEditorLinks links;
    links.list = &list;
    links.use = [](const windows::EquationChoice&) {};
    windows::TFicheNouvelleEquation window(nullptr, std::move(links));
    window.show();
    window.findChild<framework::TEdit*>(QStringLiteral("EditEquation"))->setText(line);
    window.findChild<controls::TGlyphButton*>(QStringLiteral("Verifier"))->click();
    return shots::grabWidget(window);
}

const shots::Registrar balanced(QStringLiteral("editor-balanced"), [] {
    return editorChecking(QStringLiteral("Zn(s) + 2 H^+(aq) -> Zn^2+(aq) + H2(g)"));
});
const shots::Registrar unbalanced(QStringLiteral("editor-unbalanced"),
                                  [] { return editorChecking(QStringLiteral("Fe(s) + O2(g) -> Fe2O3(s)")); });

const shots::Registrar ions(QStringLiteral("main-window-teachers-ions"), [] {
    app::TFiche_molvanex window(nullptr, [] { return lessonWorkArea; });
    window.useTeachersEquation(
        windows::chooseEquation(QStringLiteral("Zn(s) + 2 H^+(aq) -> Zn^2+(aq) + H2(g)"),
                                {QStringLiteral("Zinc"), QStringLiteral("ion hydrogène"),
                                 QStringLiteral("ion zinc"), QStringLiteral("Dihydrogène")}));
    window.MaskEdit11i->setText(QStringLiteral("0,5"));
    window.MaskEdit22i->setText(QStringLiteral("0,8"));
    window.BarEvolution->setPosition(60);
    return shots::grabWidget(window);
});

// Formulas longer than their cells and their bars: on two lines, smaller.
void useLongFormulas(app::TFiche_molvanex& window) {
    window.useTeachersEquation(windows::chooseEquation(
        QStringLiteral("2 CH3CH2CH2CH2CH2CH2CH2CH3(l) + 25 O2(g) -> 16 CO2(g) + 18 H2O(g)")));
    window.MaskEdit11i->setText(QStringLiteral("49,95"));
    window.MaskEdit22i->setText(QStringLiteral("49,95"));
    window.BarEvolution->setPosition(100);
}

const shots::Registrar longFormulas(QStringLiteral("main-window-teachers-long"), [] {
    app::TFiche_molvanex window(nullptr, [] { return lessonWorkArea; });
    useLongFormulas(window);
    return shots::grabWidget(window);
});

// The same in the zoom window on an old school screen, its pages of charts and of the state table.
QImage zoomWithLongFormulas(int page) {
    app::TFiche_molvanex main(nullptr, [] { return lessonWorkArea; });
    useLongFormulas(main);
    windows::TFicheZoom zoom(main, nullptr);
    zoom.show();
    zoom.activateWindow();
    QApplication::processEvents(); // the activation runs the opening steps
    zoom.findChild<QTabWidget*>(QStringLiteral("PageControleZoom"))->setCurrentIndex(page);
    return shots::grabWidget(zoom);
}

const shots::Registrar zoomLongBoth(QStringLiteral("zoom-teachers-long"),
                                    [] { return zoomWithLongFormulas(2); });
const shots::Registrar zoomLongTable(QStringLiteral("zoom-table-teachers-long"),
                                     [] { return zoomWithLongFormulas(3); });

// The page of kept equations, from a list of its own rather than the user's.
const shots::Registrar page(QStringLiteral("main-window-my-equations"), [] {
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    windows::EquationList list;
    list.keep({QStringLiteral("Ag^+(aq) + Cl^-(aq) -> AgCl(s)"),
               QStringLiteral("Précipitation du chlorure d'argent"),
               {}});
    list.keep({QStringLiteral("Zn(s) + 2 H^+(aq) -> Zn^2+(aq) + H2(g)"), QString(), {}});
    list.keep({QStringLiteral("CH4(g) + 2 O2(g) -> CO2(g) + 2 H2O(g)"),
               QStringLiteral("Combustion du méthane"),
               {}});
    app::TFiche_molvanex window(nullptr, [] { return lessonWorkArea; });
    window.PageControl1->setCurrentWidget(window.TabEquations);
    QImage image = shots::grabWidget(window);
    qunsetenv("XDG_DATA_HOME");
    return image;
});

} // namespace
