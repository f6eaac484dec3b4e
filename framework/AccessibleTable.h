#pragma once
// A screen reader's table over a grid the program draws from separate controls (the state table's
// shapes, labels and fields). The widget given reads as a table whose rows, columns and cells are read
// through the functions of a TableReading at the moment they are asked for, so that they always say what
// the controls show.
//
// The table is a Tab stop with a current cell: the arrows move it, Home and End go to the ends of its
// row, Ctrl+Home and Ctrl+End to the first and last cells. Each cell is read with its row and column,
// "Etat final, CuO(s) : 0,000 mol", so that a screen reader says where it is wherever it arrives.
// The controls the table covers are left out of what a screen reader reads, so that nothing is read
// twice; the controls a pupil types into stay outside the covered list and are reached as before.

#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace framework {

struct TableReading {
    int rowCount = 0;
    std::function<int()> columnCount;
    std::function<QString(int row)> rowName;
    // Said with every cell of the column ("CuO(s)").
    std::function<QString(int column)> columnName;
    // The column's longer description ("CuO(s), Oxyde de cuivre"); the column's name when not given.
    std::function<QString(int column)> columnDescription;
    // What the cell shows, with its unit ("2 - 2 X = 2,000 mol").
    std::function<QString(int row, int column)> cell;
    // Where the cell is drawn, in the widget's coordinates; the widget shared out evenly when not given.
    std::function<QRect(int row, int column)> cellBounds;
};

class ReadableTable final : public QObject {
    Q_OBJECT
public:
    ReadableTable(QWidget* widget, TableReading reading);

    const TableReading& reading() const { return reading_; }
    QWidget* widget() const { return widget_; }

    // The cell the arrows move, which a screen reader reads when the table has the focus.
    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }
    // "Etat final, CuO(s) : 0,000 mol".
    QString spokenCell(int row, int column) const;
    // Where a cell is drawn, in the widget's coordinates: where a magnifier looks, and the keyboard's
    // mark stands.
    QRect cellBounds(int row, int column) const;
    QRect currentCellBounds() const { return cellBounds(row_, column_); }

    // To call once the program has written into the covered controls: a cell a screen reader has read
    // and whose text has changed since is told changed, once per change however many writes made it.
    void changed();

    // What a screen reader was last given for a cell.
    void remember(int row, int column, const QString& spoken) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(int row, int column);
    void focusCurrentCell();
    void tellChanges();

    QWidget* widget_;
    TableReading reading_;
    int row_ = 0;
    int column_ = 0;
    bool changePending_ = false;
    mutable std::map<std::pair<int, int>, QString> told_;
};

// Makes `widget` read as a table named `name`, and leaves `covered` (the controls drawn on it that the
// table reads) out of what a screen reader reads. Call it before anything has asked for the accessible
// view of the widget or of its parent.
ReadableTable* readAsTable(QWidget* widget, const QString& name, TableReading reading,
                           const std::vector<QWidget*>& covered = {});

} // namespace framework
