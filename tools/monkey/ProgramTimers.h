#pragma once
// The program's timers (the simulation's Timer1 and Timer1zoom, the spin buttons' repeat), measured like
// injected events: each tick from its timer event until the last slot connected to timeout() (ours,
// connected after the program's) has returned.
//
// On the storm's clock (the default), their ticks no longer follow the wall clock: every storm event
// counts as a fixed number of milliseconds, and a timer started at event k with interval i ticks after
// the events k + i / step, k + 2 i / step... So the ticks fall between the same events in every run of a
// seed, however fast the machine or the build, and a failing run replays exactly. The timers are found
// through QtCore's object hooks (the ones object inspectors use): every QTimer of the user-interface
// thread but the storm's own. Qt's internal timers (cursor blink, tooltips, menu delays) keep the wall
// clock; none of them changes what the storm aims at.

#include "HandlingMeter.h"
#include "Watchers.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace monkey {

class ProgramTimers : public QObject {
    Q_OBJECT
public:
    // stepMs 0 leaves the timers on the wall clock.
    ProgramTimers(HandlingMeter& meter, ErrorWatch& errors, int stepMs);
    ~ProgramTimers() override;
    ProgramTimers(const ProgramTimers&) = delete;
    ProgramTimers& operator=(const ProgramTimers&) = delete;

    void ignore(QTimer* timer) { ours_.insert(timer); }
    // One storm event has passed: the storm's clock moves on and the timers that are due tick.
    void advance();

    std::size_t ticks() const { return ticks_; }
    bool onStormClock() const { return stepMs_ > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void objectAdded(QObject* object);
    static void objectRemoved(QObject* object);
    void classifyNewObjects();
    void hook(QTimer* timer);
    void tickEnded(QObject* timer);

    struct Schedule {
        QTimer* timer;
        int timerId = 0;      // a restarted timer gets a new schedule
        std::int64_t due = 0; // on the storm's clock, in milliseconds
    };

    HandlingMeter& meter_;
    ErrorWatch& errors_;
    int stepMs_;
    std::int64_t now_ = 0;
    QSet<QObject*> ours_;
    QSet<QObject*> hooked_;
    QHash<QObject*, HandlingClock::Token> running_;
    std::unordered_set<QObject*> alive_;
    std::vector<QObject*> fresh_;
    std::vector<Schedule> timers_; // in creation order, so that simultaneous ticks keep their order
    QSet<QObject*> delivering_;
    std::size_t ticks_ = 0;
};

} // namespace monkey
