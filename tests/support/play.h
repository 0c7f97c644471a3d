#pragma once
// Playing the game in tests the way a player does: puzzles put into the level
// library by hand (so no level start needs the generator), games started
// through the game's own handlers, frogs clicked through their pictures and
// cells through the board; plus plain access to the game's files and ways to
// make their writes fail.

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <utility>
#include <vector>

#include "core/board/board.h"
#include "core/form.h"
#include "core/game/game.h"
#include "support/test_game.h"

namespace quib::testing {

// Cell number of row r, column c (both from 1).
inline int CellAt(int row, int column) { return (row - 1) * kColumns + column; }

// Stores a ready puzzle for a level, as the library file or the background
// supply would, so that a level start places exactly these frogs.
inline void InstallPuzzle(Session& session, int level, const std::vector<int>& pieces,
                          const std::vector<std::pair<int, int>>& solution = {}) {
    for (int i = 0; i <= kPieceIndexMax; ++i) session.library.LevelPieces(level, i) = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        session.library.LevelPieces(level, static_cast<int>(i) + 1) = static_cast<std::int16_t>(pieces[i]);
    for (std::size_t j = 0; j < solution.size(); ++j) {
        session.library.SolutionFrom(level, static_cast<int>(j) + 1) = solution[j].first;
        session.library.SolutionTo(level, static_cast<int>(j) + 1) = static_cast<std::int16_t>(solution[j].second);
    }
    session.library.LevelNeedsGenerating[static_cast<std::size_t>(level)] = false;
    session.gen.LevelVerified[static_cast<std::size_t>(level)] = true;
    TouchLibrary(session.library);
}

// The start layout stored for a level.
inline std::vector<int> StoredPieces(const Session& session, int level) {
    std::vector<int> cells;
    for (int i = 1; i <= level + 3; ++i) cells.push_back(session.library.LevelPieces(level, i));
    return cells;
}

// A row puzzle for level n (n <= 6): a frog on `first` and n + 2 frogs on
// every second cell to its right starting next to it. The first frog jumps
// right over all of them in turn; the second frog jumping left over the
// first instead leaves separated frogs: the round is lost.
struct RowPuzzle {
    std::vector<int> pieces;
    std::vector<std::pair<int, int>> solution;
};
// The puzzles of the first levels, each on a row of its own, from column 2.
inline RowPuzzle LevelPuzzle(int level) {
    const int first = CellAt(2 + 2 * level, 2);
    RowPuzzle p{{first}, {}};
    for (int k = 0; k < level + 2; ++k) {
        p.pieces.push_back(first + 1 + 2 * k);
        p.solution.emplace_back(first + 2 * k, first + 2 * k + 2);
    }
    return p;
}
inline void InstallRowPuzzles(Session& session, int upTo) {
    for (int n = 1; n <= upTo; ++n) InstallPuzzle(session, n, LevelPuzzle(n).pieces, LevelPuzzle(n).solution);
}
// A new game in a mode, with row puzzles for its first levels.
inline Session& StartGame(Session& session, int mode, int puzzles = 4) {
    InstallRowPuzzles(session, puzzles);
    game::StartNewGame(session, mode);
    return session;
}

// A puzzle of any level: frogs on 100 and 101 with 102 free, then pairs of
// neighbours further down, so a jump is still left after the first one.
inline std::vector<int> PairCells(int level) {
    std::vector<int> cells = {100, 101};
    for (int c = 148; static_cast<int>(cells.size()) < level + 3; c += 4) {
        cells.push_back(c);
        if (static_cast<int>(cells.size()) < level + 3) cells.push_back(c + 1);
    }
    return cells;
}
inline void InstallPairs(Session& session, int level) { InstallPuzzle(session, level, PairCells(level)); }
// A new game in the mode on pair puzzles, moved on to the level by a fresh
// level start.
inline Session& PlayLevel(Session& session, int mode, int level) {
    const int first[] = {0, 1, 5, 10, 0};
    InstallPairs(session, first[mode] > 0 ? first[mode] : level);
    InstallPairs(session, level);
    game::StartNewGame(session, mode);
    if (session.game.CurrentLevel != level) {
        session.game.CurrentLevel = level;
        game::StartLevel(session);
    }
    return session;
}

// The visible frog picture standing on a cell, 0 when none.
inline int PictureOnCell(const Session& session, int cell) {
    const Cell& c = session.board.Grid.at(static_cast<std::size_t>(cell));
    for (std::size_t i = 1; i < session.board.Frog.size(); ++i) {
        const FrogPicture& pic = session.board.Frog[i];
        if (pic.Visible && pic.Left == c.Left + 3 && pic.Top == c.Top + 5) return static_cast<int>(i);
    }
    return 0;
}
inline void ClickFrogOn(Session& session, int cell) {
    const int picture = PictureOnCell(session, cell);
    ASSERT_GT(picture, 0) << "no frog picture on cell " << cell;
    board::ClickFrog(session, picture);
}
// A jump as the player makes it: the frog's picture, then the landing cell.
inline void Jump(Session& session, int from, int to) {
    ClickFrogOn(session, from);
    board::ClickCell(session, to);
}
inline void PlaySolution(Session& session, const RowPuzzle& puzzle) {
    for (const auto& [from, to] : puzzle.solution) Jump(session, from, to);
}
inline void PlayLosingJump(Session& session, const RowPuzzle& puzzle) { Jump(session, puzzle.pieces[1], puzzle.pieces[0] - 1); }
// A click on the window away from the board's frogs.
inline void ClickWindow(Session& session) { board::PressAt(session, 1, 0, 400.5f, 540.0f); }

// The cells holding frogs, in record order.
inline std::vector<int> FrogCells(const Session& session) {
    std::vector<int> cells;
    for (std::size_t r = 1; r < session.board.Rect.size(); ++r) cells.push_back(session.board.Rect[r].CellNumber);
    return cells;
}

// Replaces the frogs on the board by frogs on the given cells, placed by the
// same rules as a level start (records and pictures at cell + 3, + 5).
inline Session& PlaceBoard(Session& session, const std::vector<int>& cells) {
    Board& b = session.board;
    b.Rect.resize(1);
    b.Frog.resize(1);
    b.SelectedFrog = 0;
    b.HighLight.Visible = false;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].RecordNumber = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        Cell& cell = b.Grid.at(static_cast<std::size_t>(cells[i]));
        b.Rect.push_back(FrogRecord{cell.Left + 3, cell.Top + 5, 32, 32, cells[i], 0});
        b.Frog.push_back(FrogPicture{cell.Left + 3, cell.Top + 5, 32, 32, cells[i], true, false});
        cell.RecordNumber = static_cast<int>(i) + 1;
    }
    return session;
}

