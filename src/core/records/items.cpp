#include "items.h"

#include <cerrno>
#include <charconv>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quib::records {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Plain decimal only: an optional sign, digits, an optional "." with digits.
// Exponents, "inf", "nan" and hexadecimal are refused, so that a damaged file
// cannot smuggle in a value the writer would never have produced.
bool IsPlainDecimal(std::string_view s, bool allowFraction) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.' && allowFraction && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

std::string Describe(std::string_view item) {
    constexpr std::size_t kShown = 40;
    std::string shown(item.substr(0, kShown));
    if (item.size() > kShown) shown += "...";
    return "\"" + shown + "\"";
}

}  // namespace

// ---------------------------------------------------------------- reading

ItemReader::ItemReader(std::string_view text) : text_(text), done_(text.empty()) {}

bool ItemReader::AtEnd() const { return done_; }

std::string_view ItemReader::Raw() {
    if (done_) throw ReadFailure("missing item");
    const std::size_t size = text_.size();
    std::size_t i = pos_;
    bool inQuotes = false;
    std::size_t end = size;  // where the item stops
    std::size_t next = size; // where the following item starts
    bool lineEnd = true;     // the text's end counts as a line end
    for (; i < size; ++i) {
        const char c = text_[i];
        if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == ',') {
            end = i;
            next = i + 1;
            lineEnd = false;
            break;
        } else if (!inQuotes && c == '\n') {
            end = i;
            next = i + 1;
            break;
        } else if (!inQuotes && c == '\r') {
            end = i;
            next = (i + 1 < size && text_[i + 1] == '\n') ? i + 2 : i + 1;
            break;
        }
    }
    if (inQuotes) {
        done_ = true;
        throw ReadFailure("text without its closing quote");
    }
    std::string_view item = text_.substr(pos_, end - pos_);
    pos_ = next;
    // A line end as the last thing in the text closes the last item rather
    // than opening an empty one; a comma there does open one.
    if (pos_ >= size && lineEnd) done_ = true;
    return Trim(item);
}

std::string ItemReader::Text() { return std::string(Unquoted()); }

std::string_view ItemReader::Unquoted() {
    std::string_view item = Raw();
    if (!item.empty() && item.front() == '"') {
        // Raw has made sure the quote closes; text after the closing quote
        // means the item is damaged, not a longer text.
        item.remove_prefix(1);
        const std::size_t close = item.find('"');
        if (close + 1 != item.size()) throw ReadFailure("text after the closing quote: " + Describe(item));
        item.remove_suffix(1);
    }
    return item;
}

std::int64_t ItemReader::Integer(std::int64_t min, std::int64_t max) {
    const std::optional<std::int64_t> n = OptionalInteger(min, max);
    if (!n) throw ReadFailure("empty item where a whole number is needed");
    return *n;
}

std::optional<std::int64_t> ItemReader::OptionalInteger(std::int64_t min, std::int64_t max) {
    const std::string_view item = Unquoted();
    if (item.empty()) return std::nullopt;
    if (!IsPlainDecimal(item, false)) throw ReadFailure("not a whole number: " + Describe(item));
    const char* first = item.data();
    const char* last = item.data() + item.size();
    if (*first == '+') ++first;
    std::int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) throw ReadFailure("number too large: " + Describe(item));
    if (value < min || value > max) throw ReadFailure("number out of range: " + Describe(item));
    return value;
}

double ItemReader::Number() {
    const std::optional<double> x = OptionalNumber();
    if (!x) throw ReadFailure("empty item where a number is needed");
    return *x;
}

std::optional<double> ItemReader::OptionalNumber() {
    const std::string_view item = Unquoted();
    if (item.empty()) return std::nullopt;
    if (!IsPlainDecimal(item, true)) throw ReadFailure("not a number: " + Describe(item));
    const char* first = item.data();
    const char* last = item.data() + item.size();
    if (*first == '+') ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        throw ReadFailure("number out of range: " + Describe(item));
    return value;
}

bool ItemReader::Flag() {
    const std::string_view item = Unquoted();
    if (item == "#TRUE#") return true;
    if (item == "#FALSE#") return false;
    throw ReadFailure("not a flag: " + Describe(item));
}

void ItemReader::Skip(int count) {
    for (int i = 0; i < count; ++i) Raw();
}

// ---------------------------------------------------------------- writing

void ItemWriter::Flush() const {
    out_.append(pending_, pendingSize_);
    pendingSize_ = 0;
}

ItemWriter& ItemWriter::Text(std::string_view s) {
    // The notation has no escape for a double quote; an apostrophe keeps the
    // text readable instead of splitting the file's items apart.
    const std::size_t size = s.size() + 3;  // the quotes and the line break
    if (pendingSize_ + size > sizeof pending_) Flush();
    if (size > sizeof pending_) {
        out_ += '"';
        for (const char c : s) out_ += (c == '"') ? '\'' : c;
        out_ += "\"\n";
        return *this;
    }
    char* at = pending_ + pendingSize_;
    *at++ = '"';
    for (const char c : s) *at++ = (c == '"') ? '\'' : c;
    *at++ = '"';
    *at++ = '\n';
    pendingSize_ += size;
    return *this;
}

ItemWriter& ItemWriter::AnyInteger(std::int64_t n) {
    constexpr std::size_t kLongest = 21;  // sign, 19 digits and the line break
    if (pendingSize_ + kLongest > sizeof pending_) Flush();
    char* const at = pending_ + pendingSize_;
    char* end = std::to_chars(at, at + kLongest - 1, n).ptr;
    *end++ = '\n';
    pendingSize_ += static_cast<std::size_t>(end - at);
    return *this;
}

void ItemWriter::Reserve(std::size_t bytes) { out_.reserve(bytes); }

std::string ItemWriter::Take() {
    Flush();
    std::string text = std::move(out_);
    out_.clear();
    return text;
}

ItemWriter& ItemWriter::Raw(std::string_view text) {
    Flush();
    out_ += text;
    return *this;
}

ItemWriter& ItemWriter::Number(double x) {
    // No finite file value stands for NaN or infinity; 0 reads back cleanly.
    if (!std::isfinite(x)) x = 0;
    // Fixed notation without a precision is the shortest text that reads back
    // to the same double, never with an exponent and never with a comma.
    Flush();
    char buf[400];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    if (ec == std::errc()) out_.append(buf, ptr);
    else out_ += '0';
    Separate();
    return *this;
}

ItemWriter& ItemWriter::OptionalNumber(const std::optional<double>& x) {
    if (x) return Number(*x);
    Separate();
    return *this;
}

ItemWriter& ItemWriter::Flag(bool b) {
    Flush();
    out_ += b ? "#TRUE#" : "#FALSE#";
    Separate();
    return *this;
}

}  // namespace quib::records
