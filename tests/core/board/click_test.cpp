// A board click: the strict hit test (edges belong to no cell, the
// one-unit overlap to both), selection through a frog picture with its
// outline and green landing hints, turning, the jump with its sound, the
// pause and the clicks the board ignores.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/window/window.h"
#include "core/game/play_helpers.h"
#include "support/test_game.h"

namespace quib {
namespace {

using namespace quib::testing;

// An Easy game on level 1, then the frogs replaced by a hand-made board.
void StartWithBoard(TestGame& game, const std::vector<int>& cells) {
    Form1& f = game.form();
    InstallRowPuzzles(f, 1);
    game::NewGameMenue_Click(f, 1);
    PlaceBoard(f, cells);
    game::UpdateCaption(f);
}

int GreenCells(const Form1& f) {
    int count = 0;
    for (std::size_t i = 1; i < f.board.Grid.size(); ++i) {
        const Cell& c = f.board.Grid[i];
        if (c.BorderStyle == 1 && c.BorderColor == Rgb(0, 240, 0)) ++count;
    }
    return count;
}

void PutJumpSound(TestGame& game) {
    std::filesystem::create_directories(game.program.path() + "Sounds");
    std::ofstream(game.program.path() + "Sounds/Jump.wav") << "RIFF";
}

TEST(FrogClick, SelectsTheFrogOutlinesItsCellAndShowsItsLandingCells) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, a + kColumns, a - kColumns - 1, CellAt(12, 12)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    EXPECT_EQ(f.board.SelectedFrog, 1);
    EXPECT_TRUE(f.board.HighLight.Visible);
    EXPECT_EQ(f.board.HighLight.Left, f.board.Grid[static_cast<std::size_t>(a)].Left);
    EXPECT_EQ(f.board.HighLight.Top, f.board.Grid[static_cast<std::size_t>(a)].Top);
    EXPECT_EQ(GreenCells(f), 3);
    for (int landing : {a + 2, a + 2 * kColumns, a - 2 * kColumns - 2}) {
        const Cell& c = f.board.Grid[static_cast<std::size_t>(landing)];
        EXPECT_EQ(c.BorderStyle, 1) << landing;
        EXPECT_EQ(c.BorderColor, Rgb(0, 240, 0)) << landing;
        EXPECT_TRUE(c.Visible) << landing;
    }
    // Another frog's picture replaces the selection and its hints.
    ClickFrogOn(f, CellAt(12, 12));
    EXPECT_EQ(f.board.SelectedFrog, 5);
    EXPECT_EQ(GreenCells(f), 0);
}

TEST(FrogClick, NoLandingHintsWhileGridsIsOn) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, a + kColumns});
    Form1& f = game.form();
    window::mnuGrids_Click(f);
    ASSERT_TRUE(f.menu.mnuGrids.Checked);
    ClickFrogOn(f, a);
    EXPECT_EQ(f.board.SelectedFrog, 1);
    EXPECT_EQ(GreenCells(f), 0);
    window::mnuGrids_Click(f);
    ASSERT_FALSE(f.menu.mnuGrids.Checked);
    ClickFrogOn(f, a);
    EXPECT_EQ(GreenCells(f), 2);
}

TEST(FrogClick, HintsStopAtTheRowEdge) {
    TestGame game;
    const int a = CellAt(6, 2);
    StartWithBoard(game, {a, a - 1, a + 1});  // a frog on column 1 to the left
    Form1& f = game.form();
    ClickFrogOn(f, a);
    EXPECT_EQ(GreenCells(f), 1);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(a + 2)].BorderColor, Rgb(0, 240, 0));
    EXPECT_NE(f.board.Grid[static_cast<std::size_t>(a - 2)].BorderColor, Rgb(0, 240, 0));
}

TEST(BoardClick, JumpMovesTheFrogRemovesTheOtherPlaysTheSoundAndClearsHints) {
    TestGame game;
    PutJumpSound(game);
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12), CellAt(12, 13)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    board::ClickCell(f, a + 2);
    EXPECT_EQ(f.board.SelectedFrog, 0);
    EXPECT_FALSE(f.board.HighLight.Visible);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(a)].Tag, 0);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(a + 1)].Tag, 0);
    EXPECT_GT(f.board.Grid[static_cast<std::size_t>(a + 2)].Tag, 0);
    EXPECT_EQ(board::FrogsLeft(f.board), 3);
    EXPECT_EQ(PictureOnCell(f, a + 1), 0);
    ASSERT_GT(PictureOnCell(f, a + 2), 0);
    EXPECT_FALSE(f.board.Frog[static_cast<std::size_t>(PictureOnCell(f, a + 2))].FacingLeft);
    EXPECT_EQ(GreenCells(f), 0);
    ASSERT_EQ(game.platform.sounds.size(), 1u);
    EXPECT_EQ(game.platform.sounds[0], window::JumpSoundPath(f));
    EXPECT_NE(f.window.Caption.find("  3 left out of"), std::string::npos) << f.window.Caption;
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);  // the two far frogs can still jump
}

