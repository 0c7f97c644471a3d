// Positions, their hashes and jumps, and the rings of cells around a cell:
// the solver's view of the board. See position.h and bitboard.h.

#include "bitboard.h"

#include <algorithm>
#include <cstdlib>

#include "../board/board.h"

namespace quib::practice {

using namespace bits;

namespace {

// The jumps by bitboards, built from the game's own direction table and
// row-edge rule, so the solver's jumps are the board's: per direction, the
// cells whose frog may jump that way (row edge and board edge allowing).
struct DirectionMasks {
    std::array<int, 8> over{}, to{};  // offsets
    std::array<Position, 8> from;     // where a jump this way may start
    // The same per cell, for a board of few frogs: the neighbours a frog
    // there may jump, as bits of its neighbours' window (NearOf), and the
    // direction of each bit.
    std::array<std::uint64_t, kCells + 1> jumpable{};
    std::array<std::uint8_t, 64> direction{};
};
const DirectionMasks& DirectionMasksOf() {
    static const DirectionMasks masks = [] {
        DirectionMasks d;
        const auto table = board::DirectionTable(kColumns);
        for (std::size_t r = 0; r < table.size(); ++r) {
            d.over[r] = table[r].neighbourOffset;
            d.to[r] = table[r].jumpOffset;
            for (int f = 1; f <= kCells; ++f) {
                const int over = f + table[r].neighbourOffset, to = f + table[r].jumpOffset;
                if (over < 1 || over > kCells || to < 1 || to > kCells) continue;
                if (board::RowEdgeRefuses(table[r].direction, f, kColumns)) continue;
                d.from[r].Set(f);
                d.jumpable[static_cast<std::size_t>(f)] |= std::uint64_t{1}
                                                           << (table[r].neighbourOffset + 22);
            }
            d.direction[static_cast<std::size_t>(table[r].neighbourOffset + 22)] =
                static_cast<std::uint8_t>(r);
        }
        return d;
    }();
    return masks;
}

// Up to this many frogs, jumps are found frog by frog: cheaper than all
// frogs at once, which costs the same however few there are.
constexpr int kFewFrogs = 24;

// The five words of the board seen from offset cells further on: bit b of
// word w is then the cell offset cells after cell 64 w + b + 1.
void Shifted(const Padded& pp, int offset, std::array<std::uint64_t, 5>& out) {
    const int first = 64 + offset;  // the padded bit of cell 1 + offset
    const auto word = static_cast<std::size_t>(first >> 6);
    const unsigned off = static_cast<unsigned>(first) & 63u;
    if (off == 0) {
        for (std::size_t w = 0; w < 5; ++w) out[w] = pp.w[word + w];
        return;
    }
    for (std::size_t w = 0; w < 5; ++w) out[w] = (pp.w[word + w] >> off) | (pp.w[word + w + 1] << (64 - off));
}

}  // namespace

QUIB_COUNTS_BITS int Position::Count() const {
    int n = 0;
    for (std::uint64_t w : bits) n += std::popcount(w);
    return n;
}

std::vector<int> Position::Cells() const {
    std::vector<int> cells;
    ForEachCell(*this, [&](int cell) { cells.push_back(cell); });
    return cells;
}

Position PositionOf(const std::vector<int>& cells) {
    Position p;
    for (int c : cells)
        if (c >= 1 && c <= kCells) p.Set(c);
    return p;
}

Position PositionOf(const Board& board) {
    Position p;
    for (std::size_t r = 1; r < board.Rect.size(); ++r) {
        const int c = board.Rect[r].CellNumber;
        if (c >= 1 && c <= kCells) p.Set(c);
    }
    return p;
}

const JumpTable& Jumps() {
    // The same masks as the generator's, read cell by cell.
    static const JumpTable table = [] {
        const DirectionMasks& d = DirectionMasksOf();
        JumpTable t;
        for (int f = 1; f <= kCells; ++f) {
            for (std::size_t r = 0; r < 8; ++r) {
                if (!d.from[r].Has(f)) continue;
                auto& n = t.count[static_cast<std::size_t>(f)];
                t.jumps[static_cast<std::size_t>(f)][static_cast<std::size_t>(n++)] = {f + d.over[r],
                                                                                       f + d.to[r]};
            }
        }
        return t;
    }();
    return table;
}

// A frog may jump a way when it stands where the mask allows, with a frog on
// the next cell and the one beyond free, each cut out of the padded position
// a word at a time. The moves come out as the table lists them per frog, by
// frog in increasing order, as a frog-by-frog walk would give them.
QUIB_COUNTS_BITS void bits::GenerateMoves(const Position& p, std::vector<Move>& moves) {
    const DirectionMasks& d = DirectionMasksOf();
    const Padded pp(p);
    moves.clear();
    if (p.Count() <= kFewFrogs) {
        // Frog by frog: its neighbours it may jump, each with its landing
        // cell free, in the direction table's order.
        ForEachCell(p, [&](int f) {
            unsigned ways = 0;
            for (std::uint64_t b = pp.At(NearStart(f)) & d.jumpable[static_cast<std::size_t>(f)]; b != 0;
                 b &= b - 1) {
                const std::size_t r = d.direction[static_cast<std::size_t>(std::countr_zero(b))];
                if (!pp.Has(f + d.to[r])) ways |= 1u << r;
            }
            for (; ways != 0; ways &= ways - 1) {
                const auto r = static_cast<std::size_t>(std::countr_zero(ways));
                moves.push_back({f, f + d.over[r], f + d.to[r]});
            }
        });
        return;
    }
    // All frogs at once, a direction at a time.
    std::array<std::array<std::uint64_t, 5>, 8> can{};
    Position any;
    for (std::size_t r = 0; r < 8; ++r) {
        // Bit b of word w is cell 64 w + b + 1, padded bit 64 w + b + 64: a
        // cell's neighbour that way is in the same bit of the padded
        // position shifted by the offset, the same shift for every word.
        std::array<std::uint64_t, 5> over, to;
        Shifted(pp, d.over[r], over);
        Shifted(pp, d.to[r], to);
        for (std::size_t w = 0; w < 5; ++w) {
            can[r][w] = p.bits[w] & d.from[r].bits[w] & over[w] & ~to[w];
            any.bits[w] |= can[r][w];
        }
    }
    ForEachCell(any, [&](int f) {
        const auto w = static_cast<std::size_t>(f - 1) >> 6;
        const unsigned b = static_cast<unsigned>(f - 1) & 63u;
        for (std::size_t r = 0; r < 8; ++r)
            if ((can[r][w] >> b) & 1u) moves.push_back({f, f + d.over[r], f + d.to[r]});
    });
}

QUIB_COUNTS_BITS int bits::GenerateMovesTouching(const Position& p, const Position& cells,
                                                 std::vector<Move>& moves) {
    const DirectionMasks& d = DirectionMasksOf();
    const Padded pp(p), touch(cells);
    moves.clear();
    int looked = 0;
    ForEachCell(p, [&](int f) {
        const Rings& ring = RingsOf(f);
        if (!touch.Has(f) && (touch.At(NearStart(f)) & ring.near) == 0 &&
            (touch.At(FarStart(f)) & (ring.farOther[0] | ring.farSame[0])) == 0 &&
            (touch.At(FarStart(f) + 64) & (ring.farOther[1] | ring.farSame[1])) == 0)
            return;
        unsigned ways = 0;
        for (std::uint64_t b = pp.At(NearStart(f)) & d.jumpable[static_cast<std::size_t>(f)]; b != 0;
             b &= b - 1) {
            const std::size_t r = d.direction[static_cast<std::size_t>(std::countr_zero(b))];
            if (!pp.Has(f + d.to[r])) ways |= 1u << r;
        }
        for (; ways != 0; ways &= ways - 1) {
            const auto r = static_cast<std::size_t>(std::countr_zero(ways));
            ++looked;
            const Move m{f, f + d.over[r], f + d.to[r]};
            if (touch.Has(m.from) || touch.Has(m.over) || touch.Has(m.to)) moves.push_back(m);
        }
    });
    return looked;
}

std::vector<Move> LegalMoves(const Position& p) {
    std::vector<Move> moves;
    GenerateMoves(p, moves);
    return moves;
}

std::uint64_t Hash(const Position& p) {
    std::uint64_t h = 0;
    ForEachCell(p, [&](int cell) { h ^= kCellKeys[static_cast<std::size_t>(cell)]; });
    return h;
}

int bits::Alone(const Position& p) {
    const Padded pp(p);
    int n = 0;
    ForEachCell(p, [&](int cell) { n += NearOf(pp, cell) == 0; });
    return n;
}

}  // namespace quib::practice
