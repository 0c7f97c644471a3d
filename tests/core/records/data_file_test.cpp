// The resume file "data.txt": what one run writes, the next run reads back
// with "Continue" offered by its rules; a damaged file of any kind takes the
// fallback (a fresh level-1 start) while keeping what was read before the
// damage; a file that cannot be written leaves the old one intact.

#include "core/levels/levels.h"
#include "core/records/records.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

// A Medium game at level 37, try 2, score 1250, slot 3, four frogs.
std::vector<std::string> SampleFile() {
    std::vector<std::string> items = {"37", "2", "1", "75.5", "40", "1250", "2", "3", "300", "0", "5", "0",
                                      "#TRUE#", "#FALSE#"};
    for (int i = 1; i <= 200; ++i) items.push_back(i % 3 == 0 ? "#TRUE#" : "#FALSE#");
    items.push_back("5");
    for (const int c : {100, 101, 150, 200})
        items.insert(items.end(), {"0", std::to_string(c), "\"" + std::to_string(c) + "\""});
    return items;
}
constexpr std::size_t kCount = 214;  // index of the record count N

// Reads the items into a window just opened (no level library yet, as at start-up).
void ReadPrepared(TestGame& game, const std::vector<std::string>& items, std::size_t count = SIZE_MAX) {
    WriteLines(game.data.file("data.txt"), items, count);
    records::ReadDataFile(game.session());
}

void ExpectFallback(const Session& f) {
    EXPECT_EQ(std::tuple(f.game.ResumeLevel, f.game.CurrentLevel, f.game.HighestLevel), std::tuple(1, 1, 1));
    EXPECT_FALSE(f.game.ResumeOffered);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[1]);
    EXPECT_EQ(std::count(f.library.LevelNeedsGenerating.begin(), f.library.LevelNeedsGenerating.end(), true), 1);
    ExpectBoardConsistent(f);
}

TEST(DataFileRoundTrip, WrittenGameComesBackWithItsBoardAndContinueResumesIt) {
    TestGame first;
    Session& f = first.session();
    Jump(PlayLevel(f, 2, 37), 100, 102);
    std::tie(f.game.TryNumber, f.game.Score, f.game.SaveSlot, f.game.HighestLevel) = std::tuple(2, 1250, 3, 37);
    f.clock.PlaySeconds = 4000;
    std::tie(f.clock.PlayHours, f.clock.PlayMinutes, f.clock.PlaySecs) = std::tuple(1, 2, 3);
    f.menu.SoundOption.Checked = false;
    f.clock.LevelStartTime = first.platform.Timer() - 75.5;
    f.library.LevelCount = 150;  // a shortened library: the file still holds 200 flags
    const std::vector<int> cells = FrogCells(f);
    ASSERT_TRUE(records::WriteDataFile(f) && levels::WriteLevelLibrary(f));
    EXPECT_EQ(FileLines(first.data.file("data.txt")).size(), 15u + 200u + 3u * 39u);

    TestGame second(first, true);
    Session& g = second.session();
    EXPECT_EQ(std::tuple(g.game.ResumeLevel, g.game.CurrentLevel, g.game.TryNumber, g.game.Score),
              std::tuple(37, 1, 2, 1250));  // "Continue" moves to the level
    EXPECT_EQ(std::tuple(g.game.TriesAllowed, g.game.SaveSlot, g.game.HighestLevel, g.clock.PlaySeconds),
              std::tuple(8, 3, 37, std::int64_t{4000}));
    EXPECT_EQ(std::tuple(g.clock.PlayHours, g.clock.PlayMinutes, g.clock.PlaySecs), std::tuple(1, 2, 3));
    EXPECT_TRUE(!g.game.SoundOn && g.library.LevelNeedsGenerating[37] && g.game.ResumeOffered &&
                g.game.JumpPossible);
    EXPECT_NEAR(second.platform.Timer() - *g.clock.LevelStartTime, 75.5, 1e-3);
    EXPECT_EQ(FrogCells(g), cells);

    game::ContinueGame(g);
    EXPECT_EQ(std::pair(g.game.CurrentLevel, FrogCells(g)), std::pair(37, cells));
    ExpectBoardConsistent(g, true);
    EXPECT_EQ(g.window.Caption.rfind("QUIB(3)   Mode: Medium  Level:  37", 0), 0u) << g.window.Caption;

    // Closed at the start screen without taking up "Continue": still on offer.
    TestGame third(first, true);
    ASSERT_TRUE(records::WriteDataFile(third.session()));
    TestGame fourth(first, true);
    EXPECT_EQ(std::pair(fourth->game.ResumeLevel, FrogCells(fourth.session())), std::pair(37, cells));
}

