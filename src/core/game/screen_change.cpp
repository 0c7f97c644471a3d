// Every change of what is on screen goes through Enter. The handlers show and
// hide their labels in their own order; the work that belongs to entering or
// leaving a screen is done here, once, so that no path can skip it:
//
//  screen          entered by                                  leaving it
//  --------------  ------------------------------------------  ---------------------------------
//  StartScreen     start-up, Quit in Practice, a game-over     nothing (no level is in play)
//                  message dismissed, the table closed over
//                  an ended game, a level start without any
//                  puzzle
//  LevelInPlay     a level start (new game, Goto Level, retry, banks the play time, unless a level
//                  next level, Restart Level), Continue, Load, start follows (a restart begins its
//                  the table closed over it, Undo Jump after  own stretch, as a level start does)
//                  a round-over message
//  RoundOver       a jump that leaves no jump                  nothing
//  LevelCompleted  the jump that leaves one frog               nothing
//  NameEntry       the game ends with a score for the table    nothing (High Scores comes back)
//  GameOver        the game ends (last try lost, Quit, all     nothing
//                  levels solved), the name entered
//  HighScores      High Scores; entering the name opens it     nothing; what it covered comes back
//
// Entering a screen where a level is in play starts a new stretch of play
// time; so does the end of the exit question or of a minimised window over
// such a level, and either of those beginning banks the stretch.
//
// The menus that depend on the screen follow it here: "Restart Level" only
// with a level in play, "Quit" and "Save" while a game runs ("Save" only for
// a game without a slot: one with a slot is saved into it by itself), "High
// Scores" everywhere but at the name entry. Under the table they are those
// of the screen it covers. The "Load" entries depend on the slot files alone,
// and the practice aids follow LevelInPlay.
//
// The background supply never renews the level in play, nor the level that
// "Continue" on the start screen would resume: the resume file keeps no start
// layout, so a retry of that level replays the stored one.

#include "game.h"

namespace quib::game {

Screen Covered(const PlayState& play) { return play.Now == Screen::HighScores ? play.UnderTable : play.Now; }

namespace {

void StartStretch(Session& session) { session.clock.SessionStart = session.platform.Now(); }

void FollowMenus(Session& session) {
    Menus& menu = session.menu;
    const Screen shown = Covered(session.play);
    const bool runs = GameRuns(session);
    menu.RestartLevelEntry.Enabled = shown == Screen::LevelInPlay;
    menu.QuitEntry.Enabled = runs;
    menu.SaveMenu.Enabled = runs && session.game.SaveSlot == 0;
    // Before the start-up has read the files there is no table to show.
    menu.HighScoresEntry.Enabled = session.play.Now != Screen::NameEntry && !session.tasks.StartupPending;
}

// A change that may start or stop the level being in play: the stretch under
// way is banked as it stops, and a new one starts as it begins.
template <class Change>
void AcrossPlay(Session& session, Change change) {
    const bool wasInPlay = LevelInPlay(session);
    if (wasInPlay) BankPlayTime(session);
    change();
    if (!wasInPlay && LevelInPlay(session)) StartStretch(session);
}

}  // namespace

void Enter(Session& session, Screen next) {
    PlayState& play = session.play;
    // A level start over a level in play begins a stretch of its own; the
    // time of the try it replaces is not counted (New Game, Load and the close
    // bank it first, for the files they write).
    if (LevelInPlay(session) && next != Screen::LevelInPlay) BankPlayTime(session);
    if (next == Screen::HighScores && play.Now != Screen::HighScores) play.UnderTable = play.Now;
    play.Now = next;
    if (LevelInPlay(session)) StartStretch(session);
    FollowMenus(session);
}

void SetExitQuestion(Session& session, bool open) {
    AcrossPlay(session, [&] { session.play.ExitQuestion = open; });
}

void SetWindowState(Session& session, WindowState windowState) {
    AcrossPlay(session, [&] { session.window.State = windowState; });
}

bool GameRuns(const Session& session) {
    const Screen shown = Covered(session.play);
    return shown == Screen::LevelInPlay || shown == Screen::RoundOver || shown == Screen::LevelCompleted;
}

bool ContinueOffered(const Session& session) { return StartScreenUp(session) && session.game.ResumeOffered; }

bool SupplyMayRenew(const Session& session, int level) {
    if (level == session.game.CurrentLevel) return false;
    return !(ContinueOffered(session) && level == session.game.ResumeLevel);
}

}  // namespace quib::game
