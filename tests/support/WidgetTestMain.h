#pragma once
// Helpers for the widget tests. The test main() has already created the QApplication (offscreen
// platform, French locale, font substitutions, settings kept in a folder of the run) and routes error
// boxes to ErrorBoxRecorder.

#include <QString>
#include <QStringList>

namespace testing_support {

// Messages the error guard would have shown since the last clear(), each exactly as the box shows it.
class ErrorBoxRecorder {
public:
    static QStringList messages();
    static void clear();
};

// While one exists, the error guard opens its real box instead of recording the message.
class RealErrorBoxes {
public:
    RealErrorBoxes();
    ~RealErrorBoxes();
    RealErrorBoxes(const RealErrorBoxes&) = delete;
    RealErrorBoxes& operator=(const RealErrorBoxes&) = delete;
};

} // namespace testing_support
