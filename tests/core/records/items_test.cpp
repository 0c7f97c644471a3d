// The item notation of the data files, read and written, and the safe
// replacement of a file: the whole new file or the old one, never a cut one.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "core/records/items.h"
#include "support/play.h"
#include "support/test_game.h"

namespace quib::records {
namespace {

namespace fs = std::filesystem;
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// ------------------------------------------------------------ the reader
// A reader splits at commas outside quotes and at line ends alike, trims
// blanks outside quotes, removes the quotes and converts each item or fails.

TEST(ItemReader, SplitsAtCommasAndLineEndsAlike) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"1,2,3,4", {"1", "2", "3", "4"}},
        {"1\n2\n3\n4\n", {"1", "2", "3", "4"}},
        {"1\r\n2\r\n3\r\n4", {"1", "2", "3", "4"}},
        {"1,2\n3\r\n4\r\n", {"1", "2", "3", "4"}},
        // Empty items count, except after a final line break.
        {"5,,\n\n7,\n", {"5", "", "", "", "7", ""}},
        {"", {}},
        {"\"Smith, John\",\"two\nlines\", 7", {"Smith, John", "two\nlines", "7"}},
        {"  12\t,  \"  padded  \"  , plain text \n", {"12", "  padded  ", "plain text"}},
    };
    for (const auto& [text, items] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(text)));
        ItemReader r(text);
        for (const std::string& item : items) {
            ASSERT_FALSE(r.AtEnd());
            EXPECT_EQ(r.Text(), item);
        }
        EXPECT_TRUE(r.AtEnd());
        EXPECT_THROW(r.Text(), ReadFailure);
        EXPECT_THROW(r.Skip(), ReadFailure);
    }
}

TEST(ItemReader, ConvertsNumbersFlagsAndQuotedNumbers) {
    ItemReader r("-42,+3,\"17\",,2.5,-0.125,10,.5,,#TRUE#,#FALSE#, #TRUE# ,\"Level\",9");
    EXPECT_EQ(r.Integer(-100, 100), -42);
    EXPECT_EQ(r.Integer(0, 100), 3);
    EXPECT_EQ(r.OptionalInteger(0, 100), 17);
    EXPECT_EQ(r.OptionalInteger(0, 100), std::nullopt);
    for (double x : {2.5, -0.125, 10.0}) EXPECT_DOUBLE_EQ(r.Number(), x);
    EXPECT_EQ(r.OptionalNumber(), 0.5);
    EXPECT_EQ(r.OptionalNumber(), std::nullopt);
    for (bool flag : {true, false, true}) EXPECT_EQ(r.Flag(), flag);
    r.Skip();
    EXPECT_EQ(r.Integer(0, 9), 9);
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemReader, RefusesItemsThatDoNotConvert) {
    // Each text holds one item that must not convert.
    for (const char* bad : {",", "abc", "1.5", "1e3", "0x10", "12abc", "-", "+", "1 2", "--1", "#TRUE#",
                            "99999999999999999999999", "\"12\"x", "\"a\"\"b\"", "\"12"}) {
        ItemReader r(bad);
        EXPECT_THROW(r.Integer(kMin, kMax), ReadFailure) << bad;
    }
    for (const char* bad : {",", "abc", "1e3", "1;5", "inf", "nan", "0x1p3", "1.2.3", ".", "-."}) {
        ItemReader r(bad);
        EXPECT_THROW(r.Number(), ReadFailure) << bad;
    }
    for (const char* bad : {",", "TRUE", "#true#", "-1", "0", "\"#TRUE\""}) {
        ItemReader r(bad);
        EXPECT_THROW(r.Flag(), ReadFailure) << bad;
    }
    // The range holds at both ends, for a required and an optional item.
    ItemReader r("0,1,294,295,-1");
    EXPECT_THROW(r.Integer(1, 294), ReadFailure);
    EXPECT_EQ(r.Integer(1, 294), 1);
    EXPECT_EQ(r.Integer(1, 294), 294);
    EXPECT_THROW(r.OptionalInteger(1, 294), ReadFailure);
    EXPECT_THROW(r.Integer(0, 294), ReadFailure);
}

TEST(ItemReader, DamagedItemDoesNotSpillIntoTheNext) {
    // Text after a closing quote spoils that item only; a quote that never
    // closes spoils the rest of the text.
    ItemReader r("\"12\"x, \"ok\" ,7,\"never closed, 2, 3");
    EXPECT_THROW(r.Text(), ReadFailure);
    EXPECT_EQ(r.Text(), "ok");
    EXPECT_EQ(r.Integer(0, 9), 7);
    EXPECT_THROW(r.Text(), ReadFailure);
    EXPECT_TRUE(r.AtEnd());
}

// ------------------------------------------------------------ the writer
// The writer puts each item on a line of its own, in the forms the reader
// takes back unchanged.

