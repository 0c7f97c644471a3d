// The five save slots: a game saved into a slot comes back from it with its
// board, counters and the level's start layout; loading another slot first
// saves the running game and writes the resume file; a closed slot stays
// closed; a slot file that cannot be read is never offered and, found
// damaged at load time, leaves the running game exactly as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/records.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

// Frogs on 100 and 101 with 102 free, then pairs of neighbours further down,
// so a jump is left after the first one.
std::vector<int> PuzzleCells(int level) {
    std::vector<int> cells = {100, 101};
    for (int c = 148; static_cast<int>(cells.size()) < level + 3; c += 4) {
        cells.push_back(c);
        if (static_cast<int>(cells.size()) < level + 3) cells.push_back(c + 1);
    }
    return cells;
}

void InstallPuzzle(Form1& f, int level) {
    const std::vector<int> cells = PuzzleCells(level);
    for (std::size_t j = 0; j < cells.size(); ++j)
        f.library.LevelPieces(level, static_cast<int>(j) + 1) = static_cast<std::int16_t>(cells[j]);
    f.library.LevelNeedsGenerating[static_cast<std::size_t>(level)] = false;
    f.gen.LevelVerified[static_cast<std::size_t>(level)] = true;
    TouchLibrary(f.library);
}

// A new game in the mode, moved on to the level by a fresh level start.
void PlayLevel(Form1& f, int mode, int level) {
    const int first[] = {0, 1, 5, 10, 0};
    InstallPuzzle(f, first[mode] > 0 ? first[mode] : level);
    InstallPuzzle(f, level);
    game::NewGameMenue_Click(f, mode);
    if (f.game.CurrentLevel != level) {
        f.game.CurrentLevel = level;
        game::StartLevel(f);
    }
}

void JumpFirstFrog(Form1& f) {
    board::Frog_Click(f, board::FindPicture(f.board, f.board.Grid[100].Tag));
    board::ClickCell(f, 102);
}

std::vector<int> FrogCells(const Form1& f) {
    std::vector<int> cells;
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r) cells.push_back(f.board.Rect[r].Tag);
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::vector<int> StartLayout(const Form1& f, int level) {
    std::vector<int> cells;
    for (int j = 1; j <= level + 3; ++j) cells.push_back(f.library.LevelPieces(level, j));
    return cells;
}

void ExpectBoardConsistent(const Form1& f) {
    int taken = 0;
    for (std::size_t n = 1; n < f.board.Grid.size(); ++n) taken += f.board.Grid[n].Tag != 0;
    EXPECT_EQ(taken, static_cast<int>(f.board.Rect.size()) - 1);
    for (std::size_t r = 1; r < f.board.Rect.size(); ++r) {
        const int c = f.board.Rect[r].Tag;
        ASSERT_GE(c, 1);
        ASSERT_LE(c, kCells);
        EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(c)].Tag, static_cast<int>(r));
    }
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines, std::size_t count) {
    std::ofstream out(path, std::ios::trunc);
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) out << lines[i] << '\n';
}

// A slot file made by hand: a Medium game on the given level with these
// frogs and this start layout.
std::vector<std::string> SlotItems(int level, const std::vector<int>& frogs, const std::vector<int>& start) {
    std::vector<std::string> items = {std::to_string(level), "4", "2", "12.5", "640", "2", "700", "0", "11", "40",
                                      std::to_string(frogs.size() + 1)};
    for (const int c : frogs) {
        items.push_back(std::to_string(c));  // distinct positions
        items.push_back("9");
        items.push_back("\"" + std::to_string(c) + "\"");
    }
    for (const int c : start) {
        items.push_back("0");
        items.push_back("0");
        items.push_back(std::to_string(c));
    }
    return items;
}

