#pragma once
// The main window's page "Mes équations": the teacher's own equations, to choose, rename, delete, share
// with colleagues and pupils (export, import), the editor that makes new ones, and the situations that
// prepare a lesson or homework.

#include <QWidget>

#include <functional>
#include <vector>

class QListWidget;

namespace controls {
class TGlyphButton;
}
namespace windows {
class EquationList;
struct KeptEquation;
} // namespace windows

namespace app {

class TeacherPage : public QWidget {
    Q_OBJECT
public:
    TeacherPage(windows::EquationList& list, QWidget* parent);

    // Shows the list as it is kept, the current choice staying chosen.
    void refresh();
    // The page's controls in the order Tab reaches them.
    std::vector<QWidget*> tabOrder() const;

    std::function<void(const windows::KeptEquation&)> OnUse;
    std::function<void()> OnNewEquation;
    std::function<void()> OnOpenSituation;
    std::function<void()> OnSaveSituation;

    QListWidget* ListeEquations = nullptr;
    controls::TGlyphButton* BtnUtiliser = nullptr;
    controls::TGlyphButton* BtnRenommer = nullptr;
    controls::TGlyphButton* BtnSupprimer = nullptr;
    controls::TGlyphButton* BtnNouvelleEquation = nullptr;
    controls::TGlyphButton* BtnImporter = nullptr;
    controls::TGlyphButton* BtnExporter = nullptr;
    controls::TGlyphButton* BtnOuvrirSituation = nullptr;
    controls::TGlyphButton* BtnEnregistrerSituation = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int chosen() const; // -1 when none
    void useChosen();
    void renameChosen();
    void removeChosen();
    void importList();
    void exportList();
    void updateCommands();

    windows::EquationList& list_;
};

} // namespace app
