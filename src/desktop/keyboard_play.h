#pragma once
// Playing with the keyboard alone. A cursor on the board moves with the arrow
// keys; Space or Enter on a frog does what a click on its picture does, on an
// empty cell what a click on that cell does; Escape lets go of the selected
// frog. While a message, panel or the high-score table is up, Enter, Space
// and Escape dismiss it as a click on it does. Every key ends in the game's
// own handlers, the same as the mouse, so the rules cannot differ by input.
// It also keeps the keyboard focus on what the player can act on next: the
// start screen's choices, a message that appears, or the board.

#include <QObject>
#include <QString>
#include <functional>

#include "core/form.h"

class QKeyEvent;
class QWidget;

namespace quib::desktop {

class BoardView;

class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    using Runner = std::function<void(const std::function<void(Session&)>&)>;
    KeyboardPlay(const Session& session, BoardView* board, Runner run);

    // After each change of the game: keeps the cursor on the board (on the
    // selected frog or the first frog of a fresh board) and the focus on what
    // can be acted on.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool boardKey(const QKeyEvent* event);
    void moveCursor(int rows, int columns);
    void activateCursorCell();
    bool dismissMessage();
    void followCursor();
    void followFocus();
    QWidget* named(const char* name) const;

    const Session& form_;
    BoardView* board_;
    Runner run_;
    int cursor_ = 0;
    int seenFrogs_ = 0;
    int seenLevel_ = 0;
    int seenSelected_ = 0;
    bool seenIntro_ = true;
    bool focusSeenIntro_ = false;
    QString seenMessage_;
    QString seenCellText_;
};

}  // namespace quib::desktop
