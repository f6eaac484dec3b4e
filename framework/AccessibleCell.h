#pragma once
// What every cell of a screen reader's table has in common: a leaf of its table, at one row and one
// column, one cell wide and high, named by its table's column headings rather than by row headings.
// Table is the table's own interface, a QAccessibleInterface and a QAccessibleTableInterface.

#include <QAccessible>
#include <QAccessibleInterface>

namespace framework {

template <class Table>
class AccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    AccessibleCell(Table* table, int row, int column)
        : table_(table)
        , row_(row)
        , column_(column) {}

    bool isValid() const override {
        return table_->isValid() && row_ < table_->rowCount() && column_ < table_->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return table_; }

protected:
    Table* table_;
    int row_;
    int column_;
};

} // namespace framework
