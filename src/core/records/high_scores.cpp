// The ten best games: the table of labels over the board, its file
// "high.txt", the ranking of a finished game and the name entry.

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "../board/board.h"
#include "../game/game.h"
#include "../translation.h"
#include "items.h"
#include "records.h"

namespace quib::records {

namespace {

constexpr const char* kHighScoreFileName = "high.txt";
constexpr int kRows = 10;
constexpr int kRowHeight = 40;
constexpr int kNamesLeft = 25;
constexpr int kScoreLeft = 455;
constexpr int kTimeLeft = 602;
constexpr int kEnterKey = 13;

std::size_t Row(int i) { return static_cast<std::size_t>(i); }

// The value of a score caption, or nothing when the caption is not a number
// (such a row counts as free).
std::optional<double> ScoreValue(std::string_view caption) {
    while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
    while (!caption.empty() && caption.back() == ' ') caption.remove_suffix(1);
    if (caption.empty()) return std::nullopt;
    std::size_t i = (caption.front() == '-' || caption.front() == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    if (caption.front() == '+') caption.remove_prefix(1);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(caption.data(), caption.data() + caption.size(), value,
                                           std::chars_format::fixed);
    if (ec != std::errc() || ptr != caption.data() + caption.size()) return std::nullopt;
    return value;
}

void ShowTable(HighScores& h, bool visible) {
    h.HighLabel.Visible = visible;
    for (int i = 0; i <= kRows; ++i) {
        h.NamesLabel[Row(i)].Visible = visible;
        h.ScoreLabel[Row(i)].Visible = visible;
        h.TimeLabel[Row(i)].Visible = visible;
    }
}

void ClearRows(HighScores& h) {
    for (int i = 1; i <= kRows; ++i) {
        h.NamesLabel[Row(i)].Caption = "";
        h.ScoreLabel[Row(i)].Caption = "0";
        h.TimeLabel[Row(i)].Caption = "";
        h.HighScoreSeconds[Row(i)] = 0;
    }
}

}  // namespace

std::string FormatPlayTime(std::int64_t seconds) {
    std::int64_t h = seconds / 3600;
    std::int64_t m = (seconds - 3600 * h) / 60;
    std::int64_t r = seconds - 3600 * h - 60 * m;
    if (r >= 60) {
        m += 1;
        r -= 60;
    }
    if (m >= 60) {
        h += 1;
        m -= 60;
    }
    return std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(r);
}

void BuildHighScoreTable(Session& session) {
    HighScores& h = session.high;
    h.HighLabel.Caption = session.platform.Translate("HighScores", "High Scores");
    h.HighLabel.Left = 0;
    h.HighLabel.Top = 1;
    h.HighLabel.Visible = false;
    h.NamesLabel[0] = {session.platform.Translate("HighScores", "Name"), kNamesLeft, kRowHeight, false,
                       h.NamesLabel[0].ForeColor};
    h.ScoreLabel[0] = {session.platform.Translate("HighScores", "Score"), kScoreLeft, kRowHeight, false,
                       h.ScoreLabel[0].ForeColor};
    h.TimeLabel[0] = {session.platform.Translate("HighScores", "Time"), kTimeLeft, kRowHeight, false,
                      h.TimeLabel[0].ForeColor};
    for (int i = 1; i <= kRows; ++i) {
        Label names = h.NamesLabel[0];
        Label score = h.ScoreLabel[0];
        Label time = h.TimeLabel[0];
        names.Caption = std::to_string(i) + ". ";
        score.Caption = "0";
        time.Caption = "";
        names.Top = h.NamesLabel[Row(i - 1)].Top + kRowHeight;
        score.Top = h.ScoreLabel[Row(i - 1)].Top + kRowHeight;
        time.Top = h.TimeLabel[Row(i - 1)].Top + kRowHeight;
        h.NamesLabel[Row(i)] = names;
        h.ScoreLabel[Row(i)] = score;
        h.TimeLabel[Row(i)] = time;
    }
    ReadHighScores(session);
}

void ReadHighScores(Session& session) {
    HighScores& h = session.high;
    // Read all thirty items before touching the table: a damaged file leaves
    // cleared rows, never half of an old table mixed with defaults.
    struct Entry {
        std::string name, score;
        std::int64_t seconds = 0;
    };
    std::array<Entry, kRows + 1> entries;
    try {
        std::string text;
        // A table that cannot be read is cleared for this run; its file is
        // kept, since the writer leaves an unreadable file alone.
        if (ReadFolderFile(session, kHighScoreFileName, text) != FileRead::Read) throw ReadFailure("no high-score file");
        ItemReader in(text);
        for (int i = 1; i <= kRows; ++i) {
            Entry& e = entries[Row(i)];
            e.name = in.Text();
            e.score = in.Text();
            e.seconds = in.Integer(kInt32Min, kInt32Max);
        }
    } catch (const ReadFailure&) {
        ClearRows(h);
        WriteHighScores(session);
        return;
    }
    for (int i = 1; i <= kRows; ++i) {
        const Entry& e = entries[Row(i)];
        h.NamesLabel[Row(i)].Caption = e.name;
        h.ScoreLabel[Row(i)].Caption = e.score;
        h.HighScoreSeconds[Row(i)] = e.seconds;
        h.TimeLabel[Row(i)].Caption = FormatPlayTime(e.seconds);
    }
}

bool WriteHighScores(Session& session) {
    try {
        const HighScores& h = session.high;
        ItemWriter out;
        for (int i = 1; i <= kRows; ++i) {
            out.Text(h.NamesLabel[Row(i)].Caption);
            out.Text(h.ScoreLabel[Row(i)].Caption);
            out.Integer(h.HighScoreSeconds[Row(i)]);
        }
        return WriteFolderFile(session, kHighScoreFileName, out.str(), FolderFlush::Flush);
    } catch (const std::exception&) {
        return false;
    }
}

void InsertHighScore(Session& session) {
    HighScores& h = session.high;
    Clock& clock = session.clock;
    const std::int32_t score = session.game.Score;
    h.NewScoreRank = 0;
    for (int i = 1; i <= kRows; ++i) {
        const std::optional<double> rowScore = ScoreValue(h.ScoreLabel[Row(i)].Caption);
        if (!rowScore || *rowScore < score ||
            (*rowScore == score && clock.PlaySeconds < h.HighScoreSeconds[Row(i)])) {
            h.NewScoreRank = i;
            break;
        }
    }
    const int rank = h.NewScoreRank;
    if (rank == 0) return;

    // Everything from the new row down moves one row; the old tenth is dropped.
    for (int i = kRows; i > rank; --i) {
        h.ScoreLabel[Row(i)].Caption = h.ScoreLabel[Row(i - 1)].Caption;
        h.NamesLabel[Row(i)].Caption = h.NamesLabel[Row(i - 1)].Caption;
        h.TimeLabel[Row(i)].Caption = h.TimeLabel[Row(i - 1)].Caption;
        h.HighScoreSeconds[Row(i)] = h.HighScoreSeconds[Row(i - 1)];
    }

    const std::int64_t s = clock.PlaySeconds;
    clock.PlayHours = s / 3600;
    clock.PlayMinutes = (s % 3600) / 60;
    clock.PlaySecs = s % 60;
    if (clock.PlayMinutes > 59) {
        clock.PlayHours += 1;
        clock.PlayMinutes -= 60;
    }
    h.HighScoreSeconds[Row(rank)] = s;
    h.TimeLabel[Row(rank)].Caption = std::to_string(clock.PlayHours) + ":" + std::to_string(clock.PlayMinutes) +
                                     ":" + std::to_string(clock.PlaySecs);
    h.ScoreLabel[Row(rank)].Caption = std::to_string(score);
    h.NamesLabel[Row(rank)].Caption = "Anonymous";
}

void EnterName(Session& session) {
    HighScores& h = session.high;
    Messages& msg = session.msg;
    // A rank beyond the ten rows has no label to take the name.
    if (h.NewScoreRank < 1 || h.NewScoreRank > kRows) return;
    msg.RoundOverHeading.Visible = false;
    msg.RoundOverLabel.Visible = false;
    msg.MessageLine.Visible = false;
    msg.NameInput.Visible = false;
    msg.EnterButton.Visible = false;
    h.NamesLabel[Row(h.NewScoreRank)].Caption = msg.NameInput.Text;
    // The name is in: what is left is the ended game, which the table covers.
    game::Enter(session, Screen::GameOver);
    ShowHighScores(session);
}

void NameKey(Session& session, int keyAscii) {
    if (keyAscii == kEnterKey) EnterName(session);
}

void ShowHighScores(Session& session) {
    HighScores& h = session.high;
    Messages& msg = session.msg;
    // Opened twice, the second opening would remember the messages as hidden
    // (the first one hid them) and lose them when the table closes.
    if (session.play.Now == Screen::HighScores) return;
    game::Enter(session, Screen::HighScores);

    h.Remembered = {msg.RoundOverHeading.Visible, msg.RoundOverLabel.Visible, msg.NameInput.Visible, msg.EnterButton.Visible,
                    msg.PanelTitle.Visible, msg.PanelCount.Visible,        msg.PanelScore.Visible,    msg.PausedLabel.Visible};
    session.clock.WasPaused = msg.PausedLabel.Visible;

    msg.PausedLabel.Visible = false;
    session.clock.State = ClockState::FreezeRequested;

    session.intro.Visible = false;
    msg.RoundOverLabel.Visible = false;
    msg.MessageLine.Visible = false;
    msg.RoundOverHeading.Visible = false;
    msg.PanelTitle.Visible = false;
    msg.PanelCount.Visible = false;
    msg.PanelScore.Visible = false;
    board::HideAllFrogPictures(session.board);
    session.board.HighLight.Visible = false;
    for (std::size_t i = 1; i < session.board.Grid.size(); ++i) session.board.Grid[i].Visible = false;

    ShowTable(h, true);
}

void CloseHighScores(Session& session) {
    HighScores& h = session.high;
    Messages& msg = session.msg;
    Game& g = session.game;
    // The table's labels take clicks only while it is shown; a close of a
    // table that is not open would restore what an older opening remembered.
    if (session.play.Now != Screen::HighScores) return;

    msg.RoundOverHeading.Visible = false;
    msg.RoundOverLabel.Visible = false;
    msg.MessageLine.Visible = false;
    ShowTable(h, false);

    // The game is over when the table covers its game-over message (no try
    // left, or every level solved). The try counter alone cannot tell: it
    // is at its limit as well while the last try is played, or on the panel
    // of a level solved at the last try, and that game goes on.
    const bool gameOver = g.ModeIndex < kPracticeMode && session.play.UnderTable == Screen::GameOver;
    if (gameOver || session.play.UnderTable == Screen::StartScreen) {
        msg.RoundOverHeading.Visible = false;
        msg.MessageLine.Visible = false;
        // The table opened from the start screen goes back to it; only a game
        // that is really over has its counters reset. Resetting them for the
        // start screen alone would spoil the interrupted game that "Continue"
        // still offers (and a Practice game would get a board without its
        // start screen).
        if (gameOver) {
            g.CurrentLevel = 1;
            g.TryNumber = 0;
            g.LevelTries = 0;
        }
        session.intro.Visible = true;
        game::Enter(session, Screen::StartScreen);
        game::UpdateCaption(session);
        return;
    }

    // The board comes back under a level in play that was not paused; a
    // message or the panel comes back over the hidden board.
    const HighScores::Shown& was = h.Remembered;
    const bool levelUnder = session.play.UnderTable == Screen::LevelInPlay;
    if (!was.PausedLabel && levelUnder) {
        board::ShowFrogPictures(session.board);
        for (std::size_t i = 1; i < session.board.Grid.size(); ++i) session.board.Grid[i].Visible = true;
        if (session.board.SelectedFrog > 0) session.board.HighLight.Visible = true;
    }

    msg.RoundOverHeading.Visible = was.RoundOverHeading;
    msg.RoundOverLabel.Visible = was.RoundOverLabel;
    msg.NameInput.Visible = was.NameInput;
    msg.EnterButton.Visible = was.EnterButton;
    msg.PanelTitle.Visible = was.PanelTitle;
    msg.PanelCount.Visible = was.PanelCount;
    msg.PanelScore.Visible = was.PanelScore;
    msg.PausedLabel.Visible = was.PausedLabel;
    msg.MessageLine.Visible = msg.PanelTitle.Visible;
    // The screen the table covered comes back. (The message line stays as
    // the labels have it; what is on screen is this state, not the labels.)
    game::Enter(session, session.play.UnderTable);

    if (levelUnder) session.clock.State = ClockState::RestoreRequested;
}

void CloseHighScoresAtName(Session& session, int index) {
    (void)index;  // any row, the header included, closes the table
    CloseHighScores(session);
}

void CloseHighScoresAtScore(Session& session, int index) {
    (void)index;
    CloseHighScores(session);
}

}  // namespace quib::records
