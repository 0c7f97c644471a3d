// The practice aids' state, the hint and the solvability notice, and the
// solver's slices on the window timer.

#include <algorithm>
#include <chrono>
#include <memory>

#include "../board/board.h"
#include "../game/game.h"
#include "practice.h"

namespace quib::practice {

Aids& AidsOf(Form1& form) {
    if (!form.practice) form.practice = std::make_shared<Aids>();
    return *form.practice;
}

const Aids* FindAids(const Form1& form) { return form.practice.get(); }

void Subscribe(Form1& form) {
    Hooks& hooks = form.hooks;
    hooks.Jump.push_back(RecordJump);
    hooks.LevelBegins.push_back(LevelBegins);
    hooks.Tick.push_back(SolverTick);
    // The solver's first slice makes its aids; until then a Practice level in
    // play counts as work for it.
    hooks.TickWork.push_back([](const Form1& f) {
        return SolverBusy(f) || (f.game.ModeIndex == kPracticeMode && !FindAids(f) && LevelInPlay(f));
    });
}

bool LevelInPlay(const Form1& form) {
    const Messages& msg = form.msg;
    return form.game.ModeIndex == kPracticeMode && !form.game.IntroShowing && !form.intro.Visible &&
           !msg.RoundOverLabel.Visible && !msg.Label2.Visible && !msg.NameInput.Visible &&
           !form.high.HighLabel.Visible && !msg.PausedLabel.Visible && !form.tasks.PlaybackActive &&
           board::FrogsLeft(form.board) >= 2;
}

bool UndoAvailable(const Form1& form) {
    const Aids* aids = FindAids(form);
    if (aids == nullptr || aids->History.empty() || form.game.ModeIndex != kPracticeMode) return false;
    // After the jump that ended a round, the round-over message may be up;
    // not the one of a solved last level, which has ended the game.
    if (LevelInPlay(form)) return true;
    const Messages& msg = form.msg;
    return msg.RoundOverLabel.Visible && !msg.Label2.Visible && !msg.NameInput.Visible &&
           !form.intro.Visible && !form.high.HighLabel.Visible && !form.tasks.PlaybackActive &&
           board::FrogsLeft(form.board) >= 2;
}

void LevelBegins(Form1& form) {
    if (!form.practice) return;
    Aids& aids = *form.practice;
    aids.History.clear();
    aids.LevelBegun = true;
    aids.HaveCurrent = false;
    aids.Running.reset();
    aids.HintVisible = false;
}

namespace {

// The stored solution of the level on the board, replayed from its start by
// the jump rules; nothing when it does not play down to one frog.
std::optional<KnownLine> StoredLine(const Form1& form, Position& start) {
    const int n = form.game.CurrentLevel;
    if (!game::StoredPuzzleUsable(form, n) || n + 2 > kStepIndexMax) return std::nullopt;
    std::vector<int> cells;
    for (int i = 1; i <= n + 3; ++i) cells.push_back(form.library.LevelPieces(n, i));
    start = PositionOf(cells);
    Position p = start;
    std::uint64_t h = Hash(p);
    KnownLine line;
    for (int s = 1; s <= n + 2; ++s) {
        const int from = form.library.SolutionFrom(n, s).value_or(0), to = form.library.SolutionTo(n, s);
        if (from < 1 || from > kCells || to < 1 || to > kCells || !p.Has(from) || p.Has(to))
            return std::nullopt;
        // The step must be one of the frog's jumps in the jump table.
        const JumpTable& jumps = Jumps();
        std::optional<Move> step;
        for (int k = 0; k < jumps.count[static_cast<std::size_t>(from)]; ++k) {
            const auto [over, landing] =
                jumps.jumps[static_cast<std::size_t>(from)][static_cast<std::size_t>(k)];
            if (landing == to && p.Has(over)) step = Move{from, over, to};
        }
        if (!step) return std::nullopt;
        line.positions.push_back(h);
        line.moves.push_back(*step);
        p = Apply(p, *step);
        h ^= MoveHash(*step);
    }
    if (p.Count() != 1) return std::nullopt;
    return line;
}

KnownLine LineFrom(const Position& start, const std::vector<Move>& moves) {
    KnownLine line;
    std::uint64_t h = Hash(start);
    for (const Move& m : moves) {
        line.positions.push_back(h);
        line.moves.push_back(m);
        h ^= MoveHash(m);
    }
    return line;
}

// Answers for the board as it is now: at once from a known line or the
// failed table, otherwise a search is set up for the timer to run.
void Sync(Form1& form, Aids& aids) {
    if (!LevelInPlay(form)) {
        // A level that ends stops the search at once.
        aids.Running.reset();
        aids.HaveCurrent = false;
        return;
    }
    if (aids.LevelBegun) {
        aids.LevelBegun = false;
        aids.Lines.clear();
        Position start;
        if (auto line = StoredLine(form, start)) aids.Lines.push_back(std::move(*line));
        if (start != aids.TablePuzzle) {
            aids.Failed.Clear();
            aids.TablePuzzle = start;
        }
    }
    const Position p = PositionOf(form.board);
    if (aids.HaveCurrent && p == aids.Current) return;
    aids.Current = p;
    aids.HaveCurrent = true;
    aids.Running.reset();
    aids.Next.reset();
    const std::uint64_t h = Hash(p);
    for (const KnownLine& line : aids.Lines) {
        const auto it = std::find(line.positions.begin(), line.positions.end(), h);
        if (it == line.positions.end()) continue;
        aids.Answer = Verdict::Solvable;
        aids.Next = line.moves[static_cast<std::size_t>(it - line.positions.begin())];
        return;
    }
    if (aids.Failed.Contains(h)) {
        aids.Answer = Verdict::Lost;
        return;
    }
    aids.Answer = Verdict::NotSure;
    // The known lines guide the search: most of their jumps still fit.
    std::vector<Move> known;
    for (const KnownLine& line : aids.Lines) known.insert(known.end(), line.moves.begin(), line.moves.end());
    aids.Running.emplace(p, aids.Failed, known.empty() ? Guide{} : Guide(known));
    aids.SlicesLeft = aids.SliceAllowance;
}

// Runs the search on the board's position until it decides or the time is up.
void RunSearch(Aids& aids, std::chrono::microseconds time) {
    if (!aids.Running) return;
    const Verdict v = aids.Running->Run(Budget{INT64_MAX, std::chrono::steady_clock::now() + time});
    if (v == Verdict::NotSure) return;
    aids.Answer = v;
    if (v == Verdict::Solvable && !aids.Running->solution().empty()) {
        // A found line is kept for the level, so following it is answered at
        // once; the stored solution stays first, and only a few are kept.
        if (aids.Lines.size() >= 8) aids.Lines.erase(aids.Lines.begin() + 1);
        aids.Lines.push_back(LineFrom(aids.Current, aids.Running->solution()));
        aids.Next = aids.Running->solution().front();
    }
    aids.Running.reset();
}

}  // namespace

void UpdateAids(Form1& form) {
    Aids& aids = AidsOf(form);
    Sync(form, aids);
    const bool inPlay = LevelInPlay(form);
    aids.UndoJumpMenue.Enabled = UndoAvailable(form);
    aids.HintMenue.Enabled = inPlay;
    if (!inPlay) {
        aids.Shown = Notice::Hidden;
    } else {
        aids.Shown = aids.Answer == Verdict::Solvable ? Notice::Solvable
                     : aids.Answer == Verdict::Lost   ? Notice::Lost
                                                      : Notice::NotSure;
    }
    // A hint belongs to the position it was given for.
    if (aids.HintVisible && (!inPlay || !aids.Next || aids.Next->from != aids.HintFrom ||
                             aids.Next->to != aids.HintTo || !aids.Current.Has(aids.HintFrom)))
        aids.HintVisible = false;
}

void Hint_Click(Form1& form) {
    if (!LevelInPlay(form)) return;
    Aids& aids = AidsOf(form);
    Sync(form, aids);
    // The player asked: a short search at once rather than waiting for the
    // timer's slices.
    RunSearch(aids, std::chrono::milliseconds(60));
    if (aids.Answer == Verdict::Solvable && aids.Next) {
        aids.HintFrom = aids.Next->from;
        aids.HintTo = aids.Next->to;
        aids.HintVisible = true;
    }
    UpdateAids(form);
}

void SolverTick(Form1& form) {
    if (form.game.ModeIndex != kPracticeMode && !form.practice) return;
    Aids& aids = AidsOf(form);
    Sync(form, aids);
    if (aids.SlicesLeft > 0) {
        --aids.SlicesLeft;
        RunSearch(aids, std::chrono::microseconds(kSliceMicroseconds));
    }
    UpdateAids(form);
}

bool SolverBusy(const Form1& form) {
    const Aids* aids = FindAids(form);
    return aids != nullptr && LevelInPlay(form) &&
           ((aids->Running.has_value() && aids->SlicesLeft > 0) || aids->LevelBegun || !aids->HaveCurrent ||
            !(PositionOf(form.board) == aids->Current));
}

}  // namespace quib::practice
