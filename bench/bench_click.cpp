// How fast the board answers on the largest level (203 frogs): a click that
// makes a jump (with the jump sound, the remaining-jump check, the caption
// and the picture tidy-up), and a level start that first makes a new puzzle
// in the foreground. Each call is timed on its own (see timing.h).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/board/board.h"
#include "core/game/game.h"
#include "support/test_game.h"
#include "timing.h"

namespace {

using quib::Session;
using quib::bench::Timings;
using quib::testing::TestGame;

// A Practice game on level 200, with the jump sound beside the program.
void OpenLevel200(TestGame& game) {
    std::filesystem::create_directories(game.program.path() + "Sounds");
    std::ofstream(game.program.path() + "Sounds/Jump.wav") << "RIFF";
    Session& f = game.session();
    quib::game::GoToLevel(f, 200);
}

void BM_ClickJumpLevel200(benchmark::State& state) {
    TestGame game;
    Session& f = game.session();
    OpenLevel200(game);
    if (quib::board::FrogsLeft(f.board) != 203) {
        state.SkipWithError("level 200 did not start");
        return;
    }
    const int step = static_cast<int>(state.range(0));
    // Play the stored solution up to the measured step; that position is
    // restored before every measured click.
    for (int s = 1; s < step; ++s) {
        f.board.SelectedFrog = f.board.Grid[static_cast<std::size_t>(*f.library.SolutionFrom(200, s))].RecordNumber;
        quib::board::ClickCell(f, f.library.SolutionTo(200, s));
    }
    const int from = *f.library.SolutionFrom(200, step);
    const int to = f.library.SolutionTo(200, step);
    const quib::Board start = f.board;
    Timings timings;
    for (auto _ : state) {
        f.board = start;
        game.platform.sounds.clear();
        f.board.SelectedFrog = f.board.Grid[static_cast<std::size_t>(from)].RecordNumber;
        const quib::Cell& cell = f.board.Grid[static_cast<std::size_t>(to)];
        const float x = cell.Left + 10;
        const float y = cell.Top + 10;
        timings.Start();
        quib::board::PressAt(f, 1, 0, x, y);
        timings.Stop();
        benchmark::DoNotOptimize(f.window.Caption.data());
    }
    if (quib::board::FrogsLeft(f.board) != quib::board::FrogsLeft(start) - 1) state.SkipWithError("no jump was made");
    timings.Report(state);
}
// The first jump (203 frogs) and the last-but-one (3 frogs left after it).
BENCHMARK(BM_ClickJumpLevel200)->Arg(1)->Arg(201)->Iterations(5000)->Unit(benchmark::kMicrosecond);

void BM_StartLevel200WithGeneration(benchmark::State& state) {
    TestGame game;
    Session& f = game.session();
    game.platform.reseedFromClock = true;  // a seed of its own per fresh start, as in the game
    OpenLevel200(game);
    Timings timings;
    for (auto _ : state) {
        // A fresh start of a level whose puzzle was used: made anew first.
        f.library.LevelNeedsGenerating[200] = true;
        f.game.RetryPending = false;
        timings.Start();
        quib::game::StartLevel(f);
        timings.Stop();
        if (f.gen.GenerationLevel != 201) state.SkipWithError("no foreground generation");
    }
    timings.Report(state);
}
BENCHMARK(BM_StartLevel200WithGeneration)->Iterations(3000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