TEST(DataFileContinue, OfferedByTheLevelReadAndTheTriesLeft) {
    struct Case {
        const char *level, *mode, *tryNumber;
        int resume;
        bool shown;
    };
    const Case cases[] = {
        {"0", "1", "1", 2, true},    {"999", "1", "1", 1, false}, {"37", "1", "9", 37, false},
        {"37", "1", "8", 37, true},  {"37", "2", "7", 37, false}, {"37", "3", "3", 37, true},
        {"37", "4", "1", 37, false}, {"37", "4", "-50", 37, false},  // Practice never offers it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("level ") + c.level + " mode " + c.mode + " try " + c.tryNumber);
        TestGame game(false);
        auto items = SampleFile();
        items[0] = c.level;
        items[1] = c.tryNumber;
        items[6] = c.mode;
        ReadPrepared(game, items);
        EXPECT_EQ(std::tuple(game->game.ResumeLevel, game->game.ResumeOffered, game->menu.GotoLevelMenu.Enabled),
                  std::tuple(c.resume, c.shown, std::string(c.mode) == "4"));
    }
}

// A game offered with no try counted at its level (a count of 0, found by
// the resume file's fuzzer) is still offered after an open and a close.
TEST(DataFileContinue, AnOfferedGameOutlivesACloseWhateverItsTriesAtTheLevel) {
    TestGame first;
    ASSERT_TRUE(levels::WriteLevelLibrary(first.session()));
    auto items = SampleFile();
    items[2] = "0";
    WriteLines(first.data.file("data.txt"), items, SIZE_MAX);
    TestGame opened(first, true);
    ASSERT_TRUE(opened->game.ResumeOffered);
    ASSERT_TRUE(records::WriteDataFile(opened.session()));
    TestGame again(first, true);
    EXPECT_EQ(std::pair(again->game.ResumeLevel, again->game.ResumeOffered), std::pair(37, true));
}

TEST(DataFileOptions, TheFlagsSetSoundGridsAndTheCellOutlines) {
    for (const bool on : {false, true}) {
        TestGame game(false);
        auto items = SampleFile();
        items[12] = items[13] = on ? "#TRUE#" : "#FALSE#";
        game->menu.SoundOption.Checked = !on;
        ReadPrepared(game, items);
        EXPECT_EQ(std::tuple(game->menu.SoundOption.Checked, game->menu.GridsOption.Checked, game->game.SoundOn),
                  std::tuple(on, on, on));
        for (std::size_t i = 1; i < game->board.Grid.size(); ++i) ASSERT_EQ(game->board.Grid[i].Outlined, on);
        ASSERT_TRUE(records::WriteDataFile(game.session()));
        EXPECT_EQ(FileLines(game.data.file("data.txt"))[12], on ? "#TRUE#" : "#FALSE#");
    }
    TestGame cut(false);  // cut right after the "Sound" mark: the sound still follows it
    auto items = SampleFile();
    items[12] = "#FALSE#";
    ReadPrepared(cut, items, 13);
    EXPECT_FALSE(cut->menu.SoundOption.Checked || cut->game.SoundOn);
}

