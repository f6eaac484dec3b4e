#pragma once
// The plain values a chart is described with: fonts, brushes, directions and the axis failure. No Qt
// here, so that the chart model can be built and tested on its own.

#include "framework/Color.h"
#include "model/Failure.h"

#include <string>

namespace chart {

using framework::TColor;

// A font as the windows give it: a face name, a character height in pixels, a style and a colour.
struct ChartFont {
    std::string name = "Arial";
    int pixelSize = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    TColor color = framework::clBlack;

    friend bool operator==(const ChartFont&, const ChartFont&) = default;
};

// Points (the unit a marks font size is set in) to pixels at 96 dpi, rounded to the nearest pixel.
constexpr int pixelsFromPoints(int points) {
    return (points * 96 + (points >= 0 ? 36 : -36)) / 72;
}

enum class BrushStyle { Solid, Clear };

enum class GradientDirection { TopBottom, LeftRight, RightLeft };

// lsSeries: one entry per series; Automatic: one per series with two series or more, one per point
// when the chart holds a single series.
enum class LegendStyle { Series, Automatic };

enum class LegendAlignment { Right, Top };

enum class SeriesKind { Bar, Line };

// One stored point. colour clDefault takes the series colour (or the palette with ColorEachPoint);
// clNone is never drawn.
struct ChartPoint {
    double x = 0;
    double y = 0;
    std::string label;
    TColor color = framework::clDefault;
};

// A refused axis setting. Its message is the pupil's; the error guard shows it.
class AxisError : public model::Failure {
public:
    using model::Failure::Failure;
};

} // namespace chart
