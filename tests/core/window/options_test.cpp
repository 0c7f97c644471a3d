// The "Preferences" options: "Sound" and "Grids" toggle their check marks and
// what follows them, the colour sliders colour the swatch and caption their
// own labels, and only a sound file that exists is played.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/window/window.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

TEST(SoundOption, TheFlagFollowsTheMarkAndTwoClicksReturnToTheStart) {
    TestGame game(false);
    Session& f = game.session();
    ASSERT_TRUE(f.menu.SoundOption.Checked);
    f.game.SoundOn = false;  // disagreeing before: the click sets it from the mark
    window::ToggleSound(f);
    EXPECT_FALSE(f.menu.SoundOption.Checked || f.game.SoundOn);
    window::ToggleSound(f);
    EXPECT_TRUE(f.menu.SoundOption.Checked && f.game.SoundOn);
}

// "Grids" outlines all 294 cells in black and shows hidden ones; unchecking
// takes the outlines off again; the template cell 0 is never touched.
TEST(GridsOption, OutlinesEveryCellInBlackAndRemovesTheOutlinesAgain) {
    TestGame game(false);
    Session& f = game.session();
    ASSERT_EQ(f.board.Grid.size(), 295u);
    ASSERT_FALSE(f.menu.GridsOption.Checked);
    // As the high-score table and the landing hints leave them: some cells
    // hidden, one outlined in green.
    f.board.Grid[5].Visible = f.board.Grid[294].Visible = false;
    f.board.Grid[77].Outlined = true;
    f.board.Grid[77].BorderColor = Rgb(0, 240, 0);
    const Cell tpl = f.board.Grid[0];

    for (const bool on : {true, false}) {
        window::ToggleGrids(f);
        EXPECT_EQ(f.menu.GridsOption.Checked, on);
        for (int i = 1; i <= kCells; ++i) {
            const Cell& c = f.board.Grid[static_cast<std::size_t>(i)];
            ASSERT_EQ(std::tuple(c.Visible, c.Outlined, c.BorderColor), std::tuple(true, on, 0u)) << "cell " << i;
        }
    }
    EXPECT_EQ(std::pair(f.board.Grid[0].Visible, f.board.Grid[0].Outlined), std::pair(tpl.Visible, tpl.Outlined));
}

TEST(ColourSliders, EachSliderGivesItsComponentAndCaptionsItsOwnLabel) {
    TestGame game(false);
    Session& f = game.session();
    window::SetColourLevel(f, 3, 128);
    const auto shown = [&f] {
        return std::tuple(f.colours.Swatch, f.colours.RedCaption.Caption, f.colours.GreenCaption.Caption, f.colours.BlueCaption.Caption);
    };
    EXPECT_EQ(shown(), std::tuple(Rgb(0, 128, 0), "Red 0", "Green 128", "Blue 0"));
    EXPECT_EQ(f.intro.Title.Caption, "Quib");  // the start screen's title is another label

    window::SetColourLevel(f, 2, 10);
    window::SetColourLevel(f, 4, 200);
    window::SetColourLevel(f, 5, 77);  // no such slider
    EXPECT_EQ(shown(), std::tuple(Rgb(10, 128, 200), "Red 10", "Green 128", "Blue 200"));
}

// The jump sound lies beside the program; a missing file is silent.
TEST(JumpSound, PlaysOnlyAFileThatExists) {
    TestGame game(false);
    Session& f = game.session();
    const std::string path = window::JumpSoundPath(f);
    EXPECT_EQ(path, game.program.path() + "Sounds/Jump.wav");
    window::PlaySoundFile(f, path, false);
    EXPECT_TRUE(game.platform.sounds.empty());

    std::filesystem::create_directories(game.program.path() + "Sounds");
    std::ofstream(path) << "RIFF";
    window::PlaySoundFile(f, path, false);
    EXPECT_EQ(game.platform.sounds, std::vector<std::string>{path});
}

}  // namespace
}  // namespace quib
