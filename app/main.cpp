#include "app/Application.h"
#include "app/UnitMolvanex.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::prepareApplication();
    app::TFiche_molvanex mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
