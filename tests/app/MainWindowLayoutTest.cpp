// The main window at start: its frame, the controls of the form at their places, the charts sized to
// the window, and the first equation loaded.
#include "MainWindowFixture.h"
#include "support/Eventually.h"

#include "app/Application.h"
#include "chart/ChartRenderer.h"
#include "chart/ChartView.h"
#include "chart/TextCache.h"
#include "controls/FlatButtons.h"
#include "framework/ErrorGuard.h"
#include "framework/FileSaving.h"
#include "framework/Printing.h"
#include "framework/Timer.h"
#include "support/Pdf.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <functional>

namespace app_testing {
namespace {

TEST_F(MainWindowTest, FillsTheWorkAreaWithItsCaptionAndNoMaximiseButton) {
    EXPECT_EQ(window().objectName(), QStringLiteral("Fiche_molvanex"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Chimie générale - seconde"));
    EXPECT_EQ(window().frameGeometry(), lessonWorkArea);
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window().windowFlags() & Qt::WindowSystemMenuHint);
    auto* pages = child<QTabWidget>("PageControl1");
    ASSERT_GE(pages->count(), 1);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Réaction chimique"));
    EXPECT_EQ(pages->widget(0)->objectName(), QStringLiteral("TabSheet1"));
    EXPECT_EQ(pages->currentIndex(), 0);
    // The pages the program adds come after it.
    EXPECT_EQ(pages->tabText(pages->count() - 1), QStringLiteral("Mes équations"));
}

// The line chart's share of the outer width would reach past the page, inside the window's frame: it
// ends at the page's right edge, its legend whole.
TEST_F(MainWindowTest, OnALessonWorkAreaTheChartsShareTheWidthBelowTheTable) {
    EXPECT_EQ(barChart()->geometry(), QRect(0, 256, 430, 438));
    const int pageWidth = child("TabSheet1")->width();
    EXPECT_EQ(lineChart()->geometry(), QRect(435, 256, pageWidth - 435, 438));
    chart::TextCache text;
    const chart::ChartRenderer layout(*lineChart(), QSizeF(lineChart()->size()), text);
    ASSERT_TRUE(layout.legendArea());
    EXPECT_LE(lineChart()->x() + layout.legendArea()->right(), pageWidth);
}

// The title of the modal window the action opens, which is then closed.
QString titleOfModalOpenedBy(const std::function<void()>& open) {
    QString title;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer.stop();
            title = modal->windowTitle();
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    answer.start();
    open();
    return title;
}

// Qt appends the application's display name to every title bar once one is set, which cut the narrow
// dialogs' titles mid-word: each title bar shows its caption alone, and the error box keeps the title.
TEST_F(MainWindowTest, EveryTitleBarShowsExactlyItsCaption) {
    testing_support::RealErrorBoxes realBoxes;
    app::prepareApplication();
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("sonde"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("sonde"))
        << "a display name of its own would be appended to the titles";
    QCoreApplication::setApplicationName(name);

    EXPECT_EQ(window().windowTitle(), QStringLiteral("Chimie générale - seconde"));
    EXPECT_EQ(titleOfModalOpenedBy([this] { clickButton("GlyphButton2"); }), QStringLiteral("Zoom"));
    EXPECT_EQ(titleOfModalOpenedBy([this] { clickButton("FlatButton3"); }),
              QStringLiteral("tableau des mesures"));
    EXPECT_EQ(titleOfModalOpenedBy([this] { clickButton("btnpropos"); }), QStringLiteral("A propos"));
    EXPECT_EQ(titleOfModalOpenedBy([this] { window().GlyphButton3Click(); }),
              QStringLiteral("Nouvelle Equation"));
    EXPECT_EQ(titleOfModalOpenedBy([] { framework::showErrorBox(QStringLiteral("Essai")); }),
              QStringLiteral("Avancement de la réaction"));
}

// Under `ulimit -f` the system ends a program that writes beyond the limit: the prepared program fails
// the write instead, and the saving reports it. Were the signal not ignored, this test would die.
TEST(ProgramStart, AWriteBeyondAFileSizeLimitFailsAndTheProgramGoesOn) {
    app::prepareApplication();
    QTemporaryDir folder;
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit previous = limit;
    limit.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_THROW(framework::writeFileSafely(
                     folder.filePath(QStringLiteral("mesures.csv")),
                     [](QIODevice& file, const QString&) { file.write(QByteArray(100'000, 'x')); }),
                 framework::FileSaveError);
    setrlimit(RLIMIT_FSIZE, &previous);
}

TEST_F(MainWindowTest, APrintedChartNamesTheEquationTheInitialQuantitiesAndX) {
    clickBox(2);
    typeInto(1, QStringLiteral("3"));
    slideTo(50);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("courbes.pdf"));
    framework::printToPdf(
        nullptr, pdf, {},
        *lineChart()->printout(chart::TChartView::Background::White, QDateTime::currentDateTime()));
    const QString text = testing_support::pdfText(pdf);
    for (const char* line :
         {"2 CuO(s) + C(s) → 2 Cu(s) + CO2(g)", "Quantités initiales : n(CuO(s)) = 3 mol ; n(C(s)) = 1 mol",
          "Avancement : X = 0,5 mol", "Graphique, imprimé le"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    }
}

TEST_F(MainWindowTest, EveryResizeAndActivationSizesTheChartsToTheWindowAsItIsThen) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    // The window manager resizes the window while it is not active: the charts follow at once.
    resizeOuter(900, 650);
    EXPECT_EQ(barChart()->geometry(), QRect(0, 256, 378, 350));
    EXPECT_EQ(lineChart()->geometry(), QRect(383, 256, child("TabSheet1")->width() - 383, 350));
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    EXPECT_EQ(barChart()->geometry(), QRect(0, 256, 378, 350));
}

TEST_F(MainWindowTest, ReturningFromAModalWindowSizesTheChartsAgain) {
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    // While the About box is open the main window is made smaller; the box is then closed.
    QTimer::singleShot(300, [this] {
        resizeOuter(900, 650);
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    window().btnproposClick();
    // The desktop gives the main window back its activation, as a window manager does.
    window().activateWindow();
    ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(barChart()->geometry(), QRect(0, 256, 378, 350), 5000);
    EXPECT_EQ(lineChart()->geometry(), QRect(383, 256, child("TabSheet1")->width() - 383, 350));
}

TEST_F(MainWindowTest, AWindowLowerThanTheTableGivesEmptyChartsNeverNegativeOnes) {
    resizeOuter(500, 250);
    window().FormActivate();
    EXPECT_EQ(barChart()->height(), 0);
    EXPECT_EQ(lineChart()->height(), 0);
    EXPECT_EQ(barChart()->width(), 210);
    EXPECT_EQ(lineChart()->x(), 215);
    EXPECT_EQ(lineChart()->width(), child("TabSheet1")->width() - 215);
}

TEST_F(MainWindowTest, HalvesOfAPixelRoundToEven) {
    // 0.42 x 1025 = 430.5 rounds down; at 975, 409.5 rounds up.
    resizeOuter(1025, 738);
    window().FormActivate();
    EXPECT_EQ(barChart()->width(), 430);
    resizeOuter(975, 738);
    window().FormActivate();
    EXPECT_EQ(barChart()->width(), 410);
}

// Only the left button presses: a right or middle click leaves the focus where it was, so that no push
// button shows its focus rectangle and no field selects its text.
struct OtherButtonPress {
    const char* control;
    Qt::MouseButton button;
    friend void PrintTo(const OtherButtonPress& p, std::ostream* os) {
        *os << p.control << (p.button == Qt::RightButton ? " right" : " middle");
    }
};

class OtherButtonPressTest : public MainWindowTest, public ::testing::WithParamInterface<OtherButtonPress> {};

TEST_P(OtherButtonPressTest, TakesNoFocusAndSelectsNothing) {
    slider()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return slider()->hasFocus(); }));
    QWidget* target = child(GetParam().control);
    QTest::mouseClick(target, GetParam().button, {}, QPoint(4, target->height() / 2));
    EXPECT_TRUE(slider()->hasFocus());
    EXPECT_FALSE(field(1)->hasSelectedText());
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
    EXPECT_FALSE(slider()->hasFocus()) << "the left button still gives the focus";
}

INSTANTIATE_TEST_SUITE_P(Controls, OtherButtonPressTest,
                         ::testing::Values(OtherButtonPress{"BtnInitialisation", Qt::RightButton},
                                           OtherButtonPress{"BtnInitialisation", Qt::MiddleButton},
                                           OtherButtonPress{"GlyphButton4", Qt::RightButton},
                                           OtherButtonPress{"MaskEdit11i", Qt::RightButton},
                                           OtherButtonPress{"MaskEdit11i", Qt::MiddleButton}));

struct Placement {
    friend void PrintTo(const Placement& p, std::ostream* os) { *os << p.name; }

    const char* name;
    QRect bounds; // an empty size checks the position only (auto-sized controls)
};

class MainWindowPlacementTest : public MainWindowTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(MainWindowPlacementTest, LiesWhereTheFormPutsIt) {
    const Placement& p = GetParam();
    QWidget* widget = child(p.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName(), QStringLiteral("TabSheet1"));
    if (p.bounds.isEmpty()) {
        EXPECT_EQ(widget->pos(), p.bounds.topLeft());
    } else {
        EXPECT_EQ(widget->geometry(), p.bounds);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Form, MainWindowPlacementTest,
    ::testing::Values(
        Placement{"BevelCheck1", {20, 16, 15, 17}}, Placement{"BevelCheck2", {96, 16, 15, 17}},
        Placement{"BevelCheck3", {180, 16, 15, 17}}, Placement{"BevelCheck4", {248, 16, 15, 17}},
        Placement{"BevelCheck5", {350, 16, 15, 17}}, Placement{"BevelCheck6", {442, 16, 15, 17}},
        Placement{"BevelCheck7", {530, 16, 15, 17}}, Placement{"Titre1", {36, 16, 0, 0}},
        Placement{"MarkupLabel1", {112, 16, 0, 0}}, Placement{"MarkupLabel2", {196, 16, 0, 0}},
        Placement{"MarkupLabel3", {264, 16, 0, 0}}, Placement{"MarkupLabel4", {366, 16, 0, 0}},
        Placement{"MarkupLabel5", {458, 16, 0, 0}}, Placement{"MarkupLabel6", {546, 12, 0, 0}},
        Placement{"Shape3", {24, 36, 657, 59}}, Placement{"Reactifs", {32, 48, 0, 0}},
        Placement{"StaticText11", {324, 48, 27, 32}}, Placement{"Produits", {350, 48, 0, 0}},
        Placement{"Shape1", {24, 96, 657, 155}}, Placement{"Shape19", {42, 96, 147, 61}},
        Placement{"Shape2", {42, 156, 621, 51}}, Placement{"Shape5", {42, 206, 621, 35}},
        Placement{"Shape6", {188, 96, 59, 65}}, Placement{"Shape7", {188, 156, 59, 51}},
        Placement{"Shape8", {188, 206, 59, 35}}, Placement{"Shape9", {246, 96, 105, 61}},
        Placement{"Shape10", {350, 96, 105, 61}}, Placement{"Shape11", {454, 96, 105, 61}},
        Placement{"Shape12", {558, 96, 105, 61}}, Placement{"Shape13", {246, 156, 105, 51}},
        Placement{"Shape14", {350, 156, 105, 51}}, Placement{"Shape15", {454, 156, 105, 51}},
        Placement{"Shape16", {246, 206, 105, 35}}, Placement{"Shape17", {350, 206, 105, 35}},
        Placement{"Shape18", {454, 206, 105, 35}}, Placement{"StaticText1", {44, 166, 137, 37}},
        Placement{"StaticText15", {48, 216, 0, 0}}, Placement{"StaticText2", {210, 98, 0, 0}},
        Placement{"StaticText6", {210, 132, 0, 0}}, Placement{"MaskEditX", {210, 182, 35, 21}},
        Placement{"STX", {210, 217, 0, 0}}, Placement{"ST111", {272, 100, 0, 0}},
        Placement{"ST222", {380, 100, 0, 0}}, Placement{"ST33", {494, 101, 0, 0}},
        Placement{"ST44", {588, 100, 0, 0}}, Placement{"MaskEdit11i", {260, 131, 65, 22}},
        Placement{"MaskEdit22i", {374, 131, 65, 22}}, Placement{"Initial3", {504, 132, 0, 0}},
        Placement{"Initial4", {612, 132, 0, 0}}, Placement{"STEquation1", {280, 160, 66, 17}},
        Placement{"STEquation2", {386, 160, 66, 17}}, Placement{"STEquation3", {504, 160, 66, 17}},
        Placement{"STEquation4", {612, 158, 66, 17}}, Placement{"MaskEdit11", {280, 182, 35, 21}},
        Placement{"MaskEdit22", {386, 182, 35, 21}}, Placement{"MaskEdit33", {504, 182, 35, 21}},
        Placement{"MaskEdit44", {612, 182, 35, 21}}, Placement{"STFinal1", {280, 218, 0, 0}},
        Placement{"STFinal2", {386, 218, 0, 0}}, Placement{"STFinal3", {504, 218, 0, 0}},
        Placement{"STFinal4", {612, 218, 0, 0}}, Placement{"BtnInitialisation", {686, 54, 93, 21}},
        Placement{"GlyphButton1", {686, 74, 93, 21}}, Placement{"GlyphButton4", {686, 94, 93, 21}},
        Placement{"GlyphButton2", {686, 116, 93, 21}}, Placement{"BarEvolution", {682, 138, 99, 23}},
        Placement{"GlyphButton3", {480, 240, 117, 19}}),
    [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

struct LinkButton {
    const char* name;
    QRect designed;
};

class FlatButtonPlacementTest : public MainWindowTest, public ::testing::WithParamInterface<LinkButton> {};

TEST_P(FlatButtonPlacementTest, KeepsItsDesignedCentreAndShowsItsWholeCaption) {
    const LinkButton& b = GetParam();
    auto* button = child<controls::TFlatButton>(b.name);
    const QRect actual = button->geometry();
    EXPECT_EQ(actual.top(), b.designed.top());
    EXPECT_EQ(actual.height(), b.designed.height());
    EXPECT_LE(std::abs((actual.left() + actual.right()) - (b.designed.left() + b.designed.right())), 1);
    EXPECT_GE(actual.width(), b.designed.width());
    const int caption = QFontMetrics(button->font()).horizontalAdvance(button->caption());
    EXPECT_GE(actual.width(), caption + 8) << "the caption is not cut off";
}

INSTANTIATE_TEST_SUITE_P(Form, FlatButtonPlacementTest,
                         ::testing::Values(LinkButton{"FlatButton3", {692, 170, 83, 22}},
                                           LinkButton{"btnpropos", {704, 190, 69, 22}},
                                           LinkButton{"FlatButton2", {704, 210, 69, 22}},
                                           LinkButton{"FlatButton1", {704, 232, 70, 22}}),
                         [](const ::testing::TestParamInfo<LinkButton>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MainWindowTest, TheInitialStateTitleIsTheWindowsOwnDrawnOverItsCell) {
    auto* title = child<QLabel>("StaticText4");
    EXPECT_EQ(title->parentWidget(), &window());
    EXPECT_EQ(title->text(), QStringLiteral("Etat initial (mol)"));
    const QRect cell(child("Shape19")->mapTo(&window(), QPoint(0, 0)), child("Shape19")->size());
    EXPECT_TRUE(cell.contains(title->geometry())) << "the title lies inside the first row's title cell";
    const int above = title->geometry().top() - cell.top();
    const int below = cell.bottom() - title->geometry().bottom();
    EXPECT_LE(std::abs(above - below), 2) << "and is centred in it as the other two row titles are";
}

TEST_F(MainWindowTest, StartsWithTheFirstEquationAndItsStateAtZero) {
    EXPECT_TRUE(box(1)->isChecked());
    for (int i = 2; i <= 7; ++i) {
        EXPECT_FALSE(box(i)->isChecked()) << i;
    }
    EXPECT_EQ(shown("Reactifs"), QStringLiteral("      C(s)     +      O<sub>2</sub>(g)"));
    EXPECT_EQ(shown("Produits"), QStringLiteral("     CO<sub>2</sub>(g)"));
    EXPECT_EQ(shown("ST111"), QStringLiteral("C(s)"));
    EXPECT_EQ(child<controls::TMarkupLabel>("ST111")->hint(), QStringLiteral("Carbone"));
    EXPECT_EQ(shown("ST44"), QString());
    EXPECT_EQ(shown("MaskEdit11i"), QStringLiteral("1"));
    EXPECT_EQ(shown("MaskEdit22i"), QStringLiteral("1"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("1,000"));
    EXPECT_EQ(shown("MaskEdit22"), QStringLiteral("1,000"));
    EXPECT_EQ(shown("MaskEdit33"), QStringLiteral("0"));
    EXPECT_EQ(shown("MaskEdit44"), QString());
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0"));
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("1 - X"));
    EXPECT_EQ(shown("STEquation3"), QStringLiteral("X"));
    EXPECT_FALSE(visible("STEquation4"));
    EXPECT_FALSE(visible("Initial4"));
    EXPECT_FALSE(visible("STX"));
    EXPECT_FALSE(visible("STFinal1"));
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_FALSE(child<framework::TTimer>("Timer1")->enabled());
    EXPECT_EQ(child<framework::TTimer>("Timer1")->interval(), 100);
    EXPECT_EQ(barLabels(), (std::vector<std::string>{"C(s)", "O2(g)", "CO2(g)"}));
    EXPECT_EQ(barValues(), (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(legendTexts(), (std::vector<std::string>{"C(s)", "O2(g)", "CO2(g)"}));
    EXPECT_DOUBLE_EQ(window().xmax(), 1);
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowTest, TheStorageOfTheEquationIsNeverSeen) {
    for (const char* name : {"ST1", "ST2", "ST3", "ST4", "MaskEdit1", "MaskEdit2", "MaskEdit3", "MaskEdit4",
                             "T1", "T2", "T3", "T4", "GlyphButton3"}) {
        EXPECT_FALSE(visible(name)) << name;
    }
    EXPECT_EQ(shown("ST2"), QStringLiteral("O2(g)"));
    EXPECT_EQ(shown("MaskEdit3"), QStringLiteral("1"));
    EXPECT_EQ(shown("T2"), QStringLiteral("O<sub>2</sub>(g)"));
}

TEST_F(MainWindowTest, TheChartsAreConfiguredAsTheFormSays) {
    chart::TChartView* bar = barChart();
    EXPECT_EQ(bar->title().text(), (std::vector<std::string>{"Evolution des différentes espèces chimiques ",
                                                             "en fonction de l'avancement"}));
    EXPECT_TRUE(bar->view3D());
    EXPECT_EQ(bar->chart3DPercent(), 40);
    EXPECT_FALSE(bar->legend().visible());
    EXPECT_EQ(bar->leftAxis().title().caption(), "Quantité de matière (mol)");
    EXPECT_EQ(bar->bottomAxis().title().caption(),
              "Espèces chimiques présentes au cours de la transformation    ");
    EXPECT_EQ(bar->popupMenu(), child<QMenu>("PopupMenuGraduations"));
    EXPECT_DOUBLE_EQ(bar->leftAxis().increment(), 0.5);

    chart::TChartView* lines = lineChart();
    EXPECT_EQ(lines->title().text(), (std::vector<std::string>{"Evolution des quantités de matière",
                                                               " en fonction de l'avancement X."}));
    EXPECT_FALSE(lines->view3D());
    EXPECT_TRUE(lines->legend().visible());
    EXPECT_EQ(lines->bottomAxis().title().caption(), "Etat d'avancement  X en mol");
    EXPECT_EQ(lines->popupMenu(), child<QMenu>("MenuGraphe"));
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(line(slot).lineWidth(), 2);
    }
    EXPECT_EQ(line(1).seriesColor(), framework::clGreen);
    EXPECT_EQ(line(2).seriesColor(), framework::rgb(128, 0, 64));
    EXPECT_EQ(line(3).seriesColor(), framework::clBlue);
    EXPECT_EQ(line(4).seriesColor(), framework::clYellow);
    // The first computation of the first equation: xmax 1, largest quantity 1.
    EXPECT_DOUBLE_EQ(lines->bottomAxis().maximum(), 1.2);
    EXPECT_DOUBLE_EQ(lines->bottomAxis().increment(), 0.1);
    EXPECT_DOUBLE_EQ(lines->leftAxis().maximum(), 2);
    EXPECT_DOUBLE_EQ(bar->leftAxis().maximum(), 2);
}

TEST_F(MainWindowTest, TheMenusCarryTheirItemsWithTheFormsChecks) {
    auto* graduations = child<QMenu>("PopupMenuGraduations");
    QStringList captions;
    for (QAction* action : graduations->actions()) {
        captions << action->text();
    }
    // The form's items, then the chart image's, the worksheet's and the situation's, each after a separator.
    EXPECT_EQ(
        captions,
        (QStringList{QStringLiteral("0,1"), QStringLiteral("0,2"), QStringLiteral("0,3"),
                     QStringLiteral("0,4"), QStringLiteral("0,5"), QStringLiteral("1"), QString(),
                     QStringLiteral("Copier l'image"), QStringLiteral("Enregistrer l'image sous…"),
                     QStringLiteral("Imprimer…"), QStringLiteral("Enregistrer l'image pour l'impression…"),
                     QStringLiteral("Imprimer sur fond blanc…"), QString(),
                     QStringLiteral("Imprimer une fiche…"), QStringLiteral("Imprimer la fiche corrigée…"),
                     QString(), QStringLiteral("Ouvrir une situation…"),
                     QStringLiteral("Enregistrer la situation…")}));
    for (const char* name : {"N01", "N02", "N03", "N04", "N1g", "N012", "N022", "N032", "N042", "N1g2"}) {
        EXPECT_FALSE(item(name)->isChecked()) << name;
    }
    EXPECT_TRUE(item("N05")->isChecked());
    EXPECT_TRUE(item("N052")->isChecked());
    EXPECT_EQ(child<QMenu>("Tailledesdroites")->title(), QStringLiteral("Taille des droites"));
    EXPECT_EQ(child<QMenu>("Echelledegraduations")->title(), QStringLiteral("Echelle de graduations"));
    EXPECT_TRUE(item("N2")->isChecked());
    for (const char* name : {"N1", "N3", "N4", "N5"}) {
        EXPECT_FALSE(item(name)->isChecked()) << name;
    }
}

TEST_F(MainWindowTest, EveryControlTheClassUsesHasAFrenchAccessibleName) {
    for (const char* name :
         {"BevelCheck1",       "BevelCheck7",  "BarEvolution", "MaskEdit11i", "MaskEdit22i",  "MaskEditX",
          "MaskEdit11",        "MaskEdit44",   "Chart1",       "Chart2",      "GlyphButton1", "GlyphButton4",
          "BtnInitialisation", "GlyphButton2", "FlatButton1",  "FlatButton2", "FlatButton3",  "btnpropos",
          "Reactifs",          "Produits",     "StaticText11"}) {
        EXPECT_FALSE(child(name)->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(child("BevelCheck2")->accessibleName(), QStringLiteral("Équation CuO + C"));
    EXPECT_EQ(field(1)->accessibleName(), QStringLiteral("Quantité initiale de C(s) (mol)"));
    EXPECT_EQ(child("BarEvolution")->accessibleName(), QStringLiteral("Avancement de la réaction"));
}

// What a screen reader reads at X = 0,5 mol in the first equation: the slider as the advancement, the
// state table's cells with their row and column, and each chart as its summary.
TEST_F(MainWindowTest, AScreenReaderReadsTheStateAtTheSlider) {
    slideTo(50);
    const auto read = [&](const char* name, QAccessible::Text kind) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(child(name));
        return accessible ? accessible->text(kind) : QStringLiteral("<none>");
    };
    EXPECT_EQ(read("BarEvolution", QAccessible::Value), QStringLiteral("X = 0,5 mol"));
    QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(slider())->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 50);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    value->setCurrentValue(100); // an assistive tool moves the slider as a pupil would
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("1"));
    EXPECT_EQ(read("BarEvolution", QAccessible::Value), QStringLiteral("X = 1 mol"));
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(child("Shape1"))->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name),
              QStringLiteral("Etat au cours de la transformation, C(s) : 1 - X = 0,000 mol"));
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(child("MaskEdit11"))->isValid())
        << "the field under the table is not read a second time";
    EXPECT_TRUE(read("Chart1", QAccessible::Description).contains(QStringLiteral("CO2(g) : 1 mol")))
        << read("Chart1", QAccessible::Description).toStdString();
    EXPECT_FALSE(read("Chart2", QAccessible::Description).isEmpty());
}

TEST_F(MainWindowTest, QuitterClosesTheWindow) {
    clickButton("FlatButton1");
    EXPECT_FALSE(window().isVisible());
}

} // namespace
} // namespace app_testing
