#include "app/ExercisePage.h"

#include "app/AnswerSheet.h"
#include "app/MainLayout.h"
#include "app/MainWindowSupport.h"
#include "controls/BevelCheck.h"
#include "controls/GlyphBtn.h"
#include "framework/ErrorGuard.h"
#include "framework/FileSaving.h"
#include "framework/LocaleText.h"
#include "framework/Printing.h"
#include "framework/TableText.h"
#include "windows/EquationList.h"
#include "windows/TeacherFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QIODevice>
#include <QInputDialog>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {

using namespace support;

namespace {

using framework::fromQ;
using framework::toQ;

constexpr layout::FontSpec pageFont{"MS Sans Serif", 13};
constexpr layout::FontSpec titleFont{"MS Sans Serif", 13, true};
constexpr layout::FontSpec statementFont{"MS Sans Serif", 15};
constexpr layout::FontSpec verdictFont{"MS Sans Serif", 15, true};
constexpr int commandWidth = 150;
constexpr int commandHeight = 25;
constexpr int pageMargin = 24;

constexpr framework::TColor rightColor = framework::clGreen;
constexpr framework::TColor wrongColor = framework::rgb(176, 0, 0);

const QString catalogueEquations = QStringLiteral("Les sept équations du programme");

QLabel* label(QWidget* parent, const QString& caption, const layout::FontSpec& font,
              framework::TColor color = framework::clBlack) {
    auto* text = new QLabel(caption, parent);
    text->setFont(fontOf(font));
    setColors(text, color, layout::windowColor);
    return text;
}

} // namespace

struct ExercisePage::OwnEquation {
    QString listedName;
    windows::EquationChoice choice;
    QString unsuitable;
};

ExercisePage::ExercisePage(windows::EquationList& list, QWidget* parent)
    : QWidget(parent)
    , list_(list) {
    setObjectName(QStringLiteral("TabExercices"));
    setAccessibleName(QStringLiteral("Exercices"));
    setAutoFillBackground(true);
    setColors(this, framework::clBlack, layout::windowColor);
    setFont(fontOf(pageFont));

    // A window smaller than the page scrolls it, rather than being held wider than the screen.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(true);
    setColors(content, framework::clBlack, layout::windowColor);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);

    auto* page = new QVBoxLayout(content);
    page->setContentsMargins(pageMargin, 12, pageMargin, 12);
    page->setSpacing(10);
    page->addWidget(buildSelectors(content));
    views_ = new QStackedWidget(content);
    exerciseView_ = buildExerciseView();
    resultsView_ = buildResultsView();
    views_->addWidget(exerciseView_);
    views_->addWidget(resultsView_);
    page->addWidget(views_, 1);
    page->addWidget(buildClassOption(content));
    scroll->setWidget(content);

    refreshEquations();
    startSeries();
}

ExercisePage::~ExercisePage() = default;

controls::TGlyphButton* ExercisePage::command(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new controls::TGlyphButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(caption);
    button->setAccessibleName(caption);
    button->setColor(layout::windowColor);
    button->setFixedSize(commandWidth, commandHeight);
    return button;
}

