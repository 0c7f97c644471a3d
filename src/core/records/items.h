#pragma once
// The item notation of every data file the game reads or writes: a flat
// sequence of items separated by commas (outside quotes) or line ends,
// texts in double quotes, numbers in plain decimal with "." as the decimal
// point, flags as #TRUE# / #FALSE#, an unset number as an empty item.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "storage.h"

namespace quib::records {

// Thrown by ItemReader when an item is missing or does not convert.
struct ReadFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ItemReader {
public:
    explicit ItemReader(std::string_view text);
    bool AtEnd() const;
    // The next item, trimmed and unquoted; throws ReadFailure at the end.
    std::string Text();
    // The next item as a whole number within [min, max].
    std::int64_t Integer(std::int64_t min, std::int64_t max);
    // The next item as a number (may have a fraction).
    double Number();
    // The next item as a whole number, or nothing when the item is empty.
    std::optional<std::int64_t> OptionalInteger(std::int64_t min, std::int64_t max);
    // The next item as a number, or nothing when the item is empty.
    std::optional<double> OptionalNumber();
    bool Flag();
    void Skip(int count = 1);

private:
    std::string_view Raw();
    // The next item without its quotes, as it stands in the text.
    std::string_view Unquoted();
    std::string_view text_;
    std::size_t pos_ = 0;
    bool done_ = false;
};

class ItemWriter {
public:
    ItemWriter& Text(std::string_view s);
    [[gnu::always_inline]] ItemWriter& Integer(std::int64_t n) {
        // Cell numbers and counts, nearly every number the files hold, are
        // written here without a call: a library is some 60,000 of them.
        if (n < 0 || n >= 1000 || pendingSize_ + 4 > sizeof pending_) return AnyInteger(n);
        const auto v = static_cast<int>(n);
        char* at = pending_ + pendingSize_;
        if (v >= 100) *at++ = static_cast<char>('0' + v / 100);
        if (v >= 10) *at++ = static_cast<char>('0' + v / 10 % 10);
        *at++ = static_cast<char>('0' + v % 10);
        *at++ = '\n';
        pendingSize_ = static_cast<std::size_t>(at - pending_);
        return *this;
    }
    ItemWriter& Number(double x);
    [[gnu::always_inline]] ItemWriter& OptionalInteger(const std::optional<int>& n) {
        if (n) return Integer(*n);
        Separate();
        return *this;
    }
    ItemWriter& OptionalNumber(const std::optional<double>& x);
    ItemWriter& Flag(bool b);
    const std::string& str() const {
        Flush();
        return out_;
    }
    void Reserve(std::size_t bytes);
    // Writes into this string's memory (its text is dropped).
    void Reuse(std::string&& memory) {
        out_ = std::move(memory);
        out_.clear();
    }
    // Hands over the text written so far and starts afresh.
    std::string Take();
    // Text already in the items' form, as it stands.
    ItemWriter& Raw(std::string_view text);
    // The text written since the writer held `from` characters.
    std::string_view Since(std::size_t from) const {
        Flush();
        return std::string_view(out_).substr(from);
    }
    std::size_t Size() const { return out_.size() + pendingSize_; }

private:
    ItemWriter& AnyInteger(std::int64_t n);
    // Every item ends with its own line break, so an empty last item
    // survives the reader's rule that a final line break closes the text.
    void Separate() {
        if (pendingSize_ == sizeof pending_) Flush();
        pending_[pendingSize_++] = '\n';
    }
    // Numbers are gathered here and joined to the text in batches: a library
    // is some 60,000 of them, and one append each cost most of its writing.
    void Flush() const;
    mutable std::string out_;
    mutable char pending_[1024];
    mutable std::size_t pendingSize_ = 0;
};

}  // namespace quib::records
