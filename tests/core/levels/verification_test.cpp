// The verification of generated puzzles: the recorded solution is replayed on
// the check board with the game's own jump rules, every step is tried even
// after one fails, and a puzzle passes only with a single frog left.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;
using Steps = std::vector<std::pair<int, int>>;

// Puts a puzzle for level g where the generator leaves its results.
void SetPuzzle(Form1& f, int g, const std::vector<int>& pieces, const Steps& steps) {
    ASSERT_EQ(pieces.size(), static_cast<std::size_t>(g + 3));
    ASSERT_EQ(steps.size(), static_cast<std::size_t>(g + 2));
    f.gen.GenerationLevel = g;
    for (int j = 1; j <= g + 3; ++j) f.gen.GeneratedPieces(g, j) = static_cast<std::int16_t>(pieces[j - 1]);
    for (int j = 1; j <= g + 2; ++j) {
        f.gen.GeneratedSolutionFrom(g, j) = steps[j - 1].first;
        f.gen.GeneratedSolutionTo(g, j) = static_cast<std::int16_t>(steps[j - 1].second);
    }
}

// The cells that hold a check-board frog, checked against the records.
std::vector<int> CheckFrogCells(const Form1& f) {
    std::vector<int> cells;
    for (std::size_t r = 1; r < f.board.RectB.size(); ++r) {
        const int n = f.board.RectB[r].Tag;
        EXPECT_EQ(f.board.GridB[static_cast<std::size_t>(n)].Tag, static_cast<int>(r)) << "cell " << n;
        cells.push_back(n);
    }
    int occupied = 0;
    for (std::size_t n = 1; n < f.board.GridB.size(); ++n) occupied += f.board.GridB[n].Tag > 0;
    EXPECT_EQ(occupied, static_cast<int>(cells.size()));
    return cells;
}

bool Verify(Form1& f) {
    levels::VerifyGeneratedLevel(f);
    return f.gen.LevelVerified[static_cast<std::size_t>(f.gen.GenerationLevel)];
}

TEST(Verification, AcceptsTheWorkedExampleOfLevelOne) {
    TestGame game(false);
    Form1& f = game.form();
    SetPuzzle(f, 1, {118, 201, 180, 139}, {{118, 160}, {201, 159}, {160, 158}});
    EXPECT_TRUE(Verify(f));
    EXPECT_EQ(f.board.RectB.size(), 2u);
    EXPECT_EQ(CheckFrogCells(f), std::vector<int>{158});
    EXPECT_EQ(f.board.RectB[1].Left, f.board.GridB[158].Left + 3);
    EXPECT_EQ(f.board.RectB[1].Top, f.board.GridB[158].Top + 3);
    EXPECT_EQ(f.board.CheckSelectedFrog, 0);
}

// Frog 4 jumps over frog 1, so record 4 becomes record 1; the last step must
// still find it by its cell.
TEST(Verification, FollowsAFrogWhoseRecordWasRenumbered) {
    TestGame game(false);
    Form1& f = game.form();
    SetPuzzle(f, 1, {139, 201, 180, 118}, {{118, 160}, {201, 159}, {160, 158}});
    EXPECT_TRUE(Verify(f));
    EXPECT_EQ(CheckFrogCells(f), std::vector<int>{158});
}

TEST(Verification, RejectsAStepFromAnEmptyCell) {
    TestGame game(false);
    Form1& f = game.form();
    SetPuzzle(f, 1, {118, 201, 180, 139}, {{117, 160}, {201, 159}, {160, 158}});
    EXPECT_FALSE(Verify(f));
    // The second step was still played; the third had no frog on 160.
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{118, 159, 139}));
}

TEST(Verification, RejectsAStepOverAnEmptyMiddleCellAndPlaysOnAfterIt) {
    TestGame game(false);
    Form1& f = game.form();
    SetPuzzle(f, 1, {118, 201, 180, 100}, {{118, 160}, {201, 159}, {160, 158}});
    EXPECT_FALSE(Verify(f));
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{118, 159, 100}));
}

