#pragma once
// A value axis: its range, its label spacing, its title and its label font.

#include "chart/ChartPart.h"
#include "chart/ChartTypes.h"

#include <string>

namespace chart {

class AxisTitle : public ChartPart {
public:
    explicit AxisTitle(ChartModel& owner)
        : ChartPart(owner) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { assign(caption_, std::move(caption)); }
    const ChartFont& font() const { return font_; }
    void setFont(const ChartFont& font) { assign(font_, font); }

private:
    std::string caption_;
    ChartFont font_;
};

class Axis : public ChartPart {
public:
    explicit Axis(ChartModel& owner)
        : ChartPart(owner)
        , title_(owner) {}

    // An automatic axis takes its range from the data; AutomaticMaximum / AutomaticMinimum do so for one
    // end only. Every value axis the windows configure is fully manual.
    bool automatic() const { return automatic_; }
    void setAutomatic(bool on) { assign(automatic_, on); }
    bool automaticMaximum() const { return automaticMaximum_; }
    void setAutomaticMaximum(bool on) { assign(automaticMaximum_, on); }
    bool automaticMinimum() const { return automaticMinimum_; }
    void setAutomaticMinimum(bool on) { assign(automaticMinimum_, on); }

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    double increment() const { return increment_; }
    // AxisError "La valeur maximum de l'axe doit être >= Minimum" for a value below the minimum or not
    // finite; the axis is then left as it was.
    void setMaximum(double maximum);
    // AxisError "La valeur minimum de l'axe doit être <= Maximum" for a value above the maximum or not
    // finite.
    void setMinimum(double minimum);
    // Both ends at once, for a range that moves past the current one; refused as the two setters are.
    void setMinMax(double minimum, double maximum);
    // Distance between two labelled ticks, counted from the minimum; 0 lets the view choose a readable
    // spacing. AxisError "L'incrément de l'axe doit être >= 0" for a negative or non-finite value.
    void setIncrement(double increment);

    AxisTitle& title() { return title_; }
    const AxisTitle& title() const { return title_; }

    const ChartFont& labelsFont() const { return labelsFont_; }
    void setLabelsFont(const ChartFont& font) { assign(labelsFont_, font); }
    // The width in pixels reserved for the labels of a vertical axis (0: as wide as the labels need).
    int labelsSize() const { return labelsSize_; }
    void setLabelsSize(int pixels) { assign(labelsSize_, pixels); }

    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on); }
    // The labelled ticks along a value axis; without them the axis keeps its line, its title and its
    // place, and tells no value.
    bool graduationVisible() const { return graduationVisible_; }
    void setGraduationVisible(bool on) { assign(graduationVisible_, on); }

private:
    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
    double increment_ = 0;
    AxisTitle title_;
    ChartFont labelsFont_;
    int labelsSize_ = 0;
    bool visible_ = true;
    bool graduationVisible_ = true;
};

inline constexpr const char* axisMaximumMessage = "La valeur maximum de l'axe doit être >= Minimum";
inline constexpr const char* axisMinimumMessage = "La valeur minimum de l'axe doit être <= Maximum";
inline constexpr const char* axisIncrementMessage = "L'incrément de l'axe doit être >= 0";

} // namespace chart
