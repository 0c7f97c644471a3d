#pragma once
// A position of the practice solver: the occupied cells of the 21 x 14 board
// as a bitboard, the jumps the game's own rules allow from it, and the hash
// the failed-position table and the known lines use. Plain C++, no Qt.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "../form.h"

namespace quib::practice {

// A cell's row and column from 0, and back.
constexpr int RowOf(int cell) { return (cell - 1) / kColumns; }
constexpr int ColumnOf(int cell) { return (cell - 1) % kColumns; }
constexpr int CellOf(int row, int column) { return row * kColumns + column + 1; }
constexpr bool OnBoard(int row, int column) {
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
}

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
inline Position Apply(Position p, const Move& m) {
    p.Clear(m.from);
    p.Clear(m.over);
    p.Set(m.to);
    return p;
}
// The move fits p: its frog and the frog it jumps are there, its landing cell is free.
inline bool Applies(const Position& p, const Move& m) {
    return p.Has(m.from) && p.Has(m.over) && !p.Has(m.to);
}
std::uint64_t Hash(const Position& p);
// What a move changes in the hash: Hash(Apply(p, m)) == Hash(p) ^ MoveHash(m).
constexpr std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}
// A random key per cell: a position's hash is the exclusive or of its frogs'.
inline constexpr std::array<std::uint64_t, kCells + 1> kCellKeys = [] {
    std::array<std::uint64_t, kCells + 1> k{};
    std::uint64_t state = 0x51ab1e5eedull;
    for (auto& key : k) key = SplitMix(state);
    return k;
}();
inline std::uint64_t MoveHash(const Move& m) {
    return kCellKeys[static_cast<std::size_t>(m.from)] ^ kCellKeys[static_cast<std::size_t>(m.over)] ^
           kCellKeys[static_cast<std::size_t>(m.to)];
}

// The number of king's steps between two cells.
inline int Chebyshev(int a, int b) {
    const int rows = RowOf(a) - RowOf(b), columns = ColumnOf(a) - ColumnOf(b);
    return std::max(rows < 0 ? -rows : rows, columns < 0 ? -columns : columns);
}

}  // namespace quib::practice
