// The stranded-group proof. See stranded.h; the comments here say why the
// weights prove it.

#include "stranded.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "bitboard.h"

namespace quib::practice {

using namespace bits;

namespace {

// With around, only the groups of the frogs in it are weighed, and a group
// is followed no further than the biggest that can be proven stranded. A
// later seed of a group cut short may then find only part of it; that part
// is never called stranded, since the rest lies next to it and weighs 1.
QUIB_COUNTS_BITS bool StrandedGroup(const Position& p, const Position* around) {
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

    // The frogs with their rows and columns, which every weighing reads.
    std::array<std::int16_t, kCells> cells;  // filled before use
    std::array<std::int8_t, kCells> rows, columns;
    int n = 0;
    for (std::size_t w = 0; w < p.bits.size(); ++w)
        for (std::uint64_t b = p.bits[w]; b != 0; b &= b - 1) {
            const int cell = static_cast<int>(w * 64 + static_cast<unsigned>(std::countr_zero(b))) + 1;
            rows[static_cast<std::size_t>(n)] = static_cast<std::int8_t>(RowOf(cell));
            columns[static_cast<std::size_t>(n)] = static_cast<std::int8_t>(ColumnOf(cell));
            cells[static_cast<std::size_t>(n++)] = static_cast<std::int16_t>(cell);
        }
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
        int top = rows[static_cast<std::size_t>(si)], bottom = top,
            left = columns[static_cast<std::size_t>(si)], right = left;
        for (int i = 0; i < k; ++i) {
            const int c = group[static_cast<std::size_t>(i)], r = RowOf(c), col = ColumnOf(c);
            top = std::min(top, r), bottom = std::max(bottom, r);
            left = std::min(left, col), right = std::max(right, col);
            std::uint64_t b = NearOf(pp, c);
            if (b != 0) b &= ~seen.At(NearStart(c));  // a lone frog, the most common group, needs no more
            for (; b != 0; b &= b - 1) {
                const int nb = c - 22 + std::countr_zero(b);
                seen.Flip(nb);
                group[static_cast<std::size_t>(k++)] = static_cast<std::int16_t>(nb);
            }
            if (around != nullptr && k > kLargestGroup) break;
        }
        if (k == n) return false;  // everything is one group
        if (k > kLargestGroup) continue;
        if (k == 1) {
            // A lone frog: frogs two steps away weigh 1/phi, three steps
            // away 1/phi^2; two of the first, or one of each, make 1. The
            // frogs next to it, which weigh 1, are not counted here, and that
            // is sound only because they cannot be there unless they make 1
            // without them. A seed with neighbours comes out alone only when
            // its neighbours were all seen in a walk cut short after nine
            // frogs (with around): a walk adds every neighbour of each frog
            // it takes up, so the frogs it took up lie two or more steps from
            // this one. Its group, joined by neighbours, reaches them: if any
            // of them lies three or more steps away, the group passes frogs
            // exactly two and exactly three steps away, 1/phi + 1/phi^2 = 1;
            // if all lie two steps away, either two were taken up, 2/phi > 1,
            // or one was, whose eight neighbours (nine frogs make the cut)
            // hold another two steps away. Either way the total reaches 1.
            const int two = FarCount(pp, seed);
            if (two >= 2) continue;
            const int r = top, col = left;
            double total = two * weight[2];
            for (int i = 0; i < n && total < kOne; ++i) {
                const int d = std::max(std::abs(rows[static_cast<std::size_t>(i)] - r),
                                       std::abs(columns[static_cast<std::size_t>(i)] - col));
                if (d > 2) total += weight[static_cast<std::size_t>(std::min(d, 31))];
            }
            if (total < kOne) return true;
            continue;
        }
        // A frog two steps from a frog of a bigger group stands next to or
        // inside its area: it alone weighs 1 or more.
        Position members;
        for (int i = 0; i < k; ++i) members.Set(group[static_cast<std::size_t>(i)]);
        std::uint64_t any = 0;
        const Padded mp(members);
        for (int i = 0; i < k; ++i) {
            const int c = group[static_cast<std::size_t>(i)];
            const Rings& ring = RingsOf(c);
            const int at = FarStart(c);
            any |= pp.At(at) & (ring.farOther[0] | ring.farSame[0]) & ~mp.At(at);
            any |= pp.At(at + 64) & (ring.farOther[1] | ring.farSame[1]) & ~mp.At(at + 64);
        }
        if (any != 0) continue;
        top -= k - 1, bottom += k - 1, left -= k - 1, right += k - 1;
        auto distance = [&](int r, int col) {
            return std::max({top - r, r - bottom, left - col, col - right, 0});
        };
        // The near frogs first, then the far ones, which weigh little.
        std::array<std::int8_t, kCells> far;  // filled as the near frogs are weighed
        double total = 0;
        for (int i = 0; i < n && total < kOne; ++i) {
            const int d = distance(rows[static_cast<std::size_t>(i)], columns[static_cast<std::size_t>(i)]);
            far[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(std::min(d, 31));
            if (d <= 2 && !members.Has(cells[static_cast<std::size_t>(i)]))
                total += weight[static_cast<std::size_t>(d)];
        }
        for (int i = 0; i < n && total < kOne; ++i) {
            const auto d = static_cast<std::size_t>(far[static_cast<std::size_t>(i)]);
            if (d > 2) total += weight[d];
        }
        if (total < kOne) return true;
    }
    return false;
}

}  // namespace

bool Stranded(const Position& p) { return StrandedGroup(p, nullptr); }

bool StrandedBy(const Position& p, const Move& m) {
    // The jump's cells and their neighbours.
    Position around;
    for (int c : {m.from, m.over, m.to})
        for (std::uint64_t b = RingsOf(c).near; b != 0; b &= b - 1) around.Set(c - 22 + std::countr_zero(b));
    around.Set(m.to);
    return StrandedGroup(p, &around);
}

}  // namespace quib::practice
