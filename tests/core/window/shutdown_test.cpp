// The close request: the clock and the playing time are brought up to date,
// the game's slot, the resume file and the high scores are written, and only
// then is the exit question asked; "No" keeps the game running with every
// file already written, and no failed write ever skips the question.

#include <filesystem>

#include "core/records/records.h"
#include "core/window/window.h"
#include "core/records/storage.h"
#include "support/memory_storage.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

TEST(CloseRequest, NoKeepsTheGameRunningWithAllThreeFilesWrittenEvenWhenTheyCannotBe) {
    TestGame game;
    Session& f = game.session();
    PlayLevel(f, 1, 1);
    records::SaveToSlot(f, 2);
    std::filesystem::remove(game.data.file("savedgame2.txt"));
    std::filesystem::remove(game.data.file("high.txt"));
    f.game.Score = 42;
    f.high.ScoreLabel[1].Caption = "99";
    game.platform.answerYes = false;

    EXPECT_TRUE(window::RequestClose(f));
    EXPECT_EQ(game.platform.questions, std::vector<std::string>{"Quib: Are you sure you want to exit the program?"});
    EXPECT_FALSE(f.window.Ended || game::StartScreenUp(f));
    EXPECT_EQ(f.clock.State, ClockState::RestoreRequested);
    TestGame next(game, true);
    EXPECT_EQ(std::tuple(next->game.Score, next->game.SaveSlot, next->high.ScoreLabel[1].Caption,
                         next->menu.LoadSlotEntries[2].Enabled),
              std::tuple(42, 2, "99", true));

    MakeDataFolderUnwritable(game);
    f.clock.State = ClockState::Running;
    EXPECT_TRUE(window::RequestClose(f));
    EXPECT_EQ(f.clock.State, ClockState::RestoreRequested);
    f.about.Loaded = true;
    game.platform.answerYes = true;
    EXPECT_FALSE(window::RequestClose(f));
    EXPECT_TRUE(f.window.Ended && !f.about.Loaded);
    EXPECT_EQ(game.platform.questions.size(), 3u);
}

// Another copy of the game holds the folder now at the data folder's place:
// the close writes nothing and tells the player, naming the folder, why.
TEST(CloseRequest, AFolderAnotherCopyTookOverIsNamedAndNothingIsWritten) {
    TestGame game;
    Session& f = game.session();
    PlayLevel(f, 1, 1);
    auto storage = std::make_shared<MemoryStorage>(f.DataFolder);
    storage->RefuseWrites(records::kFolderTakenOver);
    f.storage = storage;
    game.platform.answerYes = true;
    EXPECT_FALSE(window::RequestClose(f));
    ASSERT_EQ(game.platform.infos.size(), 1u);
    EXPECT_EQ(game.platform.infos[0],
              "Quib could not save your game: in " + f.DataFolder +
                  ", data.txt could not be written (the folder was moved or removed while the game ran, and "
                  "another copy of Quib uses the folder at that place now, so nothing was written there); high.txt "
                  "could not be written (the folder was moved or removed while the game ran, and another copy of "
                  "Quib uses the folder at that place now, so nothing was written there). What this session "
                  "changed there is not kept.");
    EXPECT_FALSE(storage->Get("data.txt") || storage->Get("high.txt"));
}

TEST(CloseRequest, AFrozenClockIsBroughtUpToDateBeforeTheLevelTimeIsWritten) {
    TestGame game;
    Session& f = game.session();
    PlayLevel(f, 1, 1);
    game.platform.Advance(30);
    window::ChangeWindowState(f, WindowState::Minimised);  // minimised: the next tick freezes the clock at 30 s
    game::ClockTick(f);
    ASSERT_EQ(f.clock.State, ClockState::Frozen);
    game.platform.Advance(600);
    game.platform.answerYes = false;
    window::RequestClose(f);
    EXPECT_NEAR(std::stod(FileLines(game.data.file("data.txt")).at(3)), 30.0, 1e-3);
}

// 59 min 50 s of level time and 15 s more since the session started give
// 1:0:5; a second close adds only the time since the first.
TEST(CloseRequest, PlayTimeIsAddedOnceEvenWhenTheAnswerIsNo) {
    TestGame game;
    Session& f = game.session();
    PlayLevel(f, 1, 1);
    f.clock.PlayMinutes = 59;
    f.clock.PlaySecs = 50;
    f.clock.PlaySeconds = 3590;
    game.platform.answerYes = false;
    game.platform.Advance(15);
    window::RequestClose(f);
    EXPECT_EQ(std::tuple(f.clock.PlayHours, f.clock.PlayMinutes, f.clock.PlaySecs), std::tuple(1, 0, 5));
    EXPECT_EQ(FileLines(game.data.file("data.txt")).at(8), "3605");

    game.platform.Advance(10);
    window::RequestClose(f);
    EXPECT_EQ(f.clock.PlaySeconds, 3615);
    records::ShowHighScores(f);  // the table over the board: no time is added
    game.platform.Advance(40);
    window::RequestClose(f);
    EXPECT_EQ(f.clock.PlaySeconds, 3615);
}

// Only time with a level in play counts: not the start screen before
// "Continue" or at a close, not the high-score table opened from it, not
// the time spent minimised, over the table or over the board.
TEST(CloseRequest, OnlyTimeWithALevelInPlayCounts) {
    TestGame first;
    PlayLevel(first.session(), 1, 3);
    first.platform.Advance(100);
    window::RequestClose(first.session());

    TestGame second(first, true);
    second.platform.Advance(600);
    window::RequestClose(second.session());
    EXPECT_EQ(FileLines(first.data.file("data.txt")).at(8), "100");

    TestGame third(first, true);
    Session& f = third.session();
    third.platform.Advance(600);
    records::ShowHighScores(f);
    third.platform.Advance(600);
    records::CloseHighScores(f);
    game::ContinueGame(f);
    third.platform.Advance(40);
    records::ShowHighScores(f);
    window::ChangeWindowState(f, WindowState::Minimised);
    third.platform.Advance(600);
    window::ChangeWindowState(f, WindowState::Normal);
    records::CloseHighScores(f);
    third.platform.Advance(5);
    window::ChangeWindowState(f, WindowState::Minimised);
    third.platform.Advance(600);
    window::RequestClose(f);
    EXPECT_EQ(std::tuple(f.clock.PlaySeconds, f.clock.PlayMinutes, f.clock.PlaySecs), std::tuple(145, 2, 25));
}

}  // namespace
}  // namespace quib
