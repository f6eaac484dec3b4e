#include "support/WidgetTestMain.h"

#include "framework/ErrorGuard.h"
#include "framework/Fonts.h"

#include <QApplication>
#include <QLocale>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace testing_support {

namespace {
QStringList& recorded() {
    static QStringList list;
    return list;
}
} // namespace

QStringList ErrorBoxRecorder::messages() {
    return recorded();
}
void ErrorBoxRecorder::clear() {
    recorded().clear();
}

} // namespace testing_support

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Avancement de la réaction"));
    framework::installFontSubstitutions();
    framework::setErrorRecorder([](const QString& text) { testing_support::recorded().append(text); });
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
