#include "controls/QtSurface.h"

#include "framework/QtColor.h"

#include <QHash>
#include <QPainterPath>

namespace controls {

using framework::toQColor;

QFont toQFont(const SurfaceFont& font) {
    QFont f(font.name);
    f.setPixelSize(std::max(1, font.pixelSize));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

namespace {

// The image with the transparent colour's pixels cleared, cached per image and colour so that a paint
// of the same glyph does not convert it again.
QImage withTransparency(const QImage& image, TColor transparent) {
    if (transparent == framework::clNone || image.isNull()) {
        return image;
    }
    static QHash<QPair<qint64, TColor>, QImage> cache;
    const auto key = qMakePair(image.cacheKey(), transparent);
    if (auto it = cache.constFind(key); it != cache.constEnd()) {
        return *it;
    }
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb drop = toQColor(transparent).rgb() & 0xFFFFFFu;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == drop) {
                line[x] = 0;
            }
        }
    }
    if (cache.size() > 256) {
        cache.clear();
    }
    cache.insert(key, out);
    return out;
}

int qtAlignment(unsigned flags) {
    int a = 0;
    a |= (flags & AlignCenter) ? Qt::AlignHCenter : (flags & AlignRight) ? Qt::AlignRight : Qt::AlignLeft;
    a |= (flags & AlignVCenter) ? Qt::AlignVCenter : (flags & AlignBottom) ? Qt::AlignBottom : Qt::AlignTop;
    if (flags & WordBreak) {
        a |= Qt::TextWordWrap;
    }
    if (flags & SingleLine) {
        a |= Qt::TextSingleLine;
    }
    if (flags & ExpandTabs) {
        a |= Qt::TextExpandTabs;
    }
    a |= (flags & ProcessPrefix) ? Qt::TextShowMnemonic : 0;
    return a;
}

} // namespace

QtSurface::QtSurface(QPainter& painter)
    : painter_(painter)
    , metrics_(painter.font()) {
    painter_.save();
    applyFont();
}

QtSurface::~QtSurface() {
    painter_.restore();
}

void QtSurface::applyFont() {
    qfont_ = toQFont(font_);
    metrics_ = QFontMetrics(qfont_, painter_.device());
    painter_.setFont(qfont_);
}

void QtSurface::setFont(const SurfaceFont& font) {
    if (font == font_) {
        return;
    }
    font_ = font;
    applyFont();
}

void QtSurface::setPen(TColor color, int width, PenStyle style) {
    penColor_ = color;
    penWidth_ = std::max(1, width);
    penStyle_ = style;
}

void QtSurface::setBrush(TColor color, BrushStyle style) {
    brushColor_ = color;
    brushStyle_ = style;
}

QSize QtSurface::textExtent(const QString& text) const {
    return {metrics_.horizontalAdvance(text), metrics_.height()};
}

void QtSurface::drawTextRun(const QRect& box, const QString& text, int qtFlags) {
    if (font_.angle != 0) {
        painter_.save();
        painter_.translate(box.topLeft());
        painter_.rotate(-font_.angle);
        painter_.setPen(toQColor(font_.color));
        painter_.drawText(QPoint(0, metrics_.ascent()), text);
        painter_.restore();
        return;
    }
    if (background_ != framework::clNone) {
        const QRect used = metrics_.boundingRect(box, qtFlags, text);
        painter_.fillRect(used.intersected(box), toQColor(background_));
    }
    painter_.setPen(toQColor(font_.color));
    painter_.drawText(box, qtFlags, text);
}

void QtSurface::textOut(int x, int y, const QString& text) {
    const QSize size = textExtent(text);
    drawTextRun(QRect(QPoint(x, y), size), text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine);
}

void QtSurface::drawText(const Rect& rect, const QString& text, unsigned flags) {
    const QRect box = rect.toQRect();
    const int qtFlags = qtAlignment(flags);
    const bool clip = !(flags & NoClip);
    if (clip) {
        painter_.save();
        painter_.setClipRect(box, Qt::IntersectClip);
    }
    drawTextRun(box, text, qtFlags);
    if (clip) {
        painter_.restore();
    }
}

