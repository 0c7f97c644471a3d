// Each mode starts a game with its tries and first level; Practice keeps
// the chosen level and opens "Goto Level"; a running slot game is saved
// first; the Goto Level entries follow the highest level reached.

#include <numeric>

#include "core/records/records.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

// A puzzle for a level: frogs on the cells from `first` on, one after another.
void InstallLine(Session& f, int level, int first) {
    std::vector<int> cells(static_cast<std::size_t>(level) + 3);
    std::iota(cells.begin(), cells.end(), first);
    InstallPuzzle(f, level, cells);
}

TEST(Modes, MediumAndDifficultStartAtTheirLevelsWithTheirTriesAndGotoLevelStartsPractice) {
    TestGame game;
    Session& f = game.session();
    InstallLine(f, 5, 30);
    game::StartNewGame(f, 2);
    EXPECT_EQ(board::FrogsLeft(f.board), 8);
    EXPECT_TRUE(CaptionHas(f, "Mode: Medium  Level:   5 of 200") && CaptionHas(f, "Tries Left:   8"));
    InstallLine(f, 10, 30);
    game.platform.Advance(5);
    game::ChooseMode(f, 3);
    EXPECT_EQ(board::FrogsLeft(f.board), 13);
    EXPECT_FALSE(f.menu.GotoLevelMenu.Enabled);
    EXPECT_TRUE(CaptionHas(f, "Mode: Difficult  Level:  10 of 200") && CaptionHas(f, "Tries Left:   5"));
    EXPECT_EQ(std::pair(f.clock.State, f.clock.SessionStart), std::pair(ClockState::Running, game.platform.now));

    InstallLine(f, 50, 60);
    f.game.Score = 77;
    game::GoToLevel(f, 50);
    EXPECT_EQ(std::pair(f.game.Score, board::FrogsLeft(f.board)), std::pair(0, 53));
    EXPECT_TRUE(f.menu.GotoLevelMenu.Enabled);
    EXPECT_TRUE(CaptionHas(f, "Mode: Practice  Level:  50 of 200"));
    EXPECT_FALSE(CaptionHas(f, "Tries Left"));
    game::StartNewGame(f, 9);  // no such mode: nothing starts
    EXPECT_EQ(f.game.ModeIndex, 4);

    f.game.HighestLevel = 35;  // the entries follow the highest level reached
    game::EnableGotoLevelEntries(f);
    EXPECT_TRUE(f.menu.GotoLevelEntries.at(1).Enabled && f.menu.GotoLevelEntries.at(30).Enabled && !f.menu.GotoLevelEntries.at(40).Enabled);
    EXPECT_EQ(f.menu.GotoLevelEntries.at(190).Caption, "190");
}

// Solving level 9 reaches level 10: its entry opens, the next one not yet.
TEST(Modes, SolvingALevelOpensTheGotoLevelEntryOfTheLevelReached) {
    TestGame game;
    Session& f = game.session();
    InstallPairs(f, 9);
    InstallPairs(f, 10);
    game::GoToLevel(f, 9);
    PlaceBoard(f, {100, 101});
    Jump(f, 100, 102);
    ASSERT_EQ(f.game.HighestLevel, 10);
    EXPECT_TRUE(f.menu.GotoLevelEntries.at(10).Enabled);
    EXPECT_FALSE(f.menu.GotoLevelEntries.at(20).Enabled);
}

TEST(Modes, NewGameWhileASlotGameRunsSavesItFirst) {
    TestGame game;
    Session& f = StartGame(game.session(), 1, 1);
    records::SaveToSlot(f, 3);
    const std::string before = FileText(game.data.file("savedgame3.txt"));
    ASSERT_FALSE(before.empty());
    game.platform.Advance(75);
    StartGame(f, 1, 1);
    // The slot now holds the 75 seconds played since the save.
    EXPECT_NE(FileText(game.data.file("savedgame3.txt")), before);
    EXPECT_EQ(std::pair(f.game.SaveSlot, f.clock.PlaySeconds), std::pair(0, std::int64_t{0}));
    EXPECT_TRUE(CaptionHas(f, "QUIB      Mode: Easy"));
}

}  // namespace
}  // namespace quib
