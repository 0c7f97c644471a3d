// The end of a level after a jump: one frog left (solved), or no jump left
// with several frogs (the round is over). Either fills in and shows the
// panel or message the next click continues from.

#include <algorithm>

#include "../game/game.h"
#include "../records/records.h"
#include "../translation.h"
#include "../window/window.h"
#include "board.h"

namespace quib::board {

namespace {

std::string TimeText(const Clock& c) {
    return std::to_string(c.PlayHours) + ":" + std::to_string(c.PlayMinutes) + ":" + std::to_string(c.PlaySecs);
}

// Whether the finished game's score takes a row of the high-score table.
bool HighScoreCheck(Session& session) {
    session.high.NewScoreRank = 0;
    records::InsertHighScore(session);
    return session.high.NewScoreRank > 0;
}

// The game is over: the message waits for the name when the score takes a
// row of the table.
void ShowNameEntry(Session& session, bool show) {
    session.msg.NameInput.Visible = show;
    session.msg.EnterButton.Visible = show;
    game::Enter(session, show ? Screen::NameEntry : Screen::GameOver);
}

void ShowRoundOverMessage(Session& session) {
    Messages& msg = session.msg;
    msg.RoundOverLabel.Visible = true;
    msg.RoundOverHeading.Visible = true;
    window::ShowNextMessage(session);
    msg.MessageLine.Visible = true;
}

}  // namespace

void EndedGameLeavesNothingToContinue(Session& session) { session.game.ResumeOffered = false; }

void LevelSolved(Session& session) {
    Game& g = session.game;
    Clock& c = session.clock;
    Messages& msg = session.msg;
    const int levelCount = session.library.LevelCount;

    HideAllFrogPictures(session.board);
    g.Score += g.CurrentLevel + 3;
    if (g.LevelTries == 1) g.Score += 2 * g.CurrentLevel;
    // The level is no longer in play, and its time is banked: the panel
    // follows, or the end of the game after the last level. (A solution
    // playback's loop goes straight on to the next level without a panel.)
    const bool lastLevel = g.CurrentLevel >= levelCount;
    if (lastLevel || !session.tasks.DemoLoop) {
        game::Enter(session, lastLevel ? Screen::GameOver : Screen::LevelCompleted);
    } else {
        game::BankPlayTime(session);
    }

    Platform& p = session.platform;
    msg.PanelTitle.Caption = Arg(p.Translate("Messages", "Level %1 Completed"), std::to_string(g.CurrentLevel));
    msg.PanelCount.Caption =
        Arg(Arg(p.Translate("Messages", "Frogs Jumped: %1  Tries: %2"), std::to_string(g.CurrentLevel + 2)),
            std::to_string(g.LevelTries));
    msg.PanelScore.Caption =
        Arg(Arg(p.Translate("Messages", "SCORE: %1   Time %2"), std::to_string(g.Score)), TimeText(c));
    if (!session.tasks.DemoLoop) {
        c.State = ClockState::FreezeRequested;
        if (g.CurrentLevel < levelCount) {
            msg.PanelTitle.Visible = true;
            window::ShowNextMessage(session);
            msg.MessageLine.Visible = true;
            msg.PanelCount.Visible = true;
            msg.PanelScore.Visible = g.ModeIndex != kPracticeMode;
        }
    }
    session.tasks.PlaybackActive = false;
    game::UpdateCaption(session);

    g.CurrentLevel += 1;
    session.tasks.PlaybackStep = 1;
    if (g.CurrentLevel > g.HighestLevel) {
        g.HighestLevel = g.CurrentLevel;
        game::EnableGotoLevelEntries(session);
    }

    if (g.CurrentLevel > levelCount) {
        msg.RoundOverHeading.Caption = p.Translate("Messages", "Game Over: Congratulations");
        EndedGameLeavesNothingToContinue(session);
        if (g.SaveSlot >= 1) {
            records::CloseSaveSlot(session, "Hi");
            g.SaveSlot = 0;
        }
        std::string closing = p.Translate("Messages", "Press Mouse button to play again");
        if (g.ModeIndex != kPracticeMode) {
            const bool high = HighScoreCheck(session);
            if (high) closing = p.Translate("Messages", "You got a high score.");
            ShowNameEntry(session, high);
            // The message shows the game's whole time, as every game-over
            // message does (the table's entry has just split it likewise).
            game::SplitPlaySeconds(session);
        }
        if (g.ModeIndex == kPracticeMode) {
            msg.RoundOverLabel.Caption =
                p.Translate("Messages", "10: All levels solved.") + "\n" + "       " + "\n" + closing;
        } else {
            msg.RoundOverLabel.Caption =
                p.Translate("Messages", "1: All levels solved.") + "\n" +
                Arg(Arg(p.Translate("Messages", "Score: %1   Time %2"), std::to_string(g.Score)),
                    TimeText(c)) +
                "\n" + closing;
        }
        ShowRoundOverMessage(session);
        session.tasks.PlaybackActive = false;
        session.tasks.DemoLoop = false;
        c.State = ClockState::FreezeRequested;
    }

    c.PlayHours = 0;
    c.PlayMinutes = 0;
    c.PlaySecs = 0;
    if (g.SaveSlot >= 1) records::SaveToSlot(session, g.SaveSlot);
}

void RoundOverIncomplete(Session& session) {
    Game& g = session.game;
    Clock& c = session.clock;
    Messages& msg = session.msg;
    const int remaining = FrogsLeft(session.board) - 1;
    Platform& p = session.platform;

    HideAllFrogPictures(session.board);
    msg.RoundOverHeading.Caption = p.Translate("Messages", "Round Over: Level Incomplete");
    // The level is no longer in play, and its time is banked; on the last try
    // the game is over.
    const bool lastTry = g.ModeIndex < kPracticeMode && g.TryNumber == g.TriesAllowed;
    game::Enter(session, lastTry ? Screen::GameOver : Screen::RoundOver);
    msg.RoundOverLabel.Caption =
        p.Translate("Messages", "2: You needed to jump %n more frog(s).", "", remaining) + "\n" +
        Arg(Arg(p.Translate("Messages", "SCORE: %1  Time %2"), std::to_string(g.Score)), TimeText(c)) + "\n" +
        p.Translate("Messages", "Press Mouse button to try again");
    msg.NameInput.Visible = false;
    msg.EnterButton.Visible = false;

    if (lastTry) {
        msg.RoundOverHeading.Caption = p.Translate("Messages", "Game Over: Level Incomplete");
        EndedGameLeavesNothingToContinue(session);
        // Never below zero, even when a file held a level time above the total.
        c.PlaySeconds = std::max<std::int64_t>(0, c.PlaySeconds - (c.PlayHours * 3600 + c.PlayMinutes * 60 + c.PlaySecs));
        if (g.SaveSlot >= 1) {
            records::CloseSaveSlot(session, "hi");
            g.SaveSlot = 0;
        }
        std::string closing = p.Translate("Messages", "Press Mouse button to try again");
        const bool high = HighScoreCheck(session);
        if (high) closing = p.Translate("Messages", "You got a high score. Please enter your name.");
        ShowNameEntry(session, high);
        game::SplitPlaySeconds(session);
        msg.RoundOverLabel.Caption =
            p.Translate("Messages", "3: You needed to jump %n more frogs", "", remaining) + "\n" +
            Arg(Arg(p.Translate("Messages", "Score: %1  Time %2"), std::to_string(g.Score)), TimeText(c)) +
            "\n" + closing;
    }
    ShowRoundOverMessage(session);
    c.State = ClockState::FreezeRequested;
}

}  // namespace quib::board
