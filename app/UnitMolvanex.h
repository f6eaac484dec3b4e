#pragma once
// The main window, Fiche_molvanex: the preset selector, the equation line, the state table, the two
// charts, the evolution slider and the button column. The current equation lives in the texts of its
// controls (the hidden ST1..ST4, MaskEdit1..MaskEdit4 and T1..T4 are pure storage), and xmax in the
// window; the secondary windows read both through MainFormData.
//
// The window's code is split by job: UnitMolvanex.cpp creates, activates and sizes it and opens the other
// windows; UnitMolvanexBuild.cpp builds its controls; UnitMolvanexAccess.cpp gives them to the keyboard
// and to screen readers; UnitMolvanexEquation.cpp loads equations and fills the state table;
// UnitMolvanexSimulation.cpp moves X with the slider and the simulation and fills the charts;
// UnitMolvanexTeacher.cpp and UnitMolvanexExercises.cpp join the pages "Mes équations" and "Exercices".

#include "framework/Color.h"
#include "windows/MainFormData.h"

#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QMenu;
class QTabWidget;

namespace chart {
class TChartView;
class BarSeries;
class LineSeries;
} // namespace chart

namespace controls {
class CheckRow;
class TBevelCheck;
class TFlatButton;
class TFloatSpinEdit;
class TGlyphButton;
class TMarkupLabel;
} // namespace controls

namespace model {
struct Equation;
struct Exercise;
struct Quantities;
struct SpeciesSlot;
} // namespace model

namespace windows {
class EquationList;
struct EquationChoice;
} // namespace windows

namespace framework {
class FocusMark;
class ReadableTable;
class TAnnouncement;
class TEdit;
class TShape;
class TStaticText;
class TTimer;
class TTrackBar;
} // namespace framework

namespace app {

class ExercisePage;
class TeacherPage;

class TFiche_molvanex : public QWidget, public windows::MainFormData {
    Q_OBJECT
public:
    // The desktop's work area, which the window fills; by default that of the screen it is shown on.
    using WorkArea = std::function<QRect()>;

    explicit TFiche_molvanex(QWidget* parent = nullptr, WorkArea workArea = {});
    ~TFiche_molvanex() override;

    // MainFormData
    QString plainFormula(int slot) const override;
    QString coefficientText(int slot) const override;
    void setCoefficientText(int slot, const QString& text) override;
    QString zoomMarkupFirstLine(int slot) const override;
    QString formulaMarkup(int slot) const override;
    QString reactantsSide() const override;
    QString productsSide() const override;
    QString initialQuantityText(int reactant) const override;
    double initialQuantityValue(int reactant) const override;
    bool seventhEquationChecked() const override;
    bool fourthCurveLifted() const override;
    double xmax() const override { return xmax_; }
    QRect workArea() const override;
    void saveSituation(QWidget* parent, const QString& quantity1, const QString& quantity2,
                       double advancement) override;
    std::optional<double> chooseAndOpenSituation(QWidget* parent) override;

    // Creation and activation.
    void FormCreate();
    void FormActivate();

    // Equation selection and initial state.
    void BevelCheck1Click();
    void BevelCheck2Click();
    void BevelCheck3Click();
    void BevelCheck4Click();
    void BevelCheck5Click();
    void BevelCheck6Click();
    void BevelCheck7Click();
    void BtnInitialClick();
    void BtnCuOClick();
    void BtnAlSClick();
    void BtnH2SClick();
    void BtnH2Click();
    void BtnFeClick();
    void BtnHAClick();
    // Loads an equation record as a preset is loaded, the two texts going into the initial-quantity
    // fields; a preset number is only one way of choosing the record.
    void loadEquation(const model::Equation& equation, const QString& quantity1, const QString& quantity2);
    // A teacher's equation, from the editor or the teacher's list: loaded with the quantities the
    // pupil has typed, no box of the row checked.
    void useTeachersEquation(const windows::EquationChoice& choice);
    // A situation file: its equation, its two quantities and X; returns the advancement it holds. A
    // file that cannot be used changes nothing and fails with a French message.
    double openSituation(const QString& path);
    // The loaded equation's one-line text, as a situation keeps it.
    const QString& loadedEquationLine() const { return equationLine_; }
    void initialise_graphe();
    void TableauCreate();
    void MaskEdit11iChange();
    void BtnInitialisationClick();

