// Reading, safely replacing and stamping files, and the data folder on disk
// as the core's storage. See storage.h.

#include "storage.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "folder_lock.h"

namespace quib::records {

FileRead ReadFile(const std::string& path, std::string& content) {
    try {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) return (errno == ENOENT || errno == ENOTDIR) ? FileRead::Missing : FileRead::Unreadable;
        struct stat st {};
        FileRead result = FileRead::Read;
        std::string text;
        int error = 0;
        if (::fstat(fd, &st) != 0) {
            error = errno;
            result = FileRead::Unreadable;
        } else if (!S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > kMaxFileSize) {
            result = FileRead::Refused;
        } else {
            text.resize(static_cast<std::size_t>(st.st_size) + 1);
            std::size_t got = 0;
            // One byte more than the size: a file that grows past the cap
            // while it is read is refused as well.
            while (got < text.size()) {
                const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) {
                    error = errno;
                    result = FileRead::Unreadable;
                    break;
                }
                if (n == 0) break;
                got += static_cast<std::size_t>(n);
                if (got == text.size() && text.size() <= kMaxFileSize) text.resize(std::min(2 * text.size(), kMaxFileSize + 1));
            }
            if (result == FileRead::Read && got > kMaxFileSize) result = FileRead::Refused;
            text.resize(got);
        }
        ::close(fd);
        errno = error;
        if (result == FileRead::Read) content = std::move(text);
        return result;
    } catch (...) {
        return FileRead::Unreadable;
    }
}

std::optional<std::string> FileStampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' + std::to_string(st.st_size) + ':' +
           std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
}

bool ReadWholeFile(const std::string& path, std::string& content) { return ReadFile(path, content) == FileRead::Read; }

namespace {

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Six letters or digits that differ from call to call and from process to
// process, for a temporary file's name.
std::string RandomSuffix() {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<std::uint64_t>(::getpid()) << 32) ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 29;
    std::string s(6, 'A');
    for (char& c : s) {
        c = kLetters[x % 62];
        x /= 62;
    }
    return s;
}

int OpenFolder(const std::string& folder) {
    return ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

bool WriteFileSafelyAt(int folderFd, const std::string& name, const std::string& content, FolderFlush folder) {
    try {
        // The new file keeps the old one's permissions; a file made new gets
        // what any new file gets (0666 less the umask, applied by open).
        struct stat old {};
        const bool replacing = ::fstatat(folderFd, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode);
        std::string temp;
        int fd = -1;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temp = '.' + name + std::string(kTemporaryMarker) + RandomSuffix();
            fd = ::openat(folderFd, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) return false;
        }
        if (fd < 0) return false;
        // The first failure is the one to tell.
        int error = 0;
        auto step = [&error](bool done) {
            if (!done && error == 0) error = errno != 0 ? errno : EIO;
            return done;
        };
        errno = 0;
        bool ok = !replacing || step(::fchmod(fd, old.st_mode & 07777) == 0);
        ok = ok && step(WriteAll(fd, content.data(), content.size()));
        ok = ok && step(::fsync(fd) == 0);
        ok = step(::close(fd) == 0) && ok;
        ok = ok && step(::renameat(folderFd, temp.c_str(), folderFd, name.c_str()) == 0);
        if (!ok) {
            ::unlinkat(folderFd, temp.c_str(), 0);
            errno = error;
            return false;
        }
        // The data reached the disk before the rename, so after a crash the
        // name holds either the old or the new file, complete. Flushing the
        // folder only makes sure it is the new one; a failure here leaves a
        // complete file either way, so it does not make the write fail.
        if (folder == FolderFlush::Flush) ::fsync(folderFd);
        return true;
    } catch (...) {
        return false;
    }
}

bool WriteFileSafely(const std::string& path, const std::string& content, FolderFlush folder) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const int dir = OpenFolder(slash == std::string::npos ? std::string() : path.substr(0, std::max<std::size_t>(slash, 1)));
    if (dir < 0) return false;
    const bool written = WriteFileSafelyAt(dir, name, content, folder);
    const int error = errno;
    ::close(dir);
    errno = error;
    return written;
}

bool IsTemporaryOf(std::string_view name, const std::function<bool(std::string_view)>& ownName) {
    constexpr std::size_t kRandom = 6;
    const std::size_t tail = kTemporaryMarker.size() + kRandom;
    if (name.size() <= tail + 1 || name[0] != '.') return false;
    if (name.substr(name.size() - tail, kTemporaryMarker.size()) != kTemporaryMarker) return false;
    for (std::size_t i = name.size() - kRandom; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return ownName(name.substr(1, name.size() - tail - 1));
}

namespace {

void RemoveTemporariesAt(int folderFd, const std::function<bool(std::string_view)>& ownName) {
    const int listing = ::dup(folderFd);
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0) ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, ownName)) continue;
        struct stat st {};
        // Only a plain file of this user: a link, a pipe or another user's
        // file of that name was not left by this game's writes.
        if (::fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid())
            ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

}  // namespace

void RemoveTemporaries(const std::string& folder, const std::function<bool(std::string_view)>& ownName) {
    const int fd = OpenFolder(folder);
    if (fd < 0) return;
    RemoveTemporariesAt(fd, ownName);
    ::close(fd);
}

// ------------------------------------------------------- the data folder

FolderStorage::FolderStorage(std::string folder, std::shared_ptr<FolderLock> lock)
    : folder_(std::move(folder)), lock_(std::move(lock)) {}

FileRead FolderStorage::Read(const std::string& name, std::string& content) { return ReadFile(folder_ + name, content); }

bool FolderStorage::Replace(const std::string& name, const std::string& content, FolderFlush flush) {
    const int dir = lock_ ? lock_->WritableFolder() : OpenFolder(folder_);
    if (dir < 0) return false;
    const bool written = WriteFileSafelyAt(dir, name, content, flush);
    const int error = errno;
    ::close(dir);
    errno = error;
    return written;
}

std::optional<std::string> FolderStorage::Stamp(const std::string& name) { return FileStampOf(folder_ + name); }

void FolderStorage::RemoveStaleTemporaries() {
    // Only in a folder this game holds: another copy's writes may be under way elsewhere.
    const int dir = lock_ ? lock_->WritableFolder() : OpenFolder(folder_);
    if (dir < 0) return;
    RemoveTemporariesAt(dir, IsDataFileName);
    ::close(dir);
}

}  // namespace quib::records
