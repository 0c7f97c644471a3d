#include "game.h"

namespace quib::game {

// STUB: not built yet
bool ApplyModeTable(Game& game, int modeIndex) { (void)game; (void)modeIndex; return false; }

// STUB: not built yet
void EnableGotoLevelEntries(Form1& form) { (void)form;  }

// STUB: not built yet
void NewGameMenue_Click(Form1& form, int index) { (void)form; (void)index;  }

// STUB: not built yet
void CommandLabel_Click(Form1& form, int index) { (void)form; (void)index;  }

// STUB: not built yet
void mnulevel_Click(Form1& form, int index) { (void)form; (void)index;  }

}  // namespace quib::game
