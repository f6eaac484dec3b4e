#include "ControlsTestSupport.h"

#include "controls/BevelCheck.h"
#include "support/WidgetTestMain.h"

#include <QAccessible>
#include <QFontMetrics>

using controls::TBevelCheck;
using controls::TMouseButton;
using controls_test::grabbed;
using controls_test::HostWindow;
using controls_test::pixelIs;
using framework::clPaleYellow;
using framework::TColor;

namespace {

constexpr TColor high = framework::rgb(232, 232, 224);
constexpr TColor low = framework::rgb(162, 141, 104);

class BevelCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        box = new TBevelCheck(host.widget());
        box->setObjectName(QStringLiteral("BevelCheck2"));
        box->setGeometry(20, 16, 15, 17);
        wide = new TBevelCheck(host.widget());
        wide->setGeometry(20, 60, 81, 17);
        for (TBevelCheck* b : {box, wide}) {
            b->OnClick = [this, b](QObject* sender) {
                EXPECT_EQ(sender, b);
                events << QStringLiteral("click:%1").arg(b->isChecked());
            };
            b->OnMouseDown = [this](QObject*, TMouseButton button, controls::TShiftState, int x, int y) {
                events << QStringLiteral("down:%1@%2,%3").arg(int(button)).arg(x).arg(y);
            };
            b->OnMouseUp = [this](QObject*, TMouseButton button, controls::TShiftState, int x, int y) {
                events << QStringLiteral("up:%1@%2,%3").arg(int(button)).arg(x).arg(y);
            };
        }
        ASSERT_TRUE(host.show());
    }
    HostWindow host{QSize(240, 120)};
    TBevelCheck* box = nullptr;
    TBevelCheck* wide = nullptr;
    QStringList events;
};

TEST_F(BevelCheckTest, StartsUncheckedRaisedOnItsParentsColour) {
    TBevelCheck fresh;
    EXPECT_EQ(fresh.size(), QSize(81, 17));
    EXPECT_EQ(fresh.alignment(), TBevelCheck::taLeft);
    EXPECT_EQ(fresh.checkStyle(), TBevelCheck::ckRaised);
    EXPECT_EQ(fresh.textStyle(), TBevelCheck::txRaised);
    EXPECT_EQ(fresh.colorHigh(), high);
    EXPECT_EQ(fresh.colorLow(), low);
    EXPECT_EQ(fresh.checkColor(), framework::clBlack);
    EXPECT_EQ(fresh.state(), TBevelCheck::cbUnchecked);
    EXPECT_FALSE(fresh.tabStop());
    EXPECT_TRUE(fresh.parentColor());
    EXPECT_EQ(box->color(), clPaleYellow);
    EXPECT_EQ(box->property("Checked").toBool(), false);
}

TEST_F(BevelCheckTest, EveryChangeOfStateRaisesOneClickAndNoChangeNone) {
    box->setChecked(false);
    EXPECT_TRUE(events.isEmpty());
    box->setChecked(true);
    box->setChecked(true);
    box->setState(TBevelCheck::cbGrayed);
    box->setState(TBevelCheck::cbUnchecked);
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("click:1"), QStringLiteral("click:0"), QStringLiteral("click:0")}));
}

TEST_F(BevelCheckTest, ALeftClickRaisesClickWithTheOldStateThenWithTheNewOne) {
    box->setChecked(true);
    events.clear();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(events, (QStringList{QStringLiteral("down:0@6,8"), QStringLiteral("click:1"),
                                   QStringLiteral("click:0"), QStringLiteral("up:0@6,8")}));
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->hasFocus()) << "a press takes the focus";
}

TEST_F(BevelCheckTest, AnotherButtonRaisesTheClickOnceFromTheToggle) {
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(6, 8));
    EXPECT_EQ(events, (QStringList{QStringLiteral("down:1@6,8"), QStringLiteral("click:1"),
                                   QStringLiteral("up:1@6,8")}));
}

