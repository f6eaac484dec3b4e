// The chart model on its own: insertion order, colours, legend entries, axis refusals, marks and labels.

#include "chart/ChartModel.h"
#include "chart/FormCharts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace chart;
using framework::clDefault;
using framework::clNone;
using framework::rgb;

constexpr TColor teal = rgb(0, 128, 128);
constexpr TColor maroon = rgb(128, 0, 0);

// Counts the changes a view would repaint for.
class CountingChart : public ChartModel {
public:
    int changes = 0;

protected:
    void chartChanged() override { ++changes; }
};

model::NumberLocale french() {
    return {",", "\u202f"};
}

std::vector<double> xsOf(const Series& s) {
    std::vector<double> xs;
    for (const ChartPoint& p : s.points()) {
        xs.push_back(p.x);
    }
    return xs;
}

TEST(ChartSeries, DecreasingXIsStoredAscending) {
    ChartModel chart;
    LineSeries& line = chart.addLineSeries();
    for (double x : {0.5, 0.4, 0.3, 0.2, 0.1, 0.0}) {
        line.addXY(x, 2 * x);
    }
    EXPECT_EQ(xsOf(line), (std::vector<double>{0.0, 0.1, 0.2, 0.3, 0.4, 0.5}));
    // y values travel with their x.
    EXPECT_DOUBLE_EQ(line.point(5).y, 1.0);
}

TEST(ChartSeries, EqualXKeepsOrderOfInsertion) {
    ChartModel chart;
    LineSeries& line = chart.addLineSeries();
    line.addXY(1, 10, "a");
    line.addXY(3, 30, "b");
    line.addXY(1, 11, "c"); // goes after the stored 1, before 3
    line.addXY(1, 12, "d");
    line.addXY(0, 0, "e");
    ASSERT_EQ(line.count(), 5);
    EXPECT_EQ(line.pointLabel(0), "e");
    EXPECT_EQ(line.pointLabel(1), "a");
    EXPECT_EQ(line.pointLabel(2), "c");
    EXPECT_EQ(line.pointLabel(3), "d");
    EXPECT_EQ(line.pointLabel(4), "b");
}

TEST(ChartSeries, AddXYReturnsTheIndexOfTheInsertedPoint) {
    ChartModel chart;
    LineSeries& line = chart.addLineSeries();
    EXPECT_EQ(line.addXY(2, 0), 0);
    EXPECT_EQ(line.addXY(3, 0), 1);
    EXPECT_EQ(line.addXY(2.5, 0), 1);
    EXPECT_EQ(line.addXY(-1, 0), 0);
}

