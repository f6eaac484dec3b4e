#pragma once
// A filled rectangle or rounded rectangle with a one-pixel outline, the cells of the state table.

#include "framework/Color.h"

#include <QWidget>

namespace framework {

class TShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundRect };

    TShape(Kind kind, TColor brush, TColor pen, QWidget* parent);

    Kind kind() const { return kind_; }
    TColor brushColor() const { return brush_; }
    TColor penColor() const { return pen_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    TColor brush_;
    TColor pen_;
};

} // namespace framework
