#include "records.h"

namespace quib::records {

// STUB: not built yet
std::string SlotFileName(int slot) { (void)slot; return {}; }

// STUB: not built yet
void UpdateSlotMenus(Form1& form) { (void)form;  }

// STUB: not built yet
void UpdateSlotMenu(Form1& form, int slot) { (void)form; (void)slot;  }

// STUB: not built yet
void mnusavegame_Click(Form1& form, int index) { (void)form; (void)index;  }

// STUB: not built yet
void mnuloadgame_Click(Form1& form, int index) { (void)form; (void)index;  }

// STUB: not built yet
void CloseSaveSlot(Form1& form, const std::string& item) { (void)form; (void)item;  }

}  // namespace quib::records
