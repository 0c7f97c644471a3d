// After a round: a lost round is retried with the same puzzle until the
// last try ends the game; "Restart Level" and "Quit" do what the player
// expects in every mode, with their exact messages.

#include "core/records/records.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

void ExpectStartScreen(const Session& f) {
    EXPECT_TRUE(game::StartScreenUp(f) && f.intro.Visible);
    EXPECT_EQ(std::tuple(f.game.CurrentLevel, f.game.TryNumber, f.window.Caption), std::tuple(1, 0, " QUIB   "));
    EXPECT_FALSE(f.menu.QuitEntry.Enabled || f.menu.SaveMenu.Enabled || f.msg.RoundOverLabel.Visible);
}

// An Easy game on level 1 with nine rounds lost and retried, by a click on
// the window or on the message: the last try.
Session& ReachLastTry(TestGame& game) {
    Session& f = StartGame(game.session(), 1, 1);
    for (int lost = 1; lost < 10; ++lost) {
        PlayLosingJump(f, LevelPuzzle(1));
        if (lost % 2) ClickWindow(f); else game::DismissMessage(f);
        EXPECT_EQ(FrogCells(f), LevelPuzzle(1).pieces);
    }
    EXPECT_EQ(f.game.TryNumber, 10);
    return f;
}

TEST(RoundOver, ALostRoundIsRetriedWithTheSamePuzzle) {
    TestGame game;
    Session& f = StartGame(game.session(), 1, 1);
    game.platform.Advance(65);
    PlayLosingJump(f, LevelPuzzle(1));
    EXPECT_EQ(f.msg.RoundOverHeading.Caption, "Round Over: Level Incomplete");
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "2: You needed to jump 2 more frog(s).\nSCORE: 0  Time 0:1:5\nPress Mouse button to try again");
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible && f.msg.RoundOverHeading.Visible && f.msg.MessageLine.Visible);
    EXPECT_FALSE(f.menu.RestartLevelEntry.Enabled);
    EXPECT_EQ(f.clock.State, ClockState::FreezeRequested);
    for (std::size_t i = 1; i < f.board.Frog.size(); ++i) EXPECT_FALSE(f.board.Frog[i].Visible);
    ClickWindow(f);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(1).pieces);
    EXPECT_EQ(std::pair(f.game.LevelTries, f.clock.State), std::pair(2, ClockState::RestoreRequested));
    EXPECT_TRUE(CaptionHas(f, "Tries Left:   9"));
}

// On the last try a lost round and "Restart Level" both end the game; the
// message goes with its heading, so a further click has nothing to retry.
TEST(RoundOver, OnTheLastTryALostRoundOrARestartEndsTheGame) {
    for (const bool restart : {false, true}) {
        SCOPED_TRACE(restart ? "restart" : "lost");
        TestGame game;
        Session& f = ReachLastTry(game);
        if (restart) game::RestartLevel(f); else PlayLosingJump(f, LevelPuzzle(1));
        EXPECT_EQ(f.msg.RoundOverLabel.Caption, std::string(restart ? "6" : "3") +
                                                    ": You needed to jump " + (restart ? "3" : "2") +
                                                    " more frogs\nScore: 0  Time 0:0:0\nPress Mouse button to try again");
        EXPECT_TRUE(f.msg.RoundOverLabel.Visible && !f.msg.NameInput.Visible && !f.game.RetryPending);
        if (restart) ClickWindow(f); else game::DismissMessage(f);
        ExpectStartScreen(f);
        ClickWindow(f);
        ExpectStartScreen(f);
    }
}

