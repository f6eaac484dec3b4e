#pragma once
// A timer as the windows use it: Enabled switches it on and off (switching on a running timer changes
// nothing; switching on a stopped one starts its period now), and every tick runs OnTimer inside the
// error guard.

#include "framework/Events.h"

#include <QObject>
#include <QTimer>

#include <exception>

namespace framework {

class TTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
public:
    explicit TTimer(QObject* parent = nullptr);

    bool enabled() const { return timer_.isActive(); }
    void setEnabled(bool enabled);
    int interval() const { return timer_.interval(); }
    void setInterval(int milliseconds);

    NotifyEvent OnTimer;

private:
    QTimer timer_;
};

// Switches a run off when the step it guards fails: the failure would come back at every tick. The
// failure itself goes on to the error guard, which shows it once.
class StopTimerOnFailure {
public:
    explicit StopTimerOnFailure(TTimer& timer)
        : timer_(timer) {}
    StopTimerOnFailure(const StopTimerOnFailure&) = delete;
    StopTimerOnFailure& operator=(const StopTimerOnFailure&) = delete;
    ~StopTimerOnFailure() {
        if (std::uncaught_exceptions() > failuresAtStart_) {
            timer_.setEnabled(false);
        }
    }

private:
    TTimer& timer_;
    int failuresAtStart_ = std::uncaught_exceptions();
};

} // namespace framework
