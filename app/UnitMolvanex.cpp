#include "app/UnitMolvanex.h"

#include "app/ExercisePage.h"
#include "app/MainLayout.h"
#include "app/MainWindowSupport.h"
#include "app/TeacherPage.h"
#include "app/UserGuide.h"
#include "chart/ChartView.h"
#include "framework/ErrorGuard.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/WorkAreaFit.h"
#include "windows/EquationList.h"
#include "windows/SecondaryWindows.h"

#include <QEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace app {

using namespace support;

namespace {

constexpr int simulationInterval = 100; // ms per step
constexpr double barChartWidthShare = 0.42;
constexpr double lineChartWidthShare = 0.58;
constexpr int chartGap = 5;
constexpr int chartHeightAllowance = 300; // the window's height less the charts' height

// Banker's rounding, as the window's chart sizing rounds its shares of the width.
int roundHalfEven(double value) {
    return int(std::nearbyint(value));
}

} // namespace

TFiche_molvanex::TFiche_molvanex(QWidget* parent, WorkArea workArea)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , workArea_(std::move(workArea)) {
    setObjectName(QStringLiteral("Fiche_molvanex"));
    setWindowTitle(QStringLiteral("Chimie générale - seconde"));
    setAccessibleName(windowTitle());
    setFont(fontOf(layout::windowFont));
    setAutoFillBackground(true);
    setColors(this, framework::clBlack, layout::windowColor);
    place(this, layout::designedWindow);

    buildPage();
    buildPresetSelector();
    buildEquationBand();
    buildStateTable();
    buildStorage();
    buildCharts();
    buildMenus();
    buildButtonColumn();
    buildTeacherPage();
    buildExercisePage();
    // The state table becomes a Tab stop before the Tab order is set.
    buildScreenReaderAccess();
    buildKeyboardAccess();
    Timer1 = new framework::TTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(simulationInterval);
    connectEvents();

    // The window fills the work area, its frame included, whatever the window manager makes of it.
    (new framework::WorkAreaFit(
         *this, [this] { return this->workArea(); }, framework::WorkAreaFit::Border::Sizeable))
        ->fit();
    FormCreate();
    // A kept list that cannot be read is told, and the program goes on with an empty one.
    framework::guarded([this] { teachersList_->load(); });
    TabEquations->refresh();
    TabExercices->refreshEquations();
}

TFiche_molvanex::~TFiche_molvanex() = default;

// ---------------------------------------------------------------------------------------------------
// Creation and activation

void TFiche_molvanex::FormCreate() {
    for (QWidget* holder : std::initializer_list<QWidget*>{ST1, ST2, ST3, ST4}) {
        holder->hide();
    }
    BtnInitialClick();
}

void TFiche_molvanex::FormActivate() {
    sizeCharts();
}

QRect TFiche_molvanex::workArea() const {
    return workArea_ ? workArea_() : screen()->availableGeometry();
}

void TFiche_molvanex::sizeCharts() {
    const QSize outer = frameGeometry().size();
    // The charts never reach beyond the page, whose frame and tab row take part of the window's height,
    // and whose right edge lies inside the window's frame: the shares of the outer width would push the
    // line chart's legend past it.
    const int room = std::max(0, TabSheet1->height() - layout::barChart.top);
    const int height = std::clamp(outer.height() - chartHeightAllowance, 0, room);
    const int barWidth = roundHalfEven(outer.width() * barChartWidthShare);
    const int lineLeft = barWidth + chartGap;
    const int lineWidth = std::clamp(roundHalfEven(outer.width() * lineChartWidthShare), 0,
                                     std::max(0, TabSheet1->width() - lineLeft));
    Chart1->setGeometry(layout::barChart.left, layout::barChart.top, barWidth, height);
    Chart2->setGeometry(lineLeft, layout::lineChart.top, lineWidth, height);
}

void TFiche_molvanex::placeInitialStateTitle() {
    const QPoint origin = TabSheet1->mapTo(this, QPoint(0, 0));
    StaticText4->move(origin +
                      QPoint(layout::initialStateTitleOnPage.left, layout::initialStateTitleOnPage.top));
    StaticText4->raise();
}

void TFiche_molvanex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    framework::guarded([this] {
        placeInitialStateTitle();
        FormActivate();
    });
}

void TFiche_molvanex::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        framework::guarded([this] { FormActivate(); });
    }
}

bool TFiche_molvanex::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TabSheet1 && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        framework::guarded([this, resized = event->type() == QEvent::Resize] {
            placeInitialStateTitle();
            // A window manager or a change of screen may resize the window at any time: the charts
            // follow at once rather than at the next activation.
            if (resized) {
                sizeCharts();
            }
        });
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------
// Secondary windows, the guide and quitting

void TFiche_molvanex::BtnZoomClick() {
    windows::showZoomWindow(*this, this);
}

void TFiche_molvanex::FlatButton3Click() {
    windows::showMeasurementTable(*this, this);
}

void TFiche_molvanex::GlyphButton3Click() {
    windows::EquationEditorLinks links;
    links.list = teachersList_.get();
    links.use = [this](const windows::EquationChoice& choice) { useTeachersEquation(choice); };
    windows::showNewEquationEditor(this, std::move(links));
    TabEquations->refresh();
}

void TFiche_molvanex::btnproposClick() {
    windows::showAboutBox(this);
}

void TFiche_molvanex::FlatButton2Click() {
    openUserGuide(this);
}

void TFiche_molvanex::FlatButton1Click() {
    close();
}

} // namespace app
