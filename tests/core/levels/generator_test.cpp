// The puzzle generator: every puzzle grows from one frog on the centre cell by
// undoing jumps, is accepted only after its solution replays to one frog,
// reports its outcome through GenerationDone and GenerationRequested, and
// enters the library at once only for the level on the board.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/levels/levels.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

int Row(int n) { return (n - 1) / kColumns + 1; }
int Column(int n) { return (n - 1) % kColumns + 1; }

struct Puzzle {
    std::vector<int> pieces;
    std::vector<std::pair<int, int>> steps;  // from-cell, landing cell
};

// The generated puzzle of level g, read up to one entry past its length so
// that a generator writing too far is noticed.
Puzzle Generated(const Form1& form, int g) {
    Puzzle p;
    for (int j = 1; j <= g + 4; ++j) p.pieces.push_back(form.gen.GeneratedPieces(g, j));
    for (int j = 1; j <= g + 3; ++j)
        p.steps.emplace_back(form.gen.GeneratedSolutionFrom(g, j).value_or(0), form.gen.GeneratedSolutionTo(g, j));
    return p;
}

// A replay on plain rows and columns, independent of the game's jump code:
// each step must start on a frog, land on an empty cell of the board two rows
// and/or two columns away, and pass over a frog. Returns the cells left, or
// an empty set with a reason when a step is not a jump.
std::set<int> Replay(const std::vector<int>& pieces, const std::vector<std::pair<int, int>>& steps,
                     std::string& fault) {
    std::set<int> frogs(pieces.begin(), pieces.end());
    for (auto [from, to] : steps) {
        const int dr = Row(to) - Row(from), dc = Column(to) - Column(from);
        const bool shape = (dr == 0 || dr == 2 || dr == -2) && (dc == 0 || dc == 2 || dc == -2) && (dr || dc);
        const int middle = (Row(from) + dr / 2 - 1) * kColumns + Column(from) + dc / 2;
        if (to < 1 || to > kCells || !shape || !frogs.count(from) || frogs.count(to) || !frogs.count(middle)) {
            fault = "step " + std::to_string(from) + " to " + std::to_string(to) + " is no jump";
            return {};
        }
        frogs.erase(from);
        frogs.erase(middle);
        frogs.insert(to);
    }
    return frogs;
}

// Runs the generator for level g as the level start does: again and again
// until the puzzle is verified.
int GenerateVerified(Form1& form, int g) {
    form.gen.GenerationLevel = g;
    form.gen.LevelVerified[static_cast<std::size_t>(g)] = false;
    int runs = 0;
    while (!form.gen.LevelVerified[static_cast<std::size_t>(g)] && runs < 20) {
        levels::GenerateLevel(form);
        ++runs;
    }
    return runs;
}

TEST(Generator, GrowsTheWorkedExampleOfLevelOneFromItsDice) {
    TestGame game(false);
    Form1& f = game.form();
    f.game.CurrentLevel = 1;
    // Right (d = 4), then frog 2; down (d = 2), then frog 1; up (d = 1), then
    // the choice after the last frog.
    game.platform.script = {0.4, 0.75, 0.2, 0.1, 0.05, 0.0};
    const int seeds = game.platform.randomizeCalls;
    f.gen.GenerationLevel = 1;
    levels::GenerateLevel(f);

    EXPECT_TRUE(game.platform.script.empty());
    EXPECT_EQ(game.platform.randomizeCalls, seeds + 1);
    const Puzzle p = Generated(f, 1);
    EXPECT_EQ(p.pieces, (std::vector<int>{118, 201, 180, 139, 0}));
    EXPECT_EQ(p.steps, (std::vector<std::pair<int, int>>{{118, 160}, {201, 159}, {160, 158}, {0, 0}}));
    EXPECT_TRUE(f.gen.LevelVerified[1]);
    EXPECT_TRUE(f.gen.GenerationDone);
    EXPECT_TRUE(f.gen.GenerationRequested);
    // Level 1 is the level on the board: its entry is replaced at once.
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(f.library.LevelPieces(1, j), p.pieces[static_cast<std::size_t>(j - 1)]);
    EXPECT_EQ(f.library.SolutionFrom(1, 1), 118);
    EXPECT_EQ(f.library.SolutionTo(1, 3), 158);
}

