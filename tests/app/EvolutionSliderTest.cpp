// The evolution slider, the state table's rows, the two charts and their menus.
#include "MainWindowFixture.h"
#include "support/Eventually.h"

#include "chart/ChartView.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionSlider>

namespace app_testing {
namespace {

TEST_F(MainWindowTest, LeavingAFieldThatIsNoNumberSetsItBackToZero) {
    slideTo(20);
    typeInto(1, QStringLiteral("1-2"));
    slider()->setFocus();
    EXPECT_EQ(shown("MaskEdit11i"), QStringLiteral("0"));
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("0 - X"));
    EXPECT_DOUBLE_EQ(window().xmax(), 0);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(MainWindowTest, HalfwayThroughTheFirstEquationTheTableShowsHalfAMole) {
    slideTo(50);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,5"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("0,500"));
    EXPECT_EQ(shown("MaskEdit22"), QStringLiteral("0,500"));
    EXPECT_EQ(shown("MaskEdit33"), QStringLiteral("0,500"));
    EXPECT_EQ(shown("MaskEdit44"), QString());
    EXPECT_FALSE(visible("STX"));
    EXPECT_FALSE(visible("STFinal1"));
    EXPECT_EQ(barValues(), (std::vector<double>{0.5, 0.5, 0.5}));
    // Both reactant lines read "1 - X": the first is raised by 0.01 mol to stay visible.
    ASSERT_EQ(line(1).count(), 51);
    EXPECT_DOUBLE_EQ(line(1).points().back().x, 0.5);
    EXPECT_DOUBLE_EQ(line(1).points().back().y, 0.51);
    EXPECT_DOUBLE_EQ(line(2).points().back().y, 0.5);
    EXPECT_DOUBLE_EQ(line(1).points().front().y, 1.01);
    EXPECT_EQ(line(1).points().back().color, framework::clTeal);
    EXPECT_EQ(line(2).points().back().color, framework::clMaroon);
    EXPECT_EQ(line(3).points().back().color, framework::clBlue);
}

TEST_F(MainWindowTest, TheFinalRowShowsAtOneHundredAndHidesAtNinetyNine) {
    framework::TTrackBar* bar = slider();
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_End);
    ASSERT_EQ(bar->position(), 100);
    EXPECT_TRUE(visible("STX"));
    EXPECT_EQ(shown("STX"), QStringLiteral("Xmax"));
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("1"));
    for (const char* name : {"STFinal1", "STFinal2", "STFinal3"}) {
        EXPECT_TRUE(visible(name)) << name;
    }
    EXPECT_FALSE(visible("STFinal4"));
    EXPECT_EQ(shown("STFinal1"), QStringLiteral("0,000"));
    EXPECT_EQ(shown("STFinal2"), QStringLiteral("0,000"));
    EXPECT_EQ(shown("STFinal3"), QStringLiteral("1,000"));

    bar->setPosition(99);
    EXPECT_FALSE(visible("STX"));
    EXPECT_EQ(shown("STX"), QString());
    for (const char* name : {"STFinal1", "STFinal2", "STFinal3", "STFinal4"}) {
        EXPECT_FALSE(visible(name)) << name;
    }
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,99"));
}

TEST_F(MainWindowTest, AtTheEndOfTheSecondEquationTheFourthFinalValueShowsToo) {
    clickBox(2);
    slider()->setPosition(100);
    EXPECT_TRUE(visible("STFinal4"));
    EXPECT_EQ(shown("STFinal1"), QStringLiteral("0,000"));
    EXPECT_EQ(shown("STFinal2"), QStringLiteral("0,000"));
    EXPECT_EQ(shown("STFinal3"), QStringLiteral("2,000"));
    EXPECT_EQ(shown("STFinal4"), QStringLiteral("1,000"));
    EXPECT_EQ(shown("MaskEdit44"), QStringLiteral("1,000"));
}

TEST_F(MainWindowTest, TheThirdEquationDrawsThreeBarsAndAYellowLineAlongZeroOutOfTheLegend) {
    clickBox(3);
    for (int position : {0, 30, 100}) {
        slider()->setPosition(position);
        EXPECT_EQ(bars().count(), 3) << position;
    }
    for (const char* name : {"STFinal1", "STFinal2", "STFinal3"}) {
        EXPECT_TRUE(visible(name)) << name;
    }
    EXPECT_FALSE(visible("STFinal4"));
    ASSERT_EQ(line(4).count(), 101);
    for (const chart::ChartPoint& point : line(4).points()) {
        EXPECT_EQ(point.y, 0);
        EXPECT_EQ(point.color, framework::clYellow);
    }
    EXPECT_FALSE(line(4).showInLegend());
    EXPECT_EQ(legendTexts().size(), 3u);
}

