// What is on screen, as the handlers set it: every handler, from every screen
// it can be reached on, lands on the expected one, and the one answer to
// "is a level in play?" and the menus that depend on the screen follow it;
// plus the faults that came from guessing the screen from the labels or from
// handlers that carried the effects of a change of screen themselves.

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "core/levels/levels.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;
using S = Screen;

const char* Name(S s) {
    static const char* const names[] = {"StartScreen", "LevelInPlay", "RoundOver", "LevelCompleted",
                                        "NameEntry",   "GameOver",    "HighScores"};
    return names[static_cast<int>(s)];
}

// Brings a fresh game (row puzzles for levels 1 to 4) to a screen: an Easy
// game on level 1 unless it says Practice (at level 1).
using Step = std::function<void(Session&)>;
const Step kNothing = [](Session&) {};
const Step kEasy = [](Session& f) { game::StartNewGame(f, kEasyMode); };
const Step kPractice = [](Session& f) { game::StartNewGame(f, kPracticeMode); };
const Step kLose = [](Session& f) { PlayLosingJump(f, LevelPuzzle(1)); };
const Step kSolve = [](Session& f) { PlaySolution(f, LevelPuzzle(1)); };
const Step kTable = [](Session& f) { records::ShowHighScores(f); };
const Step kCloseTable = [](Session& f) { records::CloseHighScores(f); };
const Step kQuit = [](Session& f) { game::Quit(f); };
const Step kDismissRound = [](Session& f) { game::DismissMessage(f); };
const Step kDismissPanel = [](Session& f) { game::DismissPanel(f); };
const Step kClick = [](Session& f) { ClickWindow(f); };
const Step kRestart = [](Session& f) { game::RestartLevel(f); };
const Step kEnterName = [](Session& f) { records::EnterName(f); };
const Step kContinue = [](Session& f) { game::ContinueGame(f); };
const Step kGoto3Save2 = [](Session& f) {
    game::GoToLevel(f, 3);
    records::SaveToSlot(f, 2);
};
const Step kLoad2 = [](Session& f) { records::LoadFromSlot(f, 2); };

Step Then(std::initializer_list<Step> steps) {
    std::vector<Step> all(steps);
    return [all](Session& f) {
        for (const Step& s : all) s(f);
    };
}

// Row puzzles for levels 1 to 4, and a Practice game at level 3 kept in slot
// 1, quit and loaded back.
Session& PracticeLoadedFromSlot(TestGame& game) {
    Session& f = game.session();
    InstallRowPuzzles(f, 4);
    game::GoToLevel(f, 3);
    records::SaveToSlot(f, 1);
    game::Quit(f);
    records::LoadFromSlot(f, 1);
    return f;
}

