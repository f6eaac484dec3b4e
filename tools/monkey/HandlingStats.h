#pragma once
// The handling times of every measured event, by kind of event: counts, maximum, percentiles and a
// coarse histogram for the summary.

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace monkey {

class HandlingStats {
public:
    void add(const std::string& kind, std::chrono::nanoseconds time);

    struct Summary {
        std::size_t count = 0;
        double maxMs = 0;
        double p50Ms = 0;
        double p99Ms = 0;
    };
    // All kinds together when kind is empty.
    Summary summary(const std::string& kind = {}) const;
    std::vector<std::string> kinds() const;

    // The longest handling of all and its kind (empty kind when nothing was measured).
    struct Slowest {
        std::string kind;
        double ms = 0;
    };
    Slowest slowest() const;

    // Upper bounds of the histogram's buckets in milliseconds; the last bucket has no upper bound.
    static const std::vector<double>& bucketBounds();
    std::vector<std::size_t> histogram() const;

private:
    std::map<std::string, std::vector<float>> times_; // milliseconds
};

// The value below which the given fraction of the sorted-or-not samples lies (nearest rank).
double percentile(std::vector<float> samples, double fraction);

} // namespace monkey