TEST(RoundOver, LosingTheLastTryClosesTheSlotAndWaitsForTheHighScoreName) {
    TestGame game;
    Session& f = StartGame(game.session(), 1, 2);
    records::SaveToSlot(f, 4);
    game.platform.Advance(20);
    PlaySolution(f, LevelPuzzle(1));
    ClickWindow(f);  // level 2 as try 0: eleven tries left
    for (int lost = 1; lost <= 11; ++lost) {
        game.platform.Advance(7);
        PlayLosingJump(f, LevelPuzzle(2));
        if (lost < 11) ClickWindow(f);
    }
    EXPECT_EQ(f.msg.RoundOverHeading.Caption, "Game Over: Level Incomplete");
    // All of the failed level's time is taken off the game's total.
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "3: You needed to jump 3 more frogs\nScore: 6  Time 0:0:20\n"
              "You got a high score. Please enter your name.");
    EXPECT_TRUE(f.msg.NameInput.Visible);
    EXPECT_FALSE(f.menu.HighScoresEntry.Enabled || f.menu.SaveMenu.Enabled || f.menu.QuitEntry.Enabled);
    EXPECT_EQ(f.game.SaveSlot, 0);  // the slot no longer offers the lost game
    EXPECT_FALSE(f.menu.LoadSlotEntries[4].Enabled);
    ClickWindow(f);  // the name is being typed: nothing happens
    game::DismissMessage(f);
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    records::EnterName(f);
    ClickWindow(f);  // closes the table: the game is over
    ExpectStartScreen(f);
}

TEST(Practice, RestartIsANewTryWhateverTheTryCounterAndQuitShowsTheStartScreen) {
    TestGame game;
    Session& f = StartGame(game.session(), 4, 3);
    for (int level = 1; level <= 2; ++level) {
        PlaySolution(f, LevelPuzzle(level));
        ClickWindow(f);
    }
    const auto [from, to] = LevelPuzzle(3).solution[0];
    Jump(f, from, to);
    ASSERT_EQ(f.game.TriesAllowed - f.game.TryNumber, 0);
    game::RestartLevel(f);
    EXPECT_FALSE(game::StartScreenUp(f));
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(3).pieces);

    ClickFrogOn(f, from);
    f.high.NewScoreRank = -7;  // stays unless a high-score check runs
    game::Quit(f);
    EXPECT_TRUE(game::StartScreenUp(f) && f.intro.Visible && !f.msg.RoundOverLabel.Visible);
    EXPECT_EQ(std::tuple(f.window.Caption, f.high.NewScoreRank, PictureOnCell(f, from)), std::tuple(" QUIB   ", -7, 0));
    board::ClickCell(f, to);  // the frog still selected under the start screen stays put
    EXPECT_EQ(FrogCells(f), LevelPuzzle(3).pieces);
}

TEST(Quit, InEasyWithThreeFrogsLeftOffersTheHighScore) {
    TestGame game;
    Session& f = StartGame(game.session(), 1, 2);
    game.platform.Advance(20);
    PlaySolution(f, LevelPuzzle(1));
    ClickWindow(f);
    const RowPuzzle p = LevelPuzzle(2);
    game.platform.Advance(30);
    PlayLosingJump(f, p);  // the 30 seconds of the abandoned level do not count
    ClickWindow(f);
    for (int k = 0; k < 2; ++k) Jump(f, p.solution[k].first, p.solution[k].second);
    ASSERT_EQ(board::FrogsLeft(f.board), 3);
    game::Quit(f);
    EXPECT_EQ(f.game.TryNumber, f.game.TriesAllowed);
    EXPECT_EQ(f.msg.RoundOverHeading.Caption, "Game Over: Level Incomplete");
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "6: You needed to jump 2 more frogs\nScore: 6  Time 0:0:20\n"
              "You got a high score. Please enter your name.");
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible && f.msg.RoundOverHeading.Visible && f.msg.NameInput.Visible);
    EXPECT_FALSE(f.menu.RestartLevelEntry.Enabled);
    EXPECT_EQ(f.clock.State, ClockState::FreezeRequested);

    // With one frog left (a solved level's panel up) the line is "7:" alone.
    TestGame second;
    Session& g = StartGame(second.session(), 1, 1);
    PlaySolution(g, LevelPuzzle(1));
    game::Quit(g);
    EXPECT_EQ(g.msg.RoundOverLabel.Caption, "7:\nScore: 6  Time 0:0:0\nYou got a high score. Please enter your name.");
    EXPECT_FALSE(g.msg.PanelTitle.Visible);
}

}  // namespace
}  // namespace quib
