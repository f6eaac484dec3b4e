#pragma once
// A dotted frame over the control that has the keyboard focus, for controls whose own focus mark
// cannot be seen (a check box whose caption lies outside it, flat buttons, charts). It shows only when
// the focus came from the keyboard, so that a mouse user sees the windows exactly as before; it lets
// the mouse through and paints nothing but the frame.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace framework {

class FocusMark final : public QWidget {
    Q_OBJECT
public:
    // The mark lives on `page`, an ancestor of the controls it frames.
    explicit FocusMark(QWidget* page);

    // Frames `control` while it has the keyboard focus; with a `companion` (the title beside a check
    // box), the frame takes in both; with an `area` (a table's current cell, in the control's
    // coordinates), only that, followed as the control's keys move it.
    void watch(QWidget* control, QWidget* companion = nullptr, std::function<QRect()> area = {});

    // The control the mark frames now, or nullptr when it is hidden.
    QWidget* target() const { return isVisible() ? target_.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Watched {
        QPointer<QWidget> control;
        QPointer<QWidget> companion;
        std::function<QRect()> area;
        bool byKeyboard = false; // how the control last took the focus
    };
    Watched* find(QObject* object);
    void follow(const Watched& watched);

    std::vector<Watched> watched_;
    QPointer<QWidget> target_;
};

} // namespace framework
