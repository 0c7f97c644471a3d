// How long one tick of the window timer takes: while the background supply
// renews levels (a generation or two and a save of the library file per
// tick), and once every level is supplied (nothing to generate, nothing to
// write). Each tick is timed on its own; the median and the 99th percentile
// are reported as counters (microseconds), by the wall clock and (cpu_) by
// the thread's CPU time. The data folder is a temporary folder: set TMPDIR to
// choose the disk it lies on.

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "core/levels/levels.h"
#include "support/test_game.h"

namespace {

using quib::Form1;
using quib::testing::TestGame;
using Clock = std::chrono::steady_clock;

void Report(benchmark::State& state, std::vector<double>& micros, const char* prefix = "") {
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&micros](double q) {
        return micros[std::min(micros.size() - 1, static_cast<std::size_t>(q * static_cast<double>(micros.size())))];
    };
    const std::string p(prefix);
    state.counters[p + "median_us"] = at(0.5);
    state.counters[p + "p99_us"] = at(0.99);
}

// CPU time of this thread in microseconds: unlike the wall clock it does not
// count the time the machine gave to other programs.
double CpuMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

bool AnyWaiting(const Form1& f) {
    for (int k = 1; k <= quib::kLevelsPlayed; ++k)
        if (f.library.LevelNeedsGenerating[static_cast<std::size_t>(k)] && k != f.game.CurrentLevel) return true;
    return false;
}

// Every level but the current one marked as used, as after a long game.
void MarkAll(Form1& f) {
    for (int k = 1; k <= quib::kLevelsPlayed; ++k) f.library.LevelNeedsGenerating[static_cast<std::size_t>(k)] = true;
}

void BM_TickWhileSupplying(benchmark::State& state) {
    TestGame game;  // empty data folder: the library rebuilds itself
    Form1& f = game.form();
    game.platform.reseedFromClock = true;
    MarkAll(f);
    std::vector<double> micros, cpu;
    micros.reserve(1 << 16);
    for (auto _ : state) {
        if (!AnyWaiting(f)) {
            state.PauseTiming();
            MarkAll(f);
            state.ResumeTiming();
        }
        const double c0 = CpuMicros();
        const auto t0 = Clock::now();
        quib::levels::Timer1_Timer(f);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        cpu.push_back(CpuMicros() - c0);
    }
    Report(state, micros);
    Report(state, cpu, "cpu_");
}
BENCHMARK(BM_TickWhileSupplying)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_TickWithCompleteLibrary(benchmark::State& state) {
    TestGame game;
    Form1& f = game.form();
    game.platform.reseedFromClock = true;
    while (AnyWaiting(f)) quib::levels::Timer1_Timer(f);
    for (int i = 0; i < 3; ++i) quib::levels::Timer1_Timer(f);
    std::vector<double> micros;
    micros.reserve(1 << 20);
    for (auto _ : state) {
        const auto t0 = Clock::now();
        quib::levels::Timer1_Timer(f);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    Report(state, micros);
}
BENCHMARK(BM_TickWithCompleteLibrary)->Iterations(200000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
