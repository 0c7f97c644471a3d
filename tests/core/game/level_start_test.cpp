// A level start counts the try, places the level's stored frogs (making a
// puzzle first when the stored one is used or missing, but never for a
// retry), marks the puzzle used; the board resume shows stored records;
// the remaining-jump check agrees with trying every pair of frogs.

#include <gtest/gtest.h>

#include <random>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::CellAt;
using testing::FrogCells;
using testing::InstallPuzzle;
using testing::MakeRowPuzzle;
using testing::PlaceBoard;
using testing::Sorted;
using testing::TestGame;

void ExpectFrogsOnCells(const Form1& f, const std::vector<int>& cells) {
    ASSERT_EQ(board::FrogsLeft(f.board), static_cast<int>(cells.size()));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const Cell& cell = f.board.Grid[static_cast<std::size_t>(cells[i])];
        const FrogRecord& rec = f.board.Rect[static_cast<std::size_t>(r)];
        EXPECT_EQ(rec.Tag, cells[i]);
        EXPECT_EQ(cell.Tag, r);
        EXPECT_EQ(rec.Left, cell.Left + 3);
        EXPECT_EQ(rec.Top, cell.Top + 5);
        const int picture = board::FindPicture(f.board, r);
        ASSERT_GT(picture, 0);
        EXPECT_TRUE(f.board.Frog[static_cast<std::size_t>(picture)].Visible);
    }
}

TEST(LevelStart, NewEasyGameRunsItsFirstLevelAsTryOneWithTenTriesLeft) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(1, CellAt(5, 2));
    InstallPuzzle(f, 1, puzzle.pieces, puzzle.solution);
    game::NewGameMenue_Click(f, 1);
    EXPECT_EQ(f.game.TryNumber, 1);
    EXPECT_EQ(f.game.LevelTries, 1);
    ExpectFrogsOnCells(f, puzzle.pieces);
    EXPECT_EQ(f.board.Frog.size(), 5u);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[1]);
    EXPECT_FALSE(f.game.IntroShowing);
    EXPECT_FALSE(f.intro.Visible);
    EXPECT_TRUE(f.menu.mnuQuit.Enabled);
    EXPECT_TRUE(f.menu.RestartLevelMenue.Enabled);
    EXPECT_EQ(f.window.MousePointer, Pointer::Default);
    EXPECT_NE(f.window.Caption.find("Tries Left:  10"), std::string::npos) << f.window.Caption;
    EXPECT_NE(f.window.Caption.find("  4 left out of   4"), std::string::npos) << f.window.Caption;
}

TEST(LevelStart, RetryReplaysTheSamePuzzleAndCountsATry) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(2, CellAt(3, 2));
    InstallPuzzle(f, 2, puzzle.pieces, puzzle.solution);
    f.game.CurrentLevel = 2;
    f.game.TryNumber = 3;
    game::StartLevel(f);
    ASSERT_TRUE(f.library.LevelNeedsGenerating[2]);  // used from now on
    EXPECT_EQ(f.game.TryNumber, 2);
    f.game.RetryPending = true;
    game::StartLevel(f);
    EXPECT_EQ(f.game.TryNumber, 3);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_FALSE(f.game.RetryPending);
    ExpectFrogsOnCells(f, puzzle.pieces);
}

TEST(LevelStart, FreshStartOfAUsedLevelMakesANewVerifiedPuzzle) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(3, CellAt(2, 2));
    InstallPuzzle(f, 3, puzzle.pieces, puzzle.solution);
    f.game.CurrentLevel = 3;
    game::StartLevel(f);
    ASSERT_EQ(FrogCells(f), puzzle.pieces);
    game::StartLevel(f);  // fresh start again: the stored puzzle was used
    EXPECT_TRUE(f.gen.LevelVerified[3]);
    EXPECT_EQ(f.gen.GenerationLevel, 4);
    EXPECT_NE(Sorted(FrogCells(f)), Sorted(puzzle.pieces));
    std::vector<int> stored;
    for (int i = 1; i <= 6; ++i) stored.push_back(f.library.LevelPieces(3, i));
    ExpectFrogsOnCells(f, stored);
}

