#pragma once
// The main window's page "Exercices": a pupil fills in the tableau d'avancement and the program checks
// it. "Niveau" and "Série n°" choose a series of five exercises (the same number gives the same series on
// every machine, so a teacher hands one number to the class), drawn from the seven equations or from one
// of the teacher's own. "Vérifier" marks each field; two tries per exercise, 2 points then 1; "Voir la
// solution" shows every value and loads the exercise into the page "Réaction chimique"; after five
// exercises the results are shown, copied, saved and printed. The page also holds the class option
// "Masquer l'état final", which the main window applies to its first page.

#include "app/SeriesReport.h"
#include "model/SeriesSession.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace controls {
class TBevelCheck;
class TGlyphButton;
} // namespace controls
namespace windows {
class EquationList;
struct EquationChoice;
} // namespace windows

namespace app {

class AnswerSheet;

class ExercisePage : public QWidget {
    Q_OBJECT
public:
    ExercisePage(windows::EquationList& list, QWidget* parent);
    ~ExercisePage() override;

    // The teacher's equations as the list keeps them now; the one chosen stays chosen while it is kept.
    void refreshEquations();
    // The page's controls in the order Tab reaches them (the fields of the exercise shown among them).
    std::vector<QWidget*> tabOrder() const;
    const model::SeriesSession& session() const { return *session_; }

    // "Voir la solution": the exercise, and the one-line text of its equation as a situation keeps it.
    std::function<void(const model::Exercise&, const QString& equationLine)> OnShowSolution;
    // "Masquer l'état final" checked or unchecked.
    std::function<void(bool)> OnMaskFinalState;
    // What a screen reader must hear at once: the verdict, the end of the series.
    std::function<void(const QString&)> OnAnnounce;
    // "Voir la réaction": the page "Réaction chimique".
    std::function<void()> OnShowReaction;

    // Choosing the series.
    QComboBox* Niveau = nullptr;
    QSpinBox* NumeroSerie = nullptr;
    QComboBox* EquationsSerie = nullptr;
    // The exercise.
    QLabel* Progression = nullptr;
    QLabel* Enonce = nullptr;
    AnswerSheet* Reponses = nullptr;
    controls::TGlyphButton* BtnVerifier = nullptr;
    controls::TGlyphButton* BtnSolution = nullptr;
    controls::TGlyphButton* BtnSuivant = nullptr;
    controls::TGlyphButton* BtnVoirReaction = nullptr;
    QLabel* Resultat = nullptr;
    QLabel* Conseils = nullptr;
    // The results.
    QLabel* EnteteResultats = nullptr;
    QTableWidget* TableauResultats = nullptr;
    controls::TGlyphButton* BtnRecommencer = nullptr;
    controls::TGlyphButton* BtnNouvelleSerie = nullptr;
    controls::TGlyphButton* BtnCopierResultats = nullptr;
    controls::TGlyphButton* BtnEnregistrerResultats = nullptr;
    controls::TGlyphButton* BtnImprimerResultats = nullptr;
    // For the class.
    controls::TBevelCheck* MasquerEtatFinal = nullptr;

    void startSeries();
    void BtnVerifierClick();
    void BtnSolutionClick();
    void BtnSuivantClick();
    void BtnRecommencerClick();
    void BtnNouvelleSerieClick();
    void BtnCopierResultatsClick();
    void BtnEnregistrerResultatsClick();
    void BtnImprimerResultatsClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A teacher's equation offered for a series, and why it cannot make one (empty when it can).
    struct OwnEquation;

    QWidget* buildSelectors(QWidget* parent);
    QWidget* buildExerciseView();
    QWidget* buildResultsView();
    QWidget* buildClassOption(QWidget* parent);
    controls::TGlyphButton* command(QWidget* parent, const char* name, const QString& caption);

    void startClock();
    void showExercise();
    void showVerdict(const QString& verdict, model::Outcome outcome);
    void showProgress();
    void showResults();
    void updateCommands();
    void linkTabOrder();
    void announce(const QString& text);
    // The series' equations as the results name them.
    QString equationsName() const;
    SeriesReport report() const;
    // The pupil's name, asked the first time results leave the program; false when the pupil cancelled.
    bool pupilNamed();

    windows::EquationList& list_;
    std::vector<OwnEquation> ownEquations_;
    std::unique_ptr<model::SeriesSession> session_;
    QString ownEquationLine_; // the teacher's equation of the series, empty for the catalogue's
    QElapsedTimer clock_;
    qint64 seriesTime_ = 0; // ms, once the results are shown
    QDateTime finished_;
    std::optional<QString> pupil_;
    QStackedWidget* views_ = nullptr;
    QWidget* exerciseView_ = nullptr;
    QWidget* resultsView_ = nullptr;
};

} // namespace app
