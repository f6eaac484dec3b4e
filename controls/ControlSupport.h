#pragma once
// What the self-drawn controls share: the surface font of a widget, the glyph images stored with the
// program, the embossed picture of a disabled glyph, the accelerator letter of a caption, and a guard
// that puts a control back to rest even when an event handler fails.

#include "controls/Surface.h"

#include <QChar>
#include <QImage>
#include <QString>

#include <exception>
#include <functional>
#include <utility>

class QWidget;

namespace controls {

// Runs an action when the scope ends, also while a failing event handler unwinds the stack, so that a
// button never stays pressed or keeps repeating after an error.
template <class Action> class ScopeExit {
public:
    explicit ScopeExit(Action action)
        : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};

// The widget's font as the surface takes it: face, pixel size and styles from QWidget::font(), the
// colour from the palette's WindowText role.
SurfaceFont surfaceFontOf(const QWidget& widget);

// An image stored with the program (":/glyphs/NAME.png"), as drawn on a standard screen.
QImage storedGlyph(const QString& name);
// The picture to draw on a device of the given pixel ratio: the stored twice-as-fine version of a stored
// glyph on a high-density device, else the image itself.
QImage glyphForDevice(const QImage& glyph, qreal devicePixelRatio);
// The glyph's size in device-independent pixels.
QSize glyphSize(const QImage& glyph);

// The grey picture of a disabled glyph: an image of the glyph's size in the button-face colour, on which
// every ink pixel of the glyph is drawn in the button-highlight colour one pixel right and down, then in
// the button-shadow colour in place.
QImage embossedGlyph(const QImage& glyph, const std::function<bool(QRgb)>& isInk);

// The caption without its accelerator marks ("&Fichier" gives "Fichier", "&&" gives "&") and the letter
// after the first single "&" (a null QChar when there is none).
QString withoutAccelerator(const QString& caption);
QChar acceleratorOf(const QString& caption);

// Whether the topmost widget under a point of the widget (disabled ones included) is the widget itself.
bool isTopmostAt(const QWidget& widget, const QPoint& localPos);

// Registers the accessibility of the program's controls with Qt; called by their constructors.
void installControlAccessibility();

} // namespace controls