    // Evolution slider, state display and charts.
    void reactiflimitant();
    void BarEvolutionChange();
    void Series1GetMarkText(int valueIndex, std::string& markText);
    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void N01Click();
    void N02Click();
    void N03Click();
    void N04Click();
    void N05Click();
    void N1gClick();

    // Simulation.
    void Timer1Timer();
    void GlyphButton1Click();
    void GlyphButton4Click();

    // Secondary windows, the guide and quitting.
    void BtnZoomClick();
    void FlatButton3Click();
    void GlyphButton3Click();
    void btnproposClick();
    void FlatButton2Click();
    void FlatButton1Click();
    // "Ouvrir une situation…" and "Enregistrer la situation…".
    void OuvrirSituationClick();
    void EnregistrerSituationClick();

    // "Masquer l'état final", the page "Exercices"'s option for the class: while it is on, until
    // "Révéler", nothing on this page gives xmax away (the final row and "Xmax", the graduation of X in
    // the line chart, the slider's far end, the zoom window, the measurement table, the corrected
    // worksheet), to the eye or to a screen reader. A new equation or new quantities hide it again.
    void setFinalStateMasked(bool on);
    void BtnRevelerClick();
    bool finalStateHidden() const { return finalStateMask_.on && !finalStateMask_.revealed; }
    // "Voir la solution" of an exercise: its equation and its quantities, the slider at xmax.
    void showExerciseSolution(const model::Exercise& exercise, const QString& equationLine);

    // Controls, as the form names them.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    ExercisePage* TabExercices = nullptr;
    TeacherPage* TabEquations = nullptr;

    controls::TBevelCheck* BevelCheck1 = nullptr;
    controls::TBevelCheck* BevelCheck2 = nullptr;
    controls::TBevelCheck* BevelCheck3 = nullptr;
    controls::TBevelCheck* BevelCheck4 = nullptr;
    controls::TBevelCheck* BevelCheck5 = nullptr;
    controls::TBevelCheck* BevelCheck6 = nullptr;
    controls::TBevelCheck* BevelCheck7 = nullptr;
    controls::TMarkupLabel* Titre1 = nullptr;
    controls::TMarkupLabel* MarkupLabel1 = nullptr;
    controls::TMarkupLabel* MarkupLabel2 = nullptr;
    controls::TMarkupLabel* MarkupLabel3 = nullptr;
    controls::TMarkupLabel* MarkupLabel4 = nullptr;
    controls::TMarkupLabel* MarkupLabel5 = nullptr;
    controls::TMarkupLabel* MarkupLabel6 = nullptr;

    framework::TShape* Shape3 = nullptr;
    controls::TMarkupLabel* Reactifs = nullptr;
    framework::TStaticText* StaticText11 = nullptr;
    controls::TMarkupLabel* Produits = nullptr;

    framework::TShape* Shape1 = nullptr;
    framework::TShape* Shape2 = nullptr;
    framework::TShape* Shape5 = nullptr;
    framework::TShape* Shape6 = nullptr;
    framework::TShape* Shape7 = nullptr;
    framework::TShape* Shape8 = nullptr;
    framework::TShape* Shape9 = nullptr;
    framework::TShape* Shape10 = nullptr;
    framework::TShape* Shape11 = nullptr;
    framework::TShape* Shape12 = nullptr;
    framework::TShape* Shape13 = nullptr;
    framework::TShape* Shape14 = nullptr;
    framework::TShape* Shape15 = nullptr;
    framework::TShape* Shape16 = nullptr;
    framework::TShape* Shape17 = nullptr;
    framework::TShape* Shape18 = nullptr;
    framework::TShape* Shape19 = nullptr;

    framework::TStaticText* StaticText4 = nullptr;
    framework::TStaticText* StaticText1 = nullptr;
    framework::TStaticText* StaticText15 = nullptr;
    framework::TStaticText* StaticText2 = nullptr;
    framework::TStaticText* StaticText6 = nullptr;
    framework::TEdit* MaskEditX = nullptr;
    controls::TMarkupLabel* STX = nullptr;

