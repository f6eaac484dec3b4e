#pragma once
// A screen reader's table over a grid the program draws from separate controls (the state table's
// shapes, labels and fields): the widget given reads as a table whose rows, columns and cells are
// read through the functions of a TableReading, at the moment they are asked for, so that they always
// say what the controls show.

#include <QString>
#include <QWidget>

#include <functional>

namespace framework {

struct TableReading {
    int rowCount = 0;
    std::function<int()> columnCount;
    std::function<QString(int row)> rowName;
    std::function<QString(int column)> columnName;
    std::function<QString(int row, int column)> cell;
};

// Makes `widget` read as a table named `name`. Call it before anything has asked for the widget's
// accessible view.
void readAsTable(QWidget* widget, const QString& name, TableReading reading);

} // namespace framework
