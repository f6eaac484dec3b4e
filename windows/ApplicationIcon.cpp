#include "windows/ApplicationIcon.h"

#include <QString>

// The resources live in a static library: they are registered by hand before their first use.
static void registerWindowResources() {
    Q_INIT_RESOURCE(windows);
}

namespace windows {

namespace {

constexpr int iconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int pictureSize = 32;

QString iconPath(int size) {
    return QStringLiteral(":/molvanex/molvanex-%1.png").arg(size);
}

void ensureResources() {
    static const bool registered = (registerWindowResources(), true);
    (void)registered;
}

} // namespace

QIcon applicationIcon() {
    ensureResources();
    QIcon icon;
    for (int size : iconSizes) {
        icon.addFile(iconPath(size), QSize(size, size));
    }
    return icon;
}

QPixmap programPicture() {
    ensureResources();
    return QPixmap(iconPath(pictureSize));
}

} // namespace windows
