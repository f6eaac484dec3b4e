#include "support/WidgetTestMain.h"

#include "framework/ErrorGuard.h"
#include "framework/Fonts.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace testing_support {

namespace {
QStringList& recorded() {
    static QStringList list;
    return list;
}

void recordErrorBoxes() {
    framework::setErrorRecorder([](const QString& text) { recorded().append(text); });
}
} // namespace

QStringList ErrorBoxRecorder::messages() {
    return recorded();
}
void ErrorBoxRecorder::clear() {
    recorded().clear();
}

RealErrorBoxes::RealErrorBoxes() {
    framework::setErrorRecorder({});
}
RealErrorBoxes::~RealErrorBoxes() {
    recordErrorBoxes();
}

} // namespace testing_support

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests never read nor write the user's own data and settings.
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication app(argc, argv);
    framework::installFontSubstitutions();
    testing_support::recordErrorBoxes();
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
