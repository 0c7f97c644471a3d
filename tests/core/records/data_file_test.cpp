// The resume file "data.txt": what one run writes, the next run reads back
// with "Continue" offered by its rules; a damaged file of any kind takes the
// fallback (a fresh level-1 start) while keeping what was read before the
// damage; a file that cannot be written leaves the old one intact.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "core/records/records.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

constexpr int kLevelFlags = 200;

// Frogs on 100 and 101 with 102 free, so the first frog can jump; the rest
// spread over the lower rows.
std::vector<int> PuzzleCells(int level) {
    std::vector<int> cells = {100, 101};
    for (int c = 148; static_cast<int>(cells.size()) < level + 3; c += 2) cells.push_back(c);
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
    if (mode == 4) f.game.CurrentLevel = level;
    game::NewGameMenue_Click(f, mode);
    if (f.game.CurrentLevel != level) {
        f.game.CurrentLevel = level;
        game::StartLevel(f);
    }
}

// The frog on 100 jumps over 101 onto 102.
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

// Every record's cell names the record, and no other cell is taken.
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

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A resume file for a Medium game at level 37 with four frogs on the board.
std::vector<std::string> SampleFile() {
    std::vector<std::string> items = {"37", "2", "1", "75.5", "40", "1250", "2", "3", "300", "0", "5", "0",
                                      "#TRUE#", "#FALSE#"};
    for (int i = 1; i <= kLevelFlags; ++i) items.push_back(i % 3 == 0 ? "#TRUE#" : "#FALSE#");
    items.push_back("5");
    for (const int c : {100, 101, 150, 200}) {
        items.push_back("0");
        items.push_back(std::to_string(c));  // distinct positions
        items.push_back("\"" + std::to_string(c) + "\"");
    }
    return items;
}

// The fallback after a failed read: a fresh level-1 start, nothing offered.
void ExpectFallback(const Form1& f) {
    EXPECT_EQ(f.game.ResumeLevel, 1);
    EXPECT_EQ(f.game.CurrentLevel, 1);
    EXPECT_FALSE(f.intro.CommandLabel2.Visible);
    EXPECT_EQ(f.game.HighestLevel, 1);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[1]);
    for (int i = 2; i <= kLevelFlags; ++i) ASSERT_FALSE(f.library.LevelNeedsGenerating[static_cast<std::size_t>(i)]);
    ExpectBoardConsistent(f);
}

// Reads a prepared file into a freshly loaded window (no level library yet,
// as at start-up).
void ReadPrepared(TestGame& game, const std::vector<std::string>& items, std::size_t count) {
    WriteLines(game.data.file("data.txt"), items, count);
    records::ReadDataFile(game.form());
}

