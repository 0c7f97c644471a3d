// The practice solver. See solver.h for what it answers; the comments here
// say why each part of the search is there.

#include "solver.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "../board/board.h"

namespace quib::practice {

namespace {

constexpr int kW = kColumns;

int RowOf(int cell) { return (cell - 1) / kW; }
int ColumnOf(int cell) { return (cell - 1) % kW; }
int Chebyshev(int a, int b) {
    return std::max(std::abs(RowOf(a) - RowOf(b)), std::abs(ColumnOf(a) - ColumnOf(b)));
}

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

const std::array<std::uint64_t, kCells + 1>& Keys() {
    static const auto keys = [] {
        std::array<std::uint64_t, kCells + 1> k{};
        std::uint64_t state = 0x51ab1e5eedull;
        for (auto& key : k) key = SplitMix(state);
        return k;
    }();
    return keys;
}

// Calls f(cell) for every occupied cell, in increasing order.
template <class F>
void ForEachCell(const Position& p, F&& f) {
    for (std::size_t w = 0; w < p.bits.size(); ++w) {
        for (std::uint64_t bits = p.bits[w]; bits != 0; bits &= bits - 1)
            f(static_cast<int>(w * 64 + static_cast<unsigned>(std::countr_zero(bits))) + 1);
    }
}

bool OnBoard(int row, int column) { return row >= 0 && row < kRows && column >= 0 && column < kW; }
int CellOf(int row, int column) { return row * kW + column + 1; }

// Cells around each cell, as bitboards: the neighbours, and the cells two
// steps away of another (row mod 2, column mod 2) class and of the same.
struct Rings {
    Position near, farOther, farSame, third;  // third: three steps away
};
const std::array<Rings, kCells + 1>& RingsOf() {
    static const auto rings = [] {
        std::array<Rings, kCells + 1> all{};
        for (int cell = 1; cell <= kCells; ++cell) {
            const int r = RowOf(cell), c = ColumnOf(cell);
            Rings& ring = all[static_cast<std::size_t>(cell)];
            for (int dr = -3; dr <= 3; ++dr) {
                for (int dc = -3; dc <= 3; ++dc) {
                    if ((dr == 0 && dc == 0) || !OnBoard(r + dr, c + dc)) continue;
                    const int x = CellOf(r + dr, c + dc);
                    if (std::abs(dr) == 3 || std::abs(dc) == 3)
                        ring.third.Set(x);
                    else if (std::abs(dr) <= 1 && std::abs(dc) <= 1)
                        ring.near.Set(x);
                    else if ((dr | dc) & 1)
                        ring.farOther.Set(x);
                    else
                        ring.farSame.Set(x);
                }
            }
        }
        return all;
    }();
    return rings;
}

bool AnyIn(const Position& p, const Position& mask) {
    std::uint64_t any = 0;
    for (std::size_t w = 0; w < p.bits.size(); ++w) any |= p.bits[w] & mask.bits[w];
    return any != 0;
}


// The same rings read through a window: a cell's neighbours lie within 22
// cells of it in the board's order, and its cells two steps away within 44,
// so one or two 64-bit words cut out of the position hold them. A position
// padded with a free word on either side lets every window be cut without
// tests, and a ring's test or count then costs a few instructions instead of
// one per word of the board.
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
// Windows: the near ring from cell - 22 (bit 0), the rings two steps away
// from cell - 44 (two words).
int NearStart(int cell) { return cell + 63 - 22; }
int FarStart(int cell) { return cell + 63 - 44; }
struct WindowRings {
    std::uint64_t near = 0;
    std::array<std::uint64_t, 2> farOther{}, farSame{};
};
const std::array<WindowRings, kCells + 1>& WindowRingsOf() {
    static const auto rings = [] {
        std::array<WindowRings, kCells + 1> all{};
        for (int cell = 1; cell <= kCells; ++cell) {
            const Rings& ring = RingsOf()[static_cast<std::size_t>(cell)];
            WindowRings& wr = all[static_cast<std::size_t>(cell)];
            for (int x = 1; x <= kCells; ++x) {
                if (ring.near.Has(x)) wr.near |= std::uint64_t{1} << (x - cell + 22);
                const int far = x - cell + 44;
                if (ring.farOther.Has(x)) wr.farOther[static_cast<std::size_t>(far >> 6)] |= std::uint64_t{1} << (far & 63);
                if (ring.farSame.Has(x)) wr.farSame[static_cast<std::size_t>(far >> 6)] |= std::uint64_t{1} << (far & 63);
            }
        }
        return all;
    }();
    return rings;
}
int Bits(std::uint64_t x) {
    int n = 0;
    for (; x != 0; x &= x - 1) ++n;
    return n;
}
std::uint64_t NearOf(const Padded& p, int cell) {
    return p.At(NearStart(cell)) & WindowRingsOf()[static_cast<std::size_t>(cell)].near;
}
int NearCount(const Padded& p, int cell) { return Bits(NearOf(p, cell)); }
// How much company a frog has, in eighths: a neighbour counts fully; a frog
// two steps away counts more when it is of another (row mod 2, column mod 2)
// class, since only such a frog can ever become a neighbour; a frog of the
// same class can only serve as a stone to jump over.
int Company(const Padded& p, int cell) {
    const WindowRings& ring = WindowRingsOf()[static_cast<std::size_t>(cell)];
    const std::uint64_t lo = p.At(FarStart(cell)), hi = p.At(FarStart(cell) + 64);
    return 8 * Bits(p.At(NearStart(cell)) & ring.near) + 5 * (Bits(lo & ring.farOther[0]) + Bits(hi & ring.farOther[1])) +
           3 * (Bits(lo & ring.farSame[0]) + Bits(hi & ring.farSame[1]));
}

// Frogs without a neighbour.
int Alone(const Position& p) {
    const Padded pp(p);
    int n = 0;
    ForEachCell(p, [&](int cell) { n += NearOf(pp, cell) == 0; });
    return n;
}
// The same after a jump, from the cells around it: q is p after m, and p had
// `before` frogs without a neighbour. The frogs that jumped had each other.
int AloneAfter(const Padded& p, const Padded& q, const Move& m, int before) {
    int n = before + (NearOf(q, m.to) == 0);
    for (std::uint64_t bits = NearOf(q, m.from); bits != 0; bits &= bits - 1) {
        const int x = m.from - 22 + std::countr_zero(bits);
        n += x != m.to && NearOf(q, x) == 0;
    }
    for (std::uint64_t bits = NearOf(q, m.over); bits != 0; bits &= bits - 1) {
        const int x = m.over - 22 + std::countr_zero(bits);
        n += x != m.to && Chebyshev(x, m.from) > 1 && NearOf(q, x) == 0;
    }
    for (std::uint64_t bits = NearOf(q, m.to); bits != 0; bits &= bits - 1)
        n -= NearOf(p, m.to - 22 + std::countr_zero(bits)) == 0;
    return n;
}

// The random part of a restart's ordering key: about two neighbours' worth
// of compactness, less than one more frog left alone.
constexpr int kNoise = 24;

// Helps the most isolated frog first (moves of it or over it, then moves
// that bring a frog nearer to it), then keeps the board compact.
// The guide's jumps lead within each tier, or with guideFirst before every
// tier; a nonzero noise state breaks near-ties within a tier at random.
void OrderMoves(const Position& p, std::vector<Move>& moves, std::vector<std::uint64_t>& keyed,
                std::vector<Move>& scratch, const Guide& guide, bool guideFirst, std::uint64_t& noise) {
    if (moves.size() < 2) return;
    const Padded pp(p);
    int lonely = 0, least = INT32_MAX;
    ForEachCell(p, [&](int cell) {
        // The neighbours alone may already make it no lonelier.
        if (8 * NearCount(pp, cell) >= least) return;
        const int company = Company(pp, cell);
        if (company < least) least = company, lonely = cell;
    });
    keyed.clear();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move& m = moves[i];
        int tier = 2;
        if (m.from == lonely || m.over == lonely)
            tier = 0;
        else if (Chebyshev(m.to, lonely) < Chebyshev(m.from, lonely))
            tier = 1;
        // Then the fewest frogs left without a neighbour around the move,
        // then the most neighbours at the landing cell against the cell left.
        Padded q = pp;
        q.Flip(m.from), q.Flip(m.over), q.Flip(m.to);
        const int landed = NearCount(q, m.to);
        int stranded = landed == 0;
        for (int around : {m.from, m.over}) {
            const int base = around - 22;
            for (std::uint64_t bits = NearOf(q, around); bits != 0; bits &= bits - 1)
                stranded += NearOf(q, base + std::countr_zero(bits)) == 0;
        }
        const int compact = landed - NearCount(q, m.from);
        const int rank = guide.Empty() ? -1 : guide.Rank(m);
        int key;
        if (rank >= 0 && guideFirst) {
            key = -100000 + rank;
        } else if (rank >= 0) {
            key = tier * 1024 - 512 + std::min(rank, 500);
        } else {
            // The noise stays far below a tier's width of 1024.
            const int shake = noise != 0 ? static_cast<int>(SplitMix(noise) % kNoise) : 0;
            key = tier * 1024 + std::clamp(stranded * 64 - compact, -64, 800) + shake;
        }
        // The key, then the place in the generated order: a stable order.
        keyed.push_back((static_cast<std::uint64_t>(key + (1 << 20)) << 16) | i);
    }
    std::sort(keyed.begin(), keyed.end());
    scratch.assign(moves.begin(), moves.end());
    for (std::size_t i = 0; i < moves.size(); ++i) moves[i] = scratch[keyed[i] & 0xffffu];
}

// Each child of a node first gets this many nodes; a node that could not
// decide every child with it tries the undecided ones again with four times
// as many. Bigger boards need deeper looks before a line is given up.
std::int64_t FirstChildBudget(int frogs) {
    static const auto budgets = [] {
        std::array<std::int64_t, kCells + 1> b{};
        for (std::size_t n = 0; n < b.size(); ++n)
            b[n] = std::max<std::int64_t>(8, static_cast<std::int64_t>(16.0 * std::pow(static_cast<double>(n), 1.5)));
        return b;
    }();
    return budgets[static_cast<std::size_t>(std::clamp(frogs, 0, kCells))];
}

constexpr std::int64_t kBudgetCap = INT64_MAX / 8;

// The arms' budgets in nodes. A stray jump usually leaves a short detour
// back to the known line, found in a few nodes; run times beyond are heavy
// tailed, which restarts on the Luby schedule (1 1 2 1 1 2 4 ...) cut.
constexpr std::int64_t kGuideFirstNodes = 3000;
constexpr std::int64_t kReplayNodes = 1000;
constexpr std::int64_t kRestartUnit = 2000;
constexpr int kReplayOffsets = 3;  // replays start up to two jumps before the frog count
constexpr std::size_t kFirstBeamWidth = 16;
constexpr std::size_t kWidestBeam = 1024;  // a wider one's step would hold a stop up for some milliseconds
// Below this many frogs, what a beam kept is searched in full, each with so
// many nodes.
constexpr int kBeamFinish = 14;
constexpr std::int64_t kFinishNodes = 1000;
// A beam widens where positions are small: below this many frogs, it keeps
// width * (kWidenBelow / frogs) positions, at most kWidenMost times as many.
constexpr int kWidenBelow = 96;
constexpr int kWidenMost = 8;
constexpr std::size_t kBeamChildren = std::size_t{1} << 20;  // a step's children, at most
// A beam's child costs far less than a node of the depth-first search.
constexpr std::int64_t kBeamChildrenPerNode = 4;
// Beams get three times the restarts' nodes: on big boards a stray jump is
// most often solved near the line.
constexpr std::int64_t kBeamShare = 3;

std::int64_t Luby(std::int64_t i) {  // i >= 1
    for (;;) {
        std::int64_t k = 1;
        while ((std::int64_t{1} << k) - 1 < i) ++k;
        if ((std::int64_t{1} << k) - 1 == i) return std::int64_t{1} << (k - 1);
        i -= (std::int64_t{1} << (k - 1)) - 1;
    }
}

bool Applies(const Position& p, const Move& m) { return p.Has(m.from) && p.Has(m.over) && !p.Has(m.to); }

}  // namespace

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

