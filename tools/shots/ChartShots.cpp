// The six charts of the windows, configured as their forms give them and filled as the windows fill
// them for the second equation (CuO + C, 2 mol and 1 mol) at X = 0.5 (slider at 50).

#include "ScreenshotRegistry.h"

#include "chart/ChartView.h"
#include "chart/FormCharts.h"
#include "framework/Color.h"
#include "framework/QtColor.h"
#include "model/Advancement.h"
#include "model/Conversion.h"
#include "model/Equation.h"

#include <QPainter>

#include <array>
#include <limits>
#include <memory>
#include <string>

namespace {

using chart::BarSeries;
using chart::LineSeriesSet;
using chart::TChartView;
using framework::rgb;

constexpr std::array<framework::TColor, 4> slotColors = {rgb(0, 128, 128), rgb(128, 0, 0), rgb(0, 0, 255),
                                                         rgb(255, 255, 0)};
constexpr int sliderPosition = 50;

// The state of one equation at one slider position, as the windows compute it.
struct State {
    const model::Equation& equation = model::preset(2).equation;
    double n1 = 2;
    double n2 = 1;
    model::Coefficients a{2, 1, 2, 1};
    model::Limit limit = model::limitOf(n1, 2, n2, 1);
    model::AxisScaling scaling =
        model::axisScalingOf(limit.xmax, model::largestQuantity(n1, n2, 2, limit.xmax));
    int p = sliderPosition;

    std::string formula(int slot) const { return equation.slots[std::size_t(slot)].formula; }
    int slotCount() const { return equation.slot4Present() ? 4 : 3; }
};

void fillBars(BarSeries& bars, const State& s) {
    const model::Quantities q = model::quantitiesAt(s.n1, s.n2, s.a, model::advancementAt(s.p, s.limit.xmax));
    const std::array<double, 4> values = {q.q1, q.q2, q.q3, q.q4};
    bars.clear();
    for (int slot = 0; slot < s.slotCount(); ++slot) {
        bars.addBar(values[std::size_t(slot)], s.formula(slot), slotColors[std::size_t(slot)]);
    }
    bars.OnGetMarkText = [](BarSeries& sender, int index, std::string& text) {
        sender.marks().setFontSize(11);
        text = sender.pointLabel(index) + '\r' + sender.formatValue(sender.point(index).y) + " mol";
    };
}

void fillLines(const LineSeriesSet& lines, const State& s, bool titled) {
    for (int slot = 0; slot < 4; ++slot) {
        chart::LineSeries& line = *lines.series[std::size_t(slot)];
        line.clear();
        if (titled) {
            line.setTitle(s.formula(slot));
        }
    }
    lines.series[3]->setShowInLegend(s.equation.slot4Present());
    for (const model::Sample& sample : model::curveSamples(s.p, s.limit.xmax, s.n1, s.n2, s.a)) {
        const model::Quantities& q = sample.quantities;
        const std::array<double, 4> ys = {q.q1, q.q2, q.q3, q.q4};
        for (std::size_t slot = 0; slot < 4; ++slot) {
            lines.series[slot]->addXY(sample.x, ys[slot], "", slotColors[slot]);
        }
    }
}

void scaleLineChart(chart::ChartModel& c, const State& s) {
    c.bottomAxis().setMaximum(s.scaling.bottomMaximum);
    c.bottomAxis().setIncrement(s.scaling.bottomIncrement);
    c.leftAxis().setMaximum(s.scaling.leftMaximum);
}

// A pale yellow page with the charts at their places, grabbed as the screen shows it.
class Sheet : public QWidget {
public:
    explicit Sheet(QSize size) {
        resize(size);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, framework::toQColor(framework::clPaleYellow));
        setPalette(pal);
    }
    TChartView& add(const QRect& bounds) {
        auto* view = new TChartView(this);
        view->setGeometry(bounds);
        return *view;
    }
};

