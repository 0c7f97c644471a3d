// The five save slots: a game saved into a slot comes back from it with its
// board, counters and the level's start layout; loading another slot first
// saves the running game and writes the resume file; a closed slot stays
// closed; a slot file that cannot be read is never offered and, found
// damaged at load time, leaves the running game exactly as it was.

#include <filesystem>

#include "core/records/records.h"
#include "records_test_support.h"

namespace quib {
namespace {

using namespace records_test;
using testing::TestGame;

std::vector<int> StartLayout(const Form1& f, int level) {
    std::vector<int> cells;
    for (int j = 1; j <= level + 3; ++j) cells.push_back(f.library.LevelPieces(level, j));
    return cells;
}

// A slot file made by hand: a Medium game on the level with these frogs and
// this start layout.
std::vector<std::string> SlotItems(int level, const std::vector<int>& frogs, const std::vector<int>& start) {
    std::vector<std::string> items = {std::to_string(level), "4", "2", "12.5", "640", "2", "700", "0", "11", "40",
                                      std::to_string(frogs.size() + 1)};
    for (const int c : frogs) items.insert(items.end(), {std::to_string(c), "9", "\"" + std::to_string(c) + "\""});
    for (const int c : start) items.insert(items.end(), {"0", "0", std::to_string(c)});
    return items;
}

// What the player sees of a running game, to compare before and after.
struct Snapshot {
    int level, tryNumber, slot;
    std::int32_t score;
    std::int64_t playSeconds;
    std::vector<int> cells;
    std::string caption;
    std::uint64_t revision;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Snap(const Form1& f) {
    return {f.game.CurrentLevel, f.game.TryNumber, f.game.SaveSlot,  f.game.Score,
            f.clock.PlaySeconds, FrogCells(f),     f.window.Caption, f.library.Revision};
}

bool Offered(const Form1& f, int slot) {
    const auto k = static_cast<std::size_t>(slot);
    EXPECT_EQ(f.menu.mnusavegame[k].Checked, f.menu.mnuloadgame[k].Enabled);
    return f.menu.mnuloadgame[k].Enabled;
}

TEST(SaveSlotRoundTrip, LevelTwelveEasyComesBackWithBoardCaptionAndStartLayout) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 12);
    JumpFirstFrog(f);
    f.game.Score = 321;
    f.clock.PlaySeconds = 500;
    f.clock.PlaySecs = 20;
    f.clock.LevelStartTime = game.platform.Timer() - 200.25;
    const std::vector<int> layout = StartLayout(f, 12);

    records::mnusavegame_Click(f, 2);
    const Snapshot saved = Snap(f);
    EXPECT_EQ(saved.caption.rfind("QUIB(2)   Mode: Easy  Level:  12 of 200", 0), 0u) << saved.caption;
    EXPECT_TRUE(Offered(f, 2));
    EXPECT_FALSE(f.menu.mnusave.Enabled);
    EXPECT_EQ(records::SlotFileName(2), "savedgame2.txt");
    EXPECT_EQ(FileLines(game.data.file("savedgame2.txt")).size(), 11u + 3u * 14u + 3u * 15u);

    // A later run, in which the background supply has given level 12 a new puzzle.
    TestGame later(game, true);
    Form1& g = later.form();
    EXPECT_TRUE(Offered(g, 2));
    EXPECT_FALSE(Offered(g, 1));
    for (int j = 1; j <= 15; ++j) g.library.LevelPieces(12, j) = static_cast<std::int16_t>(200 + j);
    const auto revision = g.library.Revision;

