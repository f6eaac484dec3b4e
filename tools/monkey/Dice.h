#pragma once
// The random choices of one storm event. Every event gets its own engine, seeded from the storm's
// engine, so the inputs chosen for event k depend only on the seed and k: when the program's timers
// make two runs of the same seed drift apart a little, the same intentions are still replayed.

#include <cstdint>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

namespace monkey {

class Dice {
public:
    explicit Dice(std::uint64_t seed)
        : engine_(seed) {}

    std::uint64_t raw() { return engine_(); }
    // A whole number in [0, n); 0 when n is 0.
    std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(engine_() % n); }
    int between(int low, int high) { // inclusive
        return low + static_cast<int>(below(static_cast<std::size_t>(high - low) + 1));
    }
    double unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    bool chance(double probability) { return unit() < probability; }

    template <class T> const T& pick(const std::vector<T>& items) { return items[below(items.size())]; }
    template <class T> T pick(std::initializer_list<T> items) {
        return *(items.begin() + below(items.size()));
    }

    // The index of an entry chosen with probability proportional to its weight.
    std::size_t weighted(const std::vector<double>& weights) {
        double total = 0;
        for (const double w : weights) {
            total += w;
        }
        double roll = unit() * total;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (roll < weights[i]) {
                return i;
            }
            roll -= weights[i];
        }
        return weights.empty() ? 0 : weights.size() - 1;
    }

private:
    std::mt19937_64 engine_;
};

} // namespace monkey
