#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace quib::desktop {

namespace {

const char kRaised[] = "raised\n";    // the window came to the front
const char kRunning[] = "running\n";  // the game runs but has no window yet
constexpr auto kAskFor = std::chrono::seconds(3);
constexpr int kAnswerWaitMs = 3000;
// Callers answered per wake of the event loop, so that a flood of them
// leaves the game time for the player.
constexpr int kCallersPerWake = 64;

enum class Lock { Taken, Held, Unusable };

// Takes the lock on the regular file at path, made when missing. Whatever
// else lies there (a named pipe, a folder, a link) is no game's lock and is
// cleared away; it is never opened in a way that could wait.
Lock TakeLock(const QByteArray& path, int& fd) {
    const char* name = path.constData();
    for (int attempt = 0; attempt < 3; ++attempt) {
        struct stat st {};
        if (::lstat(name, &st) == 0 && !S_ISREG(st.st_mode) &&
            (S_ISDIR(st.st_mode) ? ::rmdir(name) : ::unlink(name)) != 0)
            return Lock::Unusable;
        const int f = ::open(name, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (f < 0) {
            if (errno == ELOOP || errno == EISDIR || errno == ENXIO) continue;  // replaced meanwhile
            return Lock::Unusable;  // a folder that cannot be written
        }
        if (::fstat(f, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(f);
            continue;
        }
        if (::flock(f, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(f);
            return held ? Lock::Held : Lock::Unusable;
        }
        // A game that ended meanwhile removed the file it held: lock the one
        // the name stands for now.
        struct stat named {};
        if (::stat(name, &named) != 0 || named.st_dev != st.st_dev || named.st_ino != st.st_ino) {
            ::close(f);
            continue;
        }
        (void)::fchmod(f, 0600);
        // The process id helps a second copy; the lock holds without it.
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::ftruncate(f, 0) == 0) (void)!::write(f, pid.data(), pid.size());
        fd = f;
        return Lock::Taken;
    }
    return Lock::Unusable;
}

// True when the process named in the lock file is a live game of this user
// (the same program name), whether or not it answers.
bool LockNamesALiveGame(const QByteArray& path) {
    const int f = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (f < 0) return false;
    struct stat st {};
    char text[32] = {};
    const bool read = ::fstat(f, &st) == 0 && S_ISREG(st.st_mode) && ::read(f, text, sizeof text - 1) > 0;
    ::close(f);
    if (!read) return false;
    char* end = nullptr;
    const long pid = std::strtol(text, &end, 10);
    if (pid <= 0 || end == text || *end != '\n' || pid == ::getpid()) return false;
    const std::string proc = "/proc/" + std::to_string(pid);
    if (::stat(proc.c_str(), &st) != 0 || st.st_uid != ::geteuid()) return false;
    auto comm = [](const std::string& file) {
        char buf[64] = {};
        const int c = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (c < 0) return std::string();
        const ssize_t n = ::read(c, buf, sizeof buf - 1);
        ::close(c);
        return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
    };
    const std::string own = comm("/proc/self/comm");
    return !own.empty() && comm(proc + "/comm") == own;
}

bool Address(const QByteArray& path, sockaddr_un& addr) {
    addr = {};
    addr.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof addr.sun_path)) return false;
    std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

bool SameUser(int fd) {
    ucred cred{};
    socklen_t length = sizeof cred;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &length) == 0 && cred.uid == ::geteuid();
}

enum class Reply { Raised, Reached, None };

// Asks the running game of this user to come to the front. A socket that
// another user made is not asked.
Reply AskRunningGame(const std::vector<QByteArray>& paths) {
    // The game holding the lock listens a moment after taking it.
    const auto end = std::chrono::steady_clock::now() + kAskFor;
    do {
        for (const QByteArray& path : paths) {
            sockaddr_un addr;
            struct stat st {};
            // Another user's socket does not even learn of the launch.
            if (!Address(path, addr) || ::lstat(path.constData(), &st) != 0 || !S_ISSOCK(st.st_mode) ||
                st.st_uid != ::geteuid())
                continue;
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (fd < 0) continue;
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || !SameUser(fd)) {
                ::close(fd);
                continue;
            }
            char answer[16] = {};
            pollfd p{fd, POLLIN, 0};
            const bool read = ::poll(&p, 1, kAnswerWaitMs) > 0 && ::read(fd, answer, sizeof answer - 1) > 0;
            ::close(fd);
            return read && std::strcmp(answer, kRaised) == 0 ? Reply::Raised : Reply::Reached;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < end);
    return Reply::None;
}

// The user's own runtime folder, when it is one: owned by the user and
// closed to everyone else.
QByteArray RuntimeFolder() {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (!dir || dir[0] != '/' || ::stat(dir, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() ||
        (st.st_mode & 077) != 0)
        return {};
    return QByteArray(dir);
}

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder) : lockPath_(QFile::encodeName(dataFolder + "quib.lock")) {
    // Each data folder has a socket of its own.
    const QByteArray folder = QDir(dataFolder).canonicalPath().toUtf8();
    const QByteArray runtime = RuntimeFolder();
    if (!runtime.isEmpty())
        socketPaths_.push_back(runtime + "/quib-" +
                               QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(24) + ".sock");
    socketPaths_.push_back(QFile::encodeName(dataFolder + "quib.sock"));
}

SingleInstance::~SingleInstance() {
    if (serverFd_ >= 0) {
        delete notifier_;
        ::close(serverFd_);
        // Only the socket this game made: a copy that took over the folder
        // may have made its own there.
        struct stat st {};
        if (::lstat(listeningPath_.constData(), &st) == 0 && st.st_dev == socketDev_ && st.st_ino == socketIno_)
            ::unlink(listeningPath_.constData());
    }
    if (lockFd_ >= 0) {
        ::unlink(lockPath_.constData());
        ::close(lockFd_);
    }
}

bool SingleInstance::claim() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (TakeLock(lockPath_, lockFd_)) {
        case Lock::Unusable:
            return true;  // nothing can be kept here, and nothing is in the way
        case Lock::Taken:
            listen();
            return true;
        case Lock::Held:
            break;
        }
        switch (AskRunningGame(socketPaths_)) {
        case Reply::Raised:
            return false;
        case Reply::Reached:
            std::fprintf(stderr, "Quib is already running.\n");
            return false;
        case Reply::None:
            break;
        }
        // No game answered: a game of this user that was started in another
        // setting (no runtime folder) still keeps this copy out; any other
        // holder (another user reading the file) does not.
        if (LockNamesALiveGame(lockPath_)) {
            std::fprintf(stderr, "Quib is already running.\n");
            return false;
        }
        ::unlink(lockPath_.constData());
    }
    return true;
}

