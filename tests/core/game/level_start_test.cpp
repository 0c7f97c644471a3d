// A level start counts the try, places the level's stored frogs (making a
// puzzle first when the stored one is used, never for a retry) and marks
// the puzzle used; a resume shows stored records; the remaining-jump check
// agrees with trying every pair of frogs.

#include <gtest/gtest.h>

#include <random>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using namespace quib::testing;

void ExpectFrogsOnCells(const Form1& f, const std::vector<int>& cells) {
    ASSERT_EQ(FrogCells(f), cells);
    for (std::size_t r = 1; r <= cells.size(); ++r) {
        const Cell& cell = f.board.Grid[static_cast<std::size_t>(cells[r - 1])];
        EXPECT_EQ(cell.Tag, static_cast<int>(r));
        EXPECT_EQ(f.board.Rect[r].Left, cell.Left + 3);
        EXPECT_EQ(f.board.Rect[r].Top, cell.Top + 5);
        EXPECT_GT(PictureOnCell(f, cells[r - 1]), 0);
    }
}

TEST(LevelStart, NewEasyGameRunsTryOneWithTenTriesLeftAndARetryReplaysIt) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    EXPECT_EQ(f.game.TryNumber, 1);
    EXPECT_EQ(f.game.LevelTries, 1);
    ExpectFrogsOnCells(f, LevelPuzzle(1).pieces);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[1]);
    EXPECT_FALSE(f.intro.Visible);
    EXPECT_TRUE(f.menu.mnuQuit.Enabled);
    EXPECT_EQ(f.window.MousePointer, Pointer::Default);
    EXPECT_NE(f.window.Caption.find("Tries Left:  10"), std::string::npos) << f.window.Caption;
    // A retry keeps the used puzzle and counts a try.
    f.game.RetryPending = true;
    game::StartLevel(f);
    EXPECT_EQ(f.game.TryNumber, 2);
    EXPECT_EQ(f.game.LevelTries, 2);
    EXPECT_FALSE(f.game.RetryPending);
    ExpectFrogsOnCells(f, LevelPuzzle(1).pieces);
}

TEST(LevelStart, FreshStartOfAUsedLevelMakesANewVerifiedPuzzle) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 3);
    f.game.CurrentLevel = 3;
    game::StartLevel(f);
    ASSERT_EQ(FrogCells(f), LevelPuzzle(3).pieces);
    game::StartLevel(f);
    EXPECT_TRUE(f.gen.LevelVerified[3]);
    EXPECT_EQ(f.gen.GenerationLevel, 4);
    EXPECT_NE(FrogCells(f), LevelPuzzle(3).pieces);
    std::vector<int> stored;
    for (int i = 1; i <= 6; ++i) stored.push_back(f.library.LevelPieces(3, i));
    ExpectFrogsOnCells(f, stored);
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
}

TEST(LevelStart, LevelTheSupplyIsWorkingOnIsPlayedAndNeverOverwritten) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 4);
    const auto& pieces = LevelPuzzle(4).pieces;
    f.library.LevelNeedsGenerating[4] = true;
    f.gen.GenerationLevel = 4;
    f.gen.GenerationRequested = true;
    f.gen.GenerationDone = false;
    f.game.CurrentLevel = 4;
    f.game.RetryPending = true;
    game::StartLevel(f);
    ExpectFrogsOnCells(f, pieces);
    for (int tick = 0; tick < 20; ++tick) levels::Timer1_Timer(f);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        EXPECT_EQ(f.library.LevelPieces(4, static_cast<int>(i) + 1), pieces[i]);
}

TEST(LevelStart, LevelBeyondTheTablesLeavesAnEmptyBoardInsteadOfOldFrogs) {
    TestGame game;
    Form1& f = game.form();
    PlaceBoard(f, {10, 11, 40});
    f.game.CurrentLevel = 348;
    game::StartLevel(f);
    EXPECT_EQ(board::FrogsLeft(f.board), 0);
    EXPECT_EQ(f.board.Grid[10].Tag, 0);
}

