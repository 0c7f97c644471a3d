// The verification of generated puzzles: the recorded solution is replayed on
// the check board with the game's own jump rules, every step is tried even
// after one fails, and a puzzle passes only with a single frog left.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;
using Steps = std::vector<std::pair<int, int>>;

// Puts a puzzle for level g where the generator leaves its results.
void SetPuzzle(Session& f, int g, const std::vector<int>& pieces, const Steps& steps) {
    f.gen.GenerationLevel = g;
    for (int j = 1; j <= g + 3; ++j) f.gen.GeneratedPieces(g, j) = static_cast<std::int16_t>(pieces.at(j - 1));
    for (int j = 1; j <= g + 2; ++j) {
        f.gen.GeneratedSolutionFrom(g, j) = steps.at(j - 1).first;
        f.gen.GeneratedSolutionTo(g, j) = static_cast<std::int16_t>(steps.at(j - 1).second);
    }
}

// The cells holding a check-board frog, checked against the records.
std::vector<int> CheckFrogCells(const Session& f) {
    std::vector<int> cells;
    for (std::size_t r = 1; r < f.board.RectB.size(); ++r) {
        const int n = f.board.RectB[r].CellNumber;
        EXPECT_EQ(f.board.GridB.at(static_cast<std::size_t>(n)).RecordNumber, static_cast<int>(r)) << "cell " << n;
        cells.push_back(n);
    }
    int occupied = 0;
    for (std::size_t n = 1; n < f.board.GridB.size(); ++n) occupied += f.board.GridB[n].RecordNumber > 0;
    EXPECT_EQ(occupied, static_cast<int>(cells.size()));
    return cells;
}

bool Verify(Session& f) {
    f.gen.LevelVerified[static_cast<std::size_t>(f.gen.GenerationLevel)] = true;  // a stale success
    levels::VerifyGeneratedLevel(f);
    return f.gen.LevelVerified[static_cast<std::size_t>(f.gen.GenerationLevel)];
}

TEST(Verification, AcceptsAPuzzleThatReplaysToOneFrog) {
    TestGame game(false);
    Session& f = game.session();
    SetPuzzle(f, 1, {118, 201, 180, 139}, {{118, 160}, {201, 159}, {160, 158}});
    EXPECT_TRUE(Verify(f));
    EXPECT_EQ(CheckFrogCells(f), std::vector<int>{158});
    EXPECT_EQ(f.board.RectB[1].Left, f.board.GridB[158].Left + 3);
    EXPECT_EQ(f.board.RectB[1].Top, f.board.GridB[158].Top + 3);
    EXPECT_EQ(f.board.CheckSelectedFrog, 0);
    // Frog 4 jumps over frog 1 and so becomes record 1; the last step still
    // finds it by its cell.
    SetPuzzle(f, 1, {139, 201, 180, 118}, {{118, 160}, {201, 159}, {160, 158}});
    EXPECT_TRUE(Verify(f));
    EXPECT_EQ(CheckFrogCells(f), std::vector<int>{158});
}

// Each faulty step does nothing; the steps after it are still played, and
// the frogs left show which.
TEST(Verification, RejectsAPuzzleWithAStepThatIsNoJump) {
    struct Case {
        const char* fault;
        std::vector<int> pieces;
        Steps steps;
        std::vector<int> left;  // in ascending order
    };
    const Case cases[] = {
        {"empty from-cell", {118, 201, 180, 139}, {{117, 160}, {201, 159}, {160, 158}}, {118, 139, 159}},
        {"empty middle cell", {118, 201, 180, 100}, {{118, 160}, {201, 159}, {160, 158}}, {100, 118, 159}},
        {"from-cell off the board", {118, 201, 180, 139}, {{0, 160}, {201, 159}, {160, 158}}, {118, 139, 159}},
        {"landing cell off the board", {118, 201, 180, 139}, {{118, 160}, {201, 400}, {160, 158}}, {160, 180, 201}},
        // Column 1 of row 2 "left" over column 21 of row 1, then along row 1.
        {"left edge", {22, 21, 17, 19}, {{22, 20}, {20, 18}, {18, 16}}, {17, 19, 21, 22}},
        // Column 21 of row 1 "right" over column 1 of row 2, then along row 2.
        {"right edge", {21, 22, 24, 26}, {{21, 23}, {23, 25}, {25, 27}}, {21, 22, 24, 26}},
    };
    TestGame game(false);
    Session& f = game.session();
    for (const Case& c : cases) {
        SetPuzzle(f, 1, c.pieces, c.steps);
        EXPECT_FALSE(Verify(f)) << c.fault;
        std::vector<int> left = CheckFrogCells(f);
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, c.left) << c.fault;
    }
    // The same moves one column in from the edges pass.
    SetPuzzle(f, 1, {30, 29, 25, 27}, {{30, 28}, {28, 26}, {26, 24}});
    EXPECT_TRUE(Verify(f));
    SetPuzzle(f, 1, {23, 24, 26, 28}, {{23, 25}, {25, 27}, {27, 29}});
    EXPECT_TRUE(Verify(f));
}

// The check-board click: x may lie on a cell's left or right border, y must
// lie strictly inside; of two cells holding the point the lower number wins.
TEST(CheckBoardClick, HitTestsTheLandingCellAndJumpsOnlyOverAFrog) {
    TestGame game(false);
    Session& f = game.session();
    auto cell = [&](int n) -> const Cell& { return f.board.GridB.at(static_cast<std::size_t>(n)); };
    auto reset = [&](const std::vector<int>& pieces) {
        SetPuzzle(f, 0, pieces, {{0, 0}, {0, 0}});
        levels::BuildCheckBoard(f);
        f.board.CheckSelectedFrog = 1;
    };
    // Frog 1 on 100, frog 2 on 101 to its right, frog 3 on 79 above it.
    const std::vector<int> start = {100, 101, 79};

    reset(start);
    levels::CheckBoardClick(f, 1, 1, cell(99).Left + 10, cell(99).Top + 10);    // empty neighbour
    levels::CheckBoardClick(f, 1, 1, cell(101).Left + 10, cell(101).Top + 10);  // a frog
    levels::CheckBoardClick(f, 1, 1, 5000, 5000);                                // off the board
    // 58's bottom border lies inside 79.
    levels::CheckBoardClick(f, 1, 1, cell(58).Left + 10, cell(58).Top + cell(58).Height);
    f.board.CheckSelectedFrog = 0;
    levels::CheckBoardClick(f, 1, 1, cell(102).Left + 10, cell(102).Top + 10);  // nothing selected
    EXPECT_EQ(CheckFrogCells(f), start);

    f.board.CheckSelectedFrog = 1;
    levels::CheckBoardClick(f, 1, 1, cell(58).Left + 10, cell(58).Top + 1);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{58, 101}));

    // 102's right border is also inside 103, which starts one unit earlier.
    reset(start);
    levels::CheckBoardClick(f, 1, 1, cell(102).Left + cell(102).Width, cell(102).Top + 10);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{102, 79}));
    // The first column's left border belongs to no other cell; the first
    // row's top border to none at all.
    reset({24, 23, 200});
    levels::CheckBoardClick(f, 1, 1, cell(22).Left, cell(22).Top + 10);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{22, 200}));
    reset({45, 24, 200});
    levels::CheckBoardClick(f, 1, 1, cell(3).Left + 10, cell(3).Top);
    EXPECT_EQ(CheckFrogCells(f), (std::vector<int>{45, 24, 200}));
}

}  // namespace
}  // namespace quib
