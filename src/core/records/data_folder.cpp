// The data folder as a whole: reading and writing its files by name through
// the game's storage, keeping the files that this run could not read, and
// clearing away the temporary files of writes that a crash or a kill cut off.

#include <cerrno>
#include <string_view>

#include "records.h"
#include "storage.h"

namespace quib::records {

bool IsDataFileName(std::string_view name) {
    if (name == "levels.txt" || name == "data.txt" || name == "high.txt") return true;
    for (int slot = 1; slot <= 5; ++slot)
        if (name == SlotFileName(slot)) return true;
    return false;
}

FileRead ReadFolderFile(Session& session, const std::string& name, std::string& content) {
    const FileRead result = session.storage->Read(name, content);
    if (result == FileRead::Unreadable) {
        session.files.Failures[name] = errno;
        session.files.Unreadable.insert(name);
    }
    return result;
}

bool WriteFolderFile(Session& session, const std::string& name, const std::string& content, FolderFlush folder) {
    if (session.files.Unreadable.count(name) != 0) return false;
    if (!session.storage->Replace(name, content, folder)) {
        session.files.Failures[name] = errno;
        return false;
    }
    session.files.Failures.erase(name);
    return true;
}

void RemoveStaleTemporaries(const Session& session) { session.storage->RemoveStaleTemporaries(); }

}  // namespace quib::records
