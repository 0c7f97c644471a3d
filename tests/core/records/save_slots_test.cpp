// The five save slots: a game saved into a slot comes back from it with its
// board, counters and the level's start layout; loading another slot first
// saves the running game and writes the resume file; a closed slot stays
// closed; a slot file that cannot be read is never offered and, found
// damaged at load time, leaves the running game exactly as it was.

#include <filesystem>

#include "core/records/records.h"
#include "core/window/window.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

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

Snapshot Snap(const Session& f) {
    return {f.game.CurrentLevel, f.game.TryNumber, f.game.SaveSlot,  f.game.Score,
            f.clock.PlaySeconds, FrogCells(f),     f.window.Caption, f.library.Revision};
}

bool Offered(const Session& f, int slot) {
    const auto k = static_cast<std::size_t>(slot);
    EXPECT_EQ(f.menu.SaveSlotEntries[k].Checked, f.menu.LoadSlotEntries[k].Enabled);
    return f.menu.LoadSlotEntries[k].Enabled;
}

TEST(SaveSlotRoundTrip, LevelTwelveEasyComesBackWithBoardCaptionAndStartLayout) {
    TestGame game;
    Session& f = game.session();
    Jump(PlayLevel(f, 1, 12), 100, 102);
    f.game.Score = 321;
    f.clock.PlaySeconds = 500;
    f.clock.PlaySecs = 20;
    f.clock.LevelStartTime = game.platform.Timer() - 200.25;
    const std::vector<int> layout = StoredPieces(f, 12);

    records::SaveToSlot(f, 2);
    const Snapshot saved = Snap(f);
    EXPECT_EQ(saved.caption.rfind("QUIB(2)   Mode: Easy  Level:  12 of 200", 0), 0u) << saved.caption;
    EXPECT_TRUE(Offered(f, 2) && !f.menu.SaveMenu.Enabled);
    EXPECT_EQ(FileLines(game.data.file("savedgame2.txt")).size(), 11u + 3u * 14u + 3u * 15u);

    // A later run, in which the background supply has given level 12 a new puzzle.
    TestGame later(game, true);
    Session& g = later.session();
    EXPECT_TRUE(Offered(g, 2) && !Offered(g, 1));
    for (int j = 1; j <= 15; ++j) g.library.LevelPieces(12, j) = static_cast<std::int16_t>(200 + j);
    const auto revision = g.library.Revision;
    records::ShowHighScores(g);  // loaded from over the table, with the clock frozen
    game::ClockTick(g);
    later.platform.Advance(900);

    records::LoadFromSlot(g, 2);
    Snapshot loaded = Snap(g);
    EXPECT_GT(loaded.revision, revision);
    loaded.revision = saved.revision;
    EXPECT_EQ(loaded, saved);  // level, try, slot, score, play time, frogs and caption
    EXPECT_EQ(std::tuple(g.clock.PlaySecs, g.game.LevelTries, g.game.TriesAllowed, g.game.ResumeLevel),
              std::tuple(std::int64_t{20}, f.game.LevelTries, 10, 12));  // "Continue" stands for the loaded game
    game::ClockTick(g);
    EXPECT_NEAR(game::LevelTime(g), 200.25, 1e-3);
    EXPECT_EQ(StoredPieces(g, 12), layout);
    EXPECT_FALSE(g.intro.Visible || game::StartScreenUp(g) || g.menu.SaveMenu.Enabled);
    ExpectBoardConsistent(g, true);
}

