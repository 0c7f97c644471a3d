#include "test_game.h"

#include <atomic>
#include <stdexcept>
#include <unistd.h>

#include "core/practice/practice.h"
#include "core/window/window.h"

namespace quib::testing {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path() /
                      ("quib-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    path_ = base.string() + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

TestGame::TestGame(bool startUp) : form_(std::make_unique<Session>(platform, data.path(), program.path())) {
    practice::Subscribe(*form_);
    window::OpenWindow(*form_);
    if (startUp) RunStartUp();
}

TestGame::TestGame(Bare) : form_(std::make_unique<Session>(platform, data.path(), program.path())) {
    practice::Subscribe(*form_);
}

TestGame::TestGame(const TestGame& previousRun, bool startUp)
    : form_(std::make_unique<Session>(platform, previousRun.data.path(), program.path())) {
    practice::Subscribe(*form_);
    window::OpenWindow(*form_);
    if (startUp) RunStartUp();
}

void UseDataFolder(Session& session, const std::string& folder) {
    session.DataFolder = folder;
    session.storage = std::make_shared<records::FolderStorage>(folder);
}

void TestGame::RunStartUp() { window::StartUp(*form_); }

}  // namespace quib::testing
