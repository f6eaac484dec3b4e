#include "framework/TrackBar.h"

#include "framework/ErrorGuard.h"

#include <QSignalBlocker>

namespace framework {

TTrackBar::TTrackBar(QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setRange(0, 10);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::valueChanged, this, [this] { guarded([this] { userChanged(); }); });
}

void TTrackBar::setPosition(int position) {
    position = std::clamp(position, minimum(), maximum());
    if (position == value()) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        setValue(position);
    }
    raiseEvent(OnChange, this);
}

void TTrackBar::userChanged() {
    raiseEvent(OnChange, this);
}

} // namespace framework
