#include "game.h"

namespace quib::game {

// STUB: not built yet
void StartLevel(Form1& form) { (void)form;  }

// STUB: not built yet
void ResumeBoard(Form1& form) { (void)form;  }

// STUB: not built yet
void CheckJumpPossible(Form1& form) { (void)form;  }

}  // namespace quib::game
