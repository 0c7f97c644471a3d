#pragma once
// Lines of jumps known to lead to one frog (the level's stored solution,
// lines found before), each to the end. After the player strays from them,
// most of their jumps still fit: the search tries them first, tests at every
// position whether the rest of a line still plays down to one frog, replays a
// line skipping the jumps that no longer fit, and aims beams at the lines. A
// guide is built once per set of lines and only read afterwards, so every
// search of a level shares one.

#include <cstdint>
#include <vector>

#include "position.h"

namespace quib::practice {

class Guide {
public:
    Guide() = default;
    explicit Guide(const std::vector<Move>& line);
    // The first lines rank their jumps first, and the beams aim at the first
    // kBeamLines of them.
    explicit Guide(const std::vector<std::vector<Move>>& lines);
    // A guide without lines, to share.
    static const Guide& None();
    // The move's place in the lines one after the other, or -1.
    int Rank(const Move& m) const;
    bool Empty() const { return ranks_.empty(); }
    const std::vector<std::vector<Move>>& lines() const { return lines_; }
    // The repair test: a line whose last Count() - 1 jumps, taken in order
    // from p, all apply (and so leave one frog). Fills tail with them. It
    // plays the jumps on p itself: no hash is trusted.
    bool Rejoins(const Position& p, std::vector<Move>& tail) const { return Rejoins(p, p.Count(), tail); }
    bool Rejoins(const Position& p, int frogs, std::vector<Move>& tail) const;
    // How far p, with its number of frogs, is from a line: the cells in which
    // it differs from the line's position with as many frogs, or -1 when the
    // line has none.
    int Distance(const Position& p, int frogs, std::size_t line) const;
    // What a line's next jump does to the distance from p, worked out once
    // for all of p's jumps (Step::After gives the distance after a jump m
    // from p's distance d): both p and the line's position change in the
    // cells of one jump each. A cell of m brings p and the line nearer when
    // they differed in it, unless the line's jump changes it too; so
    // `flips` holds the cells that differ or are the line's jump's, not both.
    struct Step {
        Position flips;
        int base = 0;  // the change the line's jump alone makes, plus 3
        int After(const Move& m, int d) const {
            return d + base - 2 * (flips.Has(m.from) + flips.Has(m.over) + flips.Has(m.to));
        }
    };
    // False when the line has no position with so many frogs or no jump from it.
    bool StepFrom(const Position& p, int frogs, std::size_t line, Step& step) const;

private:
    std::vector<std::int16_t> ranks_;  // by from * (kCells + 1) + to, -1 for none
    std::vector<std::vector<Move>> lines_;
    std::vector<std::vector<Position>> along_;  // per line, its positions by frog count
};

}  // namespace quib::practice
