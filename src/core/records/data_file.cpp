#include "records.h"

namespace quib::records {

// STUB: not built yet
bool WriteDataFile(Form1& form) { (void)form; return false; }

// STUB: not built yet
void ReadDataFile(Form1& form) { (void)form;  }

}  // namespace quib::records
