#include "app/Application.h"

#include "framework/Fonts.h"
#include "windows/ApplicationIcon.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <csignal>

namespace app {

void prepareApplication() {
    // No application display name: Qt would append it to every window's title bar. The title lives in
    // framework::applicationTitle(), the error box's caption.
    QApplication::setApplicationName(QStringLiteral("molvanex"));
    framework::installFontSubstitutions();
    QApplication::setWindowIcon(windows::applicationIcon());
    loadQtFrench();
    // Under a file size limit (ulimit -f) the system ends a program that writes beyond it. Ignored, the
    // write fails instead, and saving reports it and keeps the former file.
    std::signal(SIGXFSZ, SIG_IGN);
}

// The program is French whatever the desktop's language: Qt's own texts (edit menus, scroll bars,
// dialog buttons) come from Qt's French catalogue, so that every window speaks one language. Without
// the catalogue installed they stay as Qt ships them, which is all that is lost.
bool loadQtFrench() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace app
