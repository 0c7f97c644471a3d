// The level library's saves on the writer's thread: the file ends up holding
// the library, and a save that failed on that thread counts as failed (so
// the timer's back-off applies) and leaves the old file.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/levels/levels.h"
#include "core/levels/library_writer.h"
#include "support/play.h"

namespace quib {
namespace {

using testing::FileText;
using testing::TestGame;

// Saves as the timer does, until the writer's outcome is in.
bool SaveAndWait(Session& f) {
    bool saved = levels::WriteLevelLibrary(f);
    for (int i = 0; i < 5000 && f.library.Writer->Busy(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    saved = levels::WriteLevelLibrary(f) && saved;
    return saved;
}

TEST(LevelLibraryWriter, TheFileHoldsTheLibraryAndAFailureOnTheThreadCounts) {
    TestGame game(false);
    Session& f = game.session();
    f.library.Writer = std::make_shared<levels::LibraryWriter>();
    const std::string path = game.data.file("levels.txt");
    f.library.LevelPieces(3, 1) = 40;
    TouchLibrary(f.library);
    ASSERT_TRUE(SaveAndWait(f));
    EXPECT_TRUE(levels::LibraryFileCurrent(f)) << "the writer's outcome must be taken";
    const std::string written = FileText(path);
    EXPECT_EQ(written, levels::LevelLibraryText(f));

    f.library.LevelPieces(3, 1) = 41;
    TouchLibrary(f.library);
    const std::string folder = f.DataFolder;
    testing::UseDataFolder(f, path + "/");  // a folder inside a file: the write fails
    EXPECT_FALSE(SaveAndWait(f));
    EXPECT_FALSE(levels::LibraryFileCurrent(f));
    EXPECT_EQ(FileText(path), written);

    // The next save, once the disk lets it, writes the change.
    testing::UseDataFolder(f, folder);
    ASSERT_TRUE(SaveAndWait(f));
    EXPECT_EQ(FileText(path), levels::LevelLibraryText(f));
}

}  // namespace
}  // namespace quib
