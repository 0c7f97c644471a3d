// How long one tick of the window timer takes: while the background supply
// renews levels (a generation or two and a save of the library file per
// tick, the save on the window's thread or, argument 1, on its own, where a
// save under way lets the next ones wait), and once every level is supplied
// (nothing to generate, nothing to write); and the save's own share: the
// library text of all 200 levels, and the save that follows the install of
// one new puzzle. Each call is timed on
// its own (see timing.h). The data folder is a temporary folder: set TMPDIR
// to choose the disk it lies on. And the tick in Practice while the solver's
// thread searches a big board: the window thread never waits for it.

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "core/levels/library_writer.h"
#include "core/practice/practice.h"
#include "support/test_game.h"
#include "timing.h"

namespace {

using quib::Session;
using quib::bench::Timings;
using quib::testing::TestGame;

bool AnyWaiting(const Session& f) {
    for (int k = 1; k <= quib::kLevelsPlayed; ++k)
        if (f.library.LevelNeedsGenerating[static_cast<std::size_t>(k)] && k != f.game.CurrentLevel) return true;
    return false;
}

// Every level but the current one marked as used, as after a long game.
void MarkAll(Session& f) {
    for (int k = 1; k <= quib::kLevelsPlayed; ++k) f.library.LevelNeedsGenerating[static_cast<std::size_t>(k)] = true;
}

// A game whose background supply has put a puzzle into every level and
// written the file.
struct SuppliedGame {
    TestGame game;
    Session& f = game.session();
    SuppliedGame() {
        game.platform.reseedFromClock = true;
        while (AnyWaiting(f)) quib::levels::TimerTick(f);
        for (int i = 0; i < 3; ++i) quib::levels::TimerTick(f);
    }
};

// Argument 1: the library's saves on their own thread, as in the window.
void BM_TickWhileSupplying(benchmark::State& state) {
    TestGame game;  // empty data folder: the library rebuilds itself
    Session& f = game.session();
    if (state.range(0) == 1) f.library.Writer = std::make_shared<quib::levels::LibraryWriter>();
    game.platform.reseedFromClock = true;
    MarkAll(f);
    Timings timings;
    for (auto _ : state) {
        if (!AnyWaiting(f)) {
            state.PauseTiming();
            MarkAll(f);
            state.ResumeTiming();
        }
        timings.Start();
        quib::levels::TimerTick(f);
        timings.Stop();
    }
    timings.Report(state);
}
BENCHMARK(BM_TickWhileSupplying)->Arg(0)->Arg(1)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_TickWithCompleteLibrary(benchmark::State& state) {
    SuppliedGame supplied;
    Session& f = supplied.f;
    Timings timings(false);
    for (auto _ : state) {
        timings.Start();
        quib::levels::TimerTick(f);
        timings.Stop();
    }
    timings.Report(state);
}
BENCHMARK(BM_TickWithCompleteLibrary)->Iterations(200000)->Unit(benchmark::kMicrosecond);

// The whole text at once, as after reading the file or loading a save slot.
void BM_LibraryText(benchmark::State& state) {
    SuppliedGame supplied;
    Session& f = supplied.f;
    Timings timings;
    for (auto _ : state) {
        timings.Start();
        const std::string text = quib::levels::LevelLibraryText(f);
        timings.Stop();
        benchmark::DoNotOptimize(text.data());
    }
    timings.Report(state);
}
BENCHMARK(BM_LibraryText)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The save of a supply tick without its generation: one level's new puzzle
// installed, then the file rewritten.
void BM_SaveAfterInstall(benchmark::State& state) {
    SuppliedGame supplied;
    Session& f = supplied.f;
    int v = 0;
    Timings timings;
    for (auto _ : state) {
        v = v % quib::kLevelsPlayed + 1;
        // A changed last landing cell is enough to change the file.
        std::int16_t& to = f.gen.GeneratedSolutionTo(v, v + 2);
        to = static_cast<std::int16_t>(to == 158 ? 157 : 158);
        timings.Start();
        quib::levels::InstallGeneratedLevel(f, v);
        const bool written = quib::levels::WriteLevelLibrary(f);
        timings.Stop();
        if (!written) state.SkipWithError("the library file was not written");
    }
    timings.Report(state);
}
BENCHMARK(BM_SaveAfterInstall)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Level 190 one jump off its stored solution, the solver's thread searching
// it and thinking ahead (with a minute's allowance, so it never stops), and
// the ticks at the timer's pace of 10 ms, each followed by the aids' update
// the window makes after every handler.
void BM_TickWhileSolverSearches(benchmark::State& state) {
    SuppliedGame supplied;
    Session& f = supplied.f;
    quib::game::GoToLevel(f, 190);
    quib::practice::AidsOf(f).Allowance = std::chrono::minutes(1);
    const int from = f.library.SolutionFrom(190, 20).value_or(0);
    for (int s = 1; s < 20; ++s) {
        f.board.SelectedFrog = f.board.Grid.at(static_cast<std::size_t>(f.library.SolutionFrom(190, s).value_or(0))).RecordNumber;
        quib::board::ClickCell(f, f.library.SolutionTo(190, s));
    }
    for (const quib::practice::Move& m : quib::practice::LegalMoves(quib::practice::PositionOf(f.board))) {
        if (m.from == from) continue;
        f.board.SelectedFrog = f.board.Grid.at(static_cast<std::size_t>(m.from)).RecordNumber;
        quib::board::ClickCell(f, m.to);
        break;
    }
    quib::practice::UpdateAids(f);
    Timings timings;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        timings.Start();
        quib::levels::TimerTick(f);
        quib::practice::UpdateAids(f);
        timings.Stop();
    }
    timings.Report(state);
    const auto* aids = quib::practice::FindAids(f);
    state.counters["solver_still_searching"] = aids && aids->Worker && !aids->Worker->Idle();
}
BENCHMARK(BM_TickWhileSolverSearches)->Iterations(500)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
