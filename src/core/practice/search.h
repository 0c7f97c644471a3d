#pragma once
// One search from a position; Run continues where the last Run stopped, and
// another thread can stop it. It goes through phases in turn. With a guide:
// a few thousand nodes with the guide's jumps before every other jump, then
// each line replayed from near the position's frog count skipping the jumps
// that no longer fit, with a short search of what is left. Then beams (see
// beam.h) and restarts take turns. A restart uses the plain ordering (the
// guide's jumps first within each tier) on the Luby schedule, each after the
// first breaking ties within a tier at random. All share the failed table.
// "Lost" is said in one place, Conclude, and only when an arm rooted at the
// start itself fails: a proof whose every step is a position with no jump, a
// stranded group or a failed-table entry, each checked on the whole position.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "beam.h"
#include "failed_table.h"
#include "guide.h"
#include "ordering.h"

namespace quib::practice {

enum class Verdict { NotSure, Solvable, Lost };

struct Budget {
    std::int64_t nodes = INT64_MAX;
    std::optional<std::chrono::steady_clock::time_point> deadline;
    // Set by another thread to stop the search at once (within some dozens
    // of nodes); the search then stays undecided and can be run again.
    const std::atomic<bool>* stop = nullptr;
};

class Search {
public:
    // The guide must outlive the search; the worker shares its guide instead.
    Search(const Position& start, FailedTable& failed, const Guide& guide = Guide::None());
    Search(const Position& start, FailedTable& failed, const Guide&& guide) = delete;
    Search(const Position& start, FailedTable& failed, std::shared_ptr<const Guide> guide);
    Verdict Run(const Budget& budget);
    Verdict verdict() const { return verdict_; }
    // The jumps from the start to one frog, once the verdict is Solvable.
    const std::vector<Move>& solution() const { return solution_; }
    std::int64_t nodes() const { return nodes_; }
    // Where the nodes went, for the benchmark: per phase, in the order of
    // Phase below, the arm under way included.
    enum class Phase { GuideFirst, Replay, Finish, Beam, Restart };
    static constexpr std::size_t kPhases = 5;
    std::array<std::int64_t, kPhases> PhaseNodes() const;

private:
    enum class Outcome { Solved, Failed, Unknown, Pushed };
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
    // The phase under way: a depth-first search from root (the start, or
    // what a replay or a beam left) with the jumps from the start to it, its
    // budget and its ordering; or a beam.
    struct Arm {
        Phase phase = Phase::Restart;
        bool live = false;
        Position root;
        std::vector<Move> prefix;
        std::int64_t budget = 0;
        bool guideFirst = false;
        std::uint64_t noise = 0;  // 0: no random tie-breaking
        std::int64_t startNodes = 0;
    };

    // The verdict's only writers: a solution must replay from the start by
    // the rules, and "Lost" needs the failure of an arm rooted at the start.
    void Solved(std::vector<Move> solution);
    void Conclude(const Arm& failed);
    // Sets up the next phase's arm.
    void StartArm();
    void StartReplay(std::size_t replay);
    Outcome Enter(const Position& pos, std::uint64_t hash, std::int64_t budget);
    void Deliver(Outcome outcome);
    // One node of the depth-first search under way.
    void DepthFirstStep();

    Position start_;
    FailedTable& failed_;
    std::shared_ptr<const Guide> guide_;  // not owned when given by reference
    Verdict verdict_ = Verdict::NotSure;
    std::vector<Move> solution_;
    std::int64_t nodes_ = 0;

    // The depth-first search: frames are reused and never move.
    std::vector<Frame> stack_;
    std::size_t depth_ = 0;  // frames in use
    OrderScratch order_;
    std::vector<Move> tail_;  // the repair test's
    Arm arm_;

    // The schedule of phases.
    bool guideTried_ = false;
    std::size_t replay_ = 0;  // the next replay: line * offsets + jumps back
    std::vector<std::pair<Position, std::vector<Move>>> finish_;  // what the last beam left
    std::size_t finishAt_ = 0;
    std::size_t nextBeamWidth_ = 0;
    std::int64_t beamNodes_ = 0, restartNodes_ = 0;  // beams and restarts take turns by these
    int restarts_ = 0;
    std::array<std::int64_t, kPhases> phaseNodes_{};
    Beam beam_;
};

}  // namespace quib::practice
