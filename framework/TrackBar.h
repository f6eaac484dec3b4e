#pragma once
// A track bar whose position change event runs for a user's change and for a program's change alike,
// and only when the position really changes. A program's change runs the handler before the setter
// returns, so a handler that moves the slider runs the nested handler in place. A screen reader is told
// the pupil's moves, not the program's (a simulation's hundred steps).

#include "framework/ChangeNotice.h"
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
    // passes only numbers as values, so the text is also the slider's description, and every move the
    // pupil makes is announced with it, read after the change event: what the window then shows. The
    // program's own moves (a simulation's steps) are not announced.
    std::function<QString()> ValueText;

    // A reader has just been given the value text.
    void valueTextRead() const { valueTextNotice_.read(); }

private:
    void userChanged();
    void changed();

    ChangeNotice valueTextNotice_;
};

} // namespace framework
