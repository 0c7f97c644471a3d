// The caption is the status line character for character; the level clock
// survives midnight and minimising; playing time carries seconds into
// minutes and minutes into hours; the pause notice resumes the board.

#include <gtest/gtest.h>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/window/window.h"
#include "play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::PlaceBoard;
using testing::TestGame;

std::vector<int> FirstCells(int count) {
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) cells.push_back(2 * i + 1);  // never neighbours in a row
    return cells;
}

// Caption: every piece with its exact spaces, as the player reads it.
TEST(Caption, MediumGameInSlotTwoMatchesTheStatusLineExactly) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = false;
    f.game.ModeIndex = 2;
    f.game.GameMode = "Medium";
    f.game.TriesAllowed = 8;
    f.game.TryNumber = 1;
    f.game.CurrentLevel = 7;
    f.game.Score = 123;
    f.game.SaveSlot = 2;
    PlaceBoard(f, FirstCells(9));
    game::UpdateCaption(f);
    EXPECT_EQ(f.window.Caption,
              "QUIB(2)   Mode: Medium  Level:   7 of 200" + std::string(17, ' ') + "9 left out of  10"
              "    Tries Left:   8    Score:   123");
}

TEST(Caption, PracticeLeavesOutTriesAndScoreAndNoSlotPadsThePrefix) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = false;
    f.game.ModeIndex = 4;
    f.game.GameMode = "Practice";
    f.game.CurrentLevel = 150;
    f.game.SaveSlot = 0;
    PlaceBoard(f, FirstCells(12));
    game::UpdateCaption(f);
    EXPECT_EQ(f.window.Caption, "QUIB      Mode: Practice  Level: 150 of 200" + std::string(16, ' ') + "12 left out of 153");
}

TEST(Caption, StartScreenShowsOnlyTheName) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = true;
    f.game.SaveSlot = 3;
    game::UpdateCaption(f);
    EXPECT_EQ(f.window.Caption, " QUIB   ");
}

TEST(Caption, ThreeDigitTriesAndFiveDigitScoresTakeNoPadding) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = false;
    f.game.ModeIndex = 1;
    f.game.GameMode = "Easy";
    f.game.TriesAllowed = 10;
    f.game.TryNumber = -95;  // 106 tries left after many first-try solves
    f.game.CurrentLevel = 12;
    f.game.Score = 12345;
    PlaceBoard(f, FirstCells(15));
    EXPECT_NE(game::ComposeCaption(f).find("    Tries Left: 106    Score: 12345"), std::string::npos);
    f.game.Score = 5;
    f.game.TryNumber = 10;  // one try left
    EXPECT_NE(game::ComposeCaption(f).find("    Tries Left:   1    Score:     5"), std::string::npos);
    f.game.Score = 1000;
    EXPECT_NE(game::ComposeCaption(f).find("Score:  1000"), std::string::npos);
}

TEST(Caption, UpdateSetsAnEmptyLevelStartToNow) {
    TestGame game;
    Form1& f = game.form();
    f.clock.LevelStartTime.reset();
    game.platform.timeOfDay = 5000;
    game::UpdateCaption(f);
    ASSERT_TRUE(f.clock.LevelStartTime.has_value());
    EXPECT_EQ(*f.clock.LevelStartTime, 5000);
}

// Playing time: the stretch since SessionStart is split and carried.
TEST(PlayTime, SecondsCarryIntoAMinuteAndMinutesIntoAnHour) {
    TestGame game;
    Form1& f = game.form();
    f.clock.PlaySecs = 50;
    f.clock.PlayMinutes = 59;
    f.clock.PlayHours = 2;
    f.clock.PlaySeconds = 100;
    f.clock.SessionStart = 1000;
    f.clock.SessionNow = 1015;
    game::AddPlayTime(f);
    EXPECT_EQ(f.clock.PlaySecs, 5);
    EXPECT_EQ(f.clock.PlayMinutes, 0);
    EXPECT_EQ(f.clock.PlayHours, 3);
    EXPECT_EQ(f.clock.PlaySeconds, 115);
    EXPECT_EQ(f.clock.SessionStart, 1000);  // callers set it again themselves
}

