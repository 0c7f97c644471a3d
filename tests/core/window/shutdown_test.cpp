// The close request: the clock and the playing time are brought up to date,
// the game's slot, the resume file and the high scores are written, and only
// then is the exit question asked; "No" keeps the game running with every
// file already written, and no failed write ever skips the question.

#include <filesystem>

#include "core/records/records.h"
#include "core/records/records_test_support.h"
#include "core/window/window.h"

namespace quib {
namespace {

using namespace records_test;
using testing::TestGame;

TEST(CloseRequest, NoKeepsTheGameRunningWithAllThreeFilesWritten) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 1);
    records::mnusavegame_Click(f, 2);
    std::filesystem::remove(game.data.file("savedgame2.txt"));
    std::filesystem::remove(game.data.file("high.txt"));
    f.game.Score = 42;
    f.high.ScoreLabel[1].Caption = "99";
    game.platform.answerYes = false;

    EXPECT_TRUE(window::Form_Unload(f));
    EXPECT_EQ(game.platform.questions,
              std::vector<std::string>{"Quib: Are you sure you want to exit the program?"});
    EXPECT_FALSE(f.window.Ended || f.game.IntroShowing);
    EXPECT_EQ(f.clock.ClockState, 3);

    TestGame next(game, true);
    EXPECT_EQ(next->game.Score, 42);
    EXPECT_EQ(next->game.SaveSlot, 2);
    EXPECT_EQ(next->high.ScoreLabel[1].Caption, "99");
    EXPECT_TRUE(next->menu.mnuloadgame[2].Enabled);

    f.about.Loaded = true;
    game.platform.answerYes = true;
    EXPECT_FALSE(window::Form_Unload(f));
    EXPECT_TRUE(f.window.Ended);
    EXPECT_FALSE(f.about.Loaded);
}

TEST(CloseRequest, AFrozenClockIsBroughtUpToDateBeforeTheLevelTimeIsWritten) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 1);
    game.platform.Advance(30);
    window::Form_Resize(f, 1);  // minimised: the next tick freezes the clock at 30 s
    game::ClockTick(f);
    ASSERT_EQ(f.clock.ClockState, 2);
    game.platform.Advance(600);
    game.platform.answerYes = false;

    window::Form_Unload(f);
    EXPECT_NEAR(std::stod(FileLines(game.data.file("data.txt")).at(3)), 30.0, 1e-3);
}

TEST(CloseRequest, PlayTimeIsAddedOnceEvenWhenTheAnswerIsNo) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 1);
    game.platform.answerYes = false;
    game.platform.Advance(75);
    window::Form_Unload(f);
    EXPECT_EQ(f.clock.PlayMinutes, 1);
    EXPECT_EQ(f.clock.PlaySecs, 15);
    EXPECT_EQ(FileLines(game.data.file("data.txt")).at(8), "75");

    game.platform.Advance(10);
    window::Form_Unload(f);
    EXPECT_EQ(f.clock.PlaySeconds, 85);

    f.msg.Ad_Label.Visible = true;  // a message on the board: no time is added
    game.platform.Advance(40);
    window::Form_Unload(f);
    EXPECT_EQ(f.clock.PlaySeconds, 85);
}

TEST(CloseRequest, AnUnwritableDataFolderStillGetsItsQuestion) {
    TestGame game;
    PlayLevel(game.form(), 1, 1);
    records::mnusavegame_Click(game.form(), 1);
    MakeDataFolderUnwritable(game);
    game.platform.answerYes = false;
    EXPECT_TRUE(window::Form_Unload(game.form()));
    EXPECT_EQ(game->clock.ClockState, 3);
    game.platform.answerYes = true;
    EXPECT_FALSE(window::Form_Unload(game.form()));
    EXPECT_EQ(game.platform.questions.size(), 2u);
}

}  // namespace
}  // namespace quib
