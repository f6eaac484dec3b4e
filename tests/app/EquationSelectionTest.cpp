// Picking an equation with the check boxes, typing initial quantities, and "Initialisation".
#include "MainWindowFixture.h"
#include "support/Eventually.h"

#include "chart/ChartView.h"
#include "model/Equation.h"

#include <QAccessible>

namespace app_testing {
namespace {

// What a preset shows once loaded, column by column.
struct PresetView {
    int number;
    std::vector<std::string> bars;
    QStringList expressions; // STEquation1..4; the fourth empty when it is hidden
    QString heads;           // the markups of ST111..ST44, joined with " | "

    friend void PrintTo(const PresetView& view, std::ostream* os) { *os << "preset " << view.number; }
};

class PresetLoadTest : public MainWindowTest, public ::testing::WithParamInterface<PresetView> {};

TEST_P(PresetLoadTest, ClickingItsBoxLoadsItsEquationAtXZero) {
    const PresetView& expected = GetParam();
    const model::Preset& preset = model::preset(expected.number);
    slideTo(40);
    clickBox(expected.number == 1 ? 2 : 1); // away from the first equation, then to the one under test
    clickBox(expected.number);
    EXPECT_TRUE(box(expected.number)->isChecked());
    EXPECT_EQ(barLabels(), expected.bars);
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0"));
    EXPECT_EQ(shown("MaskEdit11i"), QString::fromStdString(preset.defaultQuantity1));
    EXPECT_EQ(shown("MaskEdit22i"), QString::fromStdString(preset.defaultQuantity2));
    EXPECT_EQ(shown("Reactifs"), QString::fromStdString(preset.equation.reactantsSide));
    EXPECT_EQ(shown("Produits"), QString::fromStdString(preset.equation.productsSide));
    const bool fourth = expected.bars.size() == 4;
    const QStringList expressions{shown("STEquation1"), shown("STEquation2"), shown("STEquation3"),
                                  fourth ? shown("STEquation4") : QString()};
    EXPECT_EQ(expressions, expected.expressions);
    EXPECT_EQ(visible("STEquation4"), fourth);
    EXPECT_EQ(visible("Initial4"), fourth);
    EXPECT_EQ(QStringList({shown("ST111"), shown("ST222"), shown("ST33"), shown("ST44")})
                  .join(QStringLiteral(" | ")),
              expected.heads);
    EXPECT_EQ(legendTexts(), std::vector<std::string>(expected.bars));
    // Both reactants in stoichiometric proportions: the defaults always give xmax = 1.
    EXPECT_DOUBLE_EQ(window().xmax(), 1);
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(window().plainFormula(slot),
                  QString::fromStdString(preset.equation.slots[std::size_t(slot - 1)].formula));
        EXPECT_EQ(window().zoomMarkupFirstLine(slot),
                  QString::fromStdString(preset.equation.slots[std::size_t(slot - 1)].zoomMarkup));
        EXPECT_EQ(window().coefficientText(slot),
                  QString::fromStdString(preset.equation.slots[std::size_t(slot - 1)].coefficient));
    }
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, PresetLoadTest,
    ::testing::Values(
        PresetView{1,
                   {"C(s)", "O2(g)", "CO2(g)"},
                   {QStringLiteral("1 - X"), QStringLiteral("1 - X"), QStringLiteral("X"), QString()},
                   QStringLiteral("C(s) | O<sub>2</sub>(g) | CO<sub>2</sub>(g) | ")},
        PresetView{
            2,
            {"CuO(s)", "C(s)", "Cu(s)", "CO2(g)"},
            {QStringLiteral("2 - 2 X"), QStringLiteral("1 - X"), QStringLiteral("2 X"), QStringLiteral("X")},
            QStringLiteral("CuO(s) | C(s) | Cu(s) | CO<sub>2</sub>(g)")},
        PresetView{3,
                   {"Al(s)", "S(s)", "Al2S3(s)"},
                   {QStringLiteral("2 - 2 X"), QStringLiteral("3 - 3 X"), QStringLiteral("X"), QString()},
                   QStringLiteral("Al(s) | S(s) | Al<sub>2</sub>S<sub>3</sub>(s) | ")},
        PresetView{4,
                   {"H2S(g)", "SO2(g)", "S(s)", "H2O(l)"},
                   {QStringLiteral("2 - 2 X"), QStringLiteral("1 - X"), QStringLiteral("3 X"),
                    QStringLiteral("2 X")},
                   QStringLiteral("H<sub>2</sub>S(g) | SO<sub>2</sub>(g) | S(s) | H<sub>2</sub>O(l)")},
        PresetView{5,
                   {"H2(g)", "O2(g)", "H2O(l)"},
                   {QStringLiteral("2 - 2 X"), QStringLiteral("1 - X"), QStringLiteral("2 X"), QString()},
                   QStringLiteral("H<sub>2</sub>(g) | O<sub>2</sub>(g) | H<sub>2</sub>O(l) | ")},
        PresetView{6,
                   {"Fe(s)", "O2(g)", "Fe3O4(s)"},
                   {QStringLiteral("3 - 3 X"), QStringLiteral("2 - 2 X"), QStringLiteral("X"), QString()},
                   QStringLiteral("Fe(s) | O<sub>2</sub>(g) | Fe<sub>3</sub>O<sub>4</sub>(s) | ")},
        PresetView{
            7,
            {"HCO3-(s)", "CH3COOH(aq)", "CO2(g)", "CH3COO-(aq)"},
            {QStringLiteral("1 - X"), QStringLiteral("1 - X"), QStringLiteral("X"), QStringLiteral("X")},
            QStringLiteral("HCO<sub>3</sub>-(aq) | CH<sub>3</sub>COOH(aq) | CO<sub>2</sub>(g) | "
                           "CH<sub>3</sub>COO<sup>-</sup>(aq)")}),
    [](const ::testing::TestParamInfo<PresetView>& info) {
        return "Preset" + std::to_string(info.param.number);
    });

// A pupil half-way through typing a quantity (",", "-" or "+") turns the wheel over the slider, then
// picks another equation with the mouse or through a screen reader's toggle action, which leaves the
// focus (and the text) in the field: the load replaces the text and ends as it does from a number,
// silently.
struct HalfTyped {
    const char* text;
    bool screenReader;
    friend void PrintTo(const HalfTyped& h, std::ostream* os) {
        *os << h.text << (h.screenReader ? " toggled by a screen reader" : " clicked");
    }
};

class LoadOverATextThatIsNoNumber : public MainWindowTest, public ::testing::WithParamInterface<HalfTyped> {};

TEST_P(LoadOverATextThatIsNoNumber, CompletesWithoutAnErrorBox) {
    typeInto(1, QString::fromLatin1(GetParam().text));
    turnWheelOver(slider());
    ASSERT_GT(slider()->position(), 0);
    ASSERT_EQ(errors().size(), 1) << "the slider handler keeps its message";
    testing_support::ErrorBoxRecorder::clear();

    if (GetParam().screenReader) {
        QAccessibleInterface* check = QAccessible::queryAccessibleInterface(box(2));
        ASSERT_TRUE(check && check->actionInterface());
        check->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    } else {
        clickBox(2);
    }
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_TRUE(box(2)->isChecked());
    EXPECT_FALSE(box(1)->isChecked());
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_EQ(shown("MaskEdit11i"), QStringLiteral("2"));
    EXPECT_EQ(shown("MaskEdit22i"), QStringLiteral("1"));
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("2 - 2 X"));
    EXPECT_EQ(barLabels(), (std::vector<std::string>{"CuO(s)", "C(s)", "Cu(s)", "CO2(g)"}));
    EXPECT_EQ(barValues(), (std::vector<double>{2, 1, 0, 0}));
    EXPECT_DOUBLE_EQ(window().xmax(), 1);
}

