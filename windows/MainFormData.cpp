#include "windows/MainFormData.h"

#include "framework/LocaleText.h"

namespace windows {

model::Coefficients MainFormData::coefficients() const {
    const QString fourth = coefficientText(4);
    return {framework::strictReal(coefficientText(1)), framework::strictReal(coefficientText(2)),
            framework::strictReal(coefficientText(3)),
            fourth.isEmpty() ? 0.0 : framework::strictReal(fourth)};
}

} // namespace windows