TEST(BoardClick, NoSoundWhenSoundIsOff) {
    TestGame game;
    PutJumpSound(game);
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12), CellAt(12, 13)});
    Form1& f = game.form();
    f.game.SoundOn = false;
    Jump(f, a, a + 2);
    EXPECT_EQ(board::FrogsLeft(f.board), 3);
    EXPECT_TRUE(game.platform.sounds.empty());
}

TEST(BoardClick, NeighbourCellOnlyTurnsTheFrogAndKeepsItSelected) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, CellAt(12, 12), CellAt(12, 13)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    const int picture = PictureOnCell(f, a);
    board::ClickCell(f, a - kColumns - 1);  // up-left
    EXPECT_TRUE(f.board.Frog[static_cast<std::size_t>(picture)].FacingLeft);
    board::ClickCell(f, a - kColumns);  // straight up keeps the picture
    EXPECT_TRUE(f.board.Frog[static_cast<std::size_t>(picture)].FacingLeft);
    board::ClickCell(f, a + 1);
    EXPECT_FALSE(f.board.Frog[static_cast<std::size_t>(picture)].FacingLeft);
    EXPECT_EQ(f.board.SelectedFrog, 1);
    EXPECT_EQ(FrogCells(f)[0], a);
}

TEST(BoardClick, RefusedOrDistantCellsChangeNothing) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, CellAt(12, 12), CellAt(12, 13)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    board::ClickCell(f, a + 2);  // across an empty cell
    board::ClickCell(f, a + 3);
    board::ClickCell(f, a + 2 * kColumns + 1);
    EXPECT_EQ(FrogCells(f)[0], a);
    EXPECT_EQ(f.board.SelectedFrog, 1);
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
}

TEST(BoardClick, WithNothingSelectedAClickOnAFrogCellSelectsNothing) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12)});
    Form1& f = game.form();
    board::ClickCell(f, a);
    EXPECT_EQ(f.board.SelectedFrog, 0);
    EXPECT_EQ(GreenCells(f), 0);
    board::Image2_Click(f, a + 2);
    EXPECT_EQ(FrogCells(f)[0], a);
}

// The hit test.
TEST(HitTest, APointOnACellsEdgeIsNotInThatCell) {
    TestGame game;
    const int a = CellAt(5, 5);
    const int t = a + 2;
    StartWithBoard(game, {a, a + 1, CellAt(12, 12), CellAt(12, 14)});
    Form1& f = game.form();
    const Cell& target = f.board.Grid[static_cast<std::size_t>(t)];
    ClickFrogOn(f, a);
    // Left edge of t: inside the frog cell a + 1 only.
    board::Form_MouseDown(f, 1, 0, target.Left, target.Top + 10);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(t)].Tag, 0);
    // Top edge of t: inside the cell above only.
    board::Form_MouseDown(f, 1, 0, target.Left + 10, target.Top);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(t)].Tag, 0);
    // Bottom edge of t: inside the cell below only.
    board::Form_MouseDown(f, 1, 0, target.Left + 10, target.Top + target.Height);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(t)].Tag, 0);
    EXPECT_EQ(f.board.SelectedFrog, 1);
    // One unit in from its left edge is still inside t and the jump happens.
    board::Form_MouseDown(f, 1, 0, target.Left + 1, target.Top + 10);
    EXPECT_GT(f.board.Grid[static_cast<std::size_t>(t)].Tag, 0);
}

TEST(HitTest, BothOverlappingCellsAreHandledInIncreasingOrder) {
    TestGame game;
    const int a = CellAt(4, 6);
    StartWithBoard(game, {a, a + kColumns, CellAt(12, 12), CellAt(12, 13)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    const int landing = a + 2 * kColumns;  // straight down over a + W
    const Cell& c = f.board.Grid[static_cast<std::size_t>(landing)];
    // The corner shared by the empty down-left neighbour a + W - 1 and the
    // landing cell: the frog turns left first, then jumps.
    board::Form_MouseDown(f, 1, 0, c.Left + 0.5f, c.Top + 0.5f);
    EXPECT_GT(f.board.Grid[static_cast<std::size_t>(landing)].Tag, 0);
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(a + kColumns)].Tag, 0);
    const int picture = PictureOnCell(f, landing);
    ASSERT_GT(picture, 0);
    EXPECT_TRUE(f.board.Frog[static_cast<std::size_t>(picture)].FacingLeft);
}

