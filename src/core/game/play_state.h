#pragma once
// What is happening now, as one value that the game's handlers change through
// game::Enter as they show and hide their labels. Everything that must know whether a level is in
// play (the playing time, the keyboard, the session end, the resting timer,
// the features built on top) reads it here; the labels are only what the
// window draws.

namespace quib {

enum class Screen {
    StartScreen,     // the start screen: no level in play
    LevelInPlay,     // a level on the board, waiting for the player's jumps
    RoundOver,       // the round-over message; its dismissal plays the level again
    LevelCompleted,  // the level-completed panel; its dismissal starts the next level
    NameEntry,       // the game is over and the name entry for the high-score table waits
    GameOver,        // the game-over message (or all levels solved); its dismissal shows the start screen
    HighScores,      // the high-score table, over what UnderTable names
};

struct PlayState {
    Screen Now = Screen::StartScreen;
    // While the table is shown: the screen it was opened over, which its
    // closing brings back (or the start screen, when that game is over).
    Screen UnderTable = Screen::StartScreen;
    // The exit question is open: the window waits for the answer and no
    // level is played meanwhile. (Minimised is the window's own state.)
    bool ExitQuestion = false;
};

}  // namespace quib