// Each row-crossing puzzle would end with one frog if the step over the edge
// were taken; the same moves inside a row pass.
TEST(Verification, RejectsStepsAcrossTheLeftOrRightEdge) {
    TestGame game(false);
    Form1& f = game.form();
    // Column 1 of row 2 "left" over column 21 of row 1, then on along row 1.
    SetPuzzle(f, 1, {22, 21, 17, 19}, {{22, 20}, {20, 18}, {18, 16}});
    EXPECT_FALSE(Verify(f));
    EXPECT_EQ(f.board.RectB.size(), 5u);
    // Column 21 of row 1 "right" over column 1 of row 2, then on along row 2.
    SetPuzzle(f, 1, {21, 22, 24, 26}, {{21, 23}, {23, 25}, {25, 27}});
    EXPECT_FALSE(Verify(f));
    EXPECT_EQ(f.board.RectB.size(), 5u);

    SetPuzzle(f, 1, {30, 29, 25, 27}, {{30, 28}, {28, 26}, {26, 24}});
    EXPECT_TRUE(Verify(f));
    SetPuzzle(f, 1, {23, 24, 26, 28}, {{23, 25}, {25, 27}, {27, 29}});
    EXPECT_TRUE(Verify(f));
    EXPECT_EQ(CheckFrogCells(f), std::vector<int>{29});
}

// The check-board click: x may lie on a cell's left or right border, y must
// lie strictly inside; of two cells holding the point, the lower number is
// taken.
class CheckBoardClick : public ::testing::Test {
protected:
    CheckBoardClick() {
        // Frog 1 on 100 with frog 2 on 101 to its right and frog 3 on 79
        // above it; 102 and 58 are empty.
        SetPuzzle(f, 0, {100, 101, 79}, {{0, 0}, {0, 0}});
        levels::BuildCheckBoard(f);
        f.board.CheckSelectedFrog = 1;
    }
    const Cell& B(int n) { return f.board.GridB[static_cast<std::size_t>(n)]; }
    TestGame game{false};
    Form1& f = game.form();
};

TEST_F(CheckBoardClick, APointOnTheSharedRightBorderLandsInTheLeftCell) {
    // 102's right border is also inside 103, which starts one unit earlier.
    levels::CheckBoardClick(f, 1, 1, B(102).Left + B(102).Width, B(102).Top + 10);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{102, 79}));
    EXPECT_EQ(f.board.RectB[1].BorderColor, 0u);
}

TEST_F(CheckBoardClick, APointOnATopOrBottomBorderBelongsToTheNeighbouringRow) {
    // 58's top border lies inside 37 and its bottom border inside 79,
    // neither of them a landing cell.
    levels::CheckBoardClick(f, 1, 1, B(58).Left + 10, B(58).Top);
    levels::CheckBoardClick(f, 1, 1, B(58).Left + 10, B(58).Top + B(58).Height);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{100, 101, 79}));
    levels::CheckBoardClick(f, 1, 1, B(58).Left + 10, B(58).Top + 1);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{58, 101}));
}

TEST_F(CheckBoardClick, NeighboursOccupiedCellsAndNoSelectionDoNothing) {
    levels::CheckBoardClick(f, 1, 1, B(99).Left + 10, B(99).Top + 10);    // empty neighbour
    levels::CheckBoardClick(f, 1, 1, B(101).Left + 10, B(101).Top + 10);  // a frog
    levels::CheckBoardClick(f, 1, 1, 5000, 5000);                          // off the board
    levels::CheckBoardClick(f, 1, 1, B(98).Left + 10, B(98).Top + 10);    // nothing to jump over
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{100, 101, 79}));
    f.board.CheckSelectedFrog = 0;
    levels::CheckBoardClick(f, 1, 1, B(102).Left + 10, B(102).Top + 10);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{100, 101, 79}));
}

}  // namespace
}  // namespace quib
