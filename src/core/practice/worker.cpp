// The solver's thread: what it searches first, how long, and how an answer
// reaches the window. See worker.h.

#include "worker.h"

#include <algorithm>
#include <ctime>

#ifdef __linux__
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
// Answers kept for a level; beyond it, the undecided and the far ones go.
constexpr std::size_t kMaxEntries = 4096;
// Solutions found for the level guide later searches: after the next jumps,
// one position's solution, replayed, most often solves its neighbours.
constexpr std::size_t kMaxLines = 16;

// The processor time the calling thread has used.
std::chrono::nanoseconds ThreadTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

}  // namespace

SolverWorker::SolverWorker(std::function<void()> wake) : wake_(std::move(wake)) {
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
    aheadAllowance_ = ahead;
}

void SolverWorker::BeginLevel(std::vector<std::vector<Move>> lines, bool keep) {
    {
        std::lock_guard lock(mutex_);
        newLevel_ = std::move(lines);
        keepLevel_ = keep;
        resting_ = true;
        ahead_.clear();
        for (Lane& lane : lanes_) lane.stop = true;
    }
    changed_.notify_all();
}

void SolverWorker::Ask(const Position& board, std::vector<Position> ahead, bool extra) {
    {
        std::lock_guard lock(mutex_);
        // The board changed: lane 0's slice under way stops at once, unless
        // it is already searching the board's position; lane 1's stops if it
        // is, for lane 0 to take the position over.
        Lane& main = lanes_[0];
        if (main.running && !(*main.running == board)) main.stop = true;
        if (lanes_[1].running && *lanes_[1].running == board) lanes_[1].stop = true;
        if (resting_ || !(board_ == board)) extra_ = std::chrono::nanoseconds{0};
        if (extra) extra_ += boardAllowance_;
        resting_ = false;
        board_ = board;
        ahead_ = std::move(ahead);
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
    }
    changed_.notify_all();
}

std::optional<Answer> SolverWorker::Find(const Position& p) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(p);
    if (it == entries_.end() || it->second.verdict == Verdict::NotSure) return std::nullopt;
    return Answer{it->second.verdict, it->second.solution};
}

bool SolverWorker::Busy() const {
    return std::any_of(lanes_.begin(), lanes_.end(),
                       [](const Lane& lane) { return lane.running.has_value(); });
}

// Under the lock: no slice under way and nothing left for either lane.
bool SolverWorker::NothingLeft() const {
    auto* self = const_cast<SolverWorker*>(this);
    std::chrono::nanoseconds left{};
    return !Busy() && !newLevel_ && self->Pick(left, 0) == nullptr && self->Pick(left, 1) == nullptr;
}

bool SolverWorker::Idle() const {
    std::unique_lock lock(mutex_);
    return NothingLeft();
}

void SolverWorker::WaitFor(const Position& p, std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit, [&] {
        const auto it = entries_.find(p);
        return (it != entries_.end() && it->second.verdict != Verdict::NotSure) || NothingLeft();
    });
}

SolverWorker::Entry& SolverWorker::EntryFor(const Position& p) {
    Entry& e = entries_[p];
    e.pos = p;
    return e;
}

// Under the lock. Each position ahead gets its allowance, but all of them
// together at most twice the board's: a crowded board has a hundred and more.
std::chrono::nanoseconds SolverWorker::AheadEach() const {
    return std::min<std::chrono::nanoseconds>(
        aheadAllowance_,
        2 * boardAllowance_ / static_cast<std::int64_t>(std::max<std::size_t>(1, ahead_.size())));
}

// Under the lock. The board's position first (lane 0 only), then the
// positions ahead: the one with the least time spent, the likelier first
// among near equals. A position one lane is searching, or whose search
// stands on the other lane's table, is the other lane's.
SolverWorker::Entry* SolverWorker::Pick(std::chrono::nanoseconds& left, std::size_t lane) {
    if (resting_ || newLevel_) return nullptr;
    if (lane == 0) {
        const auto it = entries_.find(board_);
        const auto spent = it == entries_.end() ? std::chrono::nanoseconds{0} : it->second.spent;
        if (it == entries_.end() || (it->second.verdict == Verdict::NotSure && !it->second.busy)) {
            if (spent < boardAllowance_ + extra_) {
                left = boardAllowance_ + extra_ - spent;
                Entry& e = EntryFor(board_);
                if (e.search && e.lane != lane) e.search.reset();  // begun ahead by lane 1
                return &e;
            }
        }
    }
    const auto each = AheadEach();
    // First the positions no other lane has begun; then, with nothing else
    // left, those begun on the other lane's table and not under way there
    // (searched afresh), so that a lane starved of the processor holds none
    // up for good.
    for (const bool takeOver : {false, true}) {
        const Position* bestPos = nullptr;
        std::chrono::nanoseconds bestKey{};
        for (std::size_t i = 0; i < ahead_.size(); ++i) {
            const Position& p = ahead_[i];
            if (lane != 0 && p == board_) continue;
            const auto it = entries_.find(p);
            const Entry* e = it == entries_.end() ? nullptr : &it->second;
            if (e != nullptr && (e->verdict != Verdict::NotSure || e->busy)) continue;
            if (e != nullptr && e->search && e->lane != lane && !takeOver) continue;
            const auto spent = e == nullptr ? std::chrono::nanoseconds{0} : e->spent;
            if (spent >= each) continue;
            // Half a millisecond per place in the order of likelihood.
            const auto key = spent + std::chrono::microseconds(500) * static_cast<std::int64_t>(i);
            if (bestPos == nullptr || key < bestKey) {
                bestPos = &p;
                bestKey = key;
                left = each - spent;
            }
        }
        if (bestPos == nullptr) continue;
        Entry& e = EntryFor(*bestPos);
        if (e.search && e.lane != lane) e.search.reset();
        return &e;
    }
    return nullptr;
}

