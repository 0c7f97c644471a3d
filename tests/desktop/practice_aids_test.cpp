// The Practice aids through the real window: H outlines the hinted jump in
// gold on the board, Ctrl+Z takes a jump back, the notice tells the state,
// and an Easy game has none of it.

#include <QImage>
#include <gtest/gtest.h>

#include "core/board/board.h"
#include "core/practice/practice.h"
#include "desktop/practice_view.h"
#include "support/fake_platform.h"
#include "window_fixture.h"

namespace quib::desktop {
namespace {

using testing::WindowFixture;

// Gold-ish pixels inside a cell of the painted board.
int GoldPixels(BoardView* view, const Cell& c) {
    const QImage image = view->grab().toImage();
    const QRect r = QRectF(view->toWidget({c.Left, c.Top}), view->toWidget({c.Left + c.Width, c.Top + c.Height}))
                        .toRect()
                        .intersected(image.rect());
    int gold = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            gold += p.red() > 200 && p.green() > 130 && p.green() < 210 && p.blue() < 90;
        }
    return gold;
}

void Press(WindowFixture& fx, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(fx.window->boardView(), key, modifiers);
    QTest::qWait(30);  // a few timer ticks
}

TEST(PracticeAidsWindow, HintAndUndoByKeysInPracticeOnlyWithTheNotice) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    fx.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fx.window.get()));
    Session& f = fx.session();
    PracticeNotice* notice = fx.window->practiceNotice();

    fx.action("NewGameMenue(1)")->trigger();  // Easy: no aids
    QTest::qWait(30);
    const std::vector<practice::Move> easyMoves = practice::LegalMoves(practice::PositionOf(f.board));
    ASSERT_FALSE(easyMoves.empty());
    fx.clickFrogOn(easyMoves[0].from);
    fx.clickCell(easyMoves[0].to);
    ASSERT_EQ(board::FrogsLeft(f.board), 3);
    Press(fx, Qt::Key_Z, Qt::ControlModifier);
    Press(fx, Qt::Key_H);
    EXPECT_EQ(board::FrogsLeft(f.board), 3);
    EXPECT_FALSE(fx.action("UndoJumpMenue")->isEnabled() || fx.action("HintMenue")->isEnabled());
    // Easy's Help menu is the written one: the aids are not in it at all.
    EXPECT_FALSE(fx.action("UndoJumpMenue")->isVisible() || fx.action("HintMenue")->isVisible());
    EXPECT_FALSE(notice->isVisible());

    fx.action("NewGameMenue(4)")->trigger();
    QTest::qWait(30);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), QStringLiteral("Solvable")) << "a level start is on its stored solution";
    EXPECT_TRUE(fx.action("HintMenue")->isEnabled());
    EXPECT_FALSE(fx.action("UndoJumpMenue")->isEnabled());
    EXPECT_TRUE(fx.action("UndoJumpMenue")->isVisible() && fx.action("HintMenue")->isVisible());

    Press(fx, Qt::Key_H);
    const practice::Aids& aids = *practice::FindAids(f);
    ASSERT_TRUE(aids.HintVisible);
    const int from = aids.HintFrom, to = aids.HintTo;
    EXPECT_GT(GoldPixels(fx.window->boardView(), f.board.Grid[static_cast<std::size_t>(from)]), 20);
    EXPECT_GT(GoldPixels(fx.window->boardView(), f.board.Grid[static_cast<std::size_t>(to)]), 20);

    fx.clickFrogOn(from);
    fx.clickCell(to);
    ASSERT_EQ(board::FrogsLeft(f.board), 3);
    EXPECT_FALSE(aids.HintVisible);
    EXPECT_EQ(GoldPixels(fx.window->boardView(), f.board.Grid[static_cast<std::size_t>(to)]), 0);
    ASSERT_TRUE(fx.action("UndoJumpMenue")->isEnabled());
    Press(fx, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(board::FrogsLeft(f.board), 4);
    EXPECT_GT(f.board.Grid[static_cast<std::size_t>(from)].RecordNumber, 0) << "the frog is back on its cell";
    EXPECT_EQ(f.board.Grid[static_cast<std::size_t>(to)].RecordNumber, 0);
    EXPECT_FALSE(fx.action("UndoJumpMenue")->isEnabled());
    EXPECT_EQ(notice->text(), QStringLiteral("Solvable"));
}


// The timer stopped: the answer after a stray jump can only come from the
// solver's thread through the window's event loop. A position the solver
// leaves undecided within its allowance (possible on a slow, loaded machine)
// proves nothing either way: the next stray jump is tried instead.
TEST(PracticeAidsWindow, TheAnswerAfterAStrayJumpComesThroughTheEventLoop) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    Session& f = fx.session();
    PracticeNotice* notice = fx.window->practiceNotice();
    f.game.HighestLevel = 30;  // as after a game that reached level 30
    f.menu.GotoLevelEntries[30].Enabled = true;
    fx.window->render();
    QAction* gotoLevel = fx.action("mnulevel(30)");
    ASSERT_TRUE(gotoLevel && gotoLevel->isEnabled());
    gotoLevel->trigger();
    fx.window->timer().stop();
    ASSERT_EQ(notice->text(), QStringLiteral("Solvable"));
    const int storedFrom = f.library.SolutionFrom(30, 1).value_or(0);
    int waited = 0;
    bool arrived = false;
    for (const practice::Move& m : practice::LegalMoves(practice::PositionOf(f.board))) {
        if (m.from == storedFrom) continue;
        fx.clickFrogOn(m.from);
        fx.clickCell(m.to);
        ASSERT_EQ(board::FrogsLeft(f.board), 32);
        if (notice->text() == QStringLiteral("Not sure yet")) {
            ++waited;
            if (QTest::qWaitFor([&] { return notice->text() != QStringLiteral("Not sure yet"); }, 15000)) {
                arrived = true;
                EXPECT_FALSE(fx.window->timer().isActive());
                break;
            }
            if (waited == 3) break;
        }
        fx.action("UndoJumpMenue")->trigger();
    }
    EXPECT_GT(waited, 0) << "no jump was left for the solver to decide after it";
    EXPECT_TRUE(arrived) << "no answer reached the window with its timer stopped";
}

}  // namespace
}  // namespace quib::desktop