INSTANTIATE_TEST_SUITE_P(Fields, LoadOverATextThatIsNoNumber,
                         ::testing::Values(HalfTyped{",", false}, HalfTyped{"-", false},
                                           HalfTyped{"+", false}, HalfTyped{",", true}, HalfTyped{"-", true},
                                           HalfTyped{"+", true}));

// The final row speaks of the equation just loaded: with no first reactant the first equation ends at
// X = 0, and "Al + S" then starts from 2 and 3 mol, far from its end.
TEST_F(MainWindowTest, ALoadHidesTheFinalRowOfThePreviousEquation) {
    typeInto(1, QStringLiteral("0"));
    slider()->setFocus();
    QTest::keyClick(slider(), Qt::Key_Right);
    ASSERT_TRUE(visible("STFinal1"));
    clickBox(3);
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("2,000"));
    EXPECT_EQ(shown("MaskEdit22"), QStringLiteral("3,000"));
    for (const char* final : {"STX", "STFinal1", "STFinal2", "STFinal3", "STFinal4"}) {
        EXPECT_FALSE(visible(final)) << final;
    }
    EXPECT_EQ(shown("STX"), QString());
}

// With no first reactant an equation is at its end at every position: the second one's final row shows
// its fourth value, and the third one's, loaded next, must not keep it.
TEST_F(MainWindowTest, AThreeSpeciesEquationAtItsEndShowsNoFourthFinalValue) {
    clickBox(2);
    typeInto(1, QStringLiteral("0"));
    slideTo(10);
    ASSERT_TRUE(visible("STFinal4"));
    clickBox(3);
    typeInto(1, QStringLiteral("0"));
    slideTo(10);
    EXPECT_TRUE(visible("STFinal3"));
    EXPECT_FALSE(visible("STFinal4"));
    slideTo(98);
    clickButton("GlyphButton1");
    ASSERT_EVENTUALLY_EQ(slider()->position(), 100);
    EXPECT_TRUE(visible("STFinal3"));
    EXPECT_FALSE(visible("STFinal4")) << "nor in the simulation";
}

