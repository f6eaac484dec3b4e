#pragma once
// Every place where Qt calls into program code (an event handler, a slot, a timer tick, a menu action)
// runs its body inside guarded(): a failure stops the handler, the application's error box shows its
// message, and Qt's own frames never see an exception.

#include <QString>

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace framework {

// The message as the error box shows it: a full stop is appended when its last character sorts
// after ".".
QString errorBoxText(const QString& message);

// Shows the application's error box (caption = application title, error icon, OK). While one box is
// open, further messages are dropped, so that a failure repeated by a timer never stacks boxes.
void showErrorBox(const QString& message);

// Tests and the random-input storm record messages instead of opening a box. Pass an empty function to
// restore the box.
using ErrorRecorder = std::function<void(const QString& text)>;
void setErrorRecorder(ErrorRecorder recorder);

// Thrown when the user stops long work with "Annuler": whatever the work had begun is undone as the
// exception unwinds (a file being written is dropped), and the guard shows nothing, since nothing failed.
class WorkCancelled {};

void reportException(std::exception_ptr error) noexcept;

template <class Body> void guarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        reportException(std::current_exception());
    }
}

// A callable for connect(): the handler, run inside guarded(). A handler that takes no arguments may be
// connected to a signal that has some.
template <class Handler> auto guard(Handler handler) {
    return [handler = std::move(handler)](auto&&... args) {
        guarded([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>) {
                handler(std::forward<decltype(args)>(args)...);
            } else {
                handler();
            }
        });
    };
}

} // namespace framework
