// One move of the zoom window's slider at full-HD size: the handler, then a repaint of the whole window
// as the screen would get it, on each of its three pages (the bar charts, the line charts, both).
#include "BenchSupport.h"

#include "app/UnitMolvanex.h"
#include "controls/BevelCheck.h"
#include "framework/TrackBar.h"
#include "windows/UniteZoom.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTabWidget>

namespace {

// The zoom window covers the main window's work area: a projector's.
const QRect fullHdWorkArea(0, 0, 1920, 1080);

void BM_ZoomSliderChange(benchmark::State& state) {
    app::TFiche_molvanex main(nullptr, [] { return fullHdWorkArea; });
    main.BevelCheck2->setChecked(true);
    windows::TFicheZoom zoom(main, nullptr);
    zoom.show();
    zoom.activateWindow();
    QApplication::processEvents(); // the activation runs the opening steps
    zoom.findChild<QTabWidget*>(QStringLiteral("PageControleZoom"))->setCurrentIndex(int(state.range(0)));
    QApplication::processEvents();
    auto* slider = zoom.findChild<framework::TTrackBar*>(QStringLiteral("BarZoom"));
    QImage screen(zoom.size(), QImage::Format_ARGB32_Premultiplied);
    int position = 49;
    bench::timeEach(state, [&] {
        position = position == 49 ? 50 : 49;
        slider->setPosition(position);
        QPainter painter(&screen);
        zoom.render(&painter);
    });
}

} // namespace

BENCHMARK(BM_ZoomSliderChange)->ArgName("page")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
