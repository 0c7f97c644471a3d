// The data folder as a whole: reading and writing its files by name, keeping
// the files that this run could not read, and clearing away the temporary
// files of writes that a crash or a kill cut off.

#include <cstring>
#include <dirent.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "items.h"
#include "records.h"

namespace quib::records {

namespace {

// The names of the game's own files in the data folder.
bool IsOwnFileName(std::string_view name) {
    if (name == "levels.txt" || name == "data.txt" || name == "high.txt") return true;
    for (int slot = 1; slot <= 5; ++slot)
        if (name == SlotFileName(slot)) return true;
    return false;
}

// The name a safe write gives its temporary file: a dot, the file's name,
// the game's marker and the six letters or digits of mkstemp. Nothing else
// is taken for one: a player's "high.txt.backup" or "data.txt.200101" stays.
bool IsOwnTemporary(std::string_view name) {
    constexpr std::size_t kRandom = 6;
    const std::size_t tail = kTemporaryMarker.size() + kRandom;
    if (name.size() <= tail + 1 || name[0] != '.') return false;
    if (name.substr(name.size() - tail, kTemporaryMarker.size()) != kTemporaryMarker) return false;
    for (std::size_t i = name.size() - kRandom; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return IsOwnFileName(name.substr(1, name.size() - tail - 1));
}

}  // namespace

FileRead ReadFolderFile(Session& session, const std::string& name, std::string& content) {
    const FileRead result = ReadFile(session.DataFolder + name, content);
    if (result == FileRead::Unreadable) {
        session.files.Failures[name] = errno;
        session.files.Unreadable.insert(name);
    }
    return result;
}

bool WriteFolderFile(Session& session, const std::string& name, const std::string& content, FolderFlush folder) {
    if (session.files.Unreadable.count(name) != 0) return false;
    if (!WriteFileSafely(session.DataFolder + name, content, folder)) {
        session.files.Failures[name] = errno;
        return false;
    }
    session.files.Failures.erase(name);
    return true;
}

void RemoveStaleTemporaries(const Session& session) {
    DIR* dir = ::opendir(session.DataFolder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsOwnTemporary(entry->d_name)) continue;
        const std::string path = session.DataFolder + entry->d_name;
        struct stat st {};
        // Only a plain file of this user: a link, a pipe or another user's
        // file of that name was not left by this game's writes.
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace quib::records
