// How long the generator takes: one puzzle of the largest level, generated and
// verified until it passes (as the level start does), and a whole library of
// levels 1 to 200. Each iteration is timed on its own (see timing.h).

#include <benchmark/benchmark.h>

#include "core/levels/levels.h"
#include "support/test_game.h"
#include "timing.h"

namespace {

using quib::Session;
using quib::bench::Timings;
using quib::testing::TestGame;

// Runs the generator for level g until its puzzle is verified.
void GenerateVerified(Session& f, int g) {
    f.gen.GenerationLevel = g;
    f.gen.LevelVerified[static_cast<std::size_t>(g)] = false;
    while (!f.gen.LevelVerified[static_cast<std::size_t>(g)]) quib::levels::GenerateLevel(f);
}

void BM_GenerateAndVerifyLevel200(benchmark::State& state) {
    TestGame game(false);
    Session& f = game.session();
    game.platform.reseedFromClock = true;  // a seed of its own per fresh start, as in the game
    f.game.CurrentLevel = 0;
    Timings timings;
    for (auto _ : state) {
        timings.Start();
        GenerateVerified(f, 200);
        timings.Stop();
    }
    timings.Report(state);
}
BENCHMARK(BM_GenerateAndVerifyLevel200)->Iterations(5000)->Unit(benchmark::kMicrosecond);

void BM_GenerateLibrary(benchmark::State& state) {
    TestGame game(false);
    Session& f = game.session();
    game.platform.reseedFromClock = true;
    f.game.CurrentLevel = 0;
    Timings timings;
    for (auto _ : state) {
        timings.Start();
        for (int g = 1; g <= quib::kLevelsPlayed; ++g) GenerateVerified(f, g);
        timings.Stop();
    }
    timings.Report(state);
}
BENCHMARK(BM_GenerateLibrary)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