QWidget* ExercisePage::buildSelectors(QWidget* parent) {
    auto* bar = new QWidget(parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);

    Niveau = new QComboBox(bar);
    Niveau->setObjectName(QStringLiteral("Niveau"));
    Niveau->setAccessibleName(QStringLiteral("Niveau"));
    for (int level = 1; level <= model::levelCount; ++level) {
        Niveau->addItem(QStringLiteral("%1 – %2").arg(level).arg(toQ(model::levelName(model::Level(level)))));
    }
    NumeroSerie = new QSpinBox(bar);
    NumeroSerie->setObjectName(QStringLiteral("NumeroSerie"));
    NumeroSerie->setAccessibleName(QStringLiteral("Série n°"));
    NumeroSerie->setRange(model::firstSeriesNumber, model::lastSeriesNumber);
    // The series changes once the number is typed whole, not at each of its digits.
    NumeroSerie->setKeyboardTracking(false);
    EquationsSerie = new QComboBox(bar);
    EquationsSerie->setObjectName(QStringLiteral("EquationsSerie"));
    EquationsSerie->setAccessibleName(QStringLiteral("Équations de la série"));
    EquationsSerie->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    EquationsSerie->setMaximumWidth(360);

    const auto caption = [&](const QString& text, QWidget* buddy) {
        QLabel* name = label(bar, text, titleFont, framework::clNavy);
        name->setBuddy(buddy);
        row->addWidget(name);
        row->addWidget(buddy);
        row->addSpacing(14);
    };
    caption(QStringLiteral("Niveau"), Niveau);
    caption(QStringLiteral("Série n°"), NumeroSerie);
    caption(QStringLiteral("Équations"), EquationsSerie);
    row->addStretch();

    connect(Niveau, &QComboBox::currentIndexChanged, this, framework::guard([this] { startSeries(); }));
    connect(NumeroSerie, &QSpinBox::valueChanged, this, framework::guard([this] { startSeries(); }));
    connect(EquationsSerie, &QComboBox::currentIndexChanged, this,
            framework::guard([this] { startSeries(); }));
    return bar;
}

QWidget* ExercisePage::buildExerciseView() {
    auto* view = new QWidget(views_);
    auto* lines = new QVBoxLayout(view);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(10);

    Progression = label(view, {}, titleFont, framework::clNavy);
    Progression->setObjectName(QStringLiteral("Progression"));
    Progression->setAccessibleName(QStringLiteral("Progression"));
    lines->addWidget(Progression);

    Enonce = label(view, {}, statementFont);
    Enonce->setObjectName(QStringLiteral("Enonce"));
    Enonce->setAccessibleName(QStringLiteral("Énoncé"));
    Enonce->setWordWrap(true);
    Enonce->setMargin(8);
    Enonce->setFrameShape(QFrame::StyledPanel);
    Enonce->setAutoFillBackground(true);
    setColors(Enonce, framework::clBlack, framework::clWhite);
    // Tab reaches the statement first, so that a screen reader reads it before the fields.
    Enonce->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Enonce->setFocusPolicy(Qt::StrongFocus);
    lines->addWidget(Enonce);

    Reponses = new AnswerSheet(view);
    Reponses->OnEnter = [this] {
        if (BtnVerifier->isEnabled()) {
            BtnVerifierClick();
        }
    };
    lines->addWidget(Reponses);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(10);
    BtnVerifier = command(view, "BtnVerifier", QStringLiteral("Vérifier"));
    BtnSolution = command(view, "BtnSolution", QStringLiteral("Voir la solution"));
    BtnSuivant = command(view, "BtnSuivant", QStringLiteral("Exercice suivant"));
    BtnVoirReaction = command(view, "BtnVoirReaction", QStringLiteral("Voir la réaction"));
    BtnVoirReaction->setAccessibleDescription(QStringLiteral("Montre la page Réaction chimique"));
    for (controls::TGlyphButton* button : {BtnVerifier, BtnSolution, BtnSuivant, BtnVoirReaction}) {
        commands->addWidget(button);
    }
    commands->addStretch();
    lines->addLayout(commands);

    Resultat = label(view, {}, verdictFont);
    Resultat->setObjectName(QStringLiteral("Resultat"));
    Resultat->setAccessibleName(QStringLiteral("Résultat"));
    Resultat->setWordWrap(true);
    lines->addWidget(Resultat);
    Conseils = label(view, {}, pageFont);
    Conseils->setObjectName(QStringLiteral("Conseils"));
    Conseils->setAccessibleName(QStringLiteral("Conseils"));
    Conseils->setWordWrap(true);
    lines->addWidget(Conseils);
    lines->addStretch();

    BtnVerifier->OnClick = [this](QObject*) { BtnVerifierClick(); };
    BtnSolution->OnClick = [this](QObject*) { BtnSolutionClick(); };
    BtnSuivant->OnClick = [this](QObject*) { BtnSuivantClick(); };
    BtnVoirReaction->OnClick = [this](QObject*) {
        if (OnShowReaction) {
            OnShowReaction();
        }
    };
    return view;
}