TEST_F(MainWindowTest, WithNoFirstReactantTheFinalRowShowsEverywhereAtXZero) {
    typeInto(1, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(window().xmax(), 0);
    EXPECT_DOUBLE_EQ(lineChart()->bottomAxis().maximum(), 0);
    EXPECT_DOUBLE_EQ(lineChart()->bottomAxis().increment(), 0);
    for (int position : {10, 40, 100}) {
        slider()->setPosition(position);
        EXPECT_TRUE(visible("STX")) << position;
        EXPECT_TRUE(visible("STFinal1")) << position;
        ASSERT_EQ(line(1).count(), position + 1);
        for (const chart::ChartPoint& point : line(1).points()) {
            EXPECT_EQ(point.x, 0);
        }
    }
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(MainWindowTest, TheSeventhEquationRaisesItsFourthLineAndShrinksItsMarks) {
    clickBox(7);
    slider()->setPosition(40);
    ASSERT_EQ(line(4).count(), 41);
    for (int i = 0; i < line(4).count(); ++i) {
        EXPECT_DOUBLE_EQ(line(4).point(i).y, line(3).point(i).y + 0.01) << i;
    }
    bars().markText(0);
    EXPECT_EQ(bars().marks().font().pixelSize, chart::pixelsFromPoints(10));
}

TEST_F(MainWindowTest, TheRulesFollowTheSeventhBoxNotTheEquation) {
    clickBox(7);
    clickBox(7); // reloads the equation and unchecks its box
    ASSERT_FALSE(box(7)->isChecked());
    ASSERT_EQ(window().plainFormula(4), QStringLiteral("CH3COO-(aq)"));
    slider()->setPosition(40);
    for (int i = 0; i < line(4).count(); ++i) {
        EXPECT_DOUBLE_EQ(line(4).point(i).y, line(3).point(i).y) << i;
    }
    bars().markText(0);
    EXPECT_EQ(bars().marks().font().pixelSize, chart::pixelsFromPoints(11));
}

TEST_F(MainWindowTest, EachBarIsMarkedWithItsFormulaOverItsQuantity) {
    clickBox(2);
    EXPECT_EQ(bars().markText(0), "CuO(s)\r2 mol");
    EXPECT_EQ(bars().markText(2), "Cu(s)\r0 mol");
    slider()->setPosition(50);
    EXPECT_EQ(bars().markText(1), "C(s)\r0,5 mol");
    EXPECT_EQ(bars().point(0).color, framework::clTeal);
    EXPECT_EQ(bars().point(1).color, framework::clMaroon);
    EXPECT_EQ(bars().point(2).color, framework::clBlue);
    EXPECT_EQ(bars().point(3).color, framework::clYellow);
}

TEST_F(MainWindowTest, TheKeyboardMovesTheSliderTenAtATime) {
    framework::TTrackBar* bar = slider();
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->position(), 10);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,1"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("0,900"));
    EXPECT_EQ(line(2).count(), 11);
}

TEST_F(MainWindowTest, DraggingTheSliderShowsTheStateWhereItIsDropped) {
    framework::TTrackBar* bar = slider();
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->position();
    option.sliderValue = bar->position();
    option.tickPosition = bar->tickPosition();
    const QRect handle =
        bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
    const QPoint from = handle.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, from);
    QTest::mouseMove(bar, QPoint(bar->width() - 1, from.y()));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() - 1, from.y()));
    EXPECT_EQ(bar->position(), 100);
    EXPECT_TRUE(visible("STX"));
    EXPECT_EQ(shown("MaskEdit33"), QStringLiteral("1,000"));
}

TEST_F(MainWindowTest, ATextThatIsNoNumberStopsTheSliderHandlerWithTheRuntimesMessage) {
    typeInto(1, QStringLiteral("1-2"));
    ASSERT_TRUE(errors().isEmpty()) << "at X = 0 nothing converts the text strictly";
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("1-2 - X"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("0,000")) << "the initial display reads the text as 0";
    EXPECT_EQ(barValues(), (std::vector<double>{0, 1, 0}));

    // The field keeps the focus (leaving it would set it back to 0): the pupil turns the mouse wheel
    // over the slider.
    framework::TTrackBar* bar = slider();
    turnWheelOver(bar);
    EXPECT_EQ(errors(),
              QStringList{QStringLiteral("'1-2' n'est pas une valeur en virgule flottante correcte.")});
    EXPECT_GT(bar->position(), 0);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0")) << "the table keeps what it showed";
    EXPECT_EQ(line(1).count(), 0);
    EXPECT_EQ(shown("MaskEdit11i"), QStringLiteral("1-2"));

    testing_support::ErrorBoxRecorder::clear();
    typeInto(1, QStringLiteral("2"));
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Home);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(bar->position(), 10);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,1"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("1,900"));
}

