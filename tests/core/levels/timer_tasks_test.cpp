// The window timer: its tick runs the deferred start-up once, supplies used
// levels with fresh puzzles in the background without ever touching the level
// being played, saves the library after every finished pass without
// rewriting an unchanged file, and steps the level clock.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/levels/levels.h"
#include "support/play.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::FileText;
using testing::TestGame;
namespace fs = std::filesystem;

// A short library keeps the many rewrites of these tests cheap.
constexpr int kLevels = 40;

int MarkedLevels(const Session& f) {
    int n = 0;
    for (int k = 1; k <= f.library.LevelCount; ++k) n += f.library.LevelNeedsGenerating[static_cast<std::size_t>(k)];
    return n;
}

// The frog cells of a level in the library or among the generated puzzles.
std::vector<int> PiecesIn(const auto& table, int level) {
    std::vector<int> v;
    for (int j = 1; j <= level + 3; ++j) v.push_back(table(level, j));
    return v;
}
std::vector<int> StoredPieces(const Session& f, int level) { return PiecesIn(f.library.LevelPieces, level); }

// A game on an empty data folder, ticked with no level on the board until
// its short library holds a puzzle for every level, then back on level 1.
void SupplyAll(Session& f) {
    f.library.LevelCount = kLevels;
    f.game.CurrentLevel = 0;
    for (int ticks = 0; MarkedLevels(f) > 0 && ticks < 10 * kLevels; ++ticks) levels::TimerTick(f);
    ASSERT_EQ(MarkedLevels(f), 0);
    ASSERT_EQ(f.gen.GenerationLevel, 0);
    f.game.CurrentLevel = 1;
}

TEST(TimerTick, RunsTheStartUpOnceLowersALevelCountAbove200AndStepsTheClock) {
    TestGame game(false);
    { std::ofstream(game.data.file("levels.txt")) << "250\n"; }  // a count and then nothing: damaged
    Session& f = game.session();
    levels::TimerTick(f);
    EXPECT_FALSE(f.tasks.StartupPending);
    EXPECT_EQ(f.library.LevelCount, 200);
    EXPECT_TRUE(fs::exists(game.data.file("levels.txt")));  // the first pass saved the library

    f.game.HighestLevel = 9;  // a second start-up would set it back to 1
    f.clock.State = ClockState::FreezeRequested;
    game.platform.Advance(2.5);
    levels::TimerTick(f);
    EXPECT_EQ(f.tasks.TimerInterval, 10);  // the start-up armed it at 1 for the first tick
    EXPECT_EQ(f.game.HighestLevel, 9);
    EXPECT_EQ(f.clock.State, ClockState::Frozen);
    EXPECT_EQ(f.clock.LastTick, game.platform.timeOfDay);
}

// From an empty data folder the library rebuilds itself level by level, each
// install saved in its own tick; the level being played is never picked,
// even when it is marked.
TEST(BackgroundSupply, RebuildsAMissingLibraryButNeverTheLevelBeingPlayed) {
    TestGame game;
    Session& f = game.session();
    f.library.LevelCount = kLevels;
    f.library.LevelNeedsGenerating[1] = true;
    ASSERT_EQ(f.game.CurrentLevel, 1);
    ASSERT_EQ(MarkedLevels(f), kLevels);
    int ticks = 0;
    for (; MarkedLevels(f) > 1 && ticks < 10 * kLevels; ++ticks) {
        levels::TimerTick(f);
        ASSERT_NE(f.gen.GenerationLevel, 1) << "tick " << ticks;
        ASSERT_TRUE(FileText(game.data.file("levels.txt")) == levels::LevelLibraryText(f)) << "tick " << ticks;
    }
    EXPECT_TRUE(f.library.LevelNeedsGenerating[1]);
    EXPECT_EQ(f.library.LevelPieces(1, 1), 0);
    for (int k = 2; k <= kLevels; ++k) {
        EXPECT_FALSE(f.library.LevelNeedsGenerating[static_cast<std::size_t>(k)]) << k;
        EXPECT_NE(f.library.LevelPieces(k, k + 3), 0) << k;
        EXPECT_EQ(f.library.SolutionTo(k, k + 2), 158) << k;
    }
    // Two generator runs per level: one when it is picked, one when the next
    // tick finds it still marked and installs the result.
    EXPECT_LE(ticks, 2 * kLevels);
}

