// The high-score table: a finished game takes the row its score and time
// earn (higher score first, then the shorter time, a tie below), the name
// entry fills that row, the table survives in "high.txt" (a damaged file is
// replaced by a cleared one), and showing and hiding the table over the
// board gives back exactly what it covered.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "core/records/records.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

std::string Name(const Form1& f, int row) { return f.high.NamesLabel[static_cast<std::size_t>(row)].Caption; }
std::string ScoreText(const Form1& f, int row) { return f.high.ScoreLabel[static_cast<std::size_t>(row)].Caption; }
std::string TimeText(const Form1& f, int row) { return f.high.TimeLabel[static_cast<std::size_t>(row)].Caption; }
std::int64_t Seconds(const Form1& f, int row) { return f.high.HighScoreSeconds[static_cast<std::size_t>(row)]; }

// A game that ended with this score and time, entered under this name.
void FinishGame(Form1& f, std::int32_t score, std::int64_t seconds, const std::string& name) {
    f.game.Score = score;
    f.clock.PlaySeconds = seconds;
    f.high.NewScoreRank = 0;
    records::InsertHighScore(f);
    if (f.high.NewScoreRank > 0) {
        f.msg.NameInput.Visible = true;
        f.msg.Command1.Visible = true;
        f.msg.NameInput.Text = name;
        records::Command1_Click(f);
        records::HighLabel_Click(f);
    }
}

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void ExpectClearedTable(const Form1& f) {
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(Name(f, i), "");
        EXPECT_EQ(ScoreText(f, i), "0");
        EXPECT_EQ(TimeText(f, i), "");
        EXPECT_EQ(Seconds(f, i), 0);
    }
}

// Frogs on three cells of the board, placed by the level start.
void PlayALevel(Form1& f) {
    const int cells[] = {100, 101, 150, 200};
    for (int j = 0; j < 4; ++j) f.library.LevelPieces(1, j + 1) = static_cast<std::int16_t>(cells[j]);
    f.library.LevelNeedsGenerating[1] = false;
    f.gen.LevelVerified[1] = true;
    TouchLibrary(f.library);
    game::NewGameMenue_Click(f, 1);
}

TEST(PlayTimeText, HoursMinutesSecondsWithoutLeadingZeros) {
    EXPECT_EQ(records::FormatPlayTime(3903), "1:5:3");
    EXPECT_EQ(records::FormatPlayTime(59), "0:0:59");
    EXPECT_EQ(records::FormatPlayTime(60), "0:1:0");
    EXPECT_EQ(records::FormatPlayTime(3600), "1:0:0");
    EXPECT_EQ(records::FormatPlayTime(40000), "11:6:40");
    EXPECT_EQ(records::FormatPlayTime(0), "0:0:0");
}

TEST(HighScoreTable, FirstRunBuildsAClearedTableAndWritesItsFile) {
    TestGame game;
    const Form1& f = game.form();
    ExpectClearedTable(f);
    EXPECT_EQ(f.high.HighLabel.Caption, "High Scores");
    EXPECT_EQ(f.high.HighLabel.Left, 0);
    EXPECT_EQ(f.high.HighLabel.Top, 1);
    EXPECT_EQ(f.high.NamesLabel[0].Caption, "Name");
    EXPECT_EQ(f.high.ScoreLabel[0].Caption, "Score");
    EXPECT_EQ(f.high.TimeLabel[0].Caption, "Time");
    for (std::size_t i = 0; i <= 10; ++i) {
        EXPECT_EQ(f.high.NamesLabel[i].Left, 25);
        EXPECT_EQ(f.high.ScoreLabel[i].Left, 455);
        EXPECT_EQ(f.high.TimeLabel[i].Left, 602);
        EXPECT_EQ(f.high.NamesLabel[i].Top, 40 + 40 * static_cast<int>(i));
        EXPECT_EQ(f.high.TimeLabel[i].Top, 40 + 40 * static_cast<int>(i));
        EXPECT_FALSE(f.high.ScoreLabel[i].Visible);
    }
    EXPECT_FALSE(f.high.HighLabel.Visible);
    const auto lines = FileLines(game.data.file("high.txt"));
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], "\"\"");
    EXPECT_EQ(lines[1], "\"0\"");  // the score is stored as text
    EXPECT_EQ(lines[2], "0");
}

