#pragma once
// The solver's own threads. The window thread tells them the board's
// position and the positions one jump ahead, the selected frog's jumps
// first; they search them, the board's position first, and keep what they
// learn (answers, failed positions) for the level. A second thread thinks
// ahead only, at the lowest priority, so it takes no time the window or any
// other program wants, and the board's own answer never waits for it.
// Thinking ahead is bounded: each of the selected frog's jumps has its
// allowance, and all the other positions ahead together a small budget per
// board; then the threads sleep and give their spare memory back. A new board
// position stops the search under way at once; the window thread picks
// answers up by position, so an answer is never shown for another position.
// Plain C++, no Qt: the window is woken through a callback that posts to its
// event loop.

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "solver.h"

namespace quib::practice {

// Three seconds of processor time per position of the board; a hint asks
// for ten more.
constexpr std::chrono::milliseconds kSearchPerPosition{3000};
constexpr std::chrono::milliseconds kHintSearch{10000};

class SolverWorker {
public:
    // wake is called on one of the worker's threads when the board's
    // position is decided; it must only post to the window's event loop.
    explicit SolverWorker(std::function<void()> wake = {});
    ~SolverWorker();  // stops and joins
    SolverWorker(const SolverWorker&) = delete;
    SolverWorker& operator=(const SolverWorker&) = delete;

    void SetWake(std::function<void()> wake);
    // Search time per position of the board, and per jump of the selected frog.
    void SetAllowance(std::chrono::milliseconds board, std::chrono::milliseconds ahead);
    // A new level or puzzle: what was learned goes unless keep (the same
    // puzzle again); lines are the known solutions, each to the end.
    void BeginLevel(std::vector<std::vector<Move>> lines, bool keep);
    // The known solutions changed: later searches are guided by these, the
    // first lines ranked first.
    void SetLines(const std::vector<std::vector<Move>>& lines);
    // The board's position and the positions after its next jumps, the first
    // `likely` of them after the selected frog's; extra grants the board's
    // position kHintSearch more (a hint asked for).
    void Ask(const Position& board, std::vector<Position> ahead, std::size_t likely = 0, bool extra = false);
    // Nothing to search: the level is not in play.
    void Rest();
    // The answer for exactly this position, once decided.
    std::optional<Answer> Find(const Position& p) const;
    // Nothing left to search: every asked position is decided or out of time.
    bool Idle() const;
    // For tests and benchmarks only (the window never waits): blocks until
    // p is decided or the worker is idle, at most `limit`.
    void WaitFor(const Position& p, std::chrono::milliseconds limit) const;
    void Stop();

private:
    static constexpr std::size_t kLanes = 2;
    struct Entry {
        Verdict verdict = Verdict::NotSure;
        std::vector<Move> solution;
        std::chrono::nanoseconds spent{0};  // processor time, both lanes
        // Searches parked between slices, each on its lane's failed table.
        std::array<std::unique_ptr<Search>, kLanes> parked;
        unsigned running = 0;  // the lanes searching it now, one bit each
        bool Parked() const { return parked[0] || parked[1]; }
        void Unpark() {
            for (auto& search : parked) search.reset();
        }
    };
    struct PositionHash {
        std::size_t operator()(const Position& p) const { return static_cast<std::size_t>(Hash(p)); }
    };
    // A thread of the worker: lane 0 searches the board's position and the
    // positions ahead, lane 1 only those ahead. Each has its own table of
    // failed positions, so neither waits for the other.
    struct Lane {
        explicit Lane(std::size_t maxSlots) : failed(maxSlots) {}
        FailedTable failed;
        std::uint64_t level = 0;          // the level its table belongs to
        std::optional<Position> running;  // the position whose slice is under way
        std::atomic<bool> stop{false};    // the slice under way stops
        std::thread thread;
    };
    // What a lane should search next and for how long at most.
    struct Choice {
        const Position* pos = nullptr;
        std::chrono::nanoseconds left{};
        bool ahead = false;  // counts against the budget for thinking ahead
    };
    void Loop(std::size_t lane);
    // Under the lock, changing nothing.
    Choice Choose(std::size_t lane) const;
    bool Busy() const;         // a lane's slice is under way
    bool NothingLeft() const;  // no slice under way, nothing left to choose
    const Entry* Lookup(const Position& p) const;
    // Under the lock: positions no longer wanted lose their searches, and
    // the undecided ones go.
    void Prune();
    // Under the lock, both lanes asleep: parked searches give their memory
    // back. Returns whether there was any to give.
    bool Release();

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;  // work for a lane, or an answer for a waiter
    bool quit_ = false;
    std::function<void()> wake_;
    std::chrono::nanoseconds boardAllowance_;
    std::chrono::nanoseconds likelyAllowance_;
    std::chrono::nanoseconds extra_{0};
    bool resting_ = true;
    bool asked_ = false;   // the wanted positions changed since they were pruned
    bool trimmed_ = true;  // memory given back since the last search
    Position board_;
    std::vector<Position> ahead_;
    std::size_t likely_ = 0;
    std::chrono::nanoseconds thinkSpent_{0};  // on the other positions ahead, since the board changed
    // The level's knowledge, changed only under the lock.
    std::unordered_map<Position, Entry, PositionHash> entries_;
    std::shared_ptr<const Guide> guide_;  // shared by every search begun with it
    std::optional<std::shared_ptr<const Guide>> newLevel_;
    bool keepLevel_ = false;
    std::uint64_t level_ = 0;  // grows with every level whose knowledge starts afresh
    // Each lane's table may grow to 13 MB; a search that outgrows it keeps
    // the bigger of its proofs.
    std::array<Lane, kLanes> lanes_{{Lane(std::size_t{1} << 18), Lane(std::size_t{1} << 18)}};
};

}  // namespace quib::practice
