#include "app/Application.h"
#include "app/UnitMolvanex.h"
#include "app/UserGuide.h"
#include "framework/StartupProbe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::prepareApplication();
    app::TFiche_molvanex mainWindow;
    framework::installFirstFrameProbe(mainWindow, [] {
        // What "Mode d'emploi" would open.
        const QString guide = app::locateUserGuide(app::userGuideDirectories());
        return QStringList{QStringLiteral("user-guide ") +
                           (guide.isEmpty() ? QStringLiteral("none") : guide)};
    });
    mainWindow.show();
    return QApplication::exec();
}
