// How long the measurement table takes to open with a count of measurements, fill its grid and show its
// last row: a million measurements must take well under a tenth of a second, since nothing is computed
// for the rows that are not on screen. And how the window goes on painting while a million measurements
// are printed.

#include "BenchSupport.h"

#include "controls/GlyphBtn.h"
#include "framework/Edit.h"
#include "framework/Printing.h"
#include "windows/MainFormData.h"
#include "windows/MeasurementGrid.h"
#include "windows/UniteTableau.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <vector>

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
    QRect workArea() const override { return {0, 0, 1024, 738}; }
    // The table never opens nor saves a situation.
    void saveSituation(QWidget*, const QString&, const QString&, double) override {}
    std::optional<double> chooseAndOpenSituation(QWidget*) override { return std::nullopt; }
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

// Records when a widget is painted.
class PaintTimes : public QObject {
public:
    explicit PaintTimes(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<qint64> ms;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ms.push_back(clock.elapsed());
        }
        return false;
    }
};

// A million measurements printed into a PDF file while the grid is asked to repaint every 10 ms, as an
// animation would ask: the largest interval between two of its paints, from the start of the printing
// to its end, and the printing's whole time.
void PrintAMillionRowsWhilePainting(benchmark::State& state) {
    LessonMain main;
    windows::TFicheTab window(main, nullptr);
    window.findChild<framework::TEdit*>(QStringLiteral("EditNbreMesures"))
        ->setText(QStringLiteral("1000000"));
    window.findChild<controls::TGlyphButton*>(QStringLiteral("GlyphButton1"))->click();
    window.show();
    QApplication::processEvents();
    auto* grid = window.findChild<windows::TMeasurementGrid*>(QStringLiteral("Tableau"));
    PaintTimes paints(grid->viewport());
    QTimer asking;
    QObject::connect(&asking, &QTimer::timeout, grid->viewport(), [grid] { grid->viewport()->update(); });
    asking.start(10);
    QTemporaryDir folder;
    qint64 largest = 0;
    double seconds = 0;
    for (auto _ : state) {
        paints.clock.start();
        paints.ms = {0};
        framework::printToPdf(&window, folder.filePath(QStringLiteral("mesures.pdf")), {},
                              *grid->printout(QDateTime::currentDateTime()));
        paints.ms.push_back(paints.clock.elapsed());
        seconds = double(paints.ms.back()) / 1000;
        for (std::size_t i = 1; i < paints.ms.size(); ++i) {
            largest = std::max(largest, paints.ms[i] - paints.ms[i - 1]);
        }
    }
    state.counters["largest_paint_interval_ms"] = double(largest);
    state.counters["print_s"] = seconds;
}
BENCHMARK(PrintAMillionRowsWhilePainting)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
