#pragma once
// The solver's inner tools on bitboards, shared by its parts and no one else:
// walking the occupied cells, a position padded so that a window of 64 cells
// around any cell can be cut out without tests, the rings of cells around a
// cell read through such windows, and the jump generator.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "position.h"

namespace quib::practice::bits {

inline int RowOf(int cell) { return (cell - 1) / kColumns; }
inline int ColumnOf(int cell) { return (cell - 1) % kColumns; }
inline int CellOf(int row, int column) { return row * kColumns + column + 1; }
inline bool OnBoard(int row, int column) {
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
}

// Calls f(cell) for every occupied cell, in increasing order.
template <class F>
void ForEachCell(const Position& p, F&& f) {
    for (std::size_t w = 0; w < p.bits.size(); ++w) {
        for (std::uint64_t b = p.bits[w]; b != 0; b &= b - 1)
            f(static_cast<int>(w * 64 + static_cast<unsigned>(std::countr_zero(b))) + 1);
    }
}

// A position padded with a free word on either side: a cell's neighbours lie
// within 22 cells of it in the board's order, and its cells two steps away
// within 44, so one or two 64-bit words cut out of it hold them, and a ring's
// test or count costs a few instructions instead of one per word of the board.
struct Padded {
    std::array<std::uint64_t, 7> w{};
    explicit Padded(const Position& p) {
        for (std::size_t i = 0; i < p.bits.size(); ++i) w[i + 1] = p.bits[i];
    }
    // 64 bits from bit s of the padded position (cell n is bit n + 63).
    std::uint64_t At(int s) const {
        const auto word = static_cast<std::size_t>(s >> 6);
        const unsigned off = static_cast<unsigned>(s) & 63u;
        return off == 0 ? w[word] : (w[word] >> off) | (w[word + 1] << (64 - off));
    }
    void Flip(int cell) {
        const int bit = cell + 63;
        w[static_cast<std::size_t>(bit >> 6)] ^= std::uint64_t{1} << (static_cast<unsigned>(bit) & 63u);
    }
    bool Has(int cell) const {
        const int bit = cell + 63;
        return (w[static_cast<std::size_t>(bit >> 6)] >> (static_cast<unsigned>(bit) & 63u)) & 1u;
    }
};

// The rings around a cell as windows: the neighbours from cell - 22 (bit 0),
// and the cells two steps away, of another (row mod 2, column mod 2) class and
// of the same, from cell - 44 (two words).
inline int NearStart(int cell) { return cell + 63 - 22; }
inline int FarStart(int cell) { return cell + 63 - 44; }
struct Rings {
    std::uint64_t near = 0;
    std::array<std::uint64_t, 2> farOther{}, farSame{};
};
const Rings& RingsOf(int cell);

inline std::uint64_t NearOf(const Padded& p, int cell) { return p.At(NearStart(cell)) & RingsOf(cell).near; }
inline int NearCount(const Padded& p, int cell) { return std::popcount(NearOf(p, cell)); }
// The frogs two steps away.
inline int FarCount(const Padded& p, int cell) {
    const Rings& ring = RingsOf(cell);
    return std::popcount(p.At(FarStart(cell)) & (ring.farOther[0] | ring.farSame[0])) +
           std::popcount(p.At(FarStart(cell) + 64) & (ring.farOther[1] | ring.farSame[1]));
}
// How much company a frog has, in eighths: a neighbour counts fully; a frog
// two steps away counts more when it is of another (row mod 2, column mod 2)
// class, since only such a frog can ever become a neighbour; a frog of the
// same class can only serve as a stone to jump over.
int Company(const Padded& p, int cell);
// Frogs without a neighbour.
int Alone(const Position& p);
// The same after a jump, from the cells around it: q is p after m, and p had
// `before` frogs without a neighbour.
int AloneAfter(const Padded& p, const Padded& q, const Move& m, int before);

// The legal jumps of p, by frog in increasing order, in the direction table's
// order per frog.
void GenerateMoves(const Position& p, std::vector<Move>& moves);

std::uint64_t SplitMix(std::uint64_t& state);

}  // namespace quib::practice::bits
