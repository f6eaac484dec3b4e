#pragma once
// A screen reader's view of the measurement grid: a table of cells under their column headings, read
// from the grid's model when asked. Questions on the selection are answered from its ranges: "Tout
// sélectionner" on a million measurements is one range, whose rows and cells are counted, and told as
// row numbers, never as millions of cell objects.

class QModelIndex;

namespace windows {

class TMeasurementGrid;

// Makes every measurement grid read this way. Call it before anything has asked for a grid's view.
void installMeasurementGridAccessible();

// The child the grid's accessibility events name for a cell: as a table view counts them, a corner, a
// row of column headings and a column of row headings (hidden, but counted) come before the cells.
int measurementGridChildIndex(const TMeasurementGrid& grid, const QModelIndex& index);

} // namespace windows
