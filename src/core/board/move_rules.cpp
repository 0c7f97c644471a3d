// The jump rules. One implementation serves the board click, the replay of
// generated puzzles on the check board and the remaining-jump check, so the
// three can never disagree about what a legal jump is.

#include "board.h"

namespace quib::board {

std::array<DirectionRow, 8> DirectionTable(int W) {
    return {{
        {Direction::su, "su", -W, -2 * W, Facing::Unchanged, 0},
        {Direction::sd, "sd", W, 2 * W, Facing::Unchanged, 0},
        {Direction::sl, "sl", -1, -2, Facing::Left, -1},
        {Direction::sr, "sr", 1, 2, Facing::Right, 1},
        {Direction::dul, "dul", -(W + 1), -2 * (W + 1), Facing::Left, -1},
        {Direction::dur, "dur", -(W - 1), -2 * (W - 1), Facing::Right, 1},
        {Direction::ddl, "ddl", W - 1, 2 * (W - 1), Facing::Left, -1},
        {Direction::ddr, "ddr", W + 1, 2 * (W + 1), Facing::Right, 1},
    }};
}

DirectionRow RowOf(const std::array<DirectionRow, 8>& table, Direction d) {
    return table[static_cast<std::size_t>(d)];
}

std::optional<Direction> NameNeighbour(int f, int t, int W) {
    // The naming order differs from the table order: right is tried before left.
    static constexpr Direction kOrder[] = {Direction::su,  Direction::sd,  Direction::sr,  Direction::sl,
                                           Direction::dul, Direction::dur, Direction::ddl, Direction::ddr};
    const auto table = DirectionTable(W);
    for (Direction d : kOrder) {
        if (t - f == RowOf(table, d).neighbourOffset) return d;
    }
    return std::nullopt;
}

bool RowEdgeRefuses(Direction d, int f, int W) {
    const int horizontal = RowOf(DirectionTable(W), d).horizontal;
    if (horizontal < 0) return (f - 1) % W == 0 || (f - 2) % W == 0;
    if (horizontal > 0) return f % W == 0 || W - (f % W) < 2;
    return false;
}

JumpTest TryJump(const std::vector<Cell>& cells, int W, int f, int t) {
    JumpTest result;
    const int N = static_cast<int>(cells.size()) - 1;
    for (const DirectionRow& row : DirectionTable(W)) {
        if (t - f != row.jumpOffset) continue;
        const int j = t - row.neighbourOffset;
        // The written bounds (j < N going up, j > 0 going down) plus the
        // plain bounds of the cell array, so no input can read outside it.
        if (j < 1 || j > N) return result;
        if (cells[static_cast<std::size_t>(j)].RecordNumber <= 0) return result;
        if (RowEdgeRefuses(row.direction, f, W)) return result;
        result.legal = true;
        result.jumped = j;
        result.direction = row.direction;
        return result;
    }
    return result;
}

bool IsLandingCell(const std::vector<Cell>& cells, int W, int f, int x) {
    const int N = static_cast<int>(cells.size()) - 1;
    if (x < 1 || x > N || cells[static_cast<std::size_t>(x)].RecordNumber != 0) return false;
    return TryJump(cells, W, f, x).legal;
}

bool HasJumpFrom(const std::vector<Cell>& cells, int W, int f) {
    for (const DirectionRow& row : DirectionTable(W)) {
        if (IsLandingCell(cells, W, f, f + row.jumpOffset)) return true;
    }
    return false;
}

}  // namespace quib::board
