// After a round: a lost round is retried with the same puzzle until the
// last try ends the game; "Restart Level", "Quit" and "Continue" do what
// the player expects in every mode, with their exact messages.

#include <gtest/gtest.h>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/records.h"
#include "play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using namespace quib::testing;

bool AnyFrogPictureVisible(const Form1& f) {
    for (std::size_t i = 1; i < f.board.Frog.size(); ++i)
        if (f.board.Frog[i].Visible) return true;
    return false;
}

void ExpectStartScreen(const Form1& f) {
    EXPECT_TRUE(f.game.IntroShowing);
    EXPECT_TRUE(f.intro.Visible);
    EXPECT_EQ(f.game.CurrentLevel, 1);
    EXPECT_EQ(f.game.TryNumber, 0);
    EXPECT_EQ(f.game.LevelTries, 0);
    EXPECT_EQ(f.window.Caption, " QUIB   ");
    EXPECT_FALSE(f.menu.mnuQuit.Enabled);
    EXPECT_FALSE(f.menu.mnusave.Enabled);
    EXPECT_FALSE(f.msg.Label1.Visible);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
}

TEST(RoundOver, AJumpThatLeavesNoJumpEndsTheRoundAndAClickRetriesTheSamePuzzle) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    game.platform.Advance(65);
    PlayLosingJump(f, LevelPuzzle(1));

    EXPECT_EQ(f.msg.Label1.Caption, "Round Over: Level Incomplete");
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "2: You needed to jump 2 more frog(s).\nSCORE: 0  Time 0:1:5\nPress Mouse button to try again");
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    EXPECT_TRUE(f.msg.Label1.Visible);
    EXPECT_TRUE(f.msg.Ad_Label.Visible);
    EXPECT_FALSE(f.msg.Ad_Label.Caption.empty());
    EXPECT_FALSE(f.msg.NameInput.Visible);
    EXPECT_FALSE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);
    EXPECT_FALSE(AnyFrogPictureVisible(f));
    EXPECT_EQ(f.clock.PlaySeconds, 65);

    ClickWindow(f);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(1).pieces);
    EXPECT_EQ(f.game.TryNumber, 2);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_EQ(f.clock.ClockState, 3);
    EXPECT_TRUE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_NE(f.window.Caption.find("Tries Left:   9"), std::string::npos) << f.window.Caption;
}

TEST(RoundOver, LabelClicksDismissLikeABoardClick) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    PlayLosingJump(f, LevelPuzzle(1));
    game::Label1_Click(f);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(1).pieces);
    PlayLosingJump(f, LevelPuzzle(1));
    game::RoundOverLabel_Click(f);
    EXPECT_EQ(f.game.LevelTries, 3);
    EXPECT_EQ(f.game.TryNumber, 3);
}

TEST(RoundOver, LosingTheLastTryEndsTheGameWithTheHighScorePrompt) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    game::NewGameMenue_Click(f, 1);
    game.platform.Advance(20);
    PlaySolution(f, LevelPuzzle(1));
    ASSERT_EQ(f.game.Score, 6);
    ClickWindow(f);  // level 2, try 0: eleven tries left
    ASSERT_EQ(f.game.CurrentLevel, 2);
    for (int lost = 1; lost <= 10; ++lost) {
        game.platform.Advance(7);
        PlayLosingJump(f, LevelPuzzle(2));
        ASSERT_EQ(f.msg.Label1.Caption, "Round Over: Level Incomplete") << "try " << lost;
        ClickWindow(f);
    }
    ASSERT_EQ(f.game.TryNumber, 10);
    game.platform.Advance(7);
    PlayLosingJump(f, LevelPuzzle(2));

    EXPECT_EQ(f.msg.Label1.Caption, "Game Over: Level Incomplete");
    // The failed level's time (all its tries) is not counted.
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "3: You needed to jump 3 more frogs\nScore: 6  Time 0:0:20\n"
              "You got a high score. Please enter your name.");
    EXPECT_EQ(f.clock.PlaySeconds, 20);
    EXPECT_TRUE(f.msg.NameInput.Visible);
    EXPECT_TRUE(f.msg.Command1.Visible);
    EXPECT_FALSE(f.menu.mnuHighScores.Enabled);
    EXPECT_FALSE(f.menu.mnuQuit.Enabled);
    EXPECT_FALSE(f.menu.mnusave.Enabled);
    EXPECT_FALSE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.high.NewScoreRank, 1);

    ClickWindow(f);  // the name is being typed: nothing happens
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    game::Label1_Click(f);
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    records::Command1_Click(f);
    ASSERT_TRUE(f.high.HighLabel.Visible);
    ClickWindow(f);
    ExpectStartScreen(f);
}

