// The storm's bookkeeping: handling times with nested loops taken out, percentiles, the crash log's
// ring, and the reproducibility of its random choices.

#include "Dice.h"
#include "EventLog.h"
#include "Garbage.h"
#include "HandlingClock.h"
#include "HandlingStats.h"

#include <QSet>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace monkey {
namespace {

using namespace std::chrono_literals;

class FakeTime {
public:
    HandlingClock::Now now() {
        return [this] { return Clock::time_point(t_); };
    }
    void pass(Clock::duration d) { t_ += d; }

private:
    Clock::duration t_{};
};

TEST(HandlingClock, MeasuresPlainHandling) {
    FakeTime time;
    HandlingClock clock(time.now());
    const auto token = clock.begin();
    time.pass(7ms);
    EXPECT_EQ(clock.end(token), 7ms);
    EXPECT_FALSE(clock.inside());
}

TEST(HandlingClock, TakesTheNestedLoopOutOfTheEventThatOpenedIt) {
    FakeTime time;
    HandlingClock clock(time.now());
    const auto click = clock.begin(); // a click that opens a modal window
    time.pass(4ms);                   // creating and showing it
    const auto inner1 = clock.begin();
    time.pass(3ms);
    EXPECT_EQ(clock.end(inner1), 3ms);
    time.pass(500ms); // the nested loop idles
    const auto inner2 = clock.begin();
    time.pass(2ms);
    EXPECT_EQ(clock.end(inner2), 2ms);
    time.pass(6ms); // the window closes and is released
    EXPECT_EQ(clock.end(click), 10ms);
}

TEST(HandlingClock, NestsSeveralLevels) {
    FakeTime time;
    HandlingClock clock(time.now());
    const auto outer = clock.begin();
    time.pass(1ms);
    const auto middle = clock.begin(); // inside the first modal window: opens a second one
    time.pass(2ms);
    const auto inner = clock.begin();
    time.pass(100ms);
    EXPECT_EQ(clock.end(inner), 100ms);
    time.pass(3ms);
    EXPECT_EQ(clock.end(middle), 5ms);
    time.pass(4ms);
    EXPECT_EQ(clock.end(outer), 5ms);
}

TEST(HandlingClock, DropsMeasurementsWhoseObjectDied) {
    FakeTime time;
    HandlingClock clock(time.now());
    const auto outer = clock.begin();
    time.pass(1ms);
    clock.begin(); // a timer tick that never reports its end
    time.pass(1ms);
    EXPECT_EQ(clock.end(outer), 1ms);
    EXPECT_EQ(clock.abandoned(), 1u);
    EXPECT_EQ(clock.end(12345), Clock::duration::zero());
}

TEST(HandlingStats, GivesPercentilesAndHistogramPerKind) {
    HandlingStats stats;
    for (int i = 1; i <= 100; ++i) {
        stats.add("click", std::chrono::milliseconds(i));
    }
    stats.add("key", 300ms);
    const HandlingStats::Summary click = stats.summary("click");
    EXPECT_EQ(click.count, 100u);
    EXPECT_DOUBLE_EQ(click.maxMs, 100);
    EXPECT_DOUBLE_EQ(click.p50Ms, 50);
    EXPECT_DOUBLE_EQ(click.p99Ms, 99);
    EXPECT_DOUBLE_EQ(stats.summary().maxMs, 300);
    EXPECT_EQ(stats.summary("nothing").count, 0u);
    const std::vector<std::size_t> h = stats.histogram();
    ASSERT_EQ(h.size(), HandlingStats::bucketBounds().size() + 1);
    EXPECT_EQ(h[0], 0u);     // below 1 ms
    EXPECT_EQ(h[1], 1u);     // 1 ms
    EXPECT_EQ(h.back(), 1u); // 300 ms
    std::size_t total = 0;
    for (const std::size_t n : h) {
        total += n;
    }
    EXPECT_EQ(total, 101u);
}

TEST(HandlingStats, NamesTheSlowestKind) {
    HandlingStats stats;
    EXPECT_EQ(stats.slowest().kind, "");
    EXPECT_DOUBLE_EQ(stats.slowest().ms, 0);
    stats.add("click", 20ms);
    stats.add("key", 35ms);
    stats.add("key", 2ms);
    stats.add("wheel", 30ms);
    EXPECT_EQ(stats.slowest().kind, "key");
    EXPECT_DOUBLE_EQ(stats.slowest().ms, 35);
}

TEST(Percentile, UsesTheNearestRank) {
    EXPECT_DOUBLE_EQ(percentile({}, 0.99), 0);
    EXPECT_DOUBLE_EQ(percentile({5}, 0.99), 5);
    EXPECT_DOUBLE_EQ(percentile({4, 1, 3, 2}, 0.5), 2);
    EXPECT_DOUBLE_EQ(percentile({4, 1, 3, 2}, 1.0), 4);
}

TEST(EventLog, KeepsTheLastEventsOldestFirst) {
    EventLog log(42);
    for (std::uint64_t i = 0; i < EventLog::capacity + 7; ++i) {
        log.record(i, "event " + std::to_string(i));
    }
    const std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), EventLog::capacity);
    EXPECT_EQ(lines.front(), "#7 event 7");
    EXPECT_EQ(lines.back(), "#56 event 56");
    EXPECT_EQ(log.lastIndex(), 56u);
}

