// The high-score table: a finished game takes the row its score and time
// earn (higher score first, then the shorter time, a tie below), the name
// entry fills that row, the table survives in "high.txt" (a damaged file is
// replaced by a cleared one), and showing and hiding the table over the
// board gives back exactly what it covered.

#include "core/levels/levels.h"
#include "core/records/records.h"
#include "records_test_support.h"

namespace quib {
namespace {

using namespace records_test;
using testing::TestGame;

struct Row {
    std::string name, score, time;
    std::int64_t seconds;
    bool operator==(const Row&) const = default;
};

Row RowOf(const Form1& f, int i) {
    const auto k = static_cast<std::size_t>(i);
    return {f.high.NamesLabel[k].Caption, f.high.ScoreLabel[k].Caption, f.high.TimeLabel[k].Caption,
            f.high.HighScoreSeconds[k]};
}

// A game that ended with this score and time, its name entered with Enter.
void FinishGame(Form1& f, std::int32_t score, std::int64_t seconds, const std::string& name) {
    f.game.Score = score;
    f.clock.PlaySeconds = seconds;
    f.high.NewScoreRank = 0;
    records::InsertHighScore(f);
    if (f.high.NewScoreRank == 0) return;
    f.msg.NameInput.Text = name;
    records::NameInput_KeyPress(f, 13);
    records::HighLabel_Click(f);
}

void ExpectClearedTable(const Form1& f) {
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(RowOf(f, i), (Row{"", "0", "", 0})) << "row " << i;
}

TEST(HighScoreTable, TimesAreShownWithoutLeadingZeros) {
    EXPECT_EQ(records::FormatPlayTime(3903), "1:5:3");
    EXPECT_EQ(records::FormatPlayTime(59), "0:0:59");
    EXPECT_EQ(records::FormatPlayTime(3600), "1:0:0");
    EXPECT_EQ(records::FormatPlayTime(40000), "11:6:40");
}

TEST(HighScoreTable, FirstRunBuildsAClearedTableAndWritesItsFile) {
    TestGame game;
    const Form1& f = game.form();
    ExpectClearedTable(f);
    EXPECT_EQ(f.high.HighLabel.Caption, "High Scores");
    EXPECT_EQ(f.high.TimeLabel[0].Caption, "Time");
    EXPECT_EQ(f.high.ScoreLabel[10].Left, 455);
    EXPECT_EQ(f.high.NamesLabel[10].Top, 440);
    EXPECT_FALSE(f.high.NamesLabel[3].Visible);
    const auto lines = FileLines(game.data.file("high.txt"));
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[1], "\"0\"");  // the score is stored as text
}

TEST(HighScoreRanking, WrittenExampleTakesRowThreeAndPushesTheRestDown) {
    TestGame game;
    Form1& f = game.form();
    FinishGame(f, 500, 100, "A");
    FinishGame(f, 400, 90, "B");
    FinishGame(f, 400, 120, "C");
    FinishGame(f, 300, 80, "D");
    for (int k = 0; k < 6; ++k) FinishGame(f, 200 - k, 50, "E" + std::to_string(k));
    ASSERT_EQ(RowOf(f, 10).name, "E5");

    f.game.Score = 400;
    f.clock.PlaySeconds = 100;
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 3);
    EXPECT_EQ(RowOf(f, 2).name, "B");
    EXPECT_EQ(RowOf(f, 3), (Row{"Anonymous", "400", "0:1:40", 100}));
    EXPECT_EQ(RowOf(f, 4), (Row{"C", "400", "0:2:0", 120}));
    EXPECT_EQ(RowOf(f, 5).name, "D");
    EXPECT_EQ(RowOf(f, 10).name, "E4");  // the old tenth is gone
    EXPECT_EQ(f.clock.PlayMinutes, 1);   // the game's time parts show its total
    EXPECT_EQ(f.clock.PlaySecs, 40);
}

TEST(HighScoreRanking, TiesGoBelowAndLongTimesMoveDownWhole) {
    TestGame game;
    Form1& f = game.form();
    FinishGame(f, 800, 40000, "Long");
    for (int k = 0; k < 9; ++k) FinishGame(f, 1000 - 10 * k, 60, "P" + std::to_string(k));
    EXPECT_EQ(RowOf(f, 10), (Row{"Long", "800", "11:6:40", 40000}));
    f.game.Score = 990;
    f.clock.PlaySeconds = 60;
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 3);  // same score and time as row 2: below it
    f.game.Score = 800;
    f.clock.PlaySeconds = 40000;
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 0);  // ties with the tenth: no place
}

