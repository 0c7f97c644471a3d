// The level library file: written in its fixed item order, read back into the
// same tables, never trusted (any damage takes the rebuilding fallback), and
// rewritten only when its content changes, always whole, never cut.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "core/levels/levels.h"
#include "core/window/window.h"
#include "support/play.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::ExpectBoardConsistent;
using testing::FileText;
using testing::FrogCells;
using testing::Jump;
using testing::PlayLevel;
using testing::StoredPieces;
using testing::TestGame;

// Fills every level 1..count with random cells: the file does not judge
// puzzles. Levels divisible by emptyEvery hold no puzzle.
void FillLibrary(LevelLibrary& lib, int count, unsigned seed, int emptyEvery = 17) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> cell(1, kCells);
    lib.LevelCount = count;
    for (int i = 1; i <= count; ++i) {
        const bool empty = emptyEvery > 0 && i % emptyEvery == 0;
        for (int j = 1; j <= i + 3; ++j) lib.LevelPieces(i, j) = static_cast<std::int16_t>(empty ? 0 : cell(rng));
        for (int j = 1; j <= i + 2; ++j) {
            // An empty level's every other jump starts on 0, an item "0", which
            // is not the empty item.
            lib.SolutionFrom(i, j) = !empty      ? std::optional<int>(cell(rng))
                                     : j % 2 == 0 ? std::optional<int>(0)
                                                  : std::nullopt;
            lib.SolutionTo(i, j) = static_cast<std::int16_t>(empty ? 0 : cell(rng));
        }
    }
    TouchLibrary(lib);
}

// The first level in from..upTo whose stored entry differs between two
// libraries, 0 if none.
int FirstDifferentLevel(const LevelLibrary& a, const LevelLibrary& b, int upTo = kMaxStoredLevel, int from = 1) {
    for (int i = from; i <= upTo; ++i) {
        for (int j = 0; j <= kPieceIndexMax; ++j)
            if (a.LevelPieces(i, j) != b.LevelPieces(i, j)) return i;
        for (int j = 0; j <= kStepIndexMax; ++j)
            if (a.SolutionFrom(i, j) != b.SolutionFrom(i, j) || a.SolutionTo(i, j) != b.SolutionTo(i, j)) return i;
    }
    return 0;
}

// Where two texts first differ, npos if they are equal. Comparing whole
// libraries with EXPECT_EQ would print, on failure, a diff of some 60,000
// lines that takes gigabytes to work out.
std::size_t FirstDifference(const std::string& a, const std::string& b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return ia == a.end() && ib == b.end() ? std::string::npos : static_cast<std::size_t>(ia - a.begin());
}
constexpr std::size_t kSame = std::string::npos;

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// One-item-per-line text with another separator between the items.
std::string Rejoin(const std::string& text, const std::string& separator, bool finalBreak) {
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) out += (out.empty() ? "" : separator) + line;
    return finalBreak ? out + "\n" : out;
}

// The text offset just after the n-th item of one-item-per-line text.
std::size_t AfterItem(const std::string& text, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t k = 0; k < n; ++k) pos = text.find('\n', pos) + 1;
    return pos;
}

// Level i has 3i + 11 items; the count comes first.
std::size_t ItemsBeforeLevel(int i) {
    std::size_t n = 1;
    for (int k = 1; k < i; ++k) n += static_cast<std::size_t>(3 * k + 11);
    return n;
}

// The interrupted game offered by "Continue" in Loaded.
constexpr int kOfferedLevel = 9;

// The library rebuilds itself; the interrupted game stays offered while the
// library still counts its level.
void ExpectFallback(Session& session, int markedUpTo) {
    EXPECT_EQ(session.game.CurrentLevel, 1);
    EXPECT_EQ(session.gen.GenerationLevel, 1);
    EXPECT_EQ(session.game.ResumeOffered, session.library.LevelCount >= kOfferedLevel);
    for (int k = 1; k <= kLevelIndexMax; ++k)
        ASSERT_EQ(session.library.LevelNeedsGenerating[static_cast<std::size_t>(k)], k >= 2 && k <= markedUpTo) << k;
}

// A game on level 9 whose "Continue" is showing, so the fallback shows.
struct Loaded {
    TestGame game{false};
    Loaded() {
        game->game.ResumeOffered = true;
        game->game.CurrentLevel = game->game.ResumeLevel = kOfferedLevel;
        game->gen.GenerationLevel = 0;
    }
    Session& session() { return game.session(); }
    std::string path() { return game.data.file("levels.txt"); }
    bool Read(const std::string& text) {
        WriteFile(path(), text);
        return levels::ReadLevelLibrary(session(), "levels.txt");
    }
};

