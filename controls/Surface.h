#pragma once
// The drawing surface every self-drawn control paints on. QtSurface implements it over a QPainter;
// the tests use a surface with fixed, simple metrics so that layout rules can be checked to the pixel.
//
// Coordinates follow the conventions the controls were drawn with: a Rect excludes its right and
// bottom edges, and lineTo draws from the current point to the new one without the final pixel.

#include "framework/Color.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <span>

namespace controls {

using framework::TColor;

// left, top, right, bottom; right and bottom excluded.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    constexpr Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Rect inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
    static Rect fromQRect(const QRect& r) {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct SurfaceFont {
    QString name = QStringLiteral("MS Sans Serif");
    int pixelSize = 11; // character height in pixels (the em size)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TColor color = framework::clBlack;
    int angle = 0; // degrees, counter-clockwise; only the markup's rotation tag turns a font

    friend bool operator==(const SurfaceFont&, const SurfaceFont&) = default;
};

// Points (as a markup "size" attribute or a chart's marks font gives them) to pixels at 96 dpi.
constexpr int pointsToPixels(int points) {
    return (points * 96 + (points >= 0 ? 36 : -36)) / 72;
}

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };

// Flags of drawText, after the single-line text drawing the controls use.
enum TextFlag : unsigned {
    AlignLeft = 0,
    AlignCenter = 1u << 0,
    AlignRight = 1u << 1,
    AlignTop = 0,
    AlignVCenter = 1u << 2,
    AlignBottom = 1u << 3,
    SingleLine = 1u << 4,
    WordBreak = 1u << 5,
    NoClip = 1u << 6,
    ExpandTabs = 1u << 7,
    ProcessPrefix = 1u << 8, // "&" marks the accelerator letter, "&&" is a literal ampersand
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual void setFont(const SurfaceFont& font) = 0;
    virtual SurfaceFont font() const = 0;

    virtual void setPen(TColor color, int width = 1, PenStyle style = PenStyle::Solid) = 0;
    virtual TColor penColor() const = 0;
    virtual void setBrush(TColor color, BrushStyle style = BrushStyle::Solid) = 0;
    virtual TColor brushColor() const = 0;

    // The colour text and rectangles are drawn on; clNone draws them without filling a background.
    virtual void setBackground(TColor color) = 0;
    virtual TColor background() const = 0;

    // Width and height of a string in the current font. The height is the font's cell height
    // (ascent + descent), the same for every string.
    virtual QSize textExtent(const QString& text) const = 0;
    int textWidth(const QString& text) const { return textExtent(text).width(); }
    int textHeight(const QString& text) const { return textExtent(text).height(); }

    // Text with its top-left corner at (x, y), on the current background.
    virtual void textOut(int x, int y, const QString& text) = 0;
    // Text placed in a rectangle by the flags.
    virtual void drawText(const Rect& rect, const QString& text, unsigned flags) = 0;

    virtual void fillRect(const Rect& rect) = 0;  // brush colour
    virtual void frameRect(const Rect& rect) = 0; // one pixel, brush colour
    virtual void rectangle(const Rect& rect) = 0; // pen outline, brush inside
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0; // without the final pixel
    void polyline(std::span<const QPoint> points) {
        if (points.empty()) {
            return;
        }
        moveTo(points.front().x(), points.front().y());
        for (const QPoint& p : points.subspan(1)) {
            lineTo(p.x(), p.y());
        }
    }
    virtual void setPixel(int x, int y, TColor color) = 0;
    // Pixels of the transparent colour are left out; clNone draws every pixel.
    virtual void drawImage(int x, int y, const QImage& image, TColor transparent = framework::clNone) = 0;
    virtual void stretchImage(const Rect& rect, const QImage& image,
                              TColor transparent = framework::clNone) = 0;
    virtual void drawFocusRect(const Rect& rect) = 0; // dotted, drawn by inverting

    virtual void setClipRect(std::optional<Rect> clip) = 0;
    virtual std::optional<Rect> clipRect() const = 0;
};

} // namespace controls
