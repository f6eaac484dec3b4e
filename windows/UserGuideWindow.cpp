#include "windows/UserGuideWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace windows {

namespace {

constexpr QSize preferredSize(900, 700);

} // namespace

TUserGuideWindow::TUserGuideWindow(QWidget* owner, const QString& path)
    : QDialog(owner)
    , browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FicheModeEmploi"));
    setWindowTitle(QStringLiteral("Mode d'emploi"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Beside the main window, not in front of it only: the pupil reads while trying.
    setModal(false);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    browser_->setObjectName(QStringLiteral("Guide"));
    browser_->setAccessibleName(QStringLiteral("Mode d'emploi"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl::fromLocalFile(path));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    resize(preferredSize.boundedTo(screen->availableGeometry().size()));
}

TUserGuideWindow* TUserGuideWindow::showGuide(QWidget* owner, const QString& path) {
    auto* window = owner != nullptr
                       ? owner->findChild<TUserGuideWindow*>(QString(), Qt::FindDirectChildrenOnly)
                       : nullptr;
    if (window == nullptr) {
        window = new TUserGuideWindow(owner, path);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace windows
