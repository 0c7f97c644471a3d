#pragma once
// Where the game's files are kept: reading a file whole, replacing it
// safely and telling one version of it from another, by the file's name in
// the data folder. The item notation the files are written in is items.h.
// The core reads and writes its files only through a Storage: on the desktop
// the data folder guarded by the folder lock (folder_lock.h), in tests a
// temporary folder or memory.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quib::records {

class FolderLock;

// The largest data file the game reads. A full library of the most levels
// the tables hold is under 1 MB; anything larger is not the game's.
constexpr std::size_t kMaxFileSize = 4u << 20;
// What became of reading a file.
enum class FileRead {
    Read,        // the content is complete
    Missing,     // no such file (or its folder is missing)
    Refused,     // not a regular file, or larger than kMaxFileSize: damaged
    Unreadable,  // there but not readable (permissions, an I/O error)
};
// Whether a safe replace flushes the folder after the rename as well. Either
// way a crash leaves the old file or the new one, never a cut one; without
// the flush the last rename may be undone by a crash, which suits a cache
// that is rewritten over and over, and saves a wait on the disk.
enum class FolderFlush { Flush, Skip };
// What a safe write puts between the file's name and the six characters.
constexpr std::string_view kTemporaryMarker = ".quib-tmp-";
// Why a write was refused when the data folder is no longer this game's: it
// was moved or removed while the game ran, and another copy of the game now
// holds the folder at its place. Kept where an errno is kept; no errno has
// this value.
constexpr int kFolderTakenOver = -1;

// Reads a whole regular file. Opens without blocking, so a named pipe or a
// device in a file's place never holds the game up; refuses anything but a
// regular file, and a file larger than kMaxFileSize without reading it.
// errno tells why a file is Unreadable.
FileRead ReadFile(const std::string& path, std::string& content);
// What tells one version of a file from another: its folder entry, size and
// modification time; nothing when there is no such file.
std::optional<std::string> FileStampOf(const std::string& path);
// Reads a whole file; false when it cannot be read for any reason.
bool ReadWholeFile(const std::string& path, std::string& content);
// Replaces a file safely: the content goes to a temporary file in the same
// folder, every write is checked, the file is flushed to disk and renamed
// over the old one. On any failure the old file is left as it was and the
// result is false. The new file keeps the old one's permissions (a file made
// new gets 0666 less the umask, as any new file). The temporary file of
// "high.txt" is named ".high.txt.quib-tmp-" and six letters or digits:
// hidden, and marked as the game's own, so that no name a player gives a copy
// is ever taken for one. On failure errno tells why.
bool WriteFileSafely(const std::string& path, const std::string& content, FolderFlush folder = FolderFlush::Flush);
// The same in the folder open at the descriptor folderFd, by the file's name.
bool WriteFileSafelyAt(int folderFd, const std::string& name, const std::string& content, FolderFlush folder);
// True for the name of a temporary file that a safe replace of one of
// ownNames makes: "." + name + kTemporaryMarker + six letters or digits.
bool IsTemporaryOf(std::string_view name, const std::function<bool(std::string_view)>& ownName);
// Removes from the folder the temporary files of safe replaces that a crash or
// a kill cut off: plain files of this user whose names IsTemporaryOf takes as
// a temporary of ownName's files, nothing else.
void RemoveTemporaries(const std::string& folder, const std::function<bool(std::string_view)>& ownName);

// The names of the game's own files in the data folder (levels.txt, data.txt,
// high.txt, the five slots).
bool IsDataFileName(std::string_view name);

// The files of one data folder, by name. Safe for use from two threads.
class Storage {
public:
    virtual ~Storage() = default;
    // The folder's path as the player knows it, ending with '/'.
    virtual const std::string& Folder() const = 0;
    virtual FileRead Read(const std::string& name, std::string& content) = 0;
    // false, with errno (or kFolderTakenOver) set, when the file was not written.
    virtual bool Replace(const std::string& name, const std::string& content, FolderFlush flush) = 0;
    virtual std::optional<std::string> Stamp(const std::string& name) = 0;
    // Clears away the temporary files that cut-off writes left (see RemoveTemporaries).
    virtual void RemoveStaleTemporaries() = 0;
};

// The data folder on disk. Given a lock, every write first makes sure that
// the folder at the path is still the one this game holds (or takes it
// afresh where no other copy holds it) and writes into that very folder;
// otherwise it writes nothing.
class FolderStorage final : public Storage {
public:
    explicit FolderStorage(std::string folder, std::shared_ptr<FolderLock> lock = nullptr);
    const std::string& Folder() const override { return folder_; }
    FileRead Read(const std::string& name, std::string& content) override;
    bool Replace(const std::string& name, const std::string& content, FolderFlush flush) override;
    std::optional<std::string> Stamp(const std::string& name) override;
    void RemoveStaleTemporaries() override;

private:
    std::string folder_;
    std::shared_ptr<FolderLock> lock_;
};

}  // namespace quib::records