TEST(HighScoreRanking, WrittenExampleTakesRowThreeAndPushesTheRestDown) {
    TestGame game;
    Form1& f = game.form();
    FinishGame(f, 500, 100, "A");
    FinishGame(f, 400, 90, "B");
    FinishGame(f, 400, 120, "C");
    FinishGame(f, 300, 80, "D");
    for (int k = 0; k < 6; ++k) FinishGame(f, 200 - k, 50, "E" + std::to_string(k));
    ASSERT_EQ(Name(f, 10), "E5");

    f.game.Score = 400;
    f.clock.PlaySeconds = 100;
    f.high.NewScoreRank = 0;
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 3);
    EXPECT_EQ(Name(f, 2), "B");
    EXPECT_EQ(Name(f, 3), "Anonymous");
    EXPECT_EQ(ScoreText(f, 3), "400");
    EXPECT_EQ(TimeText(f, 3), "0:1:40");
    EXPECT_EQ(Seconds(f, 3), 100);
    EXPECT_EQ(Name(f, 4), "C");
    EXPECT_EQ(Seconds(f, 4), 120);
    EXPECT_EQ(TimeText(f, 4), "0:2:0");
    EXPECT_EQ(Name(f, 5), "D");
    EXPECT_EQ(Name(f, 10), "E4");  // the old tenth is gone
    // The game's time parts now show the game's total.
    EXPECT_EQ(f.clock.PlayHours, 0);
    EXPECT_EQ(f.clock.PlayMinutes, 1);
    EXPECT_EQ(f.clock.PlaySecs, 40);
}

TEST(HighScoreRanking, TiesGoBelowAndAFullTableRefusesALowerScore) {
    TestGame game;
    Form1& f = game.form();
    for (int k = 0; k < 10; ++k) FinishGame(f, 1000 - 10 * k, 60, "P" + std::to_string(k));
    f.game.Score = 990;
    f.clock.PlaySeconds = 60;
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 3);  // same score and time as row 2: below it
    EXPECT_EQ(Name(f, 2), "P1");

    f.game.Score = 900;  // below the tenth (910)
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 0);
    EXPECT_EQ(ScoreText(f, 10), "920");

    f.game.Score = 920;
    f.clock.PlaySeconds = 59;  // same score as the tenth but faster
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 10);
}

TEST(HighScoreRanking, LongGamesKeepTheirWholeTimeWhenMovedDownAndWritten) {
    TestGame game;
    Form1& f = game.form();
    FinishGame(f, 800, 40000, "Long");
    FinishGame(f, 900, 30, "Short");
    EXPECT_EQ(Name(f, 2), "Long");
    EXPECT_EQ(Seconds(f, 2), 40000);
    EXPECT_EQ(TimeText(f, 2), "11:6:40");
    ASSERT_TRUE(records::WriteHighScores(f));

    TestGame next(game, true);
    EXPECT_EQ(Name(next.form(), 1), "Short");
    EXPECT_EQ(Name(next.form(), 2), "Long");
    EXPECT_EQ(Seconds(next.form(), 2), 40000);
    EXPECT_EQ(TimeText(next.form(), 2), "11:6:40");
    EXPECT_EQ(ScoreText(next.form(), 2), "800");
}

TEST(HighScoreRanking, RowsWithoutANumberCountAsFree) {
    TestGame game(false);
    std::string text = "\"X\",\"\",5\n";  // a first row whose score is empty text
    for (int i = 2; i <= 10; ++i) text += "\"Y\",\"5000\",5\n";
    WriteText(game.data.file("high.txt"), text);
    game.RunStartUp();
    EXPECT_EQ(Name(game.form(), 1), "X");
    EXPECT_EQ(ScoreText(game.form(), 2), "5000");
    game->game.Score = 1;
    game->clock.PlaySeconds = 999;
    records::InsertHighScore(game.form());
    EXPECT_EQ(game->high.NewScoreRank, 1);
}

