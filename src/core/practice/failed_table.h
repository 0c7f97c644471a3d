#pragma once
// Positions proven unsolvable: the search's memory of what failed, kept for
// a level across the player's jumps and the worker's slices. The hash only
// says where an entry lives; every entry is the whole position and is
// compared as such, so a proof of "Lost" resting on the table rests on
// positions checked against the position itself, never on a hash alone.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "position.h"

namespace quib::practice {

class FailedTable {
public:
    // The table grows to at most maxSlots slots of 48 bytes, half of them
    // used; a full table starts afresh, which costs only the work of finding
    // those failures again.
    explicit FailedTable(std::size_t maxSlots = std::size_t{1} << 20) : maxSlots_(maxSlots) {}
    // hash is Hash(p), which the search keeps up to date jump by jump.
    bool Contains(std::uint64_t hash, const Position& p) const;
    // Starts fetching the memory Contains(hash, ...) will read.
    void Prefetch(std::uint64_t hash) const;
    void Insert(std::uint64_t hash, const Position& p);
    // Empties the table and gives its memory back.
    void Clear();

private:
    void Put(std::uint64_t hash, const Position& p);
    // A probe reads the hashes, packed densely (0 marks a free slot); a
    // position is compared only where its hash matches.
    std::vector<std::uint64_t> hashes_;
    std::vector<Position> slots_;
    std::size_t size_ = 0;
    std::size_t maxSlots_;
};

}  // namespace quib::practice
