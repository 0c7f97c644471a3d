// The solution playback: the stored solution of the level on the board plays
// itself through the ordinary board click, one jump every two timer ticks.
// "Solve" plays it once; "Test" restarts the level after every playback until
// it is chosen again.

#include <cctype>
#include <string>

#include "../board/board.h"
#include "../game/game.h"
#include "levels.h"

namespace quib::levels {

namespace {

bool IsCell(const std::vector<Cell>& cells, int n) { return n >= 1 && n < static_cast<int>(cells.size()); }

// From-cell and landing cell of step s of level c's stored solution; false
// when the step lies outside the solution (level c has c + 2 steps) or the
// tables.
bool StoredStep(const Session& session, int c, int s, int& from, int& to) {
    if (c < 1 || c > kLevelIndexMax || s < 1 || s > c + 2 || s > kStepIndexMax) return false;
    from = session.library.SolutionFrom(c, s).value_or(0);
    to = session.library.SolutionTo(c, s);
    return true;
}

void StopPlayback(Session& session) {
    session.tasks.PlaybackActive = false;
    session.window.MousePointer = Pointer::Default;
}

}  // namespace

void StartSolutionPlayback(Session& session) {
    session.tasks.PlaybackStep = 1;
    session.tasks.PlaybackPhase = 0;
    session.tasks.PlaybackActive = true;
}

// A second "Test" only ends the loop; the playback under way runs to its end.
void ToggleDemoLoop(Session& session) {
    if (session.tasks.DemoLoop) {
        session.tasks.DemoLoop = false;
        return;
    }
    session.tasks.DemoLoop = true;
    StartSolutionPlayback(session);
}

void PlayNextSolutionStep(Session& session) {
    Board& b = session.board;
    const int c = session.game.CurrentLevel;
    int from = 0;
    int to = 0;
    // A board that was changed before "Solve" never reaches one frog; the
    // playback then ends after the last stored step instead of reading on
    // past the solution and the tables.
    if (!StoredStep(session, c, session.tasks.PlaybackStep, from, to)) {
        StopPlayback(session);
        return;
    }

    b.SelectedFrog = IsCell(b.Grid, from) ? b.Grid[static_cast<std::size_t>(from)].RecordNumber : 0;
    if (IsCell(b.Grid, to)) {
        const Cell& landing = b.Grid[static_cast<std::size_t>(to)];
        board::PressAt(session, 1, 1, landing.Left + 10, landing.Top + 10);
    }
    b.SelectedFrog = 0;

    if (b.Rect.size() == 2) {
        StopPlayback(session);
        if (session.tasks.DemoLoop) {
            // The solved level has already moved the game on by one level;
            // Test mode plays the same level again.
            session.game.CurrentLevel = c;
            game::StartLevel(session);
            StartSolutionPlayback(session);
            return;
        }
    }
    ++session.tasks.PlaybackStep;
    // A solution that did not fit the board ends with its last step.
    if (session.tasks.PlaybackActive && !StoredStep(session, c, session.tasks.PlaybackStep, from, to)) StopPlayback(session);
}

void PlaybackTick(Session& session) {
    Tasks& tasks = session.tasks;
    if (!tasks.PlaybackActive) return;
    session.msg.PlaybackInput.Text = std::to_string(tasks.PlaybackPhase);
    if (++tasks.PlaybackPhase > 2) tasks.PlaybackPhase = 0;
    if (tasks.PlaybackPhase == 1) {
        // Point at the frog that is about to jump.
        int from = 0;
        int to = 0;
        if (StoredStep(session, session.game.CurrentLevel, tasks.PlaybackStep, from, to) &&
            from >= 0 && from < static_cast<int>(session.board.Grid.size())) {
            const Cell& cell = session.board.Grid[static_cast<std::size_t>(from)];
            session.board.HighLight.Left = cell.Left;
            session.board.HighLight.Top = cell.Top;
        }
        session.board.HighLight.Visible = true;
    }
    if (tasks.PlaybackPhase == 2) {
        session.board.HighLight.Visible = false;
        PlayNextSolutionStep(session);
        tasks.PlaybackPhase = 0;
    }
}

char PlaybackKey(Session& session, char key) {
    (void)session;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
}

}  // namespace quib::levels
