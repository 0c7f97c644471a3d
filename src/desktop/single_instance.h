#pragma once
// One game per data folder: a lock file in the folder, and a local socket
// through which a second copy asks the first to bring its window to the front.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace quib::desktop {

class SingleInstance : public QObject {
public:
    // A lock untouched for this long is left over by a game that ended
    // without removing it (a crash, a power cut, another machine). The
    // running game touches it well within that time.
    static constexpr int kStaleLockMs = 3 * 60 * 1000;

    explicit SingleInstance(const QString& dataFolder);

    // True when this copy may use the data folder: no other game holds it,
    // or it cannot be written at all (then nothing is saved anyway). False
    // when a running game holds it; that game was asked to come to the front,
    // or the message "Quib is already running." was written to stderr.
    bool claim();

    // The window a later copy brings to the front.
    void setWindow(QWidget* window) { window_ = window; }

private:
    void bringWindowToFront();

    QLockFile lock_;
    QString serverName_;
    QLocalServer server_;
    QTimer touch_;
    QPointer<QWidget> window_;
};

}  // namespace quib::desktop
