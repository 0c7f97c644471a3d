#include "keyboard_play.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "accessibility.h"
#include "board_view.h"
#include "core/board/board.h"
#include "core/game/game.h"
#include "core/records/records.h"
#include "overlay.h"

namespace quib::desktop {

namespace {

bool IsActivateKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

// Where the cursor stands on a fresh board: on the selected frog, else on
// the level's first frog, else in the middle.
int StartCell(const Board& b) {
    if (b.SelectedFrog > 0 && b.SelectedFrog < static_cast<int>(b.Rect.size()))
        return b.Rect[static_cast<std::size_t>(b.SelectedFrog)].CellNumber;
    if (b.Rect.size() > 1) return b.Rect[1].CellNumber;
    return (b.BoardRows / 2) * b.BoardColumns + b.BoardColumns / 2 + 1;
}

}  // namespace

KeyboardPlay::KeyboardPlay(const Session& session, BoardView* board, Runner run)
    : QObject(board), form_(session), board_(board), run_(std::move(run)) {
    board_->installEventFilter(this);
    for (const char* name : {"RoundOverLabel", "Label2", "PausedLabel", "HighLabel"})
        if (auto* item = board_->findChild<TextItem*>(QString::fromLatin1(name))) item->takeFocusAsMessage();
}

QWidget* KeyboardPlay::named(const char* name) const {
    return board_->findChild<QWidget*>(QString::fromLatin1(name));
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::KeyPress && boardKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

bool KeyboardPlay::boardKey(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int key = event->key();
    if (IsActivateKey(key) || key == Qt::Key_Escape) {
        if (dismissMessage()) return true;
        if (key == Qt::Key_Escape)
            run_(board::ClearSelection);
        else
            activateCursorCell();
        return true;
    }
    switch (key) {
        case Qt::Key_Left: moveCursor(0, -1); return true;
        case Qt::Key_Right: moveCursor(0, 1); return true;
        case Qt::Key_Up: moveCursor(-1, 0); return true;
        case Qt::Key_Down: moveCursor(1, 0); return true;
        default: return false;
    }
}

// The cursor stops at the board's edges; it never wraps to the other side.
void KeyboardPlay::moveCursor(int rows, int columns) {
    const Board& b = form_.board;
    const int W = b.BoardColumns;
    const int H = b.BoardRows;
    if (cursor_ < 1 || W < 1 || H < 1) return;
    const int row = std::clamp((cursor_ - 1) / W + rows, 0, H - 1);
    const int column = std::clamp((cursor_ - 1) % W + columns, 0, W - 1);
    cursor_ = row * W + column + 1;
    followCursor();
}

// Exactly what a click in the middle of the cell does: the frog picture
// there gets the click when one stands on it, the board otherwise.
void KeyboardPlay::activateCursorCell() {
    const Board& b = form_.board;
    if (cursor_ < 1 || cursor_ >= static_cast<int>(b.Grid.size())) return;
    const Cell& c = b.Grid[static_cast<std::size_t>(cursor_)];
    const QPointF middle(c.Left + c.Width / 2, c.Top + c.Height / 2);
    const int picture = board_->frogPictureAt(middle);
    if (picture > 0) {
        run_([picture](Session& f) { board::ClickFrog(f, picture); });
    } else {
        const auto x = static_cast<float>(middle.x());
        const auto y = static_cast<float>(middle.y());
        run_([x, y](Session& f) { board::PressAt(f, 1, 0, x, y); });
    }
}

// The handler a click on the message itself calls, for what is on screen.
bool KeyboardPlay::dismissMessage() {
    const Session& f = form_;
    switch (f.play.Now) {
        case Screen::NameEntry:
            // The message waits for the name: the keys go back to its box.
            if (QWidget* name = named("NameInput")) name->setFocus(Qt::OtherFocusReason);
            return true;
        case Screen::HighScores:
            run_(records::CloseHighScores);
            return true;
        case Screen::RoundOver:
        case Screen::GameOver:
            run_(game::DismissMessage);
            return true;
        case Screen::LevelCompleted:
            run_(game::DismissPanel);
            return true;
        case Screen::StartScreen:
        case Screen::LevelInPlay:
            break;
    }
    if (!f.msg.PausedLabel.Visible) return false;
    run_(game::DismissPauseNotice);
    return true;
}

void KeyboardPlay::follow() {
    const Board& b = form_.board;
    const int frogs = board::FrogsLeft(b);
    const int cells = static_cast<int>(b.Grid.size()) - 1;
    const bool intro = form_.play.Now == Screen::StartScreen;
    const bool fresh = frogs > seenFrogs_ || form_.game.CurrentLevel != seenLevel_ || intro != seenIntro_;
    seenFrogs_ = frogs;
    seenLevel_ = form_.game.CurrentLevel;
    seenIntro_ = intro;
    if (fresh || cursor_ < 1 || cursor_ > cells) cursor_ = cells > 0 ? StartCell(b) : 0;
    // A frog selected with the mouse brings the cursor along, so that the
    // keys go on from there.
    const int selected = b.SelectedFrog > 0 && b.SelectedFrog < static_cast<int>(b.Rect.size())
                             ? b.Rect[static_cast<std::size_t>(b.SelectedFrog)].CellNumber
                             : 0;
    if (selected != seenSelected_ && selected > 0 && selected <= cells) cursor_ = selected;
    seenSelected_ = selected;
    followCursor();
    followFocus();
}

void KeyboardPlay::followCursor() {
    board_->setCursorCell(cursor_);
    // A screen reader hears the cell again whenever it or what stands on it
    // changes (a frog selected, jumped over or landing there).
    const QString text = DescribeCell(form_, cursor_);
    if (text != seenCellText_) {
        seenCellText_ = text;
        AnnounceCursorCell(board_);
    }
}

void KeyboardPlay::followFocus() {
    QWidget* window = board_->window();
    const Screen screen = form_.play.Now;
    const bool intro = screen == Screen::StartScreen;
    // The start screen offers its first choice ("Continue" when there is a
    // game to continue); a game that starts hands the keys to the board.
    if (intro != focusSeenIntro_) {
        focusSeenIntro_ = intro;
        if (intro) {
            QWidget* resume = named("CommandLabel2");
            QWidget* first = resume && resume->isVisibleTo(window) ? resume : named("CommandLabel(1)");
            if (first && first->isVisibleTo(window)) first->setFocus(Qt::OtherFocusReason);
        } else {
            board_->setFocus(Qt::OtherFocusReason);
        }
    }
    // A message that appears takes the focus: Enter, Space or Escape dismiss
    // it there, and a screen reader reads it out. The name entry keeps the
    // focus it takes for itself.
    const char* message = nullptr;
    switch (screen) {
        case Screen::HighScores:
            message = "HighLabel";
            break;
        case Screen::RoundOver:
        case Screen::GameOver:
        case Screen::NameEntry:
            message = "RoundOverLabel";
            break;
        case Screen::LevelCompleted:
            message = "Label2";
            break;
        case Screen::LevelInPlay:
            if (form_.msg.PausedLabel.Visible) message = "PausedLabel";
            break;
        case Screen::StartScreen:
            break;
    }
    const QString now = message ? QString::fromLatin1(message) : QString();
    if (now != seenMessage_) {
        seenMessage_ = now;
        QWidget* item = message ? named(message) : nullptr;
        if (item && item->isVisibleTo(window) && screen != Screen::NameEntry)
            item->setFocus(Qt::OtherFocusReason);
    }
    // The name entry takes the focus for itself; a screen reader reads what
    // it is for and the message above it.
    if (auto* name = named("NameInput"); name && screen == Screen::NameEntry) {
        const QString what = tr("Your name for the high-score table");
        if (name->accessibleName() != what) name->setAccessibleName(what);
        const QString message = QString::fromStdString(form_.msg.RoundOverHeading.Caption + "\n" + form_.msg.RoundOverLabel.Caption);
        if (name->accessibleDescription() != message) name->setAccessibleDescription(message);
    }
    // Focus left on something that went away comes back to the start
    // screen's first choice or to the board.
    QWidget* focused = window->focusWidget();
    if (focused == nullptr || !focused->isVisibleTo(window)) {
        QWidget* first = named("CommandLabel(1)");
        if (intro && first && first->isVisibleTo(window))
            first->setFocus(Qt::OtherFocusReason);
        else
            board_->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace quib::desktop
