#pragma once
// The six charts of the windows as their forms configure them, series included. Each function expects a
// chart without series and returns the series it adds, in the windows' order.

#include "chart/ChartModel.h"

#include <array>

namespace chart {

struct LineSeriesSet {
    std::array<LineSeries*, 4> series{}; // slots 1 to 4
};

// Main window: Chart1 (bar chart with Series1) and Chart2 (line chart with Series2 to Series5).
BarSeries& configureChart1(ChartModel& chart);
LineSeriesSet configureChart2(ChartModel& chart);

// Zoom window: Courbe_1 (Series1z), courbe_2 (Series2z..Series5z), courbe_11 (Series11z) and courbe_22
// (Series22z..Series55z).
BarSeries& configureCourbe1(ChartModel& chart);
LineSeriesSet configureCourbe2(ChartModel& chart);
BarSeries& configureCourbe11(ChartModel& chart);
LineSeriesSet configureCourbe22(ChartModel& chart);

} // namespace chart
