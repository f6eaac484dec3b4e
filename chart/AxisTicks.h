#pragma once
// Where an axis puts its labels and ticks. Labels stand every increment from the minimum, or every
// multiple of it (2, 5, 10, 20... times) when that many labels would overlap; unlabelled ticks stand
// every increment when they are at least 2 pixels apart. So the work of a paint is bounded by the axis
// length in pixels, never by maximum / increment.

#include <functional>
#include <vector>

namespace chart {

struct TickRequest {
    double minimum = 0;
    double maximum = 0;
    double increment = 0; // 0: a readable step of 1, 2 or 5 times a power of ten
    double lengthPx = 0;  // the axis length on screen
    // The room a label takes along the axis (its width on a horizontal axis, its height on a vertical one).
    std::function<double(double value)> labelExtent;
    double gapPx = 4; // at least this much between two labels
};

struct TickLayout {
    std::vector<double> labels; // values, ascending
    std::vector<double> ticks;  // unlabelled tick values between the labels
    double labelStep = 0;
};

TickLayout layoutTicks(const TickRequest& request);

// The position of a value along an axis from 0 (minimum) to 1 (maximum), finite for every finite input
// (an empty range puts everything at 0) and clamped far outside [0, 1] so that a pixel coordinate made
// from it stays representable. A NaN value gives NaN.
double axisFraction(double value, double minimum, double maximum);

// The smallest number of the sequence 1, 2, 5, 10, 20, 50... that is at least x (x > 0 and finite).
double niceMultiple(double x);

} // namespace chart
