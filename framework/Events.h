#pragma once
// The shapes of the events our controls and wrappers raise. An unassigned event is skipped.

#include <QObject>

#include <functional>

namespace framework {

// A callback receiving the sender.
using NotifyEvent = std::function<void(QObject* sender)>;

inline void raiseEvent(const NotifyEvent& event, QObject* sender) {
    if (event) {
        event(sender);
    }
}

} // namespace framework
