#pragma once
// The zoom window, FicheZoom: the charts of the current transformation at full-screen size on three
// pages (the bar chart, the line chart, both side by side), and a column on the right with the window's
// own initial quantities, the state at X, its own slider and its own simulation. It copies the main
// window's equation and quantities when it becomes active and recomputes everything from the quantities
// typed into it; apart from repairing an empty slot-2 coefficient it writes nothing into the main window.

#include "windows/MainFormData.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QTimer;
class QMenu;
class QSplitter;
class QTabWidget;

namespace chart {
class BarSeries;
class LineSeries;
class TChartView;
} // namespace chart
namespace controls {
class TFlatButton;
class TFloatSpinEdit;
class TGlyphButton;
class TMarkupLabel;
} // namespace controls
namespace framework {
class TShape;
class TStaticText;
class TTimer;
class TTrackBar;
} // namespace framework

namespace windows {

class TStateTablePage;
struct StateTable;
struct WorksheetSource;

class TFicheZoom : public QDialog {
    Q_OBJECT
public:
    TFicheZoom(MainFormData& main, QWidget* owner);
    ~TFicheZoom() override;

    // The maximal advancement for the quantities typed into this window.
    double xmaxZoom() const { return xmaxZoom_; }

    // The size texts and lines are drawn at, in percent, for a lesson projected on a wall: Ctrl++,
    // Ctrl+- and Ctrl+wheel step it by 25 from 100, the design look, up to the largest scale at which
    // every page still fits the window (300 at most); Ctrl+0 returns to 100. Each change shows the scale
    // for a moment.
    int scalePercent() const { return scalePercent_; }
    void setScalePercent(int percent);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The state at the slider's position, from the texts of n1z and n2z read strictly.
    struct SliderState {
        int p = 0;
        double x = 0;
        double n1 = 0;
        double n2 = 0;
        model::Coefficients a;
        model::Quantities q;
    };

    void buildPages();
    void buildColumn();
    void buildMenu();
    void buildScaleKeys();

    // The opening steps, run whenever the window becomes the program's active window.
    void FormActivate();
    void n1zChange(QObject* sender);
    void initialisationClick(QObject* sender);
    void BarZoomChange(QObject* sender);
    void Timer1zoomTimer(QObject* sender);
    void simulationzoomClick();
    void arretClick(QObject* sender);
    void FlatButton1Click(QObject* sender);
    void FlatButton2Click(QObject* sender);
    // "Taille des droites": the eight lines drawn width pixels wide.
    void tailleClick(int width);
    // "Echelle de graduations": the left axes of the four charts labelled every increment.
    void graduationClick(int item);
    void Series1zGetMarkText(chart::BarSeries& sender, int valueIndex, std::string& markText);
    void Series11zGetMarkText(chart::BarSeries& sender, int valueIndex, std::string& markText);

    // The state table as the column shows it, for the page "Tableau d'avancement"; the column's X is at
    // the final state when it shows xmaxZoom.
    StateTable shownTable() const;
    void columnShows(double x);
    WorksheetSource worksheetSource() const;

    SliderState sliderState() const;
    void showState(const SliderState& state);
    // The two bar charts, the fourth bar in both only when asked.
    void fillBars(const std::array<double, 4>& values, bool withSlot4);
    bool species4Present() const;
    void layoutColumns();
    // Where the column's three bands go at a scale: a strip and a top for each, the strips' width and
    // whether every band lies whole within the window's height.
    struct ColumnPlan {
        int stripWidth = 0;
        int width = 0;
        bool whole = true;
        std::array<std::pair<int, double>, 3> bands{};
    };
    ColumnPlan planColumn(double scale) const;
    // Places the column's controls at the scale and returns the column's width.
    int layoutColumn();
    bool fitsAt(int percent);
    bool marksClearThroughTheRun(chart::TChartView& view, const QSize& size, double scale);
    void applyScale(int percent);
    QString formulaMarkup(int slot) const;
    void fitFormulaLabels();
    void showScale(int percent, bool largest);
    void placeScaleLabel();
    // The quantity a field holds, within its bounds, and the text the column shows for it.
    static double quantity(const controls::TFloatSpinEdit* field);
    static QString quantityText(const controls::TFloatSpinEdit* field);
    // The two charts of the side-by-side page take half of it each (an exact half goes to the even width).
    void sharePageBetweenCharts();
    double scale() const { return scalePercent_ / 100.0; }

    MainFormData& main_;
    double xmaxZoom_ = 0;
    double shownX_ = 0; // the X the column shows
    int scalePercent_ = 100;
    int wheelTurn_ = 0; // of the wheel, not yet a whole notch
    // Each control of the column as the design places it, to be placed again at any scale.
    struct ColumnPlace {
        QWidget* control;
        QRect design;
        QFont font;
        bool sizedByContent;
    };
    std::vector<ColumnPlace> columnPlaces_;
    // Whether the opening steps have run.
    bool opened_ = false;
    QLabel* scaleLabel_ = nullptr;
    QTimer* scaleLabelTimer_ = nullptr;

    QTabWidget* PageControleZoom;
    QWidget* TabHisto;
    QWidget* TabCourbes;
    QWidget* TabDeux;
    QSplitter* Splitter1;
    QWidget* Panel1;
    QWidget* Panel2;
    chart::TChartView* Courbe_1;
    chart::TChartView* courbe_2;
    chart::TChartView* courbe_11;
    chart::TChartView* courbe_22;
    chart::BarSeries* Series1z = nullptr;
    chart::BarSeries* Series11z = nullptr;
    std::array<chart::LineSeries*, 4> lines2z{};  // Series2z .. Series5z
    std::array<chart::LineSeries*, 4> lines22z{}; // Series22z .. Series55z
    TStateTablePage* TabTableau = nullptr;

    QWidget* Panelmenu;
    framework::TShape* Shape1;
    framework::TShape* Shape2;
    controls::TMarkupLabel* T1z;
    controls::TMarkupLabel* T2z;
    controls::TMarkupLabel* T11z;
    controls::TMarkupLabel* T22z;
    controls::TMarkupLabel* T3z;
    controls::TMarkupLabel* T4z;
    controls::TMarkupLabel* MarkupLabel1;
    controls::TFloatSpinEdit* n1z;
    controls::TFloatSpinEdit* n2z;
    framework::TStaticText* n1_x;
    framework::TStaticText* n2_x;
    framework::TStaticText* n3_x;
    framework::TStaticText* n4_x;
    framework::TStaticText* nx;
    framework::TStaticText* moles4z;
    controls::TGlyphButton* initialisation;
    controls::TGlyphButton* simulationzoom;
    controls::TGlyphButton* arret;
    framework::TTrackBar* BarZoom;
    controls::TFlatButton* FlatButton1;
    controls::TFlatButton* FlatButton2;
    framework::TTimer* Timer1zoom;

    QMenu* MenuGrapheZoom;
    std::array<QAction*, 5> tailleItems{};
    std::array<QAction*, 6> graduationItems{};
};

// The window while it is shown, as the program's units name it; null otherwise.
extern TFicheZoom* FicheZoom;

} // namespace windows
