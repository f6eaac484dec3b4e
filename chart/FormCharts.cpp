#include "chart/FormCharts.h"

namespace chart {

namespace {

using framework::rgb;

constexpr TColor paleBlue = rgb(128, 128, 255);
constexpr TColor titleBrushGrey = rgb(212, 208, 200);

ChartFont font(const char* face, int pixelSize, bool bold, TColor color = framework::clBlack) {
    return ChartFont{face, pixelSize, bold, false, false, color};
}

void setGradient(ChartModel& chart, TColor start, TColor end, GradientDirection direction) {
    chart.gradient().setStartColor(start);
    chart.gradient().setEndColor(end);
    chart.gradient().setDirection(direction);
    chart.gradient().setVisible(true);
}

void setTitle(ChartModel& chart, std::vector<std::string> lines, const ChartFont& titleFont) {
    chart.title().setText(std::move(lines));
    chart.title().setFont(titleFont);
}

// A value axis whose range is exactly what the program sets.
void setManualAxis(Axis& axis, double maximum, double increment) {
    axis.setAutomatic(false);
    axis.setAutomaticMaximum(false);
    axis.setAutomaticMinimum(false);
    axis.setMinMax(0, maximum);
    axis.setIncrement(increment);
}

void setAxisTitle(Axis& axis, std::string caption, const ChartFont& titleFont) {
    axis.title().setCaption(std::move(caption));
    axis.title().setFont(titleFont);
}

void set3D(ChartModel& chart, int depthPercent) {
    chart.setView3D(true);
    chart.setChart3DPercent(depthPercent);
}

LineSeriesSet addLines(ChartModel& chart, const std::array<TColor, 4>& colors,
                       const std::array<const char*, 4>& titles) {
    LineSeriesSet set;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        LineSeries& line = chart.addLineSeries(titles[i]);
        line.setSeriesColor(colors[i]);
        line.setLineWidth(2);
        set.series[i] = &line;
    }
    return set;
}

BarSeries& addMarkedBars(ChartModel& chart, std::string title, const ChartFont& marksFont) {
    BarSeries& bars = chart.addBarSeries(std::move(title));
    bars.setSeriesColor(framework::clRed);
    bars.marks().setVisible(true);
    bars.marks().setArrowLength(20);
    bars.marks().setFont(marksFont);
    return bars;
}

// What the four zoom charts share: the background, the clear white wall, the purple bold titles and the
// left axis from 0 to 5 by 0.5.
constexpr TColor zoomTitleColor = framework::clPurple;

void setZoomChart(ChartModel& chart, std::vector<std::string> lines, const ChartFont& titleFont,
                  GradientDirection direction, const char* leftTitle, int axisTitleSize, int labelsSize) {
    setGradient(chart, framework::clWhite, paleBlue, direction);
    chart.backWall().setColor(framework::clWhite);
    chart.backWall().setBrushStyle(BrushStyle::Clear);
    setTitle(chart, std::move(lines), titleFont);
    chart.legend().setLegendStyle(LegendStyle::Automatic);
    setManualAxis(chart.leftAxis(), 5, 0.5);
    setAxisTitle(chart.leftAxis(), leftTitle, font("Arial", axisTitleSize, true, zoomTitleColor));
    chart.leftAxis().setLabelsSize(labelsSize);
}

} // namespace

BarSeries& configureChart1(ChartModel& chart) {
    setGradient(chart, paleBlue, framework::clWhite, GradientDirection::LeftRight);
    chart.backWall().setBrushStyle(BrushStyle::Clear);
    chart.setView3D(true);
    chart.setChart3DPercent(40);
    chart.view3DOptions().setElevation(333);
    chart.view3DOptions().setPerspective(24);
    setTitle(chart, {"Evolution des différentes espèces chimiques ", "en fonction de l'avancement"},
             font("Arial", 11, true, framework::clPurple));
    chart.title().setColor(framework::clWhite);
    chart.title().setBrushColor(titleBrushGrey);
    chart.bottomAxis().setLabelsFont(font("Arial", 13, true));
    chart.bottomAxis().title().setCaption("Espèces chimiques présentes au cours de la transformation    ");
    setManualAxis(chart.leftAxis(), 5, 0.5);
    chart.leftAxis().setLabelsSize(20);
    chart.leftAxis().title().setCaption("Quantité de matière (mol)");
    chart.legend().setLegendStyle(LegendStyle::Series);
    chart.legend().setVisible(false);

    BarSeries& bars = addMarkedBars(chart, "Series1", font("Times New Roman", 13, true));
    bars.setColorEachPoint(true);
    bars.marks().setClip(true);
    return bars;
}

