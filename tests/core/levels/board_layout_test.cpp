// The board's geometry: where the cells of both boards stand, and the check
// board holding exactly the frogs of the puzzle under verification.

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

TEST(BoardLayout, PlacesCellsOfBothBoardsOnTheirPitchAndRebuildsInPlace) {
    TestGame game(false);
    Board& b = game->board;
    struct Corner {
        int n;
        float left, top, leftB, topB;
    };
    for (const Corner& c : {Corner{1, 7, 5, 10, 10}, Corner{21, 747, 5, 750, 10}, Corner{22, 7, 42, 10, 47},
                            Corner{294, 747, 486, 750, 491}}) {
        const Cell &cell = b.Grid.at(static_cast<std::size_t>(c.n)), &cellB = b.GridB.at(static_cast<std::size_t>(c.n));
        EXPECT_EQ((std::pair{cell.Left, cell.Top}), (std::pair{c.left, c.top})) << c.n;
        EXPECT_EQ((std::pair{cellB.Left, cellB.Top}), (std::pair{c.leftB, c.topB})) << c.n;
    }
    EXPECT_EQ(b.Grid[294].Left + b.Grid[294].Width, 785);
    EXPECT_EQ(b.Grid[294].Top + b.Grid[294].Height, 524);

    b.CellWidth = 10;
    b.CellHeight = 5;
    levels::BuildBoardGrid(game.session());
    EXPECT_EQ(b.Grid.size(), 295u);
    EXPECT_EQ(b.GridB.size(), 295u);
    EXPECT_EQ(b.Grid[2].Left, 7 + 19);
    EXPECT_EQ(b.GridB[22].Top, 10 + 19);
}

TEST(BoardLayout, CheckBoardHoldsOnlyTheFrogsOfTheLevelUnderVerification) {
    TestGame game(false);
    Session& f = game.session();
    for (int j = 1; j <= 9; ++j) f.gen.GeneratedPieces(6, j) = static_cast<std::int16_t>(200 + j);
    f.gen.GenerationLevel = 6;
    levels::BuildCheckBoard(f);

    const int cells[] = {10, 40, 70, 100, 130, 160, 190, 220};
    for (int j = 1; j <= 8; ++j) f.gen.GeneratedPieces(5, j) = static_cast<std::int16_t>(cells[j - 1]);
    f.gen.GenerationLevel = 5;
    levels::BuildCheckBoard(f);
    ASSERT_EQ(f.board.RectB.size(), 9u);
    for (int j = 1; j <= 8; ++j) {
        const FrogRecord& rec = f.board.RectB[static_cast<std::size_t>(j)];
        const Cell& cell = f.board.GridB[static_cast<std::size_t>(cells[j - 1])];
        EXPECT_EQ((std::pair{rec.CellNumber, cell.RecordNumber}), (std::pair{cells[j - 1], j}));
        EXPECT_EQ((std::tuple{rec.Left, rec.Top, rec.Width}), (std::tuple{cell.Left + 3, cell.Top + 3, 32.0f}));
    }
    int occupied = 0;
    for (std::size_t n = 1; n < f.board.GridB.size(); ++n) occupied += f.board.GridB[n].RecordNumber > 0;
    EXPECT_EQ(occupied, 8);  // nothing left of the level built before
}

}  // namespace
}  // namespace quib
