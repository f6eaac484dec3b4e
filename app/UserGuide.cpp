#include "app/UserGuide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace app {

QStringList userGuideDirectories() {
    QStringList directories{QDir::currentPath(), QCoreApplication::applicationDirPath()};
#ifdef MOLVANEX_DATADIR
    directories << QStringLiteral(MOLVANEX_DATADIR);
#endif
#ifdef MOLVANEX_SOURCE_DOCS
    directories << QStringLiteral(MOLVANEX_SOURCE_DOCS);
#endif
    return directories;
}

QString locateUserGuide(const QStringList& directories) {
    for (const QString& directory : directories) {
        const QFileInfo guide(QDir(directory), userGuideFileName());
        if (guide.isFile()) {
            return guide.absoluteFilePath();
        }
    }
    return {};
}

void openUserGuide() {
    const QString guide = locateUserGuide(userGuideDirectories());
    if (!guide.isEmpty()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
    }
}

} // namespace app
