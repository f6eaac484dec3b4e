#include "ControlsTestSupport.h"
#include "support/Eventually.h"

#include "controls/FlatButtons.h"
#include "support/WidgetTestMain.h"

#include <QAccessible>

using controls::TFlatButton;
using controls::TMouseButton;
using controls_test::HostWindow;
using controls_test::onScreen;
using controls_test::pixelIs;
using framework::clPaleYellow;
using framework::TColor;
using Look = TFlatButton::Look;

namespace {

constexpr TColor highlight = framework::rgb(216, 190, 10);
constexpr TColor border = framework::rgb(153, 143, 130);
constexpr TColor light = framework::rgb(248, 244, 237);
constexpr TColor dark = framework::rgb(79, 79, 79);

class FlatButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = new TFlatButton(host.widget());
        button->setObjectName(QStringLiteral("FlatButton1"));
        button->setCaption(QStringLiteral("Quitter"));
        button->setGeometry(40, 30, 70, 22);
        button->setColor(clPaleYellow);
        button->setColorBorder(border);
        button->setColorOver(highlight);
        button->setColorDown(highlight);
        button->OnClick = [this](QObject* sender) {
            EXPECT_EQ(sender, button);
            events << QStringLiteral("click:%1").arg(int(button->currentLook()));
        };
        button->OnMouseDown = [this](QObject*, TMouseButton, controls::TShiftState, int x, int y) {
            events << QStringLiteral("down@%1,%2").arg(x).arg(y);
        };
        button->OnMouseUp = [this](QObject*, TMouseButton, controls::TShiftState, int, int) {
            events << QStringLiteral("up:%1").arg(int(button->currentLook()));
        };
        button->OnMouseMove = [this](QObject*, controls::TShiftState, int, int) { ++moves; };
        ASSERT_TRUE(host.show());
        QTest::mouseMove(host.widget(), QPoint(190, 100));
        moves = 0;
    }
    void expectLook(Look look) {
        EXPECT_EQ(button->currentLook(), look);
        const QImage image = onScreen(*button);
        const int w = button->width();
        const int h = button->height();
        switch (look) {
        case Look::Normal:
            EXPECT_TRUE(pixelIs(image, 0, 0, border));
            EXPECT_TRUE(pixelIs(image, w - 1, h - 1, border));
            EXPECT_TRUE(pixelIs(image, 1, 1, clPaleYellow));
            break;
        case Look::Hover:
        case Look::Pressed: {
            const bool raised = look == Look::Hover;
            const TColor topLeft = raised ? light : dark;
            const TColor bottomRight = raised ? dark : light;
            EXPECT_TRUE(pixelIs(image, 0, 0, topLeft));
            EXPECT_TRUE(pixelIs(image, 0, h - 2, topLeft));
            EXPECT_TRUE(pixelIs(image, w - 2, 0, topLeft));
            EXPECT_TRUE(pixelIs(image, w - 1, 0, bottomRight));
            EXPECT_TRUE(pixelIs(image, w - 1, h / 2, bottomRight));
            EXPECT_TRUE(pixelIs(image, 0, h - 1, bottomRight));
            EXPECT_TRUE(pixelIs(image, w / 2, h - 1, bottomRight));
            EXPECT_TRUE(pixelIs(image, 1, 1, highlight));
            EXPECT_TRUE(pixelIs(image, w - 2, h - 2, highlight));
            break;
        }
        }
    }
    HostWindow host{QSize(200, 110)};
    TFlatButton* button = nullptr;
    QStringList events;
    int moves = 0;
};

TEST_F(FlatButtonTest, StartsCaptionedWithItsNameUntilGivenACaption) {
    TFlatButton fresh(host.widget());
    EXPECT_EQ(fresh.size(), QSize(86, 22));
    EXPECT_EQ(fresh.colorBorder(), border);
    EXPECT_EQ(fresh.colorOver(), highlight);
    EXPECT_EQ(fresh.colorDown(), highlight);
    EXPECT_EQ(fresh.colorOverCaption(), framework::clBlack);
    EXPECT_EQ(fresh.color(), framework::clBtnFace);
    EXPECT_TRUE(fresh.buttonEnabled());
    EXPECT_TRUE(fresh.showCaption());
    EXPECT_EQ(fresh.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(fresh.focusPolicy(), Qt::NoFocus);
    fresh.setObjectName(QStringLiteral("btnpropos"));
    EXPECT_EQ(fresh.caption(), QStringLiteral("btnpropos"));
    fresh.setCaption(QStringLiteral("A propos"));
    fresh.setObjectName(QStringLiteral("autre"));
    EXPECT_EQ(fresh.caption(), QStringLiteral("A propos"));
}

TEST_F(FlatButtonTest, LightsUpWhileThePointerIsOverIt) {
    expectLook(Look::Normal);
    QTest::mouseMove(button, QPoint(20, 10));
    expectLook(Look::Hover);
    QTest::mouseMove(button, QPoint(30, 12));
    QTest::mouseMove(host.widget(), QPoint(190, 100));
    expectLook(Look::Normal);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_GE(moves, 1) << "moves over it are reported";
}

TEST_F(FlatButtonTest, PressDragOutAndReleaseOutsideNeitherClicksNorRedraws) {
    QTest::mouseMove(button, QPoint(20, 10));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(events, QStringList{QStringLiteral("down@20,10")});
    expectLook(Look::Pressed);
    QTest::mouseMove(button, QPoint(100, 10));
    expectLook(Look::Normal);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(events, (QStringList{QStringLiteral("down@20,10"), QStringLiteral("up:0")}));
    expectLook(Look::Normal);
}

TEST_F(FlatButtonTest, ReleasedInsideItClicksInTheNormalLookThenLightsUpAgain) {
    QTest::mouseMove(button, QPoint(20, 10));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(button, QPoint(100, 10));
    expectLook(Look::Normal);
    QTest::mouseMove(button, QPoint(25, 10));
    expectLook(Look::Hover);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(25, 10));
    // OnClick and OnMouseUp both see the normal look; the hover look comes after them.
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("down@20,10"), QStringLiteral("click:0"), QStringLiteral("up:0")}));
    expectLook(Look::Hover);
}

