#pragma once
// Small helpers the main window's files share: fonts, places and colours from the layout tables, and the
// way the window writes its markup labels and display fields.

#include "app/MainLayout.h"
#include "controls/Surface.h"
#include "framework/Color.h"

#include <QFont>
#include <QString>

class QWidget;

namespace controls {
class TMarkupLabel;
}
namespace framework {
class TEdit;
}

namespace app::support {

// The evolution slider runs from 0 to this position, xmax.
inline constexpr int sliderMaximum = 100;

QFont fontOf(const layout::FontSpec& fontStyle);
controls::SurfaceFont surfaceFontOf(const layout::FontSpec& fontStyle, framework::TColor color);

void place(QWidget* widget, const layout::Bounds& b);
void place(QWidget* widget, const layout::Place& p);
void setColors(QWidget* widget, framework::TColor text, framework::TColor background);

// Every markup label of the window sizes itself to its text.
controls::TMarkupLabel* markupLabel(QWidget* parent, const char* name, const controls::SurfaceFont& font);

// A label's markup is written as the windows always write it: the text cleared, then one line (none for
// an empty markup).
void setMarkup(controls::TMarkupLabel* label, const QString& markup);
QString firstMarkupLine(const controls::TMarkupLabel* label);

// A value written into a display-only field is shown from its first character, so that a long G15
// advancement shows its leading digits rather than its last ones.
void showValue(framework::TEdit* field, const QString& text);

// A teacher's equation may bring longer formulas and values than the seven the window was drawn for:
// they shrink to stay whole in their room rather than run over a border. What fits keeps the design's
// size; nothing goes below this height.
inline constexpr int smallestFittedPixels = 7;
// The design's font, or a smaller one in which text takes at most room pixels.
QFont fittedFont(const layout::FontSpec& design, const QString& text, int room);
// The markup label's font as designed, or smaller until the label is at most room pixels wide.
void fitMarkupLabel(controls::TMarkupLabel* label, const layout::FontSpec& design, framework::TColor color,
                    int room);

} // namespace app::support
