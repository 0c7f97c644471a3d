// Long random sessions through the handlers a player can reach (menu entries
// only while enabled, labels only while shown, clicks anywhere, timer ticks,
// minimising, closing with No and with Yes, restarts on the same data
// folder). After every step the board must keep its invariants: records and
// cells point at each other, the selection is a live frog, and while the
// board is in view every frog has its own visible picture. No step may throw.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

std::string BoardFault(const Session& f) {
    const Board& b = f.board;
    const int M = board::FrogsLeft(b);
    std::ostringstream out;
    for (int r = 1; r <= M; ++r) {
        const int cell = b.Rect[static_cast<std::size_t>(r)].CellNumber;
        if (cell < 1 || cell > kCells) return "record " + std::to_string(r) + " off the board";
        if (b.Grid[static_cast<std::size_t>(cell)].RecordNumber != r) return "cell of record " + std::to_string(r) + " names another";
    }
    for (int n = 1; n <= kCells; ++n) {
        const int r = b.Grid[static_cast<std::size_t>(n)].RecordNumber;
        if (r == 0) continue;
        if (r < 0 || r > M || b.Rect[static_cast<std::size_t>(r)].CellNumber != n)
            return "cell " + std::to_string(n) + " names a record that is elsewhere";
    }
    if (b.SelectedFrog < 0 || b.SelectedFrog > M) return "selection is not a live frog";

    const bool boardInView = !f.intro.Visible && !f.msg.RoundOverLabel.Visible && !f.msg.PanelTitle.Visible &&
                             !f.high.HighLabel.Visible && !f.msg.PausedLabel.Visible && !f.msg.NameInput.Visible;
    if (boardInView) {
        int visible = 0;
        for (std::size_t i = 1; i < b.Frog.size(); ++i) visible += b.Frog[i].Visible ? 1 : 0;
        for (int r = 1; r <= M; ++r) {
            const int p = board::FindPicture(b, r);
            if (p == 0 || !b.Frog[static_cast<std::size_t>(p)].Visible)
                return "frog " + std::to_string(r) + " in view has no visible picture";
        }
        if (visible != M) return std::to_string(visible) + " pictures shown for " + std::to_string(M) + " frogs";
    }
    return {};
}

class Player {
public:
    Player(TestGame& game, unsigned seed) : game_(&game), dice_(seed) {}
    void Switch(TestGame& game) { game_ = &game; }
    int solved = 0;
    int jumps = 0;

