#pragma once
// The shapes of the events our controls and wrappers raise. An unassigned event is skipped.

#include <QObject>

#include <functional>
#include <utility>

namespace framework {

// A callback receiving the sender.
using NotifyEvent = std::function<void(QObject* sender)>;

// Raises an event when a handler is assigned.
template <class Event, class... Args> void raiseEvent(const Event& event, Args&&... args) {
    if (event) {
        event(std::forward<Args>(args)...);
    }
}

} // namespace framework
