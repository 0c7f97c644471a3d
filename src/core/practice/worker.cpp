// The solver's threads: what they search first, how long, and how an answer
// reaches the window. See worker.h.

#include "worker.h"

#include <algorithm>
#include <ctime>

#ifdef __linux__
#include <malloc.h>
#include <pthread.h>
#include <sched.h>
#endif

namespace quib::practice {

namespace {

// A slice of search between two looks at what is wanted: short enough that a
// position of higher priority (the board's, after a jump) waits little even
// when the stop flag is missed, long enough to cost nothing to switch.
constexpr auto kSlice = std::chrono::milliseconds(20);
constexpr auto kFirstLook = std::chrono::milliseconds(4);
// The positions ahead other than the selected frog's jumps: each is looked at
// for at most kAheadEach, and all of them together for kThinkAhead per board
// position. Most are decided within a few milliseconds; the answer after a
// jump not thought out comes from the direct search, nearly always at once.
constexpr auto kAheadEach = std::chrono::milliseconds(20);
constexpr auto kThinkAhead = std::chrono::milliseconds(150);
// Answers kept for a level; beyond it, the far ones go.
constexpr std::size_t kMaxEntries = 2048;

// The processor time the calling thread has used.
std::chrono::nanoseconds ThreadTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

}  // namespace

SolverWorker::SolverWorker(std::function<void()> wake)
    : wake_(std::move(wake)), boardAllowance_(kSearchPerPosition), likelyAllowance_(kSearchPerPosition / 6) {
#ifdef __linux__
    // The searches' big blocks (the failed tables, a wide beam's steps) are
    // mapped and unmapped on their own, so that freeing one gives it back to
    // the system at once: by default the allocator raises this threshold
    // after the first such block is freed, and later ones stay in its heaps.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    for (std::size_t lane = 0; lane < kLanes; ++lane)
        lanes_[lane].thread = std::thread([this, lane] { Loop(lane); });
#ifdef __linux__
    // The thread that only thinks ahead runs when nothing else wants the
    // processor: the window's ticks never wait for it.
    const sched_param idle{};
    pthread_setschedparam(lanes_[1].thread.native_handle(), SCHED_IDLE, &idle);
#endif
}

SolverWorker::~SolverWorker() { Stop(); }

void SolverWorker::Stop() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        for (Lane& lane : lanes_) lane.stop = true;
    }
    changed_.notify_all();
    for (Lane& lane : lanes_)
        if (lane.thread.joinable()) lane.thread.join();
}

void SolverWorker::SetWake(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
}

void SolverWorker::SetAllowance(std::chrono::milliseconds board, std::chrono::milliseconds ahead) {
    std::lock_guard lock(mutex_);
    boardAllowance_ = board;
    likelyAllowance_ = ahead;
}

void SolverWorker::BeginLevel(std::vector<std::vector<Move>> lines, bool keep) {
    auto guide = std::make_shared<const Guide>(lines);  // built before the lock is taken
    {
        std::lock_guard lock(mutex_);
        newLevel_ = std::move(guide);
        keepLevel_ = keep;
        resting_ = true;
        ahead_.clear();
        for (Lane& lane : lanes_) lane.stop = true;
    }
    changed_.notify_all();
}

void SolverWorker::SetLines(const std::vector<std::vector<Move>>& lines) {
    auto guide = std::make_shared<const Guide>(lines);
    std::lock_guard lock(mutex_);
    // The searches under way keep theirs; those begun from now on share this.
    guide_ = std::move(guide);
}

void SolverWorker::Ask(const Position& board, std::vector<Position> ahead, std::size_t likely, bool extra) {
    {
        std::lock_guard lock(mutex_);
        const bool moved = resting_ || !(board_ == board);
        // The board changed: lane 0's slice under way stops at once, unless
        // it is already searching the board's position; lane 1's stops if it
        // is, and lane 0 searches the position at once on its own.
        Lane& main = lanes_[0];
        if (main.running && !(*main.running == board)) main.stop = true;
        if (moved) extra_ = std::chrono::nanoseconds{0}, thinkSpent_ = std::chrono::nanoseconds{0};
        if (extra) extra_ += kHintSearch;
        resting_ = false;
        board_ = board;
        ahead_ = std::move(ahead);
        likely_ = std::min(likely, ahead_.size());
        asked_ = true;
    }
    changed_.notify_all();
}

void SolverWorker::Rest() {
    {
        std::lock_guard lock(mutex_);
        resting_ = true;
        ahead_.clear();
        for (Lane& lane : lanes_) lane.stop = true;
        trimmed_ = false;  // a lane wakes to hand the memory back
        asked_ = true;
    }
    changed_.notify_all();
}

