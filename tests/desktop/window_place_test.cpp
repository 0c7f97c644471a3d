// The window's place between runs, through the real main window: what one
// window leaves in the settings, the next one opens with; a place that no
// screen shows any more gives the game's own place and size.

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "desktop/main_window.h"
#include "desktop/window_place.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace quib::desktop {
namespace {

// One run of the game's window: made, given its remembered place, shown.
struct GameRun {
    explicit GameRun(QSettings& settings) {
        window = std::make_unique<MainWindow>(platform, data.path(), program.path());
        restored = RestoreWindowPlace(*window, settings);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    quib::testing::FakePlatform platform;
    quib::testing::TempFolder data;
    quib::testing::TempFolder program;
    std::unique_ptr<MainWindow> window;
    bool restored = false;
};

class WindowPlace : public ::testing::Test {
protected:
    quib::testing::TempFolder folder;
    QSettings settings{QString::fromStdString(folder.file("window.conf")), QSettings::IniFormat};
};

TEST_F(WindowPlace, SizePositionAndMaximisedComeBack) {
    const QRect placed(40, 30, 640, 470);
    {
        GameRun first(settings);
        EXPECT_FALSE(first.restored);
        first.window->setGeometry(placed);
        QTest::qWait(50);
        RememberWindowPlace(*first.window, settings);
    }
    {
        GameRun second(settings);
        EXPECT_TRUE(second.restored);
        EXPECT_EQ(second.window->geometry(), placed);
        EXPECT_FALSE(second.window->isMaximized());
        second.window->showMaximized();
        QTest::qWait(50);
        RememberWindowPlace(*second.window, settings);
    }
    GameRun third(settings);
    EXPECT_TRUE(third.window->isMaximized());
    EXPECT_EQ(third.window->normalGeometry(), placed) << "un-maximising gives back the remembered size and place";
}

TEST_F(WindowPlace, PlaceNoScreenShowsGivesTheGamesOwn) {
    QRect own;
    {
        GameRun fresh(settings);
        own = fresh.window->geometry();
    }
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    settings.setValue("window/geometry", QRect(screen.right() + 200, screen.top() + 10, 640, 470));
    settings.setValue("window/positioned", true);
    settings.setValue("window/state", "normal");
    GameRun off(settings);
    EXPECT_FALSE(off.restored);
    EXPECT_EQ(off.window->geometry(), own);
}

}  // namespace
}  // namespace quib::desktop
