#pragma once
// The practice solver: can this position still be solved, and by which
// jumps? A position is a bitboard of the 294 cells; the search is a
// depth-first search with a table of positions proven unsolvable, move
// ordering, budgets that escalate per child and a proof that a group of frogs
// is stranded. It is resumable, so the window timer can run it a few
// milliseconds at a time while the player thinks. Plain C++, no Qt.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "../form.h"

namespace quib::practice {

// The occupied cells, bit n - 1 for cell n (1..294).
struct Position {
    std::array<std::uint64_t, 5> bits{};
    bool Has(int cell) const { return (bits[Word(cell)] >> Bit(cell)) & 1u; }
    void Set(int cell) { bits[Word(cell)] |= std::uint64_t{1} << Bit(cell); }
    void Clear(int cell) { bits[Word(cell)] &= ~(std::uint64_t{1} << Bit(cell)); }
    int Count() const;
    std::vector<int> Cells() const;
    bool operator==(const Position&) const = default;

private:
    static std::size_t Word(int cell) { return static_cast<std::size_t>(cell - 1) >> 6; }
    static unsigned Bit(int cell) { return static_cast<unsigned>(cell - 1) & 63u; }
};

Position PositionOf(const std::vector<int>& cells);
// The frogs of the visible board (its frog records).
Position PositionOf(const Board& board);

struct Move {
    int from = 0;
    int over = 0;
    int to = 0;
    bool operator==(const Move&) const = default;
};

// The jumps a frog on a cell may make on an otherwise suitable board, by the
// game's own direction table and row-edge rule: (over, to) per direction.
struct JumpTable {
    std::array<std::array<std::pair<int, int>, 8>, kCells + 1> jumps{};
    std::array<int, kCells + 1> count{};
};
const JumpTable& Jumps();

std::vector<Move> LegalMoves(const Position& p);
Position Apply(Position p, const Move& m);
std::uint64_t Hash(const Position& p);
// What a move changes in the hash: Hash(Apply(p, m)) == Hash(p) ^ MoveHash(m).
std::uint64_t MoveHash(const Move& m);

// Dead-position pruning: true when some group of frogs can be proven never to
// meet the others again, so no sequence of jumps leaves a single frog.
bool Stranded(const Position& p);

// Positions proven unsolvable, by 64-bit hash. Kept for a level across the
// player's jumps and the timer's slices; any entry stays true for good, so
// the table is only ever cleared to free memory.
class FailedTable {
public:
    bool Contains(std::uint64_t hash) const;
    void Insert(std::uint64_t hash);
    void Clear();
    std::size_t Size() const { return size_; }

private:
    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
};

enum class Verdict { NotSure, Solvable, Lost };

struct Budget {
    std::int64_t nodes = INT64_MAX;
    std::optional<std::chrono::steady_clock::time_point> deadline;
};

// Jumps known to lead to a solution from some position of the level (its
// stored solution, lines found before): after the player strays from them,
// most of them still fit, so within each tier of the move ordering they are
// tried first, in their own order.
class Guide {
public:
    Guide() = default;
    explicit Guide(const std::vector<Move>& moves);
    // The move's place in the guide, or -1.
    int Rank(const Move& m) const;
    bool Empty() const { return ranks_.empty(); }

private:
    std::vector<std::int16_t> ranks_;  // by from * (kCells + 1) + to, -1 for none
};

// One search from a position; Run continues where the last Run stopped.
class Search {
public:
    Search(const Position& start, FailedTable& failed, Guide guide = {});
    Verdict Run(const Budget& budget);
    Verdict verdict() const { return verdict_; }
    // The jumps from the start to one frog, once the verdict is Solvable.
    const std::vector<Move>& solution() const { return solution_; }
    std::int64_t nodes() const { return nodes_; }
    const Position& start() const { return start_; }

private:
    struct Frame {
        Position pos;
        std::uint64_t hash = 0;
        int frogs = 0;
        std::vector<Move> children;
        std::vector<std::uint8_t> failed;
        std::size_t next = 0;
        std::int64_t budget = 0;
        std::int64_t startNodes = 0;
        std::int64_t childBudget = 0;
        bool anyUnknown = false;
    };
    enum class Outcome { Solved, Failed, Unknown, Pushed };
    Outcome Enter(const Position& pos, std::uint64_t hash, std::int64_t budget);
    void Deliver(Outcome outcome);

    Position start_;
    FailedTable& failed_;
    Guide guide_;
    std::vector<Frame> stack_;
    std::vector<std::pair<int, Move>> keyed_;  // move ordering's scratch
    std::size_t depth_ = 0;  // frames in use
    Verdict verdict_ = Verdict::NotSure;
    std::vector<Move> solution_;
    std::int64_t nodes_ = 0;
    bool started_ = false;
};

struct Answer {
    Verdict verdict = Verdict::NotSure;
    std::vector<Move> solution;
};

// The answer for a position within a budget, the table growing as it learns.
Answer Solve(const Position& p, const Budget& budget, FailedTable& failed, const Guide& guide = {});

}  // namespace quib::practice
