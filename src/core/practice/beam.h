#pragma once
// A beam of the search: from a position it goes down jump by jump, keeping at
// each step the positions nearest the guide's lines (the fewest cells off a
// line's position with as many frogs, and the fewest frogs without a
// neighbour), so that a detour of any length can find its way back, until one
// rejoins a line. Near the end, where its choices no longer look far enough
// ahead, it hands what it kept to the search to be searched in full.

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "failed_table.h"
#include "guide.h"

namespace quib::practice {

class Beam {
public:
    // The lines a beam aims at, at most: the guide's first ones.
    static constexpr std::size_t kLines = 8;
    enum class Result { Going, Solved, Ended };

    // A beam of `width` positions per step from start, its end narrow or wide.
    void Start(const Position& start, std::size_t width, const Guide& guide, bool wideEnd = false);
    // Expands the beam's next position, or ends its step; nodes grows by the
    // work, in nodes of the depth-first search.
    Result Step(const Guide& guide, FailedTable& failed, std::int64_t& nodes);
    // The jumps from the start to one frog, once Solved.
    const std::vector<Move>& solution() const { return solution_; }
    // What the beam left near the end, with the jumps from the start to each.
    std::vector<std::pair<Position, std::vector<Move>>> TakeFinish() { return std::move(finish_); }
    // Gives the beam's memory back (some megabytes for a wide one).
    void Release();

    // A child weighed for the next step, made only if kept.
    struct Child {
        std::uint64_t hash = 0;
        std::int32_t parent = 0;
        Move move;
        std::int16_t alone = 0;     // counted only where it decides (see Nearest)
        std::int16_t nearest = -1;  // the least distance to a line, -1 for none
        std::array<std::int16_t, kLines> distance{};
    };
    // The `enough` children nearest the lines (all of them when fewer),
    // nearest first, as keys: nearness << 40 | the hash's middle bits << 20
    // | index. A child's nearness is 2 * nearest + alone(child), and its lone
    // frogs, the costly part, are counted only for the children that can
    // still be among the nearest; the keys kept are those a sort of every
    // child, all counted, would put first. byLeast is scratch.
    template <class Alone>
    static void Nearest(std::vector<Child>& children, std::size_t enough, Alone&& alone,
                        std::vector<std::uint32_t>& byLeast, std::vector<std::uint64_t>& keys);

private:
    struct Node {
        Position pos;
        std::uint64_t hash = 0;
        std::int32_t parent = 0;                      // in the step before
        Move move;                                    // from there
        int alone = 0;                                // frogs without a neighbour
        std::array<std::int16_t, kLines> distance{};  // to each line (Guide::Distance)
    };
    void Expand(const Guide& guide, std::int64_t& nodes);
    Result EndStep(const Guide& guide, FailedTable& failed, std::int64_t& nodes);
    // The jumps from the start to the position j of a step.
    std::vector<Move> Path(std::size_t step, std::int32_t j) const;
    void Solved(std::size_t parent, const std::vector<Move>& tail);

    std::size_t width_ = 0;
    int widenBelow_ = 0, widenMost_ = 0, finishAt_ = 0;  // how it ends
    std::vector<Node> level_, fresh_;
    std::vector<Child> next_;
    std::size_t at_ = 0;  // the next of level_ to expand
    int frogs_ = 0;       // on each position of level_
    std::vector<std::uint64_t> keyed_;
    std::vector<std::uint32_t> byLeast_;  // the children by their least nearness (see KeyNearest)
    std::vector<std::vector<std::pair<std::int32_t, Move>>> steps_;  // per step, parent and move of each kept
    std::vector<Move> moves_, tail_;                                 // scratch
    std::vector<Move> solution_;
    std::vector<std::pair<Position, std::vector<Move>>> finish_;
};

// The children are keyed in order of their least nearness (2 * nearest: no
// frog left alone), each with its lone frogs counted, until those already
// nearer than the next child's least are enough: no child left unkeyed can
// be among the `enough` nearest, since its nearness is at least its least.
// Stopping as soon as `enough` are keyed would not do: a child keyed later,
// of the same least nearness but fewer lone frogs, can be nearer than some
// keyed before it. The keys are distinct (each ends in its child's index), so
// the nearest, picked out and then sorted, are the same as by sorting them
// all.
template <class Alone>
void Beam::Nearest(std::vector<Child>& children, std::size_t enough, Alone&& alone,
                   std::vector<std::uint32_t>& byLeast, std::vector<std::uint64_t>& keys) {
    constexpr int kLeast = 2 * kCells + 1;  // the greatest least nearness, 2 * kCells, and one
    const auto least = [](const Child& c) { return 2 * std::max<int>(c.nearest, 0); };
    std::array<std::uint32_t, kLeast + 1> start{};  // a counting sort
    for (const Child& c : children) ++start[static_cast<std::size_t>(least(c) + 1)];
    for (std::size_t l = 1; l < start.size(); ++l) start[l] += start[l - 1];
    byLeast.resize(children.size());
    for (std::size_t i = 0; i < children.size(); ++i)
        byLeast[start[static_cast<std::size_t>(least(children[i]))]++] = static_cast<std::uint32_t>(i);
    keys.clear();
    std::array<std::uint32_t, kLeast + kCells + 1> nearer{};  // keyed children by nearness
    std::size_t below = 0;                                    // keyed children nearer than `at`
    int at = 0;
    for (const std::uint32_t i : byLeast) {
        Child& c = children[i];
        for (; at < least(c); ++at) below += nearer[static_cast<std::size_t>(at)];
        if (below >= enough) break;
        c.alone = static_cast<std::int16_t>(alone(c));
        const int nearness = least(c) + c.alone;
        ++nearer[static_cast<std::size_t>(nearness)];
        keys.push_back((static_cast<std::uint64_t>(nearness) << 40) | ((c.hash >> 44) << 20) | i);
    }
    const std::size_t sorted = std::min(enough, keys.size());
    const auto end = keys.begin() + static_cast<std::ptrdiff_t>(sorted);
    if (sorted < keys.size()) std::nth_element(keys.begin(), end, keys.end());
    std::sort(keys.begin(), end);
    keys.resize(sorted);
}

}  // namespace quib::practice
