#pragma once
// A row of check boxes that acts as one radio group for the keyboard: Tab reaches the row once, on
// its checked box (the first box when none is checked), and the left and right arrows (Home, End)
// move between the boxes; Space and the accelerators toggle a box as they always do. The mouse does
// what it did before.

#include <QObject>

#include <vector>

namespace controls {

class TBevelCheck;

class CheckRow final : public QObject {
    Q_OBJECT
public:
    CheckRow(std::vector<TBevelCheck*> boxes, QObject* parent);

    // The box Tab reaches now: the focused box of the row, else the checked one, else the first.
    TBevelCheck* tabStop() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeTabStop();
    void moveFocus(std::size_t from, int key);

    std::vector<TBevelCheck*> boxes_;
};

} // namespace controls
