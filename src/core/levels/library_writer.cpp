// The level library's writes on their own thread. See library_writer.h.

#include "library_writer.h"

#include "../records/storage.h"

namespace quib::levels {

LibraryWriter::~LibraryWriter() {
    if (thread_.joinable()) thread_.join();
}

bool LibraryWriter::Start(std::shared_ptr<records::Storage> storage, std::string name, std::string text,
                          std::uint64_t revision) {
    if (Busy()) return false;
    if (thread_.joinable()) thread_.join();  // a finished write whose outcome nobody took
    finished_.store(false, std::memory_order_relaxed);
    outcome_ = Outcome{false, std::move(text), revision, std::nullopt};
    thread_ = std::thread([this, storage = std::move(storage), name = std::move(name)] {
        // The library is a cache rewritten after every new puzzle: the folder
        // is not flushed (see WriteLevelLibrary).
        outcome_.written = storage->Replace(name, outcome_.text, records::FolderFlush::Skip);
        if (outcome_.written) outcome_.stamp = storage->Stamp(name);
        finished_.store(true, std::memory_order_release);
    });
    return true;
}

std::optional<LibraryWriter::Outcome> LibraryWriter::Take() {
    if (!thread_.joinable() || !finished_.load(std::memory_order_acquire)) return std::nullopt;
    thread_.join();
    return std::move(outcome_);
}

}  // namespace quib::levels