// What the player sees of a running game, to compare before and after.
struct Snapshot {
    int level, tryNumber, levelTries, mode, slot;
    std::int32_t score;
    std::int64_t playSeconds, playMinutes;
    std::vector<int> cells;
    std::string caption;
    bool intro;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Snap(const Form1& f) {
    return {f.game.CurrentLevel, f.game.TryNumber,      f.game.LevelTries,   f.game.ModeIndex, f.game.SaveSlot,
            f.game.Score,        f.clock.PlaySeconds,  f.clock.PlayMinutes, FrogCells(f),     f.window.Caption,
            f.intro.Visible};
}

TEST(SaveSlotFiles, AreNamedAfterTheirNumber) {
    EXPECT_EQ(records::SlotFileName(1), "savedgame1.txt");
    EXPECT_EQ(records::SlotFileName(5), "savedgame5.txt");
}

TEST(SaveSlotRoundTrip, LevelTwelveEasyComesBackWithBoardCaptionAndStartLayout) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 12);
    JumpFirstFrog(f);
    ASSERT_EQ(board::FrogsLeft(f.board), 14);
    f.game.Score = 321;
    f.clock.PlaySeconds = 500;
    f.clock.PlayMinutes = 3;
    f.clock.PlaySecs = 20;
    f.clock.LevelStartTime = game.platform.Timer() - 200.25;
    const Snapshot saved = Snap(f);
    const std::vector<int> layout = StartLayout(f, 12);

    records::mnusavegame_Click(f, 2);
    const std::string caption = f.window.Caption;
    EXPECT_EQ(f.game.SaveSlot, 2);
    EXPECT_EQ(caption.rfind("QUIB(2)   Mode: Easy  Level:  12 of 200", 0), 0u) << caption;
    EXPECT_TRUE(f.menu.mnusavegame[2].Checked);
    EXPECT_TRUE(f.menu.mnuloadgame[2].Enabled);
    EXPECT_FALSE(f.menu.mnusave.Enabled);
    EXPECT_EQ(FileLines(game.data.file("savedgame2.txt")).size(), 11u + 3u * 14u + 3u * 15u);

    // A later run, in which the background supply has given level 12 a new puzzle.
    TestGame later(game, true);
    Form1& g = later.form();
    EXPECT_TRUE(g.menu.mnusavegame[2].Checked);
    EXPECT_TRUE(g.menu.mnuloadgame[2].Enabled);
    EXPECT_FALSE(g.menu.mnuloadgame[1].Enabled);
    for (int j = 1; j <= 15; ++j) g.library.LevelPieces(12, j) = static_cast<std::int16_t>(200 + j);
    const auto revision = g.library.Revision;

    records::mnuloadgame_Click(g, 2);
    EXPECT_EQ(g.game.CurrentLevel, 12);
    EXPECT_EQ(g.game.TryNumber, saved.tryNumber);
    EXPECT_EQ(g.game.LevelTries, saved.levelTries);
    EXPECT_EQ(g.game.Score, 321);
    EXPECT_EQ(g.game.ModeIndex, 1);
    EXPECT_EQ(g.game.GameMode, "Easy");
    EXPECT_EQ(g.game.TriesAllowed, 10);
    EXPECT_EQ(g.game.SaveSlot, 2);
    EXPECT_EQ(g.clock.PlaySeconds, 500);
    EXPECT_EQ(g.clock.PlayMinutes, 3);
    EXPECT_EQ(g.clock.PlaySecs, 20);
    EXPECT_NEAR(later.platform.Timer() - *g.clock.LevelStartTime, 200.25, 1e-3);
    EXPECT_EQ(FrogCells(g), saved.cells);
    ExpectBoardConsistent(g);
    EXPECT_EQ(StartLayout(g, 12), layout);
    EXPECT_GT(g.library.Revision, revision);
    EXPECT_EQ(g.window.Caption, caption);
    EXPECT_FALSE(g.intro.Visible);
    EXPECT_FALSE(g.game.IntroShowing);
    EXPECT_FALSE(g.menu.mnusave.Enabled);
    EXPECT_FALSE(g.menu.GotoLevelMenue.Enabled);
    for (std::size_t r = 1; r < g.board.Rect.size(); ++r) {
        const int picture = board::FindPicture(g.board, static_cast<int>(r));
        ASSERT_GT(picture, 0);
        EXPECT_TRUE(g.board.Frog[static_cast<std::size_t>(picture)].Visible);
    }
    for (std::size_t i = 1; i < g.board.Grid.size(); ++i) ASSERT_EQ(g.board.Grid[i].BorderStyle, 0);
}

