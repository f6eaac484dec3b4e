#include "windows/UniteZoom.h"

#include "chart/ChartRenderer.h"
#include "chart/ChartView.h"
#include "chart/FormCharts.h"
#include "chart/TextCache.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "controls/MarkupImageList.h" // markuplabel.h holds a QPointer to it
#include "controls/markuplabel.h"
#include "framework/Announcement.h"
#include "framework/ErrorGuard.h"
#include "framework/FocusMark.h"
#include "framework/FormulaBreak.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
#include "framework/Shape.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"
#include "framework/WorkAreaFit.h"
#include "model/Advancement.h"
#include "windows/FormStyle.h"
#include "windows/SecondaryWindows.h"
#include "windows/SimulationMessages.h"
#include "windows/StateTablePage.h"
#include "windows/Worksheet.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace windows {

TFicheZoom* FicheZoom = nullptr;

namespace {

using framework::TColor;

constexpr int designClientWidth = 789;
constexpr int designClientHeight = 545;
constexpr int designPanel1Width = 337;
// The column on the right keeps this width, times the scale; the pages take the rest.
constexpr int columnWidth = 100;
// The column's design in three bands that stay whole when a large scale makes it taller than the
// window: the initial state, the state at X, the commands. The first band starts below a margin.
constexpr std::array<int, 4> bandEdges{30, 140, 410, designClientHeight};
constexpr int smallestScale = 100;
constexpr int largestScale = 300;
constexpr int scaleStep = 25;
// The scale shows this long after each change, over the pages' top right corner.
constexpr int scaleLabelMs = 2000;
// A plot smaller than this, in the chart's own design pixels, is no longer read from the back of a room.
constexpr QSizeF smallestReadablePlot(200, 150);
// The bars the marks must find room for: the start, the middle and the end of the run.
constexpr std::array<int, 3> runPositions{0, 50, 100};
// The initial quantities the fields take, as in the main window.
constexpr double largestQuantity = 50;
// One notch of a mouse wheel; a touchpad sends smaller turns that add up to it.
constexpr int wheelNotch = 120;
constexpr int splitterWidth = 3;
constexpr int timerInterval = 100;
constexpr int lastPosition = 100;
// Two curves that would lie on one another are drawn this far apart.
constexpr double curveOffset = 0.01;

constexpr std::array<TColor, 4> speciesColors{framework::clTeal, framework::clMaroon, framework::clBlue,
                                              framework::clYellow};
constexpr std::array<int, 5> lineWidths{1, 2, 3, 4, 5};
constexpr int defaultLineWidthItem = 1; // "2"
constexpr std::array<double, 6> graduations{0.1, 0.2, 0.3, 0.4, 0.5, 1};
constexpr int defaultGraduationItem = 4; // "0,5"
// The marks of the side-by-side bar chart are smaller for the seventh equation, whose labels are long.
constexpr int seventhMarksPoints = 10;
constexpr int marksPoints = 12;

const QString ethanoateIon = QStringLiteral("CH<sub>3</sub>COO<sup>-</sup>(aq)");

// A splitter that gives its first pane a chosen width as soon as it has its own size, so that the width
// can be chosen while the page holding it is hidden.
class PaneSplitter : public QSplitter {
public:
    using QSplitter::QSplitter;

    void setFirstWidth(int width) {
        firstWidth_ = width;
        apply();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QSplitter::resizeEvent(event);
        framework::guarded([this] { apply(); });
    }

private:
    void apply() {
        if (firstWidth_ < 0 || width() <= handleWidth()) {
            return;
        }
        setSizes({firstWidth_, std::max(0, width() - handleWidth() - firstWidth_)});
    }

    int firstWidth_ = -1;
};

QWidget* chartPage(QTabWidget* pages, const char* name, const QString& caption) {
    auto* page = new QWidget(pages);
    page->setObjectName(QString::fromLatin1(name));
    page->setAccessibleName(caption);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    pages->addTab(page, caption);
    return page;
}

chart::TChartView* chartIn(QWidget* holder, const char* name, const QString& accessibleName) {
    auto* view = new chart::TChartView(holder);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(accessibleName);
    view->setLocaleProvider([] { return framework::numberLocale(); });
    if (holder->layout() == nullptr) {
        auto* layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    holder->layout()->addWidget(view);
    return view;
}

// The static texts of the column: white on teal; titles bold and underlined.
framework::TStaticText* columnText(QWidget* parent, const char* name, const QString& caption, int left,
                                   int top, bool title = false) {
    auto* text = new framework::TStaticText(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, title, title));
    setBackground(text, framework::clTeal);
    setTextColor(text, framework::clWhite);
    text->move(left, top);
    text->setCaption(caption);
    return text;
}

// The formula labels of the column: auto-sized, white bold text on teal with a grey shadow colour.
controls::TMarkupLabel* formulaLabel(QWidget* parent, const char* name, const QString& accessibleName,
                                     int left, int top, bool underline = false) {
    auto* label = new controls::TMarkupLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(accessibleName);
    controls::SurfaceFont font;
    font.name = QStringLiteral("MS Sans Serif");
    font.pixelSize = 11;
    font.bold = true;
    font.underline = underline;
    font.color = framework::clWhite;
    label->setSurfaceFont(font);
    label->setHover(false);
    label->setParamHint(false);
    label->setShadowColor(framework::clGray);
    label->setShadowOffset(2);
    label->setAutoSizing(true);
    label->move(left, top);
    return label;
}

controls::TFloatSpinEdit* quantityField(QWidget* parent, const char* name, const QString& accessibleName,
                                        int top) {
    auto* field = new controls::TFloatSpinEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(accessibleName);
    field->setFont(formFont());
    field->setColor(framework::clTeal);
    setTextColor(field, framework::clWhite);
    field->setIncrement(0.1);
    // The main window's bounds: a quantity out of them is brought into them when the field is left.
    field->setMinValue(0);
    field->setMaxValue(largestQuantity);
    field->setValue(1);
    field->setGeometry(4, top, 47, 22);
    return field;
}

controls::TGlyphButton* commandButton(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* button = new controls::TGlyphButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setFont(formFont());
    button->setCaption(caption);
    button->setGeometry(6, top, 85, 19);
    return button;
}

controls::TFlatButton* flatButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                                  bool underline, TColor border) {
    auto* button = new controls::TFlatButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setTabStop(true);
    button->setFont(pixelFont(QStringLiteral("Arial"), 11, false, underline));
    setTextColor(button, framework::clBlack);
    button->setGeometry(geometry);
    button->setColor(framework::clPaleYellow);
    button->setColorBorder(border);
    button->setColorOver(framework::rgb(216, 190, 10));
    button->setColorDown(framework::rgb(216, 190, 10));
    button->setColorOverCaption(framework::clBlack);
    button->setCaption(caption);
    return button;
}

