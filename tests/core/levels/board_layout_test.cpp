// The board's geometry: where the cells of both boards stand.

#include <gtest/gtest.h>

#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

TEST(BoardLayout, PlacesCellsOfBothBoardsOnTheirPitch) {
    TestGame game(false);
    const Board& b = game->board;
    ASSERT_EQ(b.Grid.size(), 295u);
    ASSERT_EQ(b.GridB.size(), 295u);
    EXPECT_EQ(b.Grid[1].Left, 7);
    EXPECT_EQ(b.Grid[1].Top, 5);
    EXPECT_EQ(b.Grid[21].Left, 747);
    EXPECT_EQ(b.Grid[21].Top, 5);
    EXPECT_EQ(b.Grid[22].Left, 7);
    EXPECT_EQ(b.Grid[22].Top, 42);
    EXPECT_EQ(b.Grid[294].Left, 747);
    EXPECT_EQ(b.Grid[294].Top, 486);
    EXPECT_EQ(b.GridB[1].Left, 10);
    EXPECT_EQ(b.GridB[1].Top, 10);
    EXPECT_EQ(b.GridB[294].Left, 750);
    EXPECT_EQ(b.GridB[294].Top, 491);
    EXPECT_EQ(b.Grid[294].Left + b.Grid[294].Width, 785);
    EXPECT_EQ(b.Grid[294].Top + b.Grid[294].Height, 524);
}

TEST(BoardLayout, RebuildKeepsOneSetOfCellsAndRaisesTinyCells) {
    TestGame game(false);
    game->board.CellWidth = 10;
    game->board.CellHeight = 5;
    levels::BuildBoardGrid(game.form());
    EXPECT_EQ(game->board.Grid.size(), 295u);
    EXPECT_EQ(game->board.GridB.size(), 295u);
    EXPECT_EQ(game->board.CellWidth, 20);
    EXPECT_EQ(game->board.CellHeight, 20);
    EXPECT_EQ(game->board.Grid[2].Left, 7 + 19);
}

TEST(BoardLayout, CheckBoardHoldsTheGeneratedFrogsWithMatchingTags) {
    TestGame game(false);
    Form1& f = game.form();
    f.gen.GenerationLevel = 5;
    const int cells[] = {10, 40, 70, 100, 130, 160, 190, 220};
    for (int j = 1; j <= 8; ++j) f.gen.GeneratedPieces(5, j) = static_cast<std::int16_t>(cells[j - 1]);
    levels::BuildCheckBoard(f);
    ASSERT_EQ(f.board.RectB.size(), 9u);
    for (int j = 1; j <= 8; ++j) {
        const int n = f.board.RectB[static_cast<std::size_t>(j)].Tag;
        EXPECT_EQ(n, cells[j - 1]);
        EXPECT_EQ(f.board.GridB[static_cast<std::size_t>(n)].Tag, j);
        EXPECT_EQ(f.board.RectB[static_cast<std::size_t>(j)].Left, f.board.GridB[static_cast<std::size_t>(n)].Left + 3);
    }
}

}  // namespace
}  // namespace quib
