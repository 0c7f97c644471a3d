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

// The name a safe write gives its temporary file: the file's name, a dot and
// the six letters or digits of mkstemp.
bool IsOwnTemporary(std::string_view name) {
    constexpr std::size_t kSuffix = 7;
    if (name.size() <= kSuffix || name[name.size() - kSuffix] != '.') return false;
    for (std::size_t i = name.size() - kSuffix + 1; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return IsOwnFileName(name.substr(0, name.size() - kSuffix));
}

}  // namespace

FileRead ReadFolderFile(Form1& form, const std::string& name, std::string& content) {
    const FileRead result = ReadFile(form.DataFolder + name, content);
    if (result == FileRead::Unreadable) form.files.Unreadable.insert(name);
    return result;
}

bool WriteFolderFile(Form1& form, const std::string& name, const std::string& content, FolderFlush folder) {
    if (form.files.Unreadable.count(name) != 0) return false;
    return WriteFileSafely(form.DataFolder + name, content, folder);
}

void RemoveStaleTemporaries(const Form1& form) {
    DIR* dir = ::opendir(form.DataFolder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsOwnTemporary(entry->d_name)) continue;
        const std::string path = form.DataFolder + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace quib::records
