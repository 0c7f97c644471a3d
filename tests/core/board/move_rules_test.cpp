// The jump rules: a frog jumps two cells in one of eight directions over an
// occupied neighbour onto an empty cell of the board, never across a row
// edge; a neighbour cell is named (and turns the frog) but is never a jump.
// Expected results come from plain rows and columns, not from the offsets.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/board/board.h"
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

struct Step {
    Direction d;
    const char* name;
    int rows, columns;
};
constexpr Step kSteps[] = {{Direction::su, "su", -1, 0},   {Direction::sd, "sd", 1, 0},
                           {Direction::sl, "sl", 0, -1},   {Direction::sr, "sr", 0, 1},
                           {Direction::dul, "dul", -1, -1}, {Direction::dur, "dur", -1, 1},
                           {Direction::ddl, "ddl", 1, -1}, {Direction::ddr, "ddr", 1, 1}};

// The cells of the laid-out board, all holding `tag`.
std::vector<Cell> Cells(int tag) {
    static const std::vector<Cell> laidOut = [] {
        TestGame game(false);
        return game->board.Grid;
    }();
    std::vector<Cell> cells = laidOut;
    for (std::size_t n = 1; n < cells.size(); ++n) cells[n].RecordNumber = tag;
    return cells;
}

TEST(NameNeighbour, NamesExactlyTheEightNeighboursWithoutAnEdgeTest) {
    const int f = CellAt(7, 10);
    for (int dr = -3; dr <= 3; ++dr) {
        for (int dc = -3; dc <= 3; ++dc) {
            std::optional<Direction> expected;
            for (const Step& s : kSteps) {
                if (s.rows == dr && s.columns == dc) expected = s.d;
            }
            EXPECT_EQ(board::NameNeighbour(f, CellAt(7 + dr, 10 + dc), W), expected) << dr << "," << dc;
        }
    }
    // Naming only turns a frog, so the cell across the row edge is named too.
    EXPECT_EQ(board::NameNeighbour(CellAt(5, 1), CellAt(4, 21), W), Direction::sl);
    EXPECT_EQ(board::NameNeighbour(CellAt(5, 21), CellAt(6, 1), W), Direction::sr);
}

// With every other cell occupied, the landing cells of a frog are exactly
// the cells two rows and/or two columns away on the board: never a cell
// across a row edge, a neighbour or any other distance. Every frog cell
// against every target.
TEST(TryJump, LandingCellsAreExactlyTheTwoStepCellsOnTheBoard) {
    std::vector<Cell> cells = Cells(1);
    for (int f = 1; f <= kCells; ++f) {
        for (int x = 1; x <= kCells; ++x) {
            if (x == f) continue;
            const int dr = RowOf(x) - RowOf(f), dc = ColumnOf(x) - ColumnOf(f);
            const bool expected = (dr == 0 || std::abs(dr) == 2) && (dc == 0 || std::abs(dc) == 2);
            cells[static_cast<std::size_t>(x)].RecordNumber = 0;
            const bool landing = board::IsLandingCell(cells, W, f, x);
            const bool hasJump = board::HasJumpFrom(cells, W, f);
            cells[static_cast<std::size_t>(x)].RecordNumber = 1;
            if (landing != expected || hasJump != expected) {
                ADD_FAILURE() << "frog on " << f << ", target " << x << ": landing " << landing;
                return;
            }
        }
        for (int x : {-2 * W - 2, -1, 0, kCells + 1, kCells + 2 * W + 2}) {
            EXPECT_FALSE(board::IsLandingCell(cells, W, f, x)) << f << " -> " << x;
        }
    }
}

TEST(TryJump, NeedsAFrogOnTheMiddleCellAndNamesIt) {
    std::vector<Cell> cells = Cells(0);
    const int f = CellAt(7, 10);
    cells[static_cast<std::size_t>(f)].RecordNumber = 1;
    for (const Step& s : kSteps) {
        const int middle = CellAt(7 + s.rows, 10 + s.columns);
        const int t = CellAt(7 + 2 * s.rows, 10 + 2 * s.columns);
        EXPECT_FALSE(board::TryJump(cells, W, f, t).legal) << s.name;
        cells[static_cast<std::size_t>(middle)].RecordNumber = 2;
        const board::JumpTest jump = board::TryJump(cells, W, f, t);
        cells[static_cast<std::size_t>(middle)].RecordNumber = 0;
        EXPECT_TRUE(jump.legal) << s.name;
        EXPECT_EQ(jump.jumped, middle) << s.name;
        EXPECT_EQ(jump.direction, s.d) << s.name;
        // The frog turns to the side it moves to; straight up or down it keeps its picture.
        const Facing facing = s.columns < 0 ? Facing::Left : s.columns > 0 ? Facing::Right : Facing::Unchanged;
        EXPECT_EQ(board::RowOf(board::DirectionTable(W), jump.direction).facing, facing) << s.name;
    }
}

}  // namespace
}  // namespace quib
