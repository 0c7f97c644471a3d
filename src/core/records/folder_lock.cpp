// The data folder's lock. See folder_lock.h.

#include "folder_lock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "storage.h"

namespace quib::records {

FolderLock::FolderLock(std::string folder) : folder_(std::move(folder)) {}

FolderLock::~FolderLock() { Release(); }

FolderLock::Claim FolderLock::Lock(bool make) {
    // The folder may be swapped between opening it and locking it: the lock
    // counts only when the folder at the path is the one locked.
    for (int attempt = 0; attempt < 8; ++attempt) {
        int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT && make && (::mkdir(folder_.c_str(), 0777) == 0 || errno == EEXIST))
            fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            lockError_ = errno;
            return Claim::Without;
        }
        struct stat locked {};
        if (::fstat(fd, &locked) != 0) {
            lockError_ = errno;
            ::close(fd);
            return Claim::Without;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            lockError_ = errno;
            ::close(fd);
            if (lockError_ != EWOULDBLOCK) return Claim::Without;  // a file system without locks
            heldDev_ = locked.st_dev;
            heldIno_ = locked.st_ino;
            return Claim::Held;
        }
        struct stat named {};
        if (::stat(folder_.c_str(), &named) != 0 || named.st_dev != locked.st_dev || named.st_ino != locked.st_ino) {
            ::close(fd);
            continue;
        }
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
        dev_ = locked.st_dev;
        ino_ = locked.st_ino;
        return Claim::Taken;
    }
    lockError_ = EBUSY;  // replaced over and over while this game looked
    return Claim::Without;
}

FolderLock::Claim FolderLock::Take() {
    std::lock_guard<std::mutex> hold(mutex_);
    return Lock(false);
}

pid_t FolderLock::Holder() const { return FlockHolder(heldDev_, heldIno_); }

int FolderLock::WritableFolder() {
    std::lock_guard<std::mutex> hold(mutex_);
    struct stat named {};
    const bool same = fd_ >= 0 && ::stat(folder_.c_str(), &named) == 0 && named.st_dev == dev_ && named.st_ino == ino_;
    if (!same) {
        const Claim claim = Lock(true);
        if (claim != Claim::Taken) {
            errno = claim == Claim::Held ? kFolderTakenOver : lockError_;
            return -1;
        }
    }
    return ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
}

void FolderLock::Release() {
    std::lock_guard<std::mutex> hold(mutex_);
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

pid_t FlockHolder(dev_t device, ino_t inode) {
    std::FILE* locks = std::fopen("/proc/locks", "re");
    if (!locks) return 0;
    pid_t holder = 0;
    char line[256];
    while (holder == 0 && std::fgets(line, sizeof line, locks)) {
        // "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF"; a waiter's line
        // has "->" after the number and is skipped by the kind.
        char kind[16] = {};
        int pid = 0;
        unsigned major = 0, minor = 0;
        unsigned long long ino = 0;
        if (std::sscanf(line, "%*d: %15s %*s %*s %d %x:%x:%llu", kind, &pid, &major, &minor, &ino) == 5 &&
            std::strcmp(kind, "FLOCK") == 0 && ino == inode && ::makedev(major, minor) == device && pid > 0)
            holder = pid;
    }
    std::fclose(locks);
    return holder;
}

}  // namespace quib::records