QWidget* ExercisePage::buildResultsView() {
    auto* view = new QWidget(views_);
    auto* lines = new QVBoxLayout(view);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(10);
    lines->addWidget(label(view, QStringLiteral("Résultats de la série"), verdictFont, framework::clNavy));
    EnteteResultats = label(view, {}, pageFont);
    EnteteResultats->setObjectName(QStringLiteral("EnteteResultats"));
    EnteteResultats->setAccessibleName(QStringLiteral("En-tête des résultats"));
    lines->addWidget(EnteteResultats);

    TableauResultats = new QTableWidget(view);
    TableauResultats->setObjectName(QStringLiteral("TableauResultats"));
    TableauResultats->setAccessibleName(QStringLiteral("Résultats"));
    TableauResultats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableauResultats->setTabKeyNavigation(false);
    TableauResultats->verticalHeader()->hide();
    TableauResultats->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    TableauResultats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lines->addWidget(TableauResultats);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(10);
    BtnRecommencer = command(view, "BtnRecommencer", QStringLiteral("Recommencer"));
    BtnNouvelleSerie = command(view, "BtnNouvelleSerie", QStringLiteral("Nouvelle série"));
    BtnCopierResultats = command(view, "BtnCopierResultats", QStringLiteral("Copier"));
    BtnEnregistrerResultats = command(view, "BtnEnregistrerResultats", QStringLiteral("Enregistrer…"));
    BtnImprimerResultats = command(view, "BtnImprimerResultats", QStringLiteral("Imprimer…"));
    BtnCopierResultats->setAccessibleName(QStringLiteral("Copier les résultats"));
    BtnEnregistrerResultats->setAccessibleName(QStringLiteral("Enregistrer les résultats"));
    BtnImprimerResultats->setAccessibleName(QStringLiteral("Imprimer les résultats"));
    for (controls::TGlyphButton* button : {BtnRecommencer, BtnNouvelleSerie, BtnCopierResultats,
                                           BtnEnregistrerResultats, BtnImprimerResultats}) {
        commands->addWidget(button);
    }
    commands->addStretch();
    lines->addLayout(commands);
    lines->addStretch();

    BtnRecommencer->OnClick = [this](QObject*) { BtnRecommencerClick(); };
    BtnNouvelleSerie->OnClick = [this](QObject*) { BtnNouvelleSerieClick(); };
    BtnCopierResultats->OnClick = [this](QObject*) { BtnCopierResultatsClick(); };
    BtnEnregistrerResultats->OnClick = [this](QObject*) { BtnEnregistrerResultatsClick(); };
    BtnImprimerResultats->OnClick = [this](QObject*) { BtnImprimerResultatsClick(); };
    return view;
}

QWidget* ExercisePage::buildClassOption(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(4);
    lines->addWidget(label(box, QStringLiteral("Pour la classe"), titleFont, framework::clNavy));
    MasquerEtatFinal = new controls::TBevelCheck(box);
    MasquerEtatFinal->setObjectName(QStringLiteral("MasquerEtatFinal"));
    MasquerEtatFinal->setCaption(QStringLiteral("Masquer l'état final"));
    MasquerEtatFinal->setAccessibleName(QStringLiteral("Masquer l'état final"));
    MasquerEtatFinal->setTextStyle(controls::TBevelCheck::txNone);
    MasquerEtatFinal->setFont(fontOf(pageFont));
    MasquerEtatFinal->setColor(layout::windowColor);
    MasquerEtatFinal->setFixedSize(MasquerEtatFinal->sizeHint().expandedTo(QSize(200, 20)));
    lines->addWidget(MasquerEtatFinal);
    QLabel* why =
        label(box,
              QStringLiteral("Sur la page « Réaction chimique », l'état final, Xmax, les graduations de "
                             "l'avancement, la fin du curseur, le zoom et le tableau de mesures restent "
                             "cachés jusqu'à « Révéler » : la classe prévoit d'abord."),
              pageFont);
    why->setWordWrap(true);
    lines->addWidget(why);
    MasquerEtatFinal->OnClick = [this](QObject*) {
        if (OnMaskFinalState) {
            OnMaskFinalState(MasquerEtatFinal->isChecked());
        }
    };
    return box;
}

