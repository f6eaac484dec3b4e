#include "app/UnitMolvanex.h"

#include "app/MainLayout.h"
#include "app/UserGuide.h"
#include "chart/ChartView.h"
#include "chart/FormCharts.h"
#include "controls/BevelCheck.h"
#include "controls/CheckRow.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "controls/MarkupImageList.h" // complete before the label header, whose QPointer needs it
#include "controls/markuplabel.h"
#include "framework/AccessibleTable.h"
#include "framework/Announcement.h"
#include "framework/Edit.h"
#include "framework/ErrorGuard.h"
#include "framework/FocusMark.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
#include "framework/QtColor.h"
#include "framework/Shape.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"
#include "model/Advancement.h"
#include "model/Equation.h"
#include "model/Failure.h"
#include "windows/SecondaryWindows.h"

#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

using framework::fromQ;
using framework::TColor;
using framework::toQ;

constexpr int sliderMaximum = 100;
constexpr int simulationInterval = 100; // ms per step
// Two lines that would lie on top of each other are drawn this far apart (mol).
constexpr double lineSeparation = 0.01;
constexpr double barChartWidthShare = 0.42;
constexpr double lineChartWidthShare = 0.58;
constexpr int chartGap = 5;
constexpr int chartHeightAllowance = 300; // the window's height less the charts' height
constexpr int normalMarksPoints = 11;
constexpr int smallMarksPoints = 10; // the long formulas of the seventh equation
constexpr std::array<double, 6> graduations{0.1, 0.2, 0.3, 0.4, 0.5, 1.0};
const std::array<QString, 6> graduationCaptions{QStringLiteral("0,1"), QStringLiteral("0,2"),
                                                QStringLiteral("0,3"), QStringLiteral("0,4"),
                                                QStringLiteral("0,5"), QStringLiteral("1")};
constexpr int initialGraduation = 4; // 0,5
constexpr int initialLineWidth = 2;

// The equations as a screen reader names their check boxes.
constexpr std::array<const char*, 7> equationNames{"C + O2",  "CuO + C", "Al + S",         "H2S + SO2",
                                                   "H2 + O2", "Fe + O2", "HCO3- + CH3COOH"};

// Colour of each slot's bar and line points.
constexpr std::array<TColor, 4> slotColors{framework::clTeal, framework::clMaroon, framework::clBlue,
                                           framework::clYellow};

QFont fontOf(const layout::FontSpec& fontStyle) {
    QFont font(QString::fromLatin1(fontStyle.face));
    font.setPixelSize(fontStyle.pixelSize);
    font.setBold(fontStyle.bold);
    font.setUnderline(fontStyle.underline);
    return font;
}

void place(QWidget* widget, const layout::Bounds& b) {
    widget->setGeometry(b.left, b.top, b.width, b.height);
}

void place(QWidget* widget, const layout::Place& p) {
    widget->move(p.left, p.top);
}

void setColors(QWidget* widget, TColor text, TColor background) {
    QPalette pal = widget->palette();
    const QColor fore = framework::toQColor(text);
    const QColor back = framework::toQColor(background);
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Text, fore);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Base, back);
    widget->setPalette(pal);
}

// The label's markup is written as the windows always write it: the text cleared, then one line.
void setMarkup(controls::TMarkupLabel* label, const QString& markup) {
    label->HTMLText().clear();
    if (!markup.isEmpty()) {
        label->HTMLText().add(markup);
    }
}

void appendMarkup(controls::TMarkupLabel* label, const QString& markup) {
    label->HTMLText().add(markup);
}

QString firstMarkupLine(const controls::TMarkupLabel* label) {
    const QStringList& lines = label->HTMLText().lines();
    return lines.isEmpty() ? QString() : lines.first();
}

controls::SurfaceFont surfaceFontOf(const layout::FontSpec& fontStyle, TColor color) {
    controls::SurfaceFont font;
    font.name = QString::fromLatin1(fontStyle.face);
    font.pixelSize = fontStyle.pixelSize;
    font.bold = fontStyle.bold;
    font.underline = fontStyle.underline;
    font.color = color;
    return font;
}

// Every markup label of the window sizes itself to its text.
controls::TMarkupLabel* markupLabel(QWidget* parent, const char* name, const controls::SurfaceFont& font) {
    auto* label = new controls::TMarkupLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setSurfaceFont(font);
    label->setAutoSizing(true);
    return label;
}

// A value written into a display-only field is shown from its first character, so that a long G15
// advancement shows its leading digits rather than its last ones.
void showValue(framework::TEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

// Banker's rounding, as the window's chart sizing rounds its shares of the width.
int roundHalfEven(double value) {
    return int(std::nearbyint(value));
}

using Handler = void (TFiche_molvanex::*)();
constexpr std::array<Handler, 7> presetLoaders{
    &TFiche_molvanex::BtnInitialClick, &TFiche_molvanex::BtnCuOClick, &TFiche_molvanex::BtnAlSClick,
    &TFiche_molvanex::BtnH2SClick,     &TFiche_molvanex::BtnH2Click,  &TFiche_molvanex::BtnFeClick,
    &TFiche_molvanex::BtnHAClick,
};

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
    buildKeyboardAccess();
    buildScreenReaderAccess();
    Timer1 = new framework::TTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(simulationInterval);
    connectEvents();

    fitToWorkArea();
    FormCreate();
}

TFiche_molvanex::~TFiche_molvanex() = default;

// ---------------------------------------------------------------------------------------------------
// Building the window

void TFiche_molvanex::buildPage() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    // Tabs drawn as buttons, captions in the window's pale yellow on the table's teal.
    PageControl1->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { background: #008080; color: #FFFFCE; font-weight: bold; padding: 4px 12px;"
        " margin: 2px 2px 0px 2px; border: 2px outset #40A0A0; border-radius: 2px; }"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet1->setAutoFillBackground(true);
    setColors(TabSheet1, framework::clBlack, layout::windowColor);
    PageControl1->addTab(TabSheet1, QStringLiteral("Réaction chimique"));
    PageControl1->setAccessibleName(QStringLiteral("Pages"));
    TabSheet1->setAccessibleName(QStringLiteral("Réaction chimique"));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(PageControl1);
    TabSheet1->installEventFilter(this);
}

