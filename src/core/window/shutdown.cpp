#include "window.h"

namespace quib::window {

// STUB: not built yet
bool Form_Unload(Form1& form) { (void)form; return false; }

}  // namespace quib::window
