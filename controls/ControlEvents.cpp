#include "controls/ControlEvents.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace controls {

namespace {
BeepHook& beepHook() {
    static BeepHook hook;
    return hook;
}
} // namespace

TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState state;
    state.setFlag(TShiftFlag::ssShift, modifiers.testFlag(Qt::ShiftModifier));
    state.setFlag(TShiftFlag::ssAlt, modifiers.testFlag(Qt::AltModifier));
    state.setFlag(TShiftFlag::ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    state.setFlag(TShiftFlag::ssLeft, buttons.testFlag(Qt::LeftButton));
    state.setFlag(TShiftFlag::ssRight, buttons.testFlag(Qt::RightButton));
    state.setFlag(TShiftFlag::ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return state;
}

TShiftState shiftStateOf(const QMouseEvent& event) {
    TShiftState state = shiftStateOf(event.modifiers(), event.buttons() | event.button());
    state.setFlag(TShiftFlag::ssDouble, event.type() == QEvent::MouseButtonDblClick);
    return state;
}

TShiftState shiftStateOf(const QKeyEvent& event) {
    return shiftStateOf(event.modifiers());
}

std::optional<TMouseButton> mouseButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return TMouseButton::mbLeft;
    case Qt::RightButton:
        return TMouseButton::mbRight;
    case Qt::MiddleButton:
        return TMouseButton::mbMiddle;
    default:
        return std::nullopt;
    }
}

void systemBeep() {
    if (beepHook()) {
        beepHook()();
    } else {
        QApplication::beep();
    }
}

void setBeepHook(BeepHook hook) {
    beepHook() = std::move(hook);
}

} // namespace controls
