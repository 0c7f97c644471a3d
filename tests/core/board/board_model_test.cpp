// The board model: removing a frog keeps the records dense, moves the last
// record into the freed number with its cell and the selection following it,
// and every record still finds its own picture by position.

#include <gtest/gtest.h>

#include <vector>

#include "core/board/board.h"
#include "core/game/game.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

// Puts a level with frogs on the given cells on the board through the
// library and StartLevel; level n has n + 3 frogs.
void PlaceLevel(Session& session, const std::vector<int>& cells) {
    const int n = static_cast<int>(cells.size()) - 3;
    for (int j = 1; j <= n + 3; ++j) session.library.LevelPieces(n, j) = static_cast<std::int16_t>(cells[j - 1]);
    session.library.LevelNeedsGenerating[static_cast<std::size_t>(n)] = false;
    session.game.CurrentLevel = n;
    game::StartLevel(session);
    ASSERT_EQ(board::FrogsLeft(session.board), n + 3);
}

// Records and cells name each other, and each record's picture is visible on
// it; `hidden` pictures are hidden.
void ExpectConsistentBoard(const Board& b, int hidden) {
    int occupied = 0;
    for (int n = 1; n <= kCells; ++n) occupied += b.Grid[static_cast<std::size_t>(n)].RecordNumber > 0;
    EXPECT_EQ(occupied, board::FrogsLeft(b));
    for (int r = 1; r <= board::FrogsLeft(b); ++r) {
        const FrogRecord& rec = b.Rect[static_cast<std::size_t>(r)];
        ASSERT_EQ(b.Grid.at(static_cast<std::size_t>(rec.CellNumber)).RecordNumber, r) << "record " << r;
        const int picture = board::FindPicture(b, r);
        ASSERT_GT(picture, 0) << "record " << r;
        EXPECT_TRUE(b.Frog[static_cast<std::size_t>(picture)].Visible) << "record " << r;
    }
    int hiddenCount = 0;
    for (std::size_t i = 1; i < b.Frog.size(); ++i) hiddenCount += !b.Frog[i].Visible;
    EXPECT_EQ(hiddenCount, hidden);
}

// Removes record r as a jump does: the record goes, then its cell is cleared.
void RemoveAsAJumpDoes(Session& session, int r) {
    const int cell = session.board.Rect.at(static_cast<std::size_t>(r)).CellNumber;
    board::RemoveFrog(session, r);
    board::ClearCell(session, cell);
}

TEST(RemoveFrog, MovesTheLastRecordIntoTheFreedNumberAndTheSelectionWithIt) {
    TestGame game(false);
    Session& session = game.session();
    PlaceLevel(session, {10, 50, 90, 130, 170});
    Board& b = session.board;

    // The last record only goes; its cell is the caller's to clear.
    board::RemoveFrog(session, 5);
    EXPECT_EQ(b.Grid[170].RecordNumber, 5);
    board::ClearCell(session, 170);
    EXPECT_NE(session.window.Caption.find("  4 left out of"), std::string::npos) << session.window.Caption;
    EXPECT_FALSE(b.Frog[5].Visible);
    ExpectConsistentBoard(b, 1);

    b.SelectedFrog = 4;  // the last record, on 130
    RemoveAsAJumpDoes(session, 2);
    EXPECT_EQ(b.Rect[2].CellNumber, 130);
    EXPECT_EQ(b.Grid[130].RecordNumber, 2);
    EXPECT_EQ(b.SelectedFrog, 2);
    EXPECT_FALSE(b.Frog[2].Visible);         // the removed frog's picture
    EXPECT_EQ(board::FindPicture(b, 2), 4);  // the moved record keeps its own
    ExpectConsistentBoard(b, 2);

    b.SelectedFrog = 1;  // not the last record: it stays
    RemoveAsAJumpDoes(session, 2);
    EXPECT_EQ(b.SelectedFrog, 1);
    for (int r : {0, -1, 3, 1000}) board::RemoveFrog(session, r);  // no such record
    ExpectConsistentBoard(b, 3);
}

// A removed frog's picture stays, hidden, on its cell; once another frog
// lands there, the live frog's own picture is the one that turns, comes
// back after every picture was hidden (the high-score table, a pause) and
// hides.
TEST(RemoveFrog, ALiveFrogsPictureWinsOverAHiddenOneOnTheSameCell) {
    TestGame game(false);
    Session& session = game.session();
    const int p = 94, q = p + 1, r = p - 2 * kColumns + 1, s = p - kColumns + 1;
    PlaceLevel(session, {p, q, r, s});  // pictures 1..4
    Board& b = session.board;
    board::ClickFrog(session, 1);
    board::ClickCell(session, p + 2);  // p jumps right over q
    board::ClickFrog(session, 3);
    board::ClickCell(session, q);  // r jumps down over s onto q's old cell
    ASSERT_EQ(board::FrogsLeft(b), 2);
    ASSERT_EQ(b.Frog[3].Left, b.Frog[2].Left);
    ASSERT_EQ(b.Frog[3].Top, b.Frog[2].Top);

    board::ClickFrog(session, 3);
    board::ClickCell(session, q - 1);  // an empty left neighbour turns the frog
    EXPECT_TRUE(b.Frog[3].FacingLeft);
    board::HideAllFrogPictures(b);
    board::ShowFrogPictures(b);
    EXPECT_TRUE(b.Frog[3].Visible && !b.Frog[2].Visible);
    board::RemoveFrog(session, b.Grid[static_cast<std::size_t>(q)].RecordNumber);
    board::ClearCell(session, q);
    EXPECT_FALSE(b.Frog[3].Visible);  // no picture left standing on an empty cell
    ExpectConsistentBoard(b, 3);
}

}  // namespace
}  // namespace quib
