#pragma once
// One game per data folder for the whole run: an advisory lock (flock) on the
// folder itself, which needs no file in it, so a folder where nothing can be
// made is locked all the same, and the system lets the lock go however the
// game ends. The game keeps the folder open; before every write it makes sure
// that the folder at the path is still the one it locked. When the folder was
// moved or removed meanwhile, the game takes the folder now at the path (made
// afresh when missing) only if no other copy holds it; otherwise it writes
// nothing. Plain POSIX, safe for use from two threads.

#include <mutex>
#include <string>
#include <sys/types.h>

namespace quib::records {

class FolderLock {
public:
    enum class Claim {
        Taken,    // this game holds the folder
        Held,     // another program holds it (see Holder)
        Without,  // the folder cannot be opened or locked: nothing is written there
    };
    // folder: the data folder's path.
    explicit FolderLock(std::string folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Claim Take();
    // The process that holds the folder's lock, 0 when unknown; for after
    // Take() gave Held.
    pid_t Holder() const;
    // A descriptor of the folder to write in, the caller's to close: the
    // folder this game holds, when it is still the one at the path, or the
    // one at the path now, taken afresh. -1 otherwise, with errno set (to
    // kFolderTakenOver when another copy holds the folder at the path).
    int WritableFolder();
    // Lets the folder go.
    void Release();

private:
    // Opens (made when missing, if make) and locks the folder at the path.
    Claim Lock(bool make);

    std::mutex mutex_;
    std::string folder_;
    int fd_ = -1;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
    int lockError_ = 0;  // why the last Lock failed
    // The folder seen held by another program.
    dev_t heldDev_ = 0;
    ino_t heldIno_ = 0;
};

// The process holding a flock on the file or folder (device, inode), from
// /proc/locks; 0 when none is found.
pid_t FlockHolder(dev_t device, ino_t inode);

}  // namespace quib::records