TEST_F(MainWindowTest, PresetFourAfterPresetTwoKeepsAFourthColumn) {
    clickBox(2);
    clickBox(4);
    EXPECT_FALSE(box(2)->isChecked());
    EXPECT_TRUE(box(4)->isChecked());
    EXPECT_TRUE(visible("Initial4"));
    ASSERT_EQ(bars().count(), 4);
    EXPECT_EQ(bars().point(3).label, "H2O(l)");
    EXPECT_EQ(bars().point(3).color, framework::clYellow);
    EXPECT_EQ(shown("STEquation4"), QStringLiteral("2 X"));
    EXPECT_EQ(child<controls::TMarkupLabel>("ST44")->hint(), QStringLiteral("eau"));
}

TEST_F(MainWindowTest, PresetThreeAfterPresetSevenDropsTheFourthSpecies) {
    clickBox(7);
    ASSERT_EQ(legendTexts().size(), 4u);
    clickBox(3);
    EXPECT_EQ(bars().count(), 3);
    EXPECT_FALSE(visible("STEquation4"));
    EXPECT_FALSE(visible("Initial4"));
    EXPECT_EQ(legendTexts(), (std::vector<std::string>{"Al(s)", "S(s)", "Al2S3(s)"}));
    EXPECT_EQ(shown("MaskEdit44"), QString());
    EXPECT_EQ(shown("ST44"), QString());
    EXPECT_EQ(window().coefficientText(4), QString());
    EXPECT_EQ(window().zoomMarkupFirstLine(4), QString());
    // The hint of the absent species' head is left as it was, and never shown.
    EXPECT_EQ(child<controls::TMarkupLabel>("ST44")->hint(), QStringLiteral("ion éthanoate"));
}