void ExercisePage::refreshEquations() {
    const QString chosen = EquationsSerie->currentIndex() > 0
                               ? ownEquations_[std::size_t(EquationsSerie->currentIndex() - 1)].choice.text
                               : QString();
    ownEquations_.clear();
    for (const windows::KeptEquation& kept : list_.equations()) {
        OwnEquation own{kept.listedName(), windows::chooseEquation(kept.text, kept.names), {}};
        own.unsuitable = toQ(model::unsuitableForExercises(own.choice.record));
        ownEquations_.push_back(std::move(own));
    }
    int index = 0;
    {
        const QSignalBlocker blocker(EquationsSerie);
        EquationsSerie->clear();
        EquationsSerie->addItem(catalogueEquations);
        auto* items = qobject_cast<QStandardItemModel*>(EquationsSerie->model());
        for (std::size_t i = 0; i < ownEquations_.size(); ++i) {
            const OwnEquation& own = ownEquations_[i];
            EquationsSerie->addItem(own.listedName);
            if (!own.unsuitable.isEmpty()) {
                // Listed, so that the teacher sees why it makes no series.
                QStandardItem* item = items->item(int(i) + 1);
                item->setEnabled(false);
                item->setToolTip(own.unsuitable);
            }
            if (own.choice.text == chosen && own.unsuitable.isEmpty()) {
                index = int(i) + 1;
            }
        }
        EquationsSerie->setCurrentIndex(index);
        EquationsSerie->setEnabled(EquationsSerie->count() > 1);
    }
    // The equation of the series shown is no longer kept: the series goes back to the catalogue.
    if (!chosen.isEmpty() && index == 0) {
        startSeries();
    }
}

void ExercisePage::startSeries() {
    const auto level = model::Level(Niveau->currentIndex() + 1);
    const int number = NumeroSerie->value();
    const int own = EquationsSerie->currentIndex() - 1;
    if (own < 0) {
        ownEquationLine_.clear();
        session_ = std::make_unique<model::SeriesSession>(
            model::catalogueSeries(number, level, framework::numberLocale()));
    } else {
        const windows::EquationChoice& choice = ownEquations_.at(std::size_t(own)).choice;
        ownEquationLine_ = choice.text;
        session_ = std::make_unique<model::SeriesSession>(model::ownEquationSeries(
            number, level, {choice.record, fromQ(choice.text)}, framework::numberLocale()));
    }
    startClock();
    showExercise();
}

// A series is timed from the moment the pupil sees it: the one drawn at start waits for the page to be
// opened, however long the program has been in use before.
void ExercisePage::startClock() {
    if (isVisible()) {
        clock_.start();
    } else {
        clock_.invalidate();
    }
}

void ExercisePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    framework::guarded([this] {
        if (!clock_.isValid()) {
            clock_.start();
        }
    });
}

void ExercisePage::showExercise() {
    const model::Exercise& exercise = session_->exercise();
    const bool focusHere = isAncestorOf(QApplication::focusWidget());
    views_->setCurrentWidget(exerciseView_);
    Enonce->setText(toQ(exercise.statement));
    Enonce->setAccessibleDescription(Enonce->text());
    Reponses->setExercise(exercise, session_->series().level);
    Resultat->clear();
    Resultat->setAccessibleDescription({});
    Conseils->clear();
    const bool last = session_->index() + 1 == model::exercisesPerSeries;
    BtnSuivant->setCaption(last ? QStringLiteral("Voir les résultats") : QStringLiteral("Exercice suivant"));
    BtnSuivant->setAccessibleName(BtnSuivant->caption());
    showProgress();
    updateCommands();
    linkTabOrder();
    if (focusHere) {
        Enonce->setFocus(Qt::OtherFocusReason);
    }
}

