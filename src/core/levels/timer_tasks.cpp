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
bool Eligible(const Session& session, int k) {
    return session.library.LevelNeedsGenerating[static_cast<std::size_t>(k)] && game::SupplyMayRenew(session, k);
}

// Level numbers the per-level flags can hold; a count or level read from a
// damaged file is never followed past them.
int FlagBound(int n) { return std::min(n, kLevelIndexMax); }

bool AnyEligible(const Session& session) {
    for (int k = 1; k <= FlagBound(session.library.LevelCount); ++k)
        if (Eligible(session, k)) return true;
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
void SaveLibrary(Session& session) {
    LevelLibrary& lib = session.library;
    const std::int64_t now = session.platform.Now();
    if (now >= lib.NextFileCheck || lib.NextFileCheck - now > 1) {
        lib.NextFileCheck = now + 1;
        CheckLibraryFile(session);
    }
    if (WaitingToRetry(lib, now)) return;
    if (WriteLevelLibrary(session)) {
        lib.WriteFailures = 0;
        return;
    }
    lib.WriteFailures = std::min(lib.WriteFailures + 1, 30);
    lib.WriteRetryAt = now + std::min<std::int64_t>(kMaxRetryWait, std::int64_t{1} << std::min(lib.WriteFailures - 1, 6));
}

}  // namespace

bool TickHasWork(const Session& session) {
    const Tasks& tasks = session.tasks;
    const Generator& gen = session.gen;
    const LevelLibrary& lib = session.library;
    if (tasks.StartupPending || tasks.PlaybackActive) return true;
    // A freeze or restore the clock step has yet to carry out.
    if (session.clock.State == ClockState::FreezeRequested || session.clock.State == ClockState::RestoreRequested) return true;
    // The supply at rest: no run under way or asked for, nothing to pick,
    // nothing to lower, and a file that holds the library (or a failed save
    // waiting for its next attempt, which the next check brings about).
    const bool supplyAtRest = gen.GenerationLevel == 0 && gen.GenerationRequested && gen.GenerationDone &&
                              lib.LevelCount <= kLevelsPlayed && !AnyEligible(session);
    if (!supplyAtRest) return true;
    if (!LibraryFileCurrent(session) && lib.WriteFailures == 0) return true;
    // Work that runs in slices on the tick joins here: while a subscriber
    // has slices left, a tick has work.
    return AnyTickWork(session.hooks, session);
}

int TimerWait(const Session& session) {
    if (TickHasWork(session)) return std::max(1, session.tasks.TimerInterval);
    return kRestingTimerWait;
}

void TimerTick(Session& session) {
    session.tasks.TimerInterval = 10;
    if (session.tasks.StartupPending) window::StartUp(session);
    BackgroundSupply(session);
    PlaybackTick(session);
    game::ClockTick(session);
    // Beyond the written tasks, after them and within a fixed time: the
    // features built on top (a slice of the Practice solver).
    AnnounceTick(session.hooks, session);
}

void BackgroundSupply(Session& session) {
    Generator& gen = session.gen;
    LevelLibrary& lib = session.library;

    // Search: an earlier level that needs a puzzle comes first.
    for (int k = 1; k <= FlagBound(gen.GenerationLevel); ++k) {
        if (Eligible(session, k)) {
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
        if (!game::SupplyMayRenew(session, gen.GenerationLevel)) {
            gen.GenerationDone = true;
        } else {
            gen.GenerationRequested = false;
            GenerateLevel(session);
        }
    }

    // Install and save.
    if (gen.GenerationDone) {
        const int v = gen.GenerationLevel;
        if (v >= 0 && v <= kLevelIndexMax && lib.LevelNeedsGenerating[static_cast<std::size_t>(v)] &&
            game::SupplyMayRenew(session, v)) {
            lib.LevelNeedsGenerating[static_cast<std::size_t>(v)] = false;
            InstallGeneratedLevel(session, v);
        }
        // The writer skips a rewrite of unchanged content; a failed write
        // leaves the old file and the game carries on.
        SaveLibrary(session);
    }

    // Next.
    if (gen.GenerationRequested && gen.GenerationDone) {
        gen.GenerationRequested = false;
        gen.GenerationLevel = 0;
        lib.LevelNeedsGenerating[0] = false;
        for (int k = 1; k <= FlagBound(lib.LevelCount); ++k) {
            if (Eligible(session, k)) {
                if (gen.GenerationLevel < 1) gen.GenerationLevel = k;
                break;
            }
        }
        if (lib.LevelCount > kLevelsPlayed) lib.LevelCount = kLevelsPlayed;
        if (gen.GenerationLevel < kLevelsPlayed) GenerateLevel(session);
    }
}

}  // namespace quib::levels
