#include "app/Application.h"
#include "app/UnitMolvanex.h"
#include "app/UserGuide.h"
#include "framework/ErrorGuard.h"
#include "framework/StartupProbe.h"

#include <QApplication>
#include <QTimer>

#include <exception>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::prepareApplication();
    app::TFiche_molvanex mainWindow;
    framework::installFirstFrameProbe(mainWindow, [&mainWindow] {
        // What "Mode d'emploi" would open, and the equation loaded (a situation's, when one was given).
        const QString guide = app::locateUserGuide(app::userGuideDirectories());
        return QStringList{QStringLiteral("user-guide ") + (guide.isEmpty() ? QStringLiteral("none") : guide),
                           QStringLiteral("equation ") + mainWindow.loadedEquationLine()};
    });
    mainWindow.show();
    // A situation given on the command line, as a double-click on its file gives it, is open before the
    // window's first frame; one that cannot be opened is told once the window runs, and the program
    // starts as usual.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        try {
            mainWindow.openSituation(arguments.at(1));
        } catch (...) {
            QTimer::singleShot(0, &mainWindow,
                               [failure = std::current_exception()] { framework::reportException(failure); });
        }
    }
    return QApplication::exec();
}
