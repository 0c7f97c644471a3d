// The high-score table: a finished game takes the row its score and time
// earn (higher score first, then the shorter time, a tie below), the name
// entry fills that row, the table survives in "high.txt" (a damaged file is
// replaced by a cleared one), and showing and hiding the table over the
// board gives back exactly what it covered.

#include "core/levels/levels.h"
#include "core/records/records.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

struct Row {
    std::string name, score, time;
    std::int64_t seconds;
    bool operator==(const Row&) const = default;
};

Row RowOf(const Session& f, int i) {
    const auto k = static_cast<std::size_t>(i);
    return {f.high.NamesLabel[k].Caption, f.high.ScoreLabel[k].Caption, f.high.TimeLabel[k].Caption,
            f.high.HighScoreSeconds[k]};
}

// A game that ended with this score and time, its name entered with Enter.
void FinishGame(Session& f, std::int32_t score, std::int64_t seconds, const std::string& name) {
    f.game.Score = score;
    f.clock.PlaySeconds = seconds;
    f.high.NewScoreRank = 0;
    records::InsertHighScore(f);
    if (f.high.NewScoreRank == 0) return;
    f.msg.NameInput.Text = name;
    records::NameKey(f, 13);
    records::CloseHighScores(f);
}

TEST(HighScoreRanking, WrittenExampleTakesRowThreeTiesGoBelowAndLongTimesMoveDownWhole) {
    TestGame game;
    Session& f = game.session();
    FinishGame(f, 500, 100, "A");
    FinishGame(f, 400, 90, "B");
    FinishGame(f, 400, 120, "C");
    FinishGame(f, 300, 80, "D");
    for (int k = 0; k < 4; ++k) FinishGame(f, 200 - k, 50, "E" + std::to_string(k));
    FinishGame(f, 150, 40000, "Long");
    FinishGame(f, 100, 59, "Last");
    ASSERT_EQ(RowOf(f, 10), (Row{"Last", "100", "0:0:59", 59}));

    std::tie(f.game.Score, f.clock.PlaySeconds) = std::tuple(400, 100);
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 3);
    EXPECT_EQ(std::pair(RowOf(f, 2).name, RowOf(f, 5).name), std::pair(std::string("B"), std::string("D")));
    EXPECT_EQ(RowOf(f, 3), (Row{"Anonymous", "400", "0:1:40", 100}));
    EXPECT_EQ(RowOf(f, 4), (Row{"C", "400", "0:2:0", 120}));
    EXPECT_EQ(RowOf(f, 10), (Row{"Long", "150", "11:6:40", 40000}));  // the old tenth is gone
    EXPECT_EQ(std::tuple(f.clock.PlayMinutes, f.clock.PlaySecs), std::tuple(1, 40));  // the game's total

    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 4);  // same score and time as row 3: below it
    ASSERT_EQ(RowOf(f, 10).name, "E3");
    std::tie(f.game.Score, f.clock.PlaySeconds) = std::tuple(197, 50);
    records::InsertHighScore(f);
    EXPECT_EQ(f.high.NewScoreRank, 0);  // ties with the tenth: no place
}

TEST(HighScoreNameEntry, EnterStoresTheNameHidesTheBoxAndShowsTheTable) {
    TestGame game;
    Session& f = game.session();
    EXPECT_EQ(f.msg.NameInput.Text, "Anonymous");
    records::EnterName(f);  // no rank yet: nothing happens
    EXPECT_FALSE(f.high.HighLabel.Visible);

    f.game.Score = 50;
    records::InsertHighScore(f);
    ASSERT_EQ(f.high.NewScoreRank, 1);
    f.msg.NameInput.Visible = f.msg.EnterButton.Visible = f.msg.RoundOverHeading.Visible = f.msg.RoundOverLabel.Visible = true;
    f.menu.HighScoresEntry.Enabled = false;
    f.msg.NameInput.Text = "Kim";
    records::NameKey(f, 'K');
    const std::string before = RowOf(f, 1).name;
    records::NameKey(f, 13);
    EXPECT_EQ(std::pair(before, RowOf(f, 1).name), std::pair(std::string("Anonymous"), std::string("Kim")));
    EXPECT_FALSE(f.msg.NameInput.Visible || f.msg.EnterButton.Visible || f.msg.RoundOverHeading.Visible ||
                 f.msg.RoundOverLabel.Visible);
    EXPECT_TRUE(f.menu.HighScoresEntry.Enabled && f.high.HighLabel.Visible && f.high.NamesLabel[1].Visible);
    EXPECT_EQ(std::pair(f.high.ScoreLabel[10].Left, f.high.NamesLabel[10].Top), std::pair(455, 440));
}

