#include "ProgramTimers.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimerEvent>

#include <algorithm>

// QtCore's hooks for tools that follow every object's life (qhooks_p.h): the table's entries 3 and 4
// are the functions called at the end of each QObject's constructor and at the start of its destructor.
QT_BEGIN_NAMESPACE
extern Q_CORE_EXPORT quintptr qtHookData[];
QT_END_NAMESPACE

namespace monkey {

namespace {

constexpr int addObjectHook = 3;
constexpr int removeObjectHook = 4;
using ObjectHook = void (*)(QObject*);

// The hooks are plain function pointers: they reach the one instance through this.
ProgramTimers* instance = nullptr;
quintptr previousAdd = 0;
quintptr previousRemove = 0;

} // namespace

ProgramTimers::ProgramTimers(HandlingMeter& meter, ErrorWatch& errors, int stepMs)
    : meter_(meter)
    , errors_(errors)
    , stepMs_(stepMs) {
    QCoreApplication::instance()->installEventFilter(this);
    if (onStormClock()) {
        instance = this;
        previousAdd = qtHookData[addObjectHook];
        previousRemove = qtHookData[removeObjectHook];
        qtHookData[addObjectHook] = reinterpret_cast<quintptr>(&ProgramTimers::objectAdded);
        qtHookData[removeObjectHook] = reinterpret_cast<quintptr>(&ProgramTimers::objectRemoved);
    }
}

ProgramTimers::~ProgramTimers() {
    if (onStormClock()) {
        qtHookData[addObjectHook] = previousAdd;
        qtHookData[removeObjectHook] = previousRemove;
        instance = nullptr;
    }
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

void ProgramTimers::objectAdded(QObject* object) {
    // Objects of other threads are left alone: their timers are not the program's user interface.
    if (instance != nullptr && object->thread() == QCoreApplication::instance()->thread()) {
        instance->alive_.insert(object);
        instance->fresh_.push_back(object);
    }
    if (previousAdd != 0) {
        reinterpret_cast<ObjectHook>(previousAdd)(object);
    }
}

void ProgramTimers::objectRemoved(QObject* object) {
    if (instance != nullptr && instance->alive_.erase(object) > 0) {
        auto& timers = instance->timers_;
        timers.erase(std::remove_if(timers.begin(), timers.end(),
                                    [object](const Schedule& s) { return s.timer == object; }),
                     timers.end());
    }
    if (previousRemove != 0) {
        reinterpret_cast<ObjectHook>(previousRemove)(object);
    }
}

void ProgramTimers::classifyNewObjects() {
    // By now their constructors have finished, so their class can be asked.
    for (QObject* object : fresh_) {
        if (alive_.count(object) == 0) {
            continue;
        }
        auto* timer = qobject_cast<QTimer*>(object);
        if (timer != nullptr && !ours_.contains(timer)) {
            timers_.push_back({timer, 0, 0});
        } else {
            alive_.erase(object); // nothing more to know about it
        }
    }
    fresh_.clear();
}

void ProgramTimers::advance() {
    if (!onStormClock()) {
        return;
    }
    classifyNewObjects();
    now_ += stepMs_;
    // Copied: a tick may create or delete timers.
    const std::vector<Schedule> timers = timers_;
    for (const Schedule& planned : timers) {
        QPointer<QTimer> timer = planned.timer;
        const auto it = std::find_if(timers_.begin(), timers_.end(),
                                     [&](const Schedule& s) { return s.timer == planned.timer; });
        if (it == timers_.end() || timer.isNull()) {
            continue;
        }
        if (!timer->isActive()) {
            it->timerId = 0;
            continue;
        }
        if (it->timerId != timer->timerId()) {
            // Started since the last event: its first tick is one interval away.
            it->timerId = timer->timerId();
            it->due = now_ + std::max(timer->interval(), 1);
            continue;
        }
        if (now_ < it->due || delivering_.contains(timer)) {
            continue;
        }
        it->due = now_ + std::max(timer->interval(), 1);
        delivering_.insert(timer);
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
        delivering_.remove(planned.timer);
    }
}

bool ProgramTimers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Timer || ours_.contains(watched)) {
        return false;
    }
    auto* timer = qobject_cast<QTimer*>(watched);
    // A stale event of a restarted timer emits nothing, so it is no tick.
    if (timer == nullptr || static_cast<QTimerEvent*>(event)->timerId() != timer->timerId()) {
        return false;
    }
    if (onStormClock() && !delivering_.contains(timer) && alive_.count(timer) > 0) {
        return true; // the wall clock's tick: the storm's clock decides
    }
    hook(timer);
    if (!running_.contains(timer)) {
        running_.insert(timer, meter_.clock.begin());
        errors_.beginEvent("timer tick");
    }
    return false;
}

void ProgramTimers::hook(QTimer* timer) {
    if (hooked_.contains(timer)) {
        return;
    }
    hooked_.insert(timer);
    // Connected after the program's own connections, so it runs when they have returned.
    connect(timer, &QTimer::timeout, this, [this, timer] { tickEnded(timer); });
    connect(timer, &QObject::destroyed, this, [this, timer] {
        hooked_.remove(timer);
        tickEnded(timer);
    });
}

void ProgramTimers::tickEnded(QObject* timer) {
    const auto it = running_.find(timer);
    if (it == running_.end()) {
        return;
    }
    const HandlingClock::Token token = it.value();
    running_.erase(it);
    meter_.add("timer tick", meter_.clock.end(token));
    errors_.endEvent();
    ++ticks_;
}

} // namespace monkey
