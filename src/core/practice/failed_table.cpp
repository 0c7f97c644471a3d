// The failed-position table: open addressing with linear probing, 0 marking
// a free slot. See failed_table.h.

#include "failed_table.h"

namespace quib::practice {

bool FailedTable::Contains(std::uint64_t hash) const {
    if (slots_.empty()) return false;
    if (hash == 0) hash = 1;  // 0 marks a free slot
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots_[i] == hash) return true;
        if (slots_[i] == 0) return false;
    }
}

void FailedTable::Prefetch(std::uint64_t hash) const {
    if (slots_.empty()) return;
    if (hash == 0) hash = 1;
    __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

void FailedTable::Insert(std::uint64_t hash) {
    if (hash == 0) hash = 1;
    if ((size_ + 1) * 2 > slots_.size()) {
        if (slots_.size() >= maxSlots_) {
            Clear();
        } else {
            std::vector<std::uint64_t> old = std::move(slots_);
            slots_.assign(old.empty() ? std::size_t{1} << 12 : old.size() * 2, 0);
            size_ = 0;
            for (std::uint64_t h : old)
                if (h != 0) Insert(h);
        }
        if (slots_.empty()) slots_.assign(std::size_t{1} << 12, 0);
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots_[i] == hash) return;
        if (slots_[i] == 0) {
            slots_[i] = hash;
            ++size_;
            return;
        }
    }
}

void FailedTable::InsertProven(const Position& p) {
    // Some thousands at most per level: a proof is rare and costs far more.
    if (proven_.size() >= 4096) proven_.clear();
    proven_.insert(p);
    Insert(Hash(p));
}

void FailedTable::Clear() {
    proven_.clear();
    slots_.clear();
    slots_.shrink_to_fit();
    size_ = 0;
}

}  // namespace quib::practice
