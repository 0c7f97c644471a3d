// A board click: the strict hit test (edges belong to no cell, the
// one-unit overlap to both), selection through a frog picture with its
// outline and green landing hints, turning, the jump with its sound, the
// pause, and the clicks the board ignores.

#include <filesystem>

#include "core/window/window.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

// An Easy game with its frogs replaced by a hand-made board.
Session& StartWithBoard(TestGame& game, const std::vector<int>& cells) { return PlaceBoard(StartGame(game.session(), 1, 1), cells); }

std::vector<int> GreenCells(const Session& f) {
    std::vector<int> cells;
    for (std::size_t i = 1; i < f.board.Grid.size(); ++i) {
        const Cell& c = f.board.Grid[i];
        if (c.Outlined && c.BorderColor == Rgb(0, 240, 0) && c.Visible) cells.push_back(static_cast<int>(i));
    }
    return cells;
}

bool FacingLeft(const Session& f, int cell) { return f.board.Frog.at(PictureOnCell(f, cell)).FacingLeft; }
const Cell& GridCell(const Session& f, int n) { return f.board.Grid.at(static_cast<std::size_t>(n)); }
// A mouse press at an offset into a cell.
void PressIn(Session& f, int cell, float dx, float dy) {
    board::PressAt(f, 1, 0, GridCell(f, cell).Left + dx, GridCell(f, cell).Top + dy);
}

const int a = CellAt(5, 5);
const int edge = CellAt(9, 2);
const int far1 = CellAt(12, 12);
const int far2 = CellAt(12, 13);  // the far pair can always jump

TEST(FrogClick, SelectsOutlinesAndHintsOnlyReachableCellsWhileGridsIsOff) {
    TestGame game;
    Session& f = StartWithBoard(game, {a, a + 1, a + kColumns, a - kColumns - 1, far1, edge, edge - 1, edge + 1});
    ClickFrogOn(f, a);
    EXPECT_EQ(std::tuple(f.board.SelectedFrog, f.board.HighLight.Visible, f.board.HighLight.Left, f.board.HighLight.Top),
              std::tuple(1, true, GridCell(f, a).Left, GridCell(f, a).Top));
    EXPECT_EQ(GreenCells(f), (std::vector<int>{a - 2 * kColumns - 2, a + 2, a + 2 * kColumns}));
    ClickFrogOn(f, edge);  // replaces the selection; no hint past the row edge
    EXPECT_EQ(f.board.SelectedFrog, 6);
    EXPECT_EQ(GreenCells(f), std::vector<int>{edge + 2});
    window::ToggleGrids(f);
    ClickFrogOn(f, a);
    EXPECT_EQ(f.board.SelectedFrog, 1);
    EXPECT_TRUE(GreenCells(f).empty());
}

TEST(BoardClick, JumpMovesTheFrogRemovesTheOtherPlaysTheSoundAndClearsHints) {
    TestGame game;
    std::filesystem::create_directories(game.program.path() + "Sounds");
    std::ofstream(game.program.path() + "Sounds/Jump.wav") << "RIFF";
    Session& f = StartWithBoard(game, {a, a + 1, far1, far2});
    Jump(f, a, a + 2);
    EXPECT_EQ(FrogCells(f), (std::vector<int>{a + 2, far2, far1}));
    EXPECT_EQ(std::tuple(GridCell(f, a).RecordNumber, PictureOnCell(f, a + 1), f.board.SelectedFrog), std::tuple(0, 0, 0));
    EXPECT_FALSE(f.board.HighLight.Visible);
    EXPECT_TRUE(GreenCells(f).empty());
    EXPECT_EQ(game.platform.sounds, std::vector<std::string>{window::JumpSoundPath(f)});
    EXPECT_TRUE(CaptionHas(f, "  3 left out of"));
    f.game.TryNumber = f.game.TriesAllowed + 1;  // no try left: the board ignores clicks
    Jump(f, far2, far2 - 2);
    EXPECT_EQ(board::FrogsLeft(f.board), 3);
    f.game.TryNumber = 1;
    f.game.SoundOn = false;
    window::ShowAboutBox(f);
    Jump(f, far2, far2 - 2);
    EXPECT_FALSE(f.about.Loaded);  // a board click closes the About box
    EXPECT_EQ(std::pair(game.platform.sounds.size(), board::FrogsLeft(f.board)), std::pair(std::size_t{1}, 2));
}