// ------------------------------------------------------------ the file

TEST(LevelLibraryFile, WritesTheItemsInTheirOrder) {
    TestGame game(false);
    LevelLibrary& lib = game->library;
    const std::int16_t cells[] = {118, 201, 180, 139, 118, 160, 201, 159, 160, 158};  // frogs, then steps
    for (int j = 1; j <= 4; ++j) lib.LevelPieces(1, j) = cells[j - 1];
    for (int j = 1; j <= 3; ++j) std::tie(lib.SolutionFrom(1, j), lib.SolutionTo(1, j)) = std::pair(cells[2 + 2 * j], cells[3 + 2 * j]);
    const std::string text = levels::LevelLibraryText(game.session());
    // Level 2 holds no puzzle: 0 frog cells, empty from-cells, 0 landing cells.
    EXPECT_EQ(text.substr(0, AfterItem(text, ItemsBeforeLevel(3))),
              "200\n\"Level\"\n1\n\"Pieces\"\n118\n201\n180\n139\n\"Solution\"\n118\n160\n201\n159\n160\n158\n"
              "\"Level\"\n2\n\"Pieces\"\n0\n0\n0\n0\n0\n\"Solution\"\n\n0\n\n0\n\n0\n\n0\n");
}

TEST(LevelLibraryFile, FullLibraryReadsBackWhateverTheSeparatorsAndWords) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 1);
    ASSERT_TRUE(levels::WriteLevelLibrary(writer.session()));
    const std::string lines = FileText(writer.data.file("levels.txt"));
    // The words and the stated level numbers are skipped, never checked.
    std::string words = lines;
    for (int i = 200; i >= 1; --i) {
        const std::size_t at = AfterItem(words, ItemsBeforeLevel(i));
        words.replace(at, AfterItem(words, ItemsBeforeLevel(i) + 3) - at, "\"Frogs, and more\"\nxyz\n999\n");
    }
    for (std::size_t at; (at = words.find("\"Solution\"")) != std::string::npos;) words.replace(at, 10, "-1");
    const std::pair<std::string, std::string> variants[] = {
        {"lines", lines}, {"lines, no final break", Rejoin(lines, "\n", false)},
        {"commas", Rejoin(lines, ",", true)}, {"commas, no final break", Rejoin(lines, ",", false)},
        {"CR LF", Rejoin(lines, "\r\n", true)}, {"padded commas", Rejoin(lines, " , ", false)},
        {"other words", words}};
    for (const auto& [name, text] : variants) {
        SCOPED_TRACE(name);
        Loaded reader;
        ASSERT_TRUE(reader.Read(text));
        const LevelLibrary& got = reader.session().library;
        EXPECT_EQ(got.LevelCount, 200);
        EXPECT_EQ(FirstDifferentLevel(writer->library, got), 0);
        // A level without a puzzle keeps its from-cells unset, not 0.
        EXPECT_FALSE(got.SolutionFrom(17, 1).has_value());
        EXPECT_EQ(got.SolutionFrom(17, 2).value_or(-1), 0) << "a start on 0 is kept as 0";
        // Success leaves the game as it was; the levels stored without a
        // puzzle (every 17th) are marked for the background supply.
        EXPECT_EQ(reader.session().game.CurrentLevel, 9);
        EXPECT_TRUE(reader.session().game.ResumeOffered);
        for (int k = 0; k <= kLevelIndexMax; ++k)
            ASSERT_EQ(got.LevelNeedsGenerating[static_cast<std::size_t>(k)], k >= 1 && k <= 200 && k % 17 == 0) << k;
    }
}

TEST(LevelLibraryFile, FirstItemDecidesHowManyLevelsAreRead) {
    TestGame writer(false);
    FillLibrary(writer->library, 150, 3);
    Loaded reader;
    FillLibrary(reader.session().library, 200, 4);  // what the tables held before
    LevelLibrary before;
    FillLibrary(before, 200, 4);
    ASSERT_TRUE(reader.Read(levels::LevelLibraryText(writer.session())));
    EXPECT_EQ(reader.session().library.LevelCount, 150);
    EXPECT_EQ(FirstDifferentLevel(writer->library, reader.session().library, 150), 0);
    EXPECT_EQ(FirstDifferentLevel(before, reader.session().library, 200, 151), 0);
}

// ------------------------------------------------------------ the fallback

