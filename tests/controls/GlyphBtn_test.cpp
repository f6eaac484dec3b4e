#include "ControlsTestSupport.h"

#include "controls/ControlSupport.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "support/WidgetTestMain.h"

#include <QAccessible>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>

#include <stdexcept>

using controls::TGlyphButton;
using controls_test::BeepCounter;
using controls_test::grabbed;
using controls_test::HostWindow;
using controls_test::onScreen;
using controls_test::pixelIs;
using framework::clPaleYellow;
using framework::TColor;
using testing_support::ErrorBoxRecorder;

namespace {

constexpr TColor inactive = framework::rgb(192, 192, 192);
constexpr TColor active = framework::rgb(128, 128, 128);
constexpr TColor outline = framework::clWhite;

TEST(GlyphImages, ComeInFourSetsOfFourAtTheirSizes) {
    const std::pair<TGlyphButton::TGlyphBtnType, QSize> sets[] = {{TGlyphButton::bsButton, {10, 10}},
                                                                  {TGlyphButton::bsRadioButton, {15, 15}},
                                                                  {TGlyphButton::bsUpButton, {17, 9}},
                                                                  {TGlyphButton::bsDownButton, {17, 9}}};
    for (const auto& [type, size] : sets) {
        for (int look = 0; look < 4; ++look) {
            const QImage image = TGlyphButton::builtInGlyph(type, TGlyphButton::GlyphLook(look))
                                     .convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(image.size(), size) << int(type) << " " << look;
            // The background is black, the transparent colour; the picture itself never is.
            const bool pointsDown = type == TGlyphButton::bsDownButton;
            EXPECT_TRUE(pixelIs(image, 0, pointsDown ? size.height() - 1 : 0, framework::clBlack));
            EXPECT_FALSE(pixelIs(image, size.width() / 2, size.height() / 2, framework::clBlack));
            EXPECT_EQ(controls::glyphForDevice(image.copy(), 2.0).size(), size)
                << "a copy has no fine version";
            const QImage stored = TGlyphButton::builtInGlyph(type, TGlyphButton::GlyphLook(look));
            EXPECT_EQ(controls::glyphForDevice(stored, 2.0).size(), size * 2);
        }
    }
}

TEST(GlyphImages, AreBlueHotGreyDisabledCyanPressedDarkBlueNormal) {
    const auto centre = [](TGlyphButton::GlyphLook look) {
        const QImage image = TGlyphButton::builtInGlyph(TGlyphButton::bsButton, look);
        return image.pixelColor(5, 6);
    };
    const QColor hot = centre(TGlyphButton::hotGlyph);
    const QColor disabled = centre(TGlyphButton::disabledGlyphIndex);
    const QColor pressed = centre(TGlyphButton::pressedGlyph);
    const QColor normal = centre(TGlyphButton::normalGlyph);
    EXPECT_GT(hot.blue(), hot.red() + 100);
    EXPECT_EQ(disabled.red(), disabled.green());
    EXPECT_EQ(disabled.green(), disabled.blue());
    EXPECT_GT(pressed.green(), pressed.red() + 60) << "light cyan";
    EXPECT_GT(pressed.blue(), pressed.red() + 60);
    EXPECT_GT(pressed.lightness(), hot.lightness());
    EXPECT_GT(normal.blue(), normal.green() + 60);
    EXPECT_LT(normal.lightness(), hot.lightness()) << "darker than the hot blue";
}

class GlyphButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ErrorBoxRecorder::clear();
        button = new TGlyphButton(host.widget());
        button->setObjectName(QStringLiteral("GlyphButton1"));
        button->setCaption(QStringLiteral("Simulation"));
        button->setGeometry(20, 20, 93, 21);
        field = new QLineEdit(host.widget());
        field->setGeometry(140, 20, 60, 22);
        button->OnClick = [this](QObject* sender) {
            EXPECT_EQ(sender, button);
            events << QStringLiteral("click");
            statesAtClick << button->mouseState();
        };
        button->OnMouseEnter = [this](QObject*) { events << QStringLiteral("enter"); };
        button->OnMouseExit = [this](QObject*) { events << QStringLiteral("exit"); };
        button->OnDblClick = [this](QObject*) { events << QStringLiteral("dblclick"); };
        ASSERT_TRUE(host.show());
        QTest::mouseMove(host.widget(), QPoint(230, 110));
        events.clear();
    }
    // The colour of the glyph's centre as the button shows it now.
    QColor glyphCentre(int shift = 0) const {
        return onScreen(*button).pixelColor(6 + 5 + shift, 6 + 6 + shift);
    }
    static QColor imageCentre(TGlyphButton::GlyphLook look) {
        return TGlyphButton::builtInGlyph(TGlyphButton::bsButton, look).pixelColor(5, 6);
    }

    HostWindow host{QSize(240, 130)};
    TGlyphButton* button = nullptr;
    QLineEdit* field = nullptr;
    QStringList events;
    QList<TGlyphButton::TMouseState> statesAtClick;
};

