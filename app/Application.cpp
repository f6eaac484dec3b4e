#include "app/Application.h"

#include "framework/Fonts.h"
#include "windows/ApplicationIcon.h"

#include <QApplication>

namespace app {

void prepareApplication() {
    // No application display name: Qt would append it to every window's title bar. The title lives in
    // framework::applicationTitle(), the error box's caption.
    QApplication::setApplicationName(QStringLiteral("molvanex"));
    framework::installFontSubstitutions();
    QApplication::setWindowIcon(windows::applicationIcon());
}

} // namespace app
