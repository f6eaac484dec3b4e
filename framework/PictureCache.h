#pragma once
// A widget's picture kept between paints. Every slider move repaints the whole main window, but most of
// its controls look the same as before: they copy the picture they drew last time instead of laying out
// and rasterizing their text and shapes again.
//
// The key holds everything the picture depends on, so that a change of any of it draws the picture
// anew; the size and the device pixel ratio are compared as well. A transparent picture is drawn over
// what lies beneath, as the widget's own drawing would be.

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QSize>

#include <optional>
#include <utility>

namespace framework {

enum class PictureOpacity { Transparent, Opaque };

template <class Key> class PictureCache {
public:
    explicit PictureCache(PictureOpacity opacity = PictureOpacity::Transparent)
        : opacity_(opacity) {}

    // Draws the picture for key at the painter's origin; draw(QPainter&) paints it first when the kept
    // one was made for another key, size or pixel ratio. An opaque picture must cover its whole size.
    template <class Draw> void paint(QPainter& painter, QSize size, const Key& key, Draw&& draw) {
        paint(painter, QRect(QPoint(0, 0), size), key, std::forward<Draw>(draw));
    }

    // The same for the part area of the widget only: a widget far larger than its window keeps a
    // picture of what can be seen of it, not of all of it. draw() paints in the widget's coordinates.
    template <class Draw> void paint(QPainter& painter, QRect area, const Key& key, Draw&& draw) {
        if (area.isEmpty()) {
            return;
        }
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        if (!(key_ && *key_ == key && area_ == area && ratio_ == ratio)) {
            key_.reset();
            image_ = QImage(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image_.setDevicePixelRatio(ratio);
            image_.fill(Qt::transparent);
            {
                QPainter picture(&image_);
                picture.translate(-area.topLeft());
                draw(picture);
            }
            key_ = key;
            area_ = area;
            ratio_ = ratio;
        }
        if (opacity_ == PictureOpacity::Opaque) {
            // Copying an opaque picture is cheaper than blending it.
            const QPainter::CompositionMode mode = painter.compositionMode();
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(QPointF(area.topLeft()), image_);
            painter.setCompositionMode(mode);
        } else {
            painter.drawImage(QPointF(area.topLeft()), image_);
        }
    }

    // Forgets the picture: the next paint draws it anew.
    void clear() {
        key_.reset();
        image_ = QImage();
    }

    bool holdsPicture() const { return key_.has_value(); }

private:
    PictureOpacity opacity_;
    std::optional<Key> key_;
    QRect area_;
    qreal ratio_ = 0;
    QImage image_;
};

} // namespace framework
