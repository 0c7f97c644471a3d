// The practice solver answers by the board's own jump rules: its moves are
// the moves the board accepts, a solution it finds plays down to one frog,
// and a position it calls lost has no solution at all.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/board/board.h"
#include "core/practice/solver.h"

namespace quib::practice {
namespace {

// A solvable position of `frogs` frogs: one frog undone into more by random
// reverse jumps (each undone jump is one the jump table allows forwards).
Position Unjumped(std::mt19937& rng, int frogs, int centre) {
    Position p;
    p.Set(centre);
    while (p.Count() < frogs) {
        const std::vector<int> cells = p.Cells();
        const int to = cells[rng() % cells.size()];
        const int from = 1 + static_cast<int>(rng() % kCells);
        for (int k = 0; k < Jumps().count[static_cast<std::size_t>(from)]; ++k) {
            const auto [over, t] = Jumps().jumps[static_cast<std::size_t>(from)][static_cast<std::size_t>(k)];
            if (t != to || p.Has(from) || p.Has(over)) continue;
            p.Clear(to), p.Set(from), p.Set(over);
            break;
        }
    }
    return p;
}

int CellAt(int row, int column) { return (row - 1) * kColumns + column; }

// Plain exhaustive search, the oracle for small boards.
bool SolvableByExhaustion(const Position& p, std::set<std::array<std::uint64_t, 5>>& failed) {
    if (p.Count() == 1) return true;
    if (failed.count(p.bits)) return false;
    for (const Move& m : LegalMoves(p))
        if (SolvableByExhaustion(Apply(p, m), failed)) return true;
    failed.insert(p.bits);
    return false;
}

void ExpectReplaysToOneFrog(Position p, const std::vector<Move>& solution) {
    for (const Move& m : solution) {
        const std::vector<Move> legal = LegalMoves(p);
        ASSERT_NE(std::find(legal.begin(), legal.end(), m), legal.end()) << m.from << "->" << m.to;
        p = Apply(p, m);
    }
    EXPECT_EQ(p.Count(), 1);
}

TEST(PracticeSolver, MovesAreExactlyTheJumpsTheBoardAccepts) {
    // Random boards, dense enough that every direction and every edge occurs.
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        std::vector<Cell> cells(kCells + 1);
        Position p;
        for (int c = 1; c <= kCells; ++c)
            if (rng() % 2) cells[static_cast<std::size_t>(c)].Tag = 1, p.Set(c);
        std::set<std::pair<int, int>> board, solver;
        for (int f : p.Cells())
            for (int t = 1; t <= kCells; ++t)
                if (!p.Has(t) && !board::NameNeighbour(f, t, kColumns) && board::TryJump(cells, kColumns, f, t).legal)
                    board.emplace(f, t);
        for (const Move& m : LegalMoves(p)) solver.emplace(m.from, m.to);
        ASSERT_EQ(solver, board) << "round " << round;
    }
}

TEST(PracticeSolver, SolutionsReplayAndLostPositionsHaveNoSolution) {
    std::mt19937 rng(11);
    // Small boards, decided by exhaustion as well: crowded random corners
    // and edges (mostly lost) and undone single frogs (all solvable).
    int lost = 0, solvable = 0, stranded = 0;
    for (int round = 0; round < 400; ++round) {
        Position p;
        const int frogs = 4 + static_cast<int>(rng() % 7);
        if (round % 3 == 2) {
            // Two groups far apart: stranded from the start.
            p = Unjumped(rng, 2 + frogs / 3, CellAt(3, 4));
            for (int c : Unjumped(rng, 2 + frogs / 3, CellAt(11, 17)).Cells()) p.Set(c);
        } else if (round % 3 == 0) {
            const int top = static_cast<int>(rng() % (kRows - 4)), left = static_cast<int>(rng() % (kColumns - 4));
            while (p.Count() < frogs)
                p.Set((top + static_cast<int>(rng() % 5)) * kColumns + left + static_cast<int>(rng() % 5) + 1);
        } else {
            p = Unjumped(rng, frogs, 1 + static_cast<int>(rng() % kCells));
        }
        std::set<std::array<std::uint64_t, 5>> seen;
        const bool truth = SolvableByExhaustion(p, seen);
        FailedTable table;
        const Answer a = Solve(p, Budget{}, table);
        ASSERT_NE(a.verdict, Verdict::NotSure) << "an unlimited search always decides";
        EXPECT_EQ(a.verdict == Verdict::Solvable, truth) << "round " << round;
        if (a.verdict == Verdict::Solvable) {
            ExpectReplaysToOneFrog(p, a.solution);
            ++solvable;
        }
        if (a.verdict == Verdict::Lost) ++lost;
        if (Stranded(p)) {
            EXPECT_FALSE(truth) << "round " << round;
            ++stranded;
        }
    }
    // Both answers and the stranded proof occur, so none of the checks is idle.
    EXPECT_GT(lost, 100);
    EXPECT_GT(solvable, 150);
    EXPECT_GT(stranded, 50);

    // Bigger undone boards: any solution found replays to one frog.
    for (int frogs : {20, 30, 40}) {
        const Position p = Unjumped(rng, frogs, 148);
        FailedTable table;
        const Answer a = Solve(p, Budget{200000, {}}, table);
        EXPECT_NE(a.verdict, Verdict::Lost) << frogs;
        if (a.verdict == Verdict::Solvable) ExpectReplaysToOneFrog(p, a.solution);
    }
}

TEST(PracticeSolver, ARunOutOfNodesIsNeverLostAndSlicesAddUp) {
    // Nine frogs that cannot be solved, though no group of them is stranded:
    // undecided after a few nodes, lost after some hundreds.
    const Position p = PositionOf({113, 117, 135, 138, 159, 180, 197, 198, 200});
    ASSERT_FALSE(Stranded(p));
    FailedTable table;
    Search sliced(p, table);
    EXPECT_EQ(sliced.Run(Budget{3, {}}), Verdict::NotSure);
    int slices = 1;
    while (sliced.Run(Budget{50, {}}) == Verdict::NotSure) ++slices;
    EXPECT_GT(slices, 2);
    FailedTable fresh;
    EXPECT_EQ(Solve(p, Budget{}, fresh).verdict, sliced.verdict());
    // The table kept from the first search answers the same position at once.
    Search again(p, table);
    EXPECT_EQ(again.Run(Budget{1, {}}), sliced.verdict());
}

}  // namespace
}  // namespace quib::practice
