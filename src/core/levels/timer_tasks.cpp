// The window timer's tick: the deferred start-up, the background supply of
// fresh puzzles, the solution playback and the level clock.

#include <algorithm>

#include "../game/game.h"
#include "../window/window.h"
#include "levels.h"

namespace quib::levels {

namespace {

// A level whose puzzle is used up and that the player is not on (nor would
// be on by "Continue").
bool Eligible(const Session& form, int k) {
    return form.library.LevelNeedsGenerating[static_cast<std::size_t>(k)] && game::SupplyMayRenew(form, k);
}

// Level numbers the per-level flags can hold; a count or level read from a
// damaged file is never followed past them.
int FlagBound(int n) { return std::min(n, kLevelIndexMax); }

bool AnyEligible(const Session& form) {
    for (int k = 1; k <= FlagBound(form.library.LevelCount); ++k)
        if (Eligible(form, k)) return true;
    return false;
}

// The longest wait between two saves of a library file that cannot be
// written (a read-only folder, a full disk), in seconds.
constexpr std::int64_t kMaxRetryWait = 60;

// Whether a failed save waits before its next attempt. A clock set back
// further than the longest wait does not hold the attempt up.
bool WaitingToRetry(const LevelLibrary& lib, std::int64_t now) {
    return lib.WriteFailures > 0 && now < lib.WriteRetryAt && lib.WriteRetryAt - now <= kMaxRetryWait;
}

// Saves the library for the supply. At most once a second it looks whether
// the file is still the one last written; a save that fails waits 1, 2, 4 ...
// seconds, up to a minute, before the next attempt, and a success ends the
// waiting. The tables stay complete and playable meanwhile.
void SaveLibrary(Session& form) {
    LevelLibrary& lib = form.library;
    const std::int64_t now = form.platform.Now();
    if (now >= lib.NextFileCheck || lib.NextFileCheck - now > 1) {
        lib.NextFileCheck = now + 1;
        CheckLibraryFile(form);
    }
    if (WaitingToRetry(lib, now)) return;
    if (WriteLevelLibrary(form)) {
        lib.WriteFailures = 0;
        return;
    }
    lib.WriteFailures = std::min(lib.WriteFailures + 1, 30);
    lib.WriteRetryAt = now + std::min<std::int64_t>(kMaxRetryWait, std::int64_t{1} << std::min(lib.WriteFailures - 1, 6));
}

}  // namespace

bool TickHasWork(const Session& form) {
    const Tasks& tasks = form.tasks;
    const Generator& gen = form.gen;
    const LevelLibrary& lib = form.library;
    if (tasks.StartupPending || tasks.PlaybackActive) return true;
    // A freeze or restore the clock step has yet to carry out.
    if (form.clock.ClockState == 1 || form.clock.ClockState == 3) return true;
    // The supply at rest: no run under way or asked for, nothing to pick,
    // nothing to lower, and a file that holds the library (or a failed save
    // waiting for its next attempt, which the next check brings about).
    const bool supplyAtRest = gen.GenerationLevel == 0 && gen.GenerationRequested && gen.GenerationDone &&
                              lib.LevelCount <= kLevelsPlayed && !AnyEligible(form);
    if (!supplyAtRest) return true;
    if (!LibraryFileCurrent(form) && lib.WriteFailures == 0) return true;
    // Work that runs in slices on the tick joins here: while a subscriber
    // has slices left, a tick has work.
    return AnyTickWork(form.hooks, form);
}

int TimerWait(const Session& form) {
    if (TickHasWork(form)) return std::max(1, form.tasks.TimerInterval);
    return kRestingTimerWait;
}

void TimerTick(Session& form) {
    form.tasks.TimerInterval = 10;
    if (form.tasks.StartupPending) window::StartUp(form);
    BackgroundSupply(form);
    PlaybackTick(form);
    game::ClockTick(form);
    // Beyond the written tasks, after them and within a fixed time: the
    // features built on top (a slice of the Practice solver).
    AnnounceTick(form.hooks, form);
}

void BackgroundSupply(Session& form) {
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
        if (!game::SupplyMayRenew(form, gen.GenerationLevel)) {
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
            game::SupplyMayRenew(form, v)) {
            lib.LevelNeedsGenerating[static_cast<std::size_t>(v)] = false;
            InstallGeneratedLevel(form, v);
        }
        // The writer skips a rewrite of unchanged content; a failed write
        // leaves the old file and the game carries on.
        SaveLibrary(form);
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