TEST(DataFileFallback, FileCutAfterItemTwentyKeepsWhatWasReadBeforeTheCut) {
    TestGame game(false);
    const Session& f = game.session();
    InstallPairs(game.session(), 1);
    auto items = SampleFile();
    items[12] = "#FALSE#";
    items[13] = "#TRUE#";  // Grids on in the file, but the outlines step never runs
    ReadPrepared(game, items, 20);

    EXPECT_EQ(std::tuple(f.game.TryNumber, f.game.Score, f.game.ModeIndex, f.game.SaveSlot), std::tuple(2, 1250, 2, 3));
    EXPECT_EQ(std::tuple(f.clock.PlaySeconds, f.clock.PlayMinutes), std::tuple(300, 5));
    EXPECT_TRUE(!f.game.SoundOn && f.menu.GridsOption.Checked);
    EXPECT_NEAR(game.platform.Timer() - *f.clock.LevelStartTime, 75.5, 1e-3);
    ExpectFallback(f);
    EXPECT_EQ(std::pair(f.game.TriesAllowed, f.board.Grid[7].Outlined), std::pair(10, false));  // mode and outline steps did not run
    // A fresh level 1 stands on the board, at the fallback's own offsets.
    ASSERT_EQ(f.board.Rect.size(), 5u);
    for (std::size_t k = 1; k <= 4; ++k) {
        const Cell& cell = f.board.Grid[static_cast<std::size_t>(PairCells(1)[k - 1])];
        EXPECT_EQ(std::pair(f.board.Rect[k].Left, f.board.Rect[k].Top), std::pair(cell.Left + 1, cell.Top + 3));
    }
}

TEST(DataFileHostile, EveryDamageTakesTheFallback) {
    const auto files = DamagedFiles(
        SampleFile(),
        {{0, "level"}, {0, "40000"}, {1, "2.5"}, {3, "1e400"}, {4, "0"}, {4, "-3"}, {5, "9999999999"}, {6, "0"},
         {6, "5"}, {7, "-1"}, {7, "6"}, {8, "1e9"}, {12, "1"}, {20, "#MAYBE#"}, {kCount, "302"},
         {kCount, "100000"}, {kCount, "6"}, {kCount + 1, "x"}, {kCount + 3, "\"0\""}, {kCount + 3, "\"295\""},
         {kCount + 3, "\"-5\""},
         {kCount + 6, "\"100\""},  // two frogs on one cell
         {kCount + 5, "100"}},     // two frogs at one position
        {{std::string("\0\xff\xfe", 3)}, {"\"unterminated"}, {std::string(100000, ',')}});
    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE("damaged file " + std::to_string(k));
        TestGame game(false);
        ReadPrepared(game, files[k]);
        ExpectFallback(game.session());
        EXPECT_EQ(game->board.Rect.size(), 1u);  // no library yet: no frog on the template cell
    }
}

// A count of one or less brings no frogs; up to a full board of 294 reads.
TEST(DataFileHostile, RecordCountsFromNoneToAFullBoardRead) {
    for (const int count : {-1, 0, 1, kCells + 1}) {
        SCOPED_TRACE("count " + std::to_string(count));
        TestGame game(false);
        auto items = SampleFile();
        items.resize(kCount);
        items.push_back(std::to_string(count));
        for (int k = 1; k < count; ++k) items.insert(items.end(), {std::to_string(k), "0", std::to_string(k)});
        ReadPrepared(game, items);
        EXPECT_EQ(game->board.Rect.size(), static_cast<std::size_t>(std::max(count, 1)));
        EXPECT_EQ(std::tuple(game->game.ResumeLevel, game->game.HighestLevel), std::tuple(37, 40));
        ExpectBoardConsistent(game.session());
    }
}

TEST(DataFileWrite, AFailedWriteLeavesTheOldFileAndTheGameRunning) {
    TestGame game;
    ASSERT_TRUE(records::WriteDataFile(PlayLevel(game.session(), 1, 3)));
    const std::string before = FileText(game.data.file("data.txt"));
    game->game.Score = 777;
    {
        SmallFileLimit limit;
        EXPECT_FALSE(records::WriteDataFile(game.session()));
    }
    EXPECT_EQ(FileText(game.data.file("data.txt")), before);
    MakeDataFolderUnwritable(game);
    EXPECT_FALSE(records::WriteDataFile(game.session()));
    EXPECT_EQ(game->game.Score, 777);
}

}  // namespace
}  // namespace quib
