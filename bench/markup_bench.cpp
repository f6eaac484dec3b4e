// The markup engine's cost: one formula as the labels draw it, and how the cost grows with the length
// of the markup. Going from n to 10 n characters must cost at most 12 times as much, for the program's
// texts and for texts built to find quadratic paths (long words full of entities, "<#" pairs, long
// tags, many links); a megabyte lays out in measure mode in well under 100 ms.

#include "controls/MarkupEngine.h"
#include "controls/QtSurface.h"
#include "framework/Fonts.h"
#include "tests/controls/TestSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

#include <ctime>
#include <functional>

namespace {

const QString formula =
    QStringLiteral("<FONT color=\"#004080\">HCO<sub>3</sub><sup>-</sup>(s) + CH<sub>3</sub>COOH (aq)</font>");

controls::SurfaceFont equationFont() {
    controls::SurfaceFont font;
    font.name = QStringLiteral("Times New Roman");
    font.pixelSize = 24;
    font.color = framework::clWhite;
    return font;
}

QString repeated(const QString& unit, qsizetype length) {
    QString text;
    text.reserve(length + unit.size());
    while (text.size() < length) {
        text += unit;
    }
    return text;
}

// Markups of about n characters, each aimed at one path that could turn quadratic.
struct Shape {
    const char* name;
    std::function<QString(qsizetype)> make;
};

const Shape shapes[] = {
    {"formulas", [](qsizetype n) { return repeated(formula + QStringLiteral(" "), n); }},
    {"one-long-word", [](qsizetype n) { return repeated(QStringLiteral("a"), n); }},
    {"entities-in-one-word", [](qsizetype n) { return repeated(QStringLiteral("x&gt;"), n); }},
    {"lt-entities-in-one-word", [](qsizetype n) { return repeated(QStringLiteral("&lt;x"), n); }},
    {"hash-pairs", [](qsizetype n) { return repeated(QStringLiteral("<#a>"), n); }},
    {"hash-pairs-far-ahead",
     [](qsizetype n) {
         return repeated(QStringLiteral("w "), n / 2) + repeated(QStringLiteral("<#a>"), n / 2);
     }},
    {"unclosed-hash", [](qsizetype n) { return QStringLiteral("<#") + repeated(QStringLiteral("a "), n); }},
    {"blanks", [](qsizetype n) { return repeated(QStringLiteral(" "), n); }},
    {"one-long-tag",
     [](qsizetype n) {
         return QStringLiteral("<FONT ") + repeated(QStringLiteral("a=\"1\" "), n) + QStringLiteral(">x");
     }},
    {"links", [](qsizetype n) { return repeated(QStringLiteral("<A href=\"p\">v</A> "), n); }},
    {"lines", [](qsizetype n) { return repeated(QStringLiteral("CO<sub>2</sub><BR>"), n); }},
    {"list-items", [](qsizetype n) { return repeated(QStringLiteral("<UL><LI>x"), n); }},
};

// Measure mode in an auto-sized label's rectangle, as the hit test and the auto size run it.
controls::MarkupRequest measureRequest(const QString& markup) {
    controls::MarkupRequest request;
    request.markup = markup;
    request.rect = {0, 0, 1 << 20, 1 << 28};
    request.point = {40, 10};
    return request;
}

void BM_RenderFormula(benchmark::State& state) {
    QImage image(700, 60, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    controls::QtSurface surface(painter);
    surface.setFont(equationFont());
    controls::MarkupRequest request;
    request.markup = formula;
    request.rect = {0, 0, 65535, 300};
    request.paint = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(controls::RenderMarkup(surface, request));
    }
}
BENCHMARK(BM_RenderFormula);

void BM_FormulaMeasure(benchmark::State& state) {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    controls::QtSurface surface(painter);
    surface.setFont(equationFont());
    const controls::MarkupRequest request = measureRequest(formula);
    for (auto _ : state) {
        benchmark::DoNotOptimize(controls::RenderMarkup(surface, request));
    }
}
BENCHMARK(BM_FormulaMeasure);

void BM_MegabyteMeasure(benchmark::State& state, bool qtSurface) {
    const controls::MarkupRequest request = measureRequest(shapes[0].make(1 << 20));
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    controls::QtSurface qt(painter);
    testing_support::TestSurface fixed;
    controls::Surface& surface = qtSurface ? static_cast<controls::Surface&>(qt) : fixed;
    surface.setFont(equationFont());
    for (auto _ : state) {
        benchmark::DoNotOptimize(controls::RenderMarkup(surface, request));
    }
}
BENCHMARK_CAPTURE(BM_MegabyteMeasure, fixed_metrics, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MegabyteMeasure, qt_surface, true)->Unit(benchmark::kMillisecond);

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The best of several runs, in this thread's processor time: other work on the machine only ever
// adds time.
double secondsToMeasure(const QString& markup, int runs) {
    testing_support::TestSurface surface;
    surface.setFont(equationFont());
    const controls::MarkupRequest request = measureRequest(markup);
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const double start = threadSeconds();
        benchmark::DoNotOptimize(controls::RenderMarkup(surface, request));
        best = std::min(best, threadSeconds() - start);
    }
    return best;
}

// The n-to-10n ratio of one shape. The machine is shared, so the two sizes are timed in alternation
// and the median of the rounds' ratios is taken: a burst of other work then spoils one round, not the
// figure.
double scalingRatio(const Shape& shape, qsizetype n) {
    constexpr int rounds = 7;
    const QString small = shape.make(n);
    const QString large = shape.make(10 * n);
    std::array<double, rounds> ratios{};
    for (double& ratio : ratios) {
        ratio = secondsToMeasure(large, 1) / secondsToMeasure(small, 5);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[rounds / 2];
}

// The n-to-10n ratio of every shape as a counter, and the worst of them as "ratio" (goal: at most 12).
void BM_MarkupScaling(benchmark::State& state) {
    constexpr qsizetype n = 100'000;
    for (auto _ : state) {
        double worst = 0;
        for (const Shape& shape : shapes) {
            const double ratio = scalingRatio(shape, n);
            state.counters[shape.name] = ratio;
            worst = std::max(worst, ratio);
        }
        state.counters["ratio"] = worst;
    }
}
BENCHMARK(BM_MarkupScaling)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    framework::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