TEST(DataFileRoundTrip, WrittenGameComesBackWithItsBoardAndContinueResumesIt) {
    TestGame first;
    Form1& f = first.form();
    PlayLevel(f, 2, 37);
    JumpFirstFrog(f);
    ASSERT_EQ(board::FrogsLeft(f.board), 39);
    f.game.TryNumber = 2;
    f.game.Score = 1250;
    f.game.SaveSlot = 3;
    f.game.HighestLevel = 37;
    f.clock.PlaySeconds = 4000;
    f.clock.PlayMinutes = 12;
    f.menu.sndmenue.Checked = false;
    f.library.LevelNeedsGenerating[150] = true;
    f.clock.LevelStartTime = first.platform.Timer() - 75.5;
    const std::vector<int> cells = FrogCells(f);
    ASSERT_TRUE(records::WriteDataFile(f));
    ASSERT_TRUE(levels::WriteLevelLibrary(f));
    EXPECT_EQ(FileLines(first.data.file("data.txt")).size(), 15u + kLevelFlags + 3u * 39u);

    TestGame second(first, true);
    Form1& g = second.form();
    EXPECT_EQ(g.game.ResumeLevel, 37);
    EXPECT_EQ(g.game.CurrentLevel, 1);  // "Continue" moves to the level
    EXPECT_EQ(g.game.TryNumber, 2);
    EXPECT_EQ(g.game.Score, 1250);
    EXPECT_EQ(g.game.ModeIndex, 2);
    EXPECT_EQ(g.game.GameMode, "Medium");
    EXPECT_EQ(g.game.TriesAllowed, 8);
    EXPECT_EQ(g.game.SaveSlot, 3);
    EXPECT_EQ(g.game.HighestLevel, 37);
    EXPECT_EQ(g.clock.PlaySeconds, 4000);
    EXPECT_EQ(g.clock.PlayMinutes, 12);
    EXPECT_FALSE(g.menu.sndmenue.Checked);
    EXPECT_FALSE(g.game.SoundOn);
    EXPECT_TRUE(g.library.LevelNeedsGenerating[150]);
    EXPECT_NEAR(second.platform.Timer() - *g.clock.LevelStartTime, 75.5, 1e-3);
    EXPECT_TRUE(g.intro.CommandLabel2.Visible);
    EXPECT_TRUE(g.game.JumpPossible);
    EXPECT_FALSE(g.menu.GotoLevelMenue.Enabled);
    EXPECT_EQ(FrogCells(g), cells);
    ExpectBoardConsistent(g);

    game::CommandLabel2_Click(g);
    EXPECT_EQ(g.game.CurrentLevel, 37);
    EXPECT_FALSE(g.game.IntroShowing);
    EXPECT_EQ(FrogCells(g), cells);
    for (std::size_t r = 1; r < g.board.Rect.size(); ++r) {
        const int picture = board::FindPicture(g.board, static_cast<int>(r));
        ASSERT_GT(picture, 0);
        EXPECT_TRUE(g.board.Frog[static_cast<std::size_t>(picture)].Visible);
    }
    EXPECT_EQ(g.window.Caption.rfind("QUIB(3)", 0), 0u) << g.window.Caption;
}

TEST(DataFileRoundTrip, ClosingWithoutContinueKeepsTheGameOnOffer) {
    TestGame first;
    PlayLevel(first.form(), 1, 12);
    ASSERT_TRUE(records::WriteDataFile(first.form()));
    ASSERT_TRUE(levels::WriteLevelLibrary(first.form()));

    TestGame second(first, true);
    ASSERT_TRUE(second->intro.CommandLabel2.Visible);
    ASSERT_TRUE(records::WriteDataFile(second.form()));  // closed at the start screen

    TestGame third(first, true);  // the same data folder again
    EXPECT_EQ(third->game.ResumeLevel, 12);
    EXPECT_TRUE(third->intro.CommandLabel2.Visible);
    EXPECT_EQ(FrogCells(third.form()), FrogCells(first.form()));
}

TEST(DataFileRoundTrip, FlagsAreWrittenAsTrueAndFalse) {
    TestGame game;
    game->menu.sndmenue.Checked = true;
    game->menu.mnuGrids.Checked = false;
    ASSERT_TRUE(records::WriteDataFile(game.form()));
    const auto lines = FileLines(game.data.file("data.txt"));
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[12], "#TRUE#");
    EXPECT_EQ(lines[13], "#FALSE#");
}

TEST(DataFileContinue, LevelZeroGivesTwoAndLevelBeyondTheLibraryGivesOne) {
    TestGame game(false);
    auto items = SampleFile();
    items[0] = "0";
    ReadPrepared(game, items, items.size());
    EXPECT_EQ(game->game.ResumeLevel, 2);
    EXPECT_TRUE(game->intro.CommandLabel2.Visible);

    TestGame other(false);
    items[0] = "999";
    ReadPrepared(other, items, items.size());
    EXPECT_EQ(other->game.ResumeLevel, 1);
    EXPECT_FALSE(other->intro.CommandLabel2.Visible);
}

TEST(DataFileContinue, HiddenWhenNoTryIsLeftAndAlwaysInPractice) {
    struct Case {
        const char* mode;
        const char* tryNumber;
        bool shown;
    };
    const Case cases[] = {
        {"1", "9", false}, {"1", "8", true},  {"2", "7", false}, {"2", "6", true},
        {"3", "4", false}, {"3", "3", true},  {"4", "1", false}, {"4", "-50", false},
    };
    for (const Case& c : cases) {
        TestGame game(false);
        auto items = SampleFile();
        items[1] = c.tryNumber;
        items[6] = c.mode;
        ReadPrepared(game, items, items.size());
        EXPECT_EQ(game->intro.CommandLabel2.Visible, c.shown) << "mode " << c.mode << " try " << c.tryNumber;
    }
}

