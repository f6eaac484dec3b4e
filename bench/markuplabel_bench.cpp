// The markup label's paint under a BODY background picture: a small auto-sized label with a 1 × 1
// picture, whose layout rectangle reaches 65535 pixels past its right edge, and a label that a
// 20000 × 20000 picture makes as large, of which a 1024 × 738 window shows a part. Each paint draws
// the label's picture anew (its colour changes every time); the goal for both is under 20 ms.

#include "BenchSupport.h"

#include "controls/markuplabel.h"
#include "framework/Color.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace {

QString writePicture(const QTemporaryDir& dir, const QString& name) {
    QImage picture(1, 1, QImage::Format_RGB32);
    picture.fill(QColor(255, 255, 206));
    const QString path = dir.filePath(name);
    picture.save(path);
    return path;
}

void paintEachTime(benchmark::State& state, QWidget& window, controls::TMarkupLabel& label) {
    QImage screen(window.size(), QImage::Format_ARGB32_Premultiplied);
    bool odd = false;
    bench::timeEach(state, [&] {
        odd = !odd;
        label.setColor(odd ? framework::clWhite : framework::clPaleYellow);
        window.render(&screen);
    });
    state.counters["label_width"] = label.width();
    state.counters["label_height"] = label.height();
}

void BM_BodyBackgroundSmallLabel(benchmark::State& state) {
    QTemporaryDir dir;
    const QString picture = writePicture(dir, QStringLiteral("fond.png"));
    QWidget window;
    window.resize(200, 100);
    auto* label = new controls::TMarkupLabel(&window);
    controls::SurfaceFont font;
    font.name = QStringLiteral("Arial");
    font.pixelSize = 14;
    font.bold = true;
    label->setSurfaceFont(font);
    label->setAutoSizing(true);
    label->setMarkup(QStringLiteral("<BODY background=\"file://%1\">2,500").arg(picture));
    paintEachTime(state, window, *label);
}
BENCHMARK(BM_BodyBackgroundSmallLabel)->Unit(benchmark::kMillisecond);

void BM_BodyBackgroundHugeLabel(benchmark::State& state) {
    QTemporaryDir dir;
    const QString picture = writePicture(dir, QStringLiteral("fond.png"));
    QWidget window;
    window.resize(1024, 738);
    auto* label = new controls::TMarkupLabel(&window);
    label->setAutoSizing(true);
    label->setMarkup(QStringLiteral("<BODY background=\"file://%1\"><IMG src=\"file://%1\" width=\"20000\" "
                                    "height=\"20000\">")
                         .arg(picture));
    paintEachTime(state, window, *label);
}
BENCHMARK(BM_BodyBackgroundHugeLabel)->Unit(benchmark::kMillisecond);

} // namespace
