// Start-up: the window opens on the start screen with the game's own texts
// and no game to play until the first tick has read the files; that tick
// offers what the files allow ("Continue", the "Goto Level" entries up to the
// highest level reached); minimising and restoring freeze and thaw the clock.

#include <csignal>
#include <filesystem>
#include <grp.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/levels/levels.h"
#include "core/records/items.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/play.h"

namespace quib {
namespace {

using namespace quib::testing;

TEST(FormLoad, OpensTheStartScreenWithNothingToPlayYet) {
    TestGame game(false);
    const Session& f = game.session();
    const IntroScreen& in = f.intro;
    EXPECT_TRUE(in.Visible && game::StartScreenUp(f));
    EXPECT_EQ(std::pair(in.Left, in.Top), std::pair(126, 77));
    const std::pair<const Label*, const char*> texts[] = {
        {&in.Title, "Quib"}, {&in.DifficultyHeading, "Select Difficulty"}, {&in.ModeChoices[4], "Practice"},
        {&in.ContinueChoice, "Continue"}, {&in.ExitLabel, "Exit"},
        {&in.ScoreLine, "Your score increases each time you complete a level. "},
        {&in.DifficultyLine, "The higher the difficulty level the more points you get per level but you are given fewer chances."},
    };
    for (const auto& [label, text] : texts) EXPECT_EQ(label->Caption, text);
    EXPECT_FALSE(f.game.ResumeOffered);
    EXPECT_EQ(in.ModeChoices[3].ForeColor, Rgb(100, 100, 250));
    EXPECT_EQ(std::tuple(f.msg.EnterButton.Left, f.msg.EnterButton.Top, f.msg.RoundOverLabel.Top), std::tuple(508, 208, 86));

    // Until the first tick has read the files, no game can be started.
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.menu.NewGameModes[static_cast<std::size_t>(i)].Enabled) << i;
    EXPECT_FALSE(f.menu.HighScoresEntry.Enabled || f.menu.SaveMenu.Enabled || f.menu.RestartLevelEntry.Enabled ||
                 f.menu.GridsOption.Checked || !f.tasks.StartupPending);
    EXPECT_EQ(std::pair(f.tasks.TimerInterval, f.clock.State), std::pair(1, ClockState::FreezeRequested));
}

// The first run offers new games only and marks every level for
// generation; the highest level reached in a run enables the "Goto Level"
// entries up to it in the next.
TEST(StartUp, OffersWhatTheFilesAllow) {
    TestGame game;
    Session& f = game.session();
    EXPECT_FALSE(f.tasks.StartupPending || f.game.ResumeOffered);
    EXPECT_EQ(std::tuple(f.clock.State, f.window.MousePointer, f.game.HighestLevel), std::tuple(ClockState::Running, Pointer::Default, 1));
    for (int n = 1; n <= 200; ++n) ASSERT_TRUE(f.library.LevelNeedsGenerating[static_cast<std::size_t>(n)]) << n;
    ASSERT_EQ(f.menu.GotoLevelEntries.size(), 20u);
    for (const auto& [n, entry] : f.menu.GotoLevelEntries) EXPECT_EQ(std::pair(entry.Caption, entry.Enabled), std::pair(std::to_string(n), n == 1));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(f.menu.NewGameModes[static_cast<std::size_t>(i)].Enabled) << i;
    EXPECT_TRUE(f.menu.HighScoresEntry.Enabled);
    EXPECT_EQ(f.intro.ModeChoices[2].ForeColor, f.intro.ExitLabel.ForeColor);

    PlayLevel(f, 1, 2);
    f.game.HighestLevel = 57;
    ASSERT_TRUE(records::WriteDataFile(f));
    TestGame next(game, true);
    for (const auto& [n, entry] : next->menu.GotoLevelEntries) EXPECT_EQ(entry.Enabled, n <= 50) << n;
}

// Named pipes in place of the resume file and the library, a folder in place
// of a slot, a high-score table padded far beyond any real file's size, and
// the temporary file of a write killed before its rename: the start-up
// neither blocks nor takes the padded table, and it clears the game's own
// leftover, nothing else: not a player's copies of the files, whatever their
// names, nor a link, a pipe or another user's file named like a leftover.
TEST(StartUp, SurvivesAHostileDataFolderAndClearsItsLeftovers) {
    namespace fs = std::filesystem;
    TestGame source;
    for (int k = 0; k < 10; ++k) source->high.ScoreLabel[static_cast<std::size_t>(k + 1)].Caption = "5";
    ASSERT_TRUE(records::WriteHighScores(source.session()));
    TestGame game(false);
    const auto file = [&game](const std::string& name) { return game.data.file(name); };
    ASSERT_EQ(::mkfifo(file("data.txt").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(file("levels.txt").c_str(), 0644), 0);
    fs::create_directory(file("savedgame1.txt"));
    std::string padded = FileText(source.data.file("high.txt"));
    padded.resize(8 << 20, '\n');  // ten times a library of the most levels the tables hold
    { std::ofstream(file("high.txt")) << padded; }
    std::set<std::string> kept = {"high.txt.backup", "savedgame1.txt.old123", "data.txt.200101", "levels.txt.Ab12Cd",
                                  "notes.txt.Ab3xYz", "levels.txt~", ".notes.txt.quib-tmp-Ab12Cd",
                                  ".high.txt.quib-tmp-Ab12C", "high.txt.quib-tmp-Ab12Cd"};
    for (const std::string& name : kept) std::ofstream(file(name)) << "x";
    ASSERT_EQ(::mkfifo(file(".data.txt.quib-tmp-Ab12Cd").c_str(), 0644), 0);
    fs::create_symlink("high.txt.backup", file(".high.txt.quib-tmp-Q1w2E3"));
    kept.insert({".data.txt.quib-tmp-Ab12Cd", ".high.txt.quib-tmp-Q1w2E3"});
    if (::geteuid() == 0) {
        std::ofstream(file(".levels.txt.quib-tmp-Ot4Er5")) << "x";
        ASSERT_EQ(::chown(file(".levels.txt.quib-tmp-Ot4Er5").c_str(), 65534, 65534), 0);
        kept.insert(".levels.txt.quib-tmp-Ot4Er5");
    }
    const auto names = [&game] {
        std::set<std::string> left;
        for (const auto& entry : fs::directory_iterator(game.data.path())) left.insert(entry.path().filename().string());
        return left;
    };
    // A save of the scores killed part-way (by the file size limit's signal).
    const std::set<std::string> before = names();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore{0, 0}, small{4096, 4096};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        records::WriteFileSafely(file("high.txt"), std::string(100000, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    std::set<std::string> leftover = names();
    for (const std::string& name : before) leftover.erase(name);
    ASSERT_EQ(leftover.size(), 1u);
    EXPECT_EQ(leftover.begin()->rfind(".high.txt.quib-tmp-", 0), 0u) << *leftover.begin();

    game.RunStartUp();
    EXPECT_FALSE(game->game.ResumeOffered || game->menu.LoadSlotEntries[1].Enabled);
    EXPECT_EQ(game->high.ScoreLabel[1].Caption, "0");
    EXPECT_EQ(FileLines(file("high.txt")).size(), 30u);  // written anew
    std::set<std::string> expected = kept;
    expected.insert({"data.txt", "levels.txt", "high.txt", "savedgame1.txt"});
    EXPECT_EQ(names(), expected);
}

// Files that are there but cannot be read (the game runs as a user who may
// not read them) are not damaged: the run goes on with the defaults and
// never writes over them, neither the supply nor a save nor the close.
TEST(StartUp, KeepsTheFilesItCannotRead) {
    TestGame owner(false);
    const std::vector<std::string> names = {"data.txt", "levels.txt", "high.txt", "savedgame1.txt"};
    for (const std::string& name : names) {
        std::ofstream(owner.data.file(name)) << name << "\n";
        ::chmod(owner.data.file(name).c_str(), 0);
    }
    const bool root = ::geteuid() == 0;
    // The folder itself is the player's: every file in it could be replaced.
    if (root) {
        ASSERT_EQ(::chown(owner.data.path().c_str(), 65534, 65534), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        TestGame run(owner, true);
        Session& f = run.session();
        bool ok = f.high.ScoreLabel[1].Caption == "0" && !f.game.ResumeOffered;
        records::SaveToSlot(PlayLevel(f, 1, 1), 1);
        ok = ok && f.game.SaveSlot == 0;
        for (int i = 0; i < 300; ++i) {
            run.platform.Advance(0.01);
            levels::TimerTick(f);
        }
        run.platform.answerYes = false;
        window::RequestClose(f);
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    for (const std::string& name : names) {
        ::chmod(owner.data.file(name).c_str(), 0644);
        EXPECT_EQ(FileText(owner.data.file(name)), name + "\n");
    }
}

// Minimised while running: freeze requested, frozen at the tick; restored or
// maximised: thaw requested, running at the tick; otherwise nothing changes.
TEST(FormResize, TurnsMinimiseAndRestoreIntoClockRequests) {
    const int cases[][3] = {  // window state, clock state before, after
        {1, 0, 1}, {1, 2, 2}, {1, 3, 3}, {0, 2, 3}, {2, 2, 3}, {0, 0, 0}, {2, 1, 1},
    };
    TestGame game;
    for (const auto& c : cases) {
        game->clock.State = static_cast<ClockState>(c[1]);
        window::ChangeWindowState(game.session(), static_cast<WindowState>(c[0]));
        EXPECT_EQ(game->clock.State, static_cast<ClockState>(c[2])) << "state " << c[0] << " from " << c[1];
    }
}

}  // namespace
}  // namespace quib
