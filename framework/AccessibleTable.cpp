#include "framework/AccessibleTable.h"

#include "framework/AccessibleCell.h"
#include "framework/ErrorGuard.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace framework {

namespace {

QString tableHolderName() {
    return QStringLiteral("TableReading");
}

QString coveredHolderName() {
    return QStringLiteral("CoveredByTable");
}

// The controls a table covers, kept on their parent, whose view a screen reader reads without them.
class CoveredHolder final : public QObject {
public:
    CoveredHolder(QWidget* parent, QAccessible::Role role)
        : QObject(parent)
        , role(role) {
        setObjectName(coveredHolderName());
    }
    bool covers(const QObject* object) const { return object && covered.contains(object); }

    QAccessible::Role role; // the parent's own
    QSet<const QObject*> covered;
    QPointer<QWidget> table;
};

template <class Holder> Holder* holderOf(const QObject* object, const QString& name) {
    return object ? dynamic_cast<Holder*>(object->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
                  : nullptr;
}

class TableAccessible;

class CellAccessible final : public AccessibleCell<TableAccessible> {
public:
    using AccessibleCell::AccessibleCell;

    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
};

class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    TableAccessible(QWidget* widget, const ReadableTable& table)
        : QAccessibleWidget(widget, QAccessible::Table)
        , table_(table) {}
    ~TableAccessible() override {
        for (const auto& [place, id] : cells_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    const ReadableTable& readable() const { return table_; }

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
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? cellAt(table_.currentRow(), table_.currentColumn()) : nullptr;
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
    QString columnDescription(int column) const override {
        const TableReading& reading = table_.reading();
        return read(reading.columnDescription ? reading.columnDescription : reading.columnName, column);
    }
    QString rowDescription(int row) const override { return read(table_.reading().rowName, row); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override {
        int count = 0;
        guarded([&] { count = table_.reading().columnCount(); });
        return count;
    }
    int rowCount() const override { return table_.reading().rowCount; }
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
        guarded([&] { text = table_.reading().cell(row, column); });
        return text;
    }
    QString spokenCell(int row, int column) const {
        QString text;
        guarded([&] { text = table_.spokenCell(row, column); });
        table_.remember(row, column, text);
        return text;
    }
    QRect cellRect(int row, int column) const {
        QRect bounds;
        guarded([&] { bounds = table_.cellBounds(row, column); });
        return bounds.translated(widget()->mapToGlobal(QPoint(0, 0)));
    }

private:
    static QString read(const std::function<QString(int)>& what, int index) {
        QString text;
        guarded([&] { text = what(index); });
        return text;
    }

    const ReadableTable& table_;
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

QString CellAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
    case QAccessible::Name:
        return table_->spokenCell(row_, column_);
    case QAccessible::Value:
        return table_->cellText(row_, column_);
    default:
        return {};
    }
}
QAccessible::State CellAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.focusable = true;
    const ReadableTable& table = table_->readable();
    s.focused = table.widget()->hasFocus() && table.currentRow() == row_ && table.currentColumn() == column_;
    return s;
}
QRect CellAccessible::rect() const {
    return table_->cellRect(row_, column_);
}

// The parent of a table: its children as a screen reader reads them, without the controls the table
// covers; a point over one of them finds the table.
class CoveringParentAccessible final : public QAccessibleWidget {
public:
    CoveringParentAccessible(QWidget* widget, const CoveredHolder& holder)
        : QAccessibleWidget(widget, holder.role)
        , holder_(holder) {}

    int childCount() const override { return int(readChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> children = readChildren();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return int(readChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* found = QAccessibleWidget::childAt(x, y);
        if (found && holder_.covers(found->object())) {
            return QAccessible::queryAccessibleInterface(holder_.table.data());
        }
        return found;
    }

private:
    QList<QAccessibleInterface*> readChildren() const {
        QList<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && !holder_.covers(child->object())) {
                children.append(child);
            }
        }
        return children;
    }

    const CoveredHolder& holder_;
};

// A covered control is withdrawn from screen readers: it reads as no longer there, so that Qt raises
// none of its events (a value field would send a deletion, an insertion and two caret moves for every
// number it shows).
class WithdrawnAccessible final : public QAccessibleWidget {
public:
    explicit WithdrawnAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}
    bool isValid() const override { return false; }
};

QAccessibleInterface* tableFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (auto* table = holderOf<ReadableTable>(object, tableHolderName())) {
        return new TableAccessible(widget, *table);
    }
    if (auto* covered = holderOf<CoveredHolder>(object, coveredHolderName())) {
        return new CoveringParentAccessible(widget, *covered);
    }
    if (auto* covering = holderOf<CoveredHolder>(object->parent(), coveredHolderName());
        covering && covering->covers(object)) {
        return new WithdrawnAccessible(widget);
    }
    return nullptr;
}

// An accessible view made before the table took over (Qt makes one when a control raises its first
// event) is dropped, so that the next request builds the table's.
void dropViewMadeBefore(QWidget* widget) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<TableAccessible*>(made) && !dynamic_cast<CoveringParentAccessible*>(made) &&
        !dynamic_cast<WithdrawnAccessible*>(made)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

