// The practice aids through the game's handlers: undo puts back exactly the
// board the jump changed, the hint leads to a solution, the notice tells the
// three states apart, and none of it exists outside Practice.

#include <chrono>
#include <random>
#include <thread>
#include <sstream>

#include "core/levels/levels.h"
#include "core/practice/practice.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/play.h"

namespace quib::testing {
namespace {

using practice::Notice;

// Everything a jump and its undo may touch, as text, so a mismatch shows.
std::string Snapshot(const Session& f) {
    std::ostringstream s;
    const Board& b = f.board;
    for (std::size_t i = 1; i < b.Grid.size(); ++i)
        s << b.Grid[i].RecordNumber << ',' << b.Grid[i].Outlined << ',' << b.Grid[i].BorderColor << ' ';
    s << "\nrecords";
    for (const FrogRecord& r : b.Rect) s << ' ' << r.CellNumber << '@' << r.Left << ',' << r.Top << ',' << r.Width;
    s << "\npictures";
    for (const FrogPicture& p : b.Frog)
        s << ' ' << p.Left << ',' << p.Top << (p.Visible ? 'v' : 'h') << p.FacingLeft;
    s << "\nselected " << b.SelectedFrog << (b.HighLight.Visible ? " outlined" : "") << "\ncaption "
      << f.window.Caption << "\nmessage " << f.msg.RoundOverLabel.Visible << f.msg.RoundOverHeading.Visible
      << " restart " << f.menu.RestartLevelEntry.Enabled << " clock " << static_cast<int>(f.clock.State);
    return s.str();
}

std::vector<practice::Move> BoardMoves(const Session& f) {
    return practice::LegalMoves(practice::PositionOf(f.board));
}

const practice::Aids& Aids(Session& f) {
    practice::UpdateAids(f);  // as the window does after every handler
    return practice::AidsOf(f);
}

TEST(PracticeUndo, TakesBackRandomJumpsExactlyDownToTheLevelStartAndAfterARoundOver) {
    std::mt19937 rng(5);
    int roundOvers = 0;
    for (int level : {4, 9, 23}) {
        TestGame game;
        Session& f = game.session();
        game::GoToLevel(f, level);
        ASSERT_EQ(board::FrogsLeft(f.board), level + 3);
        EXPECT_FALSE(Aids(f).UndoJumpEntry.Enabled);
        // Random jumps until the round is over (or two frogs are left, so the
        // level is never solved): the state before each is kept.
        std::vector<std::string> before;
        for (auto moves = BoardMoves(f); !moves.empty() && board::FrogsLeft(f.board) > 2;
             moves = BoardMoves(f)) {
            const practice::Move m = moves[rng() % moves.size()];
            before.push_back(Snapshot(f));
            Jump(f, m.from, m.to);
            ASSERT_EQ(board::FrogsLeft(f.board) + static_cast<int>(before.size()), level + 3);
        }
        roundOvers += f.msg.RoundOverLabel.Visible;
        ASSERT_TRUE(Aids(f).UndoJumpEntry.Enabled);
        while (!before.empty()) {
            practice::UndoJump(f);
            ASSERT_EQ(Snapshot(f), before.back()) << "level " << level << ", undo to jump " << before.size();
            EXPECT_TRUE(f.game.JumpPossible) << "the jump taken back is possible again";
            before.pop_back();
            ExpectBoardConsistent(f, true);
        }
        EXPECT_FALSE(Aids(f).UndoJumpEntry.Enabled);
        practice::UndoJump(f);  // nothing left to take back
        EXPECT_EQ(board::FrogsLeft(f.board), level + 3);
    }
    EXPECT_GT(roundOvers, 0) << "some sequence must end in a round-over message";
}

// The high-score table hides every cell; closed over the round-over message
// it leaves them hidden. An undo then brings back the board as it was, with
// the outlines of "Grids".
TEST(PracticeUndo, AfterTheTableCoveredTheRoundOverMessageTheCellsComeBack) {
    TestGame game;
    Session& f = game.session();
    window::ToggleGrids(f);
    InstallRowPuzzles(f, 3);
    game::GoToLevel(f, 3);
    PlayLosingJump(f, LevelPuzzle(3));
    records::ShowHighScores(f);
    records::CloseHighScores(f);
    ASSERT_TRUE(f.msg.RoundOverLabel.Visible);
    practice::UndoJump(f);
    ASSERT_EQ(FrogCells(f), LevelPuzzle(3).pieces);
    for (std::size_t i = 1; i < f.board.Grid.size(); ++i)
        ASSERT_TRUE(f.board.Grid[i].Visible && f.board.Grid[i].Outlined) << "cell " << i;
}

TEST(PracticeUndo, HistoryGoesWithRestartNewLevelAndSlotLoad) {
    TestGame game;
    Session& f = game.session();
    game::GoToLevel(f, 6);
    records::SaveToSlot(f, 1);
    records::SaveToSlot(f, 2);  // the game is now slot 2's, so slot 1 can be loaded
    const std::vector<std::function<void(Session&)>> clearing = {
        game::RestartLevel, [](Session& g) { records::LoadFromSlot(g, 1); },
        [](Session& g) { game::GoToLevel(g, 7); }};
    for (const auto& handler : clearing) {
        const practice::Move m = BoardMoves(f).front();
        Jump(f, m.from, m.to);
        ASSERT_TRUE(Aids(f).UndoJumpEntry.Enabled);
        handler(f);
        EXPECT_FALSE(Aids(f).UndoJumpEntry.Enabled);
        const std::string board = Snapshot(f);
        practice::UndoJump(f);
        EXPECT_EQ(Snapshot(f), board);
    }
    // The last level solved ends the game: its last jump is not taken back.
    const int last = f.library.LevelCount;
    game::GoToLevel(f, last);
    for (int s = 1; s <= last + 2; ++s)
        Jump(f, f.library.SolutionFrom(last, s).value_or(0), f.library.SolutionTo(last, s));
    ASSERT_EQ(board::FrogsLeft(f.board), 1);
    ASSERT_TRUE(f.msg.RoundOverLabel.Visible);
    EXPECT_FALSE(Aids(f).UndoJumpEntry.Enabled);
    practice::UndoJump(f);
    EXPECT_EQ(board::FrogsLeft(f.board), 1);
    EXPECT_TRUE(f.msg.RoundOverLabel.Visible);
}

TEST(PracticeHint, FollowsTheStoredSolutionAtOnceAndLeadsToASolutionAfterADeviation) {
    TestGame game;
    Session& f = game.session();
    game::GoToLevel(f, 12);
    // On the stored solution: the answer needs no search and no tick.
    EXPECT_EQ(Aids(f).Shown, Notice::Solvable);
    practice::ShowHint(f);
    const practice::Aids& aids = practice::AidsOf(f);
    ASSERT_TRUE(aids.HintVisible);
    EXPECT_EQ(aids.HintFrom, f.library.SolutionFrom(12, 1).value());
    EXPECT_EQ(aids.HintTo, f.library.SolutionTo(12, 1));

    // A jump off the stored solution that still leaves a solution.
    practice::FailedTable table;
    for (const practice::Move& m : BoardMoves(f)) {
        if (m.from == aids.HintFrom && m.to == aids.HintTo) continue;
        const auto next = practice::Apply(practice::PositionOf(f.board), m);
        if (practice::Solve(next, {}, table).verdict != practice::Verdict::Solvable) continue;
        Jump(f, m.from, m.to);
        break;
    }
    EXPECT_FALSE(Aids(f).HintVisible) << "a hint belongs to the position it was given for";
    // Following the hints solves the level; a hint asked for before the
    // worker's answer shows when it comes.
    for (int jumps = 0; jumps < 20 && !f.msg.PanelTitle.Visible; ++jumps) {
        practice::ShowHint(f);
        practice::AwaitSolver(f, std::chrono::seconds(20));
        ASSERT_TRUE(aids.HintVisible);
        EXPECT_EQ(aids.Shown, Notice::Solvable);
        Jump(f, aids.HintFrom, aids.HintTo);
    }
    EXPECT_TRUE(f.msg.PanelTitle.Visible);
    EXPECT_EQ(Aids(f).Shown, Notice::Hidden);
}

TEST(PracticeNotice, SaysLostOnlyWhenProvenAndTheWorkerDecides) {
    TestGame game;
    Session& f = game.session();
    game::GoToLevel(f, 6);
    // Nine frogs with no solution, though no group is stranded at once.
    PlaceBoard(f, {113, 117, 135, 138, 159, 180, 197, 198, 200});
    EXPECT_FALSE(practice::SolverBusy(f)) << "the search runs on its own thread: the timer may rest";
    practice::AwaitSolver(f, std::chrono::seconds(20));
    EXPECT_EQ(Aids(f).Shown, Notice::Lost);
    practice::ShowHint(f);
    EXPECT_FALSE(practice::AidsOf(f).HintVisible);
}

TEST(PracticeNotice, AnUndecidedBoardStopsSearchingWithinItsAllowance) {
    TestGame game;
    Session& f = game.session();
    game::GoToLevel(f, 150);
    practice::AidsOf(f).Allowance = std::chrono::milliseconds(300);
    // A crowded random board: neither solved nor proven lost in that time.
    std::mt19937 rng(3);
    std::vector<int> cells;
    for (int c = 1; c <= kCells; ++c)
        if (rng() % 8 < 5) cells.push_back(c);
    PlaceBoard(f, cells);
    const practice::Aids& aids = Aids(f);
    ASSERT_TRUE(aids.Worker);
    // The board's 300 ms and at most twice as much for the positions ahead,
    // on a machine that may be busy: well within 8 s.
    const auto start = std::chrono::steady_clock::now();
    while (!aids.Worker->Idle() && std::chrono::steady_clock::now() - start < std::chrono::seconds(8))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(aids.Worker->Idle()) << "the worker must stop searching once the allowance is spent";
    EXPECT_EQ(Aids(f).Shown, Notice::NotSure);
}

TEST(PracticeAids, OtherModesHaveNoUndoHintOrNotice) {
    for (int mode : {1, 2, 3}) {
        TestGame game;
        Session& f = PlayLevel(game.session(), mode, 10);
        Jump(f, 100, 102);
        ASSERT_EQ(board::FrogsLeft(f.board), 12);
        levels::TimerTick(f);
        const std::string board = Snapshot(f);
        practice::UndoJump(f);
        practice::ShowHint(f);
        EXPECT_EQ(Snapshot(f), board) << "mode " << mode;
        const practice::Aids& aids = Aids(f);
        EXPECT_TRUE(aids.History.empty());
        EXPECT_FALSE(aids.UndoJumpEntry.Enabled || aids.HintEntry.Enabled || aids.HintVisible);
        EXPECT_EQ(aids.Shown, Notice::Hidden);
    }
}

}  // namespace
}  // namespace quib::testing
