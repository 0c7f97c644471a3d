// The window caption (the game's status line), the level clock that keeps
// running across midnight and stands still while the board is covered, the
// game's playing time, and the "Game Paused" notice.

#include <algorithm>
#include <cmath>
#include <string>

#include "../board/board.h"
#include "../translation.h"
#include "game.h"

namespace quib::game {

namespace {

// Values of up to three digits take three characters, so the caption's
// columns stay put while the numbers change.
std::string Pad3(long long value) {
    std::string text;
    if (value < 100) text += ' ';
    if (value < 10) text += ' ';
    return text + std::to_string(value);
}

// Scores of up to five digits take five characters.
std::string Pad5(long long value) {
    std::string text;
    for (long long limit : {10000LL, 1000LL, 100LL, 10LL}) {
        if (value < limit) text += ' ';
    }
    return text + std::to_string(value);
}

}  // namespace

std::string ComposeCaption(const Session& session) {
    const Game& g = session.game;
    if (StartScreenUp(session)) return " QUIB   ";
    std::string caption = g.SaveSlot == 0 ? std::string("QUIB   ") : "QUIB(" + std::to_string(g.SaveSlot) + ")";
    // The mode is kept in English in the files; only the caption shows it translated.
    Platform& p = session.platform;
    caption += "   " + Arg(p.Translate("Caption", "Mode: %1"), p.Translate("Mode", g.GameMode.c_str()));
    caption += "  " + Arg(p.Translate("Caption", "Level: %1 of 200"), Pad3(g.CurrentLevel)) + "  ";
    const int left = board::FrogsLeft(session.board);
    caption += "             " + Arg(Arg(p.Translate("Caption", "%1 left out of %2", "", left), Pad3(left)),
                                     Pad3(g.CurrentLevel + 3));
    if (g.ModeIndex != kPracticeMode) {
        caption += "    " + Arg(p.Translate("Caption", "Tries Left: %1"),
                                Pad3(static_cast<long long>(g.TriesAllowed) - g.TryNumber + 1));
        caption += "    " + Arg(p.Translate("Caption", "Score: %1"), Pad5(g.Score));
    }
    return caption;
}

void UpdateCaption(Session& session) {
    if (!session.clock.LevelStartTime) session.clock.LevelStartTime = session.platform.Timer();
    session.window.Caption = ComposeCaption(session);
}

namespace {
// Once each and in this order: 60 seconds make a minute, 60 minutes an hour.
void CarryPlayTime(Clock& c) {
    if (c.PlaySecs >= 60) {
        c.PlayMinutes += 1;
        c.PlaySecs -= 60;
    }
    if (c.PlayMinutes >= 60) {
        c.PlayHours += 1;
        c.PlayMinutes -= 60;
    }
}
}  // namespace

void AddPlayTime(Session& session) {
    Clock& c = session.clock;
    // A clock set back while playing would give a negative stretch; playing
    // time never runs backwards, so such a stretch counts as nothing.
    const std::int64_t d = std::max<std::int64_t>(0, c.SessionNow - c.SessionStart);
    c.PlaySeconds += d;
    const std::int64_t h = d / 3600;
    const std::int64_t m = (d - h * 3600) / 60;
    const std::int64_t s = d - h * 3600 - m * 60;
    c.PlayHours += h;
    c.PlayMinutes += m;
    c.PlaySecs += s;
    CarryPlayTime(c);
}

bool LevelInPlay(const Session& session) {
    return session.play.Now == Screen::LevelInPlay && session.window.State != WindowState::Minimised && !session.play.ExitQuestion;
}

bool StartScreenUp(const Session& session) {
    const PlayState& play = session.play;
    return play.Now == Screen::StartScreen || (play.Now == Screen::HighScores && play.UnderTable == Screen::StartScreen);
}

void BankPlayTime(Session& session) {
    if (!LevelInPlay(session)) return;
    Clock& c = session.clock;
    c.SessionNow = session.platform.Now();
    AddPlayTime(session);
    c.SessionStart = c.SessionNow;
}

void SplitPlaySeconds(Session& session) {
    Clock& c = session.clock;
    // The total can only go below zero when a file held a level time larger
    // than the game's total; a negative time is never shown or ranked.
    if (c.PlaySeconds < 0) c.PlaySeconds = 0;
    c.PlayHours = c.PlaySeconds / 3600;
    c.PlayMinutes = (c.PlaySeconds - c.PlayHours * 3600) / 60;
    c.PlaySecs = c.PlaySeconds - c.PlayHours * 3600 - c.PlayMinutes * 60;
    CarryPlayTime(c);
}

void ClockTick(Session& session) {
    Clock& c = session.clock;
    Platform& p = session.platform;
    const double t = p.Timer();
    const int today = p.Day();
    const std::int64_t now = p.Now();
    if (today != c.StartDay) {
        // The time of day has wrapped: move the start back by the wrap, so
        // the level time goes on instead of jumping by a day. The timer may
        // have rested for a while, across more than one midnight even: the
        // wrap is the whole number of days that brings the time of day of
        // the last tick, plus the time passed since it, to this one.
        double d = 0.0;
        if (c.LastTick) {
            const double passed = c.LastTickAt ? static_cast<double>(now - *c.LastTickAt) : 0.0;
            d = 86400.0 * std::round((*c.LastTick + passed - t) / 86400.0);
        }
        c.LevelStartTime = c.LevelStartTime.value_or(0.0) - d;
        c.StartDay = today;
    }
    if (c.State == ClockState::FreezeRequested) {
        c.FrozenElapsed = t - c.LevelStartTime.value_or(0.0);
        c.State = ClockState::Frozen;
    }
    if (c.State == ClockState::RestoreRequested) {
        c.LevelStartTime = t - c.FrozenElapsed;
        c.State = ClockState::Running;
    }
    c.LastTick = t;
    c.LastTickAt = now;
}

double LevelTime(Session& session) {
    const Clock& c = session.clock;
    // Frozen, or about to be restored to the frozen value at the next tick.
    if (c.State == ClockState::Frozen || c.State == ClockState::RestoreRequested) return c.FrozenElapsed;
    double elapsed = session.platform.Timer() - c.LevelStartTime.value_or(0.0);
    // Midnight passed since the last tick, which has not corrected the start yet.
    if (elapsed < 0 && session.platform.Day() != c.StartDay) elapsed += 86400.0;
    return elapsed;
}

void DismissPauseNotice(Session& session) {
    if (session.clock.WasPaused) {
        session.msg.PausedLabel.Visible = true;
        return;
    }
    session.msg.PausedLabel.Visible = false;
    const Game& g = session.game;
    if (StartScreenUp(session) || g.TryNumber == g.TriesAllowed) return;
    Board& b = session.board;
    if (b.SelectedFrog > 0) b.HighLight.Visible = true;
    for (std::size_t i = 1; i < b.Grid.size(); ++i) b.Grid[i].Visible = true;
    board::ShowFrogPictures(b);
    session.clock.State = ClockState::RestoreRequested;
}

void UpdatePauseNotice(Session& session) {
    // Neither a message, the panel nor the table stands over the board.
    if (session.play.Now == Screen::LevelInPlay || session.play.Now == Screen::StartScreen) DismissPauseNotice(session);
}

}  // namespace quib::game
