// Start-up: the window opens on the start screen with the game's own texts
// and no game to play until the first tick has read the files; that tick
// offers what the files allow ("Continue", the "Goto Level" entries up to the
// highest level reached); minimising and restoring freeze and thaw the clock.

#include "core/records/records.h"
#include "core/window/window.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

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
    EXPECT_FALSE(f.menu.mnuHighScores.Enabled || f.menu.mnusave.Enabled || f.menu.RestartLevelMenue.Enabled ||
                 f.menu.mnuGrids.Checked || !f.tasks.StartupPending);
    EXPECT_EQ(std::pair(f.tasks.TimerInterval, f.clock.ClockState), std::pair(1, 1));
}

// The first run offers new games only and marks every level for
// generation; the highest level reached in a run enables the "Goto Level"
// entries up to it in the next.
TEST(StartUp, OffersWhatTheFilesAllow) {
    TestGame game;
    Form1& f = game.form();
    EXPECT_FALSE(f.tasks.StartupPending || f.intro.CommandLabel2.Visible);
    EXPECT_EQ(std::tuple(f.clock.ClockState, f.window.MousePointer, f.game.HighestLevel), std::tuple(0, Pointer::Default, 1));
    for (int n = 1; n <= 200; ++n) ASSERT_TRUE(f.library.LevelNeedsGenerating[static_cast<std::size_t>(n)]) << n;
    ASSERT_EQ(f.menu.mnulevel.size(), 20u);
    for (const auto& [n, entry] : f.menu.mnulevel) EXPECT_EQ(std::pair(entry.Caption, entry.Enabled), std::pair(std::to_string(n), n == 1));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(f.menu.NewGameMenue[static_cast<std::size_t>(i)].Enabled) << i;
    EXPECT_TRUE(f.menu.mnuHighScores.Enabled);
    EXPECT_EQ(f.intro.CommandLabel[2].ForeColor, f.intro.ExitLabel.ForeColor);

    PlayLevel(f, 1, 2);
    f.game.HighestLevel = 57;
    ASSERT_TRUE(records::WriteDataFile(f));
    TestGame next(game, true);
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