TEST(PlayTime, LongStretchesSplitIntoHoursMinutesSecondsAndNeverOverflow) {
    TestGame game;
    Form1& f = game.form();
    f.clock.PlaySeconds = 40000;  // beyond what 16 bits could hold
    f.clock.SessionStart = 0;
    f.clock.SessionNow = 3903;
    game::AddPlayTime(f);
    EXPECT_EQ(f.clock.PlaySeconds, 43903);
    EXPECT_EQ(f.clock.PlayHours, 1);
    EXPECT_EQ(f.clock.PlayMinutes, 5);
    EXPECT_EQ(f.clock.PlaySecs, 3);
    game::SplitPlaySeconds(f);
    EXPECT_EQ(f.clock.PlayHours, 12);
    EXPECT_EQ(f.clock.PlayMinutes, 11);
    EXPECT_EQ(f.clock.PlaySecs, 43);
}

TEST(PlayTime, AClockSetBackAddsNothing) {
    TestGame game;
    Form1& f = game.form();
    f.clock.PlaySeconds = 30;
    f.clock.SessionStart = 2000;
    f.clock.SessionNow = 1900;
    game::AddPlayTime(f);
    EXPECT_EQ(f.clock.PlaySeconds, 30);
    EXPECT_EQ(f.clock.PlaySecs, 0);
}

// The level clock: freeze and restore requests act at the next tick.
TEST(LevelClock, FreezeAndRestoreKeepTheLevelTimeWhileFrozen) {
    TestGame game;
    Form1& f = game.form();
    auto& p = game.platform;
    f.clock.ClockState = 0;
    f.clock.LevelStartTime = p.timeOfDay;
    p.Advance(30);
    game::ClockTick(f);
    EXPECT_DOUBLE_EQ(game::LevelTime(f), 30);
    f.clock.ClockState = 1;
    game::ClockTick(f);
    EXPECT_EQ(f.clock.ClockState, 2);
    p.Advance(100);
    game::ClockTick(f);
    EXPECT_DOUBLE_EQ(game::LevelTime(f), 30);
    f.clock.ClockState = 3;
    game::ClockTick(f);
    EXPECT_EQ(f.clock.ClockState, 0);
    p.Advance(5);
    EXPECT_DOUBLE_EQ(game::LevelTime(f), 35);
}

TEST(LevelClock, MinimisingForTenMinutesLeavesTheLevelTimeAlone) {
    TestGame game;
    Form1& f = game.form();
    auto& p = game.platform;
    f.clock.ClockState = 0;
    f.clock.LevelStartTime = p.timeOfDay;
    p.Advance(42);
    game::ClockTick(f);
    window::Form_Resize(f, 1);
    game::ClockTick(f);
    for (int i = 0; i < 60; ++i) {
        p.Advance(10);
        game::ClockTick(f);
    }
    window::Form_Resize(f, 0);
    game::ClockTick(f);
    EXPECT_EQ(f.clock.ClockState, 0);
    EXPECT_NEAR(game::LevelTime(f), 42, 1e-6);
    p.Advance(3);
    EXPECT_NEAR(game::LevelTime(f), 45, 1e-6);
}

TEST(LevelClock, ALevelPlayedAcrossMidnightKeepsCounting) {
    TestGame game;
    Form1& f = game.form();
    auto& p = game.platform;
    p.timeOfDay = 23 * 3600 + 59 * 60 + 30;  // 23:59:30
    f.clock.StartDay = p.day;
    f.clock.ClockState = 0;
    f.clock.LevelStartTime = p.timeOfDay;
    const int startDay = p.day;
    game::ClockTick(f);
    // The window timer ticks every 10 ms; the wrap costs at most one tick.
    for (int i = 0; i < 4000; ++i) {
        p.Advance(0.01);
        game::ClockTick(f);
    }
    EXPECT_NEAR(p.timeOfDay, 10, 1e-6);
    EXPECT_EQ(p.day, startDay + 1);
    EXPECT_EQ(f.clock.StartDay, p.day);
    EXPECT_NEAR(game::LevelTime(f), 40, 0.011);
    // Freezing after midnight keeps the same time.
    f.clock.ClockState = 1;
    game::ClockTick(f);
    EXPECT_NEAR(f.clock.FrozenElapsed, 40, 0.011);
}

