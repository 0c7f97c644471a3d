#pragma once
// The depth-first search's move ordering: help the most isolated frog first
// (moves of it or over it, then moves that bring a frog nearer to it), then
// keep the board compact. The guide's jumps lead within each tier, or with
// guideFirst before every tier; a nonzero noise state breaks near-ties within
// a tier at random.

#include <cstdint>
#include <vector>

#include "guide.h"

namespace quib::practice {

struct OrderScratch {
    std::vector<std::uint64_t> keyed;
    std::vector<Move> moves;
};

void OrderMoves(const Position& p, std::vector<Move>& moves, OrderScratch& scratch, const Guide& guide,
                bool guideFirst, std::uint64_t& noise);

}  // namespace quib::practice
