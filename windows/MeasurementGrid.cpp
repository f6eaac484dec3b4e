#include "windows/MeasurementGrid.h"

#include "framework/ErrorGuard.h"
#include "framework/FileSaving.h"
#include "framework/LocaleText.h"
#include "framework/LongWork.h"
#include "framework/Menu.h"
#include "framework/Printing.h"
#include "framework/TablePrintout.h"
#include "framework/TableText.h"
#include "model/NumberFormat.h"
#include "windows/MeasurementGridAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QIODevice>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include <algorithm>

namespace windows {

namespace {

constexpr int numberColumn = 0;
constexpr int advancementColumn = 1;
constexpr int firstQuantityColumn = 2;
// Room left of and right of a cell's text, as the grid draws it.
constexpr int cellPadding = 12;
// A CSV file is written this many rows at a time, so that a million measurements never sit in memory
// as one text.
constexpr int csvRowsPerChunk = 10'000;

// The width a column's text takes on screen: its two heading lines and, since the widest values lie at
// the two ends of the table, its first and last values.
int widestText(const MeasurementTableModel& model, int column, const QFontMetrics& headings,
               const QFontMetrics& values) {
    const auto& heading = model.headings()[std::size_t(column)];
    auto width = std::max(headings.horizontalAdvance(heading[0]), headings.horizontalAdvance(heading[1]));
    const int last = model.rowCount() - 1;
    if (last >= 0) {
        width = std::max({width, values.horizontalAdvance(model.cellText(0, column)),
                          values.horizontalAdvance(model.cellText(last, column))});
    }
    return width;
}

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

QString MeasurementTableModel::f3(double value, Grouping grouping) const {
    if (grouping == Grouping::None) {
        return framework::toQ(model::formatF3(value, model::NumberLocale{locale_.decimal, std::string()}));
    }
    return framework::toQ(model::formatF3(value, locale_));
}

QString MeasurementTableModel::cellText(int row, int column, Grouping grouping) const {
    if (row < 0 || row >= measurements_.count()) {
        return {};
    }
    if (column == numberColumn) {
        return QString::number(row + 1);
    }
    if (column == advancementColumn) {
        return f3(measurements_.advancement(row), grouping);
    }
    const model::Quantities q = measurements_.quantities(row);
    switch (column - firstQuantityColumn) {
    case 0:
        return f3(q.q1, grouping);
    case 1:
        return f3(q.q2, grouping);
    case 2:
        return f3(q.q3, grouping);
    case 3:
        return measurements_.inputs().slot4Present ? f3(q.q4, grouping) : QString();
    default:
        return {};
    }
}

QString MeasurementTableModel::linesText(const Block& block, QChar separator, Grouping grouping,
                                         const std::function<bool(int, int)>& selected,
                                         const std::function<void(int)>& rowDone) const {
    QString text;
    const auto appendLine = [&](auto cellOf) {
        for (int column = block.left; column <= block.right; ++column) {
            if (column > block.left) {
                text += separator;
            }
            text += framework::tableField(cellOf(column), separator);
        }
        text += QLatin1Char('\n');
    };
    if (block.headings) {
        for (std::size_t line = 0; line < 2; ++line) {
            appendLine([&](int column) { return headings_[std::size_t(column)][line]; });
        }
    }
    for (int row = block.top; row <= block.bottom; ++row) {
        appendLine([&](int column) {
            return !selected || selected(row, column) ? cellText(row, column, grouping) : QString();
        });
        if (rowDone) {
            rowDone(row);
        }
    }
    return text;
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
    , model_(this)
    , menu_(new QMenu(this)) {
    installMeasurementGridAccessible();
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The arrows move between cells; Tab and Shift+Tab leave the grid, as they leave every control.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Every row has the same height: the view then places a million rows without measuring any.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);

    menu_->setObjectName(QStringLiteral("TableauMenu"));
    framework::addMenuItem(menu_, QStringLiteral("Copier"), QStringLiteral("Copier"), [this] {
        copySelection();
    })->setShortcut(QKeySequence::Copy);
    framework::addMenuItem(menu_, QStringLiteral("ToutSelectionner"), QStringLiteral("Tout sélectionner"),
                           [this] { selectAll(); })
        ->setShortcut(QKeySequence::SelectAll);
    menu_->addSeparator();
    framework::addMenuItem(menu_, QStringLiteral("EnregistrerSous"), QStringLiteral("Enregistrer sous…"),
                           [this] { saveAs(); });
    framework::addMenuItem(menu_, QStringLiteral("Imprimer"), QStringLiteral("Imprimer…"),
                           [this] { printWithDialog(); });
}

void TMeasurementGrid::fitColumns() {
    const QFontMetrics metrics = fontMetrics();
    const QFontMetrics headingMetrics = horizontalHeader()->fontMetrics();
    for (int column = 0; column < model_.columnCount(); ++column) {
        setColumnWidth(column, widestText(model_, column, headingMetrics, metrics) + cellPadding);
    }
}

int TMeasurementGrid::widthShowingEveryColumn() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < model_.columnCount(); ++column) {
        width += columnWidth(column);
    }
    return width;
}