TEST(SaveSlotLoad, AnotherSlotFirstSavesTheRunningGameButTheOwnSlotIsNotReloaded) {
    TestGame game;
    Session& f = game.session();
    records::SaveToSlot(f, 1);  // start screen: nothing to save
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("savedgame1.txt")));
    records::SaveToSlot(PlayLevel(f, 1, 3), 4);
    PlayLevel(f, 2, 7);  // the new game saves slot 4 again and leaves it
    records::SaveToSlot(f, 2);
    const std::string file = FileText(game.data.file("savedgame2.txt"));
    Jump(f, 100, 102);
    const Snapshot before = Snap(f);
    const std::vector<int> slot2Cells = before.cells;
    game.platform.Advance(30);
    records::LoadFromSlot(f, 2);  // the slot in play: nothing happens
    EXPECT_EQ(Snap(f), before);
    EXPECT_EQ(FileText(game.data.file("savedgame2.txt")), file);

    records::LoadFromSlot(f, 4);
    EXPECT_EQ(std::tuple(f.game.CurrentLevel, f.game.SaveSlot, FrogCells(f)), std::tuple(3, 4, PairCells(3)));

    // The next run finds the slot-2 game, with the 30 s played, in the resume file and in its slot.
    TestGame later(game, true);
    Session& g = later.session();
    EXPECT_EQ(std::tuple(g.game.ResumeLevel, g.game.SaveSlot, g.clock.PlaySeconds, FrogCells(g)),
              std::tuple(7, 2, std::int64_t{30}, slot2Cells));
    records::LoadFromSlot(g, 2);  // the start screen is up: the own slot loads
    EXPECT_EQ(std::tuple(g.game.CurrentLevel, g.clock.PlaySeconds, FrogCells(g)), std::tuple(7, std::int64_t{30}, slot2Cells));
}

// Level 0 loads as level 1; 250 frogs on level 200 load whole; a slot
// without frog records (count 0) starts its level afresh.
TEST(SaveSlotLoad, OddButSoundSlotsLoad) {
    std::vector<int> many, start200;
    for (int c = 1; c <= 250; ++c) many.push_back(c);
    for (int c = 1; c <= 203; ++c) start200.push_back(295 - c);
    struct Case {
        int slot, level;
        std::vector<int> frogs, start;
        int loadedLevel;
        std::vector<int> cells;
    };
    const Case cases[] = {{3, 0, {10, 11, 12}, {5, 6, 7}, 1, {10, 11, 12}},
                          {1, 200, many, start200, 200, many},
                          {5, 2, {}, PairCells(2), 2, PairCells(2)}};
    TestGame game;
    Session& f = game.session();
    InstallPairs(f, 1);
    InstallPairs(f, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        auto items = SlotItems(c.level, c.frogs, c.start);
        if (c.frogs.empty()) items[10] = "0";
        WriteLines(game.data.file(records::SlotFileName(c.slot)), items);
        records::UpdateSlotMenu(f, c.slot);
        ASSERT_TRUE(Offered(f, c.slot));
        records::LoadFromSlot(f, c.slot);
        EXPECT_EQ(std::tuple(f.game.CurrentLevel, f.game.Score, FrogCells(f)), std::tuple(c.loadedLevel, 640, c.cells));
        EXPECT_EQ(StoredPieces(f, c.level), c.start);
        EXPECT_EQ(f.game.ResumeOffered, c.loadedLevel > 1);
        ExpectBoardConsistent(f, true);
    }
}

// An ended game closes its slot for this run and the next; a loaded game
// that ends leaves nothing for "Continue" to offer.
TEST(SaveSlotClose, AnEndedGameClosesItsSlotAndLeavesNothingToContinue) {
    TestGame game;
    Session& f = game.session();
    records::SaveToSlot(PlayLevel(f, 1, 4), 3);
    ASSERT_TRUE(Offered(f, 3));
    game::Quit(f);  // gives up the Easy game: the game ends
    EXPECT_EQ(f.game.SaveSlot, 0);
    EXPECT_FALSE(Offered(f, 3));
    EXPECT_EQ(FileLines(game.data.file("savedgame3.txt")), std::vector<std::string>{"\"hi\""});
    TestGame later(game, true);
    EXPECT_FALSE(Offered(later.session(), 3));

    records::SaveToSlot(PlayLevel(f, 1, 2), 5);
    records::CloseSaveSlot(f, "Hi");
    EXPECT_EQ(FileLines(game.data.file("savedgame5.txt")), std::vector<std::string>{"\"Hi\""});
    EXPECT_FALSE(Offered(f, 5));

    records::SaveToSlot(PlayLevel(f, 1, 4), 2);
    PlayLevel(f, 1, 1);  // another game; slot 2 keeps the level-4 game
    records::LoadFromSlot(f, 2);
    ASSERT_EQ(f.game.CurrentLevel, 4);
    ASSERT_TRUE(f.game.ResumeOffered);
    game::Quit(f);
    game::DismissMessage(f);
    EXPECT_TRUE(f.intro.Visible && !f.game.ResumeOffered);
}

