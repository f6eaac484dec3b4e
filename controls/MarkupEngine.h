#pragma once
// The markup engine: lays out and draws a short text written in the labels' small HTML-like markup
// ("CO<sub>2</sub>(g)", <FONT color="#004080">...</font>) inside a rectangle of a drawing surface, and
// tells which link lies under a point. It keeps nothing between calls; the label calls it to paint,
// to measure its auto size and to hit-test the mouse.

#include "controls/Surface.h"

#include <QString>

namespace controls {

class TImageList;

struct MarkupRequest {
    QString markup;
    Rect rect;            // the area to lay out in
    bool paint = false;   // false: lay out and measure only, draw nothing
    QPoint point{-1, -1}; // surface coordinates tested against the links (the mouse)
    int hoverLink = -1;   // 1-based number of the link drawn in hover style, -1 for none
    bool hover = false;   // hover mode: only the hovered link is underlined and hover-coloured
    TColor paramColor = framework::clGreen;
    TColor hoverColor = framework::clNone;     // background of the hovered link
    TColor hoverFontColor = framework::clNone; // text colour of the hovered link
    TColor shadowColor = framework::clGray;
    int shadowOffset = 2;               // pixels, to the right and down
    const TImageList* images = nullptr; // source of "idx:" images; none makes them missing
};

struct MarkupResult {
    int totalHeight = 0; // sum of the laid-out line heights; one line of "gh" when nothing was laid out
    int maxWidth = 0;    // widest laid-out line, without its trailing blank
    int linkCount = 0;   // link tags met
    int linkUnderPoint = -1;
    Rect linkRect; // area of the link under the point, set only when there is one
    QString hrefUnderPoint;
    bool onLink = false; // the point lies on the text of a link

    friend bool operator==(const MarkupResult&, const MarkupResult&) = default;
};

// Lays out request.markup in request.rect with the surface's current font as the base font and draws
// it when request.paint is set. The surface's font and background are as they were on return; a pen
// colour left by a paragraph background is not reset.
MarkupResult RenderMarkup(Surface& surface, const MarkupRequest& request);

// The text a reader sees: tags dropped, entities replaced; for screen readers and plain-text uses.
QString MarkupPlainText(const QString& markup);

// "clRed", "clBtnFace"...: the name is lower-cased before lookup; an unknown name gives black.
TColor ParseColorName(const QString& name);
// "#RRGGBB": the first character is skipped, then up to six hexadecimal digits (either case) are read
// as red, green and blue; digits that are missing (or stop at a non-hexadecimal character) count as 0.
TColor ParseHexColor(const QString& value);

} // namespace controls