TEST_F(GlyphButtonTest, StartsAsAPlainButtonWithItsGlyphAtTheLeft) {
    TGlyphButton fresh;
    EXPECT_EQ(fresh.size(), QSize(70, 23));
    EXPECT_EQ(fresh.activeColor(), active);
    EXPECT_EQ(fresh.activeOutlineColor(), outline);
    EXPECT_EQ(fresh.inactiveColor(), inactive);
    EXPECT_EQ(fresh.transparentColor(), framework::clBlack);
    EXPECT_EQ(fresh.color(), clPaleYellow);
    EXPECT_EQ(fresh.controlType(), TGlyphButton::bsButton);
    EXPECT_EQ(fresh.position(), TGlyphButton::bsLeft);
    EXPECT_TRUE(fresh.tabStop());
    EXPECT_TRUE(fresh.showGlyph());
    EXPECT_TRUE(fresh.wordWrap());
    EXPECT_FALSE(fresh.useCustomGlyphs());
    EXPECT_FALSE(fresh.autoHeight());
    EXPECT_EQ(fresh.modalResult(), 0);
    EXPECT_EQ(fresh.property("About").toInt(), int(TGlyphButton::abNone));
}

TEST_F(GlyphButtonTest, PlacesTheGlyphAtSixSixAndCentresTheCaptionBesideIt) {
    field->setFocus(); // no focus mark
    const QImage image = grabbed(*button);
    EXPECT_EQ(image.pixelColor(11, 12), imageCentre(TGlyphButton::normalGlyph));
    EXPECT_TRUE(pixelIs(image, 6, 6, clPaleYellow)) << "the glyph's black corner is transparent";
    EXPECT_EQ(button->wrappedLines(), QStringList{QStringLiteral("Simulation")});
    // The caption's ink lies inside its centred rectangle right of the glyph.
    const QFontMetrics metrics(button->font());
    const int tw = metrics.horizontalAdvance(QStringLiteral("Simulation"));
    const int th = metrics.height();
    const int left = (93 - 10 - tw - 1) / 2 + 10 + 1;
    const int top = (21 - th - 1) / 2 + 1;
    int inkLeft = 93;
    int inkRight = -1;
    for (int y = 0; y < 21; ++y) {
        for (int x = 17; x < 85; ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                EXPECT_GE(y, top);
                EXPECT_LT(y, top + th);
            }
        }
    }
    EXPECT_GE(inkLeft, left);
    EXPECT_LE(inkRight, left + tw);
    EXPECT_LE(inkLeft, left + 2);
}

struct OutlinePixel {
    int x;
    int y;
    TColor color;
};

// Pixels of the three outlines of a 93 x 21 button, read off their polylines.
const std::vector<OutlinePixel> normalPixels = {
    {8, 2, inactive},     {7, 3, inactive},      {6, 3, inactive},       {5, 4, inactive},
    {3, 6, inactive},     {2, 8, inactive},      {2, 13, inactive},      {3, 14, inactive},
    {5, 17, inactive},    {8, 19, inactive},     {50, 19, inactive},     {85, 19, inactive},
    {87, 18, inactive},   {90, 15, inactive},    {91, 13, inactive},     {91, 8, inactive},
    {90, 6, inactive},    {87, 3, inactive},     {85, 2, inactive},      {50, 2, inactive},
    {1, 8, clPaleYellow}, {8, 1, clPaleYellow},  {92, 10, clPaleYellow}, {50, 20, clPaleYellow},
    {0, 0, clPaleYellow}, {20, 10, clPaleYellow}};
const std::vector<OutlinePixel> hotPixels = {
    {85, 1, inactive},      {8, 1, inactive},      {1, 8, inactive},   {1, 13, inactive},
    {7, 19, inactive},      {50, 18, inactive},    {90, 10, inactive}, {86, 19, inactive},
    {91, 14, inactive},     {50, 2, active},       {2, 10, active},    {50, 19, active},
    {91, 10, active},       {86, 2, active},       {50, 3, outline},   {3, 10, outline},
    {4, 10, outline},       {50, 4, outline},      {87, 5, outline},   {1, 7, clPaleYellow},
    {92, 10, clPaleYellow}, {50, 20, clPaleYellow}};
