// Each mode starts a game with its tries and first level; Practice keeps
// the chosen level and opens "Goto Level"; the Goto Level entries follow
// the highest level reached.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/records.h"
#include "play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::CellAt;
using testing::FrogCells;
using testing::InstallPuzzle;
using testing::MakeRowPuzzle;
using testing::TestGame;

std::vector<int> Cells(int first, int count) {
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) cells.push_back(first + i);
    return cells;
}

TEST(Modes, ModeTableSetsTriesNameAndFirstLevel) {
    Game g;
    g.CurrentLevel = 33;
    ASSERT_TRUE(game::ApplyModeTable(g, 2));
    EXPECT_EQ(g.TriesAllowed, 8);
    EXPECT_EQ(g.GameMode, "Medium");
    EXPECT_EQ(g.CurrentLevel, 5);
    g.CurrentLevel = 33;
    ASSERT_TRUE(game::ApplyModeTable(g, 4));
    EXPECT_EQ(g.TriesAllowed, -1);
    EXPECT_EQ(g.GameMode, "Practice");
    EXPECT_EQ(g.CurrentLevel, 33);
    g.SaveSlot = 3;
    EXPECT_FALSE(game::ApplyModeTable(g, 5));
    EXPECT_EQ(g.GameMode, "Practice");
    EXPECT_EQ(g.SaveSlot, 3);
}

TEST(Modes, DifficultStartsAtLevelTenWithFiveTriesLeft) {
    TestGame game;
    Form1& f = game.form();
    InstallPuzzle(f, 10, Cells(30, 13));
    game::CommandLabel_Click(f, 3);
    EXPECT_EQ(f.game.ModeIndex, 3);
    EXPECT_EQ(f.game.GameMode, "Difficult");
    EXPECT_EQ(f.game.CurrentLevel, 10);
    EXPECT_EQ(f.game.Score, 0);
    EXPECT_EQ(board::FrogsLeft(f.board), 13);
    EXPECT_FALSE(f.menu.GotoLevelMenue.Enabled);
    EXPECT_NE(f.window.Caption.find("Mode: Difficult  Level:  10 of 200"), std::string::npos) << f.window.Caption;
    EXPECT_NE(f.window.Caption.find("Tries Left:   5"), std::string::npos) << f.window.Caption;
    EXPECT_EQ(f.clock.ClockState, 0);
    EXPECT_EQ(f.clock.PlaySeconds, 0);
    EXPECT_EQ(f.clock.SessionStart, game.platform.now);
}

TEST(Modes, GotoLevelFiftyStartsAPracticeGameThere) {
    TestGame game;
    Form1& f = game.form();
    InstallPuzzle(f, 50, Cells(60, 53));
    f.game.Score = 77;
    game::mnulevel_Click(f, 50);
    EXPECT_EQ(f.game.ModeIndex, 4);
    EXPECT_EQ(f.game.CurrentLevel, 50);
    EXPECT_EQ(f.game.Score, 0);
    EXPECT_EQ(board::FrogsLeft(f.board), 53);
    EXPECT_TRUE(f.menu.GotoLevelMenue.Enabled);
    EXPECT_EQ(f.window.Caption.find("Tries Left"), std::string::npos) << f.window.Caption;
}

TEST(Modes, NewGameMakesAPuzzleWhenTheStoredOneIsUsed) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(5, CellAt(4, 2));
    InstallPuzzle(f, 5, puzzle.pieces, puzzle.solution);
    f.library.LevelNeedsGenerating[5] = true;
    game::NewGameMenue_Click(f, 2);
    EXPECT_EQ(f.game.CurrentLevel, 5);
    EXPECT_TRUE(f.gen.LevelVerified[5]);
    EXPECT_EQ(board::FrogsLeft(f.board), 8);
    EXPECT_NE(FrogCells(f), puzzle.pieces);
}

TEST(Modes, ANumberOutsideTheFourModesStartsNothing) {
    TestGame game;
    Form1& f = game.form();
    game::NewGameMenue_Click(f, 7);
    EXPECT_TRUE(f.game.IntroShowing);
    EXPECT_TRUE(f.intro.Visible);
    EXPECT_EQ(f.game.ModeIndex, 1);
}

TEST(Modes, NewGameWhileASlotGameRunsSavesItFirstWithItsTime) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(1, CellAt(5, 2));
    InstallPuzzle(f, 1, puzzle.pieces, puzzle.solution);
    game::NewGameMenue_Click(f, 1);
    records::mnusavegame_Click(f, 3);
    ASSERT_EQ(f.game.SaveSlot, 3);
    const std::string slotFile = game.data.file("savedgame3.txt");
    ASSERT_TRUE(std::filesystem::exists(slotFile));
    const auto before = std::filesystem::last_write_time(slotFile);
    const auto sizeBefore = std::filesystem::file_size(slotFile);
    game.platform.Advance(75);
    InstallPuzzle(f, 1, puzzle.pieces, puzzle.solution);
    game::NewGameMenue_Click(f, 1);
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_EQ(f.window.Caption.substr(0, 7), "QUIB   ");
    // The slot was written again; the new game starts with no time played.
    EXPECT_TRUE(std::filesystem::last_write_time(slotFile) != before ||
                std::filesystem::file_size(slotFile) != sizeBefore);
    EXPECT_EQ(f.clock.PlaySeconds, 0);
}

TEST(GotoLevelEntries, FollowTheHighestLevelReached) {
    TestGame game;
    Form1& f = game.form();
    f.game.HighestLevel = 35;
    game::EnableGotoLevelEntries(f);
    EXPECT_TRUE(f.menu.mnulevel.at(1).Enabled);
    EXPECT_TRUE(f.menu.mnulevel.at(10).Enabled);
    EXPECT_TRUE(f.menu.mnulevel.at(30).Enabled);
    EXPECT_FALSE(f.menu.mnulevel.at(40).Enabled);
    EXPECT_FALSE(f.menu.mnulevel.at(190).Enabled);
    EXPECT_EQ(f.menu.mnulevel.at(190).Caption, "190");
    f.game.HighestLevel = 190;
    game::EnableGotoLevelEntries(f);
    EXPECT_TRUE(f.menu.mnulevel.at(190).Enabled);
}

}  // namespace
}  // namespace quib
