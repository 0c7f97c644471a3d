// The board model: cells, frog records, frog pictures and the selection,
// with the small operations that keep them consistent.

#include "../game/game.h"
#include "board.h"

namespace quib::board {

void ClearCell(Session& session, int n) { session.board.Grid.at(static_cast<std::size_t>(n)).RecordNumber = 0; }

void ClearCheckCell(Session& session, int n) { session.board.GridB.at(static_cast<std::size_t>(n)).RecordNumber = 0; }

int FindPicture(const Board& b, int r) {
    if (r < 1 || r >= static_cast<int>(b.Rect.size())) return 0;
    const FrogRecord& rec = b.Rect[static_cast<std::size_t>(r)];
    // A removed frog's picture stays hidden on its cell, so once another frog
    // lands there two pictures share the position; only the live frog's
    // counts, whether the pictures are shown or all hidden (a pause, the
    // high-score table).
    for (std::size_t i = 1; i < b.Frog.size(); ++i) {
        const FrogPicture& pic = b.Frog[i];
        if (!pic.Removed && pic.Left == rec.Left && pic.Top == rec.Top) return static_cast<int>(i);
    }
    return 0;
}

namespace {

// Takes record r out of a board's dense numbering: the last record moves into
// number r, the cell it stands on and the selection follow it, and the last
// number is dropped. Shared by the visible board and the check board, whose
// removal orders must stay the same.
void CompactRecords(std::vector<FrogRecord>& records, std::vector<Cell>& cells, int& selected, int r) {
    const int M = static_cast<int>(records.size()) - 1;
    if (r < M) {
        FrogRecord& rec = records[static_cast<std::size_t>(r)];
        const FrogRecord& last = records[static_cast<std::size_t>(M)];
        rec.CellNumber = last.CellNumber;
        rec.Left = last.Left;
        rec.Top = last.Top;
        if (rec.CellNumber >= 1 && rec.CellNumber < static_cast<int>(cells.size())) cells[static_cast<std::size_t>(rec.CellNumber)].RecordNumber = r;
        if (selected == M) selected = r;
    }
    records.pop_back();
}

}  // namespace

void RemoveFrog(Session& session, int r) {
    Board& b = session.board;
    if (r < 1 || r > FrogsLeft(b)) return;
    const int picture = FindPicture(b, r);
    CompactRecords(b.Rect, b.Grid, b.SelectedFrog, r);
    if (picture > 0) {
        b.Frog[static_cast<std::size_t>(picture)].Visible = false;
        b.Frog[static_cast<std::size_t>(picture)].Removed = true;
    }
    game::UpdateCaption(session);
}

void RemoveCheckFrog(Session& session, int r) {
    Board& b = session.board;
    if (r < 1 || r >= static_cast<int>(b.RectB.size())) return;
    CompactRecords(b.RectB, b.GridB, b.CheckSelectedFrog, r);
}

void ShowFrogPictures(Board& b) {
    for (int r = 1; r < static_cast<int>(b.Rect.size()); ++r) {
        const int picture = FindPicture(b, r);
        if (picture > 0) b.Frog[static_cast<std::size_t>(picture)].Visible = true;
    }
}

void HideAllFrogPictures(Board& b) {
    for (std::size_t i = 1; i < b.Frog.size(); ++i) b.Frog[i].Visible = false;
}

void ResetCellOutlines(Session& session) {
    const bool grids = session.menu.GridsOption.Checked;
    for (std::size_t i = 1; i < session.board.Grid.size(); ++i) {
        Cell& cell = session.board.Grid[i];
        if (!grids) cell.Outlined = false;
        cell.BorderColor = 0;
    }
}

}  // namespace quib::board
