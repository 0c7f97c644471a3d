// Taking back jumps in Practice. A jump is reversible: the removal of the
// jumped frog moved the last record into its number, and the mover changed
// cell, picture place and facing. Undoing reverses exactly these changes, in
// the opposite order, through the board's own records and cells.

#include "../board/board.h"
#include "../game/game.h"
#include "practice.h"

namespace quib::practice {

void RecordJump(Session& session, int from, int to, int over) {
    if (session.game.ModeIndex != kPracticeMode) return;
    const Board& b = session.board;
    JumpRecord r;
    r.move = {from, over, to};
    r.mover = b.SelectedFrog;
    r.jumpedRecord = b.Grid.at(static_cast<std::size_t>(over)).RecordNumber;
    r.lastRecord = board::FrogsLeft(b);
    r.jumped = b.Rect.at(static_cast<std::size_t>(r.jumpedRecord));
    r.moverPicture = board::FindPicture(b, r.mover);
    r.moverFacedLeft = r.moverPicture > 0 && b.Frog[static_cast<std::size_t>(r.moverPicture)].FacingLeft;
    for (const FrogPicture& picture : b.Frog) r.shownPictures.push_back(picture.Visible);
    AidsOf(session).History.push_back(std::move(r));
}

namespace {

// The board still shows what the record's jump left behind; anything else
// (a board changed behind the history's back) is refused.
bool Matches(const Board& b, const JumpRecord& r) {
    const int M = board::FrogsLeft(b);
    const int moverNow = r.mover == r.lastRecord && r.jumpedRecord < r.lastRecord ? r.jumpedRecord : r.mover;
    return M == r.lastRecord - 1 && moverNow >= 1 && moverNow <= M &&
           b.Rect[static_cast<std::size_t>(moverNow)].CellNumber == r.move.to &&
           b.Grid.at(static_cast<std::size_t>(r.move.from)).RecordNumber == 0 &&
           b.Grid.at(static_cast<std::size_t>(r.move.over)).RecordNumber == 0 &&
           r.shownPictures.size() == b.Frog.size();
}

void PlaceRecord(Board& b, int r, int cell) {
    FrogRecord& rec = b.Rect[static_cast<std::size_t>(r)];
    const Cell& c = b.Grid[static_cast<std::size_t>(cell)];
    rec.CellNumber = cell;
    rec.Left = c.Left + 3;
    rec.Top = c.Top + 5;
    b.Grid[static_cast<std::size_t>(cell)].RecordNumber = r;
}

// The round-over message goes as if it had never been shown; its time has
// been counted, so the level's time runs on from now. The high-score table,
// opened and closed over the message, left every cell hidden: the board comes
// back whole.
void WithdrawRoundOver(Session& session) {
    Messages& msg = session.msg;
    msg.RoundOverLabel.Visible = false;
    msg.RoundOverHeading.Visible = false;
    msg.MessageLine.Visible = false;
    Board& b = session.board;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].Visible = true;
    game::Enter(session, Screen::LevelInPlay);
    if (session.clock.State == ClockState::FreezeRequested) session.clock.State = ClockState::Running;
    if (session.clock.State == ClockState::Frozen) session.clock.State = ClockState::RestoreRequested;
}

}  // namespace

void UndoJump(Session& session) {
    if (!UndoAvailable(session)) return;
    Aids& aids = AidsOf(session);
    Board& b = session.board;
    const JumpRecord r = aids.History.back();
    aids.History.pop_back();
    if (!Matches(b, r)) {
        aids.History.clear();
        return;
    }
    if (session.play.Now == Screen::RoundOver) WithdrawRoundOver(session);

    // The removal backwards: the record that took the jumped frog's number
    // goes back to the end, and the jumped frog gets its number again.
    if (r.jumpedRecord < r.lastRecord) {
        b.Rect.push_back(b.Rect[static_cast<std::size_t>(r.jumpedRecord)]);
        b.Grid.at(static_cast<std::size_t>(b.Rect.back().CellNumber)).RecordNumber = r.lastRecord;
        b.Rect[static_cast<std::size_t>(r.jumpedRecord)] = r.jumped;
    } else {
        b.Rect.push_back(r.jumped);
    }
    b.Grid[static_cast<std::size_t>(r.move.over)].RecordNumber = r.jumpedRecord;

    // The move backwards; the mover has its own number again.
    b.Grid[static_cast<std::size_t>(r.move.to)].RecordNumber = 0;
    PlaceRecord(b, r.mover, r.move.from);
    if (r.moverPicture > 0) {
        FrogPicture& picture = b.Frog[static_cast<std::size_t>(r.moverPicture)];
        picture.Left = b.Rect[static_cast<std::size_t>(r.mover)].Left;
        picture.Top = b.Rect[static_cast<std::size_t>(r.mover)].Top;
        picture.FacingLeft = r.moverFacedLeft;
    }
    // A picture shown before the jump belonged to a frog on the board: the
    // jumped frog's picture is its frog's again.
    for (std::size_t i = 0; i < b.Frog.size(); ++i) {
        b.Frog[i].Visible = r.shownPictures[i];
        if (r.shownPictures[i]) b.Frog[i].Removed = false;
    }

    b.SelectedFrog = 0;
    b.HighLight.Visible = false;
    board::ResetCellOutlines(session);
    game::CheckJumpPossible(session);
    game::UpdateCaption(session);
    UpdateAids(session);
}

}  // namespace quib::practice
