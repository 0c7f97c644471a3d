// The level library file: written in its fixed item order, read back into the
// same tables, and never trusted — any damage takes the rebuilding fallback.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "core/levels/levels.h"
#include "core/records/items.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

// Fills every level 1..count with cell numbers that look like a puzzle. The
// file does not judge puzzles, so random cells exercise it as well as real
// ones would. Levels divisible by `emptyEvery` hold no puzzle.
void FillLibrary(LevelLibrary& lib, int count, unsigned seed, int emptyEvery = 17) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> cell(1, kCells);
    lib.LevelCount = count;
    for (int i = 1; i <= count; ++i) {
        const bool empty = emptyEvery > 0 && i % emptyEvery == 0;
        for (int j = 1; j <= i + 3; ++j) lib.LevelPieces(i, j) = static_cast<std::int16_t>(empty ? 0 : cell(rng));
        for (int j = 1; j <= i + 2; ++j) {
            lib.SolutionFrom(i, j) = empty ? std::nullopt : std::optional<int>(cell(rng));
            lib.SolutionTo(i, j) = static_cast<std::int16_t>(empty ? 0 : cell(rng));
        }
    }
    TouchLibrary(lib);
}

// The first level whose stored entry differs between two libraries, 0 if none.
int FirstDifferentLevel(const LevelLibrary& a, const LevelLibrary& b, int upTo = kMaxStoredLevel) {
    for (int i = 1; i <= upTo; ++i) {
        for (int j = 0; j <= kPieceIndexMax; ++j)
            if (a.LevelPieces(i, j) != b.LevelPieces(i, j)) return i;
        for (int j = 0; j <= kStepIndexMax; ++j)
            if (a.SolutionFrom(i, j) != b.SolutionFrom(i, j) || a.SolutionTo(i, j) != b.SolutionTo(i, j)) return i;
    }
    return 0;
}

std::string ReadFile(const std::string& path) {
    std::string s;
    EXPECT_TRUE(records::ReadWholeFile(path, s)) << path;
    return s;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// Rewrites one-item-per-line text with another separator between items.
std::string Rejoin(const std::string& text, const std::string& separator, bool finalBreak) {
    std::string out;
    std::istringstream lines(text);
    std::string line;
    bool first = true;
    while (std::getline(lines, line)) {
        if (!first) out += separator;
        out += line;
        first = false;
    }
    if (finalBreak) out += "\n";
    return out;
}

// The text offset just after the n-th item (1-based) of one-per-line text.
std::size_t AfterItem(const std::string& text, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t k = 0; k < n; ++k) pos = text.find('\n', pos) + 1;
    return pos;
}

// Items of level i: 3i + 11; items before level i: 1 + the sum over k < i.
std::size_t ItemsBeforeLevel(int i) {
    std::size_t n = 1;
    for (int k = 1; k < i; ++k) n += static_cast<std::size_t>(3 * k + 11);
    return n;
}

void ExpectFallback(Form1& form, int markedUpTo) {
    EXPECT_EQ(form.game.CurrentLevel, 1);
    EXPECT_EQ(form.gen.GenerationLevel, 1);
    EXPECT_FALSE(form.intro.CommandLabel2.Visible);
    EXPECT_FALSE(form.library.LevelNeedsGenerating[1]);
    for (int k = 2; k <= kLevelIndexMax; ++k)
        EXPECT_EQ(form.library.LevelNeedsGenerating[static_cast<std::size_t>(k)], k <= markedUpTo) << "level " << k;
}

// A game just loaded whose "Continue" is showing and which is on level 9,
// so that the fallback's changes are visible.
struct Loaded {
    TestGame game{false};
    Loaded() {
        game->intro.CommandLabel2.Visible = true;
        game->game.CurrentLevel = 9;
        game->gen.GenerationLevel = 0;
    }
    Form1& form() { return game.form(); }
    std::string path() { return game.data.file("levels.txt"); }
};

// ------------------------------------------------------------ round trip

