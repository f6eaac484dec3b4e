#pragma once
// Lays a chart out for one size and paints it. Built for each paint: the layout is a function of the
// chart, the fonts and the size only, and painting changes nothing. The mark callbacks run in the
// constructor, before anything is measured, so that a font size they set is the one the marks use.

#include "chart/AxisTicks.h"
#include "chart/ChartModel.h"
#include "chart/TextCache.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;

namespace chart {

class ChartRenderer {
public:
    // The cache outlives the renderer; the view keeps one for all its paints.
    ChartRenderer(ChartModel& chart, const QSizeF& size, TextCache& text);

    // Everything but the background, which the view caches.
    void paint(QPainter& painter) const;

    // The same picture in two layers, for a view that keeps the first between paints: the scenery
    // (walls, grid, axis labels and titles, chart title, legend), which a slider move rarely changes,
    // then the moving parts (series, axis lines, marks) over it. Only valid while the moving parts stay
    // clear of the scenery's texts and boxes, which they do unless a wide line or a mark reaches them:
    // then painting the two layers one after the other would change which one lies on top.
    bool movingPartsClearOfScenery() const;
    void paintScenery(QPainter& painter) const;
    void paintMovingParts(QPainter& painter) const;

    // Everything the scenery is painted from: two charts with equal sceneries paint the same one.
    struct Scenery {
        QRectF plot;
        double depthDx = 0;
        double depthDy = 0;
        bool categories = false;
        int categoryTotal = 0;
        std::vector<std::pair<double, QString>> categoryNames;
        double leftMinimum = 0;
        double leftMaximum = 0;
        std::vector<double> leftLabels;
        QStringList leftTexts;
        double bottomMinimum = 0;
        double bottomMaximum = 0;
        std::vector<double> bottomLabels;
        QStringList bottomTexts;
        double leftLabelsWidth = 0;
        TColor backWallColor = framework::clNone;
        BrushStyle backWallStyle = BrushStyle::Solid;
        bool leftVisible = false;
        bool bottomVisible = false;
        ChartFont leftLabelsFont;
        ChartFont bottomLabelsFont;
        std::string leftCaption;
        std::string bottomCaption;
        ChartFont leftTitleFont;
        ChartFont bottomTitleFont;
        QStringList titleLines;
        QRectF titleBlock;
        ChartFont titleFont;
        TColor titleFill = framework::clNone;
        std::vector<LegendEntry> legendEntries;
        std::optional<QRectF> legend;
        LegendAlignment legendAlignment = LegendAlignment::Right;
        friend bool operator==(const Scenery&, const Scenery&) = default;
    };
    Scenery scenery() const;
    // The lines a name under the bars is drawn on: two when it is too long for one at the smallest size.
    QStringList categoryNameLines(const QString& name) const;

    // The width the title and a legend above the plot take across the chart, margins included: a chart
    // narrower than that breaks the title's lines or cuts the legend. It does not depend on the chart's
    // size.
    double widthNeeded() const;

    // Geometry, for hit testing and the tests.
    QRectF plotArea() const { return plot_; }
    std::optional<QRectF> legendArea() const { return legend_; }
    QRectF legendSymbol(int entry) const;
    // Where a point of a line series lies, or the front face of a bar; empty when not drawable.
    std::optional<QPointF> pointPosition(int seriesIndex, int pointIndex) const;
    std::optional<QRectF> barFace(int seriesIndex, int pointIndex) const;
    // The boxes of the bar marks, in the order they are drawn, and where clipped marks may draw: the
    // plot and its back wall.
    std::vector<QRectF> markBoxes() const;
    QRectF markClip() const;
    // Whether every mark found a place clear of every bar, of the other marks and of the axes; a chart
    // too small for its marks has one standing on its bar.
    bool marksClear() const { return marksClear_; }

private:
    struct AxisLayout {
        double minimum = 0;
        double maximum = 0;
        TickLayout ticks;
        QStringList labelTexts;
    };
    // Where a mark's box and its arrow go.
    struct MarkPlace {
        QPointF anchor;
        QPointF end; // the anchor itself when the box sits on its bar, with no room for an arrow
        QRectF box;
    };
    struct Mark {
        int series = 0;
        int point = 0;
        QStringList lines;
        std::optional<MarkPlace> place; // nothing when its bar is not drawn
    };

    void layOut(const QSizeF& size);
    AxisLayout valueAxis(const Axis& axis, bool vertical, double lengthPx, const QFont& font) const;
    std::pair<double, double> rangeOf(const Axis& axis, bool vertical) const;
    double categoryCount() const;
    double xPixel(double value) const;
    double yPixel(double value) const;
    QPointF depthOffset() const { return {depthDx_, -depthDy_}; }

    void paintWalls(QPainter& p) const;
    void paintGrid(QPainter& p) const;
    void paintBars(QPainter& p, const BarSeries& bars, int seriesIndex) const;
    void paintLine(QPainter& p, const LineSeries& line, int seriesIndex) const;
    void paintAxisLines(QPainter& p) const;
    void paintAxisLabels(QPainter& p) const;
    void paintAxisTitles(QPainter& p) const;
    void paintMarks(QPainter& p) const;
    void paintTitle(QPainter& p) const;
    void paintLegend(QPainter& p) const;
    void paintSeries(QPainter& p) const;
    void placeMarks(const QSizeF& size);
    void fitCategoryNames();
    static std::optional<QRectF> freePlace(const QRectF& wanted, const QRectF& room,
                                           const std::vector<QRectF>& blocking);
    static QRectF fallbackPlace(const QRectF& wanted, const QRectF& face, bool up, const QRectF& room,
                                const std::vector<QRectF>& taken);
    static QPointF arrowEnd(const QPointF& anchor, const QRectF& box);
    double leftTitleX() const;
    double bottomTitleTop() const;
    double bottomLabelsTop() const;
    double bottomLabelsHeight() const;

    ChartModel& chart_;
    TextCache& text_;
    model::NumberLocale locale_;
    // Fonts of the text cache, which knows them by their address.
    const QFont* titleFont_ = nullptr;
    const QFont* leftLabelsFont_ = nullptr;
    const QFont* bottomLabelsFont_ = nullptr;
    ChartFont bottomLabelsChartFont_;  // the axis's, or smaller for long category names
    bool categoryNamesBroken_ = false; // the longest on two lines
    // The height laid out for the names under the axis: two lines of smaller names take it and the gap
    // under it, so the axis title stays inside the chart.
    double labelsBandHeight_ = 0;
    const QFont* leftTitleFont_ = nullptr;
    const QFont* bottomTitleFont_ = nullptr;
    const QFont* legendFont_ = nullptr;
    QStringList titleLines_;
    QRectF titleBlock_;
    double naturalTitleWidth_ = 0; // the title block's width before any line had to break
    std::vector<LegendEntry> legendEntries_;
    std::optional<QRectF> legend_;
    double legendRowHeight_ = 0;
    std::vector<double> legendColumns_; // x of each entry of a legend at the top
    QRectF plot_;
    double depthDx_ = 0;
    double depthDy_ = 0;
    bool categories_ = false; // the bottom axis counts bars
    int categoryTotal_ = 0;
    int categorySeries_ = -1; // the bar series whose labels name the categories
    AxisLayout left_;
    AxisLayout bottom_;
    double leftLabelsWidth_ = 0;
    std::vector<Mark> marks_;
    bool marksClear_ = true;
};

} // namespace chart
