#pragma once
// One game per data folder: a lock on the file quib.lock in the folder, and a
// local socket through which a second copy asks the first to bring its
// window to the front.
//
// The lock is an advisory lock (flock) on a regular file: the system lets it
// go when the game ends in any way, so a crash or a kill leaves nothing that
// keeps the next game out. A lock that another copy holds is never taken
// over. Whatever else lies there (a named pipe, a folder, a symbolic link, a
// file with a second hard link, another user's file, a file this user cannot
// open) is no game's lock: it is removed and a fresh lock made, never written
// through. Where that cannot be done the game says so and does not start. The
// socket lies in the user's own runtime folder ($XDG_RUNTIME_DIR), else in
// the data folder; only this user's programs are answered or believed. The game answers each connection at
// once and closes it: it keeps no client and reads nothing, so no caller can use up its descriptors or
// memory.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <sys/types.h>
#include <vector>

class QSocketNotifier;

namespace quib::desktop {

class SingleInstance : public QObject {
public:
    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy may use the data folder: no other game holds it,
    // or it cannot be written at all (then nothing is saved anyway). False
    // when a running game of this user holds it (that game was asked to come
    // to the front, or a message on stderr says why this copy ends), or when
    // the lock cannot be made (then problem() tells the player why).
    bool claim();
    // Why this copy cannot start, for the player; empty when claim() did not
    // fail for want of a lock.
    const QString& problem() const { return problem_; }

    // The game is ending: later copies no longer reach it, and wait for its
    // lock instead of being told that it runs.
    void stopAnswering();
    // Lets the data folder go: the socket and the lock this copy made.
    void release();

    // The window a later copy brings to the front.
    void setWindow(QWidget* window) { window_ = window; }

private:
    void listen();
    void answerCallers();

    QByteArray lockPath_;
    int lockFd_ = -1;
    dev_t lockDev_ = 0;
    ino_t lockIno_ = 0;
    QString problem_;
    // Where the socket may lie, in the order a game tries to listen and a
    // second copy tries to reach it.
    std::vector<QByteArray> socketPaths_;
    QByteArray listeningPath_;
    dev_t socketDev_ = 0;
    ino_t socketIno_ = 0;
    int serverFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QPointer<QWidget> window_;
};

}  // namespace quib::desktop
