#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace quib::desktop {

namespace {

constexpr int kAnswerWaitMs = 3000;
const QByteArray kRaised = QByteArrayLiteral("raised\n");

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder) : lock_(dataFolder + QStringLiteral("quib.lock")) {
    lock_.setStaleLockTime(kStaleLockMs);
    const QByteArray folder = QDir(dataFolder).canonicalPath().toUtf8();
    serverName_ = QStringLiteral("quib-") +
                  QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::claim() {
    if (!lock_.tryLock(0)) {
        if (lock_.error() != QLockFile::LockFailedError) return true;  // a folder that cannot be written
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(kAnswerWaitMs) && socket.waitForReadyRead(kAnswerWaitMs) &&
            socket.readAll() == kRaised)
            return false;
        std::fprintf(stderr, "Quib is already running.\n");
        return false;
    }
    // Keep the lock fresh so that a long game never looks left over.
    const QByteArray lockPath = QFile::encodeName(lock_.fileName());
    connect(&touch_, &QTimer::timeout, this, [lockPath] { (void)utimensat(AT_FDCWD, lockPath.constData(), nullptr, 0); });
    touch_.start(kStaleLockMs / 4);
    // A socket left by a game that was killed is in the way of a new one.
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::bringWindowToFront);
    server_.listen(serverName_);
    return true;
}

void SingleInstance::bringWindowToFront() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (window_) {
            window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            window_->show();
            window_->raise();
            window_->activateWindow();
            socket->write(kRaised);
            socket->flush();
        } else {
            socket->disconnectFromServer();
        }
    }
}

}  // namespace quib::desktop
