#pragma once
// Positions proven unsolvable: the search's memory of what failed, kept for
// a level across the player's jumps and the worker's slices. The hash only
// says where an entry lives; every entry is the whole position and is
// compared as such, so a proof of "Lost" resting on the table rests on
// positions checked against the position itself, never on a hash alone.
// Once the table has reached its size, a new entry takes the place of the one
// with the fewest frogs in its bucket (the cheapest to prove again), so a
// search that outgrows the table goes on with most of what it learned.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "position.h"

namespace quib::practice {

class FailedTable {
public:
    // The table grows to at most maxSlots slots of 50 bytes (a power of two
    // at most maxSlots, and at least a bucket).
    explicit FailedTable(std::size_t maxSlots = std::size_t{1} << 20);
    // hash is Hash(p), which the search keeps up to date jump by jump.
    bool Contains(std::uint64_t hash, const Position& p) const;
    // Starts fetching the memory Contains(hash, ...) will read.
    void Prefetch(std::uint64_t hash) const;
    void Insert(std::uint64_t hash, const Position& p);
    // Empties the table and gives its memory back.
    void Clear();

private:
    static constexpr std::size_t kBucket = 4;  // slots a hash may live in, side by side
    std::size_t BucketOf(std::uint64_t key) const { return (key & (slots_.size() / kBucket - 1)) * kBucket; }
    void Put(std::uint64_t key, const Position& p, std::uint16_t frogs);
    // A probe reads a bucket's hashes, packed densely (0 marks a free slot,
    // and a bucket's used slots come first); a position is compared only
    // where its hash matches.
    std::vector<std::uint64_t> hashes_;
    std::vector<Position> slots_;
    std::vector<std::uint16_t> frogs_;
    std::size_t size_ = 0;
    std::size_t maxSlots_;
};

}  // namespace quib::practice
