// Start-up: the window opens on the start screen with the game's own texts
// and no game to play until the first tick has read the files; that tick
// offers what the files allow ("Continue", the "Goto Level" entries up to the
// highest level reached); minimising and restoring freeze and thaw the clock.

#include <gtest/gtest.h>

#include "core/records/records.h"
#include "core/records/records_test_support.h"
#include "core/window/window.h"

namespace quib {
namespace {

using namespace records_test;
using testing::TestGame;

TEST(FormLoad, OpensTheStartScreenWithNothingToPlayYet) {
    TestGame game(false);
    const Form1& f = game.form();
    const IntroScreen& in = f.intro;
    EXPECT_TRUE(in.Visible && f.game.IntroShowing);
    EXPECT_EQ(std::pair(in.Left, in.Top), std::pair(126, 77));
    const std::pair<const Label*, const char*> texts[] = {
        {&in.Label7, "Quib"}, {&in.Label13, "Select Difficulty"}, {&in.CommandLabel[4], "Practice"},
        {&in.CommandLabel2, "Continue"}, {&in.ExitLabel, "Exit"},
        {&in.Label11, "Your score increases each time you complete a level. "},
        {&in.Label12, "The higher the difficulty level the more points you get per level but you are given fewer chances."},
    };
    for (const auto& [label, text] : texts) EXPECT_EQ(label->Caption, text);
    EXPECT_FALSE(in.CommandLabel2.Visible);
    EXPECT_EQ(in.CommandLabel[3].ForeColor, Rgb(100, 100, 250));
    EXPECT_EQ(std::tuple(f.msg.Command1.Left, f.msg.Command1.Top, f.msg.RoundOverLabel.Top), std::tuple(508, 208, 86));

    // Until the first tick has read the files, no game can be started.
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.menu.NewGameMenue[static_cast<std::size_t>(i)].Enabled) << i;
    EXPECT_FALSE(f.menu.mnuHighScores.Enabled || f.menu.mnusave.Enabled || f.menu.RestartLevelMenue.Enabled);
    EXPECT_FALSE(f.menu.mnuGrids.Checked);
    EXPECT_TRUE(f.tasks.StartupPending);
    EXPECT_EQ(std::pair(f.tasks.TimerInterval, f.clock.ClockState), std::pair(1, 1));
}

TEST(StartUp, FirstRunOffersNewGamesOnlyAndMarksEveryLevelForGeneration) {
    TestGame game;
    const Form1& f = game.form();
    EXPECT_FALSE(f.tasks.StartupPending || f.intro.CommandLabel2.Visible);
    EXPECT_EQ(f.clock.ClockState, 0);
    EXPECT_EQ(f.window.MousePointer, Pointer::Default);
    EXPECT_EQ(f.game.HighestLevel, 1);
    for (int n = 1; n <= 200; ++n) ASSERT_TRUE(f.library.LevelNeedsGenerating[static_cast<std::size_t>(n)]) << n;
    ASSERT_EQ(f.menu.mnulevel.size(), 20u);
    for (const auto& [n, entry] : f.menu.mnulevel) {
        EXPECT_EQ(entry.Caption, std::to_string(n));
        EXPECT_EQ(entry.Enabled, n == 1) << n;
    }
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(f.menu.NewGameMenue[static_cast<std::size_t>(i)].Enabled) << i;
    EXPECT_TRUE(f.menu.mnuHighScores.Enabled);
    EXPECT_EQ(f.intro.CommandLabel[2].ForeColor, f.intro.ExitLabel.ForeColor);
}

TEST(StartUp, TheHighestLevelReachedEnablesTheGotoLevelEntriesUpToIt) {
    TestGame first;
    PlayLevel(first.form(), 1, 2);
    first->game.HighestLevel = 57;
    ASSERT_TRUE(records::WriteDataFile(first.form()));
    TestGame next(first, true);
    for (const auto& [n, entry] : next->menu.mnulevel) EXPECT_EQ(entry.Enabled, n <= 50) << n;
}

// Minimised while running: freeze requested, frozen at the tick; restored or
// maximised: thaw requested, running at the tick; otherwise nothing changes.
TEST(FormResize, TurnsMinimiseAndRestoreIntoClockRequests) {
    const int cases[][3] = {  // window state, clock state before, after
        {1, 0, 1}, {1, 2, 2}, {1, 3, 3}, {0, 2, 3}, {2, 2, 3}, {0, 0, 0}, {2, 1, 1},
    };
    TestGame game;
    for (const auto& c : cases) {
        game->clock.ClockState = c[1];
        window::Form_Resize(game.form(), c[0]);
        EXPECT_EQ(game->clock.ClockState, c[2]) << "state " << c[0] << " from " << c[1];
    }
}

}  // namespace
}  // namespace quib
