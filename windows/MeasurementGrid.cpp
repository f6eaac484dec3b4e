#include "windows/MeasurementGrid.h"

#include "framework/Color.h"
#include "framework/ErrorGuard.h"
#include "framework/FileSaving.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
#include "framework/Printing.h"
#include "framework/QtColor.h"
#include "model/NumberFormat.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QIODevice>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

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

// The printout, in points.
constexpr double printTitlePoints = 12;
constexpr double printTextPoints = 9;
constexpr double printLineSpacing = 1.35;
constexpr double printCellPaddingPoints = 8;

// A field holding the separator, a quote or a line break is quoted, as spreadsheets read it.
QString field(const QString& text, QChar separator) {
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The width a column's text takes: its two heading lines and, since the widest values lie at the two
// ends of the table, its first and last values. Screen and printer measure with their own metrics.
template <class Metrics>
auto widestText(const MeasurementTableModel& model, int column, const Metrics& headings,
                const Metrics& values) {
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
                                         const std::function<bool(int, int)>& selected) const {
    QString text;
    const auto appendLine = [&](auto cellOf) {
        for (int column = block.left; column <= block.right; ++column) {
            if (column > block.left) {
                text += separator;
            }
            text += field(cellOf(column), separator);
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
        return model_.linesText(block, QLatin1Char('\t'), MeasurementTableModel::Grouping::AsShown);
    }
    return model_.linesText(
        block, QLatin1Char('\t'), MeasurementTableModel::Grouping::AsShown,
        [&](int row, int column) { return selection.contains(model_.index(row, column)); });
}

QString TMeasurementGrid::copyText() const {
    if (selectionModel()->hasSelection()) {
        return selectionText();
    }
    return model_.linesText({0, model_.rowCount() - 1, 0, model_.columnCount() - 1, true}, QLatin1Char('\t'),
                            MeasurementTableModel::Grouping::AsShown);
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

void TMeasurementGrid::writeCsv(QIODevice& file) const {
    file.write("\xEF\xBB\xBF");
    const int last = model_.rowCount() - 1;
    const int right = model_.columnCount() - 1;
    MeasurementTableModel::Block block{0, std::min(last, csvRowsPerChunk - 1), 0, right, true};
    for (;;) {
        file.write(model_.linesText(block, QLatin1Char(';'), MeasurementTableModel::Grouping::None).toUtf8());
        if (block.bottom >= last) {
            return;
        }
        block = {block.bottom + 1, std::min(last, block.bottom + csvRowsPerChunk), 0, right, false};
    }
}

void TMeasurementGrid::print(QPainter& painter, QPrinter& printer, const QDateTime& printed) const {
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const double dotsPerPoint = printer.resolution() / 72.0;
    QFont titleFont = font();
    titleFont.setPointSizeF(printTitlePoints);
    titleFont.setBold(true);
    QFont textFont = font();
    textFont.setPointSizeF(printTextPoints);
    QFont headingFont = textFont;
    headingFont.setBold(true);
    const QFontMetricsF titleMetrics(titleFont, &printer);
    const QFontMetricsF textMetrics(textFont, &printer);
    const QFontMetricsF headingMetrics(headingFont, &printer);
    const double line = textMetrics.height() * printLineSpacing;
    const double padding = printCellPaddingPoints * dotsPerPoint;

    std::vector<double> widths;
    for (int column = 0; column < model_.columnCount(); ++column) {
        widths.push_back(widestText(model_, column, headingMetrics, textMetrics) + 2 * padding);
    }

    const double tableTop = titleMetrics.height() + line * 1.5;
    const double headingHeight = 2 * line;
    const int rowsPerPage = std::max(1, int((page.height() - tableTop - headingHeight) / line));
    const int pages = std::max(1, (model_.rowCount() + rowsPerPage - 1) / rowsPerPage);
    const QLocale locale;
    const QString date = QStringLiteral("Tableau des mesures, imprimé le %1 à %2")
                             .arg(locale.toString(printed.date(), QLocale::LongFormat),
                                  locale.toString(printed.time(), QStringLiteral("HH:mm")));
    const QColor headingFill = framework::toQColor(framework::clPaleYellow);

    for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
        if (pageIndex > 0) {
            printer.newPage();
        }
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        painter.drawText(QRectF(0, 0, page.width(), titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         equation_);
        painter.setFont(textFont);
        const QRectF dateLine(0, titleMetrics.height(), page.width(), line);
        painter.drawText(dateLine, Qt::AlignLeft | Qt::AlignVCenter, date);
        painter.drawText(dateLine, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("page %1 / %2").arg(pageIndex + 1).arg(pages));

        const int first = pageIndex * rowsPerPage;
        const int rows = std::min(rowsPerPage, model_.rowCount() - first);
        double x = 0;
        for (int column = 0; column < model_.columnCount(); ++column) {
            const double width = widths[std::size_t(column)];
            const auto& heading = model_.headings()[std::size_t(column)];
            painter.fillRect(QRectF(x, tableTop, width, headingHeight), headingFill);
            painter.setFont(headingFont);
            for (std::size_t part = 0; part < 2; ++part) {
                painter.drawText(
                    QRectF(x + padding, tableTop + double(part) * line, width - 2 * padding, line),
                    Qt::AlignLeft | Qt::AlignVCenter, heading[part]);
            }
            painter.setFont(textFont);
            for (int row = 0; row < rows; ++row) {
                const QRectF cell(x + padding, tableTop + headingHeight + row * line, width - 2 * padding,
                                  line);
                painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                                 model_.cellText(first + row, column));
            }
            x += width;
        }
        const double bottom = tableTop + headingHeight + rows * line;
        painter.setPen(QPen(Qt::gray, 0));
        painter.drawRect(QRectF(0, tableTop, x, bottom - tableTop));
        painter.drawLine(QPointF(0, tableTop + headingHeight), QPointF(x, tableTop + headingHeight));
    }
}

void TMeasurementGrid::saveAs() {
    framework::saveFileAs(window(), QStringLiteral("Enregistrer le tableau des mesures"), proposedFileName(),
                          {QStringLiteral("Fichier CSV (*.csv)")},
                          [this](QIODevice& file, const QString&) { writeCsv(file); });
}

void TMeasurementGrid::printWithDialog() {
    framework::printWithDialog(window(), QStringLiteral("mesures-") + fileStem_,
                               [this](QPainter& painter, QPrinter& printer) {
                                   print(painter, printer, QDateTime::currentDateTime());
                               });
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
