#pragma once
// The grid of the measurement table: a view over a model that formats each cell when it is shown, with
// two heading lines above its columns. Cells can be selected and copied (Ctrl+C) as tab-separated text
// that pastes into a spreadsheet.

#include "model/NumberLocale.h"
#include "windows/Measurements.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

#include <array>
#include <vector>

namespace windows {

class MeasurementTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A column's two heading lines: "n[C(s)]" over "moles".
    using Heading = std::array<QString, 2>;

    explicit MeasurementTableModel(QObject* parent = nullptr);

    void setHeadings(std::vector<Heading> headings);
    const std::vector<Heading>& headings() const { return headings_; }
    void setMeasurements(const Measurements& measurements);
    const Measurements& measurements() const { return measurements_; }

    // Column 0 the measurement number, column 1 X, then Q1, Q2, Q3 and, when slot 4 is present, Q4;
    // every number but the first in the fixed three-decimal format.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString f3(double value) const;

    std::vector<Heading> headings_;
    Measurements measurements_;
    model::NumberLocale locale_;
};

class TMeasurementGrid : public QTableView {
    Q_OBJECT
public:
    explicit TMeasurementGrid(QWidget* parent = nullptr);

    MeasurementTableModel& table() { return model_; }
    const MeasurementTableModel& table() const { return model_; }

    // The selected cells as lines of tab-separated cells. When the selection holds every measurement of
    // its columns, the two heading lines come first, so that a pasted table keeps its headings.
    QString selectionText() const;
    void copySelection() const;

    // Widens the columns to their headings and to the widest values, which lie at the two ends of the
    // table since every quantity moves linearly with X.
    void fitColumns();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MeasurementTableModel model_;
};

} // namespace windows