TEST(LevelStart, DamagedStoredPuzzleIsMadeAnewInsteadOfPlaced) {
    TestGame game;
    Form1& f = game.form();
    InstallPuzzle(f, 2, {40, 41, 41, 43, 45});  // two frogs on one cell
    f.game.CurrentLevel = 2;
    game::StartLevel(f);
    const auto cells = FrogCells(f);
    ASSERT_EQ(cells.size(), 5u);
    auto unique = Sorted(cells);
    EXPECT_EQ(std::unique(unique.begin(), unique.end()), unique.end());
    for (int c : cells) EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(c)].Tag > 0, true);
}

TEST(LevelStart, LevelTwoHundredPlacesTwoHundredAndThreeFrogs) {
    TestGame game;
    Form1& f = game.form();
    std::vector<int> cells;
    for (int c = 1; c <= 203; ++c) cells.push_back(c);
    InstallPuzzle(f, 200, cells);
    f.game.CurrentLevel = 200;
    game::StartLevel(f);
    ExpectFrogsOnCells(f, cells);
    EXPECT_EQ(f.board.Frog.size(), 204u);
}

TEST(LevelStart, LevelTheSupplyIsWorkingOnIsStillPlayedAndNeverOverwritten) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(4, CellAt(9, 2));
    InstallPuzzle(f, 4, puzzle.pieces, puzzle.solution);
    f.library.LevelNeedsGenerating[4] = true;  // used before, so the supply may pick it
    f.gen.GenerationLevel = 4;
    f.gen.GenerationRequested = true;
    f.gen.GenerationDone = false;
    f.game.CurrentLevel = 4;
    f.game.RetryPending = true;  // a retry keeps its puzzle
    game::StartLevel(f);
    ExpectFrogsOnCells(f, puzzle.pieces);
    EXPECT_NE(f.gen.GenerationLevel, 4);
    for (int tick = 0; tick < 20; ++tick) levels::Timer1_Timer(f);
    for (std::size_t i = 0; i < puzzle.pieces.size(); ++i)
        EXPECT_EQ(f.library.LevelPieces(4, static_cast<int>(i) + 1), puzzle.pieces[i]);
    EXPECT_EQ(FrogCells(f), puzzle.pieces);
}

TEST(LevelStart, LevelBeyondTheTablesLeavesAnEmptyBoardInsteadOfOldFrogs) {
    TestGame game;
    Form1& f = game.form();
    PlaceBoard(f, {10, 11, 40});
    f.game.CurrentLevel = 348;
    game::StartLevel(f);
    EXPECT_EQ(board::FrogsLeft(f.board), 0);
    EXPECT_EQ(f.board.Grid[10].Tag, 0);
    EXPECT_EQ(f.window.MousePointer, Pointer::Default);
}

TEST(LevelStart, ClearsMessagesAndThawsAFrozenClock) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(1, CellAt(5, 2));
    InstallPuzzle(f, 1, puzzle.pieces);
    f.msg.RoundOverLabel.Visible = true;
    f.msg.Label1.Visible = true;
    f.msg.Ad_Label.Visible = true;
    f.msg.PausedLabel.Visible = true;
    f.msg.Command1.Pressed = true;
    f.clock.ClockState = 2;
    game::StartLevel(f);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(f.msg.Label1.Visible);
    EXPECT_FALSE(f.msg.Ad_Label.Visible);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_FALSE(f.msg.Command1.Pressed);
    EXPECT_EQ(f.clock.ClockState, 3);
}

// Resuming a board read from a file.
TEST(ResumeBoard, ShowsTheStoredFrogsWithoutCountingATry) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(2, CellAt(6, 2));
    InstallPuzzle(f, 2, puzzle.pieces);
    f.game.CurrentLevel = 2;
    f.game.TryNumber = 4;
    f.game.LevelTries = 2;
    PlaceBoard(f, {100, 150, 151});
    f.board.Frog.resize(1);  // a file read leaves records only
    f.intro.Visible = true;
    f.game.IntroShowing = true;
    game::ResumeBoard(f);
    ExpectFrogsOnCells(f, {100, 150, 151});
    EXPECT_EQ(f.game.TryNumber, 4);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_FALSE(f.intro.Visible);
    EXPECT_TRUE(f.menu.mnusave.Enabled);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[2]);
    EXPECT_NE(f.window.Caption.find("  3 left out of   5"), std::string::npos) << f.window.Caption;
}

