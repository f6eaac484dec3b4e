// The start-up benchmark's baseline: a bare Qt Widgets program that shows one window with one label.
#include "framework/StartupProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Chimie générale - seconde"));
    framework::installFirstFrameProbe(label);
    label.show();
    return QApplication::exec();
}
