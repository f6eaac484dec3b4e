#pragma once
// What the secondary windows share in their look: the form font (MS Sans Serif, 11 pixels high), the
// background colours and the text colours of their static texts.

#include "framework/Color.h"

#include <QFont>
#include <QString>
#include <Qt>

class QWidget;

namespace windows {

// A dialog border of fixed size: a title with the system menu and the close box, and no button to
// maximise or minimise a window that keeps its size.
inline constexpr Qt::WindowFlags fixedDialogBorder = Qt::Dialog | Qt::CustomizeWindowHint |
                                                     Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                     Qt::WindowCloseButtonHint;

// A font by its face and character height in pixels.
QFont pixelFont(const QString& face, int pixelSize, bool bold = false, bool underline = false);

// MS Sans Serif, 11 pixels: the default font of every window.
QFont formFont();

// Fills the widget's background with the colour (system colours included). Only the window role is
// set, so that the edits inside keep their own white.
void setBackground(QWidget* widget, framework::TColor color);

// The colour of the widget's text (its WindowText and Text roles).
void setTextColor(QWidget* widget, framework::TColor color);

} // namespace windows
