#include "framework/Shape.h"

#include "framework/ErrorGuard.h"
#include "framework/QtColor.h"

#include <QPainter>

namespace framework {

TShape::TShape(Kind kind, TColor brush, TColor pen, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , brush_(brush)
    , pen_(pen) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::paintEvent(QPaintEvent*) {
    guarded([this] {
        QPainter painter(this);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(toQColor(pen_), 1));
        painter.setBrush(toQColor(brush_));
        if (kind_ == Kind::RoundRect) {
            // The desktop's rounded rectangle: corner ellipses a quarter of the shorter side across.
            painter.setRenderHint(QPainter::Antialiasing);
            const qreal radius = std::min(width(), height()) / 8.0;
            painter.drawRoundedRect(box, radius, radius);
        } else {
            painter.drawRect(box);
        }
    });
}

} // namespace framework
