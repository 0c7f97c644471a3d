#pragma once
// Positions proven unsolvable, by 64-bit hash: the search's memory of what
// failed, kept for a level across the player's jumps and the worker's
// slices. A hash can collide, so such an entry only ever saves work: a
// "Lost" answer never rests on it (see proof.h). Beside them, the whole
// positions the exact proof has found lost, which a proof may rest on.

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "position.h"

namespace quib::practice {

class FailedTable {
public:
    // The table grows to at most maxSlots slots of 8 bytes, half of them used;
    // a full table starts afresh, which costs only the work of finding those
    // failures again.
    explicit FailedTable(std::size_t maxSlots = std::size_t{1} << 22) : maxSlots_(maxSlots) {}
    bool Contains(std::uint64_t hash) const;
    // Starts fetching the memory Contains(hash) will read.
    void Prefetch(std::uint64_t hash) const;
    void Insert(std::uint64_t hash);
    // The exact proof's findings, compared as whole positions.
    void InsertProven(const Position& p);
    bool ProvenLost(const Position& p) const { return proven_.count(p) != 0; }
    // Empties the table and gives its memory back.
    void Clear();

private:
    struct PositionHash {
        std::size_t operator()(const Position& p) const { return static_cast<std::size_t>(Hash(p)); }
    };
    std::unordered_set<Position, PositionHash> proven_;
    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
    std::size_t maxSlots_;
};

}  // namespace quib::practice
