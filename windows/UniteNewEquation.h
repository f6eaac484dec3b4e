#pragma once
// The new-equation editor, FicheNouvelleEquation: for each of the four species a name, a plain written
// form, a written form in markup with its live preview, and a coefficient; and below them the whole
// equation on one line ("2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)"), which fills those fields, is checked
// ("Vérifier"), loaded into the main window ("Utiliser") or kept in the teacher's list ("Enregistrer").
// The line is the source of the formulas and the coefficients; the names, and markups edited by hand, are
// the teacher's.

#include "windows/TeacherFiles.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

namespace controls {
class TGlyphButton;
class TMarkupLabel;
} // namespace controls
namespace framework {
class TEdit;
class TStaticText;
} // namespace framework

namespace windows {

class EquationList;

// What the editor's line can reach beyond the window; a window opened without them only checks.
struct EquationEditorLinks {
    EquationList* list = nullptr;                   // "Enregistrer" keeps the equation there
    std::function<void(const EquationChoice&)> use; // "Utiliser" loads it into the main window
};

class TFicheNouvelleEquation : public QDialog {
    Q_OBJECT
public:
    explicit TFicheNouvelleEquation(QWidget* owner, EquationEditorLinks links = {});
    ~TFicheNouvelleEquation() override;

private:
    struct SpeciesGroup;
    // The fields of one species, as the line fills them.
    struct GroupFields {
        framework::TEdit* name = nullptr;
        framework::TEdit* plain = nullptr;
        framework::TEdit* markup = nullptr;
        framework::TEdit* coefficient = nullptr;
        controls::TMarkupLabel* preview = nullptr;
        // The markup the line wrote last, to tell the teacher's own from it.
        QString writtenMarkup;
    };

    void buildGroup(QWidget* panel, const SpeciesGroup& group, std::size_t index);
    void buildEquationLine(QWidget* panel);
    // EditHTML1Change .. EditHTML4Change: the preview draws the field's whole text as markup.
    void EditHTMLChange(std::size_t index);

    void VerifierClick();
    void UtiliserClick();
    void EnregistrerClick();
    // Reads the line, fills the four groups from it and tells the verdict. Nothing when the line is no
    // equation (the faulty characters are then marked) or when the teacher keeps edits it would replace.
    std::optional<EquationChoice> readLine();
    bool fillGroups(const model::Equation& record);
    void tell(const QString& verdict, bool good);
    EquationChoice withTeachersEdits(EquationChoice choice) const;

    EquationEditorLinks links_;
    std::array<GroupFields, 4> groups_{};
    framework::TEdit* EditEquation = nullptr;
    framework::TStaticText* Verdict = nullptr;
    controls::TGlyphButton* Verifier = nullptr;
    controls::TGlyphButton* Utiliser = nullptr;
    controls::TGlyphButton* Enregistrer = nullptr;
};

// The window while it is shown, as the program's units name it; null otherwise.
extern TFicheNouvelleEquation* FicheNouvelleEquation;

} // namespace windows
