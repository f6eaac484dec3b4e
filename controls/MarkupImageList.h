#pragma once
// A list of equally sized images, the source of the markup's "idx:N" images. A label only references
// one (it never owns it) and forgets it when the list is destroyed.

#include <QImage>
#include <QObject>
#include <QSize>

#include <vector>

namespace controls {

class TImageList : public QObject {
    Q_OBJECT
public:
    explicit TImageList(QSize imageSize, QObject* parent = nullptr);

    QSize imageSize() const { return imageSize_; }
    int count() const { return int(images_.size()); }
    // Stored at the list's image size (scaled when it differs).
    void add(const QImage& image);
    // A null image when index is outside 0..count()-1.
    QImage image(int index) const;

private:
    QSize imageSize_;
    std::vector<QImage> images_;
};

} // namespace controls