void setMarkup(controls::TMarkupLabel* label, const QString& markup) {
    label->HTMLText().clear();
    label->HTMLText().add(markup);
}

std::string plain(const MainFormData& main, int slot) {
    return framework::fromQ(main.plainFormula(slot));
}

} // namespace

TFicheZoom::TFicheZoom(MainFormData& main, QWidget* owner)
    // A dialog border: no button to maximise, minimise or restore it, and no frame to drag.
    : QDialog(owner, fixedDialogBorder)
    , main_(main) {
    setObjectName(QStringLiteral("FicheZoom"));
    setWindowTitle(QStringLiteral("Zoom"));
    setFont(formFont());
    setBackground(this, framework::clPaleYellow);
    resize(designClientWidth, designClientHeight);

    buildPages();
    buildColumn();
    buildMenu();
    buildScaleKeys();
    for (QWidget* control : Panelmenu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* text = qobject_cast<framework::TStaticText*>(control);
        const auto* label = qobject_cast<controls::TMarkupLabel*>(control);
        columnPlaces_.push_back({control, control->geometry(), control->font(),
                                 (text && text->autoSize()) || (label && label->autoSizing())});
    }
    // Maximised, as the whole work area with its frame, at that one size.
    (new framework::WorkAreaFit(
         *this, [this] { return main_.workArea(); }, framework::WorkAreaFit::Border::Fixed))
        ->fit();
    layoutColumns();

    auto* focusMark = new framework::FocusMark(this);
    for (QWidget* control : std::initializer_list<QWidget*>{FlatButton2, FlatButton1, Courbe_1, courbe_2,
                                                            courbe_11, courbe_22}) {
        focusMark->watch(control);
    }
}

TFicheZoom::~TFicheZoom() = default;

