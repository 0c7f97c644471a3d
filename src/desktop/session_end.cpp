#include "session_end.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "main_window.h"

namespace quib::desktop {

namespace {
// The pair of sockets through which a signal handler wakes the event loop:
// the handler writes to the first, the loop reads the second. The handler
// finds -1 once the watcher is gone.
int wakeSockets[2] = {-1, -1};
volatile std::sig_atomic_t wakeFd = -1;
}  // namespace

SessionEndWatcher::SessionEndWatcher(MainWindow& window) : window_(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeSockets) != 0) return;
    wakeFd = wakeSockets[0];
    notifier_ = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatcher::onWake);

    struct sigaction action {};
    action.sa_handler = &SessionEndWatcher::onSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume, so a write under way is not broken off.
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        struct sigaction old {};
        ::sigaction(signal, nullptr, &old);
        // A game started to ignore a hang-up or the terminal's keys (nohup,
        // a job a script put in the background) keeps ignoring them.
        if (signal != SIGTERM && old.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        emit ending();
        window_.endSession();
    });
}

SessionEndWatcher::~SessionEndWatcher() {
    if (!notifier_) return;
    // The handlers stay: the game's end (its lock, its socket, its files and
    // the window's place) is still under way, and no signal may cut it.
    wakeFd = -1;
    delete notifier_;
    ::close(wakeSockets[0]);
    ::close(wakeSockets[1]);
    wakeSockets[0] = wakeSockets[1] = -1;
}

void SessionEndWatcher::onSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    // A full socket already holds a wake-up; nothing more is needed.
    if (const int fd = wakeFd; fd >= 0) [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    errno = saved;
}

void SessionEndWatcher::onWake() {
    char buf[64];
    while (::read(wakeSockets[1], buf, sizeof buf) > 0)
        if (endSignal_ == 0) endSignal_ = buf[0];
    emit ending();
    window_.endSession();
}

}  // namespace quib::desktop
