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
bool StoredStep(const Session& form, int c, int s, int& from, int& to) {
    if (c < 1 || c > kLevelIndexMax || s < 1 || s > c + 2 || s > kStepIndexMax) return false;
    from = form.library.SolutionFrom(c, s).value_or(0);
    to = form.library.SolutionTo(c, s);
    return true;
}

void StopPlayback(Session& form) {
    form.tasks.PlaybackActive = false;
    form.window.MousePointer = Pointer::Default;
}

}  // namespace

void StartSolutionPlayback(Session& form) {
    form.tasks.PlaybackStep = 1;
    form.tasks.PlaybackPhase = 0;
    form.tasks.PlaybackActive = true;
}

// A second "Test" only ends the loop; the playback under way runs to its end.
void ToggleDemoLoop(Session& form) {
    if (form.tasks.DemoLoop) {
        form.tasks.DemoLoop = false;
        return;
    }
    form.tasks.DemoLoop = true;
    StartSolutionPlayback(form);
}

void PlayNextSolutionStep(Session& form) {
    Board& b = form.board;
    const int c = form.game.CurrentLevel;
    int from = 0;
    int to = 0;
    // A board that was changed before "Solve" never reaches one frog; the
    // playback then ends after the last stored step instead of reading on
    // past the solution and the tables.
    if (!StoredStep(form, c, form.tasks.PlaybackStep, from, to)) {
        StopPlayback(form);
        return;
    }

    b.SelectedFrog = IsCell(b.Grid, from) ? b.Grid[static_cast<std::size_t>(from)].Tag : 0;
    if (IsCell(b.Grid, to)) {
        const Cell& landing = b.Grid[static_cast<std::size_t>(to)];
        board::PressAt(form, 1, 1, landing.Left + 10, landing.Top + 10);
    }
    b.SelectedFrog = 0;

    if (b.Rect.size() == 2) {
        StopPlayback(form);
        if (form.tasks.DemoLoop) {
            // The solved level has already moved the game on by one level;
            // Test mode plays the same level again.
            form.game.CurrentLevel = c;
            game::StartLevel(form);
            StartSolutionPlayback(form);
            return;
        }
    }
    ++form.tasks.PlaybackStep;
    // A solution that did not fit the board ends with its last step.
    if (form.tasks.PlaybackActive && !StoredStep(form, c, form.tasks.PlaybackStep, from, to)) StopPlayback(form);
}

void PlaybackTick(Session& form) {
    Tasks& tasks = form.tasks;
    if (!tasks.PlaybackActive) return;
    form.msg.PlaybackInput.Text = std::to_string(tasks.PlaybackPhase);
    if (++tasks.PlaybackPhase > 2) tasks.PlaybackPhase = 0;
    if (tasks.PlaybackPhase == 1) {
        // Point at the frog that is about to jump.
        int from = 0;
        int to = 0;
        if (StoredStep(form, form.game.CurrentLevel, tasks.PlaybackStep, from, to) &&
            from >= 0 && from < static_cast<int>(form.board.Grid.size())) {
            const Cell& cell = form.board.Grid[static_cast<std::size_t>(from)];
            form.board.HighLight.Left = cell.Left;
            form.board.HighLight.Top = cell.Top;
        }
        form.board.HighLight.Visible = true;
    }
    if (tasks.PlaybackPhase == 2) {
        form.board.HighLight.Visible = false;
        PlayNextSolutionStep(form);
        tasks.PlaybackPhase = 0;
    }
}

char PlaybackKey(Session& form, char key) {
    (void)form;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
}

}  // namespace quib::levels