void SingleInstance::listen() {
    int error = 0;
    for (const QByteArray& path : socketPaths_) {
        sockaddr_un addr;
        if (!Address(path, addr)) {
            error = ENAMETOOLONG;
            continue;
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            error = errno;
            continue;
        }
        // This game holds the folder's lock: a socket here was left by a game
        // that was killed.
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0 && S_ISSOCK(st.st_mode)) ::unlink(path.constData());
        const mode_t mask = ::umask(077);
        const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
        ::umask(mask);
        if (bound && ::listen(fd, 16) == 0 && ::lstat(path.constData(), &st) == 0) {
            socketDev_ = st.st_dev;
            socketIno_ = st.st_ino;
            serverFd_ = fd;
            listeningPath_ = path;
            notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::answerCallers);
            return;
        }
        error = errno;
        if (bound) ::unlink(path.constData());
        ::close(fd);
    }
    std::fprintf(stderr, "Quib: a second copy cannot reach this game: %s\n", std::strerror(error));
}

void SingleInstance::answerCallers() {
    bool raised = false;
    for (int i = 0; i < kCallersPerWake; ++i) {
        const int caller = ::accept4(serverFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (caller < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // Out of descriptors: wait a moment rather than spin.
                notifier_->setEnabled(false);
                QTimer::singleShot(1000, this, [this] { notifier_->setEnabled(true); });
            }
            return;
        }
        if (SameUser(caller)) {
            const char* answer = kRunning;
            if (window_) {
                if (!raised) {
                    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
                    window_->show();
                    window_->raise();
                    window_->activateWindow();
                    raised = true;
                }
                answer = kRaised;
            }
            (void)::send(caller, answer, std::strlen(answer), MSG_NOSIGNAL | MSG_DONTWAIT);
        }
        // Whatever the caller sends is never read.
        ::close(caller);
    }
}

}  // namespace quib::desktop
