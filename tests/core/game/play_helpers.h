#pragma once
// Helpers for playing the game in tests the way a player does: puzzles put
// into the level library, frogs clicked through their pictures, cells
// clicked through the board.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/board/board.h"
#include "core/form.h"
#include "core/game/game.h"

namespace quib::testing {

// Stores a ready puzzle for a level, as the library file or the background
// supply would, so that a level start places exactly these frogs.
inline void InstallPuzzle(Form1& form, int level, const std::vector<int>& pieces,
                          const std::vector<std::pair<int, int>>& solution = {}) {
    for (int i = 0; i <= kPieceIndexMax; ++i) form.library.LevelPieces(level, i) = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        form.library.LevelPieces(level, static_cast<int>(i) + 1) = static_cast<std::int16_t>(pieces[i]);
    for (std::size_t j = 0; j < solution.size(); ++j) {
        form.library.SolutionFrom(level, static_cast<int>(j) + 1) = solution[j].first;
        form.library.SolutionTo(level, static_cast<int>(j) + 1) = static_cast<std::int16_t>(solution[j].second);
    }
    form.library.LevelNeedsGenerating[static_cast<std::size_t>(level)] = false;
    form.gen.LevelVerified[static_cast<std::size_t>(level)] = true;
    TouchLibrary(form.library);
}

// Cell number of row r, column c (both from 1).
inline int CellAt(int row, int column) { return (row - 1) * kColumns + column; }

// A row puzzle for level n (n <= 6): a frog on `first` and n + 2 frogs on
// every second cell to its right starting next to it. The first frog jumps
// right over all of them in turn; the second frog jumping left over the
// first instead leaves separated frogs: the round is lost.
struct RowPuzzle {
    std::vector<int> pieces;
    std::vector<std::pair<int, int>> solution;
};
inline RowPuzzle MakeRowPuzzle(int level, int first) {
    RowPuzzle p{{first}, {}};
    for (int k = 0; k < level + 2; ++k) {
        p.pieces.push_back(first + 1 + 2 * k);
        p.solution.emplace_back(first + 2 * k, first + 2 * k + 2);
    }
    return p;
}
// The puzzles of the first levels, each on a row of its own, from column 2.
inline RowPuzzle LevelPuzzle(int level) { return MakeRowPuzzle(level, CellAt(2 + 2 * level, 2)); }

inline void InstallRowPuzzles(Form1& form, int upTo) {
    for (int n = 1; n <= upTo; ++n) InstallPuzzle(form, n, LevelPuzzle(n).pieces, LevelPuzzle(n).solution);
}
// A new game in a mode, with row puzzles for its first levels.
inline Form1& StartGame(Form1& form, int mode, int puzzles = 4) {
    InstallRowPuzzles(form, puzzles);
    game::NewGameMenue_Click(form, mode);
    return form;
}

// The visible frog picture standing on a cell, 0 when none.
inline int PictureOnCell(const Form1& form, int cell) {
    const Cell& c = form.board.Grid.at(static_cast<std::size_t>(cell));
    for (std::size_t i = 1; i < form.board.Frog.size(); ++i) {
        const FrogPicture& pic = form.board.Frog[i];
        if (pic.Visible && pic.Left == c.Left + 3 && pic.Top == c.Top + 5) return static_cast<int>(i);
    }
    return 0;
}

inline void ClickFrogOn(Form1& form, int cell) {
    const int picture = PictureOnCell(form, cell);
    ASSERT_GT(picture, 0) << "no frog picture on cell " << cell;
    board::Frog_Click(form, picture);
}
// A jump as the player makes it: the frog's picture, then the landing cell.
inline void Jump(Form1& form, int from, int to) {
    ClickFrogOn(form, from);
    board::ClickCell(form, to);
}
inline void PlaySolution(Form1& form, const RowPuzzle& puzzle) {
    for (const auto& [from, to] : puzzle.solution) Jump(form, from, to);
}
inline void PlayLosingJump(Form1& form, const RowPuzzle& puzzle) { Jump(form, puzzle.pieces[1], puzzle.pieces[0] - 1); }
// A click on the window away from the board's frogs.
inline void ClickWindow(Form1& form) { board::Form_MouseDown(form, 1, 0, 400.5f, 540.0f); }

// The cells holding frogs, in record order.
inline std::vector<int> FrogCells(const Form1& form) {
    std::vector<int> cells;
    for (std::size_t r = 1; r < form.board.Rect.size(); ++r) cells.push_back(form.board.Rect[r].Tag);
    return cells;
}

// Replaces the frogs on the board by frogs on the given cells, placed by the
// same rules as a level start (records and pictures at cell + 3, + 5).
inline Form1& PlaceBoard(Form1& form, const std::vector<int>& cells) {
    Board& b = form.board;
    b.Rect.resize(1);
    b.Frog.resize(1);
    b.SelectedFrog = 0;
    b.HighLight.Visible = false;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].Tag = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        Cell& cell = b.Grid.at(static_cast<std::size_t>(cells[i]));
        b.Rect.push_back(FrogRecord{cell.Left + 3, cell.Top + 5, 32, 32, cells[i], 0});
        b.Frog.push_back(FrogPicture{cell.Left + 3, cell.Top + 5, 32, 32, cells[i], true, false});
        cell.Tag = static_cast<int>(i) + 1;
    }
    return form;
}

// Whether the caption holds a piece of text; shows the caption when not.
inline ::testing::AssertionResult CaptionHas(const Form1& form, const std::string& piece) {
    if (form.window.Caption.find(piece) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "caption \"" << form.window.Caption << "\" lacks \"" << piece << "\"";
}

}  // namespace quib::testing
