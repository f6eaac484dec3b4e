#pragma once
// The storm's hands: input events handed to the program as the window system hands them (through
// QtGui's window-system entry points, so that popups, mouse grabs, modality, double-click detection,
// enter and leave, shortcuts and focus routing all run as they do for a user). Each event is measured
// from its injection until it and every event it posted have been handled.

#include "HandlingMeter.h"
#include "Watchers.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace monkey {

class Input {
public:
    // Each event is one event for the error watch too: its messages are counted together.
    Input(HandlingMeter& meter, ErrorWatch& errors);

    // Positions are in the coordinates of the top-level window.
    void press(QWidget* window, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
    void release(QWidget* window, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
    void move(QWidget* window, QPoint pos, Qt::MouseButtons held = Qt::NoButton);
    void click(QWidget* window, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
    void doubleClick(QWidget* window, QPoint pos, Qt::MouseButton button);
    void wheel(QWidget* window, QPoint pos, QPoint angleDelta, Qt::KeyboardModifiers modifiers = {});
    // Press and release, the text being what the key types (empty for a key that types nothing).
    void key(QWidget* window, int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {});
    // The title bar's close box.
    void closeBox(QWidget* window);
    // The program's own close(), as a handler calls it.
    void closeCall(QWidget* window);
    // Asks the window system to make the window active, as a click on its title bar does.
    void activate(QWidget* window);
    // Anything else the storm makes the program do, measured the same way.
    void call(const char* what, const std::function<void()>& action) { measured(what, action); }

    // Handling times are filed under this kind of event.
    void setKind(std::string kind) { kind_ = std::move(kind); }

private:
    void measured(const char* what, const std::function<void()>& inject);
    void mouse(QWidget* window, QPoint pos, Qt::MouseButtons state, Qt::MouseButton button, int type,
               Qt::KeyboardModifiers modifiers);

    HandlingMeter& meter_;
    ErrorWatch& errors_;
    std::string kind_ = "input";
    int timestamp_ = 1;
};

} // namespace monkey
