#pragma once
// Series and their points. A series keeps its points in ascending x: a point is inserted after every
// stored point whose x is not greater than its own, so that points of equal x keep their order of
// insertion and a bar added with add() always lands at the next category.

#include "chart/ChartPart.h"
#include "chart/ChartTypes.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace chart {

class Series : public ChartPart {
public:
    virtual ~Series() = default;

    SeriesKind kind() const { return kind_; }

    // The text that names the series in the legend.
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { assign(title_, std::move(title)); }
    // Hides or shows the legend entry; the series itself still draws.
    bool showInLegend() const { return showInLegend_; }
    void setShowInLegend(bool on) { assign(showInLegend_, on); }
    // The legend box's colour, and the colour of points added with clDefault.
    TColor seriesColor() const { return seriesColor_; }
    void setSeriesColor(TColor color) { assign(seriesColor_, color); }
    // Points added with clDefault take a palette colour by their index instead of the series colour.
    bool colorEachPoint() const { return colorEachPoint_; }
    void setColorEachPoint(bool on) { assign(colorEachPoint_, on); }
    void clear();
    // Inserts the point by x (see the file comment); returns its index.
    int addXY(double x, double y, std::string label = {}, TColor color = framework::clDefault);
    // Appends a point at the next category position x = count().
    int add(double value, std::string label = {}, TColor color = framework::clDefault);

    int count() const { return int(points_.size()); }
    std::span<const ChartPoint> points() const { return points_; }
    const ChartPoint& point(int index) const { return points_.at(std::size_t(index)); }
    // The label of a point; empty when the index lies outside the list.
    std::string pointLabel(int index) const;
    // The colour the point is drawn in: its own, or for clDefault the series colour or the palette's.
    TColor pointColor(int index) const;
    // A value as the series' vertical axis formats it: "#,##0.###" with the chart's locale separators.
    std::string formatValue(double value) const;

protected:
    Series(ChartModel& owner, SeriesKind kind, std::string title);

private:
    SeriesKind kind_;
    std::string title_;
    bool showInLegend_ = true;
    TColor seriesColor_ = framework::clRed;
    bool colorEachPoint_ = false;
    std::vector<ChartPoint> points_;
};

// The texts shown above the bars.
class Marks : public ChartPart {
public:
    explicit Marks(ChartModel& owner)
        : ChartPart(owner) {}

    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on); }
    const ChartFont& font() const { return font_; }
    void setFont(const ChartFont& font) { assign(font_, font); }
    // The font size in points, as the windows set it while a mark is being drawn.
    void setFontSize(int points);
    // Clipped marks never draw outside the plot area.
    bool clip() const { return clip_; }
    void setClip(bool on) { assign(clip_, on); }
    // Length in pixels of the line from the bar's top to its mark.
    int arrowLength() const { return arrowLength_; }
    void setArrowLength(int pixels) { assign(arrowLength_, pixels); }

private:
    bool visible_ = false;
    ChartFont font_;
    bool clip_ = false;
    int arrowLength_ = 8;
};

class BarSeries final : public Series {
public:
    explicit BarSeries(ChartModel& owner, std::string title = {});

    // One bar at the next category position; the label is the category text under it.
    int addBar(double value, std::string label, TColor color) { return add(value, std::move(label), color); }

    Marks& marks() { return marks_; }
    const Marks& marks() const { return marks_; }

    // The text of a bar's mark: the value in the axis format, then whatever OnGetMarkText leaves in it.
    // A carriage return (character 13) splits it into two lines, the first above the second.
    std::string markText(int index);

    // Called before each mark is drawn with the default text; the text it leaves is drawn.
    std::function<void(BarSeries& sender, int valueIndex, std::string& markText)> OnGetMarkText;

private:
    Marks marks_;
};

class LineSeries final : public Series {
public:
    explicit LineSeries(ChartModel& owner, std::string title = {});

    // The line pen's width in pixels.
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int pixels) { assign(lineWidth_, pixels); }

private:
    int lineWidth_ = 1;
};

} // namespace chart
