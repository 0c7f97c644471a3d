#pragma once
// The game's random numbers: uniform in [0, 1), re-seeded from the clock.
// A puzzle takes microseconds, so many re-seeds fall within one tick of any
// clock; each seed therefore also mixes in a counter of its own, or two
// levels generated in a row would grow from the same seed and come out as
// near copies of each other.

#include <cstdint>
#include <random>

namespace quib {

// A seed of its own for every call, even for equal clock readings.
std::uint64_t FreshSeed(std::uint64_t clockReading);

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 1) : engine_(seed) {}
    void Seed(std::uint64_t seed) { engine_.seed(seed); }
    // Uniform in [0, 1): 53 random bits, so 1.0 is never returned.
    double Next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

}  // namespace quib
