#include "app/UserGuide.h"

#include "framework/ErrorGuard.h"
#include "windows/UserGuideWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <stdexcept>

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

void openUserGuide(QWidget* owner, const QStringList& directories) {
    const QString guide = locateUserGuide(directories);
    if (guide.isEmpty()) {
        throw std::runtime_error(
            QStringLiteral("Le mode d'emploi « %1 » est introuvable").arg(userGuideFileName()).toStdString());
    }
    const auto showOwnWindow = [owner, guide] { windows::TUserGuideWindow::showGuide(owner, guide); };
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        showOwnWindow();
        return;
    }
    // The desktop's answer comes when xdg-open ends, which may be after the browser started: the
    // program goes on meanwhile. The process belongs to the owner, so that an answer never reaches a
    // window that is gone.
    auto* process = new QProcess(owner);
    process->setProgram(opener);
    process->setArguments({guide});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     framework::guard([process, showOwnWindow](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             showOwnWindow();
                         }
                     }));
    QObject::connect(process, &QProcess::errorOccurred, process,
                     framework::guard([process, showOwnWindow](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             process->deleteLater();
                             showOwnWindow();
                         }
                     }));
    process->start();
}

} // namespace app