const SolverWorker::Entry* SolverWorker::Lookup(const Position& p) const {
    const auto it = entries_.find(p);
    return it == entries_.end() ? nullptr : &it->second;
}

std::optional<Answer> SolverWorker::Find(const Position& p) const {
    std::lock_guard lock(mutex_);
    const Entry* e = Lookup(p);
    if (e == nullptr || e->verdict == Verdict::NotSure) return std::nullopt;
    return Answer{e->verdict, e->solution};
}

bool SolverWorker::Busy() const {
    return std::any_of(lanes_.begin(), lanes_.end(),
                       [](const Lane& lane) { return lane.running.has_value(); });
}

bool SolverWorker::NothingLeft() const {
    return !Busy() && !newLevel_ && Choose(0).pos == nullptr && Choose(1).pos == nullptr;
}

bool SolverWorker::Idle() const {
    std::lock_guard lock(mutex_);
    return NothingLeft();
}

void SolverWorker::WaitFor(const Position& p, std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit, [&] {
        const Entry* e = Lookup(p);
        return (e != nullptr && e->verdict != Verdict::NotSure) || NothingLeft();
    });
}

// The board's position first: lane 0 at once, whatever lane 1 does, so that
// its answer never waits for the idle lane; lane 1 only when it has a search
// of it parked from before the jump, which it goes on with beside lane 0's
// (the first to decide answers). Then the selected frog's jumps, each
// within its allowance, then the other positions ahead within the budget for
// thinking ahead: the one with the least time spent, the likelier first
// among near equals. A position a lane is searching, or whose search is
// parked on its table, is that lane's; only lane 0 takes one of the selected
// frog's jumps over from lane 1 (afresh), and only when it has nothing else.
SolverWorker::Choice SolverWorker::Choose(std::size_t lane) const {
    if (resting_ || newLevel_) return {};
    {
        const Entry* e = Lookup(board_);
        const auto spent = e == nullptr ? std::chrono::nanoseconds{0} : e->spent;
        const bool open =
            e == nullptr || (e->verdict == Verdict::NotSure && (e->running & (1u << lane)) == 0);
        const bool mine = lane == 0 || (e != nullptr && e->parked[lane]);
        if (open && mine && spent < boardAllowance_ + extra_)
            return {&board_, boardAllowance_ + extra_ - spent, false};
    }
    const bool budgetLeft = thinkSpent_ < kThinkAhead;
    for (const bool takeOver : {false, true}) {
        if (takeOver && lane != 0) break;
        Choice best;
        std::chrono::nanoseconds bestKey{};
        for (std::size_t i = 0; i < ahead_.size(); ++i) {
            const bool likely = i < likely_;
            if (!likely && !budgetLeft) break;
            const Position& p = ahead_[i];
            if (p == board_) continue;
            const Entry* e = Lookup(p);
            if (e != nullptr && (e->verdict != Verdict::NotSure || e->running != 0)) continue;
            if (e != nullptr && !e->parked[lane] && e->Parked() && !(takeOver && likely)) continue;
            const auto spent = e == nullptr ? std::chrono::nanoseconds{0} : e->spent;
            const auto cap = likely ? likelyAllowance_ : std::chrono::nanoseconds(kAheadEach);
            if (spent >= cap) continue;
            // The selected frog's jumps before any other: each first looked
            // at briefly, then the one nearest its allowance first, so that
            // in the moment before the jump hard ones are finished one by
            // one rather than all left half done. Then the others, half a
            // millisecond per place in the order of likelihood.
            const auto near = spent < kFirstLook ? spent : kFirstLook + (cap - spent);
            const auto key = likely ? near
                                    : std::chrono::hours(1) + spent +
                                          std::chrono::microseconds(500) * static_cast<std::int64_t>(i);
            if (best.pos == nullptr || key < bestKey) {
                best = {&p, cap - spent, !likely};
                bestKey = key;
            }
        }
        if (best.pos != nullptr) return best;
    }
    return {};
}

void SolverWorker::Prune() {
    std::unordered_map<Position, bool, PositionHash> wanted;
    wanted[board_] = true;
    for (const Position& p : ahead_) wanted[p] = true;
    const bool crowded = entries_.size() > kMaxEntries;
    for (auto it = entries_.begin(); it != entries_.end();) {
        Entry& e = it->second;
        if (wanted.count(it->first) != 0 || e.running != 0) {
            ++it;
        } else if (e.verdict == Verdict::NotSure || crowded) {
            it = entries_.erase(it);  // an unsure one would only be searched afresh
        } else {
            e.Unpark();
            ++it;
        }
    }
}

