// The guide of known lines. See guide.h.

#include "guide.h"

#include <bit>

namespace quib::practice {

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
        for (std::size_t k = line.size(); k-- > 0;) {
            p.Clear(line[k].to), p.Set(line[k].from), p.Set(line[k].over);
            along[line.size() - k + 1] = p;
        }
    }
}

const Guide& Guide::None() {
    static const Guide none;
    return none;
}

int Guide::Rank(const Move& m) const {
    return ranks_[static_cast<std::size_t>(m.from) * (kCells + 1) + static_cast<std::size_t>(m.to)];
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
    Position off;
    for (std::size_t w = 0; w < p.bits.size(); ++w) off.bits[w] = p.bits[w] ^ q.bits[w];
    const Move& jump = moves[moves.size() + 1 - static_cast<std::size_t>(frogs)];
    step.flips = off;
    step.base = 3;
    for (int c : {jump.from, jump.over, jump.to}) {
        step.base += off.Has(c) ? -1 : 1;
        if (off.Has(c))
            step.flips.Clear(c);
        else
            step.flips.Set(c);
    }
    return true;
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

}  // namespace quib::practice
