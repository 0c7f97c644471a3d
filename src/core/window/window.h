#pragma once
// Window and extras: start-up and shutdown, the options, the About box,
// help, web links, "Tell a friend" and the rotating message line.

#include <string>

#include "../form.h"

namespace quib::window {

// --------------------------------------------------- start-up and shutdown

void OpenWindow(Session& session);
void StartUp(Session& session);
void ChangeWindowState(Session& session, WindowState windowState);
// The close request. Returns true when the window must stay open (the
// player answered No).
bool RequestClose(Session& session);
// The desktop session ends (logout, shutdown, a termination signal): the
// close request's writes, in its order, without the question; the game has
// ended afterwards. Does nothing once the game has ended.
void SessionEnd(Session& session);
// Tells the player, once a run, that the game's files cannot be kept: at the
// start when no folder for them can be written, or at a close whose writes
// failed. Always on standard error; in a message box when showBox is set.
// At a close the message names each file that was not written and why.
void TellFilesNotKept(Session& session, bool atStart, bool showBox);
// Tells the player, on standard error and in a message box, which of the
// game's files could not be read at the start and why: they are left as
// they are, so what this run changes in them is not kept.
void TellUnreadableFiles(Session& session);

// ----------------------------------------------------------------- options

void ToggleSound(Session& session);
void ToggleGrids(Session& session);
void PlaySoundFile(Session& session, const std::string& fileName, bool wait);
// The jump sound, beside the program.
std::string JumpSoundPath(const Session& session);
// A colour slider moved: which is 2 (red), 3 (green) or 4 (blue).
void SetColourLevel(Session& session, int which, int value);

// ----------------------------------------------------------- side features

void ShowNextMessage(Session& session);
void ShowHelpFile(Session& session);
void ShowAboutBox(Session& session);
// The About box closes (its close box or "Okay").
void CloseAboutBox(Session& session);
void AboutOkay(Session& session);  // "Okay"
void ShowDisclaimer(Session& session);  // "License Agreement"
void OpenAboutAddress(Session& session);    // the address line
void ChooseExit(Session& session);
void RunShellExecute(Session& session, const std::string& address);
void ShowMoreGames(Session& session);
void OpenWebAddress(Session& session);
void OpenMessageLink(Session& session);
void Donate(Session& session);
void TellAFriend(Session& session);

}  // namespace quib::window