bool SolverWorker::Release() {
    bool any = false;
    for (auto& [p, e] : entries_) {
        if (!e.Parked() || e.running != 0) continue;
        e.Unpark();
        any = true;
    }
    return any;
}

void SolverWorker::Loop(std::size_t laneIndex) {
    Lane& lane = lanes_[laneIndex];
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (newLevel_) {
            // Lane 0 takes a new level up once no slice is under way; lane 1
            // waits until it has.
            if (laneIndex != 0) {
                changed_.notify_all();
                changed_.wait(lock, [this] { return quit_ || !newLevel_; });
                continue;
            }
            if (Busy()) {
                changed_.wait(lock, [this] { return quit_ || !Busy(); });
                continue;
            }
            if (!keepLevel_) {
                entries_.clear();
                ++level_;
            } else {
                for (auto& [p, e] : entries_) e.Unpark();  // their guide may be another
            }
            guide_ = std::move(*newLevel_);
            newLevel_.reset();
            changed_.notify_all();
        }
        // A level whose knowledge starts afresh: this lane's table too.
        if (lane.level != level_) {
            lane.failed.Clear();
            lane.level = level_;
        }
        if (asked_) {
            asked_ = false;
            Prune();
        }
        const Choice choice = Choose(laneIndex);
        if (choice.pos == nullptr) {
            // Nothing left: the last lane to fall asleep gives the memory
            // of parked searches and the allocator's spare pages back.
            changed_.notify_all();
            if (!Busy() && !trimmed_) {
                trimmed_ = true;
                Release();
                // Out of play, the tables go too: no search runs on them now.
                if (resting_)
                    for (Lane& l : lanes_) l.failed.Clear();
                lock.unlock();
#ifdef __linux__
                malloc_trim(0);
#endif
                lock.lock();
                continue;
            }
            changed_.wait(lock, [this, laneIndex] {
                return quit_ || newLevel_.has_value() || asked_ || Choose(laneIndex).pos != nullptr;
            });
            continue;
        }
        trimmed_ = false;
        const Position pos = *choice.pos;
        Entry& entry = entries_[pos];
        // A search parked on the other lane's table stays there; this lane
        // goes on with its own or begins afresh.
        std::unique_ptr<Search>& parked = entry.parked[laneIndex];
        if (!parked) parked = std::make_unique<Search>(pos, lane.failed, guide_);
        // The search is this lane's while it runs: the entry may go meanwhile.
        std::unique_ptr<Search> search = std::move(parked);
        entry.running |= 1u << laneIndex;
        const std::uint64_t level = level_;
        lane.running = pos;
        lane.stop = false;
        // A position ahead is first looked at briefly (most are decided
        // within a few milliseconds), so that every one is looked at soon.
        const bool board = pos == board_ && laneIndex == 0;
        const auto slice = std::min<std::chrono::nanoseconds>(
            choice.left,
            board ? kSlice : std::clamp<std::chrono::nanoseconds>(entry.spent, kFirstLook, kSlice));
        lock.unlock();

        const auto began = ThreadTime();
        const Verdict v =
            search->Run(Budget{INT64_MAX, std::chrono::steady_clock::now() + slice, &lane.stop});
        const auto took = ThreadTime() - began;

        lock.lock();
        lane.running.reset();
        changed_.notify_all();  // a new level may wait for this slice
        if (choice.ahead && level == level_) thinkSpent_ += took;
        const auto it = entries_.find(pos);
        // A new level may have come meanwhile: the answer belongs to the old one.
        if (level != level_ || it == entries_.end()) continue;
        Entry& done = it->second;
        done.running &= ~(1u << laneIndex);
        done.spent += took;
        if (v == Verdict::NotSure) {
            // The search is kept to go on with, unless the other lane has
            // decided the position meanwhile.
            if (done.verdict == Verdict::NotSure && !done.parked[laneIndex])
                done.parked[laneIndex] = std::move(search);
            continue;
        }
        if (done.verdict == Verdict::NotSure) {
            done.verdict = v;
            done.solution = search->solution();
        }
        done.Unpark();
        // The other lane, if it searches the same position, has no more to do.
        for (Lane& other : lanes_)
            if (&other != &lane && other.running && *other.running == pos) other.stop = true;
        changed_.notify_all();
        if (pos == board_ && !resting_ && wake_) {
            const auto wake = wake_;
            lock.unlock();
            wake();
            lock.lock();
        }
    }
}

}  // namespace quib::practice