void QtSurface::fillRect(const Rect& rect) {
    if (rect.width() > 0 && rect.height() > 0 && brushStyle_ == BrushStyle::Solid) {
        painter_.fillRect(rect.toQRect(), toQColor(brushColor_));
    }
}

void QtSurface::frameRect(const Rect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    const QColor c = toQColor(brushColor_);
    painter_.fillRect(QRect(rect.left, rect.top, rect.width(), 1), c);
    painter_.fillRect(QRect(rect.left, rect.bottom - 1, rect.width(), 1), c);
    painter_.fillRect(QRect(rect.left, rect.top, 1, rect.height()), c);
    painter_.fillRect(QRect(rect.right - 1, rect.top, 1, rect.height()), c);
}

void QtSurface::rectangle(const Rect& rect) {
    if (brushStyle_ == BrushStyle::Solid) {
        painter_.fillRect(rect.toQRect(), toQColor(brushColor_));
    }
    const TColor saved = brushColor_;
    const BrushStyle savedStyle = brushStyle_;
    brushColor_ = penColor_;
    brushStyle_ = BrushStyle::Solid;
    for (int i = 0; i < penWidth_; ++i) {
        frameRect(rect.inflated(-i));
    }
    brushColor_ = saved;
    brushStyle_ = savedStyle;
}

void QtSurface::moveTo(int x, int y) {
    current_ = QPoint(x, y);
}

void QtSurface::lineTo(int x, int y) {
    const QPoint to(x, y);
    const QPoint from = current_;
    current_ = to;
    if (from == to) {
        return;
    }
    const QColor c = toQColor(penColor_);
    if (penWidth_ == 1 && penStyle_ == PenStyle::Solid && (from.x() == to.x() || from.y() == to.y())) {
        // Axis-parallel one-pixel lines as filled spans: exact pixels on every paint device.
        const int x0 = std::min(from.x(), to.x() + (to.x() < from.x() ? 1 : 0));
        const int y0 = std::min(from.y(), to.y() + (to.y() < from.y() ? 1 : 0));
        const int w = from.x() == to.x() ? 1 : std::abs(to.x() - from.x());
        const int h = from.y() == to.y() ? 1 : std::abs(to.y() - from.y());
        painter_.fillRect(QRect(x0, y0, w, h), c);
        return;
    }
    if (penWidth_ == 1 && penStyle_ == PenStyle::Solid) {
        // Bresenham without the final pixel, so diagonal outlines match their pixel lists.
        int x0 = from.x();
        int y0 = from.y();
        const int dx = std::abs(to.x() - x0);
        const int dy = -std::abs(to.y() - y0);
        const int sx = x0 < to.x() ? 1 : -1;
        const int sy = y0 < to.y() ? 1 : -1;
        int err = dx + dy;
        while (!(x0 == to.x() && y0 == to.y())) {
            painter_.fillRect(QRect(x0, y0, 1, 1), c);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
        return;
    }
    QPen pen(c, penWidth_, penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
    painter_.save();
    painter_.setPen(pen);
    painter_.drawLine(from, to);
    painter_.restore();
}

void QtSurface::setPixel(int x, int y, TColor color) {
    painter_.fillRect(QRect(x, y, 1, 1), toQColor(color));
}

void QtSurface::drawImage(int x, int y, const QImage& image, TColor transparent) {
    painter_.drawImage(QPoint(x, y), withTransparency(image, transparent));
}

void QtSurface::stretchImage(const Rect& rect, const QImage& image, TColor transparent) {
    painter_.drawImage(rect.toQRect(), withTransparency(image, transparent));
}

void QtSurface::drawFocusRect(const Rect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    // Every other pixel of the outline, inverted, as the desktop draws a keyboard focus mark.
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor white(255, 255, 255);
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) {
            painter_.fillRect(QRect(x, y, 1, 1), white);
        }
    };
    for (int x = rect.left; x < rect.right; ++x) {
        dot(x, rect.top);
        dot(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        dot(rect.left, y);
        dot(rect.right - 1, y);
    }
    painter_.restore();
}

void QtSurface::setClipRect(std::optional<Rect> clip) {
    clip_ = clip;
    if (clip) {
        painter_.setClipRect(clip->toQRect());
    } else {
        painter_.setClipping(false);
    }
}

} // namespace controls
