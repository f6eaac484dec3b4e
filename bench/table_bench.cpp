// How long the measurement table takes to open with a count of measurements, fill its grid and show its
// last row: a million measurements must take well under a tenth of a second, since nothing is computed
// for the rows that are not on screen.

#include "BenchSupport.h"

#include "controls/GlyphBtn.h"
#include "framework/Edit.h"
#include "windows/MainFormData.h"
#include "windows/MeasurementGrid.h"
#include "windows/UniteTableau.h"

#include <QApplication>

namespace {

// Carbon and dioxygen, 2,5 and 5 mol: xmax = 2,5.
class LessonMain : public windows::MainFormData {
public:
    QString plainFormula(int slot) const override {
        static const QString formulas[] = {QStringLiteral("C(s)"), QStringLiteral("O2(g)"),
                                           QStringLiteral("CO2(g)"), QString()};
        return formulas[slot - 1];
    }
    QString coefficientText(int slot) const override { return slot == 4 ? QString() : QStringLiteral("1"); }
    void setCoefficientText(int, const QString&) override {}
    QString zoomMarkupFirstLine(int slot) const override { return plainFormula(slot); }
    QString formulaMarkup(int slot) const override { return plainFormula(slot); }
    QString reactantsSide() const override { return QStringLiteral("C(s) + O2(g)"); }
    QString productsSide() const override { return QStringLiteral("CO2(g)"); }
    QString initialQuantityText(int reactant) const override {
        return reactant == 1 ? QStringLiteral("2,5") : QStringLiteral("5");
    }
    double initialQuantityValue(int reactant) const override { return reactant == 1 ? 2.5 : 5; }
    bool seventhEquationChecked() const override { return false; }
    double xmax() const override { return 2.5; }
};

void OpenFillAndScrollToTheEnd(benchmark::State& state) {
    LessonMain main;
    const QString count = QString::number(state.range(0));
    bool counted = true;
    bench::timeEach(state, [&] {
        windows::TFicheTab window(main, nullptr);
        window.findChild<framework::TEdit*>(QStringLiteral("EditNbreMesures"))->setText(count);
        window.findChild<controls::TGlyphButton*>(QStringLiteral("GlyphButton1"))->click();
        window.show();
        auto* grid = window.findChild<windows::TMeasurementGrid*>(QStringLiteral("Tableau"));
        grid->scrollToBottom();
        grid->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(grid->indexAt(grid->viewport()->rect().bottomLeft() - QPoint(0, 4)).row());
        counted = counted && window.rowCount() == state.range(0) + 2;
    });
    if (!counted) {
        state.SkipWithError("the table did not take the count");
    }
}
BENCHMARK(OpenFillAndScrollToTheEnd)->Arg(100)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// "Valider" alone on an open table: the grid takes a new count.
void Validate(benchmark::State& state) {
    LessonMain main;
    windows::TFicheTab window(main, nullptr);
    window.show();
    QApplication::processEvents();
    auto* edit = window.findChild<framework::TEdit*>(QStringLiteral("EditNbreMesures"));
    auto* validate = window.findChild<controls::TGlyphButton*>(QStringLiteral("GlyphButton1"));
    bool large = false;
    bench::timeEach(state, [&] {
        edit->setText(large ? QStringLiteral("1000000") : QStringLiteral("999999"));
        large = !large;
        validate->click();
        QApplication::processEvents();
    });
}
BENCHMARK(Validate)->Unit(benchmark::kMillisecond);

} // namespace