const std::vector<OutlinePixel> pressedPixels = {
    {50, 1, inactive},    {1, 10, inactive}, {50, 19, inactive}, {91, 10, inactive}, {8, 3, inactive},
    {3, 10, inactive},    {86, 3, inactive}, {4, 15, inactive},  {50, 2, active},    {2, 10, active},
    {89, 5, active},      {50, 3, outline},  {5, 10, outline},   {50, 20, outline},  {92, 10, outline},
    {4, 10, outline},     {50, 4, outline},  {89, 19, outline},  {91, 14, outline},  {0, 10, clPaleYellow},
    {50, 0, clPaleYellow}};

void expectOutline(const QImage& image, const std::vector<OutlinePixel>& pixels) {
    for (const OutlinePixel& p : pixels) {
        EXPECT_TRUE(pixelIs(image, p.x, p.y, p.color));
    }
}

TEST_F(GlyphButtonTest, PointerEnteringShowsTheHotLookAndLeavingTheNormalOne) {
    expectOutline(onScreen(*button), normalPixels);
    QTest::mouseMove(button, QPoint(40, 10));
    EXPECT_EQ(button->mouseState(), TGlyphButton::Hot);
    QTest::mouseMove(button, QPoint(45, 12));
    EXPECT_EQ(events, QStringList{QStringLiteral("enter")});
    expectOutline(onScreen(*button), hotPixels);
    EXPECT_EQ(glyphCentre(), imageCentre(TGlyphButton::hotGlyph));
    QTest::mouseMove(host.widget(), QPoint(230, 110));
    EXPECT_EQ(events, (QStringList{QStringLiteral("enter"), QStringLiteral("exit")}));
    EXPECT_EQ(button->mouseState(), TGlyphButton::Normal);
    expectOutline(onScreen(*button), normalPixels);
    EXPECT_EQ(glyphCentre(), imageCentre(TGlyphButton::normalGlyph));
}

TEST_F(GlyphButtonTest, PressDragOffDragBackAndReleaseClicksOnceAndEndsHot) {
    QTest::mouseMove(button, QPoint(40, 10));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(button->mouseState(), TGlyphButton::Pressed);
    expectOutline(onScreen(*button), pressedPixels);
    EXPECT_EQ(glyphCentre(1), imageCentre(TGlyphButton::pressedGlyph)) << "shifted one pixel right and down";
    QTest::mouseMove(button, QPoint(120, 10));
    EXPECT_EQ(button->mouseState(), TGlyphButton::PressedOutside);
    expectOutline(onScreen(*button), normalPixels);
    EXPECT_EQ(glyphCentre(), imageCentre(TGlyphButton::normalGlyph));
    QTest::mouseMove(button, QPoint(40, 12));
    EXPECT_EQ(button->mouseState(), TGlyphButton::Pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 12));
    EXPECT_EQ(events, (QStringList{QStringLiteral("enter"), QStringLiteral("click")}));
    EXPECT_EQ(button->mouseState(), TGlyphButton::Hot);
    expectOutline(onScreen(*button), hotPixels);
}

TEST_F(GlyphButtonTest, ReleasedOutsideItDoesNotClickAndLooksNormal) {
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(button, QPoint(120, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(120, 10));
    EXPECT_FALSE(events.contains(QStringLiteral("click")));
    EXPECT_EQ(button->mouseState(), TGlyphButton::Normal);
    expectOutline(onScreen(*button), normalPixels);
}

TEST_F(GlyphButtonTest, AFastDoubleClickClicksOnceAndDoubleClicksOnce) {
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(events.count(QStringLiteral("click")), 1);
    EXPECT_EQ(events.count(QStringLiteral("dblclick")), 1);
}

TEST_F(GlyphButtonTest, EnterOnTheFocusedButtonClicksWithAPressedFlash) {
    QList<TGlyphButton::TMouseState> painted;
    struct PaintSpy : QObject {
        QList<TGlyphButton::TMouseState>* states;
        TGlyphButton* button;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) {
                *states << button->mouseState();
            }
            return false;
        }
    } spy;
    spy.states = &painted;
    spy.button = button;
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    button->installEventFilter(&spy);
    QTest::keyClick(button, Qt::Key_Return);
    button->removeEventFilter(&spy);
    EXPECT_EQ(events, QStringList{QStringLiteral("click")});
    EXPECT_EQ(painted, (QList<TGlyphButton::TMouseState>{TGlyphButton::Pressed, TGlyphButton::Normal}));
    EXPECT_EQ(statesAtClick, QList<TGlyphButton::TMouseState>{TGlyphButton::Normal});
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(events.size(), 2) << "the keypad's Enter too";
    QTest::keyClick(button, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(events.size(), 2) << "not with Shift";
}

