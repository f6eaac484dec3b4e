#pragma once
// The chart as the windows configure and fill it: title, background, back wall, 3-D view, the bottom and
// left axes, the legend and the series. Every change tells chartChanged(), which a view overrides to
// repaint. Plain C++: the numbers are formatted with the locale the provider returns.

#include "chart/Axis.h"
#include "chart/ChartPart.h"
#include "chart/ChartTypes.h"
#include "chart/Series.h"
#include "model/NumberLocale.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace chart {

class Title : public ChartPart {
public:
    explicit Title(ChartModel& owner)
        : ChartPart(owner) {}

    // One entry per line, as stored (leading and trailing blanks are part of the text).
    const std::vector<std::string>& text() const { return text_; }
    void setText(std::vector<std::string> lines) { assign(text_, std::move(lines)); }
    const ChartFont& font() const { return font_; }
    void setFont(const ChartFont& font) { assign(font_, font); }
    // The colour behind the title block when no brush colour is set; clNone leaves it transparent.
    TColor color() const { return color_; }
    void setColor(TColor color) { assign(color_, color); }
    // The brush the title block is filled with; clNone for none.
    TColor brushColor() const { return brushColor_; }
    void setBrushColor(TColor color) { assign(brushColor_, color); }
    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on); }

private:
    std::vector<std::string> text_;
    ChartFont font_{"Arial", 11, false, false, false, framework::clBlue};
    TColor color_ = framework::clNone;
    TColor brushColor_ = framework::clNone;
    bool visible_ = true;
};

class Gradient : public ChartPart {
public:
    explicit Gradient(ChartModel& owner)
        : ChartPart(owner) {}

    TColor startColor() const { return startColor_; }
    void setStartColor(TColor color) { assign(startColor_, color); }
    TColor endColor() const { return endColor_; }
    void setEndColor(TColor color) { assign(endColor_, color); }
    GradientDirection direction() const { return direction_; }
    void setDirection(GradientDirection direction) { assign(direction_, direction); }
    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on); }

private:
    TColor startColor_ = framework::clWhite;
    TColor endColor_ = framework::clWhite;
    GradientDirection direction_ = GradientDirection::TopBottom;
    bool visible_ = false;
};

class BackWall : public ChartPart {
public:
    explicit BackWall(ChartModel& owner)
        : ChartPart(owner) {}

    TColor color() const { return color_; }
    void setColor(TColor color) { assign(color_, color); }
    BrushStyle brushStyle() const { return brushStyle_; }
    void setBrushStyle(BrushStyle style) { assign(brushStyle_, style); }

private:
    TColor color_ = framework::clWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
};

class View3DOptions : public ChartPart {
public:
    explicit View3DOptions(ChartModel& owner)
        : ChartPart(owner) {}

    // Degrees; 360 looks straight at the chart, smaller values look down on the bars' tops.
    int elevation() const { return elevation_; }
    void setElevation(int degrees) { assign(elevation_, degrees); }
    // 0 to 100: how much the depth shrinks with distance.
    int perspective() const { return perspective_; }
    void setPerspective(int percent) { assign(perspective_, percent); }

private:
    int elevation_ = 345;
    int perspective_ = 15;
};

struct LegendEntry {
    std::string text;
    TColor color = framework::clNone;

    friend bool operator==(const LegendEntry&, const LegendEntry&) = default;
};

class Legend : public ChartPart {
public:
    explicit Legend(ChartModel& owner)
        : ChartPart(owner) {}

    LegendStyle legendStyle() const { return style_; }
    void setLegendStyle(LegendStyle style) { assign(style_, style); }
    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on); }
    LegendAlignment alignment() const { return alignment_; }
    void setAlignment(LegendAlignment alignment) { assign(alignment_, alignment); }

private:
    LegendStyle style_ = LegendStyle::Automatic;
    bool visible_ = true;
    LegendAlignment alignment_ = LegendAlignment::Right;
};

class ChartModel {
public:
    using LocaleProvider = std::function<model::NumberLocale()>;

    ChartModel();
    virtual ~ChartModel();
    ChartModel(const ChartModel&) = delete;
    ChartModel& operator=(const ChartModel&) = delete;

    Title& title() { return title_; }
    const Title& title() const { return title_; }
    Gradient& gradient() { return gradient_; }
    const Gradient& gradient() const { return gradient_; }
    BackWall& backWall() { return backWall_; }
    const BackWall& backWall() const { return backWall_; }
    Axis& bottomAxis() { return bottomAxis_; }
    const Axis& bottomAxis() const { return bottomAxis_; }
    Axis& leftAxis() { return leftAxis_; }
    const Axis& leftAxis() const { return leftAxis_; }
    Legend& legend() { return legend_; }
    const Legend& legend() const { return legend_; }

    bool view3D() const { return view3D_; }
    void setView3D(bool on);
    // Depth of the 3-D view as a percentage of a category's width.
    int chart3DPercent() const { return chart3DPercent_; }
    void setChart3DPercent(int percent);
    View3DOptions& view3DOptions() { return view3DOptions_; }
    const View3DOptions& view3DOptions() const { return view3DOptions_; }

    // Series are drawn in the order they were added; the references stay valid for the chart's life.
    BarSeries& addBarSeries(std::string title = {});
    LineSeries& addLineSeries(std::string title = {});
    int seriesCount() const { return int(series_.size()); }
    Series& series(int index);
    const Series& series(int index) const;
    // The series at index when it has that kind; std::logic_error otherwise (a programming error).
    BarSeries& barSeries(int index);
    LineSeries& lineSeries(int index);

    // The entries the legend shows, by its style and the series' ShowInLegend.
    std::vector<LegendEntry> legendEntries() const;

    // The chart in words for a screen reader: the title, then each bar ("C(s) : 0,5 mol" as its mark
    // reads) and each line series with its last point.
    std::string summary();

    // Where the separators of formatted values come from; by default the C locale's.
    void setLocaleProvider(LocaleProvider provider);
    model::NumberLocale numberLocale() const;

protected:
    // Every change of the chart or one of its parts ends here.
    virtual void chartChanged() {}

private:
    friend class ChartPart;

    Title title_;
    Gradient gradient_;
    BackWall backWall_;
    Axis bottomAxis_;
    Axis leftAxis_;
    Legend legend_;
    bool view3D_ = false;
    int chart3DPercent_ = 15;
    View3DOptions view3DOptions_;
    std::vector<std::unique_ptr<Series>> series_;
    LocaleProvider localeProvider_;
};

} // namespace chart