void TFiche_molvanex::buildPresetSelector() {
    presetBoxes_ = {
        BevelCheck1 = new controls::TBevelCheck(TabSheet1),
        BevelCheck2 = new controls::TBevelCheck(TabSheet1),
        BevelCheck3 = new controls::TBevelCheck(TabSheet1),
        BevelCheck4 = new controls::TBevelCheck(TabSheet1),
        BevelCheck5 = new controls::TBevelCheck(TabSheet1),
        BevelCheck6 = new controls::TBevelCheck(TabSheet1),
        BevelCheck7 = new controls::TBevelCheck(TabSheet1),
    };
    const std::array<controls::TMarkupLabel**, 7> titles{
        &Titre1, &MarkupLabel1, &MarkupLabel2, &MarkupLabel3, &MarkupLabel4, &MarkupLabel5, &MarkupLabel6};
    const std::array<const char*, 7> titleNames{"Titre1",       "MarkupLabel1", "MarkupLabel2",
                                                "MarkupLabel3", "MarkupLabel4", "MarkupLabel5",
                                                "MarkupLabel6"};
    for (std::size_t i = 0; i < presetBoxes_.size(); ++i) {
        const layout::PresetPlace& where = layout::presetPlaces[i];
        const model::Preset& preset = model::presetCatalogue()[i];
        controls::TBevelCheck* box = presetBoxes_[i];
        box->setObjectName(QStringLiteral("BevelCheck%1").arg(i + 1));
        box->setGeometry(where.checkLeft, layout::presetTop, layout::presetCheckWidth,
                         layout::presetCheckHeight);
        box->setAccessibleName(QStringLiteral("Équation %1").arg(QString::fromUtf8(equationNames[i])));

        auto* title =
            markupLabel(TabSheet1, titleNames[i], surfaceFontOf(layout::presetTitleFont, framework::clBlack));
        *titles[i] = title;
        title->move(where.titleLeft, where.titleTop);
        setMarkup(title, toQ(preset.title));
    }
    // The form's caption of the first box; it lies outside the 15-pixel control and is never seen.
    BevelCheck1->setCaption(QStringLiteral("BevelCheck1"));
    BevelCheck1->setChecked(true);
}

void TFiche_molvanex::buildEquationBand() {
    Shape3 = new framework::TShape(framework::TShape::Kind::RoundRect, layout::tableColor, framework::clBlack,
                                   TabSheet1);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    place(Shape3, layout::equationBand);

    const controls::SurfaceFont equationFont = surfaceFontOf(layout::equationFont, layout::tableTextColor);
    Reactifs = markupLabel(TabSheet1, "Reactifs", equationFont);
    Reactifs->setParamColor(framework::clTeal);
    place(Reactifs, layout::reactantsSide);

    // The symbol-font arrow of the design, drawn with the serif face's own right arrow.
    StaticText11 = new framework::TStaticText(QStringLiteral("\u2192"), TabSheet1);
    StaticText11->setObjectName(QStringLiteral("StaticText11"));
    StaticText11->setAutoSize(false);
    StaticText11->setAlignment(Qt::AlignCenter);
    place(StaticText11, layout::equationArrow);
    StaticText11->setAccessibleName(QStringLiteral("donnent"));

    StaticText11->setFont(fontOf(layout::equationArrowFont));
    setColors(StaticText11, layout::tableTextColor, layout::tableColor);

    Produits = markupLabel(TabSheet1, "Produits", equationFont);
    place(Produits, layout::productsSide);
}

