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
// the handler writes to the first, the loop reads the second.
int wakeSockets[2] = {-1, -1};
}  // namespace

SessionEndWatcher::SessionEndWatcher(MainWindow& window) : window_(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeSockets) != 0) return;
    notifier_ = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndWatcher::onWake);

    struct sigaction action {};
    action.sa_handler = &SessionEndWatcher::onSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume, so a write under way is not broken off.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], nullptr, &old_[i]);
        // A game started to ignore a hang-up or the terminal's keys (nohup,
        // a job a script put in the background) keeps ignoring them.
        if (kSignals[i] != SIGTERM && old_[i].sa_handler == SIG_IGN) continue;
        ::sigaction(kSignals[i], &action, nullptr);
    }

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        emit ending();
        window_.endSession();
    });
}

SessionEndWatcher::~SessionEndWatcher() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &old_[i], nullptr);
    delete notifier_;
    ::close(wakeSockets[0]);
    ::close(wakeSockets[1]);
    wakeSockets[0] = wakeSockets[1] = -1;
}

void SessionEndWatcher::onSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    // A full socket already holds a wake-up; nothing more is needed.
    [[maybe_unused]] const ssize_t n = ::write(wakeSockets[0], &byte, 1);
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
