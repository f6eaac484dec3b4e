// What the charts cost: a paint of each of the windows' charts into an image, an axis of a billion units
// labelled every 0.1 against a normal one, and the refill a slider move makes.
#include "BenchSupport.h"

#include "chart/ChartView.h"
#include "chart/FormCharts.h"
#include "model/Advancement.h"

#include <QImage>
#include <QPainter>

#include <array>

namespace {

using chart::LineSeriesSet;
using chart::TChartView;
using framework::rgb;

constexpr std::array<framework::TColor, 4> slotColors = {rgb(0, 128, 128), rgb(128, 0, 0), rgb(0, 0, 255),
                                                         rgb(255, 255, 0)};

// The second equation (2 CuO + C, 2 mol and 1 mol): xmax = 1.
constexpr double n1 = 2;
constexpr double n2 = 1;
constexpr model::Coefficients coefficients{2, 1, 2, 1};
constexpr double xmax = 1;

void fillLines(const LineSeriesSet& lines, int p) {
    for (chart::LineSeries* line : lines.series) {
        line->clear();
    }
    for (const model::Sample& s : model::curveSamples(p, xmax, n1, n2, coefficients)) {
        const std::array<double, 4> ys = {s.quantities.q1, s.quantities.q2, s.quantities.q3, s.quantities.q4};
        for (std::size_t slot = 0; slot < 4; ++slot) {
            lines.series[slot]->addXY(s.x, ys[slot], "", slotColors[slot]);
        }
    }
}

void fillBars(chart::BarSeries& bars, int p) {
    const model::Quantities q = model::quantitiesAt(n1, n2, coefficients, model::advancementAt(p, xmax));
    bars.clear();
    bars.addBar(q.q1, "CuO(s)", slotColors[0]);
    bars.addBar(q.q2, "C(s)", slotColors[1]);
    bars.addBar(q.q3, "Cu(s)", slotColors[2]);
    bars.addBar(q.q4, "CO2(g)", slotColors[3]);
}

void scale(TChartView& view) {
    view.bottomAxis().setMaximum(1.2 * xmax);
    view.bottomAxis().setIncrement(xmax / 10);
    view.leftAxis().setMaximum(3);
}

// Paints the chart into an image of its size as a repaint of the widget does (the background picture
// stays cached between paints of one size, as it does on screen).
void timePaint(benchmark::State& state, TChartView& view, QSize size) {
    view.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    bench::timeEach(state, [&] {
        QPainter painter(&image);
        view.paintChart(painter, size);
    });
}

void lineChart(benchmark::State& state, QSize size, bool zoom) {
    TChartView view;
    const LineSeriesSet lines = zoom ? chart::configureCourbe2(view) : chart::configureChart2(view);
    scale(view);
    fillLines(lines, 100);
    timePaint(state, view, size);
}

void BM_MainLineChart343x251(benchmark::State& state) {
    lineChart(state, QSize(343, 251), false);
}
void BM_ZoomLineChart1920x1080(benchmark::State& state) {
    lineChart(state, QSize(1920, 1080), true);
}
void BM_MainLineChart1920x1080(benchmark::State& state) {
    lineChart(state, QSize(1920, 1080), false);
}

void barChart(benchmark::State& state, QSize size, bool zoom) {
    TChartView view;
    chart::BarSeries& bars = zoom ? chart::configureCourbe1(view) : chart::configureChart1(view);
    view.leftAxis().setMaximum(3);
    bars.OnGetMarkText = [](chart::BarSeries& sender, int index, std::string& text) {
        sender.marks().setFontSize(11);
        text = sender.pointLabel(index) + '\r' + sender.formatValue(sender.point(index).y) + " mol";
    };
    fillBars(bars, 50);
    timePaint(state, view, size);
}

void BM_MainBarChart3DMarks335x251(benchmark::State& state) {
    barChart(state, QSize(335, 251), false);
}
void BM_ZoomBarChart3DMarks1920x1080(benchmark::State& state) {
    barChart(state, QSize(1920, 1080), true);
}

// An unbounded field lets a pupil ask for 1e9 mol with labels every 0.1: the paint must not care.
void BM_BillionUnitAxis1920x1080(benchmark::State& state) {
    TChartView view;
    const LineSeriesSet lines = chart::configureCourbe2(view);
    view.bottomAxis().setMaximum(1e9);
    view.bottomAxis().setIncrement(0.1);
    view.leftAxis().setMaximum(1e9);
    view.leftAxis().setIncrement(0.1);
    fillLines(lines, 100);
    timePaint(state, view, QSize(1920, 1080));
}

// The first paint after a resize also draws the gradient picture.
void BM_ZoomLineChartAfterResize1920x1080(benchmark::State& state) {
    TChartView view;
    fillLines(chart::configureCourbe2(view), 100);
    scale(view);
    QImage image(QSize(1920, 1080), QImage::Format_ARGB32_Premultiplied);
    bool odd = false;
    bench::timeEach(state, [&] {
        odd = !odd;
        const QSize size(odd ? 1920 : 1919, 1080);
        view.resize(size);
        QPainter painter(&image);
        view.paintChart(painter, size);
    });
}

// A slider move in the main window: the bar series and the four line series refilled, 4 + 4 × 101 points.
void BM_SliderRefillFiveSeries(benchmark::State& state) {
    TChartView bars;
    chart::BarSeries& bar = chart::configureChart1(bars);
    TChartView lines;
    const LineSeriesSet set = chart::configureChart2(lines);
    bars.resize(335, 251);
    lines.resize(343, 251);
    bars.show();
    lines.show();
    int p = 0;
    bench::timeEach(state, [&] {
        p = p == 100 ? 99 : 100;
        fillBars(bar, p);
        fillLines(set, p);
    });
}

} // namespace

BENCHMARK(BM_MainLineChart343x251)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainLineChart1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomLineChart1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BillionUnitAxis1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomLineChartAfterResize1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainBarChart3DMarks335x251)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomBarChart3DMarks1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderRefillFiveSeries)->Unit(benchmark::kMicrosecond);
