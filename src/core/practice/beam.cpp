// The beams. See beam.h; the comments here say why a step is made as it is.

#include "beam.h"

#include <algorithm>

#include "bitboard.h"
#include "stranded.h"

namespace quib::practice {

using namespace bits;

namespace {

// How a beam ends. It widens where positions are small: below widenBelow
// frogs it keeps width * (widenBelow / frogs) positions, at most widenMost
// times as many; below finishAt frogs, what it kept is searched in full. A
// wide end widens sooner and further and hands over later: a detour's last
// steps are where a narrow beam most often loses its way.
struct Shape {
    int widenBelow, widenMost, finishAt;
};
constexpr Shape kNarrowEnd{96, 8, 14};
constexpr Shape kWideEnd{160, 16, 12};
constexpr std::size_t kMaxChildren = std::size_t{1} << 20;  // a step's children, at most
// A step keeps at most this many positions, however wide the beam: some
// megabytes, and a step's sorting holds a stop up for no more than a few
// milliseconds.
constexpr std::size_t kWidestStep = 8192;
// A beam's child costs far less than a node of the depth-first search.
constexpr std::int64_t kChildrenPerNode = 4;
// From this many frogs on, a step weighs only the jumps that touch a cell
// where a position and a line differ or the line's next jump: see Expand.
constexpr int kTouchingFrom = 20;

}  // namespace

void Beam::Start(const Position& start, std::size_t width, const Guide& guide, bool wideEnd) {
    width_ = width;
    const Shape& shape = wideEnd ? kWideEnd : kNarrowEnd;
    widenBelow_ = shape.widenBelow, widenMost_ = shape.widenMost, finishAt_ = shape.finishAt;
    Node root{start, Hash(start), -1, {}, Alone(start), {}};
    for (std::size_t line = 0; line < kLines; ++line)
        root.distance[line] = static_cast<std::int16_t>(
            line < guide.lines().size() ? guide.Distance(start, start.Count(), line) : -1);
    level_.assign(1, root);
    frogs_ = start.Count();
    next_.clear();
    at_ = 0;
    steps_.assign(1, {{-1, Move{}}});
    finish_.clear();
    solution_.clear();
}

void Beam::Release() {
    for (auto* v : {&level_, &fresh_}) v->clear(), v->shrink_to_fit();
    next_.clear(), next_.shrink_to_fit();
    keyed_.clear(), keyed_.shrink_to_fit();
    byLeast_.clear(), byLeast_.shrink_to_fit();
    steps_.clear(), steps_.shrink_to_fit();
}

std::vector<Move> Beam::Path(std::size_t step, std::int32_t j) const {
    std::vector<Move> path;
    for (std::size_t s = step; s > 0; --s) {
        const auto& [parent, move] = steps_[s][static_cast<std::size_t>(j)];
        path.push_back(move);
        j = parent;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

void Beam::Solved(std::size_t parent, const std::vector<Move>& tail) {
    solution_ = Path(steps_.size() - 1, static_cast<std::int32_t>(parent));
    solution_.insert(solution_.end(), tail.begin(), tail.end());
}

Beam::Result Beam::Step(const Guide& guide, FailedTable& failed, std::int64_t& nodes) {
    if (at_ < level_.size()) {
        // With two frogs, any jump is the last.
        if (frogs_ == 2) {
            GenerateMoves(level_[at_].pos, moves_);
            ++nodes;
            if (!moves_.empty()) {
                Solved(at_, {moves_.front()});
                return Result::Solved;
            }
            ++at_;
            return Result::Going;
        }
        Expand(guide, nodes);
        return Result::Going;
    }
    return EndStep(guide, failed, nodes);
}

// A position of this step: its children are weighed for the next, without
// being made yet.
QUIB_COUNTS_BITS void Beam::Expand(const Guide& guide, std::int64_t& nodes) {
    const std::size_t lines = std::min(kLines, guide.lines().size());
    const Node& node = level_[at_++];
    std::array<Guide::Step, kLines> steps;
    std::array<bool, kLines> stepping{};
    // A jump that touches no cell where the position and a line differ, nor
    // the line's next jump, takes the position three cells further from each
    // line, besides what the line's own jump changes: such children are the
    // farthest of the position's children, and on a big board a step has far
    // more nearer ones than it keeps, so only the jumps that touch those
    // cells are weighed. With few frogs, where a beam keeps more of what it
    // weighs, it weighs them all.
    Position touch;
    bool all = frogs_ < kTouchingFrom || lines == 0;
    for (std::size_t line = 0; line < lines; ++line) {
        stepping[line] = node.distance[line] >= 0 && guide.StepFrom(node.pos, frogs_, line, steps[line]);
        if (!stepping[line]) all = true;  // its distance is counted afresh for every child
        for (std::size_t w = 0; stepping[line] && w < touch.bits.size(); ++w)
            touch.bits[w] |= steps[line].flips.bits[w];
    }
    if (all) {
        GenerateMoves(node.pos, moves_);
        nodes += 1 + static_cast<std::int64_t>(moves_.size()) / kChildrenPerNode;
    } else {
        nodes += 1 + GenerateMovesTouching(node.pos, touch, moves_) / kChildrenPerNode;
    }
    for (const Move& m : moves_) {
        if (next_.size() >= kMaxChildren) break;
        // Written in place: made on the stack field by field and then
        // copied whole, it stalled the copy's loads (a fifth of the time).
        Child& child = next_.emplace_back();
        child.hash = node.hash ^ MoveHash(m);
        child.parent = static_cast<std::int32_t>(at_ - 1);
        child.move = m;
        int nearest = -1;
        for (std::size_t line = 0; line < lines; ++line) {
            const int d = stepping[line] ? steps[line].After(m, node.distance[line])
                                         : guide.Distance(Apply(node.pos, m), frogs_ - 1, line);
            child.distance[line] = static_cast<std::int16_t>(d);
            if (d >= 0 && (nearest < 0 || d < nearest)) nearest = d;
        }
        child.nearest = static_cast<std::int16_t>(nearest);
    }
}

// The next step keeps the children nearest the lines, each once, none known
// or proven to fail.
Beam::Result Beam::EndStep(const Guide& guide, FailedTable& failed, std::int64_t& nodes) {
    if (next_.empty()) return Result::Ended;  // every line of the beam ran dry
    // Near the end, where positions are small, the beam widens.
    const std::size_t width = std::min(
        kWidestStep,
        width_ * static_cast<std::size_t>(std::clamp(widenBelow_ / std::max(1, frogs_ - 1), 1, widenMost_)));
    // Only the nearest need sorting: some to spare for copies and dead ends.
    // A child's nearness is 2 * nearest + alone: four frogs left without a
    // neighbour weigh as two cells off a line. Its key puts a position's
    // copies side by side (see Nearest).
    const auto alone = [this](const Child& c) {
        const Node& parent = level_[static_cast<std::size_t>(c.parent)];
        const Padded p(parent.pos);
        Padded q = p;
        q.Flip(c.move.from), q.Flip(c.move.over), q.Flip(c.move.to);
        return AloneAfter(p, q, c.move, parent.alone);
    };
    Nearest(next_, width + width / 2 + 8, alone, byLeast_, keyed_);
    const std::size_t sorted = keyed_.size();
    fresh_.clear();
    auto& kept = steps_.emplace_back();
    std::uint64_t last = 0;
    nodes += static_cast<std::int64_t>(next_.size()) / kChildrenPerNode;
    for (std::size_t k = 0; k < sorted && fresh_.size() < width; ++k) {
        const Child& c = next_[keyed_[k] & 0xfffffu];
        if (k > 0 && c.hash == last) continue;  // the same position by another way
        last = c.hash;
        const Position pos = Apply(level_[static_cast<std::size_t>(c.parent)].pos, c.move);
        if (failed.Contains(c.hash, pos)) continue;
        // The rest of a known line still fits: solvable.
        if (guide.Rejoins(pos, frogs_ - 1, tail_)) {
            steps_.pop_back();
            tail_.insert(tail_.begin(), c.move);
            Solved(static_cast<std::size_t>(c.parent), tail_);
            return Result::Solved;
        }
        if (StrandedBy(pos, c.move)) {
            failed.Insert(c.hash, pos);
            continue;
        }
        kept.emplace_back(c.parent, c.move);
        fresh_.push_back(
            Node{pos, c.hash, static_cast<std::int32_t>(fresh_.size()), c.move, c.alone, c.distance});
    }
    std::swap(level_, fresh_);
    next_.clear();
    at_ = 0;
    --frogs_;
    if (frogs_ <= finishAt_) {
        // Near the end a beam's choices no longer look far enough ahead:
        // what it kept is searched in full, one after the other.
        for (std::size_t j = 0; j < level_.size(); ++j)
            finish_.emplace_back(level_[j].pos, Path(steps_.size() - 1, static_cast<std::int32_t>(j)));
        level_.clear();
    }
    return level_.empty() ? Result::Ended : Result::Going;
}

}  // namespace quib::practice