    records::mnuloadgame_Click(g, 2);
    const Snapshot loaded = Snap(g);
    EXPECT_EQ(loaded.level, 12);
    EXPECT_EQ(loaded.tryNumber, saved.tryNumber);
    EXPECT_EQ(loaded.score, 321);
    EXPECT_EQ(loaded.playSeconds, 500);
    EXPECT_EQ(loaded.cells, saved.cells);
    EXPECT_EQ(loaded.caption, saved.caption);
    EXPECT_EQ(g.clock.PlaySecs, 20);
    EXPECT_EQ(g.game.LevelTries, f.game.LevelTries);
    EXPECT_EQ(g.game.TriesAllowed, 10);
    EXPECT_NEAR(later.platform.Timer() - *g.clock.LevelStartTime, 200.25, 1e-3);
    EXPECT_EQ(StartLayout(g, 12), layout);
    EXPECT_GT(g.library.Revision, revision);
    EXPECT_FALSE(g.intro.Visible || g.game.IntroShowing || g.menu.mnusave.Enabled);
    ExpectBoardConsistent(g);
    for (std::size_t r = 1; r < g.board.Rect.size(); ++r)
        EXPECT_TRUE(g.board.Frog.at(static_cast<std::size_t>(board::FindPicture(g.board, static_cast<int>(r)))).Visible);
}

TEST(SaveSlotLoad, AnotherSlotFirstSavesTheRunningGameAndWritesTheResumeFile) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 3);
    records::mnusavegame_Click(f, 4);
    PlayLevel(f, 2, 7);  // the new game saves slot 4 again and leaves it
    records::mnusavegame_Click(f, 2);
    JumpFirstFrog(f);
    const std::vector<int> slot2Cells = FrogCells(f);
    game.platform.Advance(30);

    records::mnuloadgame_Click(f, 4);
    EXPECT_EQ(f.game.CurrentLevel, 3);
    EXPECT_EQ(f.game.SaveSlot, 4);
    EXPECT_EQ(FrogCells(f).size(), 6u);

    // The next run finds the slot-2 game, with the 30 s played, in the resume file and in its slot.
    TestGame later(game, true);
    Form1& g = later.form();
    EXPECT_EQ(g.game.ResumeLevel, 7);
    EXPECT_EQ(g.game.SaveSlot, 2);
    EXPECT_EQ(g.clock.PlaySeconds, 30);
    EXPECT_EQ(FrogCells(g), slot2Cells);
    records::mnuloadgame_Click(g, 2);  // the start screen is up: the own slot loads
    EXPECT_EQ(g.game.CurrentLevel, 7);
    EXPECT_EQ(g.clock.PlaySeconds, 30);
    EXPECT_EQ(FrogCells(g), slot2Cells);
}

TEST(SaveSlotLoad, TheSlotInPlayIsNotLoadedAgainNorSavedFromTheStartScreen) {
    TestGame game;
    Form1& f = game.form();
    records::mnusavegame_Click(f, 1);  // start screen: nothing to save
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("savedgame1.txt")));

    PlayLevel(f, 1, 5);
    records::mnusavegame_Click(f, 2);
    const std::string file = FileText(game.data.file("savedgame2.txt"));
    JumpFirstFrog(f);
    const Snapshot before = Snap(f);
    game.platform.Advance(20);
    records::mnuloadgame_Click(f, 2);
    EXPECT_EQ(Snap(f), before);
    EXPECT_EQ(FileText(game.data.file("savedgame2.txt")), file);
}

TEST(SaveSlotLoad, LevelZeroLoadsAsLevelOneAndABigBoardLoads) {
    TestGame game;
    Form1& f = game.form();
    InstallPuzzle(f, 1);
    WriteLines(game.data.file("savedgame3.txt"), SlotItems(0, {10, 11, 12}, {5, 6, 7}));
    records::UpdateSlotMenu(f, 3);
    ASSERT_TRUE(Offered(f, 3));
    records::mnuloadgame_Click(f, 3);
    EXPECT_EQ(f.game.CurrentLevel, 1);
    EXPECT_EQ(f.game.Score, 640);
    EXPECT_EQ(FrogCells(f), (std::vector<int>{10, 11, 12}));
    EXPECT_FALSE(f.intro.CommandLabel2.Visible);

    std::vector<int> frogs, start;
    for (int c = 1; c <= 250; ++c) frogs.push_back(c);
    for (int c = 1; c <= 203; ++c) start.push_back(295 - c);
    WriteLines(game.data.file("savedgame1.txt"), SlotItems(200, frogs, start));
    records::UpdateSlotMenu(f, 1);
    ASSERT_TRUE(Offered(f, 1));
    records::mnuloadgame_Click(f, 1);
    EXPECT_EQ(f.game.CurrentLevel, 200);
    EXPECT_EQ(board::FrogsLeft(f.board), 250);
    EXPECT_EQ(StartLayout(f, 200), start);
    EXPECT_TRUE(f.intro.CommandLabel2.Visible);
    ExpectBoardConsistent(f);
}