void TFiche_molvanex::buildStateTable() {
    Shape1 = new framework::TShape(framework::TShape::Kind::RoundRect, layout::tableColor, layout::tableColor,
                                   TabSheet1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    place(Shape1, layout::tableBackground);
    for (const layout::Cell& cell : layout::cells) {
        auto* shape = new framework::TShape(framework::TShape::Kind::Rectangle, layout::tableColor,
                                            layout::tableTextColor, TabSheet1);
        shape->setObjectName(QString::fromLatin1(cell.name));
        place(shape, cell.bounds);
    }
    const auto shape = [this](const char* name) {
        return TabSheet1->findChild<framework::TShape*>(QLatin1String(name));
    };
    Shape2 = shape("Shape2");
    Shape5 = shape("Shape5");
    Shape6 = shape("Shape6");
    Shape7 = shape("Shape7");
    Shape8 = shape("Shape8");
    Shape9 = shape("Shape9");
    Shape10 = shape("Shape10");
    Shape11 = shape("Shape11");
    Shape12 = shape("Shape12");
    Shape13 = shape("Shape13");
    Shape14 = shape("Shape14");
    Shape15 = shape("Shape15");
    Shape16 = shape("Shape16");
    Shape17 = shape("Shape17");
    Shape18 = shape("Shape18");
    Shape19 = shape("Shape19");

    const QFont fixedFont = fontOf(layout::fixedTextFont);
    const QFont valueFont = fontOf(layout::valueFont);
    const QFont boldFont = fontOf(layout::boldValueFont);
    const auto text = [&](QWidget* parent, const char* name, const QString& caption, const QFont& font) {
        auto* label = new framework::TStaticText(parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(font);
        setColors(label, layout::tableTextColor, layout::tableColor);
        label->setCaption(caption);
        return label;
    };
    const auto display = [&](const char* name, const QString& accessibleName) {
        auto* field = new framework::TEdit(TabSheet1);
        field->setObjectName(QString::fromLatin1(name));
        field->makeDisplayOnly();
        field->setFont(valueFont);
        setColors(field, layout::tableTextColor, layout::tableColor);
        field->setAccessibleName(accessibleName);
        field->setText(QStringLiteral("0"));
        return field;
    };
    const auto markup = [&](const char* name, const layout::FontSpec& font) {
        return markupLabel(TabSheet1, name, surfaceFontOf(font, layout::tableTextColor));
    };

    // Row titles; the first one belongs to the window and is drawn over the page.
    StaticText4 = text(this, "StaticText4", QStringLiteral("Etat initial (mol)"), fixedFont);
    StaticText1 =
        text(TabSheet1, "StaticText1", QStringLiteral("Etat au cours de la transformation (mol)"), fixedFont);
    StaticText1->setWordWrap(true);
    StaticText1->setAutoSize(false);
    place(StaticText1, layout::duringTransformationTitle);
    StaticText15 = text(TabSheet1, "StaticText15", QStringLiteral("Etat final (mol)"), fixedFont);
    place(StaticText15, layout::finalStateTitle);

    // X column.
    StaticText2 = text(TabSheet1, "StaticText2", QStringLiteral("X "), fixedFont);
    StaticText2->setAccessibleName(QStringLiteral("Avancement X"));
    place(StaticText2, layout::xHead);
    StaticText6 = text(TabSheet1, "StaticText6", QStringLiteral("0"), fixedFont);
    place(StaticText6, layout::xInitial);
    MaskEditX = display("MaskEditX", QStringLiteral("Avancement X au cours de la transformation (mol)"));
    place(MaskEditX, layout::xDuring);
    STX = markup("STX", layout::boldValueFont);
    place(STX, layout::xFinal);
    STX->hide();

    // Species columns.
    const auto& columns = layout::slotColumns;
    ST111 = markup("ST111", layout::valueFont);
    ST222 = markup("ST222", layout::valueFont);
    ST33 = markup("ST33", layout::valueFont);
    ST44 = markup("ST44", layout::valueFont);
    const std::array<controls::TMarkupLabel*, 4> heads{ST111, ST222, ST33, ST44};
    for (std::size_t i = 0; i < heads.size(); ++i) {
        place(heads[i], columns[i].head);
    }

    const auto initialField = [&](const char* name, const layout::Place& where) {
        auto* field = new controls::TFloatSpinEdit(TabSheet1);
        field->setObjectName(QString::fromLatin1(name));
        field->setFont(valueFont);
        setColors(field, layout::tableTextColor, layout::tableColor);
        field->setColor(layout::tableColor);
        field->setIncrement(0.1);
        field->setMaxValue(50);
        field->setMinValue(0);
        field->setValue(5);
        field->setGeometry(where.left, where.top, layout::initialQuantityWidth,
                           layout::initialQuantityHeight);
        return field;
    };
    MaskEdit11i = initialField("MaskEdit11i", columns[0].initial);
    MaskEdit22i = initialField("MaskEdit22i", columns[1].initial);
    Initial3 = text(TabSheet1, "Initial3", QStringLiteral("0"), fixedFont);
    place(Initial3, columns[2].initial);
    Initial4 = text(TabSheet1, "Initial4", QStringLiteral("0"), fixedFont);
    place(Initial4, columns[3].initial);
    Initial4->hide();

    const std::array<const char*, 4> expressionNames{"STEquation1", "STEquation2", "STEquation3",
                                                     "STEquation4"};
    const std::array<framework::TStaticText**, 4> expressions{&STEquation1, &STEquation2, &STEquation3,
                                                              &STEquation4};
    const std::array<const char*, 4> quantityNames{"MaskEdit11", "MaskEdit22", "MaskEdit33", "MaskEdit44"};
    const std::array<framework::TEdit**, 4> quantities{&MaskEdit11, &MaskEdit22, &MaskEdit33, &MaskEdit44};
    const std::array<const char*, 4> finalNames{"STFinal1", "STFinal2", "STFinal3", "STFinal4"};
    const std::array<framework::TStaticText**, 4> finals{&STFinal1, &STFinal2, &STFinal3, &STFinal4};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        auto* expression = text(TabSheet1, expressionNames[i], QString(), valueFont);
        expression->setAutoSize(false);
        expression->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        expression->setGeometry(columns[i].expression.left, columns[i].expression.top,
                                layout::expressionWidth, layout::expressionHeight);
        *expressions[i] = expression;

        auto* quantity = display(quantityNames[i], QString());
        quantity->setGeometry(columns[i].quantity.left, columns[i].quantity.top, layout::quantityWidth,
                              layout::quantityHeight);
        *quantities[i] = quantity;

        auto* final = text(TabSheet1, finalNames[i], QString(), boldFont);
        place(final, columns[i].final);
        final->hide();
        *finals[i] = final;
    }
}

void TFiche_molvanex::buildStorage() {
    const auto holder = [this](const char* name) {
        auto* label = new framework::TStaticText(TabSheet1);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    const auto edit = [this](const char* name) {
        auto* field = new framework::TEdit(TabSheet1);
        field->setObjectName(QString::fromLatin1(name));
        field->hide();
        return field;
    };
    const auto zoom = [this](const char* name) {
        auto* label = markupLabel(TabSheet1, name, surfaceFontOf(layout::valueFont, framework::clBlack));
        label->hide();
        return label;
    };
    ST1 = holder("ST1");
    ST2 = holder("ST2");
    ST3 = holder("ST3");
    ST4 = holder("ST4");
    // The form's coefficients are those of the first equation, so that the start's load of it never
    // reads an empty coefficient while it replaces them one by one.
    MaskEdit1 = holder("MaskEdit1");
    MaskEdit1->setCaption(QStringLiteral("1"));
    MaskEdit1->hide();
    MaskEdit2 = edit("MaskEdit2");
    MaskEdit2->setText(QStringLiteral("1"));
    MaskEdit3 = edit("MaskEdit3");
    MaskEdit3->setText(QStringLiteral("1"));
    MaskEdit4 = edit("MaskEdit4");
    T1 = zoom("T1");
    T2 = zoom("T2");
    T3 = zoom("T3");
    T4 = zoom("T4");
}

void TFiche_molvanex::buildCharts() {
    Chart1 = new chart::TChartView(TabSheet1);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setAccessibleName(QStringLiteral("Diagramme des quantités de matière"));
    place(Chart1, layout::barChart);
    Series1 = &chart::configureChart1(*Chart1);

    Chart2 = new chart::TChartView(TabSheet1);
    Chart2->setObjectName(QStringLiteral("Chart2"));
    Chart2->setAccessibleName(QStringLiteral("Courbes des quantités de matière en fonction de l'avancement"));
    place(Chart2, layout::lineChart);
    const chart::LineSeriesSet lines = chart::configureChart2(*Chart2);
    Series2 = lines.series[0];
    Series3 = lines.series[1];
    Series4 = lines.series[2];
    Series5 = lines.series[3];
}

void TFiche_molvanex::buildMenus() {
    const std::array<Handler, 6> graduationHandlers{&TFiche_molvanex::N01Click, &TFiche_molvanex::N02Click,
                                                    &TFiche_molvanex::N03Click, &TFiche_molvanex::N04Click,
                                                    &TFiche_molvanex::N05Click, &TFiche_molvanex::N1gClick};
    const auto addGraduations = [&](QMenu* menu, const std::array<const char*, 6>& names) {
        std::array<QAction*, 6> items{};
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Handler handler = graduationHandlers[i];
            items[i] = framework::addMenuItem(
                menu, QString::fromLatin1(names[i]), graduationCaptions[i],
                [this, handler] { (this->*handler)(); }, true);
        }
        return items;
    };

    PopupMenuGraduations = new QMenu(this);
    PopupMenuGraduations->setObjectName(QStringLiteral("PopupMenuGraduations"));
    graduationItems_ = addGraduations(PopupMenuGraduations, {"N01", "N02", "N03", "N04", "N05", "N1g"});
    N01 = graduationItems_[0];
    N02 = graduationItems_[1];
    N03 = graduationItems_[2];
    N04 = graduationItems_[3];
    N05 = graduationItems_[4];
    N1g = graduationItems_[5];

    MenuGraphe = new QMenu(this);
    MenuGraphe->setObjectName(QStringLiteral("MenuGraphe"));
    Tailledesdroites = MenuGraphe->addMenu(QStringLiteral("Taille des droites"));
    Tailledesdroites->setObjectName(QStringLiteral("Tailledesdroites"));
    const std::array<Handler, 5> widthHandlers{&TFiche_molvanex::N1Click, &TFiche_molvanex::N2Click,
                                               &TFiche_molvanex::N3Click, &TFiche_molvanex::N4Click,
                                               &TFiche_molvanex::N5Click};
    for (std::size_t i = 0; i < widthHandlers.size(); ++i) {
        const Handler handler = widthHandlers[i];
        lineWidthItems_[i] = framework::addMenuItem(
            Tailledesdroites, QStringLiteral("N%1").arg(i + 1), QString::number(i + 1),
            [this, handler] { (this->*handler)(); }, true);
    }
    N1 = lineWidthItems_[0];
    N2 = lineWidthItems_[1];
    N3 = lineWidthItems_[2];
    N4 = lineWidthItems_[3];
    N5 = lineWidthItems_[4];
    Echelledegraduations = MenuGraphe->addMenu(QStringLiteral("Echelle de graduations"));
    Echelledegraduations->setObjectName(QStringLiteral("Echelledegraduations"));
    graduationItems2_ =
        addGraduations(Echelledegraduations, {"N012", "N022", "N032", "N042", "N052", "N1g2"});
    N012 = graduationItems2_[0];
    N022 = graduationItems2_[1];
    N032 = graduationItems2_[2];
    N042 = graduationItems2_[3];
    N052 = graduationItems2_[4];
    N1g2 = graduationItems2_[5];

    graduationItems_[initialGraduation]->setChecked(true);
    graduationItems2_[initialGraduation]->setChecked(true);
    lineWidthItems_[initialLineWidth - 1]->setChecked(true);
    Chart1->setPopupMenu(PopupMenuGraduations);
    Chart2->setPopupMenu(MenuGraphe);
}

void TFiche_molvanex::buildButtonColumn() {
    const auto glyphButton = [this](const char* name, const QString& caption, const layout::Bounds& where) {
        auto* button = new controls::TGlyphButton(TabSheet1);
        button->setObjectName(QString::fromLatin1(name));
        button->setCaption(caption);
        button->setColor(layout::windowColor);
        button->setAccessibleName(caption);
        place(button, where);
        return button;
    };
    BtnInitialisation =
        glyphButton("BtnInitialisation", QStringLiteral("Initialisation"), layout::initialisationButton);
    GlyphButton1 = glyphButton("GlyphButton1", QStringLiteral("Simulation"), layout::simulationButton);
    GlyphButton4 = glyphButton("GlyphButton4", QStringLiteral("Arrêt"), layout::stopButton);
    GlyphButton2 = glyphButton("GlyphButton2", QStringLiteral("Zoom"), layout::zoomButton);

    BarEvolution = new framework::TTrackBar(TabSheet1);
    BarEvolution->setObjectName(QStringLiteral("BarEvolution"));
    BarEvolution->setRange(0, sliderMaximum);
    BarEvolution->setSingleStep(10);
    BarEvolution->setTickInterval(10);
    BarEvolution->setTickPosition(QSlider::TicksBelow);
    BarEvolution->setAccessibleName(QStringLiteral("Avancement de la réaction"));
    BarEvolution->ValueText = [this] { return QStringLiteral("X = %1 mol").arg(MaskEditX->text()); };
    place(BarEvolution, layout::evolutionSlider);

    const auto flatButton = [this](const char* name, const QString& caption, const layout::Bounds& where,
                                   bool underlined) {
        auto* button = new controls::TFlatButton(TabSheet1);
        button->setObjectName(QString::fromLatin1(name));
        button->setCaption(caption);
        button->setFont(fontOf(underlined ? layout::underlinedFlatButtonFont : layout::flatButtonFont));
        button->setColor(layout::windowColor);
        button->setColorBorder(layout::windowColor);
        button->setColorOver(layout::flatButtonHighlight);
        button->setColorDown(layout::flatButtonHighlight);
        button->setColorOverCaption(framework::clBlack);
        button->setAccessibleName(caption);
        place(button, where);
        button->widenForCaption();
        return button;
    };
    FlatButton3 =
        flatButton("FlatButton3", QStringLiteral("Tableau mesures"), layout::measurementTableButton, true);
    btnpropos = flatButton("btnpropos", QStringLiteral("A propos"), layout::aboutButton, true);
    FlatButton2 = flatButton("FlatButton2", QStringLiteral("Mode d'emploi"), layout::guideButton, true);
    FlatButton2->setColorOverCaption(framework::clNavy);
    FlatButton1 = flatButton("FlatButton1", QStringLiteral("Quitter"), layout::quitButton, false);
    FlatButton1->setColorBorder(layout::quitButtonBorder);

    GlyphButton3 =
        glyphButton("GlyphButton3", QStringLiteral("Nouvelle équation"), layout::newEquationButton);
    GlyphButton3->hide();
}

// Everything the mouse does, the keyboard does too, in the order the window reads: the row of
// equations, the two initial quantities, the button column with the slider, then the two charts.
void TFiche_molvanex::buildKeyboardAccess() {
    // One page needs no tab of its own in the Tab order.
    PageControl1->setFocusPolicy(Qt::NoFocus);
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    presetRow_ = new controls::CheckRow({presetBoxes_.begin(), presetBoxes_.end()}, this);

    focusMark_ = new framework::FocusMark(TabSheet1);
    const std::array<controls::TMarkupLabel*, 7> titles{
        Titre1, MarkupLabel1, MarkupLabel2, MarkupLabel3, MarkupLabel4, MarkupLabel5, MarkupLabel6};
    for (std::size_t i = 0; i < presetBoxes_.size(); ++i) {
        focusMark_->watch(presetBoxes_[i], titles[i]);
    }
    for (controls::TFlatButton* button : {FlatButton3, btnpropos, FlatButton2, FlatButton1}) {
        button->setTabStop(true);
        focusMark_->watch(button);
    }
    for (chart::TChartView* view : {Chart1, Chart2}) {
        focusMark_->watch(view);
    }

    const std::initializer_list<QWidget*> order{
        BevelCheck1, BevelCheck2, BevelCheck3,       BevelCheck4,  BevelCheck5,  BevelCheck6,  BevelCheck7,
        MaskEdit11i, MaskEdit22i, BtnInitialisation, GlyphButton1, GlyphButton4, GlyphButton2, BarEvolution,
        FlatButton3, btnpropos,   FlatButton2,       FlatButton1,  Chart1,       Chart2};
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

// What the eye takes in at a glance, told to a screen reader: the state table as a table, the loaded
// equation on every box of the row, and the simulation's start and end.
void TFiche_molvanex::buildScreenReaderAccess() {
    const std::array<controls::TMarkupLabel*, 4> heads{ST111, ST222, ST33, ST44};
    framework::TableReading reading;
    reading.rowCount = 3;
    reading.columnCount = [this] { return slot4Present() ? 5 : 4; };
    reading.rowName = [](int row) {
        const std::array<QString, 3> names{QStringLiteral("Etat initial"),
                                           QStringLiteral("Etat au cours de la transformation"),
                                           QStringLiteral("Etat final")};
        return names.at(std::size_t(row));
    };
    reading.columnName = [this, heads](int column) {
        return column == 0
                   ? QStringLiteral("X")
                   : plainFormula(column) + QStringLiteral(", ") + heads.at(std::size_t(column - 1))->hint();
    };
    reading.cell = [this](int row, int column) { return stateTableCell(row, column); };
    framework::readAsTable(Shape1, QStringLiteral("Tableau d'avancement"), std::move(reading));

    simulationStatus_ = new framework::TAnnouncement(TabSheet1);
    simulationStatus_->setObjectName(QStringLiteral("StatusSimulation"));
}

// A cell reads what it shows: the initial quantities, the expression and its value during the
// transformation, and in the final row the values once X has reached xmax, X itself in mol.
QString TFiche_molvanex::stateTableCell(int row, int column) const {
    const std::array<QWidget*, 5> initial{StaticText6, MaskEdit11i, MaskEdit22i, Initial3, Initial4};
    const std::array<framework::TStaticText*, 4> expressions{STEquation1, STEquation2, STEquation3,
                                                             STEquation4};
    const std::array<framework::TEdit*, 4> quantities{MaskEdit11, MaskEdit22, MaskEdit33, MaskEdit44};
    const std::array<framework::TStaticText*, 4> finals{STFinal1, STFinal2, STFinal3, STFinal4};
    const auto textOf = [](QWidget* widget) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            return edit->text();
        }
        return static_cast<framework::TStaticText*>(widget)->caption();
    };
    const std::size_t slot = std::size_t(std::max(column, 1) - 1);
    switch (row) {
    case 0:
        return textOf(initial.at(std::size_t(column)));
    case 1:
        return column == 0
                   ? MaskEditX->text()
                   : expressions.at(slot)->caption() + QStringLiteral(" = ") + quantities.at(slot)->text();
    default:
        if (STX->isHidden()) {
            return {};
        }
        return column == 0 ? QStringLiteral("Xmax = %1").arg(framework::textG15(xmax_))
                           : finals.at(slot)->caption();
    }
}

