#include "game.h"

namespace quib::game {

// STUB: not built yet
void Label1_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void RoundOverLabel_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Label2_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Label3b_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Label6_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void RestartLevelMenue_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void mnuQuit_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void CommandLabel2_Click(Form1& form) { (void)form;  }

}  // namespace quib::game