void TFicheZoom::buildPages() {
    PageControleZoom = new QTabWidget(this);
    PageControleZoom->setObjectName(QStringLiteral("PageControleZoom"));
    PageControleZoom->setAccessibleName(QStringLiteral("Graphiques"));
    PageControleZoom->setDocumentMode(true);
    setTextColor(PageControleZoom, framework::clBlack);

    TabHisto = chartPage(PageControleZoom, "TabHisto", QStringLiteral("Histogramme évolution"));
    Courbe_1 = chartIn(TabHisto, "Courbe_1", QStringLiteral("Histogramme des quantités de matière"));
    Series1z = &chart::configureCourbe1(*Courbe_1);

    TabCourbes = chartPage(PageControleZoom, "TabCourbes", QStringLiteral("Courbes de l'évolution"));
    courbe_2 = chartIn(TabCourbes, "courbe_2", QStringLiteral("Courbes des quantités de matière"));
    lines2z = chart::configureCourbe2(*courbe_2).series;

    TabDeux = chartPage(PageControleZoom, "TabDeux", QStringLiteral("Histogramme et courbes"));
    auto* splitter = new PaneSplitter(Qt::Horizontal, TabDeux);
    Splitter1 = splitter;
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(splitterWidth);
    Splitter1->setChildrenCollapsible(false);
    TabDeux->layout()->addWidget(Splitter1);
    Panel1 = new QWidget(Splitter1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2 = new QWidget(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Panel2);
    splitter->setFirstWidth(designPanel1Width);
    courbe_11 = chartIn(Panel1, "courbe_11", QStringLiteral("Histogramme des quantités de matière"));
    Series11z = &chart::configureCourbe11(*courbe_11);
    courbe_22 = chartIn(Panel2, "courbe_22", QStringLiteral("Courbes des quantités de matière"));
    lines22z = chart::configureCourbe22(*courbe_22).series;

    // After the three pages of charts, the state table for the whole class to read.
    TabTableau = new TStateTablePage([this] { return shownTable(); }, PageControleZoom);
    TabTableau->setObjectName(QStringLiteral("TabTableau"));
    PageControleZoom->addTab(TabTableau, QStringLiteral("Tableau d'avancement"));

    Series1z->OnGetMarkText = [this](chart::BarSeries& sender, int index, std::string& text) {
        Series1zGetMarkText(sender, index, text);
    };
    Series11z->OnGetMarkText = [this](chart::BarSeries& sender, int index, std::string& text) {
        Series11zGetMarkText(sender, index, text);
    };
}

void TFicheZoom::buildColumn() {
    Panelmenu = new QWidget(this);
    Panelmenu->setObjectName(QStringLiteral("Panelmenu"));
    setBackground(Panelmenu, framework::clPaleYellow);
    QWidget* p = Panelmenu;

    Shape1 =
        new framework::TShape(framework::TShape::Kind::RoundRect, framework::clTeal, framework::clBlack, p);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(2, 30, 93, 109);
    Shape2 =
        new framework::TShape(framework::TShape::Kind::RoundRect, framework::clTeal, framework::clBlack, p);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(2, 140, 93, 271);

    const QString mol = QStringLiteral("mol");
    columnText(p, "StaticText1", QStringLiteral("Etat initial"), 16, 34, true);
    T1z = formulaLabel(p, "T1z", QStringLiteral("Réactif 1"), 2, 52);
    n1z = quantityField(p, "n1z", QStringLiteral("Quantité initiale du réactif 1"), 70);
    columnText(p, "StaticText3", mol, 54, 72);
    T2z = formulaLabel(p, "T2z", QStringLiteral("Réactif 2"), 2, 94);
    n2z = quantityField(p, "n2z", QStringLiteral("Quantité initiale du réactif 2"), 110);
    columnText(p, "StaticText4", mol, 52, 112);

    columnText(p, "StaticText18", QStringLiteral("à l'état X"), 17, 148, true);
    columnText(p, "StaticText2", QStringLiteral("Réactifs"), 21, 176, true);
    T11z = formulaLabel(p, "T11z", QStringLiteral("Réactif 1 à l'état X"), 4, 196);
    n1_x = columnText(p, "n1_x", QStringLiteral("n1"), 16, 214);
    columnText(p, "StaticText7", mol, 50, 214);
    T22z = formulaLabel(p, "T22z", QStringLiteral("Réactif 2 à l'état X"), 6, 234);
    n2_x = columnText(p, "n2_x", QStringLiteral("n1"), 16, 250);
    columnText(p, "StaticText10", mol, 50, 250);
    columnText(p, "StaticText11", QStringLiteral("Produits"), 22, 268, true);
    T3z = formulaLabel(p, "T3z", QStringLiteral("Produit 1 à l'état X"), 6, 288);
    n3_x = columnText(p, "n3_x", QStringLiteral("n1"), 16, 306);
    columnText(p, "StaticText14", mol, 50, 306);
    T4z = formulaLabel(p, "T4z", QStringLiteral("Produit 2 à l'état X"), 4, 324);
    n4_x = columnText(p, "n4_x", QStringLiteral("n1"), 16, 342);
    moles4z = columnText(p, "moles4z", mol, 50, 342);
    MarkupLabel1 = formulaLabel(p, "MarkupLabel1", QStringLiteral("Valeur de X"), 12, 366, true);
    setMarkup(MarkupLabel1, QStringLiteral("Valeur de X"));
    nx = columnText(p, "nx", QStringLiteral("nx"), 18, 384);
    columnText(p, "StaticText6", mol, 52, 384);

    initialisation = commandButton(p, "initialisation", QStringLiteral("Initialisation"), 410);
    simulationzoom = commandButton(p, "simulationzoom", QStringLiteral("Simulation"), 429);
    arret = commandButton(p, "arret", QStringLiteral("Arrêt"), 448);

    BarZoom = new framework::TTrackBar(p);
    BarZoom->setObjectName(QStringLiteral("BarZoom"));
    BarZoom->setAccessibleName(QStringLiteral("Avancement"));
    BarZoom->setRange(0, lastPosition);
    BarZoom->setSingleStep(1);
    BarZoom->setTickInterval(10);
    BarZoom->setTickPosition(QSlider::TicksBelow);
    BarZoom->setGeometry(14, 466, 74, 23);
    BarZoom->ValueText = [this] { return QStringLiteral("X = %1 mol").arg(nx->caption()); };

    FlatButton2 = flatButton(p, "FlatButton2", QStringLiteral("Tableau mesures"), QRect(8, 490, 83, 22), true,
                             framework::clPaleYellow);
    FlatButton2->widenForCaption();
    FlatButton1 = flatButton(p, "FlatButton1", QStringLiteral("Quitter ZOOM"), QRect(10, 520, 79, 22), false,
                             framework::rgb(153, 143, 130));

    Timer1zoom = new framework::TTimer(this);
    Timer1zoom->setObjectName(QStringLiteral("Timer1zoom"));
    Timer1zoom->setInterval(timerInterval);
    Timer1zoom->setEnabled(false);

    // The handlers are attached once the controls hold their design values.
    n1z->OnChange = [this](QObject* sender) { n1zChange(sender); };
    n2z->OnChange = [this](QObject* sender) { n1zChange(sender); };
    initialisation->OnClick = [this](QObject* sender) { initialisationClick(sender); };
    simulationzoom->OnClick = [this](QObject* sender) { Timer1zoomTimer(sender); };
    arret->OnClick = [this](QObject* sender) { arretClick(sender); };
    BarZoom->OnChange = [this](QObject* sender) { BarZoomChange(sender); };
    Timer1zoom->OnTimer = [this](QObject* sender) { Timer1zoomTimer(sender); };
    FlatButton1->OnClick = [this](QObject* sender) { FlatButton1Click(sender); };
    FlatButton2->OnClick = [this](QObject* sender) { FlatButton2Click(sender); };
}

void TFicheZoom::buildMenu() {
    MenuGrapheZoom = new QMenu(this);
    MenuGrapheZoom->setObjectName(QStringLiteral("MenuGrapheZoom"));
    QMenu* sizes = MenuGrapheZoom->addMenu(QStringLiteral("Taille des droites"));
    sizes->setObjectName(QStringLiteral("Tailledesdroites1"));
    for (std::size_t i = 0; i < lineWidths.size(); ++i) {
        const int width = lineWidths[i];
        tailleItems[i] = framework::addMenuItem(
            sizes, QStringLiteral("tailleZoom%1").arg(width), QString::number(width),
            [this, width] { tailleClick(width); }, true);
    }
    tailleItems[defaultLineWidthItem]->setChecked(true);

    QMenu* scales = MenuGrapheZoom->addMenu(QStringLiteral("Echelle de graduations"));
    scales->setObjectName(QStringLiteral("Echelledegraduations1"));
    static constexpr std::array<const char*, 6> names{"N01z", "N02z", "N03z", "N04z", "N05z", "N1gz"};
    for (std::size_t i = 0; i < graduations.size(); ++i) {
        const int item = int(i);
        graduationItems[i] = framework::addMenuItem(
            scales, QString::fromLatin1(names[i]), framework::textMark(graduations[i]),
            [this, item] { graduationClick(item); }, true);
    }
    graduationItems[defaultGraduationItem]->setChecked(true);

    for (chart::TChartView* view : {Courbe_1, courbe_2, courbe_11, courbe_22}) {
        view->setPopupMenu(MenuGrapheZoom);
        // A printed chart names what it shows: the zoom's own quantities and X.
        view->setHeading([this] { return main_.chartHeading(n1z->text(), n2z->text(), nx->caption()); });
    }
    addWorksheetItems(*MenuGrapheZoom, this, [this] { return worksheetSource(); });
    // What the zoom window shows is saved; an opened situation goes to the main window, and this window
    // shows it as at its opening, X where the file puts it.
    addSituationItems(
        *MenuGrapheZoom,
        [this] {
            if (const std::optional<double> advancement = main_.chooseAndOpenSituation(this)) {
                FormActivate();
                BarZoom->setPosition(model::positionNearest(*advancement, xmaxZoom_));
            }
        },
        [this] {
            main_.saveSituation(this, n1z->text(), n2z->text(),
                                model::advancementAt(BarZoom->position(), xmaxZoom_));
        });
}

void TFicheZoom::buildScaleKeys() {
    const auto keys = [this](std::initializer_list<QKeySequence> sequences, std::function<int()> percent) {
        for (const QKeySequence& sequence : sequences) {
            auto* shortcut = new QShortcut(sequence, this);
            connect(shortcut, &QShortcut::activated, this,
                    framework::guard([this, percent] { setScalePercent(percent()); }));
        }
    };
    // Ctrl+= is Ctrl++ without Shift on the keyboards that put "+" above "=".
    keys({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this] { return scalePercent_ + scaleStep; });
    keys({QKeySequence(QKeySequence::ZoomOut)}, [this] { return scalePercent_ - scaleStep; });
    keys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [] { return smallestScale; });

    // The scale is told for a moment, without touching the caption the pupils read.
    scaleLabel_ = new QLabel(this);
    scaleLabel_->setObjectName(QStringLiteral("Echelle"));
    scaleLabel_->setAutoFillBackground(true);
    scaleLabel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    scaleLabel_->setMargin(4);
    setBackground(scaleLabel_, framework::clPaleYellow);
    scaleLabel_->hide();
    scaleLabelTimer_ = new QTimer(this);
    scaleLabelTimer_->setSingleShot(true);
    scaleLabelTimer_->setInterval(scaleLabelMs);
    connect(scaleLabelTimer_, &QTimer::timeout, scaleLabel_, &QWidget::hide);

    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
    installEventFilter(this);
}