TEST(HighScoreNameEntry, EnterStoresTheNameHidesTheBoxAndShowsTheTable) {
    TestGame game;
    Form1& f = game.form();
    EXPECT_EQ(f.msg.NameInput.Text, "Anonymous");
    f.game.Score = 50;
    f.clock.PlaySeconds = 10;
    records::InsertHighScore(f);
    ASSERT_EQ(f.high.NewScoreRank, 1);
    EXPECT_EQ(Name(f, 1), "Anonymous");
    f.msg.NameInput.Visible = f.msg.Command1.Visible = true;
    f.msg.Label1.Visible = f.msg.RoundOverLabel.Visible = f.msg.Ad_Label.Visible = true;
    f.menu.mnuHighScores.Enabled = false;

    f.msg.NameInput.Text = "Kim";
    records::NameInput_KeyPress(f, 'K');  // an ordinary key changes nothing
    EXPECT_EQ(Name(f, 1), "Anonymous");
    EXPECT_TRUE(f.msg.NameInput.Visible);

    records::NameInput_KeyPress(f, 13);
    EXPECT_EQ(Name(f, 1), "Kim");
    EXPECT_FALSE(f.msg.NameInput.Visible);
    EXPECT_FALSE(f.msg.Command1.Visible);
    EXPECT_FALSE(f.msg.Label1.Visible);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(f.msg.Ad_Label.Visible);
    EXPECT_TRUE(f.menu.mnuHighScores.Enabled);
    EXPECT_TRUE(f.high.HighLabel.Visible);
    EXPECT_TRUE(f.high.NamesLabel[1].Visible);
}

TEST(HighScoreNameEntry, NothingHappensWithoutARank) {
    TestGame game;
    Form1& f = game.form();
    f.high.NewScoreRank = 0;
    f.msg.NameInput.Visible = true;
    f.msg.NameInput.Text = "Nobody";
    records::Command1_Click(f);
    EXPECT_TRUE(f.msg.NameInput.Visible);
    EXPECT_FALSE(f.high.HighLabel.Visible);
    EXPECT_EQ(Name(f, 1), "");
}

TEST(HighScoreFile, NamesWithQuotesAndCommasDoNotSpoilTheFile) {
    TestGame game;
    Form1& f = game.form();
    FinishGame(f, 300, 30, "Jo, \"Frog\" King");
    FinishGame(f, 200, 20, "Second");
    ASSERT_TRUE(records::WriteHighScores(f));
    TestGame next(game, true);
    EXPECT_EQ(Name(next.form(), 1), "Jo, 'Frog' King");
    EXPECT_EQ(Name(next.form(), 2), "Second");
    EXPECT_EQ(ScoreText(next.form(), 2), "200");
}

TEST(HighScoreFile, DamagedFilesClearTheTableAndAreWrittenAfresh) {
    // A good file, cut at every item boundary, and damaged in other ways.
    TestGame source;
    for (int k = 0; k < 10; ++k) FinishGame(source.form(), 100 + k, 10 + k, "N" + std::to_string(k));
    ASSERT_TRUE(records::WriteHighScores(source.form()));
    const auto lines = FileLines(source.data.file("high.txt"));
    ASSERT_EQ(lines.size(), 30u);

    std::vector<std::string> texts;
    for (std::size_t cut = 0; cut < lines.size(); ++cut) {
        std::string text;
        for (std::size_t i = 0; i < cut; ++i) text += lines[i] + "\n";
        texts.push_back(text);
    }
    texts.push_back(std::string("\xff\xfe\0garbage", 10));
    texts.push_back("\"unterminated");
    std::string negative, huge, fraction;
    for (int i = 1; i <= 10; ++i) {
        negative += "\"a\",\"1\"," + std::string(i == 4 ? "-5" : "5") + "\n";
        huge += "\"a\",\"1\"," + std::string(i == 7 ? "99999999999" : "5") + "\n";
        fraction += "\"a\",\"1\"," + std::string(i == 10 ? "5.5" : "5") + "\n";
    }
    texts.push_back(negative);
    texts.push_back(huge);
    texts.push_back(fraction);

    for (std::size_t t = 0; t < texts.size(); ++t) {
        SCOPED_TRACE("damaged file " + std::to_string(t));
        TestGame game(false);
        WriteText(game.data.file("high.txt"), texts[t]);
        game.RunStartUp();
        ExpectClearedTable(game.form());
        const auto rewritten = FileLines(game.data.file("high.txt"));
        ASSERT_EQ(rewritten.size(), 30u);
        EXPECT_EQ(rewritten[0], "\"\"");
    }
}

