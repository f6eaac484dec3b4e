#include "ControlsTestSupport.h"
#include "support/Eventually.h"

#include "controls/FloatSpinEdit.h"
#include "controls/Spin.h"
#include "framework/LocaleText.h"
#include "support/WidgetTestMain.h"

#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>

#include <stdexcept>

using controls::TFloatSpinEdit;
using controls_test::BeepCounter;
using controls_test::HostWindow;
using testing_support::ErrorBoxRecorder;

namespace {

class FloatSpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ErrorBoxRecorder::clear();
        edit = new TFloatSpinEdit(host.widget());
        edit->setObjectName(QStringLiteral("MaskEdit11i"));
        edit->setGeometry(10, 10, 65, 22);
        other = new QLineEdit(host.widget());
        other->setGeometry(100, 10, 80, 22);
        edit->OnChange = [this](QObject* sender) {
            EXPECT_EQ(sender, edit);
            changes << edit->text();
        };
        ASSERT_TRUE(host.show());
    }

    // The main window's quantity fields: 0 to 50 by steps of 0.1, starting at 5.
    void useQuantitySettings() {
        edit->setIncrement(0.1);
        edit->setMinValue(0);
        edit->setMaxValue(50);
        edit->setValue(5);
        changes.clear();
    }

    void focusEdit() {
        edit->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(edit->hasFocus());
    }
    void leaveEdit() {
        other->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(other->hasFocus());
    }
    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    QPoint upButtonCentre() const {
        const QWidget* up = edit->spinButton()->upButton();
        return up->rect().center();
    }

    HostWindow host;
    TFloatSpinEdit* edit = nullptr;
    QLineEdit* other = nullptr;
    QStringList changes;
    BeepCounter beeps;
};

TEST_F(FloatSpinEditTest, StartsWithATextThatIsNoNumberInACommaLocale) {
    EXPECT_EQ(edit->text(), QStringLiteral("0.0"));
    EXPECT_EQ(edit->increment(), 1.0);
    EXPECT_EQ(edit->minValue(), 0.0);
    EXPECT_EQ(edit->maxValue(), 0.0);
    EXPECT_TRUE(edit->editorEnabled());
    EXPECT_EQ(edit->value(), 0.0);
    EXPECT_EQ(edit->property("Value").toDouble(), 0.0);
}

TEST_F(FloatSpinEditTest, WithoutBoundsStepsBelowZeroAndNeverClamps) {
    edit->setIncrement(0.1);
    edit->setValue(0);
    changes.clear();
    edit->stepDown();
    edit->stepDown();
    EXPECT_EQ(changes, (QStringList{QStringLiteral("-0,1"), QStringLiteral("-0,2")}));
    edit->setValue(1e6);
    EXPECT_EQ(edit->text(), QStringLiteral("1000000"));
}

TEST_F(FloatSpinEditTest, StepUpStopsAtTheUpperBound) {
    useQuantitySettings();
    edit->setValue(49.95);
    edit->stepUp();
    EXPECT_EQ(edit->text(), QStringLiteral("50"));
    changes.clear();
    edit->stepUp();
    EXPECT_TRUE(changes.isEmpty()) << "a step that changes no text raises nothing";
    edit->setValue(-3);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
}

TEST_F(FloatSpinEditTest, RepeatedStepsShowNoResidue) {
    useQuantitySettings();
    edit->setValue(0);
    for (int i = 0; i < 3; ++i) {
        edit->stepUp();
    }
    EXPECT_EQ(edit->text(), QStringLiteral("0,3"));
}

TEST_F(FloatSpinEditTest, WritingTheShownValueRaisesNothing) {
    useQuantitySettings();
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    edit->setValue(5);
    edit->setText(QStringLiteral("5"));
    EXPECT_TRUE(changes.isEmpty());
    edit->setValue(5.1);
    EXPECT_EQ(changes, QStringList{QStringLiteral("5,1")});
}

