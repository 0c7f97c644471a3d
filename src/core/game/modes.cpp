// Starting a game in one of the four modes, from the "New Game" menu, the
// start screen or "Goto Level", and the Goto Level entries the player has
// earned.

#include <optional>

#include "../records/records.h"
#include "game.h"

namespace quib::game {

namespace {

struct ModeRow {
    const char* name;
    int triesAllowed;
    int firstLevel;  // 0: Practice keeps the level already chosen
};

constexpr ModeRow kModes[] = {
    {"", 0, 0}, {"Easy", 10, 1}, {"Medium", 8, 5}, {"Difficult", 5, 10}, {"Practice", -1, 0},
};

}  // namespace

bool SetModeNameAndTries(Game& game, int modeIndex) {
    if (modeIndex < kEasyMode || modeIndex > kPracticeMode) return false;
    const ModeRow& row = kModes[modeIndex];
    game.TriesAllowed = row.triesAllowed;
    game.GameMode = row.name;
    return true;
}

bool ApplyModeTable(Game& game, int modeIndex) {
    if (!SetModeNameAndTries(game, modeIndex)) return false;
    const ModeRow& row = kModes[modeIndex];
    if (row.firstLevel > 0) game.CurrentLevel = row.firstLevel;
    game.SaveSlot = 0;
    return true;
}

void EnableGotoLevelEntries(Session& form) {
    auto& entries = form.menu.GotoLevelEntries;
    MenuEntry& first = entries[1];
    if (first.Caption.empty()) first.Caption = "1";
    first.Enabled = true;
    for (int k = 10; k <= 190; k += 10) {
        MenuEntry& entry = entries[k];
        if (entry.Caption.empty()) entry.Caption = std::to_string(k);
        entry.Enabled = form.game.HighestLevel >= k;
    }
}

namespace {

// A new game in the mode; a Goto Level entry also names the level it starts
// at, taken only after the game in play has gone into its slot with its own.
void NewGame(Session& form, int index, std::optional<int> gotoLevel) {
    // The menu and the start screen only offer 1..4; any other number would
    // leave a game without a mode, so it starts nothing.
    if (index < kEasyMode || index > kPracticeMode) return;
    Game& g = form.game;
    Board& b = form.board;
    Platform& p = form.platform;
    Messages& msg = form.msg;

    msg.EnterButton.Visible = false;
    // The slot gets the game's time up to now. Only a game that runs has a
    // board to save: the start screen (also under the table) has none.
    BankPlayTime(form);
    if (GameRuns(form) && g.SaveSlot > 0) records::SaveToSlot(form, g.SaveSlot);

    g.SaveSlot = 0;
    b.HighLight.Visible = false;
    b.SelectedFrog = 0;
    const bool grids = form.menu.GridsOption.Checked;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) {
        if (!grids) b.Grid[i].BorderStyle = 0;
        b.Grid[i].BackColor = 0;
    }
    form.game.ResumeOffered = false;
    if (form.clock.ClockState == 2) form.clock.ClockState = 0;
    form.intro.Visible = false;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].Visible = true;

    if (gotoLevel) g.CurrentLevel = *gotoLevel;
    g.TryNumber = 2;
    g.LevelTries = 1;
    g.Score = 0;
    g.ModeIndex = index;
    ApplyModeTable(g, index);
    // Practice keeps the level of the game before, but a game that is over
    // after its last level stands one past it: Practice then starts afresh.
    if (g.CurrentLevel > form.library.LevelCount) g.CurrentLevel = 1;
    form.menu.GotoLevelMenu.Enabled = g.ModeIndex == kPracticeMode;
    form.window.MousePointer = Pointer::Hourglass;

    const int n = g.CurrentLevel;
    if (LevelInTables(n) && (form.library.LevelNeedsGenerating[static_cast<std::size_t>(n)] ||
                             !form.gen.LevelVerified[static_cast<std::size_t>(n)])) {
        GenerateInForeground(form, n);
    }

    form.clock.ClockState = 0;
    form.clock.LevelStartTime = p.Timer();
    form.clock.LastTick = p.Timer();
    StartLevel(form);

    form.clock.PlaySeconds = 0;
    form.clock.PlayHours = 0;
    form.clock.PlayMinutes = 0;
    form.clock.PlaySecs = 0;
}

}  // namespace

void StartNewGame(Session& form, int index) { NewGame(form, index, std::nullopt); }

void ChooseMode(Session& form, int index) { StartNewGame(form, index); }

void GoToLevel(Session& form, int index) {
    // The slot of the game in play keeps that game's level with its frogs;
    // the chosen level is the new game's.
    NewGame(form, kPracticeMode, index);
}

}  // namespace quib::game
