// The keyboard paths of the secondary windows: Escape closes each of them from whichever control has the
// focus, and Tab walks through their fields and buttons without getting stuck.

#include "FakeMainForm.h"
#include "WindowTestSupport.h"

#include "windows/UniteNewEquation.h"
#include "windows/UnitePropos.h"
#include "windows/UniteTableau.h"
#include "windows/UniteZoom.h"

#include <QApplication>
#include <QDialog>
#include <QSet>

#include <functional>
#include <memory>

namespace windows_tests {
namespace {

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(FakeMainForm&)> open;
    int minimumTabStops; // the controls Tab reaches: every field, slider and button that takes the focus
};

class SecondaryWindowKeys : public WindowTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    FakeMainForm main{2};

    std::unique_ptr<QDialog> shown() {
        std::unique_ptr<QDialog> window = GetParam().open(main);
        window->show();
        window->activateWindow();
        QApplication::processEvents();
        return window;
    }
};

TEST_P(SecondaryWindowKeys, TabWalksThroughItsControlsAndComesBack) {
    const std::unique_ptr<QDialog> window = shown();
    QSet<QWidget*> reached;
    QWidget* first = nullptr;
    for (int i = 0; i < 60; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "step " << i;
        ASSERT_TRUE(window->isAncestorOf(focus)) << "the focus left the window at step " << i;
        if (focus == first) {
            break;
        }
        if (!first) {
            first = focus;
        }
        reached.insert(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_GE(reached.size(), GetParam().minimumTabStops);
    EXPECT_TRUE(errorBoxes().isEmpty());
}

TEST_P(SecondaryWindowKeys, EscapeClosesItFromEveryControlTabReaches) {
    for (int stops = 0; stops < GetParam().minimumTabStops; ++stops) {
        const std::unique_ptr<QDialog> window = shown();
        for (int i = 0; i < stops; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QString focused = focus->objectName();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << "Escape in " << focused.toStdString();
        EXPECT_EQ(window->result(), QDialog::Rejected);
    }
    EXPECT_TRUE(errorBoxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SecondaryWindowKeys,
    ::testing::Values(
        WindowCase{"Zoom",
                   [](FakeMainForm& main) { return std::make_unique<windows::TFicheZoom>(main, nullptr); },
                   7},
        WindowCase{"Table",
                   [](FakeMainForm& main) { return std::make_unique<windows::TFicheTab>(main, nullptr); }, 3},
        WindowCase{"NewEquation",
                   [](FakeMainForm&) { return std::make_unique<windows::TFicheNouvelleEquation>(nullptr); },
                   16},
        WindowCase{"About", [](FakeMainForm&) { return std::make_unique<windows::TAboutBox>(nullptr); }, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace windows_tests
