// The solution playback: "Solve" plays the stored solution of the level on
// the board through the ordinary board click, pointing at each jumping frog
// one tick before its jump; "Test" replays the level until chosen again.

#include <gtest/gtest.h>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

// A Practice game put on the given level, as "Goto Level" does. No other
// level waits for a puzzle, so the ticks spend no time on the supply.
void PlayLevel(Session& f, int level) {
    f.library.LevelNeedsGenerating.fill(false);
    game::StartNewGame(f, 4);
    f.game.CurrentLevel = level;
    game::StartLevel(f);
    ASSERT_EQ(board::FrogsLeft(f.board), level + 3);
}

const Cell& GridCell(const Session& f, int n) { return f.board.Grid.at(static_cast<std::size_t>(n)); }

TEST(Playback, SolvesTheLevelTwoTicksPerJump) {
    TestGame game;
    Session& f = game.session();
    const int level = 12;
    PlayLevel(f, level);
    levels::StartSolutionPlayback(f);

    for (int s = 1; s <= level + 2; ++s) {
        const int from = *f.library.SolutionFrom(level, s);
        const int to = f.library.SolutionTo(level, s);
        const int frogs = board::FrogsLeft(f.board);

        levels::TimerTick(f);  // points at the frog
        EXPECT_EQ(f.msg.PlaybackInput.Text, "0");
        EXPECT_TRUE(f.board.HighLight.Visible) << "step " << s;
        EXPECT_EQ(f.board.HighLight.Left, GridCell(f, from).Left) << "step " << s;
        EXPECT_EQ(f.board.HighLight.Top, GridCell(f, from).Top) << "step " << s;
        EXPECT_EQ(board::FrogsLeft(f.board), frogs);

        levels::TimerTick(f);  // jumps
        EXPECT_EQ(f.msg.PlaybackInput.Text, "1");
        EXPECT_FALSE(f.board.HighLight.Visible);
        EXPECT_EQ(GridCell(f, from).RecordNumber, 0) << "step " << s;
        EXPECT_GT(GridCell(f, to).RecordNumber, 0) << "step " << s;
        ASSERT_EQ(board::FrogsLeft(f.board), frogs - 1) << "step " << s;
    }
    EXPECT_FALSE(f.tasks.PlaybackActive);
    EXPECT_EQ(f.window.MousePointer, Pointer::Default);
    EXPECT_TRUE(f.msg.PanelTitle.Visible);
    EXPECT_EQ(f.game.CurrentLevel, level + 1);
    levels::TimerTick(f);
    EXPECT_EQ(board::FrogsLeft(f.board), 1);
    EXPECT_FALSE(f.board.HighLight.Visible);
}

TEST(Playback, TestModeReplaysTheLevelUntilChosenAgain) {
    TestGame game;
    Session& f = game.session();
    const int level = 3;
    PlayLevel(f, level);
    levels::ToggleDemoLoop(f);
    EXPECT_TRUE(f.tasks.DemoLoop);
    EXPECT_TRUE(f.tasks.PlaybackActive);

    for (int i = 0; i < 2 * (level + 2); ++i) levels::TimerTick(f);
    // Solved and at once started again: the same level, all its frogs, from
    // the first step, with no level-completed panel in between.
    EXPECT_EQ(f.game.CurrentLevel, level);
    EXPECT_EQ(board::FrogsLeft(f.board), level + 3);
    EXPECT_TRUE(f.tasks.PlaybackActive);
    EXPECT_EQ(f.tasks.PlaybackStep, 1);
    EXPECT_FALSE(f.msg.PanelTitle.Visible);
    for (int i = 0; i < 2; ++i) levels::TimerTick(f);
    EXPECT_EQ(board::FrogsLeft(f.board), level + 2);
    levels::ToggleDemoLoop(f);  // lets this playback finish, then stops
    EXPECT_FALSE(f.tasks.DemoLoop);
    EXPECT_TRUE(f.tasks.PlaybackActive);
    for (int i = 0; i < 2 * (level + 1); ++i) levels::TimerTick(f);
    EXPECT_EQ(board::FrogsLeft(f.board), 1);
    EXPECT_FALSE(f.tasks.PlaybackActive);
    EXPECT_EQ(f.game.CurrentLevel, level + 1);
    EXPECT_TRUE(f.msg.PanelTitle.Visible);
}

// A solution that does not fit the board ends after its last step instead
// of reading on past the solution, and leaves no frog selected: here every
// step either has no from-cell or lands on its own frog.
TEST(Playback, StopsAfterTheLastStoredStepWhenFrogsRemain) {
    TestGame game;
    Session& f = game.session();
    const int level = 2;
    PlayLevel(f, level);
    for (int s = 1; s <= level + 2; ++s) {
        const std::int16_t frog = f.library.LevelPieces(level, s);
        f.library.SolutionFrom(level, s) = s % 2 == 1 ? std::optional<int>() : std::optional<int>(frog);
        f.library.SolutionTo(level, s) = frog;
    }
    levels::StartSolutionPlayback(f);
    for (int i = 0; i < 2 * (level + 2); ++i) {
        levels::TimerTick(f);
        EXPECT_EQ(f.board.SelectedFrog, 0) << "tick " << i;
    }
    EXPECT_FALSE(f.tasks.PlaybackActive);
    EXPECT_EQ(board::FrogsLeft(f.board), level + 3);
    EXPECT_NO_THROW(for (int i = 0; i < 50; ++i) levels::TimerTick(f));
    EXPECT_EQ(board::FrogsLeft(f.board), level + 3);

    // The phase box turns letters typed into it into capitals.
    EXPECT_EQ(levels::PlaybackKey(f, 'a'), 'A');
    EXPECT_EQ(levels::PlaybackKey(f, 'Q'), 'Q');
    EXPECT_EQ(levels::PlaybackKey(f, '7'), '7');
}

}  // namespace
}  // namespace quib