TEST(RoundOver, LastTryLostWithoutAHighScoreReturnsToTheStartScreen) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    for (int lost = 1; lost < 10; ++lost) {
        PlayLosingJump(f, LevelPuzzle(1));
        ClickWindow(f);
    }
    ASSERT_EQ(f.game.TryNumber, 10);
    PlayLosingJump(f, LevelPuzzle(1));
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "3: You needed to jump 2 more frogs\nScore: 0  Time 0:0:0\nPress Mouse button to try again");
    EXPECT_FALSE(f.msg.NameInput.Visible);
    ClickWindow(f);
    ExpectStartScreen(f);
    // The board left behind is not in play.
    const auto cellsBefore = FrogCells(f);
    board::ClickCell(f, cellsBefore[0]);
    board::ClickCell(f, cellsBefore[0] + 2);
    EXPECT_EQ(FrogCells(f), cellsBefore);
    EXPECT_FALSE(f.msg.Label2.Visible);
    EXPECT_TRUE(f.game.IntroShowing);
}

TEST(RoundOver, HeadingClickAtGameOverLeavesNothingToRestartAStrayGame) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    for (int lost = 1; lost < 10; ++lost) {
        PlayLosingJump(f, LevelPuzzle(1));
        game::RoundOverLabel_Click(f);
    }
    PlayLosingJump(f, LevelPuzzle(1));
    game::Label1_Click(f);
    ExpectStartScreen(f);
    ClickWindow(f);
    ExpectStartScreen(f);
}

// "Restart Level".
TEST(RestartLevel, WithTriesLeftRestartsTheSamePuzzleAsANewTry) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    game::NewGameMenue_Click(f, 1);
    PlaySolution(f, LevelPuzzle(1));
    ClickWindow(f);
    const auto& p = LevelPuzzle(2);
    Jump(f, p.solution[0].first, p.solution[0].second);
    ClickFrogOn(f, p.solution[1].first);
    ASSERT_GT(f.board.SelectedFrog, 0);
    game::RestartLevelMenue_Click(f);
    EXPECT_EQ(FrogCells(f), p.pieces);
    EXPECT_EQ(f.game.TryNumber, 1);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_EQ(f.board.SelectedFrog, 0);
    EXPECT_FALSE(f.board.HighLight.Visible);
    EXPECT_FALSE(f.game.RetryPending);
}

TEST(RestartLevel, OnTheLastTryEndsTheGameAsQuitDoes) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    for (int lost = 1; lost < 10; ++lost) {
        PlayLosingJump(f, LevelPuzzle(1));
        ClickWindow(f);
    }
    ASSERT_EQ(f.game.TryNumber, 10);
    game::RestartLevelMenue_Click(f);
    EXPECT_FALSE(f.game.RetryPending);
    EXPECT_EQ(f.game.TryNumber, 10);
    EXPECT_EQ(f.msg.Label1.Caption, "Game Over: Level Incomplete");
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "6: You needed to jump 3 more frogs\nScore: 0  Time 0:0:0\nPress Mouse button to try again");
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);
    ClickWindow(f);
    ExpectStartScreen(f);
}

TEST(RestartLevel, PracticeNeverRunsOutOfTries) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 3);
    game::NewGameMenue_Click(f, 4);
    ASSERT_EQ(f.game.CurrentLevel, 1);
    PlaySolution(f, LevelPuzzle(1));
    ClickWindow(f);
    PlaySolution(f, LevelPuzzle(2));
    ClickWindow(f);
    ASSERT_EQ(f.game.CurrentLevel, 3);
    ASSERT_EQ(f.game.TriesAllowed - f.game.TryNumber, 0);
    game::RestartLevelMenue_Click(f);
    EXPECT_FALSE(f.game.IntroShowing);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(3).pieces);
}