TEST(SaveSlotLoad, AnotherSlotFirstSavesTheRunningGameAndWritesTheResumeFile) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 3);
    records::mnusavegame_Click(f, 4);
    PlayLevel(f, 2, 7);  // the new game saves slot 4 again and leaves it
    ASSERT_EQ(f.game.SaveSlot, 0);
    records::mnusavegame_Click(f, 2);
    JumpFirstFrog(f);
    const std::vector<int> slot2Cells = FrogCells(f);
    ASSERT_EQ(slot2Cells.size(), 9u);
    game.platform.Advance(30);

    records::mnuloadgame_Click(f, 4);
    EXPECT_EQ(f.game.CurrentLevel, 3);
    EXPECT_EQ(f.game.ModeIndex, 1);
    EXPECT_EQ(f.game.SaveSlot, 4);
    EXPECT_EQ(f.window.Caption.rfind("QUIB(4)", 0), 0u);
    EXPECT_EQ(FrogCells(f).size(), 6u);

    // The next run finds the slot-2 game in the resume file and in its slot.
    TestGame later(game, true);
    Form1& g = later.form();
    EXPECT_EQ(g.game.ResumeLevel, 7);
    EXPECT_EQ(g.game.SaveSlot, 2);
    EXPECT_EQ(g.game.ModeIndex, 2);
    EXPECT_EQ(g.clock.PlaySeconds, 30);  // the time played before the load was added
    EXPECT_EQ(FrogCells(g), slot2Cells);
    records::mnuloadgame_Click(g, 2);  // the start screen is up: the own slot loads
    EXPECT_EQ(g.game.CurrentLevel, 7);
    EXPECT_EQ(FrogCells(g), slot2Cells);
    EXPECT_EQ(g.clock.PlaySeconds, 30);
}

TEST(SaveSlotLoad, TheSlotInPlayIsNotLoadedAgain) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 5);
    records::mnusavegame_Click(f, 2);
    const std::string file = FileText(game.data.file("savedgame2.txt"));
    JumpFirstFrog(f);
    const Snapshot before = Snap(f);
    game.platform.Advance(20);
    records::mnuloadgame_Click(f, 2);
    EXPECT_EQ(Snap(f), before);
    EXPECT_EQ(FileText(game.data.file("savedgame2.txt")), file);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("data.txt")));
}

TEST(SaveSlotLoad, LevelZeroLoadsAsLevelOne) {
    TestGame game;
    Form1& f = game.form();
    InstallPuzzle(f, 1);
    WriteLines(game.data.file("savedgame3.txt"), SlotItems(0, {10, 11, 12}, {5, 6, 7}), 100);
    records::UpdateSlotMenu(f, 3);
    ASSERT_TRUE(f.menu.mnuloadgame[3].Enabled);
    records::mnuloadgame_Click(f, 3);
    EXPECT_EQ(f.game.CurrentLevel, 1);
    EXPECT_EQ(f.game.Score, 640);
    EXPECT_EQ(FrogCells(f), (std::vector<int>{10, 11, 12}));
    EXPECT_FALSE(f.intro.CommandLabel2.Visible);
    EXPECT_EQ(StartLayout(f, 1), PuzzleCells(1));  // level 1's own layout is untouched
}

TEST(SaveSlotLoad, ABoardOfTwoHundredAndFiftyFrogsLoads) {
    TestGame game;
    Form1& f = game.form();
    std::vector<int> frogs, start;
    for (int c = 1; c <= 250; ++c) frogs.push_back(c);
    for (int c = 1; c <= 203; ++c) start.push_back(295 - c);
    WriteLines(game.data.file("savedgame1.txt"), SlotItems(200, frogs, start), 10000);
    records::UpdateSlotMenu(f, 1);
    ASSERT_TRUE(f.menu.mnuloadgame[1].Enabled);
    records::mnuloadgame_Click(f, 1);
    EXPECT_EQ(f.game.CurrentLevel, 200);
    EXPECT_EQ(board::FrogsLeft(f.board), 250);
    EXPECT_EQ(StartLayout(f, 200), start);
    EXPECT_TRUE(f.intro.CommandLabel2.Visible);
    ExpectBoardConsistent(f);
}

