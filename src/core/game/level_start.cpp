// Putting a level on the board: a fresh start or a retry, the try counting,
// a puzzle made on the spot when the stored one is used or missing, and the
// board rebuilt from frog records read from a file; plus the question
// whether any jump is left.

#include <bitset>
#include <exception>

#include "../board/board.h"
#include "../levels/levels.h"
#include "game.h"

namespace quib::game {

namespace {

void ClockThawRequest(Session& session) {
    if (session.clock.State == ClockState::Frozen) session.clock.State = ClockState::RestoreRequested;
}

// Removes every frog record and picture above the templates and empties
// every cell, so nothing of an earlier level can be played.
void ClearBoardFrogs(Session& session) {
    Board& b = session.board;
    b.Frog.resize(1);
    b.Rect.resize(1);
    for (std::size_t i = 1; i < b.Grid.size(); ++i) {
        b.Grid[i].RecordNumber = 0;
        b.Grid[i].BorderColor = 0;
    }
}

}  // namespace

bool LevelInTables(int n) { return n >= 1 && n <= kMaxStoredLevel; }

bool StoredPuzzleUsable(const Session& session, int n) {
    if (!LevelInTables(n)) return false;
    const int cells = static_cast<int>(session.board.Grid.size()) - 1;
    std::bitset<kCells + 1> taken;
    for (int i = 1; i <= n + 3; ++i) {
        const int c = session.library.LevelPieces(n, i);
        // A damaged entry (a cell off the board, two frogs on one cell)
        // counts as no puzzle, so it is made anew rather than played.
        if (c < 1 || c > cells || c > kCells || taken[static_cast<std::size_t>(c)]) return false;
        taken[static_cast<std::size_t>(c)] = true;
    }
    return true;
}

bool GenerateInForeground(Session& session, int n) {
    if (!LevelInTables(n)) return false;
    Generator& gen = session.gen;
    gen.GenerationLevel = n;
    gen.LevelVerified.at(static_cast<std::size_t>(n)) = false;
    // A generator that keeps failing must not freeze the window for good:
    // after this many runs the level keeps whatever puzzle it has.
    constexpr int kMaxRuns = 1000;
    for (int run = 0; run < kMaxRuns && !gen.LevelVerified[static_cast<std::size_t>(n)]; ++run) {
        try {
            levels::GenerateLevel(session);
        } catch (const std::exception&) {
            // counts as a failed run
        }
    }
    gen.GenerationLevel = n + 1;
    return gen.LevelVerified[static_cast<std::size_t>(n)];
}

void ClearOverlays(Session& session) {
    Messages& msg = session.msg;
    HighScores& high = session.high;
    // What covers the board is the screen's to say (under the table, the
    // screen it covers), not the labels'.
    const Screen covered = Covered(session.play);
    if (session.play.Now == Screen::HighScores) {
        high.HighLabel.Visible = false;
        for (std::size_t i = 0; i < high.NamesLabel.size(); ++i) {
            high.NamesLabel[i].Visible = false;
            high.ScoreLabel[i].Visible = false;
            high.TimeLabel[i].Visible = false;
        }
        board::ShowFrogPictures(session.board);
        ClockThawRequest(session);
    }
    session.intro.Visible = false;
    ClockThawRequest(session);
    msg.PausedLabel.Visible = false;
    if (covered == Screen::RoundOver || covered == Screen::GameOver || covered == Screen::NameEntry) {
        msg.RoundOverLabel.Visible = false;
        msg.MessageLine.Visible = false;
        msg.RoundOverHeading.Visible = false;
        msg.NameInput.Visible = false;
        msg.EnterButton.Pressed = false;
        ClockThawRequest(session);
    }
    if (covered == Screen::LevelCompleted) {
        msg.MessageLine.Visible = false;
        msg.PanelTitle.Visible = false;
        msg.PanelCount.Visible = false;
        msg.PanelScore.Visible = false;
        ClockThawRequest(session);
    }
}

void StartLevel(Session& session) {
    AnnounceLevelBegins(session.hooks, session);
    Game& g = session.game;
    Board& b = session.board;
    const int n = g.CurrentLevel;

    session.intro.Visible = false;
    session.msg.EnterButton.Visible = false;
    b.SelectedFrog = 0;

    // The high-score table hides every cell; with "Grids" on, a level start
    // brings their outlines back even when the table was closed elsewhere.
    const bool grids = session.menu.GridsOption.Checked;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) {
        b.Grid[i].Outlined = grids;
        b.Grid[i].BorderColor = 0;
        if (grids) b.Grid[i].Visible = true;
    }
    ClearOverlays(session);

    if (!g.RetryPending) {
        g.TryNumber -= 1;
        g.LevelTries = 1;
    } else {
        g.TryNumber += 1;
        g.LevelTries += 1;
    }
    session.window.MousePointer = Pointer::Default;

    const bool used = LevelInTables(n) && session.library.LevelNeedsGenerating[static_cast<std::size_t>(n)];
    if ((used && !g.RetryPending) || !StoredPuzzleUsable(session, n)) GenerateInForeground(session, n);
    g.RetryPending = false;

