#pragma once
// A track bar whose position change event runs for a user's change and for a program's change alike,
// and only when the position really changes. A program's change runs the handler before the setter
// returns, so a handler that moves the slider runs the nested handler in place.

#include "framework/Events.h"

#include <QSlider>

#include <functional>

namespace framework {

class TTrackBar : public QSlider {
    Q_OBJECT
    Q_PROPERTY(int Position READ position WRITE setPosition)
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int LineSize READ singleStep WRITE setSingleStep)
    Q_PROPERTY(int PageSize READ pageStep WRITE setPageStep)
    Q_PROPERTY(int Frequency READ tickInterval WRITE setTickInterval)
public:
    explicit TTrackBar(QWidget* parent = nullptr);

    int position() const { return value(); }
    void setPosition(int position);

    NotifyEvent OnChange;
    // What a screen reader reads as the value, when the position stands for something else (an
    // advancement in mol rather than a percentage); empty reads the position. The desktop's bridge
    // passes only numbers as values, so the text is also the slider's description, announced as
    // changed after every change event.
    std::function<QString()> ValueText;

private:
    void userChanged();
    void changed();
};

} // namespace framework