void TFiche_molvanex::describeLoadedEquation() {
    const QString equation = QStringLiteral("Équation chargée : %1 donnent %2")
                                 .arg(Reactifs->accessibleName(), Produits->accessibleName());
    for (controls::TBevelCheck* box : presetBoxes_) {
        box->setAccessibleDescription(equation);
    }
}

void TFiche_molvanex::announce(const QString& text) {
    simulationStatus_->announce(text);
}

void TFiche_molvanex::connectEvents() {
    const std::array<Handler, 7> boxClicks{
        &TFiche_molvanex::BevelCheck1Click, &TFiche_molvanex::BevelCheck2Click,
        &TFiche_molvanex::BevelCheck3Click, &TFiche_molvanex::BevelCheck4Click,
        &TFiche_molvanex::BevelCheck5Click, &TFiche_molvanex::BevelCheck6Click,
        &TFiche_molvanex::BevelCheck7Click};
    for (std::size_t i = 0; i < presetBoxes_.size(); ++i) {
        const Handler handler = boxClicks[i];
        presetBoxes_[i]->OnClick = [this, handler](QObject*) { (this->*handler)(); };
    }
    MaskEdit11i->OnChange = [this](QObject*) { MaskEdit11iChange(); };
    MaskEdit22i->OnChange = [this](QObject*) { MaskEdit11iChange(); };
    BarEvolution->OnChange = [this](QObject*) { BarEvolutionChange(); };
    Series1->OnGetMarkText = [this](chart::BarSeries&, int valueIndex, std::string& markText) {
        Series1GetMarkText(valueIndex, markText);
    };
    BtnInitialisation->OnClick = [this](QObject*) { BtnInitialisationClick(); };
    GlyphButton1->OnClick = [this](QObject*) { Timer1Timer(); };
    GlyphButton4->OnClick = [this](QObject*) { GlyphButton4Click(); };
    GlyphButton2->OnClick = [this](QObject*) { BtnZoomClick(); };
    GlyphButton3->OnClick = [this](QObject*) { GlyphButton3Click(); };
    FlatButton3->OnClick = [this](QObject*) { FlatButton3Click(); };
    btnpropos->OnClick = [this](QObject*) { btnproposClick(); };
    FlatButton2->OnClick = [this](QObject*) { FlatButton2Click(); };
    FlatButton1->OnClick = [this](QObject*) { FlatButton1Click(); };
    Timer1->OnTimer = [this](QObject*) { Timer1Timer(); };
}