TEST(ItemWriter, WritesTheNotationAndItReadsBackUnchanged) {
    ItemWriter w;
    w.Text("Smith, John").Integer(-12).Flag(true).Flag(false).OptionalInteger(std::nullopt).OptionalInteger(9);
    EXPECT_EQ(w.str(), "\"Smith, John\"\n-12\n#TRUE#\n#FALSE#\n\n9\n");
    const double numbers[] = {0.0, 1.0 / 3.0, 86399.123456789, -1e-300, 1e300, 12345678.9};
    w.Text("a \"quoted\" word").Text("  blanks  ").Text("");
    for (double x : numbers) w.Number(x);
    w.OptionalNumber(std::nullopt).OptionalNumber(4.75).Integer(kMin).Integer(kMax);
    w.OptionalInteger(std::nullopt);  // an empty last item must survive too

    const std::string text = w.Take();
    EXPECT_TRUE(w.str().empty());  // taking the text starts a new one
    ItemReader r(text);
    EXPECT_EQ(r.Text(), "Smith, John");
    EXPECT_EQ(r.Integer(-12, -12), -12);
    EXPECT_TRUE(r.Flag());
    EXPECT_FALSE(r.Flag());
    EXPECT_EQ(r.OptionalInteger(0, 9), std::nullopt);
    EXPECT_EQ(r.OptionalInteger(0, 9), 9);
    EXPECT_EQ(r.Text(), "a 'quoted' word");  // no escape exists for a quote
    EXPECT_EQ(r.Text(), "  blanks  ");
    EXPECT_EQ(r.Text(), "");
    for (double x : numbers) EXPECT_EQ(r.Number(), x);
    EXPECT_EQ(r.OptionalNumber(), std::nullopt);
    EXPECT_EQ(r.OptionalNumber(), 4.75);
    EXPECT_EQ(r.Integer(kMin, 0), kMin);
    EXPECT_EQ(r.Integer(0, kMax), kMax);
    EXPECT_EQ(r.OptionalInteger(0, 1), std::nullopt);
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemWriter, NumbersArePlainDecimalWithoutExponent) {
    const std::pair<double, const char*> numbers[] = {{0.1, "0.1"}, {3, "3"}, {-7.25, "-7.25"},
                                                      {1e20, "100000000000000000000"}, {1e-7, "0.0000001"},
                                                      {86399.99, "86399.99"}, {NAN, "0"}};
    for (const auto& [x, text] : numbers) {
        ItemWriter w;
        w.Number(x);
        EXPECT_EQ(w.str(), std::string(text) + "\n") << x;
    }
}

// ------------------------------------------------------------ files
// The reader takes a regular file of up to the cap, and refuses a pipe, a
// folder and anything larger, without waiting for a pipe's writer.

TEST(FileReader, TakesOnlyARegularFileOfAtMostTheCap) {
    testing::TempFolder dir;
    std::string content = "kept";
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
    fs::create_directory(dir.file("folder"));
    EXPECT_EQ(ReadFile(dir.file("pipe"), content), FileRead::Refused);
    EXPECT_EQ(ReadFile(dir.file("folder"), content), FileRead::Refused);
    EXPECT_EQ(ReadFile(dir.file("none"), content), FileRead::Missing);
    EXPECT_EQ(content, "kept");

    std::string big(kMaxFileSize, 'x');
    { std::ofstream(dir.file("big"), std::ios::binary) << big; }
    ASSERT_EQ(ReadFile(dir.file("big"), content), FileRead::Read);
    EXPECT_EQ(content.size(), kMaxFileSize);
    { std::ofstream(dir.file("big"), std::ios::binary | std::ios::app) << 'x'; }
    EXPECT_EQ(ReadFile(dir.file("big"), content), FileRead::Refused);
    EXPECT_EQ(content.size(), kMaxFileSize);
}

// A safe write replaces the whole file or leaves the old one as it was, with
// no temporary file left behind, whether or not it flushes the folder.

class SafeWrite : public ::testing::TestWithParam<FolderFlush> {
protected:
    bool Write(const std::string& path, const std::string& content) const {
        return WriteFileSafely(path, content, GetParam());
    }
    std::string Contents(const std::string& path) const {
        std::string s;
        EXPECT_TRUE(ReadWholeFile(path, s)) << path;
        return s;
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()));
    }
    testing::TempFolder dir_;
};

TEST_P(SafeWrite, CreatesAndReplacesTheFile) {
    const std::string path = dir_.file("levels.txt");
    std::string big(200000, 'q');
    big += "\r\nend";
    for (const std::string& content : {std::string("first\n"), std::string("second, longer content\n"),
                                       std::string(), big}) {
        ASSERT_TRUE(Write(path, content));
        EXPECT_TRUE(Contents(path) == content) << content.size() << " bytes";
    }
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_P(SafeWrite, FailureLeavesTheOldFileIntact) {
    const std::string path = dir_.file("levels.txt");
    const std::string old = "old content that must survive\n";
    ASSERT_TRUE(Write(path, old));
    {
        // A file size limit makes the write stop part-way, as a full disk would.
        testing::SmallFileLimit fullDisk;
        EXPECT_FALSE(Write(path, std::string(100000, 'x')));
    }
    // As root a read-only folder does not stop a write; a folder whose parent
    // is a regular file does.
    EXPECT_FALSE(Write(path + "/levels.txt", "content"));
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);

    // A non-empty folder in the file's place cannot be renamed over.
    const std::string folder = dir_.file("high.txt");
    fs::create_directories(folder + "/inside");
    EXPECT_FALSE(Write(folder, "content"));
    EXPECT_TRUE(fs::is_directory(folder + "/inside"));
    EXPECT_EQ(FilesInFolder(), 2u);
}

INSTANTIATE_TEST_SUITE_P(, SafeWrite, ::testing::Values(FolderFlush::Flush, FolderFlush::Skip),
                         [](const auto& info) { return info.param == FolderFlush::Flush ? "FlushingTheFolder" : "NotFlushingTheFolder"; });

}  // namespace
}  // namespace quib::records
