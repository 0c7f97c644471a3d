// The whole start-up on every data file at once: the input holds the resume
// file, the high scores, the five slots and the level library, separated by
// the byte 0x1e (a part that is the byte 0x1f alone, and the parts left out
// at the end: no such files). The library comes last so that the input's
// length limit (fuzz_startup.options) cuts only the library: here it holds
// up to some 60 levels, and the full-size library is the level library
// fuzzer's, which costs most to read and write. The game starts on them,
// takes up "Continue", loads each slot it offers, and is closed (answered
// No). No input may crash or hang it or leave a board that breaks its
// invariants, and what the close wrote must start the next run as it was.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/game.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "harness.h"

namespace {

using quib::fuzz::Check;

const char* const kFiles[] = {"data.txt",       "high.txt",       "savedgame1.txt", "savedgame2.txt",
                              "savedgame3.txt", "savedgame4.txt", "savedgame5.txt", "levels.txt"};

void CheckGame(const quib::Session& f) {
    quib::fuzz::CheckBoard(f);
    Check(f.library.LevelCount >= 1 && f.library.LevelCount <= quib::kMaxStoredLevel);
    Check(f.game.ModeIndex >= 1 && f.game.ModeIndex <= 4);
    Check(f.game.SaveSlot >= 0 && f.game.SaveSlot <= 5);
}

quib::Session& StartGame(quib::fuzz::ReusedWindow& window) {
    quib::Session& session = window.Fresh();
    quib::window::OpenWindow(session);
    quib::window::StartUp(session);
    CheckGame(session);
    return session;
}

struct Table {
    std::vector<std::string> rows;
    bool operator==(const Table&) const = default;
};
Table TableOf(const quib::Session& f) {
    Table t;
    for (int i = 1; i <= 10; ++i)
        t.rows.push_back(f.high.NamesLabel[static_cast<std::size_t>(i)].Caption + '|' +
                         f.high.ScoreLabel[static_cast<std::size_t>(i)].Caption + '|' +
                         std::to_string(f.high.HighScoreSeconds[static_cast<std::size_t>(i)]));
    // The files have no escape for a double quote: the writer puts an
    // apostrophe in its place.
    for (std::string& row : t.rows)
        for (char& c : row)
            if (c == '"') c = '\'';
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quib::fuzz::Fixture fx;
    // The two runs' windows, built once.
    static quib::fuzz::ReusedWindow first(fx.platform, fx.folder, fx.storage),
        second(fx.platform, fx.folder, fx.storage);
    // The input's files take the place of the last run's.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t from = 0;
    for (const char* name : kFiles) {
        if (from > input.size()) {
            fx.storage->Put(name, std::nullopt);
            continue;
        }
        const std::size_t end = std::min(input.find('\x1e', from), input.size());
        const std::string_view part = input.substr(from, end - from);
        fx.storage->Put(name, part == "\x1f" ? std::nullopt : std::optional<std::string>(part));
        from = end + 1;
    }

    fx.ResetPlatform();
    fx.platform.answerYes = false;
    quib::Session& f = StartGame(first);
    if (f.game.ResumeOffered) {
        quib::game::ContinueGame(f);
        CheckGame(f);
    }
    for (int slot = 1; slot <= 5; ++slot) {
        if (!f.menu.LoadSlotEntries[static_cast<std::size_t>(slot)].Enabled) continue;
        quib::records::LoadFromSlot(f, slot);
        CheckGame(f);
        Check(f.game.SaveSlot == slot);
    }
    Check(quib::window::RequestClose(f));
    CheckGame(f);

    // The next run reads back what this one wrote (the library apart, which
    // its own fuzzer covers and which costs the most to read).
    const Table table = TableOf(f);
    const int highest = f.game.HighestLevel;
    quib::Session& next = second.Fresh();
    quib::window::OpenWindow(next);
    quib::records::ReadDataFile(next);
    quib::records::BuildHighScoreTable(next);
    Check(TableOf(next) == table);
    Check(next.game.HighestLevel == highest);
    return 0;
}
