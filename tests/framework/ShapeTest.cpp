// The shapes fill their whole pixels directly and leave only the rounded corners to the antialiasing
// rasterizer: the pixels must be those of the whole shape drawn as a path.

#include "framework/Shape.h"
#include "framework/QtColor.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using framework::TShape;

const QColor page(255, 255, 204);
const QColor teal(0, 128, 128);
const QColor white(255, 255, 255);

struct ShapeCase {
    TShape::Kind kind;
    QSize size;
};

void PrintTo(const ShapeCase& c, std::ostream* out) {
    *out << (c.kind == TShape::Kind::RoundRect ? "round " : "rectangle ") << c.size.width() << 'x'
         << c.size.height();
}

// The shape as one path: a one-pixel outline through the pixel centres around the brush.
QImage drawnAsAPath(const ShapeCase& c) {
    QImage image(c.size + QSize(20, 20), QImage::Format_RGB32);
    image.fill(page);
    QPainter painter(&image);
    painter.translate(10, 10);
    painter.setPen(QPen(white, 1));
    painter.setBrush(teal);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(c.size)).adjusted(0.5, 0.5, -0.5, -0.5);
    if (c.kind == TShape::Kind::RoundRect) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min(c.size.width(), c.size.height()) / 8.0;
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
    return image;
}

QImage shapeOnAPage(const ShapeCase& c) {
    QWidget parent;
    parent.resize(c.size + QSize(20, 20));
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, page);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    auto* shape = new TShape(c.kind, framework::fromQColor(teal), framework::fromQColor(white), &parent);
    shape->setGeometry(QRect(QPoint(10, 10), c.size));
    return parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class ShapePixels : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapePixels, AreThoseOfTheWholePath) {
    EXPECT_EQ(shapeOnAPage(GetParam()), drawnAsAPath(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShapePixels,
                         ::testing::Values(ShapeCase{TShape::Kind::RoundRect, {657, 147}},
                                           ShapeCase{TShape::Kind::RoundRect, {640, 60}},
                                           ShapeCase{TShape::Kind::RoundRect, {61, 203}},
                                           ShapeCase{TShape::Kind::RoundRect, {23, 17}},
                                           ShapeCase{TShape::Kind::RoundRect, {9, 9}},
                                           ShapeCase{TShape::Kind::Rectangle, {105, 51}},
                                           ShapeCase{TShape::Kind::Rectangle, {3, 2}}));

} // namespace
