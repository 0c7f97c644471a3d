// Feeds arbitrary bytes to the save-slot reader as "savedgame1.txt", then
// loads the slot as the "Load" menu does. No input may crash the loader; a
// slot it refuses leaves the game untouched, a slot it takes leaves a sound
// board, and the game it took, saved again, loads back with every field the
// slot holds: level, tries, score, mode, play time, level time, the frogs
// and the level's start layout.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/records.h"
#include "harness.h"

namespace {

using quib::fuzz::Check;
using quib::fuzz::CheckBoard;

// The start screen of a fresh run, with a library whose every level has a
// layout, so that no level start needs the generator.
void FreshWindow(quib::Session& session) {
    quib::fuzz::OpenWindowAfresh(session);
    session.gen.GenerationLevel = 0;
    session.clock.State = quib::ClockState::Running;
    static bool installed = false;
    if (!installed) {
        for (int level = 1; level <= 200; ++level)
            for (int j = 1; j <= level + 3; ++j) session.library.LevelPieces(level, j) = static_cast<std::int16_t>(j);
        installed = true;
    }
}

std::vector<int> Cells(const quib::Session& session) {
    std::vector<int> cells;
    for (std::size_t r = 1; r < session.board.Rect.size(); ++r) cells.push_back(session.board.Rect[r].CellNumber);
    return cells;
}

// Every field a slot file holds, as the loaded game has it; the level time
// apart, since it goes through the time of day and back.
struct SlotFields {
    int level, tryNumber, levelTries, mode;
    std::int32_t score;
    std::int64_t playSeconds, playHours, playMinutes, playSecs;
    std::vector<float> frogs;  // left, top, cell of each record
    std::vector<int> startLayout;
    bool operator==(const SlotFields&) const = default;
};

SlotFields Fields(const quib::Session& f) {
    SlotFields s{f.game.CurrentLevel, f.game.TryNumber, f.game.LevelTries, f.game.ModeIndex, f.game.Score,
                 f.clock.PlaySeconds, f.clock.PlayHours, f.clock.PlayMinutes, f.clock.PlaySecs, {}, {}};
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r) {
        s.frogs.push_back(f.board.Rect[r].Left);
        s.frogs.push_back(f.board.Rect[r].Top);
        s.frogs.push_back(static_cast<float>(f.board.Rect[r].CellNumber));
    }
    for (int j = 1; j <= f.game.CurrentLevel + 3; ++j) s.startLayout.push_back(f.library.LevelPieces(f.game.CurrentLevel, j));
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quib::fuzz::Fixture fx;
    quib::Session& session = *fx.session;
    fx.PutInput(quib::records::SlotFileName(1), data, size);

    FreshWindow(session);
    quib::records::UpdateSlotMenu(session, 1);
    const bool offered = session.menu.LoadSlotEntries[1].Enabled;
    const quib::Game before = session.game;
    const std::vector<int> cellsBefore = Cells(session);

    quib::records::LoadFromSlot(session, 1);
    CheckBoard(session);
    if (!offered) {
        // Refused: nothing of the game changed.
        Check(session.game.CurrentLevel == before.CurrentLevel && session.game.Score == before.Score &&
              session.game.SaveSlot == before.SaveSlot && quib::game::StartScreenUp(session) &&
              Cells(session) == cellsBefore);
        Check(!session.menu.LoadSlotEntries[1].Enabled);
        return 0;
    }
    Check(session.game.SaveSlot == 1);
    Check(session.game.CurrentLevel >= 1 && session.game.CurrentLevel <= session.library.LevelCount);
    Check(session.game.ModeIndex >= 1 && session.game.ModeIndex <= 4);
    Check(!quib::game::StartScreenUp(session));

    // A board without a jump is retried as it loads, a try counted: when the
    // level's own start has no jump either (a slot may hold any start), every
    // load of it counts a try again, so it does not load back unchanged.
    quib::game::CheckJumpPossible(session);
    if (!session.game.JumpPossible && quib::board::FrogsLeft(session.board) > 1) return 0;

    // What the game saves it loads back, every field of it.
    const SlotFields fields = Fields(session);
    const double levelStart = session.clock.LevelStartTime.value_or(0);
    quib::records::SaveToSlot(session, 1);
    Check(session.menu.LoadSlotEntries[1].Enabled);
    quib::game::Enter(session, quib::Screen::StartScreen);  // back at the start screen, the own slot loads again
    quib::records::LoadFromSlot(session, 1);
    CheckBoard(session);
    Check(Fields(session) == fields);
    const double again = session.clock.LevelStartTime.value_or(0);
    Check(std::fabs(again - levelStart) <= 1e-9 * (1 + std::fabs(levelStart) + std::fabs(session.platform.Timer())));
    return 0;
}
