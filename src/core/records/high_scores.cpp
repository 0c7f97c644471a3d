#include "records.h"

namespace quib::records {

// STUB: not built yet
std::string FormatPlayTime(std::int64_t seconds) { (void)seconds; return {}; }

// STUB: not built yet
void BuildHighScoreTable(Form1& form) { (void)form;  }

// STUB: not built yet
void ReadHighScores(Form1& form) { (void)form;  }

// STUB: not built yet
bool WriteHighScores(Form1& form) { (void)form; return false; }

// STUB: not built yet
void InsertHighScore(Form1& form) { (void)form;  }

// STUB: not built yet
void Command1_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void NameInput_KeyPress(Form1& form, int keyAscii) { (void)form; (void)keyAscii;  }

// STUB: not built yet
void mnuHighScores_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void HighLabel_Click(Form1& form) { (void)form;  }

// STUB: not built yet
void NamesLabel_Click(Form1& form, int index) { (void)form; (void)index;  }

// STUB: not built yet
void ScoreLabel_Click(Form1& form, int index) { (void)form; (void)index;  }

}  // namespace quib::records
