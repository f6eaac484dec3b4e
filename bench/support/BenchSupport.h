#pragma once
// Shared by the benchmarks. The benchmark main() (BenchMain.cpp) has created a QApplication on the
// offscreen platform in the French locale, as the program runs, before any benchmark starts.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

// Times every iteration's body on its own and reports the median and the 99th percentile in
// milliseconds as the counters "median_ms" and "p99_ms", which `make bench` puts in its table.
template <class Body> void timeEach(benchmark::State& state, Body&& body) {
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (ms.empty()) {
        return;
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
}

} // namespace bench
