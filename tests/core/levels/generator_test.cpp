// The puzzle generator: every puzzle grows from one frog on the centre cell by
// undoing jumps, is accepted only after its solution replays to one frog,
// reports its outcome through GenerationDone and GenerationRequested, and
// enters the library at once only for the level on the board.

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;
using Steps = std::vector<std::pair<int, int>>;

int Column(int n) { return (n - 1) % kColumns + 1; }

// The generated pieces and steps of level g, read one entry past their length
// so that a generator writing too far is noticed.
std::vector<int> Pieces(const Session& session, int g) {
    std::vector<int> p;
    for (int j = 1; j <= g + 4; ++j) p.push_back(session.gen.GeneratedPieces(g, j));
    return p;
}
Steps Solution(const Session& session, int g) {
    Steps s;
    for (int j = 1; j <= g + 3; ++j)
        s.emplace_back(session.gen.GeneratedSolutionFrom(g, j).value_or(0), session.gen.GeneratedSolutionTo(g, j));
    return s;
}

// Runs the generator for level g as the level start does: until verified.
int GenerateVerified(Session& session, int g) {
    session.gen.GenerationLevel = g;
    session.gen.LevelVerified[static_cast<std::size_t>(g)] = false;
    int runs = 0;
    while (!session.gen.LevelVerified[static_cast<std::size_t>(g)] && runs < 20) {
        levels::GenerateLevel(session);
        ++runs;
    }
    return runs;
}

// Level 1 from scripted dice. The worked example: right (d = 4), then frog
// 2; down, then frog 1; up, then the choice after the last frog. Then the
// same start with frog 2 trying right, blocked by frog 1, fifty times: frog
// 1 is chosen next and goes up, then frog 2 goes down.
TEST(Generator, GrowsLevelOneFromItsDice) {
    std::deque<double> fifty = {0.4, 0.75};
    fifty.insert(fifty.end(), 50, 0.4);
    fifty.insert(fifty.end(), {0.0, 0.05, 0.4, 0.2, 0.0});
    struct Case {
        std::deque<double> dice;
        std::vector<int> pieces;
        Steps steps;
    };
    for (const Case& c : {Case{{0.4, 0.75, 0.2, 0.1, 0.05, 0.0}, {118, 201, 180, 139, 0},
                               {{118, 160}, {201, 159}, {160, 158}, {0, 0}}},
                          Case{fifty, {118, 201, 139, 180, 0}, {{201, 159}, {118, 160}, {160, 158}, {0, 0}}}}) {
        TestGame game(false);
        Session& f = game.session();
        game.platform.script = c.dice;
        const int seeds = game.platform.randomizeCalls;
        f.gen.GenerationLevel = 1;
        levels::GenerateLevel(f);
        EXPECT_TRUE(game.platform.script.empty());
        EXPECT_EQ(game.platform.randomizeCalls, seeds + 1);
        EXPECT_EQ(Pieces(f, 1), c.pieces);
        EXPECT_EQ(Solution(f, 1), c.steps);
        EXPECT_TRUE(f.gen.LevelVerified[1]);
        EXPECT_TRUE(f.gen.GenerationDone);
        EXPECT_TRUE(f.gen.GenerationRequested);
    }
}

// Frog 2 on 159 is always chosen and always tries right, where frog 1
// stands, though it could move elsewhere: every 400 such directions end an
// attempt, and the 600th failed attempt starts afresh with a new seed.
TEST(Generator, StartsAfreshAfterSixHundredFailedAttempts) {
    TestGame game(false);
    Session& f = game.session();
    auto& dice = game.platform.script;
    dice = {0.4, 0.75};
    for (int attempt = 0; attempt < 600; ++attempt) {
        for (int tries = 0, run = 0; run < 400;) {
            if (++tries > 50) {
                dice.push_back(0.75);  // another frog: frog 2 again
                tries = 0;
            }
            dice.push_back(0.4);  // right
            ++run;
        }
    }
    const int seeds = game.platform.randomizeCalls;
    f.gen.GenerationLevel = 1;
    levels::GenerateLevel(f);
    EXPECT_TRUE(dice.empty());
    EXPECT_EQ(game.platform.randomizeCalls, seeds + 2);
    EXPECT_TRUE(f.gen.LevelVerified[1]);
}

// Many seeds over every level: the structure of each puzzle, where its
// solution ends, and the direction rule of the reverse jumps.
TEST(Generator, EveryLevelGivesADistinctSolvablePuzzleEndingOnTheCentre) {
    TestGame game(false);
    Session& f = game.session();
    f.game.CurrentLevel = 0;  // no level on the board: nothing is installed
    int from19Right = 0, from20Left = 0, inColumn21 = 0;
    for (std::uint64_t seed : {1u, 2u, 3u, 77u}) {
        game.platform.random.Seed(seed);
        for (int g = 1; g <= kLevelsPlayed; ++g) {
            ASSERT_LE(GenerateVerified(f, g), 3) << "level " << g << " seed " << seed;
            ASSERT_TRUE(f.gen.LevelVerified[static_cast<std::size_t>(g)]) << "level " << g << " seed " << seed;
            std::vector<int> pieces = Pieces(f, g);
            Steps steps = Solution(f, g);
            EXPECT_EQ(pieces.back(), 0) << "a piece past level " << g;
            EXPECT_EQ(steps.back(), (std::pair<int, int>{0, 0})) << "a step past level " << g;
            pieces.pop_back();
            steps.pop_back();
            const std::set<int> distinct(pieces.begin(), pieces.end());
            ASSERT_EQ(distinct.size(), static_cast<std::size_t>(g + 3)) << "level " << g;
            ASSERT_GE(*distinct.begin(), 1);
            ASSERT_LE(*distinct.rbegin(), kCells);
            // The verifying replay, whose jump rules are tested on their own,
            // leaves its end position on the check board.
            ASSERT_EQ(f.board.RectB.size(), 2u) << "level " << g;
            ASSERT_EQ(f.board.RectB[1].CellNumber, 158) << "level " << g;
            for (auto [from, to] : steps) {
                // Read backwards, a step is a reverse jump from `to` to `from`.
                from19Right += Column(to) == 19 && Column(from) > 19;
                from20Left += Column(to) == 20 && Column(from) < 20;
            }
            for (int n : pieces) inColumn21 += Column(n) == 21;
        }
    }
    // Rightward reverse jumps start in columns 1..18, so column 21 is never
    // reached (and the rule against leftward ones from there never needed).
    EXPECT_EQ(from19Right, 0);
    EXPECT_EQ(inColumn21, 0);
    EXPECT_GT(from20Left, 0);  // the edge region is reached, so the zeros mean something
}

