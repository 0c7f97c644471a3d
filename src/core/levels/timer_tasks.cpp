#include "levels.h"

namespace quib::levels {

// STUB: not built yet
void Timer1_Timer(Form1& form) { (void)form;  }

// STUB: not built yet
void BackgroundSupply(Form1& form) { (void)form;  }

}  // namespace quib::levels
