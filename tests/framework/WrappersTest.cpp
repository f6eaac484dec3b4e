#include "framework/Edit.h"
#include "framework/LocaleText.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"
#include "model/Failure.h"
#include "support/Eventually.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(TrackBar, ProgramAndUserChangesRaiseTheSameEventOnlyOnARealChange) {
    framework::TTrackBar bar;
    bar.setRange(0, 100);
    bar.setSingleStep(10);
    QList<int> seen;
    bar.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &bar);
        seen << bar.position();
    };
    bar.setPosition(0); // unchanged
    EXPECT_TRUE(seen.isEmpty());
    bar.setPosition(37);
    EXPECT_EQ(seen, QList<int>{37});
    bar.show();
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_Right);
    EXPECT_EQ(seen, (QList<int>{37, 47}));
    bar.setPosition(500); // clamped to the maximum
    EXPECT_EQ(bar.position(), 100);
}

TEST(TrackBar, ANestedChangeRunsBeforeTheSetterReturns) {
    framework::TTrackBar bar;
    bar.setRange(0, 100);
    QList<int> seen;
    bar.OnChange = [&](QObject*) {
        seen << bar.position();
        if (bar.position() == 60) {
            bar.setPosition(0); // as an initial-quantity change resets the slider
        }
    };
    bar.setPosition(60);
    seen << -1;
    EXPECT_EQ(seen, (QList<int>{60, 0, -1}));
}

TEST(Timer, EnablingARunningTimerKeepsItsPeriod) {
    framework::TTimer timer;
    timer.setInterval(100);
    EXPECT_FALSE(timer.enabled());
    int ticks = 0;
    timer.OnTimer = [&](QObject*) { ++ticks; };
    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    QTest::qWait(60);
    timer.setEnabled(true); // changes nothing: the tick still comes at about 100 ms
    ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(ticks, 1, 1000);
    EXPECT_LT(clock.elapsed(), 155);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.enabled());
}

TEST(Edit, ProgramWritesRaiseOnChangeOnlyForANewText) {
    framework::TEdit edit;
    int changes = 0;
    edit.OnChange = [&](QObject*) { ++changes; };
    edit.setText(QStringLiteral("0"));
    edit.setText(QStringLiteral("0"));
    EXPECT_EQ(changes, 1);
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("12"));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit.text(), QStringLiteral("012"));
}

TEST(LocaleText, FrenchSeparatorsComeFromQLocale) {
    const model::NumberLocale locale = framework::numberLocale();
    EXPECT_EQ(locale.decimal, ",");
    EXPECT_EQ(framework::textF3(1234.5), QStringLiteral("1\u202F234,500"));
    EXPECT_EQ(framework::textG15(0.37), QStringLiteral("0,37"));
    EXPECT_EQ(framework::textMark(1.2346), QStringLiteral("1,235"));
    EXPECT_DOUBLE_EQ(framework::strictReal(QStringLiteral("2,5")), 2.5);
    EXPECT_DOUBLE_EQ(framework::lenientReal(QStringLiteral("abc"), 0.0), 0.0);
    EXPECT_THROW(framework::strictReal(QStringLiteral("2.5")), model::ConversionError);
}

} // namespace
