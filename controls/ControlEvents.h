#pragma once
// The event types of the program's own controls. Events are plain std::function members named after the
// event (OnClick, OnChange...); an unassigned one is skipped. Mouse events receive the sender, the
// button, the shift state and the position in the sender's coordinates.

#include "framework/Events.h"

#include <QFlags>
#include <QObject>

#include <functional>
#include <optional>

class QMouseEvent;
class QKeyEvent;

namespace controls {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TShiftFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
Q_DECLARE_FLAGS(TShiftState, TShiftFlag)

using TNotifyEvent = framework::NotifyEvent;
using TMouseEvent =
    std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;
// The key may be changed (or set to 0 to swallow it) by the handler, as the processing after it reads it.
using TKeyEvent = std::function<void(QObject* sender, int& key, TShiftState shift)>;

using framework::raiseEvent;

TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
TShiftState shiftStateOf(const QMouseEvent& event);
TShiftState shiftStateOf(const QKeyEvent& event);
// Qt's button as one of ours; other buttons (back, forward...) give nothing.
std::optional<TMouseButton> mouseButtonOf(Qt::MouseButton button);

// The default system beep, with which the controls refuse input. Tests replace it to count the beeps;
// an empty hook restores the system beep.
void systemBeep();
using BeepHook = std::function<void()>;
void setBeepHook(BeepHook hook);

} // namespace controls

Q_DECLARE_OPERATORS_FOR_FLAGS(controls::TShiftState)
