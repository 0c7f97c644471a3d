#include "levels.h"

namespace quib::levels {

// STUB: not built yet
void SolveMenue_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void TestMenue_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void PlayNextSolutionStep(Form1& form) { (void)form;  }

// STUB: not built yet
void PlaybackTick(Form1& form) { (void)form;  }

// STUB: not built yet
char Text1_KeyPress(Form1& form, char key) { (void)form; return key; }

}  // namespace quib::levels
