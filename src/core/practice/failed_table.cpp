// The failed-position table: buckets of a few slots found by hash, whole
// positions compared, the fewest frogs giving way when a full table's bucket
// is full. See failed_table.h.

#include "failed_table.h"

#include <algorithm>
#include <bit>

namespace quib::practice {

namespace {
// A slot's key: its hash, 0 marking a free slot.
std::uint64_t Key(std::uint64_t hash) { return hash == 0 ? 1 : hash; }
constexpr std::size_t kFirstSlots = std::size_t{1} << 10;
}  // namespace

FailedTable::FailedTable(std::size_t maxSlots) : maxSlots_(std::bit_floor(std::max(maxSlots, kBucket))) {}

bool FailedTable::Contains(std::uint64_t hash, const Position& p) const {
    if (slots_.empty()) return false;
    const std::uint64_t key = Key(hash);
    const std::size_t first = BucketOf(key);
    for (std::size_t i = first; i < first + kBucket && hashes_[i] != 0; ++i)
        if (hashes_[i] == key && slots_[i] == p) return true;
    return false;
}

void FailedTable::Prefetch(std::uint64_t hash) const {
    if (slots_.empty()) return;
    __builtin_prefetch(&hashes_[BucketOf(Key(hash))]);
}

void FailedTable::Insert(std::uint64_t hash, const Position& p) {
    const int frogs = p.Count();
    if (frogs == 0) return;  // never a failed position worth keeping
    if ((size_ + 1) * 2 > slots_.size() && slots_.size() < maxSlots_) {
        // Half full: twice the size, what is kept moved over.
        std::vector<Position> old = std::move(slots_);
        std::vector<std::uint64_t> oldHashes = std::move(hashes_);
        std::vector<std::uint16_t> oldFrogs = std::move(frogs_);
        const std::size_t slots = std::min(maxSlots_, old.empty() ? kFirstSlots : old.size() * 2);
        slots_.assign(slots, Position{});
        hashes_.assign(slots, 0);
        frogs_.assign(slots, 0);
        size_ = 0;
        for (std::size_t i = 0; i < old.size(); ++i)
            if (oldHashes[i] != 0) Put(oldHashes[i], old[i], oldFrogs[i]);
    }
    Put(Key(hash), p, static_cast<std::uint16_t>(frogs));
}

void FailedTable::Put(std::uint64_t key, const Position& p, std::uint16_t frogs) {
    const std::size_t first = BucketOf(key);
    std::size_t place = first;
    for (std::size_t i = first; i < first + kBucket; ++i) {
        if (hashes_[i] == 0) {
            ++size_;
            place = i;
            break;
        }
        if (hashes_[i] == key && slots_[i] == p) return;
        if (frogs_[i] < frogs_[place]) place = i;
    }
    // A free slot, or the full bucket's entry with the fewest frogs.
    slots_[place] = p;
    hashes_[place] = key;
    frogs_[place] = frogs;
}

void FailedTable::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    hashes_.clear();
    hashes_.shrink_to_fit();
    frogs_.clear();
    frogs_.shrink_to_fit();
    size_ = 0;
}

}  // namespace quib::practice
