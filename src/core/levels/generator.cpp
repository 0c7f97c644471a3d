#include "levels.h"

namespace quib::levels {

// STUB: not built yet
void GenerateLevel(Form1& form) { (void)form;  }

}  // namespace quib::levels