bool TFicheZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel ||
        !(static_cast<QWheelEvent*>(event)->modifiers() & Qt::ControlModifier)) {
        return QDialog::eventFilter(watched, event);
    }
    // Ctrl+wheel scales the window wherever the pointer is, rather than turning a field or the slider.
    framework::guarded([&] {
        wheelTurn_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int notches = wheelTurn_ / wheelNotch;
        wheelTurn_ -= notches * wheelNotch;
        setScalePercent(scalePercent_ + notches * scaleStep);
    });
    return true;
}

void TFicheZoom::setScalePercent(int percent) {
    percent = std::clamp(percent, smallestScale, largestScale);
    // Only as far as the pages still fit the window, on the screen it is on.
    while (percent > scalePercent_ && !fitsAt(percent)) {
        percent -= scaleStep;
    }
    const bool largest = percent == largestScale || !fitsAt(percent + scaleStep);
    showScale(percent, largest);
    if (percent == scalePercent_) {
        return;
    }
    applyScale(percent);
}

void TFicheZoom::showScale(int percent, bool largest) {
    scaleLabel_->setText(largest ? QStringLiteral("%1 % (maximum)").arg(percent)
                                 : QStringLiteral("%1 %").arg(percent));
    QFont font = formFont();
    font.setPixelSize(int(std::lrint(2 * 11 * percent / 100.0)));
    font.setBold(true);
    scaleLabel_->setFont(font);
    scaleLabel_->adjustSize();
    placeScaleLabel();
    scaleLabel_->show();
    scaleLabel_->raise();
    scaleLabelTimer_->start();
}

