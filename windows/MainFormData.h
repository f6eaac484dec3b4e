#pragma once
// What the secondary windows read from the main window, which holds the current equation in the texts of
// its controls, and the one value the zoom window writes back (an empty slot-2 coefficient repaired to
// "1"). Slots are numbered 1 to 4 as in the equation; reactants 1 and 2.

#include "model/Advancement.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace windows {

class MainFormData {
public:
    virtual ~MainFormData() = default;

    virtual QString plainFormula(int slot) const = 0;    // ST1..ST4; empty ST4: slot 4 absent
    virtual QString coefficientText(int slot) const = 0; // MaskEdit1..MaskEdit4
    virtual void setCoefficientText(int slot, const QString& text) = 0;
    virtual QString zoomMarkupFirstLine(int slot) const = 0;     // first line of T1..T4
    virtual QString formulaMarkup(int slot) const = 0;           // ST111, ST222, ST33, ST44
    virtual QString reactantsSide() const = 0;                   // Reactifs' markup
    virtual QString productsSide() const = 0;                    // Produits' markup
    virtual QString initialQuantityText(int reactant) const = 0; // MaskEdit11i, MaskEdit22i
    virtual double initialQuantityValue(int reactant) const = 0; // their Value (lenient reading)
    virtual bool seventhEquationChecked() const = 0;             // BevelCheck7
    // Whether the fourth species' curve is drawn a little above the third's, which it would cover: so
    // for the seventh equation while its box is checked.
    virtual bool fourthCurveLifted() const { return seventhEquationChecked(); }
    virtual double xmax() const = 0;
    // The desktop's work area the main window fills, which the zoom window covers too.
    virtual QRect workArea() const = 0;

    // The four coefficient texts as reals, as every window computes quantities from them: an empty
    // slot-4 coefficient (no fourth species) counts as 0, any other text that is no number fails with the
    // conversion's message.
    model::Coefficients coefficients() const;

    // The equation as a heading writes it: "2 CuO(s) + C(s) → 2 Cu(s) + CO2(g)", a coefficient of 1 not
    // written, as in the lesson.
    QString equationText() const;
    // The two reactants without their states, for the names proposed for files: "CuO-C".
    QString fileStem() const;
    // What a printed chart says it shows: the equation, then the two initial quantities and X as a
    // window shows them (texts in mol), "Quantités initiales : n(C(s)) = 2,5 mol ; n(O2(g)) = 5 mol" and
    // "Avancement : X = 1,250 mol".
    QStringList chartHeading(const QString& n1, const QString& n2, const QString& x) const;

    // Situation files, from any window's chart menu: the current equation saved with the quantities and
    // X that window shows, or a file the user chooses loaded into the main window, which then gives the
    // advancement the file holds (nothing when no file was loaded).
    virtual void saveSituation(QWidget* parent, const QString& quantity1, const QString& quantity2,
                               double advancement) = 0;
    virtual std::optional<double> chooseAndOpenSituation(QWidget* parent) = 0;
};

// The situation items that end a chart menu, after a separator.
void addSituationItems(QMenu& menu, std::function<void()> open, std::function<void()> save);

} // namespace windows
