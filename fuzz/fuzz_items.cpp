// Feeds arbitrary bytes to the item reader, in every conversion, and checks
// that what the writer writes always reads back as it was written.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/records/items.h"
#include "harness.h"

using quib::fuzz::Check;
using quib::records::ItemReader;
using quib::records::ItemWriter;
using quib::records::ReadFailure;

namespace {

// Reads the whole text, choosing each item's conversion from the text
// itself, as a damaged data file would drive a real reader.
void ReadAll(std::string_view text) {
    ItemReader in(text);
    std::size_t k = 0;
    std::size_t items = 0;
    while (!in.AtEnd()) {
        const unsigned char choice = text.empty() ? 0 : static_cast<unsigned char>(text[k++ % text.size()]);
        try {
            switch (choice % 7) {
                case 0: (void)in.Text(); break;
                case 1: (void)in.Integer(-1000, 1000); break;
                case 2: (void)in.Number(); break;
                case 3: (void)in.OptionalInteger(0, 294); break;
                case 4: (void)in.OptionalNumber(); break;
                case 5: (void)in.Flag(); break;
                default: in.Skip(1 + choice % 3); break;
            }
        } catch (const ReadFailure&) {
        }
        // Every item read consumes text, so the loop ends.
        Check(++items <= text.size() + 1);
    }
}

void RoundTrip(std::string_view text) {
    // A text goes out quoted and comes back unchanged, its double quotes
    // turned into apostrophes.
    ItemWriter w;
    w.Text(text);
    std::int64_t n = 0;
    double x = 0;
    if (text.size() >= sizeof n) std::memcpy(&n, text.data(), sizeof n);
    if (text.size() >= sizeof x) std::memcpy(&x, text.data() + text.size() - sizeof x, sizeof x);
    w.Integer(n).Number(x).OptionalInteger(std::nullopt).Flag(text.size() % 2 == 0);

    ItemReader in(w.str());
    std::string expected(text);
    for (char& c : expected)
        if (c == '"') c = '\'';
    Check(in.Text() == expected);
    Check(in.Integer(INT64_MIN, INT64_MAX) == n);
    const double back = in.Number();
    Check(std::isfinite(x) ? back == x : back == 0);
    Check(!in.OptionalInteger(0, 1).has_value());
    Check(in.Flag() == (text.size() % 2 == 0));
    Check(in.AtEnd());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ReadAll(text);
    RoundTrip(text);
    return 0;
}