void TFicheZoom::placeScaleLabel() {
    const QRect pages = PageControleZoom->geometry();
    scaleLabel_->move(std::max(0, pages.right() - scaleLabel_->width() - 8),
                      PageControleZoom->tabBar()->height() + 8);
}

void TFicheZoom::applyScale(int percent) {
    scalePercent_ = percent;
    const double s = scale();
    QFont tabs = formFont();
    tabs.setPixelSize(int(std::lrint(tabs.pixelSize() * s)));
    PageControleZoom->tabBar()->setFont(tabs);
    for (chart::TChartView* view : {Courbe_1, courbe_2, courbe_11, courbe_22}) {
        view->setScale(s);
    }
    TabTableau->setScale(s);
    for (const ColumnPlace& place : columnPlaces_) {
        if (place.font.pixelSize() > 0) {
            QFont font = place.font;
            font.setPixelSize(int(std::lrint(place.font.pixelSize() * s)));
            place.control->setFont(font);
        }
    }
    fitFormulaLabels();
    layoutColumns();
    // The column took or gave back room: the two charts of the side-by-side page share it again.
    sharePageBetweenCharts();
}

TFicheZoom::ColumnPlan TFicheZoom::planColumn(double s) const {
    ColumnPlan plan;
    plan.stripWidth = int(std::lrint(columnWidth * s));
    // A column taller than the window goes on in another strip on its right: each band takes the first
    // strip with room for it. The design column keeps its one strip in a window shorter than it.
    const double limit = std::max(height(), designClientHeight);
    std::vector<double> stripBottoms;
    for (std::size_t band = 0; band < plan.bands.size(); ++band) {
        const double bandHeight = (bandEdges[band + 1] - bandEdges[band]) * s;
        std::size_t strip = 0;
        while (strip < stripBottoms.size() && stripBottoms[strip] + bandHeight > limit) {
            ++strip;
        }
        if (strip == stripBottoms.size()) {
            stripBottoms.push_back(bandEdges[0] * s);
        }
        plan.bands[band] = {int(strip), stripBottoms[strip]};
        stripBottoms[strip] += bandHeight;
        plan.whole = plan.whole && stripBottoms[strip] <= limit;
    }
    plan.width = int(stripBottoms.size()) * plan.stripWidth;
    return plan;
}

int TFicheZoom::layoutColumn() {
    const double s = scale();
    const ColumnPlan plan = planColumn(s);
    for (const ColumnPlace& place : columnPlaces_) {
        const auto next = std::upper_bound(bandEdges.begin() + 1, bandEdges.end() - 1, place.design.top());
        const std::size_t band = std::size_t(next - bandEdges.begin() - 1);
        const auto [strip, top] = plan.bands[band];
        const QPoint at(strip * plan.stripWidth + int(std::lrint(place.design.left() * s)),
                        int(std::lrint(top + (place.design.top() - bandEdges[band]) * s)));
        if (place.sizedByContent) {
            place.control->move(at);
        } else {
            place.control->setGeometry(QRect(at, QSize(int(std::lrint(place.design.width() * s)),
                                                       int(std::lrint(place.design.height() * s)))));
        }
    }
    return plan.width;
}

// Whether every page fits the window at the scale: the column whole in its strips, the tabs across the
// pages, every plot still readable and every bar mark clear of the bars, the axes and the other marks
// from the start of the run to its end.
bool TFicheZoom::fitsAt(int percent) {
    if (percent <= smallestScale) {
        return true;
    }
    if (percent > largestScale) {
        return false;
    }
    const double s = percent / 100.0;
    const ColumnPlan column = planColumn(s);
    const int pageWidth = width() - column.width;
    if (!column.whole || pageWidth <= 0) {
        return false;
    }
    QTabBar* tabBar = PageControleZoom->tabBar();
    QFont tabFont = formFont();
    tabFont.setPixelSize(int(std::lrint(tabFont.pixelSize() * s)));
    const QFontMetrics now(tabBar->font());
    const QFontMetrics scaled(tabFont);
    int tabsWidth = 0;
    for (int tab = 0; tab < tabBar->count(); ++tab) {
        const int padding = tabBar->tabRect(tab).width() - now.horizontalAdvance(tabBar->tabText(tab));
        tabsWidth += scaled.horizontalAdvance(tabBar->tabText(tab)) + std::max(0, padding);
    }
    const int pageHeight = height() - (tabBar->sizeHint().height() - now.height() + scaled.height());
    if (tabsWidth > pageWidth || pageHeight <= 0) {
        return false;
    }
    const QSize whole(pageWidth, pageHeight);
    const QSize half(int(std::lrint(pageWidth / 2.0)), pageHeight);
    const QSize rest(pageWidth - half.width() - splitterWidth, pageHeight);
    chart::TextCache text;
    for (const auto& [view, size] :
         {std::pair{Courbe_1, whole}, {courbe_2, whole}, {courbe_11, half}, {courbe_22, rest}}) {
        const QSizeF plot = chart::ChartRenderer(*view, view->layoutSize(size, s), text).plotArea().size();
        if (plot.width() < smallestReadablePlot.width() || plot.height() < smallestReadablePlot.height()) {
            return false;
        }
    }
    return marksClearThroughTheRun(*Courbe_1, whole, s) && marksClearThroughTheRun(*courbe_11, half, s);
}

