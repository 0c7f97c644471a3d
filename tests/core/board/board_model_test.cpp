// The board model: removing a frog keeps records dense and cells pointing at
// their records, the selection follows a renumbered record, and pictures are
// found by position however the record numbers have shifted.

#include <gtest/gtest.h>

#include <vector>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

constexpr int W = kColumns;
int CellAt(int row, int column) { return (row - 1) * W + column; }

// Puts a level with frogs on the given cells on the board the way a level
// starts in the game: through the library and StartLevel. The level number
// follows from the frog count (level n has n + 3 frogs).
void PlaceLevel(Form1& form, const std::vector<int>& cells) {
    const int n = static_cast<int>(cells.size()) - 3;
    ASSERT_GE(n, 1);
    for (int j = 1; j <= n + 3; ++j) form.library.LevelPieces(n, j) = static_cast<std::int16_t>(cells[j - 1]);
    form.library.LevelNeedsGenerating[static_cast<std::size_t>(n)] = false;
    form.game.CurrentLevel = n;
    form.game.RetryPending = false;
    game::StartLevel(form);
    ASSERT_EQ(board::FrogsLeft(form.board), n + 3);
}

// Invariants 1 and 2 of the board, plus: every live record's picture is
// visible at its position, and exactly `hidden` pictures are hidden.
void ExpectConsistentBoard(const Board& b, int hidden) {
    for (int r = 1; r <= board::FrogsLeft(b); ++r) {
        const FrogRecord& rec = b.Rect[static_cast<std::size_t>(r)];
        ASSERT_GE(rec.Tag, 1) << "record " << r;
        ASSERT_LE(rec.Tag, kCells) << "record " << r;
        EXPECT_EQ(b.Grid[static_cast<std::size_t>(rec.Tag)].Tag, r) << "record " << r;
        EXPECT_EQ(rec.Left, b.Grid[static_cast<std::size_t>(rec.Tag)].Left + 3) << "record " << r;
        EXPECT_EQ(rec.Top, b.Grid[static_cast<std::size_t>(rec.Tag)].Top + 5) << "record " << r;
        const int picture = board::FindPicture(b, r);
        ASSERT_GT(picture, 0) << "record " << r;
        EXPECT_TRUE(b.Frog[static_cast<std::size_t>(picture)].Visible) << "record " << r;
    }
    for (int n = 1; n <= kCells; ++n) {
        const int r = b.Grid[static_cast<std::size_t>(n)].Tag;
        if (r == 0) continue;
        ASSERT_LE(r, board::FrogsLeft(b)) << "cell " << n;
        EXPECT_EQ(b.Rect[static_cast<std::size_t>(r)].Tag, n) << "cell " << n;
    }
    int hiddenCount = 0;
    for (std::size_t i = 1; i < b.Frog.size(); ++i) hiddenCount += b.Frog[i].Visible ? 0 : 1;
    EXPECT_EQ(hiddenCount, hidden);
}

// Removes record r as a jump does: the record goes, then its cell is cleared.
void RemoveAsAJumpDoes(Form1& form, int r) {
    const int cell = form.board.Rect.at(static_cast<std::size_t>(r)).Tag;
    board::RemoveFrog(form, r);
    board::ClearCell(form, cell);
}

// ---------------------------------------------------------------- RemoveFrog

TEST(RemoveFrog, LastRecordIsOnlyUnloaded) {
    TestGame game(false);
    const std::vector<int> cells = {10, 50, 90, 130};
    PlaceLevel(game.form(), cells);
    Board& b = game->board;
    board::RemoveFrog(game.form(), 4);
    EXPECT_EQ(board::FrogsLeft(b), 3);
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(b.Rect[static_cast<std::size_t>(r)].Tag, cells[static_cast<std::size_t>(r - 1)]);
    EXPECT_FALSE(b.Frog[4].Visible);
    // The old cell is the caller's to clear.
    EXPECT_EQ(b.Grid[130].Tag, 4);
    board::ClearCell(game.form(), 130);
    ExpectConsistentBoard(b, 1);
}

TEST(RemoveFrog, LastRecordMovesIntoTheFreedNumber) {
    TestGame game(false);
    PlaceLevel(game.form(), {10, 50, 90, 130});
    Board& b = game->board;
    RemoveAsAJumpDoes(game.form(), 2);
    EXPECT_EQ(board::FrogsLeft(b), 3);
    EXPECT_EQ(b.Rect[2].Tag, 130);
    EXPECT_EQ(b.Grid[130].Tag, 2);
    EXPECT_EQ(b.Grid[50].Tag, 0);
    EXPECT_FALSE(b.Frog[2].Visible);  // the removed frog's picture
    EXPECT_EQ(board::FindPicture(b, 2), 4);  // the moved record keeps its picture
    ExpectConsistentBoard(b, 1);
}

TEST(RemoveFrog, SelectionFollowsTheMovedRecord) {
    TestGame game(false);
    PlaceLevel(game.form(), {10, 50, 90, 130, 170});
    Board& b = game->board;
    b.SelectedFrog = 5;  // the last record, on cell 170
    RemoveAsAJumpDoes(game.form(), 1);
    EXPECT_EQ(b.SelectedFrog, 1);
    EXPECT_EQ(b.Rect[1].Tag, 170);

    b.SelectedFrog = 2;  // not the last record: stays
    RemoveAsAJumpDoes(game.form(), 3);
    EXPECT_EQ(b.SelectedFrog, 2);
    EXPECT_EQ(b.Rect[2].Tag, 50);
    ExpectConsistentBoard(b, 2);
}

