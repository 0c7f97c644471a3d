// The close request: the clock and the playing time brought up to date, the
// game saved into its slot, the resume file and the high scores written, and
// only then the exit question. The end of the desktop session does the same
// writes without the question.

#include <cstdio>
#include <cstring>
#include <string>

#include "../game/game.h"
#include "../levels/levels.h"
#include "../records/records.h"
#include "../translation.h"
#include "window.h"

namespace quib::window {

namespace {

// The close request's work before its question; false when the game or the
// high scores could not be written.
bool SaveForExit(Session& session) {
    Clock& clock = session.clock;
    if (clock.State == ClockState::Frozen) clock.State = ClockState::RestoreRequested;
    levels::TimerTick(session);

    // Only time spent with a level in play counts: closing at the start
    // screen adds nothing. Answered No, the game goes on, and the time just
    // added is not added again by the next level end or close request.
    game::BankPlayTime(session);

    if (session.game.SaveSlot > 0) records::SaveToSlot(session, session.game.SaveSlot);
    // A file that cannot be written leaves its old version in place and
    // never keeps the player from the question.
    const bool dataWritten = records::WriteDataFile(session);
    const bool scoresWritten = records::WriteHighScores(session);
    game::UpdateCaption(session);
    return dataWritten && scoresWritten;
}

void End(Session& session) {
    session.about.Loaded = false;
    session.window.Ended = true;
}

}  // namespace

bool RequestClose(Session& session) {
    const bool saved = SaveForExit(session);
    // While the question (and the word that the files could not be kept)
    // is open nobody plays: its seconds count neither for a session that
    // ends meanwhile nor, answered No, for the game.
    game::SetExitQuestion(session, true);
    if (!saved) TellFilesNotKept(session, false, true);
    const bool yes = session.platform.AskYesNo(
        session.platform.Translate("Exit", "Are you sure you want to exit the program?"), "Quib");
    game::SetExitQuestion(session, false);
    if (!yes) {
        session.clock.State = ClockState::RestoreRequested;
        return true;
    }
    End(session);
    return false;
}

void SessionEnd(Session& session) {
    if (session.window.Ended) return;
    // The session is ending: no box would be seen.
    if (!SaveForExit(session)) TellFilesNotKept(session, false, false);
    End(session);
}

namespace {

// The system's words for why a file failed.
std::string Cause(Session& session, const std::string& name) {
    const auto found = session.files.Failures.find(name);
    if (found == session.files.Failures.end()) return session.platform.Translate("Exit", "cause unknown");
    if (found->second == records::kFolderTakenOver)
        return session.platform.Translate("Exit",
                                       "the folder was moved or removed while the game ran, and another copy of "
                                       "Quib uses the folder at that place now, so nothing was written there");
    return std::strerror(found->second);
}

// Each of the close's files that is not written, and why: one that could
// not be read at the start was left alone on purpose.
std::string WhatWasNotWritten(Session& session) {
    std::string text;
    for (const char* name : {"data.txt", "high.txt"}) {
        if (session.files.Failures.count(name) == 0) continue;
        if (!text.empty()) text += "; ";
        text += Arg(
            Arg(session.files.Unreadable.count(name) != 0
                    ? session.platform.Translate(
                          "Exit", "%1 could not be read when the game started (%2), so it was left as it was")
                    : session.platform.Translate("Exit", "%1 could not be written (%2)"),
                name),
            Cause(session, name));
    }
    return text.empty() ? session.platform.Translate("Exit", "its files could not be written") : text;
}

}  // namespace

void TellFilesNotKept(Session& session, bool atStart, bool showBox) {
    if (session.window.ToldFilesNotKept) return;
    session.window.ToldFilesNotKept = true;
    const std::string text =
        atStart ? Arg(session.platform.Translate(
                          "Exit",
                          "Quib cannot keep anything: its folder for your game, scores and options "
                          "(%1) cannot be written. You can play, but nothing will be saved."),
                      session.DataFolder)
                : Arg(Arg(session.platform.Translate("Exit",
                                                  "Quib could not save your game: in %1, %2. What this "
                                                  "session changed there is not kept."),
                          session.DataFolder),
                      WhatWasNotWritten(session));
    std::fprintf(stderr, "%s\n", text.c_str());
    if (showBox) session.platform.ShowInfo(text);
}

void TellUnreadableFiles(Session& session) {
    std::string text;
    for (const std::string& name : session.files.Unreadable) {
        if (!text.empty()) text += "\n";
        text += Arg(Arg(session.platform.Translate("Exit",
                                                "Quib cannot read %1 (%2). The file is left as it is, and what "
                                                "this session changes in it is not saved."),
                        session.DataFolder + name),
                    Cause(session, name));
    }
    if (text.empty()) return;
    std::fprintf(stderr, "%s\n", text.c_str());
    session.platform.ShowInfo(text);
}

}  // namespace quib::window
