// The game played with the keyboard alone through the real window: the start
// screen's choices by Tab and Enter, the board by the cursor keys, Space,
// Enter and Escape, every message dismissed by a key, the menus' shortcuts;
// and what a screen reader is told about the cell under the cursor and a
// message that appears.

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include "core/board/board.h"
#include "desktop/dialogs.h"
#include "desktop/overlay.h"
#include "support/fake_platform.h"
#include "support/play.h"
#include "window_fixture.h"

namespace quib::desktop {
namespace {

using quib::testing::CellAt;
using quib::testing::LevelPuzzle;
using testing::WindowFixture;

// A started window that has the keyboard, with row puzzles for its levels.
struct KeyboardWindow : WindowFixture {
    explicit KeyboardWindow(Platform& platform) : WindowFixture(platform) {
        quib::testing::InstallRowPuzzles(session(), 3);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    BoardView* view() { return window->boardView(); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = focused() ? focused() : window.get();
        QTest::keyClick(target, key, modifiers);
    }
    // The cursor taken to the cell with the arrow keys alone.
    void cursorTo(int cell) {
        const int now = view()->cursorCell();
        ASSERT_GT(now, 0);
        const int rows = (cell - 1) / kColumns - (now - 1) / kColumns;
        const int columns = (cell - 1) % kColumns - (now - 1) % kColumns;
        for (int i = 0; i < std::abs(rows); ++i) press(rows > 0 ? Qt::Key_Down : Qt::Key_Up);
        for (int i = 0; i < std::abs(columns); ++i) press(columns > 0 ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_EQ(view()->cursorCell(), cell);
    }
    void jumpByKeys(int from, int to) {
        cursorTo(from);
        press(Qt::Key_Space);
        cursorTo(to);
        press(Qt::Key_Return);
    }
    int selectedCell() {
        const Board& b = session().board;
        return b.SelectedFrog > 0 ? b.Rect[static_cast<std::size_t>(b.SelectedFrog)].CellNumber : 0;
    }
};

QAccessibleInterface* Accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
QString CursorCellName(BoardView* view) { return Accessible(view)->focusChild()->text(QAccessible::Name); }

TEST(KeyboardPlay, PlaysLevelOneFromTheStartScreenWithKeysAlone) {
    quib::testing::FakePlatform platform;
    KeyboardWindow kw(platform);
    Session& f = kw.session();
    // The start screen's choices in Tab order, as buttons to a screen reader.
    ASSERT_EQ(kw.focused(), kw.widget("CommandLabel(1)"));
    EXPECT_EQ(Accessible(kw.focused())->role(), QAccessible::Button);
    EXPECT_EQ(Accessible(kw.focused())->text(QAccessible::Name), QStringLiteral("Easy"));
    for (const char* next : {"CommandLabel(2)", "CommandLabel(3)", "CommandLabel(4)", "ExitLabel"}) {
        kw.press(Qt::Key_Tab);
        EXPECT_EQ(kw.focused(), kw.widget(next)) << next;
    }
    for (int i = 0; i < 4; ++i) kw.press(Qt::Key_Backtab);
    kw.press(Qt::Key_Return);
    ASSERT_FALSE(game::StartScreenUp(f));
    ASSERT_EQ(f.game.ModeIndex, 1);
    ASSERT_EQ(kw.focused(), kw.view());
    EXPECT_EQ(kw.view()->cursorCell(), f.board.Rect[1].CellNumber) << "the cursor starts on the level's first frog";

    // The cursor is drawn over the frog in neither of the greens.
    const Cell& first = f.board.Grid[static_cast<std::size_t>(kw.view()->cursorCell())];
    const QColor frame =
        kw.view()->grab().toImage().pixelColor(kw.view()->toWidget({first.Left + 4.5, first.Top + 19}).toPoint());
    EXPECT_TRUE(frame == QColor(Qt::white) || frame == QColor(16, 40, 150)) << frame.name().toStdString();

    const auto puzzle = LevelPuzzle(1);
    const auto [from, to] = puzzle.solution[0];
    kw.cursorTo(from);
    kw.press(Qt::Key_Space);
    ASSERT_EQ(kw.selectedCell(), from);
    EXPECT_EQ(CursorCellName(kw.view()),
              QStringLiteral("frog, row %1, column %2, selected").arg((from - 1) / kColumns + 1).arg((from - 1) % kColumns + 1));
    kw.cursorTo(to);
    EXPECT_TRUE(CursorCellName(kw.view()).endsWith(QStringLiteral(", landing cell")));
    kw.press(Qt::Key_Return);
    ASSERT_EQ(board::FrogsLeft(f.board), 3);
    for (std::size_t k = 1; k < puzzle.solution.size(); ++k) kw.jumpByKeys(puzzle.solution[k].first, puzzle.solution[k].second);

    ASSERT_TRUE(f.msg.PanelTitle.Visible);
    ASSERT_EQ(kw.focused(), kw.widget("Label2"));
    EXPECT_EQ(Accessible(kw.focused())->text(QAccessible::Name), QString::fromStdString(f.msg.PanelTitle.Caption));
    EXPECT_TRUE(Accessible(kw.focused())->text(QAccessible::Description).contains(QString::fromStdString(f.msg.PanelScore.Caption)));
    kw.press(Qt::Key_Space);
    EXPECT_EQ(f.game.CurrentLevel, 2);
    EXPECT_EQ(kw.focused(), kw.view());
    EXPECT_EQ(kw.view()->cursorCell(), LevelPuzzle(2).pieces[0]) << "a new level puts the cursor on its first frog";
}

// The cursor stops at the board's edges; Escape lets go of the frog and its
// landing hints and nothing else; a mouse selection moves the cursor.
TEST(KeyboardPlay, CursorStopsAtTheEdgesAndEscapeLetsGoOfTheFrog) {
    quib::testing::FakePlatform platform;
    KeyboardWindow kw(platform);
    kw.action("NewGameMenue(1)")->trigger();
    ASSERT_EQ(kw.focused(), kw.view());
    for (int i = 0; i < kColumns + 3; ++i) kw.press(Qt::Key_Left);
    for (int i = 0; i < kRows + 3; ++i) kw.press(Qt::Key_Up);
    EXPECT_EQ(kw.view()->cursorCell(), 1);
    EXPECT_EQ(CursorCellName(kw.view()), QStringLiteral("empty cell, row 1, column 1"));
    for (int i = 0; i < kColumns + 3; ++i) kw.press(Qt::Key_Right);
    for (int i = 0; i < kRows + 3; ++i) kw.press(Qt::Key_Down);
    EXPECT_EQ(kw.view()->cursorCell(), kCells);

    const int frog = LevelPuzzle(1).pieces[0];
    kw.cursorTo(frog);
    kw.press(Qt::Key_Enter);
    ASSERT_EQ(kw.selectedCell(), frog);
    auto hints = [&] {
        int n = 0;
        for (const Cell& c : kw.session().board.Grid) n += c.BorderColor != 0;
        return n;
    };
    ASSERT_GT(hints(), 0);
    kw.press(Qt::Key_Escape);
    EXPECT_EQ(kw.session().board.SelectedFrog, 0);
    EXPECT_FALSE(kw.session().board.HighLight.Visible);
    EXPECT_EQ(hints(), 0);
    EXPECT_EQ(board::FrogsLeft(kw.session().board), 4);

    const int other = LevelPuzzle(1).pieces[2];
    kw.clickFrogOn(other);
    EXPECT_EQ(kw.view()->cursorCell(), other) << "a frog selected with the mouse brings the cursor along";
}

// Enter, Space and Escape each dismiss the round-over message, the
// high-score table and the level-completed panel as a click on them does.
TEST(KeyboardPlay, EnterSpaceAndEscapeDismissEveryMessage) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        quib::testing::FakePlatform platform;
        KeyboardWindow kw(platform);
        Session& f = kw.session();
        kw.action("NewGameMenue(1)")->trigger();
        const auto puzzle = LevelPuzzle(1);
        kw.jumpByKeys(puzzle.pieces[1], puzzle.pieces[0] - 1);
        ASSERT_TRUE(f.msg.RoundOverLabel.Visible);
        ASSERT_EQ(kw.focused(), kw.widget("RoundOverLabel")) << "the message takes the focus as it appears";
        EXPECT_EQ(Accessible(kw.focused())->text(QAccessible::Name), QString::fromStdString(f.msg.RoundOverLabel.Caption));
        kw.press(key);
        EXPECT_FALSE(f.msg.RoundOverLabel.Visible);
        EXPECT_EQ(board::FrogsLeft(f.board), 4) << "a retry of the level";
        EXPECT_EQ(f.game.TryNumber, 2);

        kw.action("mnuHighScores")->trigger();
        ASSERT_EQ(kw.focused(), kw.widget("HighLabel"));
        EXPECT_TRUE(Accessible(kw.focused())->text(QAccessible::Description).startsWith(QStringLiteral("Name\n")));
        kw.press(key);
        EXPECT_FALSE(f.high.HighLabel.Visible);

        for (const auto& [from, to] : puzzle.solution) {
            kw.clickFrogOn(from);
            kw.clickCell(to);
        }
        ASSERT_EQ(kw.focused(), kw.widget("Label2"));
        kw.press(key);
        EXPECT_EQ(f.game.CurrentLevel, 2);
        EXPECT_EQ(kw.focused(), kw.view());

        // Giving up with points: the name entry takes the focus, with the
        // message above it for a screen reader.
        kw.action("mnuQuit")->trigger();
        ASSERT_TRUE(f.msg.NameInput.Visible);
        ASSERT_EQ(kw.focused(), kw.widget("NameInput"));
        EXPECT_TRUE(Accessible(kw.focused())->text(QAccessible::Description)
                        .contains(QString::fromStdString(f.msg.RoundOverLabel.Caption)));

        // The message waits for the name: its key pressed on the board gives
        // the keys back to the name entry, which stays open.
        kw.view()->setFocus();
        kw.press(key);
        EXPECT_TRUE(f.msg.NameInput.Visible);
        EXPECT_EQ(kw.focused(), kw.widget("NameInput"));
        // Enter stores the name and shows the table; the same key press
        // does not close it again.
        kw.press(Qt::Key_Return);
        EXPECT_FALSE(f.msg.NameInput.Visible);
        EXPECT_TRUE(f.high.HighLabel.Visible);
    }
}

// F5 and Ctrl+R restart the level, F1 opens the help, Ctrl+Q asks the exit
// question; About, the colour window and the help viewer close with Escape.
TEST(KeyboardPlay, ShortcutsActAndEscapeClosesTheGamesOtherWindows) {
    quib::testing::FakePlatform platform;
    platform.answerYes = false;
    KeyboardWindow kw(platform);
    Session& f = kw.session();
    kw.action("NewGameMenue(1)")->trigger();
    const auto jump = LevelPuzzle(1).solution[0];
    for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        kw.jumpByKeys(jump.first, jump.second);
        ASSERT_EQ(board::FrogsLeft(f.board), 3);
        kw.press(modifiers ? Qt::Key_R : Qt::Key_F5, modifiers);
        EXPECT_EQ(board::FrogsLeft(f.board), 4);
    }
    kw.press(Qt::Key_F1);
    EXPECT_EQ(platform.shownFiles.size(), 1u);
    kw.press(Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_TRUE(kw.window->isVisible());

    kw.action("aboutmenue")->trigger();
    QTest::keyClick(kw.window->aboutBox(), Qt::Key_Escape);
    EXPECT_FALSE(f.about.Loaded);
    EXPECT_FALSE(kw.window->aboutBox()->isVisible());
    kw.action("coloursDialog")->trigger();
    QTest::keyClick(kw.window->colourDialog(), Qt::Key_Escape);
    EXPECT_FALSE(kw.window->colourDialog()->isVisible());
}

// The keys and the menus follow the screen however it was reached: a new game
// chosen at the name entry hands the keys to the board and gives "High
// Scores" back; Quit in Practice leaves the start screen without "Restart
// Level", its first choice holding the keys.
TEST(KeyboardPlay, KeysAndMenusFollowTheScreenAfterTheNameEntryAndAPracticeQuit) {
    quib::testing::FakePlatform platform;
    KeyboardWindow kw(platform);
    Session& f = kw.session();
    kw.action("NewGameMenue(1)")->trigger();
    for (const auto& [from, to] : LevelPuzzle(1).solution) kw.jumpByKeys(from, to);
    kw.press(Qt::Key_Return);         // the panel: on to level 2
    kw.action("mnuQuit")->trigger();  // given up with points: the name entry
    ASSERT_EQ(f.play.Now, Screen::NameEntry);
    EXPECT_FALSE(kw.action("mnuHighScores")->isEnabled());
    EXPECT_EQ(kw.focused(), kw.widget("NameInput"));

    kw.action("NewGameMenue(4)")->trigger();
    EXPECT_TRUE(kw.action("mnuHighScores")->isEnabled());
    EXPECT_EQ(kw.focused(), kw.view());
    kw.action("mnuQuit")->trigger();
    ASSERT_EQ(f.play.Now, Screen::StartScreen);
    EXPECT_FALSE(kw.action("RestartLevelMenue")->isEnabled());
    EXPECT_EQ(kw.focused(), kw.widget("CommandLabel(1)"));
}

}  // namespace
}  // namespace quib::desktop
