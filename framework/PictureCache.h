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
#include <QSize>

#include <optional>

namespace framework {

enum class PictureOpacity { Transparent, Opaque };

template <class Key> class PictureCache {
public:
    explicit PictureCache(PictureOpacity opacity = PictureOpacity::Transparent)
        : opacity_(opacity) {}

    // Draws the picture for key at the painter's origin; draw(QPainter&) paints it first when the kept
    // one was made for another key, size or pixel ratio. An opaque picture must cover its whole size.
    template <class Draw> void paint(QPainter& painter, QSize size, const Key& key, Draw&& draw) {
        if (size.isEmpty()) {
            return;
        }
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        if (!(key_ && *key_ == key && size_ == size && ratio_ == ratio)) {
            key_.reset();
            image_ = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
            image_.setDevicePixelRatio(ratio);
            image_.fill(Qt::transparent);
            {
                QPainter picture(&image_);
                draw(picture);
            }
            key_ = key;
            size_ = size;
            ratio_ = ratio;
        }
        if (opacity_ == PictureOpacity::Opaque) {
            // Copying an opaque picture is cheaper than blending it.
            const QPainter::CompositionMode mode = painter.compositionMode();
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(QPointF(0, 0), image_);
            painter.setCompositionMode(mode);
        } else {
            painter.drawImage(QPointF(0, 0), image_);
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
    QSize size_;
    qreal ratio_ = 0;
    QImage image_;
};

} // namespace framework
