#pragma once
// A worksheet for the lesson, on one A4 page: the equation, the two initial quantities, the state table
// and a grid for the quantities n as functions of X. The blank sheet leaves the table's cells empty and
// the grid bare, graduated from the data the pupils are given rather than from xmax, so that it gives no
// answer away; the corrected sheet fills the table and draws the curves. Both charts' pop-up menus of
// both windows print it, from what that window holds.

#include "framework/Printing.h"
#include "model/Advancement.h"
#include "windows/MainFormData.h"
#include "windows/StateTable.h"

#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

class QMenu;
class QPaintDevice;
class QPainter;
class QWidget;

namespace windows {

// What a window holds for a worksheet: the equation (formulas, markups, coefficients), the texts of its
// two initial-quantity fields and its maximal advancement.
struct WorksheetSource {
    const MainFormData& equation;
    QString quantity1;
    QString quantity2;
    double xmax = 0;
};

enum class WorksheetKind { Blank, Corrected };

// An axis from 0 to maximum, labelled every step: 1, 2 or 5 times a power of ten, ten steps at most.
struct RoundAxis {
    double maximum = 1;
    double step = 0.2;
};
RoundAxis roundAxis(double atLeast);

// The grid's axes, from the initial quantities and the coefficients alone: X runs a quarter beyond the
// larger of the two ratios N / A, n a tenth beyond the largest quantity any species reaches there.
struct WorksheetAxes {
    RoundAxis x;
    RoundAxis y;
};
WorksheetAxes worksheetAxes(double n1, double n2, const model::Coefficients& a);

class Worksheet final : public framework::PrintedDocument {
public:
    // Reads the quantities strictly: a field that holds no number fails here with the conversion's
    // message, before anything is printed.
    Worksheet(const WorksheetSource& source, WorksheetKind kind);

    // "fiche-CuO-C" or "fiche-corrigee-CuO-C".
    QString documentName() const { return documentName_; }
    const StateTable& table() const { return table_; }

    // One page, laid out on the printable area of device (in its pixels) and painted with the painter's
    // origin at that area's top left corner.
    int layOut(QPaintDevice& device, const QSizeF& area) override;
    void paintPage(QPainter& painter, int index) override;

private:
    void paintGraph(QPainter& painter, const QRectF& box) const;

    WorksheetKind kind_;
    QString documentName_;
    StateTable table_;
    std::array<QString, 2> quantities_;
    WorksheetAxes axes_;
    double xmax_ = 0;
    std::vector<model::Sample> samples_; // the curves of the corrected sheet
    QSizeF area_;
};

// Prints the worksheet through the print dialog.
void printWorksheet(QWidget* parent, const WorksheetSource& source, WorksheetKind kind);

// Adds "Imprimer une fiche…" and "Imprimer la fiche corrigée…" to a chart's pop-up menu, behind a
// separator after the image items the chart gave it (so call it once the chart has its menu); source
// tells what the window holds when an item is chosen.
void addWorksheetItems(QMenu& menu, QWidget* parent, std::function<WorksheetSource()> source);

} // namespace windows
