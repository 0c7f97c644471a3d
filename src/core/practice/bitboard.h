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

// The search's hottest functions count bits all the time. Debian's x86-64
// baseline has no population-count instruction, so those functions are built
// twice, and the processor's own count is used where it has one.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(__SANITIZE_THREAD__)
#define QUIB_COUNTS_BITS __attribute__((target_clones("popcnt", "default")))
#else
#define QUIB_COUNTS_BITS
#endif

namespace quib::practice::bits {

// Calls f(cell) for every occupied cell, in increasing order. Always built
// into its caller, so that it counts bits as its caller does.
template <class F>
[[gnu::always_inline]] inline void ForEachCell(const Position& p, F&& f) {
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
// Built at compile time: the search reads a ring for nearly every frog of
// every position it orders, so the table is a constant the compiler can see.
constexpr std::array<Rings, kCells + 1> MakeRings() {
    std::array<Rings, kCells + 1> all{};
    for (int cell = 1; cell <= kCells; ++cell) {
        const int r = RowOf(cell), c = ColumnOf(cell);
        Rings& ring = all[static_cast<std::size_t>(cell)];
        for (int dr = -2; dr <= 2; ++dr) {
            for (int dc = -2; dc <= 2; ++dc) {
                if ((dr == 0 && dc == 0) || !OnBoard(r + dr, c + dc)) continue;
                const int x = CellOf(r + dr, c + dc);
                const int far = x - cell + 44;
                const std::uint64_t bit = std::uint64_t{1} << (far & 63);
                if (dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1)
                    ring.near |= std::uint64_t{1} << (x - cell + 22);
                else if ((dr | dc) & 1)
                    ring.farOther[static_cast<std::size_t>(far >> 6)] |= bit;
                else
                    ring.farSame[static_cast<std::size_t>(far >> 6)] |= bit;
            }
        }
    }
    return all;
}
inline constexpr std::array<Rings, kCells + 1> kRings = MakeRings();
inline const Rings& RingsOf(int cell) { return kRings[static_cast<std::size_t>(cell)]; }

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
inline int Company(const Padded& p, int cell) {
    const Rings& ring = RingsOf(cell);
    const std::uint64_t lo = p.At(FarStart(cell)), hi = p.At(FarStart(cell) + 64);
    return 8 * NearCount(p, cell) +
           5 * (std::popcount(lo & ring.farOther[0]) + std::popcount(hi & ring.farOther[1])) +
           3 * (std::popcount(lo & ring.farSame[0]) + std::popcount(hi & ring.farSame[1]));
}

// Frogs without a neighbour.
int Alone(const Position& p);
// The same after a jump, from the cells around it: q is p after m, and p had
// `before` frogs without a neighbour; the frogs that jumped had each other.
inline int AloneAfter(const Padded& p, const Padded& q, const Move& m, int before) {
    int n = before + (NearOf(q, m.to) == 0);
    for (std::uint64_t b = NearOf(q, m.from); b != 0; b &= b - 1) {
        const int x = m.from - 22 + std::countr_zero(b);
        n += x != m.to && NearOf(q, x) == 0;
    }
    for (std::uint64_t b = NearOf(q, m.over); b != 0; b &= b - 1) {
        const int x = m.over - 22 + std::countr_zero(b);
        n += x != m.to && Chebyshev(x, m.from) > 1 && NearOf(q, x) == 0;
    }
    for (std::uint64_t b = NearOf(q, m.to); b != 0; b &= b - 1)
        n -= NearOf(p, m.to - 22 + std::countr_zero(b)) == 0;
    return n;
}

// The legal jumps of p, by frog in increasing order, in the direction table's
// order per frog.
void GenerateMoves(const Position& p, std::vector<Move>& moves);
// The legal jumps of p with a cell (from, over or to) among `cells`, in the
// same order; the count is of every jump looked at: those of the frogs within
// two steps of the cells, the only frogs such a jump can start from.
int GenerateMovesTouching(const Position& p, const Position& cells, std::vector<Move>& moves);

}  // namespace quib::practice::bits