TEST(HighScoreFile, TheTableComesBackInTheNextRunWithOddRowsKept) {
    TestGame game;
    FinishGame(game.session(), 300, 3903, "Jo, \"Frog\" King");
    FinishGame(game.session(), 200, 20, "Second");
    game->high.HighScoreSeconds[2] = -5;  // never written by the game, but a 32-bit value
    ASSERT_TRUE(records::WriteHighScores(game.session()));
    const auto lines = FileLines(game.data.file("high.txt"));
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[1], "\"300\"");  // the score is stored as text
    TestGame next(game, true);
    EXPECT_EQ(RowOf(next.session(), 1), (Row{"Jo, 'Frog' King", "300", "1:5:3", 3903}));
    EXPECT_EQ(RowOf(next.session(), 2).seconds, -5);
    EXPECT_EQ(RowOf(next.session(), 3), (Row{"", "0", "0:0:0", 0}));
    next->game.Score = 1;
    next->high.ScoreLabel[2].Caption = "";  // a score that is not a number is a free row
    records::InsertHighScore(next.session());
    EXPECT_EQ(next->high.NewScoreRank, 2);
    MakeDataFolderUnwritable(next);
    EXPECT_FALSE(records::WriteHighScores(next.session()));
    EXPECT_EQ(RowOf(next.session(), 3).seconds, -5);  // moved down whole, and the table is kept
}

TEST(HighScoreFile, MissingOrDamagedFilesClearTheTableAndAreWrittenAfresh) {
    TestGame source;
    for (int k = 0; k < 10; ++k) FinishGame(source.session(), 100 + k, 10 + k, "N" + std::to_string(k));
    ASSERT_TRUE(records::WriteHighScores(source.session()));
    auto files = DamagedFiles(FileLines(source.data.file("high.txt")), {{29, "99999999999"}, {29, "5.5"}, {29, "x"}},
                              {{std::string("\xff\xfe\0garbage", 10)}, {"\"unterminated"}});
    files.insert(files.begin(), std::vector<std::string>{});  // no file at all
    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE("damaged file " + std::to_string(k));
        TestGame game(false);
        if (k > 0) WriteLines(game.data.file("high.txt"), files[k]);
        game.RunStartUp();
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(RowOf(game.session(), i), (Row{"", "0", "", 0})) << "row " << i;
        EXPECT_EQ(FileLines(game.data.file("high.txt")).size(), 30u);
    }
}

