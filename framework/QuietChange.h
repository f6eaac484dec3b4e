#pragma once
// Qt's widgets tell a screen reader every change they make to themselves: a line edit sends a deletion,
// an insertion and caret moves for one text the program writes, a slider its value at each of the
// hundred positions a simulation sets. A QuietChange makes such a change silent: while it lives, the
// widget's accessible view reads as not valid, and Qt raises no event for a view that is not valid. The
// program then tells what the change means, once (a new value) or not at all (a simulation's step).
// Only the views of this program's widgets honour it, by asking underway() in their isValid().

class QWidget;

namespace framework {

class QuietChange {
public:
    explicit QuietChange(QWidget* widget);
    ~QuietChange();
    QuietChange(const QuietChange&) = delete;
    QuietChange& operator=(const QuietChange&) = delete;

    static bool underway(const QWidget* widget);

private:
    QWidget* widget_;
    bool outer_;
};

} // namespace framework
