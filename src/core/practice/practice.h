#pragma once
// The practice aids, offered in Practice mode only: taking back jumps, a hint
// that shows a jump leading to a solution, and a notice that says whether the
// board can still be solved. Easy, Medium and Difficult never use them.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "../form.h"
#include "solver.h"
#include "worker.h"

namespace quib::practice {

// What one jump changed, enough to take it back exactly: the jumped frog's
// record as it was and where the renumbering of its removal put the last
// record, the mover's record and picture with its facing, and which pictures
// were shown (a round-over message hides them all).
struct JumpRecord {
    Move move;
    int mover = 0;         // the selected record before the jump
    int jumpedRecord = 0;  // the record number the jumped frog had
    int lastRecord = 0;    // the last record number before the removal
    FrogRecord jumped;     // the jumped frog's record before the removal
    int moverPicture = 0;
    bool moverFacedLeft = false;
    std::vector<bool> shownPictures;
};

enum class Notice { Hidden, NotSure, Solvable, Lost };

// A line of jumps known to solve the level: the stored solution, or one the
// solver found. positions[i] is the hash of the position before moves[i].
struct KnownLine {
    std::vector<std::uint64_t> positions;
    std::vector<Move> moves;
};

// Known solutions kept for a level: the stored one and the newest found.
constexpr std::size_t kKnownLines = 8;

struct Aids {
    MenuEntry UndoJumpEntry{"Undo Jump", false, false};
    MenuEntry HintEntry{"Hint", false, false};
    std::vector<JumpRecord> History;
    Notice Shown = Notice::Hidden;
    bool HintVisible = false;
    int HintFrom = 0;  // cells of the hinted jump
    int HintTo = 0;

    // The solver's side, kept for the level.
    bool LevelBegun = true;
    bool HaveCurrent = false;
    Position Current;       // the position the answer below is for
    int AskedSelected = 0;  // the selected frog the worker was asked with
    Position TablePuzzle;   // the level start the worker's knowledge is for
    Verdict Answer = Verdict::NotSure;
    std::optional<Move> Next;  // a jump towards a solution from Current
    std::vector<KnownLine> Lines;
    bool HintWanted = false;  // a hint asked for before the answer was known
    // How long the worker may search a position of the board that stays
    // undecided (a big board): it is then left "not sure" rather than
    // keeping a core busy for as long as the game stays open; a hint asks
    // for more. Each jump of the selected frog gets a sixth of it.
    std::chrono::milliseconds Allowance = kSearchPerPosition;
    // The search's own thread, made on first use; it is stopped and joined
    // with the aids. Wake is handed to it: it posts to the window's loop.
    std::function<void()> Wake;
    std::unique_ptr<SolverWorker> Worker;
};

// Subscribes the aids to what the game announces: its jumps, its level
// starts and its timer ticks. Called once, when the game's window is made.
void Subscribe(Session& session);

// The aids of a game, made on first use.
Aids& AidsOf(Session& session);
const Aids* FindAids(const Session& session);

// The aids are offered: a Practice level in play (the game's own answer),
// not a solution playback, with frogs still to jump.
bool Offered(const Session& session);
bool UndoAvailable(const Session& session);

// Called by the board as a jump is made, before it changes anything.
void RecordJump(Session& session, int from, int to, int over);
// Called by every level start and board resume: the history goes.
void LevelBegins(Session& session);

// "Undo Jump" (Ctrl+Z): takes back the last jump, also after a round-over
// message, which then goes.
void UndoJump(Session& session);
// "Hint" (H): outlines a frog and its landing cell of a jump that leads to a
// solution, when one is known.
void ShowHint(Session& session);

// Brings the menu entries, the notice and the hint up to date with the board,
// picking up the worker's answer for it.
void UpdateAids(Session& session);
// The timer's share: tells the worker about a board it has not seen and
// picks up its answer (the window is also woken when one comes).
void SolverTick(Session& session);
// Whether the tick still has work for the solver: a board the worker has not
// been told about. The search itself never needs the tick.
bool SolverBusy(const Session& session);
// Sets what the worker calls, on its own thread, when the board's position is
// decided: the window posts an UpdateAids to its event loop.
void SetSolverWake(Session& session, std::function<void()> wake);
// Stops and joins the worker (before what its wake reaches goes away).
void StopSolver(Session& session);
// For tests and benchmarks only: waits at most `limit` for the worker to
// decide the board's position or give up, then brings the aids up to date.
void AwaitSolver(Session& session, std::chrono::milliseconds limit);

}  // namespace quib::practice
