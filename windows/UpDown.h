#pragma once
// An up-down control attached to an edit: its two arrows, and the Up and Down keys in the edit, step a
// position within a range (no wrap-around) and write it into the edit, with the locale's thousands
// grouping when Thousands is on. The position follows what is typed in the edit when that is a number of
// the range, as the desktop's up-down reads its buddy's text before each step.

#include <QWidget>

class QToolButton;

namespace framework {
class TEdit;
}

namespace windows {

class TUpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Position READ position WRITE setPosition)
    Q_PROPERTY(int Min READ minimum)
    Q_PROPERTY(int Max READ maximum)
    Q_PROPERTY(int Increment READ increment WRITE setIncrement)
    Q_PROPERTY(bool Thousands READ thousands WRITE setThousands)
public:
    explicit TUpDown(QWidget* parent = nullptr);

    // Places the control against the edit's right edge, at the edit's height, and starts listening to
    // the edit's arrow keys. The edit must live as long as the control.
    void setAssociate(framework::TEdit* edit);
    framework::TEdit* associate() const { return associate_; }

    int position() const { return position_; }
    // Clamps to the range, stores, and writes the position into the edit.
    void setPosition(int position);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);
    int increment() const { return increment_; }
    void setIncrement(int increment);
    bool thousands() const { return thousands_; }
    void setThousands(bool on);

    // One step up (+1) or down (-1) from the position the edit shows.
    void step(int direction);

    // The text the control writes for a position.
    QString textOf(int position) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int shownPosition() const;

    framework::TEdit* associate_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int position_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    bool thousands_ = true;
};

} // namespace windows
