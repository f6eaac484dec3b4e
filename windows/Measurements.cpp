#include "windows/Measurements.h"

#include <algorithm>

namespace windows {

Measurements::Measurements(const MeasurementInputs& inputs, double xmax, int count)
    : inputs_(inputs)
    , xmax_(xmax)
    , count_(std::max(count, 0)) {}

double Measurements::advancement(int index) const {
    if (count_ <= 1) {
        return 0;
    }
    return model::scaledAdvancement(index, count_ - 1, xmax_);
}

model::Quantities Measurements::quantities(int index) const {
    return model::quantitiesAt(inputs_.n1, inputs_.n2, inputs_.a, advancement(index));
}

} // namespace windows
