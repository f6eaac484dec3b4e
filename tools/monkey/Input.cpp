#include "Input.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

// QtGui's entry points for synthetic window-system input, the ones QTest itself uses. QTest's own
// wrappers for windows call processEvents() after every event, which would run the storm's next tick
// inside this one; these deliver synchronously and return.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);
QT_END_NAMESPACE

namespace monkey {

namespace {

// Longer than any double-click interval, so that two separate clicks never make a double click.
constexpr int clickGap = 1000;

} // namespace

Input::Input(HandlingMeter& meter, ErrorWatch& errors)
    : meter_(meter)
    , errors_(errors) {}

void Input::measured(const char* what, const std::function<void()>& inject) {
    const std::string kind = kind_ + "/" + what;
    errors_.beginEvent(kind);
    const HandlingClock::Token token = meter_.clock.begin();
    inject();
    QCoreApplication::sendPostedEvents();
    meter_.add(kind, meter_.clock.end(token));
    errors_.endEvent();
}

void Input::mouse(QWidget* window, QPoint pos, Qt::MouseButtons state, Qt::MouseButton button, int type,
                  Qt::KeyboardModifiers modifiers) {
    QPointer<QWindow> handle = window != nullptr ? window->windowHandle() : nullptr;
    if (handle.isNull()) {
        return;
    }
    const QPointF global = handle->mapToGlobal(QPointF(pos));
    qt_handleMouseEvent(handle, QPointF(pos), global, state, button, static_cast<QEvent::Type>(type),
                        modifiers, timestamp_);
}

void Input::press(QWidget* window, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    timestamp_ += 5;
    measured("press", [&] { mouse(window, pos, button, button, QEvent::MouseButtonPress, modifiers); });
}

void Input::release(QWidget* window, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    timestamp_ += 5;
    measured("release",
             [&] { mouse(window, pos, Qt::NoButton, button, QEvent::MouseButtonRelease, modifiers); });
    timestamp_ += clickGap;
}

void Input::move(QWidget* window, QPoint pos, Qt::MouseButtons held) {
    timestamp_ += 5;
    measured("move", [&] { mouse(window, pos, held, Qt::NoButton, QEvent::MouseMove, {}); });
}

void Input::click(QWidget* window, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    QPointer<QWidget> guard(window);
    press(window, pos, button, modifiers);
    if (!guard.isNull()) {
        release(window, pos, button, modifiers);
    }
}

void Input::doubleClick(QWidget* window, QPoint pos, Qt::MouseButton button) {
    // Press, release, press within the double-click interval: QtGui turns the second press into a
    // double click, as it does for a user.
    QPointer<QWidget> guard(window);
    for (int i = 0; i < 2 && !guard.isNull(); ++i) {
        timestamp_ += 5;
        measured("press", [&] { mouse(window, pos, button, button, QEvent::MouseButtonPress, {}); });
        if (guard.isNull()) {
            break;
        }
        timestamp_ += 5;
        measured("release",
                 [&] { mouse(window, pos, Qt::NoButton, button, QEvent::MouseButtonRelease, {}); });
    }
    timestamp_ += clickGap;
}

void Input::wheel(QWidget* window, QPoint pos, QPoint angleDelta, Qt::KeyboardModifiers modifiers) {
    if (window == nullptr) {
        return;
    }
    QWidget* target = window->childAt(pos);
    if (target == nullptr) {
        target = window;
    }
    const QPoint local = target->mapFrom(window, pos);
    measured("wheel", [&] {
        QWheelEvent event(QPointF(local), QPointF(target->mapToGlobal(local)), QPoint(), angleDelta,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        // Spontaneous, so that QApplication passes an ignored wheel on to the parents as for a user.
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::sendEvent(target, &event);
    });
}

void Input::key(QWidget* window, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QPointer<QWindow> handle = window != nullptr ? window->windowHandle() : nullptr;
    if (handle.isNull()) {
        return;
    }
    measured("key", [&] { qt_handleKeyEvent(handle, QEvent::KeyPress, key, modifiers, text, false, 1); });
    if (!handle.isNull()) {
        measured("keyup",
                 [&] { qt_handleKeyEvent(handle, QEvent::KeyRelease, key, modifiers, text, false, 1); });
    }
}

void Input::closeBox(QWidget* window) {
    QPointer<QWindow> handle = window != nullptr ? window->windowHandle() : nullptr;
    if (handle.isNull()) {
        return;
    }
    // A close event sent to the window is what the window system's close box delivers: the widget
    // handles it as a spontaneous close.
    measured("closebox", [&] {
        QCloseEvent event;
        QCoreApplication::sendEvent(handle, &event);
    });
}

void Input::closeCall(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    measured("close", [&] { window->close(); });
}

void Input::activate(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    measured("activate", [&] { window->activateWindow(); });
}

} // namespace monkey