TEST(HighScoreFile, AFailedWriteKeepsTheOldFileAndTheTable) {
    TestGame game;
    Form1& f = game.form();
    FinishGame(f, 300, 30, "Kept");
    std::ofstream(game.data.file("plain")) << "x";
    f.DataFolder = game.data.file("plain") + "/data/";
    EXPECT_FALSE(records::WriteHighScores(f));
    EXPECT_EQ(Name(f, 1), "Kept");
}

TEST(HighScoreDisplay, OpeningDuringPlayCoversTheBoardAndClosingGivesItBack) {
    TestGame game;
    Form1& f = game.form();
    PlayALevel(f);
    board::Frog_Click(f, 1);  // select a frog
    ASSERT_GT(f.board.SelectedFrog, 0);
    ASSERT_TRUE(f.board.HighLight.Visible);
    f.clock.ClockState = 0;

    records::mnuHighScores_Click(f);
    EXPECT_TRUE(f.high.HighLabel.Visible);
    EXPECT_TRUE(f.high.TimeLabel[10].Visible);
    EXPECT_EQ(f.clock.ClockState, 1);
    EXPECT_FALSE(f.board.HighLight.Visible);
    for (std::size_t i = 1; i < f.board.Frog.size(); ++i) EXPECT_FALSE(f.board.Frog[i].Visible);
    for (std::size_t i = 1; i < f.board.Grid.size(); ++i) ASSERT_FALSE(f.board.Grid[i].Visible);

    records::NamesLabel_Click(f, 4);
    EXPECT_FALSE(f.high.HighLabel.Visible);
    EXPECT_FALSE(f.high.NamesLabel[4].Visible);
    EXPECT_TRUE(f.board.HighLight.Visible);
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r)
        EXPECT_TRUE(f.board.Frog[static_cast<std::size_t>(board::FindPicture(f.board, static_cast<int>(r)))].Visible);
    for (std::size_t i = 1; i < f.board.Grid.size(); ++i) ASSERT_TRUE(f.board.Grid[i].Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
    EXPECT_FALSE(f.game.IntroShowing);
}

TEST(HighScoreDisplay, AMessageOnTheBoardComesBackAndTheClockStaysFrozen) {
    TestGame game;
    Form1& f = game.form();
    PlayALevel(f);
    // The only jump leaves three frogs apart: the round is over.
    board::Frog_Click(f, 1);
    board::ClickCell(f, 102);
    ASSERT_TRUE(f.msg.Label1.Visible);
    ASSERT_TRUE(f.msg.RoundOverLabel.Visible);
    records::mnuHighScores_Click(f);
    EXPECT_FALSE(f.msg.Label1.Visible);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    records::mnuHighScores_Click(f);  // chosen again while showing: the memory stays
    records::ScoreLabel_Click(f, 0);
    EXPECT_TRUE(f.msg.Label1.Visible);
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(f.msg.Ad_Label.Visible);  // the message line follows the level-completed title
    EXPECT_NE(f.clock.ClockState, 3);
    for (std::size_t i = 1; i < f.board.Frog.size(); ++i) EXPECT_FALSE(f.board.Frog[i].Visible);
}

