#include "game.h"

namespace quib::game {

// STUB: not built yet
std::string ComposeCaption(const Form1& form) { (void)form; return {}; }

// STUB: not built yet
void UpdateCaption(Form1& form) { (void)form;  }

// STUB: not built yet
void AddPlayTime(Form1& form) { (void)form;  }

// STUB: not built yet
void SplitPlaySeconds(Form1& form) { (void)form;  }

// STUB: not built yet
void ClockTick(Form1& form) { (void)form;  }

// STUB: not built yet
double LevelTime(Form1& form) { (void)form; return 0; }

// STUB: not built yet
void PausedLabel_click(Form1& form) { (void)form;  }

// STUB: not built yet
void paused_update(Form1& form) { (void)form;  }

}  // namespace quib::game
