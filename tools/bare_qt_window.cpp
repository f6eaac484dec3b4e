// The start-up benchmark's baseline: a bare Qt Widgets program that shows one window with one label.
// The window covers the screen's work area, as the program's main window does, so that both pay for
// the same window surface and the comparison measures what the program adds inside it.
#include "framework/StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Chimie générale - seconde"));
    label.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    framework::installFirstFrameProbe(label);
    label.show();
    return QApplication::exec();
}
