#pragma once
// The random draws behind an exercise series. A teacher hands one series number to a whole class, so the
// draws must be the same on every machine, compiler and standard library: the mixing (the splitmix64
// sequence) and the ranging are written here in plain 64-bit unsigned arithmetic, which the language
// defines exactly, instead of taken from <random>, whose distributions differ between implementations.

#include <cstdint>
#include <string_view>

namespace model {

class SeriesRandom {
public:
    explicit SeriesRandom(std::uint64_t seed)
        : state_(seed) {}

    // The next word of the splitmix64 sequence.
    std::uint64_t next();
    // Uniform in [0, bound) for bound > 0, by rejection: words in the incomplete last block of 2^64 mod
    // bound values are drawn again, so no value is favoured.
    std::uint64_t below(std::uint64_t bound);
    // Uniform in [low, high] for low <= high, a range narrower than the whole of int64.
    std::int64_t between(std::int64_t low, std::int64_t high);

private:
    std::uint64_t state_;
};

// 64-bit FNV-1a of the bytes, used to fold the one-line text of a teacher's equation into the seed.
std::uint64_t fnv1a64(std::string_view bytes);

// The seed of a series: its number, its level and the hash of the teacher's equation (0 for the
// catalogue's seven equations).
std::uint64_t seriesSeed(int number, int level, std::uint64_t equationHash);

} // namespace model