TEST_F(MainWindowTest, EveryColumnHeadStaysInsideItsCell) {
    const std::vector<std::pair<const char*, const char*>> heads{
        {"ST111", "Shape9"}, {"ST222", "Shape10"}, {"ST33", "Shape11"}, {"ST44", "Shape12"}};
    const std::array<void (app::TFiche_molvanex::*)(), 7> loaders{
        &app::TFiche_molvanex::BtnInitialClick, &app::TFiche_molvanex::BtnCuOClick,
        &app::TFiche_molvanex::BtnAlSClick,     &app::TFiche_molvanex::BtnH2SClick,
        &app::TFiche_molvanex::BtnH2Click,      &app::TFiche_molvanex::BtnFeClick,
        &app::TFiche_molvanex::BtnHAClick};
    for (int preset = 1; preset <= 7; ++preset) {
        (window().*loaders[std::size_t(preset - 1)])();
        for (const auto& [head, cell] : heads) {
            const QRect inner = child(cell)->geometry().adjusted(1, 1, -1, -1);
            EXPECT_TRUE(inner.contains(child(head)->geometry())) << "preset " << preset << " " << head;
        }
    }
    EXPECT_LT(child("ST222")->x(), 380) << "CH3COOH(aq) moves left";
    window().BtnInitialClick();
    EXPECT_EQ(child("ST222")->pos(), QPoint(380, 100)) << "a formula that fits keeps its place";
}

TEST_F(MainWindowTest, TheSeventhEquationCarriesTheWaterInItsFourthZoomMarkup) {
    clickBox(7);
    EXPECT_EQ(window().zoomMarkupFirstLine(1), QStringLiteral("HCO<sub>3</sub><sup>-</sup>(aq)"));
    EXPECT_EQ(window().zoomMarkupFirstLine(4),
              QStringLiteral("CH<sub>3</sub>COO<sup>-</sup>(aq)+H<sub>2</sub>O(l)"));
    EXPECT_EQ(child<controls::TMarkupLabel>("T4")->HTMLText().count(), 1);
    EXPECT_TRUE(window().seventhEquationChecked());
}

TEST_F(MainWindowTest, InTheFifthEquationTheWaterIsOneLineAndNoFourthSpecies) {
    clickBox(5);
    EXPECT_EQ(child<controls::TMarkupLabel>("T3")->HTMLText().lines(),
              QStringList{QStringLiteral("H<sub>2</sub>O(l)")});
    EXPECT_EQ(child<controls::TMarkupLabel>("T4")->HTMLText().count(), 0);
}

TEST_F(MainWindowTest, ASecondClickOnTheCheckedBoxReloadsItsEquationAndLeavesNoBoxChecked) {
    clickBox(2);
    typeInto(1, QStringLiteral("4"));
    slideTo(30);
    ASSERT_EQ(shown("MaskEdit11i"), QStringLiteral("4"));
    clickBox(2);
    EXPECT_EQ(shown("MaskEdit11i"), QStringLiteral("2"));
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("2 - 2 X"));
    for (int i = 1; i <= 7; ++i) {
        EXPECT_FALSE(box(i)->isChecked()) << i;
    }
    EXPECT_EQ(window().plainFormula(1), QStringLiteral("CuO(s)"));
    clickBox(2);
    EXPECT_TRUE(box(2)->isChecked());
    EXPECT_EQ(barLabels(), (std::vector<std::string>{"CuO(s)", "C(s)", "Cu(s)", "CO2(g)"}));
}

TEST_F(MainWindowTest, SpaceOnTheCheckedBoxOnlyUnchecksIt) {
    clickBox(2);
    typeInto(1, QStringLiteral("4"));
    box(2)->setFocus();
    QTest::keyClick(box(2), Qt::Key_Space);
    EXPECT_FALSE(box(2)->isChecked());
    EXPECT_EQ(shown("MaskEdit11i"), QStringLiteral("4")) << "no reload";
    QTest::keyClick(box(3), Qt::Key_Space);
    EXPECT_TRUE(box(3)->isChecked());
    EXPECT_EQ(window().plainFormula(1), QStringLiteral("Al(s)"));
}

TEST_F(MainWindowTest, TypingAQuantityAtSixtyReturnsToTheStartWithTheNewExpression) {
    slideTo(60);
    ASSERT_EQ(shown("MaskEditX"), QStringLiteral("0,6"));
    typeInto(1, QStringLiteral("3"));
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("3,000"));
    EXPECT_EQ(shown("MaskEdit22"), QStringLiteral("1,000"));
    EXPECT_EQ(shown("MaskEdit33"), QStringLiteral("0,000"));
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("3 - X"));
    EXPECT_EQ(barValues(), (std::vector<double>{3, 1, 0}));
    EXPECT_DOUBLE_EQ(window().xmax(), 1);
    EXPECT_DOUBLE_EQ(lineChart()->leftAxis().maximum(), 4);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(MainWindowTest, ADecimalQuantityIsWrittenAsTypedInItsExpression) {
    typeInto(1, QStringLiteral("2,5"));
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("2,5 - X"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("2,500"));
}

