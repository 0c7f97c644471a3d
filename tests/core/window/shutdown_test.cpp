// The close request: the clock and the playing time are brought up to date,
// the game's slot, the resume file and the high scores are written, and only
// then is the exit question asked; "No" keeps the game running with every
// file already written, and no failed write ever skips the question.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

const char kQuestion[] = "Quib: Are you sure you want to exit the program?";

void PlayLevelOne(Form1& f) {
    const int cells[] = {100, 101, 148, 149};
    for (int j = 0; j < 4; ++j) f.library.LevelPieces(1, j + 1) = static_cast<std::int16_t>(cells[j]);
    f.library.LevelNeedsGenerating[1] = false;
    f.gen.LevelVerified[1] = true;
    TouchLibrary(f.library);
    game::NewGameMenue_Click(f, 1);
}

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CloseRequest, NoKeepsTheGameRunningWithAllThreeFilesWritten) {
    TestGame game;
    Form1& f = game.form();
    PlayLevelOne(f);
    records::mnusavegame_Click(f, 2);
    std::filesystem::remove(game.data.file("savedgame2.txt"));
    std::filesystem::remove(game.data.file("high.txt"));
    f.game.Score = 42;
    f.high.ScoreLabel[1].Caption = "99";  // a table that differs from the file
    game.platform.answerYes = false;

    EXPECT_TRUE(window::Form_Unload(f));
    EXPECT_EQ(game.platform.questions, std::vector<std::string>{kQuestion});
    EXPECT_FALSE(f.window.Ended);
    EXPECT_EQ(f.clock.ClockState, 3);
    EXPECT_FALSE(f.game.IntroShowing);

    TestGame next(game, true);
    EXPECT_EQ(next->game.Score, 42);
    EXPECT_EQ(next->game.SaveSlot, 2);
    EXPECT_EQ(next->high.ScoreLabel[1].Caption, "99");
    EXPECT_TRUE(next->menu.mnuloadgame[2].Enabled);
}

TEST(CloseRequest, YesClosesTheAboutBoxAndEndsTheProgram) {
    TestGame game;
    Form1& f = game.form();
    f.about.Loaded = true;
    EXPECT_FALSE(window::Form_Unload(f));
    EXPECT_TRUE(f.window.Ended);
    EXPECT_FALSE(f.about.Loaded);
    EXPECT_EQ(game.platform.questions.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(game.data.file("data.txt")));
    EXPECT_TRUE(std::filesystem::exists(game.data.file("high.txt")));
}

TEST(CloseRequest, AFrozenClockIsBroughtUpToDateBeforeTheLevelTimeIsWritten) {
    TestGame game;
    Form1& f = game.form();
    PlayLevelOne(f);
    game.platform.Advance(30);
    window::Form_Resize(f, 1);  // minimised: the next tick freezes the clock at 30 s
    game::ClockTick(f);
    ASSERT_EQ(f.clock.ClockState, 2);
    game.platform.Advance(600);  // ten minutes away
    game.platform.answerYes = false;

    window::Form_Unload(f);
    const auto lines = FileLines(game.data.file("data.txt"));
    ASSERT_GT(lines.size(), 4u);
    EXPECT_NEAR(std::stod(lines[3]), 30.0, 1e-3);
    EXPECT_EQ(f.clock.ClockState, 3);
}

TEST(CloseRequest, PlayTimeIsAddedOnceEvenWhenTheAnswerIsNo) {
    TestGame game;
    Form1& f = game.form();
    PlayLevelOne(f);
    game.platform.answerYes = false;
    game.platform.Advance(75);
    window::Form_Unload(f);
    EXPECT_EQ(f.clock.PlaySeconds, 75);
    EXPECT_EQ(f.clock.PlayMinutes, 1);
    EXPECT_EQ(f.clock.PlaySecs, 15);
    EXPECT_EQ(FileLines(game.data.file("data.txt"))[8], "75");

    game.platform.Advance(10);
    window::Form_Unload(f);
    EXPECT_EQ(f.clock.PlaySeconds, 85);
    EXPECT_EQ(f.clock.PlaySecs, 25);
}

TEST(CloseRequest, NoTimeIsAddedWhileAMessageOrTheTableIsShown) {
    TestGame game;
    Form1& f = game.form();
    PlayLevelOne(f);
    game.platform.answerYes = false;
    f.msg.Ad_Label.Visible = true;
    game.platform.Advance(40);
    window::Form_Unload(f);
    EXPECT_EQ(f.clock.PlaySeconds, 0);

    f.msg.Ad_Label.Visible = false;
    records::mnuHighScores_Click(f);
    window::Form_Unload(f);
    EXPECT_EQ(f.clock.PlaySeconds, 0);
}

TEST(CloseRequest, UnwritableDataFolderStillAsksAndKeepsTheOldFiles) {
    TestGame game;
    Form1& f = game.form();
    PlayLevelOne(f);
    std::ofstream(game.data.file("plain")) << "x";
    f.DataFolder = game.data.file("plain") + "/data/";
    f.game.SaveSlot = 1;
    game.platform.answerYes = false;
    EXPECT_TRUE(window::Form_Unload(f));
    EXPECT_EQ(game.platform.questions.size(), 1u);
    EXPECT_EQ(f.clock.ClockState, 3);
    game.platform.answerYes = true;
    EXPECT_FALSE(window::Form_Unload(f));
    EXPECT_TRUE(f.window.Ended);
    EXPECT_EQ(game.platform.questions.size(), 2u);
}

}  // namespace
}  // namespace quib
