#pragma once
// A timer as the windows use it: Enabled switches it on and off (switching on a running timer changes
// nothing; switching on a stopped one starts its period now), and every tick runs OnTimer inside the
// error guard.

#include "framework/Events.h"

#include <QObject>
#include <QTimer>

namespace framework {

class TTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
public:
    explicit TTimer(QObject* parent = nullptr);

    bool enabled() const { return timer_.isActive(); }
    void setEnabled(bool enabled);
    int interval() const { return timer_.interval(); }
    void setInterval(int milliseconds);

    NotifyEvent OnTimer;

private:
    QTimer timer_;
};

} // namespace framework