// Once every level is supplied the file is left alone. A picked level is
// generated once, then found again by the next tick's search, generated
// anew, installed and saved in that tick; an earlier marked level goes
// first.
TEST(BackgroundSupply, InstallsTheSecondRunOfAPickedLevelAndSavesOnlyAChangedLibrary) {
    TestGame game;
    Session& f = game.session();
    SupplyAll(f);
    const std::string path = game.data.file("levels.txt");
    const auto old = fs::last_write_time(path) - std::chrono::hours(24);
    fs::last_write_time(path, old);
    for (int i = 0; i < 20; ++i) levels::TimerTick(f);
    EXPECT_EQ(fs::last_write_time(path), old);
    EXPECT_TRUE(FileText(path) == levels::LevelLibraryText(f));

    const auto generated = [&f](int level) { return PiecesIn(f.gen.GeneratedPieces, level); };
    const std::vector<int> before = StoredPieces(f, 5);
    f.library.LevelNeedsGenerating[5] = true;  // level 5 was played
    levels::TimerTick(f);                   // picked and generated once
    EXPECT_EQ(f.gen.GenerationLevel, 5);
    EXPECT_EQ(StoredPieces(f, 5), before);
    const std::vector<int> firstRun = generated(5);
    levels::TimerTick(f);  // generated again, installed and saved
    EXPECT_FALSE(f.library.LevelNeedsGenerating[5]);
    EXPECT_EQ(StoredPieces(f, 5), generated(5));
    EXPECT_NE(StoredPieces(f, 5), firstRun);
    EXPECT_TRUE(FileText(path) == levels::LevelLibraryText(f));
    EXPECT_EQ(f.gen.GenerationLevel, 0);

    f.library.LevelNeedsGenerating[5] = true;
    levels::TimerTick(f);
    f.library.LevelNeedsGenerating[2] = true;  // an earlier level was played meanwhile
    levels::TimerTick(f);
    EXPECT_FALSE(f.library.LevelNeedsGenerating[2]);
    EXPECT_EQ(StoredPieces(f, 2), generated(2));
    EXPECT_TRUE(f.library.LevelNeedsGenerating[5]);
    EXPECT_EQ(f.gen.GenerationLevel, 5);
}

// A level whose run failed and which the player then reached is not
// generated into while it is being played (a retry must meet the same
// puzzle); it is renewed once the player has moved on.
TEST(BackgroundSupply, NeverOverwritesTheLevelBeingPlayed) {
    TestGame game;
    Session& f = game.session();
    SupplyAll(f);
    f.library.LevelNeedsGenerating[5] = true;
    for (std::size_t k = 1; k < f.board.GridB.size(); ++k) f.board.GridB[k].Height = 5;  // every replay fails
    levels::TimerTick(f);
    ASSERT_EQ(f.gen.GenerationLevel, 5);
    ASSERT_FALSE(f.gen.GenerationDone);
    levels::BuildBoardGrid(f);  // replays work again

    const std::vector<int> playing = StoredPieces(f, 5);
    const auto revision = f.library.Revision;
    f.game.CurrentLevel = 5;
    for (int i = 0; i < 5; ++i) levels::TimerTick(f);
    EXPECT_EQ(StoredPieces(f, 5), playing);
    EXPECT_EQ(f.library.Revision, revision);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[5]);

    f.game.CurrentLevel = 6;  // the player moved on
    for (int i = 0; i < 3; ++i) levels::TimerTick(f);
    EXPECT_FALSE(f.library.LevelNeedsGenerating[5]);
    EXPECT_NE(StoredPieces(f, 5), playing);
}