TEST_F(GlyphButtonTest, EscapeClicksOnlyACancelButtonAndSpaceTheFocusedOne) {
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_TRUE(events.isEmpty());
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(events, QStringList{QStringLiteral("click")});
    QTest::keyPress(button, Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(button, &repeat);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(events.size(), 2) << "a held Space presses once";
    button->setCancel(true);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(events.size(), 3);
}

TEST_F(GlyphButtonTest, ADefaultButtonTakesEnterFromTheWindowUntilItHasHadTheFocus) {
    auto* other = new TGlyphButton(host.widget());
    other->setDefault(true);
    other->setGeometry(20, 60, 93, 21);
    auto* edit = new controls::TFloatSpinEdit(host.widget());
    edit->setGeometry(140, 60, 65, 22);
    other->show();
    edit->show();
    int otherClicks = 0;
    other->OnClick = [&](QObject*) { ++otherClicks; };
    BeepCounter beeps;
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(otherClicks, 1);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(otherClicks, 2);
    EXPECT_EQ(beeps.count(), 0) << "the default button took the key";
    other->setFocus();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(otherClicks, 2) << "a button that lost the focus no longer shows as default";
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(beeps.count(), 1);
}

TEST_F(GlyphButtonTest, TheAcceleratorClicks) {
    button->setCaption(QStringLiteral("&Valider"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(events, QStringList{QStringLiteral("click")});
}

TEST_F(GlyphButtonTest, WritesItsModalResultIntoItsDialog) {
    QDialog dialog;
    auto* valider = new TGlyphButton(&dialog);
    valider->setGeometry(10, 10, 70, 23);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    valider->click();
    EXPECT_TRUE(dialog.isVisible()) << "ModalResult 0 keeps the dialog open";
    valider->setModalResult(QDialog::Accepted);
    valider->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

TEST_F(GlyphButtonTest, DisabledItDrawsTheGreyGlyphAndTheInactiveCaptionButFollowsThePointer) {
    field->setFocus(); // a focus change would set the look back to normal
    QTest::mouseMove(button, QPoint(40, 10));
    ASSERT_EQ(button->mouseState(), TGlyphButton::Hot);
    button->setEnabled(false);
    EXPECT_EQ(button->mouseState(), TGlyphButton::Hot) << events.join(QLatin1Char(' ')).toStdString();
    const QImage image = grabbed(*button);
    EXPECT_EQ(image.pixelColor(11, 12), imageCentre(TGlyphButton::disabledGlyphIndex));
    expectOutline(image, hotPixels);
    int dark = 0;
    for (int y = 4; y < 17; ++y) {
        for (int x = 20; x < 80; ++x) {
            dark += qGray(image.pixel(x, y)) < 150 ? 1 : 0;
        }
    }
    EXPECT_EQ(dark, 0) << "the caption is drawn in the light inactive colour";
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_FALSE(events.contains(QStringLiteral("click"))) << events.join(QLatin1Char(' ')).toStdString();
}

TEST_F(GlyphButtonTest, DisablingItWhilePressedLetsItGo) {
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 10));
    button->setEnabled(false);
    EXPECT_EQ(button->mouseState(), TGlyphButton::Normal);
    button->setEnabled(true);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_FALSE(events.contains(QStringLiteral("click")));
}

TEST_F(GlyphButtonTest, AFailingClickHandlerLeavesTheButtonUnpressed) {
    button->OnClick = [](QObject*) { throw std::runtime_error("'' n'est pas une valeur entière correcte"); };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(ErrorBoxRecorder::messages().size(), 1);
    EXPECT_EQ(button->mouseState(), TGlyphButton::Hot);
}

TEST_F(GlyphButtonTest, ATwoWordCaptionTooWideWrapsAtTheSpace) {
    button->setCaption(QStringLiteral("Nouvelle équation"));
    const int available = 93 - 10 - 18;
    ASSERT_GT(QFontMetrics(button->font()).horizontalAdvance(button->caption()), available);
    EXPECT_EQ(button->wrappedLines(), (QStringList{QStringLiteral("Nouvelle"), QStringLiteral("équation")}));
    EXPECT_EQ(button->wrapWidth(), available);
    // Two lines in a 21-pixel button: the second is cut off by the bottom edge, but drawn.
    const QImage image = grabbed(*button);
    int inkRows = 0;
    for (int y = 0; y < 21; ++y) {
        for (int x = 17; x < 85; ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ++inkRows;
                break;
            }
        }
    }
    EXPECT_GT(inkRows, 12);
}

TEST_F(GlyphButtonTest, ACaptionThatCannotBeWrappedIsNotDrawn) {
    field->setFocus();
    button->resize(24, 21);
    button->setCaption(QString());
    const QImage empty = grabbed(*button);
    button->setCaption(QStringLiteral("WW"));
    EXPECT_TRUE(button->wrappedLines().isEmpty());
    EXPECT_EQ(grabbed(*button), empty);
}

TEST_F(GlyphButtonTest, TheArrowTypesPutTheirGlyphAboveTheCaption) {
    button->setControlType(TGlyphButton::bsUpButton);
    EXPECT_EQ(button->position(), TGlyphButton::bsTop);
    button->setPosition(TGlyphButton::bsRight);
    EXPECT_EQ(button->position(), TGlyphButton::bsTop);
    button->setPosition(TGlyphButton::bsBottom);
    EXPECT_EQ(button->position(), TGlyphButton::bsBottom);
    const QImage image = grabbed(*button);
    // Beside the caption the glyph is lowered by half the difference of their heights, plus 2, then the
    // whole is turned over to the bottom edge.
    const int d = QFontMetrics(button->font()).height() - 9;
    const int glyphTop = 21 - ((d >= 2 ? d / 2 + 2 : 2) + 9) - 1;
    EXPECT_EQ(
        image.pixelColor(2 + 8, glyphTop + 8),
        TGlyphButton::builtInGlyph(TGlyphButton::bsUpButton, TGlyphButton::normalGlyph).pixelColor(8, 8));
}

struct AutoHeightCase {
    const char* name;
    TGlyphButton::TGlyphPosition position;
    const char* caption;
    int extraLines;
    int glyphAdded;
};

class GlyphButtonAutoHeightTest : public GlyphButtonTest,
                                  public ::testing::WithParamInterface<AutoHeightCase> {};

TEST_P(GlyphButtonAutoHeightTest, SetsTheHeightFromCaptionAndGlyph) {
    button->setPosition(GetParam().position);
    button->setCaption(QString::fromUtf8(GetParam().caption));
    button->setAutoHeight(true);
    const int line = QFontMetrics(button->font()).height();
    EXPECT_EQ(button->height(), line * (1 + GetParam().extraLines) + GetParam().glyphAdded + 10);
}

INSTANTIATE_TEST_SUITE_P(Heights, GlyphButtonAutoHeightTest,
                         ::testing::Values(AutoHeightCase{"beside", TGlyphButton::bsLeft, "Simulation", 0, 0},
                                           AutoHeightCase{"above", TGlyphButton::bsTop, "Simulation", 0, 14},
                                           AutoHeightCase{"twoLines", TGlyphButton::bsLeft,
                                                          "Nouvelle équation", 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GlyphButtonTest, TheFocusedButtonMarksItsCaption) {
    field->setFocus();
    const QImage before = grabbed(*button);
    button->setFocus(Qt::TabFocusReason);
    const QImage after = grabbed(*button);
    const QFontMetrics metrics(button->font());
    const int tw = metrics.horizontalAdvance(QStringLiteral("Simulation"));
    const int left = (93 - 10 - tw - 1) / 2 + 10 + 1;
    const int top = (21 - metrics.height() - 1) / 2 + 1;
    // The dots fall where x + y is even.
    const int x = left + ((left + top) & 1);
    EXPECT_NE(after.pixel(x, top), before.pixel(x, top));
    EXPECT_EQ(after.pixel(left - 1, top), before.pixel(left - 1, top));
}

TEST_F(GlyphButtonTest, ScreenReadersReadAPushButtonThatCanBePressed) {
    button->setAccessibleName(QStringLiteral("Simulation"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Simulation"));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(events, QStringList{QStringLiteral("click")});
}

} // namespace

namespace {

TEST(GlyphButtonInAnInactiveWindow, ClicksAtTheFirstPress) {
    HostWindow active;
    ASSERT_TRUE(active.show());
    QWidget inactive;
    inactive.resize(120, 40);
    auto* button = new TGlyphButton(&inactive);
    button->setGeometry(10, 10, 93, 21);
    auto* other = new QLineEdit(&inactive);
    other->setGeometry(0, 0, 5, 5);
    other->setFocus();
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    inactive.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&inactive));
    QApplication::setActiveWindow(active.widget());
    ASSERT_FALSE(inactive.isActiveWindow());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(inactive.focusWidget(), button);
}

} // namespace
