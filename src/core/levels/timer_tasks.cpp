// The window timer's tick: the deferred start-up, the background supply of
// fresh puzzles, the solution playback and the level clock.

#include <algorithm>

#include "../game/game.h"
#include "../practice/practice.h"
#include "../window/window.h"
#include "levels.h"

namespace quib::levels {

namespace {

// A level whose puzzle is used up and that the player is not on.
bool Eligible(const Form1& form, int k) {
    return form.library.LevelNeedsGenerating[static_cast<std::size_t>(k)] && k != form.game.CurrentLevel;
}

// Level numbers the per-level flags can hold; a count or level read from a
// damaged file is never followed past them.
int FlagBound(int n) { return std::min(n, kLevelIndexMax); }

}  // namespace

void Timer1_Timer(Form1& form) {
    form.tasks.TimerInterval = 10;
    if (form.tasks.StartupPending) window::StartUp(form);
    BackgroundSupply(form);
    PlaybackTick(form);
    game::ClockTick(form);
    // Beyond the written tasks, after them and within a fixed time: a slice
    // of the Practice solver.
    practice::SolverTick(form);
}

void BackgroundSupply(Form1& form) {
    Generator& gen = form.gen;
    LevelLibrary& lib = form.library;

    // Search: an earlier level that needs a puzzle comes first.
    for (int k = 1; k <= FlagBound(gen.GenerationLevel); ++k) {
        if (Eligible(form, k)) {
            gen.GenerationLevel = k;
            gen.GenerationRequested = true;
            gen.GenerationDone = false;
            break;
        }
    }

    // Generate. A level that has become the one being played is left alone:
    // a run for it would write straight into the puzzle on the board, and a
    // retry would then meet a different puzzle. It stays marked and is
    // renewed once the player has moved on.
    if (gen.GenerationRequested && !gen.GenerationDone) {
        if (gen.GenerationLevel == form.game.CurrentLevel) {
            gen.GenerationDone = true;
        } else {
            gen.GenerationRequested = false;
            GenerateLevel(form);
        }
    }

    // Install and save.
    if (gen.GenerationDone) {
        const int v = gen.GenerationLevel;
        if (v >= 0 && v <= kLevelIndexMax && lib.LevelNeedsGenerating[static_cast<std::size_t>(v)] &&
            v != form.game.CurrentLevel) {
            lib.LevelNeedsGenerating[static_cast<std::size_t>(v)] = false;
            InstallGeneratedLevel(form, v);
        }
        // The writer skips a rewrite of unchanged content; a failed write
        // leaves the old file and the game carries on.
        WriteLevelLibrary(form);
    }

    // Next.
    if (gen.GenerationRequested && gen.GenerationDone) {
        gen.GenerationRequested = false;
        gen.GenerationLevel = 0;
        lib.LevelNeedsGenerating[0] = false;
        for (int k = 1; k <= FlagBound(lib.LevelCount); ++k) {
            if (Eligible(form, k)) {
                if (gen.GenerationLevel < 1) gen.GenerationLevel = k;
                break;
            }
        }
        if (lib.LevelCount > kLevelsPlayed) lib.LevelCount = kLevelsPlayed;
        if (gen.GenerationLevel < kLevelsPlayed) GenerateLevel(form);
    }
}

}  // namespace quib::levels
