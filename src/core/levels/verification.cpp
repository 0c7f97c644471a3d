// The verification of generated puzzles: the recorded solution is replayed
// on the hidden check board with the same jump rules the player meets, and
// the puzzle counts only if one frog is left.

#include "../board/board.h"
#include "levels.h"

namespace quib::levels {

namespace {

bool IsCell(const std::vector<Cell>& cells, int n) { return n >= 1 && n < static_cast<int>(cells.size()); }

// The check-board cell under a point: the first cell, in number order, with
// Left <= x <= Left + Width and Top < y < Top + Height. Neighbouring cells
// overlap by one unit, so a point on a shared vertical border belongs to the
// left-hand cell. 0 when no cell holds the point.
int FindCheckCell(const std::vector<Cell>& cells, float x, float y) {
    for (std::size_t k = 1; k < cells.size(); ++k) {
        const Cell& c = cells[k];
        if (c.Left <= x && x <= c.Left + c.Width && c.Top < y && y < c.Top + c.Height) return static_cast<int>(k);
    }
    return 0;
}

}  // namespace

void VerifyGeneratedLevel(Session& session) {
    Generator& gen = session.gen;
    Board& b = session.board;
    const int g = gen.GenerationLevel;
    // Cleared before the board is built, so that a verification cut short by
    // a damaged puzzle can never leave an earlier success standing.
    gen.LevelVerified.at(static_cast<std::size_t>(g)) = false;
    BuildCheckBoard(session);

    for (int j = 1; j <= g + 2; ++j) {
        // The frog is chosen by the cell it stands on, so the renumbering of
        // records after each removal never loses track of it. A from-cell off
        // the board selects nothing, so the puzzle fails rather than the run.
        const int from = gen.GeneratedSolutionFrom(g, j).value_or(0);
        b.CheckSelectedFrog = IsCell(b.GridB, from) ? b.GridB[static_cast<std::size_t>(from)].RecordNumber : 0;
        const int t = gen.GeneratedSolutionTo(g, j);
        // A landing cell that is no cell cannot be clicked: the step does
        // nothing, like any other failing step.
        if (IsCell(b.GridB, t)) {
            const Cell& landing = b.GridB[static_cast<std::size_t>(t)];
            CheckBoardClick(session, 1, 1, landing.Left + 10, landing.Top + 10);
        }
        b.CheckSelectedFrog = 0;
    }

    if (b.RectB.size() == 2) gen.LevelVerified.at(static_cast<std::size_t>(g)) = true;
}

void CheckBoardClick(Session& session, int button, int shift, float x, float y) {
    (void)button;
    (void)shift;
    Board& b = session.board;
    const int t = FindCheckCell(b.GridB, x, y);
    if (t == 0 || b.GridB[static_cast<std::size_t>(t)].RecordNumber != 0 || b.CheckSelectedFrog <= 0) return;
    const int selected = b.CheckSelectedFrog;
    if (selected >= static_cast<int>(b.RectB.size())) return;
    const int f = b.RectB[static_cast<std::size_t>(selected)].CellNumber;
    if (!IsCell(b.GridB, f)) return;

    const int W = b.BoardColumns;
    // An empty neighbour is no jump; the check board has no pictures to turn.
    if (board::NameNeighbour(f, t, W)) return;
    const board::JumpTest jump = board::TryJump(b.GridB, W, f, t);
    if (!jump.legal) return;

    board::RemoveCheckFrog(session, b.GridB[static_cast<std::size_t>(jump.jumped)].RecordNumber);
    board::ClearCheckCell(session, jump.jumped);
    // The removal may have renumbered the selected record.
    const int mover = b.CheckSelectedFrog;
    b.GridB[static_cast<std::size_t>(f)].RecordNumber = 0;
    Cell& landing = b.GridB[static_cast<std::size_t>(t)];
    landing.RecordNumber = mover;
    FrogRecord& rec = b.RectB.at(static_cast<std::size_t>(mover));
    rec.CellNumber = t;
    rec.BorderColor = 0;
    rec.Left = landing.Left + 3;
    rec.Top = landing.Top + 3;
}

}  // namespace quib::levels
