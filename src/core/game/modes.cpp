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

void EnableGotoLevelEntries(Session& session) {
    auto& entries = session.menu.GotoLevelEntries;
    MenuEntry& first = entries[1];
    if (first.Caption.empty()) first.Caption = "1";
    first.Enabled = true;
    for (int k = 10; k <= 190; k += 10) {
        MenuEntry& entry = entries[k];
        if (entry.Caption.empty()) entry.Caption = std::to_string(k);
        entry.Enabled = session.game.HighestLevel >= k;
    }
}

namespace {

// A new game in the mode; a Goto Level entry also names the level it starts
// at, taken only after the game in play has gone into its slot with its own.
void NewGame(Session& session, int index, std::optional<int> gotoLevel) {
    // The menu and the start screen only offer 1..4; any other number would
    // leave a game without a mode, so it starts nothing.
    if (index < kEasyMode || index > kPracticeMode) return;
    Game& g = session.game;
    Board& b = session.board;
    Platform& p = session.platform;
    Messages& msg = session.msg;

    msg.EnterButton.Visible = false;
    // The slot gets the game's time up to now. Only a game that runs has a
    // board to save: the start screen (also under the table) has none.
    BankPlayTime(session);
    if (GameRuns(session) && g.SaveSlot > 0) records::SaveToSlot(session, g.SaveSlot);

    g.SaveSlot = 0;
    b.HighLight.Visible = false;
    b.SelectedFrog = 0;
    const bool grids = session.menu.GridsOption.Checked;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) {
        if (!grids) b.Grid[i].Outlined = false;
        b.Grid[i].BackColor = 0;
    }
    session.game.ResumeOffered = false;
    if (session.clock.State == ClockState::Frozen) session.clock.State = ClockState::Running;
    session.intro.Visible = false;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].Visible = true;

    if (gotoLevel) g.CurrentLevel = *gotoLevel;
    g.TryNumber = 2;
    g.LevelTries = 1;
    g.Score = 0;
    g.ModeIndex = index;
    ApplyModeTable(g, index);
    // Practice keeps the level of the game before, but a game that is over
    // after its last level stands one past it: Practice then starts afresh.
    if (g.CurrentLevel > session.library.LevelCount) g.CurrentLevel = 1;
    session.menu.GotoLevelMenu.Enabled = g.ModeIndex == kPracticeMode;
    session.window.MousePointer = Pointer::Hourglass;

    const int n = g.CurrentLevel;
    if (LevelInTables(n) && (session.library.LevelNeedsGenerating[static_cast<std::size_t>(n)] ||
                             !session.gen.LevelVerified[static_cast<std::size_t>(n)])) {
        GenerateInForeground(session, n);
    }

    session.clock.State = ClockState::Running;
    session.clock.LevelStartTime = p.Timer();
    session.clock.LastTick = p.Timer();
    StartLevel(session);

    session.clock.PlaySeconds = 0;
    session.clock.PlayHours = 0;
    session.clock.PlayMinutes = 0;
    session.clock.PlaySecs = 0;
}

}  // namespace

void StartNewGame(Session& session, int index) { NewGame(session, index, std::nullopt); }

void ChooseMode(Session& session, int index) { StartNewGame(session, index); }

void GoToLevel(Session& session, int index) {
    // The slot of the game in play keeps that game's level with its frogs;
    // the chosen level is the new game's.
    NewGame(session, kPracticeMode, index);
}

}  // namespace quib::game