// Opened during play the table covers the board and freezes the clock;
// closed by any of its labels it gives back the board, a message or the
// pause exactly as they were, and resumes the clock only over a bare board.
TEST(HighScoreDisplay, ClosingGivesBackWhatTheTableCovered) {
    TestGame game;
    Session& f = game.session();
    PlayLevel(f, 1, 1);
    board::ClickFrog(f, 1);
    ASSERT_TRUE(f.board.SelectedFrog > 0 && f.board.HighLight.Visible);
    records::ShowHighScores(f);
    EXPECT_TRUE(f.high.HighLabel.Visible && f.high.TimeLabel[10].Visible && f.clock.State == ClockState::FreezeRequested);
    EXPECT_FALSE(f.board.HighLight.Visible || f.board.Frog[1].Visible || f.board.Grid[50].Visible);
    records::CloseHighScoresAtName(f, 4);
    EXPECT_FALSE(f.high.HighLabel.Visible || f.high.NamesLabel[4].Visible);
    EXPECT_TRUE(f.board.HighLight.Visible && f.board.Grid[50].Visible && f.clock.State == ClockState::RestoreRequested);
    ExpectBoardConsistent(f, true);

    Jump(PlayLevel(f, 1, 1), 100, 102);
    Jump(f, 148, 150);  // the last jump leaves two frogs apart: round over
    ASSERT_TRUE(f.msg.RoundOverHeading.Visible && f.msg.RoundOverLabel.Visible);
    records::ShowHighScores(f);
    EXPECT_FALSE(f.msg.RoundOverHeading.Visible || f.msg.RoundOverLabel.Visible);
    records::ShowHighScores(f);  // chosen again while showing: the memory stays
    records::CloseHighScoresAtScore(f, 0);
    EXPECT_TRUE(f.msg.RoundOverHeading.Visible && f.msg.RoundOverLabel.Visible && f.clock.State != ClockState::RestoreRequested);
    EXPECT_FALSE(f.board.Frog[1].Visible);

    PlayLevel(f, 1, 1);
    f.msg.PausedLabel.Visible = true;
    records::ShowHighScores(f);
    EXPECT_TRUE(f.clock.WasPaused && !f.msg.PausedLabel.Visible);
    records::CloseHighScores(f);
    EXPECT_TRUE(f.msg.PausedLabel.Visible && !f.board.Frog[1].Visible);
}

TEST(HighScoreDisplay, AGameThatIsOverReturnsToTheStartScreenExceptInPractice) {
    TestGame game;
    Session& f = game.session();
    PlayLevel(f, 4, 1);
    f.game.CurrentLevel = 201;  // all levels solved
    records::ShowHighScores(f);
    records::CloseHighScores(f);
    EXPECT_TRUE(!f.intro.Visible && !game::StartScreenUp(f) && f.board.Frog[1].Visible);

    game::StartNewGame(f, kEasyMode);
    game::Quit(f);  // no try left
    records::ShowHighScores(f);
    records::CloseHighScores(f);
    EXPECT_TRUE(f.intro.Visible && game::StartScreenUp(f) && !f.menu.QuitEntry.Enabled &&
                !f.menu.SaveMenu.Enabled);
    EXPECT_EQ(std::tuple(f.game.CurrentLevel, f.game.TryNumber, f.game.LevelTries, f.window.Caption),
              std::tuple(1, 0, 0, " QUIB   "));
    EXPECT_EQ(f.clock.State, ClockState::FreezeRequested);  // not resumed
}

// Opened from the start screen, the table goes back to it and leaves the
// interrupted game that "Continue" offers as it was, in Practice too; a close
// request meanwhile does not save the start screen's leftovers into its slot.
TEST(HighScoreDisplay, LookingFromTheStartScreenKeepsTheGameOnOffer) {
    TestGame first;
    PlayLevel(first.session(), 1, 5);
    first->game.TryNumber = 3;
    records::SaveToSlot(first.session(), 2);
    ASSERT_TRUE(records::WriteDataFile(first.session()) && levels::WriteLevelLibrary(first.session()));
    const std::string slot = FileText(first.data.file("savedgame2.txt"));

    TestGame game(first, true);
    ASSERT_TRUE(game->game.ResumeOffered);
    for (const int mode : {1, 4}) {
        game->game.ModeIndex = mode;
        records::ShowHighScores(game.session());
        EXPECT_FALSE(game->intro.Visible);
        records::SaveToSlot(game.session(), game->game.SaveSlot);
        EXPECT_EQ(FileText(first.data.file("savedgame2.txt")), slot);
        records::CloseHighScores(game.session());
        EXPECT_TRUE(game->intro.Visible && game::StartScreenUp(game.session()) &&
                    game->game.ResumeOffered);
        EXPECT_EQ(std::tuple(game->game.TryNumber, game->game.LevelTries), std::tuple(3, 1));
    }
}

}  // namespace
}  // namespace quib