TEST(PlayState, EveryHandlerLandsOnTheScreenItShows) {
    const Step easyPlay = kEasy, practicePlay = kPractice;
    const Step roundOver = Then({kEasy, kLose}), panel = Then({kEasy, kSolve});
    const Step practicePanel = Then({kPractice, kSolve});
    // Level 1 solved gives points: giving up on level 2 enters the table.
    const Step nameEntry = Then({kEasy, kSolve, kDismissPanel, kQuit});
    const Step gameOver = Then({kEasy, kQuit});  // no points, no place in the table
    struct Row {
        const char* from;
        Step reach;
        S at;
        const char* handler;
        Step act;
        S to;
    };
    const Row rows[] = {
        {"start", kNothing, S::StartScreen, "new game", kEasy, S::LevelInPlay},
        {"start", kNothing, S::StartScreen, "table", kTable, S::HighScores},
        {"start", kNothing, S::StartScreen, "click", kClick, S::StartScreen},
        {"table from start", kTable, S::HighScores, "close table", kCloseTable, S::StartScreen},
        {"play", easyPlay, S::LevelInPlay, "losing jump", kLose, S::RoundOver},
        {"play", easyPlay, S::LevelInPlay, "solving jumps", kSolve, S::LevelCompleted},
        {"play", easyPlay, S::LevelInPlay, "restart", kRestart, S::LevelInPlay},
        {"play", easyPlay, S::LevelInPlay, "click", kClick, S::LevelInPlay},
        {"play", easyPlay, S::LevelInPlay, "quit", kQuit, S::GameOver},
        {"practice play", practicePlay, S::LevelInPlay, "quit", kQuit, S::StartScreen},
        {"play", easyPlay, S::LevelInPlay, "table", kTable, S::HighScores},
        {"table over play", Then({kEasy, kTable}), S::HighScores, "close table", kCloseTable, S::LevelInPlay},
        {"table over play", Then({kEasy, kTable}), S::HighScores, "click", kClick, S::LevelInPlay},
        {"table over play", Then({kEasy, kTable}), S::HighScores, "new game", kPractice, S::LevelInPlay},
        {"round over", roundOver, S::RoundOver, "dismiss", kDismissRound, S::LevelInPlay},
        {"round over", roundOver, S::RoundOver, "click", kClick, S::LevelInPlay},
        {"round over", roundOver, S::RoundOver, "quit", kQuit, S::GameOver},
        {"round over", roundOver, S::RoundOver, "new game", kEasy, S::LevelInPlay},
        {"table over round over", Then({kEasy, kLose, kTable}), S::HighScores, "close table", kCloseTable,
         S::RoundOver},
        {"panel", panel, S::LevelCompleted, "dismiss", kDismissPanel, S::LevelInPlay},
        {"panel", panel, S::LevelCompleted, "click", kClick, S::LevelInPlay},
        {"panel", panel, S::LevelCompleted, "quit", kQuit, S::NameEntry},
        {"practice panel", practicePanel, S::LevelCompleted, "quit", kQuit, S::StartScreen},
        {"practice panel", practicePanel, S::LevelCompleted, "quit, continue", Then({kQuit, kContinue}),
         S::LevelInPlay},
        {"table over panel", Then({kEasy, kSolve, kTable}), S::HighScores, "close table", kCloseTable,
         S::LevelCompleted},
        {"name entry", nameEntry, S::NameEntry, "click", kClick, S::NameEntry},
        {"name entry", nameEntry, S::NameEntry, "dismiss", kDismissRound, S::NameEntry},
        {"name entry", nameEntry, S::NameEntry, "enter name", kEnterName, S::HighScores},
        {"name entry", nameEntry, S::NameEntry, "enter name, close table", Then({kEnterName, kCloseTable}),
         S::StartScreen},
        {"name entry", nameEntry, S::NameEntry, "new game", kEasy, S::LevelInPlay},
        {"game over", gameOver, S::GameOver, "dismiss", kDismissRound, S::StartScreen},
        {"game over", gameOver, S::GameOver, "click", kClick, S::StartScreen},
        {"game over", gameOver, S::GameOver, "table, close table", Then({kTable, kCloseTable}),
         S::StartScreen},
        {"name entry, slot 2 kept", Then({kGoto3Save2, kEasy, kSolve, kDismissPanel, kQuit}), S::NameEntry,
         "load", kLoad2, S::LevelInPlay},
        {"table from start", kTable, S::HighScores, "new game", kEasy, S::LevelInPlay},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " + " + row.handler);
        TestGame game;
        Session& f = game.session();
        InstallRowPuzzles(f, 4);
        row.reach(f);
        ASSERT_EQ(Name(f.play.Now), std::string(Name(row.at)));
        row.act(f);
        EXPECT_EQ(Name(f.play.Now), std::string(Name(row.to)));
        EXPECT_EQ(game::LevelInPlay(f), row.to == S::LevelInPlay);
        // A level in play shows none of the messages.
        if (row.to == S::LevelInPlay) {
            EXPECT_FALSE(f.msg.RoundOverLabel.Visible || f.msg.PanelTitle.Visible || f.high.HighLabel.Visible ||
                         f.intro.Visible);
        }
        // The menus are those of the screen (under the table, of the one it
        // covers), whichever way it was reached.
        const S shown = f.play.Now == S::HighScores ? f.play.UnderTable : f.play.Now;
        const bool runs = shown == S::LevelInPlay || shown == S::RoundOver || shown == S::LevelCompleted;
        EXPECT_EQ(f.menu.RestartLevelEntry.Enabled, shown == S::LevelInPlay);
        EXPECT_EQ(f.menu.QuitEntry.Enabled, runs);
        EXPECT_EQ(f.menu.SaveMenu.Enabled, runs && f.game.SaveSlot == 0);
        EXPECT_EQ(f.menu.HighScoresEntry.Enabled, f.play.Now != S::NameEntry);
    }
}

// Closing the table over a round-over message brings the message back, not a
// level in play: minimising afterwards must not add the level's time again.
TEST(PlayState, TableOverARoundOverMessageAddsNoPlayTime) {
    TestGame game;
    Session& f = StartGame(game.session(), kEasyMode, 1);
    game.platform.Advance(100);
    PlayLosingJump(f, LevelPuzzle(1));
    ASSERT_EQ(f.clock.PlaySeconds, 100);
    records::ShowHighScores(f);
    records::CloseHighScores(f);
    game.platform.Advance(10);
    window::ChangeWindowState(f, WindowState::Minimised);
    EXPECT_EQ(f.clock.PlaySeconds, 100);
}