TEST(DataFileOptions, FalseFlagsUncheckBothOptionsAndSilenceTheJump) {
    TestGame game(false);
    auto items = SampleFile();
    items[12] = "#FALSE#";
    items[13] = "#FALSE#";
    game->menu.sndmenue.Checked = true;
    ReadPrepared(game, items, items.size());
    EXPECT_FALSE(game->menu.sndmenue.Checked);
    EXPECT_FALSE(game->menu.mnuGrids.Checked);
    EXPECT_FALSE(game->game.SoundOn);
    for (std::size_t i = 1; i < game->board.Grid.size(); ++i) ASSERT_EQ(game->board.Grid[i].BorderStyle, 0);
}

TEST(DataFileOptions, GridsOnGivesEveryCellItsOutline) {
    TestGame game(false);
    auto items = SampleFile();
    items[13] = "#TRUE#";
    ReadPrepared(game, items, items.size());
    EXPECT_TRUE(game->menu.mnuGrids.Checked);
    EXPECT_TRUE(game->game.SoundOn);
    for (std::size_t i = 1; i < game->board.Grid.size(); ++i) ASSERT_EQ(game->board.Grid[i].BorderStyle, 1);
}

TEST(DataFileOptions, PracticeReopensGotoLevel) {
    TestGame game(false);
    auto items = SampleFile();
    items[6] = "4";
    ReadPrepared(game, items, items.size());
    EXPECT_TRUE(game->menu.GotoLevelMenue.Enabled);
    EXPECT_EQ(game->game.GameMode, "Practice");
    EXPECT_EQ(game->game.TriesAllowed, -1);
}

