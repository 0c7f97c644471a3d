#pragma once
// A beam of the search: from a position it goes down jump by jump, keeping at
// each step the positions nearest the guide's lines (the fewest cells off a
// line's position with as many frogs, and the fewest frogs without a
// neighbour), so that a detour of any length can find its way back, until one
// rejoins a line. Near the end, where its choices no longer look far enough
// ahead, it hands what it kept to the search to be searched in full.

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

private:
    struct Node {
        Position pos;
        std::uint64_t hash = 0;
        std::int32_t parent = 0;                      // in the step before
        Move move;                                    // from there
        int alone = 0;                                // frogs without a neighbour
        std::array<std::int16_t, kLines> distance{};  // to each line (Guide::Distance)
    };
    // A child weighed for the next step, made only if kept.
    struct Child {
        std::uint64_t hash = 0;
        std::int32_t parent = 0;
        Move move;
        std::int16_t alone = 0;  // counted only where it decides (see KeyNearest)
        std::int16_t nearest = -1;  // the least distance to a line, -1 for none
        std::array<std::int16_t, kLines> distance{};
    };
    void Expand(const Guide& guide, std::int64_t& nodes);
    Result EndStep(const Guide& guide, FailedTable& failed, std::int64_t& nodes);
    // Keys at least `enough` children, among them the `enough` nearest.
    void KeyNearest(std::size_t enough);
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

}  // namespace quib::practice