TEST_F(BevelCheckTest, FromGrayedAToggleChecks) {
    box->setState(TBevelCheck::cbGrayed);
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(6, 8));
    EXPECT_EQ(box->state(), TBevelCheck::cbChecked);
}

TEST_F(BevelCheckTest, DraggingOutLiftsTheBevelAndReleasingOutsideChangesNothing) {
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(box->isDown());
    QTest::mouseMove(box, QPoint(40, 8));
    EXPECT_FALSE(box->isDown());
    QTest::mouseMove(box, QPoint(6, 8));
    EXPECT_TRUE(box->isDown());
    QTest::mouseMove(box, QPoint(6, 40));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 40));
    EXPECT_FALSE(box->isDown());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(events, (QStringList{QStringLiteral("down:0@6,8"), QStringLiteral("up:0@6,40")}));
}

struct EdgeRelease {
    const char* name;
    QPoint at;
    bool toggles;
};

class BevelCheckEdgeTest : public BevelCheckTest, public ::testing::WithParamInterface<EdgeRelease> {};

TEST_P(BevelCheckEdgeTest, TheReleaseBoundsAreInclusive) {
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 8));
    QTest::mouseMove(box, GetParam().at);
    EXPECT_EQ(box->isDown(), GetParam().toggles);
    QTest::mouseRelease(box, Qt::LeftButton, {}, GetParam().at);
    EXPECT_EQ(box->isChecked(), GetParam().toggles);
    // Only the toggle raises a click there: the framework's click needs the client rectangle.
    EXPECT_EQ(events.filter(QStringLiteral("click")).size(), GetParam().toggles ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Release, BevelCheckEdgeTest,
                         ::testing::Values(EdgeRelease{"columnW", {15, 8}, true},
                                           EdgeRelease{"rowH", {6, 17}, true},
                                           EdgeRelease{"cornerWH", {15, 17}, true},
                                           EdgeRelease{"beyondW", {16, 8}, false},
                                           EdgeRelease{"beyondH", {6, 18}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BevelCheckTest, SpaceHeldKeepsThePressedLookAndTogglesOnceOnRelease) {
    box->setFocus();
    QTest::keyPress(box, Qt::Key_Space);
    EXPECT_TRUE(box->isDown());
    // The keyboard's own repeat while Space is held.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(box, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(box, &press);
    }
    EXPECT_TRUE(box->isDown());
    EXPECT_TRUE(events.isEmpty());
    QTest::keyRelease(box, Qt::Key_Space);
    EXPECT_FALSE(box->isDown());
    EXPECT_EQ(events, QStringList{QStringLiteral("click:1")});
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(events.size(), 2);
}

TEST_F(BevelCheckTest, ADoubleClickTogglesTwice) {
    QTest::mouseDClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(events.filter(QStringLiteral("click")),
              (QStringList{QStringLiteral("click:0"), QStringLiteral("click:1"), QStringLiteral("click:0")}));
}

TEST_F(BevelCheckTest, TheAcceleratorFocusesAndToggles) {
    wide->setCaption(QStringLiteral("&Valider"));
    QTest::keyClick(host.widget(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(events.isEmpty());
    QTest::keyClick(host.widget(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(wide->hasFocus());
    EXPECT_TRUE(wide->isChecked());
    wide->setEnabled(false);
    QTest::keyClick(host.widget(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(wide->isChecked());
}

TEST_F(BevelCheckTest, HidingItWhilePressedLiftsIt) {
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 8));
    box->hide();
    EXPECT_FALSE(box->isDown());
    box->show();
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(box->isChecked());
}

// ---- pixels: the program's 15 x 17 box has its square from (1, 2) to (12, 13) ----

void expectSquare(const QImage& image, TColor light, TColor dark, bool outerRing = false) {
    EXPECT_TRUE(pixelIs(image, 1, 13, light));
    EXPECT_TRUE(pixelIs(image, 1, 5, light));
    EXPECT_TRUE(pixelIs(image, 1, 2, light));
    EXPECT_TRUE(pixelIs(image, 11, 2, light));
    EXPECT_TRUE(pixelIs(image, 12, 2, dark));
    EXPECT_TRUE(pixelIs(image, 12, 12, dark));
    EXPECT_TRUE(pixelIs(image, 12, 13, dark));
    EXPECT_TRUE(pixelIs(image, 2, 13, dark));
    if (!outerRing) {
        EXPECT_TRUE(pixelIs(image, 0, 2, clPaleYellow));
        EXPECT_TRUE(pixelIs(image, 13, 13, clPaleYellow));
    }
}

TEST_F(BevelCheckTest, DrawsTheBevelledSquareAndReversesItWhileDown) {
    QImage image = grabbed(*box);
    expectSquare(image, high, low);
    EXPECT_TRUE(pixelIs(image, 6, 7, clPaleYellow)) << "the inside shows the background";
    box->setDown(true);
    image = grabbed(*box);
    expectSquare(image, low, high);
}

TEST_F(BevelCheckTest, TheFlatStyleAddsAReversedOuterRingExceptWhileDown) {
    box->setCheckStyle(TBevelCheck::ckFlat);
    QImage image = grabbed(*box);
    expectSquare(image, high, low, true);
    EXPECT_TRUE(pixelIs(image, 0, 13, low));
    EXPECT_TRUE(pixelIs(image, 0, 1, low));
    EXPECT_TRUE(pixelIs(image, 12, 1, low));
    EXPECT_TRUE(pixelIs(image, 13, 1, high));
    EXPECT_TRUE(pixelIs(image, 13, 13, high));
    EXPECT_TRUE(pixelIs(image, 1, 14, high));
    EXPECT_TRUE(pixelIs(image, 0, 14, clPaleYellow));
    box->setDown(true);
    image = grabbed(*box);
    EXPECT_TRUE(pixelIs(image, 0, 13, clPaleYellow));
}

struct MarkPixel {
    int x;
    int y;
};
// Pixels of the two mark strokes and of the highlight stroke that they leave visible.
const MarkPixel markPixels[] = {{3, 7}, {3, 10}, {4, 6}, {4, 10}, {7, 7}, {8, 7}, {10, 4}, {11, 4}};
const MarkPixel highlightPixels[] = {{5, 6}, {5, 8}, {5, 11}, {7, 9}, {9, 7}, {11, 5}};

void expectMark(const QImage& image, TColor mark) {
    for (const MarkPixel& p : markPixels) {
        EXPECT_TRUE(pixelIs(image, p.x, p.y, mark));
    }
    for (const MarkPixel& p : highlightPixels) {
        EXPECT_TRUE(pixelIs(image, p.x, p.y, framework::clBtnHighlight));
    }
}

TEST_F(BevelCheckTest, DrawsTheCheckMarkInTheCheckColour) {
    box->setChecked(true);
    expectMark(grabbed(*box), framework::clBlack);
    box->setCheckColor(framework::clRed);
    expectMark(grabbed(*box), framework::clRed);
}

TEST_F(BevelCheckTest, AGrayedMarkIsDrawnInTheLowColourOnAFaceWhileDown) {
    box->setState(TBevelCheck::cbGrayed);
    QImage image = grabbed(*box);
    expectMark(image, low);
    EXPECT_TRUE(pixelIs(image, 9, 10, clPaleYellow));
    box->setDown(true);
    image = grabbed(*box);
    expectMark(image, low);
    EXPECT_TRUE(pixelIs(image, 9, 10, framework::clBtnFace));
    EXPECT_TRUE(pixelIs(image, 3, 4, framework::clBtnFace));
    EXPECT_TRUE(pixelIs(image, 10, 11, framework::clBtnFace));
    EXPECT_TRUE(pixelIs(image, 11, 12, clPaleYellow)) << "the face stops short of the ring";
}

TEST_F(BevelCheckTest, DisabledItDrawsTheMarkInShadowAndTheCaptionInTheLowColour) {
    wide->setCaption(QStringLiteral("Équation"));
    wide->setChecked(true);
    wide->setEnabled(false);
    const QImage image = grabbed(*wide);
    expectMark(image, framework::clBtnShadow);
    // The caption is smoothed, so its pixels are compared with a tolerance.
    const auto near = [](QRgb a, TColor b) {
        const QColor c = framework::toQColor(b);
        return std::abs(qRed(a) - c.red()) + std::abs(qGreen(a) - c.green()) + std::abs(qBlue(a) - c.blue()) <
               24;
    };
    int lowPixels = 0;
    int highPixels = 0;
    int darkPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 16; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            darkPixels += qGray(c) < 90 ? 1 : 0;
            lowPixels += near(c, low) ? 1 : 0;
            highPixels += near(c, high) ? 1 : 0;
        }
    }
    EXPECT_EQ(darkPixels, 0) << "no caption pixel in the black font colour";
    EXPECT_GT(lowPixels, 10);
    EXPECT_GT(highPixels, 10) << "the emboss stays";
}

TEST_F(BevelCheckTest, TheProgramsNarrowBoxShowsOnlyItsSquareAlsoWhenFocused) {
    const QImage before = grabbed(*box);
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    EXPECT_EQ(grabbed(*box), before);
    // On a wider box the same focus frame shows, starting at x = 16.
    wide->setFocus();
    const QImage image = grabbed(*wide);
    const int yoff = (17 - QFontMetrics(wide->font()).height()) / 2;
    EXPECT_FALSE(pixelIs(image, 16, yoff, clPaleYellow));
    EXPECT_TRUE(pixelIs(image, 15, yoff, clPaleYellow));
    EXPECT_TRUE(pixelIs(image, 14, yoff, clPaleYellow));
}

// The rightmost column of the focus frame holding a dot.
int focusFrameRight(const QImage& image, int yoff, int height) {
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = yoff; y <= yoff + height; ++y) {
            if (!pixelIs(image, x, y, clPaleYellow) && (y == yoff || y == yoff + height)) {
                return x;
            }
        }
    }
    return -1;
}

TEST_F(BevelCheckTest, TheFocusFrameOfAnAcceleratedCaptionLeavesTheAmpersandOut) {
    wide->resize(140, 17);
    wide->setTextStyle(TBevelCheck::txNone);
    wide->setCaption(QStringLiteral("&Fichier"));
    wide->setFocus();
    const QFontMetrics metrics(wide->font());
    const int width = metrics.horizontalAdvance(QStringLiteral("&Fichier")) + 3 -
                      metrics.horizontalAdvance(QStringLiteral("&"));
    const int yoff = (17 - metrics.height()) / 2;
    const QImage image = grabbed(*wide);
    // Frame from x = 16 to 16 + width - 1; the dots fall on every other pixel.
    const int right = focusFrameRight(image, yoff, metrics.height());
    EXPECT_GE(right, 16 + width - 2);
    EXPECT_LE(right, 16 + width - 1);
}

TEST_F(BevelCheckTest, AtTheRightTheSquareSitsAgainstTheRightEdge) {
    wide->setAlignment(TBevelCheck::taRight);
    const QImage image = grabbed(*wide);
    EXPECT_TRUE(pixelIs(image, 81 - 12, 6, high));
    EXPECT_TRUE(pixelIs(image, 81 - 1, 6, low));
    EXPECT_TRUE(pixelIs(image, 1, 6, clPaleYellow));
}

TEST_F(BevelCheckTest, ScreenReadersReadACheckBoxWithItsState) {
    box->setAccessibleName(QStringLiteral("Équation C + O2"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::CheckBox);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Équation C + O2"));
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("non coché"));
    EXPECT_FALSE(a->state().checked);
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(a->state().checked);
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("coché"));
    wide->setCaption(QStringLiteral("&Fichier"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(wide)->text(QAccessible::Name),
              QStringLiteral("Fichier"));
}

} // namespace
