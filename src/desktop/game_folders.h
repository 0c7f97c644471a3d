#pragma once
// Where the game finds its own files (help text, sound) and where it keeps
// the player's (levels, options, scores, saves, resume file).

#include <QString>

namespace quib::desktop {

struct GameFolders {
    QString program;  // holds help.txt and Sounds/; ends with '/'
    QString data;     // the data folder; ends with '/'
    bool writable = true;  // false when no folder for the player's files can be written
};

// The program's files lie beside the executable (a build or a portable copy)
// or, installed, in ../share/quib relative to it. The player's files go into
// the folder "data" beside the executable when the program's files lie there
// and that folder can be created and written; otherwise into userDataFolder
// (the desktop's per-user data location), created when missing. One folder
// holds all of them, never some here and some there. When neither can be
// written, the existing one is read and nothing can be saved.
GameFolders ChooseGameFolders(const QString& executableFolder, const QString& userDataFolder);

}  // namespace quib::desktop
