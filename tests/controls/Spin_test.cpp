#include "ControlsTestSupport.h"
#include "support/Eventually.h"

#include "controls/ControlSupport.h"
#include "controls/Spin.h"
#include "support/WidgetTestMain.h"

#include <QLineEdit>

using controls::TRepeatButton;
using controls::TSpinButton;
using controls_test::HostWindow;
using controls_test::pixelIs;
using framework::clBlack;
using framework::clBtnFace;
using framework::clBtnHighlight;
using framework::clBtnShadow;

namespace {

// The arrow rows from the top, as the columns they fill (the others are olive).
const std::vector<std::vector<int>> upArrowRows = {{}, {4}, {3, 4, 5}, {2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7},
                                                   {}};

void expectArrow(const QImage& glyph, bool up) {
    ASSERT_EQ(glyph.size(), QSize(9, 6));
    for (int row = 0; row < 6; ++row) {
        const std::vector<int>& filled = upArrowRows[std::size_t(up ? row : 5 - row)];
        for (int x = 0; x < 9; ++x) {
            const bool ink = std::find(filled.begin(), filled.end(), x) != filled.end();
            EXPECT_TRUE(pixelIs(glyph, x, row, ink ? clBlack : framework::clOlive));
        }
    }
}

TEST(SpinGlyphs, AreNineBySixBlackTrianglesOnOlive) {
    expectArrow(TSpinButton::builtInUpGlyph().convertToFormat(QImage::Format_RGB32), true);
    expectArrow(TSpinButton::builtInDownGlyph().convertToFormat(QImage::Format_RGB32), false);
}

TEST(SpinGlyphs, HaveAFinerVersionForHighDensityScreens) {
    const QImage standard = TSpinButton::builtInUpGlyph();
    const QImage fine = controls::glyphForDevice(standard, 2.0);
    EXPECT_EQ(fine.devicePixelRatio(), 2.0);
    EXPECT_EQ(fine.size(), QSize(18, 12));
    EXPECT_EQ(controls::glyphSize(fine), QSize(9, 6));
    EXPECT_EQ(controls::glyphForDevice(standard, 1.0).cacheKey(), standard.cacheKey());
}

class SpinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        spin = new TSpinButton(host.widget());
        spin->move(10, 10);
        field = new QLineEdit(host.widget());
        field->setGeometry(40, 10, 60, 22);
        spin->OnUpClick = [this](QObject* sender) {
            EXPECT_EQ(sender, spin);
            clicks << QStringLiteral("up");
        };
        spin->OnDownClick = [this](QObject*) { clicks << QStringLiteral("down"); };
        ASSERT_TRUE(host.show());
    }
    HostWindow host;
    TSpinButton* spin = nullptr;
    QLineEdit* field = nullptr;
    QStringList clicks;
};

TEST_F(SpinButtonTest, SplitsItsHeightBetweenTwoButtonsSharingOneRow) {
    EXPECT_EQ(spin->size(), QSize(20, 25));
    EXPECT_EQ(spin->upButton()->geometry(), QRect(0, 0, 20, 12));
    EXPECT_EQ(spin->downButton()->geometry(), QRect(0, 11, 20, 14));
    spin->resize(15, 17);
    EXPECT_EQ(spin->upButton()->geometry(), QRect(0, 0, 15, 8));
    EXPECT_EQ(spin->downButton()->geometry(), QRect(0, 7, 15, 10));
    spin->resize(9, 17);
    EXPECT_EQ(spin->width(), 15) << "never narrower than 15";
}

TEST_F(SpinButtonTest, StartsWithTheBuiltInArrowsAndRestoresThemWhenGivenNoImage) {
    EXPECT_EQ(spin->upGlyph().cacheKey(), TSpinButton::builtInUpGlyph().cacheKey());
    EXPECT_EQ(spin->downGlyph().cacheKey(), TSpinButton::builtInDownGlyph().cacheKey());
    QImage custom(12, 6, QImage::Format_RGB32);
    custom.fill(Qt::red);
    spin->setUpGlyph(custom);
    spin->setUpNumGlyphs(2);
    EXPECT_EQ(spin->upGlyph(), custom);
    EXPECT_EQ(spin->upNumGlyphs(), 2);
    spin->setUpGlyph({});
    EXPECT_EQ(spin->upGlyph().cacheKey(), TSpinButton::builtInUpGlyph().cacheKey());
    EXPECT_EQ(spin->upNumGlyphs(), 1);
    spin->setDownNumGlyphs(9);
    EXPECT_EQ(spin->downNumGlyphs(), 4);
}

TEST_F(SpinButtonTest, DrawsTheArrowCentredAndShiftedWhilePressed) {
    spin->resize(15, 17);
    TRepeatButton* up = spin->upButton();
    QImage image = controls_test::grabbed(*up);
    // 9 x 6 centred in 15 x 8: the arrow's top-left at (3, 1), its tip at column 4 of row 1.
    EXPECT_TRUE(pixelIs(image, 7, 2, clBlack));
    EXPECT_TRUE(pixelIs(image, 6, 2, clBtnFace)) << "olive is transparent";
    for (int x = 4; x <= 10; ++x) {
        EXPECT_TRUE(pixelIs(image, x, 5, clBlack));
    }
    EXPECT_TRUE(pixelIs(image, 0, 0, clBtnHighlight)) << "raised face";
    QTest::mousePress(up, Qt::LeftButton);
    image = controls_test::onScreen(*up);
    EXPECT_TRUE(up->isDown());
    EXPECT_TRUE(pixelIs(image, 8, 3, clBlack));
    EXPECT_TRUE(pixelIs(image, 7, 2, clBtnFace));
    EXPECT_TRUE(pixelIs(image, 0, 0, clBtnShadow)) << "sunken face";
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_FALSE(up->isDown());
}