// The bar chart's marks at the start, the middle and the end of the run, on a copy of the chart.
bool TFicheZoom::marksClearThroughTheRun(chart::TChartView& view, const QSize& size, double s) {
    const double n1 = quantity(n1z);
    const double n2 = quantity(n2z);
    const model::Coefficients a = main_.coefficients();
    const QSizeF layout = view.layoutSize(size, s);
    chart::TextCache text;
    for (const int position : runPositions) {
        chart::ChartModel copy;
        copy.setLocaleProvider([] { return framework::numberLocale(); });
        chart::BarSeries& bars =
            &view == Courbe_1 ? chart::configureCourbe1(copy) : chart::configureCourbe11(copy);
        bars.OnGetMarkText = view.barSeries(0).OnGetMarkText;
        copy.leftAxis().setMaximum(view.leftAxis().maximum());
        copy.leftAxis().setIncrement(view.leftAxis().increment());
        const model::Quantities q = model::quantitiesAt(n1, n2, a, model::advancementAt(position, xmaxZoom_));
        const std::array<double, 4> values = q.bySlot();
        for (int slot = 1; slot <= (species4Present() ? 4 : 3); ++slot) {
            bars.addBar(values[std::size_t(slot - 1)], plain(main_, slot),
                        speciesColors[std::size_t(slot - 1)]);
        }
        if (!chart::ChartRenderer(copy, layout, text).marksClear()) {
            return false;
        }
    }
    return true;
}

void TFicheZoom::sharePageBetweenCharts() {
    static_cast<PaneSplitter*>(Splitter1)->setFirstWidth(int(std::lrint(PageControleZoom->width() / 2.0)));
}

void TFicheZoom::layoutColumns() {
    const int pageWidth = std::max(0, width() - layoutColumn());
    PageControleZoom->setGeometry(0, 0, pageWidth, height());
    Panelmenu->setGeometry(pageWidth, 0, width() - pageWidth, height());
    // A larger scale widens the column: the scale shown goes with the pages' edge, clear of the column.
    placeScaleLabel();
}

void TFicheZoom::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    framework::guarded([&] {
        // A smaller screen may no longer hold the scale chosen on a larger one.
        while (!fitsAt(scalePercent_)) {
            applyScale(scalePercent_ - scaleStep);
        }
        layoutColumns();
        sharePageBetweenCharts();
    });
}

void TFicheZoom::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The opening steps run once per opening: coming back from the measurement table, an error box or
    // another program keeps the page, the quantities and the slider the pupil left.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !opened_) {
        framework::guarded([this] {
            opened_ = true;
            FormActivate();
        });
    }
}

QString TFicheZoom::formulaMarkup(int slot) const {
    // The main window carries the water of the seventh equation with the ethanoate ion; here the ion
    // stands alone.
    return slot == 4 && main_.seventhEquationChecked() ? ethanoateIon : main_.zoomMarkupFirstLine(slot);
}

// A teacher's formula may be wider than the column: it shrinks with the column's other texts in
// proportion, down to a smallest size, and then goes on two lines, smaller again, in the height of one
// line as designed, rather than run past the window or over the value under it.
void TFicheZoom::fitFormulaLabels() {
    constexpr int smallestPixels = 7;
    constexpr int smallestTwoLinePixels = 5;
    constexpr int margin = 4;
    const double s = scale();
    const std::array<std::pair<controls::TMarkupLabel*, int>, 6> formulas{
        {{T1z, 1}, {T11z, 1}, {T2z, 2}, {T22z, 2}, {T3z, 3}, {T4z, 4}}};
    for (const auto& [label, slot] : formulas) {
        const auto place = std::find_if(columnPlaces_.begin(), columnPlaces_.end(),
                                        [label](const ColumnPlace& p) { return p.control == label; });
        const int width = int(std::lrint((columnWidth - place->design.left() - margin) * s));
        int oneLineHeight = 0;
        const QString markup = formulaMarkup(slot);
        const QString broken = framework::brokenFormula(markup);
        for (const QString& lines : {markup, broken}) {
            const bool twoLines = lines != markup;
            const auto fits = [&] {
                return label->width() <= width && (!twoLines || label->height() <= oneLineHeight);
            };
            setMarkup(label, lines);
            QFont font = place->font;
            font.setPixelSize(int(std::lrint(place->font.pixelSize() * s)));
            label->setFont(font);
            if (!twoLines) {
                oneLineHeight = label->height();
            }
            const int smallest = int(std::lrint((twoLines ? smallestTwoLinePixels : smallestPixels) * s));
            while (!fits() && font.pixelSize() > smallest) {
                font.setPixelSize(font.pixelSize() - 1);
                label->setFont(font);
            }
            if (fits()) {
                break;
            }
        }
    }
}

