#pragma once
// A table printed on as many pages as it takes: the document's heading above (PageHeading), the columns'
// headings repeated on every page, then as many rows as the page holds, each column as wide as its
// widest text. The measurement table and the exercises' results print through it.

#include "framework/Printing.h"

#include <QDateTime>
#include <QFont>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace framework {

struct PrintedTable {
    QStringList headingLines; // the title first, then the lines under it
    QString document;         // what the printed line calls it: "Tableau des mesures"
    QDateTime printed;
    QFont font; // its face; the printout sets its sizes
    int columnCount = 0;
    int rowCount = 0;
    int headingLineCount = 1; // the lines of every column's heading
    std::function<QString(int column, int line)> heading;
    std::function<QString(int row, int column)> cell;
    // Columns of text are read from the left; numbers, by default, line up on the right.
    std::function<bool(int column)> leftAligned;
    // The rows whose texts set the columns' widths, when a long table knows where its widest values
    // lie; every row when unset.
    std::function<std::vector<int>()> widestRows;
};

std::unique_ptr<PrintedDocument> tablePrintout(PrintedTable table);

} // namespace framework
