#include "model/SeriesRandom.h"

namespace model {

std::uint64_t SeriesRandom::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t SeriesRandom::below(std::uint64_t bound) {
    // 2^64 mod bound, computed in 64 bits: (2^64 - bound) mod bound.
    const std::uint64_t incomplete = (0 - bound) % bound;
    std::uint64_t word = next();
    while (word < incomplete) {
        word = next();
    }
    return word % bound;
}

std::int64_t SeriesRandom::between(std::int64_t low, std::int64_t high) {
    return std::int64_t(std::uint64_t(low) + below(std::uint64_t(high) - std::uint64_t(low) + 1));
}

std::uint64_t fnv1a64(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char c : bytes) {
        hash ^= std::uint64_t(static_cast<unsigned char>(c));
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

std::uint64_t seriesSeed(int number, int level, std::uint64_t equationHash) {
    return ((std::uint64_t(std::uint32_t(number)) << 8) | std::uint64_t(std::uint8_t(level))) ^ equationHash;
}

} // namespace model
