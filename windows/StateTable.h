#pragma once
// The state table as one picture that any painter can take at any size: the equation line above three
// rows (the initial state, the state during the transformation, the final state) and one column for X and
// one per species. The zoom window projects it on a page of its own and the worksheet prints it; both
// describe what it shows with a StateTable, filled from what their window holds.

#include "framework/Color.h"
#include "windows/MainFormData.h"

#include <QRect>
#include <QString>

#include <array>

class QPainter;

namespace windows {

// What a state table shows, cell by cell. The equation's sides and the column heads are markup, every
// other cell a text; an empty text leaves its cell blank.
struct StateTable {
    QString reactantsSide;
    QString productsSide;
    int speciesCount = 3;            // 3, or 4 with a fourth species
    std::array<QString, 4> heads;    // formula markups
    std::array<QString, 4> formulas; // plain formulas, which name the columns to a screen reader
    QString initialX;
    std::array<QString, 4> initial;
    std::array<QString, 4> expressions;
    QString duringX;
    std::array<QString, 4> during;
    // The final row's X cell reads "Xmax" only when the row is shown; the values may still be blank.
    bool finalRowShown = false;
    QString finalX;
    std::array<QString, 4> finals;

    // Rows 0 to 2 from the initial state down; column 0 is X, columns 1 to speciesCount the species.
    static constexpr int rowCount = 3;
    int columnCount() const { return 1 + speciesCount; }
    static QString rowName(int row);
    QString columnName(int column) const;
    // A cell as a screen reader reads it, as the main window's table reads.
    QString cellText(int row, int column) const;
    // "C(s) + O2(g) donnent CO2(g)".
    QString equationText() const;
};

// A state table's cell as a screen reader hears it after its row and column: what the cell shows, in mol
// ("2 - 2 X = 2,000 mol", "Xmax = 1 mol"), and "non atteint" in the final row until X reaches xmax.
QString heardCell(int row, bool finalRowShown, const QString& shown);

// The equation line, the column heads and the initial row of the equation the main window holds, with
// the two initial quantities as the texts given, and the expressions built from them; the other rows are
// left blank.
StateTable stateTableOf(const MainFormData& equation, const QString& quantity1, const QString& quantity2);

// The colours of the picture: as the main window draws it (teal, white lines and text), or for paper
// (black on white, no ink wasted on a background).
struct StateTableLook {
    framework::TColor background;
    framework::TColor lines;
    framework::TColor text;
    framework::TColor bandOutline;
};
inline constexpr StateTableLook screenLook{framework::clTeal, framework::clWhite, framework::clWhite,
                                           framework::clBlack};
inline constexpr StateTableLook paperLook{framework::clNone, framework::clBlack, framework::clBlack,
                                          framework::clBlack};

enum class StateTableParts { EquationAndTable, Equation, Table };

// Lays the picture out for one painter and draws it. Sizes are in the painter's units; textSize is the
// height of the values' text, from which every other text, margin and line is sized.
class StateTablePicture {
public:
    StateTablePicture(const StateTable& table, const StateTableLook& look,
                      StateTableParts parts = StateTableParts::EquationAndTable);

    // The size the picture takes unstretched, its values textSize high, measured on painter's device.
    QSize naturalSize(QPainter& painter, int textSize) const;

    // Where the picture goes in area: its texts at most textSize high, smaller where the whole would not
    // fit; its columns share the area's width, its rows grow a little into the area's height, and the
    // whole stands in the middle of what is left.
    struct Placement {
        QRect rect;
        int textSize = 0;
    };
    Placement place(QPainter& painter, const QRect& area, int textSize) const;
    Placement paint(QPainter& painter, const QRect& area, int textSize) const;

private:
    struct Geometry;
    Geometry measure(QPainter& painter, int textSize) const;
    Geometry fitted(QPainter& painter, const QRect& area, int textSize) const;
    static Placement placementOf(const Geometry& g, const QRect& area);
    void drawEquation(QPainter& painter, const Geometry& g, const QRect& band) const;
    void drawTable(QPainter& painter, const Geometry& g, const QRect& table) const;

    const StateTable& table_;
    StateTableLook look_;
    StateTableParts parts_;
};

} // namespace windows