// A Practice game loaded at level 2 and left by "Quit" on level 3:
// "Continue" takes up level 3 with its frogs, and closing the program saves
// level 3 into the slot and the resume file.
TEST(SaveSlotContinue, APracticeGameQuitALevelAfterItsLoadContinuesWhereItWasLeft) {
    TestGame game;
    Session& f = StartGame(game.session(), 4, 3);
    PlaySolution(f, LevelPuzzle(1));
    ClickWindow(f);
    records::SaveToSlot(f, 1);
    game::Quit(f);
    records::LoadFromSlot(f, 1);
    ASSERT_TRUE(f.game.CurrentLevel == 2 && f.game.ResumeOffered);
    PlaySolution(f, LevelPuzzle(2));
    ClickWindow(f);
    Jump(f, LevelPuzzle(3).solution[0].first, LevelPuzzle(3).solution[0].second);
    const std::vector<int> cells = FrogCells(f);
    game::Quit(f);
    game::ContinueGame(f);
    EXPECT_EQ(std::pair(f.game.CurrentLevel, FrogCells(f)), std::pair(3, cells));
    EXPECT_TRUE(CaptionHas(f, "Level:   3 of 200" + std::string(17, ' ') + "5 left out of   6"));
    window::RequestClose(f);
    EXPECT_EQ(FileLines(game.data.file("savedgame1.txt")).at(0), "3");
    EXPECT_EQ(FileLines(game.data.file("data.txt")).at(0), "3");
}

// Each file is written over a slot that was offered at start-up: the load
// finds the damage before anything is saved, added or changed.
TEST(SaveSlotDamage, HostileFilesAreNeverOfferedAndLeaveTheRunningGameAsItWas) {
    TestGame game;
    Session& f = game.session();
    records::SaveToSlot(PlayLevel(f, 1, 4), 1);
    Jump(f, 100, 102);
    const std::string slot1 = FileText(game.data.file("savedgame1.txt"));
    const Snapshot before = Snap(f);

    const auto good = SlotItems(2, {100, 101, 150}, {100, 101, 150, 200, 250});
    const auto files = DamagedFiles(
        good,
        {{0, "-1"}, {0, "298"}, {1, "1.5"}, {3, "nan"}, {4, "9999999999"}, {5, "0"}, {5, "5"}, {6, "1e3"},
         {10, "302"}, {11, "1e999"}, {13, "\"0\""}, {13, "\"295\""}, {13, "\"-3\""}, {16, "\"100\""}, {14, "100"},
         {22, "0"}, {22, "295"}, {25, "100"}, {28, "-1"}},
        {{"\"hi\""}, {std::string("\0\xff,,\"", 5)}});
    for (std::size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE("hostile slot file " + std::to_string(k));
        WriteLines(game.data.file("savedgame3.txt"), files[k]);
        f.menu.SaveSlotEntries[3].Checked = f.menu.LoadSlotEntries[3].Enabled = true;
        game.platform.Advance(45);
        records::LoadFromSlot(f, 3);
        ASSERT_EQ(Snap(f), before);
        EXPECT_FALSE(Offered(f, 3));
        records::UpdateSlotMenu(f, 3);
        EXPECT_FALSE(Offered(f, 3));
    }
    EXPECT_EQ(FileText(game.data.file("savedgame1.txt")), slot1);
    EXPECT_FALSE(std::filesystem::exists(game.data.file("data.txt")));
    WriteLines(game.data.file("savedgame3.txt"), good);
    records::UpdateSlotMenu(f, 3);
    EXPECT_TRUE(Offered(f, 3));  // the undamaged file is fine
}

