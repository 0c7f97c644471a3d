// The solver's thread: what it searches first, how long, and how an answer
// reaches the window. See worker.h.

#include "worker.h"

#include <algorithm>

namespace quib::practice {

namespace {

// A slice of search between two looks at what is wanted: short enough that a
// position of higher priority (the board's, after a jump) waits little even
// when the stop flag is missed, long enough to cost nothing to switch.
constexpr auto kSlice = std::chrono::milliseconds(20);
constexpr auto kFirstLook = std::chrono::milliseconds(4);
// Answers kept for a level; beyond it, the undecided and the far ones go.
constexpr std::size_t kMaxEntries = 4096;
constexpr std::size_t kMaxLines = 8;

}  // namespace

SolverWorker::SolverWorker(std::function<void()> wake) : wake_(std::move(wake)) {
    thread_ = std::thread([this] { Loop(); });
}

SolverWorker::~SolverWorker() { Stop(); }

void SolverWorker::Stop() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        stop_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
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
        stop_ = true;
    }
    changed_.notify_all();
}

void SolverWorker::Ask(const Position& board, std::vector<Position> ahead, bool extra) {
    {
        std::lock_guard lock(mutex_);
        // The board changed: the slice under way stops at once, unless it is
        // already searching the board's position.
        if (running_ && !(*running_ == board)) stop_ = true;
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
        stop_ = true;
    }
    changed_.notify_all();
}

std::optional<Answer> SolverWorker::Find(const Position& p) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find(p);
    if (it == entries_.end() || it->second.verdict == Verdict::NotSure) return std::nullopt;
    return Answer{it->second.verdict, it->second.solution};
}

bool SolverWorker::Idle() const {
    std::unique_lock lock(mutex_);
    std::chrono::nanoseconds left{};
    return !running_ && !newLevel_ && const_cast<SolverWorker*>(this)->Pick(left) == nullptr;
}

void SolverWorker::WaitFor(const Position& p, std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit, [&] {
        const auto it = entries_.find(p);
        if (it != entries_.end() && it->second.verdict != Verdict::NotSure) return true;
        std::chrono::nanoseconds left{};
        return !running_ && !newLevel_ && const_cast<SolverWorker*>(this)->Pick(left) == nullptr;
    });
}

SolverWorker::Entry& SolverWorker::EntryFor(const Position& p) {
    Entry& e = entries_[p];
    e.pos = p;
    return e;
}

// Under the lock. The board's position first, then the positions ahead: the
// one with the least time spent, the likelier first among near equals.
SolverWorker::Entry* SolverWorker::Pick(std::chrono::nanoseconds& left) {
    if (resting_ || newLevel_) return nullptr;
    auto undecided = [this](const Position& p) -> Entry* {
        const auto it = entries_.find(p);
        if (it == entries_.end()) return nullptr;  // made when picked
        return it->second.verdict == Verdict::NotSure ? &it->second : nullptr;
    };
    {
        const auto it = entries_.find(board_);
        const auto spent = it == entries_.end() ? std::chrono::nanoseconds{0} : it->second.spent;
        if (it == entries_.end() || it->second.verdict == Verdict::NotSure) {
            if (spent < boardAllowance_ + extra_) {
                left = boardAllowance_ + extra_ - spent;
                return &EntryFor(board_);
            }
        }
    }
    // Each position ahead gets its allowance, but all of them together at
    // most twice the board's: a crowded board has a hundred and more.
    const auto each = std::min<std::chrono::nanoseconds>(
        aheadAllowance_, 2 * boardAllowance_ / static_cast<std::int64_t>(std::max<std::size_t>(1, ahead_.size())));
    Entry* best = nullptr;
    std::chrono::nanoseconds bestKey{};
    for (std::size_t i = 0; i < ahead_.size(); ++i) {
        const Position& p = ahead_[i];
        Entry* e = undecided(p);
        const bool fresh = entries_.find(p) == entries_.end();
        if (!fresh && e == nullptr) continue;  // decided
        const auto spent = fresh ? std::chrono::nanoseconds{0} : e->spent;
        if (spent >= each) continue;
        // Half a millisecond per place in the order of likelihood.
        const auto key = spent + std::chrono::microseconds(500) * static_cast<std::int64_t>(i);
        if (best == nullptr || key < bestKey) {
            best = &EntryFor(p);
            bestKey = key;
            left = each - spent;
        }
    }
    return best;
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

void SolverWorker::Loop() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (newLevel_) {
            if (!keepLevel_) {
                entries_.clear();
                failed_.Clear();
            } else {
                for (auto& [p, e] : entries_) e.search.reset();  // their guide may be another
            }
            lines_ = std::move(*newLevel_);
            newLevel_.reset();
            changed_.notify_all();
        }
        std::chrono::nanoseconds left{};
        Entry* entry = Pick(left);
        if (entry == nullptr) {
            // Nothing left: sleep until asked again.
            changed_.notify_all();
            changed_.wait(lock, [this] {
                std::chrono::nanoseconds unused{};
                return quit_ || newLevel_.has_value() || Pick(unused) != nullptr;
            });
            continue;
        }
        // Searches of positions no longer wanted give their memory back.
        if (asked_) {
            asked_ = false;
            std::unordered_map<Position, bool, PositionHash> wanted;
            wanted[board_] = true;
            for (const Position& p : ahead_) wanted[p] = true;
            for (auto& [p, e] : entries_)
                if (e.search && &e != entry && wanted.count(p) == 0) e.search.reset();
        }
        // Setting a search up counts against the position's time as well.
        const auto setup = std::chrono::steady_clock::now();
        if (!entry->search) entry->search = std::make_unique<Search>(entry->pos, failed_, Guide(lines_));
        Search& search = *entry->search;
        const Position pos = entry->pos;
        running_ = pos;
        stop_ = false;
        // A position ahead is first looked at briefly (most are decided
        // within a few milliseconds), so that every one is looked at soon.
        const auto slice = std::min<std::chrono::nanoseconds>(
            left, pos == board_ ? kSlice : std::clamp<std::chrono::nanoseconds>(entry->spent, kFirstLook, kSlice));
        lock.unlock();

        const auto began = std::chrono::steady_clock::now();
        const Verdict v = search.Run(Budget{INT64_MAX, began + slice, &stop_});
        const auto took = std::chrono::steady_clock::now() - setup;

        lock.lock();
        running_.reset();
        // A new level may have come meanwhile: the entry still stands (only
        // this thread erases entries), but its answer belongs to the old one.
        if (newLevel_ && !keepLevel_) continue;
        Entry& done = entries_.at(pos);
        done.spent += took;
        if (v != Verdict::NotSure) {
            done.verdict = v;
            done.solution = search.solution();
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
}

}  // namespace quib::practice
