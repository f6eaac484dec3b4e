// Baselines measured in the same run as the program's figures: what a bare Qt window of the same size
// costs to repaint, and what plain text costs to draw without the markup engine.
#include "BenchSupport.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

namespace {

void repaintBareWindow(benchmark::State& state, int width, int height) {
    QLabel label(QStringLiteral("Chimie générale - seconde"));
    label.resize(width, height);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    bench::timeEach(state, [&] {
        label.setText(label.text() == QStringLiteral("a") ? QStringLiteral("b") : QStringLiteral("a"));
        label.render(&image);
    });
}

void BM_BareWindowRepaint(benchmark::State& state) {
    repaintBareWindow(state, 1024, 738);
}
void BM_BareWindowRepaintFullHd(benchmark::State& state) {
    repaintBareWindow(state, 1920, 1080);
}

void BM_PlainTextDraw(benchmark::State& state) {
    QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(24);
    painter.setFont(font);
    bench::timeEach(state, [&] { painter.drawText(QPoint(2, 30), QStringLiteral("CO2(g)")); });
}

} // namespace

BENCHMARK(BM_BareWindowRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWindowRepaintFullHd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTextDraw)->Unit(benchmark::kMicrosecond);