void TFicheZoom::FormActivate() {
    PageControleZoom->setCurrentIndex(0);
    layoutColumns();
    sharePageBetweenCharts();

    const bool slot4 = !main_.plainFormula(4).isEmpty();
    T4z->setVisible(slot4);
    fitFormulaLabels();

    // Named after their species, as the main window's fields are.
    n1z->setAccessibleName(QStringLiteral("Quantité initiale de %1 (mol)").arg(main_.plainFormula(1)));
    n2z->setAccessibleName(QStringLiteral("Quantité initiale de %1 (mol)").arg(main_.plainFormula(2)));

    n1z->setText(main_.initialQuantityText(1));
    n1_x->setCaption(main_.initialQuantityText(1));
    n2z->setText(main_.initialQuantityText(2));
    n2_x->setCaption(main_.initialQuantityText(2));
    n3_x->setCaption(QStringLiteral("0"));
    n4_x->setCaption(QStringLiteral("0"));
    nx->setCaption(QStringLiteral("0"));
    n4_x->setVisible(slot4);
    moles4z->setVisible(slot4);

    fillBars({main_.initialQuantityValue(1), main_.initialQuantityValue(2), 0, 0}, slot4);
    n1zChange(this);
}

void TFicheZoom::fillBars(const std::array<double, 4>& values, bool withSlot4) {
    for (chart::BarSeries* bars : {Series1z, Series11z}) {
        bars->clear();
        for (int slot = 1; slot <= 3; ++slot) {
            bars->addBar(values[std::size_t(slot - 1)], plain(main_, slot),
                         speciesColors[std::size_t(slot - 1)]);
        }
    }
    // The fourth bar goes to the first chart and then to the second, as the three others did.
    if (withSlot4) {
        for (chart::BarSeries* bars : {Series1z, Series11z}) {
            bars->addBar(values[3], plain(main_, 4), speciesColors[3]);
        }
    }
}

bool TFicheZoom::species4Present() const {
    return !moles4z->isHidden();
}

double TFicheZoom::quantity(const controls::TFloatSpinEdit* field) {
    return std::clamp(field->value(), field->minValue(), field->maxValue());
}

QString TFicheZoom::quantityText(const controls::TFloatSpinEdit* field) {
    // The field's own text while it is a quantity within the bounds (5 stays 5); otherwise the quantity
    // the window computes with, so that the column says what the bars and the curves show.
    const double read = framework::lenientReal(field->text(), std::numeric_limits<double>::quiet_NaN());
    return read == quantity(field) ? field->text() : framework::textG15(quantity(field));
}

void TFicheZoom::n1zChange(QObject*) {
    const double n1 = quantity(n1z);
    const double n2 = quantity(n2z);
    const int a1 = framework::strictInteger(main_.coefficientText(1));
    if (main_.coefficientText(2).isEmpty()) {
        main_.setCoefficientText(2, QStringLiteral("1"));
    }
    const int a2 = framework::strictInteger(main_.coefficientText(2));
    const int a3 = framework::strictInteger(main_.coefficientText(3));
    const model::Extent extent = model::extentOf(n1, a1, n2, a2, a3);
    xmaxZoom_ = extent.xmax;

    courbe_2->bottomAxis().setMaximum(extent.axes.bottomMaximum);
    courbe_2->bottomAxis().setIncrement(extent.axes.bottomIncrement);
    Courbe_1->leftAxis().setMaximum(extent.axes.leftMaximum);
    courbe_2->leftAxis().setMaximum(extent.axes.leftMaximum);
    courbe_22->bottomAxis().setMaximum(extent.axes.bottomMaximum);
    courbe_22->bottomAxis().setIncrement(extent.axes.bottomIncrement);
    courbe_11->leftAxis().setMaximum(extent.axes.leftMaximum);
    courbe_22->leftAxis().setMaximum(extent.axes.leftMaximum);
    initialisationClick(this);
}

void TFicheZoom::initialisationClick(QObject*) {
    n1_x->setCaption(quantityText(n1z));
    n2_x->setCaption(quantityText(n2z));
    nx->setCaption(QStringLiteral("0"));
    columnShows(0);
    fillBars({quantity(n1z), quantity(n2z), 0, 0}, species4Present());
    BarZoom->setPosition(0);
    for (const auto* set : {&lines2z, &lines22z}) {
        for (std::size_t i = 0; i < set->size(); ++i) {
            (*set)[i]->clear();
            (*set)[i]->setTitle(plain(main_, int(i) + 1));
        }
    }
    lines2z[3]->setShowInLegend(species4Present());
    lines22z[3]->setShowInLegend(species4Present());
}

TFicheZoom::SliderState TFicheZoom::sliderState() const {
    SliderState state;
    state.p = BarZoom->position();
    state.x = model::advancementAt(state.p, xmaxZoom_);
    // A number out of the fields' bounds counts as the bound it passed, as the field will make it.
    state.n1 = std::clamp(framework::strictReal(n1z->text()), n1z->minValue(), n1z->maxValue());
    state.n2 = std::clamp(framework::strictReal(n2z->text()), n2z->minValue(), n2z->maxValue());
    state.a = main_.coefficients();
    state.q = model::quantitiesAt(state.n1, state.n2, state.a, state.x);
    return state;
}

void TFicheZoom::BarZoomChange(QObject*) {
    const SliderState state = sliderState();
    // A reactant cannot go below nothing: the slider shows no state past the limiting reactant's end.
    if (state.q.q1 < 0 || state.q.q2 < 0) {
        return;
    }
    showState(state);
}

