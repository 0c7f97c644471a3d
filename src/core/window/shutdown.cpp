// The close request: the clock and the playing time brought up to date, the
// game saved into its slot, the resume file and the high scores written, and
// only then the exit question. The end of the desktop session does the same
// writes without the question.

#include "../game/game.h"
#include "../levels/levels.h"
#include "../records/records.h"
#include "window.h"

namespace quib::window {

namespace {

// The close request's work before its question.
void SaveForExit(Form1& form) {
    Clock& clock = form.clock;
    if (clock.ClockState == 2) clock.ClockState = 3;
    levels::Timer1_Timer(form);

    // Only time spent with a level in play counts: closing at the start
    // screen adds nothing. Answered No, the game goes on, and the time just
    // added is not added again by the next level end or close request.
    game::BankPlayTime(form);

    if (form.game.SaveSlot > 0) records::mnusavegame_Click(form, form.game.SaveSlot);
    // A file that cannot be written leaves its old version in place and
    // never keeps the player from the question.
    records::WriteDataFile(form);
    records::WriteHighScores(form);
    game::UpdateCaption(form);
}

void End(Form1& form) {
    form.about.Loaded = false;
    form.window.Ended = true;
}

}  // namespace

bool Form_Unload(Form1& form) {
    SaveForExit(form);
    // While the question is open nobody plays: its seconds count neither for
    // a session that ends meanwhile nor, answered No, for the game.
    form.play.ExitQuestion = true;
    const bool yes = form.platform.AskYesNo("Are you sure you want to exit the program?", "Quib");
    form.play.ExitQuestion = false;
    if (!yes) {
        form.clock.ClockState = 3;
        if (game::LevelInPlay(form)) form.clock.SessionStart = form.platform.Now();
        return true;
    }
    End(form);
    return false;
}

void SessionEnd(Form1& form) {
    if (form.window.Ended) return;
    SaveForExit(form);
    End(form);
}

}  // namespace quib::window
