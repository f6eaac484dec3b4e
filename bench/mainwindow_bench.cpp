// What the pupil waits for in the main window: one move of the slider (the handler, then a repaint of
// the whole window as the screen would get it), and one simulation step, on the lesson's work area.
#include "BenchSupport.h"

#include "app/UnitMolvanex.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

const QRect lessonWorkArea(0, 0, 1024, 738);

struct ShownWindow {
    app::TFiche_molvanex window{nullptr, [] { return lessonWorkArea; }};
    QImage screen;

    ShownWindow() {
        window.show();
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
        screen = QImage(window.size(), QImage::Format_ARGB32_Premultiplied);
    }

    void repaint() {
        QPainter painter(&screen);
        window.render(&painter);
    }
};

// Back and forth between two positions, so that every iteration really changes the position.
void BM_SliderChangeAndRepaint(benchmark::State& state) {
    ShownWindow shown;
    int position = 49;
    bench::timeEach(state, [&] {
        position = position == 49 ? 50 : 49;
        shown.window.BarEvolution->setPosition(position);
        shown.repaint();
    });
}

// What the screen really gets: the handler, then the window's repaint of what changed (the fields,
// the final row, the charts and the slider), as the event loop does it.
void BM_SliderChangeAndScreenUpdate(benchmark::State& state) {
    ShownWindow shown;
    int position = 49;
    bench::timeEach(state, [&] {
        position = position == 49 ? 50 : 49;
        shown.window.BarEvolution->setPosition(position);
        QApplication::processEvents();
    });
}

void BM_SliderChangeOnly(benchmark::State& state) {
    ShownWindow shown;
    int position = 99;
    bench::timeEach(state, [&] {
        position = position == 99 ? 100 : 99;
        shown.window.BarEvolution->setPosition(position);
    });
}

// One simulation step and its repaint; runs go from 0 to 100 again and again (the restart at 100 is
// one iteration in a hundred and leaves the median alone).
void BM_SimulationStepAndRepaint(benchmark::State& state) {
    ShownWindow shown;
    bench::timeEach(state, [&] {
        if (shown.window.BarEvolution->position() == 100) {
            shown.window.BarEvolution->setPosition(0);
        }
        shown.window.Timer1Timer();
        shown.repaint();
    });
    shown.window.Timer1->setEnabled(false);
}

void BM_PresetLoad(benchmark::State& state) {
    ShownWindow shown;
    int preset = 2;
    bench::timeEach(state, [&] {
        preset = preset == 2 ? 7 : 2;
        (shown.window.*
         (preset == 2 ? &app::TFiche_molvanex::BtnCuOClick : &app::TFiche_molvanex::BtnHAClick))();
    });
}

} // namespace

BENCHMARK(BM_SliderChangeAndRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderChangeAndScreenUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderChangeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimulationStepAndRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PresetLoad)->Unit(benchmark::kMillisecond);
