// The board's click handling: what a click means given what the window
// shows (a message to dismiss, a pause, a finished level, or play), which
// cells it hits, selecting a frog with its landing hints, and the jump.

#include "../game/game.h"
#include "../records/records.h"
#include "../window/window.h"
#include "board.h"

namespace quib::board {

namespace {

bool ValidCell(const Board& b, int n) { return n >= 1 && n < static_cast<int>(b.Grid.size()); }

void Turn(FrogPicture* picture, Facing facing) {
    if (picture == nullptr || facing == Facing::Unchanged) return;
    picture->FacingLeft = facing == Facing::Left;
}

FrogPicture* PictureOfRecord(Board& b, int r) {
    const int picture = FindPicture(b, r);
    return picture > 0 ? &b.Frog[static_cast<std::size_t>(picture)] : nullptr;
}

// Green outlines on the cells the selected frog can jump to, none elsewhere.
void ShowLandingHints(Session& session) {
    Board& b = session.board;
    const int f = b.Rect.at(static_cast<std::size_t>(b.SelectedFrog)).CellNumber;
    const int N = static_cast<int>(b.Grid.size()) - 1;
    for (int x = 1; x <= N; ++x) {
        Cell& cell = b.Grid[static_cast<std::size_t>(x)];
        if (IsLandingCell(b.Grid, b.BoardColumns, f, x)) {
            cell.Outlined = true;
            cell.BorderColor = Rgb(0, 240, 0);
            cell.Visible = true;
        } else {
            cell.Outlined = false;
            cell.BorderColor = 0;
        }
    }
}

// A frog picture left where no frog stands any more is hidden. Pictures are
// matched to records by position, so a picture that lost its frog would
// otherwise stay on the board.
void TidyPictures(Board& b) {
    for (std::size_t i = 1; i < b.Frog.size(); ++i) {
        FrogPicture& pic = b.Frog[i];
        if (!pic.Visible) continue;
        bool matched = false;
        for (std::size_t r = 1; r < b.Rect.size() && !matched; ++r) {
            matched = b.Rect[r].Left == pic.Left && b.Rect[r].Top == pic.Top;
        }
        if (!matched) {
            pic.Visible = false;
            pic.Removed = true;
        }
    }
}

enum class CellOutcome { Next, Jumped, EndClick };

// One hit cell of a board click (a click may hit two overlapping cells).
CellOutcome HandleHitCell(Session& session, int i) {
    Board& b = session.board;
    const int W = b.BoardColumns;
    if (!b.FrogClickForwarded && b.SelectedFrog == 0) return CellOutcome::EndClick;

    if (b.SelectedFrog >= 1 && b.Grid[static_cast<std::size_t>(i)].RecordNumber == 0) {
        const int f = b.Rect.at(static_cast<std::size_t>(b.SelectedFrog)).CellNumber;
        const int t = i;
        if (const auto neighbour = NameNeighbour(f, t, W)) {
            Turn(PictureOfRecord(b, b.SelectedFrog), RowOf(DirectionTable(W), *neighbour).facing);
            return CellOutcome::Next;
        }
        const JumpTest jump = TryJump(b.Grid, W, f, t);
        if (!jump.legal) return CellOutcome::Next;
        AnnounceJump(session.hooks, session, f, t, jump.jumped);
        Turn(PictureOfRecord(b, b.SelectedFrog), RowOf(DirectionTable(W), jump.direction).facing);
        RemoveFrog(session, b.Grid[static_cast<std::size_t>(jump.jumped)].RecordNumber);
        ClearCell(session, jump.jumped);
        MoveSelectedFrog(session, f, t);
        return CellOutcome::Jumped;
    }

    if (b.FrogClickForwarded) b.SelectedFrog = b.Grid[static_cast<std::size_t>(i)].RecordNumber;
    if (b.SelectedFrog != 0 && !session.menu.GridsOption.Checked && b.FrogClickForwarded) ShowLandingHints(session);
    return CellOutcome::Next;
}

}  // namespace

void ClickFrog(Session& session, int index) {
    Board& b = session.board;
    if (index < 1 || index >= static_cast<int>(b.Frog.size())) return;
    const FrogPicture& pic = b.Frog[static_cast<std::size_t>(index)];
    int r = 0;
    for (std::size_t k = 1; k < b.Rect.size(); ++k) {
        if (b.Rect[k].Left == pic.Left && b.Rect[k].Top == pic.Top) {
            r = static_cast<int>(k);
            break;
        }
    }
    b.HighLight.Visible = false;
    if (r >= 1) {
        const int cell = b.Rect[static_cast<std::size_t>(r)].CellNumber;
        if (ValidCell(b, cell)) {
            b.HighLight.Left = b.Grid[static_cast<std::size_t>(cell)].Left;
            b.HighLight.Top = b.Grid[static_cast<std::size_t>(cell)].Top;
        }
    }
    b.HighLight.Visible = true;
    b.FrogClickForwarded = true;
    if (r >= 1) ClickCell(session, b.Rect[static_cast<std::size_t>(r)].CellNumber);
    b.FrogClickForwarded = false;
}

void ClickEmptyCell(Session& session, int index) {
    Board& b = session.board;
    if (session.msg.PausedLabel.Visible) {
        session.msg.PausedLabel.Visible = false;
        ShowFrogPictures(b);
        session.clock.State = ClockState::RestoreRequested;
    }
    if (b.SelectedFrog > 0) ClickCell(session, index);
}

void ClickCell(Session& session, int n) {
    const Board& b = session.board;
    if (!ValidCell(b, n)) return;
    const Cell& cell = b.Grid[static_cast<std::size_t>(n)];
    PressAt(session, 1, 1, cell.Left + 10, cell.Top + 10);
}

void PressAt(Session& session, int button, int shift, float x, float y) {
    (void)button;  // every button acts alike
    (void)shift;
    Board& b = session.board;
    Game& g = session.game;
    Messages& msg = session.msg;

    if (session.about.Loaded) window::CloseAboutBox(session);
    session.clock.SessionNow = session.platform.Now();
    switch (session.play.Now) {
        case Screen::NameEntry:
            return;  // the name comes first
        case Screen::HighScores:
            records::CloseHighScores(session);
            return;
        case Screen::RoundOver:
        case Screen::GameOver:
            msg.RoundOverLabel.Visible = false;
            msg.MessageLine.Visible = false;
            msg.RoundOverHeading.Visible = false;
            msg.NameInput.Visible = false;
            msg.EnterButton.Visible = false;
            // Back to the start screen when the game is over, else a retry:
            // the same decision as a click on the message itself.
            game::DismissMessage(session);
            return;
        case Screen::LevelCompleted:
            if (session.tasks.DemoLoop) break;
            game::DismissPanel(session);  // the next level, as a click on the panel starts it
            return;
        case Screen::StartScreen:
        case Screen::LevelInPlay:
            break;
    }
    if (msg.PausedLabel.Visible) {
        if (b.SelectedFrog > 0) b.HighLight.Visible = true;
        for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].Visible = true;
        msg.PausedLabel.Visible = false;
        ShowFrogPictures(b);
        session.clock.State = ClockState::RestoreRequested;
    }
    if (g.ModeIndex < kPracticeMode && g.TryNumber > g.TriesAllowed) return;
    // Only a level in play takes jumps: on the start screen the records of
    // the last board may still be there, but they must not be moved.
    if (session.play.Now != Screen::LevelInPlay) return;
    if (session.clock.State == ClockState::Frozen) session.clock.State = ClockState::RestoreRequested;
    g.JumpPossible = true;
    bool jumped = false;