QImage mainCharts(QSize chart1, QSize chart2) {
    const State s;
    Sheet sheet(QSize(chart1.width() + 5 + chart2.width(), std::max(chart1.height(), chart2.height())));
    TChartView& bars = sheet.add(QRect(QPoint(0, 0), chart1));
    TChartView& lines = sheet.add(QRect(QPoint(chart1.width() + 5, 0), chart2));
    fillBars(chart::configureChart1(bars), s);
    bars.leftAxis().setMaximum(s.scaling.leftMaximum);
    const LineSeriesSet set = chart::configureChart2(lines);
    scaleLineChart(lines, s);
    fillLines(set, s, true);
    return shots::grabWidget(sheet);
}

const shots::Registrar mainDesign(QStringLiteral("chart-main-design-size"),
                                  [] { return mainCharts(QSize(335, 251), QSize(343, 251)); });

// The sizes the main window gives its charts on a 1024 × 738 work area.
const shots::Registrar mainWorkArea(QStringLiteral("chart-main-1024"),
                                    [] { return mainCharts(QSize(430, 438), QSize(594, 438)); });

QImage zoomBars(QSize size, bool wide) {
    const State s;
    Sheet sheet(size);
    TChartView& view = sheet.add(QRect(QPoint(0, 0), size));
    BarSeries& bars = wide ? chart::configureCourbe1(view) : chart::configureCourbe11(view);
    fillBars(bars, s);
    view.leftAxis().setMaximum(s.scaling.leftMaximum);
    return shots::grabWidget(sheet);
}

QImage zoomLines(QSize size, bool wide) {
    const State s;
    Sheet sheet(size);
    TChartView& view = sheet.add(QRect(QPoint(0, 0), size));
    const LineSeriesSet set = wide ? chart::configureCourbe2(view) : chart::configureCourbe22(view);
    scaleLineChart(view, s);
    fillLines(set, s, true);
    return shots::grabWidget(sheet);
}

// A maximised zoom window on a 1366 × 768 screen leaves its page about 1266 × 700.
const shots::Registrar zoomHisto(QStringLiteral("chart-zoom-Courbe_1"),
                                 [] { return zoomBars(QSize(1266, 700), true); });
const shots::Registrar zoomCurves(QStringLiteral("chart-zoom-courbe_2"),
                                  [] { return zoomLines(QSize(1266, 700), true); });

const shots::Registrar zoomBoth(QStringLiteral("chart-zoom-courbe_11-courbe_22"), [] {
    const QImage left = zoomBars(QSize(631, 700), false);
    const QImage right = zoomLines(QSize(632, 700), false);
    QImage both(QSize(1266, 700), QImage::Format_RGB32);
    both.fill(framework::toQColor(framework::clPaleYellow));
    QPainter p(&both);
    p.drawImage(0, 0, left);
    p.drawImage(634, 0, right);
    return both;
});

// The widths of the "Taille des droites" menu on bent lines, with a gap where a point is not a number.
const shots::Registrar lineWidths(QStringLiteral("chart-line-widths-and-gap"), [] {
    Sheet sheet(QSize(600, 400));
    TChartView& view = sheet.add(QRect(0, 0, 600, 400));
    const LineSeriesSet set = chart::configureChart2(view);
    view.addLineSeries("5 px").setSeriesColor(framework::clNavy);
    view.bottomAxis().setMaximum(10);
    view.bottomAxis().setIncrement(1);
    for (int width = 1; width <= 5; ++width) {
        chart::LineSeries& line = width <= 4 ? *set.series[std::size_t(width - 1)] : view.lineSeries(4);
        line.setTitle(std::to_string(width) + " px");
        line.setLineWidth(width);
        for (int k = 0; k <= 10; ++k) {
            const double y = k == 7 ? std::numeric_limits<double>::quiet_NaN() : width - 0.5 + (k % 3) * 0.3;
            line.addXY(k, y, "", k < 5 ? slotColors[std::size_t(width % 4)] : framework::clNavy);
        }
    }
    return shots::grabWidget(sheet);
});

// The bar chart at twice the pixel density, as a high-density screen shows it.
const shots::Registrar mainHighDensity(QStringLiteral("chart-main-bars-2x"), [] {
    const State s;
    TChartView view;
    view.resize(335, 251);
    fillBars(chart::configureChart1(view), s);
    view.leftAxis().setMaximum(s.scaling.leftMaximum);
    QImage image(view.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    QPainter p(&image);
    view.paintChart(p, view.size());
    return image;
});

} // namespace
