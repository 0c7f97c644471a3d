// Lays out the visible board and its hidden twin, and places a generated
// puzzle's frogs on the twin for verification.

#include <algorithm>

#include "levels.h"

namespace quib::levels {

void BuildBoardGrid(Session& session) {
    Board& b = session.board;
    if (b.CellWidth < 20) b.CellWidth = 20;
    if (b.CellHeight < 20) b.CellHeight = 20;

    Cell gridTemplate;
    gridTemplate.Width = b.CellWidth;
    gridTemplate.Height = static_cast<float>(b.CellHeight);
    gridTemplate.Left = 7;
    gridTemplate.Top = 5;
    Cell checkTemplate = gridTemplate;
    checkTemplate.Left = 10;
    checkTemplate.Top = 10;
    checkTemplate.BackColor = 0;

    // Rebuilding replaces every cell, so a second build leaves 294, not 588.
    const std::size_t cells = static_cast<std::size_t>(std::max(0, b.BoardRows) * std::max(0, b.BoardColumns));
    b.Grid.assign(cells + 1, gridTemplate);
    b.GridB.assign(cells + 1, checkTemplate);
    const bool grids = session.menu.GridsOption.Checked;
    std::size_t n = 1;
    for (int r = 1; r <= b.BoardRows; ++r) {
        for (int c = 1; c <= b.BoardColumns; ++c, ++n) {
            Cell& cell = b.Grid[n];
            cell.Left = gridTemplate.Left + static_cast<float>(c - 1) * (gridTemplate.Width - 1);
            cell.Top = gridTemplate.Top + static_cast<float>(r - 1) * (gridTemplate.Height - 1);
            cell.Visible = grids;

            Cell& twin = b.GridB[n];
            twin.Left = checkTemplate.Left + static_cast<float>(c - 1) * (checkTemplate.Width - 1);
            twin.Top = checkTemplate.Top + static_cast<float>(r - 1) * (checkTemplate.Height - 1);
        }
    }
}

void BuildCheckBoard(Session& session) {
    Board& b = session.board;
    const int g = session.gen.GenerationLevel;
    b.RectB.resize(1);
    for (std::size_t n = 1; n < b.GridB.size(); ++n) b.GridB[n].RecordNumber = 0;
    const Cell& tmpl = b.GridB.at(0);
    for (int j = 1; j <= g + 3; ++j) {
        FrogRecord rec;
        rec.Width = tmpl.Width - 6;
        rec.Height = tmpl.Height - 6;
        b.RectB.push_back(rec);
    }
    for (int j = 1; j <= g + 3; ++j) {
        const int n = session.gen.GeneratedPieces(g, j);
        if (n < 1 || n >= static_cast<int>(b.GridB.size())) throw std::out_of_range("piece off the board");
        Cell& cell = b.GridB[static_cast<std::size_t>(n)];
        FrogRecord& rec = b.RectB[static_cast<std::size_t>(j)];
        rec.Left = cell.Left + 3;
        rec.Top = cell.Top + 3;
        rec.CellNumber = n;
        cell.RecordNumber = j;
    }
}

}  // namespace quib::levels