// The table opened while the last try is played, or over the panel of a
// level solved at that try, closes back to the game: only a game that is
// over goes back to the start screen.
TEST(PlayState, ClosingTheTableOnTheLastTryKeepsTheGame) {
    TestGame game;
    Session& f = StartGame(game.session(), kEasyMode, 2);
    for (int lost = 1; lost < 10; ++lost) {
        PlayLosingJump(f, LevelPuzzle(1));
        ClickWindow(f);
    }
    ASSERT_EQ(f.game.TryNumber, f.game.TriesAllowed);
    records::ShowHighScores(f);
    records::CloseHighScores(f);
    EXPECT_EQ(f.play.Now, Screen::LevelInPlay);
    EXPECT_FALSE(f.intro.Visible);
    PlaySolution(f, LevelPuzzle(1));
    records::ShowHighScores(f);
    records::CloseHighScores(f);
    EXPECT_EQ(f.play.Now, Screen::LevelCompleted);
    EXPECT_EQ(f.game.CurrentLevel, 2);
}

// "Goto Level" while a Practice game is kept in a slot: the slot keeps the
// level whose frogs it holds.
TEST(PlayState, GotoLevelSavesTheRunningGameWithItsOwnLevel) {
    TestGame game;
    Session& f = game.session();
    InstallPairs(f, 7);
    InstallPairs(f, 10);
    game::GoToLevel(f, 7);
    records::SaveToSlot(f, 2);
    game::GoToLevel(f, 10);
    game::Quit(f);
    records::LoadFromSlot(f, 2);
    EXPECT_EQ(f.game.CurrentLevel, 7);
    EXPECT_EQ(board::FrogsLeft(f.board), 10);
}

// "Quit" on a Practice game's level-completed panel, then "Continue": the
// next level starts as the panel's dismissal would start it, a first try.
TEST(PlayState, ContinueAfterQuittingOnThePanelStartsTheNextLevelAfresh) {
    TestGame game;
    Session& f = PracticeLoadedFromSlot(game);
    PlaySolution(f, LevelPuzzle(3));
    ASSERT_EQ(f.play.Now, Screen::LevelCompleted);
    const int tryNumber = f.game.TryNumber;
    game::Quit(f);
    game::ContinueGame(f);
    EXPECT_EQ(f.game.CurrentLevel, 4);
    EXPECT_EQ(std::tuple(f.game.LevelTries, f.game.TryNumber), std::tuple(1, tryNumber - 1));
    EXPECT_EQ(FrogCells(f), LevelPuzzle(4).pieces);
}

// The seconds the exit question is open are no playing time: not for a
// session that ends meanwhile (a logout, a termination signal), nor for the
// game that goes on after "No".
TEST(PlayState, TheExitQuestionsSecondsAreNoPlayTime) {
    TestGame game;
    Session& f = StartGame(game.session(), kEasyMode, 1);
    game.platform.Advance(30);
    game.platform.whileAsking = [&] {
        game.platform.Advance(50);
        window::SessionEnd(f);
    };
    window::RequestClose(f);
    EXPECT_EQ(f.clock.PlaySeconds, 30);
    EXPECT_EQ(FileLines(game.data.file("data.txt")).at(8), "30");

    TestGame other;
    Session& g = StartGame(other.session(), kEasyMode, 1);
    other.platform.answerYes = false;
    other.platform.whileAsking = [&] { other.platform.Advance(50); };
    window::RequestClose(g);
    other.platform.Advance(10);
    window::ChangeWindowState(g, WindowState::Minimised);
    EXPECT_EQ(g.clock.PlaySeconds, 10);

    // The word that the files could not be kept comes before the question,
    // and a session that ends while it is open counts none of its seconds.
    TestGame third;
    Session& h = StartGame(third.session(), kEasyMode, 1);
    third.platform.Advance(30);
    const std::string folder = third.data.path().substr(0, third.data.path().size() - 1);
    ASSERT_EQ(std::rename(folder.c_str(), (folder + ".away").c_str()), 0);
    std::ofstream(folder) << "a file where the folder was";
    third.platform.whileInforming = [&] {
        third.platform.Advance(50);
        window::SessionEnd(h);
    };
    window::RequestClose(h);
    std::remove(folder.c_str());
    std::rename((folder + ".away").c_str(), folder.c_str());
    ASSERT_EQ(third.platform.infos.size(), 1u);
    EXPECT_EQ(h.clock.PlaySeconds, 30);
}

