// The window's place between runs, through the real main window: what one
// window leaves in the settings file, the next one opens with; a place that
// no screen shows any more gives the game's own place and size, and a size
// larger than the screen shrinks to it. The file is read only when it is a
// small regular file, and never waited for.

#include "desktop/window_place.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <chrono>
#include <fstream>
#include <memory>

#include "desktop/main_window.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace quib::desktop {
namespace {

// One run of the game's window: made, given its remembered place, shown.
struct GameRun {
    explicit GameRun(const QString& file) {
        window = std::make_unique<MainWindow>(platform, data.path(), program.path());
        restored = RestoreWindowPlace(*window, ReadWindowPlace(file));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        KeepOnScreen(*window);
    }
    quib::testing::FakePlatform platform;
    quib::testing::TempFolder data;
    quib::testing::TempFolder program;
    std::unique_ptr<MainWindow> window;
    bool restored = false;
};

class WindowPlaceTest : public ::testing::Test {
protected:
    quib::testing::TempFolder folder;
    const QString file = QString::fromStdString(folder.file("Quib/window.conf"));
};

TEST_F(WindowPlaceTest, SizePositionAndMaximisedComeBack) {
    const QRect placed(40, 30, 640, 470);
    {
        GameRun first(file);
        EXPECT_FALSE(first.restored);
        first.window->setGeometry(placed);
        QTest::qWait(50);
        ASSERT_TRUE(WriteWindowPlace(file, CurrentWindowPlace(*first.window)));
    }
    {
        GameRun second(file);
        EXPECT_TRUE(second.restored);
        EXPECT_EQ(second.window->geometry(), placed);
        EXPECT_FALSE(second.window->isMaximized());
        second.window->showMaximized();
        QTest::qWait(50);
        ASSERT_TRUE(WriteWindowPlace(file, CurrentWindowPlace(*second.window)));
    }
    GameRun third(file);
    EXPECT_TRUE(third.window->isMaximized());
    EXPECT_EQ(third.window->normalGeometry(), placed)
        << "un-maximising gives back the remembered size and place";
}

// What earlier versions left (the desktop's settings format) is read; what
// no screen shows gives the game's own place; what is larger than the
// screen shrinks to it.
TEST_F(WindowPlaceTest, RememberedPlaceIsReadAndKeptOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect own;
    {
        GameRun fresh(file);
        own = fresh.window->geometry();
        // The game's own size, with nothing remembered, fits the screen too.
        EXPECT_TRUE(screen.contains(fresh.window->frameGeometry())) << own.width() << "x" << own.height();
    }
    struct Case {
        const char* what;
        QRect remembered;
        bool positioned;
        bool restored;
    };
    for (const Case& c :
         {Case{"beside the screen", QRect(screen.right() + 200, screen.top() + 10, 640, 470), true, false},
          Case{"larger than the screen", QRect(screen.left(), screen.top(), 100000, 100000), true, true},
          Case{"larger, and not at the screen's corner", QRect(screen.left() + 10, screen.top() + 10, 5000, 4000),
               true, true},
          Case{"hanging over the right and bottom edges",
               QRect(screen.right() - 300, screen.bottom() - 200, 640, 470), true, true},
          Case{"larger, size only", QRect(0, 0, 100000, 100000), false, true}}) {
        {
            QSettings earlier(file, QSettings::IniFormat);
            earlier.setValue("window/geometry", c.remembered);
            earlier.setValue("window/positioned", c.positioned);
            earlier.setValue("window/state", "normal");
        }
        GameRun run(file);
        EXPECT_EQ(run.restored, c.restored) << c.what;
        if (!c.restored) {
            EXPECT_EQ(run.window->geometry(), own) << c.what;
        }
        const QRect placed = run.window->frameGeometry();
        EXPECT_TRUE(screen.contains(placed)) << c.what << ": " << placed.x() << "," << placed.y() << " "
                                             << placed.width() << "x" << placed.height();
    }
}

// A named pipe would hold the start up for ever and a huge file fill the
// memory: neither is read, nor is a file that has grown past a few KiB.
TEST_F(WindowPlaceTest, OnlyASmallRegularFileIsRead) {
    const WindowPlace kept{QRect(40, 30, 640, 470), true, "maximized"};
    ASSERT_TRUE(WriteWindowPlace(file, kept));
    const WindowPlace read = ReadWindowPlace(file);
    ASSERT_EQ(read.geometry, kept.geometry);
    ASSERT_TRUE(read.positioned);
    ASSERT_EQ(read.state, kept.state);

    const std::string path = file.toStdString();
    std::ofstream(path, std::ios::app) << std::string(kMaxWindowPlaceFile, '\n');
    EXPECT_FALSE(ReadWindowPlace(file).geometry.isValid()) << "a file past the largest size";
    ASSERT_EQ(std::remove(path.c_str()), 0);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ReadWindowPlace(file).geometry.isValid()) << "a named pipe";
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // The place is kept all the same: the pipe is replaced, not written into.
    EXPECT_TRUE(WriteWindowPlace(file, kept));
    EXPECT_EQ(ReadWindowPlace(file).geometry, kept.geometry);
}

// The geometry line is read only in the exact form the settings write; any
// other is ignored, and the window gets its own place.
TEST_F(WindowPlaceTest, OnlyAWellFormedRectangleIsTaken) {
    const struct {
        const char* line;
        QRect expected;  // invalid: ignored
    } cases[] = {
        {"@Rect(40 30 640 470)", QRect(40, 30, 640, 470)},
        {"@Rect(-40 -30 640 470)", QRect(-40, -30, 640, 470)},
        {"@Rect(40 30 -640 470)", QRect()},
        {"@Rect(40 30 640)", QRect()},
        {"@Rect(40 30 640 470 5)", QRect()},
        {"@Rect(40  30 640 470)", QRect()},
        {"@Rect(1234567 30 640 470)", QRect()},
        {"@Rect(40 30 640 470)x", QRect()},
        {"@Rect(- 30 640 470)", QRect()},
        {"@Rect(4\xd9\xa0 30 640 470)", QRect()},  // an Arabic-Indic zero
    };
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    for (const auto& c : cases) {
        std::ofstream(file.toStdString()) << "[window]\ngeometry=" << c.line << "\npositioned=true\n";
        EXPECT_EQ(ReadWindowPlace(file).geometry, c.expected) << c.line;
    }
}

}  // namespace
}  // namespace quib::desktop
