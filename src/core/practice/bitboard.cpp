// Positions, their hashes and jumps, and the rings of cells around a cell:
// the solver's view of the board. See position.h and bitboard.h.

#include "bitboard.h"

#include <algorithm>
#include <cstdlib>

#include "../board/board.h"

namespace quib::practice {

using namespace bits;

namespace {

const std::array<std::uint64_t, kCells + 1>& Keys() {
    static const auto keys = [] {
        std::array<std::uint64_t, kCells + 1> k{};
        std::uint64_t state = 0x51ab1e5eedull;
        for (auto& key : k) key = SplitMix(state);
        return k;
    }();
    return keys;
}

// The jumps by bitboards, built from the game's own direction table and
// row-edge rule, so the solver's jumps are the board's: per direction, the
// cells whose frog may jump that way (row edge and board edge allowing).
struct DirectionMasks {
    std::array<int, 8> over{}, to{};  // offsets
    std::array<Position, 8> from;     // where a jump this way may start
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
            }
        }
        return d;
    }();
    return masks;
}

}  // namespace

std::uint64_t bits::SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

int Position::Count() const {
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
        const int c = board.Rect[r].Tag;
        if (c >= 1 && c <= kCells) p.Set(c);
    }
    return p;
}

int Chebyshev(int a, int b) {
    return std::max(std::abs(RowOf(a) - RowOf(b)), std::abs(ColumnOf(a) - ColumnOf(b)));
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
void bits::GenerateMoves(const Position& p, std::vector<Move>& moves) {
    const DirectionMasks& d = DirectionMasksOf();
    const Padded pp(p);
    std::array<std::array<std::uint64_t, 5>, 8> can{};
    Position any;
    for (std::size_t r = 0; r < 8; ++r) {
        for (std::size_t w = 0; w < 5; ++w) {
            // Bit b of word w is cell 64 w + b + 1, padded bit 64 w + b + 64.
            const int base = static_cast<int>(w) * 64 + 64;
            can[r][w] = p.bits[w] & d.from[r].bits[w] & pp.At(base + d.over[r]) & ~pp.At(base + d.to[r]);
            any.bits[w] |= can[r][w];
        }
    }
    moves.clear();
    ForEachCell(any, [&](int f) {
        const auto w = static_cast<std::size_t>(f - 1) >> 6;
        const unsigned b = static_cast<unsigned>(f - 1) & 63u;
        for (std::size_t r = 0; r < 8; ++r)
            if ((can[r][w] >> b) & 1u) moves.push_back({f, f + d.over[r], f + d.to[r]});
    });
}

std::vector<Move> LegalMoves(const Position& p) {
    std::vector<Move> moves;
    GenerateMoves(p, moves);
    return moves;
}

Position Apply(Position p, const Move& m) {
    p.Clear(m.from);
    p.Clear(m.over);
    p.Set(m.to);
    return p;
}

std::uint64_t MoveHash(const Move& m) {
    const auto& k = Keys();
    return k[static_cast<std::size_t>(m.from)] ^ k[static_cast<std::size_t>(m.over)] ^
           k[static_cast<std::size_t>(m.to)];
}

std::uint64_t Hash(const Position& p) {
    std::uint64_t h = 0;
    ForEachCell(p, [&](int cell) { h ^= Keys()[static_cast<std::size_t>(cell)]; });
    return h;
}

const Rings& bits::RingsOf(int cell) {
    static const auto rings = [] {
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
                    if (std::abs(dr) <= 1 && std::abs(dc) <= 1)
                        ring.near |= std::uint64_t{1} << (x - cell + 22);
                    else if ((dr | dc) & 1)
                        ring.farOther[static_cast<std::size_t>(far >> 6)] |= bit;
                    else
                        ring.farSame[static_cast<std::size_t>(far >> 6)] |= bit;
                }
            }
        }
        return all;
    }();
    return rings[static_cast<std::size_t>(cell)];
}

int bits::Company(const Padded& p, int cell) {
    const Rings& ring = RingsOf(cell);
    const std::uint64_t lo = p.At(FarStart(cell)), hi = p.At(FarStart(cell) + 64);
    return 8 * NearCount(p, cell) +
           5 * (std::popcount(lo & ring.farOther[0]) + std::popcount(hi & ring.farOther[1])) +
           3 * (std::popcount(lo & ring.farSame[0]) + std::popcount(hi & ring.farSame[1]));
}

int bits::Alone(const Position& p) {
    const Padded pp(p);
    int n = 0;
    ForEachCell(p, [&](int cell) { n += NearOf(pp, cell) == 0; });
    return n;
}

// The frogs that jumped had each other.
int bits::AloneAfter(const Padded& p, const Padded& q, const Move& m, int before) {
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

}  // namespace quib::practice