TEST_F(SpinButtonTest, ADisabledArrowIsEmbossedGrey) {
    spin->resize(15, 17);
    spin->setEnabled(false);
    const QImage image = controls_test::grabbed(*spin->upButton());
    EXPECT_TRUE(pixelIs(image, 7, 2, clBtnShadow));
    EXPECT_TRUE(pixelIs(image, 11, 6, clBtnHighlight)) << "the highlight shows one pixel right and down";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_FALSE(pixelIs(image, x, y, clBlack));
        }
    }
}

TEST_F(SpinButtonTest, APressGivesTheFocusToItsFocusControl) {
    spin->setFocusControl(field);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(clicks, QStringList{QStringLiteral("down")});
}

TEST_F(SpinButtonTest, ForgetsAFocusControlThatIsDestroyed) {
    spin->setFocusControl(field);
    delete field;
    field = nullptr;
    EXPECT_EQ(spin->focusControl(), nullptr);
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(clicks, QStringList{QStringLiteral("up")});
}

TEST_F(SpinButtonTest, AsATabStopItTakesTheFocusAndAnswersTheKeys) {
    spin->setTabStop(true);
    spin->resize(15, 17);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    ASSERT_TRUE(spin->hasFocus());
    EXPECT_EQ(spin->focusedButton(), spin->downButton());
    EXPECT_TRUE(spin->downButton()->repeatFlags().testFlag(TRepeatButton::RepeatFlag::FocusMark));
    EXPECT_FALSE(spin->upButton()->repeatFlags().testFlag(TRepeatButton::RepeatFlag::FocusMark));
    QTest::keyClick(spin, Qt::Key_Space);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->focusedButton(), spin->upButton());
    QTest::keyClick(spin, Qt::Key_Space);
    EXPECT_EQ(clicks, (QStringList{QStringLiteral("down"), QStringLiteral("down"), QStringLiteral("up"),
                                   QStringLiteral("up")}));
    // The focus mark: a dotted rectangle 3 pixels inside the button.
    const QImage image = controls_test::grabbed(*spin->upButton());
    const QRgb face = controls_test::rgbOf(clBtnFace);
    EXPECT_NE(image.pixel(3, 3) | 0xFF000000u, face | 0xFF000000u);
    EXPECT_EQ(image.pixel(4, 3) | 0xFF000000u, face | 0xFF000000u) << "dotted";
    field->setFocus();
    EXPECT_FALSE(spin->upButton()->repeatFlags().testFlag(TRepeatButton::RepeatFlag::FocusMark));
}

class RepeatButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = new TRepeatButton(host.widget());
        button->setGeometry(10, 10, 15, 8);
        button->setRepeatFlags(TRepeatButton::RepeatFlag::AllowRepeat);
        button->OnClick = [this](QObject*) { ++clicks; };
        ASSERT_TRUE(host.show());
    }
    HostWindow host;
    TRepeatButton* button = nullptr;
    int clicks = 0;
};

TEST_F(RepeatButtonTest, ReleasedOutsideItDoesNotClick) {
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseMove(button, QPoint(40, 4));
    EXPECT_FALSE(button->isDown());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 4));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->isRepeating());
}

TEST_F(RepeatButtonTest, DraggedOffItPausesTheRepeatsAndResumesOnTheWayBack) {
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseMove(button, QPoint(40, 4));
    QTest::qWait(650);
    EXPECT_EQ(clicks, 0) << "no repeat while the pointer is off the button";
    EXPECT_TRUE(button->isRepeating());
    QTest::mouseMove(button, QPoint(7, 4));
    EXPECT_TRUE(button->isDown());
    ASSERT_EVENTUALLY_WITH_TIMEOUT(clicks >= 1, 1000);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(7, 4));
}

TEST_F(RepeatButtonTest, WithoutAllowRepeatItClicksOnlyOnRelease) {
    button->setRepeatFlags({});
    QTest::mousePress(button, Qt::LeftButton);
    QTest::qWait(600);
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(RepeatButtonTest, HidingOrDisablingItWhilePressedLetsItGo) {
    QTest::mousePress(button, Qt::LeftButton);
    button->setEnabled(false);
    EXPECT_FALSE(button->isDown());
    EXPECT_FALSE(button->isRepeating());
    button->setEnabled(true);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);

    QTest::mousePress(button, Qt::LeftButton);
    button->hide();
    EXPECT_FALSE(button->isDown());
    EXPECT_FALSE(button->isRepeating());
    QTest::qWait(500);
    EXPECT_EQ(clicks, 0);
}

TEST_F(RepeatButtonTest, TheRightButtonDoesNothing) {
    QTest::mousePress(button, Qt::RightButton);
    EXPECT_FALSE(button->isDown());
    EXPECT_FALSE(button->isRepeating());
    QTest::mouseRelease(button, Qt::RightButton);
    EXPECT_EQ(clicks, 0);
}

} // namespace
