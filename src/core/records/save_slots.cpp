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
std::optional<SlotContent> ReadSlot(Session& form, int slot) {
    std::string text;
    if (ReadFolderFile(form, SlotFileName(slot), text) != FileRead::Read) return std::nullopt;
    try {
        return ParseSlot(text, form.board);
    } catch (const ReadFailure&) {
        return std::nullopt;
    }
}

void MarkSlot(Session& form, int slot, bool readable) {
    form.menu.SaveSlotEntries[Entry(slot)].Checked = readable;
    form.menu.LoadSlotEntries[Entry(slot)].Enabled = readable;
}

std::string SlotText(Session& form) {
    const Game& g = form.game;
    const Clock& clock = form.clock;
    const Board& b = form.board;
    ItemWriter out;
    out.Integer(g.CurrentLevel);
    out.Integer(g.TryNumber);
    out.Integer(g.LevelTries);
    out.Number(form.platform.Timer() - clock.LevelStartTime.value_or(0));
    out.Integer(g.Score);
    out.Integer(g.ModeIndex);
    out.Integer(clock.PlaySeconds);
    out.Integer(clock.PlayHours);
    out.Integer(clock.PlayMinutes);
    out.Integer(clock.PlaySecs);
    WriteFrogRecords(out, b);
    const int level = g.CurrentLevel;
    for (int j = 1; j <= level + 3; ++j) {
        const int c = form.library.LevelPieces(level, j);
        const bool onBoard = c >= 1 && c < static_cast<int>(b.Grid.size());
        const Cell& cell = onBoard ? b.Grid[static_cast<std::size_t>(c)] : b.Grid.at(0);
        out.Number(cell.Left).Number(cell.Top).Integer(c);
    }
    return out.str();
}

}  // namespace

std::string SlotFileName(int slot) { return "savedgame" + std::to_string(slot) + ".txt"; }

void UpdateSlotMenus(Session& form) {
    for (int n = 1; n <= kSlots; ++n) UpdateSlotMenu(form, n);
}

void UpdateSlotMenu(Session& form, int slot) {
    if (!IsSlot(slot)) return;
    MarkSlot(form, slot, ReadSlot(form, slot).has_value());
}

void SaveToSlot(Session& form, int index) {
    // Without a game running (the start screen, also under the table, or an
    // ended game) the counters and frogs left over from the last one would
    // overwrite the slot's real game.
    if (!IsSlot(index) || !game::GameRuns(form)) return;
    const int previousSlot = form.game.SaveSlot;
    form.game.SaveSlot = index;
    game::UpdateCaption(form);
    bool written = false;
    bool loadable = false;
    try {
        const std::string text = SlotText(form);
        try {
            ParseSlot(text, form.board);
            loadable = true;
        } catch (const ReadFailure&) {
            // A game the loader could not take back (a level whose puzzle is
            // not made yet, on the panel before it) is never offered for
            // loading, and never replaces a save that can be loaded.
        }
        if (loadable || !ReadSlot(form, index))
            written = WriteFolderFile(form, SlotFileName(index), text, FolderFlush::Flush);
    } catch (const std::exception&) {
        // Not written.
    }
    if (written) {
        MarkSlot(form, index, loadable);
        form.menu.SaveMenu.Enabled = false;
    } else {
        // Nothing was saved: the game keeps the slot it had, the caption says
        // so, and the menus still say what the old file holds, with "Save"
        // available to try again.
        form.game.SaveSlot = previousSlot;
        game::UpdateCaption(form);
    }
}

void LoadFromSlot(Session& form, int index) {
    Game& g = form.game;
    Clock& clock = form.clock;
    Platform& p = form.platform;
    if (!IsSlot(index)) return;
    if (index == g.SaveSlot && game::GameRuns(form)) return;

    // A slot that turns out unreadable now leaves the running game exactly as
    // it was: nothing is saved, added or changed before the file is known good.
    const std::optional<SlotContent> loaded = ReadSlot(form, index);
    if (!loaded) {
        MarkSlot(form, index, false);
        return;
    }
    const SlotContent& s = *loaded;

    game::BankPlayTime(form);
    if (g.SaveSlot > 0) SaveToSlot(form, g.SaveSlot);
    WriteDataFile(form);

    g.SaveSlot = index;
    form.board.SelectedFrog = 0;
    form.msg.EnterButton.Visible = false;

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

    PlaceFrogRecords(form, s.frogs);
    for (const FrogRecord& rec : s.frogs) {
        Cell& cell = form.board.Grid[static_cast<std::size_t>(rec.Tag)];
        cell.BorderStyle = 1;
        cell.BorderColor = Rgb(255, 0, 0);
    }

    // The background supply may have replaced the level's puzzle since the
    // save; the saved start layout goes back into the library.
    for (int j = 1; j <= s.level + 3; ++j)
        form.library.LevelPieces(s.level, j) = static_cast<std::int16_t>(s.startCells[static_cast<std::size_t>(j - 1)]);
    TouchLevel(form.library, s.level);

    game::SetModeNameAndTries(g, g.ModeIndex);
    form.menu.GotoLevelMenu.Enabled = g.ModeIndex == kPracticeMode;

    if (g.CurrentLevel > form.library.LevelCount) g.CurrentLevel = 1;
    if (g.CurrentLevel < 1) g.CurrentLevel = 1;
    g.ResumeOffered = g.CurrentLevel > 1;
    // "Continue" now stands for the loaded game, not the one read at start-up:
    // it would otherwise put the loaded frogs under another level's number.
    g.ResumeLevel = g.CurrentLevel;
    // The file has just been read whole, so its entries can say so.
    MarkSlot(form, index, true);

    if (!form.menu.GridsOption.Checked)
        for (std::size_t i = 1; i < form.board.Grid.size(); ++i) form.board.Grid[i].BorderStyle = 0;

    game::TakeUpBoard(form);
}

void CloseSaveSlot(Session& form, const std::string& item) {
    const int slot = form.game.SaveSlot;
    if (IsSlot(slot)) {
        ItemWriter out;
        out.Text(item);
        // A failed write leaves the old save in place; the slot is still
        // closed for this run.
        WriteFolderFile(form, SlotFileName(slot), out.str(), FolderFlush::Flush);
        MarkSlot(form, slot, false);
    }
    form.game.SaveSlot = 0;
}

}  // namespace quib::records
