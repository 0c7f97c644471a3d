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
void FreshWindow(quib::Session& form) {
    quib::fuzz::OpenWindowAfresh(form);
    // Level 1's layout, for the fallback to place.
    const int cells[] = {118, 201, 180, 139};
    for (int j = 0; j < 4; ++j) form.library.LevelPieces(1, j + 1) = static_cast<std::int16_t>(cells[j]);
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
        s.records.push_back(static_cast<float>(f.board.Rect[r].Tag));
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quib::fuzz::Fixture fx;
    quib::Session& form = *fx.form;
    fx.PutInput("data.txt", data, size);

    FreshWindow(form);
    quib::records::ReadDataFile(form);
    CheckBoard(form);
    Check(form.game.ModeIndex >= 1 && form.game.ModeIndex <= 4);
    Check(form.game.SaveSlot >= 0 && form.game.SaveSlot <= 5);
    Check(form.game.ResumeLevel >= 1 && form.game.ResumeLevel <= 200);
    Check(form.game.CurrentLevel == 1);
    Check(form.clock.LevelStartTime && std::isfinite(*form.clock.LevelStartTime));
    const Stored first = Read(form);
    const int resume = form.game.ResumeLevel;
    const bool offered = form.game.ResumeOffered;

    Check(quib::records::WriteDataFile(form));
    FreshWindow(form);
    quib::records::ReadDataFile(form);
    Check(Read(form) == first);
    if (offered) Check(form.game.ResumeLevel == resume && form.game.ResumeOffered);
    return 0;
}
