#pragma once
// The solver's own threads. The window thread tells them the board's
// position and the positions one jump ahead (most likely first); they search
// them on copies, the board's position first, and keep what they learn
// (answers, failed positions) for the level. A second thread thinks ahead
// only, at the lowest priority, so it takes no time the window or any other
// program wants. A new board position stops the search under way at once;
// the window thread picks answers up by position, so an answer is never
// shown for another position. When nothing is left to decide, or every
// position has spent its allowance, the threads sleep. Plain C++, no Qt: the
// window is woken through a callback that posts to its event loop.

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

class SolverWorker {
public:
    // wake is called on one of the worker's threads when the board's
    // position is decided; it must only post to the window's event loop.
    explicit SolverWorker(std::function<void()> wake = {});
    ~SolverWorker();  // stops and joins
    SolverWorker(const SolverWorker&) = delete;
    SolverWorker& operator=(const SolverWorker&) = delete;

    void SetWake(std::function<void()> wake);
    // Search time per position of the board, and per position one jump ahead.
    void SetAllowance(std::chrono::milliseconds board, std::chrono::milliseconds ahead);
    // A new level or puzzle: what was learned goes unless keep (the same
    // puzzle again); lines are the known solutions, each to the end.
    void BeginLevel(std::vector<std::vector<Move>> lines, bool keep);
    // The board's position and the positions after its next jumps; extra
    // grants the board's position one more allowance (a hint asked for).
    void Ask(const Position& board, std::vector<Position> ahead, bool extra = false);
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
    struct Entry {
        Position pos;
        Verdict verdict = Verdict::NotSure;
        std::vector<Move> solution;
        std::chrono::nanoseconds spent{0};
        std::unique_ptr<Search> search;  // on the failed table of lane `lane`
        std::size_t lane = 0;
        bool busy = false;  // a lane is searching it (its search taken out)
    };
    struct PositionHash {
        std::size_t operator()(const Position& p) const { return static_cast<std::size_t>(Hash(p)); }
    };
    // A thread of the worker: lane 0 searches the board's position and the
    // positions ahead, lane 1 only those ahead. Each has its own table of
    // failed positions, so neither waits for the other.
    struct Lane {
        FailedTable failed;
        std::uint64_t level = 0;          // the level its table belongs to
        std::optional<Position> running;  // the position whose slice is under way
        std::atomic<bool> stop{false};    // the slice under way stops
        std::thread thread;
    };
    static constexpr std::size_t kLanes = 2;
    void Loop(std::size_t lane);
    // The next position for the lane to search and its time left, or nullptr.
    Entry* Pick(std::chrono::nanoseconds& left, std::size_t lane);
    bool Busy() const;                           // a lane's slice is under way
    bool NothingLeft() const;                    // no slice under way, nothing left to pick
    std::chrono::nanoseconds AheadEach() const;  // the time for each position ahead
    Entry& EntryFor(const Position& p);
    void Prune();

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;  // work for a lane, or an answer for a waiter
    bool quit_ = false;
    std::function<void()> wake_;
    std::chrono::nanoseconds boardAllowance_ = std::chrono::seconds(10);
    std::chrono::nanoseconds aheadAllowance_ = std::chrono::milliseconds(1000);
    std::chrono::nanoseconds extra_{0};
    bool resting_ = true;
    bool asked_ = false;  // the wanted positions changed since lane 0 looked
    Position board_;
    std::vector<Position> ahead_;
    // The level's knowledge, changed only under the lock.
    std::unordered_map<Position, Entry, PositionHash> entries_;
    std::vector<std::vector<Move>> lines_;
    std::optional<std::vector<std::vector<Move>>> newLevel_;
    bool keepLevel_ = false;
    std::uint64_t level_ = 0;  // grows with every level whose knowledge starts afresh
    std::array<Lane, kLanes> lanes_;
};

}  // namespace quib::practice
