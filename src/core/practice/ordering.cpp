// The move ordering. See ordering.h.

#include "ordering.h"

#include <algorithm>

#include "bitboard.h"

namespace quib::practice {

using namespace bits;

namespace {
// The random part of a restart's ordering key: about two neighbours' worth
// of compactness, less than one more frog left alone.
constexpr int kNoise = 24;
}  // namespace

QUIB_COUNTS_BITS void OrderMoves(const Position& p, std::vector<Move>& moves, OrderScratch& scratch,
                                 const Guide& guide, bool guideFirst, std::uint64_t& noise) {
    if (moves.size() < 2) return;
    const Padded pp(p);
    int lonely = 0, least = INT32_MAX;
    ForEachCell(p, [&](int cell) {
        // The neighbours alone may already make it no lonelier.
        if (8 * NearCount(pp, cell) >= least) return;
        const int company = Company(pp, cell);
        if (company < least) least = company, lonely = cell;
    });
    std::vector<std::uint64_t>& keyed = scratch.keyed;
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
            for (std::uint64_t b = NearOf(q, around); b != 0; b &= b - 1)
                stranded += NearOf(q, base + std::countr_zero(b)) == 0;
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
    scratch.moves.assign(moves.begin(), moves.end());
    for (std::size_t i = 0; i < moves.size(); ++i) moves[i] = scratch.moves[keyed[i] & 0xffffu];
}

}  // namespace quib::practice
