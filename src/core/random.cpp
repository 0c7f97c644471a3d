#include "random.h"

#include <atomic>

namespace quib {

namespace {
std::uint64_t SplitMix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}
}  // namespace

std::uint64_t FreshSeed(std::uint64_t clockReading) {
    static std::atomic<std::uint64_t> counter{0};
    const std::uint64_t n = counter.fetch_add(1, std::memory_order_relaxed);
    return SplitMix(SplitMix(clockReading) ^ SplitMix(n + 0x5851f42d4c957f2dULL));
}

}  // namespace quib
