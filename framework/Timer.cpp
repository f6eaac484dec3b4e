#include "framework/Timer.h"

#include "framework/ErrorGuard.h"

namespace framework {

TTimer::TTimer(QObject* parent)
    : QObject(parent) {
    timer_.setInterval(1000);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { guarded([this] { raiseEvent(OnTimer, this); }); });
}

void TTimer::setEnabled(bool enabled) {
    if (enabled == timer_.isActive()) {
        return;
    }
    if (enabled) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void TTimer::setInterval(int milliseconds) {
    timer_.setInterval(milliseconds);
}

} // namespace framework
