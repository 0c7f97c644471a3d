// The "Preferences" options: "Sound" and "Grids" toggle their check marks and
// what follows them, and the colour sliders colour the swatch and caption
// their own labels.

#include <fstream>

#include <gtest/gtest.h>

#include "core/window/window.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

// "Sound" starts checked; the flag the jump reads follows the mark.
TEST(SoundOption, TogglesTheMarkAndTheFlagAndReturnsAfterTwoClicks) {
    TestGame game(false);
    Form1& f = game.form();
    ASSERT_TRUE(f.menu.sndmenue.Checked);
    f.game.SoundOn = true;

    window::sndmenue_Click(f);
    EXPECT_FALSE(f.menu.sndmenue.Checked);
    EXPECT_FALSE(f.game.SoundOn);

    window::sndmenue_Click(f);
    EXPECT_TRUE(f.menu.sndmenue.Checked);
    EXPECT_TRUE(f.game.SoundOn);
}

TEST(SoundOption, FlagFollowsTheMarkEvenWhenTheyDisagreedBefore) {
    TestGame game(false);
    Form1& f = game.form();
    f.menu.sndmenue.Checked = false;
    f.game.SoundOn = false;
    window::sndmenue_Click(f);
    EXPECT_TRUE(f.menu.sndmenue.Checked);
    EXPECT_TRUE(f.game.SoundOn);
}

// "Grids" outlines all 294 cells in black and shows hidden ones; unchecking
// takes the outlines off again; the template cell 0 is never touched.
TEST(GridsOption, OutlinesEveryCellInBlackAndRemovesTheOutlinesAgain) {
    TestGame game(false);
    Form1& f = game.form();
    ASSERT_EQ(f.board.Grid.size(), 295u);
    ASSERT_FALSE(f.menu.mnuGrids.Checked);

    // As the high-score table and the landing hints leave them: some cells
    // hidden, one outlined in green.
    f.board.Grid[5].Visible = false;
    f.board.Grid[294].Visible = false;
    f.board.Grid[77].BorderStyle = 1;
    f.board.Grid[77].BorderColor = Rgb(0, 240, 0);
    // A template with recognisable values, to see that nothing writes to it.
    Cell& tpl = f.board.Grid[0];
    tpl.Visible = false;
    tpl.BorderStyle = 0;
    tpl.BorderColor = Rgb(1, 2, 3);

    window::mnuGrids_Click(f);
    EXPECT_TRUE(f.menu.mnuGrids.Checked);
    for (int i = 1; i <= kCells; ++i) {
        const Cell& c = f.board.Grid[static_cast<std::size_t>(i)];
        ASSERT_TRUE(c.Visible) << "cell " << i;
        ASSERT_EQ(c.BorderStyle, 1) << "cell " << i;
        ASSERT_EQ(c.BorderColor, 0u) << "cell " << i;
    }

    window::mnuGrids_Click(f);
    EXPECT_FALSE(f.menu.mnuGrids.Checked);
    for (int i = 1; i <= kCells; ++i) {
        const Cell& c = f.board.Grid[static_cast<std::size_t>(i)];
        ASSERT_EQ(c.BorderStyle, 0) << "cell " << i;
        ASSERT_EQ(c.BorderColor, 0u) << "cell " << i;
        ASSERT_TRUE(c.Visible) << "cell " << i;
    }

    EXPECT_FALSE(f.board.Grid[0].Visible);
    EXPECT_EQ(f.board.Grid[0].BorderStyle, 0);
    EXPECT_EQ(f.board.Grid[0].BorderColor, Rgb(1, 2, 3));
}

TEST(GridsOption, LeavesCellPositionsAndTagsAlone) {
    TestGame game(false);
    Form1& f = game.form();
    f.board.Grid[100].Tag = 3;
    const Cell before = f.board.Grid[100];
    window::mnuGrids_Click(f);
    const Cell& after = f.board.Grid[100];
    EXPECT_EQ(after.Tag, 3);
    EXPECT_EQ(after.Left, before.Left);
    EXPECT_EQ(after.Top, before.Top);
    EXPECT_EQ(after.Width, before.Width);
    EXPECT_EQ(after.Height, before.Height);
}

// The sliders: the swatch takes the three values as red, green and blue, and
// each caption names its colour and value.
TEST(ColourSliders, GreenAt128ColoursTheSwatchAndCaptionsAllThree) {
    TestGame game(false);
    Form1& f = game.form();
    window::VScroll_Change(f, 3, 128);
    EXPECT_EQ(f.colours.Shape3, Rgb(0, 128, 0));
    EXPECT_EQ(f.colours.Label7.Caption, "Red 0");
    EXPECT_EQ(f.colours.Label8.Caption, "Green 128");
    EXPECT_EQ(f.colours.Label9.Caption, "Blue 0");
    // The start screen's titles have labels of their own.
    EXPECT_EQ(f.intro.Label7.Caption, "Quib");
    EXPECT_EQ(f.intro.Label9.Caption, "Quib");
}

TEST(ColourSliders, EachSliderGivesItsOwnComponent) {
    TestGame game(false);
    Form1& f = game.form();
    window::VScroll_Change(f, 2, 10);
    window::VScroll_Change(f, 4, 200);
    window::VScroll_Change(f, 3, 99);
    EXPECT_EQ(f.colours.Shape3, Rgb(10, 99, 200));
    EXPECT_EQ(f.colours.Label7.Caption, "Red 10");
    EXPECT_EQ(f.colours.Label8.Caption, "Green 99");
    EXPECT_EQ(f.colours.Label9.Caption, "Blue 200");
}

TEST(ColourSliders, ValuesOutsideTheRangeAreClampedAndUnknownSlidersIgnored) {
    TestGame game(false);
    Form1& f = game.form();
    window::VScroll_Change(f, 2, 300);
    window::VScroll_Change(f, 4, -7);
    EXPECT_EQ(f.colours.Shape3, Rgb(255, 0, 0));
    EXPECT_EQ(f.colours.Label7.Caption, "Red 255");
    EXPECT_EQ(f.colours.Label9.Caption, "Blue 0");

    window::VScroll_Change(f, 5, 77);
    window::VScroll_Change(f, 1, 77);
    EXPECT_EQ(f.colours.Shape3, Rgb(255, 0, 0));
    EXPECT_EQ(f.colours.Label8.Caption, "Green 0");
}

// The jump sound lies beside the program; a missing file is silent.
TEST(JumpSound, PlaysOnlyAFileThatExists) {
    TestGame game(false);
    Form1& f = game.form();
    const std::string path = window::JumpSoundPath(f);
    EXPECT_EQ(path, game.program.path() + "Sounds/Jump.wav");

    window::PlaySoundFile(f, path, false);
    EXPECT_TRUE(game.platform.sounds.empty());

    std::filesystem::create_directories(game.program.path() + "Sounds");
    std::ofstream(path) << "RIFF";
    window::PlaySoundFile(f, path, false);
    ASSERT_EQ(game.platform.sounds.size(), 1u);
    EXPECT_EQ(game.platform.sounds[0], path);
}

}  // namespace
}  // namespace quib
