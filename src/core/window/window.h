#pragma once
// Window and extras: start-up and shutdown, the options, the About box,
// help, web links, "Tell a friend" and the rotating message line.

#include <string>

#include "../form.h"

namespace quib::window {

// --------------------------------------------------- start-up and shutdown

void OpenWindow(Session& form);
void StartUp(Session& form);
void ChangeWindowState(Session& form, int windowState);
// The close request. Returns true when the window must stay open (the
// player answered No).
bool RequestClose(Session& form);
// The desktop session ends (logout, shutdown, a termination signal): the
// close request's writes, in its order, without the question; the game has
// ended afterwards. Does nothing once the game has ended.
void SessionEnd(Session& form);
// Tells the player, once a run, that the game's files cannot be kept: at the
// start when no folder for them can be written, or at a close whose writes
// failed. Always on standard error; in a message box when showBox is set.
// At a close the message names each file that was not written and why.
void TellFilesNotKept(Session& form, bool atStart, bool showBox);
// Tells the player, on standard error and in a message box, which of the
// game's files could not be read at the start and why: they are left as
// they are, so what this run changes in them is not kept.
void TellUnreadableFiles(Session& form);

// ----------------------------------------------------------------- options

void ToggleSound(Session& form);
void ToggleGrids(Session& form);
void PlaySoundFile(Session& form, const std::string& fileName, bool wait);
// The jump sound, beside the program.
std::string JumpSoundPath(const Session& form);
// A colour slider moved: which is 2 (red), 3 (green) or 4 (blue).
void SetColourLevel(Session& form, int which, int value);

// ----------------------------------------------------------- side features

void ShowNextMessage(Session& form);
void ShowHelpFile(Session& form);
void ShowAboutBox(Session& form);
// The About box closes (its close box or "Okay").
void CloseAboutBox(Session& form);
void AboutOkay(Session& form);  // "Okay"
void ShowDisclaimer(Session& form);  // "License Agreement"
void OpenAboutAddress(Session& form);    // the address line
void ChooseExit(Session& form);
void RunShellExecute(Session& form, const std::string& address);
void ShowMoreGames(Session& form);
void OpenWebAddress(Session& form);
void OpenMessageLink(Session& form);
void Donate(Session& form);
void TellAFriend(Session& form);

}  // namespace quib::window
