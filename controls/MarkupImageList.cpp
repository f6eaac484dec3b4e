#include "controls/MarkupImageList.h"

namespace controls {

TImageList::TImageList(QSize imageSize, QObject* parent)
    : QObject(parent)
    , imageSize_(imageSize) {}

void TImageList::add(const QImage& image) {
    images_.push_back(image.size() == imageSize_
                          ? image
                          : image.scaled(imageSize_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QImage TImageList::image(int index) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    return images_[std::size_t(index)];
}

} // namespace controls