TEST(HighScoreNameEntry, EnterStoresTheNameHidesTheBoxAndShowsTheTable) {
    TestGame game;
    Form1& f = game.form();
    EXPECT_EQ(f.msg.NameInput.Text, "Anonymous");
    records::Command1_Click(f);  // no rank yet: nothing happens
    EXPECT_FALSE(f.high.HighLabel.Visible);

    f.game.Score = 50;
    records::InsertHighScore(f);
    ASSERT_EQ(f.high.NewScoreRank, 1);
    f.msg.NameInput.Visible = f.msg.Command1.Visible = f.msg.Label1.Visible = f.msg.RoundOverLabel.Visible = true;
    f.menu.mnuHighScores.Enabled = false;
    f.msg.NameInput.Text = "Kim";
    records::NameInput_KeyPress(f, 'K');
    EXPECT_EQ(RowOf(f, 1).name, "Anonymous");
    records::NameInput_KeyPress(f, 13);
    EXPECT_EQ(RowOf(f, 1).name, "Kim");
    EXPECT_FALSE(f.msg.NameInput.Visible || f.msg.Command1.Visible || f.msg.Label1.Visible ||
                 f.msg.RoundOverLabel.Visible);
    EXPECT_TRUE(f.menu.mnuHighScores.Enabled);
    EXPECT_TRUE(f.high.HighLabel.Visible && f.high.NamesLabel[1].Visible);
}

TEST(HighScoreFile, TheTableComesBackInTheNextRunQuotesAndAll) {
    TestGame game;
    FinishGame(game.form(), 300, 40000, "Jo, \"Frog\" King");
    FinishGame(game.form(), 200, 20, "Second");
    ASSERT_TRUE(records::WriteHighScores(game.form()));
    TestGame next(game, true);
    EXPECT_EQ(RowOf(next.form(), 1), (Row{"Jo, 'Frog' King", "300", "11:6:40", 40000}));
    EXPECT_EQ(RowOf(next.form(), 2), RowOf(game.form(), 2));
    EXPECT_EQ(RowOf(next.form(), 3), (Row{"", "0", "0:0:0", 0}));
}

TEST(HighScoreFile, DamagedFilesClearTheTableAndAreWrittenAfresh) {
    TestGame source;
    for (int k = 0; k < 10; ++k) FinishGame(source.form(), 100 + k, 10 + k, "N" + std::to_string(k));
    ASSERT_TRUE(records::WriteHighScores(source.form()));
    const auto lines = FileLines(source.data.file("high.txt"));
    std::vector<std::vector<std::string>> files;
    for (std::size_t cut = 0; cut < lines.size(); ++cut) files.emplace_back(lines.begin(), lines.begin() + static_cast<long>(cut));
    for (const char* seconds : {"-5", "99999999999", "5.5", "x"}) {
        files.push_back(lines);
        files.back()[29] = seconds;
    }
    files.push_back({std::string("\xff\xfe\0garbage", 10)});
    files.push_back({"\"unterminated"});

    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE("damaged file " + std::to_string(k));
        TestGame game(false);
        WriteLines(game.data.file("high.txt"), files[k]);
        game.RunStartUp();
        ExpectClearedTable(game.form());
        EXPECT_EQ(FileLines(game.data.file("high.txt")).size(), 30u);
    }
}

TEST(HighScoreFile, RowsWithoutANumberCountAsFreeAndAFailedWriteKeepsTheTable) {
    TestGame game(false);
    std::vector<std::string> lines = {"\"X\"", "\"\"", "5"};  // a first row whose score is empty text
    for (int i = 2; i <= 10; ++i) lines.insert(lines.end(), {"\"Y\"", "\"5000\"", "5"});
    WriteLines(game.data.file("high.txt"), lines);
    game.RunStartUp();
    EXPECT_EQ(RowOf(game.form(), 1).name, "X");
    game->game.Score = 1;
    records::InsertHighScore(game.form());
    EXPECT_EQ(game->high.NewScoreRank, 1);
    MakeDataFolderUnwritable(game);
    EXPECT_FALSE(records::WriteHighScores(game.form()));
    EXPECT_EQ(RowOf(game.form(), 2).name, "X");
}

