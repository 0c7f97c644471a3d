// The practice solver answers by the board's own jump rules: its moves are
// the moves the board accepts, a solution it finds plays down to one frog,
// and a position it calls lost has no solution at all.

#include "core/practice/solver.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <bitset>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "core/board/board.h"
#include "core/practice/bitboard.h"
#include "core/practice/worker.h"

namespace quib::practice {
namespace {

// A solvable position of `frogs` frogs: one frog undone into more by random
// reverse jumps (each undone jump is one the jump table allows forwards).
// With line, also the jumps that play it back down to the one frog.
Position Unjumped(std::mt19937& rng, int frogs, int centre, std::vector<Move>* line = nullptr) {
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
            if (line != nullptr) line->insert(line->begin(), Move{from, over, to});
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
    // Random boards, dense enough that every direction and every edge occurs,
    // then small crowds anywhere, edges and corners too: boards of few frogs
    // have their jumps found frog by frog. Each jump's lone frogs as well.
    std::mt19937 rng(7);
    for (int round = 0; round < 240; ++round) {
        std::vector<Cell> cells(kCells + 1);
        Position p;
        if (round < 40) {
            for (int c = 1; c <= kCells; ++c)
                if (rng() % 2) p.Set(c);
        } else {
            const int top = static_cast<int>(rng() % kRows), left = static_cast<int>(rng() % kColumns);
            for (int k = 4 + static_cast<int>(rng() % 21); k > 0; --k) {
                const int r = top + static_cast<int>(rng() % 6) - 2,
                          c = left + static_cast<int>(rng() % 6) - 2;
                if (OnBoard(r, c)) p.Set(CellOf(r, c));
            }
        }
        for (int c : p.Cells()) cells[static_cast<std::size_t>(c)].RecordNumber = 1;
        // Frog by frog in increasing order, each in the direction table's order.
        std::vector<Move> ordered;
        for (int f : p.Cells())
            for (int k = 0; k < Jumps().count[static_cast<std::size_t>(f)]; ++k) {
                const auto [over, to] =
                    Jumps().jumps[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)];
                if (p.Has(over) && !p.Has(to)) ordered.push_back({f, over, to});
            }
        ASSERT_EQ(LegalMoves(p), ordered) << "round " << round;
        std::set<std::pair<int, int>> board, solver;
        for (int f : p.Cells())
            for (int t = 1; t <= kCells; ++t)
                if (!p.Has(t) && !board::NameNeighbour(f, t, kColumns) &&
                    board::TryJump(cells, kColumns, f, t).legal)
                    board.emplace(f, t);
        for (const Move& m : LegalMoves(p)) solver.emplace(m.from, m.to);
        ASSERT_EQ(solver, board) << "round " << round;
        // A big board's beams look only at the jumps that touch some cells:
        // those of a few cells anywhere, and of a crowd around the board's
        // first frog, are the jumps above that touch them.
        for (int spread : {1, 3}) {
            Position touch;
            const int near = p.Cells().empty() ? 1 : p.Cells().front();
            for (int k = 0; k < 6; ++k) {
                const int r = spread == 1 ? static_cast<int>(rng() % kRows)
                                          : RowOf(near) + static_cast<int>(rng() % 5) - 2;
                const int c = spread == 1 ? static_cast<int>(rng() % kColumns)
                                          : ColumnOf(near) + static_cast<int>(rng() % 5) - 2;
                if (OnBoard(r, c)) touch.Set(CellOf(r, c));
            }
            std::vector<Move> touching, expected;
            const int looked = bits::GenerateMovesTouching(p, touch, touching);
            for (const Move& m : ordered)
                if (touch.Has(m.from) || touch.Has(m.over) || touch.Has(m.to)) expected.push_back(m);
            ASSERT_EQ(touching, expected) << "round " << round;
            EXPECT_GE(looked, static_cast<int>(touching.size()));
            EXPECT_LE(looked, static_cast<int>(ordered.size()));
        }
        // The beams count the frogs a jump leaves alone from the cells around it.
        const bits::Padded pp(p);
        for (const Move& m : ordered) {
            bits::Padded q = pp;
            q.Flip(m.from), q.Flip(m.over), q.Flip(m.to);
            ASSERT_EQ(bits::AloneAfter(pp, q, m, bits::Alone(p)), bits::Alone(Apply(p, m)))
                << "round " << round << ", " << m.from << "->" << m.to;
        }
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
            const int top = static_cast<int>(rng() % (kRows - 4)),
                      left = static_cast<int>(rng() % (kColumns - 4));
            while (p.Count() < frogs)
                p.Set((top + static_cast<int>(rng() % 5)) * kColumns + left + static_cast<int>(rng() % 5) +
                      1);
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

TEST(PracticeSolver, AGroupFarFromTheRestIsStrandedWhateverItsShape) {
    // Up to six frogs wandering in the bottom rows' corner, and nine in a
    // row in the far corner, too many ever to be stranded: whatever the
    // small group's shape, the proof must find it whole.
    std::mt19937 rng(17);
    for (int round = 0; round < 1000; ++round) {
        Position p;
        for (int c = 12; c < kColumns; ++c) p.Set(CellOf(0, c));
        int r = 12 + static_cast<int>(rng() % 2), c = static_cast<int>(rng() % 5);
        for (int steps = 12; steps > 0 && p.Count() < 9 + 6; --steps) {
            p.Set(CellOf(r, c));
            r = std::clamp(r + static_cast<int>(rng() % 3) - 1, 12, 13);
            c = std::clamp(c + static_cast<int>(rng() % 3) - 1, 0, 4);
        }
        EXPECT_TRUE(Stranded(p)) << "round " << round;
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

TEST(PracticeSolver, AProofBiggerThanItsTableStillEndsWithLittleSearchedAgain) {
    // Lost boards whose proofs fail some tens of thousands of positions, searched
    // with a table of a few thousand slots: it keeps what it can rather than
    // starting afresh when full, so each proof still ends, at a few times the
    // nodes.
    std::mt19937 rng(23);
    int proofs = 0;
    for (int round = 0; round < 400 && proofs < 4; ++round) {
        Position p = Unjumped(rng, 13 + static_cast<int>(rng() % 4), 100 + static_cast<int>(rng() % 90));
        // A frog moved two rows down nearly always leaves a lost board.
        const std::vector<int> cells = p.Cells();
        const int moved = cells[rng() % cells.size()], to = cells[rng() % cells.size()] + 2 * kColumns;
        if (to > kCells || p.Has(to)) continue;
        p.Clear(moved);
        p.Set(to);
        FailedTable big;
        Search roomy(p, big);
        if (roomy.Run(Budget{60000, {}}) != Verdict::Lost || roomy.nodes() < 20000) continue;
        ++proofs;
        FailedTable small(4096);
        Search cramped(p, small);
        EXPECT_EQ(cramped.Run(Budget{8 * roomy.nodes(), {}}), Verdict::Lost)
            << "round " << round << ": " << roomy.nodes() << " nodes with room";
    }
    EXPECT_EQ(proofs, 4);
}

TEST(PracticeSolver, TheRepairTestRejoinsOnlyWhereTheRestOfTheLinePlaysDownToOneFrog) {
    std::mt19937 rng(19);
    int rejoined = 0, refused = 0;
    for (int round = 0; round < 60; ++round) {
        const Position start =
            Unjumped(rng, 14 + static_cast<int>(rng() % 12), 100 + static_cast<int>(rng() % 90));
        FailedTable table;
        const Answer a = Solve(start, Budget{}, table);
        ASSERT_EQ(a.verdict, Verdict::Solvable);
        const Guide guide(a.solution);
        // Positions along the line, then each disturbed: a frog taken away,
        // a frog put on an empty cell, one other jump.
        Position p = start;
        for (std::size_t k = 0; k + 1 < a.solution.size(); ++k, p = Apply(p, a.solution[k - 1])) {
            std::vector<Position> tries = {p};
            const std::vector<int> cells = p.Cells();
            Position fewer = p;
            fewer.Clear(cells[rng() % cells.size()]);
            Position more = p;
            more.Set(1 + static_cast<int>(rng() % kCells));
            tries.push_back(fewer), tries.push_back(more);
            for (const Move& m : LegalMoves(p))
                if (!(m == a.solution[k])) tries.push_back(Apply(p, m));
            for (const Position& q : tries) {
                if (q.Count() < 2) continue;
                std::vector<Move> tail;
                if (guide.Rejoins(q, tail)) {
                    ++rejoined;
                    ExpectReplaysToOneFrog(q, tail);
                } else {
                    ++refused;
                }
            }
        }
    }
    EXPECT_GT(rejoined, 200);
    EXPECT_GT(refused, 200);
}

TEST(PracticeSolver, StrayJumpsOffALongLineAreSolvedNearItWithSolutionsThatReplay) {
    // Big boards with a known line, one stray jump early: the searches that
    // aim at the line find solutions, which must replay; and the distance to
    // the line kept jump by jump must be the distance counted afresh.
    std::mt19937 rng(29);
    int solved = 0, strays = 0;
    for (int round = 0; round < 3; ++round) {
        std::vector<Move> line;
        Position p = Unjumped(rng, 90, 130 + static_cast<int>(rng() % 30), &line);
        const Guide guide(line);
        for (std::size_t k = 0; k < 3; p = Apply(p, line[k]), ++k) {
            const int frogs = p.Count();
            Guide::Step step;
            ASSERT_TRUE(guide.StepFrom(p, frogs, 0, step));
            for (const Move& m : LegalMoves(p)) {
                const Position q = Apply(p, m);
                EXPECT_EQ(step.After(m, guide.Distance(p, frogs, 0)), guide.Distance(q, frogs - 1, 0));
                if (m == line[k] || strays >= 30) continue;
                ++strays;
                FailedTable table;
                Search search(q, table, guide);
                if (search.Run(Budget{150000, {}}) != Verdict::Solvable) continue;
                ++solved;
                ExpectReplaysToOneFrog(q, search.solution());
            }
        }
    }
    EXPECT_GE(solved, 25);
}

TEST(PracticeSolver, AFailedTableNeverTakesAPositionForAnotherWithTheSameHash) {
    // Positions whose hashes are equal: the cell keys of any 65 cells are
    // linearly dependent over GF(2), so elimination finds sets of cells whose
    // keys cancel. Two halves of such a set, or of the difference of two
    // odd-sized ones, are different positions of the same frog count under
    // one key; a "Lost" that trusted the key alone would rest on the other's
    // proof.
    struct Dependent {
        std::uint64_t key;
        std::bitset<kCells + 1> cells;
    };
    std::vector<Dependent> basis;
    std::vector<std::bitset<kCells + 1>> cancelling;
    for (int cell = 1; cell <= kCells; ++cell) {
        Dependent d{kCellKeys[static_cast<std::size_t>(cell)], {}};
        d.cells.set(static_cast<std::size_t>(cell));
        for (const Dependent& b : basis)
            if ((d.key ^ b.key) < d.key) d.key ^= b.key, d.cells ^= b.cells;
        if (d.key == 0) {
            cancelling.push_back(d.cells);
        } else {
            basis.push_back(d);
            std::sort(basis.begin(), basis.end(), [](auto& x, auto& y) { return x.key > y.key; });
        }
    }
    ASSERT_GE(cancelling.size(), 4u);
    std::vector<std::bitset<kCells + 1>> even;
    for (std::size_t i = 0; i < cancelling.size(); ++i) {
        if (cancelling[i].count() % 2 == 0) even.push_back(cancelling[i]);
        if (i > 0 && (cancelling[i] ^ cancelling[i - 1]).count() % 2 == 0)
            even.push_back(cancelling[i] ^ cancelling[i - 1]);
    }
    ASSERT_GE(even.size(), 4u);
    int pairs = 0;
    for (const auto& set : even) {
        Position a, b;
        for (std::size_t cell = 1, n = 0; cell <= kCells; ++cell) {
            if (set.test(cell)) (n++ % 2 == 0 ? a : b).Set(static_cast<int>(cell));
        }
        ASSERT_EQ(Hash(a), Hash(b));
        ASSERT_EQ(a.Count(), b.Count());
        ASSERT_FALSE(a == b);
        // Alone, then both: each is found as itself only.
        FailedTable table;
        table.Insert(Hash(a), a);
        EXPECT_TRUE(table.Contains(Hash(a), a));
        EXPECT_FALSE(table.Contains(Hash(b), b)) << a.Count() << " frogs";
        table.Insert(Hash(b), b);
        EXPECT_TRUE(table.Contains(Hash(a), a));
        EXPECT_TRUE(table.Contains(Hash(b), b));
        ++pairs;
    }
    EXPECT_GE(pairs, 4);
}

TEST(PracticeSolver, ABeamStepKeepsExactlyTheChildrenAFullSortKeeps) {
    // Children near and far from the lines, some on no line, with their lone
    // frogs; the step counts lone frogs for a few only, and must still keep
    // the same nearest children, in the same order, as keying every child
    // and sorting them all.
    struct Case {
        std::size_t children;
        int nearestMost;  // nearest drawn from -1 to this
        int aloneMost;
        std::size_t enough;
    };
    const Case cases[] = {
        {0, 5, 3, 10},       {1, 0, 0, 1},        {50, 3, 8, 200},     {200, 2, 12, 20},  {1000, 6, 4, 40},
        {1000, 40, 30, 100}, {3000, 1, 20, 1544}, {5000, 10, 60, 300}, {5000, 200, 2, 1}, {20000, 4, 6, 1544},
    };
    std::mt19937 rng(31);
    for (const Case& test : cases) {
        for (int round = 0; round < 5; ++round) {
            std::vector<Beam::Child> children(test.children);
            std::vector<int> alone(test.children);
            for (std::size_t i = 0; i < children.size(); ++i) {
                children[i].hash = (static_cast<std::uint64_t>(rng()) << 32) | rng();
                children[i].nearest =
                    static_cast<std::int16_t>(static_cast<int>(rng() % (test.nearestMost + 2)) - 1);
                children[i].parent = static_cast<std::int32_t>(i);  // tells the children apart for alone
                alone[i] = static_cast<int>(rng() % (test.aloneMost + 1));
            }
            std::vector<std::uint32_t> scratch;
            std::vector<std::uint64_t> kept;
            std::size_t counted = 0;
            Beam::Nearest(
                children, test.enough,
                [&](const Beam::Child& c) {
                    ++counted;
                    return alone[static_cast<std::size_t>(c.parent)];
                },
                scratch, kept);
            std::vector<std::uint64_t> all;
            for (std::size_t i = 0; i < children.size(); ++i) {
                const int nearness = 2 * std::max<int>(children[i].nearest, 0) + alone[i];
                all.push_back((static_cast<std::uint64_t>(nearness) << 40) |
                              ((children[i].hash >> 44) << 20) | i);
            }
            std::sort(all.begin(), all.end());
            all.resize(std::min(all.size(), test.enough));
            ASSERT_EQ(kept, all) << test.children << " children, " << test.enough << " kept";
            if (test.children > 4 * test.enough && test.nearestMost > 2) {
                EXPECT_LT(counted, test.children) << "lone frogs are counted only where they can decide";
            }
        }
    }
}

// Positions the worker stress uses: solvable boards of some size, which take
// a few milliseconds each, and small lost ones.
std::vector<std::pair<Position, bool>> Pool(std::mt19937& rng) {
    std::vector<std::pair<Position, bool>> pool;
    for (int i = 0; i < 12; ++i)
        pool.emplace_back(Unjumped(rng, 24 + static_cast<int>(rng() % 20), 148), true);
    for (int i = 0; pool.size() < 24; ++i) {
        Position p;
        const int top = static_cast<int>(rng() % (kRows - 4)),
                  left = static_cast<int>(rng() % (kColumns - 4));
        while (p.Count() < 8)
            p.Set((top + static_cast<int>(rng() % 5)) * kColumns + left + static_cast<int>(rng() % 5) + 1);
        std::set<std::array<std::uint64_t, 5>> seen;
        if (!SolvableByExhaustion(p, seen)) pool.emplace_back(p, false);
    }
    return pool;
}

TEST(PracticeWorker, ABoardChangedMidSearchNeverGetsAnotherPositionsAnswer) {
    std::mt19937 rng(23);
    const auto pool = Pool(rng);
    std::atomic<int> wakes{0};
    SolverWorker worker([&wakes] { ++wakes; });
    worker.BeginLevel({}, false);
    int answered = 0;
    for (int round = 0; round < 400; ++round) {
        const auto& [p, solvable] = pool[rng() % pool.size()];
        std::vector<Position> ahead;
        for (const Move& m : LegalMoves(p)) ahead.push_back(Apply(p, m));
        worker.Ask(p, ahead);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 3000));
        // Whatever answers are known by now belong to their own positions.
        for (const auto& [q, truth] : pool) {
            const std::optional<Answer> a = worker.Find(q);
            if (!a) continue;
            ++answered;
            ASSERT_EQ(a->verdict == Verdict::Solvable, truth) << "round " << round;
            if (truth) ExpectReplaysToOneFrog(q, a->solution);
        }
        if (round % 100 == 99) worker.BeginLevel({}, false);  // a new level mid-search
    }
    EXPECT_GT(answered, 1000);
    EXPECT_GT(wakes.load(), 5) << "the window is woken when the board's position is decided";
}

TEST(PracticeWorker, AnswersThoughtOutAheadAreTheDirectAnswers) {
    std::mt19937 rng(29);
    int solvable = 0, lost = 0;
    SolverWorker worker;
    for (int round = 0; round < 12; ++round) {
        // A small solvable board with a few stray frogs: some jumps from it
        // keep a solution, some lose it.
        Position p = Unjumped(rng, 8 + static_cast<int>(rng() % 4), 148);
        for (int extra = 0; extra < 2; ++extra) p.Set(148 + static_cast<int>(rng() % 5) - 2 + kColumns * 2);
        std::vector<Position> ahead;
        for (const Move& m : LegalMoves(p)) ahead.push_back(Apply(p, m));
        worker.BeginLevel({}, false);
        // Every jump counts as the selected frog's, so each is thought out in
        // full however slow the build (a sanitizer's) is.
        worker.Ask(p, ahead, ahead.size());
        const auto start = std::chrono::steady_clock::now();
        while (!worker.Idle() && std::chrono::steady_clock::now() - start < std::chrono::seconds(20))
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        for (const Position& q : ahead) {
            FailedTable table;
            const Answer direct = Solve(q, Budget{}, table);
            const std::optional<Answer> a = worker.Find(q);
            ASSERT_TRUE(a.has_value()) << "round " << round;
            EXPECT_EQ(a->verdict, direct.verdict) << "round " << round;
            solvable += direct.verdict == Verdict::Solvable;
            lost += direct.verdict == Verdict::Lost;
        }
    }
    EXPECT_GT(solvable, 10);
    EXPECT_GT(lost, 10);
}

// The resident memory of this process in MB, now or at its peak (VmHWM).
double StatusMb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stod(line.substr(std::string(field).size())) / 1024.0;
    return 0;
}

TEST(PracticeWorker, ALongSessionOverManyLevelsStaysWithinItsMemoryBound) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer's shadow memory is no measure of the game's";
#endif
    // Big boards with a known line, played as a player does: along the line,
    // a frog selected before each jump, looking at each board until the
    // worker rests (at most a second), a stray jump now and then.
    std::mt19937 rng(43);
    SolverWorker worker;
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts from here
    const double rest = StatusMb("VmRSS:");
    for (int level = 0; level < 4; ++level) {
        std::vector<Move> line;
        Position p = Unjumped(rng, 170 + 10 * level, 148, &line);
        worker.BeginLevel({line}, false);
        for (std::size_t k = 0; k < 6; ++k) {
            std::vector<Position> ahead;
            for (const Move& m : LegalMoves(p))
                ahead.insert(m.from == line[k].from ? ahead.begin() : ahead.end(), Apply(p, m));
            const std::size_t likely = static_cast<std::size_t>(std::count_if(
                ahead.begin(), ahead.end(), [&](const Position& q) { return !q.Has(line[k].from); }));
            const Move stray = LegalMoves(p)[rng() % LegalMoves(p).size()];
            worker.Ask(k % 3 == 2 && !(stray == line[k]) ? Apply(p, stray) : p, ahead, likely);
            const auto asked = std::chrono::steady_clock::now();
            while (!worker.Idle() && std::chrono::steady_clock::now() - asked < std::chrono::seconds(1))
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            p = Apply(p, line[k]);
        }
    }
    const double peak = StatusMb("VmHWM:") - rest;
    worker.Rest();
    for (int i = 0; i < 200 && !worker.Idle(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // The last lane to sleep hands memory back; on a busy machine that can
    // take a while after the worker says it is idle.
    double resting = StatusMb("VmRSS:") - rest;
    for (int i = 0; i < 100 && resting >= 10.0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        resting = StatusMb("VmRSS:") - rest;
    }
    std::printf("peak %.1f MB, at rest %.1f MB above the start\n", peak, resting);
    EXPECT_LT(peak, 60.0);
    EXPECT_LT(resting, 10.0);
}

}  // namespace
}  // namespace quib::practice
