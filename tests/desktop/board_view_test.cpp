// The board view paints what the game's board says (black outlines for
// "Grids", green landing hints, the selection) and turns real mouse clicks,
// at any window size, into the game's clicks: a whole level can be played
// with the mouse.

#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
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
    ASSERT_NE(fx.session().play.Now, Screen::StartScreen);
    ASSERT_EQ(board::FrogsLeft(fx.session().board), fx.session().game.CurrentLevel + 3);
}

TEST(BoardPainting, GridsDrawsBlackOutlinesAndTakesThemAway) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    BoardView* view = fx.window->boardView();
    const Cell& c = fx.session().board.Grid[150];
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
    Session& f = fx.session();
    const int level = f.game.CurrentLevel;
    const int from = f.library.SolutionFrom(level, 1).value_or(0);
    const int to = f.library.SolutionTo(level, 1);
    ASSERT_GT(from, 0);

    fx.clickFrogOn(from);
    ASSERT_GT(f.board.SelectedFrog, 0);
    EXPECT_EQ(f.board.Rect[static_cast<std::size_t>(f.board.SelectedFrog)].CellNumber, from);
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
    Session& f = fx.session();
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

// At any size and shape of the window the board keeps its proportions,
// centred, and a click lands on the cell under the pointer: level 1 is
// played with one jump each on a wide, a tall and the smallest window. The
// expected point is worked out here from the board's 792 by 530 area.
TEST(BoardClicks, ClicksLandOnTheRightCellAtEveryWindowSizeAndShape) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    EXPECT_NEAR(fx.window->width(), 800, 12) << "the first window keeps the game's own size";
    StartEasyGame(fx);
    Session& f = fx.session();
    BoardView* view = fx.window->boardView();
    const QSize shapes[] = {{1600, 700}, {500, 600}, {200, 120}};
    for (int k = 1; k <= 3; ++k) {
        const QSize asked = shapes[k - 1];
        fx.window->resize(asked.width(), asked.height() + fx.window->menuBar()->height());
        QTest::qWait(20);
        const QSize got = view->size();
        if (k < 3) {
            ASSERT_EQ(got, asked);
        } else {  // shrinks no further than a board of about 400 by 270
            EXPECT_GE(got.width(), 390);
            EXPECT_LE(got.width(), 410);
            EXPECT_LE(got.height(), 300);
        }
        const qreal s = qMin(got.width() / 792.0, got.height() / 530.0);
        const QPointF origin((got.width() - 792 * s) / 2, (got.height() - 530 * s) / 2);
        auto click = [&](int cell, qreal dx, qreal dy) {
            const Cell& c = f.board.Grid.at(static_cast<std::size_t>(cell));
            const QPointF at = origin + QPointF(c.Left + dx, c.Top + dy) * s;
            QTest::mouseClick(view, Qt::LeftButton, {}, at.toPoint());
        };
        const int from = f.library.SolutionFrom(1, k).value_or(0);
        click(from, 19, 21);  // the frog picture's middle
        ASSERT_GT(f.board.SelectedFrog, 0) << asked.width() << "x" << asked.height();
        EXPECT_EQ(f.board.Rect[static_cast<std::size_t>(f.board.SelectedFrog)].CellNumber, from);
        click(f.library.SolutionTo(1, k), 19, 19);
        ASSERT_EQ(board::FrogsLeft(f.board), 4 - k) << asked.width() << "x" << asked.height();
        // The overlays scale with the board.
        EXPECT_NEAR(fx.widget("Label2")->width(), (792 - 2 * f.msg.PanelTitle.Left) * s, 2);
    }
}

}  // namespace
}  // namespace quib::desktop
