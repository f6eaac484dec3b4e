#pragma once
// The zoom window's page "Tableau d'avancement": the state table drawn as large as the page allows for a
// class to read it on the wall, its texts growing with the window's projection scale as far as the page
// holds them. It shows what its window gives it whenever it paints, and a screen reader reads it as a
// table.

#include "windows/StateTable.h"

#include <QWidget>

#include <functional>

namespace framework {
class ReadableTable;
}

namespace windows {

class TStateTablePage : public QWidget {
    Q_OBJECT
public:
    using Source = std::function<StateTable()>;
    TStateTablePage(Source source, QWidget* parent);

    // What the page needs to show the table unshrunk at the current scale.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Texts drawn this many times their size, as the rest of the window.
    void setScale(double scale);
    // The window's values changed: the page is drawn again, its description names the equation, and a
    // screen reader is told the cells that changed.
    void refresh();

    // Where the table stands on the page at its current size, and the height of its values' text.
    StateTablePicture::Placement placement() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect area() const;
    int textSize() const;

    Source source_;
    double scale_ = 1;
    framework::ReadableTable* reading_ = nullptr;
};

} // namespace windows
