// What the player can do once a round has ended, or instead of finishing
// it: dismiss the messages, restart the level, give up, or continue the
// game that was interrupted when the program last closed.

#include "../board/board.h"
#include "../records/records.h"
#include "../translation.h"
#include "../window/window.h"
#include "game.h"

namespace quib::game {

namespace {

void DismissRoundOver(Session& session) {
    Messages& msg = session.msg;
    if (session.play.Now == Screen::NameEntry) return;
    // The message of a game that has ended (no try left, Quit, every level
    // solved) leads back to the start screen; any other round is retried.
    if (session.play.Now == Screen::GameOver) {
        Game& g = session.game;
        g.CurrentLevel = 1;
        g.TryNumber = 0;
        g.LevelTries = 0;
        msg.RoundOverHeading.Visible = false;
        msg.MessageLine.Visible = false;
        // The message goes with its heading: left up, a later click on the
        // start screen would read it as still waiting and start a stray game.
        msg.RoundOverLabel.Visible = false;
        session.intro.Visible = true;
        Enter(session, Screen::StartScreen);
        UpdateCaption(session);
        return;
    }
    session.clock.State = ClockState::RestoreRequested;
    session.game.RetryPending = true;
    StartLevel(session);
}

void DismissLevelCompleted(Session& session) {
    Messages& msg = session.msg;
    msg.PanelTitle.Visible = false;
    msg.MessageLine.Visible = false;
    msg.PanelCount.Visible = false;
    msg.PanelScore.Visible = false;
    session.clock.State = ClockState::RestoreRequested;
    StartLevel(session);
}

}  // namespace

void DismissMessage(Session& session) { DismissRoundOver(session); }

void DismissPanel(Session& session) { DismissLevelCompleted(session); }

void RestartLevel(Session& session) {
    Board& b = session.board;
    Game& g = session.game;
    b.HighLight.Visible = false;
    b.SelectedFrog = 0;
    board::ResetCellOutlines(session);
    g.RetryPending = true;
    // Practice has no last try: its try counter runs down with every level
    // started afresh, and must never make a restart end the game.
    if (g.ModeIndex < kPracticeMode && g.TriesAllowed - g.TryNumber == 0) {
        Quit(session);
        g.RetryPending = false;
    } else {
        StartLevel(session);
    }
}

void Quit(Session& session) {
    Messages& msg = session.msg;
    Board& b = session.board;
    Game& g = session.game;
    Clock& c = session.clock;
    HighScores& high = session.high;

    msg.MessageLine.Visible = false;
    msg.PanelTitle.Visible = false;
    msg.RoundOverHeading.Visible = false;
    msg.PanelCount.Visible = false;
    msg.PanelScore.Visible = false;
    msg.RoundOverLabel.Visible = false;
    b.HighLight.Visible = false;
    high.HighLabel.Visible = false;
    msg.NameInput.Visible = false;
    msg.EnterButton.Visible = false;
    // The level stops being in play (its time so far is banked): in Practice
    // the start screen follows, in the other modes the game is over.
    Enter(session, g.ModeIndex == kPracticeMode ? Screen::StartScreen : Screen::GameOver);
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].Outlined = false;
    for (std::size_t i = 0; i < high.NamesLabel.size(); ++i) {
        high.NamesLabel[i].Visible = false;
        high.ScoreLabel[i].Visible = false;
        high.TimeLabel[i].Visible = false;
    }
    board::HideAllFrogPictures(b);

    UpdateCaption(session);
    session.tasks.DemoLoop = false;
    session.tasks.PlaybackActive = false;

    if (g.ModeIndex == kPracticeMode) {
        // A loaded game may have left "Continue" on the start screen; it must
        // take up the level now on the board, not the one that was loaded.
        g.ResumeLevel = g.CurrentLevel;
        session.intro.Visible = true;
        UpdateCaption(session);
        return;
    }

    g.TryNumber = g.TriesAllowed;
    c.PlaySeconds -= c.PlayHours * 3600 + c.PlayMinutes * 60 + c.PlaySecs;
    SplitPlaySeconds(session);
    UpdateCaption(session);
    msg.RoundOverHeading.Caption = session.platform.Translate("Messages", "Game Over: Level Incomplete");
    board::EndedGameLeavesNothingToContinue(session);
    if (g.SaveSlot > 0) {
        records::CloseSaveSlot(session, "hi");
        g.SaveSlot = 0;
    }

    std::string closing = session.platform.Translate("Messages", "Press Mouse button to try again");
    high.NewScoreRank = 0;
    records::InsertHighScore(session);
    if (high.NewScoreRank > 0) {
        closing = session.platform.Translate("Messages", "You got a high score. Please enter your name.");
        msg.NameInput.Visible = true;
        msg.EnterButton.Visible = true;
        Enter(session, Screen::NameEntry);
    } else {
        msg.NameInput.Visible = false;
        msg.EnterButton.Visible = false;
    }

    // With a single frog left there is nothing to jump, and the first line
    // is the bare number.
    const int remaining = board::FrogsLeft(b) - 1;
    const std::string firstLine =
        remaining == 0
            ? std::string("7:")
            : session.platform.Translate("Messages", "6: You needed to jump %n more frogs", "", remaining);
    msg.RoundOverLabel.Caption =
        firstLine + "\n" +
        Arg(Arg(session.platform.Translate("Messages", "Score: %1  Time %2"), std::to_string(g.Score)),
            std::to_string(c.PlayHours) + ":" + std::to_string(c.PlayMinutes) + ":" +
                std::to_string(c.PlaySecs)) +
        "\n" + closing;
    msg.RoundOverLabel.Visible = true;
    msg.RoundOverHeading.Visible = true;
    window::ShowNextMessage(session);
    msg.MessageLine.Visible = true;
    c.State = ClockState::FreezeRequested;
}

void ContinueGame(Session& session) {
    Game& g = session.game;
    g.CurrentLevel = g.ResumeLevel;
    session.intro.Visible = false;
    TakeUpBoard(session);
    session.game.ResumeOffered = false;
}

}  // namespace quib::game
