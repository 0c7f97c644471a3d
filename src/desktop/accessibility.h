#pragma once
// What a screen reader finds in the window: the board as a canvas whose one
// child is the cell under the keyboard cursor ("frog, row 6, column 9,
// selected"), and every label over the board with its text as its name and a
// role that says what it is (a button for the start screen's choices, a link,
// a heading, plain text). A message that can be dismissed also reads the
// lines that belong to it (the high-score table's rows with its heading).

#include <QString>

class QWidget;

#include "core/form.h"

namespace quib::desktop {

class BoardView;

// Installs the game's accessible interfaces; once is enough, more is harmless.
void InstallAccessibleInterfaces();

// Names the lines a screen reader reads with each message: the
// level-completed panel's lines, the round-over heading, the table's rows.
void LinkMessageLines(QWidget* board);

// The cell as a screen reader reads it; empty for no cell.
QString DescribeCell(const Session& session, int cell);

// Tells a screen reader that the cell under the cursor, or what stands on
// it, changed.
void AnnounceCursorCell(BoardView* board);

}  // namespace quib::desktop
