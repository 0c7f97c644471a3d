#pragma once
// Game flow: level start, modes, round outcomes, the caption, the level
// clock and the pause notice.

#include <cstdint>
#include <string>

#include "../form.h"

namespace quib::game {

// ------------------------------------------------------- changes of screen

// The one way to change what is on screen: banks or starts the play time,
// sets the menus that depend on the screen (see screen_change.cpp).
void Enter(Session& session, Screen next);
// The exit question opens or closes; nobody plays while it is open.
void SetExitQuestion(Session& session, bool open);
// The window is minimised (1), shown (0) or maximised (2).
void SetWindowState(Session& session, WindowState windowState);
// The screen the game is seen on: under the high-score table, the one it covers.
Screen Covered(const PlayState& play);
// A game runs: a level on the board, its round-over message or its panel,
// also under the high-score table.
bool GameRuns(const Session& session);
// The start screen offers "Continue".
bool ContinueOffered(const Session& session);
// Whether the background supply may put a new puzzle into a level: never
// the level in play, never the one "Continue" would resume.
bool SupplyMayRenew(const Session& session, int level);

// ------------------------------------------------------------ level start

void StartLevel(Session& session);
void ResumeBoard(Session& session);
// Takes up the board of an interrupted game (Continue, a slot's load): a
// board without a jump left is the lost round it was saved on, and is
// retried; any other is played on.
void TakeUpBoard(Session& session);
void CheckJumpPossible(Session& session);
// Whether level n fits the level tables (1..347).
bool LevelInTables(int n);
// Whether level n has a stored puzzle that can be put on the board.
bool StoredPuzzleUsable(const Session& session, int n);
// Runs the generator for level n until its puzzle is verified (a bounded
// number of runs), then moves GenerationLevel on; false if it gave up.
bool GenerateInForeground(Session& session, int n);
// Hides whatever covers the board: start screen, high-score table, pause
// notice, round-over message, level-completed panel.
void ClearOverlays(Session& session);

// ------------------------------------------------------------------ modes

// Sets TriesAllowed and GameMode for a mode number; false (and nothing
// changed) for a number outside 1..4. Used by a new game and by the files.
bool SetModeNameAndTries(Game& game, int modeIndex);
// A new game's mode: name and tries, the mode's first level (Easy,
// Medium, Difficult) and no save slot; false for a number outside 1..4.
bool ApplyModeTable(Game& game, int modeIndex);
// Enables the "Goto Level" entries up to HighestLevel.
void EnableGotoLevelEntries(Session& session);
void StartNewGame(Session& session, int index);
void ChooseMode(Session& session, int index);
void GoToLevel(Session& session, int index);

// --------------------------------------------------------------- outcomes

// The round-over or game-over message goes: a retry, or the start screen
// after a game that is over (a click on its heading or its text).
void DismissMessage(Session& session);
// The level-completed panel goes and the next level starts (a click on any
// of its lines).
void DismissPanel(Session& session);
void RestartLevel(Session& session);
void Quit(Session& session);
void ContinueGame(Session& session);

// ------------------------------------------------ caption, clock and pause

std::string ComposeCaption(const Session& session);
void UpdateCaption(Session& session);
void AddPlayTime(Session& session);
// Whether a level is in play: the one answer for the playing time, the
// keyboard, the session end, the resting timer and the features built on top.
// Not on the start screen, not under a message, the panel or the high-score
// table, not while the window is minimised or the exit question is open.
bool LevelInPlay(const Session& session);
// The start screen is up, or the high-score table opened from it: the
// caption is the bare title.
bool StartScreenUp(const Session& session);
// Adds the time played since SessionStart, up to now, when a level is in
// play, and starts the next stretch from now.
void BankPlayTime(Session& session);
// Recomputes PlayHours, PlayMinutes and PlaySecs from PlaySeconds.
void SplitPlaySeconds(Session& session);
void ClockTick(Session& session);
// Level time in seconds as the clock shows it now.
double LevelTime(Session& session);
void DismissPauseNotice(Session& session);
void UpdatePauseNotice(Session& session);

}  // namespace quib::game
