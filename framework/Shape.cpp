#include "framework/Shape.h"

#include "framework/ErrorGuard.h"
#include "framework/QtColor.h"

#include <QPainter>

#include <cmath>

namespace framework {

TShape::TShape(Kind kind, TColor brush, TColor pen, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , brush_(brush)
    , pen_(pen) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

// The one-pixel outline and the inside as plain fills: the pixels an aliased stroke through the pixel
// centres gives, without going through the path rasterizer.
void fillFramedRect(QPainter& painter, const QRect& box, const QColor& pen, const QColor& brush) {
    painter.fillRect(box.adjusted(1, 1, -1, -1), brush);
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), pen);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), pen);
    painter.fillRect(QRect(box.left(), box.top() + 1, 1, box.height() - 2), pen);
    painter.fillRect(QRect(box.right(), box.top() + 1, 1, box.height() - 2), pen);
}

void drawRoundRect(QPainter& painter, const QRect& box, qreal radius, const QColor& pen,
                   const QColor& brush) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(pen, 1));
    painter.setBrush(brush);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

} // namespace

void TShape::paintEvent(QPaintEvent*) {
    guarded([this] {
        QPainter painter(this);
        const QColor pen = toQColor(pen_);
        const QColor brush = toQColor(brush_);
        if (kind_ == Kind::Rectangle) {
            fillFramedRect(painter, rect(), pen, brush);
            return;
        }
        // The desktop's rounded rectangle: corner ellipses a quarter of the shorter side across.
        const qreal radius = std::min(width(), height()) / 8.0;
        const int corner = int(std::ceil(radius)) + 2;
        if (2 * corner >= std::min(width(), height())) {
            drawRoundRect(painter, rect(), radius, pen, brush);
            return;
        }
        // Only the corners need the antialiasing rasterizer; the straight edges and the inside are whole
        // pixels of the outline and the brush colours, filled as such. Each corner is the corner of a
        // small rounded rectangle of the same radius laid on it, drawn clipped to the corner, so every
        // pixel is the one the whole antialiased shape gives at a fraction of its cost.
        painter.fillRect(rect().adjusted(corner, 1, -corner, -1), brush);
        painter.fillRect(QRect(1, corner, corner - 1, height() - 2 * corner), brush);
        painter.fillRect(QRect(width() - corner, corner, corner - 1, height() - 2 * corner), brush);
        painter.fillRect(QRect(corner, 0, width() - 2 * corner, 1), pen);
        painter.fillRect(QRect(corner, height() - 1, width() - 2 * corner, 1), pen);
        painter.fillRect(QRect(0, corner, 1, height() - 2 * corner), pen);
        painter.fillRect(QRect(width() - 1, corner, 1, height() - 2 * corner), pen);
        const int side = 2 * corner;
        const int right = width() - corner;
        const int bottom = height() - corner;
        for (const QPoint at : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            painter.save();
            painter.setClipRect(QRect(at, QSize(corner, corner)));
            const QPoint small(at.x() == 0 ? 0 : width() - side, at.y() == 0 ? 0 : height() - side);
            drawRoundRect(painter, QRect(small, QSize(side, side)), radius, pen, brush);
            painter.restore();
        }
    });
}

} // namespace framework