TEST(SaveSlotSave, AFailedWriteKeepsTheOldSaveOnOffer) {
    TestGame game;
    Session& f = game.session();
    records::SaveToSlot(PlayLevel(f, 1, 6), 2);
    const std::string before = FileText(game.data.file("savedgame2.txt"));
    Jump(f, 100, 102);
    f.menu.SaveMenu.Enabled = true;
    {
        SmallFileLimit limit;
        records::SaveToSlot(f, 2);
    }
    EXPECT_EQ(FileText(game.data.file("savedgame2.txt")), before);
    EXPECT_TRUE(Offered(f, 2));           // the old save is still there
    EXPECT_TRUE(f.menu.SaveMenu.Enabled);  // and "Save" can be tried again

    // Nothing saved: the game keeps its slot, and the caption says so.
    MakeDataFolderUnwritable(game);
    records::SaveToSlot(f, 4);
    EXPECT_EQ(f.game.SaveSlot, 2);
    EXPECT_TRUE(CaptionHas(f, "QUIB(2)"));
    EXPECT_TRUE(!Offered(f, 4) && Offered(f, 2) && f.menu.SaveMenu.Enabled);
}

// A slot saved on the round-over message holds a board without a jump (New
// Game saves the running game into its slot, whatever the screen), as the
// resume file does after a close there. Load takes such a board as Continue
// does: the level is retried with its start layout and a try counted.
TEST(SaveSlotLoad, ABoardWithoutAJumpIsRetriedAsContinueRetriesIt) {
    for (const bool byLoad : {true, false}) {
        SCOPED_TRACE(byLoad ? "Load" : "Continue");
        TestGame first;
        Session& f = StartGame(first.session(), kEasyMode);
        PlaySolution(f, LevelPuzzle(1));
        ClickWindow(f);
        records::SaveToSlot(f, 2);
        PlayLosingJump(f, LevelPuzzle(2));
        ASSERT_EQ(f.play.Now, Screen::RoundOver);
        TestGame second(first, false);
        Session* played = &f;
        if (byLoad) {
            game::StartNewGame(f, kEasyMode);
            records::LoadFromSlot(f, 2);
        } else {
            window::RequestClose(f);
            second.RunStartUp();
            ASSERT_TRUE(game::ContinueOffered(second.session()));
            game::ContinueGame(second.session());
            played = &second.session();
        }
        const Session& g = *played;
        EXPECT_EQ(FrogCells(g), LevelPuzzle(2).pieces);
        EXPECT_EQ(std::pair(g.play.Now, g.game.LevelTries), std::pair(Screen::LevelInPlay, 2));
        EXPECT_TRUE(CaptionHas(g, "Level:   2 of 200"));
        EXPECT_TRUE(CaptionHas(g, "Tries Left:  10"));
    }
}

// "Continue" is offered for the game last loaded or left, only beyond level
// 1, and never over a board the generator could not fill.
TEST(SaveSlotContinue, OfferedOnlyForALevelItCanResume) {
    // A Practice slot at level 3 loaded, then one at level 1, then Quit.
    {
        TestGame game;
        Session& f = game.session();
        InstallRowPuzzles(f, 3);
        game::GoToLevel(f, 3);
        records::SaveToSlot(f, 1);
        game::GoToLevel(f, 1);
        records::SaveToSlot(f, 2);
        game::Quit(f);
        records::LoadFromSlot(f, 1);
        ASSERT_EQ(f.game.CurrentLevel, 3);
        records::LoadFromSlot(f, 2);
        ASSERT_EQ(f.game.CurrentLevel, 1);
        game::Quit(f);
        EXPECT_TRUE(game::StartScreenUp(f));
        EXPECT_FALSE(game::ContinueOffered(f));
    }
    // A Practice slot at level 2 loaded and solved; the generator gives up
    // on level 3, which has no puzzle: the start screen over an empty board.
    {
        TestGame game;
        Session& f = game.session();
        InstallRowPuzzles(f, 2);
        game::GoToLevel(f, 2);
        records::SaveToSlot(f, 1);
        game::Quit(f);
        records::LoadFromSlot(f, 1);
        ASSERT_EQ(f.game.CurrentLevel, 2);
        for (std::size_t k = 1; k < f.board.GridB.size(); ++k) f.board.GridB[k].Height = 5;
        PlaySolution(f, LevelPuzzle(2));
        ClickWindow(f);
        ASSERT_EQ(board::FrogsLeft(f.board), 0);
        EXPECT_TRUE(game::StartScreenUp(f));
        EXPECT_FALSE(game::ContinueOffered(f));
    }
}

}  // namespace
}  // namespace quib