// A library that cannot be written is tried again after 1, 2, 4 ... seconds,
// at most a minute apart, not on every tick; the first success ends the
// waiting. A file removed or replaced from outside is written again within
// about a second; the file in place is never rewritten.
TEST(LibrarySave, BacksOffWhileWritesFailAndRestoresAFileTakenAway) {
    TestGame game;
    Session& f = game.session();
    SupplyAll(f);
    const std::string path = game.data.file("levels.txt");
    const auto tick = [&](int ticks) {
        for (int i = 0; i < ticks; ++i) {
            game.platform.Advance(0.01);
            levels::TimerTick(f);
        }
    };
    const std::string folder = f.DataFolder;
    testing::MakeDataFolderUnwritable(game);  // the file is gone from where the game looks
    // The first failure comes with the next look at the file, the next ones
    // 1, 2 and 4 seconds apart.
    for (int i = 0; i < 200 && f.library.WriteFailures == 0; ++i) tick(1);
    const double firstFailure = game.platform.timeOfDay;
    for (const auto& [seconds, failures] : {std::pair(0.5, 1), {1.5, 2}, {2.5, 2}, {3.5, 3}, {6.5, 3}, {7.5, 4}}) {
        while (game.platform.timeOfDay - firstFailure < seconds) tick(1);
        EXPECT_EQ(f.library.WriteFailures, failures) << seconds << " s after the first failure";
    }
    tick(12000);  // two minutes
    EXPECT_GE(f.library.WriteFailures, 6);
    EXPECT_LE(f.library.WriteFailures, 9);
    EXPECT_EQ(levels::TimerWait(f), levels::kRestingTimerWait);
    testing::UseDataFolder(f, folder);
    tick(6100);
    EXPECT_EQ(f.library.WriteFailures, 0);

    fs::remove(path);
    tick(110);
    ASSERT_TRUE(FileText(path) == levels::LevelLibraryText(f));
    const std::string text = FileText(path);
    { std::ofstream(path + ".old") << text.substr(0, text.size() / 2); }
    fs::rename(path + ".old", path);  // an older library put in its place
    tick(110);
    ASSERT_TRUE(FileText(path) == text);
    const auto written = fs::last_write_time(path);
    tick(300);
    EXPECT_EQ(fs::last_write_time(path), written);
}

// The window timer rests while a tick would change nothing: on the start
// screen with every level supplied and saved, or in play with the clock
// running; the start-up, a level to supply, a clock request or a playback
// give it work.
TEST(TimerRest, OnlyWhenATickWouldChangeNothing) {
    TestGame game(false);
    Session& f = game.session();
    EXPECT_TRUE(levels::TickHasWork(f));  // the start-up
    game.RunStartUp();
    SupplyAll(f);
    levels::TimerTick(f);
    EXPECT_FALSE(levels::TickHasWork(f));
    EXPECT_EQ(levels::TimerWait(f), levels::kRestingTimerWait);
    f.library.LevelPieces(3, 1) = f.library.LevelPieces(3, 2);  // a slot load put back its start layout
    TouchLibrary(f.library);
    EXPECT_TRUE(levels::TickHasWork(f));  // the library to save
    levels::TimerTick(f);
    EXPECT_FALSE(levels::TickHasWork(f));
    f.library.LevelNeedsGenerating[1] = true;  // the level being played: not for the supply
    EXPECT_FALSE(levels::TickHasWork(f));
    for (const ClockState state : {ClockState::FreezeRequested, ClockState::RestoreRequested}) {
        f.clock.State = state;
        EXPECT_TRUE(levels::TickHasWork(f)) << static_cast<int>(state);
    }
    f.clock.State = ClockState::Frozen;
    EXPECT_FALSE(levels::TickHasWork(f));
    f.tasks.PlaybackActive = true;
    EXPECT_TRUE(levels::TickHasWork(f));
    f.tasks.PlaybackActive = false;
    f.library.LevelNeedsGenerating[7] = true;
    EXPECT_TRUE(levels::TickHasWork(f));
    EXPECT_EQ(levels::TimerWait(f), 10);
    for (int ticks = 0; ticks < 50 && levels::TickHasWork(f); ++ticks) levels::TimerTick(f);
    EXPECT_FALSE(levels::TickHasWork(f) || f.library.LevelNeedsGenerating[7]);
    f.game.CurrentLevel = 2;  // the player moved on: level 1 is due
    EXPECT_TRUE(levels::TickHasWork(f));
}

}  // namespace
}  // namespace quib
