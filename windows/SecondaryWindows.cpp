#include "windows/SecondaryWindows.h"

#include "windows/UniteNewEquation.h"
#include "windows/UnitePropos.h"
#include "windows/UniteTableau.h"
#include "windows/UniteZoom.h"

#include <utility>

namespace windows {

namespace {

// Creates the window, names it by its form reference while its modal loop runs, and releases it
// afterwards; the result of the loop is of no use to any opener.
template <class Form, class... Args> void showModal(Form*& reference, Args&&... args) {
    Form form(std::forward<Args>(args)...);
    struct Forget {
        Form*& reference;
        ~Forget() { reference = nullptr; }
    } forget{reference};
    reference = &form;
    form.exec();
}

} // namespace

void showZoomWindow(MainFormData& main, QWidget* owner) {
    showModal(FicheZoom, main, owner);
}

void showMeasurementTable(MainFormData& main, QWidget* owner) {
    showModal(FicheTab, main, owner);
}

void showNewEquationEditor(QWidget* owner, EquationEditorLinks links) {
    showModal(FicheNouvelleEquation, owner, std::move(links));
}

void showAboutBox(QWidget* owner) {
    showModal(AboutBox, owner);
}

} // namespace windows