TEST(LevelLibraryFile, FullLibraryReadsBackIntoEqualTables) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 1);
    ASSERT_TRUE(levels::WriteLevelLibrary(writer.form()));

    TestGame reader(writer, false);
    reader->intro.CommandLabel2.Visible = true;
    reader->game.CurrentLevel = 9;
    ASSERT_TRUE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    EXPECT_EQ(reader->library.LevelCount, 200);
    EXPECT_EQ(FirstDifferentLevel(writer->library, reader->library), 0);
    EXPECT_TRUE(writer->library.SolutionFrom == reader->library.SolutionFrom);
    // A level without a puzzle keeps its from-cells unset, not 0.
    EXPECT_EQ(reader->library.LevelPieces(17, 1), 0);
    EXPECT_FALSE(reader->library.SolutionFrom(17, 1).has_value());
    // Success leaves the game as it was.
    EXPECT_EQ(reader->game.CurrentLevel, 9);
    EXPECT_TRUE(reader->intro.CommandLabel2.Visible);
    for (bool marked : reader->library.LevelNeedsGenerating) EXPECT_FALSE(marked);
}

TEST(LevelLibraryFile, WritesTheItemsInTheirOrder) {
    TestGame game(false);
    LevelLibrary& lib = game->library;
    const int pieces[] = {118, 201, 180, 139};
    const int moves[][2] = {{118, 160}, {201, 159}, {160, 158}};
    for (int j = 1; j <= 4; ++j) lib.LevelPieces(1, j) = static_cast<std::int16_t>(pieces[j - 1]);
    for (int j = 1; j <= 3; ++j) {
        lib.SolutionFrom(1, j) = moves[j - 1][0];
        lib.SolutionTo(1, j) = static_cast<std::int16_t>(moves[j - 1][1]);
    }
    const std::string text = levels::LevelLibraryText(game.form());
    EXPECT_EQ(text.substr(0, AfterItem(text, 19)),
              "200\n\"Level\"\n1\n\"Pieces\"\n118\n201\n180\n139\n\"Solution\"\n118\n160\n201\n159\n160\n158\n"
              "\"Level\"\n2\n\"Pieces\"\n0\n");
    // Level 2 holds no puzzle: 0 frog cells, empty from-cells, 0 landing cells.
    const std::size_t level2 = AfterItem(text, ItemsBeforeLevel(2));
    EXPECT_EQ(text.substr(level2, AfterItem(text, ItemsBeforeLevel(3)) - level2),
              "\"Level\"\n2\n\"Pieces\"\n0\n0\n0\n0\n0\n\"Solution\"\n\n0\n\n0\n\n0\n\n0\n");
    std::size_t items = 0;
    records::ItemReader in(text);
    while (!in.AtEnd()) {
        in.Skip();
        ++items;
    }
    EXPECT_EQ(items, ItemsBeforeLevel(201));
}

TEST(LevelLibraryFile, CommaAndLineSeparatedFilesReadTheSame) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 2);
    const std::string lines = levels::LevelLibraryText(writer.form());
    for (const auto& [separator, finalBreak] : {std::pair<std::string, bool>{",", true}, {",", false},
                                                 {"\r\n", true}, {" , ", false}, {"\n", false}}) {
        Loaded reader;
        WriteFile(reader.path(), Rejoin(lines, separator, finalBreak));
        EXPECT_TRUE(levels::ReadLevelLibrary(reader.form(), "levels.txt")) << "separator [" << separator << "]";
        EXPECT_EQ(FirstDifferentLevel(writer->library, reader.form().library), 0) << "separator [" << separator << "]";
        EXPECT_TRUE(reader.form().intro.CommandLabel2.Visible);
    }
}

TEST(LevelLibraryFile, FirstItemDecidesHowManyLevelsAreRead) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 3);
    writer->library.LevelCount = 150;
    ASSERT_TRUE(levels::WriteLevelLibrary(writer.form()));

    TestGame reader(writer, false);
    FillLibrary(reader->library, 200, 4);  // what the tables held before
    LevelLibrary before;
    FillLibrary(before, 200, 4);
    ASSERT_TRUE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    EXPECT_EQ(reader->library.LevelCount, 150);
    EXPECT_EQ(FirstDifferentLevel(writer->library, reader->library, 150), 0);
    for (int i = 151; i <= 200; ++i) {
        EXPECT_EQ(reader->library.LevelPieces(i, 1), before.LevelPieces(i, 1)) << i;
        EXPECT_EQ(reader->library.SolutionFrom(i, i + 2), before.SolutionFrom(i, i + 2)) << i;
    }
}