TEST_F(MainWindowTest, AnEmptiedFieldIsSetBackToZero) {
    slideTo(50);
    controls::TFloatSpinEdit* first = field(1);
    first->setFocus();
    first->selectAll();
    QTest::keyClick(first, Qt::Key_Backspace);
    EXPECT_EQ(shown("MaskEdit11i"), QStringLiteral("0"));
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("0 - X"));
    EXPECT_DOUBLE_EQ(window().xmax(), 0);
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(MainWindowTest, InitialisationAtZeroLeavesTheLineChartEmptyAndTheTableAsItWas) {
    const QStringList before{shown("MaskEdit11"), shown("MaskEdit22"), shown("MaskEdit33"),
                             shown("MaskEditX")};
    clickButton("BtnInitialisation");
    EXPECT_EQ(
        QStringList({shown("MaskEdit11"), shown("MaskEdit22"), shown("MaskEdit33"), shown("MaskEditX")}),
        before);
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(line(slot).count(), 0) << slot;
    }
    EXPECT_EQ(barValues(), (std::vector<double>{1, 1, 0}));
}

TEST_F(MainWindowTest, InitialisationReturnsToXZeroAndRenamesTheLines) {
    clickBox(2);
    slideTo(70);
    clickButton("BtnInitialisation");
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0"));
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(line(slot).count(), 0) << slot;
    }
    EXPECT_EQ(barValues(), (std::vector<double>{2, 1, 0, 0}));
    EXPECT_EQ(legendTexts(), (std::vector<std::string>{"CuO(s)", "C(s)", "Cu(s)", "CO2(g)"}));
}

TEST_F(MainWindowTest, ALoadComputesXmaxAndTheAxesWithTheNewCoefficients) {
    // Loading the fourth equation changes only the first field's text; its change handler runs while
    // the third coefficient is still the first equation's 1, but 3 S(s) reach 3 mol.
    clickBox(4);
    EXPECT_DOUBLE_EQ(window().xmax(), 1);
    EXPECT_DOUBLE_EQ(barChart()->leftAxis().maximum(), 4);
    EXPECT_DOUBLE_EQ(lineChart()->leftAxis().maximum(), 4);
    EXPECT_DOUBLE_EQ(lineChart()->bottomAxis().maximum(), 1.2);
    EXPECT_DOUBLE_EQ(lineChart()->bottomAxis().increment(), 0.1);
}

TEST_F(MainWindowTest, PresetTwoDefaultsScaleTheAxes) {
    clickBox(2);
    EXPECT_DOUBLE_EQ(window().xmax(), 1);
    EXPECT_DOUBLE_EQ(lineChart()->bottomAxis().maximum(), 1.2);
    EXPECT_DOUBLE_EQ(lineChart()->bottomAxis().increment(), 0.1);
    EXPECT_DOUBLE_EQ(barChart()->leftAxis().maximum(), 3);
}

TEST_F(MainWindowTest, TheSecondReactantLimitsWhenItRunsOutFirst) {
    typeInto(1, QStringLiteral("5"));
    slideTo(50);
    EXPECT_DOUBLE_EQ(window().xmax(), 1);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,5"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("4,500"));
    EXPECT_EQ(shown("MaskEdit22"), QStringLiteral("0,500"));
}

TEST_F(MainWindowTest, ANegativeQuantityIsRefusedByTheChartAndTheWindowStaysUsable) {
    typeInto(1, QStringLiteral("-2"));
    ASSERT_FALSE(errors().isEmpty());
    EXPECT_EQ(errors().last(), QStringLiteral("La valeur maximum de l'axe doit être >= Minimum."));
    testing_support::ErrorBoxRecorder::clear();
    typeInto(1, QStringLiteral("2"));
    slideTo(50);
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("1,500"));
    EXPECT_TRUE(errors().isEmpty());
}

} // namespace
} // namespace app_testing
