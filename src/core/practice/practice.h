#pragma once
// The practice aids, offered in Practice mode only: taking back jumps, a hint
// that shows a jump leading to a solution, and a notice that says whether the
// board can still be solved. Easy, Medium and Difficult never use them.

#include <cstdint>
#include <optional>
#include <vector>

#include "../form.h"
#include "solver.h"

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

// About ten seconds of search per position, spread over the timer's ticks.
constexpr int kSlicesPerPosition = 4000;

struct Aids {
    MenuEntry UndoJumpMenue{"Undo Jump", false, false};
    MenuEntry HintMenue{"Hint", false, false};
    std::vector<JumpRecord> History;
    Notice Shown = Notice::Hidden;
    bool HintVisible = false;
    int HintFrom = 0;  // cells of the hinted jump
    int HintTo = 0;

    // The solver's side, kept for the level.
    bool LevelBegun = true;
    bool HaveCurrent = false;
    Position Current;      // the position the answer below is for
    Position TablePuzzle;  // the level start the failed table was built for
    Verdict Answer = Verdict::NotSure;
    std::optional<Move> Next;  // a jump towards a solution from Current
    std::vector<KnownLine> Lines;
    FailedTable Failed;
    std::optional<Search> Running;
    // Timer slices the running search may still take. A position that stays
    // undecided for long (a big board) is left "not sure" rather than keeping
    // a core busy for as long as the game stays open; a hint still searches.
    int SliceAllowance = kSlicesPerPosition;
    int SlicesLeft = 0;
};

// Subscribes the aids to what the game announces: its jumps, its level
// starts and its timer ticks. Called once, when the game's window is made.
void Subscribe(Form1& form);

// The aids of a game, made on first use.
Aids& AidsOf(Form1& form);
const Aids* FindAids(const Form1& form);

// A Practice level is on the board and not yet over.
bool LevelInPlay(const Form1& form);
bool UndoAvailable(const Form1& form);

// Called by the board as a jump is made, before it changes anything.
void RecordJump(Form1& form, int from, int to, int over);
// Called by every level start and board resume: the history goes.
void LevelBegins(Form1& form);

// "Undo Jump" (Ctrl+Z): takes back the last jump, also after a round-over
// message, which then goes.
void UndoJump_Click(Form1& form);
// "Hint" (H): outlines a frog and its landing cell of a jump that leads to a
// solution, when one is known.
void Hint_Click(Form1& form);

// Brings the menu entries, the notice and the hint up to date with the board.
void UpdateAids(Form1& form);
// The timer's share: a slice of search of at most kSliceMicroseconds.
constexpr int kSliceMicroseconds = 2500;
void SolverTick(Form1& form);
// Whether the solver still has work to do on the board in play, within the
// position's allowance of slices.
bool SolverBusy(const Form1& form);

}  // namespace quib::practice