TEST_F(FloatSpinEditTest, SignsAreAcceptedAnywhereAndLeavingNormalises) {
    useQuantitySettings();
    focusEdit();
    edit->setCursorPosition(1);
    QTest::keyClicks(edit, QStringLiteral("-+"));
    EXPECT_EQ(edit->text(), QStringLiteral("5-+"));
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(edit->value(), 0.0) << "no number reads as MinValue";
    leaveEdit();
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
}

struct RefusedChar {
    const char* name;
    Qt::Key key;
    const char* text;
};

class RefusedCharTest : public FloatSpinEditTest, public ::testing::WithParamInterface<RefusedChar> {};

TEST_P(RefusedCharTest, BeepsAndIsDropped) {
    useQuantitySettings();
    focusEdit();
    edit->end(false);
    QTest::sendKeyEvent(QTest::Click, edit, GetParam().key, QString::fromUtf8(GetParam().text), {});
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_TRUE(changes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Filter, RefusedCharTest,
                         ::testing::Values(RefusedChar{"letter", Qt::Key_A, "a"},
                                           RefusedChar{"exponent", Qt::Key_E, "E"},
                                           RefusedChar{"blank", Qt::Key_Space, " "},
                                           RefusedChar{"otherSeparator", Qt::Key_Period, "."},
                                           RefusedChar{"accentedLetter", Qt::Key_Eacute, "é"},
                                           RefusedChar{"degree", Qt::Key_degree, "°"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FloatSpinEditTest, TypedDigitsAndTheLocaleSeparatorGoIn) {
    useQuantitySettings();
    focusEdit();
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral(",25"));
    EXPECT_EQ(edit->text(), QStringLiteral("5,25"));
    EXPECT_EQ(changes.size(), 3);
    EXPECT_EQ(edit->value(), 5.25);
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(FloatSpinEditTest, EnterNormalisesTheTextAndBeeps) {
    useQuantitySettings();
    focusEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("05,50"));
    changes.clear();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), QStringLiteral("5,5"));
    EXPECT_EQ(changes, QStringList{QStringLiteral("5,5")});
    EXPECT_EQ(beeps.count(), 1);
}

TEST_F(FloatSpinEditTest, ArrowKeysStep) {
    useQuantitySettings();
    focusEdit();
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(changes, (QStringList{QStringLiteral("5,1"), QStringLiteral("5,2"), QStringLiteral("5,1")}));
}

TEST_F(FloatSpinEditTest, PastedLettersReadAsMinValueAndBecomeItOnLeaving) {
    useQuantitySettings();
    focusEdit();
    edit->selectAll();
    paste(QStringLiteral("abc"));
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(edit->value(), 0.0);
    leaveEdit();
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    EXPECT_EQ(changes, (QStringList{QStringLiteral("abc"), QStringLiteral("0")}));
    EXPECT_EQ(beeps.count(), 0);
}

class PastedNonNumberTest : public FloatSpinEditTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PastedNonNumberTest, NeverReadsAsNanOrInfinity) {
    useQuantitySettings();
    edit->setMinValue(2);
    focusEdit();
    edit->selectAll();
    paste(QString::fromUtf8(GetParam()));
    EXPECT_EQ(edit->value(), 2.0);
    leaveEdit();
    EXPECT_EQ(edit->text(), QStringLiteral("2"));
}

INSTANTIATE_TEST_SUITE_P(Paste, PastedNonNumberTest,
                         ::testing::Values("nan", "inf", "-inf", "1e400", "1,5x", " "));

TEST_F(FloatSpinEditTest, AnOverlongPasteIsRefusedWithTheBeep) {
    useQuantitySettings();
    focusEdit();
    edit->selectAll();
    paste(QString(TFloatSpinEdit::maxPasteLength + 1, QLatin1Char('1')));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    EXPECT_EQ(beeps.count(), 1);
    paste(QString(TFloatSpinEdit::maxPasteLength, QLatin1Char('1')));
    EXPECT_EQ(edit->text().size(), TFloatSpinEdit::maxPasteLength);
    EXPECT_EQ(beeps.count(), 1);
}

