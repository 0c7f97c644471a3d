#pragma once
// Window and extras: start-up and shutdown, the options, the About box,
// help, web links, "Tell a friend" and the rotating message line.

#include <string>

#include "../form.h"

namespace quib::window {

// --------------------------------------------------- start-up and shutdown

void Form_Load(Form1& form);
void StartUp(Form1& form);
void Form_Resize(Form1& form, int windowState);
// The close request. Returns true when the window must stay open (the
// player answered No).
bool Form_Unload(Form1& form);
// The desktop session ends (logout, shutdown, a termination signal): the
// close request's writes, in its order, without the question; the game has
// ended afterwards. Does nothing once the game has ended.
void SessionEnd(Form1& form);
// Tells the player, once a run, that the game's files cannot be kept: at the
// start when no folder for them can be written, or at a close whose writes
// failed. Always on standard error; in a message box when showBox is set.
// At a close the message names each file that was not written and why.
void TellFilesNotKept(Form1& form, bool atStart, bool showBox);
// Tells the player, on standard error and in a message box, which of the
// game's files could not be read at the start and why: they are left as
// they are, so what this run changes in them is not kept.
void TellUnreadableFiles(Form1& form);

// ----------------------------------------------------------------- options

void sndmenue_Click(Form1& form);
void mnuGrids_Click(Form1& form);
void PlaySoundFile(Form1& form, const std::string& fileName, bool wait);
// The jump sound, beside the program.
std::string JumpSoundPath(const Form1& form);
// A colour slider moved: which is 2 (red), 3 (green) or 4 (blue).
void VScroll_Change(Form1& form, int which, int value);

// ----------------------------------------------------------- side features

void ShowNextMessage(Form1& form);
void contentsmenue_Click(Form1& form);
void aboutmenue_Click(Form1& form);
// The About box closes (its close box or "Okay").
void Form2_Unload(Form1& form);
void Form2_Command1_Click(Form1& form);  // "Okay"
void Form2_Command2_Click(Form1& form);  // "License Agreement"
void Form2_Label3_Click(Form1& form);    // the address line
void ExitLabel_Click(Form1& form);
void RunShellExecute(Form1& form, const std::string& address);
void mnu_morefree_Click(Form1& form);
void Label3_Click(Form1& form);
void Ad_Label_Click(Form1& form);
void mnu_donate_Click(Form1& form);
void mnu_tellafriend_click(Form1& form);

}  // namespace quib::window