TEST(LevelLibraryFile, WordsAndStatedLevelNumbersAreIgnored) {
    TestGame writer(false);
    FillLibrary(writer->library, 40, 5);
    std::string text = levels::LevelLibraryText(writer.form());
    for (const std::string word : {"\"Level\"", "\"Pieces\"", "\"Solution\""}) {
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at))
            text.replace(at, word.size(), "\"Frogs, and more\"");
    }
    // The level numbers become 999 and garbage: they are skipped, not checked.
    for (int i = 1; i <= 40; ++i) {
        const std::size_t at = AfterItem(text, ItemsBeforeLevel(i) + 1);
        const std::size_t end = text.find('\n', at);
        text.replace(at, end - at, i % 2 ? "999" : "xyz");
    }
    Loaded reader;
    WriteFile(reader.path(), text);
    EXPECT_TRUE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    EXPECT_EQ(FirstDifferentLevel(writer->library, reader.form().library), 0);
}

// ------------------------------------------------------------ fallback

TEST(LevelLibraryFallback, MissingFileMarksLevelsTwoToCountAndHidesContinue) {
    Loaded reader;
    reader.form().library.LevelNeedsGenerating[1] = false;
    EXPECT_FALSE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    ExpectFallback(reader.form(), 200);
    EXPECT_EQ(reader.form().library.LevelCount, 200);
    EXPECT_EQ(FirstDifferentLevel(reader.form().library, LevelLibrary{}), 0);
}

TEST(LevelLibraryFallback, TruncatedFileKeepsWhatWasRead) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 6);
    const std::string text = levels::LevelLibraryText(writer.form());
    // Cut after the fifth frog cell of level 57.
    const std::string cut = text.substr(0, AfterItem(text, ItemsBeforeLevel(57) + 3 + 5));
    Loaded reader;
    WriteFile(reader.path(), cut);
    EXPECT_FALSE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    ExpectFallback(reader.form(), 200);
    const LevelLibrary& got = reader.form().library;
    EXPECT_EQ(FirstDifferentLevel(writer->library, got, 56), 0);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(got.LevelPieces(57, j), writer->library.LevelPieces(57, j)) << j;
    EXPECT_EQ(got.LevelPieces(57, 6), 0);
    EXPECT_EQ(got.LevelPieces(58, 1), 0);
}

TEST(LevelLibraryFallback, HostileFilesTakeTheFallbackWithoutHarm) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 7);
    const std::string good = levels::LevelLibraryText(writer.form());
    const std::string body = good.substr(AfterItem(good, 1));  // without the count
    // The item of level 3's first frog cell, to be replaced.
    const std::size_t cellAt = AfterItem(good, ItemsBeforeLevel(3) + 3);
    const std::size_t cellEnd = good.find('\n', cellAt);
    const auto withCell = [&](const std::string& cell) { return good.substr(0, cellAt) + cell + good.substr(cellEnd); };

    struct Case {
        std::string name;
        std::string text;
        int levelCount;  // LevelCount afterwards
    };
    const Case cases[] = {
        {"empty file", "", 200},
        {"garbage", "this is not a level library at all\n\x01\x02\xff", 200},
        {"count not a number", "two hundred\n" + body, 200},
        {"count 999999", "999999\n" + body, kMaxStoredLevel},
        {"count beyond 32 bits", "99999999999999\n" + body, 200},
        {"count -5", "-5\n" + body, 200},
        {"count 0", "0\n" + body, 200},
        {"count 348", "348\n" + body, kMaxStoredLevel},
        {"count 351", "351\n" + body, kMaxStoredLevel},
        {"cell 295", withCell("295"), 200},
        {"cell -1", withCell("-1"), 200},
        {"cell as text", withCell("\"12\"x"), 200},
        {"cell with fraction", withCell("12.5"), 200},
        {"unclosed quote", withCell("\"12"), 200},
        {"only the count", "200\n", 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded reader;
        WriteFile(reader.path(), c.text);
        EXPECT_FALSE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
        EXPECT_EQ(reader.form().library.LevelCount, c.levelCount);
        ExpectFallback(reader.form(), c.levelCount);
        // The library must still write: the timer saves it on every pass.
        EXPECT_TRUE(levels::WriteLevelLibrary(reader.form()));
    }
}

