// The caption is the status line character for character; the level clock
// survives midnight and minimising; playing time carries seconds into
// minutes and minutes into hours; the pause notice gives the board back.

#include "core/window/window.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

void SetGame(Session& f, int mode, int tryNumber, int level, int score, int frogs) {
    game::Enter(f, Screen::LevelInPlay);
    f.game.ModeIndex = mode;
    game::SetModeNameAndTries(f.game, mode);
    std::tie(f.game.TryNumber, f.game.CurrentLevel, f.game.Score) = std::tuple(tryNumber, level, score);
    std::vector<int> cells;
    for (int i = 0; i < frogs; ++i) cells.push_back(2 * i + 1);
    PlaceBoard(f, cells);
}

TEST(Caption, PadsEveryNumberAndDropsTriesAndScoreInPractice) {
    TestGame game;
    Session& f = game.session();
    SetGame(f, 2, 1, 7, 123, 9);
    f.game.SaveSlot = 2;
    game::UpdateCaption(f);
    EXPECT_EQ(f.window.Caption, "QUIB(2)   Mode: Medium  Level:   7 of 200" + std::string(17, ' ') +
                                    "9 left out of  10    Tries Left:   8    Score:   123");
    SetGame(f, 1, -95, 12, 12345, 15);  // 106 tries left
    EXPECT_TRUE(game::ComposeCaption(f).ends_with("    Tries Left: 106    Score: 12345"));
    SetGame(f, 1, 10, 12, 5, 15);
    EXPECT_TRUE(game::ComposeCaption(f).ends_with("    Tries Left:   1    Score:     5"));
    SetGame(f, 4, 1, 150, 0, 12);
    f.game.SaveSlot = 0;
    EXPECT_EQ(game::ComposeCaption(f), "QUIB      Mode: Practice  Level: 150 of 200" + std::string(16, ' ') +
                                           "12 left out of 153");
    game::Enter(f, Screen::StartScreen);
    game::UpdateCaption(f);
    EXPECT_EQ(f.window.Caption, " QUIB   ");
}

TEST(PlayTime, CarriesSecondsAndMinutesAndSplitsLongTotals) {
    TestGame game;
    Clock& c = game->clock;
    c.PlaySeconds = 40000;  // beyond what 16 bits could hold
    c.PlayHours = 2, c.PlayMinutes = 59, c.PlaySecs = 50;
    c.SessionStart = 1000, c.SessionNow = 1010;  // exactly 60 seconds, then exactly 60 minutes
    const auto hms = [&c] { return std::tuple(c.PlayHours, c.PlayMinutes, c.PlaySecs); };
    game::AddPlayTime(game.session());
    EXPECT_EQ(hms(), std::tuple(3, 0, 0));
    EXPECT_EQ(c.PlaySeconds, 40010);
    game::SplitPlaySeconds(game.session());
    EXPECT_EQ(hms(), std::tuple(11, 6, 50));
    c.SessionNow = 900;  // a clock set back adds nothing
    game::AddPlayTime(game.session());
    EXPECT_EQ(c.PlaySeconds, 40010);
}

// Ten minutes minimised leave the level time alone; a level started at
// 23:59:30 has forty seconds at 00:00:10 (the timer ticks every 10 ms and
// the wrap costs at most one tick).
TEST(LevelClock, MinimisingAndMidnightLeaveTheLevelTimeRight) {
    TestGame game;
    Session& f = game.session();
    auto& p = game.platform;
    f.clock.State = ClockState::Running;
    f.clock.LevelStartTime = p.timeOfDay;
    p.Advance(42);
    window::ChangeWindowState(f, WindowState::Minimised);
    for (int i = 0; i < 61; ++i) { game::ClockTick(f); p.Advance(10); }
    EXPECT_EQ(f.clock.State, ClockState::Frozen);
    window::ChangeWindowState(f, WindowState::Normal);
    game::ClockTick(f);
    EXPECT_EQ(f.clock.State, ClockState::Running);
    EXPECT_NEAR(game::LevelTime(f), 42, 1e-6);
    p.Advance(3);
    EXPECT_NEAR(game::LevelTime(f), 45, 1e-6);

    p.timeOfDay = 23 * 3600 + 59 * 60 + 30;
    f.clock.StartDay = p.day;
    f.clock.LevelStartTime = p.timeOfDay;
    for (int i = 0; i < 4000; ++i) { p.Advance(0.01); game::ClockTick(f); }
    ASSERT_EQ(f.clock.StartDay, p.day);
    EXPECT_NEAR(game::LevelTime(f), 40, 0.011);
    f.clock.State = ClockState::FreezeRequested;
    game::ClockTick(f);
    EXPECT_NEAR(f.clock.FrozenElapsed, 40, 0.011);

    // The timer at rest across midnight: a tick at 23:50, the next at 00:10,
    // then none for two days.
    f.clock.State = ClockState::Running;
    p.timeOfDay = 23 * 3600 + 50 * 60;
    f.clock.StartDay = p.day;
    f.clock.LevelStartTime = p.timeOfDay - 100;
    game::ClockTick(f);
    p.Advance(1200);
    game::ClockTick(f);
    EXPECT_NEAR(game::LevelTime(f), 1300, 1e-6);
    p.Advance(2 * 86400 + 60);
    game::ClockTick(f);
    EXPECT_NEAR(game::LevelTime(f), 1300 + 2 * 86400 + 60, 1e-6);
}

TEST(Pause, NoticeClickGivesTheBoardBackUnlessAPanelCoversItOrNoTryIsLeft) {
    TestGame game;
    Session& f = game.session();
    SetGame(f, 1, 1, 3, 0, 3);
    board::HideAllFrogPictures(f.board);
    f.board.SelectedFrog = 2;
    f.clock.State = ClockState::Frozen;
    f.msg.PausedLabel.Visible = true;
    game::Enter(f, Screen::LevelCompleted);  // a panel covers the board: the update waits
    game::UpdatePauseNotice(f);
    EXPECT_TRUE(f.msg.PausedLabel.Visible);
    game::Enter(f, Screen::LevelInPlay);
    f.game.TryNumber = f.game.TriesAllowed;  // the game has ended: the board stays hidden
    game::UpdatePauseNotice(f);
    EXPECT_FALSE(f.msg.PausedLabel.Visible || f.board.Frog[1].Visible);
    EXPECT_EQ(f.clock.State, ClockState::Frozen);
    f.game.TryNumber = 1;
    game::DismissPauseNotice(f);
    EXPECT_TRUE(f.board.HighLight.Visible && f.board.Frog[3].Visible);
    EXPECT_EQ(f.clock.State, ClockState::RestoreRequested);
}

}  // namespace
}  // namespace quib