TEST(LevelClock, LevelTimeReadBeforeTheMidnightTickStillCountsOn) {
    TestGame game;
    Form1& f = game.form();
    auto& p = game.platform;
    p.timeOfDay = 86400 - 5;
    f.clock.StartDay = p.day;
    f.clock.ClockState = 0;
    f.clock.LevelStartTime = p.timeOfDay;
    game::ClockTick(f);
    p.Advance(8);
    EXPECT_NEAR(game::LevelTime(f), 8, 1e-6);
}

// The pause notice: a remembered pause stays; otherwise the board returns.
TEST(Pause, RememberedPauseShowsTheNoticeAndTouchesNothingElse) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = false;
    f.game.TryNumber = 1;
    f.game.TriesAllowed = 10;
    f.clock.ClockState = 2;
    f.clock.WasPaused = true;
    game::PausedLabel_click(f);
    EXPECT_TRUE(f.msg.PausedLabel.Visible);
    EXPECT_EQ(f.clock.ClockState, 2);
}

TEST(Pause, EndingThePauseShowsBoardFrogsSelectionAndRestoresTheClock) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = false;
    f.game.TryNumber = 1;
    f.game.TriesAllowed = 10;
    PlaceBoard(f, {30, 60, 90});
    board::HideAllFrogPictures(f.board);
    f.board.SelectedFrog = 2;
    f.msg.PausedLabel.Visible = true;
    f.clock.ClockState = 2;
    f.clock.WasPaused = false;
    game::PausedLabel_click(f);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_TRUE(f.board.HighLight.Visible);
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(f.board.Frog[static_cast<std::size_t>(i)].Visible);
    EXPECT_TRUE(f.board.Grid[294].Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
}

TEST(Pause, NoBoardComesBackOnTheStartScreen) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = true;
    PlaceBoard(f, {30, 60});
    board::HideAllFrogPictures(f.board);
    f.msg.PausedLabel.Visible = true;
    f.clock.ClockState = 2;
    game::PausedLabel_click(f);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_FALSE(f.board.Frog[1].Visible);
    EXPECT_EQ(f.clock.ClockState, 2);
}

TEST(Pause, PracticeBoardComesBackWhateverTheTryCounterSays) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = false;
    f.game.ModeIndex = 4;
    f.game.TriesAllowed = -1;
    f.game.TryNumber = -1;  // the third level started afresh in Practice
    PlaceBoard(f, {30, 60});
    board::HideAllFrogPictures(f.board);
    f.msg.PausedLabel.Visible = true;
    game::PausedLabel_click(f);
    EXPECT_TRUE(f.board.Frog[1].Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
    // On the last try of a limited game the board stays as it is.
    f.game.ModeIndex = 1;
    f.game.TriesAllowed = 10;
    f.game.TryNumber = 10;
    f.clock.ClockState = 2;
    board::HideAllFrogPictures(f.board);
    game::PausedLabel_click(f);
    EXPECT_FALSE(f.board.Frog[1].Visible);
    EXPECT_EQ(f.clock.ClockState, 2);
}

TEST(Pause, UpdateActsOnlyWhenNoHeadingCoversTheBoard) {
    TestGame game;
    Form1& f = game.form();
    f.game.IntroShowing = false;
    f.game.TryNumber = 1;
    f.game.TriesAllowed = 10;
    f.msg.PausedLabel.Visible = true;
    f.clock.ClockState = 2;
    f.msg.Label2.Visible = true;
    game::paused_update(f);
    EXPECT_TRUE(f.msg.PausedLabel.Visible);
    f.msg.Label2.Visible = false;
    f.high.HighLabel.Visible = true;
    game::paused_update(f);
    EXPECT_TRUE(f.msg.PausedLabel.Visible);
    f.high.HighLabel.Visible = false;
    game::paused_update(f);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
}

}  // namespace
}  // namespace quib