TEST(LevelLibraryFallback, CountAboveTheTablesReadsEveryLevelTheyHold) {
    TestGame writer(false);
    FillLibrary(writer->library, kMaxStoredLevel, 8, 0);
    std::string text = levels::LevelLibraryText(writer.form());
    ASSERT_EQ(text.substr(0, 4), "347\n");
    text.replace(0, 3, "400");
    text += "\"Level\"\n348\n";
    Loaded reader;
    WriteFile(reader.path(), text);
    EXPECT_FALSE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    EXPECT_EQ(FirstDifferentLevel(writer->library, reader.form().library), 0);
    ExpectFallback(reader.form(), kMaxStoredLevel);
}

TEST(LevelLibraryFallback, ReadingAFolderIsAFailure) {
    Loaded reader;
    std::filesystem::create_directory(reader.path());
    EXPECT_FALSE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    ExpectFallback(reader.form(), 200);
}

// ------------------------------------------------------------ rewriting
// The timer asks for a rewrite on every pass; the file is replaced only when
// its content would change, and a failed write leaves the old file intact.

struct FileIdentity {
    ino_t inode = 0;
    timespec modified{};
    bool operator==(const FileIdentity& o) const {
        return inode == o.inode && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileIdentity IdentityOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return {st.st_ino, st.st_mtim};
}

TEST(LevelLibraryRewrite, UnchangedLibraryLeavesTheFileAlone) {
    TestGame game(false);
    FillLibrary(game->library, 200, 9);
    const std::string path = game.data.file("levels.txt");
    ASSERT_TRUE(levels::WriteLevelLibrary(game.form()));
    const FileIdentity written = IdentityOf(path);

    EXPECT_TRUE(levels::WriteLevelLibrary(game.form()));
    EXPECT_TRUE(IdentityOf(path) == written);
    // A change that leaves the content the same does not rewrite either.
    game->library.LevelPieces(5, 1) = game->library.LevelPieces(5, 1);
    TouchLibrary(game->library);
    EXPECT_TRUE(levels::WriteLevelLibrary(game.form()));
    EXPECT_TRUE(IdentityOf(path) == written);

    // An install of a new puzzle does.
    game->gen.GeneratedPieces(5, 1) = 1;
    game->gen.GeneratedSolutionFrom(5, 1) = 2;
    levels::InstallGeneratedLevel(game.form(), 5);
    EXPECT_TRUE(levels::WriteLevelLibrary(game.form()));
    EXPECT_FALSE(IdentityOf(path) == written);
    EXPECT_EQ(ReadFile(path), levels::LevelLibraryText(game.form()));
}

TEST(LevelLibraryRewrite, LibraryJustReadIsNotWrittenAgain) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 10);
    ASSERT_TRUE(levels::WriteLevelLibrary(writer.form()));
    const std::string path = writer.data.file("levels.txt");
    const FileIdentity written = IdentityOf(path);

    TestGame reader(writer, false);
    ASSERT_TRUE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    EXPECT_TRUE(levels::WriteLevelLibrary(reader.form()));
    EXPECT_TRUE(IdentityOf(path) == written);
}

TEST(LevelLibraryRewrite, LoweredCountIsWrittenEvenWithoutARevision) {
    // The timer lowers a count above 200 without touching the tables.
    TestGame game(false);
    FillLibrary(game->library, 250, 11);
    ASSERT_TRUE(levels::WriteLevelLibrary(game.form()));
    game->library.LevelCount = 200;
    ASSERT_TRUE(levels::WriteLevelLibrary(game.form()));
    EXPECT_EQ(ReadFile(game.data.file("levels.txt")).substr(0, 4), "200\n");
}

TEST(LevelLibraryRewrite, CommaSeparatedFileIsRewrittenInTheWritersForm) {
    TestGame writer(false);
    FillLibrary(writer->library, 30, 12);
    const std::string lines = levels::LevelLibraryText(writer.form());
    Loaded reader;
    WriteFile(reader.path(), Rejoin(lines, ",", false));
    ASSERT_TRUE(levels::ReadLevelLibrary(reader.form(), "levels.txt"));
    ASSERT_TRUE(levels::WriteLevelLibrary(reader.form()));
    EXPECT_EQ(ReadFile(reader.path()), lines);
}