const JumpTable& Jumps() {
    // Built from the game's own direction table and row-edge rule, so the
    // solver's jumps are the board's.
    static const JumpTable table = [] {
        JumpTable t;
        for (int f = 1; f <= kCells; ++f) {
            for (const board::DirectionRow& row : board::DirectionTable(kW)) {
                const int over = f + row.neighbourOffset, to = f + row.jumpOffset;
                if (over < 1 || over > kCells || to < 1 || to > kCells) continue;
                if (board::RowEdgeRefuses(row.direction, f, kW)) continue;
                auto& n = t.count[static_cast<std::size_t>(f)];
                t.jumps[static_cast<std::size_t>(f)][static_cast<std::size_t>(n++)] = {over, to};
            }
        }
        return t;
    }();
    return table;
}

namespace {

// The jumps by bitboards: per direction of the game's table, the cells whose
// frog may jump that way (row edge and board edge allowing), with a frog on
// the next cell and the one beyond free, each cut out of the padded position
// a word at a time. The moves come out as the table lists them per frog, by
// frog in increasing order, as a frog-by-frog walk would give them.
struct DirectionMasks {
    std::array<int, 8> over{}, to{};  // offsets
    std::array<Position, 8> from;     // where a jump this way may start
};
const DirectionMasks& DirectionMasksOf() {
    static const DirectionMasks masks = [] {
        DirectionMasks d;
        const auto table = board::DirectionTable(kW);
        for (std::size_t r = 0; r < table.size(); ++r) {
            d.over[r] = table[r].neighbourOffset;
            d.to[r] = table[r].jumpOffset;
            for (int f = 1; f <= kCells; ++f) {
                const int over = f + table[r].neighbourOffset, to = f + table[r].jumpOffset;
                if (over < 1 || over > kCells || to < 1 || to > kCells) continue;
                if (board::RowEdgeRefuses(table[r].direction, f, kW)) continue;
                d.from[r].Set(f);
            }
        }
        return d;
    }();
    return masks;
}

void GenerateMoves(const Position& p, std::vector<Move>& moves) {
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

}  // namespace

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
    return k[static_cast<std::size_t>(m.from)] ^ k[static_cast<std::size_t>(m.over)] ^ k[static_cast<std::size_t>(m.to)];
}