TEST_F(FlatButtonTest, SwitchedOffItNeitherLightsUpNorRaisesEvents) {
    QTest::mouseMove(button, QPoint(20, 10));
    button->setButtonEnabled(false);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    expectLook(Look::Hover); // the look drawn last stays
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(host.widget(), QPoint(190, 100));
    expectLook(Look::Normal); // leaving still draws the normal look
    QTest::mouseMove(button, QPoint(20, 10));
    expectLook(Look::Normal);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(FlatButtonTest, TheRightButtonDoesNothing) {
    QTest::mouseMove(button, QPoint(20, 10));
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_TRUE(events.isEmpty());
    expectLook(Look::Hover);
}

TEST_F(FlatButtonTest, AssigningTheCaptionShowsTheNormalLookAtOnceEvenUnderThePointer) {
    QTest::mouseMove(button, QPoint(20, 10));
    expectLook(Look::Hover);
    button->setCaption(QStringLiteral("Quitter ZOOM"));
    expectLook(Look::Normal);
}

TEST_F(FlatButtonTest, ARepaintItDidNotAskForShowsTheNormalLook) {
    QTest::mouseMove(button, QPoint(20, 10));
    expectLook(Look::Hover);
    host.widget()->update();
    ASSERT_EVENTUALLY_EQ(button->currentLook(), Look::Normal);
    expectLook(Look::Normal);
}

// The dark ink of the caption, as a bounding rectangle.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST_F(FlatButtonTest, ThePressedLookShiftsTheCaptionOnePixelRightAndDown) {
    const QRect normal = inkBounds(onScreen(*button));
    ASSERT_FALSE(normal.isEmpty());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    // The smoothed edge pixels change with the fill behind them; the ink's top-left corner does not.
    EXPECT_EQ(inkBounds(onScreen(*button)).topLeft(), normal.topLeft() + QPoint(1, 1));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
}

TEST_F(FlatButtonTest, CentresTheCaptionAndPutsAGlyphBesideIt) {
    const QFontMetrics metrics(button->font());
    const int tw = metrics.horizontalAdvance(QStringLiteral("Quitter"));
    const QRect ink = inkBounds(onScreen(*button));
    EXPECT_GE(ink.left(), 70 / 2 - tw / 2);
    EXPECT_LE(ink.right(), 70 / 2 - tw / 2 + tw);

    QImage glyph(8, 8, QImage::Format_RGB32);
    glyph.fill(Qt::green); // the top-left colour: transparent
    for (int y = 2; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            glyph.setPixelColor(x, y, Qt::red);
        }
    }
    button->setGlyph(glyph);
    ASSERT_EVENTUALLY(
        pixelIs(onScreen(*button), 70 / 2 - (8 + tw) / 2 - 1, 22 / 2 - 4 + 3, framework::clRed));
    const QImage image = onScreen(*button);
    const int x0 = 70 / 2 - (8 + tw) / 2;
    // Stretched over nine columns from x0 - 1 to x0 + 7, the green rows left out.
    EXPECT_TRUE(pixelIs(image, x0 + 7, 22 / 2 - 4 + 3, framework::clRed));
    EXPECT_TRUE(pixelIs(image, x0 + 8, 22 / 2 - 4 + 3, clPaleYellow));
    EXPECT_TRUE(pixelIs(image, x0 + 2, 22 / 2 - 4, clPaleYellow));
    EXPECT_GE(inkBounds(image).left(), 70 / 2 + (8 - tw) / 2 + 4);
}

TEST_F(FlatButtonTest, ScreenReadersReadAPushButtonThatCanBePressed) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Quitter"));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(events, QStringList{QStringLiteral("click:0")});
}

} // namespace
