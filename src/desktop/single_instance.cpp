#include "single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
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
// How long a copy waits for a game that holds the lock to answer or end.
constexpr auto kWaitForHolder = std::chrono::seconds(10);
constexpr int kAnswerWaitMs = 3000;
// Callers answered per wake of the event loop, so that a flood of them
// leaves the game time for the player.
constexpr int kCallersPerWake = 64;

// Removes what lies at name, never following a link; true when nothing is
// there any more.
bool Remove(const char* name, const struct stat& st) {
    return (S_ISDIR(st.st_mode) ? ::rmdir(name) : ::unlink(name)) == 0 || errno == ENOENT;
}

// The name of the program with process id pid, empty when it cannot be known.
QString ProgramName(pid_t pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(comm.read(64)).trimmed();
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

// Asks the running game of this user to come to the front, once. A socket
// that another user made is not asked. None when no game listens, or the
// one reached closed the connection unanswered (it is ending).
Reply AskRunningGame(const std::vector<QByteArray>& paths) {
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
        const int ready = ::poll(&p, 1, kAnswerWaitMs);
        const ssize_t n = ready > 0 ? ::read(fd, answer, sizeof answer - 1) : -1;
        ::close(fd);
        if (n > 0) return std::strcmp(answer, kRaised) == 0 ? Reply::Raised : Reply::Reached;
        // A game that takes no call at all is there but stuck.
        if (ready == 0) return Reply::Reached;
    }
    return Reply::None;
}

// True when a program listens on the socket at path.
bool Listening(const QByteArray& path) {
    sockaddr_un addr;
    if (!Address(path, addr)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool live =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0 || errno == EAGAIN;
    ::close(fd);
    return live;
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

SingleInstance::SingleInstance(const QString& dataFolder)
    : folder_(dataFolder), lock_(std::make_shared<records::FolderLock>(QFile::encodeName(dataFolder).toStdString())) {
    // Each data folder has a socket of its own.
    const QByteArray folder = QDir(dataFolder).canonicalPath().toUtf8();
    const QByteArray runtime = RuntimeFolder();
    if (!runtime.isEmpty())
        socketPaths_.push_back(runtime + "/quib-" +
                               QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(24) + ".sock");
    socketPaths_.push_back(QFile::encodeName(dataFolder + "quib.sock"));
}

SingleInstance::~SingleInstance() { release(); }

void SingleInstance::stopAnswering() {
    if (serverFd_ < 0) return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(serverFd_);
    serverFd_ = -1;
    // Only the socket this game made: a copy that took over the folder
    // may have made its own there.
    struct stat st {};
    if (::lstat(listeningPath_.constData(), &st) == 0 && st.st_dev == socketDev_ && st.st_ino == socketIno_)
        ::unlink(listeningPath_.constData());
}

void SingleInstance::release() {
    stopAnswering();
    lock_->Release();
}

bool SingleInstance::claim() {
    // The game holding the lock listens a moment after taking it, and a
    // game that is ending lets it go a moment after it stops answering.
    const auto end = std::chrono::steady_clock::now() + kWaitForHolder;
    for (;;) {
        switch (lock_->Take()) {
        case records::FolderLock::Claim::Without:
            // Nothing can be written there now; every write tries the lock
            // again, so no write lands beside another copy's.
            return true;
        case records::FolderLock::Claim::Taken:
            listen();
            return true;
        case records::FolderLock::Claim::Held:
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
        // A program that is not the game holds the folder: the player learns
        // which, at once. A lock that another program holds is never taken
        // over, even when no game answers (one started with another runtime
        // folder).
        if (const pid_t holder = lock_->Holder(); holder > 0) {
            const QString program = ProgramName(holder);
            if (!program.isEmpty() && program != QStringLiteral("quib")) {
                problem_ = QCoreApplication::translate(
                               "Files",
                               "Quib cannot start: another program, %1 (process %2), holds the lock on the "
                               "folder of your game and scores (%3), the lock by which Quib makes sure that "
                               "no second copy of the game writes there. End that program, then start Quib "
                               "again.")
                               .arg(program)
                               .arg(holder)
                               .arg(QDir::toNativeSeparators(folder_));
                std::fprintf(stderr, "%s\n", problem_.toLocal8Bit().constData());
                return false;
            }
        }
        if (std::chrono::steady_clock::now() >= end) {
            std::fprintf(stderr, "Quib is already running.\n");
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void SingleInstance::listen() {
    int error = 0;
    for (const QByteArray& path : socketPaths_) {
        sockaddr_un addr;
        if (!Address(path, addr)) {
            error = ENAMETOOLONG;
            continue;
        }
        // This game holds the folder's lock: whatever of this user's lies at
        // its socket's name was left behind (a socket of a killed game, a
        // file), unless a program listens there. Another user's is left alone.
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0) {
            if (st.st_uid != ::geteuid() || (S_ISSOCK(st.st_mode) && Listening(path))) {
                error = EADDRINUSE;
                continue;
            }
            if (!Remove(path.constData(), st)) {
                error = errno;
                continue;
            }
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            error = errno;
            continue;
        }
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
                QTimer::singleShot(1000, this, [this] {
                    if (notifier_) notifier_->setEnabled(true);
                });
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