TEST(LevelLibraryRewrite, FailedWriteKeepsTheOldFileAndIsRetried) {
    TestGame game(false);
    FillLibrary(game->library, 10, 13);
    const std::string path = game.data.file("levels.txt");
    ASSERT_TRUE(levels::WriteLevelLibrary(game.form()));
    const std::string old = ReadFile(path);

    FillLibrary(game->library, 200, 14);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = levels::WriteLevelLibrary(game.form());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(game.data.path()),
                            std::filesystem::directory_iterator()),
              1);
    // The next pass tries again and succeeds once the disk has room.
    EXPECT_TRUE(levels::WriteLevelLibrary(game.form()));
    EXPECT_EQ(ReadFile(path), levels::LevelLibraryText(game.form()));
}

TEST(LevelLibraryRewrite, MissingDataFolderIsReportedNotThrown) {
    TestGame game(false);
    game->DataFolder = game.data.file("levels.txt") + "/";  // a folder inside a file
    WriteFile(game.data.file("levels.txt"), "old");
    EXPECT_FALSE(levels::WriteLevelLibrary(game.form()));
    EXPECT_EQ(ReadFile(game.data.file("levels.txt")), "old");
}

// ------------------------------------------------------------ install
// A generated puzzle is copied into its own level's entry, exactly its
// level + 3 frogs and level + 2 steps, and nowhere else.

TEST(InstallGeneratedLevel, CopiesExactlyTheLevelsEntry) {
    TestGame game(false);
    FillLibrary(game->library, 200, 15, 0);
    LevelLibrary before;
    FillLibrary(before, 200, 15, 0);
    Generator& gen = game->gen;
    const int v = 12;
    for (int j = 0; j <= kPieceIndexMax; ++j) gen.GeneratedPieces(v, j) = static_cast<std::int16_t>(1000 + j);
    for (int j = 0; j <= kStepIndexMax; ++j) {
        gen.GeneratedSolutionFrom(v, j) = 2000 + j;
        gen.GeneratedSolutionTo(v, j) = static_cast<std::int16_t>(3000 + j);
    }
    gen.GeneratedPieces(v + 1, 1) = 77;  // another level's puzzle stays out
    const auto revision = game->library.Revision;
    levels::InstallGeneratedLevel(game.form(), v);

    const LevelLibrary& lib = game->library;
    EXPECT_GT(lib.Revision, revision);
    for (int j = 1; j <= v + 3; ++j) EXPECT_EQ(lib.LevelPieces(v, j), 1000 + j);
    for (int j = 1; j <= v + 2; ++j) {
        EXPECT_EQ(lib.SolutionFrom(v, j), 2000 + j);
        EXPECT_EQ(lib.SolutionTo(v, j), 3000 + j);
    }
    EXPECT_EQ(lib.LevelPieces(v, 0), before.LevelPieces(v, 0));
    EXPECT_EQ(lib.LevelPieces(v, v + 4), before.LevelPieces(v, v + 4));
    EXPECT_EQ(lib.SolutionFrom(v, v + 3), before.SolutionFrom(v, v + 3));
    EXPECT_EQ(FirstDifferentLevel(lib, before, v - 1), 0);
    EXPECT_EQ(lib.LevelPieces(v + 1, 1), before.LevelPieces(v + 1, 1));
}

TEST(InstallGeneratedLevel, IgnoresLevelsOutsideTheTables) {
    TestGame game(false);
    for (int level : {-1, 0, kMaxStoredLevel + 1, kLevelIndexMax, 100000}) {
        EXPECT_NO_THROW(levels::InstallGeneratedLevel(game.form(), level)) << level;
    }
    EXPECT_EQ(FirstDifferentLevel(game->library, LevelLibrary{}), 0);
    game->gen.GeneratedPieces(kMaxStoredLevel, kMaxStoredLevel + 3) = 5;
    levels::InstallGeneratedLevel(game.form(), kMaxStoredLevel);
    EXPECT_EQ(game->library.LevelPieces(kMaxStoredLevel, kPieceIndexMax), 5);
}

TEST(LevelLibraryFile, ReadingCountsAsAChangeOfTheTables) {
    Loaded reader;
    const auto revision = reader.form().library.Revision;
    levels::ReadLevelLibrary(reader.form(), "levels.txt");
    EXPECT_GT(reader.form().library.Revision, revision);
}

}  // namespace
}  // namespace quib