TEST(Generator, ChoosesAnotherFrogAfterFiftyUnacceptableDirections) {
    TestGame game(false);
    Form1& f = game.form();
    f.game.CurrentLevel = 5;
    // Frog 1 right to 160 (frog 2 on 159), then frog 2. Fifty times right for
    // frog 2, blocked by frog 1; then frog 1 is chosen and goes up, then frog
    // 2 goes down.
    game.platform.script = {0.4, 0.75};
    for (int i = 0; i < 50; ++i) game.platform.script.push_back(0.4);
    for (double r : {0.0, 0.05, 0.4, 0.2, 0.0}) game.platform.script.push_back(r);
    f.gen.GenerationLevel = 1;
    levels::GenerateLevel(f);

    EXPECT_TRUE(game.platform.script.empty());
    const Puzzle p = Generated(f, 1);
    EXPECT_EQ(p.pieces, (std::vector<int>{118, 201, 139, 180, 0}));
    EXPECT_EQ(p.steps, (std::vector<std::pair<int, int>>{{201, 159}, {118, 160}, {160, 158}, {0, 0}}));
    EXPECT_TRUE(f.gen.LevelVerified[1]);
}

// Many seeds over every level: the structure of each puzzle, checked by a
// replay of its own, and the direction rule of the reverse jumps.
TEST(Generator, EveryLevelGivesADistinctSolvablePuzzleEndingOnTheCentre) {
    TestGame game(false);
    Form1& f = game.form();
    f.game.CurrentLevel = 0;  // no level on the board: nothing is installed
    int edgeMovesFrom19Right = 0, edgeMovesFrom21Left = 0, movesFromColumn20Left = 0;
    for (std::uint64_t seed : {1u, 2u, 3u, 77u}) {
        game.platform.random.Seed(seed);
        for (int g = 1; g <= kLevelsPlayed; ++g) {
            const int runs = GenerateVerified(f, g);
            ASSERT_TRUE(f.gen.LevelVerified[static_cast<std::size_t>(g)]) << "level " << g << " seed " << seed;
            ASSERT_LE(runs, 3) << "level " << g;
            const Puzzle p = Generated(f, g);
            std::vector<int> pieces(p.pieces.begin(), p.pieces.begin() + g + 3);
            std::vector<std::pair<int, int>> steps(p.steps.begin(), p.steps.begin() + g + 2);
            EXPECT_EQ(p.pieces.back(), 0) << "a piece past level " << g;
            EXPECT_EQ(p.steps.back(), (std::pair<int, int>{0, 0})) << "a step past level " << g;
            const std::set<int> distinct(pieces.begin(), pieces.end());
            ASSERT_EQ(distinct.size(), static_cast<std::size_t>(g + 3)) << "level " << g;
            ASSERT_GE(*distinct.begin(), 1);
            ASSERT_LE(*distinct.rbegin(), kCells);
            std::string fault;
            const std::set<int> left = Replay(pieces, steps, fault);
            ASSERT_EQ(left, std::set<int>{158}) << "level " << g << ": " << fault;
            for (auto [from, to] : steps) {
                // Read backwards, a step is a reverse jump from `to` to `from`.
                if (Column(to) == 19 && Column(from) > 19) ++edgeMovesFrom19Right;
                if (Column(to) == 21 && Column(from) < 21) ++edgeMovesFrom21Left;
                if (Column(to) == 20 && Column(from) < 20) ++movesFromColumn20Left;
            }
        }
    }
    EXPECT_EQ(edgeMovesFrom19Right, 0);
    EXPECT_EQ(edgeMovesFrom21Left, 0);
    // The same edge region is reached otherwise, so the two counts above
    // are not zero merely because no frog ever got there.
    EXPECT_GT(movesFromColumn20Left, 0);
}

TEST(Generator, LevelZeroChangesNothingAndReportsDone) {
    TestGame game(false);
    Form1& f = game.form();
    f.gen.GenerationLevel = 3;
    GenerateVerified(f, 3);
    const auto pieces = f.gen.GeneratedPieces;
    const auto from = f.gen.GeneratedSolutionFrom;
    const auto verified = f.gen.LevelVerified;
    const auto library = f.library.LevelPieces;
    const auto revision = f.library.Revision;
    f.gen.GenerationDone = false;
    f.gen.GenerationRequested = false;
    game.platform.script = {0.5};
    const int seeds = game.platform.randomizeCalls;

    f.gen.GenerationLevel = 0;
    levels::GenerateLevel(f);
    EXPECT_TRUE(f.gen.GenerationDone);
    EXPECT_TRUE(f.gen.GenerationRequested);
    EXPECT_EQ(f.gen.GenerationLevel, 0);
    EXPECT_TRUE(f.gen.GeneratedPieces == pieces);
    EXPECT_TRUE(f.gen.GeneratedSolutionFrom == from);
    EXPECT_EQ(f.gen.LevelVerified, verified);
    EXPECT_TRUE(f.library.LevelPieces == library);
    EXPECT_EQ(f.library.Revision, revision);
    EXPECT_EQ(game.platform.randomizeCalls, seeds);
    EXPECT_EQ(game.platform.script.size(), 1u);
}

