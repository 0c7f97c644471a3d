// The search's phases and its depth-first search. See search.h for their
// order; the comments here say why each is there.

#include "search.h"

#include <algorithm>
#include <cmath>

#include "bitboard.h"
#include "solver.h"
#include "stranded.h"

namespace quib::practice {

namespace {

// Each child of a node first gets this many nodes; a node that could not
// decide every child with it tries the undecided ones again with four times
// as many. Bigger boards need deeper looks before a line is given up.
std::int64_t FirstChildBudget(int frogs) {
    static const auto budgets = [] {
        std::array<std::int64_t, kCells + 1> b{};
        for (std::size_t n = 0; n < b.size(); ++n)
            b[n] = std::max<std::int64_t>(
                8, static_cast<std::int64_t>(16.0 * std::pow(static_cast<double>(n), 1.5)));
        return b;
    }();
    return budgets[static_cast<std::size_t>(std::clamp(frogs, 0, kCells))];
}

constexpr std::int64_t kBudgetCap = INT64_MAX / 8;

// The phases' budgets in nodes. A stray jump usually leaves a short detour
// back to the known line, found in a few nodes; run times beyond are heavy
// tailed, which restarts on the Luby schedule (1 1 2 1 1 2 4 ...) cut.
constexpr std::int64_t kGuideFirstNodes = 3000;
constexpr std::int64_t kReplayNodes = 1000;
constexpr std::int64_t kRestartUnit = 2000;
constexpr std::size_t kReplayOffsets = 3;  // replays start up to two jumps before the frog count
constexpr std::size_t kFirstBeamWidth = 16;
constexpr std::size_t kWidestBeam = 1024;    // a wider one's step would hold a stop up for some milliseconds
constexpr std::int64_t kFinishNodes = 1000;  // for each position a beam left near the end
// Beams get three times the restarts' nodes, ten times on a big board,
// until the widest has run: on big boards a stray jump is most often solved
// near the line. A proof of "Lost", which only restarts make, then has every
// node.
constexpr std::int64_t kBeamShare = 3;
constexpr std::int64_t kBigBoardBeamShare = 10;
// From this many frogs on, a board is big: its beams after the first end
// wide (see beam.cpp) and get the bigger share.
constexpr int kBigBoard = 40;

std::int64_t Luby(std::int64_t i) {  // i >= 1
    for (;;) {
        std::int64_t k = 1;
        while ((std::int64_t{1} << k) - 1 < i) ++k;
        if ((std::int64_t{1} << k) - 1 == i) return std::int64_t{1} << (k - 1);
        i -= (std::int64_t{1} << (k - 1)) - 1;
    }
}

// The move is one of the jump table's.
bool IsJump(const Move& m) {
    if (m.from < 1 || m.from > kCells) return false;
    const JumpTable& t = Jumps();
    const auto& jumps = t.jumps[static_cast<std::size_t>(m.from)];
    return std::find(jumps.begin(), jumps.begin() + t.count[static_cast<std::size_t>(m.from)],
                     std::pair<int, int>{m.over, m.to}) !=
           jumps.begin() + t.count[static_cast<std::size_t>(m.from)];
}

}  // namespace

Search::Search(const Position& start, FailedTable& failed, const Guide& guide)
    : Search(start, failed, std::shared_ptr<const Guide>(std::shared_ptr<const Guide>{}, &guide)) {}

Search::Search(const Position& start, FailedTable& failed, std::shared_ptr<const Guide> guide)
    : start_(start),
      failed_(failed),
      guide_(guide ? std::move(guide)
                   : std::shared_ptr<const Guide>(std::shared_ptr<const Guide>{}, &Guide::None())) {
    // Frames are reused and never move: the deepest search has a frame per frog.
    stack_.reserve(static_cast<std::size_t>(start.Count()) + 1);
}

std::array<std::int64_t, Search::kPhases> Search::PhaseNodes() const {
    std::array<std::int64_t, kPhases> n = phaseNodes_;
    n[static_cast<std::size_t>(arm_.phase)] += nodes_ - arm_.startNodes;
    return n;
}

void Search::Solved(std::vector<Move> solution) {
    Position p = start_;
    for (const Move& m : solution) {
        if (!IsJump(m) || !Applies(p, m)) return;  // never: each phase plays the rules' jumps
        p = Apply(p, m);
    }
    if (p.Count() != 1) return;
    solution_ = std::move(solution);
    verdict_ = Verdict::Solvable;
}

void Search::Conclude(const Arm& arm) {
    // Only the start itself failing is a proof: what a replay or a beam left
    // failing says nothing about the start.
    if (arm.root == start_ && arm.prefix.empty()) verdict_ = Verdict::Lost;
}

Search::Outcome Search::Enter(const Position& pos, std::uint64_t hash, std::int64_t budget) {
    ++nodes_;
    const int frogs = pos.Count();
    if (frogs <= 1) {
        tail_.clear();
        return frogs == 1 ? Outcome::Solved : Outcome::Failed;
    }
    if (failed_.Contains(hash, pos)) return Outcome::Failed;
    // The rest of a known line still fits: solvable at once.
    if (!guide_->Empty() && guide_->Rejoins(pos, tail_)) return Outcome::Solved;
    if (depth_ == stack_.size()) stack_.emplace_back();
    Frame& f = stack_[depth_];
    bits::GenerateMoves(pos, f.children);
    // The table is far bigger than the caches: the children's slots are
    // fetched while this position is proven or its moves are ordered.
    for (const Move& m : f.children) failed_.Prefetch(hash ^ MoveHash(m));
    if (f.children.empty() || Stranded(pos)) {
        failed_.Insert(hash, pos);
        return Outcome::Failed;
    }
    OrderMoves(pos, f.children, order_, *guide_, arm_.guideFirst, arm_.noise);
    ++depth_;
    f.pos = pos;
    f.hash = hash;
    f.frogs = frogs;
    f.failed.assign(f.children.size(), 0);
    f.next = 0;
    f.budget = budget;
    f.startNodes = nodes_;
    f.childBudget = FirstChildBudget(frogs);
    f.anyUnknown = false;
    return Outcome::Pushed;
}

// The top frame's current child came back with an outcome.
void Search::Deliver(Outcome outcome) {
    if (outcome == Outcome::Solved) {
        std::vector<Move> solution = arm_.prefix;
        for (std::size_t i = 0; i < depth_; ++i) solution.push_back(stack_[i].children[stack_[i].next]);
        solution.insert(solution.end(), tail_.begin(), tail_.end());
        Solved(std::move(solution));
        depth_ = 0;
        arm_.live = false;
        return;
    }
    if (depth_ == 0) {
        // The arm's root is decided or out of nodes.
        if (outcome == Outcome::Failed) Conclude(arm_);
        arm_.live = false;
        return;
    }
    Frame& f = stack_[depth_ - 1];
    if (outcome == Outcome::Failed)
        f.failed[f.next] = 1;
    else
        f.anyUnknown = true;
    ++f.next;
}

void Search::StartReplay(std::size_t replay) {
    // A line replayed from near the start's frog count, skipping the jumps
    // that no longer fit; then a short search of what is left.
    const std::vector<Move>& line = guide_->lines()[replay / kReplayOffsets];
    const std::size_t need =
        static_cast<std::size_t>(std::max(0, start_.Count() - 1)) + replay % kReplayOffsets;
    Position q = start_;
    for (std::size_t i = line.size() > need ? line.size() - need : 0; i < line.size() && q.Count() > 1; ++i) {
        if (!Applies(q, line[i])) continue;
        q = Apply(q, line[i]);
        arm_.prefix.push_back(line[i]);
    }
    arm_.guideFirst = true;
    arm_.budget = arm_.prefix.empty() ? 0 : kReplayNodes;  // nothing replayed: an empty arm
    arm_.root = q;
}

void Search::StartArm() {
    // What the arm that ended spent.
    const std::int64_t spent = nodes_ - arm_.startNodes;
    if (arm_.phase == Phase::Beam || arm_.phase == Phase::Finish) beamNodes_ += spent;
    if (arm_.phase == Phase::Restart) restartNodes_ += spent;
    phaseNodes_[static_cast<std::size_t>(arm_.phase)] += spent;
    arm_ = Arm{};
    arm_.root = start_;
    arm_.startNodes = nodes_;
    arm_.live = true;
    depth_ = 0;
    const std::size_t lines = guide_->lines().size();
    const std::int64_t beamShare = start_.Count() >= kBigBoard ? kBigBoardBeamShare : kBeamShare;
    if (lines > 0 && !guideTried_) {
        guideTried_ = true;
        arm_.phase = Phase::GuideFirst;
        arm_.guideFirst = true;
        arm_.budget = kGuideFirstNodes;
    } else if (replay_ < lines * kReplayOffsets) {
        arm_.phase = Phase::Replay;
        StartReplay(replay_++);
    } else if (finishAt_ < finish_.size()) {
        // What the last beam left near the end, each searched in full.
        arm_.phase = Phase::Finish;
        arm_.root = finish_[finishAt_].first;
        arm_.prefix = std::move(finish_[finishAt_].second);
        ++finishAt_;
        arm_.budget = kFinishNodes;
    } else if (lines > 0 && beamNodes_ <= beamShare * restartNodes_ && nextBeamWidth_ <= kWidestBeam / 2 &&
               start_.Count() > 1) {
        // Beams, each twice as wide as the last, and restarts take turns,
        // the beams spending up to their share of the restarts' nodes.
        arm_.phase = Phase::Beam;
        nextBeamWidth_ = nextBeamWidth_ == 0 ? kFirstBeamWidth : nextBeamWidth_ * 2;
        finish_.clear();
        finishAt_ = 0;
        // On a big board the first beam, the cheapest, ends narrow: it finds
        // most detours. Those it misses need a wide end.
        beam_.Start(start_, nextBeamWidth_, *guide_,
                    start_.Count() >= kBigBoard && nextBeamWidth_ > kFirstBeamWidth);
        return;
    } else {
        // Restarts: the first in the plain order, the others shaken.
        arm_.phase = Phase::Restart;
        arm_.budget = std::min<std::int64_t>(kBudgetCap, kRestartUnit * Luby(restarts_ + 1));
        if (restarts_ > 0) arm_.noise = 0x9e3779b97f4a7c15ull * static_cast<std::uint64_t>(restarts_) | 1u;
        ++restarts_;
    }
    if (arm_.budget <= 0) {
        arm_.live = false;
        return;
    }
    const Outcome o = Enter(arm_.root, Hash(arm_.root), arm_.budget);
    if (o != Outcome::Pushed) Deliver(o);
}

void Search::DepthFirstStep() {
    Frame& f = stack_[depth_ - 1];
    if (f.next >= f.children.size()) {
        if (!f.anyUnknown) {
            failed_.Insert(f.hash, f.pos);
            --depth_;
            Deliver(Outcome::Failed);
        } else {
            // Another round for the children that ran out of nodes.
            f.childBudget = std::min(f.childBudget * 4, kBudgetCap);
            f.next = 0;
            f.anyUnknown = false;
        }
        return;
    }
    if (f.failed[f.next]) {
        ++f.next;
        return;
    }
    const std::int64_t remaining = f.budget - (nodes_ - f.startNodes);
    if (remaining <= 0) {
        --depth_;
        Deliver(Outcome::Unknown);
        return;
    }
    const Move m = f.children[f.next];
    if (f.next + 1 < f.children.size()) failed_.Prefetch(f.hash ^ MoveHash(f.children[f.next + 1]));
    const Outcome o = Enter(Apply(f.pos, m), f.hash ^ MoveHash(m), std::min(f.childBudget, remaining));
    if (o != Outcome::Pushed) Deliver(o);
}

Verdict Search::Run(const Budget& budget) {
    const std::int64_t limit = budget.nodes >= INT64_MAX - nodes_ ? INT64_MAX : nodes_ + budget.nodes;
    unsigned steps = 0;
    while (verdict_ == Verdict::NotSure && nodes_ < limit) {
        if ((++steps & 7u) == 0) {  // a node of a big board takes some microseconds
            if (budget.stop != nullptr && budget.stop->load(std::memory_order_relaxed)) break;
            if (budget.deadline && std::chrono::steady_clock::now() >= *budget.deadline) break;
        }
        if (!arm_.live) {
            StartArm();
        } else if (arm_.phase == Phase::Beam) {
            const Beam::Result r = beam_.Step(*guide_, failed_, nodes_);
            if (r == Beam::Result::Solved) Solved(beam_.solution());
            if (r != Beam::Result::Going) {
                finish_ = beam_.TakeFinish();
                beam_.Release();
                arm_.live = false;
            }
        } else {
            DepthFirstStep();
        }
    }
    return verdict_;
}

Answer Solve(const Position& p, const Budget& budget, FailedTable& failed, const Guide& guide) {
    Search search(p, failed, guide);
    const Verdict v = search.Run(budget);
    return {v, search.solution()};
}

}  // namespace quib::practice