TEST(DataFileFallback, FileCutAfterItemTwentyKeepsWhatWasReadBeforeTheCut) {
    TestGame game(false);
    InstallPuzzle(game.form(), 1);
    const Form1& f = game.form();
    const bool gotoBefore = f.menu.GotoLevelMenue.Enabled;
    auto items = SampleFile();
    items[12] = "#FALSE#";
    items[13] = "#TRUE#";  // Grids on in the file, but the outlines step never runs
    ReadPrepared(game, items, 20);

    EXPECT_EQ(f.game.TryNumber, 2);
    EXPECT_EQ(f.game.Score, 1250);
    EXPECT_EQ(f.game.ModeIndex, 2);
    EXPECT_EQ(f.game.SaveSlot, 3);
    EXPECT_EQ(f.clock.PlaySeconds, 300);
    EXPECT_EQ(f.clock.PlayMinutes, 5);
    EXPECT_FALSE(f.menu.sndmenue.Checked);
    EXPECT_FALSE(f.game.SoundOn);
    EXPECT_TRUE(f.menu.mnuGrids.Checked);
    EXPECT_NEAR(game.platform.Timer() - *f.clock.LevelStartTime, 75.5, 1e-3);
    // The fallback's part.
    ExpectFallback(f);
    // The steps after the reading did not run.
    EXPECT_EQ(f.game.GameMode, "Easy");
    EXPECT_EQ(f.game.TriesAllowed, 10);
    EXPECT_EQ(f.menu.GotoLevelMenue.Enabled, gotoBefore);
    for (std::size_t i = 1; i < f.board.Grid.size(); ++i) ASSERT_EQ(f.board.Grid[i].BorderStyle, 0);
    // A fresh level 1 stands on the board, at the fallback's own offsets.
    const auto cells = PuzzleCells(1);
    ASSERT_EQ(f.board.Rect.size(), 5u);
    for (int k = 1; k <= 4; ++k) {
        const FrogRecord& rec = f.board.Rect[static_cast<std::size_t>(k)];
        const Cell& cell = f.board.Grid[static_cast<std::size_t>(cells[static_cast<std::size_t>(k - 1)])];
        EXPECT_EQ(rec.Tag, cells[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(rec.Left, cell.Left + 1);
        EXPECT_EQ(rec.Top, cell.Top + 3);
        EXPECT_EQ(rec.Width, f.board.Grid[0].Width - 6);
    }
}

TEST(DataFileFallback, WithoutALibraryYetNoFrogStandsOnTheTemplateCell) {
    TestGame game(false);
    ReadPrepared(game, {}, 0);
    ExpectFallback(game.form());
    EXPECT_EQ(game->board.Rect.size(), 1u);
    EXPECT_EQ(game->board.Grid[0].Tag, 0);
}

TEST(DataFileHostile, CutAtEveryItemBoundaryTakesTheFallback) {
    const auto items = SampleFile();
    for (std::size_t cut = 0; cut < items.size(); ++cut) {
        TestGame game(false);
        ReadPrepared(game, items, cut);
        SCOPED_TRACE("cut after " + std::to_string(cut) + " items");
        ExpectFallback(game.form());
    }
    TestGame whole(false);
    ReadPrepared(whole, items, items.size());
    EXPECT_EQ(whole->game.ResumeLevel, 37);
}

TEST(DataFileHostile, DamagedItemsTakeTheFallback) {
    struct Damage {
        std::size_t item;
        const char* value;
    };
    const std::size_t n = 14 + kLevelFlags;  // the record count
    const Damage damages[] = {
        {0, "level"},       {0, "40000"},     {1, "2.5"},      {3, "abc"},      {3, "1e400"},   {4, "0"},
        {4, "-3"},          {5, "99999999999"}, {6, "0"},      {6, "5"},        {6, "-1"},      {7, "6"},
        {7, "-1"},          {8, "1e9"},       {12, "yes"},     {12, "1"},       {20, "#MAYBE#"}, {n, "0"},
        {n, "-1"},          {n, "302"},       {n, "100000"},   {n, "6"},        {n + 1, "1e9"}, {n + 3, "\"0\""},
        {n + 3, "\"295\""}, {n + 3, "\"-5\""}, {n + 3, "\"x\""}, {n + 6, "\"100\""}, {n + 5, "100"},
    };
    for (const Damage& d : damages) {
        TestGame game(false);
        auto items = SampleFile();
        items[d.item] = d.value;
        ReadPrepared(game, items, items.size());
        SCOPED_TRACE("item " + std::to_string(d.item + 1) + " = " + d.value);
        ExpectFallback(game.form());
    }
}

TEST(DataFileHostile, GarbageAndHugeFilesTakeTheFallback) {
    const std::string texts[] = {
        std::string("\0\0\0\xff\xfe", 5),
        "\"unterminated",
        std::string(100000, ','),
        "37,2,1,75.5,40,1250,2,3,300,0,5,0,#TRUE#,#FALSE#",
    };
    for (const std::string& text : texts) {
        TestGame game(false);
        std::ofstream(game.data.file("data.txt"), std::ios::binary) << text;
        records::ReadDataFile(game.form());
        ExpectFallback(game.form());
    }
}

TEST(DataFileHostile, AFullBoardOfRecordsReads) {
    TestGame game(false);
    auto items = SampleFile();
    items.resize(14 + kLevelFlags);
    items.push_back("295");
    for (int k = 1; k <= kCells; ++k) {
        items.push_back(std::to_string(k));
        items.push_back("0");
        items.push_back(std::to_string(k));
    }
    ReadPrepared(game, items, items.size());
    EXPECT_EQ(game->board.Rect.size(), 295u);
    EXPECT_EQ(game->game.ResumeLevel, 37);
    ExpectBoardConsistent(game.form());
}

TEST(DataFileWrite, FailedWriteLeavesTheOldFileAndTheGameRunning) {
    TestGame game;
    PlayLevel(game.form(), 1, 3);
    ASSERT_TRUE(records::WriteDataFile(game.form()));
    const std::string before = FileText(game.data.file("data.txt"));

    // A file size limit makes the write come up short.
    game->game.Score = 777;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = records::WriteDataFile(game.form());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(written);
    EXPECT_EQ(FileText(game.data.file("data.txt")), before);
    EXPECT_EQ(game->game.Score, 777);

    // A data folder whose parent is a regular file cannot be written at all.
    std::ofstream(game.data.file("plain")) << "x";
    game->DataFolder = game.data.file("plain") + "/data/";
    EXPECT_FALSE(records::WriteDataFile(game.form()));
}

}  // namespace
}  // namespace quib