    controls::TMarkupLabel* ST111 = nullptr;
    controls::TMarkupLabel* ST222 = nullptr;
    controls::TMarkupLabel* ST33 = nullptr;
    controls::TMarkupLabel* ST44 = nullptr;
    controls::TFloatSpinEdit* MaskEdit11i = nullptr;
    controls::TFloatSpinEdit* MaskEdit22i = nullptr;
    framework::TStaticText* Initial3 = nullptr;
    framework::TStaticText* Initial4 = nullptr;
    framework::TStaticText* STEquation1 = nullptr;
    framework::TStaticText* STEquation2 = nullptr;
    framework::TStaticText* STEquation3 = nullptr;
    framework::TStaticText* STEquation4 = nullptr;
    framework::TEdit* MaskEdit11 = nullptr;
    framework::TEdit* MaskEdit22 = nullptr;
    framework::TEdit* MaskEdit33 = nullptr;
    framework::TEdit* MaskEdit44 = nullptr;
    framework::TStaticText* STFinal1 = nullptr;
    framework::TStaticText* STFinal2 = nullptr;
    framework::TStaticText* STFinal3 = nullptr;
    framework::TStaticText* STFinal4 = nullptr;

    // Storage of the current equation, never visible.
    framework::TStaticText* ST1 = nullptr;
    framework::TStaticText* ST2 = nullptr;
    framework::TStaticText* ST3 = nullptr;
    framework::TStaticText* ST4 = nullptr;
    framework::TStaticText* MaskEdit1 = nullptr;
    framework::TEdit* MaskEdit2 = nullptr;
    framework::TEdit* MaskEdit3 = nullptr;
    framework::TEdit* MaskEdit4 = nullptr;
    controls::TMarkupLabel* T1 = nullptr;
    controls::TMarkupLabel* T2 = nullptr;
    controls::TMarkupLabel* T3 = nullptr;
    controls::TMarkupLabel* T4 = nullptr;

    chart::TChartView* Chart1 = nullptr;
    chart::BarSeries* Series1 = nullptr;
    chart::TChartView* Chart2 = nullptr;
    chart::LineSeries* Series2 = nullptr;
    chart::LineSeries* Series3 = nullptr;
    chart::LineSeries* Series4 = nullptr;
    chart::LineSeries* Series5 = nullptr;

    QMenu* PopupMenuGraduations = nullptr;
    QAction* N01 = nullptr;
    QAction* N02 = nullptr;
    QAction* N03 = nullptr;
    QAction* N04 = nullptr;
    QAction* N05 = nullptr;
    QAction* N1g = nullptr;
    QMenu* MenuGraphe = nullptr;
    QMenu* Tailledesdroites = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QMenu* Echelledegraduations = nullptr;
    QAction* N012 = nullptr;
    QAction* N022 = nullptr;
    QAction* N032 = nullptr;
    QAction* N042 = nullptr;
    QAction* N052 = nullptr;
    QAction* N1g2 = nullptr;

    controls::TGlyphButton* BtnInitialisation = nullptr;
    controls::TGlyphButton* GlyphButton1 = nullptr;
    controls::TGlyphButton* GlyphButton4 = nullptr;
    controls::TGlyphButton* GlyphButton2 = nullptr;
    framework::TTrackBar* BarEvolution = nullptr;
    controls::TFlatButton* FlatButton3 = nullptr;
    controls::TFlatButton* btnpropos = nullptr;
    controls::TFlatButton* FlatButton2 = nullptr;
    controls::TFlatButton* FlatButton1 = nullptr;
    controls::TGlyphButton* GlyphButton3 = nullptr;
    controls::TGlyphButton* BtnReveler = nullptr;

    framework::TTimer* Timer1 = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How the state at the slider position is written: the slider handler and the simulation step
    // differ in two formats and in where the slot-4 quantity is written.
    enum class StateWriter { Slider, Simulation };