// Every record's cell names the record, no other cell is taken, and with
// shown set every record's picture is visible.
inline void ExpectBoardConsistent(const Session& f, bool shown = false) {
    int taken = 0;
    for (const Cell& cell : f.board.Grid) taken += cell.RecordNumber != 0;
    EXPECT_EQ(taken, static_cast<int>(f.board.Rect.size()) - 1);
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r) {
        const int c = f.board.Rect[r].CellNumber;
        ASSERT_TRUE(c >= 1 && c <= kCells) << c;
        EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(c)].RecordNumber, static_cast<int>(r));
        if (shown) {
            EXPECT_TRUE(f.board.Frog.at(static_cast<std::size_t>(board::FindPicture(f.board, static_cast<int>(r)))).Visible);
        }
    }
}

// Whether the caption holds a piece of text; shows the caption when not.
inline ::testing::AssertionResult CaptionHas(const Session& session, const std::string& piece) {
    if (session.window.Caption.find(piece) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "caption \"" << session.window.Caption << "\" lacks \"" << piece << "\"";
}

// The whole file, "" when it cannot be read.
inline std::string FileText(const std::string& path) {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}
inline std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
// Writes the first count items, one per line.
inline void WriteLines(const std::string& path, const std::vector<std::string>& lines, std::size_t count = SIZE_MAX) {
    std::ofstream out(path, std::ios::trunc);
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) out << lines[i] << '\n';
}

// Every cut of the items short of the end, then the items with each damage
// (index, value) put in, then the extra files.
inline std::vector<std::vector<std::string>> DamagedFiles(const std::vector<std::string>& good,
                                                          const std::vector<std::pair<std::size_t, std::string>>& damages,
                                                          const std::vector<std::vector<std::string>>& extra = {}) {
    std::vector<std::vector<std::string>> files;
    for (std::size_t cut = 0; cut < good.size(); ++cut) files.emplace_back(good.begin(), good.begin() + static_cast<long>(cut));
    for (const auto& [item, value] : damages) {
        files.push_back(good);
        files.back().at(item) = value;
    }
    files.insert(files.end(), extra.begin(), extra.end());
    return files;
}

// Points the game at a data folder that cannot be created, even by root: its
// parent is a regular file.
inline void MakeDataFolderUnwritable(TestGame& game) {
    std::ofstream(game.data.file("plain")) << "x";
    UseDataFolder(game.session(), game.data.file("plain") + "/data/");
}

// While it lives, no file can grow beyond a few bytes: writes come up short.
struct SmallFileLimit {
    rlimit old{};
    SmallFileLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 32;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFileLimit() { setrlimit(RLIMIT_FSIZE, &old), std::signal(SIGXFSZ, SIG_DFL); }
};

}  // namespace quib::testing
