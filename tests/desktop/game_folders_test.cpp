// Where the game keeps the player's files: beside a build or portable copy
// while that can be written, else in the per-user location; an installed game
// always in the per-user location, with its own files in ../share/quib.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

#include "desktop/game_folders.h"

namespace quib::desktop {
namespace {

std::string S(const QString& text) { return text.toStdString(); }

void MakeFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// Root writes into read-only folders, so "cannot be written" is a folder
// whose place is taken by a regular file.
TEST(GameFolders, PlayerFilesGoWhereTheyCanBeWrittenAndStayTogether) {
    QTemporaryDir tmp;
    const QString root = tmp.path() + QLatin1Char('/');
    const QString user = root + QStringLiteral("home/.local/share/Quib");

    // A build or portable copy: everything beside the program.
    MakeFile(root + QStringLiteral("copy/help.txt"));
    GameFolders f = ChooseGameFolders(root + QStringLiteral("copy"), user);
    EXPECT_EQ(S(f.program), S(root + QStringLiteral("copy/")));
    EXPECT_EQ(S(f.data), S(root + QStringLiteral("copy/data/")));
    EXPECT_FALSE(QFileInfo::exists(user)) << "nothing of the player's lies in the per-user location";

    // Installed: the program's files in share/quib, the player's per user,
    // created when missing.
    MakeFile(root + QStringLiteral("usr/share/quib/help.txt"));
    QDir().mkpath(root + QStringLiteral("usr/bin"));
    f = ChooseGameFolders(root + QStringLiteral("usr/bin"), user);
    EXPECT_EQ(S(f.program), S(root + QStringLiteral("usr/share/quib/")));
    EXPECT_EQ(S(f.data), S(user + QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(user).isDir());
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("usr/bin/data")));

    // A copy whose data folder cannot be made: per user.
    MakeFile(root + QStringLiteral("stuck/help.txt"));
    MakeFile(root + QStringLiteral("stuck/data"));
    EXPECT_EQ(S(ChooseGameFolders(root + QStringLiteral("stuck"), user).data), S(user + QLatin1Char('/')));
}

}  // namespace
}  // namespace quib::desktop
