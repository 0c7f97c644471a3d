#pragma once
// One game per data folder for the whole run: a lock on the folder itself
// (see core/records/folder_lock.h), and a local socket through which a
// second copy asks the first to bring its window to the front.
//
// The lock needs no file in the folder, so nothing placed in the folder can
// stand in its way, and a folder where no file can be made (read-only, full,
// out of inodes) is locked all the same; the system lets it go however the
// game ends. A lock that another copy holds is never taken over; when a
// program that is not the game holds it, the player is told which. The
// socket lies in the user's own runtime folder ($XDG_RUNTIME_DIR), else in
// the data folder; only this user's programs are answered or believed. The
// game answers each connection at once and closes it: it keeps no client and
// reads nothing, so no caller can use up its descriptors or memory.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <sys/types.h>
#include <vector>

#include "core/records/folder_lock.h"

class QSocketNotifier;

namespace quib::desktop {

class SingleInstance : public QObject {
public:
    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy may use the data folder: no other game holds it,
    // or it cannot be opened or locked now (then nothing is written there
    // unless the lock can be taken at the time of the write). False when a
    // running game holds it (that game was asked to come to the front, or a
    // message on stderr says why this copy ends), or another program holds
    // it (then problem() tells the player which).
    bool claim();
    // Why this copy cannot start, for the player; empty when claim() did not
    // fail for a program that is not the game.
    const QString& problem() const { return problem_; }

    // The game is ending: later copies no longer reach it, and wait for its
    // lock instead of being told that it runs.
    void stopAnswering();
    // The folder's lock, which every write of the game's files checks.
    std::shared_ptr<records::FolderLock> lock() const { return lock_; }
    // Lets the data folder go: the socket and the lock.
    void release();

    // The window a later copy brings to the front.
    void setWindow(QWidget* window) { window_ = window; }

private:
    void listen();
    void answerCallers();

    QString folder_;
    std::shared_ptr<records::FolderLock> lock_;
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
