#include "app/Application.h"
#include "app/UnitMolvanex.h"
#include "framework/StartupProbe.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::prepareApplication();
    app::TFiche_molvanex mainWindow;
    framework::installFirstFrameProbe(mainWindow);
    mainWindow.show();
    return QApplication::exec();
}