TEST(BoardClick, NeighbourOnlyTurnsTheFrogWhosePictureIsFoundAfterRenumbering) {
    TestGame game;
    const int b = CellAt(5, 10), c = b + 2;
    // Record 1 is jumped, so the jumping frog's record moves into number 1
    // while its picture keeps number 5.
    Session& f = StartWithBoard(game, {b + 1, CellAt(12, 4), far1, far2, b});
    board::ClickCell(f, b);  // a frog's cell clicked directly selects nothing
    EXPECT_EQ(f.board.SelectedFrog, 0);
    Jump(f, b, c);
    ClickFrogOn(f, c);
    board::ClickCell(f, c - kColumns - 1);  // up-left
    EXPECT_TRUE(FacingLeft(f, c));
    EXPECT_EQ(PictureOnCell(f, c), 5);
    board::ClickCell(f, c - kColumns);  // straight up keeps the picture
    EXPECT_TRUE(FacingLeft(f, c));
    board::ClickCell(f, c + kColumns + 1);
    EXPECT_FALSE(FacingLeft(f, c));
    for (const int other : {c + 2, c + 3, far1}) board::ClickCell(f, other);  // across an empty cell; occupied
    EXPECT_EQ(std::pair(FrogCells(f)[0], f.board.SelectedFrog), std::pair(c, 1));
}

TEST(HitTest, EdgesBelongToNoCellAndTheOverlapToBothInIncreasingOrder) {
    TestGame game;
    Session& f = StartWithBoard(game, {a, a + 1, far1, far2});
    const Cell& t = GridCell(f, a + 2);
    ClickFrogOn(f, a);
    PressIn(f, a + 2, 0, 10);         // left edge: in a + 1 only
    PressIn(f, a + 2, 10, 0);         // top edge: the cell above
    PressIn(f, a + 2, 10, t.Height);  // bottom edge: the cell below
    board::PressAt(f, 1, 0, 790.0f, 530.0f);  // off the board
    EXPECT_EQ(FrogCells(f)[0], a);
    PressIn(f, a + 2, 1, 10);  // right of a + 1's edge: in t
    EXPECT_EQ(FrogCells(f)[0], a + 2);

    // The corner shared by the empty down-left neighbour and the landing cell
    // of the jump straight down: the frog turns left first, then jumps.
    const int b = CellAt(4, 6);
    PlaceBoard(f, {b, b + kColumns, far1, far2});
    ClickFrogOn(f, b);
    PressIn(f, b + 2 * kColumns, 0.5f, 0.5f);
    EXPECT_EQ(FrogCells(f)[0], b + 2 * kColumns);
    EXPECT_TRUE(FacingLeft(f, b + 2 * kColumns));

    // A jump onto the first of two cells still decides the outcome, though
    // nothing is selected any more when the second cell is reached.
    PlaceBoard(f, {a, a + 1});
    ClickFrogOn(f, a);
    PressIn(f, a + 3, 0.5f, 10);
    EXPECT_EQ(board::FrogsLeft(f.board), 1);
    EXPECT_TRUE(f.msg.PanelTitle.Visible);
}

TEST(BoardClick, AClickWhilePausedResumesTheGameAndActs) {
    for (const bool cellPicture : {false, true}) {
        TestGame game;
        Session& f = StartWithBoard(game, {a, a + 1, far1, far2});
        ClickFrogOn(f, a);
        f.clock.WasPaused = true;  // the notice was up when the About box opened
        game::DismissPauseNotice(f);
        ASSERT_TRUE(f.msg.PausedLabel.Visible);
        f.clock.WasPaused = false;
        board::HideAllFrogPictures(f.board);
        f.clock.State = ClockState::Frozen;
        if (cellPicture) board::ClickEmptyCell(f, a + 2); else board::ClickCell(f, a + 2);
        EXPECT_FALSE(f.msg.PausedLabel.Visible);
        EXPECT_EQ(std::pair(f.clock.State, FrogCells(f)[0]), std::pair(ClockState::RestoreRequested, a + 2));
        EXPECT_GT(PictureOnCell(f, far2), 0);
    }
}

}  // namespace
}  // namespace quib
