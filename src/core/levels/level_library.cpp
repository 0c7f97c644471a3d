#include "levels.h"

namespace quib::levels {

// STUB: not built yet
std::string LevelLibraryText(const Form1& form) { (void)form; return {}; }

// STUB: not built yet
bool ReadLevelLibrary(Form1& form, const std::string& fileName) { (void)form; (void)fileName; return false; }

// STUB: not built yet
bool WriteLevelLibrary(Form1& form) { (void)form; return false; }

// STUB: not built yet
void InstallGeneratedLevel(Form1& form, int level) { (void)form; (void)level;  }

}  // namespace quib::levels
