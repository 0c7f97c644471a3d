// The failed-position table: open addressing with linear probing by hash,
// whole positions compared. See failed_table.h.

#include "failed_table.h"

namespace quib::practice {

namespace {
bool Free(const Position& slot) {
    return (slot.bits[0] | slot.bits[1] | slot.bits[2] | slot.bits[3] | slot.bits[4]) == 0;
}
}  // namespace

bool FailedTable::Contains(std::uint64_t hash, const Position& p) const {
    if (slots_.empty()) return false;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots_[i] == p) return true;
        if (Free(slots_[i])) return false;
    }
}

void FailedTable::Prefetch(std::uint64_t hash) const {
    if (slots_.empty()) return;
    __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

void FailedTable::Insert(std::uint64_t hash, const Position& p) {
    if (Free(p)) return;  // no frogs: never a failed position worth keeping
    if ((size_ + 1) * 2 > slots_.size()) {
        if (slots_.size() >= maxSlots_) {
            Clear();
        } else {
            std::vector<Position> old = std::move(slots_);
            slots_.assign(old.empty() ? std::size_t{1} << 10 : old.size() * 2, Position{});
            size_ = 0;
            for (const Position& q : old)
                if (!Free(q)) Put(Hash(q), q);
        }
        if (slots_.empty()) slots_.assign(std::size_t{1} << 10, Position{});
    }
    Put(hash, p);
}

void FailedTable::Put(std::uint64_t hash, const Position& p) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots_[i] == p) return;
        if (Free(slots_[i])) {
            slots_[i] = p;
            ++size_;
            return;
        }
    }
}

void FailedTable::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    size_ = 0;
}

}  // namespace quib::practice