TEST(ChartSeries, BarsGoToTheNextCategory) {
    ChartModel chart;
    BarSeries& bars = chart.addBarSeries();
    bars.addBar(2, "CuO(s)", teal);
    bars.addBar(1, "C(s)", maroon);
    bars.addBar(0, "Cu(s)", framework::clBlue);
    EXPECT_EQ(xsOf(bars), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(bars.pointLabel(1), "C(s)");
}

TEST(ChartSeries, ClearRemovesEveryPointAndAnEmptyClearChangesNothing) {
    CountingChart chart;
    LineSeries& line = chart.addLineSeries();
    line.addXY(0, 1);
    line.addXY(1, 2);
    line.clear();
    EXPECT_EQ(line.count(), 0);
    const int before = chart.changes;
    line.clear();
    EXPECT_EQ(chart.changes, before);
}

TEST(ChartSeries, PointLabelOutsideTheListIsEmpty) {
    ChartModel chart;
    BarSeries& bars = chart.addBarSeries();
    bars.addBar(1, "CO2(g)", teal);
    bars.addBar(2, "", maroon);
    EXPECT_EQ(bars.pointLabel(0), "CO2(g)");
    EXPECT_EQ(bars.pointLabel(1), "");
    EXPECT_EQ(bars.pointLabel(2), "");
    EXPECT_EQ(bars.pointLabel(-1), "");
    EXPECT_EQ(bars.pointLabel(std::numeric_limits<int>::max()), "");
}

TEST(ChartSeries, ExplicitPointColourWinsOverSeriesColourAndPalette) {
    ChartModel chart;
    BarSeries& bars = chart.addBarSeries();
    bars.setSeriesColor(framework::clRed);
    bars.addBar(1, "a", teal);
    bars.addBar(1, "b", clDefault);
    bars.addBar(1, "c", clNone);
    EXPECT_EQ(bars.pointColor(0), teal);
    EXPECT_EQ(bars.pointColor(1), framework::clRed);
    EXPECT_EQ(bars.pointColor(2), clNone);

    bars.setColorEachPoint(true);
    EXPECT_EQ(bars.pointColor(0), teal);
    EXPECT_NE(bars.pointColor(1), framework::clRed); // the palette's second colour
    EXPECT_NE(bars.pointColor(1), clDefault);
    EXPECT_EQ(bars.pointColor(2), clNone);
}

TEST(ChartSeries, PaletteColoursDifferByIndex) {
    ChartModel chart;
    BarSeries& bars = chart.addBarSeries();
    bars.setColorEachPoint(true);
    for (int i = 0; i < 3; ++i) {
        bars.add(1);
    }
    EXPECT_NE(bars.pointColor(0), bars.pointColor(1));
    EXPECT_NE(bars.pointColor(1), bars.pointColor(2));
}

TEST(ChartSeries, FormatValueUsesTheMarkFormatAndTheLocale) {
    ChartModel chart;
    chart.setLocaleProvider(french);
    BarSeries& bars = chart.addBarSeries();
    EXPECT_EQ(bars.formatValue(2), "2");
    EXPECT_EQ(bars.formatValue(0.5), "0,5");
    EXPECT_EQ(bars.formatValue(1.2346), "1,235");
    EXPECT_EQ(bars.formatValue(1234.5), "1\u202f234,5");
}

TEST(ChartMarks, DefaultTextIsTheFormattedValue) {
    ChartModel chart;
    chart.setLocaleProvider(french);
    BarSeries& bars = chart.addBarSeries();
    bars.addBar(2.5, "CuO(s)", teal);
    EXPECT_EQ(bars.markText(0), "2,5");
}

TEST(ChartMarks, CallbackReceivesTheDefaultTextAndItsResultIsKept) {
    ChartModel chart;
    chart.setLocaleProvider(french);
    BarSeries& bars = chart.addBarSeries();
    bars.addBar(2, "CuO(s)", teal);
    bars.addBar(0.5, "C(s)", maroon);
    std::vector<std::string> seen;
    std::vector<int> indexes;
    bars.OnGetMarkText = [&](BarSeries& sender, int index, std::string& text) {
        EXPECT_EQ(&sender, &bars);
        seen.push_back(text);
        indexes.push_back(index);
        text = sender.pointLabel(index) + '\r' + sender.formatValue(sender.point(index).y) + " mol";
    };
    EXPECT_EQ(bars.markText(0), "CuO(s)\r2 mol");
    EXPECT_EQ(bars.markText(1), "C(s)\r0,5 mol");
    EXPECT_EQ(seen, (std::vector<std::string>{"2", "0,5"}));
    EXPECT_EQ(indexes, (std::vector<int>{0, 1}));
}

TEST(ChartMarks, FontSizeInPointsBecomesPixels) {
    CountingChart chart;
    BarSeries& bars = chart.addBarSeries();
    bars.marks().setFontSize(10);
    EXPECT_EQ(bars.marks().font().pixelSize, 13);
    bars.marks().setFontSize(11);
    EXPECT_EQ(bars.marks().font().pixelSize, 15);
    const int before = chart.changes;
    bars.marks().setFontSize(11); // a callback sets it before every mark: no repaint for the same size
    EXPECT_EQ(chart.changes, before);
}

TEST(ChartTitle, LinesAreKeptAsGiven) {
    ChartModel chart;
    chart.title().setText({"Evolution des quantités de matière", " en fonction de l'avancement X."});
    ASSERT_EQ(chart.title().text().size(), 2u);
    EXPECT_EQ(chart.title().text()[1], " en fonction de l'avancement X.");
}

TEST(ChartChanges, EverySetterNotifiesOnlyOnARealChange) {
    CountingChart chart;
    int expected = chart.changes;
    chart.title().setText({"a"});
    EXPECT_EQ(chart.changes, ++expected);
    chart.title().setText({"a"});
    EXPECT_EQ(chart.changes, expected);
    chart.gradient().setStartColor(teal);
    EXPECT_EQ(chart.changes, ++expected);
    chart.leftAxis().setMaximum(5);
    EXPECT_EQ(chart.changes, ++expected);
    chart.leftAxis().setMaximum(5);
    EXPECT_EQ(chart.changes, expected);
    chart.leftAxis().title().setCaption("mol");
    EXPECT_EQ(chart.changes, ++expected);
    LineSeries& line = chart.addLineSeries();
    EXPECT_EQ(chart.changes, ++expected);
    line.addXY(0, 1);
    EXPECT_EQ(chart.changes, ++expected);
    line.setLineWidth(1); // the default
    EXPECT_EQ(chart.changes, expected);
    chart.setView3D(true);
    EXPECT_EQ(chart.changes, ++expected);
}

// ---- legend --------------------------------------------------------------------------------------

TEST(ChartLegend, SeriesStyleListsSeriesShownInLegendInTheirSeriesColour) {
    ChartModel chart;
    chart.legend().setLegendStyle(LegendStyle::Series);
    LineSeries& a = chart.addLineSeries("C(s)");
    a.setSeriesColor(framework::clGreen);
    a.addXY(0, 1, "", teal); // point colours never reach the legend
    LineSeries& b = chart.addLineSeries("O2(g)");
    b.setSeriesColor(rgb(128, 0, 64));
    LineSeries& c = chart.addLineSeries("CO2(g)");
    c.setSeriesColor(framework::clBlue);
    b.setShowInLegend(false);
    EXPECT_EQ(chart.legendEntries(),
              (std::vector<LegendEntry>{{"C(s)", framework::clGreen}, {"CO2(g)", framework::clBlue}}));
}

TEST(ChartLegend, SeriesStyleWithOneSeriesStillListsTheSeries) {
    ChartModel chart;
    chart.legend().setLegendStyle(LegendStyle::Series);
    BarSeries& bars = chart.addBarSeries("Series1");
    bars.addBar(1, "C(s)", teal);
    bars.addBar(2, "O2(g)", maroon);
    EXPECT_EQ(chart.legendEntries(), (std::vector<LegendEntry>{{"Series1", framework::clRed}}));
}

TEST(ChartLegend, AutomaticStyleWithOneSeriesListsItsPoints) {
    ChartModel chart;
    chart.setLocaleProvider(french);
    chart.legend().setLegendStyle(LegendStyle::Automatic);
    BarSeries& bars = chart.addBarSeries("Series1z");
    bars.addBar(1, "C(s)", teal);
    bars.addBar(2.5, "", maroon);
    EXPECT_EQ(chart.legendEntries(), (std::vector<LegendEntry>{{"C(s)", teal}, {"2,5", maroon}}));
}

TEST(ChartLegend, AutomaticStyleWithTwoSeriesListsTheSeries) {
    ChartModel chart;
    chart.legend().setLegendStyle(LegendStyle::Automatic);
    chart.addLineSeries("C(s)").setSeriesColor(teal);
    LineSeries& hidden = chart.addLineSeries("O2(g)");
    hidden.setSeriesColor(maroon);
    hidden.setShowInLegend(false);
    chart.addLineSeries("CO2(g)").setSeriesColor(framework::clBlue);
    EXPECT_EQ(chart.legendEntries(),
              (std::vector<LegendEntry>{{"C(s)", teal}, {"CO2(g)", framework::clBlue}}));
}

TEST(ChartLegend, NoSeriesNoEntries) {
    ChartModel chart;
    EXPECT_TRUE(chart.legendEntries().empty());
}

// ---- axes -----------------------------------------------------------------------------------------

struct AxisRefusal {
    const char* name;
    double value;
    bool increment; // else maximum
    const char* message;
};

class AxisRefusals : public ::testing::TestWithParam<AxisRefusal> {};

TEST_P(AxisRefusals, AreRefusedWithTheirMessageAndLeaveTheAxisUnchanged) {
    const AxisRefusal& c = GetParam();
    CountingChart chart;
    Axis& axis = chart.leftAxis();
    axis.setMinMax(0, 5);
    axis.setIncrement(0.5);
    const int changes = chart.changes;
    try {
        if (c.increment) {
            axis.setIncrement(c.value);
        } else {
            axis.setMaximum(c.value);
        }
        FAIL() << "accepted " << c.value;
    } catch (const AxisError& e) {
        EXPECT_STREQ(e.what(), c.message);
        // The error guard shows every model::Failure.
        EXPECT_NE(dynamic_cast<const model::Failure*>(&e), nullptr);
    }
    EXPECT_EQ(axis.minimum(), 0);
    EXPECT_EQ(axis.maximum(), 5);
    EXPECT_EQ(axis.increment(), 0.5);
    EXPECT_EQ(chart.changes, changes);
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr const char* maxMessage = "La valeur maximum de l'axe doit être >= Minimum";
constexpr const char* incMessage = "L'incrément de l'axe doit être >= 0";

INSTANTIATE_TEST_SUITE_P(Chart, AxisRefusals,
                         ::testing::Values(AxisRefusal{"NegativeMaximum", -0.5, false, maxMessage},
                                           AxisRefusal{"TinyNegativeMaximum", -1e-300, false, maxMessage},
                                           AxisRefusal{"NaNMaximum", nan, false, maxMessage},
                                           AxisRefusal{"InfiniteMaximum", inf, false, maxMessage},
                                           AxisRefusal{"NegativeInfiniteMaximum", -inf, false, maxMessage},
                                           AxisRefusal{"NegativeIncrement", -0.1, true, incMessage},
                                           AxisRefusal{"NaNIncrement", nan, true, incMessage},
                                           AxisRefusal{"InfiniteIncrement", inf, true, incMessage},
                                           AxisRefusal{"NegativeInfiniteIncrement", -inf, true, incMessage}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartAxis, ZeroMaximumWithZeroMinimumAndZeroIncrementIsAccepted) {
    ChartModel chart;
    Axis& axis = chart.bottomAxis();
    axis.setMinMax(0, 1.2);
    axis.setIncrement(0.1);
    EXPECT_NO_THROW(axis.setMaximum(0));
    EXPECT_NO_THROW(axis.setIncrement(0));
    EXPECT_EQ(axis.maximum(), 0);
    EXPECT_EQ(axis.increment(), 0);
}

TEST(ChartAxis, MaximumEqualToMinimumIsAccepted) {
    ChartModel chart;
    Axis& axis = chart.leftAxis();
    axis.setMinMax(2, 3);
    EXPECT_NO_THROW(axis.setMaximum(2));
}

TEST(ChartAxis, AbsurdButFiniteValuesAreAccepted) {
    ChartModel chart;
    Axis& axis = chart.leftAxis();
    EXPECT_NO_THROW(axis.setMaximum(1e300));
    EXPECT_NO_THROW(axis.setIncrement(1e-300));
    EXPECT_EQ(axis.maximum(), 1e300);
}

TEST(ChartAxis, MinimumAboveMaximumOrNotFiniteIsRefused) {
    ChartModel chart;
    Axis& axis = chart.leftAxis();
    axis.setMinMax(0, 5);
    EXPECT_THROW(axis.setMinimum(6), AxisError);
    EXPECT_THROW(axis.setMinimum(nan), AxisError);
    EXPECT_THROW(axis.setMinMax(nan, 5), AxisError);
    EXPECT_THROW(axis.setMinMax(0, -inf), AxisError);
    EXPECT_THROW(axis.setMinMax(3, 2), AxisError);
    EXPECT_EQ(axis.minimum(), 0);
    EXPECT_EQ(axis.maximum(), 5);
    axis.setMinimum(1);
    EXPECT_EQ(axis.minimum(), 1);
}

TEST(ChartAxis, MinMaxMovesPastTheCurrentRange) {
    ChartModel chart;
    Axis& axis = chart.leftAxis();
    axis.setMinMax(0, 5);
    axis.setMinMax(10, 20); // setMinimum(10) alone would be refused
    EXPECT_EQ(axis.minimum(), 10);
    EXPECT_EQ(axis.maximum(), 20);
}

// ---- series access and summary --------------------------------------------------------------------

TEST(ChartSeriesAccess, TypedAccessRefusesTheWrongKind) {
    ChartModel chart;
    chart.addBarSeries();
    chart.addLineSeries();
    EXPECT_NO_THROW(chart.barSeries(0));
    EXPECT_NO_THROW(chart.lineSeries(1));
    EXPECT_THROW(chart.lineSeries(0), std::logic_error);
    EXPECT_THROW(chart.barSeries(1), std::logic_error);
    EXPECT_THROW(chart.series(2), std::out_of_range);
}

TEST(ChartSummary, ReadsTheTitleTheMarksAndTheLastPointOfEachLine) {
    ChartModel chart;
    chart.setLocaleProvider(french);
    chart.title().setText({"Evolution des différentes espèces chimiques ", "en fonction de l'avancement"});
    BarSeries& bars = chart.addBarSeries();
    bars.marks().setVisible(true);
    bars.OnGetMarkText = [](BarSeries& s, int i, std::string& text) {
        text = s.pointLabel(i) + '\r' + text + " mol";
    };
    bars.addBar(0.5, "C(s)", teal);
    bars.addBar(1.25, "O2(g)", maroon);
    LineSeries& line = chart.addLineSeries("CO2(g)");
    line.addXY(0, 0);
    line.addXY(0.5, 0.51);
    chart.addLineSeries();
    EXPECT_EQ(chart.summary(), "Evolution des différentes espèces chimiques en fonction de l'avancement\n"
                               "C(s) : 0,5 mol\n"
                               "O2(g) : 1,25 mol\n"
                               "CO2(g) : dernier point (0,5 ; 0,51)\n"
                               "Série 3 : aucun point");
}

// What is not drawn is not read: a lone point draws no line, and a line out of the legend (an absent
// fourth species still titled after the last equation that had one) is no species of this one.
TEST(ChartSummary, ReadsOnlyTheLinesThatAreDrawnForThisEquation) {
    ChartModel chart;
    chart.setLocaleProvider(french);
    LineSeries& iron = chart.addLineSeries("Fe(s)");
    iron.addXY(0, 2);
    LineSeries& water = chart.addLineSeries("H2O(l)");
    water.addXY(0, 0);
    water.addXY(0.5, 1);
    water.setShowInLegend(false);
    EXPECT_EQ(chart.summary(), "Fe(s) : aucun point");
}

TEST(ChartSummary, BarsWithoutMarksReadTheirValue) {
    ChartModel chart;
    chart.setLocaleProvider(french);
    BarSeries& bars = chart.addBarSeries();
    bars.addBar(2, "CuO(s)", teal);
    EXPECT_EQ(chart.summary(), "CuO(s) : 2");
}

// ---- the form charts ------------------------------------------------------------------------------

TEST(FormCharts, MainBarChartAsTheFormGivesIt) {
    ChartModel chart;
    BarSeries& bars = configureChart1(chart);
    EXPECT_TRUE(chart.view3D());
    EXPECT_EQ(chart.chart3DPercent(), 40);
    EXPECT_EQ(chart.view3DOptions().elevation(), 333);
    EXPECT_EQ(chart.view3DOptions().perspective(), 24);
    EXPECT_EQ(chart.gradient().direction(), GradientDirection::LeftRight);
    EXPECT_EQ(chart.gradient().startColor(), rgb(128, 128, 255));
    EXPECT_EQ(chart.title().brushColor(), rgb(212, 208, 200));
    EXPECT_EQ(chart.title().font(), (ChartFont{"Arial", 11, true, false, false, framework::clPurple}));
    EXPECT_FALSE(chart.leftAxis().automatic());
    EXPECT_EQ(chart.leftAxis().maximum(), 5);
    EXPECT_EQ(chart.leftAxis().increment(), 0.5);
    EXPECT_EQ(chart.leftAxis().labelsSize(), 20);
    EXPECT_EQ(chart.bottomAxis().title().caption(),
              "Espèces chimiques présentes au cours de la transformation    ");
    EXPECT_FALSE(chart.legend().visible());
    EXPECT_EQ(chart.seriesCount(), 1);
    EXPECT_TRUE(bars.marks().visible());
    EXPECT_TRUE(bars.marks().clip());
    EXPECT_EQ(bars.marks().arrowLength(), 20);
    EXPECT_TRUE(bars.colorEachPoint());
}

TEST(FormCharts, MainLineChartAsTheFormGivesIt) {
    ChartModel chart;
    const LineSeriesSet lines = configureChart2(chart);
    EXPECT_FALSE(chart.view3D());
    EXPECT_EQ(chart.bottomAxis().maximum(), 1);
    EXPECT_EQ(chart.bottomAxis().increment(), 0.1);
    EXPECT_EQ(chart.legend().legendStyle(), LegendStyle::Series);
    EXPECT_TRUE(chart.legend().visible());
    ASSERT_EQ(chart.seriesCount(), 4);
    EXPECT_EQ(lines.series[0]->seriesColor(), framework::clGreen);
    EXPECT_EQ(lines.series[1]->seriesColor(), rgb(128, 0, 64));
    for (LineSeries* s : lines.series) {
        EXPECT_EQ(s->lineWidth(), 2);
    }
}

TEST(FormCharts, ZoomChartsAsTheFormGivesThem) {
    ChartModel c1, c2, c11, c22;
    BarSeries& s1z = configureCourbe1(c1);
    const LineSeriesSet s2z = configureCourbe2(c2);
    BarSeries& s11z = configureCourbe11(c11);
    const LineSeriesSet s22z = configureCourbe22(c22);
    EXPECT_EQ(c1.chart3DPercent(), 30);
    EXPECT_EQ(c11.chart3DPercent(), 35);
    EXPECT_EQ(c2.gradient().direction(), GradientDirection::RightLeft);
    EXPECT_EQ(c22.legend().alignment(), LegendAlignment::Top);
    EXPECT_EQ(c2.legend().alignment(), LegendAlignment::Right);
    EXPECT_FALSE(c1.legend().visible());
    EXPECT_EQ(c1.leftAxis().labelsSize(), 30);
    EXPECT_EQ(c22.leftAxis().labelsSize(), 20);
    EXPECT_EQ(c22.title().text().size(), 3u);
    EXPECT_EQ(s1z.title(), "Series1z");
    EXPECT_EQ(s11z.title(), "Series6z");
    EXPECT_EQ(s11z.marks().font().pixelSize, 13);
    EXPECT_FALSE(s1z.marks().clip());
    EXPECT_EQ(s2z.series[2]->seriesColor(), rgb(0, 0, 160));
    EXPECT_EQ(s22z.series[0]->seriesColor(), rgb(0, 128, 64));
    EXPECT_EQ(c2.bottomAxis().maximum(), 5);
    EXPECT_EQ(c2.leftAxis().title().caption(), "Quantité de matière (mol)");
    EXPECT_EQ(c22.leftAxis().title().font().color, framework::clPurple);
}

} // namespace