TEST(SaveSlotClose, AnEndedGameClosesItsSlotForThisRunAndTheNext) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 4);
    records::mnusavegame_Click(f, 3);
    ASSERT_TRUE(Offered(f, 3));
    game::mnuQuit_Click(f);  // gives up the Easy game: the game ends
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(Offered(f, 3));
    EXPECT_EQ(FileLines(game.data.file("savedgame3.txt")), std::vector<std::string>{"\"hi\""});
    TestGame later(game, true);
    EXPECT_FALSE(Offered(later.form(), 3));

    PlayLevel(f, 1, 2);
    records::mnusavegame_Click(f, 5);
    records::CloseSaveSlot(f, "Hi");
    EXPECT_EQ(FileLines(game.data.file("savedgame5.txt")), std::vector<std::string>{"\"Hi\""});
    EXPECT_FALSE(Offered(f, 5));
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
    const Snapshot before = Snap(f);
    game.platform.Advance(45);

    records::mnuloadgame_Click(f, 5);
    EXPECT_EQ(Snap(f), before);
    EXPECT_FALSE(Offered(f, 5));
    EXPECT_EQ(FileText(game.data.file("savedgame1.txt")), slot1);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("data.txt")));
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
    const std::pair<std::size_t, const char*> damages[] = {
        {0, "-1"},      {0, "298"},        {1, "1.5"},      {3, "nan"},       {4, "9999999999"}, {5, "0"},
        {5, "5"},       {6, "1e3"},        {10, "0"},       {10, "-4"},       {10, "302"},       {11, "1e999"},
        {13, "\"0\""},  {13, "\"295\""},   {13, "\"-3\""},  {16, "\"100\""},  {14, "100"},       {22, "0"},
        {22, "295"},    {25, "100"},       {28, "-1"},
    };
    for (const auto& [item, value] : damages) {
        files.push_back(good);
        files.back()[item] = value;
    }
    files.push_back({"\"hi\""});
    files.push_back({std::string("\0\xff,,\"", 5)});

    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE("hostile slot file " + std::to_string(k));
        WriteLines(game.data.file("savedgame3.txt"), files[k]);
        records::UpdateSlotMenu(f, 3);
        EXPECT_FALSE(Offered(f, 3));
        records::mnuloadgame_Click(f, 3);
        ASSERT_EQ(Snap(f), before);
    }
    WriteLines(game.data.file("savedgame3.txt"), good);
    records::UpdateSlotMenu(f, 3);
    EXPECT_TRUE(Offered(f, 3));  // the undamaged file is fine
}

TEST(SaveSlotSave, AFailedWriteKeepsTheOldSaveOnOffer) {
    TestGame game;
    Form1& f = game.form();
    PlayLevel(f, 1, 6);
    records::mnusavegame_Click(f, 2);
    const std::string before = FileText(game.data.file("savedgame2.txt"));
    JumpFirstFrog(f);
    f.menu.mnusave.Enabled = true;
    {
        SmallFileLimit limit;
        records::mnusavegame_Click(f, 2);
    }
    EXPECT_EQ(FileText(game.data.file("savedgame2.txt")), before);
    EXPECT_TRUE(Offered(f, 2));           // the old save is still there
    EXPECT_TRUE(f.menu.mnusave.Enabled);  // and "Save" can be tried again

    MakeDataFolderUnwritable(game);
    records::mnusavegame_Click(f, 4);
    EXPECT_EQ(f.game.SaveSlot, 4);
    EXPECT_FALSE(Offered(f, 4));
    EXPECT_TRUE(f.menu.mnusave.Enabled);
}

}  // namespace
}  // namespace quib
