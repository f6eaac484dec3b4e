// The zoom window's page "Tableau d'avancement": it shows what the window's column shows, through the
// slider, the simulation and typed quantities, and it holds on its page at every projection scale.

#include "FakeMainForm.h"
#include "WindowTestSupport.h"

#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "framework/StaticText.h"
#include "framework/TrackBar.h"
#include "windows/StateTablePage.h"
#include "windows/UniteZoom.h"

#include <QAccessible>
#include <QTabWidget>

#include <functional>
#include <tuple>

namespace windows_tests {
namespace {

using windows::TFicheZoom;

class ZoomTablePage : public WindowTest {
protected:
    // On a projector's work area.
    std::unique_ptr<TFicheZoom> open() {
        main.area = QRect(0, 0, 1920, 1080);
        auto window = std::make_unique<TFicheZoom>(main, nullptr);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
        child<QTabWidget>(*window, "PageControleZoom")->setCurrentIndex(3);
        return window;
    }
    FakeMainForm main{2}; // 2 CuO + C -> 2 Cu + CO2
};

// Reads the page as a screen reader does (the cells the paint draws), beside what the column shows.
TEST_F(ZoomTablePage, ShowsTheColumnsValuesThroughSliderSimulationAndTypedQuantities) {
    auto window = open();
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(child(*window, "TabTableau"));
    ASSERT_NE(page->tableInterface(), nullptr);
    EXPECT_EQ(page->text(QAccessible::Name), QStringLiteral("Tableau d'avancement"));
    const auto cell = [&](int row, int column) {
        return page->tableInterface()->cellAt(row, column)->text(QAccessible::Value);
    };
    const auto shown = [&](const char* name) {
        return child<framework::TStaticText>(*window, name)->caption();
    };
    const auto slideTo = [&](int position) {
        auto* slider = child<framework::TTrackBar>(*window, "BarZoom");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Home);
        for (int i = 0; i < position; ++i) {
            QTest::keyClick(slider, Qt::Key_Right);
        }
    };
    const auto type = [&](const char* name, const char* text) {
        typeInto(child<controls::TFloatSpinEdit>(*window, name), QString::fromLatin1(text));
    };
    const std::vector<std::tuple<const char*, std::function<void()>, bool>> steps{
        {"opened", [] {}, false},
        {"slider at 37", [&] { slideTo(37); }, false},
        {"slider at 100", [&] { slideTo(100); }, true},
        {"3 typed into n1z", [&] { type("n1z", "3"); }, false},
        {"slider at 50", [&] { slideTo(50); }, false},
        {"one simulation step", [&] { click(child(*window, "simulationzoom")); }, false},
        {"0,5 typed into n2z, slider at 100",
         [&] {
             type("n2z", "0,5");
             slideTo(100);
         },
         true},
    };
    for (const auto& [what, act, final] : steps) {
        act();
        const QString n1 = child<controls::TFloatSpinEdit>(*window, "n1z")->text();
        const QString n2 = child<controls::TFloatSpinEdit>(*window, "n2z")->text();
        const std::array<QString, 4> expressions{n1 + QStringLiteral(" - 2 X"), n2 + QStringLiteral(" - X"),
                                                 QStringLiteral("2 X"), QStringLiteral("X")};
        const std::array<QString, 4> initial{n1, n2, QStringLiteral("0"), QStringLiteral("0")};
        const std::array<const char*, 4> quantities{"n1_x", "n2_x", "n3_x", "n4_x"};
        ASSERT_EQ(page->tableInterface()->columnCount(), 5) << what;
        // Each cell is heard in mol, the final row "non atteint" until X reaches xmax.
        const auto heard = [&](int row, const QString& text) { return windows::heardCell(row, final, text); };
        EXPECT_EQ(cell(0, 0), heard(0, QStringLiteral("0"))) << what;
        EXPECT_EQ(cell(1, 0), heard(1, shown("nx"))) << what;
        EXPECT_EQ(cell(2, 0), heard(2, QStringLiteral("Xmax = ") + shown("nx"))) << what;
        for (std::size_t i = 0; i < 4; ++i) {
            const int column = int(i) + 1;
            EXPECT_EQ(cell(0, column), heard(0, initial[i])) << what;
            EXPECT_EQ(cell(1, column),
                      heard(1, expressions[i] + QStringLiteral(" = ") + shown(quantities[i])))
                << what;
            EXPECT_EQ(cell(2, column), heard(2, shown(quantities[i]))) << what;
        }
    }
    EXPECT_EQ(shown("n2_x"), QStringLiteral("0,000")) << "the last step reached the end of C(s)";
    EXPECT_TRUE(errorBoxes().isEmpty());
}

// On a full-HD projector the table takes the page's width; a larger scale enlarges its texts as far as the
// page holds them (the column, wider, leaves the page less room), and it never leaves the page.
TEST_F(ZoomTablePage, FillsItsPageAndGrowsWithTheScaleWithoutLeavingIt) {
    auto window = open();
    auto* page = child<windows::TStateTablePage>(*window, "TabTableau");
    const windows::StateTablePicture::Placement design = page->placement();
    EXPECT_GE(design.rect.width(), page->width() * 9 / 10);
    for (int percent = 125; percent <= 300; percent += 25) {
        window->setScalePercent(percent);
        EXPECT_TRUE(page->rect().contains(page->placement().rect)) << percent;
        if (percent == 125) {
            EXPECT_GT(page->placement().textSize, design.textSize);
        }
    }
}

} // namespace
} // namespace windows_tests