LineSeriesSet configureChart2(ChartModel& chart) {
    setGradient(chart, framework::clWhite, paleBlue, GradientDirection::TopBottom);
    chart.backWall().setBrushStyle(BrushStyle::Clear);
    setTitle(chart, {"Evolution des quantités de matière", " en fonction de l'avancement X."},
             font("Arial", 11, true, framework::clPurple));
    chart.title().setColor(framework::clWhite);
    setManualAxis(chart.bottomAxis(), 1, 0.1);
    chart.bottomAxis().title().setCaption("Etat d'avancement  X en mol");
    setManualAxis(chart.leftAxis(), 5, 0.5);
    chart.leftAxis().setLabelsSize(20);
    chart.leftAxis().title().setCaption("quantité de matière (mol)");
    chart.legend().setLegendStyle(LegendStyle::Series);
    chart.legend().setVisible(true);
    return addLines(chart, {framework::clGreen, rgb(128, 0, 64), framework::clBlue, framework::clYellow},
                    {"Series2", "Series3", "Series4", "Series5"});
}

BarSeries& configureCourbe1(ChartModel& chart) {
    setZoomChart(chart, {"Evolution des différentes espèces ", "chimiques en fonction de l'avancement"},
                 font("Arial", 13, true, zoomTitleColor), GradientDirection::TopBottom,
                 "Quantité de matière (mol)", 15, 30);
    set3D(chart, 30);
    setAxisTitle(chart.bottomAxis(), "Espèces chimiques", font("Arial", 15, true, zoomTitleColor));
    chart.bottomAxis().setLabelsFont(font("Arial", 15, true));
    chart.leftAxis().setLabelsFont(font("Arial", 15, true));
    chart.legend().setVisible(false);
    return addMarkedBars(chart, "Series1z", font("Times New Roman", 16, true));
}

LineSeriesSet configureCourbe2(ChartModel& chart) {
    setZoomChart(chart,
                 {"Courbe d'évolution des quantités de matière ", "en fonction de l'état d'avancement X"},
                 font("Times New Roman", 16, true, zoomTitleColor), GradientDirection::RightLeft,
                 "Quantité de matière (mol)", 15, 30);
    setManualAxis(chart.bottomAxis(), 5, 0);
    setAxisTitle(chart.bottomAxis(), "Etat d'avancement X en mol", font("Arial", 15, true, zoomTitleColor));
    return addLines(chart, {framework::clTeal, rgb(128, 0, 64), rgb(0, 0, 160), framework::clYellow},
                    {"Series2z", "Series3z", "Series4z", "Series5z"});
}

BarSeries& configureCourbe11(ChartModel& chart) {
    setZoomChart(
        chart,
        {"Evolution des quantités de matière de ", "chaque espèce chimique en fonction de l'avancement"},
        font("Arial", 13, true, zoomTitleColor), GradientDirection::TopBottom, "Quantité de matière en mol",
        13, 20);
    set3D(chart, 35);
    setAxisTitle(chart.bottomAxis(), "Espèces chimiques", font("Arial", 13, true, zoomTitleColor));
    chart.legend().setVisible(false);
    return addMarkedBars(chart, "Series6z", font("Times New Roman", 13, true));
}

LineSeriesSet configureCourbe22(ChartModel& chart) {
    setZoomChart(chart,
                 {"Courbe d'évolution des quantités de matière", " de chaque espèce chimique ",
                  "en fonction de l'état d'avancement X"},
                 font("Arial", 11, true, zoomTitleColor), GradientDirection::TopBottom,
                 "Quantité de matière en mol", 13, 20);
    setManualAxis(chart.bottomAxis(), 5, 0);
    setAxisTitle(chart.bottomAxis(), "Etat d'avancement X en mol", font("Arial", 13, true, zoomTitleColor));
    chart.legend().setAlignment(LegendAlignment::Top);
    return addLines(chart, {rgb(0, 128, 64), rgb(128, 0, 64), rgb(0, 0, 160), framework::clYellow},
                    {"", "", "", ""});
}

} // namespace chart