// "Quit".
TEST(Quit, InPracticeShowsTheStartScreenAtOnce) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    game::NewGameMenue_Click(f, 4);
    PlaySolution(f, LevelPuzzle(1));
    ClickWindow(f);
    const auto& p = LevelPuzzle(2);
    Jump(f, p.solution[0].first, p.solution[0].second);
    const int score = f.game.Score;
    f.high.NewScoreRank = -7;  // untouched unless a high-score check runs
    game::mnuQuit_Click(f);
    EXPECT_TRUE(f.game.IntroShowing);
    EXPECT_TRUE(f.intro.Visible);
    EXPECT_EQ(f.window.Caption, " QUIB   ");
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(f.msg.Label1.Visible);
    EXPECT_FALSE(f.menu.mnuQuit.Enabled);
    EXPECT_EQ(f.high.NewScoreRank, -7);
    EXPECT_EQ(f.game.Score, score);
    EXPECT_FALSE(AnyFrogPictureVisible(f));
}

TEST(Quit, InEasyWithThreeFrogsLeftOffersTheHighScore) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    game::NewGameMenue_Click(f, 1);
    game.platform.Advance(20);
    PlaySolution(f, LevelPuzzle(1));
    ClickWindow(f);
    const auto& p = LevelPuzzle(2);
    game.platform.Advance(30);
    Jump(f, p.solution[0].first, p.solution[0].second);
    Jump(f, p.solution[1].first, p.solution[1].second);
    ASSERT_EQ(board::FrogsLeft(f.board), 3);
    game::mnuQuit_Click(f);
    EXPECT_EQ(f.game.TryNumber, f.game.TriesAllowed);
    EXPECT_EQ(f.msg.Label1.Caption, "Game Over: Level Incomplete");
    EXPECT_EQ(f.msg.RoundOverLabel.Caption,
              "6: You needed to jump 2 more frogs\nScore: 6  Time 0:0:20\n"
              "You got a high score. Please enter your name.");
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    EXPECT_TRUE(f.msg.Label1.Visible);
    EXPECT_TRUE(f.msg.Ad_Label.Visible);
    EXPECT_TRUE(f.msg.NameInput.Visible);
    EXPECT_FALSE(f.menu.mnuHighScores.Enabled);
    EXPECT_FALSE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);
}

TEST(Quit, ClosesTheSlotOfTheGameWithLowerCaseHi) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    records::mnusavegame_Click(f, 4);
    ASSERT_EQ(f.game.SaveSlot, 4);
    game::mnuQuit_Click(f);
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(f.menu.mnuloadgame[4].Enabled);
    EXPECT_FALSE(f.menu.mnusavegame[4].Checked);
}

// "Continue" from the start screen.
TEST(Continue, BlockedStoredBoardUsesATryAndRestartsTheSamePuzzle) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    f.game.ResumeLevel = 2;
    f.game.TryNumber = 3;
    f.game.LevelTries = 1;
    PlaceBoard(f, {CellAt(2, 2), CellAt(2, 5), CellAt(9, 9)});  // no two frogs adjacent
    game::CommandLabel2_Click(f);
    EXPECT_EQ(f.game.CurrentLevel, 2);
    EXPECT_EQ(f.game.TryNumber, 4);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(2).pieces);
    EXPECT_FALSE(f.intro.CommandLabel2.Visible);
    EXPECT_FALSE(f.intro.Visible);
}

TEST(Continue, PlayableStoredBoardIsShownAsItWas) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    f.game.ResumeLevel = 2;
    f.game.TryNumber = 3;
    f.game.SaveSlot = 1;
    f.menu.mnusave.Enabled = true;
    const std::vector<int> stored = {CellAt(7, 7), CellAt(7, 8), CellAt(12, 3)};
    PlaceBoard(f, stored);
    game::CommandLabel2_Click(f);
    EXPECT_EQ(FrogCells(f), stored);
    EXPECT_EQ(f.game.TryNumber, 3);
    EXPECT_FALSE(f.game.IntroShowing);
    EXPECT_FALSE(f.menu.mnusave.Enabled);
    Jump(f, CellAt(7, 7), CellAt(7, 9));
    EXPECT_EQ(board::FrogsLeft(f.board), 2);
}

}  // namespace
}  // namespace quib