TEST(RemoveFrog, PicturesAreFoundByPositionAfterManyRemovals) {
    TestGame game(false);
    std::vector<int> cells;
    for (int k = 0; k < 12; ++k) cells.push_back(CellAt(2 + k, 3 + k));
    PlaceLevel(game.form(), cells);
    Board& b = game->board;
    // Picture i started on cells[i - 1]; remember where each frog is.
    const int order[] = {1, 1, 5, 2, 7, 3, 1, 4, 2};
    int hidden = 0;
    for (int r : order) {
        const int removedCell = b.Rect[static_cast<std::size_t>(r)].Tag;
        RemoveAsAJumpDoes(game.form(), r);
        ++hidden;
        ExpectConsistentBoard(b, hidden);
        // The picture of the removed frog is the one that started on its cell.
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i] == removedCell) {
                EXPECT_FALSE(b.Frog[i + 1].Visible);
            }
        }
    }
    // Record and picture numbers now differ, yet every record finds the
    // picture that started on the same cell as its frog.
    int differing = 0;
    for (int r = 1; r <= board::FrogsLeft(b); ++r) {
        const int picture = board::FindPicture(b, r);
        EXPECT_EQ(cells[static_cast<std::size_t>(picture - 1)], b.Rect[static_cast<std::size_t>(r)].Tag);
        differing += picture != r ? 1 : 0;
    }
    EXPECT_GT(differing, 0);
}

TEST(RemoveFrog, RecordNumbersOutsideTheBoardChangeNothing) {
    TestGame game(false);
    PlaceLevel(game.form(), {10, 50, 90, 130});
    for (int r : {0, -1, 5, 1000}) board::RemoveFrog(game.form(), r);
    EXPECT_EQ(board::FrogsLeft(game->board), 4);
    ExpectConsistentBoard(game->board, 0);
}

TEST(RemoveFrog, PictureOfALiveFrogIsPreferredOverAHiddenOneOnTheSameCell) {
    // A removed frog's picture stays, hidden, on its cell. When another frog
    // later lands there, the live frog's own picture is the one to act on.
    TestGame game(false);
    const int p = CellAt(5, 10), q = p + 1, r = p - 2 * W + 1, s = p - W + 1;
    PlaceLevel(game.form(), {p, q, r, s});  // pictures 1..4
    Board& b = game->board;
    board::Frog_Click(game.form(), 1);
    board::ClickCell(game.form(), p + 2);  // p jumps right over q
    ASSERT_FALSE(b.Frog[2].Visible);
    board::Frog_Click(game.form(), 3);
    board::ClickCell(game.form(), q);  // r jumps down over s onto q's old cell
    ASSERT_EQ(board::FrogsLeft(b), 2);
    ASSERT_TRUE(b.Frog[3].Visible);
    ASSERT_EQ(b.Frog[3].Left, b.Frog[2].Left);  // both pictures now on q's cell
    ASSERT_EQ(b.Frog[3].Top, b.Frog[2].Top);

    const int rRecord = b.Grid[static_cast<std::size_t>(q)].Tag;
    EXPECT_EQ(board::FindPicture(b, rRecord), 3);
    // Turning the frog by clicking its empty left neighbour turns the picture
    // the player sees.
    board::Frog_Click(game.form(), 3);
    board::ClickCell(game.form(), q - 1);
    EXPECT_TRUE(b.Frog[3].FacingLeft);
    ExpectConsistentBoard(b, 2);
}

// ----------------------------------------------------------- check board

TEST(RemoveCheckFrog, CompactsTheCheckBoardAndFollowsItsSelection) {
    TestGame game(false);
    Form1& form = game.form();
    const int level = 5;
    const int cells[] = {20, 40, 60, 80, 100, 120, 140, 160};
    for (int j = 1; j <= level + 3; ++j) form.gen.GeneratedPieces(level, j) = static_cast<std::int16_t>(cells[j - 1]);
    form.gen.GenerationLevel = level;
    levels::BuildCheckBoard(form);
    Board& b = form.board;
    ASSERT_EQ(b.RectB.size(), 9u);

    b.CheckSelectedFrog = 8;
    board::RemoveCheckFrog(form, 3);
    board::ClearCheckCell(form, 60);
    EXPECT_EQ(b.RectB.size(), 8u);
    EXPECT_EQ(b.CheckSelectedFrog, 3);
    EXPECT_EQ(b.RectB[3].Tag, 160);
    EXPECT_EQ(b.GridB[160].Tag, 3);
    EXPECT_EQ(b.GridB[60].Tag, 0);

    board::RemoveCheckFrog(form, 7);  // the last record
    board::ClearCheckCell(form, 140);
    EXPECT_EQ(b.RectB.size(), 7u);
    for (int r = 1; r <= 6; ++r) {
        const int cell = b.RectB[static_cast<std::size_t>(r)].Tag;
        EXPECT_EQ(b.GridB[static_cast<std::size_t>(cell)].Tag, r);
        EXPECT_EQ(b.RectB[static_cast<std::size_t>(r)].Left, b.GridB[static_cast<std::size_t>(cell)].Left + 3);
    }
    int occupied = 0;
    for (int n = 1; n <= kCells; ++n) occupied += b.GridB[static_cast<std::size_t>(n)].Tag > 0 ? 1 : 0;
    EXPECT_EQ(occupied, 6);
    // The visible board is untouched by the check board.
    for (int n = 1; n <= kCells; ++n) EXPECT_EQ(b.Grid[static_cast<std::size_t>(n)].Tag, 0);
}

}  // namespace
}  // namespace quib