struct Graduation {
    const char* item;  // in the bar chart's menu
    const char* item2; // its copy in the line chart's menu
    double step;

    friend void PrintTo(const Graduation& g, std::ostream* os) { *os << g.item; }
};

class GraduationTest : public MainWindowTest, public ::testing::WithParamInterface<Graduation> {};

TEST_P(GraduationTest, EitherCopyOfAnItemSetsBothLeftAxesAndChecksItInBothMenus) {
    const Graduation& g = GetParam();
    const std::vector<std::pair<const char*, const char*>> all{
        {"N01", "N012"}, {"N02", "N022"}, {"N03", "N032"}, {"N04", "N042"}, {"N05", "N052"}, {"N1g", "N1g2"}};
    for (const char* chosen : {g.item, g.item2}) {
        item("N1g")->trigger(); // from elsewhere
        item(chosen)->trigger();
        EXPECT_DOUBLE_EQ(barChart()->leftAxis().increment(), g.step) << chosen;
        EXPECT_DOUBLE_EQ(lineChart()->leftAxis().increment(), g.step) << chosen;
        for (const auto& [first, second] : all) {
            const bool expected = std::string(first) == g.item;
            EXPECT_EQ(item(first)->isChecked(), expected) << chosen << " " << first;
            EXPECT_EQ(item(second)->isChecked(), expected) << chosen << " " << second;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, GraduationTest,
                         ::testing::Values(Graduation{"N01", "N012", 0.1}, Graduation{"N02", "N022", 0.2},
                                           Graduation{"N03", "N032", 0.3}, Graduation{"N04", "N042", 0.4},
                                           Graduation{"N05", "N052", 0.5}, Graduation{"N1g", "N1g2", 1.0}),
                         [](const ::testing::TestParamInfo<Graduation>& info) {
                             return std::string(info.param.item);
                         });

TEST_F(MainWindowTest, ChoosingAnItemAlreadyCheckedKeepsItChecked) {
    item("N05")->trigger();
    EXPECT_TRUE(item("N05")->isChecked());
    EXPECT_TRUE(item("N052")->isChecked());
    item("N2")->trigger();
    EXPECT_TRUE(item("N2")->isChecked());
}

TEST_F(MainWindowTest, ZeroCommaTwoChosenWithTheMouseInTheBarChartsMenu) {
    auto* menu = child<QMenu>("PopupMenuGraduations");
    QTest::mouseClick(barChart(), Qt::RightButton, {}, QPoint(100, 100));
    ASSERT_EVENTUALLY_WITH_TIMEOUT(menu->isVisible(), 5000);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item("N02")).center());
    ASSERT_EVENTUALLY_WITH_TIMEOUT(!menu->isVisible(), 5000);
    EXPECT_DOUBLE_EQ(barChart()->leftAxis().increment(), 0.2);
    EXPECT_DOUBLE_EQ(lineChart()->leftAxis().increment(), 0.2);
    EXPECT_TRUE(item("N022")->isChecked());
    EXPECT_FALSE(item("N05")->isChecked());
}

TEST_F(MainWindowTest, TheLineWidthItemsSetEveryLineAndCheckOneItem) {
    const std::vector<const char*> items{"N1", "N2", "N3", "N4", "N5"};
    for (std::size_t chosen = 0; chosen < items.size(); ++chosen) {
        item(items[chosen])->trigger();
        for (int slot = 1; slot <= 4; ++slot) {
            EXPECT_EQ(line(slot).lineWidth(), int(chosen) + 1) << items[chosen];
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(item(items[i])->isChecked(), i == chosen) << items[chosen] << " " << items[i];
        }
    }
}

TEST_F(MainWindowTest, GraduationAndLineWidthSurviveALoadAndARescaling) {
    item("N03")->trigger();
    item("N4")->trigger();
    clickBox(6);
    typeInto(2, QStringLiteral("7"));
    slider()->setPosition(30);
    EXPECT_DOUBLE_EQ(barChart()->leftAxis().increment(), 0.3);
    EXPECT_EQ(line(1).lineWidth(), 4);
    EXPECT_TRUE(item("N032")->isChecked());
}

} // namespace
} // namespace app_testing