TEST(Generator, InstallsAtOnceOnlyForTheLevelOnTheBoard) {
    TestGame game(false);
    Form1& f = game.form();
    f.game.CurrentLevel = 7;
    const auto library = f.library.LevelPieces;
    const auto solutions = f.library.SolutionFrom;
    const auto revision = f.library.Revision;
    f.library.LevelNeedsGenerating[6] = true;
    f.library.LevelNeedsGenerating[7] = true;

    GenerateVerified(f, 6);
    EXPECT_TRUE(f.gen.GenerationDone);
    EXPECT_TRUE(f.library.LevelPieces == library);
    EXPECT_TRUE(f.library.SolutionFrom == solutions);
    EXPECT_EQ(f.library.Revision, revision);

    GenerateVerified(f, 7);
    EXPECT_TRUE(f.gen.GenerationDone);
    for (int j = 1; j <= 10; ++j) EXPECT_EQ(f.library.LevelPieces(7, j), f.gen.GeneratedPieces(7, j)) << j;
    for (int j = 1; j <= 9; ++j) {
        EXPECT_EQ(f.library.SolutionFrom(7, j), f.gen.GeneratedSolutionFrom(7, j)) << j;
        EXPECT_EQ(f.library.SolutionTo(7, j), f.gen.GeneratedSolutionTo(7, j)) << j;
    }
    EXPECT_GT(f.library.Revision, revision);  // the file will be rewritten
    EXPECT_EQ(f.library.LevelPieces(6, 1), 0);
    // Renewal flags are the timer's business.
    EXPECT_TRUE(f.library.LevelNeedsGenerating[6]);
    EXPECT_TRUE(f.library.LevelNeedsGenerating[7]);
}

TEST(Generator, LevelsBeyondTheTablesFailWithoutHarm) {
    TestGame game(false);
    Form1& f = game.form();
    for (int g : {348, 350, 351, 400, -1, -5}) {
        f.game.CurrentLevel = g;
        const auto library = f.library.LevelPieces;
        const auto revision = f.library.Revision;
        f.gen.GenerationDone = true;
        f.gen.GenerationRequested = false;
        f.gen.GenerationLevel = g;
        EXPECT_NO_THROW(levels::GenerateLevel(f)) << g;
        EXPECT_FALSE(f.gen.GenerationDone) << g;
        EXPECT_TRUE(f.gen.GenerationRequested) << g;
        EXPECT_TRUE(f.library.LevelPieces == library) << g;
        EXPECT_EQ(f.library.Revision, revision) << g;
    }
}

// 303 frogs cannot stand on 294 cells, so an unbounded search would never
// end. The run must end, fail and install nothing.
TEST(Generator, ALevelTooLargeForTheBoardGivesUp) {
    TestGame game(false);
    Form1& f = game.form();
    f.game.CurrentLevel = 300;
    const int seeds = game.platform.randomizeCalls;
    f.gen.GenerationLevel = 300;
    levels::GenerateLevel(f);
    EXPECT_FALSE(f.gen.GenerationDone);
    EXPECT_TRUE(f.gen.GenerationRequested);
    EXPECT_FALSE(f.gen.LevelVerified[300]);
    EXPECT_EQ(f.library.LevelPieces(300, 1), 0);
    // It gave up only after starting afresh, with a new seed each time.
    EXPECT_GT(game.platform.randomizeCalls, seeds + 1);
}

// A check board whose cells are too flat for a click 10 units inside them
// rejects every puzzle.
TEST(Generator, APuzzleThatFailsVerificationIsReportedAndNotInstalled) {
    TestGame game(false);
    Form1& f = game.form();
    for (std::size_t k = 1; k < f.board.GridB.size(); ++k) f.board.GridB[k].Height = 5;
    f.game.CurrentLevel = 4;
    const auto library = f.library.LevelPieces;
    f.gen.LevelVerified[4] = true;
    f.gen.GenerationLevel = 4;
    levels::GenerateLevel(f);
    EXPECT_FALSE(f.gen.GenerationDone);
    EXPECT_TRUE(f.gen.GenerationRequested);
    EXPECT_FALSE(f.gen.LevelVerified[4]);
    EXPECT_TRUE(f.library.LevelPieces == library);
    EXPECT_EQ(f.board.RectB.size(), 8u);  // the replay moved nothing
}

// The game's own seeding differs for every fresh start, even within one
// tick of the clock.
TEST(GeneratorSeed, TwoPuzzlesMadeWithinOneClockTickDiffer) {
    TestGame game(false);
    Form1& f = game.form();
    game.platform.reseedFromClock = true;
    f.game.CurrentLevel = 0;
    GenerateVerified(f, 12);
    const Puzzle first = Generated(f, 12);
    GenerateVerified(f, 12);  // the fake clock has not moved
    const Puzzle second = Generated(f, 12);
    EXPECT_NE(first.pieces, second.pieces);
}

}  // namespace
}  // namespace quib
