#include "board.h"

namespace quib::board {

// STUB: not built yet
void Frog_Click(Form1& form, int index) { (void)form; (void)index;  }

// STUB: not built yet
void Image2_Click(Form1& form, int index) { (void)form; (void)index;  }

// STUB: not built yet
void Form_MouseDown(Form1& form, int button, int shift, float x, float y) { (void)form; (void)button; (void)shift; (void)x; (void)y;  }

// STUB: not built yet
void ClickCell(Form1& form, int n) { (void)form; (void)n;  }

// STUB: not built yet
void MoveSelectedFrog(Form1& form, int f, int t) { (void)form; (void)f; (void)t;  }

}  // namespace quib::board