TEST(ResumeBoard, ShowsStoredFrogsWithoutATryButRestartsAFinishedBoard) {
    TestGame game;
    Form1& f = game.form();
    InstallRowPuzzles(f, 2);
    f.game.CurrentLevel = 2;
    f.game.TryNumber = 4;
    PlaceBoard(f, {100, 150, 151});
    f.board.Frog.resize(1);  // a file read leaves records only
    game::ResumeBoard(f);
    ExpectFrogsOnCells(f, {100, 150, 151});
    EXPECT_EQ(f.game.TryNumber, 4);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[2]);
    EXPECT_NE(f.window.Caption.find("  3 left out of   5"), std::string::npos) << f.window.Caption;
    PlaceBoard(f, {100});
    game::ResumeBoard(f);  // a fresh start of the level, now used: a new puzzle
    EXPECT_EQ(board::FrogsLeft(f.board), 5);
    EXPECT_NE(FrogCells(f), LevelPuzzle(2).pieces);
    EXPECT_EQ(f.game.TryNumber, 3);
}

TEST(CheckJumpPossible, NeighboursByNumberOnTwoRowsHaveNoJump) {
    TestGame game;
    Form1& f = game.form();
    PlaceBoard(f, {CellAt(1, 21), CellAt(2, 1)});
    game::CheckJumpPossible(f);
    EXPECT_FALSE(f.game.JumpPossible);
    PlaceBoard(f, {CellAt(2, 21), CellAt(4, 1)});  // down-right from column 21
    game::CheckJumpPossible(f);
    EXPECT_FALSE(f.game.JumpPossible);
    PlaceBoard(f, {CellAt(1, 20), CellAt(1, 21)});
    game::CheckJumpPossible(f);
    EXPECT_TRUE(f.game.JumpPossible);
}

// The written check: every pair of frogs and direction, the landing cell on
// the board and empty, the row edges tested on the frog's own cell.
bool AllPairsJumpPossible(const Form1& f) {
    const int W = kColumns;
    const int rows[8][3] = {{-W, -2 * W, 0},           {W, 2 * W, 0},          {-1, -2, -1},
                            {1, 2, 1},                 {-W - 1, -2 * W - 2, -1}, {-W + 1, -2 * W + 2, 1},
                            {W - 1, 2 * W - 2, -1},    {W + 1, 2 * W + 2, 1}};
    const auto& rects = f.board.Rect;
    for (std::size_t a = 1; a < rects.size(); ++a) {
        for (std::size_t b = 1; b < rects.size(); ++b) {
            const int fc = rects[a].Tag;
            for (const auto& row : rows) {
                const int land = fc + row[1];
                if (rects[b].Tag != fc + row[0] || land < 1 || land > kCells) continue;
                if (f.board.Grid[static_cast<std::size_t>(land)].Tag != 0) continue;
                if (row[2] < 0 && ((fc - 1) % W == 0 || (fc - 2) % W == 0)) continue;
                if (row[2] > 0 && (fc % W == 0 || W - (fc % W) < 2)) continue;
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
    std::vector<int> all(kCells);
    for (int c = 1; c <= kCells; ++c) all[static_cast<std::size_t>(c - 1)] = c;
    for (int round = 0; round < 400; ++round) {
        std::shuffle(all.begin(), all.end(), rng);
        PlaceBoard(f, std::vector<int>(all.begin(), all.begin() + 2 + static_cast<int>(rng() % 40)));
        game::CheckJumpPossible(f);
        ASSERT_EQ(f.game.JumpPossible, AllPairsJumpPossible(f)) << "round " << round;
        possible += f.game.JumpPossible ? 1 : 0;
    }
    EXPECT_GT(possible, 20);  // both answers occur, so the comparison means something
    EXPECT_LT(possible, 380);
}

}  // namespace
}  // namespace quib