    if (!StoredPuzzleUsable(session, n)) {
        // Only when the generator gave up and no puzzle was ever stored:
        // an empty board rather than the frogs of another level, and no level
        // in play: the start screen offers another choice, and "Continue"
        // none, since the board it would take up is gone.
        ClearBoardFrogs(session);
        g.ResumeOffered = false;
        session.intro.Visible = true;
        Enter(session, Screen::StartScreen);
        UpdateCaption(session);
        return;
    }
    if (session.gen.GenerationLevel == n) {
        // The background supply is set on this very level. Rather than
        // leaving the board empty, the level is played with its stored
        // puzzle and the supply is sent back to its idle hand-shake, from
        // which the next tick picks another level; it never replaces the
        // puzzle being played.
        session.gen.GenerationLevel = 0;
        session.gen.GenerationRequested = true;
        session.gen.GenerationDone = true;
    }

    session.library.LevelNeedsGenerating[static_cast<std::size_t>(n)] = true;

    ClearBoardFrogs(session);
    const Cell& tmpl = b.Grid.at(0);
    b.Rect.reserve(static_cast<std::size_t>(n) + 4);
    b.Frog.reserve(static_cast<std::size_t>(n) + 4);
    for (int i = 1; i <= n + 3; ++i) {
        FrogRecord rec;
        rec.Width = tmpl.Width - 6;
        rec.Height = tmpl.Height - 6;
        b.Rect.push_back(rec);
        FrogPicture pic;
        pic.Width = tmpl.Width - 6;
        pic.Height = tmpl.Height - 6;
        pic.Visible = false;
        b.Frog.push_back(pic);
    }
    for (int i = 1; i <= n + 3; ++i) {
        const int c = session.library.LevelPieces(n, i);
        Cell& cell = b.Grid[static_cast<std::size_t>(c)];
        FrogRecord& rec = b.Rect[static_cast<std::size_t>(i)];
        FrogPicture& pic = b.Frog[static_cast<std::size_t>(i)];
        rec.Left = pic.Left = cell.Left + 3;
        rec.Top = pic.Top = cell.Top + 5;
        rec.CellNumber = pic.CellNumber = c;
        cell.RecordNumber = i;
    }
    for (std::size_t i = 1; i < b.Rect.size(); ++i) b.Frog[i].Visible = true;

    session.window.MousePointer = Pointer::Default;
    Enter(session, Screen::LevelInPlay);
    UpdateCaption(session);
}

void ResumeBoard(Session& session) {
    AnnounceLevelBegins(session.hooks, session);
    Game& g = session.game;
    Board& b = session.board;
    const int n = g.CurrentLevel;

    session.intro.Visible = false;
    b.SelectedFrog = 0;
    b.HighLight.Visible = false;
    const bool grids = session.menu.GridsOption.Checked;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) {
        Cell& cell = b.Grid[i];
        cell.BorderColor = 0;
        if (!grids) {
            cell.Outlined = false;
        } else {
            cell.Visible = true;
            cell.Outlined = true;
        }
    }
    ClearOverlays(session);

    // A board whose level lost its stored puzzle (a level library made
    // afresh) is still the player's game: the level gets its new puzzle now,
    // which a retry plays and a save keeps as the level's start.
    if (board::FrogsLeft(b) > 1 && !StoredPuzzleUsable(session, n)) GenerateInForeground(session, n);
    // A finished board (one frog) starts afresh; so does a board without
    // any frog, which could never be played.
    if (board::FrogsLeft(b) <= 1 || !StoredPuzzleUsable(session, n)) {
        StartLevel(session);
        return;
    }
    session.library.LevelNeedsGenerating[static_cast<std::size_t>(n)] = true;

    b.Frog.resize(1);
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].RecordNumber = 0;
    const Cell& tmpl = b.Grid.at(0);
    const int cells = static_cast<int>(b.Grid.size()) - 1;
    for (std::size_t r = 1; r < b.Rect.size(); ++r) {
        const FrogRecord& rec = b.Rect[r];
        FrogPicture pic;
        pic.Width = tmpl.Width - 6;
        pic.Height = tmpl.Height - 6;
        pic.Left = rec.Left;
        pic.Top = rec.Top;
        pic.CellNumber = rec.CellNumber;
        b.Frog.push_back(pic);
        if (rec.CellNumber >= 1 && rec.CellNumber <= cells) b.Grid[static_cast<std::size_t>(rec.CellNumber)].RecordNumber = static_cast<int>(r);
    }
    for (std::size_t i = 1; i < b.Frog.size(); ++i) b.Frog[i].Visible = true;
    Enter(session, Screen::LevelInPlay);
    UpdateCaption(session);
}

void TakeUpBoard(Session& session) {
    Game& g = session.game;
    CheckJumpPossible(session);
    // A board with one frog left is a solved level whose panel was left by
    // "Quit" (the level has already moved on): it goes on as the panel's
    // dismissal would have, with the next level's fresh start, not a retry.
    if (!g.JumpPossible && board::FrogsLeft(session.board) > 1) {
        g.RetryPending = true;
        StartLevel(session);
    } else {
        ResumeBoard(session);
    }
}

void CheckJumpPossible(Session& session) {
    const Board& b = session.board;
    session.game.JumpPossible = false;
    // Each frog's eight jumps through the cell tags: the same answer as
    // trying every pair of frogs, in a fraction of the time.
    for (std::size_t r = 1; r < b.Rect.size(); ++r) {
        if (board::HasJumpFrom(b.Grid, b.BoardColumns, b.Rect[r].CellNumber)) {
            session.game.JumpPossible = true;
            return;
        }
    }
}

}  // namespace quib::game
