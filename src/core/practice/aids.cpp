// The practice aids' state, the hint and the solvability notice, and the
// solver's slices on the window timer.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "../board/board.h"
#include "../game/game.h"
#include "practice.h"

namespace quib::practice {

Aids& AidsOf(Session& session) {
    if (!session.practice) {
        session.practice = std::make_shared<Aids>();
        session.practice->UndoJumpEntry.Caption = session.platform.Translate("Menu", "Undo Jump");
        session.practice->HintEntry.Caption = session.platform.Translate("Menu", "Hint");
    }
    return *session.practice;
}

const Aids* FindAids(const Session& session) { return session.practice.get(); }

void Subscribe(Session& session) {
    Hooks& hooks = session.hooks;
    hooks.Jump.push_back(RecordJump);
    hooks.LevelBegins.push_back(LevelBegins);
    hooks.Tick.push_back(SolverTick);
    // The solver's first slice makes its aids; until then a Practice level in
    // play counts as work for it.
    hooks.TickWork.push_back([](const Session& f) {
        return SolverBusy(f) || (f.game.ModeIndex == kPracticeMode && !FindAids(f) && Offered(f));
    });
}

bool Offered(const Session& session) {
    return session.game.ModeIndex == kPracticeMode && game::LevelInPlay(session) && !session.tasks.PlaybackActive &&
           board::FrogsLeft(session.board) >= 2;
}

bool UndoAvailable(const Session& session) {
    const Aids* aids = FindAids(session);
    if (aids == nullptr || aids->History.empty() || session.game.ModeIndex != kPracticeMode) return false;
    // After the jump that ended a round, the round-over message may be up;
    // not the one of a solved last level, which has ended the game.
    if (Offered(session)) return true;
    return session.play.Now == Screen::RoundOver && session.window.State != WindowState::Minimised && !session.tasks.PlaybackActive &&
           board::FrogsLeft(session.board) >= 2;
}

void LevelBegins(Session& session) {
    if (!session.practice) return;
    Aids& aids = *session.practice;
    aids.History.clear();
    aids.LevelBegun = true;
    aids.HaveCurrent = false;
    aids.HintVisible = false;
    aids.HintWanted = false;
}

namespace {

// The stored solution of the level on the board, replayed from its start by
// the jump rules; nothing when it does not play down to one frog.
std::optional<KnownLine> StoredLine(const Session& session, Position& start) {
    const int n = session.game.CurrentLevel;
    if (!game::StoredPuzzleUsable(session, n) || n + 2 > kStepIndexMax) return std::nullopt;
    std::vector<int> cells;
    for (int i = 1; i <= n + 3; ++i) cells.push_back(session.library.LevelPieces(n, i));
    start = PositionOf(cells);
    Position p = start;
    std::uint64_t h = Hash(p);
    KnownLine line;
    for (int s = 1; s <= n + 2; ++s) {
        const int from = session.library.SolutionFrom(n, s).value_or(0), to = session.library.SolutionTo(n, s);
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

SolverWorker& WorkerOf(Aids& aids) {
    if (!aids.Worker) aids.Worker = std::make_unique<SolverWorker>(aids.Wake);
    aids.Worker->SetAllowance(aids.Allowance, aids.Allowance / 6);
    return *aids.Worker;
}

bool OnKnownLine(const Aids& aids, std::uint64_t h) {
    for (const KnownLine& line : aids.Lines)
        if (std::find(line.positions.begin(), line.positions.end(), h) != line.positions.end()) return true;
    return false;
}

// The known lines as the worker's guide takes them: the newest found first,
// since a neighbouring position's solution most often fits, the stored one last.
std::vector<std::vector<Move>> GuideLines(const Aids& aids) {
    std::vector<std::vector<Move>> lines;
    for (auto it = aids.Lines.rbegin(); it != aids.Lines.rend(); ++it) lines.push_back(it->moves);
    return lines;
}

// The positions after each next jump, the likeliest first: the selected
// frog's jumps (how many, in likely), then the jumps nearest the last jump's
// landing cell. Those on a known line are answered without search.
std::vector<Position> Ahead(const Session& session, const Aids& aids, const Position& p, std::size_t& likely) {
    int selected = 0, last = 0;
    const Board& b = session.board;
    if (b.SelectedFrog >= 1 && static_cast<std::size_t>(b.SelectedFrog) < b.Rect.size())
        selected = b.Rect[static_cast<std::size_t>(b.SelectedFrog)].CellNumber;
    if (!aids.History.empty()) last = aids.History.back().move.to;
    std::vector<std::pair<int, Move>> keyed;
    for (const Move& m : LegalMoves(p)) {
        const int near = last == 0 ? 0 : std::min(Chebyshev(m.from, last), Chebyshev(m.over, last));
        keyed.emplace_back(m.from == selected ? -1 : near, m);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<Position> ahead;
    likely = 0;
    const std::uint64_t h = Hash(p);
    for (const auto& [key, m] : keyed) {
        if (OnKnownLine(aids, h ^ MoveHash(m))) continue;
        ahead.push_back(Apply(p, m));
        likely += key < 0;
    }
    return ahead;
}

void Ask(Session& session, Aids& aids, const Position& p, bool hint = false) {
    std::size_t likely = 0;
    std::vector<Position> ahead = Ahead(session, aids, p, likely);
    WorkerOf(aids).Ask(p, std::move(ahead), likely, hint);
}

// The jump a known line makes from p, when the rest of the line, played on p
// itself, leaves one frog: a hash alone never answers.
std::optional<Move> KnownNext(const Aids& aids, const Position& p) {
    const std::uint64_t h = Hash(p);
    for (const KnownLine& line : aids.Lines) {
        const auto it = std::find(line.positions.begin(), line.positions.end(), h);
        if (it == line.positions.end()) continue;
        const auto at = static_cast<std::size_t>(it - line.positions.begin());
        Position q = p;
        std::size_t i = at;
        for (; i < line.moves.size() && Applies(q, line.moves[i]); ++i) q = Apply(q, line.moves[i]);
        if (i == line.moves.size() && q.Count() == 1) return line.moves[at];
    }
    return std::nullopt;
}

// Takes the worker's answer for the board's position, when it has one.
void Collect(Aids& aids) {
    if (!aids.HaveCurrent || aids.Answer != Verdict::NotSure || !aids.Worker) return;
    const std::optional<Answer> a = aids.Worker->Find(aids.Current);
    if (!a) return;
    aids.Answer = a->verdict;
    if (a->verdict == Verdict::Solvable && !a->solution.empty()) {
        // A found line is kept for the level, so following it is answered at
        // once, and guides later searches; the stored solution stays first,
        // and only a few are kept.
        if (aids.Lines.size() >= kKnownLines) aids.Lines.erase(aids.Lines.begin() + 1);
        aids.Lines.push_back(LineFrom(aids.Current, a->solution));
        aids.Worker->SetLines(GuideLines(aids));
        aids.Next = a->solution.front();
    }
}

// Answers for the board as it is now: at once from a known line or from what
// the worker has decided; otherwise the worker is asked, and it thinks ahead
// about the positions after the next jumps meanwhile.
void Sync(Session& session, Aids& aids) {
    if (!Offered(session)) {
        // A level that ends stops the search at once.
        if (aids.Worker) aids.Worker->Rest();
        aids.HaveCurrent = false;
        aids.HintWanted = false;
        return;
    }
    if (aids.LevelBegun) {
        aids.LevelBegun = false;
        aids.Lines.clear();
        Position start;
        if (auto line = StoredLine(session, start)) aids.Lines.push_back(std::move(*line));
        WorkerOf(aids).BeginLevel(GuideLines(aids), start == aids.TablePuzzle);
        aids.TablePuzzle = start;
        aids.HaveCurrent = false;
    }
    const Position p = PositionOf(session.board);
    const int selected = session.board.SelectedFrog;
    if (aids.HaveCurrent && p == aids.Current) {
        if (selected != aids.AskedSelected) {
            // Another frog selected: its jumps are the likeliest next.
            aids.AskedSelected = selected;
            Ask(session, aids, p);
        }
        Collect(aids);
        return;
    }
    aids.Current = p;
    aids.HaveCurrent = true;
    aids.AskedSelected = selected;
    aids.Next.reset();
    // A hint belongs to the position it was given for, even where the next
    // position's answer (thought out ahead) happens to name the same jump.
    aids.HintVisible = false;
    aids.HintWanted = false;
    aids.Answer = Verdict::NotSure;
    if (const std::optional<Move> next = KnownNext(aids, p)) {
        aids.Answer = Verdict::Solvable;
        aids.Next = next;
    }
    Ask(session, aids, p);
    Collect(aids);
}

}  // namespace

void UpdateAids(Session& session) {
    Aids& aids = AidsOf(session);
    Sync(session, aids);
    const bool inPlay = Offered(session);
    aids.UndoJumpEntry.Enabled = UndoAvailable(session);
    aids.HintEntry.Enabled = inPlay;
    if (!inPlay) {
        aids.Shown = Notice::Hidden;
    } else {
        aids.Shown = aids.Answer == Verdict::Solvable ? Notice::Solvable
                     : aids.Answer == Verdict::Lost   ? Notice::Lost
                                                      : Notice::NotSure;
    }
    // A hint asked for before its answer came shows once it is there.
    if (aids.HintWanted && inPlay && aids.Answer != Verdict::NotSure) {
        aids.HintWanted = false;
        if (aids.Answer == Verdict::Solvable && aids.Next) {
            aids.HintFrom = aids.Next->from;
            aids.HintTo = aids.Next->to;
            aids.HintVisible = true;
        }
    }
    // A hint belongs to the position it was given for.
    if (aids.HintVisible && (!inPlay || !aids.Next || aids.Next->from != aids.HintFrom ||
                             aids.Next->to != aids.HintTo || !aids.Current.Has(aids.HintFrom)))
        aids.HintVisible = false;
}

void ShowHint(Session& session) {
    if (!Offered(session)) return;
    Aids& aids = AidsOf(session);
    Sync(session, aids);
    if (aids.Answer == Verdict::NotSure) {
        // The player asked: the worker searches on, past the allowance, and
        // the hint shows when the answer comes.
        aids.HintWanted = true;
        Ask(session, aids, aids.Current, true);
    } else if (aids.Answer == Verdict::Solvable && aids.Next) {
        aids.HintFrom = aids.Next->from;
        aids.HintTo = aids.Next->to;
        aids.HintVisible = true;
    }
    UpdateAids(session);
}

void SolverTick(Session& session) {
    if (session.game.ModeIndex != kPracticeMode && !session.practice) return;
    UpdateAids(session);
}

void SetSolverWake(Session& session, std::function<void()> wake) {
    Aids& aids = AidsOf(session);
    aids.Wake = wake;
    if (aids.Worker) aids.Worker->SetWake(std::move(wake));
}

void StopSolver(Session& session) {
    if (session.practice && session.practice->Worker) session.practice->Worker->Stop();
}

void AwaitSolver(Session& session, std::chrono::milliseconds limit) {
    Aids& aids = AidsOf(session);
    Sync(session, aids);
    if (aids.HaveCurrent && aids.Answer == Verdict::NotSure && aids.Worker)
        aids.Worker->WaitFor(aids.Current, limit);
    UpdateAids(session);
}

bool SolverBusy(const Session& session) {
    const Aids* aids = FindAids(session);
    return aids != nullptr && Offered(session) &&
           (aids->LevelBegun || !aids->HaveCurrent || !(PositionOf(session.board) == aids->Current));
}

}  // namespace quib::practice