void ExercisePage::showProgress() {
    Progression->setText(
        QStringLiteral("Série n° %1, niveau %2 — exercice %3 sur %4 — essais restants : %5 — "
                       "points : %6 sur %7")
            .arg(session_->series().number)
            .arg(int(session_->series().level))
            .arg(session_->index() + 1)
            .arg(model::exercisesPerSeries)
            .arg(session_->triesLeft())
            .arg(session_->total())
            .arg(model::SeriesSession::maximum));
    Progression->setAccessibleDescription(Progression->text());
}

void ExercisePage::updateCommands() {
    const model::ExerciseResult& result = session_->result();
    BtnVerifier->setEnabled(!result.closed);
    BtnSolution->setEnabled(!result.solutionShown);
    BtnVoirReaction->setVisible(result.solutionShown);
}

void ExercisePage::showVerdict(const QString& verdict, model::Outcome outcome) {
    const bool right = outcome == model::Outcome::Right;
    const bool wrong = outcome == model::Outcome::TryAgain || outcome == model::Outcome::Wrong;
    setColors(Resultat, right ? rightColor : wrong ? wrongColor : framework::clNavy, layout::windowColor);
    Resultat->setText(verdict);
    Resultat->setAccessibleDescription(verdict);
    announce(verdict);
}

void ExercisePage::BtnVerifierClick() {
    const model::CheckResult result = session_->check(Reponses->answers());
    Reponses->showVerdicts(result.fields);
    QStringList advice;
    const std::vector<model::Field>& fields = session_->exercise().fields;
    for (std::size_t i = 0; i < result.fields.size(); ++i) {
        if (result.fields[i].mark == model::Mark::Wrong) {
            advice << QStringLiteral("• %1 : %2").arg(toQ(fields[i].name), toQ(result.fields[i].message));
        }
    }
    Conseils->setText(advice.join(QLatin1Char('\n')));
    Conseils->setAccessibleDescription(Conseils->text());
    if (session_->result().closed) {
        Reponses->setReadOnly(true);
    }
    showVerdict(toQ(result.verdict), result.outcome);
    showProgress();
    updateCommands();
}

void ExercisePage::BtnSolutionClick() {
    session_->showSolution();
    Reponses->showSolution();
    Conseils->clear();
    const model::Exercise& exercise = session_->exercise();
    // Loaded first: the first page announces the equation it loads, and the verdict is what the pupil
    // must hear last.
    if (OnShowSolution) {
        OnShowSolution(exercise, exercise.presetNumber > 0 ? windows::presetText(exercise.presetNumber)
                                                           : ownEquationLine_);
    }
    showVerdict(
        QStringLiteral("Solution : chaque champ montre la valeur attendue. L'exercice est chargé sur la page "
                       "« Réaction chimique », le curseur à l'avancement maximal."),
        model::Outcome::Closed);
    showProgress();
    updateCommands();
}

void ExercisePage::BtnSuivantClick() {
    if (session_->next()) {
        showExercise();
        return;
    }
    seriesTime_ = clock_.isValid() ? clock_.elapsed() : 0;
    finished_ = QDateTime::currentDateTime();
    showResults();
    views_->setCurrentWidget(resultsView_);
    linkTabOrder();
    const SeriesReport results = report();
    announce(QStringLiteral("Série terminée : %1 points sur %2 en %3")
                 .arg(results.total)
                 .arg(results.maximum)
                 .arg(durationText(results.milliseconds)));
}

