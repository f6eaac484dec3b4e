#pragma once
// The measurements of the table window: count evenly spaced advancements from X = 0 to xmax inclusive
// and the four quantities at each. Nothing is stored per measurement: each is computed when asked for,
// so a million measurements cost no more memory than ten.

#include "model/Advancement.h"

namespace windows {

// What the table reads from the main window when it is created.
struct MeasurementInputs {
    double n1 = 0;
    double n2 = 0;
    model::Coefficients a;
    bool slot4Present = false; // the slot-4 coefficient text is not empty
};

class Measurements {
public:
    Measurements() = default;
    // count measurements from 0 to xmax; a count below 1 gives none.
    Measurements(const MeasurementInputs& inputs, double xmax, int count);

    int count() const { return count_; }
    const MeasurementInputs& inputs() const { return inputs_; }
    double xmax() const { return xmax_; }

    // Measurement i (0-based) lies at i × xmax / (count − 1), the product formed exactly, so that the last
    // one is xmax bit for bit; a single measurement lies at X = 0.
    double advancement(int index) const;
    model::Quantities quantities(int index) const;

private:
    MeasurementInputs inputs_;
    double xmax_ = 0;
    int count_ = 0;
};

} // namespace windows
