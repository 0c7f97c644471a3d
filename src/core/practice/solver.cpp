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

bool Stranded(const Position& p) {
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
        if (seen.Has(seed)) continue;
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
}

int Guide::Rank(const Move& m) const {
    return ranks_[static_cast<std::size_t>(m.from) * (kCells + 1) + static_cast<std::size_t>(m.to)];
}

bool Guide::Rejoins(const Position& p, std::vector<Move>& tail) const {
    const std::size_t need = static_cast<std::size_t>(p.Count()) - 1;
    for (const std::vector<Move>& line : lines_) {
        if (need > line.size()) continue;
        const std::size_t first = line.size() - need;
        if (!Applies(p, line[first])) continue;  // the usual answer, at once
        Position q = p;
        std::size_t i = first;
        for (; i < line.size() && Applies(q, line[i]); ++i) q = Apply(q, line[i]);
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
    ++arm_;
    prefix_.clear();
    root_ = start_;
    noise_ = 0;
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
        arm -= replays;
    }
    // Restarts: the first in the plain order, the others shaken.
    guideFirst_ = false;
    rootBudget_ = std::min<std::int64_t>(kBudgetCap, kRestartUnit * Luby(arm + 1));
    if (arm > 0) noise_ = 0x9e3779b97f4a7c15ull * static_cast<std::uint64_t>(arm) | 1u;
    return true;
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
        if (!armLive_) {
            NextArm();
            armLive_ = true;
            depth_ = 0;
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
