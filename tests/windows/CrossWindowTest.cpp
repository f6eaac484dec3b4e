// The secondary windows opened from the real main window by its buttons: each is modal, named by its
// form reference while it is shown and released afterwards, and reads the main window's equation.

#include "WindowTestSupport.h"
#include "support/Eventually.h"

#include "app/UnitMolvanex.h"
#include "chart/ChartView.h"
#include "controls/BevelCheck.h"
#include "controls/FloatSpinEdit.h"
#include "controls/MarkupImageList.h"
#include "controls/markuplabel.h"
#include "windows/UnitePropos.h"
#include "windows/UniteTableau.h"
#include "windows/UniteZoom.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace windows_tests {
namespace {

class CrossWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    // Clicks the main window's button; `inside` runs in the modal loop of the window it opens, then that
    // window is closed if `inside` left it open.
    template <class Window> void openWith(const char* button, std::function<void(Window&)> inside) {
        QPointer<QWidget> opened;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr) << "no modal window after " << button;
            opened = window;
            // The window has run its activation steps once the program sees it active.
            EXPECT_TRUE(QTest::qWaitFor([window] { return window->isActiveWindow(); }));
            EXPECT_EQ(window->parentWidget(), &main);
            inside(*window);
            if (opened && opened->isVisible()) {
                opened->close();
            }
        });
        click(child(main, button));
        EXPECT_TRUE(opened.isNull()) << "released once its modal loop has ended";
    }

    app::TFiche_molvanex main;
};

TEST_F(CrossWindow, TheZoomButtonOpensTheZoomOnTheMainWindowsQuantities) {
    typeInto(main.MaskEdit11i, QStringLiteral("3"));
    openWith<windows::TFicheZoom>("GlyphButton2", [&](windows::TFicheZoom& zoom) {
        EXPECT_EQ(windows::FicheZoom, &zoom);
        EXPECT_EQ(child<controls::TFloatSpinEdit>(zoom, "n1z")->text(), QStringLiteral("3"));
        EXPECT_DOUBLE_EQ(zoom.xmaxZoom(), main.xmax());
        typeInto(child<controls::TFloatSpinEdit>(zoom, "n1z"), QStringLiteral("0,5"));
        click(child(zoom, "FlatButton1"));
    });
    EXPECT_EQ(windows::FicheZoom, nullptr);
    EXPECT_EQ(main.MaskEdit11i->text(), QStringLiteral("3")) << "the zoom writes nothing back";
}

TEST_F(CrossWindow, TheTableOpenedFromTheZoomReadsTheMainWindow) {
    openWith<windows::TFicheZoom>("GlyphButton2", [&](windows::TFicheZoom& zoom) {
        typeInto(child<controls::TFloatSpinEdit>(zoom, "n1z"), QStringLiteral("4"));
        bool tableSeen = false;
        QTimer::singleShot(0, [&] {
            auto* table = qobject_cast<windows::TFicheTab*>(QApplication::activeModalWidget());
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(table->parentWidget(), &zoom);
            EXPECT_EQ(table->cell(2, 2), main.MaskEdit11i->text() + QStringLiteral(",000"));
            tableSeen = true;
            table->close();
        });
        click(child(zoom, "FlatButton2"));
        EXPECT_TRUE(tableSeen);
        // A window manager gives the activation back to the zoom; the offscreen platform leaves it to us.
        zoom.activateWindow();
        ASSERT_EVENTUALLY(zoom.isActiveWindow());
        EXPECT_EQ(child<controls::TFloatSpinEdit>(zoom, "n1z")->text(), QStringLiteral("4"))
            << "back from the table, the zoom keeps the quantity typed into it";
        EXPECT_DOUBLE_EQ(child<chart::TChartView>(zoom, "Courbe_1")->barSeries(0).point(0).y, 4);
    });
}

TEST_F(CrossWindow, TheSeventhEquationShowsTheIonAloneInTheZoom) {
    click(main.BevelCheck7);
    ASSERT_TRUE(main.seventhEquationChecked());
    EXPECT_TRUE(main.zoomMarkupFirstLine(4).contains(QStringLiteral("H<sub>2</sub>O")));
    openWith<windows::TFicheZoom>("GlyphButton2", [&](windows::TFicheZoom& zoom) {
        EXPECT_EQ(child<controls::TMarkupLabel>(zoom, "T4z")->htmlLines(),
                  QStringList{QStringLiteral("CH<sub>3</sub>COO<sup>-</sup>(aq)")});
    });
}

TEST_F(CrossWindow, TheTableButtonListsTheMainWindowsMeasurements) {
    typeInto(main.MaskEdit11i, QStringLiteral("2,5"));
    typeInto(main.MaskEdit22i, QStringLiteral("5"));
    ASSERT_DOUBLE_EQ(main.xmax(), 2.5);
    openWith<windows::TFicheTab>("FlatButton3", [&](windows::TFicheTab& table) {
        EXPECT_EQ(windows::FicheTab, &table);
        EXPECT_EQ(table.rowCount(), 102);
        EXPECT_EQ(table.cell(0, 101), QStringLiteral("100"));
        EXPECT_EQ(table.cell(1, 101), QStringLiteral("2,500"));
        EXPECT_EQ(table.cell(2, 101), QStringLiteral("0,000"));
    });
    EXPECT_EQ(windows::FicheTab, nullptr);
}

TEST_F(CrossWindow, EnterClosesTheAboutBox) {
    openWith<windows::TAboutBox>("btnpropos", [&](windows::TAboutBox& box) {
        EXPECT_EQ(windows::AboutBox, &box);
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_FALSE(box.isVisible());
    });
    EXPECT_EQ(windows::AboutBox, nullptr);
}

} // namespace
} // namespace windows_tests