// ---------------------------------------------------------------------------------------------------
// What the secondary windows read

QString TFiche_molvanex::plainFormula(int slot) const {
    const std::array<framework::TStaticText*, 4> holders{ST1, ST2, ST3, ST4};
    return holders.at(std::size_t(slot - 1))->caption();
}

QString TFiche_molvanex::coefficientText(int slot) const {
    if (slot == 1) {
        return MaskEdit1->caption();
    }
    const std::array<framework::TEdit*, 3> holders{MaskEdit2, MaskEdit3, MaskEdit4};
    return holders.at(std::size_t(slot - 2))->text();
}

void TFiche_molvanex::setCoefficientText(int slot, const QString& text) {
    if (slot == 1) {
        MaskEdit1->setCaption(text);
        return;
    }
    const std::array<framework::TEdit*, 3> holders{MaskEdit2, MaskEdit3, MaskEdit4};
    holders.at(std::size_t(slot - 2))->setText(text);
}

QString TFiche_molvanex::zoomMarkupFirstLine(int slot) const {
    const std::array<controls::TMarkupLabel*, 4> holders{T1, T2, T3, T4};
    return firstMarkupLine(holders.at(std::size_t(slot - 1)));
}

QString TFiche_molvanex::initialQuantityText(int reactant) const {
    return (reactant == 1 ? MaskEdit11i : MaskEdit22i)->text();
}

