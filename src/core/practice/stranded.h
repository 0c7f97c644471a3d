#pragma once
// Dead-position pruning: a proof that a group of frogs can never meet the
// others again, so that no sequence of jumps leaves a single frog.

#include "position.h"

namespace quib::practice {

// True when some group of frogs is proven stranded.
bool Stranded(const Position& p);
// Whether the jump m that made p left a group stranded, weighing only the
// groups around the jump, whose lot changed most. (A jump far away can tip a
// group's weight below one, rarely; the beams, which use this, need not catch
// every stranded group.)
bool StrandedBy(const Position& p, const Move& m);

}  // namespace quib::practice