    const int N = static_cast<int>(b.Grid.size()) - 1;
    for (int i = 1; i <= N; ++i) {
        const Cell& cell = b.Grid[static_cast<std::size_t>(i)];
        // Strict on every side: a point on an edge is in neither cell, a
        // point in the one-unit overlap of two cells is in both.
        if (!(cell.Left < x && x < cell.Left + cell.Width && cell.Top < y && y < cell.Top + cell.Height)) continue;
        const CellOutcome outcome = HandleHitCell(session, i);
        if (outcome == CellOutcome::Jumped) jumped = true;
        if (outcome == CellOutcome::EndClick) {
            // A jump made on an earlier hit cell of this click still has its
            // outcome decided below; otherwise the click ends here.
            if (!jumped) return;
            break;
        }
    }

    if (FrogsLeft(b) == 1) {
        LevelSolved(session);
    } else if (!g.JumpPossible && FrogsLeft(b) > 1 && jumped) {
        RoundOverIncomplete(session);
    }
    TidyPictures(b);
}

void MoveSelectedFrog(Session& session, int f, int t) {
    Board& b = session.board;
    ResetCellOutlines(session);
    if (session.game.SoundOn) window::PlaySoundFile(session, window::JumpSoundPath(session), false);
    b.Grid.at(static_cast<std::size_t>(f)).RecordNumber = 0;
    b.Grid.at(static_cast<std::size_t>(t)).RecordNumber = b.SelectedFrog;
    b.HighLight.Visible = false;
    FrogRecord& rec = b.Rect.at(static_cast<std::size_t>(b.SelectedFrog));
    rec.CellNumber = t;
    FrogPicture* picture = PictureOfRecord(b, b.SelectedFrog);
    if (picture != nullptr) picture->Visible = false;
    const Cell& target = b.Grid[static_cast<std::size_t>(t)];
    rec.Left = target.Left + 3;
    rec.Top = target.Top + 5;
    if (picture != nullptr) {
        picture->Left = rec.Left;
        picture->Top = rec.Top;
        picture->Visible = true;
    }
    b.SelectedFrog = 0;
    game::CheckJumpPossible(session);
    // The click that called this records that it made a jump (its own
    // Jumped flag), so the outcome checks can tell a jump from a selection.
}

void ClearSelection(Session& session) {
    Board& b = session.board;
    if (b.SelectedFrog == 0) return;
    b.SelectedFrog = 0;
    b.HighLight.Visible = false;
    ResetCellOutlines(session);
}

}  // namespace quib::board