double TFiche_molvanex::initialQuantityValue(int reactant) const {
    return (reactant == 1 ? MaskEdit11i : MaskEdit22i)->value();
}

bool TFiche_molvanex::seventhEquationChecked() const {
    return BevelCheck7->isChecked();
}

// A long formula ("CH3COOH(aq)") would run over its cell's right border from the designed position:
// it is moved left just enough to stay inside.
void TFiche_molvanex::keepHeadInCell(int slot) {
    const std::array<controls::TMarkupLabel*, 4> heads{ST111, ST222, ST33, ST44};
    controls::TMarkupLabel* head = heads.at(std::size_t(slot - 1));
    const layout::Place designed = layout::slotColumns.at(std::size_t(slot - 1)).head;
    const int inside = layout::slotCellRight.at(std::size_t(slot - 1)) - head->width();
    head->move(std::min(designed.left, inside), designed.top);
}

bool TFiche_molvanex::slot4Present() const {
    return !ST4->caption().isEmpty();
}

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

void TFiche_molvanex::fitToWorkArea() {
    const QRect area = workArea_ ? workArea_() : screen()->availableGeometry();
    // The outer frame, once the desktop has given the window one, stays inside the work area too.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect target = area.marginsRemoved(frame);
    if (geometry() != target) {
        setGeometry(target);
    }
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
        framework::guarded([this] {
            if (!fittedToWorkArea_) {
                // By the first activation the desktop has framed the window: fit the frame too.
                fittedToWorkArea_ = true;
                fitToWorkArea();
            }
            FormActivate();
        });
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
// Equation selection and initial state

void TFiche_molvanex::BevelCheck1Click() {
    presetBoxClicked(1);
}
void TFiche_molvanex::BevelCheck2Click() {
    presetBoxClicked(2);
}
void TFiche_molvanex::BevelCheck3Click() {
    presetBoxClicked(3);
}
void TFiche_molvanex::BevelCheck4Click() {
    presetBoxClicked(4);
}
void TFiche_molvanex::BevelCheck5Click() {
    presetBoxClicked(5);
}
void TFiche_molvanex::BevelCheck6Click() {
    presetBoxClicked(6);
}
void TFiche_molvanex::BevelCheck7Click() {
    presetBoxClicked(7);
}

// The boxes make a radio group: the box that is checked loads its preset and unchecks the others, whose
// own clicks then find them unchecked and do nothing.
void TFiche_molvanex::presetBoxClicked(int number) {
    if (!presetBoxes_.at(std::size_t(number - 1))->isChecked()) {
        return;
    }
    (this->*presetLoaders.at(std::size_t(number - 1)))();
    for (std::size_t i = 0; i < presetBoxes_.size(); ++i) {
        if (int(i) != number - 1) {
            presetBoxes_[i]->setChecked(false);
        }
    }
}

void TFiche_molvanex::BtnInitialClick() {
    loadPreset(1);
}
void TFiche_molvanex::BtnCuOClick() {
    loadPreset(2);
}
void TFiche_molvanex::BtnAlSClick() {
    loadPreset(3);
}
void TFiche_molvanex::BtnH2SClick() {
    loadPreset(4);
}
void TFiche_molvanex::BtnH2Click() {
    loadPreset(5);
}
void TFiche_molvanex::BtnFeClick() {
    loadPreset(6);
}
void TFiche_molvanex::BtnHAClick() {
    loadPreset(7);
}

// Writing a default quantity into an initial-quantity field runs its change handler at once, with the
// slots not yet written still holding the previous equation; the order of the writes below is the one
// those nested runs see.
void TFiche_molvanex::loadPreset(int number) {
    const model::Preset& preset = model::preset(number);
    const model::Equation& equation = preset.equation;
    const std::array<controls::TMarkupLabel*, 4> heads{ST111, ST222, ST33, ST44};
    const std::array<framework::TStaticText*, 4> formulas{ST1, ST2, ST3, ST4};
    const std::array<framework::TEdit*, 4> quantities{MaskEdit11, MaskEdit22, MaskEdit33, MaskEdit44};
    const std::array<controls::TMarkupLabel*, 4> zoomMarkups{T1, T2, T3, T4};
    const std::array<controls::TFloatSpinEdit*, 2> initialFields{MaskEdit11i, MaskEdit22i};
    const std::array<const std::string*, 2> defaults{&preset.defaultQuantity1, &preset.defaultQuantity2};
    const auto writeSpecies = [&](std::size_t i) {
        const model::SpeciesSlot& species = equation.slots[i];
        formulas[i]->setCaption(toQ(species.formula));
        setMarkup(heads[i], toQ(species.markup));
        keepHeadInCell(int(i) + 1);
        heads[i]->setHint(toQ(species.name));
        setCoefficientText(int(i) + 1, toQ(species.coefficient));
    };

    Series1->clear();
    for (chart::LineSeries* line : {Series2, Series3, Series4, Series5}) {
        line->clear();
    }
    // Moving the slider back runs its handler for the equation being replaced. A quantity field that
    // holds no number (a lone "," or "-" being typed) makes that handler fail, but the load writes the
    // new default over it: the pupil is told nothing, and the load goes on exactly as from a number.
    try {
        BarEvolution->setPosition(0);
    } catch (const model::ConversionError&) {
    }

    for (controls::TMarkupLabel* zoom : zoomMarkups) {
        setMarkup(zoom, QString());
    }
    for (std::size_t i = 0; i < initialFields.size(); ++i) {
        writeSpecies(i);
        const QString quantity = toQ(*defaults[i]);
        showValue(quantities[i], quantity);
        initialFields[i]->setText(quantity);
    }
    setMarkup(Reactifs, toQ(equation.reactantsSide));

    writeSpecies(2);
    showValue(MaskEdit33, QStringLiteral("0"));
    const bool fourthSpecies = equation.slot4Present();
    if (fourthSpecies) {
        writeSpecies(3);
        showValue(MaskEdit44, QStringLiteral("0"));
    } else {
        // An absent fourth species keeps its column head's hint: it is never shown.
        ST4->setCaption(QString());
        setMarkup(ST44, QString());
        keepHeadInCell(4);
        MaskEdit4->setText(QString());
        showValue(MaskEdit44, QString());
    }
    setMarkup(Produits, toQ(equation.productsSide));

    showValue(MaskEditX, QStringLiteral("0"));
    setMarkup(STX, QString());
    Initial4->setVisible(fourthSpecies);

    for (std::size_t i = 0; i < zoomMarkups.size(); ++i) {
        if (equation.slots[i].present()) {
            appendMarkup(zoomMarkups[i], toQ(equation.slots[i].zoomMarkup));
        }
    }

    const std::array<chart::LineSeries*, 4> lines{Series2, Series3, Series4, Series5};
    for (std::size_t i = 0; i < 3; ++i) {
        lines[i]->setTitle(equation.slots[i].formula);
    }
    if (fourthSpecies) {
        Series5->setTitle(equation.slots[3].formula);
    }
    Series5->setShowInLegend(fourthSpecies);

    for (std::size_t i = 0; i < initialFields.size(); ++i) {
        initialFields[i]->setAccessibleName(
            QStringLiteral("Quantité initiale de %1 (mol)").arg(toQ(equation.slots[i].formula)));
    }
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        const QString formula = toQ(equation.slots[i].formula);
        quantities[i]->setAccessibleName(
            formula.isEmpty()
                ? QStringLiteral("Pas de quatrième espèce")
                : QStringLiteral("Quantité de %1 au cours de la transformation (mol)").arg(formula));
    }

    describeLoadedEquation();
    initialise_graphe();
    TableauCreate();
    // xmax and the axes follow the equation just loaded, not the coefficients the nested change handlers
    // saw half-way through the load.
    reactiflimitant();
    // So does the final row, at X = 0: it never keeps the values of the equation it replaced.
    const double n1 = MaskEdit11i->value();
    const double n2 = MaskEdit22i->value();
    showFinalRow(0, model::quantitiesAt(n1, n2, coefficients(), 0), StateWriter::Slider);
}

