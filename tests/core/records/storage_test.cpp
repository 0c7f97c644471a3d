// The data folder as the game's storage: one game per folder for the whole
// run. Whatever becomes of the folder while the game runs, a write lands in
// the folder this game holds, or in a folder at the same place that no other
// copy holds, or nowhere.

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "core/records/folder_lock.h"
#include "core/records/storage.h"
#include "support/test_game.h"

namespace quib::records {
namespace {

namespace fs = std::filesystem;

std::string Text(const std::string& path) {
    std::string s;
    return ReadWholeFile(path, s) ? s : "<none>";
}

// What happens to the folder "data" after the game took it, and where its
// next save must land: "data" (the folder at the path), "moved" (the folder
// the game took, now under another name) or nowhere.
struct FolderState {
    const char* name;
    std::function<void(const std::string& data, const std::string& moved)> change;
    bool savedAtPath;
    int error;  // when nothing is saved: the errno of the refusal
};

// Another copy of the game holds a folder while it lives.
struct OtherCopy {
    explicit OtherCopy(const std::string& folder) : fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY)) {
        EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    }
    ~OtherCopy() { ::close(fd); }
    int fd;
};
std::unique_ptr<OtherCopy> other;

TEST(FolderLock, AWriteLandsOnlyInAFolderThisGameHolds) {
    const FolderState states[] = {
        {"unchanged", [](auto&, auto&) {}, true, 0},
        {"moved away", [](auto& data, auto& moved) { fs::rename(data, moved); }, true, 0},
        {"removed", [](auto& data, auto&) { fs::remove_all(data); }, true, 0},
        {"moved, and another copy made and holds a new one",
         [](auto& data, auto& moved) {
             fs::rename(data, moved);
             fs::create_directory(data);
             other = std::make_unique<OtherCopy>(data);
         },
         false, kFolderTakenOver},
        {"removed, and another copy holds a new one",
         [](auto& data, auto&) {
             fs::remove_all(data);
             fs::create_directory(data);
             other = std::make_unique<OtherCopy>(data);
         },
         false, kFolderTakenOver},
        {"replaced by a plain file",
         [](auto& data, auto&) {
             fs::remove_all(data);
             std::ofstream(data) << "x";
         },
         false, ENOTDIR},
    };
    for (const FolderState& state : states) {
        SCOPED_TRACE(state.name);
        testing::TempFolder top;
        const std::string data = top.file("data"), moved = top.file("moved");
        fs::create_directory(data);
        auto lock = std::make_shared<FolderLock>(data);
        ASSERT_EQ(lock->Take(), FolderLock::Claim::Taken);
        FolderStorage storage(data + "/", lock);
        ASSERT_TRUE(storage.Replace("data.txt", "first\n", FolderFlush::Skip));

        state.change(data, moved);
        errno = 0;
        EXPECT_EQ(storage.Replace("data.txt", "second\n", FolderFlush::Flush), state.savedAtPath);
        if (state.savedAtPath) {
            EXPECT_EQ(Text(data + "/data.txt"), "second\n");
            // The game holds the folder it wrote in: no second copy takes it.
            EXPECT_EQ(FolderLock(data).Take(), FolderLock::Claim::Held);
        } else {
            EXPECT_EQ(errno, state.error);
            EXPECT_NE(Text(data + "/data.txt"), "second\n");
        }
        // The folder moved away keeps what it held.
        if (fs::exists(moved)) {
            EXPECT_EQ(Text(moved + "/data.txt"), "first\n");
        }
        other.reset();
    }
}

TEST(FolderLock, HeldFolderNamesItsHolderAndAFolderWithoutRoomIsLockedAllTheSame) {
    testing::TempFolder top;
    const std::string data = top.file("data");
    fs::create_directory(data);
    FolderLock first(data);
    ASSERT_EQ(first.Take(), FolderLock::Claim::Taken);
    FolderLock second(data);
    EXPECT_EQ(second.Take(), FolderLock::Claim::Held);
    EXPECT_EQ(second.Holder(), ::getpid());
    EXPECT_LT(second.WritableFolder(), 0);
    EXPECT_EQ(errno, kFolderTakenOver);
    // Nothing is made in the folder for the lock: a folder where no file
    // can be made is held all the same.
    EXPECT_TRUE(fs::is_empty(data));

    first.Release();
    EXPECT_EQ(second.Take(), FolderLock::Claim::Taken);
    EXPECT_EQ(first.Take(), FolderLock::Claim::Held);
    EXPECT_EQ(FolderLock(top.file("missing/data")).Take(), FolderLock::Claim::Without);
}

// A safe replace keeps the permissions the player gave the file; a new file
// gets what any new file gets.
TEST(FolderStorage, AReplaceKeepsTheFilesPermissions) {
    struct Case {
        int existing;  // -1: no file yet
        mode_t umask;
        mode_t expected;
    };
    for (const Case c : {Case{0600, 022, 0600}, Case{0640, 022, 0640}, Case{0604, 077, 0604},
                         Case{-1, 022, 0644}, Case{-1, 077, 0600}, Case{-1, 002, 0664}}) {
        SCOPED_TRACE(std::to_string(c.existing) + " umask " + std::to_string(c.umask));
        testing::TempFolder dir;
        const std::string path = dir.file("high.txt");
        if (c.existing >= 0) {
            std::ofstream(path) << "old\n";
            ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.existing)), 0);
        }
        const mode_t before = ::umask(c.umask);
        const bool written = FolderStorage(dir.path()).Replace("high.txt", "new\n", FolderFlush::Flush);
        ::umask(before);
        ASSERT_TRUE(written);
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.expected);
        EXPECT_EQ(Text(path), "new\n");
    }
}

}  // namespace
}  // namespace quib::records
