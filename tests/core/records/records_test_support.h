#pragma once
// Helpers shared by the tests of the game's files: puzzles installed by hand
// (so that no level start needs the generator), games started through the
// game's own handlers, and plain file access.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "core/board/board.h"
#include "core/game/game.h"
#include "support/test_game.h"

namespace quib::records_test {

// Frogs on 100 and 101 with 102 free, then pairs of neighbours further down,
// so a jump is still left after the first one.
inline std::vector<int> PuzzleCells(int level) {
    std::vector<int> cells = {100, 101};
    for (int c = 148; static_cast<int>(cells.size()) < level + 3; c += 4) {
        cells.push_back(c);
        if (static_cast<int>(cells.size()) < level + 3) cells.push_back(c + 1);
    }
    return cells;
}

inline void InstallPuzzle(Form1& f, int level) {
    const std::vector<int> cells = PuzzleCells(level);
    for (std::size_t j = 0; j < cells.size(); ++j)
        f.library.LevelPieces(level, static_cast<int>(j) + 1) = static_cast<std::int16_t>(cells[j]);
    f.library.LevelNeedsGenerating[static_cast<std::size_t>(level)] = false;
    f.gen.LevelVerified[static_cast<std::size_t>(level)] = true;
    TouchLibrary(f.library);
}

// A new game in the mode, moved on to the level by a fresh level start.
inline void PlayLevel(Form1& f, int mode, int level) {
    const int first[] = {0, 1, 5, 10, 0};
    InstallPuzzle(f, first[mode] > 0 ? first[mode] : level);
    InstallPuzzle(f, level);
    game::NewGameMenue_Click(f, mode);
    if (f.game.CurrentLevel != level) {
        f.game.CurrentLevel = level;
        game::StartLevel(f);
    }
}

// The frog on 100 jumps over 101 onto 102.
inline void JumpFirstFrog(Form1& f) {
    board::Frog_Click(f, board::FindPicture(f.board, f.board.Grid[100].Tag));
    board::ClickCell(f, 102);
}

inline std::vector<int> FrogCells(const Form1& f) {
    std::vector<int> cells;
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r) cells.push_back(f.board.Rect[r].Tag);
    std::sort(cells.begin(), cells.end());
    return cells;
}

// Every record's cell names the record, no other cell is taken, and with
// shown set every record's picture is visible.
inline void ExpectBoardConsistent(const Form1& f, bool shown = false) {
    int taken = 0;
    for (const Cell& cell : f.board.Grid) taken += cell.Tag != 0;
    EXPECT_EQ(taken, static_cast<int>(f.board.Rect.size()) - 1);
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r) {
        const int c = f.board.Rect[r].Tag;
        ASSERT_TRUE(c >= 1 && c <= kCells) << c;
        EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(c)].Tag, static_cast<int>(r));
        if (shown) {
            EXPECT_TRUE(f.board.Frog.at(static_cast<std::size_t>(board::FindPicture(f.board, static_cast<int>(r)))).Visible);
        }
    }
}

inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
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
inline void MakeDataFolderUnwritable(testing::TestGame& game) {
    std::ofstream(game.data.file("plain")) << "x";
    game->DataFolder = game.data.file("plain") + "/data/";
}

// While it lives, no file can grow beyond a few bytes: writes come up short.
class SmallFileLimit {
public:
    SmallFileLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = 32;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFileLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit old_{};
};

}  // namespace quib::records_test
