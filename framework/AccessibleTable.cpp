#include "framework/AccessibleTable.h"

#include "framework/ErrorGuard.h"

#include <QAccessibleWidget>

#include <map>
#include <utility>

namespace framework {

namespace {

// Carries the reading on the widget, where the factory finds it.
class TableReadingHolder final : public QObject {
public:
    TableReadingHolder(QWidget* widget, TableReading reading)
        : QObject(widget)
        , reading(std::move(reading)) {
        setObjectName(holderName());
    }
    static QString holderName() { return QStringLiteral("TableReading"); }
    TableReading reading;
};

class TableAccessible;

class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(TableAccessible* table, int row, int column)
        : table_(table)
        , row_(row)
        , column_(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    TableAccessible* table_;
    int row_;
    int column_;
};

class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    TableAccessible(QWidget* widget, const TableReading& reading)
        : QAccessibleWidget(widget, QAccessible::Table)
        , reading_(reading) {}
    ~TableAccessible() override {
        for (const auto& [place, id] : cells_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        return index < 0 || columns == 0 ? nullptr : cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [place, id] : cells_) {
            if (QAccessible::accessibleInterface(id) == child && place.second < columnCount()) {
                return place.first * columnCount() + place.second;
            }
        }
        return -1;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        const auto found = cells_.find({row, column});
        if (found != cells_.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        auto* cell = new CellAccessible(const_cast<TableAccessible*>(this), row, column);
        cells_.emplace(std::make_pair(row, column), QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return read(reading_.columnName, column); }
    QString rowDescription(int row) const override { return read(reading_.rowName, row); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override {
        int count = 0;
        guarded([&] { count = reading_.columnCount(); });
        return count;
    }
    int rowCount() const override { return reading_.rowCount; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QString cellText(int row, int column) const {
        QString text;
        guarded([&] { text = reading_.cell(row, column); });
        return text;
    }
    // Each cell's rectangle: the table's, shared out evenly, which is where a magnifier should look.
    QRect cellRect(int row, int column) const {
        const QRect whole = rect();
        const int columns = std::max(1, columnCount());
        const int width = whole.width() / columns;
        const int height = whole.height() / std::max(1, rowCount());
        return {whole.left() + column * width, whole.top() + row * height, width, height};
    }

private:
    static QString read(const std::function<QString(int)>& what, int index) {
        QString text;
        guarded([&] { text = what(index); });
        return text;
    }

    const TableReading& reading_;
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

bool CellAccessible::isValid() const {
    return table_->isValid() && row_ < table_->rowCount() && column_ < table_->columnCount();
}
QWindow* CellAccessible::window() const {
    return table_->window();
}
QAccessibleInterface* CellAccessible::parent() const {
    return table_;
}
QAccessibleInterface* CellAccessible::table() const {
    return table_;
}
QString CellAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name || kind == QAccessible::Value) {
        return table_->cellText(row_, column_);
    }
    if (kind == QAccessible::Description) {
        return table_->rowDescription(row_) + QStringLiteral(", ") + table_->columnDescription(column_);
    }
    return {};
}
QRect CellAccessible::rect() const {
    return table_->cellRect(row_, column_);
}

QAccessibleInterface* tableFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    auto* holder = dynamic_cast<TableReadingHolder*>(
        object->findChild<QObject*>(TableReadingHolder::holderName(), Qt::FindDirectChildrenOnly));
    return holder ? new TableAccessible(static_cast<QWidget*>(object), holder->reading) : nullptr;
}

} // namespace

void readAsTable(QWidget* widget, const QString& name, TableReading reading) {
    static const bool installed = (QAccessible::installFactory(&tableFactory), true);
    (void)installed;
    new TableReadingHolder(widget, std::move(reading));
    widget->setAccessibleName(name);
}

} // namespace framework
