// The jump rules: a frog jumps two steps in one of eight directions over an
// occupied neighbour onto an empty cell, never across a row edge; a neighbour
// cell is named (and turns the frog) but is never a jump.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/board/board.h"
#include "core/game/game.h"
#include "support/test_game.h"

namespace quib {
namespace {

using board::Direction;
using board::Facing;
using testing::TestGame;

constexpr int W = kColumns;
int CellAt(int row, int column) { return (row - 1) * W + column; }
int RowOf(int n) { return (n - 1) / W + 1; }
int ColumnOf(int n) { return (n - 1) % W + 1; }

const Direction kAll[] = {Direction::su,  Direction::sd,  Direction::sl,  Direction::sr,
                          Direction::dul, Direction::dur, Direction::ddl, Direction::ddr};

// A copy of the direction's row: the table itself is a temporary.
board::DirectionRow RowFor(Direction d) { return board::RowOf(board::DirectionTable(W), d); }

// Row and column steps of each direction, independent of the offset table.
struct Step {
    int rows;
    int columns;
};
Step StepOf(Direction d) {
    switch (d) {
        case Direction::su: return {-1, 0};
        case Direction::sd: return {1, 0};
        case Direction::sl: return {0, -1};
        case Direction::sr: return {0, 1};
        case Direction::dul: return {-1, -1};
        case Direction::dur: return {-1, 1};
        case Direction::ddl: return {1, -1};
        case Direction::ddr: return {1, 1};
    }
    return {0, 0};
}

// The cells of the laid-out board, all empty.
std::vector<Cell> EmptyBoard() {
    static const std::vector<Cell> laidOut = [] {
        TestGame game(false);
        return game->board.Grid;
    }();
    return laidOut;
}

// ------------------------------------------------------------ the table

TEST(DirectionTable, OffsetsMatchRowAndColumnSteps) {
    const auto table = board::DirectionTable(W);
    const char* names[] = {"su", "sd", "sl", "sr", "dul", "dur", "ddl", "ddr"};
    for (std::size_t k = 0; k < 8; ++k) {
        const board::DirectionRow& row = table[k];
        const Step s = StepOf(row.direction);
        EXPECT_EQ(row.direction, kAll[k]);
        EXPECT_STREQ(row.name, names[k]);
        EXPECT_EQ(row.neighbourOffset, s.rows * W + s.columns) << row.name;
        EXPECT_EQ(row.jumpOffset, 2 * row.neighbourOffset) << row.name;
        EXPECT_EQ(row.horizontal, s.columns) << row.name;
        const Facing facing = s.columns < 0 ? Facing::Left : s.columns > 0 ? Facing::Right : Facing::Unchanged;
        EXPECT_EQ(row.facing, facing) << row.name;
    }
}

// ------------------------------------------------------------ neighbours

TEST(NameNeighbour, NamesEachOfTheEightNeighbours) {
    const int f = CellAt(7, 10);
    for (Direction d : kAll) {
        const Step s = StepOf(d);
        EXPECT_EQ(board::NameNeighbour(f, f + s.rows * W + s.columns, W), d);
    }
}

TEST(NameNeighbour, JumpDistanceAndOtherCellsAreNoNeighbours) {
    const int f = CellAt(7, 10);
    for (int dr = -3; dr <= 3; ++dr) {
        for (int dc = -3; dc <= 3; ++dc) {
            const bool neighbour = std::abs(dr) <= 1 && std::abs(dc) <= 1 && (dr != 0 || dc != 0);
            EXPECT_EQ(board::NameNeighbour(f, f + dr * W + dc, W).has_value(), neighbour) << dr << "," << dc;
        }
    }
}

TEST(NameNeighbour, AppliesNoRowEdgeTest) {
    // Seen from the first column, the cell before it (last column of the
    // row above) is named as a left neighbour: the naming only turns a frog.
    EXPECT_EQ(board::NameNeighbour(CellAt(5, 1), CellAt(4, 21), W), Direction::sl);
    EXPECT_EQ(board::NameNeighbour(CellAt(5, 21), CellAt(6, 1), W), Direction::sr);
}

// ------------------------------------------------------------ jumps

TEST(TryJump, RowEdgeRefusesSidewaysJumpsFromTheOuterTwoColumns) {
    for (int column : {1, 2, 3, 19, 20, 21}) {
        for (Direction d : kAll) {
            std::vector<Cell> cells = EmptyBoard();
            const int f = CellAt(7, column);
            const board::DirectionRow row = RowFor(d);
            cells[static_cast<std::size_t>(f)].Tag = 1;
            cells[static_cast<std::size_t>(f + row.neighbourOffset)].Tag = 2;
            const int t = f + row.jumpOffset;
            const bool refused = (row.horizontal < 0 && column <= 2) || (row.horizontal > 0 && column >= 20);
            SCOPED_TRACE(std::string(row.name) + " from column " + std::to_string(column));
            EXPECT_EQ(board::RowEdgeRefuses(d, f, W), refused);
            const board::JumpTest jump = board::TryJump(cells, W, f, t);
            EXPECT_EQ(jump.legal, !refused);
            if (!refused) {
                EXPECT_EQ(jump.jumped, f + row.neighbourOffset);
                EXPECT_EQ(jump.direction, d);
            }
            EXPECT_EQ(board::IsLandingCell(cells, W, f, t), !refused);
        }
    }
}

TEST(TryJump, NeighbourCellIsNeverAJump) {
    std::vector<Cell> cells = EmptyBoard();
    const int f = CellAt(7, 10);
    cells[static_cast<std::size_t>(f)].Tag = 1;
    // Every cell around is occupied except the one clicked.
    for (Direction d : kAll) {
        const board::DirectionRow row = RowFor(d);
        for (Direction e : kAll) cells[static_cast<std::size_t>(f + RowFor(e).neighbourOffset)].Tag = 2;
        cells[static_cast<std::size_t>(f + row.neighbourOffset)].Tag = 0;
        EXPECT_FALSE(board::TryJump(cells, W, f, f + row.neighbourOffset).legal) << row.name;
        EXPECT_FALSE(board::IsLandingCell(cells, W, f, f + row.neighbourOffset)) << row.name;
    }
}

TEST(TryJump, EmptyMiddleCellRefusesTheJump) {
    std::vector<Cell> cells = EmptyBoard();
    const int f = CellAt(7, 10);
    cells[static_cast<std::size_t>(f)].Tag = 1;
    for (Direction d : kAll) {
        const board::DirectionRow row = RowFor(d);
        EXPECT_FALSE(board::TryJump(cells, W, f, f + row.jumpOffset).legal) << row.name;
    }
    EXPECT_FALSE(board::HasJumpFrom(cells, W, f));
}

TEST(TryJump, OtherDistancesAreNoJumps) {
    std::vector<Cell> cells = EmptyBoard();
    for (std::size_t n = 1; n < cells.size(); ++n) cells[n].Tag = 1;  // every middle cell occupied
    const int f = CellAt(7, 10);
    for (int dr = -3; dr <= 3; ++dr) {
        for (int dc = -3; dc <= 3; ++dc) {
            const bool jump = (dr == 0 || std::abs(dr) == 2) && (dc == 0 || std::abs(dc) == 2) && (dr != 0 || dc != 0);
            EXPECT_EQ(board::TryJump(cells, W, f, f + dr * W + dc).legal, jump) << dr << "," << dc;
        }
    }
}

TEST(LandingCells, NeverBeyondAnEdgeAndNeverMissing) {
    // With every other cell occupied, the landing cells of a frog are
    // exactly the cells two steps away inside the board in the eight
    // directions. Checked for every frog cell and every target cell.
    std::vector<Cell> cells = EmptyBoard();
    for (std::size_t n = 1; n < cells.size(); ++n) cells[n].Tag = 1;
    for (int f = 1; f <= kCells; ++f) {
        int expectedCount = 0;
        for (int x = 1; x <= kCells; ++x) {
            if (x == f) continue;
            cells[static_cast<std::size_t>(x)].Tag = 0;
            const int dr = RowOf(x) - RowOf(f);
            const int dc = ColumnOf(x) - ColumnOf(f);
            const bool expected = (dr == 0 || std::abs(dr) == 2) && (dc == 0 || std::abs(dc) == 2);
            expectedCount += expected ? 1 : 0;
            const bool landing = board::IsLandingCell(cells, W, f, x);
            cells[static_cast<std::size_t>(x)].Tag = 1;
            if (landing != expected) {
                ADD_FAILURE() << "frog on " << f << ", target " << x << ": landing " << landing;
                return;
            }
        }
        // A frog with any two-step target inside the board has a jump.
        cells[static_cast<std::size_t>(f)].Tag = 1;
        bool anyOpen = false;
        for (Direction d : kAll) {
            const Step s = StepOf(d);
            const int r = RowOf(f) + 2 * s.rows, c = ColumnOf(f) + 2 * s.columns;
            if (r < 1 || r > kRows || c < 1 || c > kColumns) continue;
            cells[static_cast<std::size_t>(CellAt(r, c))].Tag = 0;
            anyOpen = true;
            EXPECT_TRUE(board::HasJumpFrom(cells, W, f)) << f;
            cells[static_cast<std::size_t>(CellAt(r, c))].Tag = 1;
        }
        EXPECT_TRUE(anyOpen);
        EXPECT_GE(expectedCount, 3) << f;
        EXPECT_FALSE(board::HasJumpFrom(cells, W, f)) << "full board, frog on " << f;
    }
}

TEST(LandingCells, TargetsOutsideTheCellNumbersAreNoLandingCells) {
    std::vector<Cell> cells = EmptyBoard();
    for (std::size_t n = 1; n < cells.size(); ++n) cells[n].Tag = 1;
    for (int f : {CellAt(1, 1), CellAt(1, 21), CellAt(14, 1), CellAt(14, 21), CellAt(2, 2)}) {
        for (int x : {-2 * W, -44, -1, 0, kCells + 1, kCells + 2 * W + 2}) {
            EXPECT_FALSE(board::IsLandingCell(cells, W, f, x)) << f << " -> " << x;
        }
    }
}

// ------------------------------------------------------------ a legal jump
// Through the board click: the jumped frog leaves, its cell empties, the
// jumping frog stands on the landing cell and faces the way it moved.

class JumpEffect : public ::testing::TestWithParam<Direction> {};

TEST_P(JumpEffect, MovesTheFrogAndRemovesTheJumpedOne) {
    const Direction d = GetParam();
    TestGame game(false);
    Form1& form = game.form();
    const board::DirectionRow row = RowFor(d);
    const int f = CellAt(7, 10);
    const int j = f + row.neighbourOffset;
    const int t = f + row.jumpOffset;
    // Two more frogs in the corner keep a jump possible, so the level goes on.
    form.library.LevelPieces(1, 1) = static_cast<std::int16_t>(f);
    form.library.LevelPieces(1, 2) = static_cast<std::int16_t>(j);
    form.library.LevelPieces(1, 3) = static_cast<std::int16_t>(CellAt(1, 1));
    form.library.LevelPieces(1, 4) = static_cast<std::int16_t>(CellAt(1, 2));
    form.library.LevelNeedsGenerating[1] = false;
    form.game.CurrentLevel = 1;
    game::StartLevel(form);
    Board& b = form.board;
    ASSERT_EQ(board::FrogsLeft(b), 4);
    // Face the frog the other way first, so that "unchanged" is visible.
    b.Frog[1].FacingLeft = row.facing != Facing::Left;
    const bool before = b.Frog[1].FacingLeft;

    board::Frog_Click(form, 1);
    ASSERT_EQ(b.SelectedFrog, 1);
    board::ClickCell(form, t);

    EXPECT_EQ(board::FrogsLeft(b), 3);
    EXPECT_EQ(b.Grid[static_cast<std::size_t>(j)].Tag, 0);
    EXPECT_EQ(b.Grid[static_cast<std::size_t>(f)].Tag, 0);
    const int r = b.Grid[static_cast<std::size_t>(t)].Tag;
    ASSERT_GE(r, 1);
    EXPECT_EQ(b.Rect[static_cast<std::size_t>(r)].Tag, t);
    EXPECT_EQ(b.Rect[static_cast<std::size_t>(r)].Left, b.Grid[static_cast<std::size_t>(t)].Left + 3);
    EXPECT_EQ(b.Rect[static_cast<std::size_t>(r)].Top, b.Grid[static_cast<std::size_t>(t)].Top + 5);
    EXPECT_EQ(board::FindPicture(b, r), 1);
    EXPECT_TRUE(b.Frog[1].Visible);
    EXPECT_FALSE(b.Frog[2].Visible);
    EXPECT_EQ(b.Frog[1].FacingLeft, row.facing == Facing::Unchanged ? before : row.facing == Facing::Left);
    EXPECT_EQ(b.SelectedFrog, 0);
}

class RowEdgeClick : public ::testing::TestWithParam<Direction> {};

TEST_P(RowEdgeClick, RefusedJumpChangesNothing) {
    const Direction d = GetParam();
    const board::DirectionRow row = RowFor(d);
    TestGame game(false);
    Form1& form = game.form();
    const int f = CellAt(7, row.horizontal < 0 ? 2 : 20);
    const int j = f + row.neighbourOffset;
    form.library.LevelPieces(1, 1) = static_cast<std::int16_t>(f);
    form.library.LevelPieces(1, 2) = static_cast<std::int16_t>(j);
    form.library.LevelPieces(1, 3) = static_cast<std::int16_t>(CellAt(1, 1));
    form.library.LevelPieces(1, 4) = static_cast<std::int16_t>(CellAt(1, 2));
    form.library.LevelNeedsGenerating[1] = false;
    form.game.CurrentLevel = 1;
    game::StartLevel(form);
    Board& b = form.board;
    const std::vector<Cell> cellsBefore = b.Grid;

    board::Frog_Click(form, 1);
    board::ClickCell(form, f + row.jumpOffset);
    EXPECT_EQ(board::FrogsLeft(b), 4);
    for (int n = 1; n <= kCells; ++n) EXPECT_EQ(b.Grid[static_cast<std::size_t>(n)].Tag, cellsBefore[static_cast<std::size_t>(n)].Tag);
    EXPECT_TRUE(b.Frog[2].Visible);
    EXPECT_EQ(b.Rect[1].Tag, f);
}

std::string DirectionName(const ::testing::TestParamInfo<Direction>& info) {
    return RowFor(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, JumpEffect, ::testing::ValuesIn(kAll), DirectionName);
INSTANTIATE_TEST_SUITE_P(SidewaysDirections, RowEdgeClick,
                         ::testing::Values(Direction::sl, Direction::sr, Direction::dul, Direction::dur,
                                           Direction::ddl, Direction::ddr),
                         DirectionName);

}  // namespace
}  // namespace quib