TEST_F(FloatSpinEditTest, ALockedEditorRefusesTypingAndPasteButStillSteps) {
    useQuantitySettings();
    edit->setEditorEnabled(false);
    focusEdit();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_7);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(beeps.count(), 2);
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    paste(QStringLiteral("12"));
    edit->paste();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    EXPECT_EQ(beeps.count(), 2) << "paste and cut are ignored silently";
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::mouseClick(edit->spinButton()->upButton(), Qt::LeftButton, {}, upButtonCentre());
    EXPECT_EQ(edit->text(), QStringLiteral("5,2"));
}

TEST_F(FloatSpinEditTest, AReadOnlyFieldBeepsOnEveryStep) {
    useQuantitySettings();
    edit->setReadOnly(true);
    focusEdit();
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::mouseClick(edit->spinButton()->upButton(), Qt::LeftButton, {}, upButtonCentre());
    EXPECT_EQ(beeps.count(), 3);
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    paste(QStringLiteral("7"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
}

TEST_F(FloatSpinEditTest, HoldingAnArrowRepeatsAfter400msThenEvery100ms) {
    useQuantitySettings();
    QElapsedTimer clock;
    QList<qint64> times;
    edit->OnChange = [&](QObject*) { times << clock.elapsed(); };
    QWidget* up = edit->spinButton()->upButton();
    clock.start();
    QTest::mousePress(up, Qt::LeftButton, {}, upButtonCentre());
    EXPECT_TRUE(times.isEmpty()) << "a press alone does not step";
    ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(times.size(), 7, 5000);
    const qsizetype repeats = times.size();
    QTest::mouseRelease(up, Qt::LeftButton, {}, upButtonCentre());
    EXPECT_EQ(times.size(), repeats + 1) << "the release over the button steps once more";
    EXPECT_GE(repeats, 7);
    EXPECT_EQ(edit->value(), 5 + 0.1 * double(repeats + 1));
    EXPECT_EQ(edit->text(), framework::textG15(5 + 0.1 * double(repeats + 1)));
    // Qt's coarse timers may fire up to 5 % early.
    EXPECT_GE(times[0], 380);
    for (qsizetype i = 1; i < repeats; ++i) {
        EXPECT_GE(times[i] - times[i - 1], 90);
    }
    EXPECT_FALSE(edit->spinButton()->upButton()->isRepeating());
}

TEST_F(FloatSpinEditTest, PressingAnArrowFocusesTheFieldWithItsTextSelectedAndAShortClickStepsOnce) {
    useQuantitySettings();
    other->setFocus();
    QWidget* down = edit->spinButton()->downButton();
    QTest::mousePress(down, Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("5"));
    QTest::mouseRelease(down, Qt::LeftButton);
    EXPECT_EQ(changes, QStringList{QStringLiteral("4,9")});
}

TEST_F(FloatSpinEditTest, AFailingChangeHandlerStopsTheRepeatAndIsShownOnce) {
    useQuantitySettings();
    int calls = 0;
    edit->OnChange = [&](QObject*) {
        if (++calls == 2) {
            throw std::runtime_error("'x' n'est pas une valeur entière correcte");
        }
    };
    auto* up = edit->spinButton()->upButton();
    QTest::mousePress(up, Qt::LeftButton, {}, upButtonCentre());
    ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(ErrorBoxRecorder::messages().size(), 1, 3000);
    EXPECT_EQ(ErrorBoxRecorder::messages().front(),
              QStringLiteral("'x' n'est pas une valeur entière correcte."));
    EXPECT_FALSE(up->isRepeating());
    EXPECT_FALSE(up->isDown());
    QTest::qWait(350);
    QTest::mouseRelease(up, Qt::LeftButton, {}, upButtonCentre());
    EXPECT_EQ(calls, 2) << "neither a tick nor the release clicks after the failure";
    EXPECT_EQ(ErrorBoxRecorder::messages().size(), 1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    // The button works again at the next press.
    QTest::mouseClick(up, Qt::LeftButton, {}, upButtonCentre());
    EXPECT_EQ(calls, 3);
}

TEST_F(FloatSpinEditTest, IsNeverLowerThanItsFontNeeds) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    edit->setFont(font);
    const int cell = QFontMetrics(font).height();
    const int system = QFontMetrics(QFont(QStringLiteral("System"))).height();
    EXPECT_EQ(edit->minimumHeight(), cell + std::min(cell, system) / 4 + 4 + 2);
    edit->resize(65, 10);
    EXPECT_EQ(edit->height(), edit->minimumHeight());
}

struct ButtonPlacement {
    int fieldHeight;
    QRect spin;
    QRect up;
    QRect down;
};

class SpinButtonPlacementTest : public FloatSpinEditTest,
                                public ::testing::WithParamInterface<ButtonPlacement> {};

TEST_P(SpinButtonPlacementTest, ButtonsSitInsideTheRightEdgeAndSplitWithOneSharedRow) {
    const ButtonPlacement& p = GetParam();
    edit->setGeometry(10, 10, 65, p.fieldHeight);
    EXPECT_EQ(edit->spinButton()->geometry(), p.spin);
    EXPECT_EQ(edit->spinButton()->upButton()->geometry(), p.up);
    EXPECT_EQ(edit->spinButton()->downButton()->geometry(), p.down);
    // The text stops two pixels short of the buttons.
    const QRect textArea = edit->rect().marginsRemoved(edit->textMargins());
    EXPECT_EQ(textArea.right() + 1, 2 + (65 - 4) - 15 - 2);
    EXPECT_LT(textArea.right(), edit->spinButton()->x());
}

// The frame is two pixels wide: the buttons' place inside it is 5 pixels from the field's right edge.
INSTANTIATE_TEST_SUITE_P(
    Heights, SpinButtonPlacementTest,
    ::testing::Values(ButtonPlacement{22, {47, 2, 15, 17}, {0, 0, 15, 8}, {0, 7, 15, 10}},
                      ButtonPlacement{30, {47, 2, 15, 25}, {0, 0, 15, 12}, {0, 11, 15, 14}}));

TEST_F(FloatSpinEditTest, LongTextNeverRunsUnderTheButtons) {
    QPalette p = edit->palette();
    p.setColor(QPalette::Text, Qt::white);
    edit->setPalette(p);
    edit->setColor(framework::clTeal);
    edit->setText(QStringLiteral("123456789012345678"));
    edit->home(false);
    const QImage image = controls_test::grabbed(*edit);
    // Between the text area and the buttons only the teal background shows.
    for (int x = 2 + 61 - 17; x < edit->spinButton()->x(); ++x) {
        for (int y = 2; y < 20; ++y) {
            ASSERT_TRUE(controls_test::pixelIs(image, x, y, framework::clTeal));
        }
    }
}

// A spin field whose value is the number and whose text is what it shows, which Orca speaks as it changes.
TEST_F(FloatSpinEditTest, ScreenReadersReadASpinFieldWithItsValueAndText) {
    edit->setAccessibleName(QStringLiteral("Quantité initiale du réactif 1"));
    useQuantitySettings();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(edit);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::SpinBox);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Quantité initiale du réactif 1"));
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("5"));
    ASSERT_NE(a->valueInterface(), nullptr);
    a->valueInterface()->setCurrentValue(2.5);
    EXPECT_DOUBLE_EQ(a->valueInterface()->currentValue().toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(a->valueInterface()->minimumStepSize().toDouble(), 0.1);
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()), QStringLiteral("2,5"));
    edit->setValue(5);
    QAccessibleInterface* up = QAccessible::queryAccessibleInterface(edit->spinButton()->upButton());
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->text(QAccessible::Name), QStringLiteral("Augmenter"));
    up->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(edit->text(), QStringLiteral("5,1"));
}

} // namespace
