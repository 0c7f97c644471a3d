#pragma once
// One game per data folder: a lock on the file quib.lock in the folder, and a
// local socket through which a second copy asks the first to bring its
// window to the front.
//
// The lock is an advisory lock (flock) on a regular file: the system lets it
// go when the game ends in any way, so a crash or a kill leaves nothing that
// keeps the next game out, and whatever else lies there (a leftover or empty
// file, a named pipe, a folder, a symbolic link) never stops or holds up a
// start. The socket lies in the user's own runtime folder ($XDG_RUNTIME_DIR),
// else in the data folder; only this user's programs are answered or
// believed. The game answers each connection at once and closes it: it keeps
// no client and reads nothing, so no caller can use up its descriptors or
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
    // when a running game of this user holds it: that game was asked to come
    // to the front, or a message on stderr says why this copy ends.
    bool claim();

    // The window a later copy brings to the front.
    void setWindow(QWidget* window) { window_ = window; }

private:
    void listen();
    void answerCallers();

    QByteArray lockPath_;
    int lockFd_ = -1;
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
