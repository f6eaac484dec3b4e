#pragma once
// The grid of the measurement table: a view over a model that formats each cell when it is shown, with
// two heading lines above its columns. Cells can be selected and copied (Ctrl+C) as tab-separated text
// that pastes into a spreadsheet; its pop-up menu (right click, Menu key, Shift+F10) also saves the table
// as a CSV file and prints it. The clipboard, the file and the printout read the same model as the grid.
// Copying, saving and printing a long table show their progress and can be cancelled.

#include "model/NumberLocale.h"
#include "windows/Measurements.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QStringList>
#include <QTableView>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QMenu;

namespace framework {
class PrintedDocument;
}

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
    // every number but the first in the fixed three-decimal format, with the locale's thousands grouping
    // as the grid shows it, or without it for a file a spreadsheet reads as numbers.
    enum class Grouping { AsShown, None };
    QString cellText(int row, int column, Grouping grouping = Grouping::AsShown) const;

    // Rows top..bottom (measurement indexes) of columns left..right as lines of cells joined by
    // separator, the two heading lines first when asked. A cell for which selected says no is left blank.
    // rowDone, when given, is told each row written.
    struct Block {
        int top = 0;
        int bottom = -1;
        int left = 0;
        int right = -1;
        bool headings = false;
    };
    QString linesText(const Block& block, QChar separator, Grouping grouping,
                      const std::function<bool(int row, int column)>& selected = {},
                      const std::function<void(int row)>& rowDone = {}) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString f3(double value, Grouping grouping) const;

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
    // What "Copier" and Ctrl+C put on the clipboard: the selection, or the whole table with its headings
    // when nothing is selected.
    QString copyText() const;
    void copySelection() const;

    // What the saved file and the printout are called after: the equation as a line of text
    // ("2 CuO(s) + C(s) → 2 Cu(s) + CO2(g)") and the stem of the proposed file name ("CuO-C").
    void setDocumentNames(const QString& equation, const QString& fileStem);
    QString proposedFileName() const;

    // The whole table as a CSV file a French spreadsheet opens as numbers: UTF-8 with a byte-order mark,
    // ";" between fields, the locale's decimal comma and no grouping inside numbers, the headings first.
    // rowDone, when given, is told each row written.
    void writeCsv(QIODevice& file, const std::function<void(int row)>& rowDone = {}) const;
    // The whole table on pages: the equation and the date above, the column headings repeated on every
    // page. printed is the moment the heading names. It reads the grid while it prints.
    std::unique_ptr<framework::PrintedDocument> printout(const QDateTime& printed) const;

    QMenu* contextMenu() const { return menu_; }

    // Widens the columns to their headings and to the widest values, which lie at the two ends of the
    // table since every quantity moves linearly with X.
    void fitColumns();
    // The width that shows every column whole beside the vertical scroll bar.
    int widthShowingEveryColumn() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void saveAs();
    void printWithDialog();
    // The block's lines as the clipboard takes them, with a progress that can cancel a long copy.
    QString copiedText(const MeasurementTableModel::Block& block,
                       const std::function<bool(int row, int column)>& selected) const;

    MeasurementTableModel model_;
    QMenu* menu_;
    QString equation_;
    QString fileStem_;
};

} // namespace windows