TEST(HitTest, AJumpInTheOverlapStillDecidesTheOutcome) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    const Cell& next = f.board.Grid[static_cast<std::size_t>(a + 3)];
    // Inside the landing cell a + 2 and the cell after it.
    board::Form_MouseDown(f, 1, 0, next.Left + 0.5f, next.Top + 10);
    EXPECT_EQ(board::FrogsLeft(f.board), 1);
    EXPECT_TRUE(f.msg.Label2.Visible);
    EXPECT_EQ(f.msg.Label2.Caption, "Level 1 Completed");
}

TEST(HitTest, ClicksOutsideEveryCellDoNothing) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    board::Form_MouseDown(f, 1, 0, 3.0f, 3.0f);
    board::Form_MouseDown(f, 2, 0, 790.0f, 530.0f);
    EXPECT_EQ(f.board.SelectedFrog, 1);
    EXPECT_EQ(FrogCells(f)[0], a);
}

// Pause and the clicks the board ignores.
TEST(BoardClick, AClickWhilePausedResumesAndActs) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12), CellAt(12, 13)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    f.clock.WasPaused = true;  // the pause notice was up when the About box opened
    game::PausedLabel_click(f);
    ASSERT_TRUE(f.msg.PausedLabel.Visible);
    f.clock.WasPaused = false;
    board::HideAllFrogPictures(f.board);
    f.board.HighLight.Visible = false;
    f.clock.ClockState = 2;
    board::ClickCell(f, a + 2);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
    EXPECT_GT(f.board.Grid[static_cast<std::size_t>(a + 2)].Tag, 0);
    EXPECT_GT(PictureOnCell(f, CellAt(12, 12)), 0);
    EXPECT_GT(PictureOnCell(f, a + 2), 0);
}

TEST(BoardClick, ACellPictureClickWhilePausedResumesAndActs) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12), CellAt(12, 13)});
    Form1& f = game.form();
    ClickFrogOn(f, a);
    f.msg.PausedLabel.Visible = true;
    board::HideAllFrogPictures(f.board);
    board::Image2_Click(f, a + 2);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_EQ(f.clock.ClockState, 3);
    EXPECT_GT(f.board.Grid[static_cast<std::size_t>(a + 2)].Tag, 0);
    EXPECT_GT(PictureOnCell(f, CellAt(12, 13)), 0);
}

TEST(BoardClick, IgnoredOnceNoTryIsLeft) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12)});
    Form1& f = game.form();
    f.game.TryNumber = f.game.TriesAllowed + 1;
    ClickFrogOn(f, a);
    EXPECT_EQ(f.board.SelectedFrog, 0);
    f.board.SelectedFrog = 1;
    board::ClickCell(f, a + 2);
    EXPECT_EQ(FrogCells(f)[0], a);
}

TEST(BoardClick, AClickWithoutAJumpNeverEndsTheRound) {
    TestGame game;
    StartWithBoard(game, {CellAt(3, 3), CellAt(3, 6), CellAt(9, 9)});  // already blocked
    Form1& f = game.form();
    ClickFrogOn(f, CellAt(3, 3));
    board::ClickCell(f, CellAt(3, 5));
    EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(f.msg.Label2.Visible);
}

TEST(BoardClick, ClosesTheAboutBoxFirst) {
    TestGame game;
    const int a = CellAt(5, 5);
    StartWithBoard(game, {a, a + 1, CellAt(12, 12)});
    Form1& f = game.form();
    window::aboutmenue_Click(f);
    ASSERT_TRUE(f.about.Loaded);
    ClickFrogOn(f, a);
    EXPECT_FALSE(f.about.Loaded);
    EXPECT_EQ(f.board.SelectedFrog, 1);
}

TEST(BoardClick, TurningPictureFollowsTheFrogAfterRecordsAreRenumbered) {
    TestGame game;
    const int a = CellAt(5, 10);
    // Record 1 is jumped, so the last record, the jumping frog, moves into
    // its number while its picture keeps number 5.
    StartWithBoard(game, {a + 1, CellAt(12, 4), CellAt(12, 12), CellAt(12, 13), a});
    Form1& f = game.form();
    Jump(f, a, a + 2);
    ASSERT_EQ(board::FrogsLeft(f.board), 4);
    const int moved = f.board.Grid[static_cast<std::size_t>(a + 2)].Tag;
    EXPECT_EQ(moved, 1);
    ClickFrogOn(f, a + 2);
    board::ClickCell(f, a + 1);  // empty left neighbour: turn left
    const int picture = PictureOnCell(f, a + 2);
    EXPECT_EQ(picture, 5);
    EXPECT_TRUE(f.board.Frog[static_cast<std::size_t>(picture)].FacingLeft);
}

}  // namespace
}  // namespace quib
