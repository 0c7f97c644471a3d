#pragma once
// The game's files kept in memory instead of a folder: for the fuzzers,
// whose cost would otherwise be the disk rather than the readers, and for
// tests that choose what a write meets.

#include <cerrno>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "core/records/storage.h"

namespace quib::testing {

class MemoryStorage final : public records::Storage {
public:
    explicit MemoryStorage(std::string folder = "/memory/") : folder_(std::move(folder)) {}
    const std::string& Folder() const override { return folder_; }

    records::FileRead Read(const std::string& name, std::string& content) override {
        std::lock_guard<std::mutex> hold(mutex_);
        const auto found = files_.find(name);
        if (found == files_.end()) return records::FileRead::Missing;
        if (found->second.size() > records::kMaxFileSize) return records::FileRead::Refused;
        content = found->second;
        return records::FileRead::Read;
    }
    bool Replace(const std::string& name, const std::string& content, records::FolderFlush) override {
        std::lock_guard<std::mutex> hold(mutex_);
        if (refuseWith_ != 0) {
            errno = refuseWith_;
            return false;
        }
        files_[name] = content;
        ++versions_[name];
        return true;
    }
    std::optional<std::string> Stamp(const std::string& name) override {
        std::lock_guard<std::mutex> hold(mutex_);
        if (files_.count(name) == 0) return std::nullopt;
        return std::to_string(versions_[name]);
    }
    void RemoveStaleTemporaries() override {}

    // Puts a file in place, as someone else would; nothing when content is empty.
    void Put(const std::string& name, std::optional<std::string> content) {
        std::lock_guard<std::mutex> hold(mutex_);
        if (content) files_[name] = std::move(*content);
        else files_.erase(name);
        ++versions_[name];
    }
    std::optional<std::string> Get(const std::string& name) {
        std::lock_guard<std::mutex> hold(mutex_);
        const auto found = files_.find(name);
        return found == files_.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    // Every write from now fails with this errno (0: none does).
    void RefuseWrites(int error) {
        std::lock_guard<std::mutex> hold(mutex_);
        refuseWith_ = error;
    }

private:
    std::mutex mutex_;
    std::string folder_;
    std::map<std::string, std::string> files_;
    std::map<std::string, unsigned long> versions_;
    int refuseWith_ = 0;
};

}  // namespace quib::testing
