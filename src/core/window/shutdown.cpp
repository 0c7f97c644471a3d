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
bool SaveForExit(Session& form) {
    Clock& clock = form.clock;
    if (clock.ClockState == 2) clock.ClockState = 3;
    levels::TimerTick(form);

    // Only time spent with a level in play counts: closing at the start
    // screen adds nothing. Answered No, the game goes on, and the time just
    // added is not added again by the next level end or close request.
    game::BankPlayTime(form);

    if (form.game.SaveSlot > 0) records::SaveToSlot(form, form.game.SaveSlot);
    // A file that cannot be written leaves its old version in place and
    // never keeps the player from the question.
    const bool dataWritten = records::WriteDataFile(form);
    const bool scoresWritten = records::WriteHighScores(form);
    game::UpdateCaption(form);
    return dataWritten && scoresWritten;
}

void End(Session& form) {
    form.about.Loaded = false;
    form.window.Ended = true;
}

}  // namespace

bool RequestClose(Session& form) {
    const bool saved = SaveForExit(form);
    // While the question (and the word that the files could not be kept)
    // is open nobody plays: its seconds count neither for a session that
    // ends meanwhile nor, answered No, for the game.
    game::SetExitQuestion(form, true);
    if (!saved) TellFilesNotKept(form, false, true);
    const bool yes = form.platform.AskYesNo(
        form.platform.Translate("Exit", "Are you sure you want to exit the program?"), "Quib");
    game::SetExitQuestion(form, false);
    if (!yes) {
        form.clock.ClockState = 3;
        return true;
    }
    End(form);
    return false;
}

void SessionEnd(Session& form) {
    if (form.window.Ended) return;
    // The session is ending: no box would be seen.
    if (!SaveForExit(form)) TellFilesNotKept(form, false, false);
    End(form);
}

namespace {

// The system's words for why a file failed.
std::string Cause(Session& form, const std::string& name) {
    const auto found = form.files.Failures.find(name);
    return found == form.files.Failures.end() ? form.platform.Translate("Exit", "cause unknown")
                                              : std::strerror(found->second);
}

// Each of the close's files that is not written, and why: one that could
// not be read at the start was left alone on purpose.
std::string WhatWasNotWritten(Session& form) {
    std::string text;
    for (const char* name : {"data.txt", "high.txt"}) {
        if (form.files.Failures.count(name) == 0) continue;
        if (!text.empty()) text += "; ";
        text += Arg(
            Arg(form.files.Unreadable.count(name) != 0
                    ? form.platform.Translate(
                          "Exit", "%1 could not be read when the game started (%2), so it was left as it was")
                    : form.platform.Translate("Exit", "%1 could not be written (%2)"),
                name),
            Cause(form, name));
    }
    return text.empty() ? form.platform.Translate("Exit", "its files could not be written") : text;
}

}  // namespace

void TellFilesNotKept(Session& form, bool atStart, bool showBox) {
    if (form.window.ToldFilesNotKept) return;
    form.window.ToldFilesNotKept = true;
    const std::string text =
        atStart ? Arg(form.platform.Translate(
                          "Exit",
                          "Quib cannot keep anything: its folder for your game, scores and options "
                          "(%1) cannot be written. You can play, but nothing will be saved."),
                      form.DataFolder)
                : Arg(Arg(form.platform.Translate("Exit",
                                                  "Quib could not save your game: in %1, %2. What this "
                                                  "session changed there is not kept."),
                          form.DataFolder),
                      WhatWasNotWritten(form));
    std::fprintf(stderr, "%s\n", text.c_str());
    if (showBox) form.platform.ShowInfo(text);
}

void TellUnreadableFiles(Session& form) {
    std::string text;
    for (const std::string& name : form.files.Unreadable) {
        if (!text.empty()) text += "\n";
        text += "Quib cannot read " + form.DataFolder + name + " (" + Cause(form, name) +
                "). The file is left as it is, and what this session changes in it is not saved.";
    }
    if (text.empty()) return;
    std::fprintf(stderr, "%s\n", text.c_str());
    form.platform.ShowInfo(text);
}

}  // namespace quib::window
