// The failed-position table: open addressing with linear probing by hash,
// whole positions compared. See failed_table.h.

#include "failed_table.h"

namespace quib::practice {

namespace {
bool Free(const Position& slot) {
    return (slot.bits[0] | slot.bits[1] | slot.bits[2] | slot.bits[3] | slot.bits[4]) == 0;
}
// A slot's key: its hash, 0 marking a free slot.
std::uint64_t Key(std::uint64_t hash) { return hash == 0 ? 1 : hash; }
}  // namespace

bool FailedTable::Contains(std::uint64_t hash, const Position& p) const {
    if (slots_.empty()) return false;
    const std::uint64_t key = Key(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = key & mask;; i = (i + 1) & mask) {
        if (hashes_[i] == key && slots_[i] == p) return true;
        if (hashes_[i] == 0) return false;
    }
}

void FailedTable::Prefetch(std::uint64_t hash) const {
    if (slots_.empty()) return;
    __builtin_prefetch(&hashes_[Key(hash) & (slots_.size() - 1)]);
}

void FailedTable::Insert(std::uint64_t hash, const Position& p) {
    if (Free(p)) return;  // no frogs: never a failed position worth keeping
    if ((size_ + 1) * 2 > slots_.size()) {
        if (slots_.size() >= maxSlots_) {
            Clear();
        } else {
            std::vector<Position> old = std::move(slots_);
            std::vector<std::uint64_t> oldHashes = std::move(hashes_);
            const std::size_t slots = old.empty() ? std::size_t{1} << 10 : old.size() * 2;
            slots_.assign(slots, Position{});
            hashes_.assign(slots, 0);
            size_ = 0;
            for (std::size_t i = 0; i < old.size(); ++i)
                if (oldHashes[i] != 0) Put(oldHashes[i], old[i]);
        }
        if (slots_.empty())
            slots_.assign(std::size_t{1} << 10, Position{}), hashes_.assign(std::size_t{1} << 10, 0);
    }
    Put(hash, p);
}

void FailedTable::Put(std::uint64_t hash, const Position& p) {
    const std::uint64_t key = Key(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = key & mask;; i = (i + 1) & mask) {
        if (hashes_[i] == key && slots_[i] == p) return;
        if (hashes_[i] == 0) {
            slots_[i] = p;
            hashes_[i] = key;
            ++size_;
            return;
        }
    }
}

void FailedTable::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    hashes_.clear();
    hashes_.shrink_to_fit();
    size_ = 0;
}

}  // namespace quib::practice
