// Feeds arbitrary bytes to the resume file reader as "data.txt". No input may
// crash it or leave a board that breaks its invariants, and whatever state it
// leaves, written out by the game, must read back to the same state.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/records/records.h"
#include "harness.h"

namespace {

using quib::fuzz::Check;
using quib::fuzz::CheckBoard;

// A freshly opened window, the same for every input.
void FreshWindow(quib::Session& session) {
    quib::fuzz::OpenWindowAfresh(session);
    // Level 1's layout, for the fallback to place.
    const int cells[] = {118, 201, 180, 139};
    for (int j = 0; j < 4; ++j) session.library.LevelPieces(1, j + 1) = static_cast<std::int16_t>(cells[j]);
}

struct Stored {
    int tryNumber, levelTries, highest, mode, slot;
    std::int32_t score;
    std::int64_t seconds, hours, minutes, secs;
    bool sound, grids;
    std::vector<bool> flags;
    std::vector<float> records;
    bool operator==(const Stored&) const = default;
};

Stored Read(const quib::Session& f) {
    Stored s{f.game.TryNumber, f.game.LevelTries, f.game.HighestLevel, f.game.ModeIndex, f.game.SaveSlot,
             f.game.Score, f.clock.PlaySeconds, f.clock.PlayHours, f.clock.PlayMinutes, f.clock.PlaySecs,
             f.menu.SoundOption.Checked, f.menu.GridsOption.Checked, {}, {}};
    for (int i = 1; i <= 200; ++i) s.flags.push_back(f.library.LevelNeedsGenerating[static_cast<std::size_t>(i)]);
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r) {
        s.records.push_back(f.board.Rect[r].Left);
        s.records.push_back(f.board.Rect[r].Top);
        s.records.push_back(static_cast<float>(f.board.Rect[r].CellNumber));
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quib::fuzz::Fixture fx;
    quib::Session& session = *fx.session;
    fx.PutInput("data.txt", data, size);

    FreshWindow(session);
    quib::records::ReadDataFile(session);
    CheckBoard(session);
    Check(session.game.ModeIndex >= 1 && session.game.ModeIndex <= 4);
    Check(session.game.SaveSlot >= 0 && session.game.SaveSlot <= 5);
    Check(session.game.ResumeLevel >= 1 && session.game.ResumeLevel <= 200);
    Check(session.game.CurrentLevel == 1);
    Check(session.clock.LevelStartTime && std::isfinite(*session.clock.LevelStartTime));
    const Stored first = Read(session);
    const int resume = session.game.ResumeLevel;
    const bool offered = session.game.ResumeOffered;

    Check(quib::records::WriteDataFile(session));
    FreshWindow(session);
    quib::records::ReadDataFile(session);
    Check(Read(session) == first);
    if (offered) Check(session.game.ResumeLevel == resume && session.game.ResumeOffered);
    return 0;
}