void TFiche_molvanex::initialise_graphe() {
    const double n1 = MaskEdit11i->value();
    const double n2 = MaskEdit22i->value();
    showValue(MaskEdit11, framework::textF3(n1));
    showValue(MaskEdit22, framework::textF3(n2));
    fillBars(n1, n2, 0, 0);
}

void TFiche_molvanex::fillBars(double q1, double q2, double q3, double q4) {
    Series1->clear();
    const std::array<double, 4> values{q1, q2, q3, q4};
    const std::size_t count = slot4Present() ? 4 : 3;
    for (std::size_t i = 0; i < count; ++i) {
        Series1->addBar(values[i], fromQ(plainFormula(int(i) + 1)), slotColors[i]);
    }
}

// The expressions are built from the texts as they stand: a coefficient counts as 1 when its text is
// exactly "1".
void TFiche_molvanex::TableauCreate() {
    const QString one = QStringLiteral("1");
    const auto reactant = [&](const QString& quantity, const QString& coefficient) {
        return coefficient == one ? quantity + QStringLiteral(" - X")
                                  : quantity + QStringLiteral(" - ") + coefficient + QStringLiteral(" X");
    };
    const auto product = [&](const QString& coefficient) {
        return coefficient == one ? QStringLiteral("X") : coefficient + QStringLiteral(" X");
    };
    STEquation1->setCaption(reactant(MaskEdit11i->text(), coefficientText(1)));
    STEquation2->setCaption(reactant(MaskEdit22i->text(), coefficientText(2)));
    STEquation3->setCaption(product(coefficientText(3)));
    if (slot4Present()) {
        STEquation4->setCaption(product(coefficientText(4)));
        STEquation4->show();
    } else {
        STEquation4->hide();
    }
}

void TFiche_molvanex::MaskEdit11iChange() {
    reactiflimitant();
    initialise_graphe();
    TableauCreate();
    BarEvolution->setPosition(0);
}

void TFiche_molvanex::BtnInitialisationClick() {
    // Both texts are converted before the bars are touched, so that a field that is no number leaves
    // the chart as it was.
    const double n1 = framework::strictReal(MaskEdit11i->text());
    const double n2 = framework::strictReal(MaskEdit22i->text());
    fillBars(n1, n2, 0, 0);
    BarEvolution->setPosition(0);
    const std::array<chart::LineSeries*, 4> lines{Series2, Series3, Series4, Series5};
    for (chart::LineSeries* line : lines) {
        line->clear();
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i]->setTitle(fromQ(plainFormula(int(i) + 1)));
    }
    Series5->setShowInLegend(slot4Present());
}

// ---------------------------------------------------------------------------------------------------
// Evolution slider, state display and charts

void TFiche_molvanex::reactiflimitant() {
    for (controls::TFloatSpinEdit* field : {MaskEdit11i, MaskEdit22i}) {
        if (field->text().isEmpty()) {
            field->setValue(0);
        }
    }
    const double n1 = MaskEdit11i->value();
    const int a1 = framework::strictInteger(coefficientText(1));
    const double n2 = MaskEdit22i->value();
    const int a2 = framework::strictInteger(coefficientText(2));
    xmax_ = model::limitOf(n1, a1, n2, a2).xmax;
    const double largest =
        model::largestQuantity(n1, n2, framework::strictInteger(coefficientText(3)), xmax_);
    const model::AxisScaling scaling = model::axisScalingOf(xmax_, largest);
    Chart2->bottomAxis().setMaximum(scaling.bottomMaximum);
    Chart2->bottomAxis().setIncrement(scaling.bottomIncrement);
    Chart1->leftAxis().setMaximum(scaling.leftMaximum);
    Chart2->leftAxis().setMaximum(scaling.leftMaximum);
}

void TFiche_molvanex::BarEvolutionChange() {
    reactiflimitant();
    showStateAtSlider(StateWriter::Slider);
}

