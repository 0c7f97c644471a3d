// Solving a level: the points (level + 3, twice the level more at the first
// try), the level-completed texts, the next level with a try given back;
// solving the last level ends the game with its message, the high-score
// offer and the slot closed with "Hi".

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/records.h"
#include "core/game/play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using namespace quib::testing;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(LevelSolved, WholeEasyGameOpensSolvesLevelOneAndStartsLevelTwoWithATryMore) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    game::NewGameMenue_Click(f, 1);
    ASSERT_NE(f.window.Caption.find("Tries Left:  10"), std::string::npos) << f.window.Caption;

    const RowPuzzle& p = LevelPuzzle(1);
    game.platform.Advance(12);
    Jump(f, p.solution[0].first, p.solution[0].second);
    Jump(f, p.solution[1].first, p.solution[1].second);
    game.platform.Advance(8);
    Jump(f, p.solution[2].first, p.solution[2].second);

    EXPECT_EQ(board::FrogsLeft(f.board), 1);
    EXPECT_EQ(f.game.Score, 6);
    EXPECT_EQ(f.msg.Label2.Caption, "Level 1 Completed");
    EXPECT_EQ(f.msg.Label3b.Caption, "Frogs Jumped: 3  Tries: 1");
    EXPECT_EQ(f.msg.Label6.Caption, "SCORE: 6   Time 0:0:20");
    EXPECT_TRUE(f.msg.Label2.Visible);
    EXPECT_TRUE(f.msg.Label3b.Visible);
    EXPECT_TRUE(f.msg.Label6.Visible);
    EXPECT_TRUE(f.msg.Ad_Label.Visible);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);
    EXPECT_EQ(f.clock.PlaySeconds, 20);
    EXPECT_EQ(f.clock.PlaySecs, 0);  // the level's time starts again
    EXPECT_EQ(f.game.CurrentLevel, 2);
    EXPECT_EQ(f.game.HighestLevel, 2);
    for (std::size_t i = 1; i < f.board.Frog.size(); ++i) EXPECT_FALSE(f.board.Frog[i].Visible);

    ClickWindow(f);
    EXPECT_FALSE(f.msg.Label2.Visible);
    EXPECT_FALSE(f.msg.Ad_Label.Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(2).pieces);
    EXPECT_EQ(f.game.LevelTries, 1);
    EXPECT_NE(f.window.Caption.find("Level:   2 of 200"), std::string::npos) << f.window.Caption;
    EXPECT_NE(f.window.Caption.find("Tries Left:  11"), std::string::npos) << f.window.Caption;
    EXPECT_NE(f.window.Caption.find("Score:     6"), std::string::npos) << f.window.Caption;
}

TEST(LevelSolved, ThreeFirstTrySolvesScoreTwentySevenAndTheTriesGrow) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 4);
    game::NewGameMenue_Click(f, 1);
    const int expectedScore[] = {0, 6, 15, 27};
    for (int level = 1; level <= 3; ++level) {
        EXPECT_NE(f.window.Caption.find("Tries Left:  " + std::to_string(9 + level)), std::string::npos)
            << f.window.Caption;
        PlaySolution(f, LevelPuzzle(level));
        EXPECT_EQ(f.game.Score, expectedScore[level]);
        game::Label2_Click(f);
    }
    EXPECT_EQ(f.game.CurrentLevel, 4);
    // A failed round and its retry take one try back.
    PlayLosingJump(f, LevelPuzzle(4));
    game::RoundOverLabel_Click(f);
    EXPECT_NE(f.window.Caption.find("Tries Left:  12"), std::string::npos) << f.window.Caption;
}

TEST(LevelSolved, LevelFiveGivesEighteenAtTheFirstTryAndEightLater) {
    TestGame game;
    Form1& f = game.form();
    const RowPuzzle p = MakeRowPuzzle(5, CellAt(7, 2));
    InstallPuzzle(f, 5, p.pieces, p.solution);
    game::NewGameMenue_Click(f, 2);  // Medium starts at level 5
    ASSERT_EQ(f.game.CurrentLevel, 5);
    PlaySolution(f, p);
    EXPECT_EQ(f.game.Score, 18);

    TestGame second;
    Form1& g = second.form();
    InstallPuzzle(g, 5, p.pieces, p.solution);
    game::NewGameMenue_Click(g, 2);
    PlayLosingJump(g, p);
    ASSERT_EQ(g.msg.RoundOverLabel.Caption.substr(0, 27), "2: You needed to jump 6 mor");
    ClickWindow(g);
    PlaySolution(g, p);
    EXPECT_EQ(g.game.Score, 8);
    EXPECT_EQ(g.msg.Label3b.Caption, "Frogs Jumped: 7  Tries: 2");
}