TEST(SaveSlotLoad, TheLoaderKeepsToItsLimits) {
    TestGame game;
    Form1& f = game.form();
    std::vector<int> all;
    for (int c = 1; c <= kCells; ++c) all.push_back(c);
    // A start layout filling the whole board fits (level 291: 294 positions).
    WriteLines(game.data.file("savedgame1.txt"), SlotItems(291, {5}, all), 10000);
    records::UpdateSlotMenu(f, 1);
    EXPECT_TRUE(f.menu.mnuloadgame[1].Enabled);
    // One position more cannot stand on its own cell; more than 300 records
    // or a level of more than 300 positions are beyond the loader.
    auto more = all;
    more.push_back(1);
    WriteLines(game.data.file("savedgame1.txt"), SlotItems(292, {5}, more), 10000);
    records::UpdateSlotMenu(f, 1);
    EXPECT_FALSE(f.menu.mnuloadgame[1].Enabled);
    auto items = SlotItems(1, {5}, {1, 2, 3, 4});
    items[10] = "302";
    WriteLines(game.data.file("savedgame1.txt"), items, 10000);
    records::UpdateSlotMenu(f, 1);
    EXPECT_FALSE(f.menu.mnuloadgame[1].Enabled);
    items = SlotItems(1, {5}, {1, 2, 3, 4});
    items[0] = "298";
    WriteLines(game.data.file("savedgame1.txt"), items, 10000);
    records::UpdateSlotMenu(f, 1);
    EXPECT_FALSE(f.menu.mnuloadgame[1].Enabled);
}

TEST(SaveSlotClose, AnEndedGameClosesItsSlotForThisRunAndTheNext) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 4);
    records::mnusavegame_Click(f, 3);
    ASSERT_TRUE(f.menu.mnuloadgame[3].Enabled);
    game::mnuQuit_Click(f);  // gives up the Easy game: the game ends
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(f.menu.mnuloadgame[3].Enabled);
    EXPECT_FALSE(f.menu.mnusavegame[3].Checked);
    EXPECT_EQ(FileLines(game.data.file("savedgame3.txt")), std::vector<std::string>{"\"hi\""});

    TestGame later(game, true);
    EXPECT_FALSE(later->menu.mnuloadgame[3].Enabled);
    EXPECT_FALSE(later->menu.mnusavegame[3].Checked);
}

TEST(SaveSlotClose, WonGamesCloseWithTheirOwnItem) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 2);
    records::mnusavegame_Click(f, 5);
    records::CloseSaveSlot(f, "Hi");
    EXPECT_EQ(FileLines(game.data.file("savedgame5.txt")), std::vector<std::string>{"\"Hi\""});
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(f.menu.mnuloadgame[5].Enabled);
    records::CloseSaveSlot(f, "Hi");  // no slot any more: nothing is written
    EXPECT_FALSE(std::filesystem::exists(game.data.file("savedgame0.txt")));
}

TEST(SaveSlotDamage, ASlotDamagedSinceStartUpLeavesTheGameAsItWas) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 4);
    records::mnusavegame_Click(f, 5);
    records::mnusavegame_Click(f, 1);
    JumpFirstFrog(f);
    const std::string slot1 = FileText(game.data.file("savedgame1.txt"));
    const std::string slot5 = FileText(game.data.file("savedgame5.txt"));
    std::ofstream(game.data.file("savedgame5.txt"), std::ios::trunc) << slot5.substr(0, slot5.size() / 2);
    ASSERT_TRUE(f.menu.mnuloadgame[5].Enabled);
    const auto revision = f.library.Revision;
    const Snapshot before = Snap(f);
    game.platform.Advance(45);

    records::mnuloadgame_Click(f, 5);
    EXPECT_EQ(Snap(f), before);
    EXPECT_EQ(f.library.Revision, revision);
    EXPECT_FALSE(f.menu.mnuloadgame[5].Enabled);
    EXPECT_FALSE(f.menu.mnusavegame[5].Checked);
    EXPECT_EQ(FileText(game.data.file("savedgame1.txt")), slot1);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("data.txt")));
    ExpectBoardConsistent(f);
}

