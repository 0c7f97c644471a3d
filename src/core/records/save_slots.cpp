// The five save slots "savedgame1.txt" ... "savedgame5.txt": saving the game
// into a slot, loading it back, the "Save" and "Load" menu states, and
// closing a slot when its game ends.

#include <cmath>
#include <cstdint>
#include <optional>
#include <set>

#include "../game/game.h"
#include "items.h"
#include "records.h"

namespace quib::records {

namespace {

constexpr int kSlots = 5;
// The loader holds at most this many start positions (level + 3).
constexpr int kMaxStartPositions = 300;

bool IsSlot(int slot) { return slot >= 1 && slot <= kSlots; }
std::size_t Entry(int slot) { return static_cast<std::size_t>(slot); }

// Everything a slot file holds, read and checked as a whole before any of it
// reaches the running game.
struct SlotContent {
    int level = 1;
    int tryNumber = 1;
    int levelTries = 1;
    double levelTime = 0;
    std::int32_t score = 0;
    int mode = 1;
    std::int64_t playSeconds = 0, playHours = 0, playMinutes = 0, playSecs = 0;
    std::vector<FrogRecord> frogs;
    std::vector<int> startCells;  // the level's start layout, 1 .. level + 3
};

SlotContent ParseSlot(const std::string& text, const Board& board) {
    ItemReader in(text);
    SlotContent s;
    // Level 0 is loaded as level 1; above this limit the start layout would
    // not fit the loader.
    s.level = static_cast<int>(in.Integer(0, kMaxStartPositions - 3));
    s.tryNumber = static_cast<int>(in.Integer(-kMaxTryNumber, kMaxTryNumber));
    s.levelTries = static_cast<int>(in.Integer(kInt16Min, kInt16Max));
    s.levelTime = ReadBounded(in, kMaxLevelTime);
    s.score = static_cast<std::int32_t>(in.Integer(kInt32Min, kInt32Max));
    s.mode = static_cast<int>(in.Integer(kEasyMode, kPracticeMode));
    s.playSeconds = in.Integer(kInt32Min, kInt32Max);
    s.playHours = in.Integer(kInt32Min, kInt32Max);
    s.playMinutes = in.Integer(kInt32Min, kInt32Max);
    s.playSecs = in.Integer(kInt32Min, kInt32Max);
    s.frogs = ReadFrogRecords(in, board);

    const int cells = static_cast<int>(board.Grid.size()) - 1;
    std::set<int> seen;
    for (int j = 1; j <= s.level + 3; ++j) {
        ReadBounded(in, kMaxPosition);  // the cell's left and top are not used
        ReadBounded(in, kMaxPosition);
        const int c = static_cast<int>(in.Integer(1, std::max(cells, 1)));
        if (c > cells) throw ReadFailure("start position off the board");
        if (!seen.insert(c).second) throw ReadFailure("two start positions on one cell");
        s.startCells.push_back(c);
    }
    return s;
}

// The slot's content, or nothing when its file is missing or damaged. The
// whole file is checked, start layout included, so that a slot offered for
// loading can really be loaded.
std::optional<SlotContent> ReadSlot(Session& session, int slot) {
    std::string text;
    if (ReadFolderFile(session, SlotFileName(slot), text) != FileRead::Read) return std::nullopt;
    try {
        return ParseSlot(text, session.board);
    } catch (const ReadFailure&) {
        return std::nullopt;
    }
}

void MarkSlot(Session& session, int slot, bool readable) {
    session.menu.SaveSlotEntries[Entry(slot)].Checked = readable;
    session.menu.LoadSlotEntries[Entry(slot)].Enabled = readable;
}

std::string SlotText(Session& session) {
    const Game& g = session.game;
    const Clock& clock = session.clock;
    const Board& b = session.board;
    ItemWriter out;
    out.Integer(g.CurrentLevel);
    out.Integer(g.TryNumber);
    out.Integer(g.LevelTries);
    out.Number(session.platform.Timer() - clock.LevelStartTime.value_or(0));
    out.Integer(g.Score);
    out.Integer(g.ModeIndex);
    out.Integer(clock.PlaySeconds);
    out.Integer(clock.PlayHours);
    out.Integer(clock.PlayMinutes);
    out.Integer(clock.PlaySecs);
    WriteFrogRecords(out, b);
    const int level = g.CurrentLevel;
    for (int j = 1; j <= level + 3; ++j) {
        const int c = session.library.LevelPieces(level, j);
        const bool onBoard = c >= 1 && c < static_cast<int>(b.Grid.size());
        const Cell& cell = onBoard ? b.Grid[static_cast<std::size_t>(c)] : b.Grid.at(0);
        out.Number(cell.Left).Number(cell.Top).Integer(c);
    }
    return out.str();
}

}  // namespace

std::string SlotFileName(int slot) { return "savedgame" + std::to_string(slot) + ".txt"; }

void UpdateSlotMenus(Session& session) {
    for (int n = 1; n <= kSlots; ++n) UpdateSlotMenu(session, n);
}

void UpdateSlotMenu(Session& session, int slot) {
    if (!IsSlot(slot)) return;
    MarkSlot(session, slot, ReadSlot(session, slot).has_value());
}

void SaveToSlot(Session& session, int index) {
    // Without a game running (the start screen, also under the table, or an
    // ended game) the counters and frogs left over from the last one would
    // overwrite the slot's real game.
    if (!IsSlot(index) || !game::GameRuns(session)) return;
    const int previousSlot = session.game.SaveSlot;
    session.game.SaveSlot = index;
    game::UpdateCaption(session);
    bool written = false;
    bool loadable = false;
    try {
        const std::string text = SlotText(session);
        try {
            ParseSlot(text, session.board);
            loadable = true;
        } catch (const ReadFailure&) {
            // A game the loader could not take back (a level whose puzzle is
            // not made yet, on the panel before it) is never offered for
            // loading, and never replaces a save that can be loaded.
        }
        if (loadable || !ReadSlot(session, index))
            written = WriteFolderFile(session, SlotFileName(index), text, FolderFlush::Flush);
    } catch (const std::exception&) {
        // Not written.
    }
    if (written) {
        MarkSlot(session, index, loadable);
        session.menu.SaveMenu.Enabled = false;
    } else {
        // Nothing was saved: the game keeps the slot it had, the caption says
        // so, and the menus still say what the old file holds, with "Save"
        // available to try again.
        session.game.SaveSlot = previousSlot;
        game::UpdateCaption(session);
    }
}

void LoadFromSlot(Session& session, int index) {
    Game& g = session.game;
    Clock& clock = session.clock;
    Platform& p = session.platform;
    if (!IsSlot(index)) return;
    if (index == g.SaveSlot && game::GameRuns(session)) return;

    // A slot that turns out unreadable now leaves the running game exactly as
    // it was: nothing is saved, added or changed before the file is known good.
    const std::optional<SlotContent> loaded = ReadSlot(session, index);
    if (!loaded) {
        MarkSlot(session, index, false);
        return;
    }
    const SlotContent& s = *loaded;

    game::BankPlayTime(session);
    if (g.SaveSlot > 0) SaveToSlot(session, g.SaveSlot);
    WriteDataFile(session);

    g.SaveSlot = index;
    session.board.SelectedFrog = 0;
    session.msg.EnterButton.Visible = false;

    g.CurrentLevel = s.level;
    g.TryNumber = s.tryNumber;
    g.LevelTries = s.levelTries;
    clock.LevelStartTime = p.Timer() - s.levelTime;
    // A clock frozen now (the high-score table is open) is restored from its
    // frozen time at the next tick: that must be the loaded game's time.
    clock.FrozenElapsed = s.levelTime;
    g.Score = s.score;
    g.ModeIndex = s.mode;
    clock.PlaySeconds = s.playSeconds;
    clock.PlayHours = s.playHours;
    clock.PlayMinutes = s.playMinutes;
    clock.PlaySecs = s.playSecs;

    PlaceFrogRecords(session, s.frogs);
    for (const FrogRecord& rec : s.frogs) {
        Cell& cell = session.board.Grid[static_cast<std::size_t>(rec.CellNumber)];
        cell.Outlined = true;
        cell.BorderColor = Rgb(255, 0, 0);
    }

    // The background supply may have replaced the level's puzzle since the
    // save; the saved start layout goes back into the library.
    for (int j = 1; j <= s.level + 3; ++j)
        session.library.LevelPieces(s.level, j) = static_cast<std::int16_t>(s.startCells[static_cast<std::size_t>(j - 1)]);
    TouchLevel(session.library, s.level);

    game::SetModeNameAndTries(g, g.ModeIndex);
    session.menu.GotoLevelMenu.Enabled = g.ModeIndex == kPracticeMode;

    if (g.CurrentLevel > session.library.LevelCount) g.CurrentLevel = 1;
    if (g.CurrentLevel < 1) g.CurrentLevel = 1;
    g.ResumeOffered = g.CurrentLevel > 1;
    // "Continue" now stands for the loaded game, not the one read at start-up:
    // it would otherwise put the loaded frogs under another level's number.
    g.ResumeLevel = g.CurrentLevel;
    // The file has just been read whole, so its entries can say so.
    MarkSlot(session, index, true);

    if (!session.menu.GridsOption.Checked)
        for (std::size_t i = 1; i < session.board.Grid.size(); ++i) session.board.Grid[i].Outlined = false;

    game::TakeUpBoard(session);
}

void CloseSaveSlot(Session& session, const std::string& item) {
    const int slot = session.game.SaveSlot;
    if (IsSlot(slot)) {
        ItemWriter out;
        out.Text(item);
        // A failed write leaves the old save in place; the slot is still
        // closed for this run.
        WriteFolderFile(session, SlotFileName(slot), out.str(), FolderFlush::Flush);
        MarkSlot(session, slot, false);
    }
    session.game.SaveSlot = 0;
}

}  // namespace quib::records
