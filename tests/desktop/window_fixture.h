#pragma once
// A main window on a temporary data folder, started up, for the desktop
// tests; and small helpers that click it the way a player does.

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "desktop/board_view.h"
#include "desktop/main_window.h"
#include "support/test_game.h"

namespace quib::desktop::testing {

class WindowFixture {
public:
    explicit WindowFixture(Platform& platform) {
        window = std::make_unique<MainWindow>(platform, data.path(), program.path());
        window->show();
        // The first timer ticks run the deferred start-up.
        const bool started = QTest::qWaitFor([this] { return !window->session().tasks.StartupPending; }, 5000);
        EXPECT_TRUE(started) << "the timer never ran the start-up";
        QTest::qWait(20);
    }
    ~WindowFixture() { window.reset(); }

    Session& session() { return window->session(); }
    QAction* action(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QWidget* widget(const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); }

    // A mouse click at a point in the game's coordinates on the board view.
    void clickGame(QPointF g) {
        BoardView* view = window->boardView();
        QTest::mouseClick(view, Qt::LeftButton, {}, view->toWidget(g).toPoint());
    }
    void clickFrogOn(int cell) {
        const Cell& c = session().board.Grid.at(static_cast<std::size_t>(cell));
        clickGame({c.Left + 3 + 16, c.Top + 5 + 16});
    }
    void clickCell(int cell) {
        const Cell& c = session().board.Grid.at(static_cast<std::size_t>(cell));
        clickGame({c.Left + 19, c.Top + 19});
    }
    void clickWidget(const char* name) {
        QWidget* w = widget(name);
        if (w) QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    // Closes the window `times` times while a file stands where its data
    // folder was (a folder removed while the game runs): every write of the
    // close fails with "Not a directory". The folder comes back after.
    void closeWithTheDataFolderGone(int times = 1) {
        const std::string folder = data.path().substr(0, data.path().size() - 1);
        ASSERT_EQ(std::rename(folder.c_str(), (folder + ".away").c_str()), 0);
        std::ofstream(folder) << "a file where the folder was";
        for (int i = 0; i < times; ++i) window->close();
        std::remove(folder.c_str());
        std::rename((folder + ".away").c_str(), folder.c_str());
    }

    quib::testing::TempFolder data;
    quib::testing::TempFolder program;
    std::unique_ptr<MainWindow> window;
};

}  // namespace quib::desktop::testing
