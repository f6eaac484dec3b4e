#include "windows/MeasurementGrid.h"

#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "model/NumberFormat.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace windows {

namespace {

constexpr int numberColumn = 0;
constexpr int advancementColumn = 1;
constexpr int firstQuantityColumn = 2;
// Room left of and right of a cell's text, as the grid draws it.
constexpr int cellPadding = 12;

} // namespace

MeasurementTableModel::MeasurementTableModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void MeasurementTableModel::setHeadings(std::vector<Heading> headings) {
    beginResetModel();
    headings_ = std::move(headings);
    endResetModel();
}

void MeasurementTableModel::setMeasurements(const Measurements& measurements) {
    beginResetModel();
    measurements_ = measurements;
    locale_ = framework::numberLocale();
    endResetModel();
}

QString MeasurementTableModel::f3(double value) const {
    return framework::toQ(model::formatF3(value, locale_));
}

QString MeasurementTableModel::cellText(int row, int column) const {
    if (row < 0 || row >= measurements_.count()) {
        return {};
    }
    if (column == numberColumn) {
        return QString::number(row + 1);
    }
    if (column == advancementColumn) {
        return f3(measurements_.advancement(row));
    }
    const model::Quantities q = measurements_.quantities(row);
    switch (column - firstQuantityColumn) {
    case 0:
        return f3(q.q1);
    case 1:
        return f3(q.q2);
    case 2:
        return f3(q.q3);
    case 3:
        return measurements_.inputs().slot4Present ? f3(q.q4) : QString();
    default:
        return {};
    }
}

int MeasurementTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : measurements_.count();
}

int MeasurementTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant MeasurementTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    return cellText(index.row(), index.column());
}

QVariant MeasurementTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(headings_.size())) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const Heading& heading = headings_[std::size_t(section)];
    if (role == Qt::DisplayRole) {
        return heading[0] + QLatin1Char('\n') + heading[1];
    }
    if (role == Qt::AccessibleTextRole) {
        return (heading[0] + QLatin1Char(' ') + heading[1]).trimmed();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags MeasurementTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

TMeasurementGrid::TMeasurementGrid(QWidget* parent)
    : QTableView(parent)
    , model_(this) {
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    // Every row has the same height: the view then places a million rows without measuring any.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
}

void TMeasurementGrid::fitColumns() {
    const QFontMetrics metrics = fontMetrics();
    const QFontMetrics headingMetrics = horizontalHeader()->fontMetrics();
    const int last = model_.rowCount() - 1;
    for (int column = 0; column < model_.columnCount(); ++column) {
        const auto& heading = model_.headings()[std::size_t(column)];
        int width = std::max(headingMetrics.horizontalAdvance(heading[0]),
                             headingMetrics.horizontalAdvance(heading[1]));
        if (last >= 0) {
            width = std::max({width, metrics.horizontalAdvance(model_.cellText(0, column)),
                              metrics.horizontalAdvance(model_.cellText(last, column))});
        }
        setColumnWidth(column, width + cellPadding);
    }
}

QString TMeasurementGrid::selectionText() const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        return {};
    }
    int top = selection.front().top();
    int bottom = selection.front().bottom();
    int left = selection.front().left();
    int right = selection.front().right();
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    const bool singleRange = selection.size() == 1;
    QString text;
    const auto appendLine = [&](auto cellOf) {
        for (int column = left; column <= right; ++column) {
            if (column > left) {
                text += QLatin1Char('\t');
            }
            text += cellOf(column);
        }
        text += QLatin1Char('\n');
    };
    if (top == 0 && bottom == model_.rowCount() - 1) {
        for (std::size_t line = 0; line < 2; ++line) {
            appendLine([&](int column) { return model_.headings()[std::size_t(column)][line]; });
        }
    }
    for (int row = top; row <= bottom; ++row) {
        appendLine([&](int column) {
            const bool selected = singleRange || selection.contains(model_.index(row, column));
            return selected ? model_.cellText(row, column) : QString();
        });
    }
    return text;
}

void TMeasurementGrid::copySelection() const {
    QApplication::clipboard()->setText(selectionText());
}

void TMeasurementGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        framework::guarded([this] { copySelection(); });
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace windows
