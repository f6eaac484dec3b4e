#include "framework/TablePrintout.h"

#include "framework/Color.h"
#include "framework/PageHeading.h"
#include "framework/QtColor.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>
#include <optional>

namespace framework {

namespace {

// In points.
constexpr double textPoints = 9;
constexpr double lineSpacing = 1.35;
constexpr double cellPaddingPoints = 8;

class TablePrintout final : public PrintedDocument {
public:
    explicit TablePrintout(PrintedTable table)
        : table_(std::move(table)) {}

    int layOut(QPaintDevice& device, const QSizeF& area) override {
        area_ = area;
        // A table wider than the page is printed smaller, never cut at the page's edge.
        double points = textPoints;
        for (int attempt = 0; attempt < 4 && measure(device, points) > area.width(); ++attempt) {
            points *= area.width() / tableWidth();
        }
        heading_.emplace(table_.headingLines, printedLine(table_.document, table_.printed), table_.font,
                         device.logicalDpiY());
        const double headings = table_.headingLineCount * line_;
        rowsPerPage_ = std::max(1, int((area.height() - heading_->height() - headings) / line_));
        pages_ = std::max(1, (table_.rowCount + rowsPerPage_ - 1) / rowsPerPage_);
        return pages_;
    }

    // Sets the fonts, the line and the columns' widths for text of `points` points; returns the table's
    // width.
    double measure(QPaintDevice& device, double points) {
        textFont_ = table_.font;
        textFont_.setPointSizeF(points);
        headingFont_ = textFont_;
        headingFont_.setBold(true);
        const QFontMetricsF textMetrics(textFont_, &device);
        const QFontMetricsF headingMetrics(headingFont_, &device);
        line_ = textMetrics.height() * lineSpacing;
        padding_ = cellPaddingPoints * points / textPoints * device.logicalDpiY() / 72.0;
        std::vector<int> rows;
        if (table_.widestRows) {
            rows = table_.widestRows();
        } else {
            for (int row = 0; row < table_.rowCount; ++row) {
                rows.push_back(row);
            }
        }
        widths_.clear();
        for (int column = 0; column < table_.columnCount; ++column) {
            double width = 0;
            for (int part = 0; part < table_.headingLineCount; ++part) {
                width = std::max(width, headingMetrics.horizontalAdvance(table_.heading(column, part)));
            }
            for (int row : rows) {
                width = std::max(width, textMetrics.horizontalAdvance(table_.cell(row, column)));
            }
            widths_.push_back(width + 2 * padding_);
        }
        return tableWidth();
    }

    double tableWidth() const { return std::accumulate(widths_.begin(), widths_.end(), 0.0); }

    void paintPage(QPainter& painter, int index) override {
        heading_->paint(painter, area_.width(), QStringLiteral("page %1 / %2").arg(index + 1).arg(pages_));
        const double tableTop = heading_->height();
        const double headingHeight = table_.headingLineCount * line_;
        const QColor headingFill = toQColor(clPaleYellow);
        const int first = index * rowsPerPage_;
        const int rows = std::clamp(table_.rowCount - first, 0, rowsPerPage_);
        painter.setPen(Qt::black);
        double x = 0;
        for (int column = 0; column < table_.columnCount; ++column) {
            const double width = widths_[std::size_t(column)];
            painter.fillRect(QRectF(x, tableTop, width, headingHeight), headingFill);
            painter.setFont(headingFont_);
            for (int part = 0; part < table_.headingLineCount; ++part) {
                painter.drawText(QRectF(x + padding_, tableTop + part * line_, width - 2 * padding_, line_),
                                 Qt::AlignLeft | Qt::AlignVCenter, table_.heading(column, part));
            }
            painter.setFont(textFont_);
            const Qt::Alignment side =
                table_.leftAligned && table_.leftAligned(column) ? Qt::AlignLeft : Qt::AlignRight;
            for (int row = 0; row < rows; ++row) {
                const QRectF cell(x + padding_, tableTop + headingHeight + row * line_, width - 2 * padding_,
                                  line_);
                painter.drawText(cell, side | Qt::AlignVCenter, table_.cell(first + row, column));
            }
            x += width;
        }
        const double bottom = tableTop + headingHeight + rows * line_;
        painter.setPen(QPen(Qt::gray, 0));
        painter.drawRect(QRectF(0, tableTop, x, bottom - tableTop));
        painter.drawLine(QPointF(0, tableTop + headingHeight), QPointF(x, tableTop + headingHeight));
    }

private:
    PrintedTable table_;
    QSizeF area_;
    QFont textFont_;
    QFont headingFont_;
    double line_ = 0;
    double padding_ = 0;
    std::vector<double> widths_;
    std::optional<PageHeading> heading_;
    int rowsPerPage_ = 1;
    int pages_ = 1;
};

} // namespace

std::unique_ptr<PrintedDocument> tablePrintout(PrintedTable table) {
    return std::make_unique<TablePrintout>(std::move(table));
}

} // namespace framework
