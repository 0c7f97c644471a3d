#include "game_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace quib::desktop {

namespace {

QString WithSlash(const QString& folder) { return QDir::cleanPath(folder) + QLatin1Char('/'); }

// Created when missing, and a file can really be made in it (a read-only
// file system or folder says no even to root).
bool CanWriteIn(const QString& folder) {
    if (!QDir().mkpath(folder)) return false;
    QTemporaryFile probe(folder + QStringLiteral(".write-test-XXXXXX"));
    return probe.open();
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
    if (!installed && CanWriteIn(besideData))
        folders.data = besideData;
    else if (CanWriteIn(userData))
        folders.data = userData;
    else {
        folders.data = !installed && QFileInfo(besideData).isDir() ? besideData : userData;
        folders.writable = false;
    }
    return folders;
}

}  // namespace quib::desktop
