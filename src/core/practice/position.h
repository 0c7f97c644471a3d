#pragma once
// A position of the practice solver: the occupied cells of the 21 x 14 board
// as a bitboard, the jumps the game's own rules allow from it, and the hash
// the failed-position table and the known lines use. Plain C++, no Qt.

#include <array>
#include <cstdint>
#include <vector>

#include "../form.h"

namespace quib::practice {

// The occupied cells, bit n - 1 for cell n (1..294).
struct Position {
    std::array<std::uint64_t, 5> bits{};
    bool Has(int cell) const { return (bits[Word(cell)] >> Bit(cell)) & 1u; }
    void Set(int cell) { bits[Word(cell)] |= std::uint64_t{1} << Bit(cell); }
    void Clear(int cell) { bits[Word(cell)] &= ~(std::uint64_t{1} << Bit(cell)); }
    int Count() const;
    std::vector<int> Cells() const;
    bool operator==(const Position&) const = default;

private:
    static std::size_t Word(int cell) { return static_cast<std::size_t>(cell - 1) >> 6; }
    static unsigned Bit(int cell) { return static_cast<unsigned>(cell - 1) & 63u; }
};

Position PositionOf(const std::vector<int>& cells);
// The frogs of the visible board (its frog records).
Position PositionOf(const Board& board);

struct Move {
    int from = 0;
    int over = 0;
    int to = 0;
    bool operator==(const Move&) const = default;
};

// The jumps a frog on a cell may make on an otherwise suitable board, by the
// game's own direction table and row-edge rule: (over, to) per direction.
struct JumpTable {
    std::array<std::array<std::pair<int, int>, 8>, kCells + 1> jumps{};
    std::array<int, kCells + 1> count{};
};
const JumpTable& Jumps();

std::vector<Move> LegalMoves(const Position& p);
Position Apply(Position p, const Move& m);
// The move fits p: its frog and the frog it jumps are there, its landing cell is free.
inline bool Applies(const Position& p, const Move& m) {
    return p.Has(m.from) && p.Has(m.over) && !p.Has(m.to);
}
std::uint64_t Hash(const Position& p);
// What a move changes in the hash: Hash(Apply(p, m)) == Hash(p) ^ MoveHash(m).
std::uint64_t MoveHash(const Move& m);

// The number of king's steps between two cells.
int Chebyshev(int a, int b);

}  // namespace quib::practice
