#pragma once
// The new-equation editor, FicheNouvelleEquation: a scratch pad in which a pupil writes down an equation
// of two reactants and two products (for each a name, a plain written form, a written form in markup
// with its live preview, and a coefficient). It stores nothing and passes nothing on; the main window's
// button that opens it stays hidden.

#include <QDialog>

#include <array>

namespace controls {
class TMarkupLabel;
}
namespace framework {
class TEdit;
}

namespace windows {

class TFicheNouvelleEquation : public QDialog {
    Q_OBJECT
public:
    explicit TFicheNouvelleEquation(QWidget* owner);
    ~TFicheNouvelleEquation() override;

private:
    struct SpeciesGroup;
    void buildGroup(QWidget* panel, const SpeciesGroup& group, std::size_t index);
    // EditHTML1Change .. EditHTML4Change: the preview draws the field's whole text as markup.
    void EditHTMLChange(std::size_t index);

    std::array<framework::TEdit*, 4> editHTML{};       // EditHTML1 .. EditHTML4
    std::array<controls::TMarkupLabel*, 4> previews{}; // HTML1 .. HTML4
};

// The window while it is shown, as the program's units name it; null otherwise.
extern TFicheNouvelleEquation* FicheNouvelleEquation;

} // namespace windows
