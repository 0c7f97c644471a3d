#pragma once
// The practice solver: can this position still be solved, and by which
// jumps? A position is a bitboard of the 294 cells; the search is a
// depth-first search with a table of positions proven unsolvable, move
// ordering, budgets that escalate per child and a proof that a group of frogs
// is stranded. Where the level's solution is known, it first tries to rejoin
// it (its jumps first, a test at every position whether the rest of it still
// plays down to one frog, its jumps replayed skipping those that no longer
// fit, beams that aim at it), then searches with restarts. It is resumable
// and can be stopped from another thread. Plain C++, no Qt.

#include <array>
#include <atomic>
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
    // Starts fetching the memory Contains(hash) will read.
    void Prefetch(std::uint64_t hash) const;
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
    // Set by another thread to stop the search at once (within some dozens
    // of nodes); the search then stays undecided and can be run again.
    const std::atomic<bool>* stop = nullptr;
};

// Lines of jumps known to lead to one frog (the level's stored solution,
// lines found before), each to the end. After the player strays from them,
// most of their jumps still fit: the search tries them first, tests at every
// position whether the rest of a line still plays down to one frog, and
// replays a line skipping the jumps that no longer fit.
class Guide {
public:
    Guide() = default;
    explicit Guide(const std::vector<Move>& line);
    explicit Guide(const std::vector<std::vector<Move>>& lines);
    // The move's place in the lines one after the other, or -1.
    int Rank(const Move& m) const;
    bool Empty() const { return ranks_.empty(); }
    const std::vector<std::vector<Move>>& lines() const { return lines_; }
    // The repair test: a line whose last Count() - 1 jumps, taken in order
    // from p, all apply (and so leave one frog). Fills tail with them.
    bool Rejoins(const Position& p, std::vector<Move>& tail) const { return Rejoins(p, p.Count(), tail); }
    bool Rejoins(const Position& p, int frogs, std::vector<Move>& tail) const;
    // How far p, with its number of frogs, is from a line: the cells in which
    // it differs from the line's position with as many frogs, or -1 when the
    // line has none.
    int Distance(const Position& p, int frogs, std::size_t line) const;
    // What a line's next jump does to the distance from p, worked out once
    // for all of p's jumps (Step::After gives the distance after a jump m
    // from p's distance d): both p and the line's position change in the
    // cells of one jump each, and a cell in both jumps changes in neither.
    struct Step {
        Position off;  // the cells in which p and the line's position differ
        Move jump;     // the line's jump from its position
        int base = 0;  // the change the line's jump alone makes
        int After(const Move& m, int d) const {
            const auto change = [&](int c) { return off.Has(c) ? -1 : 1; };
            int shared = 0;
            for (int c : {m.from, m.over, m.to})
                if (c == jump.from || c == jump.over || c == jump.to) shared += change(c);
            return d + base + change(m.from) + change(m.over) + change(m.to) - 2 * shared;
        }
    };
    // False when the line has no position with so many frogs or no jump from it.
    bool StepFrom(const Position& p, int frogs, std::size_t line, Step& step) const;

private:
    std::vector<std::int16_t> ranks_;  // by from * (kCells + 1) + to, -1 for none
    std::vector<std::vector<Move>> lines_;
    std::vector<std::vector<Position>> along_;  // per line, its positions by frog count
};

// One search from a position; Run continues where the last Run stopped. It
// goes through arms in turn: with a guide, a few thousand nodes with the
// guide's jumps before every other jump, then each line replayed from near
// the position's frog count skipping the jumps that no longer fit, with a
// short search of what is left. Then beams and restarts take turns. A beam
// goes down jump by jump keeping the positions nearest the lines (a detour
// of any length can find its way back), each beam twice as wide as the
// last, and near the end searches what it kept in full. A restart uses the
// plain ordering (the guide's jumps first within each tier), on the Luby
// schedule, each after the first breaking ties within a tier at random. All
// share the failed table; "lost" is said only when a search from the start
// itself proves it.
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
    // A beam: positions one jump further at each step, keeping the `width`
    // nearest the lines (Guide::Distance), until one rejoins a line.
    static constexpr std::size_t kBeamLines = 8;  // the lines a beam aims at, at most
    struct BeamNode {
        Position pos;
        std::uint64_t hash = 0;
        std::int32_t parent = 0;  // in the step before
        Move move;                // from there
        int alone = 0;            // frogs without a neighbour
        std::array<std::int16_t, kBeamLines> distance{};  // to each line (Guide::Distance)
    };
    // A child weighed for the next step, made only if kept.
    struct BeamChild {
        std::uint64_t hash = 0;
        std::int32_t parent = 0;
        Move move;
        std::int16_t alone = 0;
        std::int16_t nearest = -1;  // the least distance to a line, -1 for none
        std::array<std::int16_t, kBeamLines> distance{};
    };
    struct BeamState {
        std::size_t width = 0;
        std::vector<BeamNode> level, fresh;
        std::vector<BeamChild> next;
        std::size_t at = 0;  // the next of level to expand
        int frogs = 0;       // on each position of level
        std::vector<std::uint64_t> keyed;
        std::vector<std::vector<std::pair<std::int32_t, Move>>> steps;  // per step, parent and move of each kept
    };
    enum class Outcome { Solved, Failed, Unknown, Pushed };
    // Expands the beam's next position, or ends its step; false when the
    // beam has ended.
    bool BeamStep();
    // Solved by a child of the step's position `parent`, with tail from there.
    void BeamSolved(std::size_t parent, const std::vector<Move>& tail);
    // The jumps from the start to the beam's position j of a step.
    std::vector<Move> BeamPath(std::size_t step, std::int32_t j) const;
    Outcome Enter(const Position& pos, std::uint64_t hash, std::int64_t budget);
    void Deliver(Outcome outcome);
    // Sets up the next arm's depth-first search; false when it has none.
    bool NextArm();

    Position start_;
    FailedTable& failed_;
    Guide guide_;
    std::vector<Frame> stack_;
    std::vector<std::uint64_t> keyed_;  // move ordering's scratch
    std::vector<Move> scratch_;
    std::vector<Move> tail_;                    // the repair test's scratch
    std::size_t depth_ = 0;  // frames in use
    Verdict verdict_ = Verdict::NotSure;
    std::vector<Move> solution_;
    std::int64_t nodes_ = 0;
    // The arm under way: its root (the start, or what a replay left), the
    // jumps from the start to that root, its budget and its ordering.
    int arm_ = -1;
    bool armLive_ = false;
    Position root_;
    std::vector<Move> prefix_;
    std::int64_t rootBudget_ = INT64_MAX;
    bool guideFirst_ = false;
    std::uint64_t noise_ = 0;  // 0: no random tie-breaking
    // Beams and restarts take turns by the nodes each has spent.
    bool beamArm_ = false;
    bool beamSpend_ = false;  // the arm is a beam's, or searches what one left
    std::vector<std::pair<Position, std::vector<Move>>> finish_;  // what the last beam left
    std::size_t finishAt_ = 0;
    BeamState beam_;
    std::size_t nextBeamWidth_ = 0;
    std::int64_t armStartNodes_ = 0, beamNodes_ = 0, restartNodes_ = 0;
    int restarts_ = 0;
};

struct Answer {
    Verdict verdict = Verdict::NotSure;
    std::vector<Move> solution;
};

// The answer for a position within a budget, the table growing as it learns.
Answer Solve(const Position& p, const Budget& budget, FailedTable& failed, const Guide& guide = {});

}  // namespace quib::practice