TEST(Generator, InstallsAtOnceOnlyForTheLevelOnTheBoard) {
    TestGame game(false);
    Session& f = game.session();
    f.game.CurrentLevel = 7;
    const auto library = f.library.LevelPieces;
    const auto solutions = f.library.SolutionFrom;
    const auto revision = f.library.Revision;
    f.library.LevelNeedsGenerating[7] = true;

    GenerateVerified(f, 6);
    EXPECT_TRUE(f.library.LevelPieces == library);
    EXPECT_TRUE(f.library.SolutionFrom == solutions);
    EXPECT_EQ(f.library.Revision, revision);

    GenerateVerified(f, 7);
    EXPECT_EQ(f.library.LevelPieces(7, 10), f.gen.GeneratedPieces(7, 10));
    for (int j = 1; j <= 9; ++j)
        EXPECT_EQ((std::tuple{f.library.LevelPieces(7, j), f.library.SolutionFrom(7, j), f.library.SolutionTo(7, j)}),
                  (std::tuple{f.gen.GeneratedPieces(7, j), f.gen.GeneratedSolutionFrom(7, j), f.gen.GeneratedSolutionTo(7, j)}))
            << j;
    EXPECT_GT(f.library.Revision, revision);           // the file will be rewritten
    EXPECT_TRUE(f.library.LevelNeedsGenerating[7]);    // renewal flags are the timer's business
}

// A run that cannot succeed ends as a failed one, installs nothing and
// leaves no earlier success standing. Levels beyond the tables or with more
// frogs than cells are refused before any dice are cast; level 291 (294
// frogs: the last needs two free cells of 294) gives up after its fresh
// starts; a check board too flat for a click 10 units inside rejects all.
// Level 0 only reports done and requested.
TEST(Generator, ARunThatCannotSucceedFailsWithoutHarmAndLevelZeroIsDoneAtOnce) {
    for (int g : {348, 351, -1, 292, 300, 291, 4, 0}) {
        SCOPED_TRACE("level " + std::to_string(g));
        TestGame game(false);
        Session& f = game.session();
        if (g == 4) {
            for (std::size_t k = 1; k < f.board.GridB.size(); ++k) f.board.GridB[k].Height = 5;
        }
        f.game.CurrentLevel = g;
        const auto library = f.library.LevelPieces;
        const int seeds = game.platform.randomizeCalls;
        const bool flagged = g >= 0 && g <= kLevelIndexMax;
        if (flagged) f.gen.LevelVerified[static_cast<std::size_t>(g)] = true;
        f.gen.GenerationDone = true;
        f.gen.GenerationRequested = false;
        f.gen.GenerationLevel = g;
        EXPECT_NO_THROW(levels::GenerateLevel(f));
        EXPECT_EQ(f.gen.GenerationDone, g == 0);
        EXPECT_TRUE(f.gen.GenerationRequested);
        EXPECT_EQ(flagged && f.gen.LevelVerified[static_cast<std::size_t>(g)], g == 0);  // level 0 is left alone
        EXPECT_TRUE(f.library.LevelPieces == library);
        EXPECT_EQ(f.gen.GeneratedPieces(0, 1), 0);
        EXPECT_EQ(game.platform.randomizeCalls - seeds, g == 291 ? 40 : g == 4 ? 1 : 0);  // fresh starts
    }
}

// The game's own seeding differs for every fresh start, even within one
// tick of the clock.
TEST(GeneratorSeed, TwoPuzzlesMadeWithinOneClockTickDiffer) {
    TestGame game(false);
    Session& f = game.session();
    game.platform.reseedFromClock = true;
    f.game.CurrentLevel = 0;
    GenerateVerified(f, 12);
    const std::vector<int> first = Pieces(f, 12);
    GenerateVerified(f, 12);  // the fake clock has not moved
    EXPECT_NE(Pieces(f, 12), first);
}

// The whole library made from one fixed seed, as the text of "levels.txt",
// is the one the game has always made from it: reshaping the board or the
// jump rules must not change a single puzzle. The fingerprint was taken
// from the generator before its rules were moved.
TEST(Generator, AFixedSeedMakesTheSameLibraryAsBefore) {
    TestGame game(false);
    Session& f = game.session();
    f.game.CurrentLevel = 0;
    game.platform.random.Seed(2026);
    for (int g = 1; g <= kLevelsPlayed; ++g) {
        ASSERT_LE(GenerateVerified(f, g), 3) << "level " << g;
        levels::InstallGeneratedLevel(f, g);
    }
    const std::string text = levels::LevelLibraryText(f);
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char ch : text) hash = (hash ^ ch) * 1099511628211ull;
    EXPECT_EQ(text.size(), 235563u);
    EXPECT_EQ(hash, 7679629519253408355ull);
}

}  // namespace
}  // namespace quib
