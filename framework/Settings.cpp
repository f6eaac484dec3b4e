#include "framework/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace framework {

namespace {

const QString lastFolderKey = QStringLiteral("documents/dernierDossier");

// The one place that names the file: tests point QSettings' user scope elsewhere with QSettings::setPath.
QSettings programSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("molvanex"),
                     QStringLiteral("molvanex"));
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

QString lastFolder() {
    const QString remembered = programSettings().value(lastFolderKey).toString();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : documentsFolder();
}

void rememberFolder(const QString& folder) {
    QSettings settings = programSettings();
    settings.setValue(lastFolderKey, QDir(folder).absolutePath());
}

} // namespace framework