TEST(EventLog, CutsLongDescriptions) {
    EventLog log(1);
    log.record(3, std::string(1000, 'x'));
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].size(), EventLog::lineLength - 1);
}

TEST(EventLog, DumpNamesTheSeedAndTheEvents) {
    EventLog log(987654321);
    log.record(11, "click L");
    log.record(12, "key Escape");
    char path[] = "/tmp/monkey-dump-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    log.dump(fd, "test");
    ::close(fd);
    std::FILE* f = std::fopen(path, "r");
    ASSERT_NE(f, nullptr);
    std::string text(4096, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), f));
    std::fclose(f);
    std::remove(path);
    EXPECT_NE(text.find("test at event #12, seed 987654321 (repeat with --seed 987654321 --events 13)"),
              std::string::npos)
        << text;
    EXPECT_LT(text.find("#11 click L"), text.find("#12 key Escape"));
}

TEST(Dice, RepeatsItsChoicesFromTheSeed) {
    Dice a(77), b(77), c(78);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const std::size_t x = a.below(1000);
        EXPECT_EQ(x, b.below(1000));
        differs = differs || x != c.below(1000);
    }
    EXPECT_TRUE(differs);
}

TEST(Dice, StaysInItsRanges) {
    Dice dice(5);
    for (int i = 0; i < 1000; ++i) {
        const int v = dice.between(-3, 4);
        EXPECT_GE(v, -3);
        EXPECT_LE(v, 4);
        const double u = dice.unit();
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
    }
    EXPECT_EQ(dice.below(0), 0u);
}

TEST(Dice, WeightsItsChoices) {
    Dice dice(9);
    std::vector<int> hits(3, 0);
    for (int i = 0; i < 10000; ++i) {
        ++hits[dice.weighted({1, 0, 3})];
    }
    EXPECT_EQ(hits[1], 0);
    EXPECT_NEAR(hits[2] / 10000.0, 0.75, 0.03);
}

TEST(Garbage, IsReproducibleAndVaried) {
    Dice a(3), b(3);
    QSet<QString> seen;
    bool longText = false;
    for (int i = 0; i < 400; ++i) {
        const QString typed = typedGarbage(a);
        EXPECT_EQ(typed, typedGarbage(b));
        EXPECT_LE(typed.size(), 48);
        seen.insert(typed);
        const QString pasted = pastedGarbage(a);
        EXPECT_EQ(pasted, pastedGarbage(b));
        longText = longText || pasted.size() > 64;
    }
    EXPECT_GT(seen.size(), 200);
    EXPECT_TRUE(longText);
}

} // namespace
} // namespace monkey