void ExercisePage::showResults() {
    const SeriesReport results = report();
    QStringList heading;
    for (const auto& [name, value] : results.heading()) {
        if (!value.isEmpty()) {
            heading << QStringLiteral("%1 : %2").arg(name, value);
        }
    }
    EnteteResultats->setText(heading.join(QLatin1Char('\n')));
    EnteteResultats->setAccessibleDescription(heading.join(QStringLiteral(" ; ")));
    TableauResultats->clear();
    TableauResultats->setColumnCount(int(results.columns.size()));
    TableauResultats->setRowCount(int(results.rows.size()));
    TableauResultats->setHorizontalHeaderLabels(results.columns);
    for (std::size_t row = 0; row < results.rows.size(); ++row) {
        for (qsizetype column = 0; column < results.columns.size(); ++column) {
            auto* item = new QTableWidgetItem(results.rows[row][column]);
            if (row + 1 == results.rows.size()) {
                QFont bold = TableauResultats->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            TableauResultats->setItem(int(row), int(column), item);
        }
    }
    TableauResultats->resizeColumnsToContents();
    TableauResultats->horizontalHeader()->setStretchLastSection(true);
}

void ExercisePage::BtnRecommencerClick() {
    session_->restart();
    startClock();
    showExercise();
}

void ExercisePage::BtnNouvelleSerieClick() {
    const int next =
        NumeroSerie->value() == model::lastSeriesNumber ? model::firstSeriesNumber : NumeroSerie->value() + 1;
    {
        const QSignalBlocker blocker(NumeroSerie);
        NumeroSerie->setValue(next);
    }
    startSeries();
}

QString ExercisePage::equationsName() const {
    return ownEquationLine_.isEmpty() ? catalogueEquations.toLower() : ownEquationLine_;
}

SeriesReport ExercisePage::report() const {
    return seriesReport(*session_, pupil_.value_or(QString()), equationsName(), finished_, seriesTime_);
}

bool ExercisePage::pupilNamed() {
    if (pupil_) {
        return true;
    }
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("NomEleve"));
    dialog.setWindowTitle(QStringLiteral("Résultats des exercices"));
    dialog.setLabelText(QStringLiteral("Nom de l'élève, en tête des résultats (facultatif) :"));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    pupil_ = dialog.textValue().trimmed();
    showResults();
    return true;
}

void ExercisePage::BtnCopierResultatsClick() {
    if (pupilNamed()) {
        QApplication::clipboard()->setText(report().text(QLatin1Char('\t')));
    }
}

void ExercisePage::BtnEnregistrerResultatsClick() {
    if (!pupilNamed()) {
        return;
    }
    const QByteArray csv =
        QByteArray(framework::utf8ByteOrderMark) + report().text(QLatin1Char(';')).toUtf8();
    framework::saveFileAs(this, QStringLiteral("Enregistrer les résultats"),
                          QStringLiteral("resultats-serie-%1.csv").arg(session_->series().number),
                          {QStringLiteral("Fichier CSV (*.csv)")},
                          [&](QIODevice& file, const QString&) { file.write(csv); });
}

void ExercisePage::BtnImprimerResultatsClick() {
    if (!pupilNamed()) {
        return;
    }
    const auto document = report().printout(font(), QDateTime::currentDateTime());
    framework::printWithDialog(this, QStringLiteral("resultats-serie-%1").arg(session_->series().number),
                               *document);
}

void ExercisePage::announce(const QString& text) {
    if (OnAnnounce) {
        OnAnnounce(text);
    }
}

std::vector<QWidget*> ExercisePage::tabOrder() const {
    std::vector<QWidget*> order{Niveau, NumeroSerie, EquationsSerie, Enonce};
    const std::vector<QWidget*> fields = Reponses->tabOrder();
    order.insert(order.end(), fields.begin(), fields.end());
    order.insert(order.end(), {BtnVerifier, BtnSolution, BtnSuivant, BtnVoirReaction, TableauResultats,
                               BtnRecommencer, BtnNouvelleSerie, BtnCopierResultats, BtnEnregistrerResultats,
                               BtnImprimerResultats, MasquerEtatFinal});
    return order;
}

// The fields of a new exercise take their place between the statement and "Vérifier".
void ExercisePage::linkTabOrder() {
    const std::vector<QWidget*> order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace app
