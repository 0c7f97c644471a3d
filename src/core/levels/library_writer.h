#pragma once
// The level library file's safe replace (a temporary file flushed to the
// disk, then renamed) on a thread of its own, so the window thread never
// waits for the disk. One write at a time; its outcome is taken by the next
// save. The writer finishes a write under way before it goes. Plain C++.

#include <atomic>
#include <memory>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

namespace quib::records {
class Storage;
}

namespace quib::levels {

class LibraryWriter {
public:
    struct Outcome {
        bool written = false;
        std::string text;               // what the file now holds, when written
        std::uint64_t revision = 0;     // the library's revision that text is
        std::optional<std::string> stamp;  // the file as written
    };

    LibraryWriter() = default;
    ~LibraryWriter();  // waits for the write under way
    LibraryWriter(const LibraryWriter&) = delete;
    LibraryWriter& operator=(const LibraryWriter&) = delete;

    // Starts writing text to the file name of storage; false while another
    // write is under way.
    bool Start(std::shared_ptr<records::Storage> storage, std::string name, std::string text,
               std::uint64_t revision);
    bool Busy() const { return thread_.joinable() && !finished_.load(std::memory_order_acquire); }
    // The finished write's outcome, once.
    std::optional<Outcome> Take();

private:
    std::thread thread_;
    std::atomic<bool> finished_{false};
    Outcome outcome_;  // the thread's until finished_
};

}  // namespace quib::levels
