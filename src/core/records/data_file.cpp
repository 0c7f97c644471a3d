// The settings and resume file "data.txt": the two options, the interrupted
// game with the frogs on its board, the highest level reached, the save slot
// in use and the per-level renewal flags.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <utility>

#include "../game/game.h"
#include "items.h"
#include "records.h"

namespace quib::records {

namespace {

constexpr const char* kDataFileName = "data.txt";
int CellCount(const Board& board) { return static_cast<int>(board.Grid.size()) - 1; }

// The level flags run 1 .. LevelCount; a count beyond the tables is cut to them.
int LevelsInFile(const Session& session) { return std::clamp(session.library.LevelCount, 0, kLevelIndexMax); }
// The file is read at start-up, before the level library, while the game
// counts its 200 levels; it carries that many flags whatever the library's
// count when it is written, or a library of another length would make every
// later resume file unreadable.
constexpr int kFlagsInFile = kLevelsPlayed;


// The board of a fresh level-1 game, placed as the resume file's fallback
// does. Before the level library is read its pieces are all 0; the records
// are then left out rather than stood on the template cell 0.
void PlaceFallbackRecords(Session& session) {
    Board& b = session.board;
    const int level = session.game.CurrentLevel;
    const int cells = CellCount(b);
    std::vector<int> pieces;
    std::set<int> seen;
    for (int k = 1; k <= level + 3; ++k) {
        if (!decltype(session.library.LevelPieces)::InRange(level, k)) return PlaceFrogRecords(session, {});
        const int c = session.library.LevelPieces(level, k);
        if (c < 1 || c > cells || !seen.insert(c).second) return PlaceFrogRecords(session, {});
        pieces.push_back(c);
    }
    std::vector<FrogRecord> records;
    const Cell& tmpl = b.Grid.at(0);
    for (const int c : pieces) {
        FrogRecord rec;
        rec.Width = tmpl.Width - 6;
        rec.Height = tmpl.Height - 6;
        // The fallback's own offsets (+1, +3) differ from the frog position
        // rule (+3, +5); these records are never shown ("Continue" is hidden),
        // and a board resumed from them gives each picture its record's
        // position, so the lookup by position still holds.
        rec.Left = b.Grid[static_cast<std::size_t>(c)].Left + 1;
        rec.Top = b.Grid[static_cast<std::size_t>(c)].Top + 3;
        rec.CellNumber = c;
        records.push_back(rec);
    }
    PlaceFrogRecords(session, records);
}

void Fallback(Session& session) {
    Game& g = session.game;
    g.ResumeLevel = 1;
    session.game.ResumeOffered = false;
    const int levels = LevelsInFile(session);
    for (int i = 1; i <= levels; ++i) session.library.LevelNeedsGenerating[static_cast<std::size_t>(i)] = false;
    g.HighestLevel = 1;
    if (g.CurrentLevel >= 0 && g.CurrentLevel <= kLevelIndexMax)
        session.library.LevelNeedsGenerating[static_cast<std::size_t>(g.CurrentLevel)] = true;
    PlaceFallbackRecords(session);
    session.clock.SessionStart = session.platform.Now();
}

// Whether the game read at start-up is still on offer: the start screen shows
// "Continue" and no game has been played (or ended) since. What the reader
// offers is kept whatever its count of tries at the level: that count only
// feeds the level-completed line and the first-try bonus, and a game shown
// as "Continue" must still be there after the window is opened and closed.
bool ResumeGameStillOffered(const Session& session) { return game::ContinueOffered(session); }

}  // namespace

// ------------------------------------------------- frog records in the files

double ReadBounded(ItemReader& in, double limit) {
    const double x = in.Number();
    if (!(std::fabs(x) <= limit)) throw ReadFailure("number out of range");
    return x;
}

std::vector<FrogRecord> ReadFrogRecords(ItemReader& in, const Board& board) {
    // A count of 1 or less brings no records (the template alone).
    const int count = static_cast<int>(in.Integer(kInt16Min, kMaxStoredFrogs + 1));
    const int cells = CellCount(board);
    const Cell* tmpl = board.Grid.empty() ? nullptr : &board.Grid[0];
    std::vector<FrogRecord> records;
    std::set<int> cellsTaken;
    std::set<std::pair<float, float>> positionsTaken;
    for (int k = 1; k < count; ++k) {
        FrogRecord rec;
        rec.Left = static_cast<float>(ReadBounded(in, kMaxPosition));
        rec.Top = static_cast<float>(ReadBounded(in, kMaxPosition));
        rec.CellNumber = static_cast<int>(in.Integer(1, std::max(cells, 1)));
        if (rec.CellNumber > cells) throw ReadFailure("cell off the board");
        // Two frogs on one cell, or two records at one position (pictures are
        // found by position), would break the board's invariants.
        if (!cellsTaken.insert(rec.CellNumber).second) throw ReadFailure("two frogs on one cell");
        if (!positionsTaken.insert({rec.Left, rec.Top}).second) throw ReadFailure("two frogs at one position");
        if (tmpl) {
            rec.Width = tmpl->Width - 6;
            rec.Height = tmpl->Height - 6;
        }
        records.push_back(rec);
    }
    return records;
}

void WriteFrogRecords(ItemWriter& out, const Board& board) {
    out.Integer(static_cast<std::int64_t>(board.Rect.size()));
    for (std::size_t k = 1; k < board.Rect.size(); ++k) {
        const FrogRecord& rec = board.Rect[k];
        out.Number(rec.Left).Number(rec.Top).Text(std::to_string(rec.CellNumber));
    }
}

void PlaceFrogRecords(Session& session, const std::vector<FrogRecord>& records) {
    Board& b = session.board;
    if (b.Rect.empty()) b.Rect.emplace_back();
    b.Rect.resize(1);
    for (std::size_t n = 1; n < b.Grid.size(); ++n) b.Grid[n].RecordNumber = 0;
    for (const FrogRecord& rec : records) {
        b.Rect.push_back(rec);
        if (rec.CellNumber >= 1 && rec.CellNumber < static_cast<int>(b.Grid.size()))
            b.Grid[static_cast<std::size_t>(rec.CellNumber)].RecordNumber = static_cast<int>(b.Rect.size()) - 1;
    }
}

// ------------------------------------------------------------- data.txt

bool WriteDataFile(Session& session) {
    try {
        const Game& g = session.game;
        const Clock& clock = session.clock;
        ItemWriter out;
        // Opening and closing the program without taking up "Continue" must
        // not lose the interrupted game: its level is still the one on offer.
        out.Integer(ResumeGameStillOffered(session) ? g.ResumeLevel : g.CurrentLevel);
        out.Integer(g.TryNumber);
        out.Integer(g.LevelTries);
        out.Number(session.platform.Timer() - clock.LevelStartTime.value_or(0));
        out.Integer(g.HighestLevel);
        out.Integer(g.Score);
        out.Integer(g.ModeIndex);
        out.Integer(g.SaveSlot);
        out.Integer(clock.PlaySeconds);
        out.Integer(clock.PlayHours);
        out.Integer(clock.PlayMinutes);
        out.Integer(clock.PlaySecs);
        out.Flag(session.menu.SoundOption.Checked);
        out.Flag(session.menu.GridsOption.Checked);
        for (int i = 1; i <= kFlagsInFile; ++i) out.Flag(session.library.LevelNeedsGenerating[static_cast<std::size_t>(i)]);
        WriteFrogRecords(out, session.board);
        return WriteFolderFile(session, kDataFileName, out.str(), FolderFlush::Flush);
    } catch (const std::exception&) {
        // A close request must reach its question whatever happens here.
        return false;
    }
}

void ReadDataFile(Session& session) {
    Game& g = session.game;
    Clock& clock = session.clock;
    Menus& menu = session.menu;
    Platform& p = session.platform;
    g.CurrentLevel = 1;

    // Every item is applied as soon as it is read and checked, so that a file
    // cut short keeps what came before the cut.
    try {
        std::string text;
        // A file that cannot be read gives the defaults, and stays as it is.
        if (ReadFolderFile(session, kDataFileName, text) != FileRead::Read) throw ReadFailure("no resume file");
        ItemReader in(text);
        g.ResumeLevel = static_cast<int>(in.Integer(kInt16Min, kInt16Max));
        g.TryNumber = static_cast<int>(in.Integer(-kMaxTryNumber, kMaxTryNumber));
        g.LevelTries = static_cast<int>(in.Integer(kInt16Min, kInt16Max));
        clock.LevelStartTime = p.Timer() - ReadBounded(in, kMaxLevelTime);
        g.HighestLevel = static_cast<int>(in.Integer(1, kLevelIndexMax));
        g.Score = static_cast<std::int32_t>(in.Integer(kInt32Min, kInt32Max));
        g.ModeIndex = static_cast<int>(in.Integer(kEasyMode, kPracticeMode));
        g.SaveSlot = static_cast<int>(in.Integer(0, 5));
        // The play time is kept wider than the file's 16 bits; 32 bits read.
        clock.PlaySeconds = in.Integer(kInt32Min, kInt32Max);
        clock.PlayHours = in.Integer(kInt32Min, kInt32Max);
        clock.PlayMinutes = in.Integer(kInt32Min, kInt32Max);
        clock.PlaySecs = in.Integer(kInt32Min, kInt32Max);
        menu.SoundOption.Checked = in.Flag();
        // The jump sound follows its check mark even when the file breaks off
        // right after it, so a "Sound" shown unchecked is never heard.
        g.SoundOn = menu.SoundOption.Checked;
        menu.GridsOption.Checked = in.Flag();
        for (int i = 1; i <= kFlagsInFile; ++i) session.library.LevelNeedsGenerating[static_cast<std::size_t>(i)] = in.Flag();
        PlaceFrogRecords(session, ReadFrogRecords(in, session.board));
    } catch (const ReadFailure&) {
        Fallback(session);
        return;
    }

    // The mode was read as a row of the mode table (1..4): a number beyond
    // the table is damage, and a game without a mode could never end.
    game::SetModeNameAndTries(g, g.ModeIndex);
    menu.GotoLevelMenu.Enabled = g.ModeIndex == kPracticeMode;

    if (g.ResumeLevel > session.library.LevelCount) g.ResumeLevel = 1;
    if (g.ResumeLevel < 1) g.ResumeLevel = 2;
    if (g.ResumeLevel > 1) session.game.ResumeOffered = true;

    game::CheckJumpPossible(session);

    // No try left to continue with. Practice has no limit to test against
    // (its try count runs below zero), and its game is never offered.
    if (g.TryNumber + 1 >= g.TriesAllowed) session.game.ResumeOffered = false;
    if (g.ModeIndex < 3 && g.TryNumber >= g.TriesAllowed) session.game.ResumeOffered = false;
    if (g.ModeIndex == kPracticeMode) session.game.ResumeOffered = false;

    for (std::size_t i = 1; i < session.board.Grid.size(); ++i) {
        Cell& cell = session.board.Grid[i];
        if (menu.GridsOption.Checked) {
            cell.Outlined = true;
        } else {
            cell.Outlined = false;
            cell.BorderColor = 0;
        }
    }

    clock.SessionStart = p.Now();
}

}  // namespace quib::records