std::uint64_t Hash(const Position& p) {
    std::uint64_t h = 0;
    ForEachCell(p, [&](int cell) { h ^= Keys()[static_cast<std::size_t>(cell)]; });
    return h;
}

namespace {

// With around, only the groups of the frogs in it are weighed, and a group
// is followed no further than the biggest that can be proven stranded. A
// later seed of a group cut short may then find only part of it; that part
// is never called stranded, since the rest lies next to it and weighs 1.
bool StrandedGroup(const Position& p, const Position* around) {
    // A group of k frogs that meets no other frog makes at most k - 1 jumps
    // among itself, each landing next to a frog of the group, so it stays
    // within its bounding box grown by k - 1: its area. Weigh every other
    // frog by phi^(1 - d), d its Chebyshev distance to the area (0 inside).
    // A jump from distance d over d - 1 to d - 2 trades phi^(1-d) +
    // phi^(2-d) for phi^(3-d), the same since phi^2 = phi + 1, and every
    // other jump loses weight: the total never grows. A frog next to the
    // group weighs at least 1, so while the total is below 1 none ever comes
    // near, and the group and the rest each keep a frog of their own.
    // Groups are the frogs joined by neighbours (always of other (row mod 2,
    // column mod 2) classes); the frogs within two steps of the area are
    // weighed first, since they nearly always settle it.
    static const std::array<double, 32> weight = [] {
        std::array<double, 32> w{};
        const double phi = (1 + std::sqrt(5.0)) / 2;
        for (std::size_t d = 0; d < w.size(); ++d) w[d] = std::pow(phi, 1.0 - static_cast<double>(d));
        return w;
    }();
    constexpr double kOne = 1 - 1e-9;  // a total that reaches 1 proves nothing
    constexpr int kLargestGroup = 8;   // a bigger group's area holds nearly everything

    std::array<std::int16_t, kCells> cells;  // filled before use
    int n = 0;
    ForEachCell(p, [&](int cell) { cells[static_cast<std::size_t>(n++)] = static_cast<std::int16_t>(cell); });
    if (n < 2) return false;

    const Padded pp(p);
    Padded seen(Position{});
    std::array<std::int16_t, kCells> group;  // filled before use
    for (int si = 0; si < n; ++si) {
        const int seed = cells[static_cast<std::size_t>(si)];
        if (seen.Has(seed) || (around != nullptr && !around->Has(seed))) continue;
        int k = 0;
        group[static_cast<std::size_t>(k++)] = static_cast<std::int16_t>(seed);
        seen.Flip(seed);
        int top = RowOf(seed), bottom = top, left = ColumnOf(seed), right = left;
        for (int i = 0; i < k; ++i) {
            const int c = group[static_cast<std::size_t>(i)], r = RowOf(c), col = ColumnOf(c);
            top = std::min(top, r), bottom = std::max(bottom, r);
            left = std::min(left, col), right = std::max(right, col);
            for (std::uint64_t bits = NearOf(pp, c) & ~seen.At(NearStart(c)); bits != 0; bits &= bits - 1) {
                const int nb = c - 22 + std::countr_zero(bits);
                seen.Flip(nb);
                group[static_cast<std::size_t>(k++)] = static_cast<std::int16_t>(nb);
            }
            if (around != nullptr && k > kLargestGroup) break;
        }
        if (k == n) return false;  // everything is one group
        if (k > kLargestGroup) continue;
        Position members;
        for (int i = 0; i < k; ++i) members.Set(group[static_cast<std::size_t>(i)]);
        if (k == 1) {
            // A lone frog: frogs two steps away weigh 1/phi, three steps
            // away 1/phi^2; two of the first or one of each make 1.
            const WindowRings& ring = WindowRingsOf()[static_cast<std::size_t>(seed)];
            const int two = Bits(pp.At(FarStart(seed)) & (ring.farOther[0] | ring.farSame[0])) +
                            Bits(pp.At(FarStart(seed) + 64) & (ring.farOther[1] | ring.farSame[1]));
            if (two >= 2 || (two == 1 && AnyIn(p, RingsOf()[static_cast<std::size_t>(seed)].third))) continue;
        } else {
            // A frog two steps from a frog of a bigger group stands next to
            // or inside its area: it alone weighs 1 or more.
            std::uint64_t any = 0;
            const Padded mp(members);
            for (int i = 0; i < k; ++i) {
                const int c = group[static_cast<std::size_t>(i)];
                const WindowRings& ring = WindowRingsOf()[static_cast<std::size_t>(c)];
                const int at = FarStart(c);
                any |= pp.At(at) & (ring.farOther[0] | ring.farSame[0]) & ~mp.At(at);
                any |= pp.At(at + 64) & (ring.farOther[1] | ring.farSame[1]) & ~mp.At(at + 64);
            }
            if (any != 0) continue;
        }
        top -= k - 1, bottom += k - 1, left -= k - 1, right += k - 1;
        auto distance = [&](int r, int col) { return std::max({top - r, r - bottom, left - col, col - right, 0}); };
        // The near frogs first.
        double total = 0;
        for (int r = std::max(0, top - 2); r <= std::min(kRows - 1, bottom + 2) && total < kOne; ++r)
            for (int col = std::max(0, left - 2); col <= std::min(kW - 1, right + 2); ++col) {
                const int c = CellOf(r, col);
                if (p.Has(c) && !members.Has(c)) total += weight[static_cast<std::size_t>(distance(r, col))];
            }
        if (total >= kOne) continue;
        // Then the far ones, which weigh little.
        for (int i = 0; i < n && total < kOne; ++i) {
            const int c = cells[static_cast<std::size_t>(i)];
            const int d = distance(RowOf(c), ColumnOf(c));
            if (d > 2) total += weight[static_cast<std::size_t>(std::min(d, 31))];
        }
        if (total < kOne) return true;
    }
    return false;
}

// Whether the jump m that made p left a group of frogs stranded, weighing
// only the groups around the jump, whose lot changed most. (A jump far away
// can tip a group's weight below one, rarely; the beams, which use this,
// need not catch every stranded group.)
bool StrandedBy(const Position& p, const Move& m) {
    Position around;
    for (int c : {m.from, m.over, m.to}) {
        const Position& near = RingsOf()[static_cast<std::size_t>(c)].near;
        for (std::size_t w = 0; w < around.bits.size(); ++w) around.bits[w] |= near.bits[w];
    }
    around.Set(m.to);
    return StrandedGroup(p, &around);
}

}  // namespace

