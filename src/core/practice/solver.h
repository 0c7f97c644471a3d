#pragma once
// The practice solver: can this position still be solved, and by which
// jumps? Its parts, one file each: the bitboard position and its jumps
// (position.h), the stranded-group proof (stranded.h), the table of failed
// positions (failed_table.h), the known lines that guide it (guide.h) and the
// beams that aim at them (beam.h), and the search and its phases (search.h).
// Plain C++, no Qt.

#include <vector>

#include "failed_table.h"
#include "guide.h"
#include "position.h"
#include "search.h"
#include "stranded.h"

namespace quib::practice {

struct Answer {
    Verdict verdict = Verdict::NotSure;
    std::vector<Move> solution;
};

// The answer for a position within a budget, the table growing as it learns.
Answer Solve(const Position& p, const Budget& budget, FailedTable& failed,
             const Guide& guide = Guide::None());

}  // namespace quib::practice
