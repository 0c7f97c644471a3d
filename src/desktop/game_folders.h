#pragma once
// Where the game finds its own files (help text, sound) and where it keeps
// the player's (levels, options, scores, saves, resume file).

#include <QString>

namespace quib::desktop {

struct GameFolders {
    QString program;  // holds help.txt and Sounds/; ends with '/'
    QString data;     // the data folder; ends with '/'
    bool writable = true;  // false when no folder for the player's files can be written
    // The folder "data" beside the program when it holds the player's files
    // but cannot be written, so that they are kept elsewhere; empty otherwise.
    QString notUsed;
    int notUsedBecause = 0;  // why it cannot be written (an errno)
};

// What the player is told when the folder beside the program cannot be
// written and the files are kept in the per-user folder instead; empty when
// there is nothing to tell.
QString MovedFilesNotice(const GameFolders& folders);

// The program's files lie beside the executable (a build or a portable copy)
// or, installed, in ../share/quib relative to it. The player's files go into
// the folder "data" beside the executable when the program's files lie there
// and that folder can be created and written; otherwise into userDataFolder
// (the desktop's per-user data location), created when missing; the player
// is told when an existing folder beside the program is passed over. One
// folder holds all of them, never some here and some there. When neither can be
// written, the existing one is read and nothing can be saved.
GameFolders ChooseGameFolders(const QString& executableFolder, const QString& userDataFolder);

}  // namespace quib::desktop
