// Solving a level: the points (level + 3, twice the level more at the first
// try), the level-completed texts, the next level with a try given back, a
// slot in use saved; the last level ends the game with its message, the
// high-score offer and the slot closed with "Hi".

#include "core/records/records.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

TEST(LevelSolved, WholeEasyGameScoresEachLevelAndStartsTheNextWithATryMore) {
    TestGame game;
    Session& f = StartGame(game.session(), 1);
    records::SaveToSlot(f, 2);
    const std::string saved = FileText(game.data.file("savedgame2.txt"));
    game.platform.Advance(20);
    PlaySolution(f, LevelPuzzle(1));
    EXPECT_EQ(std::tuple(f.msg.PanelTitle.Caption, f.msg.PanelCount.Caption, f.msg.PanelScore.Caption),
              std::tuple("Level 1 Completed", "Frogs Jumped: 3  Tries: 1", "SCORE: 6   Time 0:0:20"));
    EXPECT_TRUE(f.msg.PanelTitle.Visible && f.msg.PanelCount.Visible && f.msg.PanelScore.Visible && f.msg.MessageLine.Visible);
    EXPECT_FALSE(f.menu.RestartLevelEntry.Enabled);
    // The next level's time starts from nothing; the slot in use holds the game at level 2.
    EXPECT_EQ(std::tuple(f.game.Score, f.clock.State, f.clock.PlaySeconds, f.clock.PlaySecs, f.game.HighestLevel,
                         f.game.SaveSlot),
              std::tuple(6, ClockState::FreezeRequested, std::int64_t{20}, std::int64_t{0}, 2, 2));
    EXPECT_EQ(PictureOnCell(f, LevelPuzzle(1).solution.back().second), 0);
    EXPECT_NE(FileText(game.data.file("savedgame2.txt")), saved);

    ClickWindow(f);
    EXPECT_FALSE(f.msg.PanelTitle.Visible || f.msg.MessageLine.Visible);
    EXPECT_EQ(FrogCells(f), LevelPuzzle(2).pieces);
    EXPECT_TRUE(CaptionHas(f, "QUIB(2)   Mode: Easy  Level:   2 of 200"));
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  11    Score:     6"));

    // Levels 2 and 3 at the first try: 6 + 9 + 12; a failed round and its
    // retry on level 4 take back the try the fresh start gave, and the
    // retry earns no bonus.
    PlaySolution(f, LevelPuzzle(2));
    game::DismissPanel(f);
    PlaySolution(f, LevelPuzzle(3));
    game::DismissPanel(f);
    EXPECT_EQ(f.game.Score, 27);
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  13"));
    PlayLosingJump(f, LevelPuzzle(4));
    game::DismissMessage(f);
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  12"));
    PlaySolution(f, LevelPuzzle(4));
    EXPECT_EQ(f.game.Score, 34);
    EXPECT_EQ(f.msg.PanelCount.Caption, "Frogs Jumped: 6  Tries: 2");
    ClickWindow(f);  // level 5 is a fresh start again
    EXPECT_TRUE(CaptionHas(f, "Tries Left:  13"));
}

// A library of three levels (as a short library file gives) played to its
// end in Easy and in Practice, with a save slot in use.
TEST(LastLevel, SolvingItEndsTheGameWithItsMessageClosesTheSlotAndOffersTheTableOutsidePractice) {
    for (const int mode : {1, 4}) {
        TestGame game;
        Session& f = game.session();
        f.library.LevelCount = 3;
        StartGame(f, mode, 3);
        records::SaveToSlot(f, 2);
        for (int level = 1; level <= 3; ++level) {
            game.platform.Advance(21);
            PlaySolution(f, LevelPuzzle(level));
            if (level == 3) break;
            EXPECT_EQ(f.msg.PanelScore.Visible, mode != 4);  // Practice hides the score line
            ClickWindow(f);
        }
        EXPECT_FALSE(f.msg.PanelTitle.Visible);  // no level-completed panel after the last level
        EXPECT_EQ(f.msg.RoundOverHeading.Caption, "Game Over: Congratulations");
        EXPECT_TRUE(f.msg.RoundOverLabel.Visible && f.msg.RoundOverHeading.Visible);
        EXPECT_FALSE(f.menu.QuitEntry.Enabled || f.menu.SaveMenu.Enabled || f.menu.RestartLevelEntry.Enabled ||
                     f.menu.LoadSlotEntries[2].Enabled);
        EXPECT_EQ(f.game.SaveSlot, 0);
        EXPECT_EQ(FileText(game.data.file("savedgame2.txt")).find("\"Hi\""), 0u);
        EXPECT_EQ(f.msg.RoundOverLabel.Caption,
                  mode == 1 ? "1: All levels solved.\nScore: 27   Time 0:1:3\nYou got a high score."
                            : "10: All levels solved.\n       \nPress Mouse button to play again");
        EXPECT_EQ(std::pair(f.msg.NameInput.Visible, f.menu.HighScoresEntry.Enabled), std::pair(mode == 1, mode == 4));
        if (mode == 1) records::EnterName(f);
        ClickWindow(f);
        EXPECT_TRUE(game::StartScreenUp(f) && f.intro.Visible);
        EXPECT_EQ(std::pair(f.game.CurrentLevel, f.window.Caption), std::pair(1, std::string(" QUIB   ")));
    }
}

// The game-over message after the last level of a short library shows the
// game's whole time (three levels of 21 seconds) whether or not the score
// takes a row of a table already full of higher scores; and New Game >
// Practice chosen while that message or the name entry is up plays level 1,
// never a level past the last.
TEST(LastLevel, TheMessageShowsTheGamesTimeAndPracticeAfterItStartsAtLevelOne) {
    struct Case {
        int mode;
        bool tableFull;
        const char* message;
        Screen screen;
    };
    const Case cases[] = {
        {kEasyMode, false, "1: All levels solved.\nScore: 27   Time 0:1:3\nYou got a high score.", Screen::NameEntry},
        {kEasyMode, true, "1: All levels solved.\nScore: 27   Time 0:1:3\nPress Mouse button to play again",
         Screen::GameOver},
        {kPracticeMode, false, "10: All levels solved.\n       \nPress Mouse button to play again", Screen::GameOver},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.message));
        TestGame game;
        Session& f = game.session();
        f.library.LevelCount = 3;
        if (c.tableFull)
            for (int row = 1; row <= 10; ++row) f.high.ScoreLabel[static_cast<std::size_t>(row)].Caption = "900";
        StartGame(f, c.mode, 3);
        for (int level = 1; level <= 3; ++level) {
            game.platform.Advance(21);
            PlaySolution(f, LevelPuzzle(level));
            if (level < 3) ClickWindow(f);
        }
        EXPECT_EQ(f.msg.RoundOverLabel.Caption, c.message);
        EXPECT_EQ(f.play.Now, c.screen);

        game::StartNewGame(f, kPracticeMode);
        // Level 1's puzzle was played, so a fresh one of its four frogs is made.
        EXPECT_EQ(std::pair(f.game.CurrentLevel, FrogCells(f).size()), std::pair(1, std::size_t{4}));
        EXPECT_TRUE(CaptionHas(f, "Level:   1 of 200"));
        EXPECT_EQ(f.play.Now, Screen::LevelInPlay);
    }
}

}  // namespace
}  // namespace quib
