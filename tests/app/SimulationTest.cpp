// The simulation: "Simulation" moves the slider one step at once and one step every 100 ms up to 100;
// "Arrêt" stops it.
#include "MainWindowFixture.h"
#include "support/Eventually.h"

#include "framework/Timer.h"

#include <QApplication>
#include <QTimer>

namespace app_testing {
namespace {

class SimulationTest : public MainWindowTest {
protected:
    framework::TTimer* timer() { return child<framework::TTimer>("Timer1"); }
    void tick() { window().Timer1Timer(); }
};

TEST_F(SimulationTest, FromThirtySevenItShowsThirtyEightAtOnceAndReachesTheEndOnItsSixtyThirdStep) {
    slider()->setPosition(37);
    clickButton("GlyphButton1");
    EXPECT_EQ(slider()->position(), 38);
    EXPECT_TRUE(timer()->enabled());
    for (int step = 2; step <= 62; ++step) {
        tick();
    }
    EXPECT_EQ(slider()->position(), 99);
    EXPECT_FALSE(visible("STX"));
    tick(); // the 63rd step
    EXPECT_EQ(slider()->position(), 100);
    EXPECT_TRUE(visible("STX"));
    EXPECT_EQ(shown("STX"), QStringLiteral("Xmax"));
    EXPECT_TRUE(timer()->enabled()) << "the tick that finds the slider at 100 switches it off";
    tick();
    EXPECT_FALSE(timer()->enabled());
    EXPECT_EQ(slider()->position(), 100);
}

TEST_F(SimulationTest, TheTimerDrivesTheRunToTheEndByItself) {
    slider()->setPosition(90);
    clickButton("GlyphButton1");
    EXPECT_EQ(slider()->position(), 91);
    ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(slider()->position(), 100, 20000);
    ASSERT_EVENTUALLY_WITH_TIMEOUT(!timer()->enabled(), 5000);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("1,000"));
}

TEST_F(SimulationTest, AtOneHundredSimulationChangesNothingAndLeavesTheTimerOff) {
    slider()->setPosition(100);
    const QString before = shown("MaskEditX");
    clickButton("GlyphButton1");
    EXPECT_EQ(slider()->position(), 100);
    EXPECT_FALSE(timer()->enabled());
    EXPECT_EQ(shown("MaskEditX"), before);
}

TEST_F(SimulationTest, AStepShowsXWithThreeDecimalsWhereTheSliderShowsItsShortestForm) {
    clickButton("GlyphButton1");
    ASSERT_EQ(slider()->position(), 1);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,010"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("0,990"));
    clickButton("GlyphButton4");
    slider()->setPosition(2);
    slider()->setPosition(1);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,01"));
    EXPECT_EQ(shown("MaskEdit11"), QStringLiteral("0,990"));
}

TEST_F(SimulationTest, TheFinalFourthValueOfAStepIsInGeneralNotation) {
    clickBox(2);
    slider()->setPosition(99);
    clickButton("GlyphButton1");
    ASSERT_EQ(slider()->position(), 100);
    EXPECT_EQ(shown("STFinal4"), QStringLiteral("1"));
    EXPECT_EQ(shown("STFinal3"), QStringLiteral("2,000"));
    EXPECT_EQ(shown("MaskEdit44"), QStringLiteral("1,000"));
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("1,000"));
}

TEST_F(SimulationTest, StopThenSimulationResumesFromWhereItStopped) {
    clickButton("GlyphButton1");
    tick();
    tick();
    ASSERT_EQ(slider()->position(), 3);
    clickButton("GlyphButton4");
    EXPECT_FALSE(timer()->enabled());
    EXPECT_EQ(slider()->position(), 3);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,030"));
    clickButton("GlyphButton1");
    EXPECT_EQ(slider()->position(), 4);
    EXPECT_TRUE(timer()->enabled());
}

TEST_F(SimulationTest, DuringARunOfTheSeventhEquationItsFourthLineStaysAboveTheThird) {
    clickBox(7);
    clickButton("GlyphButton1");
    for (int step = 0; step < 20; ++step) {
        ASSERT_EQ(line(4).count(), line(3).count());
        for (int i = 0; i < line(4).count(); ++i) {
            ASSERT_DOUBLE_EQ(line(4).point(i).y, line(3).point(i).y + 0.01) << step << " " << i;
        }
        tick();
    }
    EXPECT_EQ(slider()->position(), 21);
}

TEST_F(SimulationTest, ALoadDuringARunGoesOnFromZeroWithTheNewEquation) {
    clickButton("GlyphButton1");
    tick();
    clickBox(5);
    EXPECT_EQ(slider()->position(), 0);
    EXPECT_TRUE(timer()->enabled());
    tick();
    EXPECT_EQ(slider()->position(), 1);
    EXPECT_EQ(barLabels(), (std::vector<std::string>{"H2(g)", "O2(g)", "H2O(l)"}));
}

TEST_F(SimulationTest, AFieldThatIsNoNumberStopsTheRunWithOneMessage) {
    clickButton("GlyphButton1");
    // While the run goes on the pupil types into a field, which keeps the focus (leaving it would set
    // it back to 0); the first digit sets the slider back to 0 and the run goes on from there.
    typeInto(2, QStringLiteral("1-2"));
    ASSERT_TRUE(errors().isEmpty());
    ASSERT_EQ(slider()->position(), 0);
    ASSERT_TRUE(timer()->enabled());
    ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(errors().size(), 1, 5000);
    EXPECT_EQ(errors(),
              QStringList{QStringLiteral("'1-2' n'est pas une valeur en virgule flottante correcte.")});
    EXPECT_FALSE(timer()->enabled()) << "a failing step would fail again on every tick";
    EXPECT_EQ(slider()->position(), 1) << "the slider had already moved";
    QTest::qWait(350);
    EXPECT_EQ(errors().size(), 1);
    EXPECT_EQ(shown("MaskEdit22i"), QStringLiteral("1-2"));

    // The pupil corrects the field and starts again.
    testing_support::ErrorBoxRecorder::clear();
    typeInto(2, QStringLiteral("2"));
    EXPECT_EQ(slider()->position(), 0);
    clickButton("GlyphButton1");
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(slider()->position(), 1);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,010"));
    EXPECT_TRUE(timer()->enabled());
}

TEST_F(SimulationTest, TheRunGoesOnWhileAModalWindowIsOpen) {
    clickButton("GlyphButton1");
    ASSERT_EQ(slider()->position(), 1);
    // The About box is closed once the run has had time for a few steps.
    QTimer closer;
    closer.setInterval(450);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    closer.start();
    clickButton("btnpropos");
    EXPECT_GE(slider()->position(), 3);
    EXPECT_TRUE(timer()->enabled());
}

} // namespace
} // namespace app_testing
