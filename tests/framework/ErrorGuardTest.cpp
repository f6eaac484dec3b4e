#include "framework/ErrorGuard.h"
#include "framework/Menu.h"
#include "framework/Timer.h"
#include "model/Failure.h"
#include "support/Eventually.h"
#include "support/WidgetTestMain.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using testing_support::ErrorBoxRecorder;

struct TextCase {
    const char* name;
    const char* message;
    const char* shown;
};

class ErrorBoxText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxText, FullStopAfterCharactersThatSortAfterThePoint) {
    EXPECT_EQ(framework::errorBoxText(QString::fromUtf8(GetParam().message)),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxText,
    ::testing::Values(TextCase{"Letter", "'1-2' n'est pas une valeur en virgule flottante correcte",
                               "'1-2' n'est pas une valeur en virgule flottante correcte."},
                      TextCase{"AlreadyAStop", "Fini.", "Fini."}, TextCase{"Exclamation", "Stop!", "Stop!"},
                      TextCase{"Parenthesis", "(mol)", "(mol)"}, TextCase{"Comma", "a,", "a,"},
                      TextCase{"Digit", "Minimum 0", "Minimum 0."}, TextCase{"Slash", "a/", "a/."},
                      TextCase{"Accent", "entière", "entière."}, TextCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A pasted page quoted in a conversion message: the box keeps the message's two ends, and a cut never
// separates the halves of a character outside the basic plane.
TEST(ErrorBoxTextLength, AHugeQuotedTextIsShortenedInTheMiddle) {
    const QString tail = QStringLiteral("' n'est pas une valeur en virgule flottante correcte");
    const QString message = QLatin1Char('\'') + QString(5000, QLatin1Char('9')) + tail;
    const QString shown = framework::errorBoxText(message);
    EXPECT_LE(shown.size(), 400);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("'999"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(tail + QLatin1Char('.'))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral(" […] ")));

    const QString clef = QStringLiteral("\U0001D11E"); // two UTF-16 units
    QString astral;
    for (int i = 0; i < 300; ++i) {
        astral += clef;
    }
    for (const QString& text : {astral, QLatin1Char('x') + astral}) {
        const QString cut = framework::errorBoxText(text);
        for (qsizetype i = 0; i < cut.size(); ++i) {
            if (cut.at(i).isHighSurrogate()) {
                ASSERT_TRUE(i + 1 < cut.size() && cut.at(i + 1).isLowSurrogate()) << i;
            } else {
                ASSERT_FALSE(cut.at(i).isLowSurrogate() && (i == 0 || !cut.at(i - 1).isHighSurrogate())) << i;
            }
        }
    }
    EXPECT_EQ(framework::errorBoxText(QString(400, QLatin1Char('a'))),
              QString(400, QLatin1Char('a')) + QLatin1Char('.'));
}

class ErrorGuard : public ::testing::Test {
protected:
    void SetUp() override { ErrorBoxRecorder::clear(); }
};

TEST_F(ErrorGuard, FailureInASlotIsShownOnceAndTheProgramGoesOn) {
    QPushButton button(QStringLiteral("Valider"));
    int after = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, framework::guard([&] {
        throw model::ConversionError("'x' n'est pas une valeur entière correcte");
    }));
    QObject::connect(&button, &QPushButton::clicked, &button, [&] { ++after; });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(ErrorBoxRecorder::messages(),
              QStringList{QStringLiteral("'x' n'est pas une valeur entière correcte.")});
    EXPECT_EQ(after, 1); // the click's other receivers still ran
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(ErrorBoxRecorder::messages().size(), 2);
}

TEST_F(ErrorGuard, FailureInATimerTickAndAMenuActionIsShown) {
    framework::TTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    timer.OnTimer = [&](QObject*) {
        ++ticks;
        timer.setEnabled(false);
        throw model::Failure("tic");
    };
    timer.setEnabled(true);
    ASSERT_EVENTUALLY_EQ(ticks, 1);
    QMenu menu;
    QAction* item = framework::addMenuItem(
        menu.addMenu(QStringLiteral("Taille")), QStringLiteral("N1"), QStringLiteral("1"),
        [] { throw std::runtime_error("menu"); }, true);
    item->trigger();
    EXPECT_EQ(item->objectName(), QStringLiteral("N1"));
    EXPECT_EQ(ErrorBoxRecorder::messages(), (QStringList{QStringLiteral("tic."), QStringLiteral("menu.")}));
}

TEST_F(ErrorGuard, OutOfMemoryIsToldInFrench) {
    framework::guarded([] { throw std::bad_alloc(); });
    EXPECT_EQ(ErrorBoxRecorder::messages(), QStringList{QStringLiteral("Mémoire insuffisante.")});
}

TEST_F(ErrorGuard, TheBoxShowsMarkupInTheMessageAsTyped) {
    // Conversion messages quote what the pupil typed, tags and all.
    const QString message = QStringLiteral(
        "'<b>2</b><FONT color=\"#zzzzzz\">x</font>' n'est pas une valeur en virgule flottante correcte");
    testing_support::RealErrorBoxes realBoxes;
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        auto* label = box != nullptr ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr;
        if (label == nullptr) {
            return;
        }
        answer.stop();
        format = label->textFormat();
        shown = label->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    answer.start();
    framework::showErrorBox(message);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, message + QLatin1Char('.'));
}

} // namespace
