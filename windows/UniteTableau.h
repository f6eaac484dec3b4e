#pragma once
// The measurement table window, FicheTab: the quantities of the species of the current equation for a
// chosen number of evenly spaced values of X, from 0 to the main window's xmax. It reads the main window
// when it is created (and xmax for every filling) and changes nothing outside itself.

#include "windows/MainFormData.h"
#include "windows/Measurements.h"

#include <QDialog>

namespace controls {
class TGlyphButton;
}
namespace framework {
class TEdit;
class TStaticText;
} // namespace framework

namespace windows {

class TMeasurementGrid;
class TUpDown;

class TFicheTab : public QDialog {
    Q_OBJECT
public:
    // The count the window starts with.
    static constexpr int defaultCount = 100;
    // The largest count "Valider" accepts: beyond it a table is of no use to a pupil.
    static constexpr int maximumCount = 1'000'000;

    TFicheTab(MainFormData& main, QWidget* owner);
    ~TFicheTab() override;

    // Rows of the grid, its two heading rows included.
    int rowCount() const;
    int columnCount() const;
    // The text of a grid cell as it shows it; rows 0 and 1 are the headings.
    QString cell(int column, int row) const;

private:
    void FormCreate();
    void GlyphButton1Click(QObject* sender);
    // Fills the grid with last + 1 measurements from X = 0 to xmax; nothing when last is below 0.
    void CalculValeurs(int last);
    // Sizes the columns to their contents and the window to its columns.
    void fitColumns();
    int countFromText(const QString& text) const;
    QString countMessage() const;

    MainFormData& main_;
    MeasurementInputs inputs_;

    QWidget* Panel1;
    QWidget* Panel2;
    framework::TStaticText* Label1;
    framework::TEdit* EditNbreMesures;
    TUpDown* UpDownMesures;
    controls::TGlyphButton* GlyphButton1;
    TMeasurementGrid* Tableau;
};

// The window while it is shown, as the program's units name it; null otherwise.
extern TFicheTab* FicheTab;

} // namespace windows
