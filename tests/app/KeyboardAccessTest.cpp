// The lesson from the keyboard alone: the Tab order of the main window, the row of equations as one
// stop with its arrows, the flat buttons and charts, the focus mark, and Qt's own texts in French.

#include "MainWindowFixture.h"

#include "app/Application.h"
#include "controls/FlatButtons.h"
#include "framework/Announcement.h"
#include "framework/FocusMark.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

namespace app_testing {
namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

class KeyboardAccessTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    // The names of the controls Tab reaches from `start`, in order, until it comes back.
    QStringList tabStopsFrom(QWidget* start, Qt::Key key = Qt::Key_Tab) {
        start->setFocus(Qt::TabFocusReason);
        QStringList names;
        for (int i = 0; i < 40 && (names.isEmpty() || focused() != start); ++i) {
            names << focused()->objectName();
            QTest::keyClick(focused(), key);
        }
        return names;
    }
    framework::FocusMark* mark() { return child<framework::FocusMark>("FocusMark"); }
};

TEST_F(KeyboardAccessTest, TabFollowsTheReadingOrderAndTakesTheRowOfEquationsOnce) {
    const QStringList order{QStringLiteral("BevelCheck1"),
                            QStringLiteral("MaskEdit11i"),
                            QStringLiteral("MaskEdit22i"),
                            QStringLiteral("Shape1"),
                            QStringLiteral("BtnInitialisation"),
                            QStringLiteral("GlyphButton1"),
                            QStringLiteral("GlyphButton4"),
                            QStringLiteral("GlyphButton2"),
                            QStringLiteral("BarEvolution"),
                            QStringLiteral("FlatButton3"),
                            QStringLiteral("btnpropos"),
                            QStringLiteral("FlatButton2"),
                            QStringLiteral("FlatButton1"),
                            QStringLiteral("Chart1"),
                            QStringLiteral("Chart2"),
                            QStringLiteral("qt_tabwidget_tabbar")};
    EXPECT_EQ(tabStopsFrom(box(1)), order);

    // The mouse checks the fourth box: Tab now reaches the row there, and leaves it both ways from
    // any box the arrows went to.
    clickBox(4);
    QStringList fromFourth = order;
    fromFourth[0] = QStringLiteral("BevelCheck4");
    EXPECT_EQ(tabStopsFrom(box(4)), fromFourth);
    QTest::keyClick(box(4), Qt::Key_Left);
    EXPECT_EQ(focused(), box(3));
    QTest::keyClick(box(3), Qt::Key_Backtab);
    EXPECT_EQ(focused(), window().PageControl1->tabBar()) << "the page tabs close the cycle";
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), box(4)) << "back on the checked box";
}

TEST_F(KeyboardAccessTest, ArrowsAndSpaceChooseAnEquationAndTheMarkShowsOnlyForTheKeyboard) {
    field(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field(1), Qt::Key_Backtab);
    EXPECT_EQ(mark()->target(), box(1));
    QTest::keyClick(box(1), Qt::Key_Right);
    EXPECT_EQ(focused(), box(2));
    EXPECT_EQ(mark()->target(), box(2));
    EXPECT_TRUE(mark()->geometry().contains(child("MarkupLabel1")->geometry())) << "the title is framed";
    QTest::keyClick(box(2), Qt::Key_Space);
    EXPECT_TRUE(box(2)->isChecked());
    EXPECT_FALSE(box(1)->isChecked());
    EXPECT_EQ(window().plainFormula(1), QStringLiteral("CuO(s)"));
    QTest::keyClick(box(2), Qt::Key_End);
    QTest::keyClick(box(7), Qt::Key_Right);
    EXPECT_EQ(focused(), box(7)) << "the row ends there";

    clickBox(3);
    EXPECT_EQ(focused(), box(3));
    EXPECT_EQ(mark()->target(), nullptr) << "a mouse user sees no new mark";
    QTest::keyClick(box(3), Qt::Key_Space);
    EXPECT_EQ(mark()->target(), box(3)) << "until the keyboard is used there";
}

TEST_F(KeyboardAccessTest, FlatButtonsTakeTabSpaceAndEnter) {
    auto* quit = child<controls::TFlatButton>("FlatButton1");
    child("FlatButton2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(child("FlatButton2"), Qt::Key_Tab);
    EXPECT_EQ(focused(), quit);
    EXPECT_EQ(mark()->target(), quit);
    QTest::keyClick(quit, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window().isVisible(); }));
    window().show();
    quit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(quit, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window().isVisible(); }));
}

// The desktop turns the Menu key into a keyboard context-menu event; Shift+F10 reaches the chart as a key.
TEST_F(KeyboardAccessTest, MenuKeyAndShiftF10OpenAChartsMenu) {
    auto* menu = child<QMenu>("MenuGraphe");
    lineChart()->setFocus(Qt::TabFocusReason);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              lineChart()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(lineChart(), &menuKey);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    // Open, the menu is among the application's children, as a screen reader walks them.
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    const auto listed = [&] {
        for (int i = 0; i < application->childCount(); ++i) {
            if (application->child(i)->object() == menu) {
                return application->indexOfChild(application->child(i)) == i;
            }
        }
        return false;
    };
    EXPECT_TRUE(listed());
    menu->close();
    EXPECT_FALSE(listed());
    QTest::keyClick(window().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    menu->close();
    EXPECT_TRUE(testing_support::ErrorBoxRecorder::messages().isEmpty());
}

// What a screen reader hears wherever the focus is: the equation a box loads, and "Arrêt" with where the
// run stopped; the table reads xmax once it is reached.
TEST_F(KeyboardAccessTest, ArretIsAnnouncedAndTheFinalRowReadsXmax) {
    const framework::TAnnouncement* announcement = framework::TAnnouncement::of(&window());
    box(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box(2), Qt::Key_Space);
    EXPECT_EQ(announcement->message(),
              QStringLiteral("Équation chargée : 2 CuO(s) + C(s) donnent 2 Cu(s) + CO2(g)"));
    clickButton("GlyphButton1");
    EXPECT_EQ(announcement->message(), QStringLiteral("Simulation en cours : X = 0,010 mol"));
    clickButton("GlyphButton4");
    EXPECT_EQ(announcement->message(), QStringLiteral("Arrêt : X = 0,010 mol"));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(child("Shape1"));
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->cellAt(2, 1)->text(QAccessible::Name),
              QStringLiteral("Etat final, CuO(s) : non atteint"));
    slideTo(100);
    EXPECT_EQ(table->tableInterface()->cellAt(2, 0)->text(QAccessible::Name),
              QStringLiteral("Etat final, X : Xmax = 1 mol"));
    EXPECT_EQ(table->tableInterface()->cellAt(2, 1)->text(QAccessible::Name),
              QStringLiteral("Etat final, CuO(s) : 0,000 mol"));
    EXPECT_EQ(table->tableInterface()->columnCount(), 5) << "CuO + C has four species";
}

TEST_F(KeyboardAccessTest, QtsOwnTextsAreFrench) {
    ASSERT_TRUE(app::loadQtFrench()) << "Qt's French catalogue (qt6-translations-l10n) is missing";
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << action->text();
    }
    EXPECT_TRUE(captions.filter(QStringLiteral("Tout sélectionner")).size() == 1)
        << captions.join(u'|').toStdString();
}

} // namespace
} // namespace app_testing