TEST(LevelLibraryFallback, MissingOrHostileFilesRebuildTheLibrary) {
    TestGame writer(false);
    FillLibrary(writer->library, kMaxStoredLevel, 7, 0);
    const std::string all = levels::LevelLibraryText(writer.session());
    writer->library.LevelCount = 200;
    const std::string good = levels::LevelLibraryText(writer.session());
    const std::string body = good.substr(AfterItem(good, 1));  // without the count
    // Level 3's first frog cell, replaced.
    const std::size_t cellAt = AfterItem(good, ItemsBeforeLevel(3) + 3);
    const auto withCell = [&](const std::string& cell) {
        return good.substr(0, cellAt) + cell + good.substr(good.find('\n', cellAt));
    };
    struct Case {
        std::string name;
        std::optional<std::string> text;  // none: no file at all
        int levelCount;                   // LevelCount afterwards
        int levelsRead;                   // levels whose entries came from the file
    };
    const Case cases[] = {
        {"missing file", std::nullopt, 200, 0},
        {"empty file", "", 200, 0},
        {"garbage", "this is not a level library at all\n\x01\x02\xff", 200, 0},
        {"only the count", "200\n", 200, 0},
        {"count not a number", "two hundred\n" + body, 200, 0},
        {"count beyond 32 bits", "99999999999999\n" + body, 200, 0},
        {"count 0", "0\n" + body, 200, 0},
        {"count 999999", "999999\n" + body, kMaxStoredLevel, 200},
        // Every level the tables hold is read before the count runs past them.
        {"count 400", "400" + all.substr(3) + "\"Level\"\n348\n", kMaxStoredLevel, kMaxStoredLevel},
        {"cell 295", withCell("295"), 200, 2},
        {"cell -1", withCell("-1"), 200, 2},
        {"unclosed quote", withCell("\"12"), 200, 2},
        {"count 5, cell 295", "5" + withCell("295").substr(3), 5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded reader;
        if (c.text) WriteFile(reader.path(), *c.text);
        EXPECT_FALSE(levels::ReadLevelLibrary(reader.session(), "levels.txt"));
        const LevelLibrary& got = reader.session().library;
        EXPECT_EQ(got.LevelCount, c.levelCount);
        ExpectFallback(reader.session(), c.levelCount);
        EXPECT_EQ(FirstDifferentLevel(writer->library, got, c.levelsRead), 0);
        EXPECT_EQ(got.LevelPieces(c.levelsRead + 1, 2), 0);
        // The library must still write: the timer saves it on every pass.
        EXPECT_TRUE(levels::WriteLevelLibrary(reader.session()));
        EXPECT_EQ(FirstDifference(FileText(reader.path()), levels::LevelLibraryText(reader.session())), kSame);
    }
    Loaded folder;
    std::filesystem::create_directory(folder.path());
    EXPECT_FALSE(levels::ReadLevelLibrary(folder.session(), "levels.txt"));
    ExpectFallback(folder.session(), 200);
}

TEST(LevelLibraryFallback, TruncatedFileKeepsWhatWasRead) {
    TestGame writer(false);
    FillLibrary(writer->library, 200, 6);
    ASSERT_TRUE(levels::WriteLevelLibrary(writer.session()));
    const std::string path = writer.data.file("levels.txt");
    const std::string text = FileText(path);
    // Cut after the fifth frog cell of level 57.
    const std::string cut = text.substr(0, AfterItem(text, ItemsBeforeLevel(57) + 3 + 5));
    Loaded reader;
    EXPECT_FALSE(reader.Read(cut));
    ExpectFallback(reader.session(), 200);
    const LevelLibrary& got = reader.session().library;
    EXPECT_EQ(FirstDifferentLevel(writer->library, got, 56), 0);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(got.LevelPieces(57, j), writer->library.LevelPieces(57, j)) << j;
    EXPECT_EQ(got.LevelPieces(57, 6), 0);
    EXPECT_EQ(got.LevelPieces(58, 1), 0);

    // The cut file is replaced by the next rewrite, even in a run whose
    // tables still hold exactly what it wrote before the damage.
    WriteFile(path, cut);
    EXPECT_FALSE(levels::ReadLevelLibrary(writer.session(), "levels.txt"));
    ASSERT_TRUE(levels::WriteLevelLibrary(writer.session()));
    EXPECT_EQ(FirstDifference(FileText(path), text), kSame);
}

// A Medium game closed at level 7 outlives a library deleted or damaged
// before the next run: "Continue" takes up the same board with its tries and
// score, a close without taking it up writes it back, and a retry of the
// level plays the level's new puzzle.
TEST(LevelLibraryFallback, TheInterruptedGameOutlivesALostLibrary) {
    for (const bool deleted : {true, false}) {
        SCOPED_TRACE(deleted ? "deleted" : "damaged");
        TestGame first;
        Session& f = first.session();
        Jump(PlayLevel(f, 2, 7), 100, 102);
        f.game.Score = 321;
        const std::vector<int> cells = FrogCells(f);
        const std::tuple<int, int, std::int32_t> counters(7, f.game.TryNumber, f.game.Score);
        ASSERT_TRUE(levels::WriteLevelLibrary(f));
        window::RequestClose(f);
        const std::string library = first.data.file("levels.txt");
        if (deleted) {
            std::filesystem::remove(library);
        } else {
            WriteFile(library, FileText(library).substr(0, 100) + "not a number\n");  // within level 2
        }

        TestGame second(first, true);
        EXPECT_TRUE(second->game.ResumeOffered);
        window::RequestClose(second.session());

        TestGame third(first, true);
        Session& g = third.session();
        ASSERT_TRUE(g.game.ResumeOffered);
        game::ContinueGame(g);
        EXPECT_EQ(std::tuple(g.game.CurrentLevel, g.game.TryNumber, g.game.Score), counters);
        EXPECT_EQ(FrogCells(g), cells);
        ExpectBoardConsistent(g, true);

        game::RestartLevel(g);
        EXPECT_EQ(FrogCells(g).size(), 10u);
        EXPECT_EQ(FrogCells(g), StoredPieces(g, 7));
    }
}

// ------------------------------------------------------------ rewriting
// The timer asks for a rewrite on every pass: the file is replaced only when
// its content changes, then always with the whole library, and a failed
// write leaves the old file as it was.

// Changes when the file is replaced, even by the same content.
std::pair<ino_t, std::int64_t> IdentityOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return {st.st_ino, static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

TEST(LevelLibraryRewrite, SameContentIsNotWrittenAgain) {
    TestGame game(false);
    FillLibrary(game->library, 200, 9);
    const std::string path = game.data.file("levels.txt");
    ASSERT_TRUE(levels::WriteLevelLibrary(game.session()));
    const auto written = IdentityOf(path);
    EXPECT_TRUE(levels::WriteLevelLibrary(game.session()));
    // A change of the tables that leaves the content as it was.
    game->library.LevelPieces(5, 1) = game->library.LevelPieces(5, 1);
    TouchLibrary(game->library);
    EXPECT_TRUE(levels::WriteLevelLibrary(game.session()));
    levels::InstallGeneratedLevel(game.session(), 300);  // beyond the count
    EXPECT_TRUE(levels::WriteLevelLibrary(game.session()));
    // The next run reads the file and finds nothing to write.
    TestGame next(game, false);
    ASSERT_TRUE(levels::ReadLevelLibrary(next.session(), "levels.txt"));
    EXPECT_TRUE(levels::WriteLevelLibrary(next.session()));
    EXPECT_EQ(IdentityOf(path), written);

    // A file in another form than the writer's is rewritten in the writer's,
    // even when it begins as the writer's does.
    const std::string lines = FileText(path);
    const std::size_t head = AfterItem(lines, 1);
    WriteFile(path, lines.substr(0, head) + Rejoin(lines.substr(head), ",", false));
    ASSERT_TRUE(levels::ReadLevelLibrary(next.session(), "levels.txt"));
    ASSERT_TRUE(levels::WriteLevelLibrary(next.session()));
    EXPECT_EQ(FirstDifference(FileText(path), lines), kSame);
}

TEST(LevelLibraryRewrite, EveryRewriteHoldsTheWholeLibrary) {
    TestGame game(false);
    Session& f = game.session();
    FillLibrary(f.library, 250, 10);
    const std::string path = game.data.file("levels.txt");
    const auto install = [&f](int level, std::int16_t cell) {
        for (int j = 1; j <= level + 3; ++j) f.gen.GeneratedPieces(level, j) = cell;
        for (int j = 1; j <= level + 2; ++j) f.gen.GeneratedSolutionFrom(level, j) = cell + 1;
        levels::InstallGeneratedLevel(f, level);
    };
    std::string before;
    const auto expectFileFollows = [&](const char* change) {
        SCOPED_TRACE(change);
        ASSERT_TRUE(levels::WriteLevelLibrary(f));
        const std::string text = FileText(path);
        EXPECT_EQ(FirstDifference(text, levels::LevelLibraryText(f)), kSame);
        EXPECT_NE(FirstDifference(text, before), kSame);
        before = text;
    };
    // Each change is one that some part of the game makes; the file must
    // follow every one, whichever came before.
    expectFileFollows("first write");
    f.library.LevelCount = 200;
    expectFileFollows("count lowered without a change of the tables");
    install(5, 11);
    expectFileFollows("one install");
    install(200, 12);
    install(1, 13);
    expectFileFollows("installs of two levels");
    f.library.LevelPieces(77, 3) = 0;
    TouchLibrary(f.library);
    expectFileFollows("a change that may touch any level");
    install(6, 15);
    expectFileFollows("an install after that change");
    f.library.LevelPieces(78, 3) = 0;
    TouchLibrary(f.library);
    install(7, 16);
    expectFileFollows("such a change and an install, unwritten in between");
    TestGame other(false);
    FillLibrary(other->library, 200, 11);
    ASSERT_TRUE(levels::WriteLevelLibrary(other.session()));
    std::filesystem::copy_file(other.data.file("levels.txt"), path, std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(levels::ReadLevelLibrary(f, "levels.txt"));
    install(8, 17);
    expectFileFollows("a whole library read from a file, then an install");
}

TEST(LevelLibraryRewrite, FailedWriteKeepsTheOldFileAndIsRetried) {
    TestGame game(false);
    FillLibrary(game->library, 10, 13);
    const std::string path = game.data.file("levels.txt");
    ASSERT_TRUE(levels::WriteLevelLibrary(game.session()));
    const std::string old = FileText(path);

    FillLibrary(game->library, 200, 14);
    {
        testing::SmallFileLimit fullDisk;
        EXPECT_FALSE(levels::WriteLevelLibrary(game.session()));
    }
    const std::string folder = game->DataFolder;
    testing::UseDataFolder(game.session(), path + "/");  // a folder inside a file
    EXPECT_FALSE(levels::WriteLevelLibrary(game.session()));
    EXPECT_EQ(FirstDifference(FileText(path), old), kSame);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);

    // The next pass tries again, and succeeds once the disk lets it.
    testing::UseDataFolder(game.session(), folder);
    EXPECT_TRUE(levels::WriteLevelLibrary(game.session()));
    EXPECT_EQ(FirstDifference(FileText(path), levels::LevelLibraryText(game.session())), kSame);
}

// ------------------------------------------------------------ install
// A generated puzzle is copied into its own level's entry, exactly its
// level + 3 frogs and level + 2 steps, and nowhere else.

TEST(InstallGeneratedLevel, CopiesExactlyTheLevelsEntry) {
    TestGame game(false);
    FillLibrary(game->library, 200, 15, 0);
    LevelLibrary expected = game->library;
    Generator& gen = game->gen;
    const int v = 12;
    for (int j = 0; j <= kStepIndexMax; ++j) {
        const auto piece = static_cast<std::int16_t>(1000 + j), to = static_cast<std::int16_t>(3000 + j);
        if (j <= kPieceIndexMax) gen.GeneratedPieces(v, j) = piece;
        std::tie(gen.GeneratedSolutionFrom(v, j), gen.GeneratedSolutionTo(v, j)) = std::pair(2000 + j, to);
        if (j >= 1 && j <= v + 3) expected.LevelPieces(v, j) = piece;
        if (j >= 1 && j <= v + 2) std::tie(expected.SolutionFrom(v, j), expected.SolutionTo(v, j)) = std::pair(2000 + j, to);
    }
    gen.GeneratedPieces(v + 1, 1) = 77;  // another level's puzzle stays out
    levels::InstallGeneratedLevel(game.session(), v);
    EXPECT_EQ(FirstDifferentLevel(game->library, expected), 0);

    // Levels outside the tables are ignored; the last storable one is not.
    for (int level : {-1, 0, kMaxStoredLevel + 1, kLevelIndexMax, 100000})
        EXPECT_NO_THROW(levels::InstallGeneratedLevel(game.session(), level)) << level;
    EXPECT_EQ(FirstDifferentLevel(game->library, expected), 0);
    gen.GeneratedPieces(kMaxStoredLevel, kMaxStoredLevel + 3) = 5;
    levels::InstallGeneratedLevel(game.session(), kMaxStoredLevel);
    EXPECT_EQ(game->library.LevelPieces(kMaxStoredLevel, kPieceIndexMax), 5);
}

}  // namespace
}  // namespace quib
