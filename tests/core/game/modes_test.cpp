// Each mode starts a game with its tries and first level; Practice keeps
// the chosen level and opens "Goto Level"; a running slot game is saved
// first; the Goto Level entries follow the highest level reached.

#include <gtest/gtest.h>

#include <numeric>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/items.h"
#include "core/records/records.h"
#include "play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using namespace quib::testing;

// A puzzle for a level: frogs on the cells from `first` on, one after another.
void InstallLine(Form1& f, int level, int first) {
    std::vector<int> cells(static_cast<std::size_t>(level) + 3);
    std::iota(cells.begin(), cells.end(), first);
    InstallPuzzle(f, level, cells);
}

TEST(Modes, DifficultStartsAtLevelTenWithFiveTriesLeftAndGotoLevelStartsPractice) {
    TestGame game;
    Form1& f = game.form();
    InstallLine(f, 10, 30);
    game.platform.Advance(5);
    game::CommandLabel_Click(f, 3);
    EXPECT_EQ(board::FrogsLeft(f.board), 13);
    EXPECT_FALSE(f.menu.GotoLevelMenue.Enabled);
    EXPECT_TRUE(CaptionHas(f, "Mode: Difficult  Level:  10 of 200"));
    EXPECT_TRUE(CaptionHas(f, "Tries Left:   5"));
    EXPECT_EQ(f.clock.ClockState, 0);
    EXPECT_EQ(f.clock.SessionStart, game.platform.now);

    InstallLine(f, 50, 60);
    f.game.Score = 77;
    game::mnulevel_Click(f, 50);
    EXPECT_EQ(f.game.Score, 0);
    EXPECT_EQ(board::FrogsLeft(f.board), 53);
    EXPECT_TRUE(f.menu.GotoLevelMenue.Enabled);
    EXPECT_TRUE(CaptionHas(f, "Mode: Practice  Level:  50 of 200"));
    EXPECT_FALSE(CaptionHas(f, "Tries Left"));
    game::NewGameMenue_Click(f, 9);  // no such mode: nothing starts
    EXPECT_EQ(f.game.ModeIndex, 4);

    f.game.HighestLevel = 35;  // the entries follow the highest level reached
    game::EnableGotoLevelEntries(f);
    EXPECT_TRUE(f.menu.mnulevel.at(1).Enabled && f.menu.mnulevel.at(30).Enabled);
    EXPECT_FALSE(f.menu.mnulevel.at(40).Enabled);
    EXPECT_EQ(f.menu.mnulevel.at(190).Caption, "190");
}

TEST(Modes, NewGameWhileASlotGameRunsSavesItFirst) {
    TestGame game;
    Form1& f = StartGame(game.form(), 1, 1);
    records::mnusavegame_Click(f, 3);
    std::string before, after;
    ASSERT_TRUE(records::ReadWholeFile(game.data.file("savedgame3.txt"), before));
    game.platform.Advance(75);
    StartGame(f, 1, 1);
    // The slot now holds the 75 seconds played since the save.
    ASSERT_TRUE(records::ReadWholeFile(game.data.file("savedgame3.txt"), after));
    EXPECT_NE(after, before);
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_TRUE(CaptionHas(f, "QUIB      Mode: Easy"));
    EXPECT_EQ(f.clock.PlaySeconds, 0);
}

}  // namespace
}  // namespace quib