void TFiche_molvanex::showStateAtSlider(StateWriter writer) {
    const int p = BarEvolution->position();
    const double x = model::advancementAt(p, xmax_);
    const double n1 = framework::strictReal(MaskEdit11i->text());
    const double n2 = framework::strictReal(MaskEdit22i->text());
    const QString fourthCoefficient = coefficientText(4);
    const model::Coefficients a = coefficients();
    const model::Quantities q = model::quantitiesAt(n1, n2, a, x);
    const bool simulation = writer == StateWriter::Simulation;
    const QString fourthQuantity = fourthCoefficient.isEmpty() ? QString() : framework::textF3(q.q4);

    showValue(MaskEdit11, framework::textF3(q.q1));
    showValue(MaskEdit22, framework::textF3(q.q2));
    showValue(MaskEdit33, framework::textF3(q.q3));
    if (!simulation) {
        showValue(MaskEdit44, fourthQuantity);
    }
    showValue(MaskEditX, simulation ? framework::textF3(x) : framework::textG15(x));

    showFinalRow(x, q, writer);
    if (simulation) {
        showValue(MaskEdit44, fourthQuantity);
    }

    fillBars(q.q1, q.q2, q.q3, q.q4);

    // Two reactant lines with the same expression, and the two product lines of the seventh equation,
    // would lie on top of each other: the first of each pair is raised a little.
    const double firstOffset = STEquation1->caption() == STEquation2->caption() ? lineSeparation : 0.0;
    const double fourthOffset = BevelCheck7->isChecked() ? lineSeparation : 0.0;
    const std::array<chart::LineSeries*, 4> lines{Series2, Series3, Series4, Series5};
    for (chart::LineSeries* line : lines) {
        line->clear();
    }
    for (const model::Sample& sample : model::curveSamples(p, xmax_, n1, n2, a)) {
        const model::Quantities& at = sample.quantities;
        Series2->addXY(sample.x, at.q1 + firstOffset, {}, slotColors[0]);
        Series3->addXY(sample.x, at.q2, {}, slotColors[1]);
        Series4->addXY(sample.x, at.q3, {}, slotColors[2]);
        Series5->addXY(sample.x, at.q4 + fourthOffset, {}, slotColors[3]);
    }
}

// The coefficients as reals; an absent fourth species counts as 0.
model::Coefficients TFiche_molvanex::coefficients() const {
    const QString fourthCoefficient = coefficientText(4);
    return {framework::strictReal(coefficientText(1)), framework::strictReal(coefficientText(2)),
            framework::strictReal(coefficientText(3)),
            fourthCoefficient.isEmpty() ? 0.0 : framework::strictReal(fourthCoefficient)};
}

// The row "Etat final" shows only when X has reached xmax, and its fourth value only when the equation
// has a fourth species: the value another equation left there is never seen.
void TFiche_molvanex::showFinalRow(double x, const model::Quantities& q, StateWriter writer) {
    const std::array<framework::TStaticText*, 4> finals{STFinal1, STFinal2, STFinal3, STFinal4};
    if (!model::isFinalState(x, xmax_)) {
        STX->hide();
        for (framework::TStaticText* final : finals) {
            final->hide();
        }
        setMarkup(STX, QString());
        return;
    }
    const bool fourthSpecies = slot4Present();
    setMarkup(STX, QString());
    STX->show();
    setMarkup(STX, QStringLiteral("Xmax"));
    for (std::size_t i = 0; i < 3; ++i) {
        finals[i]->show();
    }
    STFinal4->setVisible(fourthSpecies);
    STFinal1->setCaption(framework::textF3(q.q1));
    STFinal2->setCaption(framework::textF3(q.q2));
    STFinal3->setCaption(framework::textF3(q.q3));
    if (fourthSpecies) {
        STFinal4->setCaption(writer == StateWriter::Simulation ? framework::textG15(q.q4)
                                                               : framework::textF3(q.q4));
    }
}

void TFiche_molvanex::Series1GetMarkText(int valueIndex, std::string& markText) {
    Series1->marks().setFontSize(BevelCheck7->isChecked() ? smallMarksPoints : normalMarksPoints);
    markText =
        Series1->pointLabel(valueIndex) + '\r' + Series1->formatValue(Series1->point(valueIndex).y) + " mol";
}

void TFiche_molvanex::N1Click() {
    setLineWidth(1);
}
void TFiche_molvanex::N2Click() {
    setLineWidth(2);
}
void TFiche_molvanex::N3Click() {
    setLineWidth(3);
}
void TFiche_molvanex::N4Click() {
    setLineWidth(4);
}
void TFiche_molvanex::N5Click() {
    setLineWidth(5);
}

void TFiche_molvanex::setLineWidth(int pixels) {
    for (chart::LineSeries* line : {Series2, Series3, Series4, Series5}) {
        line->setLineWidth(pixels);
    }
    for (std::size_t i = 0; i < lineWidthItems_.size(); ++i) {
        lineWidthItems_[i]->setChecked(int(i) + 1 == pixels);
    }
}

void TFiche_molvanex::N01Click() {
    setGraduation(0);
}
void TFiche_molvanex::N02Click() {
    setGraduation(1);
}
void TFiche_molvanex::N03Click() {
    setGraduation(2);
}
void TFiche_molvanex::N04Click() {
    setGraduation(3);
}
void TFiche_molvanex::N05Click() {
    setGraduation(4);
}
void TFiche_molvanex::N1gClick() {
    setGraduation(5);
}

// Both charts share the left-axis graduation, and both menus show the one in force.
void TFiche_molvanex::setGraduation(int index) {
    const double step = graduations.at(std::size_t(index));
    Chart1->leftAxis().setIncrement(step);
    Chart2->leftAxis().setIncrement(step);
    for (std::size_t i = 0; i < graduations.size(); ++i) {
        graduationItems_[i]->setChecked(int(i) == index);
        graduationItems2_[i]->setChecked(int(i) == index);
    }
}

// ---------------------------------------------------------------------------------------------------
// Simulation

void TFiche_molvanex::Timer1Timer() {
    GlyphButton1Click();
}

void TFiche_molvanex::GlyphButton1Click() {
    const framework::StopTimerOnFailure stopOnFailure(*Timer1);
    const bool wasRunning = Timer1->enabled();
    reactiflimitant();
    Timer1->setEnabled(true);
    if (BarEvolution->position() == sliderMaximum) {
        Timer1->setEnabled(false);
        announce(QStringLiteral("Avancement maximal atteint : X = %1 mol").arg(framework::textG15(xmax_)));
        return;
    }
    BarEvolution->setPosition(BarEvolution->position() + 1);
    showStateAtSlider(StateWriter::Simulation);
    // The hundred steps are not each announced: only the start.
    if (!wasRunning) {
        announce(QStringLiteral("Simulation en cours : X = %1 mol").arg(MaskEditX->text()));
    }
}

void TFiche_molvanex::GlyphButton4Click() {
    const bool wasRunning = Timer1->enabled();
    Timer1->setEnabled(false);
    if (wasRunning) {
        announce(QStringLiteral("Arrêt : X = %1 mol").arg(MaskEditX->text()));
    }
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
    windows::showNewEquationEditor(this);
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