    // One action a player (or the window's timer) could take now; returns
    // its name for the failure message.
    std::string Step() {
        Session& f = game_->session();
        const int choice = Roll(100);
        if (choice < 30) return Jump(f);
        if (choice < 45) return Tick(f);
        if (choice < 55) return Dismiss(f);
        if (choice < 62) return ClickAround(f);
        if (choice < 70) return Start(f);
        return Menu(f);
    }

private:
    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }

    std::string Tick(Session& f) {
        game_->platform.Advance(0.01 + Roll(300));  // sometimes minutes pass
        levels::TimerTick(f);
        return "tick";
    }

    // A jump: the next step of the stored solution when it still fits,
    // otherwise any legal jump.
    std::string Jump(Session& f) {
        Board& b = f.board;
        const int M = board::FrogsLeft(b);
        if (M < 1) return Tick(f);
        const int level = f.game.CurrentLevel;
        int from = 0, to = 0;
        const int step = level + 3 - M + 1;
        if (level >= 1 && level <= kMaxStoredLevel && step >= 1 && step <= level + 2) {
            const auto stored = f.library.SolutionFrom(level, step);
            const int t = f.library.SolutionTo(level, step);
            if (stored && *stored >= 1 && *stored <= kCells && b.Grid[static_cast<std::size_t>(*stored)].RecordNumber > 0 &&
                board::IsLandingCell(b.Grid, kColumns, *stored, t)) {
                from = *stored;
                to = t;
            }
        }
        if (from == 0) {
            const int r = 1 + Roll(M);
            from = b.Rect[static_cast<std::size_t>(r)].CellNumber;
            for (const auto& row : board::DirectionTable(kColumns)) {
                if (board::IsLandingCell(b.Grid, kColumns, from, from + row.jumpOffset)) to = from + row.jumpOffset;
            }
            if (to == 0) return ClickAround(f);
        }
        const int picture = board::FindPicture(b, b.Grid[static_cast<std::size_t>(from)].RecordNumber);
        board::ClickFrog(f, picture);
        const int before = board::FrogsLeft(b);
        board::ClickCell(f, to);
        if (board::FrogsLeft(b) < before) ++jumps;
        if (f.msg.PanelTitle.Visible) ++solved;
        return "jump " + std::to_string(from) + "->" + std::to_string(to);
    }

    std::string ClickAround(Session& f) {
        const int what = Roll(3);
        if (what == 0) {
            board::ClickCell(f, 1 + Roll(kCells));
            return "cell click";
        }
        if (what == 1 && f.board.Frog.size() > 1) {
            board::ClickFrog(f, 1 + Roll(static_cast<int>(f.board.Frog.size()) - 1));
            return "frog click";
        }
        board::PressAt(f, 1, 0, static_cast<float>(Roll(800)), static_cast<float>(Roll(560)));
        return "window click";
    }

    std::string Dismiss(Session& f) {
        if (f.msg.NameInput.Visible) {
            f.msg.NameInput.Text = "Player";
            records::NameKey(f, 13);
            return "name entered";
        }
        if (f.high.HighLabel.Visible) {
            records::CloseHighScores(f);
            return "table closed";
        }
        if (f.msg.RoundOverLabel.Visible) {
            game::DismissMessage(f);
            return "round-over dismissed";
        }
        if (f.msg.PanelTitle.Visible) {
            game::DismissPanel(f);
            return "panel dismissed";
        }
        if (f.msg.PausedLabel.Visible) {
            game::DismissPauseNotice(f);
            return "pause ended";
        }
        return ClickAround(f);
    }

    std::string Start(Session& f) {
        const int mode = 1 + Roll(4);
        if (f.intro.Visible && f.game.ResumeOffered && Roll(2) == 0) {
            game::ContinueGame(f);
            return "continue";
        }
        if (!f.menu.NewGameModes[static_cast<std::size_t>(mode)].Enabled) return Tick(f);
        if (mode == 4 && f.menu.GotoLevelMenu.Enabled && Roll(2) == 0) {
            for (const auto& [level, entry] : f.menu.GotoLevelEntries) {
                if (entry.Enabled && Roll(3) == 0) {
                    game::GoToLevel(f, level);
                    return "goto " + std::to_string(level);
                }
            }
        }
        if (f.intro.Visible) {
            game::ChooseMode(f, mode);
        } else {
            game::StartNewGame(f, mode);
        }
        return "new game " + std::to_string(mode);
    }

    std::string Menu(Session& f) {
        Menus& m = f.menu;
        const int slot = 1 + Roll(5);
        switch (Roll(12)) {
            case 0:
                if (m.RestartLevelEntry.Enabled) game::RestartLevel(f);
                return "restart";
            case 1:
                if (m.QuitEntry.Enabled) game::Quit(f);
                return "quit";
            case 2:
                if (m.SaveMenu.Enabled) records::SaveToSlot(f, slot);
                return "save " + std::to_string(slot);
            case 3:
                if (m.LoadSlotEntries[static_cast<std::size_t>(slot)].Enabled) records::LoadFromSlot(f, slot);
                return "load " + std::to_string(slot);
            case 4:
                if (m.HighScoresEntry.Enabled) records::ShowHighScores(f);
                return "high scores";
            case 5:
                window::ToggleSound(f);
                return "sound";
            case 6:
                window::ToggleGrids(f);
                return "grids";
            case 7:
                window::ShowAboutBox(f);
                return "about";
            case 8:
                if (f.about.Loaded) window::CloseAboutBox(f);
                return "about closed";
            case 9: {
                const int state = Roll(3);
                window::ChangeWindowState(f, static_cast<WindowState>(state));
                return "window state " + std::to_string(state);
            }
            case 10:
                game_->platform.answerYes = false;
                window::RequestClose(f);
                return "close, No";
            default:
                if (m.LoadSlotEntries[static_cast<std::size_t>(slot)].Enabled && Roll(2) == 0) {
                    records::LoadFromSlot(f, slot);
                    return "load " + std::to_string(slot);
                }
                return Tick(f);
        }
    }

    TestGame* game_;
    std::mt19937 dice_;
};

TEST(RandomPlay, LongSessionsKeepTheBoardConsistentAcrossRestarts) {
    int solved = 0, jumps = 0;
    // Three seeds of 1200 steps with a restart every 400 find every board
    // fault planted so far (record compaction, cell tags after a load or a
    // restart, pictures after the table) in each seed, mostly within a few
    // hundred steps; longer sessions only add file writes.
    for (unsigned seed = 1; seed <= 3; ++seed) {
        // Every run of the program stays alive: the first one owns the folder.
        std::vector<std::unique_ptr<TestGame>> runs;
        runs.push_back(std::make_unique<TestGame>());
        TestGame* game = runs.back().get();
        Player player(*game, seed);
        for (int step = 0; step < 1200; ++step) {
            std::string action;
            try {
                action = player.Step();
            } catch (const std::exception& e) {
                FAIL() << "seed " << seed << " step " << step << " threw: " << e.what();
            }
            const std::string fault = BoardFault(game->session());
            ASSERT_TRUE(fault.empty()) << "seed " << seed << " step " << step << " after " << action << ": " << fault;
            if (step % 400 == 399) {
                // Close with Yes and start the program again on the same files.
                game->platform.answerYes = true;
                ASSERT_FALSE(window::RequestClose(game->session()));
                runs.push_back(std::make_unique<TestGame>(*runs.front(), true));
                game = runs.back().get();
                player.Switch(*game);
                ASSERT_TRUE(BoardFault(game->session()).empty()) << "seed " << seed << " after a restart";
            }
        }
        solved += player.solved;
        jumps += player.jumps;
    }
    // The sessions really played: levels were solved and many jumps made.
    EXPECT_GT(solved, 20);
    EXPECT_GT(jumps, 400);
}

}  // namespace
}  // namespace quib