bool Stranded(const Position& p) { return StrandedGroup(p, nullptr); }

// ------------------------------------------------------------ failed table

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
    // Grows to 4 M entries (32 MB); a full table starts afresh, which costs
    // only the work of finding those failures again.
    constexpr std::size_t kMaxSlots = std::size_t{1} << 22;
    if (hash == 0) hash = 1;
    if ((size_ + 1) * 2 > slots_.size()) {
        if (slots_.size() >= kMaxSlots) {
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

void FailedTable::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    size_ = 0;
}

// ------------------------------------------------------------------ search

Guide::Guide(const std::vector<Move>& line) : Guide(std::vector<std::vector<Move>>{line}) {}

Guide::Guide(const std::vector<std::vector<Move>>& lines) {
    ranks_.assign(static_cast<std::size_t>(kCells + 1) * (kCells + 1), -1);
    std::size_t i = 0;
    for (const std::vector<Move>& line : lines) {
        std::vector<Move> kept;
        for (const Move& m : line) {
            if (m.from < 1 || m.from > kCells || m.to < 1 || m.to > kCells || m.over < 1 || m.over > kCells) {
                kept.clear();  // a line with a jump off the board is no line
                break;
            }
            kept.push_back(m);
        }
        for (const Move& m : kept) {
            if (i >= 30000) break;
            std::int16_t& rank =
                ranks_[static_cast<std::size_t>(m.from) * (kCells + 1) + static_cast<std::size_t>(m.to)];
            if (rank < 0) rank = static_cast<std::int16_t>(i);
            ++i;
        }
        if (!kept.empty()) lines_.push_back(std::move(kept));
    }
    // A line's positions, from its one frog back to its first position.
    for (const std::vector<Move>& line : lines_) {
        std::vector<Position>& along = along_.emplace_back(line.size() + 2);
        Position p;
        p.Set(line.back().to);
        along[1] = p;
        for (std::size_t i = line.size(); i-- > 0;) {
            p.Clear(line[i].to), p.Set(line[i].from), p.Set(line[i].over);
            along[line.size() - i + 1] = p;
        }
    }
}

int Guide::Distance(const Position& p, int frogs, std::size_t line) const {
    const std::vector<Position>& along = along_[line];
    if (frogs < 1 || static_cast<std::size_t>(frogs) >= along.size()) return -1;
    const Position& q = along[static_cast<std::size_t>(frogs)];
    int d = 0;
    for (std::size_t w = 0; w < p.bits.size(); ++w) d += std::popcount(p.bits[w] ^ q.bits[w]);
    return d;
}

bool Guide::StepFrom(const Position& p, int frogs, std::size_t line, Step& step) const {
    const std::vector<Move>& moves = lines_[line];
    if (frogs < 2 || static_cast<std::size_t>(frogs) > moves.size() + 1) return false;
    const Position& q = along_[line][static_cast<std::size_t>(frogs)];
    for (std::size_t w = 0; w < p.bits.size(); ++w) step.off.bits[w] = p.bits[w] ^ q.bits[w];
    step.jump = moves[moves.size() + 1 - static_cast<std::size_t>(frogs)];
    step.base = 0;
    for (int c : {step.jump.from, step.jump.over, step.jump.to}) step.base += step.off.Has(c) ? -1 : 1;
    return true;
}

int Guide::Rank(const Move& m) const {
    return ranks_[static_cast<std::size_t>(m.from) * (kCells + 1) + static_cast<std::size_t>(m.to)];
}

bool Guide::Rejoins(const Position& p, int frogs, std::vector<Move>& tail) const {
    const std::size_t need = static_cast<std::size_t>(frogs) - 1;
    for (const std::vector<Move>& line : lines_) {
        if (need > line.size()) continue;
        const std::size_t first = line.size() - need;
        if (!Applies(p, line[first])) continue;  // the usual answer, at once
        Position q = p;
        std::size_t i = first;
        for (; i < line.size() && Applies(q, line[i]); ++i)
            q.Clear(line[i].from), q.Clear(line[i].over), q.Set(line[i].to);  // in place: no copies
        if (i == line.size()) {
            tail.assign(line.begin() + static_cast<std::ptrdiff_t>(first), line.end());
            return true;
        }
    }
    return false;
}

Search::Search(const Position& start, FailedTable& failed, Guide guide)
    : start_(start), failed_(failed), guide_(std::move(guide)) {
    // Frames are reused and never move: the deepest search has a frame per frog.
    stack_.reserve(static_cast<std::size_t>(start.Count()) + 1);
}

Search::Outcome Search::Enter(const Position& pos, std::uint64_t hash, std::int64_t budget) {
    ++nodes_;
    const int frogs = pos.Count();
    if (frogs <= 1) {
        tail_.clear();
        return frogs == 1 ? Outcome::Solved : Outcome::Failed;
    }
    if (failed_.Contains(hash)) return Outcome::Failed;
    // The rest of a known line still fits: solvable at once.
    if (!guide_.Empty() && guide_.Rejoins(pos, tail_)) return Outcome::Solved;
    if (depth_ == stack_.size()) stack_.emplace_back();
    Frame& f = stack_[depth_];
    GenerateMoves(pos, f.children);
    // The table is far bigger than the caches: the children's slots are
    // fetched while this position is proven or its moves are ordered.
    for (const Move& m : f.children) failed_.Prefetch(hash ^ MoveHash(m));
    if (f.children.empty() || Stranded(pos)) {
        failed_.Insert(hash);
        return Outcome::Failed;
    }
    OrderMoves(pos, f.children, keyed_, scratch_, guide_, guideFirst_, noise_);
    ++depth_;
    f.pos = pos;
    f.hash = hash;
    f.frogs = frogs;
    f.failed.assign(f.children.size(), 0);
    f.next = 0;
    f.budget = budget;
    f.startNodes = nodes_;
    f.childBudget = FirstChildBudget(frogs);
    f.anyUnknown = false;
    return Outcome::Pushed;
}

// The top frame's current child came back with an outcome.
void Search::Deliver(Outcome outcome) {
    if (outcome == Outcome::Solved) {
        solution_ = prefix_;
        for (std::size_t i = 0; i < depth_; ++i) solution_.push_back(stack_[i].children[stack_[i].next]);
        solution_.insert(solution_.end(), tail_.begin(), tail_.end());
        verdict_ = Verdict::Solvable;
        depth_ = 0;
        armLive_ = false;
        return;
    }
    if (depth_ == 0) {
        // The arm's root is decided or out of nodes. Only the start itself
        // failing is a proof; what a replay left failing says nothing.
        if (outcome == Outcome::Failed && prefix_.empty()) verdict_ = Verdict::Lost;
        armLive_ = false;
        return;
    }
    Frame& f = stack_[depth_ - 1];
    if (outcome == Outcome::Failed)
        f.failed[f.next] = 1;
    else
        f.anyUnknown = true;
    ++f.next;
}

bool Search::NextArm() {
    // What the arm that ended spent.
    if (arm_ >= 0 && beamSpend_) beamNodes_ += nodes_ - armStartNodes_;
    if (arm_ >= 0 && !beamSpend_) restartNodes_ += nodes_ - armStartNodes_;
    armStartNodes_ = nodes_;
    ++arm_;
    prefix_.clear();
    root_ = start_;
    noise_ = 0;
    beamArm_ = false;
    beamSpend_ = false;
    const int lines = static_cast<int>(guide_.lines().size());
    const int replays = lines * kReplayOffsets;
    int arm = arm_;
    if (lines > 0) {
        if (arm == 0) {
            guideFirst_ = true;
            rootBudget_ = kGuideFirstNodes;
            return true;
        }
        arm -= 1;
        if (arm < replays) {
            // A line replayed from near the start's frog count, skipping the
            // jumps that no longer fit; then a short search of what is left.
            const std::vector<Move>& line = guide_.lines()[static_cast<std::size_t>(arm / kReplayOffsets)];
            const std::size_t back = static_cast<std::size_t>(arm % kReplayOffsets);
            const std::size_t need = static_cast<std::size_t>(std::max(0, start_.Count() - 1)) + back;
            Position q = start_;
            for (std::size_t i = line.size() > need ? line.size() - need : 0; i < line.size() && q.Count() > 1; ++i) {
                if (!Applies(q, line[i])) continue;
                q = Apply(q, line[i]);
                prefix_.push_back(line[i]);
            }
            guideFirst_ = true;
            rootBudget_ = kReplayNodes;
            root_ = q;
            if (prefix_.empty()) root_ = start_, rootBudget_ = 0;  // nothing replayed: an empty arm
            return true;
        }
        // What the last beam left near the end, each searched in full.
        if (finishAt_ < finish_.size()) {
            root_ = finish_[finishAt_].first;
            prefix_ = std::move(finish_[finishAt_].second);
            ++finishAt_;
            guideFirst_ = false;
            rootBudget_ = kFinishNodes;
            beamSpend_ = true;
            return true;
        }
        // Beams, each twice as wide as the last, and restarts take turns,
        // the beams spending up to kBeamShare times the restarts' nodes.
        if (beamNodes_ <= kBeamShare * restartNodes_ && nextBeamWidth_ <= kWidestBeam && start_.Count() > 1) {
            beamArm_ = beamSpend_ = true;
            finish_.clear();
            finishAt_ = 0;
            nextBeamWidth_ = nextBeamWidth_ == 0 ? kFirstBeamWidth : nextBeamWidth_ * 2;
            BeamState& b = beam_;
            b.width = nextBeamWidth_;
            BeamNode root{start_, Hash(start_), -1, {}, Alone(start_), {}};
            for (std::size_t line = 0; line < kBeamLines; ++line)
                root.distance[line] = static_cast<std::int16_t>(
                    line < guide_.lines().size() ? guide_.Distance(start_, start_.Count(), line) : -1);
            b.level.assign(1, root);
            b.frogs = start_.Count();
            b.next.clear();
            b.at = 0;
            b.steps.assign(1, {{-1, Move{}}});
            return true;
        }
    }
    // Restarts: the first in the plain order, the others shaken.
    guideFirst_ = false;
    rootBudget_ = std::min<std::int64_t>(kBudgetCap, kRestartUnit * Luby(restarts_ + 1));
    if (restarts_ > 0) noise_ = 0x9e3779b97f4a7c15ull * static_cast<std::uint64_t>(restarts_) | 1u;
    ++restarts_;
    return true;
}

std::vector<Move> Search::BeamPath(std::size_t step, std::int32_t j) const {
    std::vector<Move> path;
    for (std::size_t s = step; s > 0; --s) {
        const auto& [parent, move] = beam_.steps[s][static_cast<std::size_t>(j)];
        path.push_back(move);
        j = parent;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

void Search::BeamSolved(std::size_t parent, const std::vector<Move>& tail) {
    solution_ = BeamPath(beam_.steps.size() - 1, static_cast<std::int32_t>(parent));
    solution_.insert(solution_.end(), tail.begin(), tail.end());
    verdict_ = Verdict::Solvable;
}

bool Search::BeamStep() {
    BeamState& b = beam_;
    const std::size_t lines = std::min(kBeamLines, guide_.lines().size());
    if (b.at < b.level.size()) {
        // A position of this step: its children are weighed for the next,
        // without being made yet; with two frogs, any jump is the last.
        const BeamNode& node = b.level[b.at++];
        const int frogs = b.frogs;
        GenerateMoves(node.pos, scratch_);
        nodes_ += 1 + static_cast<std::int64_t>(scratch_.size()) / kBeamChildrenPerNode;
        if (frogs == 2 && !scratch_.empty()) {
            BeamSolved(b.at - 1, {scratch_.front()});
            return false;
        }
        const Padded pp(node.pos);
        std::array<Guide::Step, kBeamLines> steps;
        std::array<bool, kBeamLines> stepping{};
        for (std::size_t line = 0; line < lines; ++line)
            stepping[line] = node.distance[line] >= 0 && guide_.StepFrom(node.pos, frogs, line, steps[line]);
        for (const Move& m : scratch_) {
            if (b.next.size() >= kBeamChildren) break;
            Padded q = pp;
            q.Flip(m.from), q.Flip(m.over), q.Flip(m.to);
            // Written in place: made on the stack field by field and then
            // copied whole, it stalled the copy's loads (a fifth of the time).
            BeamChild& child = b.next.emplace_back();
            child.hash = node.hash ^ MoveHash(m);
            child.parent = static_cast<std::int32_t>(b.at - 1);
            child.move = m;
            child.alone = static_cast<std::int16_t>(AloneAfter(pp, q, m, node.alone));
            int nearest = -1;
            for (std::size_t line = 0; line < lines; ++line) {
                const int d = stepping[line] ? steps[line].After(m, node.distance[line])
                                             : guide_.Distance(Apply(node.pos, m), frogs - 1, line);
                child.distance[line] = static_cast<std::int16_t>(d);
                if (d >= 0 && (nearest < 0 || d < nearest)) nearest = d;
            }
            child.nearest = static_cast<std::int16_t>(nearest);
        }
        return true;
    }
    if (b.next.empty()) return false;  // every line of the beam ran dry
    // The next step keeps the children nearest the lines, each once, none
    // known or proven to fail. Near means few cells off a line and few frogs
    // left without a neighbour: four such frogs weigh as two cells off.
    b.keyed.clear();
    for (std::size_t i = 0; i < b.next.size(); ++i) {
        const BeamChild& c = b.next[i];
        // The hash's bits in the middle put a position's copies side by side.
        b.keyed.push_back((static_cast<std::uint64_t>(2 * std::max<int>(c.nearest, 0) + c.alone) << 40) |
                          ((c.hash >> 44) << 20) | i);
    }
    // Near the end, where positions are small, the beam widens.
    const std::size_t width =
        b.width * static_cast<std::size_t>(std::clamp(kWidenBelow / std::max(1, b.frogs - 1), 1, kWidenMost));
    // Only the nearest need sorting: some to spare for copies and dead ends.
    const std::size_t sorted = std::min(b.keyed.size(), width + width / 2 + 8);
    std::partial_sort(b.keyed.begin(), b.keyed.begin() + static_cast<std::ptrdiff_t>(sorted), b.keyed.end());
    b.fresh.clear();
    auto& kept = b.steps.emplace_back();
    std::uint64_t last = 0;
    nodes_ += static_cast<std::int64_t>(b.next.size()) / kBeamChildrenPerNode;
    for (std::size_t k = 0; k < sorted && b.fresh.size() < width; ++k) {
        const BeamChild& c = b.next[b.keyed[k] & 0xfffffu];
        if (k > 0 && c.hash == last) continue;  // the same position by another way
        last = c.hash;
        if (failed_.Contains(c.hash)) continue;
        const Position pos = Apply(b.level[static_cast<std::size_t>(c.parent)].pos, c.move);
        // The rest of a known line still fits: solvable.
        if (guide_.Rejoins(pos, b.frogs - 1, tail_)) {
            b.steps.pop_back();
            tail_.insert(tail_.begin(), c.move);
            BeamSolved(static_cast<std::size_t>(c.parent), tail_);
            return false;
        }
        if (StrandedBy(pos, c.move)) {
            failed_.Insert(c.hash);
            continue;
        }
        kept.emplace_back(c.parent, c.move);
        b.fresh.push_back(BeamNode{pos, c.hash, static_cast<std::int32_t>(b.fresh.size()), c.move, c.alone, c.distance});
    }
    std::swap(b.level, b.fresh);
    b.next.clear();
    b.at = 0;
    --b.frogs;
    if (b.frogs <= kBeamFinish) {
        // Near the end a beam's choices no longer look far enough ahead:
        // what it kept is searched in full, one after the other.
        for (std::size_t j = 0; j < b.level.size(); ++j)
            finish_.emplace_back(b.level[j].pos, BeamPath(b.steps.size() - 1, static_cast<std::int32_t>(j)));
        b.level.clear();
    }
    return !b.level.empty();
}

Verdict Search::Run(const Budget& budget) {
    if (verdict_ != Verdict::NotSure) return verdict_;
    const std::int64_t limit = budget.nodes >= INT64_MAX - nodes_ ? INT64_MAX : nodes_ + budget.nodes;
    unsigned steps = 0;
    for (;;) {
        if (verdict_ != Verdict::NotSure) return verdict_;
        if (nodes_ >= limit) return verdict_;
        if ((++steps & 7u) == 0) {  // a node of a big board takes some microseconds
            if (budget.stop != nullptr && budget.stop->load(std::memory_order_relaxed)) return verdict_;
            if (budget.deadline && std::chrono::steady_clock::now() >= *budget.deadline) return verdict_;
        }
        if (armLive_ && beamArm_) {
            if (!BeamStep()) armLive_ = false;
            continue;
        }
        if (!armLive_) {
            NextArm();
            armLive_ = true;
            depth_ = 0;
            if (beamArm_) continue;
            if (rootBudget_ <= 0) {
                armLive_ = false;
                continue;
            }
            const Outcome o = Enter(root_, Hash(root_), rootBudget_);
            if (o != Outcome::Pushed) Deliver(o);
            continue;
        }
        Frame& f = stack_[depth_ - 1];
        if (f.next >= f.children.size()) {
            if (!f.anyUnknown) {
                failed_.Insert(f.hash);
                --depth_;
                Deliver(Outcome::Failed);
            } else {
                // Another round for the children that ran out of nodes.
                f.childBudget = std::min(f.childBudget * 4, kBudgetCap);
                f.next = 0;
                f.anyUnknown = false;
            }
            continue;
        }
        if (f.failed[f.next]) {
            ++f.next;
            continue;
        }
        const std::int64_t remaining = f.budget - (nodes_ - f.startNodes);
        if (remaining <= 0) {
            --depth_;
            Deliver(Outcome::Unknown);
            continue;
        }
        const Move m = f.children[f.next];
        if (f.next + 1 < f.children.size()) failed_.Prefetch(f.hash ^ MoveHash(f.children[f.next + 1]));
        const Outcome o = Enter(Apply(f.pos, m), f.hash ^ MoveHash(m), std::min(f.childBudget, remaining));
        if (o != Outcome::Pushed) Deliver(o);
    }
}

Answer Solve(const Position& p, const Budget& budget, FailedTable& failed, const Guide& guide) {
    Search search(p, failed, guide);
    const Verdict v = search.Run(budget);
    return {v, search.solution()};
}

}  // namespace quib::practice
