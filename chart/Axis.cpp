#include "chart/Axis.h"

#include <cmath>

namespace chart {

// A non-finite end would leave the view no range to map values into, so it is refused with the same
// words as an end on the wrong side of the other.
void Axis::setMaximum(double maximum) {
    if (!std::isfinite(maximum) || maximum < minimum_) {
        throw AxisError(axisMaximumMessage);
    }
    assign(maximum_, maximum);
}

void Axis::setMinimum(double minimum) {
    if (!std::isfinite(minimum) || minimum > maximum_) {
        throw AxisError(axisMinimumMessage);
    }
    assign(minimum_, minimum);
}

void Axis::setMinMax(double minimum, double maximum) {
    if (!std::isfinite(minimum)) {
        throw AxisError(axisMinimumMessage);
    }
    if (!std::isfinite(maximum) || maximum < minimum) {
        throw AxisError(axisMaximumMessage);
    }
    if (minimum == minimum_ && maximum == maximum_) {
        return;
    }
    minimum_ = minimum;
    maximum_ = maximum;
    changed();
}

void Axis::setIncrement(double increment) {
    if (!std::isfinite(increment) || increment < 0) {
        throw AxisError(axisIncrementMessage);
    }
    assign(increment_, increment);
}

} // namespace chart