TEST(HighScoreDisplay, OpeningDuringPlayCoversTheBoardAndClosingGivesItBack) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 1);
    board::Frog_Click(f, 1);
    ASSERT_TRUE(f.board.SelectedFrog > 0 && f.board.HighLight.Visible);

    records::mnuHighScores_Click(f);
    EXPECT_TRUE(f.high.HighLabel.Visible && f.high.TimeLabel[10].Visible);
    EXPECT_EQ(f.clock.ClockState, 1);
    EXPECT_FALSE(f.board.HighLight.Visible || f.board.Frog[1].Visible || f.board.Grid[50].Visible);

    records::NamesLabel_Click(f, 4);
    EXPECT_FALSE(f.high.HighLabel.Visible || f.high.NamesLabel[4].Visible);
    EXPECT_TRUE(f.board.HighLight.Visible && f.board.Grid[50].Visible);
    for (std::size_t i = 1; i < f.board.Frog.size(); ++i) EXPECT_TRUE(f.board.Frog[i].Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
}

TEST(HighScoreDisplay, MessagesAndThePauseComeBackWithTheClockStillFrozen) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 1);
    JumpFirstFrog(f);
    board::Frog_Click(f, board::FindPicture(f.board, f.board.Grid[148].Tag));
    board::ClickCell(f, 150);  // the last jump leaves two frogs apart: round over
    ASSERT_TRUE(f.msg.Label1.Visible && f.msg.RoundOverLabel.Visible);
    records::mnuHighScores_Click(f);
    EXPECT_FALSE(f.msg.Label1.Visible || f.msg.RoundOverLabel.Visible);
    records::mnuHighScores_Click(f);  // chosen again while showing: the memory stays
    records::ScoreLabel_Click(f, 0);
    EXPECT_TRUE(f.msg.Label1.Visible && f.msg.RoundOverLabel.Visible);
    EXPECT_NE(f.clock.ClockState, 3);
    EXPECT_FALSE(f.board.Frog[1].Visible);

    TestGame paused;
    PlayLevel(paused.form(), 1, 1);
    paused->msg.PausedLabel.Visible = true;
    records::mnuHighScores_Click(paused.form());
    EXPECT_TRUE(paused->clock.WasPaused);
    EXPECT_FALSE(paused->msg.PausedLabel.Visible);
    records::HighLabel_Click(paused.form());
    EXPECT_TRUE(paused->msg.PausedLabel.Visible);
    EXPECT_FALSE(paused->board.Frog[1].Visible);
}

TEST(HighScoreDisplay, AGameThatIsOverReturnsToTheStartScreenExceptInPractice) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 4, 1);
    f.game.CurrentLevel = 201;  // all levels solved
    records::mnuHighScores_Click(f);
    records::HighLabel_Click(f);
    EXPECT_FALSE(f.intro.Visible || f.game.IntroShowing);
    EXPECT_TRUE(f.board.Frog[1].Visible);

    f.game.ModeIndex = 1;
    f.game.TryNumber = 10;
    records::mnuHighScores_Click(f);
    records::HighLabel_Click(f);
    EXPECT_TRUE(f.intro.Visible && f.game.IntroShowing);
    EXPECT_EQ(f.game.CurrentLevel, 1);
    EXPECT_EQ(f.game.TryNumber, 0);
    EXPECT_EQ(f.game.LevelTries, 0);
    EXPECT_EQ(f.window.Caption, " QUIB   ");
    EXPECT_FALSE(f.menu.mnuQuit.Enabled || f.menu.mnusave.Enabled);
    EXPECT_EQ(f.clock.ClockState, 1);  // not resumed
}

TEST(HighScoreDisplay, LookingFromTheStartScreenKeepsTheGameOnOffer) {
    TestGame first;
    PlayLevel(first.form(), 1, 5);
    first->game.TryNumber = 3;
    ASSERT_TRUE(records::WriteDataFile(first.form()));
    ASSERT_TRUE(levels::WriteLevelLibrary(first.form()));

    TestGame game(first, true);
    ASSERT_TRUE(game->intro.CommandLabel2.Visible);
    records::mnuHighScores_Click(game.form());
    EXPECT_FALSE(game->intro.Visible);
    records::HighLabel_Click(game.form());
    EXPECT_TRUE(game->intro.Visible && game->game.IntroShowing && game->intro.CommandLabel2.Visible);
    EXPECT_EQ(game->game.TryNumber, 3);
    EXPECT_EQ(game->game.LevelTries, 1);

    game->game.ModeIndex = 4;  // Practice: the start screen too, not an empty board
    records::mnuHighScores_Click(game.form());
    records::HighLabel_Click(game.form());
    EXPECT_TRUE(game->intro.Visible && game->game.IntroShowing);
}

}  // namespace
}  // namespace quib