QString TMeasurementGrid::selectionText() const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) {
        return {};
    }
    MeasurementTableModel::Block block{selection.front().top(), selection.front().bottom(),
                                       selection.front().left(), selection.front().right()};
    for (const QItemSelectionRange& range : selection) {
        block.top = std::min(block.top, range.top());
        block.bottom = std::max(block.bottom, range.bottom());
        block.left = std::min(block.left, range.left());
        block.right = std::max(block.right, range.right());
    }
    block.headings = block.top == 0 && block.bottom == model_.rowCount() - 1;
    if (selection.size() == 1) {
        return copiedText(block, {});
    }
    return copiedText(block,
                      [&](int row, int column) { return selection.contains(model_.index(row, column)); });
}

QString TMeasurementGrid::copiedText(const MeasurementTableModel::Block& block,
                                     const std::function<bool(int, int)>& selected) const {
    framework::LongWork work(window(), QStringLiteral("Copie"), QStringLiteral("Copie des mesures…"),
                             block.bottom - block.top + 1);
    return model_.linesText(block, QLatin1Char('\t'), MeasurementTableModel::Grouping::AsShown, selected,
                            [&](int row) { work.advance(row - block.top + 1); });
}

QString TMeasurementGrid::copyText() const {
    if (selectionModel()->hasSelection()) {
        return selectionText();
    }
    return copiedText({0, model_.rowCount() - 1, 0, model_.columnCount() - 1, true}, {});
}

void TMeasurementGrid::copySelection() const {
    QApplication::clipboard()->setText(copyText());
}

void TMeasurementGrid::setDocumentNames(const QString& equation, const QString& fileStem) {
    equation_ = equation;
    fileStem_ = fileStem;
}

QString TMeasurementGrid::proposedFileName() const {
    return QStringLiteral("mesures-") + fileStem_ + QStringLiteral(".csv");
}

void TMeasurementGrid::writeCsv(QIODevice& file, const std::function<void(int)>& rowDone) const {
    file.write(framework::utf8ByteOrderMark);
    const int last = model_.rowCount() - 1;
    const int right = model_.columnCount() - 1;
    MeasurementTableModel::Block block{0, std::min(last, csvRowsPerChunk - 1), 0, right, true};
    for (;;) {
        file.write(
            model_.linesText(block, QLatin1Char(';'), MeasurementTableModel::Grouping::None, {}, rowDone)
                .toUtf8());
        if (block.bottom >= last) {
            return;
        }
        block = {block.bottom + 1, std::min(last, block.bottom + csvRowsPerChunk), 0, right, false};
    }
}

std::unique_ptr<framework::PrintedDocument> TMeasurementGrid::printout(const QDateTime& printed) const {
    framework::PrintedTable table;
    table.headingLines = {equation_};
    table.document = QStringLiteral("Tableau des mesures");
    table.printed = printed;
    table.font = font();
    table.columnCount = model_.columnCount();
    table.rowCount = model_.rowCount();
    table.headingLineCount = 2;
    table.heading = [this](int column, int line) {
        return model_.headings()[std::size_t(column)][std::size_t(line)];
    };
    table.cell = [this](int row, int column) { return model_.cellText(row, column); };
    // Every quantity moves linearly with X: the widest values lie at the two ends of the table.
    table.widestRows = [this] {
        return model_.rowCount() == 0 ? std::vector<int>{} : std::vector<int>{0, model_.rowCount() - 1};
    };
    return framework::tablePrintout(std::move(table));
}

void TMeasurementGrid::saveAs() {
    framework::saveFileAs(window(), QStringLiteral("Enregistrer le tableau des mesures"), proposedFileName(),
                          {QStringLiteral("Fichier CSV (*.csv)")}, [this](QIODevice& file, const QString&) {
                              framework::LongWork work(window(), QStringLiteral("Enregistrement"),
                                                       QStringLiteral("Enregistrement des mesures…"),
                                                       model_.rowCount());
                              writeCsv(file, [&](int row) { work.advance(row + 1); });
                          });
}

void TMeasurementGrid::printWithDialog() {
    const auto document = printout(QDateTime::currentDateTime());
    framework::printWithDialog(window(), QStringLiteral("mesures-") + fileStem_, *document);
}

void TMeasurementGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    // What the table view tells a screen reader, from the first cell of each change: it would list every
    // cell of the selection to find that one, millions of them after "Tout sélectionner".
    if (QAccessible::isActive()) {
        const auto tell = [this](const QItemSelection& change, QAccessible::Event kind) {
            if (!change.isEmpty()) {
                QAccessibleEvent event(this, kind);
                event.setChild(measurementGridChildIndex(*this, change.front().topLeft()));
                QAccessible::updateAccessibility(&event);
            }
        };
        tell(selected, QAccessible::SelectionAdd);
        tell(deselected, QAccessible::SelectionRemove);
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

void TMeasurementGrid::contextMenuEvent(QContextMenuEvent* event) {
    framework::guarded([&] {
        if (event->reason() == QContextMenuEvent::Mouse) {
            menu_->popup(event->globalPos());
            return;
        }
        // From the keyboard the menu opens at the current cell, or at the grid's corner.
        const QRect current = visualRect(currentIndex());
        menu_->popup(viewport()->mapToGlobal(current.isValid() ? current.center() : QPoint(0, 0)));
    });
    event->accept();
}

void TMeasurementGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        framework::guarded([this] { copySelection(); });
        event->accept();
        return;
    }
    // The Menu key and Shift+F10 open the pop-up menu on every platform, as the right button does.
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    if (menuKey || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(0, 0), mapToGlobal(QPoint(0, 0)));
        contextMenuEvent(&menuEvent);
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace windows
