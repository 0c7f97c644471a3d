// Feeds arbitrary bytes to the high-score reader as "high.txt". No input may
// crash it; the table it builds always has ten rows whose times match their
// seconds, a finished game finds its place in it, and the table written by
// the game reads back the same.

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/records/records.h"
#include "harness.h"

namespace {

using quib::fuzz::Check;

// The notation has no double quote inside a text; the writer turns it into
// an apostrophe.
std::string AsWritten(std::string s) {
    std::replace(s.begin(), s.end(), '"', '\'');
    return s;
}

void CheckRows(const quib::HighScores& h) {
    for (std::size_t i = 1; i <= 10; ++i) {
        // Any 32-bit time is taken as the file holds it.
        Check(h.HighScoreSeconds[i] >= INT32_MIN && h.HighScoreSeconds[i] <= INT32_MAX);
        const std::string& time = h.TimeLabel[i].Caption;
        Check(time == quib::records::FormatPlayTime(h.HighScoreSeconds[i]) || (time.empty() && h.HighScoreSeconds[i] == 0));
        Check(!h.NamesLabel[i].Visible);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quib::fuzz::Fixture fx;
    quib::Session& session = *fx.session;
    fx.PutInput("high.txt", data, size);

    session.high = quib::HighScores{};
    quib::records::BuildHighScoreTable(session);
    CheckRows(session.high);

    // A finished game made from the input's first bytes.
    std::uint32_t seed = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 8); ++i) seed = seed * 131 + data[i];
    session.game.Score = static_cast<std::int32_t>(seed % 5000);
    session.clock.PlaySeconds = seed % 50000;
    session.high.NewScoreRank = 0;
    quib::records::InsertHighScore(session);
    Check(session.high.NewScoreRank >= 0 && session.high.NewScoreRank <= 10);
    if (session.high.NewScoreRank > 0) {
        const std::size_t r = static_cast<std::size_t>(session.high.NewScoreRank);
        Check(session.high.NamesLabel[r].Caption == "Anonymous");
        Check(session.high.HighScoreSeconds[r] == session.clock.PlaySeconds);
    }
    CheckRows(session.high);

    const quib::HighScores before = session.high;
    Check(quib::records::WriteHighScores(session));
    session.high = quib::HighScores{};
    quib::records::BuildHighScoreTable(session);
    for (std::size_t i = 1; i <= 10; ++i) {
        Check(session.high.NamesLabel[i].Caption == AsWritten(before.NamesLabel[i].Caption));
        Check(session.high.ScoreLabel[i].Caption == AsWritten(before.ScoreLabel[i].Caption));
        Check(session.high.HighScoreSeconds[i] == before.HighScoreSeconds[i]);
    }
    return 0;
}
