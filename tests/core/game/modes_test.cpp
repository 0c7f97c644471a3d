// Each mode starts a game with its tries and first level; Practice keeps
// the chosen level and opens "Goto Level"; a running slot game is saved
// first; the Goto Level entries follow the highest level reached.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/items.h"
#include "core/records/records.h"
#include "play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using namespace quib::testing;

std::vector<int> Cells(int first, int count) {
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) cells.push_back(first + i);
    return cells;
}

TEST(Modes, DifficultStartsAtLevelTenWithFiveTriesLeft) {
    TestGame game;
    Form1& f = game.form();
    InstallPuzzle(f, 10, Cells(30, 13));
    game::CommandLabel_Click(f, 3);
    EXPECT_EQ(f.game.GameMode, "Difficult");
    EXPECT_EQ(f.game.CurrentLevel, 10);
    EXPECT_EQ(board::FrogsLeft(f.board), 13);
    EXPECT_FALSE(f.menu.GotoLevelMenue.Enabled);
    EXPECT_NE(f.window.Caption.find("Tries Left:   5"), std::string::npos) << f.window.Caption;
    EXPECT_EQ(f.clock.ClockState, 0);
    EXPECT_EQ(f.clock.SessionStart, game.platform.now);
}

TEST(Modes, GotoLevelFiftyStartsAPracticeGameThereWithNoScore) {
    TestGame game;
    Form1& f = game.form();
    InstallPuzzle(f, 50, Cells(60, 53));
    f.game.Score = 77;
    game::mnulevel_Click(f, 50);
    EXPECT_EQ(f.game.GameMode, "Practice");
    EXPECT_EQ(f.game.CurrentLevel, 50);
    EXPECT_EQ(f.game.Score, 0);
    EXPECT_EQ(board::FrogsLeft(f.board), 53);
    EXPECT_TRUE(f.menu.GotoLevelMenue.Enabled);
    EXPECT_EQ(f.window.Caption.find("Tries Left"), std::string::npos) << f.window.Caption;
    game::NewGameMenue_Click(f, 9);  // no such mode: nothing starts
    EXPECT_EQ(f.game.ModeIndex, 4);
}

TEST(Modes, NewGameWhileASlotGameRunsSavesItFirst) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    records::mnusavegame_Click(f, 3);
    const std::string slotFile = game.data.file("savedgame3.txt");
    ASSERT_TRUE(std::filesystem::exists(slotFile));
    std::string before, after;
    ASSERT_TRUE(records::ReadWholeFile(slotFile, before));
    game.platform.Advance(75);
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    // The slot now holds the 75 seconds played since the save.
    ASSERT_TRUE(records::ReadWholeFile(slotFile, after));
    EXPECT_NE(after, before);
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_EQ(f.window.Caption.substr(0, 7), "QUIB   ");
    EXPECT_EQ(f.clock.PlaySeconds, 0);
}

TEST(GotoLevelEntries, FollowTheHighestLevelReached) {
    TestGame game;
    Form1& f = game.form();
    f.game.HighestLevel = 35;
    game::EnableGotoLevelEntries(f);
    EXPECT_TRUE(f.menu.mnulevel.at(1).Enabled);
    EXPECT_TRUE(f.menu.mnulevel.at(30).Enabled);
    EXPECT_FALSE(f.menu.mnulevel.at(40).Enabled);
    EXPECT_EQ(f.menu.mnulevel.at(190).Caption, "190");
}

}  // namespace
}  // namespace quib