// A Continue at start-up resumes a level whose start layout only the level
// library keeps: the background supply must not renew it while the start
// screen offers it, or a retry shows a different puzzle.
TEST(ScreenChange, ARetryAfterContinueAtStartUpReplaysTheSamePuzzle) {
    TestGame first;
    Session& f = StartGame(first.session(), kEasyMode);
    PlaySolution(f, LevelPuzzle(1));
    game::DismissPanel(f);
    ASSERT_TRUE(levels::WriteLevelLibrary(f));
    window::RequestClose(f);

    TestGame second(first, true);
    Session& g = second.session();
    ASSERT_TRUE(g.game.ResumeOffered && g.library.LevelNeedsGenerating[2]);
    for (int tick = 0; tick < 10; ++tick) {
        second.platform.Advance(0.01);
        levels::TimerTick(g);
    }
    game::ContinueGame(g);
    PlayLosingJump(g, LevelPuzzle(2));
    game::DismissMessage(g);
    EXPECT_EQ(FrogCells(g), LevelPuzzle(2).pieces);
}

// Seconds played with a level in play are counted once, whatever covers the
// level afterwards: the high-score table, the exit question, or the start
// screen after a Practice game's Quit.
TEST(ScreenChange, PlayTimeIsBankedWhenALevelStopsBeingInPlayAndRestartsWithIt) {
    // The table over a level in play, then a close answered Yes: the resume
    // file has the 30 seconds played (a New Game would save them likewise).
    {
        TestGame game;
        Session& f = StartGame(game.session(), kEasyMode);
        game.platform.Advance(30);
        records::ShowHighScores(f);
        game.platform.Advance(20);
        window::RequestClose(f);
        EXPECT_EQ(FileLines(game.data.file("data.txt")).at(8), "30");
    }
    // A close answered No after 50 seconds of question over the table: only
    // the seconds with the level in play count.
    {
        TestGame game;
        Session& f = StartGame(game.session(), kEasyMode);
        game.platform.Advance(30);
        records::ShowHighScores(f);
        game.platform.answerYes = false;
        game.platform.whileAsking = [&] { game.platform.Advance(50); };
        window::RequestClose(f);
        records::CloseHighScores(f);
        game.platform.Advance(10);
        window::ChangeWindowState(f, WindowState::Minimised);
        EXPECT_EQ(f.clock.PlaySeconds, 40);
    }
    // Practice: a game loaded from a slot, 100 seconds played, Quit,
    // Continue and a lost round: the message has the 100 seconds.
    {
        TestGame game;
        Session& f = PracticeLoadedFromSlot(game);
        game.platform.Advance(100);
        game::Quit(f);
        game::ContinueGame(f);
        PlayLosingJump(f, LevelPuzzle(3));
        EXPECT_NE(f.msg.RoundOverLabel.Caption.find("Time 0:1:40"), std::string::npos)
            << f.msg.RoundOverLabel.Caption;
    }
    // Restart Level after 40 seconds, then 10 more to solve: the abandoned
    // try's seconds count neither for the level nor for the game.
    {
        TestGame game;
        Session& f = StartGame(game.session(), kEasyMode);
        game.platform.Advance(40);
        game::RestartLevel(f);
        game.platform.Advance(10);
        PlaySolution(f, LevelPuzzle(1));
        EXPECT_EQ(f.msg.PanelScore.Caption, "SCORE: 4   Time 0:0:10");
        EXPECT_EQ(f.clock.PlaySeconds, 10);
    }
}

// An automatic save into the game's slot while the next level has no puzzle
// yet (the panel of a first run) could not be loaded back: the good save the
// slot holds stays.
TEST(ScreenChange, ASaveThatCouldNotBeLoadedNeverReplacesAGoodOne) {
    TestGame game;
    Session& f = StartGame(game.session(), kEasyMode, 1);
    records::SaveToSlot(f, 1);
    const std::string good = FileText(game.data.file("savedgame1.txt"));
    PlaySolution(f, LevelPuzzle(1));  // the panel saves the game, now at level 2
    game::StartNewGame(f, kEasyMode);
    EXPECT_EQ(FileText(game.data.file("savedgame1.txt")), good);
    records::UpdateSlotMenu(f, 1);
    EXPECT_TRUE(f.menu.LoadSlotEntries[1].Enabled);
}

// A level start for which the generator gives up leaves no level in play
// over the empty board: the start screen offers another choice.
TEST(ScreenChange, ALevelWithoutAnyPuzzleIsNotInPlay) {
    TestGame game;
    Session& f = game.session();
    // A check board too flat for the replay's clicks: every run fails.
    for (std::size_t k = 1; k < f.board.GridB.size(); ++k) f.board.GridB[k].Height = 5;
    game::GoToLevel(f, 4);
    EXPECT_EQ(board::FrogsLeft(f.board), 0);
    EXPECT_EQ(f.play.Now, Screen::StartScreen);
    EXPECT_TRUE(f.intro.Visible && !f.menu.RestartLevelEntry.Enabled && !f.menu.QuitEntry.Enabled);
}

}  // namespace
}  // namespace quib