// Under the lock: bounds the memory a long level takes.
void SolverWorker::Prune() {
    if (entries_.size() <= kMaxEntries) return;
    for (auto it = entries_.begin(); it != entries_.end();) {
        const bool wanted =
            it->first == board_ || std::find(ahead_.begin(), ahead_.end(), it->first) != ahead_.end();
        it = wanted ? std::next(it) : entries_.erase(it);
    }
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
                for (auto& [p, e] : entries_) e.search.reset();  // their guide may be another
            }
            lines_ = std::move(*newLevel_);
            newLevel_.reset();
            changed_.notify_all();
        }
        // A level whose knowledge starts afresh: this lane's table too.
        if (lane.level != level_) {
            lane.failed.Clear();
            lane.level = level_;
        }
        std::chrono::nanoseconds left{};
        Entry* entry = Pick(left, laneIndex);
        if (entry == nullptr) {
            // Nothing left: sleep until asked again.
            changed_.notify_all();
            changed_.wait(lock, [this, laneIndex] {
                std::chrono::nanoseconds unused{};
                return quit_ || newLevel_.has_value() || Pick(unused, laneIndex) != nullptr;
            });
            continue;
        }
        // Searches of positions no longer wanted give their memory back.
        if (asked_ && laneIndex == 0) {
            asked_ = false;
            std::unordered_map<Position, bool, PositionHash> wanted;
            wanted[board_] = true;
            for (const Position& p : ahead_) wanted[p] = true;
            for (auto& [p, e] : entries_)
                if (e.search && &e != entry && wanted.count(p) == 0) e.search.reset();
        }
        // Setting a search up counts against the position's time as well.
        // Lane 1's time is its processor time: at idle priority it may wait
        // long for a core, which is no search.
        const auto setup =
            laneIndex == 0 ? std::chrono::steady_clock::now().time_since_epoch() : ThreadTime();
        if (!entry->search) {
            entry->search =
                std::make_unique<Search>(entry->pos, lane.failed, std::make_shared<const Guide>(lines_));
            entry->lane = laneIndex;
        }
        // The search is this lane's while it runs: the entry may go meanwhile.
        std::unique_ptr<Search> search = std::move(entry->search);
        entry->busy = true;
        const Position pos = entry->pos;
        const std::uint64_t level = level_;
        lane.running = pos;
        lane.stop = false;
        // A position ahead is first looked at briefly (most are decided
        // within a few milliseconds), so that every one is looked at soon.
        const auto slice = std::min<std::chrono::nanoseconds>(
            left, pos == board_ && laneIndex == 0
                      ? kSlice
                      : std::clamp<std::chrono::nanoseconds>(entry->spent, kFirstLook, kSlice));
        lock.unlock();

        const auto began = std::chrono::steady_clock::now();
        const Verdict v = search->Run(Budget{INT64_MAX, began + slice, &lane.stop});
        const auto took =
            (laneIndex == 0 ? std::chrono::steady_clock::now().time_since_epoch() : ThreadTime()) - setup;

        lock.lock();
        lane.running.reset();
        changed_.notify_all();  // a new level may wait for this slice
        const auto it = entries_.find(pos);
        // A new level may have come meanwhile: the answer belongs to the old one.
        if (level != level_ || it == entries_.end()) continue;
        Entry& done = it->second;
        done.busy = false;
        done.spent += took;
        if (v == Verdict::NotSure) {
            // A search is kept to go on with; one ahead that has had its
            // time gives its memory back (a beam may hold some megabytes).
            if (!done.search && (pos == board_ || done.spent < AheadEach())) done.search = std::move(search);
            continue;
        }
        done.verdict = v;
        done.solution = search->solution();
        done.search.reset();
        if (v == Verdict::Solvable && !done.solution.empty()) {
            // A found line guides later searches; the stored one stays first.
            if (lines_.size() >= kMaxLines) lines_.erase(lines_.begin() + 1);
            lines_.push_back(done.solution);
        }
        Prune();
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