TEST(SaveSlotDamage, HostileFilesAreNeverOfferedNorLoaded) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 4);
    records::mnusavegame_Click(f, 1);
    const Snapshot before = Snap(f);

    const auto good = SlotItems(2, {100, 101, 150}, {100, 101, 150, 200, 250});
    std::vector<std::vector<std::string>> files;
    for (std::size_t cut = 0; cut < good.size(); ++cut) files.emplace_back(good.begin(), good.begin() + static_cast<long>(cut));
    const struct {
        std::size_t item;
        const char* value;
    } damages[] = {
        {0, "-1"},  {0, "x"},    {1, "1.5"},  {3, "nan"},  {4, "9999999999"}, {5, "0"},      {5, "5"},
        {5, "-2"},  {6, "1e3"},  {10, "0"},   {10, "-4"},  {10, "100000"},    {13, "\"0\""}, {13, "\"295\""},
        {13, "\"-3\""}, {16, "\"100\""}, {14, "100"}, {22, "0"}, {22, "295"}, {25, "100"}, {11, "1e999"},
    };
    for (const auto& d : damages) {
        auto items = good;
        items[d.item] = d.value;
        files.push_back(items);
    }
    files.push_back({"\"hi\""});

    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE("hostile slot file " + std::to_string(k));
        WriteLines(game.data.file("savedgame3.txt"), files[k], files[k].size());
        records::UpdateSlotMenu(f, 3);
        EXPECT_FALSE(f.menu.mnuloadgame[3].Enabled);
        EXPECT_FALSE(f.menu.mnusavegame[3].Checked);
        records::mnuloadgame_Click(f, 3);
        ASSERT_EQ(Snap(f), before);
    }
    std::ofstream(game.data.file("savedgame3.txt"), std::ios::binary | std::ios::trunc) << std::string("\0\xff,,\"", 5);
    records::UpdateSlotMenu(f, 3);
    EXPECT_FALSE(f.menu.mnuloadgame[3].Enabled);

    WriteLines(game.data.file("savedgame3.txt"), good, good.size());
    records::UpdateSlotMenu(f, 3);
    EXPECT_TRUE(f.menu.mnuloadgame[3].Enabled);  // the undamaged file is fine
}

TEST(SaveSlotSave, NothingIsSavedWhileTheStartScreenIsUp) {
    TestGame game;
    Form1& f = game.form();
    records::mnusavegame_Click(f, 1);
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(f.menu.mnusavegame[1].Checked);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("savedgame1.txt")));
    records::mnusavegame_Click(f, 0);
    records::mnusavegame_Click(f, 6);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("savedgame6.txt")));
}

TEST(SaveSlotSave, AFailedWriteKeepsTheOldSaveOnOffer) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 6);
    records::mnusavegame_Click(f, 2);
    const std::string before = FileText(game.data.file("savedgame2.txt"));
    JumpFirstFrog(f);
    f.menu.mnusave.Enabled = true;

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 32;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    records::mnusavegame_Click(f, 2);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(FileText(game.data.file("savedgame2.txt")), before);
    EXPECT_TRUE(f.menu.mnuloadgame[2].Enabled);  // the old save is still there
    EXPECT_TRUE(f.menu.mnusave.Enabled);         // and "Save" can be tried again

    std::ofstream(game.data.file("plain")) << "x";
    f.DataFolder = game.data.file("plain") + "/data/";
    records::mnusavegame_Click(f, 4);
    EXPECT_EQ(f.game.SaveSlot, 4);
    EXPECT_FALSE(f.menu.mnuloadgame[4].Enabled);
    EXPECT_FALSE(f.menu.mnusavegame[4].Checked);
    EXPECT_TRUE(f.menu.mnusave.Enabled);
}

}  // namespace
}  // namespace quib
