// The item notation of the data files, and the safe replacement of a file.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "core/records/items.h"

namespace quib::records {
namespace {

namespace fs = std::filesystem;

// ------------------------------------------------------------ the reader
// A reader splits at commas outside quotes and at line ends alike, trims
// blanks, removes quotes and converts each item or fails.

TEST(ItemReader, SplitsAtCommasAndLineEndsAlike) {
    for (const char* text : {"1,2,3,4", "1\n2\n3\n4\n", "1\r\n2\r\n3\r\n4", "1,2\n3\r\n4\r\n"}) {
        ItemReader r(text);
        for (int expected = 1; expected <= 4; ++expected) {
            ASSERT_FALSE(r.AtEnd()) << text;
            EXPECT_EQ(r.Integer(0, 9), expected) << text;
        }
        EXPECT_TRUE(r.AtEnd()) << text;
        EXPECT_THROW(r.Integer(0, 9), ReadFailure) << text;
    }
}

TEST(ItemReader, KeepsCommasAndLineEndsInsideQuotes) {
    ItemReader r("\"Smith, John\",\"two\nlines\", 7");
    EXPECT_EQ(r.Text(), "Smith, John");
    EXPECT_EQ(r.Text(), "two\nlines");
    EXPECT_EQ(r.Integer(0, 10), 7);
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemReader, TrimsBlanksOutsideQuotesOnly) {
    ItemReader r("  12\t,  \"  padded  \"  , plain text \n");
    EXPECT_EQ(r.Integer(0, 100), 12);
    EXPECT_EQ(r.Text(), "  padded  ");
    EXPECT_EQ(r.Text(), "plain text");
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemReader, EmptyItemsAreItemsOfTheirOwn) {
    ItemReader r("5,,\n\n7,\n");
    EXPECT_EQ(r.OptionalInteger(0, 9), 5);
    EXPECT_EQ(r.OptionalInteger(0, 9), std::nullopt);  // between the commas
    EXPECT_EQ(r.OptionalInteger(0, 9), std::nullopt);  // after the second comma
    EXPECT_EQ(r.OptionalInteger(0, 9), std::nullopt);  // the empty line
    EXPECT_EQ(r.OptionalInteger(0, 9), 7);
    EXPECT_EQ(r.OptionalNumber(), std::nullopt);  // after the last comma
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemReader, AFinalLineBreakIsOptional) {
    ItemReader with("1\n2\n");
    ItemReader without("1\n2");
    for (ItemReader* r : {&with, &without}) {
        EXPECT_EQ(r->Integer(0, 5), 1);
        EXPECT_EQ(r->Integer(0, 5), 2);
        EXPECT_TRUE(r->AtEnd());
    }
    ItemReader empty("");
    EXPECT_TRUE(empty.AtEnd());
    EXPECT_THROW(empty.Text(), ReadFailure);
}

TEST(ItemReader, ConvertsNumbersFlagsAndQuotedNumbers) {
    ItemReader r("-42,+3,\"17\",2.5,-0.125,10,.5,#TRUE#,#FALSE#, #TRUE# ");
    EXPECT_EQ(r.Integer(-100, 100), -42);
    EXPECT_EQ(r.Integer(0, 100), 3);
    EXPECT_EQ(r.Integer(0, 100), 17);
    EXPECT_DOUBLE_EQ(r.Number(), 2.5);
    EXPECT_DOUBLE_EQ(r.Number(), -0.125);
    EXPECT_DOUBLE_EQ(r.Number(), 10.0);
    EXPECT_DOUBLE_EQ(r.Number(), 0.5);
    EXPECT_TRUE(r.Flag());
    EXPECT_FALSE(r.Flag());
    EXPECT_TRUE(r.Flag());
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemReader, RefusesItemsThatDoNotConvert) {
    // Each text holds one item that must not convert to a whole number.
    for (const char* bad : {"abc", "1.5", "1e3", "0x10", "12abc", "-", "+", "1 2", "--1", "#TRUE#",
                            "99999999999999999999999"}) {
        ItemReader r(bad);
        EXPECT_THROW(r.Integer(std::numeric_limits<std::int64_t>::min(),
                               std::numeric_limits<std::int64_t>::max()),
                     ReadFailure)
            << bad;
    }
    for (const char* bad : {"abc", "1e3", "1;5", "inf", "nan", "0x1p3", "1.2.3", ".", "-."}) {
        ItemReader r(bad);
        EXPECT_THROW(r.Number(), ReadFailure) << bad;
    }
    for (const char* bad : {"TRUE", "#true#", "-1", "0", "", "\"#TRUE\""}) {
        ItemReader r(bad);
        EXPECT_THROW(r.Flag(), ReadFailure) << bad;
    }
}

TEST(ItemReader, EmptyItemIsAFailureWhereAValueIsRequired) {
    ItemReader r(",,");
    EXPECT_THROW(r.Integer(0, 9), ReadFailure);
    EXPECT_THROW(r.Number(), ReadFailure);
    EXPECT_THROW(r.Flag(), ReadFailure);
}

TEST(ItemReader, EnforcesTheGivenRangeAtBothEnds) {
    ItemReader r("0,1,294,295,-1");
    EXPECT_THROW(r.Integer(1, 294), ReadFailure);
    EXPECT_EQ(r.Integer(1, 294), 1);
    EXPECT_EQ(r.Integer(1, 294), 294);
    EXPECT_THROW(r.OptionalInteger(1, 294), ReadFailure);
    EXPECT_THROW(r.Integer(0, 294), ReadFailure);
}

TEST(ItemReader, TextAfterTheClosingQuoteIsAFailure) {
    ItemReader r("\"12\"x,\"a\"\"b\", \"ok\" ,7");
    EXPECT_THROW(r.Integer(0, 99), ReadFailure);
    EXPECT_THROW(r.Text(), ReadFailure);
    EXPECT_EQ(r.Text(), "ok");
    EXPECT_EQ(r.Integer(0, 9), 7);
}

TEST(ItemReader, UnclosedQuoteIsAFailureAndEndsTheText) {
    ItemReader r("1,\"never closed, 2, 3");
    EXPECT_EQ(r.Integer(0, 9), 1);
    EXPECT_THROW(r.Text(), ReadFailure);
    EXPECT_TRUE(r.AtEnd());
}

TEST(ItemReader, SkipPassesOverItemsAndFailsPastTheEnd) {
    ItemReader r("\"Level\",1,\"Pieces\",4");
    r.Skip();
    EXPECT_EQ(r.Integer(0, 9), 1);
    r.Skip();
    EXPECT_EQ(r.Integer(0, 9), 4);
    EXPECT_THROW(r.Skip(), ReadFailure);
    ItemReader s("a,b");
    EXPECT_THROW(s.Skip(3), ReadFailure);
}

// ------------------------------------------------------------ the writer
// The writer produces what the reader reads back, in the notation's forms.

TEST(ItemWriter, WritesEachFormInTheNotation) {
    ItemWriter w;
    w.Text("Smith, John").Integer(-12).Number(2.5).Flag(true).Flag(false).OptionalInteger(std::nullopt).OptionalInteger(9);
    EXPECT_EQ(w.str(), "\"Smith, John\"\n-12\n2.5\n#TRUE#\n#FALSE#\n\n9\n");
}

TEST(ItemWriter, NumbersArePlainDecimalWithoutExponent) {
    const auto written = [](double x) {
        ItemWriter w;
        w.Number(x);
        std::string s = w.str();
        s.pop_back();  // the item's line break
        return s;
    };
    EXPECT_EQ(written(0.1), "0.1");
    EXPECT_EQ(written(3), "3");
    EXPECT_EQ(written(-7.25), "-7.25");
    EXPECT_EQ(written(1e20), "100000000000000000000");
    EXPECT_EQ(written(1e-7), "0.0000001");
    EXPECT_EQ(written(86399.99), "86399.99");
    EXPECT_EQ(written(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(ItemWriter, EveryItemReadsBackUnchanged) {
    const double numbers[] = {0.0, 1.0 / 3.0, 86399.123456789, -1e-300, 1e300, 12345678.9};
    ItemWriter w;
    w.Text("").Text("a \"quoted\" word").Text("  blanks  ").OptionalInteger(std::nullopt);
    for (double x : numbers) w.Number(x);
    w.OptionalNumber(std::nullopt).OptionalNumber(4.75);
    w.Integer(std::numeric_limits<std::int64_t>::min()).Integer(std::numeric_limits<std::int64_t>::max());
    w.OptionalInteger(std::nullopt);  // an empty last item must survive too

    ItemReader r(w.str());
    EXPECT_EQ(r.Text(), "");
    EXPECT_EQ(r.Text(), "a 'quoted' word");  // no escape exists for a quote
    EXPECT_EQ(r.Text(), "  blanks  ");
    EXPECT_EQ(r.OptionalInteger(0, 1), std::nullopt);
    for (double x : numbers) EXPECT_EQ(r.Number(), x);
    EXPECT_EQ(r.OptionalNumber(), std::nullopt);
    EXPECT_EQ(r.OptionalNumber(), 4.75);
    EXPECT_EQ(r.Integer(std::numeric_limits<std::int64_t>::min(), 0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(r.Integer(0, std::numeric_limits<std::int64_t>::max()), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(r.OptionalInteger(0, 1), std::nullopt);
    EXPECT_TRUE(r.AtEnd());
}

// ------------------------------------------------------------ files
// A safe write either replaces the whole file or leaves the old one as it was.

class SafeWrite : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/quib_items_XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Contents(const std::string& path) {
        std::string s;
        EXPECT_TRUE(ReadWholeFile(path, s)) << path;
        return s;
    }
    // Only the named file should be in the folder: no temporary left behind.
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
};

TEST_F(SafeWrite, CreatesAndReplacesTheFile) {
    const std::string path = Path("levels.txt");
    ASSERT_TRUE(WriteFileSafely(path, "first\n"));
    EXPECT_EQ(Contents(path), "first\n");
    ASSERT_TRUE(WriteFileSafely(path, "second, longer content\n"));
    EXPECT_EQ(Contents(path), "second, longer content\n");
    ASSERT_TRUE(WriteFileSafely(path, ""));
    EXPECT_EQ(Contents(path), "");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeWrite, WrittenFileIsReadableByOthers) {
    const std::string path = Path("high.txt");
    ASSERT_TRUE(WriteFileSafely(path, "x"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST_F(SafeWrite, FailsWhenTheFolderCannotExist) {
    // As root a read-only folder does not stop a write; a folder whose parent
    // is a regular file does.
    const std::string blocker = Path("data");
    ASSERT_TRUE(WriteFileSafely(blocker, "not a folder"));
    EXPECT_FALSE(WriteFileSafely(blocker + "/levels.txt", "content"));
    EXPECT_EQ(Contents(blocker), "not a folder");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeWrite, FailsWhenTheTargetIsAFolder) {
    const std::string path = Path("levels.txt");
    fs::create_directory(path);
    fs::create_directory(path + "/inside");  // a non-empty folder cannot be renamed over
    EXPECT_FALSE(WriteFileSafely(path, "content"));
    EXPECT_TRUE(fs::is_directory(path + "/inside"));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeWrite, ShortWriteLeavesTheOldFileIntact) {
    // A file size limit makes the write stop part-way, as a full disk would.
    const std::string path = Path("levels.txt");
    const std::string old = "old content that must survive\n";
    ASSERT_TRUE(WriteFileSafely(path, old));

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileSafely(path, std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeWrite, ReadWholeFileReportsMissingFilesAndFolders) {
    std::string content = "unchanged";
    EXPECT_FALSE(ReadWholeFile(Path("missing.txt"), content));
    EXPECT_FALSE(ReadWholeFile(dir_.string(), content));
    EXPECT_EQ(content, "unchanged");

    std::string big(200000, 'q');
    big += "\r\nend";
    ASSERT_TRUE(WriteFileSafely(Path("big.txt"), big));
    EXPECT_EQ(Contents(Path("big.txt")), big);
}

}  // namespace
}  // namespace quib::records
