#include "window.h"

namespace quib::window {

// STUB: not built yet
void sndmenue_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void mnuGrids_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void VScroll_Change(Form1& form, int which, int value) { (void)form; (void)which; (void)value;  }

}  // namespace quib::window

#include <filesystem>
#include <system_error>

namespace quib::window {

std::string JumpSoundPath(const Form1& form) { return form.ProgramFolder + "Sounds/Jump.wav"; }

void PlaySoundFile(Form1& form, const std::string& fileName, bool wait) {
    (void)wait;  // the game never waits for a sound
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec)) return;  // a missing file is silent
    form.platform.PlaySound(fileName);
}

}  // namespace quib::window