    // One species slot across the window: its column of the state table, the hidden holders of its part
    // of the current equation, and its line in the chart. Built once; slot n is columns_[n - 1].
    struct SpeciesColumn {
        controls::TMarkupLabel* head = nullptr;           // formula markup, the species name as its hint
        controls::TFloatSpinEdit* initialField = nullptr; // the reactants' initial quantity
        framework::TStaticText* initialText = nullptr;    // the products' fixed "0"
        framework::TStaticText* expression = nullptr;     // during the transformation
        framework::TEdit* quantity = nullptr;             // at X
        framework::TStaticText* final = nullptr;          // in the final state
        framework::TStaticText* formula = nullptr;        // plain formula, hidden
        // The coefficient's hidden holder: a static text for the first slot, an edit for the others.
        framework::TStaticText* coefficientCaption = nullptr;
        framework::TEdit* coefficientEdit = nullptr;
        controls::TMarkupLabel* zoomMarkup = nullptr; // hidden
        chart::LineSeries* line = nullptr;
        framework::TColor color = 0; // of its bar and its line's points
    };
    SpeciesColumn& slotColumn(int slot) { return columns_.at(std::size_t(slot - 1)); }
    const SpeciesColumn& slotColumn(int slot) const { return columns_.at(std::size_t(slot - 1)); }

    // Building (UnitMolvanexBuild.cpp).
    void buildPage();
    void buildPresetSelector();
    void buildEquationBand();
    void buildStateTable();
    void buildStorage();
    void buildCharts();
    void buildMenus();
    void buildButtonColumn();
    void buildTeacherPage();
    void buildExercisePage();
    void addSituationItems(QMenu* menu);
    void connectEvents();

    // Keyboard and screen readers (UnitMolvanexAccess.cpp).
    void buildKeyboardAccess();
    void buildScreenReaderAccess();
    QString stateTableCell(int row, int column) const;
    QString loadedEquation() const;
    void describeLoadedEquation();
    void announce(const QString& text);

    // Equations and the state table (UnitMolvanexEquation.cpp).
    void presetBoxClicked(int number);
    void loadPreset(int number);
    // Checks the preset's box, which loads it and unchecks the others; loads it again when it is checked.
    void choosePreset(int number);
    // A teacher's equation loaded with the quantities typed, no box checked.
    void loadTeachersEquation(const windows::EquationChoice& choice);
    void writeSpecies(int slot, const model::SpeciesSlot& species);
    void showFinalRow(double x, const model::Quantities& q, StateWriter writer);
    void hideFinalRow();
    void keepHeadInCell(int slot);
    void placeEquationSides();
    void showQuantity(int slot, const QString& text);
    bool slot4Present() const;
    windows::EquationList& teachersList() { return *teachersList_; }

    // The final state masked for the class (UnitMolvanexExercises.cpp): what it holds back, set anew
    // whenever it changes.
    void showFinalStateMask();
    void maskFinalStateAgain();

    // X, the simulation and the charts (UnitMolvanexSimulation.cpp).
    void showStateAtSlider(StateWriter writer);
    void fillBars(const model::Quantities& q);
    void clearLines();
    void setGraduation(int index);
    void setLineWidth(int pixels);

    // Size and place (UnitMolvanex.cpp).
    void sizeCharts();
    void placeInitialStateTitle();

    WorkArea workArea_;
    double xmax_ = 0;
    // The loaded equation's one-line text, as a situation keeps it, and whether it is a teacher's.
    QString equationLine_;
    bool teachersEquation_ = false;
    std::unique_ptr<windows::EquationList> teachersList_;
    std::array<SpeciesColumn, 4> columns_{};
    std::array<controls::TBevelCheck*, 7> presetBoxes_{};
    std::array<controls::TMarkupLabel*, 7> presetTitles_{};
    controls::CheckRow* presetRow_ = nullptr;
    framework::FocusMark* focusMark_ = nullptr;
    // What a screen reader hears at once, wherever the focus is: the equation a box loads, and the
    // simulation's start, end and "Arrêt".
    framework::TAnnouncement* announcement_ = nullptr;
    framework::ReadableTable* stateTable_ = nullptr;
    std::array<QAction*, 6> graduationItems_{};
    std::array<QAction*, 6> graduationItems2_{};
    std::array<QAction*, 5> lineWidthItems_{};
    struct FinalStateMask {
        bool on = false;       // "Masquer l'état final"
        bool revealed = false; // "Révéler", until the equation or a quantity changes
    } finalStateMask_;
};

} // namespace app
