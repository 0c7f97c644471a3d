// The exhaustive proof behind "Lost". See proof.h.

#include "proof.h"

#include "bitboard.h"
#include "stranded.h"

namespace quib::practice {

namespace {
// Failed positions kept at most (some 20 MB); beyond, the set starts afresh,
// which costs time, never soundness.
constexpr std::size_t kMostKept = std::size_t{1} << 18;
}  // namespace

LossProof::LossProof(const Position& start, FailedTable& table) : start_(start), table_(table) {
    stack_.reserve(static_cast<std::size_t>(start.Count()) + 1);
}

bool LossProof::Enter(const Position& pos) {
    if (pos.Count() == 1) return true;
    if (failed_.count(pos) != 0 || table_.ProvenLost(pos)) return false;
    if (depth_ == stack_.size()) stack_.emplace_back();
    Frame& f = stack_[depth_];
    bits::GenerateMoves(pos, f.moves);
    if (f.moves.empty() || Stranded(pos)) {
        if (failed_.size() >= kMostKept) failed_.clear();
        failed_.insert(pos);
        return false;
    }
    f.pos = pos;
    f.next = 0;
    ++depth_;
    return false;
}

LossProof::State LossProof::Run(std::int64_t& nodes, std::int64_t limit) {
    if (state_ != State::Going) return state_;
    if (!begun_) {
        begun_ = true;
        ++nodes;
        if (Enter(start_))
            state_ = State::Solvable;  // one frog: nothing to prove
        else if (depth_ == 0)
            state_ = State::Lost;
        if (state_ == State::Lost) table_.InsertProven(start_);
        if (state_ != State::Going) return state_;
    }
    while (nodes < limit) {
        Frame& f = stack_[depth_ - 1];
        if (f.next == f.moves.size()) {
            // Every jump from here fails.
            if (failed_.size() >= kMostKept) failed_.clear();
            failed_.insert(f.pos);
            if (--depth_ == 0) {
                table_.InsertProven(start_);
                return state_ = State::Lost;
            }
            ++stack_[depth_ - 1].next;
            continue;
        }
        ++nodes;
        if (Enter(Apply(f.pos, f.moves[f.next]))) {
            for (std::size_t i = 0; i < depth_; ++i) solution_.push_back(stack_[i].moves[stack_[i].next]);
            return state_ = State::Solvable;
        }
        // A child settled at once as failed: the next one; a pushed child is
        // the top frame now.
        Frame& top = stack_[depth_ - 1];
        if (&top == &f) ++f.next;
    }
    return state_;
}

}  // namespace quib::practice
