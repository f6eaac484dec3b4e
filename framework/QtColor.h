#pragma once
#include "framework/Color.h"

#include <QColor>

namespace framework {

// The only place where a TColor becomes a QColor. System colours map to the application palette;
// clNone and clDefault give an invalid QColor, which callers treat as "draw nothing".
QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);

} // namespace framework