TEST(HighScoreDisplay, ThePauseNoticeComesBack) {
    TestGame game;
    Form1& f = game.form();
    PlayALevel(f);
    f.msg.PausedLabel.Visible = true;
    records::mnuHighScores_Click(f);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_TRUE(f.clock.WasPaused);
    records::HighLabel_Click(f);
    EXPECT_TRUE(f.msg.PausedLabel.Visible);
    for (std::size_t i = 1; i < f.board.Frog.size(); ++i) EXPECT_FALSE(f.board.Frog[i].Visible);
}

TEST(HighScoreDisplay, ClosingAfterTheLastTryReturnsToTheStartScreen) {
    TestGame game;
    Form1& f = game.form();
    PlayALevel(f);
    f.game.CurrentLevel = 7;
    f.game.TryNumber = 10;
    f.menu.mnuQuit.Enabled = f.menu.mnusave.Enabled = true;
    records::mnuHighScores_Click(f);
    records::HighLabel_Click(f);
    EXPECT_TRUE(f.intro.Visible);
    EXPECT_TRUE(f.game.IntroShowing);
    EXPECT_EQ(f.game.CurrentLevel, 1);
    EXPECT_EQ(f.game.TryNumber, 0);
    EXPECT_EQ(f.game.LevelTries, 0);
    EXPECT_EQ(f.window.Caption, " QUIB   ");
    EXPECT_FALSE(f.menu.mnuQuit.Enabled);
    EXPECT_FALSE(f.menu.mnusave.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);  // not resumed
}

TEST(HighScoreDisplay, AllLevelsSolvedInPracticeBringsTheBoardBack) {
    TestGame game;
    Form1& f = game.form();
    PlayALevel(f);
    f.game.ModeIndex = 4;
    f.game.CurrentLevel = 201;
    records::mnuHighScores_Click(f);
    records::HighLabel_Click(f);
    EXPECT_FALSE(f.intro.Visible);
    EXPECT_FALSE(f.game.IntroShowing);
    EXPECT_EQ(f.game.CurrentLevel, 201);
    EXPECT_TRUE(f.board.Frog[1].Visible);

    f.game.ModeIndex = 1;  // the same in Easy ends the game
    records::mnuHighScores_Click(f);
    records::HighLabel_Click(f);
    EXPECT_TRUE(f.intro.Visible);
    EXPECT_EQ(f.game.CurrentLevel, 1);
}

TEST(HighScoreDisplay, LookingFromTheStartScreenKeepsTheGameOnOffer) {
    TestGame first;
    PlayALevel(first.form());
    first->game.CurrentLevel = 5;
    first->game.TryNumber = 3;
    ASSERT_TRUE(records::WriteDataFile(first.form()));
    ASSERT_TRUE(levels::WriteLevelLibrary(first.form()));

    TestGame game(first, true);
    Form1& f = game.form();
    ASSERT_TRUE(f.intro.CommandLabel2.Visible);
    records::mnuHighScores_Click(f);
    EXPECT_FALSE(f.intro.Visible);
    records::HighLabel_Click(f);
    EXPECT_TRUE(f.intro.Visible);
    EXPECT_TRUE(f.game.IntroShowing);
    EXPECT_TRUE(f.intro.CommandLabel2.Visible);
    EXPECT_EQ(f.game.TryNumber, 3);
    EXPECT_EQ(f.game.LevelTries, 1);
    game::CommandLabel2_Click(f);
    EXPECT_EQ(f.game.CurrentLevel, 5);

    // Practice from the start screen: the start screen, not an empty board.
    TestGame practice;
    practice->game.ModeIndex = 4;
    records::mnuHighScores_Click(practice.form());
    records::HighLabel_Click(practice.form());
    EXPECT_TRUE(practice->intro.Visible);
    EXPECT_TRUE(practice->game.IntroShowing);
}

}  // namespace
}  // namespace quib
