// The puzzle generator. A level is grown backwards from one frog on the
// centre cell by undoing random jumps; the undone jumps, read last first, are
// the solution. Every result is replayed on the check board before it counts.

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "levels.h"

namespace quib::levels {

namespace {

// How long the direction search may go on. Left to itself it has no end when
// no frog has an acceptable reverse jump; these bounds turn such a dead end
// into failed attempts and, at worst, a failed run.
constexpr int kAttemptLimit = 600;       // attempts for one frog before a fresh start
constexpr int kFrogChangeTries = 50;     // directions for one frog before another is chosen
constexpr int kUnacceptableRun = 400;    // unacceptable directions in a row that count as a failed attempt
constexpr int kFreshStartLimit = 40;     // fresh starts in one run before the run gives up

// Index ranges of the working data, as the game sizes them.
constexpr int kFrogSlots = 400;   // FrogCells 0..400
constexpr int kCellSlots = 400;   // CellTaken 0..400
constexpr int kStepSlots = 350;   // StepFrom, StepTo 0..350

// Checked access to the working arrays: a bad index is a run-time error of
// the run, never a write past the end.
template <class T, std::size_t N>
T& At(std::array<T, N>& a, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= N) throw std::out_of_range("generator working data");
    return a[static_cast<std::size_t>(i)];
}

// Working data of one run. It lives on the stack of the run, so runs never
// share anything but their outputs.
struct Work {
    std::array<int, kFrogSlots + 1> FrogCells{};
    std::array<std::int16_t, kCellSlots + 1> CellTaken{};
    std::array<std::int16_t, kStepSlots + 1> StepFrom{};
    std::array<int, kStepSlots + 1> StepTo{};
};

struct Move {
    int middle = 0;
    int destination = 0;
};

// Middle and destination cell of reverse direction d (1..8) for a frog on P.
Move Offsets(int d, int P, int W) {
    switch (d) {
        case 1: return {P - W, P - 2 * W};
        case 2: return {P + W, P + 2 * W};
        case 3: return {P - 1, P - 2};
        case 4: return {P + 1, P + 2};
        case 5: return {P - W - 1, P - 2 * W - 2};
        case 6: return {P - W + 1, P - 2 * W + 2};
        case 7: return {P + W - 1, P + 2 * W - 2};
        case 8: return {P + W + 1, P + 2 * W + 2};
        default: return {0, 0};
    }
}

// The acceptance formulas on the raw cell number, kept exactly as the game
// has them: they also shut out column 21 for leftward and column 19 for
// rightward reverse jumps, which would stay on the board.
bool Allowed(int d, int P, int W, int H) {
    const bool rowsFromThird = P > 2 * W;
    const bool rowsToTwelfth = P <= (H - 2) * W;
    const bool leftOk = (P - 2) / W == P / W && (P - 2) % W > 0;
    const bool rightOk = P % W > 0 && (P + 2) / W == P / W;
    switch (d) {
        case 1: return rowsFromThird;
        case 2: return rowsToTwelfth;
        case 3: return leftOk;
        case 4: return rightOk;
        case 5: return P - 2 > 2 * W && leftOk;
        case 6: return rowsFromThird && rightOk;
        case 7: return rowsToTwelfth && leftOk;
        case 8: return P + 2 <= (H - 2) * W && rightOk;
        default: return false;  // a die that is not in [0, 1) names no direction
    }
}

bool Acceptable(Work& w, int d, int P, int W, int H) {
    if (!Allowed(d, P, W, H)) return false;
    const Move m = Offsets(d, P, W);
    if (m.destination < 1 || m.destination > W * H) return false;
    return At(w.CellTaken, m.middle) == 0 && At(w.CellTaken, m.destination) == 0;
}

// Int(random * n) + 1, kept inside 1..n whatever the platform hands out.
int Pick(Platform& p, int n) {
    const double r = p.Rnd() * n;
    int k = static_cast<int>(std::floor(r)) + 1;
    if (k < 1) k = 1;
    if (k > n) k = n;
    return k;
}

// A direction die: Int(random * 8) + 1 without clamping, so that a value
// outside [0, 1) names no direction instead of a wrong one.
int Direction(Platform& p) { return static_cast<int>(std::floor(p.Rnd() * 8)) + 1; }

// The acceptable directions of a frog on P, one bit per direction (bit
// d - 1). The board does not change during a direction search, so each frog's
// set is worked out once per turn instead of once per die.
unsigned MoveMask(Work& w, int P, int W, int H) {
    unsigned mask = 0;
    for (int d = 1; d <= 8; ++d) {
        if (Acceptable(w, d, P, W, H)) mask |= 1u << (d - 1);
    }
    return mask;
}

// Whether any placed frog still has an acceptable reverse jump. Used only
// after a long unlucky run, to give up on a board that cannot grow at once.
bool AnyMoveLeft(Work& w, int frogs, int W, int H) {
    for (int c = 1; c <= frogs; ++c) {
        if (MoveMask(w, At(w.FrogCells, c), W, H) != 0) return true;
    }
    return false;
}

// Grows level g into GeneratedPieces and the working steps. False when the
// run gives up (no board of that many frogs could be grown).
bool Construct(Session& session, Work& w, int g) {
    Generator& gen = session.gen;
    Platform& platform = session.platform;
    const int W = session.board.BoardColumns;
    const int H = session.board.BoardRows;
    const int cells = W * H;
    // Halves round to the even neighbour: 157.5 gives 158.
    const int start = static_cast<int>(std::nearbyint(cells / 2.0 + W / 2.0));

    for (int freshStart = 1; freshStart <= kFreshStartLimit; ++freshStart) {
        gen.GeneratedPieces(g, 1) = static_cast<std::int16_t>(start);
        At(w.FrogCells, 1) = start;
        // The whole array rather than the Grid's 295 elements: marks only
        // ever fall on board cells, so the outcome is the same for any board
        // size. The starting cell stays unmarked.
        w.CellTaken.fill(0);
        platform.Randomize();
        int c = 1;

        bool restart = false;
        for (int v = 2; v <= g + 3 && !restart; ++v) {
            int attempts = 0;
            for (;;) {  // one attempt per pass
                if (++attempts > kAttemptLimit) {
                    restart = true;
                    break;
                }
                bool acceptable = false;
                int tries = 0;
                int unacceptableRun = 0;
                int d = 0;
                int P = 0;
                bool known = false;  // whether mask holds the chosen frog's directions
                unsigned mask = 0;
                while (!acceptable) {
                    if (++tries > kFrogChangeTries) {
                        c = Pick(platform, v - 1);
                        tries = 0;
                        known = false;
                    }
                    P = At(w.FrogCells, c);
                    if (!known) {
                        mask = MoveMask(w, P, W, H);
                        known = true;
                    }
                    if (mask == 0) {
                        // A frog that cannot move fails every die left in its
                        // turn whatever it shows, so those dice are not cast:
                        // the same frogs and directions come out, faster.
                        unacceptableRun += kFrogChangeTries - tries + 1;
                        tries = kFrogChangeTries;
                        if (unacceptableRun >= kUnacceptableRun) break;
                        continue;
                    }
                    d = Direction(platform);
                    acceptable = d >= 1 && d <= 8 && (mask >> (d - 1) & 1u) != 0;
                    if (!acceptable && ++unacceptableRun >= kUnacceptableRun) break;
                }
                if (!acceptable) {
                    // A board on which no frog can move never grows again:
                    // start afresh at once instead of spending the attempts.
                    if (!AnyMoveLeft(w, v - 1, W, H)) {
                        restart = true;
                        break;
                    }
                    continue;
                }

                // The reverse jump: the frog on P moves two cells on, and a
                // new frog appears on the cell it passed over.
                const Move m = Offsets(d, P, W);
                At(w.StepTo, v - 1) = P;
                At(w.CellTaken, P) = 0;
                At(w.FrogCells, v) = m.middle;
                At(w.FrogCells, c) = m.destination;
                At(w.CellTaken, m.middle) = 1;
                At(w.CellTaken, m.destination) = 2;
                At(w.StepFrom, v - 1) = static_cast<std::int16_t>(m.destination);
                gen.GeneratedPieces(g, v) = static_cast<std::int16_t>(At(w.FrogCells, v));
                gen.GeneratedPieces(g, c) = static_cast<std::int16_t>(At(w.FrogCells, c));

                // The distinctness check. FrogCells holds exactly the values
                // just written to GeneratedPieces, so it is read instead of
                // the table. A failed check does not undo the jump: the next
                // attempt starts from the changed positions.
                const int added = At(w.FrogCells, v);
                bool distinct = true;
                for (int L = 1; L <= v - 1; ++L) {
                    const int piece = At(w.FrogCells, L);
                    if (piece == added || piece < 0 || piece > cells) {
                        distinct = false;
                        break;
                    }
                }
                if (!distinct) continue;

                c = Pick(platform, v);
                break;
            }
        }
        if (!restart) return true;
    }
    return false;
}

// A run of the generator for level g; throws on a run-time error.
bool RunGeneration(Session& session, int g) {
    Generator& gen = session.gen;
    // Levels whose frogs or steps do not fit the tables are refused before
    // any work: growing them could never end.
    if (g < 0 || g > kLevelIndexMax || g + 3 > kPieceIndexMax || g + 2 > kStepIndexMax) {
        throw std::out_of_range("level beyond the tables");
    }
    const int W = session.board.BoardColumns;
    const int H = session.board.BoardRows;
    if (W < 3 || H < 3 || W * H > kCellSlots) throw std::out_of_range("board beyond the working data");
    // More frogs than cells can never be grown; without this the run would
    // spend all its fresh starts first, and the level start would repeat it.
    if (g + 3 > W * H) throw std::out_of_range("more frogs than cells");

    Work w;
    if (!Construct(session, w, g)) {
        gen.LevelVerified.at(static_cast<std::size_t>(g)) = false;
        gen.GenerationDone = false;
        gen.GenerationRequested = true;
        return false;
    }

    // The last reverse jump is the first jump of the solution.
    for (int j = 1; j <= g + 2; ++j) {
        const int k = g + 3 - j;
        gen.GeneratedSolutionFrom(g, j) = static_cast<int>(At(w.StepFrom, k));
        gen.GeneratedSolutionTo(g, j) = static_cast<std::int16_t>(At(w.StepTo, k));
    }

    gen.GenerationDone = true;
    gen.GenerationRequested = true;
    VerifyGeneratedLevel(session);
    if (!gen.LevelVerified.at(static_cast<std::size_t>(g))) {
        gen.GenerationDone = false;
        return false;
    }

    // The level on the board takes its fresh puzzle at once; every other
    // level waits for the timer to install it.
    if (g == session.game.CurrentLevel) InstallGeneratedLevel(session, g);
    return true;
}

}  // namespace

void GenerateLevel(Session& session) {
    Generator& gen = session.gen;
    const int g = gen.GenerationLevel;
    if (g == 0) {
        gen.GenerationDone = true;
        gen.GenerationRequested = true;
        return;
    }
    try {
        RunGeneration(session, g);
    } catch (...) {
        // Any fault ends the run as a failed one: nothing is installed, and
        // a stale success of an earlier run is not left standing.
        if (g >= 0 && g <= kLevelIndexMax) gen.LevelVerified[static_cast<std::size_t>(g)] = false;
        gen.GenerationDone = false;
        gen.GenerationRequested = true;
    }
}

}  // namespace quib::levels
