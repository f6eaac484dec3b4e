#pragma once
// The files a teacher prepares a lesson with: the list of the teacher's own equations, kept in the
// user's data folder and shared with colleagues by export and import, and situations (an equation, its
// two initial quantities and X), opened by a double-click or given to the program on its command line.
// Both are JSON. A file that cannot be read is refused whole, with a French message that names it and
// says where it is wrong: nothing of it is half-applied.
//
// A situation:
//   {"format": "molvanex-situation", "version": 1, "equation": "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)",
//    "quantites": [2, 1], "avancement": 0.5, "noms": ["Oxyde de cuivre", "Carbone", "Cuivre", ""]}
// The list of equations:
//   {"format": "molvanex-equations", "version": 1,
//    "equations": [{"equation": "Ag^+(aq) + Cl^-(aq) -> AgCl(s)", "titre": "Précipitation", "noms": [...]}]}
// "noms" (the species' French names, slot by slot) and "titre" may be left out; unknown keys are ignored,
// so that a later version may add some; a later format version is refused.

#include "model/Equation.h"

#include <QString>

#include <array>
#include <stdexcept>
#include <vector>

class QByteArray;

namespace windows {

class FileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The species' French names, slot by slot; empty where the teacher gave none.
using SpeciesNames = std::array<QString, 4>;

// What a one-line equation stands for: one of the catalogue's seven, known by its text (the seventh
// leaves out the water it carries in its fourth species, so it is not balanced as written), or a
// teacher's balanced equation.
struct EquationChoice {
    int preset = 0;         // 1..7, or 0 for a teacher's equation
    model::Equation record; // with the names given, if any
    QString text;           // the canonical one-line text
};

// The one-line text of a catalogue equation: "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)".
QString presetText(int number);

// Reads a one-line equation. Throws FileFormatError with the parser's or the balance check's French
// message when it is no equation or not balanced.
EquationChoice chooseEquation(const QString& text, const SpeciesNames& names = {});

struct KeptEquation {
    QString text;  // canonical: two kept equations with the same text are the same equation
    QString title; // the name it is listed under; empty: listed by its text
    SpeciesNames names;

    QString listedName() const { return title.isEmpty() ? text : title; }
};

struct Situation {
    QString equation;
    SpeciesNames names;
    std::array<double, 2> quantities{}; // mol
    double advancement = 0;             // X, mol
};

// Reading and writing the two formats. path only names the file in messages.
std::vector<KeptEquation> readEquationList(const QByteArray& json, const QString& path);
QByteArray equationListJson(const std::vector<KeptEquation>& equations);
Situation readSituation(const QByteArray& json, const QString& path);
QByteArray situationJson(const Situation& situation);

// The whole file, or FileFormatError naming it when it cannot be read.
QByteArray readWholeFile(const QString& path);

// The suffix of a situation file, and its file-dialog filter.
inline constexpr const char* situationSuffix = "molvanex";
QString situationFilter();
QString equationListFilter();

} // namespace windows
