// How long the generator takes: one puzzle of the largest level, generated and
// verified until it passes (as the level start does), and a whole library of
// levels 1 to 200. Each iteration is timed on its own, and the median and the
// 99th percentile are reported as counters (microseconds), by the wall clock
// and (cpu_) by the thread's CPU time.

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

// Runs the generator for level g until its puzzle is verified.
void GenerateVerified(Form1& f, int g) {
    f.gen.GenerationLevel = g;
    f.gen.LevelVerified[static_cast<std::size_t>(g)] = false;
    while (!f.gen.LevelVerified[static_cast<std::size_t>(g)]) quib::levels::GenerateLevel(f);
}

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

void BM_GenerateAndVerifyLevel200(benchmark::State& state) {
    TestGame game(false);
    Form1& f = game.form();
    game.platform.reseedFromClock = true;  // a seed of its own per fresh start, as in the game
    f.game.CurrentLevel = 0;
    std::vector<double> micros, cpu;
    micros.reserve(1 << 16);
    for (auto _ : state) {
        const double c0 = CpuMicros();
        const auto t0 = Clock::now();
        GenerateVerified(f, 200);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        cpu.push_back(CpuMicros() - c0);
    }
    Report(state, micros);
    Report(state, cpu, "cpu_");
}
BENCHMARK(BM_GenerateAndVerifyLevel200)->Iterations(5000)->Unit(benchmark::kMicrosecond);

void BM_GenerateLibrary(benchmark::State& state) {
    TestGame game(false);
    Form1& f = game.form();
    game.platform.reseedFromClock = true;
    f.game.CurrentLevel = 0;
    std::vector<double> micros, cpu;
    for (auto _ : state) {
        const double c0 = CpuMicros();
        const auto t0 = Clock::now();
        for (int g = 1; g <= quib::kLevelsPlayed; ++g) GenerateVerified(f, g);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        cpu.push_back(CpuMicros() - c0);
    }
    Report(state, micros);
    Report(state, cpu, "cpu_");
}
BENCHMARK(BM_GenerateLibrary)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