TEST(ResumeBoard, SingleFrogLeftStartsTheLevelAfresh) {
    TestGame game;
    Form1& f = game.form();
    const auto puzzle = MakeRowPuzzle(2, CellAt(6, 2));
    InstallPuzzle(f, 2, puzzle.pieces);
    f.game.CurrentLevel = 2;
    f.game.TryNumber = 4;
    PlaceBoard(f, {100});
    game::ResumeBoard(f);
    ExpectFrogsOnCells(f, puzzle.pieces);
    EXPECT_EQ(f.game.TryNumber, 3);
}

// The remaining-jump check.
TEST(CheckJumpPossible, PairAtTheRightEdgeWithTheLandingCellInTheNextRowHasNoJump) {
    TestGame game;
    Form1& f = game.form();
    // Cell numbers say these are neighbours, but they stand on two rows.
    PlaceBoard(f, {CellAt(1, 21), CellAt(2, 1)});
    game::CheckJumpPossible(f);
    EXPECT_FALSE(f.game.JumpPossible);
    PlaceBoard(f, {CellAt(2, 21), CellAt(4, 1)});  // down-right from column 21
    game::CheckJumpPossible(f);
    EXPECT_FALSE(f.game.JumpPossible);
    // The same pair one column in can jump.
    PlaceBoard(f, {CellAt(1, 20), CellAt(1, 21)});
    game::CheckJumpPossible(f);
    EXPECT_TRUE(f.game.JumpPossible);
}

// The written check: every pair of frogs, every direction, with the landing
// cell's bounds and the row edges tested on the frog's own cell.
bool AllPairsJumpPossible(const Form1& f) {
    const int W = kColumns;
    const int N = kCells;
    struct Row {
        int neighbour, jump, horizontal;
        bool down;
    };
    const Row rows[] = {{-W, -2 * W, 0, false},       {W, 2 * W, 0, true},
                        {-1, -2, -1, false},          {1, 2, 1, true},
                        {-(W + 1), -2 * (W + 1), -1, false}, {-(W - 1), -2 * (W - 1), 1, false},
                        {W - 1, 2 * (W - 1), -1, true},      {W + 1, 2 * (W + 1), 1, true}};
    const auto& rects = f.board.Rect;
    for (std::size_t a = 1; a < rects.size(); ++a) {
        for (std::size_t b = 1; b < rects.size(); ++b) {
            const int fc = rects[a].Tag;
            for (const Row& row : rows) {
                if (rects[b].Tag != fc + row.neighbour) continue;
                const int land = fc + row.jump;
                if (row.down ? land > N : land <= 0) continue;
                if (land < 1 || land > N) continue;
                if (f.board.Grid[static_cast<std::size_t>(land)].Tag != 0) continue;
                if (row.horizontal < 0 && ((fc - 1) % W == 0 || (fc - 2) % W == 0)) continue;
                if (row.horizontal > 0 && (fc % W == 0 || W - (fc % W) < 2)) continue;
                return true;
            }
        }
    }
    return false;
}

TEST(CheckJumpPossible, AgreesWithTheAllPairsScanOnRandomBoards) {
    TestGame game;
    Form1& f = game.form();
    std::mt19937 rng(7);
    int possible = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<int> all(kCells);
        for (int c = 1; c <= kCells; ++c) all[static_cast<std::size_t>(c - 1)] = c;
        std::shuffle(all.begin(), all.end(), rng);
        const int count = 2 + static_cast<int>(rng() % 40);
        PlaceBoard(f, std::vector<int>(all.begin(), all.begin() + count));
        game::CheckJumpPossible(f);
        ASSERT_EQ(f.game.JumpPossible, AllPairsJumpPossible(f)) << "round " << round;
        possible += f.game.JumpPossible ? 1 : 0;
    }
    // Both answers occur, so the comparison means something.
    EXPECT_GT(possible, 20);
    EXPECT_LT(possible, 380);
}

}  // namespace
}  // namespace quib
