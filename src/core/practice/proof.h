#pragma once
// The one way to a "Lost" answer. The search's other phases prove failures
// through the failed-position table and the known lines, which compare
// 64-bit hashes; a collision there could one day call a solvable position
// lost. So when a phase finds the search's own start failing, the start is
// proven again here by a plain exhaustive search whose table of failed
// positions compares whole positions, and only a proof completed here, at
// the start itself, lets the search say "Lost" (Search::Conclude).

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "failed_table.h"
#include "position.h"

namespace quib::practice {

class LossProof {
public:
    // The table's whole positions proven lost before count; what this proof
    // finds lost at its start is added to them.
    LossProof(const Position& start, FailedTable& table);
    enum class State { Going, Solvable, Lost };
    // Goes on until nodes reaches limit or the proof ends; nodes grows by
    // the positions looked at.
    State Run(std::int64_t& nodes, std::int64_t limit);
    State state() const { return state_; }
    const Position& start() const { return start_; }
    // The jumps from the start to one frog, when the start was not lost after all.
    const std::vector<Move>& solution() const { return solution_; }

private:
    struct PositionHash {
        std::size_t operator()(const Position& p) const { return static_cast<std::size_t>(Hash(p)); }
    };
    struct Frame {
        Position pos;
        std::vector<Move> moves;
        std::size_t next = 0;
    };
    // Pushes pos, or settles it at once: true when it is solved.
    bool Enter(const Position& pos);

    Position start_;
    FailedTable& table_;
    State state_ = State::Going;
    bool begun_ = false;
    std::vector<Frame> stack_;
    std::size_t depth_ = 0;
    std::unordered_set<Position, PositionHash> failed_;  // whole positions, proven here
    std::vector<Move> solution_;
};

}  // namespace quib::practice