TableAccessible* accessibleTable(QWidget* widget) {
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(widget));
}

} // namespace

ReadableTable::ReadableTable(QWidget* widget, TableReading reading)
    : QObject(widget)
    , widget_(widget)
    , reading_(std::move(reading)) {
    setObjectName(tableHolderName());
    widget->setFocusPolicy(Qt::TabFocus);
    widget->installEventFilter(this);
}

QString ReadableTable::spokenCell(int row, int column) const {
    return reading_.rowName(row) + QStringLiteral(", ") + reading_.columnName(column) +
           QStringLiteral(" : ") + reading_.cell(row, column);
}

QRect ReadableTable::cellBounds(int row, int column) const {
    if (reading_.cellBounds) {
        return reading_.cellBounds(row, column);
    }
    const int columns = std::max(1, reading_.columnCount());
    const int width = widget_->width() / columns;
    const int height = widget_->height() / std::max(1, reading_.rowCount);
    return {column * width, row * height, width, height};
}

void ReadableTable::remember(int row, int column, const QString& spoken) const {
    told_[{row, column}] = spoken;
}

void ReadableTable::changed() {
    if (told_.empty() || changePending_ || !QAccessible::isActive()) {
        return;
    }
    // The writes of one step come together: the cells are compared once they are all made.
    changePending_ = true;
    QTimer::singleShot(0, this, [this] { guarded([this] { tellChanges(); }); });
}

void ReadableTable::tellChanges() {
    changePending_ = false;
    TableAccessible* table = accessibleTable(widget_);
    if (!table) {
        return;
    }
    const int columns = reading_.columnCount();
    for (auto told = told_.begin(); told != told_.end();) {
        const auto [row, column] = told->first;
        if (row >= reading_.rowCount || column >= columns) {
            told = told_.erase(told);
            continue;
        }
        if (spokenCell(row, column) != told->second) {
            // Told once: the reader reads the cell afresh, and is told again only after that.
            QAccessibleInterface* cell = table->cellAt(row, column);
            told = told_.erase(told);
            QAccessibleEvent event(cell, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
            continue;
        }
        ++told;
    }
}

bool ReadableTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        // After Qt has told that the table has the focus: then the cell within it.
        QTimer::singleShot(0, this, [this] { guarded([this] { focusCurrentCell(); }); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const int lastRow = reading_.rowCount - 1;
    int lastColumn = -1;
    guarded([&] { lastColumn = reading_.columnCount() - 1; });
    if (lastRow < 0 || lastColumn < 0) {
        return false;
    }
    const int row = std::clamp(row_, 0, lastRow);
    const int column = std::clamp(column_, 0, lastColumn);
    std::optional<std::pair<int, int>> to;
    if (modifiers == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_Left:
            to = {{row, std::max(column - 1, 0)}};
            break;
        case Qt::Key_Right:
            to = {{row, std::min(column + 1, lastColumn)}};
            break;
        case Qt::Key_Up:
            to = {{std::max(row - 1, 0), column}};
            break;
        case Qt::Key_Down:
            to = {{std::min(row + 1, lastRow), column}};
            break;
        case Qt::Key_Home:
            to = {{row, 0}};
            break;
        case Qt::Key_End:
            to = {{row, lastColumn}};
            break;
        default:
            break;
        }
    } else if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_Home) {
        to = {{0, 0}};
    } else if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_End) {
        to = {{lastRow, lastColumn}};
    }
    if (!to) {
        return false;
    }
    guarded([&] { moveTo(to->first, to->second); });
    return true;
}

void ReadableTable::moveTo(int row, int column) {
    row_ = row;
    column_ = column;
    focusCurrentCell();
}

void ReadableTable::focusCurrentCell() {
    if (!widget_->hasFocus() || !QAccessible::isActive()) {
        return;
    }
    TableAccessible* table = accessibleTable(widget_);
    QAccessibleInterface* cell = table ? table->cellAt(row_, column_) : nullptr;
    if (!cell) {
        return;
    }
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

ReadableTable* readAsTable(QWidget* widget, const QString& name, TableReading reading,
                           const std::vector<QWidget*>& covered) {
    static const bool installed = (QAccessible::installFactory(&tableFactory), true);
    (void)installed;
    auto* table = new ReadableTable(widget, std::move(reading));
    widget->setAccessibleName(name);
    dropViewMadeBefore(widget);
    // Each parent of covered controls reads without them.
    for (QWidget* control : covered) {
        QWidget* parent = control->parentWidget();
        auto* holder = holderOf<CoveredHolder>(parent, coveredHolderName());
        if (!holder) {
            holder = new CoveredHolder(parent, QAccessible::queryAccessibleInterface(parent)->role());
        }
        holder->table = widget;
        holder->covered.insert(control);
        QObject::connect(control, &QObject::destroyed, holder,
                         [holder, control] { holder->covered.remove(control); });
        dropViewMadeBefore(control);
        dropViewMadeBefore(parent);
    }
    return table;
}

} // namespace framework
