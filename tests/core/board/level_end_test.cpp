// Solving a level: the points (level + 3, twice the level more at the first
// try), the level-completed texts, the next level with a try given back, a
// slot in use saved; the last level ends the game with its message, the
// high-score offer and the slot closed with "Hi".

#include <gtest/gtest.h>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/game/play_helpers.h"
#include "core/records/items.h"
#include "core/records/records.h"
#include "support/test_game.h"

namespace quib {
namespace {

using namespace quib::testing;

std::string SlotFile(TestGame& game, int slot) {
    std::string text;
    records::ReadWholeFile(game.data.file("savedgame" + std::to_string(slot) + ".txt"), text);
    return text;
}

TEST(LevelSolved, WholeEasyGameScoresEachLevelAndStartsTheNextWithATryMore) {
    TestGame game;
    Form1& f = StartGame(game.form(), 1);
    records::mnusavegame_Click(f, 2);
    const std::string saved = SlotFile(game, 2);
    game.platform.Advance(20);
    PlaySolution(f, LevelPuzzle(1));
    EXPECT_EQ(f.game.Score, 6);
    EXPECT_EQ(f.msg.Label2.Caption, "Level 1 Completed");
    EXPECT_EQ(f.msg.Label3b.Caption, "Frogs Jumped: 3  Tries: 1");
    EXPECT_EQ(f.msg.Label6.Caption, "SCORE: 6   Time 0:0:20");
    EXPECT_TRUE(f.msg.Label2.Visible && f.msg.Label3b.Visible && f.msg.Label6.Visible && f.msg.Ad_Label.Visible);
    EXPECT_FALSE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);
    EXPECT_EQ(f.clock.PlaySeconds, 20);
    EXPECT_EQ(f.clock.PlaySecs, 0);  // the next level's time starts from nothing
    EXPECT_EQ(f.game.HighestLevel, 2);
    EXPECT_EQ(PictureOnCell(f, LevelPuzzle(1).solution.back().second), 0);
    EXPECT_EQ(f.game.SaveSlot, 2);  // the slot in use holds the game at level 2
    EXPECT_NE(SlotFile(game, 2), saved);

    ClickWindow(f);
    EXPECT_FALSE(f.msg.Label2.Visible || f.msg.Ad_Label.Visible);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(2).pieces);
    EXPECT_TRUE(CaptionHas(f, "QUIB(2)   Mode: Easy  Level:   2 of 200"));
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  11    Score:     6"));

    // Levels 2 and 3 at the first try: 6 + 9 + 12; a failed round and its
    // retry on level 4 take back the try the fresh start gave, and the
    // retry earns no bonus.
    PlaySolution(f, LevelPuzzle(2));
    game::Label2_Click(f);
    PlaySolution(f, LevelPuzzle(3));
    game::Label6_Click(f);
    EXPECT_EQ(f.game.Score, 27);
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  13"));
    PlayLosingJump(f, LevelPuzzle(4));
    game::RoundOverLabel_Click(f);
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  12"));
    PlaySolution(f, LevelPuzzle(4));
    EXPECT_EQ(f.game.Score, 34);
    EXPECT_EQ(f.msg.Label3b.Caption, "Frogs Jumped: 6  Tries: 2");
    ClickWindow(f);  // level 5 is a fresh start again
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  13"));
}

// A library of three levels (as a short library file gives) played to its
// end in Easy and in Practice, with a save slot in use.
TEST(LastLevel, SolvingItEndsTheGameWithItsMessageClosesTheSlotAndOffersTheTableOutsidePractice) {
    for (const int mode : {1, 4}) {
        TestGame game;
        Form1& f = game.form();
        f.library.LevelCount = 3;
        StartGame(f, mode, 3);
        records::mnusavegame_Click(f, 2);
        for (int level = 1; level <= 3; ++level) {
            game.platform.Advance(21);
            PlaySolution(f, LevelPuzzle(level));
            if (level == 3) break;
            EXPECT_EQ(f.msg.Label6.Visible, mode != 4);  // Practice hides the score line
            ClickWindow(f);
        }
        EXPECT_FALSE(f.msg.Label2.Visible);  // no level-completed panel after the last level
        EXPECT_EQ(f.msg.Label1.Caption, "Game Over: Congratulations");
        EXPECT_TRUE(f.msg.RoundOverLabel.Visible && f.msg.Label1.Visible);
        EXPECT_FALSE(f.menu.mnuQuit.Enabled || f.menu.mnusave.Enabled || f.menu.RestartLevelMenue.Enabled);
        EXPECT_EQ(f.game.SaveSlot, 0);
        EXPECT_EQ(SlotFile(game, 2).find("\"Hi\""), 0u);
        EXPECT_FALSE(f.menu.mnuloadgame[2].Enabled);
        if (mode == 1) {
            EXPECT_EQ(f.msg.RoundOverLabel.Caption, "1: All levels solved.\nScore: 27   Time 0:1:3\nYou got a high score.");
            EXPECT_TRUE(f.msg.NameInput.Visible && !f.menu.mnuHighScores.Enabled);
            records::Command1_Click(f);
        } else {
            EXPECT_EQ(f.msg.RoundOverLabel.Caption, "10: All levels solved.\n       \nPress Mouse button to play again");
            EXPECT_TRUE(!f.msg.NameInput.Visible && f.menu.mnuHighScores.Enabled);
        }
        ClickWindow(f);
        EXPECT_TRUE(f.game.IntroShowing && f.intro.Visible);
        EXPECT_EQ(f.game.CurrentLevel, 1);
        EXPECT_EQ(f.window.Caption, " QUIB   ");
    }
}

}  // namespace
}  // namespace quib
