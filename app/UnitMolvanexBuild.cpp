#include "app/UnitMolvanex.h"

#include "app/MainLayout.h"
#include "app/MainWindowSupport.h"
#include "chart/ChartView.h"
#include "chart/FormCharts.h"
#include "controls/BevelCheck.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "controls/MarkupImageList.h" // complete before the label header, whose QPointer needs it
#include "controls/markuplabel.h"
#include "framework/Edit.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
#include "framework/Shape.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"
#include "model/Equation.h"
#include "windows/Worksheet.h"

#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

using namespace support;

namespace {

using framework::toQ;

const std::array<QString, 6> graduationCaptions{QStringLiteral("0,1"), QStringLiteral("0,2"),
                                                QStringLiteral("0,3"), QStringLiteral("0,4"),
                                                QStringLiteral("0,5"), QStringLiteral("1")};
constexpr int initialGraduation = 4; // 0,5
constexpr int initialLineWidth = 2;

// The equations as a screen reader names their check boxes.
constexpr std::array<const char*, 7> equationNames{"C + O2",  "CuO + C", "Al + S",         "H2S + SO2",
                                                   "H2 + O2", "Fe + O2", "HCO3- + CH3COOH"};

// Colour of each slot's bar and line points.
constexpr std::array<framework::TColor, 4> slotColors{framework::clTeal, framework::clMaroon,
                                                      framework::clBlue, framework::clYellow};

using Handler = void (TFiche_molvanex::*)();

} // namespace

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
        *titles[i] = presetTitles_[i] = title;
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

    // Species columns: the heads, the initial quantities, then the rows below them.
    const auto& columns = layout::slotColumns;
    const std::array<controls::TMarkupLabel**, 4> heads{&ST111, &ST222, &ST33, &ST44};
    const std::array<const char*, 4> headNames{"ST111", "ST222", "ST33", "ST44"};
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i].color = slotColors[i];
        columns_[i].head = *heads[i] = markup(headNames[i], layout::valueFont);
        place(columns_[i].head, columns[i].head);
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
    columns_[0].initialField = MaskEdit11i = initialField("MaskEdit11i", columns[0].initial);
    columns_[1].initialField = MaskEdit22i = initialField("MaskEdit22i", columns[1].initial);
    columns_[2].initialText = Initial3 = text(TabSheet1, "Initial3", QStringLiteral("0"), fixedFont);
    place(Initial3, columns[2].initial);
    columns_[3].initialText = Initial4 = text(TabSheet1, "Initial4", QStringLiteral("0"), fixedFont);
    place(Initial4, columns[3].initial);
    Initial4->hide();

    const std::array<framework::TStaticText**, 4> expressions{&STEquation1, &STEquation2, &STEquation3,
                                                              &STEquation4};
    const std::array<framework::TEdit**, 4> quantities{&MaskEdit11, &MaskEdit22, &MaskEdit33, &MaskEdit44};
    const std::array<framework::TStaticText**, 4> finals{&STFinal1, &STFinal2, &STFinal3, &STFinal4};
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        SpeciesColumn& column = columns_[i];
        const QByteArray expressionName = QStringLiteral("STEquation%1").arg(i + 1).toLatin1();
        auto* expression = text(TabSheet1, expressionName.constData(), QString(), valueFont);
        expression->setAutoSize(false);
        expression->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        expression->setGeometry(columns[i].expression.left, columns[i].expression.top,
                                layout::expressionWidth, layout::expressionHeight);
        column.expression = *expressions[i] = expression;

        const QByteArray quantityName = QStringLiteral("MaskEdit%1%1").arg(i + 1).toLatin1();
        auto* quantity = display(quantityName.constData(), QString());
        quantity->setGeometry(columns[i].quantity.left, columns[i].quantity.top, layout::quantityWidth,
                              layout::quantityHeight);
        column.quantity = *quantities[i] = quantity;

        const QByteArray finalName = QStringLiteral("STFinal%1").arg(i + 1).toLatin1();
        auto* final = text(TabSheet1, finalName.constData(), QString(), boldFont);
        place(final, columns[i].final);
        final->hide();
        column.final = *finals[i] = final;
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

    const std::array<framework::TStaticText*, 4> formulas{ST1, ST2, ST3, ST4};
    const std::array<controls::TMarkupLabel*, 4> zoomMarkups{T1, T2, T3, T4};
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i].formula = formulas[i];
        columns_[i].zoomMarkup = zoomMarkups[i];
    }
    columns_[0].coefficientCaption = MaskEdit1;
    columns_[1].coefficientEdit = MaskEdit2;
    columns_[2].coefficientEdit = MaskEdit3;
    columns_[3].coefficientEdit = MaskEdit4;
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
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i].line = lines.series[i];
    }
    // A printed chart names what it shows, as the window shows it when it is printed.
    const auto heading = [this] {
        return chartHeading(MaskEdit11i->text(), MaskEdit22i->text(), MaskEditX->text());
    };
    Chart1->setHeading(heading);
    Chart2->setHeading(heading);
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
    for (QMenu* menu : {PopupMenuGraduations, MenuGraphe}) {
        windows::addWorksheetItems(*menu, this, [this] {
            return windows::WorksheetSource{*this, MaskEdit11i->text(), MaskEdit22i->text(), xmax_};
        });
    }
    addSituationItems(PopupMenuGraduations);
    addSituationItems(MenuGraphe);
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

} // namespace app
