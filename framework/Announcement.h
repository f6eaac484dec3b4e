#pragma once
// A message a screen reader speaks at once, wherever the keyboard focus is: the start, the end and the
// stop of a simulation, the new X of a slider, the equation a box loads, a verdict.
//
// How it reaches speech: Qt 6.4 has no announcement call, and its bridge passes name and description
// changes without their text, which Orca 43 then speaks only for the object with the focus, and not
// even there. What Orca does speak, whatever has the focus, is an object with the Notification role
// that is shown: "notification" and its name. So a window's announcement is a widget of one pixel that
// paints nothing and lets the mouse through, read as a notification named after the last message; each
// message hides it and shows it again, so that a message repeated is spoken again. Orca also keeps the
// messages in its list of notifications, where the pupil can hear them again.
//
// Orca drops such events when a flood of others fills its queue, and each message cuts the one before:
// announce only what the pupil must hear, and keep what changes meanwhile from raising needless events.
//
// Use: TAnnouncement::of(widget)->announce(text). The program has one announcement per outermost
// window, made on first use: Orca speaks a dialog's title and labels before anything shown inside it, so
// a message from a dialog goes through the window that owns the dialog.

#include <QWidget>

namespace framework {

class TAnnouncement final : public QWidget {
    Q_OBJECT
public:
    // The announcement of the outermost window holding `widget`, made on first use.
    static TAnnouncement* of(QWidget* widget);
    explicit TAnnouncement(QWidget* parent);

    void announce(const QString& text);
    // The last message, which a screen reader reads as the name.
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace framework
