#include "windows/MeasurementGridAccessible.h"

#include "framework/AccessibleCell.h"
#include "framework/AccessibleFactory.h"
#include "windows/MeasurementGrid.h"

#include <QAccessibleWidget>
#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace windows {

namespace {

// The most cells selectedCells() lists; a larger selection is told by its rows and columns.
constexpr int listedCellsLimit = 10'000;

// The spans [first, last] of rows (or columns) all of whose cells are selected. The ranges of a
// selection model do not overlap, so a row is whole when the widths of the ranges over it add up to the
// column count.
std::vector<std::pair<int, int>> wholeLines(const QItemSelection& selection, Qt::Orientation lines,
                                            int across) {
    const auto first = [lines](const QItemSelectionRange& r) {
        return lines == Qt::Vertical ? r.top() : r.left();
    };
    const auto last = [lines](const QItemSelectionRange& r) {
        return lines == Qt::Vertical ? r.bottom() : r.right();
    };
    const auto width = [lines](const QItemSelectionRange& r) {
        return lines == Qt::Vertical ? r.width() : r.height();
    };
    std::vector<int> bounds;
    for (const QItemSelectionRange& range : selection) {
        bounds.push_back(first(range));
        bounds.push_back(last(range) + 1);
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    std::vector<std::pair<int, int>> spans;
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        int covered = 0;
        for (const QItemSelectionRange& range : selection) {
            if (first(range) <= bounds[i] && last(range) >= bounds[i + 1] - 1) {
                covered += width(range);
            }
        }
        if (covered < across || across == 0) {
            continue;
        }
        if (!spans.empty() && spans.back().second + 1 == bounds[i]) {
            spans.back().second = bounds[i + 1] - 1;
        } else {
            spans.emplace_back(bounds[i], bounds[i + 1] - 1);
        }
    }
    return spans;
}

int countOf(const std::vector<std::pair<int, int>>& spans) {
    int count = 0;
    for (const auto& [first, last] : spans) {
        count += last - first + 1;
    }
    return count;
}

QList<int> listOf(const std::vector<std::pair<int, int>>& spans) {
    QList<int> list;
    list.reserve(countOf(spans));
    for (const auto& [first, last] : spans) {
        for (int i = first; i <= last; ++i) {
            list.append(i);
        }
    }
    return list;
}

class GridAccessible;

// One item of the grid: a cell (row and column from 0), a column heading (row -1), a row heading
// (column -1; the grid hides them) or the corner (both -1).
class ItemAccessible final : public framework::AccessibleCell<GridAccessible> {
public:
    using AccessibleCell::AccessibleCell;

    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    // Headings and the corner are items, not cells.
    void* interface_cast(QAccessible::InterfaceType type) override {
        return isCell() ? AccessibleCell::interface_cast(type) : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;

    const GridAccessible* owner() const { return table_; }

private:
    bool isCell() const { return row_ >= 0 && column_ >= 0; }
    QModelIndex index() const;
};

class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(TMeasurementGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override { forgetItems(); }

    TMeasurementGrid* grid() const { return static_cast<TMeasurementGrid*>(widget()); }
    QAbstractItemModel& model() const { return *grid()->model(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return (rowCount() + 1) * (columnCount() + 1); }
    QAccessibleInterface* child(int index) const override {
        const int width = columnCount() + 1;
        return index < 0 || index >= childCount() ? nullptr : item(index / width - 1, index % width - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* found = dynamic_cast<const ItemAccessible*>(child);
        if (found == nullptr || found->owner() != this) {
            return -1;
        }
        return (found->rowIndex() + 1) * (columnCount() + 1) + found->columnIndex() + 1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = grid()->indexAt(grid()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = grid()->currentIndex();
        return grid()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row < 0 || column < 0 ? nullptr : item(row, column);
    }
    int selectedCellCount() const override {
        int count = 0;
        for (const QItemSelectionRange& range : selection()) {
            count += range.width() * range.height();
        }
        return count;
    }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        if (selectedCellCount() > listedCellsLimit) {
            return cells;
        }
        for (const QItemSelectionRange& range : selection()) {
            for (int row = range.top(); row <= range.bottom(); ++row) {
                for (int column = range.left(); column <= range.right(); ++column) {
                    cells.append(item(row, column));
                }
            }
        }
        return cells;
    }
    QString columnDescription(int column) const override { return headingText(column, Qt::Horizontal); }
    QString rowDescription(int row) const override { return headingText(row, Qt::Vertical); }
    int selectedColumnCount() const override { return countOf(wholeColumns()); }
    int selectedRowCount() const override { return countOf(wholeRows()); }
    int columnCount() const override { return model().columnCount(); }
    int rowCount() const override { return model().rowCount(); }
    QList<int> selectedColumns() const override { return listOf(wholeColumns()); }
    QList<int> selectedRows() const override { return listOf(wholeRows()); }
    bool isColumnSelected(int column) const override {
        int covered = 0;
        for (const QItemSelectionRange& range : selection()) {
            covered += range.left() <= column && column <= range.right() ? range.height() : 0;
        }
        return rowCount() > 0 && covered == rowCount();
    }
    bool isRowSelected(int row) const override {
        int covered = 0;
        for (const QItemSelectionRange& range : selection()) {
            covered += range.top() <= row && row <= range.bottom() ? range.width() : 0;
        }
        return columnCount() > 0 && covered == columnCount();
    }
    bool selectRow(int row) override {
        return select(model().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    bool selectColumn(int column) override {
        return select(model().index(0, column), QItemSelectionModel::Select | QItemSelectionModel::Columns);
    }
    bool unselectRow(int row) override {
        return select(model().index(row, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    bool unselectColumn(int column) override {
        return select(model().index(0, column), QItemSelectionModel::Deselect | QItemSelectionModel::Columns);
    }
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetItems(); }

    QString headingText(int section, Qt::Orientation orientation) const {
        const QString spoken = model().headerData(section, orientation, Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? model().headerData(section, orientation, Qt::DisplayRole).toString()
                                : spoken;
    }

    // The item at row and column of the children's layout, made once and kept until the model changes.
    QAccessibleInterface* item(int row, int column) const {
        if (row < -1 || row >= rowCount() || column < -1 || column >= columnCount()) {
            return nullptr;
        }
        const auto found = items_.find({row, column});
        if (found != items_.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        auto* made = new ItemAccessible(const_cast<GridAccessible*>(this), row, column);
        items_.emplace(std::make_pair(row, column), QAccessible::registerAccessibleInterface(made));
        return made;
    }

private:
    QItemSelection selection() const {
        return grid()->selectionModel() ? grid()->selectionModel()->selection() : QItemSelection();
    }
    std::vector<std::pair<int, int>> wholeRows() const {
        return wholeLines(selection(), Qt::Vertical, columnCount());
    }
    std::vector<std::pair<int, int>> wholeColumns() const {
        return wholeLines(selection(), Qt::Horizontal, rowCount());
    }
    bool select(const QModelIndex& index, QItemSelectionModel::SelectionFlags how) {
        if (!index.isValid() || grid()->selectionModel() == nullptr ||
            grid()->selectionMode() == QAbstractItemView::NoSelection) {
            return false;
        }
        grid()->selectionModel()->select(index, how);
        return true;
    }
    void forgetItems() {
        for (const auto& [place, id] : items_) {
            QAccessible::deleteAccessibleInterface(id);
        }
        items_.clear();
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> items_;
};

QModelIndex ItemAccessible::index() const {
    return table_->model().index(row_, column_);
}

QString ItemAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name) {
        return {};
    }
    if (isCell()) {
        const QString spoken = index().data(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? index().data(Qt::DisplayRole).toString() : spoken;
    }
    if (row_ == -1 && column_ >= 0) {
        return table_->headingText(column_, Qt::Horizontal);
    }
    return row_ >= 0 ? table_->headingText(row_, Qt::Vertical) : QString();
}

QRect ItemAccessible::rect() const {
    const TMeasurementGrid* grid = table_->grid();
    if (isCell()) {
        const QRect cell = grid->visualRect(index());
        return QRect(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    const QHeaderView* header = grid->horizontalHeader();
    if (row_ == -1 && column_ >= 0 && header->isVisible()) {
        const QRect section(header->sectionViewportPosition(column_), 0, header->sectionSize(column_),
                            header->height());
        return QRect(header->viewport()->mapToGlobal(section.topLeft()), section.size());
    }
    return {};
}

QAccessible::Role ItemAccessible::role() const {
    if (isCell()) {
        return QAccessible::Cell;
    }
    if (row_ == -1 && column_ >= 0) {
        return QAccessible::ColumnHeader;
    }
    return row_ >= 0 ? QAccessible::RowHeader : QAccessible::Pane;
}

QAccessible::State ItemAccessible::state() const {
    QAccessible::State state;
    const TMeasurementGrid* grid = table_->grid();
    const QRect shown = rect();
    state.invisible = shown.isEmpty();
    state.offscreen =
        !shown.isEmpty() &&
        !QRect(grid->viewport()->mapToGlobal(QPoint(0, 0)), grid->viewport()->size()).intersects(shown);
    if (isCell()) {
        state.selectable = true;
        state.focusable = true;
        state.readOnly = true;
        state.selected = isSelected();
        state.focused = grid->hasFocus() && grid->currentIndex() == index();
    }
    return state;
}

bool ItemAccessible::isSelected() const {
    const QItemSelectionModel* selection = table_->grid()->selectionModel();
    return isCell() && selection != nullptr && selection->isSelected(index());
}

QList<QAccessibleInterface*> ItemAccessible::columnHeaderCells() const {
    QAccessibleInterface* heading = table_->item(-1, column_);
    return heading ? QList<QAccessibleInterface*>{heading} : QList<QAccessibleInterface*>{};
}

} // namespace

void installMeasurementGridAccessible() {
    framework::installAccessible<TMeasurementGrid, GridAccessible>();
}

int measurementGridChildIndex(const TMeasurementGrid& grid, const QModelIndex& index) {
    return (index.row() + 1) * (grid.model()->columnCount() + 1) + index.column() + 1;
}

} // namespace windows
