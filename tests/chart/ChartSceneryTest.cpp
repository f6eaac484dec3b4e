// The chart view keeps its scenery (background, walls, grid, labels, titles, legend) between paints and
// draws only the moving parts over it. The picture must be the one a single pass paints, and whatever
// changes the scenery must show on the next paint.

#include "chart/ChartRenderer.h"
#include "chart/ChartView.h"
#include "chart/FormCharts.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

using namespace chart;
using framework::rgb;

const QSize chartSize(430, 440);

QImage paintedByTheView(TChartView& view, QSize size = chartSize) {
    view.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.paintChart(painter, size);
    return image;
}

// The chart in one pass, in the order of its layers, on a background without a gradient.
QImage paintedInOnePass(TChartView& view, QSize size = chartSize) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(view.palette().window().color());
    QPainter painter(&image);
    TextCache text;
    ChartRenderer(view, QSizeF(size), text).paint(painter);
    return image;
}

void fillBars(BarSeries& bars, const char* first, double second) {
    bars.clear();
    bars.addBar(1, first, rgb(0, 128, 128));
    bars.addBar(second, "C(s)", rgb(128, 0, 0));
    bars.addBar(1, "Cu(s)", rgb(0, 0, 255));
    bars.addBar(0.5, "CO2(g)", rgb(255, 255, 0));
}

// The main window's bar chart at the start of a lesson, without its gradient.
void barChart(TChartView& view) {
    BarSeries& bars = configureChart1(view);
    view.gradient().setVisible(false);
    fillBars(bars, "CuO(s)", 0.5);
    bars.OnGetMarkText = [](BarSeries& series, int index, std::string& text) {
        text = series.pointLabel(index) + "\r1 mol";
    };
}

// The main window's line chart, its four lines drawn from 0 to 0.5.
void lineChart(TChartView& view) {
    const LineSeriesSet lines = configureChart2(view);
    view.gradient().setVisible(false);
    for (int i = 0; i < 4; ++i) {
        lines.series[std::size_t(i)]->addXY(0, 2 - i * 0.5);
        lines.series[std::size_t(i)]->addXY(0.5, 0.5 + i * 0.25);
    }
}

struct Layout {
    const char* name;
    std::function<void(TChartView&)> build;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << layout.name;
}

class ChartLayers : public ::testing::TestWithParam<Layout> {};

TEST_P(ChartLayers, MakeTheOnePassPicture) {
    TChartView view;
    GetParam().build(view);
    view.resize(chartSize);
    EXPECT_EQ(paintedByTheView(view), paintedInOnePass(view));
    EXPECT_EQ(paintedByTheView(view), paintedInOnePass(view)) << "the kept scenery, again";
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartLayers,
                         ::testing::Values(Layout{"Bars", barChart}, Layout{"Lines", lineChart},
                                           Layout{"LinesWideEnoughToReachTheLabels",
                                                  [](TChartView& view) {
                                                      lineChart(view);
                                                      for (int s = 0; s < view.seriesCount(); ++s) {
                                                          view.lineSeries(s).setLineWidth(20);
                                                      }
                                                  }},
                                           Layout{"MarksReachingTheTitle",
                                                  [](TChartView& view) {
                                                      barChart(view);
                                                      view.barSeries(0).marks().setArrowLength(400);
                                                  }}),
                         [](const ::testing::TestParamInfo<Layout>& info) {
                             return std::string(info.param.name);
                         });

TEST(ChartScenery, TheMainWindowChartsKeepIt) {
    for (const auto& build : {barChart, lineChart}) {
        TChartView view;
        build(view);
        TextCache text;
        EXPECT_TRUE(ChartRenderer(view, QSizeF(chartSize), text).movingPartsClearOfScenery());
    }
}

struct Change {
    const char* name;
    std::function<void(TChartView&)> build;
    std::function<void(TChartView&)> apply;
    QSize size = chartSize;
};

void PrintTo(const Change& change, std::ostream* out) {
    *out << change.name;
}

class ChartSceneryChange : public ::testing::TestWithParam<Change> {};

TEST_P(ChartSceneryChange, ShowsOnTheNextPaint) {
    TChartView painted;
    GetParam().build(painted);
    const QImage before = paintedByTheView(painted);
    GetParam().apply(painted);
    const QImage after = paintedByTheView(painted, GetParam().size);

    TChartView fresh;
    GetParam().build(fresh);
    GetParam().apply(fresh);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, paintedByTheView(fresh, GetParam().size)) << "as a chart built in the new state";
    if (!fresh.gradient().visible()) {
        EXPECT_EQ(after, paintedInOnePass(fresh, GetParam().size));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChartSceneryChange,
    ::testing::Values(
        Change{"AxisMaximum", barChart, [](TChartView& v) { v.leftAxis().setMinMax(0, 4); }},
        Change{"AxisIncrement", lineChart, [](TChartView& v) { v.bottomAxis().setIncrement(0.2); }},
        Change{"Title", barChart, [](TChartView& v) { v.title().setText({"Autre titre"}); }},
        Change{"TitleColour", barChart,
               [](TChartView& v) {
                   ChartFont font = v.title().font();
                   font.color = framework::clRed;
                   v.title().setFont(font);
               }},
        Change{"AxisCaption", lineChart, [](TChartView& v) { v.bottomAxis().title().setCaption("X (mol)"); }},
        Change{"LabelsFont", lineChart,
               [](TChartView& v) {
                   ChartFont font = v.leftAxis().labelsFont();
                   font.pixelSize += 3;
                   v.leftAxis().setLabelsFont(font);
               }},
        Change{"SeriesTitleInTheLegend", lineChart, [](TChartView& v) { v.series(0).setTitle("Cu2+"); }},
        Change{"SeriesColourInTheLegend", lineChart,
               [](TChartView& v) { v.series(1).setSeriesColor(rgb(0, 255, 0)); }},
        Change{"CategoryName", barChart, [](TChartView& v) { fillBars(v.barSeries(0), "Fe(s)", 0.5); }},
        Change{"BackWall", barChart,
               [](TChartView& v) {
                   v.backWall().setBrushStyle(BrushStyle::Solid);
                   v.backWall().setColor(framework::clSilver);
               }},
        Change{"Gradient", lineChart, [](TChartView& v) { v.gradient().setVisible(true); }},
        Change{"BarValue", barChart, [](TChartView& v) { fillBars(v.barSeries(0), "CuO(s)", 1.5); }},
        Change{"Size", lineChart, [](TChartView&) {}, QSize(380, 300)}),
    [](const ::testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

} // namespace
