#pragma once
// A status line for the screen reader only: a one-pixel widget that paints nothing and lets the mouse
// through, read as a status bar whose name is the last announcement. Every announcement raises a
// name-changed event, also when it repeats the one before, so that a screen reader hears each.

#include <QWidget>

namespace framework {

class TAnnouncement final : public QWidget {
    Q_OBJECT
public:
    explicit TAnnouncement(QWidget* parent);

    void announce(const QString& text);
};

} // namespace framework