void TFicheZoom::showState(const SliderState& state) {
    n1_x->setCaption(framework::textF3(state.q.q1));
    n2_x->setCaption(framework::textF3(state.q.q2));
    n3_x->setCaption(framework::textF3(state.q.q3));
    n4_x->setCaption(framework::textF3(state.q.q4));
    nx->setCaption(framework::textF3(state.x));
    columnShows(state.x);
    fillBars(state.q.bySlot(), species4Present());

    for (const auto* set : {&lines2z, &lines22z}) {
        for (chart::LineSeries* line : *set) {
            line->clear();
        }
    }
    // Two reactants in the same proportions would draw one curve over the other, and so would two products
    // of equal coefficients: the first of each pair is lifted a little.
    const bool reactantsCoincide = state.n1 == state.n2 && state.a.a1 == state.a.a2;
    const double offset1 = reactantsCoincide ? curveOffset : 0;
    const double offset4 = main_.fourthCurveLifted() ? curveOffset : 0;
    for (const model::Sample& sample : model::curveSamples(state.p, xmaxZoom_, state.n1, state.n2, state.a)) {
        const double x = sample.x;
        const model::Quantities& q = sample.quantities;
        lines2z[0]->addXY(x, q.q1 + offset1, {}, speciesColors[0]);
        lines2z[1]->addXY(x, q.q2, {}, speciesColors[1]);
        lines2z[2]->addXY(x, q.q3, {}, speciesColors[2]);
        lines22z[0]->addXY(x, q.q1 + offset1, {}, speciesColors[0]);
        lines22z[1]->addXY(x, q.q2, {}, speciesColors[1]);
        lines22z[2]->addXY(x, q.q3, {}, speciesColors[2]);
        if (species4Present()) {
            lines2z[3]->addXY(x, q.q4 + offset4, {}, speciesColors[3]);
            lines22z[3]->addXY(x, q.q4 + offset4, {}, speciesColors[3]);
        }
    }
}

void TFicheZoom::columnShows(double x) {
    shownX_ = x;
    TabTableau->refresh();
}

StateTable TFicheZoom::shownTable() const {
    StateTable table = stateTableOf(main_, n1z->text(), n2z->text());
    table.duringX = nx->caption();
    table.during = {n1_x->caption(), n2_x->caption(), n3_x->caption(), n4_x->caption()};
    // As in the main window, the final row shows once X has reached the maximal advancement.
    table.finalRowShown = model::isFinalState(shownX_, xmaxZoom_);
    if (table.finalRowShown) {
        table.finalX = table.duringX;
        table.finals = table.during;
    }
    return table;
}

WorksheetSource TFicheZoom::worksheetSource() const {
    return {main_, n1z->text(), n2z->text(), xmaxZoom_};
}

void TFicheZoom::Timer1zoomTimer(QObject*) {
    const framework::StopTimerOnFailure stopOnFailure(*Timer1zoom);
    simulationzoomClick();
}

void TFicheZoom::simulationzoomClick() {
    const bool wasRunning = Timer1zoom->enabled();
    Timer1zoom->setEnabled(true);
    if (BarZoom->position() == lastPosition) {
        Timer1zoom->setEnabled(false);
        framework::TAnnouncement::of(this)->announce(simulationFinished(framework::textG15(xmaxZoom_)));
        return;
    }
    BarZoom->setPosition(BarZoom->position() + 1);
    // The slider's own handler stops short of a quantity below zero; the run always reaches its end, where
    // the limiting reactant may be a rounding residue away from zero.
    showState(sliderState());
    if (!wasRunning) {
        framework::TAnnouncement::of(this)->announce(simulationStarted(nx->caption()));
    }
}

void TFicheZoom::arretClick(QObject*) {
    const bool wasRunning = Timer1zoom->enabled();
    Timer1zoom->setEnabled(false);
    if (wasRunning) {
        framework::TAnnouncement::of(this)->announce(simulationStopped(nx->caption()));
    }
}

void TFicheZoom::FlatButton1Click(QObject*) {
    reject();
}

void TFicheZoom::FlatButton2Click(QObject*) {
    // The table reads the main window, not this one.
    showMeasurementTable(main_, this);
}

void TFicheZoom::tailleClick(int width) {
    for (std::size_t i = 0; i < lineWidths.size(); ++i) {
        tailleItems[i]->setChecked(lineWidths[i] == width);
    }
    for (const auto* set : {&lines2z, &lines22z}) {
        for (chart::LineSeries* line : *set) {
            line->setLineWidth(width);
        }
    }
}

void TFicheZoom::graduationClick(int item) {
    const double increment = graduations[std::size_t(item)];
    for (chart::TChartView* view : {Courbe_1, courbe_11, courbe_2, courbe_22}) {
        view->leftAxis().setIncrement(increment);
    }
    for (std::size_t i = 0; i < graduationItems.size(); ++i) {
        graduationItems[i]->setChecked(int(i) == item);
    }
}

void TFicheZoom::Series1zGetMarkText(chart::BarSeries& sender, int valueIndex, std::string& markText) {
    markText = sender.pointLabel(valueIndex) + '\r' + sender.formatValue(sender.point(valueIndex).y) + " mol";
}

void TFicheZoom::Series11zGetMarkText(chart::BarSeries& sender, int valueIndex, std::string& markText) {
    Series1zGetMarkText(sender, valueIndex, markText);
    sender.marks().setFontSize(main_.seventhEquationChecked() ? seventhMarksPoints : marksPoints);
}

} // namespace windows