TEST(LevelSolved, PracticeHidesTheScoreLine) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 4);
    PlaySolution(f, LevelPuzzle(1));
    EXPECT_TRUE(f.msg.Label2.Visible);
    EXPECT_TRUE(f.msg.Label3b.Visible);
    EXPECT_FALSE(f.msg.Label6.Visible);
    EXPECT_EQ(f.game.Score, 6);
}

TEST(LevelSolved, EveryGotoLevelEntryUpToTheHighestLevelOpens) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 4);
    f.game.CurrentLevel = 19;
    InstallPuzzle(f, 19, {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42});
    game::StartLevel(f);
    f.game.HighestLevel = 19;
    ASSERT_FALSE(f.menu.mnulevel.at(20).Enabled);
    PlaceBoard(f, {CellAt(3, 3), CellAt(3, 4)});
    Jump(f, CellAt(3, 3), CellAt(3, 5));
    EXPECT_EQ(f.game.HighestLevel, 20);
    EXPECT_TRUE(f.menu.mnulevel.at(20).Enabled);
    EXPECT_FALSE(f.menu.mnulevel.at(30).Enabled);
}

TEST(LevelSolved, ASlotInUseReceivesTheGameAfterEverySolvedLevel) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    game::NewGameMenue_Click(f, 1);
    records::mnusavegame_Click(f, 2);
    ASSERT_EQ(f.game.SaveSlot, 2);
    const std::string before = ReadFile(game.data.file("savedgame2.txt"));
    PlaySolution(f, LevelPuzzle(1));
    EXPECT_EQ(f.game.SaveSlot, 2);
    EXPECT_NE(ReadFile(game.data.file("savedgame2.txt")), before);
    EXPECT_EQ(f.window.Caption.substr(0, 7), "QUIB(2)");
}

// The last level.
class LastLevel : public ::testing::Test {
protected:
    // A library of three levels, as a short library file would give.
    void StartGame(int mode) {
        Form1& f = game.form();
        InstallRowPuzzles(f, 3);
        f.library.LevelCount = 3;
        game::NewGameMenue_Click(f, mode);
    }
    TestGame game;
};

TEST_F(LastLevel, SolvingItEndsTheGameClosesTheSlotAndOffersTheTable) {
    Form1& f = game.form();
    StartGame(1);
    records::mnusavegame_Click(f, 2);
    game.platform.Advance(10);
    PlaySolution(f, LevelPuzzle(1));
    game::Label2_Click(f);
    game.platform.Advance(20);
    PlaySolution(f, LevelPuzzle(2));
    game::Label6_Click(f);
    game.platform.Advance(33);
    PlaySolution(f, LevelPuzzle(3));

    EXPECT_EQ(f.game.Score, 27);
    EXPECT_EQ(f.game.CurrentLevel, 4);
    EXPECT_FALSE(f.msg.Label2.Visible);  // no level-completed panel after the last level
    EXPECT_EQ(f.msg.Label1.Caption, "Game Over: Congratulations");
    EXPECT_EQ(f.msg.RoundOverLabel.Caption, "1: All levels solved.\nScore: 27   Time 0:1:3\nYou got a high score.");
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    EXPECT_TRUE(f.msg.Label1.Visible);
    EXPECT_TRUE(f.msg.Ad_Label.Visible);
    EXPECT_TRUE(f.msg.NameInput.Visible);
    EXPECT_TRUE(f.msg.Command1.Visible);
    EXPECT_FALSE(f.menu.mnuHighScores.Enabled);
    EXPECT_FALSE(f.menu.mnuQuit.Enabled);
    EXPECT_FALSE(f.menu.mnusave.Enabled);
    EXPECT_FALSE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_EQ(ReadFile(game.data.file("savedgame2.txt")).find("\"Hi\""), 0u);
    EXPECT_FALSE(f.menu.mnuloadgame[2].Enabled);

    records::Command1_Click(f);
    ClickWindow(f);
    EXPECT_TRUE(f.game.IntroShowing);
    EXPECT_EQ(f.game.CurrentLevel, 1);
}

TEST_F(LastLevel, InPracticeTheMessageHasTheBlankMiddleLine) {
    Form1& f = game.form();
    StartGame(4);
    f.high.NewScoreRank = -3;
    for (int level = 1; level <= 3; ++level) {
        PlaySolution(f, LevelPuzzle(level));
        if (level < 3) ClickWindow(f);
    }
    EXPECT_EQ(f.msg.RoundOverLabel.Caption, "10: All levels solved.\n       \nPress Mouse button to play again");
    EXPECT_EQ(f.high.NewScoreRank, -3);  // no high-score check in Practice
    EXPECT_FALSE(f.msg.NameInput.Visible);
    ClickWindow(f);
    EXPECT_TRUE(f.game.IntroShowing);
    EXPECT_TRUE(f.intro.Visible);
    EXPECT_EQ(f.game.CurrentLevel, 1);
    EXPECT_EQ(f.window.Caption, " QUIB   ");
}

}  // namespace
}  // namespace quib
