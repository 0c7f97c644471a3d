#pragma once
// Levels: the board layout, the level library file, the verification of
// generated puzzles, the puzzle generator, the timer tasks and the solution
// playback.

#include <string>

#include "../form.h"

namespace quib::levels {

// ----------------------------------------------------------- board layout

void BuildBoardGrid(Session& session);
void BuildCheckBoard(Session& session);

// ---------------------------------------------------------- level library

// The library as the text of "levels.txt".
std::string LevelLibraryText(const Session& session);
// Reads the library; on any failure takes the fallback and returns false.
bool ReadLevelLibrary(Session& session, const std::string& fileName);
// Writes "levels.txt" safely; false when the file could not be written (the
// old file then stays as it was). A write whose content equals what the
// file already holds is skipped and counts as success.
bool WriteLevelLibrary(Session& session);
// Whether the file holds the library as it is, as far as this run knows: a
// save now would write nothing.
bool LibraryFileCurrent(const Session& session);
// Forgets what the file holds when it is no longer the one this run last
// wrote or read (removed, or replaced from outside), so that the next save
// writes it again. A cheap look at the folder entry, not a read.
void CheckLibraryFile(Session& session);
// Copies the generated puzzle of a level into the library tables.
void InstallGeneratedLevel(Session& session, int level);

// ------------------------------------------------------------ verification

void VerifyGeneratedLevel(Session& session);
void CheckBoardClick(Session& session, int button, int shift, float x, float y);

// --------------------------------------------------------------- generator

void GenerateLevel(Session& session);

// ------------------------------------------------------ timer and playback

void TimerTick(Session& session);
// Whether a tick now would change anything: the start-up, a puzzle to supply
// or a library to save, a playback, a clock request. While it would not, the
// window timer may rest.
bool TickHasWork(const Session& session);
// How long the window timer may wait for its next tick, in milliseconds: the
// tick interval while a tick has work; at rest, kRestingTimerWait, which
// keeps the check of the library file and the retry of a failed save going.
// A handler that gives a tick work makes the timer tick again at once (the
// front end asks TickHasWork after every event).
constexpr int kRestingTimerWait = 1000;
int TimerWait(const Session& session);
void BackgroundSupply(Session& session);
void StartSolutionPlayback(Session& session);
void ToggleDemoLoop(Session& session);
void PlayNextSolutionStep(Session& session);
void PlaybackTick(Session& session);
char PlaybackKey(Session& session, char key);

}  // namespace quib::levels
