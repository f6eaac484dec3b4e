#include "HandlingStats.h"

#include <algorithm>
#include <cmath>

namespace monkey {

void HandlingStats::add(const std::string& kind, std::chrono::nanoseconds time) {
    times_[kind].push_back(static_cast<float>(std::chrono::duration<double, std::milli>(time).count()));
}

double percentile(std::vector<float> samples, double fraction) {
    if (samples.empty()) {
        return 0;
    }
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    const std::size_t index = std::min(samples.size() - 1, rank == 0 ? 0 : rank - 1);
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(index), samples.end());
    return samples[index];
}

HandlingStats::Summary HandlingStats::summary(const std::string& kind) const {
    std::vector<float> all;
    if (kind.empty()) {
        for (const auto& [name, times] : times_) {
            all.insert(all.end(), times.begin(), times.end());
        }
    } else if (const auto it = times_.find(kind); it != times_.end()) {
        all = it->second;
    }
    Summary s;
    s.count = all.size();
    if (all.empty()) {
        return s;
    }
    s.maxMs = *std::max_element(all.begin(), all.end());
    s.p50Ms = percentile(all, 0.50);
    s.p99Ms = percentile(std::move(all), 0.99);
    return s;
}

std::vector<std::string> HandlingStats::kinds() const {
    std::vector<std::string> names;
    for (const auto& entry : times_) {
        names.push_back(entry.first);
    }
    return names;
}

HandlingStats::Slowest HandlingStats::slowest() const {
    Slowest slowest;
    for (const auto& [kind, times] : times_) {
        const auto it = std::max_element(times.begin(), times.end());
        if (it != times.end() && (slowest.kind.empty() || *it > slowest.ms)) {
            slowest = {kind, *it};
        }
    }
    return slowest;
}

const std::vector<double>& HandlingStats::bucketBounds() {
    static const std::vector<double> bounds{1, 2, 5, 10, 20, 50, 100, 250};
    return bounds;
}

std::vector<std::size_t> HandlingStats::histogram() const {
    const std::vector<double>& bounds = bucketBounds();
    std::vector<std::size_t> buckets(bounds.size() + 1, 0);
    for (const auto& entry : times_) {
        for (const float ms : entry.second) {
            const auto it = std::upper_bound(bounds.begin(), bounds.end(), static_cast<double>(ms));
            ++buckets[static_cast<std::size_t>(it - bounds.begin())];
        }
    }
    return buckets;
}

} // namespace monkey
