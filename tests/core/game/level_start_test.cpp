// A level start counts the try, places the level's stored frogs (making a
// puzzle first when the stored one is used or damaged, never for a retry)
// and marks the puzzle used; "Continue" shows stored records or retries a
// blocked board; the remaining-jump check looks at every frog.

#include "core/levels/levels.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

// The frogs stand on these cells in record order, each cell naming its
// record, each record and a visible picture at the level start's offsets.
void ExpectFrogsOnCells(const Session& f, const std::vector<int>& cells) {
    ASSERT_EQ(FrogCells(f), cells);
    for (std::size_t r = 1; r <= cells.size(); ++r) {
        const Cell& cell = f.board.Grid[static_cast<std::size_t>(cells[r - 1])];
        EXPECT_EQ(std::tuple(cell.RecordNumber, f.board.Rect[r].Left, f.board.Rect[r].Top),
                  std::tuple(static_cast<int>(r), cell.Left + 3, cell.Top + 5));
        EXPECT_GT(PictureOnCell(f, cells[r - 1]), 0);
    }
}

TEST(LevelStart, NewGamePlacesTheStoredFrogsAsTryOneAndAFreshStartOfAUsedLevelMakesANewPuzzle) {
    TestGame game;
    Session& f = StartGame(game.session(), 1, 1);
    EXPECT_EQ(f.game.TryNumber, 1);
    ExpectFrogsOnCells(f, LevelPuzzle(1).pieces);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[1] && f.menu.QuitEntry.Enabled && f.menu.RestartLevelEntry.Enabled);
    EXPECT_EQ(f.window.MousePointer, Pointer::Default);
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  10"));
    game::StartLevel(f);
    EXPECT_TRUE(f.gen.LevelVerified[1]);
    EXPECT_EQ(f.gen.GenerationLevel, 2);
    EXPECT_NE(FrogCells(f), LevelPuzzle(1).pieces);
    ExpectFrogsOnCells(f, StoredPieces(f, 1));
    f.game.CurrentLevel = 200;
    game::StartLevel(f);
    EXPECT_EQ(board::FrogsLeft(f.board), 203);
    ExpectFrogsOnCells(f, StoredPieces(f, 200));
}

TEST(LevelStart, LevelTheSupplyIsWorkingOnIsPlayedAndNeverOverwritten) {
    TestGame game;
    Session& f = game.session();
    InstallRowPuzzles(f, 4);
    const auto pieces = LevelPuzzle(4).pieces;
    f.library.LevelNeedsGenerating[4] = true;
    f.gen.GenerationLevel = 4;
    f.gen.GenerationRequested = true;
    f.gen.GenerationDone = false;
    f.game.CurrentLevel = 4;
    f.game.RetryPending = true;
    game::StartLevel(f);
    ExpectFrogsOnCells(f, pieces);
    for (int tick = 0; tick < 20; ++tick) levels::TimerTick(f);
    EXPECT_EQ(StoredPieces(f, 4), pieces);
}

TEST(LevelStart, DamagedStoredPuzzleIsMadeAnewAndNoPuzzleLeavesAnEmptyBoard) {
    TestGame game;
    Session& f = game.session();
    InstallPuzzle(f, 2, {30, 31, 31, 33, 35});  // two frogs on one cell
    f.game.CurrentLevel = 2;
    f.game.RetryPending = true;  // even a retry cannot replay it
    game::StartLevel(f);
    EXPECT_NE(StoredPieces(f, 2), (std::vector<int>{30, 31, 31, 33, 35}));
    ExpectFrogsOnCells(f, StoredPieces(f, 2));

    const int occupied = FrogCells(f)[0];
    f.game.CurrentLevel = 348;  // beyond the tables: the frogs of level 2 must go
    game::StartLevel(f);
    EXPECT_EQ(board::FrogsLeft(f.board), 0);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(occupied)].RecordNumber, 0);
}

// With "Grids" on every level start outlines every cell, also after the
// high-score table hid them: closed over the level-completed panel, or
// still open at "Restart Level".
TEST(LevelStart, OutlinesEveryCellWithGridsOnAfterTheHighScoreTable) {
    TestGame game;
    Session& f = StartGame(game.session(), 1, 2);
    window::ToggleGrids(f);
    const auto outlined = [&f] {
        return std::count_if(f.board.Grid.begin() + 1, f.board.Grid.end(),
                             [](const Cell& c) { return c.Visible && c.Outlined; });
    };
    PlaySolution(f, LevelPuzzle(1));
    records::ShowHighScores(f);
    records::CloseHighScores(f);
    ClickWindow(f);
    EXPECT_EQ(std::pair(f.game.CurrentLevel, outlined()), std::pair(2, std::ptrdiff_t{kCells}));
    records::ShowHighScores(f);
    game::RestartLevel(f);
    EXPECT_EQ(outlined(), kCells);
}

TEST(ResumeBoard, ContinueShowsAPlayableStoredBoardRetriesABlockedOneAndAFinishedOneStartsAfresh) {
    TestGame game;
    Session& f = game.session();
    InstallRowPuzzles(f, 2);
    f.game.ResumeLevel = 2;
    f.game.TryNumber = 4;
    PlaceBoard(f, {100, 150, 151});
    f.board.Frog.resize(1);  // a file read leaves records only
    game::ContinueGame(f);
    ExpectFrogsOnCells(f, {100, 150, 151});
    EXPECT_EQ(f.game.TryNumber, 4);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[2] && !f.game.ResumeOffered);
    EXPECT_TRUE(CaptionHas(f, "Level:   2 of 200" + std::string(17, ' ') + "3 left out of   5"));
    PlaceBoard(f, {CellAt(2, 2), CellAt(2, 5), CellAt(9, 9)});  // blocked: a retry of the level's puzzle
    game::ContinueGame(f);
    EXPECT_EQ(f.game.TryNumber, 5);
    ExpectFrogsOnCells(f, LevelPuzzle(2).pieces);
    PlaceBoard(f, {100});
    game::ResumeBoard(f);  // finished: a fresh start of the level, now used, with a new puzzle
    EXPECT_EQ(board::FrogsLeft(f.board), 5);
    EXPECT_NE(FrogCells(f), LevelPuzzle(2).pieces);
    EXPECT_EQ(f.game.TryNumber, 4);
}

// Whether any frog can jump, by the jump rules of each frog on its cell
// (checked on their own elsewhere): every record is visited, the first
// as well as the last, and an earlier answer never sticks.
TEST(CheckJumpPossible, VisitsEveryFrogAndRespectsTheRowEdges) {
    TestGame game;
    const std::pair<std::vector<int>, bool> boards[] = {
        {{CellAt(1, 20), CellAt(1, 21)}, true},
        {{CellAt(1, 21), CellAt(2, 1)}, false},  // neighbours by number on two rows
        {{CellAt(2, 21), CellAt(4, 1)}, false},  // down-right from column 21
        {{CellAt(9, 8), CellAt(5, 5), CellAt(9, 10), CellAt(9, 9)}, true},  // only the last frog can jump
        {{CellAt(3, 3), CellAt(3, 4), CellAt(3, 2), CellAt(9, 9)}, true},   // only the first frog can jump
        {{CellAt(3, 3), CellAt(5, 5), CellAt(7, 7)}, false},
    };
    for (const auto& [cells, possible] : boards) {
        game::CheckJumpPossible(PlaceBoard(game.session(), cells));
        EXPECT_EQ(game->game.JumpPossible, possible) << "frogs from cell " << cells[0];
    }
}

}  // namespace
}  // namespace quib
