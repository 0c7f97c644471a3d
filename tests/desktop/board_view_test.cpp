// The board view paints what the game's board says (black outlines for
// "Grids", green landing hints, the selection) and turns real mouse clicks,
// at any window size, into the game's clicks: a whole level can be played
// with the mouse.

#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "core/board/board.h"
#include "desktop/overlay.h"
#include "support/fake_platform.h"
#include "window_fixture.h"

namespace quib::desktop {
namespace {

using testing::WindowFixture;

QImage Picture(BoardView* view) { return view->grab().toImage(); }

QColor PixelAt(BoardView* view, const QImage& image, QPointF game) {
    return image.pixelColor(view->toWidget(game).toPoint());
}

void StartEasyGame(WindowFixture& fx) {
    fx.clickWidget("CommandLabel(1)");
    ASSERT_FALSE(fx.form().game.IntroShowing);
    ASSERT_EQ(board::FrogsLeft(fx.form().board), fx.form().game.CurrentLevel + 3);
}

TEST(BoardPainting, GridsDrawsBlackOutlinesAndTakesThemAway) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    BoardView* view = fx.window->boardView();
    const Cell& c = fx.form().board.Grid[150];
    // A point on the cell's top edge, between its corners.
    const QPointF edge(c.Left + 19.2, c.Top + 0.2);
    ASSERT_DOUBLE_EQ(view->scale(), 1.0);

    EXPECT_NE(PixelAt(view, Picture(view), edge), QColor(Qt::black));
    fx.action("mnuGrids")->trigger();
    EXPECT_EQ(PixelAt(view, Picture(view), edge), QColor(Qt::black));
    fx.action("mnuGrids")->trigger();
    EXPECT_NE(PixelAt(view, Picture(view), edge), QColor(Qt::black));
}

// An idle game does not repaint the board on every timer tick.
TEST(BoardPainting, IdleTicksDoNotRepaintTheBoard) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    BoardView* view = fx.window->boardView();
    QTest::qWait(50);
    const int before = view->paintCount();
    QTest::qWait(200);  // some twenty ticks
    EXPECT_LE(view->paintCount() - before, 1);
    fx.action("mnuGrids")->trigger();
    QTest::qWait(30);
    EXPECT_GT(view->paintCount(), before);
}

TEST(BoardClicks, AFrogClickSelectsItAndShowsGreenLandingHints) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    StartEasyGame(fx);
    Form1& f = fx.form();
    const int level = f.game.CurrentLevel;
    const int from = f.library.SolutionFrom(level, 1).value_or(0);
    const int to = f.library.SolutionTo(level, 1);
    ASSERT_GT(from, 0);

    fx.clickFrogOn(from);
    ASSERT_GT(f.board.SelectedFrog, 0);
    EXPECT_EQ(f.board.Rect[static_cast<std::size_t>(f.board.SelectedFrog)].Tag, from);
    EXPECT_TRUE(f.board.HighLight.Visible);

    BoardView* view = fx.window->boardView();
    const QImage image = Picture(view);
    const Cell& hint = f.board.Grid[static_cast<std::size_t>(to)];
    ASSERT_EQ(hint.BorderColor, Rgb(0, 240, 0));
    // The hint's outline, one unit inside its edge.
    EXPECT_EQ(PixelAt(view, image, {hint.Left + 19.2, hint.Top + 1.2}), QColor(0, 240, 0));
    const Cell& selected = f.board.Grid[static_cast<std::size_t>(from)];
    EXPECT_EQ(PixelAt(view, image, {selected.Left + 19.2, selected.Top + 1.2}), QColor(0, 255, 0));
}

// Level 1, played by the mouse from the start screen to the next level.
TEST(BoardClicks, PlaysLevelOneThroughRealMouseClicks) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    StartEasyGame(fx);
    Form1& f = fx.form();
    ASSERT_EQ(f.game.CurrentLevel, 1);
    EXPECT_TRUE(fx.window->windowTitle().startsWith(QStringLiteral("QUIB   ")));
    EXPECT_TRUE(fx.window->windowTitle().contains(QStringLiteral("Level:   1 of 200")));
    EXPECT_FALSE(fx.widget("IntroFrame")->isVisible());

    for (int k = 1; k <= 3; ++k) {
        fx.clickFrogOn(f.library.SolutionFrom(1, k).value_or(0));
        fx.clickCell(f.library.SolutionTo(1, k));
        ASSERT_EQ(board::FrogsLeft(f.board), 4 - k) << "jump " << k;
    }
    EXPECT_EQ(f.game.Score, 6);
    QWidget* title = fx.widget("Label2");
    ASSERT_TRUE(title->isVisible());
    EXPECT_EQ(qobject_cast<TextItem*>(title)->text(), QStringLiteral("Level 1 Completed"));
    EXPECT_TRUE(fx.widget("MessageCard")->isVisible());

    fx.clickGame({400, 480});  // the next click starts level 2
    EXPECT_FALSE(title->isVisible());
    EXPECT_EQ(f.game.CurrentLevel, 2);
    EXPECT_EQ(board::FrogsLeft(f.board), 5);
    EXPECT_TRUE(fx.window->windowTitle().contains(QStringLiteral("Level:   2 of 200")));
    EXPECT_FALSE(fx.widget("MessageCard")->isVisible());
}

// Enlarged, the window scales the board: a click lands on the same cell.
TEST(BoardClicks, ClicksMapToTheGamesCoordinatesAtAnyScale) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    StartEasyGame(fx);
    fx.window->resize(kCanvasWidth * 2, kCanvasHeight * 2 + 40);
    QTest::qWait(30);
    BoardView* view = fx.window->boardView();
    ASSERT_GT(view->scale(), 1.5);

    Form1& f = fx.form();
    const int from = f.library.SolutionFrom(1, 1).value_or(0);
    fx.clickFrogOn(from);
    ASSERT_GT(f.board.SelectedFrog, 0);
    EXPECT_EQ(f.board.Rect[static_cast<std::size_t>(f.board.SelectedFrog)].Tag, from);

    // The overlays grow with the board.
    QWidget* intro = fx.widget("IntroFrame");
    EXPECT_NEAR(intro->width(), 540 * view->scale(), 2);
}

}  // namespace
}  // namespace quib::desktop
