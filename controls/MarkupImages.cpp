#include "controls/MarkupImages.h"

#include "controls/MarkupText.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QMimeDatabase>
#include <QStyle>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace controls::markup {

namespace {

constexpr qsizetype maxCachedImages = 64;
constexpr qint64 maxDecodedPixels = qint64(maxDecodedImageMegabytes) * 1024 * 1024 / 4;
constexpr int fallbackSmallIcon = 16;
constexpr int fallbackLargeIcon = 32;

// What identifies one version of a file: a changed file is read again, an unchanged one never.
struct FileStamp {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp stampOf(const struct stat& st) {
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            quint64(st.st_ino), quint64(st.st_dev)};
}

// Decoded images by path, failures included, so that a missing or broken file costs one stat per
// paint. Bounded: when full it starts again.
class ImageCache {
public:
    const QImage* find(const QString& path, const FileStamp& stamp) const {
        const auto it = entries_.constFind(path);
        return it != entries_.constEnd() && it->stamp == stamp ? &it->image : nullptr;
    }
    QImage store(const QString& path, const FileStamp& stamp, QImage image) {
        if (entries_.size() >= maxCachedImages) {
            entries_.clear();
        }
        entries_.insert(path, {stamp, image});
        return image;
    }

private:
    struct Entry {
        FileStamp stamp;
        QImage image;
    };
    QHash<QString, Entry> entries_;
};

ImageCache& fileCache() {
    static ImageCache cache;
    return cache;
}

QImage decode(const QByteArray& bytes) {
    // The reader's own allocation limit is process-wide; keep it no higher than ours.
    if (QImageReader::allocationLimit() == 0 || QImageReader::allocationLimit() > maxDecodedImageMegabytes) {
        QImageReader::setAllocationLimit(maxDecodedImageMegabytes);
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxDecodedPixels) {
        return {};
    }
    return reader.read();
}

// The program's resources live in memory: no device or endless file can hide behind them.
QImage loadResource(const QString& path) {
    static ImageCache cache;
    const FileStamp stamp; // resources never change
    if (const QImage* cached = cache.find(path, stamp)) {
        return *cached;
    }
    QFile file(path);
    QImage image;
    if (QFileInfo(path).isFile() && file.size() <= maxImageFileBytes && file.open(QIODevice::ReadOnly)) {
        image = decode(file.read(maxImageFileBytes));
    }
    return cache.store(path, stamp, image);
}

// Reads a whole regular file of at most maxImageFileBytes. The path is looked at before it is opened
// (opening some devices has effects of its own), and what was opened is checked again, so a file
// swapped in between is caught too. The descriptor is opened non-blocking so a FIFO never waits.
class RegularFile {
public:
    explicit RegularFile(const QString& path) {
        const QByteArray native = QFile::encodeName(path);
        struct stat before {};
        if (native.isEmpty() || ::stat(native.constData(), &before) != 0 || !S_ISREG(before.st_mode) ||
            before.st_size > maxImageFileBytes) {
            return;
        }
        fd_ = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        struct stat opened {};
        if (fd_ < 0 || ::fstat(fd_, &opened) != 0 || !S_ISREG(opened.st_mode) ||
            opened.st_size > maxImageFileBytes) {
            return;
        }
        stamp_ = stampOf(opened);
        ok_ = true;
    }
    ~RegularFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool ok() const { return ok_; }
    const FileStamp& stamp() const { return stamp_; }

    // Some files (under /proc) announce no size and yet have content: the bound holds while reading.
    std::optional<QByteArray> readAll() {
        QByteArray bytes;
        char chunk[65536];
        while (true) {
            const ssize_t got = ::read(fd_, chunk, sizeof chunk);
            if (got < 0) {
                return std::nullopt;
            }
            if (got == 0) {
                return bytes;
            }
            if (bytes.size() + got > maxImageFileBytes) {
                return std::nullopt;
            }
            bytes.append(chunk, got);
        }
    }

private:
    int fd_ = -1;
    bool ok_ = false;
    FileStamp stamp_;
};

} // namespace

QImage loadImageFile(const QString& path) {
    if (path.startsWith(QLatin1Char(':'))) {
        return loadResource(path);
    }
    RegularFile file(path);
    if (!file.ok()) {
        return {};
    }
    if (const QImage* cached = fileCache().find(path, file.stamp())) {
        return *cached;
    }
    const std::optional<QByteArray> bytes = file.readAll();
    return fileCache().store(path, file.stamp(), bytes ? decode(*bytes) : QImage());
}

QImage desktopIcon(const QString& name, bool large) {
    const auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QStyle* style = app ? QApplication::style() : nullptr;
    const int side = style ? style->pixelMetric(large ? QStyle::PM_LargeIconSize : QStyle::PM_SmallIconSize)
                           : (large ? fallbackLargeIcon : fallbackSmallIcon);
    QIcon icon;
    if (const std::optional<long long> index = wholeNumber(name)) {
        if (style && *index >= 0 && *index < QStyle::NStandardPixmap) {
            icon = style->standardIcon(QStyle::StandardPixmap(*index));
        }
    } else {
        // By name alone: a folder when the path is one (a stat, never an open), else by extension.
        const bool folder = QFileInfo(name).isDir();
        if (!folder) {
            const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
            icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
        }
        if (icon.isNull() && style) {
            icon = style->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
        }
    }
    return icon.isNull() ? QImage() : icon.pixmap(side, side).toImage();
}

} // namespace controls::markup
