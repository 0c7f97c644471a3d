#pragma once
// Board and moves: the board model, the jump rules shared by the visible
// board, the check board and the remaining-jump check, the board's click
// handling and what happens when a jump ends the level.

#include <array>
#include <optional>
#include <vector>

#include "../form.h"

namespace quib::board {

// ------------------------------------------------------------ board model

void ClearCell(Session& session, int n);
void ClearCheckCell(Session& session, int n);
// Number of frogs still on the board (records without the template).
inline int FrogsLeft(const Board& b) { return static_cast<int>(b.Rect.size()) - 1; }
// The picture of record r: the first picture of a frog still on the board
// whose Left and Top equal the record's; 0 when none matches.
int FindPicture(const Board& b, int r);
// Takes frog r off the board, moving the last record into its number.
void RemoveFrog(Session& session, int r);
void RemoveCheckFrog(Session& session, int r);
// Shows (or hides) the picture of every live frog record.
void ShowFrogPictures(Board& b);
void HideAllFrogPictures(Board& b);
// Cell outlines: none while "Grids" is off, always black.
void ResetCellOutlines(Session& session);

// ------------------------------------------------------------- move rules

enum class Direction { su, sd, sl, sr, dul, dur, ddl, ddr };
enum class Facing { Unchanged, Left, Right };

struct DirectionRow {
    Direction direction;
    const char* name;  // "su", "sd", ...
    int neighbourOffset;
    int jumpOffset;
    Facing facing;
    int horizontal;  // -1 leftward, +1 rightward, 0 straight up or down
};

// The eight rows of the direction table for a board W columns wide, in the
// order "su", "sd", "sl", "sr", "dul", "dur", "ddl", "ddr".
std::array<DirectionRow, 8> DirectionTable(int W);
// Returned by value: the table is often a temporary.
DirectionRow RowOf(const std::array<DirectionRow, 8>& table, Direction d);

// Names the neighbour direction of t seen from f (no row-edge test), in the
// order "su", "sd", "sr", "sl", "dul", "dur", "ddl", "ddr".
std::optional<Direction> NameNeighbour(int f, int t, int W);

// True when the row edge refuses a move in direction d by a frog on cell f.
bool RowEdgeRefuses(Direction d, int f, int W);

struct JumpTest {
    bool legal = false;
    int jumped = 0;  // the cell jumped over
    Direction direction = Direction::su;
};

// Whether the frog on f may jump to the (empty, non-neighbour) cell t of the
// given board's cells. Shared by the visible board and the check board.
JumpTest TryJump(const std::vector<Cell>& cells, int W, int f, int t);

// A landing cell of the frog on f: empty and reachable by a legal jump.
bool IsLandingCell(const std::vector<Cell>& cells, int W, int f, int x);

// Whether the frog on f has any legal jump on these cells.
bool HasJumpFrom(const std::vector<Cell>& cells, int W, int f);

// ---------------------------------------------------------- click handling

void ClickFrog(Session& session, int index);
void ClickEmptyCell(Session& session, int index);
void PressAt(Session& session, int button, int shift, float x, float y);
// A click 10 units inside cell n, as frog clicks and the playback make.
void ClickCell(Session& session, int n);
void MoveSelectedFrog(Session& session, int f, int t);
// The player lets go of the selected frog (Escape): its outline and the green
// landing hints go, the "Grids" outlines stay; nothing else changes.
void ClearSelection(Session& session);

// --------------------------------------------------------------- level end

void LevelSolved(Session& session);
void RoundOverIncomplete(Session& session);
// A game that ends hides "Continue": a loaded slot's game may have put it on
// the start screen, and continuing an ended game gave a board with no try
// left that ignores every click.
void EndedGameLeavesNothingToContinue(Session& session);

}  // namespace quib::board
