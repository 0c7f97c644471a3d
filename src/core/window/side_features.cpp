#include "window.h"

namespace quib::window {

// STUB: not built yet
void contentsmenue_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void aboutmenue_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Form2_Unload(Form1& form) { (void)form;  }

// STUB: not built yet
void Form2_Command1_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Form2_Command2_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Form2_Label3_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void ExitLabel_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void RunShellExecute(Form1& form, const std::string& address) { (void)form; (void)address;  }

// STUB: not built yet
void mnu_morefree_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Label3_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void Ad_Label_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void mnu_donate_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void mnu_tellafriend_click(Form1& form) { (void)form;  }

}  // namespace quib::window

#include "links.h"

namespace quib::window {

void ShowNextMessage(Form1& form) {
    form.platform.Randomize();
    int n = 1 + static_cast<int>(form.platform.Rnd() * 5);
    if (n < 1 || n > 5) n = 1;
    form.msg.Ad_Label.Caption = kMessageFirstLines[static_cast<std::size_t>(n - 1)] + "\n" + kMessageSecondLine;
}

}  // namespace quib::window
