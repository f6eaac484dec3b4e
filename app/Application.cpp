#include "app/Application.h"

#include "framework/Fonts.h"
#include "windows/ApplicationIcon.h"

#include <QApplication>

namespace app {

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("molvanex"));
    QApplication::setApplicationDisplayName(applicationTitle());
    framework::installFontSubstitutions();
    QApplication::setWindowIcon(windows::applicationIcon());
}

} // namespace app
