#include "game_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace quib::desktop {

namespace {

QString WithSlash(const QString& folder) { return QDir::cleanPath(folder) + QLatin1Char('/'); }

// Created when missing, and a file can really be made in it (a read-only
// file system or folder says no even to root). error tells why not.
bool CanWriteIn(const QString& folder, int& error) {
    errno = 0;
    if (!QDir().mkpath(folder)) {
        error = errno != 0 ? errno : EACCES;
        return false;
    }
    QByteArray probe = QFile::encodeName(folder + QStringLiteral(".write-test-XXXXXX"));
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        error = errno;
        return false;
    }
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

}  // namespace

GameFolders ChooseGameFolders(const QString& executableFolder, const QString& userDataFolder) {
    const QString beside = WithSlash(executableFolder);
    const QString shared = WithSlash(executableFolder + QStringLiteral("/../share/quib"));
    const bool installed =
        !QFileInfo::exists(beside + QStringLiteral("help.txt")) && QFileInfo::exists(shared + QStringLiteral("help.txt"));

    GameFolders folders;
    folders.program = installed ? shared : beside;
    const QString besideData = beside + QStringLiteral("data/");
    const QString userData = userDataFolder.isEmpty() ? besideData : WithSlash(userDataFolder);
    int besideError = 0, userError = 0;
    if (!installed && CanWriteIn(besideData, besideError)) {
        folders.data = besideData;
    } else if (CanWriteIn(userData, userError)) {
        folders.data = userData;
        if (!installed && QFileInfo(besideData).isDir() && besideData != userData) {
            folders.notUsed = besideData;
            folders.notUsedBecause = besideError;
        }
    } else {
        folders.data = !installed && QFileInfo(besideData).isDir() ? besideData : userData;
        folders.writable = false;
    }
    return folders;
}

QString MovedFilesNotice(const GameFolders& folders) {
    if (folders.notUsed.isEmpty()) return {};
    return QCoreApplication::translate(
               "Files",
               "Quib cannot write in the folder beside the program (%1: %2). Your game, scores and "
               "options are kept in %3 instead; the files in %1 are left as they are.")
        .arg(QDir::toNativeSeparators(folders.notUsed),
             QString::fromLocal8Bit(std::strerror(folders.notUsedBecause)),
             QDir::toNativeSeparators(folders.data));
}

}  // namespace quib::desktop
