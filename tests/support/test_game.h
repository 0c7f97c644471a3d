#pragma once
// A game in a temporary data folder, driven by the fake platform.

#include <filesystem>
#include <memory>
#include <string>

#include "core/form.h"
#include "fake_platform.h"

namespace quib::testing {

// A fresh, empty folder removed again at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder's path, ending with '/'.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Points the game at another data folder, on disk, as if it had started there.
void UseDataFolder(Session& session, const std::string& folder);

class TestGame {
public:
    // Creates the window (OpenWindow); with startUp, also runs the first
    // timer tick's start-up work on the (empty or prepared) data folder.
    explicit TestGame(bool startUp = true);
    // Builds the form without OpenWindow, for tests of single procedures.
    struct Bare {};
    explicit TestGame(Bare);
    // A second run of the game on another game's data folder (a restart).
    TestGame(const TestGame& previousRun, bool startUp);

    Session& session() { return *form_; }
    Session* operator->() { return form_.get(); }
    FakePlatform platform;
    TempFolder data;
    TempFolder program;

    // Runs StartUp now (for tests that prepared files first).
    void RunStartUp();

private:
    std::unique_ptr<Session> form_;
};

}  // namespace quib::testing
